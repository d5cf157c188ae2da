#pragma once
#include "ui/EditorDialog.h"

#include <QStringList>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The customer's inputs as the editor lays them out; the overview shows the same arrangement.
struct TCustomerInputs {
    QLineEdit *CusCode, *CusName, *Customer, *CusDept, *CusPerson;
    QComboBox *CusType, *CusSource, *CusBind, *CusBuyType, *CusSumPerson, *CusSumMoney, *CusBusiness, *CusYearMoney;
    QComboBox *CusCountry, *CusArea, *CusChildArea;
    QLineEdit *CusZip, *CusAreaNum, *CusPhone, *CusFax, *CusMovePhone, *CusMail, *CusInter, *CusAddress;
    QPlainTextEdit *CusMemo, *ThreeYearInfo, *QZTZ;

    // Builds them into parent's grid; deptCaption is the caption of CusDept.
    void Build(QWidget* parent, QGridLayout* grid, const QString& deptCaption);
    // The input that feeds column, by the column's name.
    QWidget* Input(const QString& column) const;
    QString TextOf(const QString& column) const;
    void SetTextOf(const QString& column, const QString& text) const;

    // The user's columns in the order the row is stored and shown.
    static const QStringList& Columns();
};

// Text of a line edit, choice box or multi-line input.
QString InputText(const QWidget* input);
void SetInputText(QWidget* input, const QString& text);

// The customer editor (caption "客户信息"): adds a customer, with the main contact's first contact
// row, or changes the customer the list had selected.
class TCustomerInfoForm : public TEditorDialog {
    Q_OBJECT
public:
    explicit TCustomerInfoForm(QWidget* parent = nullptr);

    void btnSaveClick();
    void btnCloseClick();
    void CusCountryChange();
    void CusAreaChange();

protected:
    void FormShow() override;

private:
    void ShowRecord();
    void SaveRecord() override;
    void EditRecord() override;
    void AddFirstContact(qlonglong customerId);
    // The values of the stored columns, in the order of StoredColumns().
    QVariantList StoredValues() const;
    static QStringList StoredColumns();

    TCustomerInputs in;
    QPushButton* btnSave;
    QPushButton* btnClose;
};
