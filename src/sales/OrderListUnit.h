#pragma once
#include "ui/ListScreen.h"

class QComboBox;
class QLineEdit;
class QToolButton;

// The user's own orders, newest first: search by customer name, open a new order, view a stored
// one and delete an order that has received no payment.
class TOrderListForm : public TListScreen {
    Q_OBJECT
public:
    explicit TOrderListForm(QWidget* parent = nullptr);

    void bsSkinSpeedButton1Click();   // 新增
    void bsSkinSpeedButton3Click();   // 查找
    void bsSkinSpeedButton4Click();   // 删除
    void bsSkinSpeedButton5Click();   // 关闭
    void bsSkinDBGrid1DblClick();
    void DeleteOrder();

protected:
    void FormShow() override;
    void RowDoubleClicked() override { bsSkinDBGrid1DblClick(); }

private:
    QComboBox* TypeName;
    QLineEdit* TypeText;
};
