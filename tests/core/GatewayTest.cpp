// The gateway's statement runners, fillers, splitter and visibility rule.
#include "TestSupport.h"

#include "core/DbError.h"
#include "core/SunUnit.h"
#include "core/SqlDialect.h"

#include <QComboBox>

namespace {
class GatewayTest : public TCrmTest {};

QStringList Items(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}
}

TEST_F(GatewayTest, GetSqlValueFallbacksAndTexts)
{
    Sql("insert into hb_ProductInfo(ProductCode,ProductName,SalePrice,BuyPrice) values('P1','灯',37.5,120)");
    Sql("insert into hb_ProductInfo(ProductCode,ProductName,SalePrice) values('P2','Null价',NULL)");
    struct Case {
        const char* sql;
        QVariantList params;
        const char* expected;
    } cases[] = {
        {"select ProductName from hb_ProductInfo where ProductCode=?", {"none"}, "-1"},
        {"select SalePrice from hb_ProductInfo where ProductCode=?", {"P2"}, "未取得值"},
        {"selec ProductName frm hb_ProductInfo", {}, "未取得值"},
        {"select ProductName from hb_ProductInfo where ProductCode=?", {"P1"}, "灯"},
        {"select SalePrice from hb_ProductInfo where ProductCode=?", {"P1"}, "37.5"},
        {"select BuyPrice from hb_ProductInfo where ProductCode=?", {"P1"}, "120"},
        {"select 0.1+0.2", {}, "0.3"},
        {"select count(*) from hb_ProductInfo", {}, "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetSqlValue(QString::fromUtf8(c.sql), c.params), QString::fromUtf8(c.expected)) << c.sql;
}

TEST_F(GatewayTest, GetSqlCountConvertsOrFallsBackToZero)
{
    struct Case {
        const char* sql;
        int expected;
    } cases[] = {
        {"select count(1) from hb_CustomerInfo", 0},            // empty table
        {"select ID from hb_SysUser where ID=-5", 0},            // no row
        {"select 2.5", 2},                                       // halves to even
        {"select 3.5", 4},
        {"select -2.5", -2},
        {"select 2.6", 3},
        {"select '12'", 12},                                     // numeric text
        {"select 'abc'", 0},
        {"select NULL", 0},
        {"select 4294967296", 0},                                // outside 32 bits
        {"select -2147483648", -2147483647 - 1},
        {"select ID from hb_SysDept where DeptName='销售部'", 1},
        {"select from nowhere", 0},                              // error
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetSqlCount(QString::fromUtf8(c.sql)), c.expected) << c.sql;
}

TEST_F(GatewayTest, ExecSqlReportsFailureAndBindsTextLiterally)
{
    EXPECT_FALSE(ExecSql("insert into hb_ProductInfo(ProductCode,ProductName,SalePrice) values(?,?,?)",
                         {"P1", "x", "abc"}));   // the REAL column refuses text
    EXPECT_FALSE(ExecSql("update nothing set a=1"));
    EXPECT_TRUE(messages.isEmpty() && errors.isEmpty());

    const QString tricky = QStringLiteral("O'Brien'); delete from hb_SysUser; --");
    ASSERT_TRUE(ExecSql("insert into hb_ProductInfo(ProductCode,ProductName,SalePrice) values(?,?,?)",
                        {"P2", tricky, "12.5"}));
    EXPECT_EQ(GetSqlValue("select ProductName from hb_ProductInfo where ProductCode='P2'"), tricky);
    EXPECT_EQ(GetSqlValue("select SalePrice from hb_ProductInfo where ProductCode='P2'"), "12.5");
    EXPECT_EQ(GetSqlCount("select count(*) from hb_SysUser"), 1);
    EXPECT_EQ(GetSqlCount("select count(*) from hb_ProductInfo"), 1);
}

TEST_F(GatewayTest, LikePatternsMatchTypedSignsLiterally)
{
    Sql("insert into hb_ProductInfo(ProductCode,ProductName,SalePrice) values('1','50% 折扣',1),('2','500 件',1),"
        "('3','a_b',1),('4','axb',1)");
    const auto count = [](const QString& text) {
        return GetSqlCount("select count(*) from hb_ProductInfo where " + SqlDialect::Like("ProductName"),
                           {SqlDialect::LikeContains(text)});
    };
    EXPECT_EQ(count("50%"), 1);
    EXPECT_EQ(count("a_b"), 1);
    EXPECT_EQ(count("0"), 2);
    EXPECT_EQ(count(""), 4);
    EXPECT_EQ(count("\\"), 0);
}

TEST_F(GatewayTest, FillersEmptyAddAndSelectAsEachOneShould)
{
    QComboBox dept;
    dept.addItem("旧");
    FillDeptCombo(&dept);   // appends to what is there
    EXPECT_EQ(Items(dept), (QStringList{"旧", "总公司", "销售部", "市场部", "行政部"}));
    EXPECT_EQ(dept.currentIndex(), 0);

    QComboBox role;
    role.addItem("旧");
    FillRoleCombo(&role);
    EXPECT_EQ(Items(role).size(), 2);
    EXPECT_FALSE(Items(role).contains("旧"));
    EXPECT_TRUE(Items(role).contains("管理员"));
    EXPECT_EQ(role.currentIndex(), 0);

    QComboBox datum;
    datum.addItem("旧");
    FillDatumCombo(&datum, "A014");
    ASSERT_GT(datum.count(), 1);
    EXPECT_EQ(datum.itemText(0), "----");
    EXPECT_FALSE(Items(datum).contains("旧"));
    EXPECT_EQ(datum.count() - 1, GetSqlCount("select count(*) from hb_SysCodeChild where CodeNum='A014'"));
    EXPECT_EQ(datum.currentIndex(), -1);

    QComboBox province;
    FillAreaCombo(&province, 0);
    EXPECT_EQ(province.itemText(0), "----");
    EXPECT_TRUE(Items(province).contains("广东省"));
    EXPECT_EQ(province.currentIndex(), 0);

    QComboBox city;
    FillChildAreaCombo(&city, "广东省");
    EXPECT_EQ(city.itemText(0), "----");
    EXPECT_TRUE(Items(city).contains("广州市"));
    EXPECT_FALSE(Items(city).contains("广东省"));
    FillChildAreaCombo(&city, "没有的省");
    EXPECT_EQ(Items(city), QStringList{"----"});

    AddUser("gone", "离职者", "1", 1, 1, "离职");
    AddUser("o'k", "王'五", "1", 1, 2);
    QComboBox users;
    FillUserCombo(&users);
    EXPECT_EQ(users.itemText(0), "");
    EXPECT_EQ(users.currentIndex(), -1);
    EXPECT_TRUE(Items(users).contains("系统管理员"));
    EXPECT_TRUE(Items(users).contains("王'五"));
    EXPECT_FALSE(Items(users).contains("离职者"));

    QComboBox deptUsers;
    FillDeptUserCombo(&deptUsers, "2");
    EXPECT_EQ(Items(deptUsers), (QStringList{"", "王'五"}));
}

TEST_F(GatewayTest, AreaFillerOnDatabaseWithoutAreasLeavesDashesSelected)
{
    Sql("delete from hb_SysArea");
    QComboBox box;
    FillAreaCombo(&box, 0);
    EXPECT_EQ(Items(box), QStringList{"----"});
    EXPECT_EQ(box.currentIndex(), 0);
}

TEST_F(GatewayTest, FillerErrorsAreSwallowedOrRaisedAsEachOneShould)
{
    Sql("drop table hb_SysCodeChild");
    Sql("drop table hb_SysArea");
    Sql("drop table hb_ProductInfo");
    QComboBox datum;
    datum.addItem("旧");
    EXPECT_NO_THROW(FillDatumCombo(&datum, "A001"));   // swallowed
    QComboBox area;
    EXPECT_THROW(FillAreaCombo(&area, 0), DbError);
    EXPECT_THROW(FillChildAreaCombo(&area, "广东省"), DbError);
    QComboBox product;
    EXPECT_THROW(FillProductGridCombo(&product), DbError);
}

TEST_F(GatewayTest, SplitStringSkipsEmptyPieces)
{
    struct Case {
        QString text, separator;
        QStringList expected;
    } cases[] = {
        {"a;;b;", ";", {"a", "b"}},
        {"", ";", {}},
        {"abc", ";", {"abc"}},
        {";;a", ";", {"a"}},
        {"x@a.cn;y@b.cn", ";", {"x@a.cn", "y@b.cn"}},
        {"北京 上海  广州", " ", {"北京", "上海", "广州"}},
        {"a<>b<><>c", "<>", {"a", "b", "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitString(c.text, c.separator), c.expected) << c.text.toStdString();
}

TEST_F(GatewayTest, DataScopeLimitsByRole)
{
    TCurrentUser user;
    user.UserID = "7";
    user.DeptID = "3";
    struct Case {
        const char* findRole;
        const char* andSql;
        const char* ownSql;
        QVariantList params;
    } cases[] = {
        {"0", "", "", {}},
        {"", "", "", {}},
        {"9", "", "", {}},
        {"1", " and a.DeptID=?", "a.DeptID=?", {3}},
        {"2", " and a.UserID=?", "a.UserID=?", {7}},
    };
    for (const Case& c : cases) {
        user.FindRole = c.findRole;
        const TSqlCondition a = DataScopeAnd(user, "a.");
        const TSqlCondition own = DataScopeCondition(user, "a.");
        EXPECT_EQ(a.sql, QString::fromUtf8(c.andSql)) << c.findRole;
        EXPECT_EQ(own.sql, QString::fromUtf8(c.ownSql)) << c.findRole;
        EXPECT_EQ(a.params, c.params) << c.findRole;
    }
}
