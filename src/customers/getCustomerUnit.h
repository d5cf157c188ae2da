#pragma once
#include "ui/PickerDialog.h"

// An editor that chooses its customer through the picker. PickPurpose tells which editor it is:
// 0 contact (CustomerID), 1 visit (CustomerID), 2 order (CusId), 3 payment (CusID); each sets its
// own customer id field and the text of its CusName box.
class ICustomerReceiver {
public:
    virtual ~ICustomerReceiver() = default;
    virtual void ReceiveCustomer(int pickPurpose, const QString& id, const QString& customer) = 0;
};

// The customer picker: searches every customer by code or name and hands the chosen customer's ID
// and full name back to the editor that opened it.
class TgetCustomerForm : public TPickerDialog {
    Q_OBJECT
public:
    explicit TgetCustomerForm(QWidget* parent = nullptr);

    int PickPurpose = 0;
    ICustomerReceiver* Receiver = nullptr;

    // Opens a fresh picker for receiver; true when a customer was chosen.
    static bool Pick(QWidget* opener, int pickPurpose, ICustomerReceiver* receiver);

    void bsSkinButton1Click() override;   // 查询

protected:
    void Choose(int row) override;
};
