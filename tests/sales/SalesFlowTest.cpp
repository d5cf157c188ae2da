// Through the main window's commands alone: keep a product, enter an order for a picked customer,
// record a payment against it, reverse the payment, and find the order can no longer be deleted.
#include "SalesFixture.h"

#include "core/MainUnit.h"
#include "ui/HostedScreen.h"

#include <QAction>
#include <QToolButton>

namespace {
class SalesFlowTest : public SalesTest {
protected:
    void TearDown() override
    {
        main.reset();
        SalesTest::TearDown();
    }
    THostedScreen* Host(const char* menu, const char* className)
    {
        main->MenuAction(QString::fromLatin1(menu))->trigger();
        THostedScreen* screen = main->HostedScreen(QString::fromLatin1(className));
        EXPECT_NE(screen, nullptr) << className;
        EXPECT_EQ(main->CurrentScreen(), screen);
        return screen;
    }
    std::unique_ptr<TMainForm> main;
};

TEST_F(SalesFlowTest, ProductOrderPaymentReversalAndTheDeleteGuard)
{
    AddCustomer("深圳前海明达贸易有限公司", "C-77", AddUser("li", "李四", "pw"));
    main = std::make_unique<TMainForm>();
    main->resize(1200, 800);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));

    THostedScreen* products = Host("GoodsMenu", "TProductForm");
    ASSERT_NE(products, nullptr);
    EXPECT_EQ(main->windowTitle(), "Vorlin客户关系管理V1.10--【产品管理】");
    Child<QLineEdit>(products, "ProductCode")->setText("G-1");
    Child<QLineEdit>(products, "ProductName")->setText("工控机");
    Child<QLineEdit>(products, "SalePrice")->setText("250");
    Click(Child<QToolButton>(products, "bsSkinSpeedButton2"));
    ASSERT_EQ(LastMessage(), "记录保存成功！");

    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<TOrderForm*>(dialog);
        ASSERT_NE(form, nullptr);
        PickCustomer("明达");
        Click(Child<QToolButton>(form, "bsSkinSpeedButton1"));
        Child<QLineEdit>(form, "OrderID")->setText("MD-1");
        EnterLine(form, 1, "工控机", "4");
        ChooseProduct(form, 2, "工控机");
        TypeCell(form, 2, TOrderForm::ColPrice, "200");
        TypeCell(form, 2, TOrderForm::ColQty, "1");
        Click(Child<QPushButton>(form, "btnSave"));
    });
    main->MenuAction("OrderMenu")->trigger();
    ASSERT_EQ(LastMessage(), "记录添加成功！");
    EXPECT_EQ(Value("select htMoney from hb_OrderInfo where OrderID='MD-1'").toDouble(), 1200.0);

    THostedScreen* payments = Host("DueLMenu", "TDueListForm");
    ASSERT_NE(payments, nullptr);
    OnModal([&](QDialog* dialog) {
        QString shown;
        PickOrder("明达", "MD-1", &shown);
        Click(Child<QToolButton>(dialog, "bsSkinSpeedButton2"));
        EXPECT_EQ(shown, "1200");
        Child<QLineEdit>(dialog, "DueNum")->setText("R-1");
        Child<QLineEdit>(dialog, "Amount")->setText("1000");
        auto* payer = Child<QComboBox>(dialog, "DueUser");
        payer->setCurrentIndex(payer->findText("李四"));
        Click(Child<QPushButton>(dialog, "btnSave"));
    });
    Click(Child<QToolButton>(payments, "bsSkinSpeedButton1"));
    ASSERT_EQ(LastMessage(), "记录已保存！");
    EXPECT_EQ(Value("select yfMoney from hb_OrderInfo where OrderID='MD-1'").toDouble(), 1000.0);
    auto* dueGrid = Child<QTableView>(payments, "bsSkinDBGrid1");
    ASSERT_EQ(dueGrid->model()->rowCount(), 1);

    Answer({true});
    Click(Child<QToolButton>(payments, "bsSkinSpeedButton3"));
    EXPECT_EQ(dueGrid->model()->rowCount(), 2);
    EXPECT_EQ(Value("select yfMoney from hb_OrderInfo where OrderID='MD-1'").toDouble(), 0.0);

    THostedScreen* orders = Host("OrderLMenu", "TOrderListForm");
    ASSERT_NE(orders, nullptr);
    EXPECT_EQ(main->windowTitle(), "Vorlin客户关系管理V1.10--【订单管理】");
    EXPECT_FALSE(payments->isVisible());
    Answer({true});
    Click(Child<QToolButton>(orders, "bsSkinSpeedButton4"));
    EXPECT_EQ(LastMessage(), "此订单已回款，无法删除！");
    EXPECT_EQ(Count("hb_OrderInfo"), 1);
    EXPECT_EQ(Count("hb_OrderDetail"), 2);
    EXPECT_TRUE(errors.isEmpty());
}
}
