#pragma once
#include "ui/PickerDialog.h"

// The editor that takes over an order chosen in the order picker.
class IOrderReceiver {
public:
    virtual ~IOrderReceiver() = default;
    // outstanding: the order's total minus what it has been paid, as text.
    virtual void ReceiveOrder(const QString& orderId, const QString& cusId, const QString& cusName,
                              const QString& outstanding) = 0;
};

// The order picker: searches every user's orders by customer name and hands the chosen order's
// number, customer and outstanding amount back to the payment editor.
class TgetOrderForm : public TPickerDialog {
    Q_OBJECT
public:
    explicit TgetOrderForm(QWidget* parent = nullptr);

    IOrderReceiver* Receiver = nullptr;

    // Opens a fresh picker for receiver; true when an order was chosen.
    static bool Pick(QWidget* opener, IOrderReceiver* receiver);

    void RefreshList();
    void bsSkinButton1Click() override { RefreshList(); }   // 查询

protected:
    void Choose(int row) override;
};
