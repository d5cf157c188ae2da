#include "ui/ListScreen.h"

#include "core/CurrentUser.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "core/DbError.h"
#include "ui/Dialogs.h"

#include <QHeaderView>
#include <QLabel>
#include <QSqlQuery>
#include <QTableView>
#include <QHBoxLayout>
#include <QVBoxLayout>

TListScreen::TListScreen(const TListConfig& cfg, QWidget* parent)
    : THostedScreen(parent), config(cfg), grid(new QTableView(this)), countLabel(new QLabel(this)),
      model(new TQueryModel(this))
{
    outer = new QHBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    center = new QVBoxLayout;
    outer->addLayout(center, 1);
    grid->setObjectName(config.gridName);
    countLabel->setObjectName(config.countLabelName);
    ui::SetupGrid(grid);
    grid->setModel(model);
    center->addWidget(grid, 1);
    center->addWidget(countLabel);
    connect(grid, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && rows > 0)
            ui::RunGuarded([this] { RowDoubleClicked(); });
    });
    FilterText = QStringLiteral("1=1");
}

void TListScreen::SetToolRow(QWidget* row) { center->insertWidget(0, row); }
void TListScreen::SetSidePanel(QWidget* panel) { outer->insertWidget(0, panel); }
void TListScreen::SetBottomBar(QWidget* bar) { center->addWidget(bar); }

void TListScreen::SetOwnRowsFilter()
{
    FilterText = QStringLiteral("UserID=?");
    FilterParams = {CurrentUser.UserID.toLongLong()};
}

void TListScreen::RefreshList()
{
    QStringList fields{config.key};
    QStringList titles;
    for (const TGridColumn& c : config.columns) {
        fields << c.field;
        titles << c.title;
    }
    fields << config.hiddenFields;
    const QString where = FilterText.isEmpty() ? QStringLiteral("1=1") : FilterText;
    QString sql = QStringLiteral("select %1 from %2 where %3").arg(fields.join(QLatin1Char(',')), config.table, where);
    if (!config.orderBy.isEmpty())
        sql += QStringLiteral(" order by ") + config.orderBy;

    QSqlQuery count = dm().Run(QStringLiteral("select count(*) from %1 where %2").arg(config.table, where), FilterParams);
    rows = count.next() ? count.value(0).toInt() : 0;

    model->SetTitles(titles, 1);
    model->Open(sql, FilterParams);
    grid->setColumnHidden(0, true);
    for (int i = 0; i < config.hiddenFields.size(); ++i)
        grid->setColumnHidden(1 + config.columns.size() + i, true);
    if (rows > 0)
        grid->selectRow(0);
    countLabel->setText(config.countFormat.arg(rows));
}

int TListScreen::SelectedID() const
{
    const int row = ui::CurrentRow(grid);
    if (row < 0 || rows == 0)
        return 0;
    return model->FieldValue(row, config.key).toInt();
}

QVariant TListScreen::SelectedValue(const QString& field) const
{
    const int row = ui::CurrentRow(grid);
    if (row < 0 || rows == 0)
        return {};
    return model->FieldValue(row, field);
}
