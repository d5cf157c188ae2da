#include "ui/PickerDialog.h"

#include "ui/Dialogs.h"
#include "ui/QueryModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TPickerDialog::TPickerDialog(QWidget* parent, const QString& name, int width)
    : TEditorDialog(parent), CusName(new QLineEdit(this)), bsSkinButton1(new QPushButton(QStringLiteral("查询"), this)),
      bsSkinButton2(new QPushButton(QStringLiteral("关闭"), this)), bsSkinDBGrid1(new QTableView(this)),
      xxQuery(new TQueryModel(this))
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("条件"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(width, 420);

    CusName->setObjectName(QStringLiteral("CusName"));
    bsSkinButton1->setObjectName(QStringLiteral("bsSkinButton1"));
    bsSkinButton2->setObjectName(QStringLiteral("bsSkinButton2"));
    bsSkinButton1->setAutoDefault(false);
    bsSkinButton2->setAutoDefault(false);
    bsSkinDBGrid1->setObjectName(QStringLiteral("bsSkinDBGrid1"));
    ui::SetupGrid(bsSkinDBGrid1);
    bsSkinDBGrid1->setModel(xxQuery);
    bsSkinDBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    bsSkinDBGrid1->horizontalHeader()->setStretchLastSection(true);

    auto* strip = new QHBoxLayout;
    strip->addWidget(new QLabel(QStringLiteral("客户名称："), this));
    strip->addWidget(CusName, 1);
    strip->addWidget(bsSkinButton1);
    strip->addWidget(bsSkinButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(strip);
    layout->addWidget(bsSkinDBGrid1, 1);

    connect(bsSkinButton1, &QPushButton::clicked, this, ui::guarded([this] { bsSkinButton1Click(); }));
    connect(bsSkinButton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(bsSkinDBGrid1, &QTableView::doubleClicked, this, ui::guarded([this] { bsSkinDBGrid1DblClick(); }));
    connect(CusName, &QLineEdit::returnPressed, this, ui::guarded([this] { bsSkinButton1Click(); }));
}

void TPickerDialog::ShowResult(int hiddenColumns)
{
    for (int column = 0; column < hiddenColumns; ++column)
        bsSkinDBGrid1->setColumnHidden(column, true);
    searched = true;
    if (xxQuery->rowCount() > 0)
        bsSkinDBGrid1->selectRow(0);
}

void TPickerDialog::bsSkinDBGrid1DblClick()
{
    const int row = ui::CurrentRow(bsSkinDBGrid1);
    if (!searched || row < 0)
        return;
    Choose(row);
    accept();
}

void TPickerDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;   // Enter searches from the text box; it never closes the picker
    TEditorDialog::keyPressEvent(event);   // Esc leaves without choosing
}
