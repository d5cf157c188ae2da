#pragma once
#include "ui/HostedScreen.h"

class QComboBox;
class QLineEdit;
class QTableView;
class QToolButton;
class TQueryModel;

// The product catalogue: every product in the grid on the left, the inputs of one product on the
// right; products are added, changed and deleted in place.
class TProductForm : public THostedScreen {
    Q_OBJECT
public:
    explicit TProductForm(QWidget* parent = nullptr);

    void bsSkinSpeedButton1Click();   // 新增
    void bsSkinSpeedButton2Click();   // 保存
    void bsSkinSpeedButton3Click();   // 删除
    void bsSkinSpeedButton4Click();   // 关闭
    void bsSkinDBGrid1DblClick();

    void RefreshList();
    void ShowRecord();
    void ClearRecord();
    void SaveRecord();
    void EditRecord();

    int RowCount() const { return rows; }
    // The product that a double-click loaded and that 保存 in edit mode writes to.
    int LoadedID() const { return loadedID; }

protected:
    void FormShow() override;

private:
    int CurrentID() const;
    void SelectID(int id);

    QLineEdit* ProductCode;
    QLineEdit* ProductName;
    QComboBox* Type1;
    QLineEdit* Colors;
    QLineEdit* cpxh;
    QLineEdit* BuyPrice;
    QLineEdit* SalePrice;
    QLineEdit* Units;
    QTableView* bsSkinDBGrid1;
    TQueryModel* xxQuery;
    QToolButton* bsSkinSpeedButton1;
    QToolButton* bsSkinSpeedButton2;
    QToolButton* bsSkinSpeedButton3;
    QToolButton* bsSkinSpeedButton4;
    int rows = 0;
    int loadedID = 0;
};
