#pragma once
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>
#include <functional>

class QTableView;

// A read-only grid model over one query with bound values. Rows are fetched lazily as the grid
// scrolls, so a large table opens at once; the row count comes from a separate count query.
class TQueryModel : public QSqlQueryModel {
    Q_OBJECT
public:
    using QSqlQueryModel::QSqlQueryModel;

    // Runs sql with its values; raises DbError when the database refuses it.
    void Open(const QString& sql, const QVariantList& params = {});
    // Header titles, one per column from firstColumn on (columns before it keep their names).
    void SetTitles(const QStringList& titles, int firstColumn = 0);

    int FieldIndex(const QString& field) const;
    QVariant FieldValue(int row, const QString& field) const;

    // Optional colour of a whole row (foreground), e.g. by a state column.
    std::function<QVariant(const QSqlRecord& row)> RowForeground;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList titles;
    int firstTitled = 0;
};

namespace ui {
// Whole-row, single selection, read-only; the columns the model marks hidden stay hidden.
void SetupGrid(QTableView* grid);
// The current row of a grid, or -1 when there is none.
int CurrentRow(const QTableView* grid);
}
