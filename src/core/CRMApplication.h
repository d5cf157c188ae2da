#pragma once
#include <QApplication>

// The application object: Chinese standard buttons and dialogs, the program's look, and the
// last resort for an error that no screen caught (the standard error box; the program goes on).
class TCRMApplication : public QApplication {
    Q_OBJECT
public:
    TCRMApplication(int& argc, char** argv);
    ~TCRMApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;
};
