#pragma once
#include "ui/EditorDialog.h"

class QLineEdit;
class QPushButton;
class QTableView;
class TQueryModel;

// The editor that takes over an order chosen in the order picker.
class IOrderReceiver {
public:
    virtual ~IOrderReceiver() = default;
    // outstanding: the order's total minus what it has been paid, as text.
    virtual void ReceiveOrder(const QString& orderId, const QString& cusId, const QString& cusName,
                              const QString& outstanding) = 0;
};

// The order picker (caption "条件"): searches every user's orders by customer name and hands the
// chosen order's number, customer and outstanding amount back to the payment editor.
class TgetOrderForm : public TEditorDialog {
    Q_OBJECT
public:
    explicit TgetOrderForm(QWidget* parent = nullptr);

    IOrderReceiver* Receiver = nullptr;

    // Opens a fresh picker for receiver; true when an order was chosen.
    static bool Pick(QWidget* opener, IOrderReceiver* receiver);

    void RefreshList();
    void bsSkinButton1Click();       // 查询
    void bsSkinDBGrid1DblClick();    // take over the selected order

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* CusName;
    QPushButton* bsSkinButton1;
    QPushButton* bsSkinButton2;      // 关闭: leave without choosing
    QTableView* bsSkinDBGrid1;
    TQueryModel* xxQuery;
    bool searched = false;
};
