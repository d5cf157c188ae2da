#include "TestSupport.h"

#include "core/Clock.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"

#include <QFile>
#include <QTableView>
#include <QSqlError>

void TCrmTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    const QString path = DatabasePath();
    ASSERT_TRUE(QFile::copy(QStringLiteral(CRM_TEMPLATE_DB), path)) << "template database missing: " CRM_TEMPLATE_DB;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    dm().SetDatabasePath(path);
    CurrentUser = TCurrentUser();
    ui::SetResponder([this](const ui::Prompt& prompt, QString* file) {
        switch (prompt.kind) {
        case ui::Prompt::Information:
            messages << prompt.text;
            return true;
        case ui::Prompt::Error:
            errors << prompt.text;
            return true;
        case ui::Prompt::Question:
            questions << prompt.caption + QLatin1Char('|') + prompt.text;
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << prompt.text.toStdString();
                return false;
            } else {
                const bool answer = answers.front();
                answers.pop_front();
                return answer;
            }
        case ui::Prompt::SaveFile:
            if (nextFiles.empty()) {
                ADD_FAILURE() << "unexpected file dialog: " << prompt.caption.toStdString();
                return false;
            } else {
                *file = nextFiles.front();
                nextFiles.pop_front();
                return true;
            }
        }
        return false;
    });
    ui::SetModalHook([this](QDialog* dialog) {
        if (modalHandlers.empty()) {
            ADD_FAILURE() << "unexpected modal dialog " << dialog->objectName().toStdString();
            return int(QDialog::Rejected);
        }
        auto handler = std::move(modalHandlers.front());
        modalHandlers.pop_front();
        dialog->setResult(QDialog::Rejected);
        dialog->show();
        QTest::qWait(0);
        handler(dialog);
        dialog->hide();
        return dialog->result();
    });
}

void TCrmTest::TearDown()
{
    EXPECT_TRUE(answers.empty()) << "questions answered in advance were never asked";
    EXPECT_TRUE(modalHandlers.empty()) << "modal dialogs expected were never opened";
    ui::SetResponder(nullptr);
    ui::SetModalHook(nullptr);
    Clock::reset();
    CurrentUser = TCurrentUser();
    dm().Close();
}

QString TCrmTest::DatabasePath() const { return dir.filePath(QStringLiteral("PemroxCRM.mdb")); }

QSqlQuery TCrmTest::Sql(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(dm().SysConn());
    EXPECT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString() << " in " << sql.toStdString();
    for (const QVariant& v : params)
        q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << sql.toStdString();
    return q;
}

QVariant TCrmTest::Value(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = Sql(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

int TCrmTest::AddUser(const QString& logName, const QString& useName, const QString& password, int roleId, int deptId,
                      const QString& state)
{
    const QString roleName = Value(QStringLiteral("select RoleName from hb_SysRole where ID=?"), {roleId}).toString();
    const QString deptName = Value(QStringLiteral("select DeptName from hb_SysDept where ID=?"), {deptId}).toString();
    QSqlQuery q = Sql(QStringLiteral("insert into hb_SysUser(LogName,UseName,Pwd,DeptID,DeptName,RoleID,RoleName,State) "
                                     "values(?,?,?,?,?,?,?,?)"),
                      {logName, useName, EncodePassword(password), deptId, deptName, roleId, roleName, state});
    return q.lastInsertId().toInt();
}

void TCrmTest::LoginAs(int userId)
{
    QSqlQuery q = Sql(QStringLiteral("select a.ID,a.UseName,a.DeptID,a.DeptName,b.RoleName,b.FindRole from hb_SysUser a "
                                     "left join hb_SysRole b on a.RoleID=b.ID where a.ID=?"),
                      {userId});
    ASSERT_TRUE(q.next()) << "no user " << userId;
    CurrentUser.UserID = q.value(0).toString();
    CurrentUser.UserName = q.value(1).toString();
    CurrentUser.DeptID = q.value(2).toString();
    CurrentUser.DeptName = q.value(3).toString();
    CurrentUser.RoleName = q.value(4).toString();
    CurrentUser.FindRole = q.value(5).toString();
}

void TCrmTest::Answer(std::initializer_list<bool> list)
{
    for (bool a : list)
        answers.push_back(a);
}

void TCrmTest::DoubleClickRow(QTableView* grid, int row, int column)
{
    if (column < 0) {
        column = 0;
        while (column < grid->model()->columnCount() && grid->isColumnHidden(column))
            ++column;
    }
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    const QPoint at = grid->visualRect(index).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}
