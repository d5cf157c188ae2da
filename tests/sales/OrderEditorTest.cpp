// The order editor: product lines, amounts and total, the checks, storing an order whole, see mode.
#include "SalesFixture.h"

#include "sales/OrderUnit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QTableWidget>
#include <QToolButton>

namespace {
class OrderEditorTest : public SalesTest {
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        cusId = AddCustomer("广州天河华信科技有限公司", "C-001");
        AddProduct("P-1", "扫描仪", "银", "S-200", 12.5);
        AddProduct("P-2", "打印纸", "白", "A4", 10);
    }

    // Runs body on a fresh editor shown in mode; returns what the dialog ended with.
    int WithEditor(const std::function<void(TOrderForm*)>& body, const QString& mode = QStringLiteral("add"),
                   int recordId = 0)
    {
        OnModal([&](QDialog* dialog) {
            auto* form = qobject_cast<TOrderForm*>(dialog);
            ASSERT_NE(form, nullptr);
            body(form);
        });
        TOrderForm form;
        form.EditMode = mode;
        form.RecordID = recordId;
        return form.Open();
    }

    void PickTheCustomer(TOrderForm* form)
    {
        PickCustomer("华信");
        Click(Child<QToolButton>(form, "bsSkinSpeedButton1"));
    }

    static QString Text(TOrderForm* form, const char* name) { return Child<QLineEdit>(form, name)->text(); }

    int cusId = 0;
};

TEST_F(OrderEditorTest, ShowingPreparesAnEmptyOrderWithNumberedLinesForToday)
{
    WithEditor([&](TOrderForm* form) {
        EXPECT_EQ(form->windowTitle(), "订单信息");
        QTableWidget* grid = Lines(form);
        ASSERT_EQ(grid->rowCount(), 11);
        ASSERT_EQ(grid->columnCount(), 10);
        for (int row = 1; row <= 10; ++row) {
            EXPECT_EQ(form->CellText(row, 0), QString::number(row));
            EXPECT_FALSE(grid->item(row, 0)->flags() & Qt::ItemIsEditable);
        }
        EXPECT_EQ(form->CellText(0, 1), "产品名称");
        EXPECT_EQ(form->CellText(0, 8), "提醒日期");
        EXPECT_EQ(Text(form, "OrderID"), "");
        EXPECT_EQ(Text(form, "htMoney"), "");
        EXPECT_EQ(Text(form, "yfMoney"), "0");
        EXPECT_EQ(Child<QDateEdit>(form, "TumoverDate")->date(), QDate(2024, 5, 20));
        auto* source = Child<QComboBox>(form, "OrderType");
        EXPECT_EQ(source->currentText(), "");
        EXPECT_EQ(source->itemText(0), "----");
        EXPECT_EQ(source->count(), 6);
        EXPECT_EQ(Child<QComboBox>(form, "PayType")->itemText(1), "现金");
        EXPECT_EQ(Child<QComboBox>(form, "OrderState")->itemText(1), "未发货");
        EXPECT_FALSE(Child<QPushButton>(form, "btnSave")->isHidden());
    });
}

TEST_F(OrderEditorTest, ChoosingAProductFillsTheLineAndLeavingPriceOrQuantityComputesAmountAndTotal)
{
    WithEditor([&](TOrderForm* form) {
        AddProduct("P-3", "新到货", "黑", "N-1", 3);   // added while the editor is open
        ChooseProduct(form, 1, "新到货");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColColors), "黑");

        ChooseProduct(form, 1, "扫描仪");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColProduct), "扫描仪");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColColors), "银");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColModel), "S-200");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColPrice), "12.5");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColQty), "");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColAmount), "");
        EXPECT_EQ(Text(form, "htMoney"), "");

        TypeCell(form, 1, TOrderForm::ColQty, "3");
        EXPECT_EQ(form->CellText(1, TOrderForm::ColAmount), "37.5");
        EXPECT_EQ(Text(form, "htMoney"), "37.5");

        EnterLine(form, 2, "打印纸", "2");
        EXPECT_EQ(form->CellText(2, TOrderForm::ColAmount), "20");
        EXPECT_EQ(Text(form, "htMoney"), "57.5");

        // A changed price counts when its cell is left.
        TypeCell(form, 2, TOrderForm::ColPrice, "0.1");
        EXPECT_EQ(form->CellText(2, TOrderForm::ColAmount), "0.2");
        EXPECT_EQ(Text(form, "htMoney"), "37.7");

        // An amount typed by hand waits for the next price or quantity cell to be left.
        TypeCell(form, 2, TOrderForm::ColAmount, "100");
        EXPECT_EQ(Text(form, "htMoney"), "37.7");
        // Tab has opened the reminder's date editor; passing on chooses no date.
        auto* dateEditor = qobject_cast<QDateEdit*>(OpenEditor(form, 2, TOrderForm::ColWarnDate));
        ASSERT_NE(dateEditor, nullptr);
        QTest::keyClick(dateEditor, Qt::Key_Tab);
        EXPECT_EQ(form->CellText(2, TOrderForm::ColWarnDate), "");
        TypeCell(form, 1, TOrderForm::ColQty, "2");
        EXPECT_EQ(Text(form, "htMoney"), "125");

        // Delete takes a chosen product back.
        Lines(form)->setCurrentCell(1, TOrderForm::ColProduct);
        QTest::keyClick(Lines(form), Qt::Key_Delete);
        EXPECT_EQ(form->CellText(1, TOrderForm::ColProduct), "");
        EXPECT_TRUE(messages.isEmpty());
    });
}

TEST_F(OrderEditorTest, ACellThatIsNotANumberIsNamedAndLeavesAmountAndTotalAsTheyWere)
{
    WithEditor([&](TOrderForm* form) {
        EnterLine(form, 1, "打印纸", "2");
        ASSERT_EQ(Text(form, "htMoney"), "20");
        TypeCell(form, 1, TOrderForm::ColQty, "2x");
        EXPECT_EQ(messages, QStringList{"第1行的产品数量不是有效的数字！"});
        EXPECT_EQ(form->CellText(1, TOrderForm::ColAmount), "20");
        EXPECT_EQ(Text(form, "htMoney"), "20");

        TypeCell(form, 1, TOrderForm::ColQty, "1");
        TypeCell(form, 4, TOrderForm::ColAmount, "x");
        messages.clear();
        TypeCell(form, 1, TOrderForm::ColPrice, "5");
        EXPECT_EQ(messages, QStringList{"第4行的合计金额不是有效的数字！"});
        EXPECT_EQ(form->CellText(1, TOrderForm::ColAmount), "5");
        EXPECT_EQ(Text(form, "htMoney"), "10") << "the total keeps its last good value";
        EXPECT_TRUE(errors.isEmpty());
    });
}

TEST_F(OrderEditorTest, SavingStoresHeaderAndFilledLinesInRowOrderThenClearsAllButTheCustomer)
{
    WithEditor([&](TOrderForm* form) {
        PickTheCustomer(form);
        EXPECT_EQ(Text(form, "CusName"), "广州天河华信科技有限公司");
        EXPECT_EQ(form->CusId, QString::number(cusId));
        Child<QLineEdit>(form, "OrderID")->setText("SO-2024-001");
        Child<QComboBox>(form, "OrderType")->setCurrentText("网站");
        Child<QComboBox>(form, "PayType")->setCurrentIndex(0);   // "----" is stored as chosen
        Child<QDateEdit>(form, "TumoverDate")->setDate(QDate(2024, 5, 18));
        EnterLine(form, 2, "扫描仪", "3");
        EnterLine(form, 5, "打印纸", "4");
        ChooseWarnDate(form, 5, QDate(2024, 6, 1));
        TypeCell(form, 5, TOrderForm::ColMemo, "加急");
        ASSERT_EQ(Text(form, "htMoney"), "77.5");

        Click(Child<QPushButton>(form, "btnSave"));
        EXPECT_EQ(messages, QStringList{"记录添加成功！"});

        QSqlQuery h = Sql("select OrderID,CusId,CusName,OrderType,PayType,OrderState,TumoverDate,htMoney,yfMoney,"
                          "MoneyState,UserID,UserName,DeptID,DeptName,Date1 from hb_OrderInfo");
        ASSERT_TRUE(h.next());
        EXPECT_EQ(h.value(0).toString(), "SO-2024-001");
        EXPECT_EQ(h.value(1).toInt(), cusId);
        EXPECT_EQ(h.value(2).toString(), "广州天河华信科技有限公司");
        EXPECT_EQ(h.value(3).toString(), "网站");
        EXPECT_EQ(h.value(4).toString(), "----");
        EXPECT_EQ(h.value(5).toString(), "");
        EXPECT_EQ(h.value(6).toString(), "2024-05-18");
        EXPECT_EQ(h.value(7).toDouble(), 77.5);
        EXPECT_EQ(h.value(8).toDouble(), 0.0);
        EXPECT_EQ(h.value(9).toInt(), 0);
        EXPECT_EQ(h.value(10).toInt(), 1);
        EXPECT_EQ(h.value(11).toString(), "系统管理员");
        EXPECT_EQ(h.value(12).toInt(), 0);
        EXPECT_EQ(h.value(13).toString(), "总公司");
        EXPECT_EQ(h.value(14).toString(), "2024-05-20 09:30:00");
        EXPECT_FALSE(h.next());

        QSqlQuery l = Sql("select OrderID,ProductName,Colors,cpxh,Price,Qty,Units,SumMoney,WarnDate,Memo1 "
                          "from hb_OrderDetail order by ID");
        ASSERT_TRUE(l.next());
        EXPECT_EQ(l.value(1).toString(), "扫描仪");
        EXPECT_EQ(l.value(7).toDouble(), 37.5);
        EXPECT_TRUE(l.value(8).isNull());
        ASSERT_TRUE(l.next());
        EXPECT_EQ(l.value(0).toString(), "SO-2024-001");
        EXPECT_EQ(l.value(1).toString(), "打印纸");
        EXPECT_EQ(l.value(2).toString(), "白");
        EXPECT_EQ(l.value(3).toString(), "A4");
        EXPECT_EQ(l.value(4).toDouble(), 10.0);
        EXPECT_EQ(l.value(5).toDouble(), 4.0);
        EXPECT_EQ(l.value(7).toDouble(), 40.0);
        EXPECT_EQ(l.value(8).toString(), "2024-06-01");
        EXPECT_EQ(l.value(9).toString(), "加急");
        EXPECT_FALSE(l.next());

        EXPECT_EQ(Text(form, "OrderID"), "");
        EXPECT_EQ(Text(form, "htMoney"), "0");
        EXPECT_EQ(Text(form, "CusName"), "广州天河华信科技有限公司");
        EXPECT_EQ(Child<QComboBox>(form, "OrderType")->currentText(), "网站");
        for (int row = 1; row <= 10; ++row)
            for (int col = 1; col < 10; ++col)
                EXPECT_EQ(form->CellText(row, col), "") << row << "," << col;
        EXPECT_TRUE(form->isVisible()) << "the dialog stays open for the next order";

        // The next order of the same customer goes in at once.
        Child<QLineEdit>(form, "OrderID")->setText("SO-2024-002");
        EnterLine(form, 1, "打印纸", "1");
        Click(Child<QPushButton>(form, "btnSave"));
        EXPECT_EQ(LastMessage(), "记录添加成功！");
        EXPECT_EQ(Value("select CusId from hb_OrderInfo where OrderID='SO-2024-002'").toInt(), cusId);
        EXPECT_EQ(Count("hb_OrderDetail"), 3);
    });
}

TEST_F(OrderEditorTest, ChecksComeInOrderAndWriteNothing)
{
    AddOrder("SO-DUP", cusId, "广州天河华信科技有限公司", 50, 0);
    WithEditor([&](TOrderForm* form) {
        auto save = [&] {
            messages.clear();
            Click(Child<QPushButton>(form, "btnSave"));
            return messages.join("|");
        };
        EXPECT_EQ(save(), "订单编号不能为空！");
        Child<QLineEdit>(form, "OrderID")->setText("SO-NEW");
        EXPECT_EQ(save(), "客户名称不能为空！");
        PickTheCustomer(form);
        EXPECT_EQ(save(), "总金额不能为空或0") << "an empty total";
        ChooseProduct(form, 1, "打印纸");
        TypeCell(form, 1, TOrderForm::ColPrice, "0");
        TypeCell(form, 1, TOrderForm::ColQty, "5");
        ASSERT_EQ(Text(form, "htMoney"), "0");
        EXPECT_EQ(save(), "总金额不能为空或0") << "a total of 0, although a line exists";
        TypeCell(form, 1, TOrderForm::ColPrice, "2");
        Child<QLineEdit>(form, "OrderID")->setText("SO-DUP");
        EXPECT_EQ(save(), "此编号已存在！");
    });
    EXPECT_EQ(Count("hb_OrderInfo"), 1);
    EXPECT_EQ(Count("hb_OrderDetail"), 0);
}

TEST_F(OrderEditorTest, ALineThatCannotBeStoredIsNamedAndNothingIsWritten)
{
    struct Case {
        int row;
        int col;
        const char* text;
    };
    const Case cases[] = {{3, TOrderForm::ColQty, ""}, {3, TOrderForm::ColAmount, "abc"}, {3, TOrderForm::ColPrice, ""}};
    for (const Case& c : cases) {
        messages.clear();
        WithEditor([&](TOrderForm* form) {
            PickTheCustomer(form);
            Child<QLineEdit>(form, "OrderID")->setText("SO-1");
            EnterLine(form, 1, "扫描仪", "2");
            EnterLine(form, 3, "打印纸", "1");
            form->SetCellText(c.row, c.col, c.text);
            Click(Child<QPushButton>(form, "btnSave"));
            EXPECT_EQ(messages, QStringList{"第3行的产品单价、产品数量或合计金额为空或不是数字！"}) << c.col;
            EXPECT_EQ(Text(form, "OrderID"), "SO-1");
        });
        EXPECT_EQ(Count("hb_OrderInfo"), 0);
        EXPECT_EQ(Count("hb_OrderDetail"), 0);
    }
}

TEST_F(OrderEditorTest, AFailingHeaderLeavesNoLineBehindAndASecondSaveStoresTheOrderOnce)
{
    FailOn("insert", "hb_OrderInfo");
    WithEditor([&](TOrderForm* form) {
        PickTheCustomer(form);
        Child<QLineEdit>(form, "OrderID")->setText("SO-1");
        EnterLine(form, 1, "扫描仪", "2");
        EnterLine(form, 2, "打印纸", "1");
        Click(Child<QPushButton>(form, "btnSave"));
        EXPECT_EQ(messages, QStringList{"无法添加记录！"});
        EXPECT_EQ(Count("hb_OrderDetail"), 0);
        EXPECT_EQ(Count("hb_OrderInfo"), 0);
        EXPECT_EQ(Text(form, "OrderID"), "SO-1");
        EXPECT_EQ(form->CellText(2, TOrderForm::ColProduct), "打印纸");

        StopFailing("insert", "hb_OrderInfo");
        Click(Child<QPushButton>(form, "btnSave"));
        EXPECT_EQ(LastMessage(), "记录添加成功！");
    });
    EXPECT_EQ(Count("hb_OrderInfo"), 1);
    EXPECT_EQ(Count("hb_OrderDetail"), 2);
}

TEST_F(OrderEditorTest, SeeModeShowsTheStoredOrderReadOnlyAndClosesByEscape)
{
    const int id = AddOrder("SO-7", cusId, "广州天河华信科技有限公司", 1500, 300);
    AddOrder("SO-8", cusId, "广州天河华信科技有限公司", 9, 0);
    AddLine("SO-7", "打印纸", 10, 30, "2024-07-01");
    AddLine("SO-8", "其他", 9, 1);
    AddLine("SO-7", "扫描仪", 1200, 1);
    bool closed = false;
    WithEditor(
        [&](TOrderForm* form) {
            EXPECT_EQ(Text(form, "OrderID"), "SO-7");
            EXPECT_EQ(Text(form, "CusName"), "广州天河华信科技有限公司");
            EXPECT_EQ(Text(form, "htMoney"), "1500");
            EXPECT_EQ(Text(form, "yfMoney"), "300");
            EXPECT_EQ(Child<QComboBox>(form, "OrderType")->currentText(), "网站");
            EXPECT_EQ(Child<QDateEdit>(form, "TumoverDate")->date(), QDate(2024, 5, 1));
            EXPECT_EQ(form->CellText(1, TOrderForm::ColProduct), "打印纸");
            EXPECT_EQ(form->CellText(1, TOrderForm::ColPrice), "10");
            EXPECT_EQ(form->CellText(1, TOrderForm::ColQty), "30");
            EXPECT_EQ(form->CellText(1, TOrderForm::ColAmount), "300");
            EXPECT_EQ(form->CellText(1, TOrderForm::ColWarnDate), "2024-07-01");
            EXPECT_EQ(form->CellText(2, TOrderForm::ColProduct), "扫描仪");
            EXPECT_EQ(form->CellText(2, TOrderForm::ColWarnDate), "");
            EXPECT_EQ(form->CellText(3, TOrderForm::ColProduct), "");
            EXPECT_TRUE(Child<QPushButton>(form, "btnSave")->isHidden());
            EXPECT_TRUE(Child<QPushButton>(form, "btnClose")->isHidden());
            EXPECT_EQ(Lines(form)->editTriggers(), QAbstractItemView::NoEditTriggers);
            EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
            QTest::keyClick(form, Qt::Key_Escape);
            closed = !form->isVisible();
        },
        "see", id);
    EXPECT_TRUE(closed);
    EXPECT_EQ(Count("hb_OrderInfo"), 2);
}
}
