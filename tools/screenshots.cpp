// Makes the README's screenshots from the real program: the login window, then the main window
// after logging in as the delivered administrator.
//   crm-screenshots OUTDIR
#include "core/CRMApplication.h"
#include "core/LoginUnit.h"
#include "core/MainUnit.h"
#include "core/dmUnit.h"

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
    return 0;
}
