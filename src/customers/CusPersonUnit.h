#pragma once
#include "customers/getCustomerUnit.h"
#include "ui/EditorDialog.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The contact editor (caption "联系人信息"): adds contacts of a customer one after another, or
// changes the contact the list had selected.
class TCusPersonForm : public TEditorDialog, public ICustomerReceiver {
    Q_OBJECT
public:
    explicit TCusPersonForm(QWidget* parent = nullptr);

    QString CustomerID;

    void bsSkinButton1Click();       // 保存
    void bsSkinButton2Click();       // 关闭
    void bsSkinSpeedButton1Click();  // "...": choose the customer

    void ReceiveCustomer(int pickPurpose, const QString& id, const QString& customer) override;

    // The birthday picker shows no date until one is chosen; an unchosen birthday is stored as Null.
    static constexpr int NoBirthdayYear = 1900;

protected:
    void FormShow() override;

private:
    void ShowRecord();
    void SaveRecord() override;
    void EditRecord() override;
    void ClearRecord();
    QVariantList StoredValues() const;
    static QStringList StoredColumns();
    QWidget* Input(const QString& column) const;

    QLineEdit *PersonName, *CusName, *CusDept, *JG, *JSR, *JSRGX, *ZW, *MovePhone, *Phone, *eMail, *QQ, *MSN, *Address,
        *PersonLike, *LW, *StuentMemo, *LikeClass;
    QDateEdit* Birthday;
    QComboBox *Sex, *XQ, *Likes, *TD;
    QPlainTextEdit* Memo1;
    QToolButton* bsSkinSpeedButton1;
    QPushButton* bsSkinButton1;
    QPushButton* bsSkinButton2;
};
