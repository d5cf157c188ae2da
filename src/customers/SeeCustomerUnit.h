#pragma once
#include "customers/CustomerInfoUnit.h"
#include "ui/EditorDialog.h"

class QTabWidget;
class QTableView;
class TQueryModel;

// The customer overview (caption "客户信息"): the customer's details, contacts, visits and orders,
// whoever recorded them. It only reads.
class TSeeCustomerForm : public TEditorDialog {
    Q_OBJECT
public:
    explicit TSeeCustomerForm(QWidget* parent = nullptr);

    QString CustomerID;

protected:
    void FormShow() override;

private:
    void ShowRecord();
    void LoadContacts();
    void LoadVisits();
    void LoadOrders();

    TCustomerInputs in;
    QTabWidget* bsSkinPageControl1;
    QTableView* bsSkinDBGrid1;
    QTableView* bsSkinDBGrid2;
    QTableView* bsSkinDBGrid3;
    TQueryModel* PersonQuery;
    TQueryModel* VisitQuery;
    TQueryModel* OrderQuery;
};
