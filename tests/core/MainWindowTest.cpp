// The main window: menu, permissions, hosting, editors, status bar and the exit question.
#include "TestSupport.h"

#include "core/Clock.h"
#include "core/DbError.h"
#include "core/MainUnit.h"
#include "core/ScreenCatalog.h"
#include "ui/EditorDialog.h"
#include "ui/HostedScreen.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {
// A hosted screen that records what it saw when it was shown.
class TProbeScreen : public THostedScreen {
public:
    using THostedScreen::THostedScreen;
    static inline bool failNextShow = false;
    int shows = 0;
    QString modeAtShow;
    QString reportModeAtShow;

protected:
    void FormShow() override
    {
        ++shows;
        if (failNextShow) {
            failNextShow = false;
            throw DbError("no such table: hb_Gone");
        }
        modeAtShow = EditMode;
        reportModeAtShow = ReportMode;
    }
};

class TProbeEditor : public TEditorDialog {
public:
    using TEditorDialog::TEditorDialog;
};

class MainWindowTest : public TCrmTest {
protected:
    void SetUp() override
    {
        TCrmTest::SetUp();
        ScreenCatalog().AddHosted("TRCustomerRatioForm", [](QWidget* p) { return new TProbeScreen(p); });
        ScreenCatalog().AddHosted("TSysDeptForm", [](QWidget* p) { return new TProbeScreen(p); });
        ScreenCatalog().AddEditor("TDayWorkForm", [](QWidget* p) { return new TProbeEditor(p); });
    }
    void TearDown() override
    {
        form.reset();
        TCrmTest::TearDown();
    }
    void Open()
    {
        form = std::make_unique<TMainForm>();
        form->show();
    }
    // A role of its own with permission rows for the given component names, and a user of it.
    void LoginWithRows(const QStringList& rows)
    {
        Sql("insert into hb_SysRole(ID,RoleName,FindRole,Vis) values(50,'测试角色','2',1)");
        for (const QString& name : rows)
            Sql("insert into hb_SysPower(RoleName,MenuName) values('测试角色',?)", {name});
        LoginAs(AddUser("t", "测试员", "1", 50));
    }
    bool Shown(const char* name) const { return form->MenuAction(QString::fromUtf8(name))->isVisible(); }
    QStringList VisibleTopMenus() const
    {
        QStringList names;
        for (QAction* a : form->menuBar()->actions())
            if (a->isVisible())
                names << a->objectName();
        return names;
    }
    QStringList VisibleCommands(const char* menu) const
    {
        QStringList names;
        for (QAction* a : form->findChild<QMenu*>(QString::fromUtf8(menu))->actions())
            if (a->isVisible() && !a->isSeparator())
                names << a->objectName();
        return names;
    }
    TProbeScreen* Probe(const char* className) const
    {
        return static_cast<TProbeScreen*>(form->HostedScreen(QString::fromUtf8(className)));
    }

    std::unique_ptr<TMainForm> form;
};
}

TEST_F(MainWindowTest, MenuHasEveryItemInOrder)
{
    LoginAsAdmin();
    Open();
    const QList<QPair<QString, QStringList>> expected = {
        {"N3", {"DayMenu", "DayLMenu", "N6", "WeekMenu", "WeekLMenu", "N9", "MonthMenu", "MonthLMenu"}},
        {"N1", {"CustomerMenu", "CustomerLMenu", "N37", "CusPersonMenu", "CusPersonLMenu", "N40", "VisitMenu", "VisitLMenu"}},
        {"N12", {"OrderMenu", "OrderLMenu", "N15", "DueMenu", "DueLMenu"}},
        {"N18", {"eMailMenu", "eMailLMenu", "N60", "eMailServerMenu"}},
        {"N21", {"CustomerRMenu", "CusPersonRMenu", "VisitRMenu", "N47", "OrderRMenu", "DueRMenu", "N48", "DayRMenu",
                 "WeekRMenu", "MonthRMenu"}},
        {"N52", {"CustomerTMenu", "VisitTMenu", "VisitFMenu", "N56", "CurReDueMenu", "CurSaleMenu", "CurSaleCountMenu"}},
        {"N22", {"N23", "UserMenu", "UserLMenu", "N26", "GoodsMenu", "RoleMenu", "DeptMenu", "N29", "DatumMenu",
                 "AreaMenu", "MoveWorkMenu", "N34", "N35"}},
    };
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), expected.size());
    for (int i = 0; i < top.size(); ++i) {
        EXPECT_EQ(top[i]->objectName(), expected[i].first);
        QStringList names;
        for (QAction* a : top[i]->menu()->actions()) {
            names << a->objectName();
            EXPECT_EQ(a->isSeparator(), a->objectName().startsWith('N') && a->text().isEmpty() && a->isSeparator());
            EXPECT_TRUE(a->isVisible()) << a->objectName().toStdString();
        }
        EXPECT_EQ(names, expected[i].second);
        EXPECT_EQ(top[i]->menu()->objectName(), expected[i].first);
    }
    struct Caption {
        const char* name;
        const char* caption;
    } captions[] = {{"N3", "工作计划"},         {"N1", "客户管理"},       {"N12", "销售管理"},
                    {"N18", "邮件管理"},        {"N21", "列表明细"},      {"N52", "统计报表"},
                    {"N22", "系统管理"},        {"VisitMenu", "新增拜访记录"}, {"MonthRMenu", "月计划明细"},
                    {"CurSaleCountMenu", "本月销售排行榜(按订单数)"}, {"MoveWorkMenu", "移交工作"},
                    {"N35", "退出系统"},        {"eMailServerMenu", "邮件服务器"}};
    for (const Caption& c : captions)
        EXPECT_EQ(form->MenuAction(c.name)->text(), QString::fromUtf8(c.caption)) << c.name;
}

TEST_F(MainWindowTest, ShowSetsCaptionAndStatusBar)
{
    Clock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(8, 5, 1)));
    LoginAsAdmin();
    Open();
    EXPECT_EQ(form->windowTitle(), "Vorlin客户关系管理V1.10");
    EXPECT_EQ(Child<QLabel>(form.get(), "bsSkinStatusPanel1")->text(),
              "  所属部门：总公司      当前操作员：系统管理员     登录日期：2026-03-09 08:05:01");
    EXPECT_FALSE(Child<QLabel>(form.get(), "Customer")->text().trimmed().isEmpty());
    EXPECT_NE(Child<QWidget>(form.get(), "Panel1"), nullptr);
    EXPECT_NE(Child<QWidget>(form.get(), "StateTitle"), nullptr);
}

TEST_F(MainWindowTest, AdministratorSeesEverythingWhateverThePermissionRows)
{
    Sql("delete from hb_SysPower");
    LoginAsAdmin();
    Open();
    EXPECT_EQ(VisibleTopMenus().size(), 7);
    EXPECT_EQ(VisibleCommands("N22").size(), 10);
}

TEST_F(MainWindowTest, RoleWithoutRowsSeesEmptyMenuBarAndFullToolBar)
{
    LoginWithRows({});
    Open();
    EXPECT_TRUE(VisibleTopMenus().isEmpty());
    for (const char* button : {"SpeedButton1", "SpeedButton4", "SpeedButton2", "SpeedButton3"})
        EXPECT_TRUE(Child<QToolButton>(form.get(), button)->isVisible()) << button;
}

TEST_F(MainWindowTest, RoleWithOneMenuAndOneCommand)
{
    LoginWithRows({"N1", "CustomerLMenu"});
    Open();
    EXPECT_EQ(VisibleTopMenus(), QStringList{"N1"});
    EXPECT_EQ(VisibleCommands("N1"), QStringList{"CustomerLMenu"});
}

TEST_F(MainWindowTest, CommandRowsAloneShowTheirMenus)
{
    // What the role screen writes: rows for commands only.
    LoginWithRows({"DayMenu", "OrderLMenu", "DueLMenu"});
    Open();
    EXPECT_EQ(VisibleTopMenus(), (QStringList{"N3", "N12"}));
    EXPECT_EQ(VisibleCommands("N12"), (QStringList{"OrderLMenu", "DueLMenu"}));
}

TEST_F(MainWindowTest, MenuRowWithoutCommandsStaysHidden)
{
    LoginWithRows({"N52", "N56", "N3", "DayLMenu"});
    Open();
    EXPECT_EQ(VisibleTopMenus(), QStringList{"N3"});
}

TEST_F(MainWindowTest, DeliveredSalespersonRoleSeesItsMenus)
{
    LoginAs(AddUser("sales", "李四", "1", 1));
    Open();
    EXPECT_EQ(VisibleTopMenus(), (QStringList{"N3", "N1", "N12", "N18", "N22"}));
    EXPECT_EQ(VisibleCommands("N22"), (QStringList{"N23", "N35"}));
    EXPECT_EQ(VisibleCommands("N1").size(), 6);
    EXPECT_FALSE(Shown("GoodsMenu"));
}

TEST_F(MainWindowTest, FailedPermissionQueryHidesEverything)
{
    LoginWithRows({"N1", "CustomerLMenu"});
    Sql("drop table hb_SysPower");
    Open();
    EXPECT_TRUE(VisibleTopMenus().isEmpty());
}

TEST_F(MainWindowTest, HostingHidesPreviousSetsModeBeforeShowAndTitleAfter)
{
    LoginAsAdmin();
    Open();
    form->MenuAction("VisitTMenu")->trigger();
    TProbeScreen* ratio = Probe("TRCustomerRatioForm");
    ASSERT_NE(ratio, nullptr);
    EXPECT_EQ(ratio->shows, 1);
    EXPECT_EQ(ratio->reportModeAtShow, "1");
    EXPECT_EQ(ratio->parentWidget(), form->Panel1());
    EXPECT_EQ(form->windowTitle(), "Vorlin客户关系管理V1.10--【拜访情况统计】");

    form->MenuAction("CustomerTMenu")->trigger();   // the same instance, reloaded in the other mode
    EXPECT_EQ(Probe("TRCustomerRatioForm"), ratio);
    EXPECT_EQ(ratio->shows, 2);
    EXPECT_EQ(ratio->reportModeAtShow, "0");
    EXPECT_EQ(form->windowTitle(), "Vorlin客户关系管理V1.10--【客户增长统计】");

    form->MenuAction("CustomerTMenu")->trigger();   // hosting the shown screen again reloads it
    EXPECT_EQ(ratio->shows, 3);

    form->MenuAction("DeptMenu")->trigger();        // no title: the caption stays
    TProbeScreen* dept = Probe("TSysDeptForm");
    ASSERT_NE(dept, nullptr);
    EXPECT_EQ(dept->modeAtShow, "add");
    EXPECT_TRUE(dept->isVisible());
    EXPECT_FALSE(ratio->isVisible());
    EXPECT_EQ(form->CurrentScreen(), dept);
    EXPECT_EQ(form->windowTitle(), "Vorlin客户关系管理V1.10--【客户增长统计】");
}

TEST_F(MainWindowTest, EditorsOpenAsFreshModalInstancesInAddMode)
{
    LoginAsAdmin();
    Open();
    QList<QDialog*> seen;
    QList<QObject*> parents;
    QStringList modes;
    const auto record = [&](QDialog* d) {
        seen << d;
        parents << d->parent();
        modes << static_cast<TEditorDialog*>(d)->EditMode;
        EXPECT_TRUE(d->isModal());
    };
    OnModal(record);
    OnModal(record);
    form->MenuAction("DayMenu")->trigger();
    Click(Child<QToolButton>(form.get(), "SpeedButton4"));
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(modes, (QStringList{"add", "add"}));
    EXPECT_EQ(parents, (QList<QObject*>{form.get(), form.get()}));
}

TEST_F(MainWindowTest, ExitAsksAndOnlyYesCloses)
{
    LoginAsAdmin();
    Open();
    Answer({false});
    form->MenuAction("N35")->trigger();
    EXPECT_TRUE(form->isVisible());
    Answer({false});
    form->close();                                  // the frame's close asks again
    EXPECT_TRUE(form->isVisible());
    Answer({true});
    Click(Child<QToolButton>(form.get(), "SpeedButton3"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->ExitConfirmed());
    EXPECT_EQ(questions, QStringList(3, "退出系统|您真的要退出系统吗？"));
}

TEST_F(MainWindowTest, FrameCloseAnsweredYesCloses)
{
    LoginAsAdmin();
    Open();
    Answer({true});
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, ErrorWhileAScreenLoadsShowsErrorBoxAndGoesOn)
{
    LoginAsAdmin();
    Open();
    TProbeScreen::failNextShow = true;
    form->MenuAction("DeptMenu")->trigger();
    EXPECT_EQ(errors, QStringList{"no such table: hb_Gone"});
    form->MenuAction("DeptMenu")->trigger();
    EXPECT_EQ(Probe("TSysDeptForm")->shows, 2);
    EXPECT_TRUE(Probe("TSysDeptForm")->isVisible());
}
