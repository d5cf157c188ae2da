#include "sales/OrderListUnit.h"

#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/SqlDialect.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "sales/OrderUnit.h"
#include "ui/FormParts.h"
#include "ui/Dialogs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
TListConfig orderListConfig()
{
    TListConfig config;
    config.table = QStringLiteral("hb_OrderInfo");
    config.columns = {{"OrderID", "订单编号"}, {"CusName", "客户名称"},   {"OrderType", "订单来源"},
                      {"PayType", "支付方式"}, {"OrderState", "订单状态"}, {"TumoverDate", "促成日期"},
                      {"htMoney", "总金额"},   {"yfMoney", "已付金额"}};
    config.orderBy = QStringLiteral("Date1 desc, ID desc");
    config.countFormat = QStringLiteral("共:%1条记录");
    config.countLabelName = QStringLiteral("Label3");
    return config;
}
}

TOrderListForm::TOrderListForm(QWidget* parent)
    : TListScreen(orderListConfig(), parent), TypeName(new QComboBox(this)), TypeText(new QLineEdit(this))
{
    setObjectName(QStringLiteral("OrderListForm"));
    TypeName->setObjectName(QStringLiteral("TypeName"));
    TypeName->addItem(QStringLiteral("客户名称"));
    TypeName->setCurrentIndex(0);
    TypeText->setObjectName(QStringLiteral("TypeText"));
    SetSidePanel(ui::SearchPanel(this, TypeName, TypeText));

    QToolButton* add = ui::ToolButton(this, "bsSkinSpeedButton1", QStringLiteral("新增"), QStyle::SP_FileIcon);
    QToolButton* find = ui::ToolButton(this, "bsSkinSpeedButton3", QStringLiteral("查找"), QStyle::SP_FileDialogContentsView);
    QToolButton* del = ui::ToolButton(this, "bsSkinSpeedButton4", QStringLiteral("删除"), QStyle::SP_TrashIcon);
    QToolButton* close = ui::ToolButton(this, "bsSkinSpeedButton5", QStringLiteral("关闭"), QStyle::SP_DialogCloseButton);
    SetBottomBar(ui::ToolBar(this, {add, find, del, close}));

    connect(add, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
    connect(find, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton3Click(); }));
    connect(del, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton4Click(); }));
    connect(close, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton5Click(); }));
    connect(TypeText, &QLineEdit::returnPressed, this, ui::guarded([this] { bsSkinSpeedButton3Click(); }));
}

void TOrderListForm::FormShow()
{
    SetOwnRowsFilter();
    RefreshList();
}

void TOrderListForm::bsSkinSpeedButton1Click()
{
    TOrderForm editor(this);
    editor.EditMode = QStringLiteral("add");
    editor.Open();
    RefreshList();
}

void TOrderListForm::bsSkinSpeedButton3Click()
{
    // Always by the order's customer name, as a substring, among the user's own orders.
    FilterText = QStringLiteral("UserID=? and ") + SqlDialect::Like(QStringLiteral("CusName"));
    FilterParams = {CurrentUser.UserID.toLongLong(), SqlDialect::LikeContains(TypeText->text())};
    RefreshList();
}

void TOrderListForm::bsSkinDBGrid1DblClick()
{
    if (RowCount() < 1 || SelectedID() == 0)
        return;
    TOrderForm editor(this);
    editor.EditMode = QStringLiteral("see");
    editor.RecordID = SelectedID();
    editor.Open();
}

void TOrderListForm::bsSkinSpeedButton4Click()
{
    if (RowCount() < 1)
        return;
    if (!ui::AskQuestion(QStringLiteral("是否删除当前记录？")))
        return;
    DeleteOrder();
    RefreshList();
}

void TOrderListForm::DeleteOrder()
{
    const int id = SelectedID();
    if (id == 0)
        return;
    const QString orderId = SelectedValue(QStringLiteral("OrderID")).toString();
    // Every payment row counts, reversed ones and reversal rows too.
    if (GetSqlCount(QStringLiteral("select count(1) from hb_Due where OrderID=?"), {orderId}) > 0) {
        ui::ShowMessage(QStringLiteral("此订单已回款，无法删除！"));
        return;
    }
    int deleted = 0;
    try {
        // The header and its lines go together.
        TTransaction transaction;
        deleted = dm().Run(QStringLiteral("delete from hb_OrderInfo where ID=?"), {id}).numRowsAffected();
        // Lines belong to the order number; they stay while another header still bears it.
        dm().Run(QStringLiteral("delete from hb_OrderDetail where OrderID=? and not exists "
                                "(select 1 from hb_OrderInfo where OrderID=?)"),
                 {orderId, orderId});
        if (!transaction.commit())
            throw DbError(QStringLiteral("commit failed"));
    } catch (const DbError&) {
        deleted = 0;
    }
    ui::ShowMessage(deleted > 0 ? QStringLiteral("记录已删除！") : QStringLiteral("无法删除记录！"));
}

void TOrderListForm::bsSkinSpeedButton5Click() { close(); }
