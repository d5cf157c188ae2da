#pragma once
// Shared ground of the customer screens' tests: a fixed clock, a salesperson logged in, rows made
// directly in the database, and helpers that drive grids and the customer picker by their names.
#include "TestSupport.h"

#include "core/Clock.h"
#include "ui/QueryModel.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>


class CustomersTest : public TCrmTest {
protected:
    void SetUp() override
    {
        TCrmTest::SetUp();
        Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 20, 30)));
        me = AddUser("zhang", "张三", "1", 1, 1);
        other = AddUser("li", "李四", "1", 1, 2);
        LoginAs(me);
    }

    int AddCustomer(const QString& code, const QString& customer, int userId, const QString& date1 = "2026-01-01",
                    const QString& shortName = {})
    {
        return Sql("insert into hb_CustomerInfo(CusCode,Customer,CusName,UserID,UserName,Date1) values(?,?,?,?,?,?)",
                   {code, customer, shortName, userId, "u" + QString::number(userId), date1})
            .lastInsertId()
            .toInt();
    }
    int AddContact(int cusId, const QString& cusName, const QString& person, int userId,
                   const QString& date1 = "2026-01-01")
    {
        return Sql("insert into hb_CustomerPerson(CusID,CusName,PersonName,UserID,Date1) values(?,?,?,?,?)",
                   {cusId, cusName, person, userId, date1})
            .lastInsertId()
            .toInt();
    }
    int AddVisit(int cusId, const QString& cusName, const QString& code, int userId, const QString& visDate,
                 const QString& visTime, const QString& date1 = "2026-01-01")
    {
        return Sql("insert into hb_VisitInfo(VisCode,CusID,CusName,VisDate,VisTime,UserID,Date1) values(?,?,?,?,?,?,?)",
                   {code, cusId, cusName, visDate, visTime, userId, date1})
            .lastInsertId()
            .toInt();
    }
    int Count(const QString& sql, const QVariantList& params = {}) { return Value(sql, params).toInt(); }

    // The texts of one stored field down a grid over a TQueryModel.
    static QStringList Column(QTableView* grid, const QString& field)
    {
        auto* model = qobject_cast<TQueryModel*>(grid->model());
        QStringList texts;
        if (!model)
            return texts;
        while (model->canFetchMore())
            model->fetchMore();
        const int col = model->FieldIndex(field);
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, col).data().toString();
        return texts;
    }
    static QStringList Titles(QTableView* grid, int first = 0)
    {
        QStringList titles;
        for (int c = first; c < grid->model()->columnCount(); ++c)
            titles << grid->model()->headerData(c, Qt::Horizontal).toString();
        return titles;
    }
    static void SelectRow(QTableView* grid, int row)
    {
        int col = 0;
        while (col < grid->model()->columnCount() && grid->isColumnHidden(col))
            ++col;
        const QModelIndex index = grid->model()->index(row, col);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }
    static void SetText(QObject* dialog, const QString& name, const QString& text)
    {
        QWidget* w = Child(dialog, name);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setText(text);
        else if (auto* c = qobject_cast<QComboBox*>(w))
            c->setCurrentText(text);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
            m->setPlainText(text);
        else
            ADD_FAILURE() << "no text input " << name.toStdString();
    }
    static QString TextOf(QObject* dialog, const QString& name)
    {
        QWidget* w = Child(dialog, name);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            return e->text();
        if (auto* c = qobject_cast<QComboBox*>(w))
            return c->currentText();
        if (auto* m = qobject_cast<QPlainTextEdit*>(w))
            return m->toPlainText();
        ADD_FAILURE() << "no text input " << name.toStdString();
        return {};
    }
    static QStringList Items(QObject* dialog, const QString& name)
    {
        auto* box = Child<QComboBox>(dialog, name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    // Types text into a widget key by key, as a person would (also characters without a key code).
    static void Type(QWidget* widget, const QString& text)
    {
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }

    // Queues the picker: searches for text and double-clicks the given row of the result.
    void PickCustomer(const QString& text, int row = 0)
    {
        OnModal([text, row](QDialog* picker) {
            EXPECT_EQ(picker->objectName(), "getCustomerForm");
            Child<QLineEdit>(picker, "CusName")->setText(text);
            Click(Child<QPushButton>(picker, "bsSkinButton1"));
            auto* grid = Child<QTableView>(picker, "bsSkinDBGrid1");
            ASSERT_GT(grid->model()->rowCount(), row) << "picker found too few customers for " << text.toStdString();
            DoubleClickRow(grid, row);
        });
    }

    int me = 0;
    int other = 0;
};
