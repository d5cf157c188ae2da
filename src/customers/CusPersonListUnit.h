#pragma once
#include "ui/ListScreen.h"

class QComboBox;
class QLineEdit;

// The user's own contacts: search by customer or contact name, add, change, delete.
class TCusPersonListForm : public TListScreen {
    Q_OBJECT
public:
    explicit TCusPersonListForm(QWidget* parent = nullptr);

    void bsSkinSpeedButton1Click();   // 新增
    void bsSkinSpeedButton5Click();   // 修改
    void bsSkinSpeedButton2Click();   // 查找
    void bsSkinSpeedButton3Click();   // 删除
    void bsSkinSpeedButton4Click();   // 关闭

protected:
    void FormShow() override;

private:
    QComboBox* TypeName;
    QLineEdit* TypeText;
};
