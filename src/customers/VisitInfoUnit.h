#pragma once
#include "customers/getCustomerUnit.h"
#include "ui/EditorDialog.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;
class QToolButton;

// The visit editor (caption "拜访情况"): records visits of a customer one after another, or changes
// the visit the list had selected; every save stamps the customer with the visit's state and date.
class TVisitInfoForm : public TEditorDialog, public ICustomerReceiver {
    Q_OBJECT
public:
    explicit TVisitInfoForm(QWidget* parent = nullptr);

    QString CustomerID;

    void bsSkinButton1Click();       // 保存
    void bsSkinButton2Click();       // 关闭
    void bsSkinSpeedButton1Click();  // "...": choose the customer

    void ReceiveCustomer(int pickPurpose, const QString& id, const QString& customer) override;

protected:
    void FormShow() override;

private:
    void ShowRecord();
    void SaveRecord() override;
    void EditRecord() override;
    void ClearRecord();
    QVariantList StoredValues() const;
    static QStringList StoredColumns();
    void StampCustomer();

    QLineEdit *VisCode, *CusName, *VisPerson;
    QComboBox *VisType, *VisState;
    QDateEdit *VisDate, *NextDate;
    QTimeEdit *VisTime, *NextTime;
    QPlainTextEdit *GTMB, *GTNR;
    QToolButton* bsSkinSpeedButton1;
    QPushButton* bsSkinButton1;
    QPushButton* bsSkinButton2;
};
