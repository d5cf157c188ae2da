#pragma once
#include <QDialog>
#include <QSqlQuery>

class QLabel;
class QLineEdit;
class QToolButton;

// The login window: identifies the user against the user table and fills CurrentUser.
class TLoginForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoginForm(QWidget* parent = nullptr);

    // Checks the typed name and password against the active users; on success fills
    // CurrentUser and closes the window (accepted).
    void CheckLogin();

    static QString HintText();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SpeedButton2Click();   // 登录
    void SpeedButton1Click();   // 取消

    QLineEdit* txtName;
    QLineEdit* txtPwd;
    QLabel* Label3;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton1;
};
