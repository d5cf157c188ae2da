#include "customers/CustomerInfoUnit.h"

#include "core/Clock.h"
#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "ui/FormParts.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

QString InputText(const QWidget* input)
{
    if (auto* e = qobject_cast<const QLineEdit*>(input))
        return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(input))
        return c->currentText();
    if (auto* m = qobject_cast<const QPlainTextEdit*>(input))
        return m->toPlainText();
    return {};
}

void SetInputText(QWidget* input, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(input))
        e->setText(text);
    else if (auto* c = qobject_cast<QComboBox*>(input))
        c->setCurrentText(text);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(input))
        m->setPlainText(text);
}

const QStringList& TCustomerInputs::Columns()
{
    static const QStringList columns{
        "CusCode",    "Customer",    "CusName",      "CusDept",    "CusPerson",    "CusType",      "CusSource",
        "CusBind",    "CusBuyType",  "CusSumPerson", "CusSumMoney", "CusBusiness", "CusYearMoney", "CusCountry",
        "CusArea",    "CusChildArea", "CusZip",      "CusAreaNum", "CusPhone",     "CusFax",       "CusMovePhone",
        "CusMail",    "CusInter",    "CusAddress",   "CusMemo",    "ThreeYearInfo", "QZTZ"};
    return columns;
}

void TCustomerInputs::Build(QWidget* p, QGridLayout* grid, const QString& deptCaption)
{
    using namespace ui;
    CusCode = Text(p, "CusCode");
    CusName = Text(p, "CusName");
    Customer = Text(p, "Customer");
    CusDept = Text(p, "CusDept");
    CusPerson = Text(p, "CusPerson");
    CusType = Choice(p, "CusType");
    CusSource = Choice(p, "CusSource");
    CusBind = Choice(p, "CusBind");
    CusBuyType = Choice(p, "CusBuyType");
    CusSumPerson = Choice(p, "CusSumPerson");
    CusSumMoney = Choice(p, "CusSumMoney");
    CusBusiness = Choice(p, "CusBusiness");
    CusYearMoney = Choice(p, "CusYearMoney");
    CusCountry = Choice(p, "CusCountry");
    CusArea = Choice(p, "CusArea");
    CusChildArea = Choice(p, "CusChildArea");
    CusZip = Text(p, "CusZip");
    CusAreaNum = Text(p, "CusAreaNum");
    CusPhone = Text(p, "CusPhone");
    CusFax = Text(p, "CusFax");
    CusMovePhone = Text(p, "CusMovePhone");
    CusMail = Text(p, "CusMail");
    CusInter = Text(p, "CusInter");
    CusAddress = Text(p, "CusAddress");
    CusMemo = Memo(p, "CusMemo");
    ThreeYearInfo = Memo(p, "ThreeYearInfo");
    QZTZ = Memo(p, "QZTZ");

    int r = 0;
    Row(grid, r, 0, "客户编号：", CusCode, true);
    Row(grid, r++, 1, "客户简称：", CusName);
    Row(grid, r++, 0, "客户名称：", Customer, true, 2);
    Row(grid, r, 0, deptCaption, CusDept);
    Row(grid, r++, 1, "主联系人：", CusPerson);
    Row(grid, r, 0, "客户类型：", CusType);
    Row(grid, r++, 1, "客户来源：", CusSource);
    Row(grid, r, 0, "客户关系：", CusBind);
    Row(grid, r++, 1, "经营模式：", CusBuyType);
    Row(grid, r, 0, "人员规模：", CusSumPerson);
    Row(grid, r++, 1, "注册资金：", CusSumMoney);
    Row(grid, r, 0, "所属行业：", CusBusiness);
    Row(grid, r++, 1, "年营业额：", CusYearMoney);

    // The three area boxes on one row under a thin bar.
    auto* bar = new QFrame(p);
    bar->setFrameShape(QFrame::HLine);
    bar->setFrameShadow(QFrame::Sunken);
    grid->addWidget(bar, r++, 0, 1, 4);
    auto* areas = new QHBoxLayout;
    const std::pair<const char*, QComboBox*> areaBoxes[] = {{"省份：", CusCountry}, {"地市：", CusArea}, {"县区：", CusChildArea}};
    for (const auto& [caption, box] : areaBoxes) {
        auto* label = new QLabel(QString::fromUtf8(caption), p);
        label->setBuddy(box);
        areas->addWidget(label);
        areas->addWidget(box, 1);
    }
    grid->addLayout(areas, r++, 0, 1, 4);

    Row(grid, r, 0, "邮政编码：", CusZip);
    Row(grid, r++, 1, "区号：", CusAreaNum);
    Row(grid, r, 0, "电话：", CusPhone);
    Row(grid, r++, 1, "传真：", CusFax);
    Row(grid, r, 0, "手机：", CusMovePhone);
    Row(grid, r++, 1, "邮箱：", CusMail);
    Row(grid, r, 0, "网站：", CusInter);
    Row(grid, r++, 1, "地址：", CusAddress);
    Row(grid, r++, 0, "客户描述：", CusMemo, false, 2);
    Row(grid, r++, 0, "三年目标：", ThreeYearInfo, false, 2);
    Row(grid, r++, 0, "潜在挑战：", QZTZ, false, 2);
}

QWidget* TCustomerInputs::Input(const QString& column) const
{
    const QWidget* all[] = {CusCode,  Customer,     CusName,      CusDept,     CusPerson,   CusType,     CusSource,
                            CusBind,  CusBuyType,   CusSumPerson, CusSumMoney, CusBusiness, CusYearMoney, CusCountry,
                            CusArea,  CusChildArea, CusZip,       CusAreaNum,  CusPhone,    CusFax,      CusMovePhone,
                            CusMail,  CusInter,     CusAddress,   CusMemo,     ThreeYearInfo, QZTZ};
    const qsizetype i = Columns().indexOf(column);
    return i < 0 ? nullptr : const_cast<QWidget*>(all[i]);
}

QString TCustomerInputs::TextOf(const QString& column) const { return InputText(Input(column)); }
void TCustomerInputs::SetTextOf(const QString& column, const QString& text) const { SetInputText(Input(column), text); }

TCustomerInfoForm::TCustomerInfoForm(QWidget* parent)
    : TEditorDialog(parent), btnSave(ui::Button(this, "btnSave", "保存")),
      btnClose(ui::Button(this, "btnClose", "关闭"))
{
    setObjectName("CustomerInfoForm");
    setWindowTitle("客户信息");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    in.Build(this, grid, "担任职务：");
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);

    connect(btnSave, &QPushButton::clicked, this, ui::guarded([this] { btnSaveClick(); }));
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    // The cascade follows the user's choice or typing, not the texts that ShowRecord sets.
    connect(in.CusCountry, &QComboBox::textActivated, this, ui::guarded([this] { CusCountryChange(); }));
    connect(in.CusCountry->lineEdit(), &QLineEdit::textEdited, this, ui::guarded([this] { CusCountryChange(); }));
    connect(in.CusArea, &QComboBox::textActivated, this, ui::guarded([this] { CusAreaChange(); }));
    connect(in.CusArea->lineEdit(), &QLineEdit::textEdited, this, ui::guarded([this] { CusAreaChange(); }));
}

void TCustomerInfoForm::FormShow()
{
    const std::pair<QComboBox*, const char*> datums[] = {
        {in.CusType, "A010"},      {in.CusSource, "A009"},   {in.CusBind, "A008"},     {in.CusBuyType, "A007"},
        {in.CusSumPerson, "A012"}, {in.CusSumMoney, "A015"}, {in.CusBusiness, "A013"}, {in.CusYearMoney, "A011"}};
    for (const auto& [box, code] : datums) {
        FillDatumCombo(box, QString::fromLatin1(code));
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    FillAreaCombo(in.CusCountry, 0);
    FillChildAreaCombo(in.CusArea, in.CusCountry->currentText());
    FillChildAreaCombo(in.CusChildArea, in.CusArea->currentText());
    if (EditMode == QStringLiteral("edit")) {
        in.CusCode->setReadOnly(true);
        ShowRecord();
    }
}

void TCustomerInfoForm::ShowRecord()
{
    QSqlQuery q = dm().Run("select * from hb_CustomerInfo where ID=?", {RecordID});
    if (!q.next())
        return;
    for (const QString& column : TCustomerInputs::Columns())
        in.SetTextOf(column, q.value(column).toString());
}

void TCustomerInfoForm::CusCountryChange()
{
    FillChildAreaCombo(in.CusArea, in.CusCountry->currentText());
    FillChildAreaCombo(in.CusChildArea, in.CusArea->currentText());
}

void TCustomerInfoForm::CusAreaChange() { FillChildAreaCombo(in.CusChildArea, in.CusArea->currentText()); }

void TCustomerInfoForm::btnSaveClick()
{
    if (CheckRequired({{in.CusCode->text(), "客户编号不能为空！"}, {in.Customer->text(), "客户名称不能为空！"}}))
        SaveByMode();
}

void TCustomerInfoForm::btnCloseClick() { reject(); }

QStringList TCustomerInfoForm::StoredColumns()
{
    QStringList columns = TCustomerInputs::Columns().mid(0, 25);   // CusCode .. CusMemo
    columns << "UserID" << "UserName" << "Date1" << "DeptID" << "DeptName" << "ThreeYearInfo" << "QZTZ";
    return columns;
}

QVariantList TCustomerInfoForm::StoredValues() const
{
    QVariantList values;
    for (const QString& column : StoredColumns()) {
        if (column == QLatin1String("UserID"))
            values << CurrentUser.UserID.toLongLong();
        else if (column == QLatin1String("UserName"))
            values << CurrentUser.UserName;
        else if (column == QLatin1String("Date1"))
            values << ui::DateText(Clock::today());
        else if (column == QLatin1String("DeptID"))
            values << CurrentUser.DeptID.toLongLong();
        else if (column == QLatin1String("DeptName"))
            values << CurrentUser.DeptName;
        else
            values << in.TextOf(column);
    }
    return values;
}

void TCustomerInfoForm::SaveRecord()
{
    // A code the table already holds is refused: the first contact is found by the new row's key,
    // and a second 保存 of the same inputs must not store the customer twice.
    if (GetSqlCount("select count(1) from hb_CustomerInfo where CusCode=?", {in.CusCode->text()}) > 0) {
        ui::ShowMessage("此客户编号已存在！");
        return;
    }
    try {
        TTransaction transaction;
        const qlonglong newId = dm().InsertRow("hb_CustomerInfo", StoredColumns(), StoredValues());
        AddFirstContact(newId);
        if (!transaction.commit())
            throw DbError("commit failed");
    } catch (const DbError&) {
        ui::ShowMessage("无法保存记录！");
        return;
    }
    ui::ShowMessage("记录保存成功！");
}

void TCustomerInfoForm::AddFirstContact(qlonglong customerId)
{
    if (in.CusPerson->text().isEmpty())
        return;
    // Copied from the row just inserted; a failure here is silent and keeps the customer.
    ExecSql("insert into hb_CustomerPerson(PersonName,CusDept,CusID,CusName,MovePhone,Phone,eMail,UserID,UserName,"
            "DeptID,DeptName,Date1)"
            " select CusPerson,CusDept,ID,Customer,CusMovePhone,CusPhone,CusMail,UserID,UserName,DeptID,DeptName,Date1"
            " from hb_CustomerInfo where ID=?",
            {customerId});
}

void TCustomerInfoForm::EditRecord()
{
    try {
        dm().UpdateRow("hb_CustomerInfo", StoredColumns(), StoredValues(), RecordID);
    } catch (const DbError&) {
        ui::ShowMessage("无法修改记录！");
        return;
    }
    ui::ShowMessage("记录修改成功！");
    accept();
}
