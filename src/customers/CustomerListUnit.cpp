#include "customers/CustomerListUnit.h"

#include "core/CurrentUser.h"
#include "core/SqlDialect.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "customers/CustomerInfoUnit.h"
#include "ui/FormParts.h"
#include "customers/SeeCustomerUnit.h"
#include "ui/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace {
TListConfig CustomerListConfig()
{
    TListConfig c;
    c.table = "hb_CustomerInfo";
    c.columns = {{"CusCode", "客户编号"},     {"Customer", "客户名称"},    {"CusName", "客户简称"},
                 {"CusPerson", "主联系人"},   {"CusDept", "职务"},         {"CusType", "客户类型"},
                 {"CusSource", "客户来源"},   {"CusBind", "客户关系"},     {"CusBuyType", "经营模式"},
                 {"CusSumPerson", "人员规模"}, {"CusSumMoney", "注册资金"}, {"CusBusiness", "所属行业"},
                 {"CusYearMoney", "年营业额"}, {"CusPhone", "电话"},        {"CusFax", "传真"},
                 {"CusMovePhone", "手机"},    {"CusMail", "邮箱"},         {"CusAddress", "地址"},
                 {"Date1", "添加日期"}};
    c.orderBy = "Date1, ID";
    c.countFormat = "共：%1 条记录 ";
    c.countLabelName = "SumCount";
    return c;
}
}

TCustomerListForm::TCustomerListForm(QWidget* parent) : TListScreen(CustomerListConfig(), parent)
{
    setObjectName("CustomerListForm");
    SetSidePanel(ui::SearchPanel(this, {"客户名称", "客户简称", "客户编号"}, &TypeName, &TypeText));
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

void TCustomerListForm::FormShow()
{
    SetOwnRowsFilter();
    RefreshList();
}

void TCustomerListForm::bsSkinSpeedButton1Click()
{
    TCustomerInfoForm dlg(this);
    dlg.EditMode = "add";
    dlg.Open();
    RefreshList();
}

void TCustomerListForm::bsSkinSpeedButton2Click()
{
    if (RowCount() == 0)
        return;
    TCustomerInfoForm dlg(this);
    dlg.EditMode = "edit";
    dlg.RecordID = SelectedID();
    dlg.Open();
    RefreshList();
}

void TCustomerListForm::bsSkinSpeedButton3Click()
{
    SetOwnRowsFilter();
    const QString type = TypeName->currentText();
    QString column;
    if (type == QStringLiteral("客户名称"))
        column = "Customer";
    else if (type == QStringLiteral("客户简称"))
        column = "CusName";
    else if (type == QStringLiteral("客户编号"))
        column = "CusCode";
    if (!column.isEmpty()) {
        FilterText += " and " + SqlDialect::Like(column);
        FilterParams << SqlDialect::LikeContains(TypeText->text());
    }
    RefreshList();
}

void TCustomerListForm::bsSkinSpeedButton4Click()
{
    if (RowCount() == 0)
        return;
    const int id = SelectedID();
    if (GetSqlCount("select count(1) from hb_CustomerPerson where CusID=?", {id}) > 0) {
        ui::ShowMessage("请先删除联系人，再删除此客户！");
        return;
    }
    if (!ui::AskQuestion("是否删除当前记录？", "提示"))
        return;
    dm().Run("delete from hb_CustomerInfo where ID=?", {id});
    RefreshList();
}

void TCustomerListForm::bsSkinSpeedButton5Click() { close(); }

void TCustomerListForm::bsSkinDBGrid1DblClick()
{
    if (RowCount() == 0)
        return;
    TSeeCustomerForm dlg(this);
    dlg.EditMode = "see";
    dlg.RecordID = SelectedID();
    dlg.Open();
}
