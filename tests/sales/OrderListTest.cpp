// The order list: own orders newest first, search, opening the editor, the delete guard.
#include "SalesFixture.h"

#include "sales/OrderListUnit.h"
#include "sales/OrderUnit.h"

#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

namespace {
class OrderListTest : public SalesTest {
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        other = AddUser("li", "李四", "pw", 1, 1);
        huaxin = AddCustomer("广州华信科技", "C-1");
        dongfang = AddCustomer("东方电子", "C-2");
    }
    void Show()
    {
        form = std::make_unique<TOrderListForm>();
        form->resize(1000, 600);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        form.reset();
        SalesTest::TearDown();
    }
    QTableView* Grid() { return Child<QTableView>(form.get(), "bsSkinDBGrid1"); }
    QStringList Listed()
    {
        QStringList ids;
        for (int row = 0; row < Grid()->model()->rowCount(); ++row)
            ids << Grid()->model()->index(row, 1).data().toString();
        return ids;
    }
    QString Counted() { return Child<QLabel>(form.get(), "Label3")->text(); }
    void Press(const char* name) { Click(Child<QToolButton>(form.get(), name)); }
    void SelectOrder(const QString& orderId) { Grid()->selectRow(Listed().indexOf(orderId)); }

    std::unique_ptr<TOrderListForm> form;
    int other = 0;
    int huaxin = 0;
    int dongfang = 0;
};

TEST_F(OrderListTest, ListsOnlyTheUsersOwnOrdersNewestFirstWhateverTheRoleMaySee)
{
    AddOrder("SO-1", huaxin, "广州华信科技", 100, 0, 1, "2024-05-01 10:00:00");
    AddOrder("SO-2", dongfang, "东方电子", 200, 0, 1, "2024-05-03 08:00:00");
    AddOrder("SO-3", huaxin, "广州华信科技", 300, 0, other, "2024-05-04 08:00:00");
    AddOrder("SO-4", huaxin, "广州华信科技", 400, 0, 1, "2024-05-02 23:59:59");
    Show();   // the administrator's role sees everything elsewhere, here only his own orders
    EXPECT_EQ(Listed(), (QStringList{"SO-2", "SO-4", "SO-1"}));
    EXPECT_EQ(Counted(), "共:3条记录");
    QStringList titles;
    for (int col = 1; col < Grid()->model()->columnCount(); ++col)
        titles << Grid()->model()->headerData(col, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{"订单编号", "客户名称", "订单来源", "支付方式", "订单状态", "促成日期", "总金额", "已付金额"}));

    LoginAs(other);
    form->hide();
    form->show();
    EXPECT_EQ(Listed(), QStringList{"SO-3"});
}

TEST_F(OrderListTest, SearchMatchesAPartOfTheCustomerNameLiterallyAndEmptyTextListsAllAgain)
{
    AddOrder("SO-1", huaxin, "广州华信科技", 100, 0);
    AddOrder("SO-2", dongfang, "东方电子", 200, 0);
    AddOrder("SO-3", huaxin, "华信_100%分公司", 300, 0);
    AddOrder("SO-4", huaxin, "广州华信科技", 300, 0, other);
    Show();
    struct Case {
        const char* text;
        QStringList found;
    };
    const Case cases[] = {{"华信", {"SO-1", "SO-3"}}, {"_100%", {"SO-3"}}, {"%", {"SO-3"}}, {"'", {}}, {"", {"SO-1", "SO-2", "SO-3"}}};
    for (const Case& c : cases) {
        Child<QLineEdit>(form.get(), "TypeText")->setText(c.text);
        Press("bsSkinSpeedButton3");
        QStringList listed = Listed();
        listed.sort();
        EXPECT_EQ(listed, c.found) << c.text;
        EXPECT_EQ(Counted(), QStringLiteral("共:%1条记录").arg(c.found.size())) << c.text;
    }
}

TEST_F(OrderListTest, DeleteRemovesHeaderAndLinesOfAnOrderWithoutPayments)
{
    AddOrder("SO-1", huaxin, "广州华信科技", 100, 0);
    AddOrder("SO-2", dongfang, "东方电子", 200, 0);
    AddLine("SO-1", "扫描仪", 50, 1);
    AddLine("SO-1", "打印纸", 50, 1);
    AddLine("SO-2", "打印纸", 200, 1);
    Show();
    SelectOrder("SO-1");
    Answer({false});
    Press("bsSkinSpeedButton4");
    EXPECT_EQ(Count("hb_OrderDetail"), 3);

    SelectOrder("SO-1");
    Answer({true});
    Press("bsSkinSpeedButton4");
    EXPECT_EQ(questions.last(), "提示|是否删除当前记录？");
    EXPECT_EQ(messages, QStringList{"记录已删除！"});
    EXPECT_EQ(Value("select group_concat(OrderID) from hb_OrderInfo").toString(), "SO-2");
    EXPECT_EQ(Value("select count(*) from hb_OrderDetail where OrderID='SO-1'").toInt(), 0);
    EXPECT_EQ(Count("hb_OrderDetail"), 1);
    EXPECT_EQ(Listed(), QStringList{"SO-2"});

    // An order without lines is deleted too, and reported so.
    AddOrder("SO-3", huaxin, "广州华信科技", 100, 0, 1, "2030-01-01 00:00:00");
    form->RefreshList();
    SelectOrder("SO-3");
    Answer({true});
    Press("bsSkinSpeedButton4");
    EXPECT_EQ(LastMessage(), "记录已删除！");
    EXPECT_EQ(Listed(), QStringList{"SO-2"});
}

TEST_F(OrderListTest, AnOrderThatEverReceivedAPaymentCannotBeDeleted)
{
    AddOrder("SO-1", huaxin, "广州华信科技", 100, 50);
    AddOrder("SO-2", huaxin, "广州华信科技", 100, 0, 1, "2024-05-02 00:00:00");
    AddLine("SO-1", "扫描仪", 100, 1);
    AddDue("D-1", "SO-1", huaxin, "广州华信科技", 50, "系统管理员");
    AddDue("D-2", "SO-2", huaxin, "广州华信科技", 30, "系统管理员", 1);   // reversed since
    AddDue("D-2", "SO-2", huaxin, "广州华信科技", -30, "系统管理员", -1);
    Show();
    for (const char* order : {"SO-1", "SO-2"}) {
        SelectOrder(order);
        Answer({true});
        Press("bsSkinSpeedButton4");
        EXPECT_EQ(LastMessage(), "此订单已回款，无法删除！") << order;
    }
    EXPECT_EQ(Count("hb_OrderInfo"), 2);
    EXPECT_EQ(Count("hb_OrderDetail"), 1);
}

TEST_F(OrderListTest, AFailingDeleteKeepsTheWholeOrder)
{
    AddOrder("SO-1", huaxin, "广州华信科技", 100, 0);
    AddLine("SO-1", "扫描仪", 100, 1);
    FailOn("delete", "hb_OrderDetail");
    Show();
    Answer({true});
    Press("bsSkinSpeedButton4");
    EXPECT_EQ(messages, QStringList{"无法删除记录！"});
    EXPECT_EQ(Count("hb_OrderInfo"), 1);
    EXPECT_EQ(Count("hb_OrderDetail"), 1);
}

TEST_F(OrderListTest, AnEmptyListAsksNothingAndOpensNothing)
{
    AddOrder("SO-9", huaxin, "广州华信科技", 100, 0, other);
    Show();
    ASSERT_EQ(Counted(), "共:0条记录");
    Press("bsSkinSpeedButton4");
    DoubleClickRow(Grid(), 0);   // an unexpected question or dialog would fail the test
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Count("hb_OrderInfo"), 1);
}

TEST_F(OrderListTest, NewOrderShowsOnTopAfterTheEditorClosesAndDoubleClickShowsTheSelectedOrder)
{
    AddOrder("SO-1", huaxin, "广州华信科技", 100, 0);
    AddOrder("SO-2", dongfang, "东方电子", 200, 0, 1, "2024-05-02 00:00:00");
    Show();
    OnModal([&](QDialog* dialog) {
        auto* editor = qobject_cast<TOrderForm*>(dialog);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->EditMode, "add");
        PickCustomer("东方");
        Click(Child<QToolButton>(editor, "bsSkinSpeedButton1"));
        Child<QLineEdit>(editor, "OrderID")->setText("SO-NEW");
        editor->SetCellText(1, TOrderForm::ColProduct, "服务");
        editor->SetCellText(1, TOrderForm::ColPrice, "8");
        editor->SetCellText(1, TOrderForm::ColQty, "2");
        auto* lines = Child<QTableWidget>(editor, "OrderInfo");
        lines->setCurrentCell(1, TOrderForm::ColQty);
        lines->setCurrentCell(1, TOrderForm::ColUnits);
        Click(Child<QPushButton>(editor, "btnSave"));
        EXPECT_EQ(LastMessage(), "记录添加成功！");
    });
    Press("bsSkinSpeedButton1");
    EXPECT_EQ(Listed(), (QStringList{"SO-NEW", "SO-2", "SO-1"}));
    EXPECT_EQ(Counted(), "共:3条记录");

    QString shown;
    QString mode;
    OnModal([&](QDialog* dialog) {
        auto* editor = qobject_cast<TOrderForm*>(dialog);
        ASSERT_NE(editor, nullptr);
        mode = editor->EditMode;
        shown = Child<QLineEdit>(editor, "OrderID")->text();
    });
    DoubleClickRow(Grid(), 1);
    EXPECT_EQ(mode, "see");
    EXPECT_EQ(shown, "SO-2");
}
}
