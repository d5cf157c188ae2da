#pragma once
#include "ui/ListScreen.h"

class QComboBox;
class QLineEdit;

// The user's own customers, oldest first: search, add, change, delete and the overview.
class TCustomerListForm : public TListScreen {
    Q_OBJECT
public:
    explicit TCustomerListForm(QWidget* parent = nullptr);

    void bsSkinSpeedButton1Click();   // 新增
    void bsSkinSpeedButton2Click();   // 修改
    void bsSkinSpeedButton3Click();   // 查找
    void bsSkinSpeedButton4Click();   // 删除
    void bsSkinSpeedButton5Click();   // 关闭
    void bsSkinDBGrid1DblClick();

protected:
    void FormShow() override;
    void RowDoubleClicked() override { bsSkinDBGrid1DblClick(); }

private:
    QComboBox* TypeName;
    QLineEdit* TypeText;
};
