// The customer overview: details read-only, and every contact, visit and order of the customer,
// whoever recorded it.
#include "CustomersFixture.h"

#include "customers/SeeCustomerUnit.h"

#include <QTabWidget>

namespace {
class SeeCustomerTest : public CustomersTest {
protected:
    int Open(int id, std::function<void(QDialog*)> handler)
    {
        OnModal(std::move(handler));
        TSeeCustomerForm dlg;
        dlg.EditMode = "see";
        dlg.RecordID = id;
        return dlg.Open();
    }
    static QStringList Row(QTableView* grid, int row)
    {
        QStringList cells;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            cells << grid->model()->index(row, c).data().toString();
        return cells;
    }
};

TEST_F(SeeCustomerTest, ShowsDetailsAndEveryRowReferringToTheCustomer)
{
    const int id = AddCustomer("S1", "全景公司", me, "2026-01-01", "全景");
    const int elsewhere = AddCustomer("S2", "别家", me);
    Sql("update hb_CustomerInfo set CusDept='总监',CusType='代理商',CusCountry='广东省',QZTZ='挑战' where ID=?", {id});
    AddContact(id, "全景公司", "旧联系人", me, "2025-01-01");
    AddContact(id, "全景公司", "别人记的联系人", other, "2026-02-01");
    AddContact(elsewhere, "别家", "不相干", me);
    Sql("update hb_CustomerPerson set Birthday='1980-01-02',Sex='女' where PersonName='旧联系人'");
    AddVisit(id, "全景公司", "V1", other, "2026-01-05", "09:30:00");
    AddVisit(id, "全景公司", "V2", me, "2026-02-05", "14:00:00");
    Sql("update hb_VisitInfo set VisPerson='接待',GTMB='目',GTNR='容' where VisCode='V1'");
    Sql("insert into hb_OrderInfo(OrderID,CusId,CusName,OrderType,PayType,TumoverDate,htMoney,UserID,Date1) values"
        "('O1',?,'全景公司','网站','现金','2026-01-10',1200.5,?,'2026-01-10 10:00:00'),"
        "('O2',?,'全景公司','展会','支票','2026-02-10',300,?,'2026-02-10 10:00:00'),"
        "('O3',?,'别家','展会','支票','2026-02-11',5,?,'2026-02-11 10:00:00')",
        {id, other, id, me, elsewhere, me});
    Open(id, [&](QDialog* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "客户信息");
        auto* tabs = Child<QTabWidget>(dlg, "bsSkinPageControl1");
        EXPECT_EQ(tabs->currentIndex(), 0);
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        EXPECT_EQ(captions, (QStringList{"客户信息", "联系人信息", "拜访记录", "订单情况"}));
        EXPECT_EQ(TextOf(dlg, "CusCode"), "S1");
        EXPECT_EQ(TextOf(dlg, "Customer"), "全景公司");
        EXPECT_EQ(TextOf(dlg, "CusName"), "全景");
        EXPECT_EQ(TextOf(dlg, "CusDept"), "总监");
        EXPECT_EQ(TextOf(dlg, "CusType"), "代理商");
        EXPECT_EQ(TextOf(dlg, "CusCountry"), "广东省");
        EXPECT_EQ(TextOf(dlg, "QZTZ"), "挑战");
        EXPECT_EQ(Child<QComboBox>(dlg, "CusType")->count(), 0) << "the choice boxes have no lists";

        auto* contacts = Child<QTableView>(dlg, "bsSkinDBGrid1");
        EXPECT_EQ(Titles(contacts), (QStringList{"联系人", "出生日期", "性别", "所属部门", "手机", "电话", "邮箱"}));
        EXPECT_EQ(Column(contacts, "PersonName"), (QStringList{"别人记的联系人", "旧联系人"}));
        EXPECT_EQ(Row(contacts, 1).mid(0, 3), (QStringList{"旧联系人", "1980-01-02", "女"}));

        auto* visits = Child<QTableView>(dlg, "bsSkinDBGrid2");
        EXPECT_EQ(Titles(visits), (QStringList{"接待人", "拜访情况", "接触方式", "拜访日期", "沟通目标", "沟通内容易"}));
        EXPECT_EQ(Column(visits, "VisDate"), (QStringList{"2026-02-05 14:00:00", "2026-01-05 09:30:00"}));
        EXPECT_EQ(Row(visits, 1), (QStringList{"接待", "", "", "2026-01-05 09:30:00", "目", "容"}));

        auto* orders = Child<QTableView>(dlg, "bsSkinDBGrid3");
        EXPECT_EQ(Titles(orders), (QStringList{"订单来源", "支付方式", "促成日期", "合同总额"}));
        EXPECT_EQ(Row(orders, 0), (QStringList{"展会", "支票", "2026-02-10", "300"}));
        EXPECT_EQ(Row(orders, 1), (QStringList{"网站", "现金", "2026-01-10", "1200.5"}));
        EXPECT_EQ(orders->model()->rowCount(), 2);
    });
}

TEST_F(SeeCustomerTest, CustomerWithoutRowsShowsEmptyGridsAndChangesNothing)
{
    const int id = AddCustomer("S1", "空公司", me);
    const int result = Open(id, [&](QDialog* dlg) {
        for (const char* grid : {"bsSkinDBGrid1", "bsSkinDBGrid2", "bsSkinDBGrid3"})
            EXPECT_EQ(Child<QTableView>(dlg, grid)->model()->rowCount(), 0) << grid;
        auto* name = Child<QLineEdit>(dlg, "Customer");
        EXPECT_TRUE(name->isReadOnly());
        Type(name, "改");
        SetText(dlg, "CusMemo", "不会保存");
        Click(Child<QPushButton>(dlg, "btnClose"));
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(Value("select Customer from hb_CustomerInfo where ID=?", {id}).toString(), "空公司");
    EXPECT_TRUE(Value("select CusMemo from hb_CustomerInfo where ID=?", {id}).isNull());
}

TEST_F(SeeCustomerTest, EscapeLeavesTheOverview)
{
    const int id = AddCustomer("S1", "公司", me);
    const int result = Open(id, [&](QDialog* dlg) {
        QTest::keyClick(dlg, Qt::Key_Escape);
        EXPECT_FALSE(dlg->isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
}
}
