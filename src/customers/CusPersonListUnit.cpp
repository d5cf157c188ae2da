#include "customers/CusPersonListUnit.h"

#include "core/SqlDialect.h"
#include "core/dmUnit.h"
#include "customers/CusPersonUnit.h"
#include "ui/FormParts.h"
#include "ui/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace {
TListConfig CusPersonListConfig()
{
    TListConfig c;
    c.table = "hb_CustomerPerson";
    c.columns = {{"CusName", "客户名称"}, {"PersonName", "联系人"}, {"Birthday", "出生日期"},
                 {"CusDept", "所属部门"}, {"Sex", "性别"},         {"Phone", "联系电话"},
                 {"MovePhone", "手机"},   {"eMail", "电子邮箱"},   {"Address", "地址"}};
    c.orderBy = "Date1, ID";
    c.countFormat = "共:%1条记录 ";
    c.countLabelName = "SumCount";
    return c;
}
}

TCusPersonListForm::TCusPersonListForm(QWidget* parent) : TListScreen(CusPersonListConfig(), parent)
{
    setObjectName("CusPersonListForm");
    SetSidePanel(ui::SearchPanel(this, {"客户名称", "联系人"}, &TypeName, &TypeText));
    QWidget* bar = ui::ToolBar(this);
    auto* add = ui::AddToolButton(bar, "bsSkinSpeedButton1", "新增", QStyle::SP_FileDialogNewFolder);
    auto* edit = ui::AddToolButton(bar, "bsSkinSpeedButton5", "修改", QStyle::SP_FileDialogDetailedView);
    auto* find = ui::AddToolButton(bar, "bsSkinSpeedButton2", "查找", QStyle::SP_FileDialogContentsView);
    auto* del = ui::AddToolButton(bar, "bsSkinSpeedButton3", "删除", QStyle::SP_TrashIcon);
    auto* close = ui::AddToolButton(bar, "bsSkinSpeedButton4", "关闭", QStyle::SP_DialogCloseButton);
    ui::EndToolBar(bar);
    SetBottomBar(bar);
    connect(add, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
    connect(edit, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton5Click(); }));
    connect(find, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton2Click(); }));
    connect(del, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton3Click(); }));
    connect(close, &QToolButton::clicked, this, [this] { bsSkinSpeedButton4Click(); });
    connect(TypeText, &QLineEdit::returnPressed, this, ui::guarded([this] { bsSkinSpeedButton2Click(); }));
}

void TCusPersonListForm::FormShow()
{
    SetOwnRowsFilter();
    RefreshList();
}

void TCusPersonListForm::bsSkinSpeedButton1Click()
{
    TCusPersonForm dlg(this);
    dlg.EditMode = "add";
    dlg.Open();
    RefreshList();
}

void TCusPersonListForm::bsSkinSpeedButton5Click()
{
    if (RowCount() == 0)
        return;
    TCusPersonForm dlg(this);
    dlg.EditMode = "edit";
    dlg.RecordID = SelectedID();
    dlg.Open();
    RefreshList();
}

void TCusPersonListForm::bsSkinSpeedButton2Click()
{
    SetOwnRowsFilter();
    const QString type = TypeName->currentText();
    QString column;
    if (type == QStringLiteral("客户名称"))
        column = "CusName";
    else if (type == QStringLiteral("联系人"))
        column = "PersonName";
    if (!column.isEmpty()) {
        FilterText += " and " + SqlDialect::Like(column);
        FilterParams << SqlDialect::LikeContains(TypeText->text());
    }
    RefreshList();
}

void TCusPersonListForm::bsSkinSpeedButton3Click()
{
    if (RowCount() == 0)
        return;
    if (!ui::AskQuestion("是否删除当前记录？", "提示"))
        return;
    dm().Run("delete from hb_CustomerPerson where ID=?", {SelectedID()});
    RefreshList();
}

void TCusPersonListForm::bsSkinSpeedButton4Click() { close(); }
