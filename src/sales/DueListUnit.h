#pragma once
#include "ui/ListScreen.h"

class QComboBox;
class QLineEdit;

// Every payment of every user, newest first, coloured by state; new payments, search by customer
// name or payer, and the reversal of a payment.
class TDueListForm : public TListScreen {
    Q_OBJECT
public:
    explicit TDueListForm(QWidget* parent = nullptr);

    void bsSkinSpeedButton1Click();   // 新增
    void bsSkinSpeedButton2Click();   // 查找
    void bsSkinSpeedButton3Click();   // 冲账
    void bsSkinSpeedButton4Click();   // 关闭
    void bsSkinDBGrid1DblClick();
    void ReversePayment(int id);

protected:
    void FormShow() override;
    void RowDoubleClicked() override { bsSkinDBGrid1DblClick(); }

private:
    QComboBox* TypeName;
    QLineEdit* TypeText;
};
