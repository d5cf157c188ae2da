#include "sales/DueListUnit.h"

#include "core/Clock.h"
#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/SqlDialect.h"
#include "core/dmUnit.h"
#include "sales/DueUnit.h"
#include "ui/FormParts.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QToolButton>

namespace {
// The state of a payment, fetched with each row for its colour.
const QString StateField = QStringLiteral("IsDel");

TListConfig dueListConfig()
{
    TListConfig config;
    config.table = QStringLiteral("hb_Due");
    config.key = QStringLiteral("id");
    config.columns = {{"DueNum", "编号"},        {"OrderID", "订单编号"},   {"CusName", "客户名称"},
                      {"Amount", "回款金额"},    {"MethordName", "回款方式"}, {"DueDate", "回款日期"},
                      {"DueUser", "回款人"},     {"Remarks", "备注"}};
    config.hiddenFields = {StateField};
    config.orderBy = QStringLiteral("id desc");
    config.countFormat = QStringLiteral("共:%1条记录");
    config.countLabelName = QStringLiteral("Label3");
    return config;
}
}

TDueListForm::TDueListForm(QWidget* parent)
    : TListScreen(dueListConfig(), parent), TypeName(new QComboBox(this)), TypeText(new QLineEdit(this))
{
    setObjectName(QStringLiteral("DueListForm"));
    TypeName->setObjectName(QStringLiteral("TypeName"));
    TypeName->setEditable(true);
    TypeName->setInsertPolicy(QComboBox::NoInsert);
    TypeName->addItems({QStringLiteral("客户名称"), QStringLiteral("回款人")});
    TypeName->setCurrentText(QStringLiteral("客户名称"));
    TypeText->setObjectName(QStringLiteral("TypeText"));
    SetSidePanel(ui::SearchPanel(this, TypeName, TypeText));

    QToolButton* add = ui::ToolButton(this, "bsSkinSpeedButton1", QStringLiteral("新增"), QStyle::SP_FileIcon);
    QToolButton* find = ui::ToolButton(this, "bsSkinSpeedButton2", QStringLiteral("查找"), QStyle::SP_FileDialogContentsView);
    QToolButton* reverse = ui::ToolButton(this, "bsSkinSpeedButton3", QStringLiteral("冲账"), QStyle::SP_BrowserReload);
    QToolButton* close = ui::ToolButton(this, "bsSkinSpeedButton4", QStringLiteral("关闭"), QStyle::SP_DialogCloseButton);
    SetBottomBar(ui::ToolBar(this, {add, find, reverse, close}));

    // Every cell of a row in the colour of its state: reversal rows red, reversed payments navy.
    Model()->RowForeground = [](const QSqlRecord& row) -> QVariant {
        const QString state = row.value(StateField).toString();
        if (state == QLatin1String("-1"))
            return QColor(Qt::red);
        if (state == QLatin1String("1"))
            return QColor(0, 0, 128);
        return QColor(Qt::black);
    };

    connect(add, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
    connect(find, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton2Click(); }));
    connect(reverse, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton3Click(); }));
    connect(close, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton4Click(); }));
    connect(TypeText, &QLineEdit::returnPressed, this, ui::guarded([this] { bsSkinSpeedButton2Click(); }));
}

void TDueListForm::FormShow()
{
    FilterText = QStringLiteral("1=1");
    FilterParams.clear();
    RefreshList();
}

void TDueListForm::bsSkinSpeedButton1Click()
{
    TDueForm editor(this);
    editor.EditMode = QStringLiteral("add");
    editor.Open();
    RefreshList();
}

void TDueListForm::bsSkinSpeedButton2Click()
{
    if (TypeName->currentText() == QStringLiteral("客户名称")) {
        FilterText = SqlDialect::Like(QStringLiteral("CusName"));
        FilterParams = {SqlDialect::LikeContains(TypeText->text())};
    } else {
        FilterText = QStringLiteral("DueUser=?");
        FilterParams = {TypeText->text()};
    }
    RefreshList();
}

void TDueListForm::bsSkinDBGrid1DblClick()
{
    if (RowCount() < 1 || SelectedID() == 0)
        return;
    TDueForm editor(this);
    editor.EditMode = QStringLiteral("see");
    editor.RecordID = SelectedID();
    editor.Open();
}

void TDueListForm::bsSkinSpeedButton3Click()
{
    if (RowCount() < 1)
        return;
    if (!ui::AskQuestion(QStringLiteral("您真的要将当前记录红冲吗？")))
        return;
    if (SelectedValue(StateField).toString() != QLatin1String("0")) {
        ui::ShowMessage(QStringLiteral("此条记录不是原始单据，无法进行此操作！"));
        return;
    }
    ReversePayment(SelectedID());
    RefreshList();
}

void TDueListForm::ReversePayment(int id)
{
    // The reversal row, the mark on the reversed payment and the order's paid amount falling back
    // by the reversed amount are stored together or not at all.
    TTransaction transaction;
    dm().Run(QStringLiteral("insert into hb_Due(DueNum,OrderID,CusID,CusName,Amount,DueDate,DueUser,MethordName,Remarks,"
                            "UserID,UserName,DeptID,DeptName,Date1,IsDel) select DueNum,OrderID,CusID,CusName,-Amount,DueDate,"
                            "DueUser,MethordName,Remarks,?,?,?,?,?,-1 from hb_Due where id=? and IsDel=0"),
             {CurrentUser.UserID.toLongLong(), CurrentUser.UserName, CurrentUser.DeptID.toLongLong(), CurrentUser.DeptName,
              ui::DateText(Clock::today()), id});
    dm().Run(QStringLiteral("update hb_OrderInfo set yfMoney=coalesce(yfMoney,0)-(select Amount from hb_Due where id=?) "
                            "where OrderID=(select OrderID from hb_Due where id=? and IsDel=0) and OrderID<>''"),
             {id, id});
    dm().Run(QStringLiteral("update hb_Due set IsDel=1 where id=? and IsDel=0"), {id});
    if (!transaction.commit())
        throw DbError(QStringLiteral("the reversal could not be committed"));
}

void TDueListForm::bsSkinSpeedButton4Click() { close(); }
