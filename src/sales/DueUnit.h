#pragma once
#include "customers/getCustomerUnit.h"
#include "sales/getOrderUnit.h"
#include "ui/EditorDialog.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The payment editor (caption "回款记录"): records payments one after another in "add" mode, or
// shows the stored payment RecordID (hb_Due.id) in "see" mode.
class TDueForm : public TEditorDialog, public ICustomerReceiver, public IOrderReceiver {
    Q_OBJECT
public:
    explicit TDueForm(QWidget* parent = nullptr);

    QString CusID;   // the chosen customer's ID as text

    void ReceiveCustomer(int pickPurpose, const QString& id, const QString& customer) override;
    void ReceiveOrder(const QString& orderId, const QString& cusId, const QString& cusName,
                      const QString& outstanding) override;

    void btnSaveClick();
    void btnCloseClick();
    void bsSkinSpeedButton1Click();   // customer picker
    void bsSkinSpeedButton2Click();   // order picker
    void SaveRecord();
    void ShowRecord();
    void ClearRecord();

protected:
    void FormShow() override;

private:
    QLineEdit* DueNum;
    QLineEdit* OrderID;
    QToolButton* bsSkinSpeedButton2;
    QLineEdit* CusName;
    QToolButton* bsSkinSpeedButton1;
    QComboBox* MethordName;
    QLineEdit* Amount;
    QComboBox* DueUser;
    QDateEdit* DueDate;
    QPlainTextEdit* Remarks;
    QPushButton* btnSave;
    QPushButton* btnClose;
};
