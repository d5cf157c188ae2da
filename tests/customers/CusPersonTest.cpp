// Contacts: the editor's starting values, choosing the customer through the picker, add-and-stay,
// the birthday left empty, editing, and the contact list.
#include "CustomersFixture.h"

#include "customers/CusPersonListUnit.h"
#include "customers/CusPersonUnit.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>

namespace {
class CusPersonTest : public CustomersTest {
protected:
    int OpenEditor(const QString& mode, int recordId, std::function<void(QDialog*)> handler)
    {
        OnModal(std::move(handler));
        TCusPersonForm dlg;
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
};

TEST_F(CusPersonTest, EditorStartsWithTheChoiceDefaultsAndNoBirthday)
{
    OpenEditor("add", 0, [&](QDialog* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "联系人信息");
        EXPECT_EQ(Items(dlg, "Sex"), (QStringList{"男", "女"}));
        EXPECT_EQ(Items(dlg, "XQ"), (QStringList{"个人需求", "企业需求"}));
        EXPECT_EQ(Items(dlg, "Likes"), (QStringList{"是", "否", "很少学习"}));
        EXPECT_EQ(Items(dlg, "TD"), (QStringList{"认同", "不认同", "未表态"}));
        EXPECT_EQ(TextOf(dlg, "Sex"), "男");
        EXPECT_EQ(TextOf(dlg, "XQ"), "企业需求");
        EXPECT_EQ(TextOf(dlg, "Likes"), "是");
        EXPECT_EQ(TextOf(dlg, "TD"), "认同");
        EXPECT_TRUE(Child<QDateEdit>(dlg, "Birthday")->text().trimmed().isEmpty()) << "no date shown";
        EXPECT_TRUE(Child<QLineEdit>(dlg, "CusName")->isReadOnly());
    });
}

TEST_F(CusPersonTest, BirthdayCalendarOpensOnTodayWhileNoDateIsChosen)
{
    OpenEditor("add", 0, [&](QDialog* dlg) {
        auto* birthday = Child<QDateEdit>(dlg, "Birthday");
        // A click on the picker's arrow opens its calendar.
        QTest::mouseClick(birthday, Qt::LeftButton, {}, QPoint(birthday->width() - 6, birthday->height() / 2));
        QCalendarWidget* calendar = birthday->calendarWidget();
        EXPECT_TRUE(calendar->isVisible());
        EXPECT_EQ(calendar->yearShown(), 2026);
        EXPECT_EQ(calendar->monthShown(), 3);
        QTest::keyClick(calendar, Qt::Key_Escape);
        EXPECT_TRUE(birthday->text().trimmed().isEmpty()) << "opening the calendar chooses nothing";
    });
}

TEST_F(CusPersonTest, MandatoryNameAndCustomer)
{
    AddCustomer("C1", "某公司", me);
    OpenEditor("add", 0, [&](QDialog* dlg) {
        Save(dlg);
        SetText(dlg, "PersonName", "王");
        Save(dlg);   // no customer chosen
    });
    EXPECT_EQ(messages, (QStringList{"联系人不能为空！", "客户名称不能为空！"}));
    EXPECT_EQ(Count("select count(*) from hb_CustomerPerson"), 0);
}

TEST_F(CusPersonTest, TwoContactsInOneDialogBelongToTheChosenCustomer)
{
    // The customer belongs to another user; the picker finds it by a text of its code only.
    const int cus = AddCustomer("GZ-778", "广州远方实业有限公司", other, "2026-01-01", "远方");
    AddCustomer("SZ-001", "深圳公司", other);
    OpenEditor("add", 0, [&](QDialog* dlg) {
        ChooseCustomer(dlg, "778");
        EXPECT_EQ(TextOf(dlg, "CusName"), "广州远方实业有限公司") << "the full name, not the short name";
        SetText(dlg, "PersonName", "O'Neil");
        SetText(dlg, "CusDept", "采购部");
        SetText(dlg, "Sex", "女");
        SetText(dlg, "TD", "未表态");
        SetText(dlg, "ZW", "经理");
        SetText(dlg, "MovePhone", "139");
        SetText(dlg, "StuentMemo", "销售课");
        SetText(dlg, "Memo1", "备注");
        SetText(dlg, "QQ", "123");
        Save(dlg);
        EXPECT_EQ(LastMessage(), "记录保存成功！");
        EXPECT_TRUE(dlg->isVisible());
        // ClearRecord empties the per-contact inputs and keeps the customer, department and choices.
        for (const char* cleared : {"PersonName", "ZW", "MovePhone", "QQ", "StuentMemo", "Memo1"})
            EXPECT_EQ(TextOf(dlg, cleared), "") << cleared;
        EXPECT_EQ(TextOf(dlg, "CusName"), "广州远方实业有限公司");
        EXPECT_EQ(TextOf(dlg, "CusDept"), "采购部");
        EXPECT_EQ(TextOf(dlg, "Sex"), "女");
        EXPECT_EQ(TextOf(dlg, "TD"), "未表态");
        SetText(dlg, "PersonName", "第二人");
        Save(dlg);
    });
    EXPECT_EQ(messages, (QStringList{"记录保存成功！", "记录保存成功！"}));
    QSqlQuery q = Sql("select * from hb_CustomerPerson order by ID");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("PersonName").toString(), "O'Neil");
    EXPECT_EQ(q.value("CusID").toInt(), cus);
    EXPECT_EQ(q.value("CusName").toString(), "广州远方实业有限公司");
    EXPECT_EQ(q.value("Sex").toString(), "女");
    EXPECT_EQ(q.value("XQ").toString(), "企业需求");
    EXPECT_EQ(q.value("Likes").toString(), "是");
    EXPECT_EQ(q.value("StudentMemo").toString(), "销售课");
    EXPECT_EQ(q.value("Memo1").toString(), "备注");
    EXPECT_TRUE(q.value("Birthday").isNull()) << "no birthday chosen stores Null";
    EXPECT_EQ(q.value("UserID").toInt(), me);
    EXPECT_EQ(q.value("UserName").toString(), "张三");
    EXPECT_EQ(q.value("DeptName").toString(), "销售部");
    EXPECT_EQ(q.value("Date1").toString(), "2026-03-15");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("PersonName").toString(), "第二人");
    EXPECT_EQ(q.value("CusID").toInt(), cus);
    EXPECT_EQ(q.value("CusDept").toString(), "采购部");
    EXPECT_TRUE(q.value("ZW").toString().isEmpty());
}

TEST_F(CusPersonTest, ChosenBirthdayIsStoredAndLoadedBack)
{
    AddCustomer("C1", "某公司", me);
    OpenEditor("add", 0, [&](QDialog* dlg) {
        ChooseCustomer(dlg, "某公司");
        SetText(dlg, "PersonName", "有生日");
        Child<QDateEdit>(dlg, "Birthday")->setDate(QDate(1980, 7, 9));
        Save(dlg);
    });
    const int id = Value("select ID from hb_CustomerPerson where PersonName='有生日'").toInt();
    EXPECT_EQ(Value("select Birthday from hb_CustomerPerson where ID=?", {id}).toString(), "1980-07-09");
    OpenEditor("edit", id, [&](QDialog* dlg) {
        EXPECT_EQ(Child<QDateEdit>(dlg, "Birthday")->date(), QDate(1980, 7, 9));
        Click(Child<QPushButton>(dlg, "bsSkinButton2"));
    });
}

TEST_F(CusPersonTest, EditLoadsTheRowAndCanMoveItToAnotherCustomer)
{
    const int first = AddCustomer("C1", "原客户", me);
    const int second = AddCustomer("C2", "新客户", me);
    const int id = AddContact(first, "原客户", "李联系", other, "2020-01-01");
    Sql("update hb_CustomerPerson set Sex='女',TD='不认同',StudentMemo='课一',Phone='020' where ID=?", {id});
    const int result = OpenEditor("edit", id, [&](QDialog* dlg) {
        EXPECT_EQ(TextOf(dlg, "PersonName"), "李联系");
        EXPECT_EQ(TextOf(dlg, "CusName"), "原客户");
        EXPECT_EQ(TextOf(dlg, "Sex"), "女");
        EXPECT_EQ(TextOf(dlg, "TD"), "不认同");
        EXPECT_EQ(TextOf(dlg, "StuentMemo"), "课一");
        EXPECT_TRUE(Child<QDateEdit>(dlg, "Birthday")->text().trimmed().isEmpty());
        ChooseCustomer(dlg, "新客户");
        SetText(dlg, "Phone", "021");
        Save(dlg);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages, QStringList{"记录修改成功！"});
    QSqlQuery q = Sql("select * from hb_CustomerPerson where ID=?", {id});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("CusID").toInt(), second);
    EXPECT_EQ(q.value("CusName").toString(), "新客户");
    EXPECT_EQ(q.value("Phone").toString(), "021");
    EXPECT_EQ(q.value("StudentMemo").toString(), "课一");
    EXPECT_TRUE(q.value("Birthday").isNull());
    EXPECT_EQ(q.value("UserID").toInt(), me);
    EXPECT_EQ(q.value("Date1").toString(), "2026-03-15");
    EXPECT_EQ(Count("select count(*) from hb_CustomerPerson"), 1);
}

class CusPersonListTest : public CustomersTest {
protected:
    void Show()
    {
        list = std::make_unique<TCusPersonListForm>();
        list->resize(900, 500);
        list->show();
    }
    void TearDown() override
    {
        list.reset();
        CustomersTest::TearDown();
    }
    QTableView* Grid() { return Child<QTableView>(list.get(), "bsSkinDBGrid1"); }
    QStringList People() { return Column(Grid(), "PersonName"); }
    QString CountText() { return Child<QLabel>(list.get(), "SumCount")->text(); }
    void Button(const char* name) { Click(Child<QToolButton>(list.get(), name)); }
    void Find(const QString& type, const QString& text)
    {
        Child<QComboBox>(list.get(), "TypeName")->setCurrentText(type);
        Child<QLineEdit>(list.get(), "TypeText")->setText(text);
        Button("bsSkinSpeedButton2");
    }
    std::unique_ptr<TCusPersonListForm> list;
};

TEST_F(CusPersonListTest, ListsOwnContactsAndSearchesByCustomerOrName)
{
    const int c = AddCustomer("C1", "O'Brien 50%", me);
    AddContact(c, "O'Brien 50%", "王五", me, "2026-02-01");
    AddContact(c, "O'Brien 50%", "赵六", me, "2026-01-01");
    AddContact(c, "另一家", "钱_七", me, "2026-03-01");
    AddContact(c, "O'Brien 50%", "别人的", other, "2026-01-01");
    Show();
    EXPECT_EQ(list->objectName(), "CusPersonListForm");
    EXPECT_EQ(People(), (QStringList{"赵六", "王五", "钱_七"}));
    EXPECT_EQ(CountText(), "共:3条记录 ");
    EXPECT_EQ(Titles(Grid(), 1), (QStringList{"客户名称", "联系人", "出生日期", "所属部门", "性别", "联系电话", "手机",
                                              "电子邮箱", "地址"}));
    struct Case {
        QString type, text;
        QStringList expected;
    };
    const Case cases[] = {
        {"客户名称", "O'Brien", {"赵六", "王五"}},
        {"客户名称", "50%", {"赵六", "王五"}},
        {"客户名称", "0%", {"赵六", "王五"}},
        {"联系人", "_", {"钱_七"}},
        {"联系人", "王", {"王五"}},
        {"联系人", "%", {}},
        {"其他", "王", {"赵六", "王五", "钱_七"}},
    };
    for (const Case& k : cases) {
        Find(k.type, k.text);
        EXPECT_EQ(People(), k.expected) << k.type.toStdString() << " " << k.text.toStdString();
        EXPECT_EQ(CountText(), QString("共:%1条记录 ").arg(k.expected.size()));
    }
}

TEST_F(CusPersonListTest, DeleteAsksAndEmptyListDoesNothing)
{
    const int c = AddCustomer("C1", "某公司", me);
    AddContact(c, "某公司", "甲", me, "2026-01-01");
    AddContact(c, "某公司", "乙", me, "2026-01-02");
    Show();
    SelectRow(Grid(), 1);
    Answer({false, true});
    Button("bsSkinSpeedButton3");
    EXPECT_EQ(People(), (QStringList{"甲", "乙"}));
    SelectRow(Grid(), 1);
    Button("bsSkinSpeedButton3");
    EXPECT_EQ(People(), QStringList{"甲"});
    EXPECT_EQ(questions, (QStringList{"提示|是否删除当前记录？", "提示|是否删除当前记录？"}));
    EXPECT_EQ(Count("select count(*) from hb_CustomerInfo"), 1) << "nothing else is deleted";

    Find("联系人", "没有这个人");
    questions.clear();
    Button("bsSkinSpeedButton3");   // 删除
    Button("bsSkinSpeedButton5");   // 修改
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Count("select count(*) from hb_CustomerPerson"), 1);
}

TEST_F(CusPersonListTest, AddAndEditFromTheListReload)
{
    const int c = AddCustomer("C1", "某公司", me);
    AddContact(c, "某公司", "甲", me, "2026-01-01");
    Show();
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(dlg->objectName(), "CusPersonForm");
        PickCustomer("C1");
        Click(Child<QToolButton>(dlg, "bsSkinSpeedButton1"));
        SetText(dlg, "PersonName", "新人");
        Click(Child<QPushButton>(dlg, "bsSkinButton1"));
        Click(Child<QPushButton>(dlg, "bsSkinButton2"));
    });
    Button("bsSkinSpeedButton1");
    EXPECT_EQ(People(), (QStringList{"甲", "新人"}));

    SelectRow(Grid(), 0);
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(TextOf(dlg, "PersonName"), "甲");
        SetText(dlg, "PersonName", "甲改");
        Click(Child<QPushButton>(dlg, "bsSkinButton1"));
    });
    Button("bsSkinSpeedButton5");
    EXPECT_EQ(People(), (QStringList{"甲改", "新人"}));
    EXPECT_EQ(Value("select Date1 from hb_CustomerPerson where PersonName='甲改'").toString(), "2026-03-15");
}
}
