#pragma once
#include "ui/EditorDialog.h"

class QLineEdit;
class QPushButton;
class QTableView;
class TQueryModel;

// An editor that chooses its customer through the picker. PickPurpose tells which editor it is:
// 0 contact (CustomerID), 1 visit (CustomerID), 2 order (CusId), 3 payment (CusID); each sets its
// own customer id field and the text of its CusName box.
class ICustomerReceiver {
public:
    virtual ~ICustomerReceiver() = default;
    virtual void ReceiveCustomer(int pickPurpose, const QString& id, const QString& customer) = 0;
};

// The customer picker (caption "条件"): searches every customer by code or name and hands the
// chosen customer's ID and full name back to the editor that opened it.
class TgetCustomerForm : public TEditorDialog {
    Q_OBJECT
public:
    explicit TgetCustomerForm(QWidget* parent = nullptr);

    int PickPurpose = 0;
    ICustomerReceiver* Receiver = nullptr;

    // Opens a fresh picker for receiver; true when a customer was chosen.
    static bool Pick(QWidget* opener, int pickPurpose, ICustomerReceiver* receiver);

    void bsSkinButton1Click();       // 查询
    void bsSkinDBGrid1DblClick();    // choose the selected row

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
