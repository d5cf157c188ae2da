// Visits: the editor's starting moment, choosing the customer, add-and-stay, the customer stamp on
// add and edit, and the visit list.
#include "CustomersFixture.h"

#include "customers/VisitInfoUnit.h"
#include "customers/VisitListUnit.h"

#include <QDateEdit>
#include <QLabel>
#include <QTimeEdit>

namespace {
class VisitTest : public CustomersTest {
protected:
    int OpenEditor(const QString& mode, int recordId, std::function<void(QDialog*)> handler)
    {
        OnModal(std::move(handler));
        TVisitInfoForm dlg;
        dlg.EditMode = mode;
        dlg.RecordID = recordId;
        return dlg.Open();
    }
    static void Save(QDialog* dlg) { Click(Child<QPushButton>(dlg, "bsSkinButton1")); }
    // Presses "..." and chooses, in the picker, the first customer found for text.
    void ChooseCustomer(QDialog* dlg, const QString& text)
    {
        PickCustomer(text);
        Click(Child<QToolButton>(dlg, "bsSkinSpeedButton1"));
    }
    QString Stamp(int cusId)
    {
        QSqlQuery q = Sql("select VisState,LastVisDate from hb_CustomerInfo where ID=?", {cusId});
        return q.next() ? q.value(0).toString() + "|" + q.value(1).toString() : QString();
    }
};

TEST_F(VisitTest, EditorStartsAtTodayAndNowWithItsDictionaryLists)
{
    OpenEditor("add", 0, [&](QDialog* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "拜访情况");
        EXPECT_EQ(Child<QDateEdit>(dlg, "VisDate")->date(), QDate(2026, 3, 15));
        EXPECT_EQ(Child<QDateEdit>(dlg, "NextDate")->date(), QDate(2026, 3, 15));
        EXPECT_EQ(Child<QTimeEdit>(dlg, "VisTime")->time(), QTime(10, 20, 30));
        EXPECT_EQ(Child<QTimeEdit>(dlg, "NextTime")->time(), QTime(10, 20, 30));
        EXPECT_EQ(Items(dlg, "VisType"), (QStringList{"----", "电话拜访", "上门拜访", "邮件", "即时通讯"}));
        EXPECT_EQ(Items(dlg, "VisState").value(1), "初次接触");
        EXPECT_EQ(TextOf(dlg, "VisState"), "");
        EXPECT_TRUE(Child<QLineEdit>(dlg, "CusName")->isReadOnly());
    });
}

TEST_F(VisitTest, MandatoryCodeAndCustomer)
{
    OpenEditor("add", 0, [&](QDialog* dlg) {
        Save(dlg);
        SetText(dlg, "VisCode", "V1");
        Save(dlg);
    });
    EXPECT_EQ(messages, (QStringList{"客户编号不能为空！", "客户名称不能为空！"}));
    EXPECT_EQ(Count("select count(*) from hb_VisitInfo"), 0);
}

TEST_F(VisitTest, TwoVisitsInOneDialogStampTheCustomer)
{
    const int cus = AddCustomer("K1", "拜访对象公司", other, "2026-01-01", "对象");
    OpenEditor("add", 0, [&](QDialog* dlg) {
        ChooseCustomer(dlg, "拜访对象");
        EXPECT_EQ(TextOf(dlg, "CusName"), "拜访对象公司");
        SetText(dlg, "VisCode", "V'1");
        SetText(dlg, "VisPerson", "接待甲");
        auto* state = Child<QComboBox>(dlg, "VisState");
        state->setCurrentIndex(state->findText("需求确认"));
        SetText(dlg, "VisType", "上门拜访");
        Child<QDateEdit>(dlg, "VisDate")->setDate(QDate(2026, 3, 10));
        Child<QTimeEdit>(dlg, "VisTime")->setTime(QTime(9, 5, 7));
        Child<QDateEdit>(dlg, "NextDate")->setDate(QDate(2026, 4, 1));
        Child<QTimeEdit>(dlg, "NextTime")->setTime(QTime(14, 0, 0));
        SetText(dlg, "GTMB", "目标");
        SetText(dlg, "GTNR", "内容 50%");
        Save(dlg);
        EXPECT_EQ(LastMessage(), "记录保存成功！");
        EXPECT_TRUE(dlg->isVisible());
        for (const char* cleared : {"VisCode", "VisPerson", "GTMB", "GTNR"})
            EXPECT_EQ(TextOf(dlg, cleared), "") << cleared;
        EXPECT_EQ(TextOf(dlg, "CusName"), "拜访对象公司");
        EXPECT_EQ(TextOf(dlg, "VisState"), "需求确认");
        EXPECT_EQ(Child<QDateEdit>(dlg, "VisDate")->date(), QDate(2026, 3, 10));
        EXPECT_EQ(Stamp(cus), "需求确认|2026-03-10");

        SetText(dlg, "VisCode", "V2");
        SetText(dlg, "VisState", "方案报价");
        Child<QDateEdit>(dlg, "VisDate")->setDate(QDate(2026, 3, 1));   // an earlier date, saved last
        Save(dlg);
    });
    EXPECT_EQ(messages, (QStringList{"记录保存成功！", "记录保存成功！"}));
    EXPECT_EQ(Stamp(cus), "方案报价|2026-03-01") << "the stamp is that of the visit saved last";
    QSqlQuery q = Sql("select * from hb_VisitInfo order by ID");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("VisCode").toString(), "V'1");
    EXPECT_EQ(q.value("CusID").toInt(), cus);
    EXPECT_EQ(q.value("CusName").toString(), "拜访对象公司");
    EXPECT_EQ(q.value("VisPerson").toString(), "接待甲");
    EXPECT_EQ(q.value("VisType").toString(), "上门拜访");
    EXPECT_EQ(q.value("VisState").toString(), "需求确认");
    EXPECT_EQ(q.value("VisDate").toString(), "2026-03-10");
    EXPECT_EQ(q.value("VisTime").toString(), "09:05:07");
    EXPECT_EQ(q.value("NextDate").toString(), "2026-04-01");
    EXPECT_EQ(q.value("NextTime").toString(), "14:00:00");
    EXPECT_EQ(q.value("GTMB").toString(), "目标");
    EXPECT_EQ(q.value("GTNR").toString(), "内容 50%");
    EXPECT_EQ(q.value("UserID").toInt(), me);
    EXPECT_EQ(q.value("UserName").toString(), "张三");
    EXPECT_EQ(q.value("DeptID").toInt(), 1);
    EXPECT_EQ(q.value("Date1").toString(), "2026-03-15");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("VisCode").toString(), "V2");
    EXPECT_EQ(q.value("CusID").toInt(), cus);
    EXPECT_TRUE(q.value("VisPerson").toString().isEmpty());
}

TEST_F(VisitTest, EditingAnOlderVisitRestampsTheCustomerWithItsValues)
{
    const int cus = AddCustomer("K1", "公司", me);
    const int older = AddVisit(cus, "公司", "V-old", me, "2025-12-01", "08:30:00", "2025-12-01");
    Sql("update hb_VisitInfo set VisState='初次接触',NextDate='2025-12-20',NextTime='16:45:10',GTMB='旧目标' where ID=?",
        {older});
    AddVisit(cus, "公司", "V-new", me, "2026-03-01", "10:00:00", "2026-03-01");
    Sql("update hb_CustomerInfo set VisState='已成交',LastVisDate='2026-03-01' where ID=?", {cus});
    const int result = OpenEditor("edit", older, [&](QDialog* dlg) {
        EXPECT_EQ(TextOf(dlg, "VisCode"), "V-old");
        EXPECT_EQ(TextOf(dlg, "CusName"), "公司");
        EXPECT_EQ(TextOf(dlg, "VisState"), "初次接触");
        EXPECT_EQ(TextOf(dlg, "GTMB"), "旧目标");
        EXPECT_EQ(Child<QDateEdit>(dlg, "VisDate")->date(), QDate(2025, 12, 1));
        EXPECT_EQ(Child<QTimeEdit>(dlg, "VisTime")->time(), QTime(8, 30, 0));
        EXPECT_EQ(Child<QDateEdit>(dlg, "NextDate")->date(), QDate(2025, 12, 20));
        EXPECT_EQ(Child<QTimeEdit>(dlg, "NextTime")->time(), QTime(16, 45, 10));
        SetText(dlg, "VisPerson", "改过");
        Save(dlg);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages, QStringList{"记录修改成功！"});
    EXPECT_EQ(Stamp(cus), "初次接触|2025-12-01");
    QSqlQuery q = Sql("select VisPerson,VisTime,NextTime,Date1,CusID from hb_VisitInfo where ID=?", {older});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "改过");
    EXPECT_EQ(q.value(1).toString(), "08:30:00");
    EXPECT_EQ(q.value(2).toString(), "16:45:10");
    EXPECT_EQ(q.value(3).toString(), "2026-03-15");
    EXPECT_EQ(q.value(4).toInt(), cus);
    EXPECT_EQ(Count("select count(*) from hb_VisitInfo"), 2);
}

class VisitListTest : public VisitTest {
protected:
    void Show()
    {
        list = std::make_unique<TVisitListForm>();
        list->resize(900, 500);
        list->show();
    }
    void TearDown() override
    {
        list.reset();
        VisitTest::TearDown();
    }
    QTableView* Grid() { return Child<QTableView>(list.get(), "bsSkinDBGrid1"); }
    QStringList Codes() { return Column(Grid(), "VisCode"); }
    QString CountText() { return Child<QLabel>(list.get(), "Label3")->text(); }
    void Button(const char* name) { Click(Child<QToolButton>(list.get(), name)); }
    std::unique_ptr<TVisitListForm> list;
};

TEST_F(VisitListTest, ListsOwnVisitsNewestFirstAndSearchesTheCustomerName)
{
    const int a = AddCustomer("A", "O'Brien 公司", me);
    const int b = AddCustomer("B", "百分之50%", me);
    AddVisit(a, "O'Brien 公司", "V1", me, "2026-01-01", "09:00:00", "2026-01-05");
    AddVisit(b, "百分之50%", "V2", me, "2026-01-01", "09:00:00", "2026-02-05");
    AddVisit(a, "O'Brien 公司", "V3", me, "2026-01-01", "09:00:00", "2026-01-20");
    AddVisit(a, "O'Brien 公司", "X", other, "2026-01-01", "09:00:00", "2026-03-01");
    Show();
    EXPECT_EQ(list->objectName(), "VisitListForm");
    EXPECT_EQ(Codes(), (QStringList{"V2", "V3", "V1"}));
    EXPECT_EQ(CountText(), "共:3条记录");
    EXPECT_EQ(Titles(Grid(), 1), (QStringList{"编号", "客户名称", "接待人", "接触方式", "拜访情况", "拜访日期", "拜访时间",
                                              "下次拜访日期", "沟通目标", "沟通内容"}));
    EXPECT_EQ(Items(list.get(), "TypeName"), QStringList{"客户名称"});
    struct Case {
        QString text;
        QStringList expected;
    };
    const Case cases[] = {{"O'Brien", {"V3", "V1"}}, {"0%", {"V2"}}, {"%", {"V2"}}, {"", {"V2", "V3", "V1"}}, {"无", {}}};
    for (const Case& c : cases) {
        Child<QLineEdit>(list.get(), "TypeText")->setText(c.text);
        Button("bsSkinSpeedButton3");
        EXPECT_EQ(Codes(), c.expected) << c.text.toStdString();
        EXPECT_EQ(CountText(), QString("共:%1条记录").arg(c.expected.size()));
    }
}

TEST_F(VisitListTest, DeleteLeavesTheCustomerStampAndEmptyListDoesNothing)
{
    const int cus = AddCustomer("A", "公司", me);
    AddVisit(cus, "公司", "V1", me, "2026-01-01", "09:00:00");
    Sql("update hb_CustomerInfo set VisState='已成交',LastVisDate='2026-01-01' where ID=?", {cus});
    Show();
    Answer({true});
    Button("bsSkinSpeedButton4");
    EXPECT_EQ(questions, QStringList{"提示|是否删除当前记录？"});
    EXPECT_TRUE(Codes().isEmpty());
    EXPECT_EQ(Stamp(cus), "已成交|2026-01-01");
    Button("bsSkinSpeedButton4");
    Button("bsSkinSpeedButton2");
    EXPECT_EQ(questions.size(), 1);
}

TEST_F(VisitListTest, EditFromTheListOpensTheSelectedVisit)
{
    const int cus = AddCustomer("A", "公司", me);
    AddVisit(cus, "公司", "V1", me, "2026-01-01", "09:00:00", "2026-01-01");
    AddVisit(cus, "公司", "V2", me, "2026-01-02", "09:00:00", "2026-01-02");
    Show();
    SelectRow(Grid(), 1);   // V1, the older one
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(dlg->objectName(), "VisitInfoForm");
        EXPECT_EQ(TextOf(dlg, "VisCode"), "V1");
        SetText(dlg, "VisCode", "V1b");
        Click(Child<QPushButton>(dlg, "bsSkinButton1"));
    });
    Button("bsSkinSpeedButton2");
    EXPECT_EQ(Codes(), (QStringList{"V1b", "V2"})) << "reloaded; the edit moved its Date1 to today";
}
}
