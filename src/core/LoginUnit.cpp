#include "core/LoginUnit.h"

#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "ui/Dialogs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSqlError>
#include <QToolButton>

namespace {
const QSize WindowSize(560, 340);
}

TLoginForm::TLoginForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), txtName(new QLineEdit(this)),
      txtPwd(new QLineEdit(this)), Label3(new QLabel(this)), SpeedButton2(new QToolButton(this)),
      SpeedButton1(new QToolButton(this))
{
    setObjectName(QStringLiteral("LoginForm"));
    setWindowTitle(QStringLiteral("Vorlin客户关系管理"));
    setFixedSize(WindowSize);
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/images/login.png")).scaled(WindowSize));
    picture->setGeometry(0, 0, WindowSize.width(), WindowSize.height());
    picture->lower();

    const QString labelStyle = QStringLiteral("color:#17375e; font-size:14px; font-weight:bold; background:transparent;");
    auto* nameLabel = new QLabel(QStringLiteral("用户名称："), this);
    nameLabel->setObjectName(QStringLiteral("Label1"));
    nameLabel->setStyleSheet(labelStyle);
    nameLabel->setGeometry(150, 150, 90, 26);
    auto* pwdLabel = new QLabel(QStringLiteral("用户密码："), this);
    pwdLabel->setObjectName(QStringLiteral("Label2"));
    pwdLabel->setStyleSheet(labelStyle);
    pwdLabel->setGeometry(150, 190, 90, 26);

    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(240, 150, 180, 26);
    txtPwd->setObjectName(QStringLiteral("txtPwd"));
    txtPwd->setGeometry(240, 190, 180, 26);
    txtPwd->setEchoMode(QLineEdit::Password);
    txtPwd->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));   // '*'
    txtPwd->installEventFilter(this);

    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color:#5a6b7d; background:transparent;"));
    Label3->setGeometry(150, 222, 380, 22);

    const QString buttonStyle = QStringLiteral(
        "QToolButton{color:white; font-size:14px; font-weight:bold; border:1px solid #1d4f8c; border-radius:4px;"
        " background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #4f8fd6,stop:1 #2a62a8);}"
        "QToolButton:pressed{background:#24578f;}");
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("登录"));
    SpeedButton2->setStyleSheet(buttonStyle);
    SpeedButton2->setGeometry(240, 258, 84, 30);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("取消"));
    SpeedButton1->setStyleSheet(buttonStyle);
    SpeedButton1->setGeometry(336, 258, 84, 30);

    connect(SpeedButton2, &QToolButton::clicked, this, ui::guarded([this] { SpeedButton2Click(); }));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
}

QString TLoginForm::HintText()
{
    return QStringLiteral("提示：系统管理员 用户名称 admin，用户密码 admin");
}

void TLoginForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Label3->setText(HintText());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TLoginForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPwd && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui::RunGuarded([this] { CheckLogin(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TLoginForm::SpeedButton2Click()
{
    if (txtName->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("用户名称不能为空！"));
        return;
    }
    if (txtPwd->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("用户密码不能为空！"));
        return;
    }
    CheckLogin();
}

void TLoginForm::SpeedButton1Click() { reject(); }

void TLoginForm::CheckLogin()
{
    QSqlQuery xxQuery = dm().Run(
        QStringLiteral("select a.ID,a.Pwd,a.UseName,a.DeptID,a.DeptName,b.RoleName,b.FindRole from hb_SysUser a "
                       "left join hb_SysRole b on a.RoleID=b.ID where a.State='在职' and a.LogName=? order by a.ID"),
        {txtName->text()});
    if (!xxQuery.next()) {
        ui::ShowMessage(QStringLiteral("此用户不存在！"));
        return;
    }
    if (EncodePassword(txtPwd->text()) != xxQuery.value(1).toString()) {
        txtPwd->clear();
        ui::ShowMessage(QStringLiteral("密码不正确！"));
        return;
    }
    CurrentUser.UserID = xxQuery.value(0).toString();
    CurrentUser.UserName = xxQuery.value(2).toString();
    CurrentUser.DeptID = xxQuery.value(3).toString();
    CurrentUser.DeptName = xxQuery.value(4).toString();
    CurrentUser.RoleName = xxQuery.value(5).toString();
    CurrentUser.FindRole = xxQuery.value(6).toString();
    accept();
}
