#include "sales/getOrderUnit.h"

#include "core/SqlDialect.h"
#include <QLineEdit>
#include "ui/Dialogs.h"
#include "ui/QueryModel.h"
#include "ui/Texts.h"


TgetOrderForm::TgetOrderForm(QWidget* parent) : TPickerDialog(parent, QStringLiteral("getOrderForm"), 560) {}

bool TgetOrderForm::Pick(QWidget* opener, IOrderReceiver* receiver)
{
    TgetOrderForm picker(opener);
    picker.Receiver = receiver;
    return picker.Open() == QDialog::Accepted;
}

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
    ShowResult(2);
}

void TgetOrderForm::Choose(int row)
{
    if (Receiver)
        Receiver->ReceiveOrder(xxQuery->FieldValue(row, QStringLiteral("OrderID")).toString(),
                               xxQuery->FieldValue(row, QStringLiteral("CusId")).toString(),
                               xxQuery->FieldValue(row, QStringLiteral("CusName")).toString(),
                               ui::NumberText(xxQuery->FieldValue(row, QStringLiteral("htMoney")).toDouble()));
}
