#pragma once
#include "ui/ListScreen.h"

class QComboBox;
class QLineEdit;

// The user's own visit records, newest first: search by customer name, add, change, delete.
class TVisitListForm : public TListScreen {
    Q_OBJECT
public:
    explicit TVisitListForm(QWidget* parent = nullptr);

    void bsSkinSpeedButton1Click();   // 新增
    void bsSkinSpeedButton2Click();   // 修改
    void bsSkinSpeedButton3Click();   // 查找
    void bsSkinSpeedButton4Click();   // 删除
    void bsSkinSpeedButton5Click();   // 关闭

protected:
    void FormShow() override;

private:
    QComboBox* TypeName;
    QLineEdit* TypeText;
};
