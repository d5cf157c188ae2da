#pragma once
#include "ui/HostedScreen.h"
#include "ui/QueryModel.h"

#include <QStringList>
#include <QVariantList>

class QLabel;
class QTableView;

// One grid column of a list: the stored field and its header title.
struct TGridColumn {
    QString field;
    QString title;
};

// What a list screen shows: which table, which columns, in which order, and how it counts.
struct TListConfig {
    QString table;                       // e.g. "hb_CustomerInfo"
    QString key = QStringLiteral("ID");  // the row key, fetched first and hidden
    QList<TGridColumn> columns;
    QStringList hiddenFields;            // fetched with each row (for colours, keys) but not shown
    QString orderBy;                     // e.g. "Date1 desc, ID desc"
    QString countFormat;                 // e.g. "共：%1 条记录 " (%1 = the row count)
    QString gridName = QStringLiteral("bsSkinDBGrid1");
    QString countLabelName = QStringLiteral("Label1");
};

// The shared list screen: keeps the where-condition of its query in FilterText (with its bound
// values in FilterParams) and reruns it with RefreshList, writing the row count into the count
// label. Subclasses add their tool row and search box above the grid.
class TListScreen : public THostedScreen {
    Q_OBJECT
public:
    explicit TListScreen(const TListConfig& config, QWidget* parent = nullptr);

    QString FilterText;
    QVariantList FilterParams;

    void RefreshList();

    QTableView* Grid() const { return grid; }
    QLabel* CountLabel() const { return countLabel; }
    TQueryModel* Model() const { return model; }
    int RowCount() const { return rows; }

    // The key of the grid's current row, 0 when the list is empty or nothing is current.
    int SelectedID() const;
    QVariant SelectedValue(const QString& field) const;

    // A condition that limits rows to the logged-in user's own ("UserID=?").
    void SetOwnRowsFilter();

protected:
    // Where a screen puts its tool buttons and search box: a row above the grid, a panel left
    // of it, or a bar along the bottom edge (under the count label).
    void SetToolRow(QWidget* row);
    void SetSidePanel(QWidget* panel);
    void SetBottomBar(QWidget* bar);
    // Double-click on a row; nothing happens on an empty list.
    virtual void RowDoubleClicked() {}

    TListConfig config;

private:
    class QHBoxLayout* outer;
    class QVBoxLayout* center;
    QTableView* grid;
    QLabel* countLabel;
    TQueryModel* model;
    int rows = 0;
};
