// The shared list screen on a large table: a separate count, rows fetched lazily, bound filters.
#include "TestSupport.h"

#include "ui/ListScreen.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTableView>

namespace {
class ListScreenTest : public TCrmTest {
protected:
    static TListConfig Config()
    {
        TListConfig c;
        c.table = "hb_CustomerInfo";
        c.columns = {{"CusCode", "客户编号"}, {"Customer", "客户名称"}};
        c.hiddenFields = {"UserID"};
        c.orderBy = "Date1, ID";
        c.countFormat = "共：%1 条记录 ";
        return c;
    }
};
}

TEST_F(ListScreenTest, LargeTableOpensAtOnceWithFullCountAndLazyRows)
{
    Sql("with recursive n(i) as (select 1 union all select i+1 from n where i<60000) "
        "insert into hb_CustomerInfo(CusCode,Customer,UserID,Date1) "
        "select 'C'||i, '客户'||i, 1+(i%3), date('2020-01-01','+'||(i%900)||' days') from n");
    LoginAsAdmin();
    TListScreen list(Config());
    list.SetOwnRowsFilter();
    QElapsedTimer timer;
    timer.start();
    list.RefreshList();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(list.RowCount(), 20000);
    EXPECT_EQ(list.CountLabel()->text(), "共：20000 条记录 ");
    EXPECT_LT(list.Model()->rowCount(), 1000);   // the rest comes as the grid scrolls
    EXPECT_TRUE(list.Model()->canFetchMore());
    EXPECT_EQ(list.Model()->FieldValue(0, "UserID").toInt(), 1);
    EXPECT_TRUE(list.Grid()->isColumnHidden(0));   // the key
    EXPECT_TRUE(list.Grid()->isColumnHidden(3));   // the hidden field
    EXPECT_FALSE(list.Grid()->isColumnHidden(1));
    EXPECT_EQ(list.Model()->headerData(2, Qt::Horizontal).toString(), "客户名称");
    EXPECT_GT(list.SelectedID(), 0);
}

TEST_F(ListScreenTest, EmptyListSelectsNothing)
{
    LoginAsAdmin();
    TListScreen list(Config());
    list.SetOwnRowsFilter();
    list.RefreshList();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.SelectedID(), 0);
    EXPECT_FALSE(list.SelectedValue("CusCode").isValid());
    EXPECT_EQ(list.CountLabel()->text(), "共：0 条记录 ");
}
