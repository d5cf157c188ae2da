#include "core/MainUnit.h"

#include "core/Clock.h"
#include "core/ScreenCatalog.h"
#include "core/dmUnit.h"
#include "ui/Dialogs.h"
#include "ui/EditorDialog.h"
#include "ui/HostedScreen.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSqlQuery>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TCurrentUser CurrentUser;

namespace {
TMainForm* mainForm = nullptr;

enum class Kind { Submenu, Modal, Hosted, Separator, Exit };

struct MenuItem {
    const char* name;
    const char* caption;
    Kind kind;
    const char* target = "";      // screen class
    const char* modeField = "";   // "EditMode" or "ReportMode"
    const char* mode = "";
    const char* title = "";       // whole caption text; empty leaves the caption unchanged
};

#define TITLE(t) "Vorlin客户关系管理V1.10--【" t "】"

// The whole main menu in menu order. A Submenu entry opens the top-level menu that the
// following entries belong to.
const MenuItem Menu[] = {
    {"N3", "工作计划", Kind::Submenu},
    {"DayMenu", "新增日程", Kind::Modal, "TDayWorkForm", "EditMode", "add"},
    {"DayLMenu", "日程管理", Kind::Hosted, "TDayWorkListForm", "", "", TITLE("日程安排")},
    {"N6", "-", Kind::Separator},
    {"WeekMenu", "新增周计划", Kind::Modal, "TWeekWorkForm", "EditMode", "add"},
    {"WeekLMenu", "周计划管理", Kind::Hosted, "TWeekWorkListForm", "", "", TITLE("周计划")},
    {"N9", "-", Kind::Separator},
    {"MonthMenu", "新增月计划", Kind::Modal, "TMonthWorkForm", "EditMode", "add"},
    {"MonthLMenu", "月计划管理", Kind::Hosted, "TMonthWorkListForm", "", "", TITLE("月计划")},
    {"N1", "客户管理", Kind::Submenu},
    {"CustomerMenu", "新增客户", Kind::Modal, "TCustomerInfoForm", "EditMode", "add"},
    {"CustomerLMenu", "客户管理", Kind::Hosted, "TCustomerListForm", "", "", TITLE("客户管理")},
    {"N37", "-", Kind::Separator},
    {"CusPersonMenu", "新增联系人", Kind::Modal, "TCusPersonForm", "EditMode", "add"},
    {"CusPersonLMenu", "联系人管理", Kind::Hosted, "TCusPersonListForm", "", "", TITLE("联系人管理")},
    {"N40", "-", Kind::Separator},
    {"VisitMenu", "新增拜访记录", Kind::Modal, "TVisitInfoForm", "EditMode", "add"},
    {"VisitLMenu", "拜访记录管理", Kind::Hosted, "TVisitListForm", "", "", TITLE("拜访记录管理")},
    {"N12", "销售管理", Kind::Submenu},
    {"OrderMenu", "新增订单", Kind::Modal, "TOrderForm", "EditMode", "add"},
    {"OrderLMenu", "订单管理", Kind::Hosted, "TOrderListForm", "", "", TITLE("订单管理")},
    {"N15", "-", Kind::Separator},
    {"DueMenu", "新增回款", Kind::Modal, "TDueForm", "EditMode", "add"},
    {"DueLMenu", "回款管理", Kind::Hosted, "TDueListForm", "", "", TITLE("回款管理")},
    {"N18", "邮件管理", Kind::Submenu},
    {"eMailMenu", "发送邮件", Kind::Hosted, "TSendMailForm", "", "", TITLE("发送邮件")},
    {"eMailLMenu", "邮件管理", Kind::Hosted, "TMailListForm", "", "", TITLE("邮件管理")},
    {"N60", "-", Kind::Separator},
    {"eMailServerMenu", "邮件服务器", Kind::Modal, "TMailServerForm"},
    {"N21", "列表明细", Kind::Submenu},
    {"CustomerRMenu", "客户明细", Kind::Hosted, "TLCustomerForm", "", "", TITLE("客户明细")},
    {"CusPersonRMenu", "联系人明细", Kind::Hosted, "TLCusPersonForm", "", "", TITLE("联系人明细")},
    {"VisitRMenu", "拜访记录明细", Kind::Hosted, "TLVisitForm", "", "", TITLE("拜访记录明细")},
    {"N47", "-", Kind::Separator},
    {"OrderRMenu", "订单明细", Kind::Hosted, "TLOrderForm", "", "", TITLE("订单明细")},
    {"DueRMenu", "回款明细", Kind::Hosted, "TLDueForm", "", "", TITLE("回款明细")},
    {"N48", "-", Kind::Separator},
    {"DayRMenu", "日程明细", Kind::Hosted, "TLDayWorkForm", "", "", TITLE("日程明细")},
    {"WeekRMenu", "周计划明细", Kind::Hosted, "TLWeekWorkForm", "", "", TITLE("周计划明细")},
    {"MonthRMenu", "月计划明细", Kind::Hosted, "TLMonthWorkForm", "", "", TITLE("月计划明细")},
    {"N52", "统计报表", Kind::Submenu},
    {"CustomerTMenu", "客户增长统计", Kind::Hosted, "TRCustomerRatioForm", "ReportMode", "0", TITLE("客户增长统计")},
    {"VisitTMenu", "拜访情况统计", Kind::Hosted, "TRCustomerRatioForm", "ReportMode", "1", TITLE("拜访情况统计")},
    {"VisitFMenu", "拜访情况分析", Kind::Hosted, "TRVisitForm", "", "", TITLE("拜访情况分析")},
    {"N56", "-", Kind::Separator},
    {"CurReDueMenu", "本月回款排行榜", Kind::Hosted, "TRDueForm", "", "", TITLE("本月回款排行榜")},
    {"CurSaleMenu", "本月销售排行榜(按合同额)", Kind::Hosted, "TROrderInfoForm", "ReportMode", "0",
     TITLE("本月销售精英排行榜(按合同额)")},
    {"CurSaleCountMenu", "本月销售排行榜(按订单数)", Kind::Hosted, "TROrderInfoForm", "ReportMode", "1",
     TITLE("本月销售精英排行榜(按订单数)")},
    {"N22", "系统管理", Kind::Submenu},
    {"N23", "修改密码", Kind::Modal, "TChangPwdForm"},
    {"UserMenu", "新增用户", Kind::Modal, "TSysUserInfoForm", "EditMode", "add"},
    {"UserLMenu", "用户管理", Kind::Hosted, "TSysUserForm"},
    {"N26", "-", Kind::Separator},
    {"GoodsMenu", "产品管理", Kind::Hosted, "TProductForm", "", "", TITLE("产品管理")},
    {"RoleMenu", "权限管理", Kind::Hosted, "TSysRoleForm", "", "", TITLE("权限管理")},
    {"DeptMenu", "部门管理", Kind::Hosted, "TSysDeptForm", "EditMode", "add"},
    {"N29", "-", Kind::Separator},
    {"DatumMenu", "数据字典", Kind::Hosted, "TSysDatumForm", "EditMode", "add"},
    {"AreaMenu", "地区管理", Kind::Hosted, "TSysAreaForm", "EditMode", "add"},
    {"MoveWorkMenu", "移交工作", Kind::Hosted, "TChangeWorkForm", "", "", TITLE("工作移交")},
    {"N34", "-", Kind::Separator},
    {"N35", "退出系统", Kind::Exit},
};
#undef TITLE

QString u(const char* text) { return QString::fromUtf8(text); }
}

TMainForm* MainForm() { return mainForm; }

QString TMainForm::VendorLine()
{
    return QStringLiteral("  Pemrox软件工作室  电话：020-8888-6666  网址：www.pemrox.example");
}

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    mainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Caption());
    BuildMenu();
    BuildToolBar();
    panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(panel);
    BuildStatusBar();
    resize(1280, 800);
}

void TMainForm::BuildMenu()
{
    QMenu* menu = nullptr;
    for (const MenuItem& item : Menu) {
        const QString name = u(item.name);
        QAction* action = nullptr;
        switch (item.kind) {
        case Kind::Submenu:
            menu = menuBar()->addMenu(u(item.caption));
            menu->setObjectName(name);
            menu->setSeparatorsCollapsible(true);
            action = menu->menuAction();
            break;
        case Kind::Separator:
            action = menu->addSeparator();
            break;
        case Kind::Modal: {
            action = menu->addAction(u(item.caption));
            const QString target = u(item.target);
            const QString mode = u(item.mode);
            connect(action, &QAction::triggered, this, ui::guarded([this, target, mode] { OpenEditor(target, mode); }));
            break;
        }
        case Kind::Hosted: {
            action = menu->addAction(u(item.caption));
            const QString target = u(item.target), field = u(item.modeField), mode = u(item.mode), title = u(item.title);
            connect(action, &QAction::triggered, this,
                    ui::guarded([this, target, field, mode, title] { ScreenHost(target, field, mode, title); }));
            break;
        }
        case Kind::Exit:
            action = menu->addAction(u(item.caption));
            connect(action, &QAction::triggered, this, [this] { N35Click(); });
            break;
        }
        action->setObjectName(name);
        actions.insert(name, action);
        actionOrder << action;
        if (item.kind != Kind::Submenu)
            menuOf.insert(action, menu);
    }
}

QToolButton* TMainForm::AddToolButton(const QString& name, const QString& label, const QIcon& icon)
{
    auto* bar = findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(label);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

void TMainForm::BuildToolBar()
{
    auto* bar = addToolBar(QStringLiteral("工具栏"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    QStyle* s = style();
    QToolButton* desk = AddToolButton(QStringLiteral("SpeedButton1"), QStringLiteral("返回桌面"),
                                      s->standardIcon(QStyle::SP_DesktopIcon));
    QToolButton* day = AddToolButton(QStringLiteral("SpeedButton4"), QStringLiteral("新增日程"),
                                     s->standardIcon(QStyle::SP_FileDialogNewFolder));
    QToolButton* pwd = AddToolButton(QStringLiteral("SpeedButton2"), QStringLiteral("修改密码"),
                                     s->standardIcon(QStyle::SP_DialogApplyButton));
    QToolButton* quit = AddToolButton(QStringLiteral("SpeedButton3"), QStringLiteral("退出系统"),
                                      s->standardIcon(QStyle::SP_DialogCloseButton));
    connect(desk, &QToolButton::clicked, this, ui::guarded([this] {
                ScreenHost(QStringLiteral("TWarnForm"), {}, {}, QStringLiteral("Vorlin客户关系管理V1.10--【桌面】"));
            }));
    connect(day, &QToolButton::clicked, this,
            ui::guarded([this] { OpenEditor(QStringLiteral("TDayWorkForm"), QStringLiteral("add")); }));
    connect(pwd, &QToolButton::clicked, this, ui::guarded([this] { OpenEditor(QStringLiteral("TChangPwdForm"), {}); }));
    connect(quit, &QToolButton::clicked, this, [this] { N35Click(); });
}

void TMainForm::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StateTitle"));
    customerPanel = new QLabel(bar);
    customerPanel->setObjectName(QStringLiteral("Customer"));
    userPanel = new QLabel(bar);
    userPanel->setObjectName(QStringLiteral("bsSkinStatusPanel1"));
    bar->addWidget(customerPanel, 1);
    bar->addPermanentWidget(userPanel);
}

THostedScreen* TMainForm::ScreenHost(const QString& className, const QString& modeField, const QString& mode,
                                     const QString& title)
{
    if (!ScreenCatalog().Has(className))
        return nullptr;   // a screen this build does not have yet
    if (currentScreen)
        currentScreen->hide();
    THostedScreen* screen = hosted.value(className);
    if (!screen) {
        screen = ScreenCatalog().CreateHosted(className, panel);
        if (!screen)
            return nullptr;
        screen->hide();
        panel->layout()->addWidget(screen);
        hosted.insert(className, screen);
    }
    currentScreen = screen;
    if (modeField == QLatin1String("EditMode"))
        screen->EditMode = mode;
    else if (modeField == QLatin1String("ReportMode"))
        screen->ReportMode = mode;
    screen->show();
    if (!title.isEmpty())
        setWindowTitle(title);
    return screen;
}

void TMainForm::OpenEditor(const QString& className, const QString& editMode)
{
    TEditorDialog* dialog = ScreenCatalog().CreateEditor(className, this);
    if (!dialog)
        return;
    if (!editMode.isEmpty())
        dialog->EditMode = editMode;
    dialog->Open();
    dialog->deleteLater();
}

void TMainForm::ApplyPermissions()
{
    // One query for every item: the component names the role is granted.
    QSet<QString> granted;
    try {
        QSqlQuery q = dm().Run(QStringLiteral("select distinct MenuName from hb_SysPower where RoleName=?"),
                               {CurrentUser.RoleName});
        while (q.next())
            granted.insert(q.value(0).toString());
    } catch (const std::exception&) {
        granted.clear();   // a failed permission query grants nothing
    }
    for (QAction* action : actionOrder)
        if (!granted.contains(action->objectName()))
            action->setVisible(false);

    // A top-level menu shows exactly when at least one of its commands does, whether or not it
    // has a row of its own: a role granted commands sees their menu, and no menu opens empty.
    // Separators of such a menu show with it; the menu folds the ones left at its edges.
    QSet<QMenu*> withCommands;
    for (auto it = menuOf.cbegin(); it != menuOf.cend(); ++it)
        if (!it.key()->isSeparator() && it.key()->isVisible())
            withCommands.insert(it.value());
    for (QAction* action : actionOrder) {
        if (QMenu* menu = action->menu(); menu && !menuOf.contains(action))
            action->setVisible(withCommands.contains(menu));
        else if (action->isSeparator())
            action->setVisible(withCommands.contains(menuOf.value(action)));
    }
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownOnce)
        return;
    shownOnce = true;
    ui::RunGuarded([this] { FormShow(); });
}

void TMainForm::FormShow()
{
    if (ScreenCatalog().Has(QStringLiteral("TWarnForm"))) {
        THostedScreen* desk = ScreenCatalog().CreateHosted(QStringLiteral("TWarnForm"), panel);
        panel->layout()->addWidget(desk);
        hosted.insert(QStringLiteral("TWarnForm"), desk);
        currentScreen = desk;
        desk->show();
    }
    setWindowTitle(Caption());
    if (!CurrentUser.isAdministrator())
        ApplyPermissions();
    customerPanel->setText(VendorLine());
    userPanel->setText(QStringLiteral("  所属部门：") + CurrentUser.DeptName + QStringLiteral("      当前操作员：") +
                       CurrentUser.UserName + QStringLiteral("     登录日期：") +
                       Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void TMainForm::N35Click()
{
    if (!ui::AskQuestion(QStringLiteral("您真的要退出系统吗？"), QStringLiteral("退出系统")))
        return;
    exitConfirmed = true;
    close();
}

bool TMainForm::FormCloseQuery()
{
    if (exitConfirmed)
        return true;
    if (ui::AskQuestion(QStringLiteral("您真的要退出系统吗？"), QStringLiteral("退出系统"))) {
        exitConfirmed = true;
        return true;
    }
    return false;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
