// Payments: the editor with both pickers, the list with its colours and search, reversals.
#include "SalesFixture.h"

#include "sales/DueListUnit.h"
#include "sales/DueUnit.h"

#include <QColor>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {
class PaymentTest : public SalesTest {
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        clerk = AddUser("wang", "王五", "pw", 1, 2);
        AddUser("gone", "赵六", "pw", 1, 1, "离职");
        huaxin = AddCustomer("广州华信科技", "C-1");
        dongfang = AddCustomer("东方电子", "C-2");
        order = AddOrder("SO-1", huaxin, "广州华信科技", 1000, 300);
        AddOrder("SO-2", dongfang, "东方电子", 80, 0, clerk);
    }

    int WithEditor(const std::function<void(TDueForm*)>& body, const QString& mode = QStringLiteral("add"), int recordId = 0)
    {
        OnModal([&](QDialog* dialog) {
            auto* form = qobject_cast<TDueForm*>(dialog);
            ASSERT_NE(form, nullptr);
            body(form);
        });
        TDueForm form;
        form.EditMode = mode;
        form.RecordID = recordId;
        return form.Open();
    }

    static QString Text(QWidget* form, const char* name) { return Child<QLineEdit>(form, name)->text(); }
    static void Set(QWidget* form, const char* name, const QString& text) { Child<QLineEdit>(form, name)->setText(text); }
    static void ChoosePayer(QWidget* form, const QString& name)
    {
        auto* box = Child<QComboBox>(form, "DueUser");
        box->setCurrentIndex(box->findText(name));
    }
    static void Save(QWidget* form) { Click(Child<QPushButton>(form, "btnSave")); }
    double Paid(const QString& orderId)
    {
        return Value("select yfMoney from hb_OrderInfo where OrderID=?", {orderId}).toDouble();
    }

    void ShowList()
    {
        list = std::make_unique<TDueListForm>();
        list->resize(1000, 600);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    }
    QTableView* Grid() { return Child<QTableView>(list.get(), "bsSkinDBGrid1"); }
    QString Cell(int row, int col) { return Grid()->model()->index(row, col).data().toString(); }
    QColor RowColour(int row) { return Grid()->model()->index(row, 1).data(Qt::ForegroundRole).value<QColor>(); }
    void Press(const char* name) { Click(Child<QToolButton>(list.get(), name)); }
    void TearDown() override
    {
        list.reset();
        SalesTest::TearDown();
    }

    std::unique_ptr<TDueListForm> list;
    int clerk = 0;
    int huaxin = 0;
    int dongfang = 0;
    int order = 0;
};

TEST_F(PaymentTest, ThePickedOrderProposesWhatItStillOwesAndTheSaveRaisesItsPaidAmount)
{
    Clock::setFixed(QDateTime(QDate(2024, 5, 21), QTime(8, 0)));
    WithEditor([&](TDueForm* form) {
        EXPECT_EQ(form->windowTitle(), "回款记录");
        EXPECT_EQ(Child<QDateEdit>(form, "DueDate")->date(), QDate(2024, 5, 21));
        auto* payers = Child<QComboBox>(form, "DueUser");
        EXPECT_FALSE(payers->isEditable());
        ASSERT_EQ(payers->count(), 3) << "an empty item, then the serving users";
        EXPECT_EQ(payers->itemText(0), "");
        EXPECT_EQ(payers->findText("赵六"), -1);
        EXPECT_EQ(Child<QComboBox>(form, "MethordName")->itemText(0), "----");

        QString shown;
        PickOrder("华信", "SO-1", &shown);
        Click(Child<QToolButton>(form, "bsSkinSpeedButton2"));
        EXPECT_EQ(shown, "700");
        EXPECT_EQ(Text(form, "OrderID"), "SO-1");
        EXPECT_EQ(Text(form, "CusName"), "广州华信科技");
        EXPECT_EQ(form->CusID, QString::number(huaxin));
        EXPECT_EQ(Text(form, "Amount"), "700");

        Set(form, "DueNum", "D-001");
        ChoosePayer(form, "王五");
        Child<QComboBox>(form, "MethordName")->setCurrentText("银行转账");
        Child<QDateEdit>(form, "DueDate")->setDate(QDate(2024, 5, 19));
        Child<QPlainTextEdit>(form, "Remarks")->setPlainText("尾款");
        Save(form);
        EXPECT_EQ(messages, QStringList{"记录已保存！"});

        // Ready for the next payment: empty except for the date.
        for (const char* name : {"DueNum", "OrderID", "CusName", "Amount"})
            EXPECT_EQ(Text(form, name), "") << name;
        EXPECT_EQ(Child<QComboBox>(form, "DueUser")->currentText(), "");
        EXPECT_EQ(Child<QComboBox>(form, "MethordName")->currentText(), "");
        EXPECT_EQ(Child<QPlainTextEdit>(form, "Remarks")->toPlainText(), "");
        EXPECT_EQ(Child<QDateEdit>(form, "DueDate")->date(), QDate(2024, 5, 19));
        EXPECT_TRUE(form->isVisible());
    });
    EXPECT_EQ(Paid("SO-1"), 1000.0);
    QSqlQuery q = Sql("select DueNum,OrderID,CusID,CusName,Amount,DueDate,DueUser,MethordName,Remarks,UserID,UserName,"
                      "DeptID,Date1,IsDel,DeptName from hb_Due");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "D-001");
    EXPECT_EQ(q.value(14).toString(), "总公司");
    EXPECT_EQ(q.value(1).toString(), "SO-1");
    EXPECT_EQ(q.value(2).toInt(), huaxin);
    EXPECT_EQ(q.value(3).toString(), "广州华信科技");
    EXPECT_EQ(q.value(4).toDouble(), 700.0);
    EXPECT_EQ(q.value(5).toString(), "2024-05-19");
    EXPECT_EQ(q.value(6).toString(), "王五");
    EXPECT_EQ(q.value(7).toString(), "银行转账");
    EXPECT_EQ(q.value(8).toString(), "尾款");
    EXPECT_EQ(q.value(9).toInt(), 1);
    EXPECT_EQ(q.value(10).toString(), "系统管理员");
    EXPECT_EQ(q.value(11).toInt(), 0);
    EXPECT_EQ(q.value(12).toString(), "2024-05-21");
    EXPECT_EQ(q.value(13).toInt(), 0);
}

TEST_F(PaymentTest, AnOverpaymentIsAcceptedAndThePickerThenShowsANegativeOutstandingAmount)
{
    WithEditor([&](TDueForm* form) {
        PickOrder("华信", "SO-1");
        Click(Child<QToolButton>(form, "bsSkinSpeedButton2"));
        Set(form, "Amount", "1200");
        Set(form, "DueNum", "D-1");
        ChoosePayer(form, "系统管理员");
        Save(form);
        EXPECT_EQ(LastMessage(), "记录已保存！");

        QString shown;
        PickOrder("", "SO-1", &shown);   // every user's orders, also fully paid ones
        Click(Child<QToolButton>(form, "bsSkinSpeedButton2"));
        EXPECT_EQ(shown, "-500");

        PickOrder("东方", "SO-2", &shown);   // another user's order
        Click(Child<QToolButton>(form, "bsSkinSpeedButton2"));
        EXPECT_EQ(shown, "80");
        EXPECT_EQ(form->CusID, QString::number(dongfang));
    });
    EXPECT_EQ(Paid("SO-1"), 1500.0);
}

TEST_F(PaymentTest, APaymentWithoutOrderIsStoredForThePickedCustomerAndChangesNoOrder)
{
    WithEditor([&](TDueForm* form) {
        PickCustomer("东方");
        Click(Child<QToolButton>(form, "bsSkinSpeedButton1"));
        EXPECT_EQ(Text(form, "CusName"), "东方电子");
        EXPECT_EQ(form->CusID, QString::number(dongfang));
        EXPECT_EQ(Text(form, "OrderID"), "");
        Set(form, "DueNum", "D-9");
        Set(form, "Amount", "50");
        ChoosePayer(form, "王五");
        Save(form);
        EXPECT_EQ(LastMessage(), "记录已保存！");
    });
    EXPECT_EQ(Value("select OrderID from hb_Due").toString(), "");
    EXPECT_EQ(Value("select CusID from hb_Due").toInt(), dongfang);
    EXPECT_EQ(Paid("SO-1"), 300.0);
    EXPECT_EQ(Paid("SO-2"), 0.0);
}

TEST_F(PaymentTest, ChecksRefuseIncompleteDuplicateAndNonNumericPaymentsAndWriteNothing)
{
    AddDue("D-OLD", "SO-1", huaxin, "广州华信科技", 10, "王五", 1);   // a reversed payment keeps its number
    struct Case {
        const char* dueNum;
        bool customer;
        const char* amount;
        const char* payer;
        const char* message;
    };
    const Case cases[] = {
        {"", true, "10", "王五", "单据编号不能为空！"},
        {"D-2", false, "10", "王五", "客户名称不能为空！"},
        {"D-2", true, "", "王五", "回款金额不能为空！"},
        {"D-2", true, "10", "", "回款人不能为空！"},
        {"D-OLD", true, "10", "王五", "此单据编号已存在，无法添加记录！"},
        {"D-2", true, "十元", "王五", "无法保存记录！"},
    };
    for (const Case& c : cases) {
        messages.clear();
        WithEditor([&](TDueForm* form) {
            if (c.customer) {
                PickOrder("华信", "SO-1");
                Click(Child<QToolButton>(form, "bsSkinSpeedButton2"));
            }
            Set(form, "DueNum", c.dueNum);
            Set(form, "Amount", c.amount);
            ChoosePayer(form, c.payer);
            Save(form);
            EXPECT_EQ(messages, QStringList{c.message});
            EXPECT_EQ(Text(form, "DueNum"), c.dueNum) << "the inputs stay";
        });
    }
    EXPECT_EQ(Count("hb_Due"), 1);
    EXPECT_EQ(Paid("SO-1"), 300.0);
}

TEST_F(PaymentTest, WhenTheOrderCannotBeRaisedThePaymentIsNotStoredEither)
{
    FailOn("update", "hb_OrderInfo");
    WithEditor([&](TDueForm* form) {
        PickOrder("华信", "SO-1");
        Click(Child<QToolButton>(form, "bsSkinSpeedButton2"));
        Set(form, "DueNum", "D-1");
        ChoosePayer(form, "王五");
        Save(form);
        EXPECT_EQ(messages, QStringList{"无法保存记录！"});
        EXPECT_EQ(Text(form, "Amount"), "700");
    });
    EXPECT_EQ(Count("hb_Due"), 0);
    EXPECT_EQ(Paid("SO-1"), 300.0);
}

TEST_F(PaymentTest, TheListShowsEveryUsersPaymentsNewestFirstColouredByState)
{
    AddDue("D-1", "SO-1", huaxin, "广州华信科技", 100, "王五");
    AddDue("D-2", "SO-1", huaxin, "广州华信科技", 200, "王五", 1);
    AddDue("D-2", "SO-1", huaxin, "广州华信科技", -200, "王五", -1);
    Sql("update hb_Due set UserID=? where DueNum='D-1'", {clerk});
    ShowList();
    ASSERT_EQ(Grid()->model()->rowCount(), 3);
    EXPECT_EQ(Child<QLabel>(list.get(), "Label3")->text(), "共:3条记录");
    EXPECT_EQ(Cell(0, 4), "-200");
    EXPECT_EQ(Cell(2, 1), "D-1");
    EXPECT_EQ(RowColour(0), QColor(Qt::red));
    EXPECT_EQ(RowColour(1), QColor(0, 0, 128));
    EXPECT_EQ(RowColour(2), QColor(Qt::black));
    QStringList titles;
    for (int col = 0; col < Grid()->model()->columnCount(); ++col)
        if (!Grid()->isColumnHidden(col))
            titles << Grid()->model()->headerData(col, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{"编号", "订单编号", "客户名称", "回款金额", "回款方式", "回款日期", "回款人", "备注"}));
}

TEST_F(PaymentTest, SearchByCustomerNameMatchesAPartAndByPayerTheWholeName)
{
    AddDue("D-1", "SO-1", huaxin, "广州华信科技", 100, "王五");
    AddDue("D-2", "", dongfang, "东方电子", 50, "系统管理员");
    ShowList();
    struct Case {
        const char* type;
        const char* text;
        int rows;
    };
    const Case cases[] = {{"客户名称", "华信", 1}, {"客户名称", "", 2}, {"客户名称", "%", 0},
                          {"回款人", "王五", 1},   {"回款人", "王", 0}, {"回款人", "系统管理员", 1}};
    for (const Case& c : cases) {
        Child<QComboBox>(list.get(), "TypeName")->setCurrentText(c.type);
        Set(list.get(), "TypeText", c.text);
        Press("bsSkinSpeedButton2");
        EXPECT_EQ(Grid()->model()->rowCount(), c.rows) << c.type << " " << c.text;
    }
}

TEST_F(PaymentTest, AReversalAddsANegativeCopyMarksThePaymentAndLowersTheOrdersPaidAmount)
{
    const int due = AddDue("D-5", "SO-1", huaxin, "广州华信科技", 500, "王五");
    Sql("update hb_OrderInfo set yfMoney=800 where ID=?", {order});
    LoginAs(clerk);
    Clock::setFixed(QDateTime(QDate(2024, 6, 3), QTime(11, 0)));
    ShowList();
    Answer({false});
    Press("bsSkinSpeedButton3");
    EXPECT_EQ(Count("hb_Due"), 1);

    Answer({true});
    Press("bsSkinSpeedButton3");
    EXPECT_EQ(questions.last(), "提示|您真的要将当前记录红冲吗？");
    EXPECT_TRUE(messages.isEmpty());
    QSqlQuery q = Sql("select DueNum,OrderID,CusID,Amount,DueDate,DueUser,UserID,UserName,Date1,IsDel,DeptID,DeptName "
                      "from hb_Due where id<>?",
                      {due});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "D-5");
    EXPECT_EQ(q.value(1).toString(), "SO-1");
    EXPECT_EQ(q.value(2).toInt(), huaxin);
    EXPECT_EQ(q.value(3).toDouble(), -500.0);
    EXPECT_EQ(q.value(4).toString(), "2024-05-02");
    EXPECT_EQ(q.value(5).toString(), "王五");
    EXPECT_EQ(q.value(6).toInt(), clerk);
    EXPECT_EQ(q.value(7).toString(), "王五");
    EXPECT_EQ(q.value(8).toString(), "2024-06-03");
    EXPECT_EQ(q.value(9).toInt(), -1);
    EXPECT_EQ(q.value(11).toString(),
              Value("select DeptName from hb_SysUser where ID=?", {clerk}).toString());   // the reversing user's
    EXPECT_EQ(q.value(10).toInt(), Value("select DeptID from hb_SysUser where ID=?", {clerk}).toInt());
    EXPECT_EQ(Value("select IsDel from hb_Due where id=?", {due}).toInt(), 1);
    EXPECT_EQ(Paid("SO-1"), 300.0);

    ASSERT_EQ(Grid()->model()->rowCount(), 2);
    EXPECT_EQ(Cell(0, 4), "-500");
    EXPECT_EQ(RowColour(0), QColor(Qt::red));
    EXPECT_EQ(RowColour(1), QColor(0, 0, 128));

    // Neither the reversal row nor the reversed payment can be reversed again.
    for (int row : {0, 1}) {
        Grid()->selectRow(row);
        messages.clear();
        Answer({true});
        Press("bsSkinSpeedButton3");
        EXPECT_EQ(messages, QStringList{"此条记录不是原始单据，无法进行此操作！"}) << row;
    }
    EXPECT_EQ(Count("hb_Due"), 2);
    EXPECT_EQ(Paid("SO-1"), 300.0);
}

TEST_F(PaymentTest, AFailingReversalLeavesPaymentsAndOrderAsTheyWere)
{
    AddDue("D-5", "SO-1", huaxin, "广州华信科技", 300, "王五");
    FailOn("update", "hb_Due");
    ShowList();
    Answer({true});
    Press("bsSkinSpeedButton3");
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(Count("hb_Due"), 1);
    EXPECT_EQ(Value("select IsDel from hb_Due").toInt(), 0);
    EXPECT_EQ(Paid("SO-1"), 300.0);
}

TEST_F(PaymentTest, AnEmptyListAsksAndOpensNothing)
{
    ShowList();
    Press("bsSkinSpeedButton3");
    DoubleClickRow(Grid(), 0);
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(PaymentTest, DoubleClickShowsTheStoredPaymentReadOnlyAndEscapeClosesIt)
{
    AddDue("D-1", "SO-1", huaxin, "广州华信科技", 100, "王五");
    AddDue("D-2", "", dongfang, "东方电子", 50.5, "赵六");   // a payer who no longer serves
    ShowList();
    bool closed = false;
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<TDueForm*>(dialog);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->EditMode, "see");
        EXPECT_EQ(Text(form, "DueNum"), "D-2");
        EXPECT_EQ(Text(form, "CusName"), "东方电子");
        EXPECT_EQ(Text(form, "Amount"), "50.5");
        EXPECT_EQ(Child<QComboBox>(form, "MethordName")->currentText(), "现金");
        EXPECT_EQ(Child<QComboBox>(form, "DueUser")->currentText(), "");
        EXPECT_EQ(Child<QDateEdit>(form, "DueDate")->date(), QDate(2024, 5, 2));
        EXPECT_TRUE(Child<QPushButton>(form, "btnSave")->isHidden());
        EXPECT_TRUE(Child<QPushButton>(form, "btnClose")->isHidden());
        EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
        QTest::keyClick(form, Qt::Key_Escape);
        closed = !form->isVisible();
    });
    DoubleClickRow(Grid(), 0);
    EXPECT_TRUE(closed);

    // 新增 opens an editor in add mode and the list refreshes afterwards.
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<TDueForm*>(dialog);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->EditMode, "add");
        AddDue("D-3", "", dongfang, "东方电子", 1, "王五");
    });
    Press("bsSkinSpeedButton1");
    EXPECT_EQ(Cell(0, 1), "D-3");
}
}
