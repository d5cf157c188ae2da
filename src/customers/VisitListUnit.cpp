#include "customers/VisitListUnit.h"

#include "core/SqlDialect.h"
#include "core/dmUnit.h"
#include "ui/FormParts.h"
#include "customers/VisitInfoUnit.h"
#include "ui/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace {
TListConfig VisitListConfig()
{
    TListConfig c;
    c.table = "hb_VisitInfo";
    c.columns = {{"VisCode", "编号"},       {"CusName", "客户名称"},     {"VisPerson", "接待人"},
                 {"VisType", "接触方式"},   {"VisState", "拜访情况"},    {"VisDate", "拜访日期"},
                 {"VisTime", "拜访时间"},   {"NextDate", "下次拜访日期"}, {"GTMB", "沟通目标"},
                 {"GTNR", "沟通内容"}};
    c.orderBy = "Date1 desc, ID desc";
    c.countFormat = "共:%1条记录";
    c.countLabelName = "Label3";
    return c;
}
}

TVisitListForm::TVisitListForm(QWidget* parent) : TListScreen(VisitListConfig(), parent)
{
    setObjectName("VisitListForm");
    SetSidePanel(ui::SearchPanel(this, {"客户名称"}, &TypeName, &TypeText));
    QWidget* bar = ui::ToolBar(this);
    auto* add = ui::AddToolButton(bar, "bsSkinSpeedButton1", "新增", QStyle::SP_FileDialogNewFolder);
    auto* edit = ui::AddToolButton(bar, "bsSkinSpeedButton2", "修改", QStyle::SP_FileDialogDetailedView);
    auto* find = ui::AddToolButton(bar, "bsSkinSpeedButton3", "查找", QStyle::SP_FileDialogContentsView);
    auto* del = ui::AddToolButton(bar, "bsSkinSpeedButton4", "删除", QStyle::SP_TrashIcon);
    auto* close = ui::AddToolButton(bar, "bsSkinSpeedButton5", "关闭", QStyle::SP_DialogCloseButton);
    ui::EndToolBar(bar);
    SetBottomBar(bar);
    connect(add, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
    connect(edit, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton2Click(); }));
    connect(find, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton3Click(); }));
    connect(del, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton4Click(); }));
    connect(close, &QToolButton::clicked, this, [this] { bsSkinSpeedButton5Click(); });
    connect(TypeText, &QLineEdit::returnPressed, this, ui::guarded([this] { bsSkinSpeedButton3Click(); }));
}

void TVisitListForm::FormShow()
{
    SetOwnRowsFilter();
    RefreshList();
}

void TVisitListForm::bsSkinSpeedButton1Click()
{
    TVisitInfoForm dlg(this);
    dlg.EditMode = "add";
    dlg.Open();
    RefreshList();
}

void TVisitListForm::bsSkinSpeedButton2Click()
{
    if (RowCount() == 0)
        return;
    TVisitInfoForm dlg(this);
    dlg.EditMode = "edit";
    dlg.RecordID = SelectedID();
    dlg.Open();
    RefreshList();
}

void TVisitListForm::bsSkinSpeedButton3Click()
{
    // Only the customer name is searched; the choice box has that one item.
    SetOwnRowsFilter();
    FilterText += " and " + SqlDialect::Like("CusName");
    FilterParams << SqlDialect::LikeContains(TypeText->text());
    RefreshList();
}

void TVisitListForm::bsSkinSpeedButton4Click()
{
    if (RowCount() == 0)
        return;
    if (!ui::AskQuestion("是否删除当前记录？", "提示"))
        return;
    dm().Run("delete from hb_VisitInfo where ID=?", {SelectedID()});
    RefreshList();
}

void TVisitListForm::bsSkinSpeedButton5Click() { close(); }
