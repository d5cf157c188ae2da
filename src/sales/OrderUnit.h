#pragma once
#include "customers/getCustomerUnit.h"
#include "ui/EditorDialog.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

// The order editor (caption "订单信息"): a header and up to ten product lines. In "add" mode it
// stores one order after another for the same customer; in "see" mode it shows the stored order
// RecordID (hb_OrderInfo.ID) read-only.
class TOrderForm : public TEditorDialog, public ICustomerReceiver {
    Q_OBJECT
public:
    explicit TOrderForm(QWidget* parent = nullptr);

    // Grid geometry: row 0 holds the titles, column 0 the line numbers 1 to 10.
    static constexpr int LineCount = 10;
    static constexpr int ColumnCount = 10;
    enum Column { ColNo, ColProduct, ColColors, ColModel, ColPrice, ColQty, ColUnits, ColAmount, ColWarnDate, ColMemo };
    enum class EditorType { Plain, ProductList, Date };

    QString CusId;   // the chosen customer's ID as text

    void ReceiveCustomer(int pickPurpose, const QString& id, const QString& customer) override;

    void NumberRows();
    void ShowRecord();
    void ClearRecord();
    void SaveRecord();
    void btnSaveClick();
    void btnCloseClick();
    void bsSkinSpeedButton1Click();

    // The grid's editor for a cell about to be edited, the reaction to a changed cell and to the
    // cell cursor leaving a cell.
    EditorType OrderInfoGetEditorType(int col) const;
    void OrderInfoCellsChanged(int row, int col);
    void OrderInfoCellChanging(int oldRow, int oldCol);

    QString CellText(int row, int col) const;
    void SetCellText(int row, int col, const QString& text);

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool CheckLines();
    void ComputeTotal();

    QLineEdit* OrderID;
    QComboBox* OrderType;
    QLineEdit* CusName;
    QToolButton* bsSkinSpeedButton1;
    QComboBox* PayType;
    QComboBox* OrderState;
    QDateEdit* TumoverDate;
    QLineEdit* htMoney;
    QLineEdit* yfMoney;
    QTableWidget* OrderInfo;
    QPushButton* btnSave;
    QPushButton* btnClose;
    bool filling = false;   // the program writes cells; no product lookup meanwhile
};
