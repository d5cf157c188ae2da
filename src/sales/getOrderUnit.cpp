#include "sales/getOrderUnit.h"

#include "core/SqlDialect.h"
#include "ui/Dialogs.h"
#include "ui/QueryModel.h"
#include "ui/Texts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TgetOrderForm::TgetOrderForm(QWidget* parent)
    : TEditorDialog(parent), CusName(new QLineEdit(this)), bsSkinButton1(new QPushButton(QStringLiteral("查询"), this)),
      bsSkinButton2(new QPushButton(QStringLiteral("关闭"), this)), bsSkinDBGrid1(new QTableView(this)),
      xxQuery(new TQueryModel(this))
{
    setObjectName(QStringLiteral("getOrderForm"));
    setWindowTitle(QStringLiteral("条件"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(560, 420);

    CusName->setObjectName(QStringLiteral("CusName"));
    bsSkinButton1->setObjectName(QStringLiteral("bsSkinButton1"));
    bsSkinButton2->setObjectName(QStringLiteral("bsSkinButton2"));
    bsSkinButton1->setAutoDefault(false);
    bsSkinButton2->setAutoDefault(false);
    bsSkinDBGrid1->setObjectName(QStringLiteral("bsSkinDBGrid1"));
    ui::SetupGrid(bsSkinDBGrid1);
    bsSkinDBGrid1->setModel(xxQuery);
    bsSkinDBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    bsSkinDBGrid1->horizontalHeader()->setStretchLastSection(true);

    auto* strip = new QHBoxLayout;
    strip->addWidget(new QLabel(QStringLiteral("客户名称："), this));
    strip->addWidget(CusName, 1);
    strip->addWidget(bsSkinButton1);
    strip->addWidget(bsSkinButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(strip);
    layout->addWidget(bsSkinDBGrid1, 1);

    connect(bsSkinButton1, &QPushButton::clicked, this, ui::guarded([this] { bsSkinButton1Click(); }));
    connect(bsSkinButton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(bsSkinDBGrid1, &QTableView::doubleClicked, this, ui::guarded([this] { bsSkinDBGrid1DblClick(); }));
    connect(CusName, &QLineEdit::returnPressed, this, ui::guarded([this] { bsSkinButton1Click(); }));
}

bool TgetOrderForm::Pick(QWidget* opener, IOrderReceiver* receiver)
{
    TgetOrderForm picker(opener);
    picker.Receiver = receiver;
    return picker.Open() == QDialog::Accepted;
}

void TgetOrderForm::bsSkinButton1Click() { RefreshList(); }

void TgetOrderForm::RefreshList()
{
    // htMoney of the result is what the order still owes; every user's orders are searched and
    // fully paid ones are listed too.
    xxQuery->SetTitles({QStringLiteral("订单编号"), QStringLiteral("客户名称"), QStringLiteral("总金额"),
                        QStringLiteral("促成日期")},
                       2);
    xxQuery->Open(QStringLiteral("select ID,CusId,OrderID,CusName,coalesce(htMoney,0)-coalesce(yfMoney,0) as htMoney,"
                                 "TumoverDate from hb_OrderInfo where ") +
                      SqlDialect::Like(QStringLiteral("CusName")) + QStringLiteral(" order by ID"),
                  {SqlDialect::LikeContains(CusName->text())});
    bsSkinDBGrid1->setColumnHidden(0, true);
    bsSkinDBGrid1->setColumnHidden(1, true);
    searched = true;
    if (xxQuery->rowCount() > 0)
        bsSkinDBGrid1->selectRow(0);
}

void TgetOrderForm::bsSkinDBGrid1DblClick()
{
    const int row = ui::CurrentRow(bsSkinDBGrid1);
    if (!searched || row < 0)
        return;
    if (Receiver)
        Receiver->ReceiveOrder(xxQuery->FieldValue(row, QStringLiteral("OrderID")).toString(),
                               xxQuery->FieldValue(row, QStringLiteral("CusId")).toString(),
                               xxQuery->FieldValue(row, QStringLiteral("CusName")).toString(),
                               ui::NumberText(xxQuery->FieldValue(row, QStringLiteral("htMoney")).toDouble()));
    accept();
}

void TgetOrderForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;   // Enter searches from the text box; it never closes the picker
    TEditorDialog::keyPressEvent(event);   // Esc leaves without choosing
}
