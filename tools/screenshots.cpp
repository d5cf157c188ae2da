// Makes the README's screenshots from the real program: the login window, then the main window
// after logging in as the delivered administrator.
//   crm-screenshots OUTDIR
#include "core/CRMApplication.h"
#include "core/LoginUnit.h"
#include "core/MainUnit.h"
#include "core/dmUnit.h"
#include "ui/Dialogs.h"

#include <QAction>

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TCRMApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    QDir().mkpath(out.path());

    TMainForm mainForm;
    TLoginForm loginForm;
    loginForm.show();
    QTest::qWait(50);
    loginForm.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("admin"));
    loginForm.findChild<QLineEdit*>(QStringLiteral("txtPwd"))->setText(QStringLiteral("admin"));
    loginForm.grab().save(out.filePath(QStringLiteral("login.png")));
    loginForm.findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click();
    if (loginForm.result() != QDialog::Accepted)
        return 1;
    mainForm.resize(1280, 800);
    mainForm.show();
    QTest::qWait(100);
    mainForm.grab().save(out.filePath(QStringLiteral("main.png")));

    // A list screen hosted in the workspace, and an editor dialog as it opens.
    mainForm.MenuAction(QStringLiteral("CustomerLMenu"))->trigger();
    QTest::qWait(50);
    mainForm.grab().save(out.filePath(QStringLiteral("customers.png")));
    ui::SetModalHook([&](QDialog* dialog) {
        dialog->show();
        QTest::qWait(50);
        dialog->grab().save(out.filePath(dialog->objectName() + QStringLiteral(".png")));
        return int(QDialog::Rejected);
    });
    mainForm.MenuAction(QStringLiteral("CustomerMenu"))->trigger();
    mainForm.MenuAction(QStringLiteral("OrderMenu"))->trigger();
    mainForm.MenuAction(QStringLiteral("DueMenu"))->trigger();
    ui::SetModalHook(nullptr);
    return 0;
}
