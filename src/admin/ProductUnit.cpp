#include "admin/ProductUnit.h"

#include "core/DbError.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "ui/Dialogs.h"
#include "ui/FormParts.h"
#include "ui/QueryModel.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace {
const QStringList GridFields{"ProductCode", "ProductName", "Type1", "BuyPrice", "SalePrice", "Colors", "cpxh", "Units"};
const QStringList GridTitles{"产品编号", "产品名称", "产品分类", "产品成本", "产品售价", "产品颜色", "产品型号", "单位"};

// A price input as the column takes it: empty is no value, anything else must be a number.
std::optional<QVariant> priceValue(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QVariant(QMetaType::fromType<double>());
    if (auto number = ui::ParseNumber(text))
        return QVariant(*number);
    return std::nullopt;
}
}

TProductForm::TProductForm(QWidget* parent)
    : THostedScreen(parent), ProductCode(new QLineEdit(this)), ProductName(new QLineEdit(this)), Type1(new QComboBox(this)),
      Colors(new QLineEdit(this)), cpxh(new QLineEdit(this)), BuyPrice(new QLineEdit(this)), SalePrice(new QLineEdit(this)),
      Units(new QLineEdit(this)), bsSkinDBGrid1(new QTableView(this)), xxQuery(new TQueryModel(this))
{
    setObjectName(QStringLiteral("ProductForm"));
    ProductCode->setObjectName(QStringLiteral("ProductCode"));
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Type1->setObjectName(QStringLiteral("Type1"));
    Type1->setEditable(true);
    Type1->setInsertPolicy(QComboBox::NoInsert);
    Colors->setObjectName(QStringLiteral("Colors"));
    cpxh->setObjectName(QStringLiteral("cpxh"));
    BuyPrice->setObjectName(QStringLiteral("BuyPrice"));
    SalePrice->setObjectName(QStringLiteral("SalePrice"));
    Units->setObjectName(QStringLiteral("Units"));
    bsSkinDBGrid1->setObjectName(QStringLiteral("bsSkinDBGrid1"));
    ui::SetupGrid(bsSkinDBGrid1);
    bsSkinDBGrid1->setModel(xxQuery);

    auto* inputs = new QWidget(this);
    auto* form = new QFormLayout(inputs);
    form->addRow(ui::Caption(inputs, QStringLiteral("产品编号："), true), ProductCode);
    form->addRow(ui::Caption(inputs, QStringLiteral("产品名称："), true), ProductName);
    form->addRow(ui::Caption(inputs, QStringLiteral("所属类别：")), Type1);
    form->addRow(ui::Caption(inputs, QStringLiteral("产品颜色：")), Colors);
    form->addRow(ui::Caption(inputs, QStringLiteral("产品型号：")), cpxh);
    form->addRow(ui::Caption(inputs, QStringLiteral("成本价格：")), BuyPrice);
    form->addRow(ui::Caption(inputs, QStringLiteral("销售价格："), true), SalePrice);
    form->addRow(ui::Caption(inputs, QStringLiteral("产品单位：")), Units);
    inputs->setFixedWidth(280);

    bsSkinSpeedButton1 = ui::ToolButton(this, "bsSkinSpeedButton1", QStringLiteral("新增"), QStyle::SP_FileIcon);
    bsSkinSpeedButton2 = ui::ToolButton(this, "bsSkinSpeedButton2", QStringLiteral("保存"), QStyle::SP_DialogSaveButton);
    bsSkinSpeedButton3 = ui::ToolButton(this, "bsSkinSpeedButton3", QStringLiteral("删除"), QStyle::SP_TrashIcon);
    bsSkinSpeedButton4 = ui::ToolButton(this, "bsSkinSpeedButton4", QStringLiteral("关闭"), QStyle::SP_DialogCloseButton);
    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {bsSkinSpeedButton1, bsSkinSpeedButton2, bsSkinSpeedButton3, bsSkinSpeedButton4})
        bar->addWidget(b);
    bar->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(bsSkinDBGrid1, 1);
    top->addWidget(inputs);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bar);

    connect(bsSkinSpeedButton1, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
    connect(bsSkinSpeedButton2, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton2Click(); }));
    connect(bsSkinSpeedButton3, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton3Click(); }));
    connect(bsSkinSpeedButton4, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton4Click(); }));
    connect(bsSkinDBGrid1, &QTableView::doubleClicked, this, ui::guarded([this] { bsSkinDBGrid1DblClick(); }));
    EditMode = QStringLiteral("add");
}

void TProductForm::FormShow()
{
    ClearRecord();
    FillDatumCombo(Type1, QStringLiteral("A003"));
    RefreshList();
    EditMode = QStringLiteral("add");
}

void TProductForm::RefreshList()
{
    xxQuery->SetTitles(GridTitles, 1);
    xxQuery->Open(QStringLiteral("select ID,") + GridFields.join(QLatin1Char(',')) +
                  QStringLiteral(" from hb_ProductInfo order by ID"));
    QSqlQuery count = dm().Run(QStringLiteral("select count(*) from hb_ProductInfo"));
    rows = count.next() ? count.value(0).toInt() : 0;
    bsSkinDBGrid1->setColumnHidden(0, true);
    if (rows > 0)
        bsSkinDBGrid1->selectRow(0);
}

int TProductForm::CurrentID() const
{
    const int row = ui::CurrentRow(bsSkinDBGrid1);
    return row < 0 ? 0 : xxQuery->FieldValue(row, QStringLiteral("ID")).toInt();
}

void TProductForm::SelectID(int id)
{
    for (int row = 0;; ++row) {
        while (row >= xxQuery->rowCount() && xxQuery->canFetchMore())
            xxQuery->fetchMore();
        if (row >= xxQuery->rowCount())
            return;
        if (xxQuery->FieldValue(row, QStringLiteral("ID")).toInt() == id) {
            bsSkinDBGrid1->selectRow(row);
            bsSkinDBGrid1->scrollTo(xxQuery->index(row, 1));
            return;
        }
    }
}

void TProductForm::ShowRecord()
{
    const int row = ui::CurrentRow(bsSkinDBGrid1);
    if (row < 0)
        return;
    auto text = [&](const char* field) { return ui::CellText(xxQuery->FieldValue(row, QString::fromLatin1(field))); };
    ProductCode->setText(text("ProductCode"));
    ProductName->setText(text("ProductName"));
    Type1->setCurrentText(text("Type1"));
    Colors->setText(text("Colors"));
    cpxh->setText(text("cpxh"));
    BuyPrice->setText(text("BuyPrice"));
    SalePrice->setText(text("SalePrice"));
    Units->setText(text("Units"));
    loadedID = xxQuery->FieldValue(row, QStringLiteral("ID")).toInt();
}

void TProductForm::ClearRecord()
{
    ProductCode->clear();
    ProductName->clear();
    Colors->clear();
    cpxh->clear();
    Units->clear();
    BuyPrice->setText(QStringLiteral("0"));
    SalePrice->setText(QStringLiteral("0"));
}

void TProductForm::bsSkinSpeedButton1Click()
{
    EditMode = QStringLiteral("add");
    ClearRecord();
}

void TProductForm::bsSkinSpeedButton2Click()
{
    if (ProductCode->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("产品编号不能为空！"));
        return;
    }
    if (ProductName->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("产品名称不能为空！"));
        return;
    }
    if (SalePrice->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("销售价格不能为空！"));
        return;
    }
    if (EditMode == QLatin1String("add"))
        SaveRecord();
    else if (EditMode == QLatin1String("edit"))
        EditRecord();
}

void TProductForm::SaveRecord()
{
    const auto buy = priceValue(BuyPrice->text());
    const auto sale = priceValue(SalePrice->text());
    int id = 0;
    try {
        if (!buy || !sale)
            throw DbError(QStringLiteral("price is not a number"));
        QSqlQuery q = dm().Run(QStringLiteral("insert into hb_ProductInfo(ProductCode,ProductName,Type1,Colors,cpxh,"
                                              "BuyPrice,SalePrice,Units) values(?,?,?,?,?,?,?,?)"),
                               {ProductCode->text(), ProductName->text(), Type1->currentText(), Colors->text(),
                                cpxh->text(), *buy, *sale, Units->text()});
        id = q.lastInsertId().toInt();
    } catch (const DbError&) {
        ui::ShowMessage(QStringLiteral("无法保存记录！"));
        return;
    }
    // The new row shows at once and becomes the current one.
    RefreshList();
    SelectID(id);
    ui::ShowMessage(QStringLiteral("记录保存成功！"));
    ClearRecord();
}

void TProductForm::EditRecord()
{
    // Written into the product the double-click loaded, whichever row is current now.
    const auto buy = priceValue(BuyPrice->text());
    const auto sale = priceValue(SalePrice->text());
    try {
        if (!buy || !sale)
            throw DbError(QStringLiteral("price is not a number"));
        QSqlQuery q = dm().Run(QStringLiteral("update hb_ProductInfo set ProductCode=?,ProductName=?,Type1=?,Colors=?,"
                                              "cpxh=?,BuyPrice=?,SalePrice=?,Units=? where ID=?"),
                               {ProductCode->text(), ProductName->text(), Type1->currentText(), Colors->text(),
                                cpxh->text(), *buy, *sale, Units->text(), loadedID});
        if (q.numRowsAffected() < 1)
            throw DbError(QStringLiteral("the product no longer exists"));
    } catch (const DbError&) {
        ui::ShowMessage(QStringLiteral("无法修改记录！"));
        return;
    }
    const int current = CurrentID();
    RefreshList();
    SelectID(current);
    ui::ShowMessage(QStringLiteral("记录修改成功！"));
}

void TProductForm::bsSkinSpeedButton3Click()
{
    if (rows < 1)
        return;
    if (!ui::AskQuestion(QStringLiteral("是否删除当前记录？")))
        return;
    const int id = CurrentID();
    if (id == 0)
        return;
    dm().Run(QStringLiteral("delete from hb_ProductInfo where ID=?"), {id});
    RefreshList();
}

void TProductForm::bsSkinSpeedButton4Click() { close(); }

void TProductForm::bsSkinDBGrid1DblClick()
{
    if (rows < 1 || ui::CurrentRow(bsSkinDBGrid1) < 0)
        return;
    EditMode = QStringLiteral("edit");
    ShowRecord();
}
