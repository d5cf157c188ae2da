// The login window, driven through its controls.
#include "TestSupport.h"

#include "core/LoginUnit.h"
#include "core/dmUnit.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
class LoginTest : public TCrmTest {
protected:
    void SetUp() override
    {
        TCrmTest::SetUp();
        form = std::make_unique<TLoginForm>();
        form->show();
        name = Child<QLineEdit>(form.get(), "txtName");
        pwd = Child<QLineEdit>(form.get(), "txtPwd");
    }
    void TearDown() override
    {
        form.reset();
        TCrmTest::TearDown();
    }
    void Type(const QString& login, const QString& password)
    {
        name->setText(login);
        pwd->setText(password);
    }
    void PressLogin() { Click(Child<QToolButton>(form.get(), "SpeedButton2")); }
    void PressEnterInPassword() { QTest::keyClick(pwd, Qt::Key_Return); }
    bool LoggedIn() const { return form->result() == QDialog::Accepted; }

    std::unique_ptr<TLoginForm> form;
    QLineEdit* name = nullptr;
    QLineEdit* pwd = nullptr;
};
}

TEST_F(LoginTest, WindowShowsHintAndMasksPassword)
{
    EXPECT_EQ(form->objectName(), "LoginForm");
    EXPECT_EQ(form->windowTitle(), "Vorlin客户关系管理");
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(pwd->echoMode(), QLineEdit::Password);
    const QString hint = Child<QLabel>(form.get(), "Label3")->text();
    EXPECT_TRUE(hint.contains("admin"));
}

TEST_F(LoginTest, ButtonChecksEmptyInputsBeforeQuerying)
{
    Type("", "x");
    PressLogin();
    Type("admin", "");
    PressLogin();
    EXPECT_EQ(messages, (QStringList{"用户名称不能为空！", "用户密码不能为空！"}));
    EXPECT_FALSE(LoggedIn());
}

TEST_F(LoginTest, OutcomesOfCheckLogin)
{
    AddUser("left", "离职者", "pw", 1, 1, "离职");
    struct Case {
        const char* login;
        const char* password;
        const char* message;   // empty = logged in
    } cases[] = {
        {"nobody", "x", "此用户不存在！"},
        {"left", "pw", "此用户不存在！"},
        {"a'b", "x", "此用户不存在！"},
        {"' or '1'='1", "x", "此用户不存在！"},
        {"admin", "ADMIN", "密码不正确！"},
    };
    for (const Case& c : cases) {
        messages.clear();
        Type(QString::fromUtf8(c.login), QString::fromUtf8(c.password));
        PressLogin();
        EXPECT_EQ(messages, QStringList{QString::fromUtf8(c.message)}) << c.login;
        EXPECT_FALSE(LoggedIn()) << c.login;
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(LoginTest, WrongPasswordEmptiesPasswordKeepsName)
{
    Type("admin", "wrong");
    PressLogin();
    EXPECT_EQ(LastMessage(), "密码不正确！");
    EXPECT_EQ(name->text(), "admin");
    EXPECT_EQ(pwd->text(), "");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(LoginTest, SuccessFillsCurrentUserAndCloses)
{
    const int id = AddUser("Zhang", "张三", "秘密1", 1, 2);
    Type("zHANG", "秘密1");   // login names compare without case
    PressLogin();
    ASSERT_TRUE(LoggedIn()) << LastMessage().toStdString();
    EXPECT_EQ(CurrentUser.UserID, QString::number(id));
    EXPECT_EQ(CurrentUser.UserName, "张三");
    EXPECT_EQ(CurrentUser.DeptID, "2");
    EXPECT_EQ(CurrentUser.DeptName, "市场部");
    EXPECT_EQ(CurrentUser.RoleName, "业务员");
    EXPECT_EQ(CurrentUser.FindRole, "2");
}

TEST_F(LoginTest, DeliveredAdministratorLogsIn)
{
    Type("admin", "admin");
    PressLogin();
    ASSERT_TRUE(LoggedIn());
    EXPECT_EQ(CurrentUser.RoleName, "管理员");
    EXPECT_TRUE(CurrentUser.isAdministrator());
}

TEST_F(LoginTest, EnterInPasswordSkipsEmptinessChecks)
{
    Type("", "");
    PressEnterInPassword();
    EXPECT_EQ(messages, QStringList{"此用户不存在！"});

    AddUser("open", "无密码", "");
    messages.clear();
    Type("open", "");
    PressEnterInPassword();
    EXPECT_TRUE(LoggedIn());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LoginTest, EnterInNameDoesNothing)
{
    Type("admin", "admin");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_FALSE(LoggedIn());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LoginTest, RoleWithoutRowGivesEmptyRoleAndScope)
{
    const int id = AddUser("orphan", "孤儿", "1");
    Sql("update hb_SysUser set RoleID=99 where ID=?", {id});
    Type("orphan", "1");
    PressLogin();
    ASSERT_TRUE(LoggedIn());
    EXPECT_EQ(CurrentUser.RoleName, "");
    EXPECT_EQ(CurrentUser.FindRole, "");
}

TEST_F(LoginTest, AdministratorRoleComesFromRoleRowZero)
{
    Sql("delete from hb_SysRole where ID=0");
    Type("admin", "admin");
    PressLogin();
    ASSERT_TRUE(LoggedIn());
    EXPECT_FALSE(CurrentUser.isAdministrator());
}

TEST_F(LoginTest, CancelClosesWithoutUser)
{
    Click(Child<QToolButton>(form.get(), "SpeedButton1"));
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(CurrentUser.UserID.isEmpty());
}

TEST_F(LoginTest, WindowSystemCloseAndEscEndLikeCancel)
{
    form->close();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
    form->show();
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(CurrentUser.UserID.isEmpty());
}

TEST_F(LoginTest, MissingDatabaseShowsErrorAndCreatesNothing)
{
    const QString missing = DatabasePath() + ".missing";
    dm().SetDatabasePath(missing);
    Type("admin", "admin");
    PressLogin();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains("unable to open database file")) << errors.first().toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(LoggedIn());
    EXPECT_FALSE(QFile::exists(missing));
}
