#pragma once
#include "core/CurrentUser.h"

#include <QMainWindow>
#include <QMap>
#include <QSet>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class THostedScreen;

// The application's frame: main menu, tool bar, the workspace Panel1 that hosts one screen at a
// time, the status bar, permission gating and the exit question.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    // Hosting a screen in Panel1: the previous screen is hidden, the screen is created once,
    // its mode field set, shown (which reloads it) and the caption set where a title is given.
    THostedScreen* ScreenHost(const QString& className, const QString& modeField = {}, const QString& mode = {},
                              const QString& title = {});
    // Opening an editor dialog modally as a fresh instance; nothing is refreshed afterwards.
    void OpenEditor(const QString& className, const QString& editMode);

    void ApplyPermissions();

    THostedScreen* CurrentScreen() const { return currentScreen; }
    THostedScreen* HostedScreen(const QString& className) const { return hosted.value(className); }
    QAction* MenuAction(const QString& name) const { return actions.value(name); }
    QWidget* Panel1() const { return panel; }
    bool ExitConfirmed() const { return exitConfirmed; }

    // The exit question asked by N35 and SpeedButton3.
    void N35Click();

    static QString Caption() { return QStringLiteral("Vorlin客户关系管理V1.10"); }
    static QString VendorLine();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;   // the close query

private:
    void BuildMenu();
    void BuildToolBar();
    void BuildStatusBar();
    void FormShow();
    bool FormCloseQuery();
    QToolButton* AddToolButton(const QString& name, const QString& label, const QIcon& icon);

    QWidget* panel = nullptr;
    QLabel* customerPanel = nullptr;
    QLabel* userPanel = nullptr;
    THostedScreen* currentScreen = nullptr;
    QMap<QString, THostedScreen*> hosted;
    QMap<QString, QAction*> actions;
    QList<QAction*> actionOrder;             // every menu item in creation order
    QMap<QAction*, QMenu*> menuOf;            // the top-level menu each command belongs to
    bool exitConfirmed = false;
    bool shownOnce = false;
};

TMainForm* MainForm();
