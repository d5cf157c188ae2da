// The customer list: own rows only, order, count, search, the editor round trips, the delete guard
// and the overview on double-click.
#include "CustomersFixture.h"

#include "customers/CustomerListUnit.h"
#include "customers/CusPersonListUnit.h"

#include <QLabel>

namespace {
class CustomerListTest : public CustomersTest {
protected:
    void Show()
    {
        list = std::make_unique<TCustomerListForm>();
        list->resize(1000, 600);
        list->show();
    }
    QTableView* Grid() { return Child<QTableView>(list.get(), "bsSkinDBGrid1"); }
    QString CountText() { return Child<QLabel>(list.get(), "SumCount")->text(); }
    QStringList Customers() { return Column(Grid(), "Customer"); }
    void Button(const char* name) { Click(Child<QToolButton>(list.get(), name)); }
    void Find(const QString& type, const QString& text)
    {
        Child<QComboBox>(list.get(), "TypeName")->setCurrentText(type);
        Child<QLineEdit>(list.get(), "TypeText")->setText(text);
        Button("bsSkinSpeedButton3");
    }
    void TearDown() override
    {
        list.reset();
        CustomersTest::TearDown();
    }
    std::unique_ptr<TCustomerListForm> list;
};

TEST_F(CustomerListTest, ShowsOnlyTheUsersOwnCustomersOldestFirst)
{
    // An administrator (whose data scope is every record) still sees only the customers he owns.
    const int boss = AddUser("boss", "老板", "1", 0, 0);
    LoginAs(boss);
    AddCustomer("B", "乙", boss, "2021-06-01");
    AddCustomer("A", "甲", boss, "2019-01-01");
    AddCustomer("X", "别人的", other, "2018-01-01");
    AddCustomer("C", "丙", boss, "2020-02-02");
    Show();
    EXPECT_EQ(list->objectName(), "CustomerListForm");
    EXPECT_EQ(Customers(), (QStringList{"甲", "丙", "乙"}));
    EXPECT_EQ(CountText(), "共：3 条记录 ");
    EXPECT_EQ(Titles(Grid(), 1),
              (QStringList{"客户编号", "客户名称", "客户简称", "主联系人", "职务", "客户类型", "客户来源", "客户关系",
                           "经营模式", "人员规模", "注册资金", "所属行业", "年营业额", "电话", "传真", "手机", "邮箱",
                           "地址", "添加日期"}));
    EXPECT_EQ(Items(list.get(), "TypeName"), (QStringList{"客户名称", "客户简称", "客户编号"}));
    EXPECT_EQ(TextOf(list.get(), "TypeName"), "客户名称");
}

TEST_F(CustomerListTest, FindMatchesTheChosenColumnAsALiteralSubstring)
{
    AddCustomer("K-01", "O'Brien Trading", me, "2026-01-01", "欧布");
    AddCustomer("K-02", "50% Discount", me, "2026-01-02", "五折");
    AddCustomer("K_03", "500 Corp", me, "2026-01-03", "百");
    AddCustomer("K204", "广州O'Brien", other, "2026-01-04", "别人");
    Show();
    struct Case {
        QString type, text;
        QStringList expected;
    };
    const Case cases[] = {
        {"客户名称", "O'Brien", {"O'Brien Trading"}},
        {"客户名称", "50%", {"50% Discount"}},
        {"客户名称", "0", {"50% Discount", "500 Corp"}},
        {"客户名称", "", {"O'Brien Trading", "50% Discount", "500 Corp"}},
        {"客户简称", "折", {"50% Discount"}},
        {"客户编号", "_", {"500 Corp"}},
        {"客户编号", "K-0", {"O'Brien Trading", "50% Discount"}},
        {"客户名称", "不存在", {}},
        {"随便写的", "O'Brien", {"O'Brien Trading", "50% Discount", "500 Corp"}},   // typed type: no condition
    };
    for (const Case& c : cases) {
        Find(c.type, c.text);
        EXPECT_EQ(Customers(), c.expected) << c.type.toStdString() << " " << c.text.toStdString();
        EXPECT_EQ(CountText(), QString("共：%1 条记录 ").arg(c.expected.size()));
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(CustomerListTest, AddAndEditReloadWithTheSearchShowingAgainDropsIt)
{
    AddCustomer("C1", "天河公司", me, "2026-01-01");
    AddCustomer("C2", "越秀公司", me, "2026-01-02");
    Show();
    Find("客户名称", "天河");
    ASSERT_EQ(Customers(), QStringList{"天河公司"});

    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(dlg->objectName(), "CustomerInfoForm");
        SetText(dlg, "CusCode", "C3");
        SetText(dlg, "Customer", "天河新公司");
        Click(Child<QPushButton>(dlg, "btnSave"));
        Click(Child<QPushButton>(dlg, "btnClose"));
    });
    Button("bsSkinSpeedButton1");
    EXPECT_EQ(Customers(), (QStringList{"天河公司", "天河新公司"})) << "reloaded with the search in force";

    SelectRow(Grid(), 1);
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(TextOf(dlg, "CusCode"), "C3") << "the editor edits the selected row";
        SetText(dlg, "Customer", "越秀新公司");
        Click(Child<QPushButton>(dlg, "btnSave"));
    });
    Button("bsSkinSpeedButton2");
    EXPECT_EQ(Customers(), QStringList{"天河公司"});
    EXPECT_EQ(Value("select Customer from hb_CustomerInfo where CusCode='C3'").toString(), "越秀新公司");

    list->hide();
    list->show();
    EXPECT_EQ(Customers(), (QStringList{"天河公司", "越秀公司", "越秀新公司"}));
    EXPECT_EQ(TextOf(list.get(), "TypeText"), "天河") << "the search box keeps its text";
}

TEST_F(CustomerListTest, DeleteIsRefusedWhileContactsExistThenAsked)
{
    const int id = AddCustomer("D1", "有联系人", me);
    AddContact(id, "有联系人", "张联系", me);
    AddVisit(id, "有联系人", "V1", me, "2026-01-01", "09:00:00");
    Show();
    Button("bsSkinSpeedButton4");
    EXPECT_EQ(messages, QStringList{"请先删除联系人，再删除此客户！"});
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Customers(), QStringList{"有联系人"});

    // The contact is deleted on the contact list; then the customer can go.
    {
        TCusPersonListForm contacts;
        contacts.show();
        Answer({true});
        Click(Child<QToolButton>(&contacts, "bsSkinSpeedButton3"));
    }
    ASSERT_EQ(Value("select count(*) from hb_CustomerPerson").toInt(), 0);
    messages.clear();
    questions.clear();
    Answer({false});
    Button("bsSkinSpeedButton4");
    EXPECT_EQ(questions, QStringList{"提示|是否删除当前记录？"});
    EXPECT_EQ(Customers(), QStringList{"有联系人"}) << "否 keeps the customer";
    Answer({true});
    Button("bsSkinSpeedButton4");
    EXPECT_TRUE(Customers().isEmpty());
    EXPECT_EQ(CountText(), "共：0 条记录 ");
    EXPECT_EQ(Value("select count(*) from hb_VisitInfo where CusID=?", {id}).toInt(), 1) << "visits stay";
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CustomerListTest, DeleteRemovesOnlyTheSelectedCustomer)
{
    AddCustomer("D1", "一", me, "2026-01-01");
    AddCustomer("D2", "二", me, "2026-01-02");
    AddCustomer("D3", "三", me, "2026-01-03");
    Show();
    SelectRow(Grid(), 1);
    Answer({true});
    Button("bsSkinSpeedButton4");
    EXPECT_EQ(Customers(), (QStringList{"一", "三"}));
}

TEST_F(CustomerListTest, EmptyListIgnoresEditDeleteAndDoubleClick)
{
    AddCustomer("X", "别人的", other);
    Show();
    ASSERT_EQ(CountText(), "共：0 条记录 ");
    Button("bsSkinSpeedButton2");
    Button("bsSkinSpeedButton4");
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    // The fixture fails the test on any modal dialog or question that was not expected.
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Value("select count(*) from hb_CustomerInfo").toInt(), 1);
}

TEST_F(CustomerListTest, DoubleClickOpensTheOverviewOfThatCustomer)
{
    AddCustomer("O1", "第一家", me, "2026-01-01");
    AddCustomer("O2", "第二家", me, "2026-01-02");
    Show();
    QString shown;
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(dlg->objectName(), "SeeCustomerForm");
        shown = TextOf(dlg, "Customer");
    });
    DoubleClickRow(Grid(), 1);
    EXPECT_EQ(shown, "第二家");
}

TEST_F(CustomerListTest, CloseHidesTheScreen)
{
    Show();
    Button("bsSkinSpeedButton5");
    EXPECT_FALSE(list->isVisible());
}
}
