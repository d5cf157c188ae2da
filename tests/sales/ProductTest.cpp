// The product screen: list, add in place, edit the loaded product, delete.
#include "SalesFixture.h"

#include "admin/ProductUnit.h"
#include "core/ScreenCatalog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QToolButton>

namespace {
class ProductTest : public SalesTest {
protected:
    void Show()
    {
        form = std::make_unique<TProductForm>();
        form->resize(1000, 600);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QLineEdit* Edit(const char* name) { return Child<QLineEdit>(form.get(), name); }
    QTableView* Grid() { return Child<QTableView>(form.get(), "bsSkinDBGrid1"); }
    QString GridText(int row, int col) { return Grid()->model()->index(row, col).data().toString(); }
    void Press(const char* button) { Click(Child<QToolButton>(form.get(), button)); }
    void Fill(const QString& code, const QString& name, const QString& sale)
    {
        Edit("ProductCode")->setText(code);
        Edit("ProductName")->setText(name);
        Edit("SalePrice")->setText(sale);
    }
    void TearDown() override
    {
        form.reset();
        SalesTest::TearDown();
    }
    std::unique_ptr<TProductForm> form;
};

TEST_F(ProductTest, ShowingClearsInputsFillsCategoriesAndListsProductsInColumnOrder)
{
    AddProduct("P-1", "打印机", "黑", "LX-1", 1200);
    AddProduct("P-2", "墨盒", "彩", "C-9", 35.5);
    Show();
    for (const char* name : {"ProductCode", "ProductName", "Colors", "cpxh", "Units"})
        EXPECT_EQ(Edit(name)->text(), "") << name;
    EXPECT_EQ(Edit("BuyPrice")->text(), "0");
    EXPECT_EQ(Edit("SalePrice")->text(), "0");
    auto* type1 = Child<QComboBox>(form.get(), "Type1");
    EXPECT_TRUE(type1->isEditable());
    EXPECT_EQ(type1->currentText(), "");
    ASSERT_EQ(type1->count(), 5);
    EXPECT_EQ(type1->itemText(0), "----");
    EXPECT_EQ(type1->itemText(1), "硬件");

    ASSERT_EQ(Grid()->model()->rowCount(), 2);
    QStringList titles;
    for (int col = 0; col < Grid()->model()->columnCount(); ++col)
        if (!Grid()->isColumnHidden(col))
            titles << Grid()->model()->headerData(col, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{"产品编号", "产品名称", "产品分类", "产品成本", "产品售价", "产品颜色", "产品型号", "单位"}));
    EXPECT_EQ(GridText(1, 1), "P-2");
    EXPECT_EQ(GridText(1, 5), "35.5");
    EXPECT_EQ(form->EditMode, "add");
}

TEST_F(ProductTest, AddStoresInPlaceShowsTheRowAtOnceAndStaysInAddMode)
{
    Show();
    Fill("P-9", "扫描仪", "0");   // a sale price of 0 passes
    Child<QComboBox>(form.get(), "Type1")->setCurrentText("自定义类");
    Edit("Colors")->setText("白");
    Edit("BuyPrice")->setText("");   // the cost price may stay empty
    Press("bsSkinSpeedButton2");
    EXPECT_EQ(LastMessage(), "记录保存成功！");
    QSqlQuery q = Sql("select ProductCode,ProductName,Type1,Colors,BuyPrice,SalePrice from hb_ProductInfo");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "P-9");
    EXPECT_EQ(q.value(2).toString(), "自定义类");
    EXPECT_EQ(q.value(3).toString(), "白");
    EXPECT_TRUE(q.value(4).isNull());
    EXPECT_EQ(q.value(5).toDouble(), 0.0);
    ASSERT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_EQ(GridText(ui::CurrentRow(Grid()), 2), "扫描仪");
    EXPECT_EQ(Edit("ProductCode")->text(), "");
    EXPECT_EQ(Edit("SalePrice")->text(), "0");
    EXPECT_EQ(form->EditMode, "add");

    // The next product goes straight in; code and name need not be unique.
    Fill("P-9", "扫描仪", "99");
    Press("bsSkinSpeedButton2");
    EXPECT_EQ(Count("hb_ProductInfo"), 2);
    EXPECT_EQ(Grid()->model()->rowCount(), 2);
    EXPECT_EQ(GridText(ui::CurrentRow(Grid()), 5), "99");
}

TEST_F(ProductTest, MandatoryInputsAndNumbersAreCheckedBeforeAnythingIsWritten)
{
    struct Case {
        const char* code;
        const char* name;
        const char* sale;
        const char* buy;
        const char* message;
    };
    const Case cases[] = {
        {"", "名称", "1", "0", "产品编号不能为空！"},
        {"P", "", "1", "0", "产品名称不能为空！"},
        {"P", "名称", "", "0", "销售价格不能为空！"},
        {"P", "名称", "abc", "0", "无法保存记录！"},
        {"P", "名称", "10", "十元", "无法保存记录！"},
    };
    Show();
    for (const Case& c : cases) {
        Fill(c.code, c.name, c.sale);
        Edit("BuyPrice")->setText(c.buy);
        messages.clear();
        Press("bsSkinSpeedButton2");
        EXPECT_EQ(messages, QStringList{c.message}) << c.message;
        EXPECT_EQ(Edit("ProductName")->text(), c.name) << "inputs keep their values";
    }
    EXPECT_EQ(Count("hb_ProductInfo"), 0);
}

TEST_F(ProductTest, EditWritesIntoTheDoubleClickedProductEvenAfterAnotherRowIsSelected)
{
    const int first = AddProduct("P-1", "打印机", "黑", "LX-1", 1200);
    const int second = AddProduct("P-2", "墨盒", "彩", "C-9", 35.5);
    Show();
    DoubleClickRow(Grid(), 1);
    EXPECT_EQ(form->EditMode, "edit");
    EXPECT_EQ(Edit("ProductName")->text(), "墨盒");
    EXPECT_EQ(Edit("SalePrice")->text(), "35.5");
    EXPECT_EQ(Edit("cpxh")->text(), "C-9");

    Edit("ProductName")->setText("大墨盒");
    Grid()->selectRow(0);
    Press("bsSkinSpeedButton2");
    EXPECT_EQ(LastMessage(), "记录修改成功！");
    EXPECT_EQ(Value("select ProductName from hb_ProductInfo where ID=?", {second}).toString(), "大墨盒");
    EXPECT_EQ(Value("select ProductName from hb_ProductInfo where ID=?", {first}).toString(), "打印机");
    EXPECT_EQ(Edit("ProductName")->text(), "大墨盒");
    EXPECT_EQ(GridText(1, 2), "大墨盒");

    // Still in edit mode: a second save writes the same values again.
    Edit("SalePrice")->setText("40");
    Press("bsSkinSpeedButton2");
    EXPECT_EQ(messages.count("记录修改成功！"), 2);
    EXPECT_EQ(Value("select SalePrice from hb_ProductInfo where ID=?", {second}).toDouble(), 40.0);
    EXPECT_EQ(Count("hb_ProductInfo"), 2);

    Edit("SalePrice")->setText("四十");
    Press("bsSkinSpeedButton2");
    EXPECT_EQ(LastMessage(), "无法修改记录！");
    EXPECT_EQ(Value("select SalePrice from hb_ProductInfo where ID=?", {second}).toDouble(), 40.0);

    // 新增 returns to add mode: the next save appends.
    Press("bsSkinSpeedButton1");
    Fill("P-3", "纸", "5");
    Press("bsSkinSpeedButton2");
    EXPECT_EQ(Count("hb_ProductInfo"), 3);
}

TEST_F(ProductTest, DeleteAsksFirstAndNothingHappensOnAnEmptyList)
{
    Show();
    Press("bsSkinSpeedButton3");   // an unexpected question would fail the test
    EXPECT_TRUE(questions.isEmpty());
    DoubleClickRow(Grid(), 0);
    EXPECT_EQ(form->EditMode, "add");

    AddProduct("P-1", "打印机", "黑", "LX-1", 1200);
    const int kept = AddProduct("P-2", "墨盒", "彩", "C-9", 35.5);
    AddLine("O-1", "打印机", 1200, 1);
    form->RefreshList();
    Answer({false});
    Press("bsSkinSpeedButton3");
    EXPECT_EQ(questions, QStringList{"提示|是否删除当前记录？"});
    EXPECT_EQ(Count("hb_ProductInfo"), 2);

    Grid()->selectRow(0);
    Answer({true});
    Press("bsSkinSpeedButton3");
    EXPECT_EQ(Value("select group_concat(ID) from hb_ProductInfo").toInt(), kept);
    EXPECT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_TRUE(messages.isEmpty());
    // Order lines keep the product's name.
    EXPECT_EQ(Value("select ProductName from hb_OrderDetail").toString(), "打印机");
}

TEST(SalesScreens, EveryMenuTargetOfTheseScreensIsRegistered)
{
    for (const char* name : {"TProductForm", "TOrderListForm", "TDueListForm", "TOrderForm", "TDueForm"})
        EXPECT_TRUE(ScreenCatalog().Has(name)) << name;
}
}
