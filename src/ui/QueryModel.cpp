#include "ui/QueryModel.h"

#include "core/DbError.h"
#include "core/dmUnit.h"
#include "ui/Texts.h"

#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

void TQueryModel::Open(const QString& sql, const QVariantList& params)
{
    setQuery(dm().Run(sql, params));
    if (lastError().isValid())
        throw DbError(lastError().text());
    for (int i = 0; i < titles.size(); ++i)
        setHeaderData(firstTitled + i, Qt::Horizontal, titles[i]);
}

void TQueryModel::SetTitles(const QStringList& newTitles, int firstColumn)
{
    titles = newTitles;
    firstTitled = firstColumn;
    for (int i = 0; i < titles.size() && firstTitled + i < columnCount(); ++i)
        setHeaderData(firstTitled + i, Qt::Horizontal, titles[i]);
}

int TQueryModel::FieldIndex(const QString& field) const { return record().indexOf(field); }

QVariant TQueryModel::FieldValue(int row, const QString& field) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return record(row).value(field);
}

QVariant TQueryModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole)
        return ui::CellText(QSqlQueryModel::data(index, Qt::DisplayRole));
    if (role == Qt::ForegroundRole && RowForeground) {
        const QVariant colour = RowForeground(record(index.row()));
        if (colour.isValid())
            return colour;
    }
    return QSqlQueryModel::data(index, role);
}

namespace ui {
void SetupGrid(QTableView* grid)
{
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setHighlightSections(false);
}

int CurrentRow(const QTableView* grid)
{
    if (!grid->model() || grid->model()->rowCount() == 0)
        return -1;
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}
}
