#include "customers/SeeCustomerUnit.h"

#include "core/dmUnit.h"
#include "ui/FormParts.h"
#include "ui/QueryModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QTableView* MakeGrid(QWidget* page, const QString& name, TQueryModel* model)
{
    auto* grid = new QTableView(page);
    grid->setObjectName(name);
    ui::SetupGrid(grid);
    grid->setModel(model);
    grid->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid);
    return grid;
}

QWidget* MakePage(QTabWidget* tabs, const QString& name, const QString& caption)
{
    auto* page = new QWidget(tabs);
    page->setObjectName(name);
    tabs->addTab(page, caption);
    return page;
}
}

TSeeCustomerForm::TSeeCustomerForm(QWidget* parent)
    : TEditorDialog(parent), bsSkinPageControl1(new QTabWidget(this)), PersonQuery(new TQueryModel(this)),
      VisitQuery(new TQueryModel(this)), OrderQuery(new TQueryModel(this))
{
    setObjectName("SeeCustomerForm");
    setWindowTitle("客户信息");
    resize(760, 620);
    bsSkinPageControl1->setObjectName("bsSkinPageControl1");

    QWidget* details = MakePage(bsSkinPageControl1, "bsSkinTabSheet1", "客户信息");
    auto* grid = new QGridLayout(details);
    in.Build(details, grid, "担务职务：");
    // The details only show the stored texts: the choice boxes have no lists and nothing is saved.
    for (const QString& column : TCustomerInputs::Columns()) {
        QWidget* input = in.Input(column);
        if (auto* e = qobject_cast<QLineEdit*>(input))
            e->setReadOnly(true);
        else if (auto* c = qobject_cast<QComboBox*>(input))
            c->lineEdit()->setReadOnly(true);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(input))
            m->setReadOnly(true);
    }
    bsSkinDBGrid1 = MakeGrid(MakePage(bsSkinPageControl1, "bsSkinTabSheet2", "联系人信息"), "bsSkinDBGrid1", PersonQuery);
    bsSkinDBGrid2 = MakeGrid(MakePage(bsSkinPageControl1, "bsSkinTabSheet3", "拜访记录"), "bsSkinDBGrid2", VisitQuery);
    bsSkinDBGrid3 = MakeGrid(MakePage(bsSkinPageControl1, "bsSkinTabSheet4", "订单情况"), "bsSkinDBGrid3", OrderQuery);
    bsSkinPageControl1->setCurrentIndex(0);

    // A way out besides Esc.
    QPushButton* btnClose = ui::Button(this, "btnClose", "关闭");
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bsSkinPageControl1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);
}

void TSeeCustomerForm::FormShow()
{
    CustomerID = QString::number(RecordID);
    ShowRecord();
    LoadContacts();
    LoadVisits();
    LoadOrders();
}

void TSeeCustomerForm::ShowRecord()
{
    QSqlQuery q = dm().Run("select * from hb_CustomerInfo where ID=?", {CustomerID.toLongLong()});
    if (!q.next())
        return;
    for (const QString& column : TCustomerInputs::Columns())
        in.SetTextOf(column, q.value(column).toString());
}

void TSeeCustomerForm::LoadContacts()
{
    PersonQuery->SetTitles({"联系人", "出生日期", "性别", "所属部门", "手机", "电话", "邮箱"});
    PersonQuery->Open("select PersonName,Birthday,Sex,CusDept,MovePhone,Phone,eMail from hb_CustomerPerson"
                      " where CusID=? order by Date1 desc, ID desc",
                      {CustomerID.toLongLong()});
}

void TSeeCustomerForm::LoadVisits()
{
    VisitQuery->SetTitles({"接待人", "拜访情况", "接触方式", "拜访日期", "沟通目标", "沟通内容易"});
    VisitQuery->Open("select VisPerson,VisState,VisType,ifnull(VisDate,'') || ' ' || ifnull(VisTime,'') as VisDate,"
                     "GTMB as gtmb,GTNR as gtnr from hb_VisitInfo where CusID=? order by hb_VisitInfo.VisDate desc,"
                     " hb_VisitInfo.VisTime desc",
                     {CustomerID.toLongLong()});
}

void TSeeCustomerForm::LoadOrders()
{
    OrderQuery->SetTitles({"订单来源", "支付方式", "促成日期", "合同总额"});
    OrderQuery->Open("select OrderType,PayType,TumoverDate,htMoney from hb_OrderInfo where CusId=?"
                     " order by TumoverDate desc",
                     {CustomerID.toLongLong()});
}
