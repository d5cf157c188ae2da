#include "customers/VisitInfoUnit.h"

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
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QDateEdit* DatePicker(QWidget* parent, const QString& name)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat("yyyy-MM-dd");
    return edit;
}

QTimeEdit* TimePicker(QWidget* parent, const QString& name)
{
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat("HH:mm:ss");
    return edit;
}

QWidget* Pair(QWidget* parent, QWidget* left, QWidget* right)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(left, 1);
    row->addWidget(right, right->inherits("QToolButton") ? 0 : 1);
    return box;
}
}

TVisitInfoForm::TVisitInfoForm(QWidget* parent) : TEditorDialog(parent)
{
    using namespace ui;
    setObjectName("VisitInfoForm");
    setWindowTitle("拜访情况");
    VisCode = Text(this, "VisCode");
    VisType = Choice(this, "VisType");
    CusName = Text(this, "CusName");
    CusName->setReadOnly(true);
    bsSkinSpeedButton1 = new QToolButton(this);
    bsSkinSpeedButton1->setObjectName("bsSkinSpeedButton1");
    bsSkinSpeedButton1->setText("...");
    VisPerson = Text(this, "VisPerson");
    VisState = Choice(this, "VisState");
    VisDate = DatePicker(this, "VisDate");
    VisTime = TimePicker(this, "VisTime");
    NextDate = DatePicker(this, "NextDate");
    NextTime = TimePicker(this, "NextTime");
    // A new visit starts at the moment it is entered.
    const QDateTime now = Clock::now();
    VisDate->setDate(now.date());
    NextDate->setDate(now.date());
    VisTime->setTime(now.time());
    NextTime->setTime(now.time());
    GTMB = Memo(this, "GTMB");
    GTNR = Memo(this, "GTNR");
    bsSkinButton1 = Button(this, "bsSkinButton1", "保存");
    bsSkinButton2 = Button(this, "bsSkinButton2", "关闭");

    auto* grid = new QGridLayout;
    int r = 0;
    Row(grid, r, 0, "编号：", VisCode, true);
    Row(grid, r++, 1, "接触方式：", VisType);
    Row(grid, r, 0, "客户名称：", Pair(this, CusName, bsSkinSpeedButton1), true);
    Row(grid, r++, 1, "接待人：", VisPerson);
    Row(grid, r, 0, "拜访情况：", VisState);
    Row(grid, r++, 1, "拜访日期：", Pair(this, VisDate, VisTime));
    Row(grid, r++, 0, "下次回访：", Pair(this, NextDate, NextTime));
    Row(grid, r++, 0, "沟通目标：", GTMB, false, 2);
    Row(grid, r++, 0, "沟通内容：", GTNR, false, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bsSkinButton1);
    buttons->addWidget(bsSkinButton2);
    layout->addLayout(buttons);

    connect(bsSkinButton1, &QPushButton::clicked, this, ui::guarded([this] { bsSkinButton1Click(); }));
    connect(bsSkinButton2, &QPushButton::clicked, this, [this] { bsSkinButton2Click(); });
    connect(bsSkinSpeedButton1, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
}

void TVisitInfoForm::FormShow()
{
    FillDatumCombo(VisType, "A006");
    FillDatumCombo(VisState, "A001");
    if (EditMode == QStringLiteral("edit"))
        ShowRecord();
}

void TVisitInfoForm::ShowRecord()
{
    QSqlQuery q = dm().Run("select * from hb_VisitInfo where ID=?", {RecordID});
    if (!q.next())
        return;
    VisCode->setText(q.value("VisCode").toString());
    CustomerID = q.value("CusID").isNull() ? QString() : q.value("CusID").toString();
    CusName->setText(q.value("CusName").toString());
    VisPerson->setText(q.value("VisPerson").toString());
    VisType->setCurrentText(q.value("VisType").toString());
    VisState->setCurrentText(q.value("VisState").toString());
    if (const QDate d = ui::StoredDate(q.value("VisDate")); d.isValid())
        VisDate->setDate(d);
    if (const QTime t = ui::StoredTime(q.value("VisTime")); t.isValid())
        VisTime->setTime(t);
    if (const QDate d = ui::StoredDate(q.value("NextDate")); d.isValid())
        NextDate->setDate(d);
    if (const QTime t = ui::StoredTime(q.value("NextTime")); t.isValid())
        NextTime->setTime(t);
    GTMB->setPlainText(q.value("GTMB").toString());
    GTNR->setPlainText(q.value("GTNR").toString());
}

void TVisitInfoForm::ReceiveCustomer(int, const QString& id, const QString& customer)
{
    CustomerID = id;
    CusName->setText(customer);
}

void TVisitInfoForm::bsSkinSpeedButton1Click() { TgetCustomerForm::Pick(this, 1, this); }

void TVisitInfoForm::bsSkinButton1Click()
{
    if (CheckRequired({{VisCode->text(), "客户编号不能为空！"}, {CusName->text(), "客户名称不能为空！"}}))
        SaveByMode();
}

void TVisitInfoForm::bsSkinButton2Click() { reject(); }

QStringList TVisitInfoForm::StoredColumns()
{
    return {"VisCode", "CusID",  "CusName", "VisPerson", "VisType", "VisState", "VisDate",  "VisTime", "NextDate",
            "NextTime", "GTMB",  "GTNR",    "UserID",    "UserName", "Date1",   "DeptID",   "DeptName"};
}

QVariantList TVisitInfoForm::StoredValues() const
{
    return {VisCode->text(),
            CustomerID.isEmpty() ? QVariant() : QVariant(CustomerID.toLongLong()),
            CusName->text(),
            VisPerson->text(),
            VisType->currentText(),
            VisState->currentText(),
            ui::DateText(VisDate->date()),
            ui::TimeText(VisTime->time()),
            ui::DateText(NextDate->date()),
            ui::TimeText(NextTime->time()),
            GTMB->toPlainText(),
            GTNR->toPlainText(),
            CurrentUser.UserID.toLongLong(),
            CurrentUser.UserName,
            ui::DateText(Clock::today()),
            CurrentUser.DeptID.toLongLong(),
            CurrentUser.DeptName};
}

void TVisitInfoForm::StampCustomer()
{
    // The customer carries the state and date of the visit saved last; a failure here is silent.
    ExecSql("update hb_CustomerInfo set VisState=?,LastVisDate=? where ID=?",
            {VisState->currentText(), ui::DateText(VisDate->date()),
             CustomerID.isEmpty() ? QVariant() : QVariant(CustomerID.toLongLong())});
}

void TVisitInfoForm::SaveRecord()
{
    try {
        TTransaction transaction;
        dm().InsertRow("hb_VisitInfo", StoredColumns(), StoredValues());
        StampCustomer();
        if (!transaction.commit())
            throw DbError("commit failed");
    } catch (const DbError&) {
        ui::ShowMessage("无法保存记录！");
        return;
    }
    ui::ShowMessage("记录保存成功！");
    ClearRecord();
}

void TVisitInfoForm::ClearRecord()
{
    VisCode->clear();
    VisPerson->clear();
    GTMB->clear();
    GTNR->clear();
}

void TVisitInfoForm::EditRecord()
{
    try {
        TTransaction transaction;
        dm().UpdateRow("hb_VisitInfo", StoredColumns(), StoredValues(), RecordID);
        StampCustomer();
        if (!transaction.commit())
            throw DbError("commit failed");
    } catch (const DbError&) {
        ui::ShowMessage("无法修改记录！");
        return;
    }
    ui::ShowMessage("记录修改成功！");
    accept();
}
