#include "sales/OrderUnit.h"

#include "core/Clock.h"
#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"
#include "ui/FormParts.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QStringList LineTitles{QString(), "产品名称", "产品颜色", "产品型号", "产品单价", "产品数量",
                             "单位",    "合计金额", "提醒日期", "备注"};

// The in-place editors of the line grid, chosen per cell by the form.
class TOrderLineDelegate : public QStyledItemDelegate {
public:
    TOrderLineDelegate(TOrderForm* form) : QStyledItemDelegate(form), form(form) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        switch (form->OrderInfoGetEditorType(index.column())) {
        case TOrderForm::EditorType::ProductList: {
            auto* box = new QComboBox(parent);
            box->setObjectName(QStringLiteral("ProductEditor"));
            // Refilled at every edit, so products added meanwhile are offered at once.
            ui::RunGuarded([box] { FillProductGridCombo(box); });
            connect(box, &QComboBox::activated, this, [this, box] {
                emit const_cast<TOrderLineDelegate*>(this)->commitData(box);
            });
            return box;
        }
        case TOrderForm::EditorType::Date: {
            auto* date = new QDateEdit(parent);
            date->setObjectName(QStringLiteral("WarnDateEditor"));
            date->setCalendarPopup(true);
            date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
            // Only a date the user chose is written: passing through the cell leaves it empty.
            connect(date, &QDateEdit::dateChanged, date, [date] { date->setProperty("chosen", true); });
            return date;
        }
        case TOrderForm::EditorType::Plain:
            break;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            box->setCurrentIndex(box->findText(text));
        } else if (auto* date = qobject_cast<QDateEdit*>(editor)) {
            const auto parsed = ui::ParseUserDate(text);
            const QSignalBlocker blocker(date);
            date->setDate(parsed ? *parsed : Clock::today());
            date->setProperty("chosen", false);
        } else {
            QStyledItemDelegate::setEditorData(editor, index);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            if (box->currentIndex() >= 0 && box->currentText() != index.data(Qt::EditRole).toString())
                model->setData(index, box->currentText());
        } else if (auto* date = qobject_cast<QDateEdit*>(editor)) {
            if (date->property("chosen").toBool())
                model->setData(index, ui::DateText(date->date()));
        } else {
            QStyledItemDelegate::setModelData(editor, model, index);
        }
    }

private:
    TOrderForm* form;
};

QComboBox* datumBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}
}

TOrderForm::TOrderForm(QWidget* parent)
    : TEditorDialog(parent), OrderID(new QLineEdit(this)), OrderType(datumBox(this, "OrderType")),
      CusName(new QLineEdit(this)), bsSkinSpeedButton1(new QToolButton(this)), PayType(datumBox(this, "PayType")),
      OrderState(datumBox(this, "OrderState")), TumoverDate(new QDateEdit(this)), htMoney(new QLineEdit(this)),
      yfMoney(new QLineEdit(QStringLiteral("0"), this)), OrderInfo(new QTableWidget(LineCount + 1, ColumnCount, this)),
      btnSave(new QPushButton(QStringLiteral("保存"), this)), btnClose(new QPushButton(QStringLiteral("关闭"), this))
{
    setObjectName(QStringLiteral("OrderForm"));
    setWindowTitle(QStringLiteral("订单信息"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(900, 520);

    OrderID->setObjectName(QStringLiteral("OrderID"));
    CusName->setObjectName(QStringLiteral("CusName"));
    CusName->setReadOnly(true);
    bsSkinSpeedButton1->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    bsSkinSpeedButton1->setText(QStringLiteral("..."));
    TumoverDate->setObjectName(QStringLiteral("TumoverDate"));
    TumoverDate->setCalendarPopup(true);
    TumoverDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    htMoney->setObjectName(QStringLiteral("htMoney"));
    htMoney->setReadOnly(true);
    yfMoney->setObjectName(QStringLiteral("yfMoney"));
    yfMoney->setReadOnly(true);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnSave->setAutoDefault(false);
    btnClose->setAutoDefault(false);

    // The line grid: every cell has an item; the title row and the number column are fixed.
    OrderInfo->setObjectName(QStringLiteral("OrderInfo"));
    OrderInfo->horizontalHeader()->setVisible(false);
    OrderInfo->verticalHeader()->setVisible(false);
    OrderInfo->setSelectionMode(QAbstractItemView::SingleSelection);
    OrderInfo->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    OrderInfo->setItemDelegate(new TOrderLineDelegate(this));
    for (int row = 0; row <= LineCount; ++row)
        for (int col = 0; col < ColumnCount; ++col) {
            auto* item = new QTableWidgetItem;
            if (row == 0 || col == ColNo) {
                item->setFlags(Qt::NoItemFlags);   // fixed: the cell cursor passes over it
                item->setBackground(palette().button());
                item->setForeground(palette().buttonText());
                item->setTextAlignment(Qt::AlignCenter);
            }
            if (row == 0)
                item->setText(LineTitles[col]);
            OrderInfo->setItem(row, col, item);
        }
    OrderInfo->setColumnWidth(ColNo, 32);
    OrderInfo->setColumnWidth(ColProduct, 140);
    OrderInfo->setColumnWidth(ColWarnDate, 110);
    OrderInfo->horizontalHeader()->setStretchLastSection(true);

    auto* header = new QGridLayout;
    auto* customer = new QHBoxLayout;
    customer->addWidget(CusName, 1);
    customer->addWidget(bsSkinSpeedButton1);
    header->addWidget(ui::Caption(this, QStringLiteral("订单编号："), true), 0, 0);
    header->addWidget(OrderID, 0, 1);
    header->addWidget(ui::Caption(this, QStringLiteral("订单来源：")), 0, 2);
    header->addWidget(OrderType, 0, 3);
    header->addWidget(ui::Caption(this, QStringLiteral("客户名称："), true), 1, 0);
    header->addLayout(customer, 1, 1);
    header->addWidget(ui::Caption(this, QStringLiteral("支付方式：")), 1, 2);
    header->addWidget(PayType, 1, 3);
    header->addWidget(ui::Caption(this, QStringLiteral("订单状态：")), 2, 0);
    header->addWidget(OrderState, 2, 1);
    header->addWidget(ui::Caption(this, QStringLiteral("促成日期：")), 2, 2);
    header->addWidget(TumoverDate, 2, 3);
    header->addWidget(ui::Caption(this, QStringLiteral("总金额：")), 3, 0);
    header->addWidget(htMoney, 3, 1);
    header->addWidget(ui::Caption(this, QStringLiteral("收款金额：")), 3, 2);
    header->addWidget(yfMoney, 3, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(OrderInfo, 1);
    layout->addLayout(buttons);

    OrderInfo->installEventFilter(this);

    connect(btnSave, &QPushButton::clicked, this, ui::guarded([this] { btnSaveClick(); }));
    connect(btnClose, &QPushButton::clicked, this, ui::guarded([this] { btnCloseClick(); }));
    connect(bsSkinSpeedButton1, &QToolButton::clicked, this, ui::guarded([this] { bsSkinSpeedButton1Click(); }));
    connect(OrderInfo, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling)
            ui::RunGuarded([this, item] { OrderInfoCellsChanged(item->row(), item->column()); });
    });
    connect(OrderInfo, &QTableWidget::currentCellChanged, this, [this](int, int, int oldRow, int oldCol) {
        ui::RunGuarded([this, oldRow, oldCol] { OrderInfoCellChanging(oldRow, oldCol); });
    });
}

QString TOrderForm::CellText(int row, int col) const
{
    const QTableWidgetItem* item = OrderInfo->item(row, col);
    return item ? item->text() : QString();
}

void TOrderForm::SetCellText(int row, int col, const QString& text)
{
    if (QTableWidgetItem* item = OrderInfo->item(row, col))
        item->setText(text);
}

void TOrderForm::FormShow()
{
    NumberRows();
    btnSave->setVisible(true);
    btnClose->setVisible(true);
    FillDatumCombo(OrderType, QStringLiteral("A004"));
    FillDatumCombo(PayType, QStringLiteral("A014"));
    FillDatumCombo(OrderState, QStringLiteral("A005"));
    TumoverDate->setDate(Clock::today());
    if (EditMode == QLatin1String("see")) {
        btnSave->setVisible(false);
        btnClose->setVisible(false);
        // Nothing of a stored order can be changed here; Esc or the window's close button ends it.
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        OrderID->setReadOnly(true);
        for (QComboBox* box : {OrderType, PayType, OrderState})
            box->setEnabled(false);
        TumoverDate->setReadOnly(true);
        bsSkinSpeedButton1->setEnabled(false);
        OrderInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
        ShowRecord();
    }
}

// Delete empties the current cell, so that a chosen product or reminder date can be taken back.
bool TOrderForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == OrderInfo && event->type() == QEvent::KeyPress && EditMode == QLatin1String("add") &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        const int row = OrderInfo->currentRow();
        const int col = OrderInfo->currentColumn();
        if (row >= 1 && col >= ColProduct) {
            SetCellText(row, col, QString());
            return true;
        }
    }
    return TEditorDialog::eventFilter(watched, event);
}

void TOrderForm::NumberRows()
{
    filling = true;
    for (int row = 1; row <= LineCount; ++row)
        SetCellText(row, ColNo, QString::number(row));
    filling = false;
}

void TOrderForm::ReceiveCustomer(int, const QString& id, const QString& customer)
{
    CusId = id;
    CusName->setText(customer);
}

void TOrderForm::bsSkinSpeedButton1Click() { TgetCustomerForm::Pick(this, 2, this); }

void TOrderForm::btnCloseClick() { reject(); }

TOrderForm::EditorType TOrderForm::OrderInfoGetEditorType(int col) const
{
    if (EditMode != QLatin1String("add"))
        return EditorType::Plain;
    if (col == ColProduct)
        return EditorType::ProductList;
    if (col == ColWarnDate)
        return EditorType::Date;
    return EditorType::Plain;
}

void TOrderForm::OrderInfoCellsChanged(int row, int col)
{
    if (col != ColProduct || row < 1 || row > LineCount || EditMode != QLatin1String("add"))
        return;
    QSqlQuery q = dm().Run(QStringLiteral("select Colors,cpxh,SalePrice from hb_ProductInfo where ProductName=? order by ID"),
                           {CellText(row, ColProduct)});
    if (!q.next())
        return;
    filling = true;
    SetCellText(row, ColColors, ui::CellText(q.value(0)));
    SetCellText(row, ColModel, ui::CellText(q.value(1)));
    SetCellText(row, ColPrice, ui::CellText(q.value(2)));
    filling = false;
}

void TOrderForm::OrderInfoCellChanging(int oldRow, int oldCol)
{
    if (oldRow < 1 || oldRow > LineCount || (oldCol != ColPrice && oldCol != ColQty))
        return;
    const QString priceText = CellText(oldRow, ColPrice);
    const QString qtyText = CellText(oldRow, ColQty);
    if (priceText.isEmpty() || qtyText.isEmpty())
        return;
    const auto price = ui::ParseNumber(priceText);
    if (!price) {
        ui::ShowMessage(QStringLiteral("第%1行的产品单价不是有效的数字！").arg(oldRow));
        return;
    }
    const auto qty = ui::ParseNumber(qtyText);
    if (!qty) {
        ui::ShowMessage(QStringLiteral("第%1行的产品数量不是有效的数字！").arg(oldRow));
        return;
    }
    filling = true;
    SetCellText(oldRow, ColAmount, ui::NumberText(*price * *qty));
    filling = false;
    ComputeTotal();
}

void TOrderForm::ComputeTotal()
{
    double total = 0;
    for (int row = 1; row <= LineCount; ++row) {
        const QString text = CellText(row, ColAmount);
        if (text.isEmpty())
            continue;
        const auto amount = ui::ParseNumber(text);
        if (!amount) {
            ui::ShowMessage(QStringLiteral("第%1行的合计金额不是有效的数字！").arg(row));
            return;
        }
        total += *amount;
    }
    htMoney->setText(ui::NumberText(total));
}

void TOrderForm::btnSaveClick()
{
    if (OrderID->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("订单编号不能为空！"));
        return;
    }
    if (CusName->text().isEmpty()) {
        ui::ShowMessage(QStringLiteral("客户名称不能为空！"));
        return;
    }
    if (htMoney->text().isEmpty() || htMoney->text() == QLatin1String("0")) {
        ui::ShowMessage(QStringLiteral("总金额不能为空或0"));
        return;
    }
    if (EditMode != QLatin1String("add"))
        return;
    if (GetSqlCount(QStringLiteral("select count(1) from hb_OrderInfo where OrderID=?"), {OrderID->text()}) > 0) {
        ui::ShowMessage(QStringLiteral("此编号已存在！"));
        return;
    }
    SaveRecord();
}

// Every filled line must be storable before anything is written: a line whose price, quantity or
// amount is empty or not a number, or whose reminder is not a date, is named by its row number.
bool TOrderForm::CheckLines()
{
    for (int row = 1; row <= LineCount; ++row) {
        if (CellText(row, ColProduct).isEmpty())
            continue;
        const bool numbers = ui::ParseNumber(CellText(row, ColPrice)) && ui::ParseNumber(CellText(row, ColQty)) &&
                             ui::ParseNumber(CellText(row, ColAmount));
        if (!numbers) {
            ui::ShowMessage(QStringLiteral("第%1行的产品单价、产品数量或合计金额为空或不是数字！").arg(row));
            return false;
        }
        const QString warn = CellText(row, ColWarnDate);
        if (!warn.isEmpty() && !ui::ParseUserDate(warn)) {
            ui::ShowMessage(QStringLiteral("第%1行的提醒日期不是有效的日期！").arg(row));
            return false;
        }
    }
    return true;
}

void TOrderForm::SaveRecord()
{
    if (!CheckLines())
        return;
    const auto total = ui::ParseNumber(htMoney->text());
    const auto paid = ui::ParseNumber(yfMoney->text());
    bool numericCustomer = false;
    const qlonglong customerId = CusId.toLongLong(&numericCustomer);
    try {
        if (!total || !paid)
            throw DbError(QStringLiteral("the total is not a number"));
        // The header and all its lines are stored together or not at all.
        TTransaction transaction;
        for (int row = 1; row <= LineCount; ++row) {
            if (CellText(row, ColProduct).isEmpty())
                continue;
            const auto warn = ui::ParseUserDate(CellText(row, ColWarnDate));
            dm().Run(QStringLiteral("Insert Into hb_OrderDetail(OrderID,ProductName,Colors,cpxh,Price,Qty,Units,SumMoney,"
                                    "WarnDate,Memo1)values(?,?,?,?,?,?,?,?,?,?)"),
                     {OrderID->text(), CellText(row, ColProduct), CellText(row, ColColors), CellText(row, ColModel),
                      *ui::ParseNumber(CellText(row, ColPrice)), *ui::ParseNumber(CellText(row, ColQty)),
                      CellText(row, ColUnits), *ui::ParseNumber(CellText(row, ColAmount)),
                      warn ? QVariant(ui::DateText(*warn)) : QVariant(QMetaType::fromType<QString>()),
                      CellText(row, ColMemo)});
        }
        dm().Run(QStringLiteral("insert into hb_OrderInfo(OrderID,CusId,CusName,OrderType,OrderState,PayType,TumoverDate,"
                                "htMoney,yfMoney,MoneyState,UserID,UserName,DeptID,DeptName,Date1)"
                                "values(?,?,?,?,?,?,?,?,?,0,?,?,?,?,?)"),
                 {OrderID->text(), numericCustomer ? QVariant(customerId) : QVariant(QMetaType::fromType<qlonglong>()),
                  CusName->text(), OrderType->currentText(), OrderState->currentText(), PayType->currentText(),
                  ui::DateText(TumoverDate->date()), *total, *paid, CurrentUser.UserID.toLongLong(),
                  CurrentUser.UserName, CurrentUser.DeptID.toLongLong(), CurrentUser.DeptName,
                  ui::DateTimeText(Clock::now())});
        if (!transaction.commit())
            throw DbError(QStringLiteral("commit failed"));
    } catch (const DbError&) {
        ui::ShowMessage(QStringLiteral("无法添加记录！"));
        return;
    }
    ui::ShowMessage(QStringLiteral("记录添加成功！"));
    ClearRecord();
}

void TOrderForm::ClearRecord()
{
    OrderID->clear();
    htMoney->setText(QStringLiteral("0"));
    filling = true;
    for (int row = 1; row <= LineCount; ++row)
        for (int col = ColProduct; col < ColumnCount; ++col)
            SetCellText(row, col, QString());
    filling = false;
}

void TOrderForm::ShowRecord()
{
    QSqlQuery header = dm().Run(QStringLiteral("select OrderID,CusId,CusName,PayType,OrderType,OrderState,htMoney,yfMoney,"
                                               "TumoverDate from hb_OrderInfo where ID=?"),
                                {RecordID});
    if (!header.next())
        return;
    OrderID->setText(header.value(0).toString());
    CusId = header.value(1).toString();
    CusName->setText(header.value(2).toString());
    PayType->setCurrentText(header.value(3).toString());
    OrderType->setCurrentText(header.value(4).toString());
    OrderState->setCurrentText(header.value(5).toString());
    htMoney->setText(ui::CellText(header.value(6)));
    yfMoney->setText(ui::CellText(header.value(7)));
    TumoverDate->setDate(ui::StoredDate(header.value(8)));

    QSqlQuery lines = dm().Run(QStringLiteral("select ProductName,Colors,cpxh,Qty,Price,WarnDate,Units,SumMoney,Memo1 "
                                              "from hb_OrderDetail where OrderID=? order by ID"),
                               {OrderID->text()});
    filling = true;
    for (int row = 1; row <= LineCount && lines.next(); ++row) {
        SetCellText(row, ColProduct, ui::CellText(lines.value(0)));
        SetCellText(row, ColColors, ui::CellText(lines.value(1)));
        SetCellText(row, ColModel, ui::CellText(lines.value(2)));
        SetCellText(row, ColQty, ui::CellText(lines.value(3)));
        SetCellText(row, ColPrice, ui::CellText(lines.value(4)));
        SetCellText(row, ColWarnDate, ui::DateText(ui::StoredDate(lines.value(5))));
        SetCellText(row, ColUnits, ui::CellText(lines.value(6)));
        SetCellText(row, ColAmount, ui::CellText(lines.value(7)));
        SetCellText(row, ColMemo, ui::CellText(lines.value(8)));
    }
    filling = false;
}
