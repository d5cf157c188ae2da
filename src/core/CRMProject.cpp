// The program's main block: the main window, the login window and the data module, then the
// login; the main window opens only after a successful login.
#include "core/CRMApplication.h"
#include "core/LoginUnit.h"
#include "core/MainUnit.h"
#include "core/dmUnit.h"
#include "ui/Dialogs.h"

int main(int argc, char** argv)
{
    TCRMApplication app(argc, argv);
    TMainForm mainForm;
    TLoginForm loginForm;
    dm();
    if (ui::RunModal(&loginForm) != QDialog::Accepted)
        return 0;   // 取消, Esc or the window system's close: no main window without a user
    mainForm.showMaximized();
    return app.exec();
}
