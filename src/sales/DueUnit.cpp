#include "sales/DueUnit.h"

#include "core/Clock.h"
#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "ui/FormParts.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* pickButton(QWidget* parent, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QStringLiteral("..."));
    return button;
}

QHBoxLayout* withButton(QLineEdit* edit, QToolButton* button)
{
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(button);
    return row;
}
}

TDueForm::TDueForm(QWidget* parent)
    : TEditorDialog(parent), DueNum(new QLineEdit(this)), OrderID(new QLineEdit(this)),
      bsSkinSpeedButton2(pickButton(this, "bsSkinSpeedButton2")), CusName(new QLineEdit(this)),
      bsSkinSpeedButton1(pickButton(this, "bsSkinSpeedButton1")), MethordName(new QComboBox(this)),
      Amount(new QLineEdit(this)), DueUser(new QComboBox(this)), DueDate(new QDateEdit(this)),
      Remarks(new QPlainTextEdit(this)), btnSave(new QPushButton(QStringLiteral("保存"), this)),
      btnClose(new QPushButton(QStringLiteral("关闭"), this))
{
    setObjectName(QStringLiteral("DueForm"));
    setWindowTitle(QStringLiteral("回款记录"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(460, 400);

    DueNum->setObjectName(QStringLiteral("DueNum"));
    OrderID->setObjectName(QStringLiteral("OrderID"));
    OrderID->setReadOnly(true);
    CusName->setObjectName(QStringLiteral("CusName"));
    CusName->setReadOnly(true);
    MethordName->setObjectName(QStringLiteral("MethordName"));
    MethordName->setEditable(true);
    MethordName->setInsertPolicy(QComboBox::NoInsert);
    Amount->setObjectName(QStringLiteral("Amount"));
    DueUser->setObjectName(QStringLiteral("DueUser"));
    DueUser->setEditable(false);
    DueDate->setObjectName(QStringLiteral("DueDate"));
    DueDate->setCalendarPopup(true);
    DueDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // A new payment is dated today; the date then stays from one save to the next.
    DueDate->setDate(Clock::today());
    Remarks->setObjectName(QStringLiteral("Remarks"));
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnSave->setAutoDefault(false);
    btnClose->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(ui::Caption(this, QStringLiteral("单据编号："), true), 0, 0);
    grid->addWidget(DueNum, 0, 1);
    grid->addWidget(ui::Caption(this, QStringLiteral("订单编号：")), 1, 0);
    grid->addLayout(withButton(OrderID, bsSkinSpeedButton2), 1, 1);
    grid->addWidget(ui::Caption(this, QStringLiteral("客户名称："), true), 2, 0);
    grid->addLayout(withButton(CusName, bsSkinSpeedButton1), 2, 1);
    grid->addWidget(ui::Caption(this, QStringLiteral("回款方式：")), 3, 0);
    grid->addWidget(MethordName, 3, 1);
    grid->addWidget(ui::Caption(this, QStringLiteral("回款金额："), true), 4, 0);
    grid->addWidget(Amount, 4, 1);
    grid->addWidget(ui::Caption(this, QStringLiteral("回  款  人："), true), 5, 0);
    grid->addWidget(DueUser, 5, 1);
    grid->addWidget(ui::Caption(this, QStringLiteral("回款日期：")), 6, 0);
    grid->addWidget(DueDate, 6, 1);
    grid->addWidget(ui::Caption(this, QStringLiteral("备注：")), 7, 0, Qt::AlignTop);
    grid->addWidget(Remarks, 7, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(btnSave, &QPushButton::clicked, this, ui::guarded([this] { btnSaveClick(); }));
    connect(btnClose, &QPushButton::clicked, this, ui::guarded([this] { btnCloseClick(); }));
    connect(bsSkinSpeedButton1, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
    connect(bsSkinSpeedButton2, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton2Click(); }));
}

void TDueForm::FormShow()
{
    FillDatumCombo(MethordName, QStringLiteral("A014"));
    FillUserCombo(DueUser);
    btnSave->setVisible(true);
    btnClose->setVisible(true);
    if (EditMode == QLatin1String("see")) {
        btnSave->setVisible(false);
        btnClose->setVisible(false);
        // Shown read-only; Esc or the window's close button ends it.
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        for (QLineEdit* edit : {DueNum, Amount})
            edit->setReadOnly(true);
        Remarks->setReadOnly(true);
        DueDate->setReadOnly(true);
        MethordName->setEnabled(false);
        DueUser->setEnabled(false);
        bsSkinSpeedButton1->setEnabled(false);
        bsSkinSpeedButton2->setEnabled(false);
        ShowRecord();
    }
}

void TDueForm::ReceiveCustomer(int, const QString& id, const QString& customer)
{
    CusID = id;
    CusName->setText(customer);
}

void TDueForm::ReceiveOrder(const QString& orderId, const QString& cusId, const QString& cusName,
                            const QString& outstanding)
{
    OrderID->setText(orderId);
    CusID = cusId;
    CusName->setText(cusName);
    Amount->setText(outstanding);
}

void TDueForm::bsSkinSpeedButton1Click() { TgetCustomerForm::Pick(this, 3, this); }

void TDueForm::bsSkinSpeedButton2Click() { TgetOrderForm::Pick(this, this); }

void TDueForm::btnCloseClick() { reject(); }

void TDueForm::btnSaveClick()
{
    if (DueNum->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("单据编号不能为空！"));
        return;
    }
    if (CusName->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("客户名称不能为空！"));
        return;
    }
    if (Amount->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("回款金额不能为空！"));
        return;
    }
    if (DueUser->currentText().isEmpty()) {
        ui::ShowMessage(QStringLiteral("回款人不能为空！"));
        return;
    }
    if (EditMode != QLatin1String("add"))
        return;
    if (GetSqlCount(QStringLiteral("select count(1) from hb_Due where DueNum=?"), {DueNum->text()}) > 0) {
        ui::ShowMessage(QStringLiteral("此单据编号已存在，无法添加记录！"));
        return;
    }
    SaveRecord();
}

void TDueForm::SaveRecord()
{
    const auto amount = ui::ParseNumber(Amount->text());
    bool numericCustomer = false;
    const qlonglong customerId = CusID.toLongLong(&numericCustomer);
    try {
        if (!amount)
            throw DbError(QStringLiteral("the amount is not a number"));
        // The payment and the raise of its order's paid amount are stored together.
        TTransaction transaction;
        dm().Run(QStringLiteral("insert into hb_Due(DueNum,OrderID,CusID,CusName,MethordName,Amount,DueUser,Remarks,"
                                "DueDate,UserID,UserName,DeptID,DeptName,Date1,IsDel) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,0)"),
                 {DueNum->text(), OrderID->text(),
                  numericCustomer ? QVariant(customerId) : QVariant(QMetaType::fromType<qlonglong>()), CusName->text(),
                  MethordName->currentText(), *amount, DueUser->currentText(), Remarks->toPlainText(),
                  ui::DateText(DueDate->date()), CurrentUser.UserID.toLongLong(), CurrentUser.UserName,
                  CurrentUser.DeptID.toLongLong(), CurrentUser.DeptName, ui::DateText(Clock::today())});
        if (!OrderID->text().isEmpty())
            dm().Run(QStringLiteral("update hb_OrderInfo set yfMoney=coalesce(yfMoney,0)+? where OrderID=?"),
                     {*amount, OrderID->text()});
        if (!transaction.commit())
            throw DbError(QStringLiteral("commit failed"));
    } catch (const DbError&) {
        ui::ShowMessage(QStringLiteral("无法保存记录！"));
        return;
    }
    ui::ShowMessage(QStringLiteral("记录已保存！"));
    ClearRecord();
}

void TDueForm::ClearRecord()
{
    DueNum->clear();
    OrderID->clear();
    CusName->clear();
    CusID.clear();
    MethordName->setCurrentIndex(-1);
    MethordName->clearEditText();
    Amount->clear();
    DueUser->setCurrentIndex(DueUser->count() > 0 ? 0 : -1);
    Remarks->clear();
}

void TDueForm::ShowRecord()
{
    QSqlQuery q = dm().Run(QStringLiteral("select DueNum,OrderID,CusID,CusName,MethordName,Amount,DueUser,Remarks,DueDate "
                                          "from hb_Due where id=?"),
                           {RecordID});
    if (!q.next())
        return;
    DueNum->setText(q.value(0).toString());
    OrderID->setText(q.value(1).toString());
    CusID = q.value(2).toString();
    CusName->setText(q.value(3).toString());
    MethordName->setCurrentText(q.value(4).toString());
    Amount->setText(ui::CellText(q.value(5)));
    // A payer who no longer serves is not among the choices and shows empty.
    DueUser->setCurrentIndex(DueUser->findText(q.value(6).toString()));
    Remarks->setPlainText(q.value(7).toString());
    DueDate->setDate(ui::StoredDate(q.value(8)));
}
