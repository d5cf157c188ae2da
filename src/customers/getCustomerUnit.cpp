#include "customers/getCustomerUnit.h"

#include "core/SqlDialect.h"
#include <QLineEdit>
#include "ui/Dialogs.h"
#include "ui/QueryModel.h"


TgetCustomerForm::TgetCustomerForm(QWidget* parent) : TPickerDialog(parent, QStringLiteral("getCustomerForm"), 520) {}

bool TgetCustomerForm::Pick(QWidget* opener, int pickPurpose, ICustomerReceiver* receiver)
{
    TgetCustomerForm picker(opener);
    picker.PickPurpose = pickPurpose;
    picker.Receiver = receiver;
    return picker.Open() == QDialog::Accepted;
}

void TgetCustomerForm::bsSkinButton1Click()
{
    const QString pattern = SqlDialect::LikeContains(CusName->text());
    xxQuery->SetTitles({QStringLiteral("客户编号"), QStringLiteral("客户名称")}, 1);
    xxQuery->Open(QStringLiteral("select ID,CusCode,Customer from hb_CustomerInfo where ") +
                      SqlDialect::Like(QStringLiteral("CusCode")) + QStringLiteral(" or ") +
                      SqlDialect::Like(QStringLiteral("Customer")),
                  {pattern, pattern});
    ShowResult(1);
}

void TgetCustomerForm::Choose(int row)
{
    const QString id = xxQuery->FieldValue(row, QStringLiteral("ID")).toString();
    const QString customer = xxQuery->FieldValue(row, QStringLiteral("Customer")).toString();
    if (Receiver)
        Receiver->ReceiveCustomer(PickPurpose, id, customer);
}
