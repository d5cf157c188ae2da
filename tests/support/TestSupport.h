#pragma once
// Shared ground for the tests: a fresh copy of the delivered database per test, a scripted
// responder for message boxes and modal dialogs, and small helpers to drive widgets by name.
#include "core/CurrentUser.h"
#include "ui/Dialogs.h"

#include <QDialog>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantList>
#include <QWidget>

#include <deque>
#include <functional>
#include <gtest/gtest.h>

class QTableView;

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) { *os << "{" << texts.join("\", \"").toStdString() << "}"; }

class TCrmTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The path of this test's database copy.
    QString DatabasePath() const;

    // Runs sql on the test database and returns the query (asserts that it ran).
    QSqlQuery Sql(const QString& sql, const QVariantList& params = {});
    // The first column of the first row of sql (an invalid QVariant when there is no row).
    QVariant Value(const QString& sql, const QVariantList& params = {});

    // Adds an active user and returns its ID. roleId 0 is the administrator role, 1 the salespeople's.
    int AddUser(const QString& logName, const QString& useName, const QString& password, int roleId = 1,
                int deptId = 1, const QString& state = QStringLiteral("在职"));
    // Fills CurrentUser as a login of that user would.
    void LoginAs(int userId);
    void LoginAsAdmin() { LoginAs(1); }

    // Answers for the next questions, in order (true = Yes). A question with no answer queued
    // fails the test and is answered No.
    void Answer(std::initializer_list<bool> answers);
    // For the next save-file dialog.
    void ChooseFile(const QString& path) { nextFiles.push_back(path); }
    // The next modal dialog runs handler instead of waiting for a person; the dialog's result
    // (accepted or rejected) is what the handler leaves behind. A modal with no handler queued
    // fails the test and is rejected.
    void OnModal(std::function<void(QDialog*)> handler) { modalHandlers.push_back(std::move(handler)); }

    // Texts of the information and error boxes shown so far, and of the questions asked.
    QStringList messages;
    QStringList errors;
    QStringList questions;     // "caption|text"
    QString LastMessage() const { return messages.isEmpty() ? QString() : messages.last(); }

    template <class T = QWidget> static T* Child(QObject* parent, const QString& name)
    {
        T* child = parent->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << "no child named " << name.toStdString();
        return child;
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // A real double-click on a row, on the given column or its first visible one (a grid fires
    // doubleClicked only after a click has made the cell current).
    static void DoubleClickRow(QTableView* grid, int row, int column = -1);

private:
    QTemporaryDir dir;
    std::deque<bool> answers;
    std::deque<QString> nextFiles;
    std::deque<std::function<void(QDialog*)>> modalHandlers;
};
