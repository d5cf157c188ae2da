#pragma once
// Shared ground of the sales tests: rows inserted directly, a fixed clock, and the drivers of the
// grids and pickers.
#include "TestSupport.h"

#include "core/Clock.h"
#include "ui/QueryModel.h"
#include "customers/getCustomerUnit.h"
#include "sales/OrderUnit.h"
#include "sales/getOrderUnit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QTableWidget>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>

class SalesTest : public TCrmTest {
protected:
    void SetUp() override
    {
        TCrmTest::SetUp();
        Clock::setFixed(QDateTime(QDate(2024, 5, 20), QTime(9, 30, 0)));
        LoginAsAdmin();
    }

    int AddCustomer(const QString& customer, const QString& code = QString(), int userId = 1)
    {
        return Sql(QStringLiteral("insert into hb_CustomerInfo(CusCode,Customer,CusName,UserID) values(?,?,?,?)"),
                   {code, customer, customer.left(2), userId})
            .lastInsertId()
            .toInt();
    }

    int AddProduct(const QString& code, const QString& name, const QString& colors, const QString& model, double salePrice,
                   const QString& units = QStringLiteral("台"))
    {
        return Sql(QStringLiteral("insert into hb_ProductInfo(ProductCode,ProductName,Type1,Colors,cpxh,BuyPrice,SalePrice,"
                                  "Units) values(?,?,'',?,?,0,?,?)"),
                   {code, name, colors, model, salePrice, units})
            .lastInsertId()
            .toInt();
    }

    int AddOrder(const QString& orderId, int cusId, const QString& cusName, double total, double paid, int userId = 1,
                 const QString& date1 = QStringLiteral("2024-05-01 10:00:00"))
    {
        return Sql(QStringLiteral("insert into hb_OrderInfo(OrderID,CusId,CusName,OrderType,PayType,OrderState,TumoverDate,"
                                  "htMoney,yfMoney,MoneyState,UserID,UserName,DeptID,DeptName,Date1) "
                                  "values(?,?,?,'网站','现金','未发货','2024-05-01',?,?,0,?,'u',0,'总公司',?)"),
                   {orderId, cusId, cusName, total, paid, userId, date1})
            .lastInsertId()
            .toInt();
    }

    void AddLine(const QString& orderId, const QString& product, double price, double qty,
                 const QVariant& warnDate = QVariant(QMetaType::fromType<QString>()))
    {
        Sql(QStringLiteral("insert into hb_OrderDetail(OrderID,ProductName,Colors,cpxh,Price,Qty,Units,SumMoney,WarnDate,"
                           "Memo1) values(?,?,'红','X1',?,?,'台',?,?,'')"),
            {orderId, product, price, qty, price * qty, warnDate});
    }

    int AddDue(const QString& dueNum, const QString& orderId, int cusId, const QString& cusName, double amount,
               const QString& dueUser, int isDel = 0)
    {
        return Sql(QStringLiteral("insert into hb_Due(DueNum,OrderID,CusID,CusName,Amount,DueDate,DueUser,MethordName,"
                                  "Remarks,UserID,UserName,IsDel) values(?,?,?,?,?,'2024-05-02',?,'现金','',1,'u',?)"),
                   {dueNum, orderId, cusId, cusName, amount, dueUser, isDel})
            .lastInsertId()
            .toInt();
    }

    int Count(const QString& table) { return Value(QStringLiteral("select count(*) from ") + table).toInt(); }

    // A trigger that makes every statement of that kind on table fail, for the all-or-nothing cases.
    void FailOn(const QString& event, const QString& table)
    {
        Sql(QStringLiteral("create trigger fail_%1_%2 before %1 on %2 begin select raise(abort,'refused by test'); end")
                .arg(event, table));
    }
    void StopFailing(const QString& event, const QString& table)
    {
        Sql(QStringLiteral("drop trigger fail_%1_%2").arg(event, table));
    }

    // Driving the order editor's line grid as a user would.
    static QTableWidget* Lines(TOrderForm* form) { return Child<QTableWidget>(form, "OrderInfo"); }

    static QWidget* OpenEditor(TOrderForm* form, int row, int col)
    {
        QTableWidget* grid = Lines(form);
        grid->setCurrentCell(row, col);
        auto openEditor = [grid]() -> QWidget* {
            for (QWidget* w : grid->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (w->isVisible())
                    return w;
            return nullptr;
        };
        // Leaving a cell with Tab already opens the editor of the next one.
        if (QWidget* editor = openEditor())
            return editor;
        grid->editItem(grid->item(row, col));
        return openEditor();
    }

    // Chooses a product in the drop-down of a line, as a user would.
    static void ChooseProduct(TOrderForm* form, int row, const QString& name)
    {
        auto* box = qobject_cast<QComboBox*>(OpenEditor(form, row, TOrderForm::ColProduct));
        ASSERT_NE(box, nullptr) << "no drop-down in the product column";
        const int index = box->findText(name);
        ASSERT_GE(index, 0) << name.toStdString() << " not offered";
        box->setCurrentIndex(index);
        emit box->activated(index);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    // Types text into a cell and leaves it with Tab.
    static void TypeCell(TOrderForm* form, int row, int col, const QString& text)
    {
        auto* edit = qobject_cast<QLineEdit*>(OpenEditor(form, row, col));
        ASSERT_NE(edit, nullptr) << "no text editor in column " << col;
        edit->selectAll();
        edit->insert(text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    static void ChooseWarnDate(TOrderForm* form, int row, const QDate& date)
    {
        auto* editor = qobject_cast<QDateEdit*>(OpenEditor(form, row, TOrderForm::ColWarnDate));
        ASSERT_NE(editor, nullptr) << "no date editor in the reminder column";
        editor->setDate(date);
        QTest::keyClick(editor, Qt::Key_Tab);
    }

    // A complete line: product chosen, quantity typed (the price comes from the product).
    static void EnterLine(TOrderForm* form, int row, const QString& product, const QString& qty)
    {
        ChooseProduct(form, row, product);
        TypeCell(form, row, TOrderForm::ColQty, qty);
    }

    // Queues the customer picker: search for text and choose the first row found.
    void PickCustomer(const QString& text)
    {
        OnModal([this, text](QDialog* dialog) {
            auto* picker = qobject_cast<TgetCustomerForm*>(dialog);
            ASSERT_NE(picker, nullptr) << "expected the customer picker";
            Child<QLineEdit>(picker, "CusName")->setText(text);
            Click(Child<QPushButton>(picker, "bsSkinButton1"));
            auto* grid = Child<QTableView>(picker, "bsSkinDBGrid1");
            ASSERT_GT(grid->model()->rowCount(), 0) << "no customer found for " << text.toStdString();
            DoubleClickRow(grid, 0);
        });
    }

    // Queues the order picker: search for text and choose the row of orderId.
    void PickOrder(const QString& text, const QString& orderId, QString* outstandingShown = nullptr)
    {
        OnModal([=](QDialog* dialog) {
            auto* picker = qobject_cast<TgetOrderForm*>(dialog);
            ASSERT_NE(picker, nullptr) << "expected the order picker";
            Child<QLineEdit>(picker, "CusName")->setText(text);
            Click(Child<QPushButton>(picker, "bsSkinButton1"));
            auto* grid = Child<QTableView>(picker, "bsSkinDBGrid1");
            QAbstractItemModel* model = grid->model();
            for (int row = 0; row < model->rowCount(); ++row) {
                if (model->index(row, 2).data().toString() == orderId) {
                    if (outstandingShown)
                        *outstandingShown = model->index(row, 4).data().toString();
                    DoubleClickRow(grid, row, 2);
                    return;
                }
            }
            ADD_FAILURE() << "order " << orderId.toStdString() << " not listed";
        });
    }
};
