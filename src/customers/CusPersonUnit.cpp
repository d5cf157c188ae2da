#include "customers/CusPersonUnit.h"

#include "core/Clock.h"
#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/dmUnit.h"
#include "customers/CustomerInfoUnit.h"
#include "ui/FormParts.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// While no birthday is chosen the picker's calendar turns to the current month instead of the
// placeholder date that stands for "none".
void OpenCalendarOnToday(QDateEdit* edit)
{
    QCalendarWidget* calendar = edit->calendarWidget();
    QObject::connect(calendar, &QCalendarWidget::currentPageChanged, edit, [edit, calendar](int year, int month) {
        const QDate none = edit->minimumDate();
        if (edit->date() == none && year == none.year() && month == none.month())
            calendar->setCurrentPage(Clock::today().year(), Clock::today().month());
    });
    calendar->setCurrentPage(Clock::today().year(), Clock::today().month());
}
}

TCusPersonForm::TCusPersonForm(QWidget* parent) : TEditorDialog(parent)
{
    using namespace ui;
    setObjectName("CusPersonForm");
    setWindowTitle("联系人信息");
    PersonName = Text(this, "PersonName");
    Birthday = new QDateEdit(this);
    Birthday->setObjectName("Birthday");
    Birthday->setCalendarPopup(true);
    Birthday->setDisplayFormat("yyyy-MM-dd");
    Birthday->setMinimumDate(QDate(NoBirthdayYear, 1, 1));
    Birthday->setSpecialValueText(" ");   // shown while no birthday is chosen
    Birthday->setDate(Birthday->minimumDate());
    OpenCalendarOnToday(Birthday);
    CusName = Text(this, "CusName");
    CusName->setReadOnly(true);
    bsSkinSpeedButton1 = new QToolButton(this);
    bsSkinSpeedButton1->setObjectName("bsSkinSpeedButton1");
    bsSkinSpeedButton1->setText("...");
    CusDept = Text(this, "CusDept");
    Sex = Choice(this, "Sex", {"男", "女"});
    JG = Text(this, "JG");
    JSR = Text(this, "JSR");
    XQ = Choice(this, "XQ", {"个人需求", "企业需求"});
    JSRGX = Text(this, "JSRGX");
    ZW = Text(this, "ZW");
    MovePhone = Text(this, "MovePhone");
    Phone = Text(this, "Phone");
    eMail = Text(this, "eMail");
    QQ = Text(this, "QQ");
    MSN = Text(this, "MSN");
    Address = Text(this, "Address");
    PersonLike = Text(this, "PersonLike");
    Likes = Choice(this, "Likes", {"是", "否", "很少学习"});
    LW = Text(this, "LW");
    StuentMemo = Text(this, "StuentMemo");
    LikeClass = Text(this, "LikeClass");
    TD = Choice(this, "TD", {"认同", "不认同", "未表态"});
    Memo1 = Memo(this, "Memo1");
    Sex->setCurrentText("男");
    XQ->setCurrentText("企业需求");
    Likes->setCurrentText("是");
    TD->setCurrentText("认同");
    bsSkinButton1 = Button(this, "bsSkinButton1", "保存");
    bsSkinButton2 = Button(this, "bsSkinButton2", "关闭");

    auto* grid = new QGridLayout;
    int r = 0;
    Row(grid, r, 0, "联系人：", PersonName);
    Row(grid, r++, 1, "出生日期：", Birthday);
    auto* customer = new QWidget(this);
    auto* customerRow = new QHBoxLayout(customer);
    customerRow->setContentsMargins(0, 0, 0, 0);
    customerRow->addWidget(CusName, 1);
    customerRow->addWidget(bsSkinSpeedButton1);
    Row(grid, r++, 0, "客户名称：", customer, false, 2);
    Row(grid, r, 0, "部门：", CusDept);
    Row(grid, r++, 1, "性别：", Sex);
    Row(grid, r, 0, "籍贯：", JG);
    Row(grid, r++, 1, "介绍人：", JSR);
    Row(grid, r, 0, "需求：", XQ);
    Row(grid, r++, 1, "介绍人关系：", JSRGX);
    Row(grid, r, 0, "职位称呼：", ZW);
    Row(grid, r++, 1, "手机：", MovePhone);
    Row(grid, r, 0, "电话：", Phone);
    Row(grid, r++, 1, "邮箱：", eMail);
    Row(grid, r, 0, "QQ：", QQ);
    Row(grid, r++, 1, "MSN：", MSN);
    Row(grid, r, 0, "地址：", Address);
    Row(grid, r++, 1, "爱好：", PersonLike);
    Row(grid, r, 0, "爱学习：", Likes);
    Row(grid, r++, 1, "礼物：", LW);
    Row(grid, r, 0, "上过的课：", StuentMemo);
    Row(grid, r++, 1, "感兴趣的课：", LikeClass);
    Row(grid, r++, 0, "态度：", TD);
    Row(grid, r++, 0, "详细介绍：", Memo1, false, 2);

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

QStringList TCusPersonForm::StoredColumns()
{
    return {"PersonName", "Birthday",   "CusID",    "CusName", "CusDept",  "Sex",    "ZW",     "MovePhone",
            "Phone",      "eMail",      "QQ",       "MSN",     "Address",  "PersonLike", "Memo1", "UserID",
            "UserName",   "Date1",      "DeptID",   "DeptName", "JG",      "JSR",    "JSRGX",  "Likes",
            "TD",         "StudentMemo", "LikeClass", "XQ",     "LW"};
}

QWidget* TCusPersonForm::Input(const QString& column) const
{
    const std::pair<const char*, QWidget*> inputs[] = {
        {"PersonName", PersonName}, {"CusName", CusName},   {"CusDept", CusDept},       {"Sex", Sex},
        {"ZW", ZW},                 {"MovePhone", MovePhone}, {"Phone", Phone},         {"eMail", eMail},
        {"QQ", QQ},                 {"MSN", MSN},           {"Address", Address},       {"PersonLike", PersonLike},
        {"Memo1", Memo1},           {"JG", JG},             {"JSR", JSR},               {"JSRGX", JSRGX},
        {"Likes", Likes},           {"TD", TD},             {"StudentMemo", StuentMemo}, {"LikeClass", LikeClass},
        {"XQ", XQ},                 {"LW", LW}};
    for (const auto& [name, input] : inputs)
        if (column == QLatin1String(name))
            return input;
    return nullptr;
}

void TCusPersonForm::FormShow()
{
    if (EditMode == QStringLiteral("edit"))
        ShowRecord();
}

void TCusPersonForm::ShowRecord()
{
    QSqlQuery q = dm().Run("select * from hb_CustomerPerson where ID=?", {RecordID});
    if (!q.next())
        return;
    const QDate birthday = ui::StoredDate(q.value("Birthday"));
    Birthday->setDate(birthday.isValid() ? birthday : Birthday->minimumDate());
    CustomerID = q.value("CusID").isNull() ? QString() : q.value("CusID").toString();
    for (const char* column : {"CusName", "CusDept", "Sex", "ZW", "MovePhone", "Phone", "eMail", "QQ", "MSN",
                               "Address", "PersonLike", "Memo1", "JG", "JSR", "JSRGX", "Likes", "TD", "StudentMemo",
                               "LikeClass", "XQ", "LW"})
        SetInputText(Input(column), q.value(column).toString());
    PersonName->setText(q.value("PersonName").toString());
}

void TCusPersonForm::ReceiveCustomer(int, const QString& id, const QString& customer)
{
    CustomerID = id;
    CusName->setText(customer);
}

void TCusPersonForm::bsSkinSpeedButton1Click() { TgetCustomerForm::Pick(this, 0, this); }

void TCusPersonForm::bsSkinButton1Click()
{
    if (CheckRequired({{PersonName->text(), "联系人不能为空！"}, {CusName->text(), "客户名称不能为空！"}}))
        SaveByMode();
}

void TCusPersonForm::bsSkinButton2Click() { reject(); }

QVariantList TCusPersonForm::StoredValues() const
{
    QVariantList values;
    for (const QString& column : StoredColumns()) {
        if (column == QLatin1String("Birthday"))
            values << (Birthday->date() == Birthday->minimumDate() ? QVariant() : QVariant(ui::DateText(Birthday->date())));
        else if (column == QLatin1String("CusID"))
            values << (CustomerID.isEmpty() ? QVariant() : QVariant(CustomerID.toLongLong()));
        else if (column == QLatin1String("UserID"))
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
            values << InputText(Input(column));
    }
    return values;
}

void TCusPersonForm::SaveRecord()
{
    try {
        dm().InsertRow("hb_CustomerPerson", StoredColumns(), StoredValues());
    } catch (const DbError&) {
        ui::ShowMessage("无法保存记录！");
        return;
    }
    ui::ShowMessage("记录保存成功！");
    ClearRecord();
}

void TCusPersonForm::ClearRecord()
{
    for (QLineEdit* e : {PersonName, ZW, MovePhone, Phone, eMail, QQ, MSN, Address, PersonLike, JG, JSR, JSRGX,
                         StuentMemo, LikeClass, LW})
        e->clear();
    Memo1->clear();
}

void TCusPersonForm::EditRecord()
{
    try {
        dm().UpdateRow("hb_CustomerPerson", StoredColumns(), StoredValues(), RecordID);
    } catch (const DbError&) {
        ui::ShowMessage("无法修改记录！");
        return;
    }
    ui::ShowMessage("记录修改成功！");
    accept();
}
