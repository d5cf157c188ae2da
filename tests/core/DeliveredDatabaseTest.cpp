// The delivered database: every table and column the program uses, the views and the starting rows.
#include "TestSupport.h"

#include "core/MainUnit.h"
#include "core/SunUnit.h"
#include "core/dmUnit.h"

#include <QFile>
#include <QProcess>

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QSqlRecord>

namespace {
class DeliveredDatabaseTest : public TCrmTest {
protected:
    QStringList Columns(const QString& table)
    {
        QStringList names;
        QSqlQuery q = Sql(QStringLiteral("select name from pragma_table_info(?)"), {table});
        while (q.next())
            names << q.value(0).toString();
        return names;
    }
};
}

TEST_F(DeliveredDatabaseTest, EveryTableHasItsColumns)
{
    const QMap<QString, QString> tables = {
        {"hb_SysUser", "ID LogName UseName Pwd DeptID DeptName RoleID RoleName Birthday Phone MovePhone eMail QQ Address State"},
        {"hb_SysRole", "ID RoleName FindRole Vis"},
        {"hb_SysPower", "RoleName MenuName"},
        {"hb_SysMenu", "MenuCode MenuName TopID"},
        {"hb_SysDept", "ID DeptName TopID Date1 xh"},
        {"hb_SysArea", "ID AreaName TopID xh"},
        {"hb_SysCode", "CodeNum CodeName xh"},
        {"hb_SysCodeChild", "ID Datum CodeNum xh"},
        {"hb_CustomerInfo",
         "ID CusCode Customer CusName CusDept CusPerson CusType CusSource CusBind CusBuyType CusSumPerson CusSumMoney "
         "CusBusiness CusYearMoney CusCountry CusArea CusChildArea CusZip CusAreaNum CusPhone CusFax CusMovePhone "
         "CusMail CusInter CusAddress CusMemo ThreeYearInfo QZTZ VisState LastVisDate UserID UserName DeptID DeptName "
         "Date1"},
        {"hb_CustomerPerson",
         "ID CusID CusName PersonName CusDept Birthday Sex ZW MovePhone Phone eMail QQ MSN Address PersonLike Memo1 JG "
         "JSR JSRGX Likes TD StudentMemo LikeClass XQ LW UserID UserName DeptID DeptName Date1"},
        {"hb_VisitInfo",
         "ID VisCode CusID CusName VisPerson VisType VisState VisDate VisTime NextDate NextTime GTMB GTNR Product UserID "
         "UserName DeptID DeptName Date1"},
        {"hb_ProductInfo", "ProductCode ProductName Type1 Colors cpxh BuyPrice SalePrice Units"},
        {"hb_OrderInfo",
         "ID OrderID CusId CusName OrderType PayType OrderState TumoverDate htMoney yfMoney MoneyState UserID UserName "
         "DeptID DeptName Date1"},
        {"hb_OrderDetail", "OrderID ProductName Colors cpxh Price Qty Units SumMoney WarnDate Memo1"},
        {"hb_Due",
         "id DueNum OrderID CusID CusName Amount DueDate DueUser MethordName Remarks UserID UserName DeptID DeptName Date1 IsDel"},
        {"hb_DayWork", "ID Title Memo1 PlantDate PlantTime State UserID UserName DeptID DeptName Date1"},
        {"hb_WeekWork",
         "ID PlanCode PlanTitle PlanMemo PlanFlag PlanReason PlanJY StartDate EndDate UserID UserName DeptID DeptName Date1"},
        {"hb_MonthWork",
         "ID PlanCode PlanTitle PlanMemo PlanFlag PlanReason PlanJY StartDate EndDate UserID UserName DeptID DeptName Date1"},
        {"hb_MailServer", "ServerName ServerAddress MailName MailPwd UserID"},
        {"hb_MailBody", "SendMail ReadMail MailTitle MailBody Date1 SendFail SendState UserID UserName"},
    };
    for (auto it = tables.cbegin(); it != tables.cend(); ++it) {
        const QStringList have = Columns(it.key());
        ASSERT_FALSE(have.isEmpty()) << "missing table " << it.key().toStdString();
        for (const QString& column : it.value().split(' '))
            EXPECT_TRUE(have.contains(column, Qt::CaseInsensitive)) << it.key().toStdString() << "." << column.toStdString();
        // every table has an integer key the screens can address rows by
        EXPECT_TRUE(have.contains("ID", Qt::CaseInsensitive)) << it.key().toStdString();
        const QString sql = Value("select sql from sqlite_master where name=?", {it.key()}).toString();
        EXPECT_TRUE(sql.contains("STRICT", Qt::CaseInsensitive)) << it.key().toStdString();
    }
}

TEST_F(DeliveredDatabaseTest, ViewsGiveTheColumnsAndFiguresRead)
{
    Sql("insert into hb_CustomerInfo(ID,CusCode,Customer,UserID) values(1,'C1','甲',1),(2,'C2','乙',1)");
    Sql("insert into hb_CustomerPerson(CusID,CusName,PersonName,Sex,Birthday,UserID) values(1,'甲','王','男','1980-03-09',1)");
    Sql("insert into hb_VisitInfo(VisCode,CusID) values('V1',1),('V2',1),('V3',2)");
    Sql("insert into hb_OrderInfo(OrderID,CusId,htMoney) values('O1',1,100.5),('O2',1,200)");

    QSqlQuery b = Sql("select CusName,PersonName,Sex,Birthday,UserID,mm,dd from ViewCusBirthday");
    ASSERT_TRUE(b.next());
    EXPECT_EQ(b.value("mm").toString(), "03");
    EXPECT_EQ(b.value("dd").toString(), "09");
    EXPECT_EQ(b.value("CusName").toString(), "甲");
    EXPECT_EQ(Value("select VisCount from ViewVisitInfo where CusID=1").toInt(), 2);
    EXPECT_EQ(Value("select VisCount from ViewVisitInfo where CusID=2").toInt(), 1);
    QSqlQuery o = Sql("select OrderCount,OrderSumMoney from ViewOrderInfo where CusID=1");
    ASSERT_TRUE(o.next());
    EXPECT_EQ(o.value(0).toInt(), 2);
    EXPECT_DOUBLE_EQ(o.value(1).toDouble(), 300.5);
    EXPECT_FALSE(Value("select CusID from ViewOrderInfo where CusID=2").isValid());
}

TEST_F(DeliveredDatabaseTest, StartingRows)
{
    EXPECT_NE(Value("select TopID from hb_SysDept where ID=0").toInt(), 0);
    EXPECT_EQ(Value("select RoleName from hb_SysRole where ID=0").toString(), "管理员");
    QSqlQuery admin = Sql("select LogName,Pwd,State,RoleID from hb_SysUser");
    ASSERT_TRUE(admin.next());
    EXPECT_EQ(admin.value(2).toString(), "在职");
    EXPECT_EQ(admin.value(3).toInt(), 0);
    EXPECT_EQ(DecodePassword(admin.value(1).toString()), "admin");   // as the login window's hint says
    EXPECT_EQ(Value("select FindRole from hb_SysRole where RoleName='业务员'").toString(), "2");

    QStringList codes;
    QSqlQuery c = Sql("select CodeNum,(select count(*) from hb_SysCodeChild d where d.CodeNum=c.CodeNum) "
                      "from hb_SysCode c order by xh");
    while (c.next()) {
        codes << c.value(0).toString();
        EXPECT_GT(c.value(1).toInt(), 0) << c.value(0).toString().toStdString();
    }
    EXPECT_EQ(codes, (QStringList{"A001", "A003", "A004", "A005", "A006", "A007", "A008", "A009", "A010", "A011",
                                  "A012", "A013", "A014", "A015", "A016"}));
}

TEST_F(DeliveredDatabaseTest, MenuCatalogueNamesEveryGrantableCommand)
{
    LoginAsAdmin();
    TMainForm form;
    QSqlQuery q = Sql("select MenuCode,MenuName,TopID from hb_SysMenu");
    QSet<QString> commands;
    int topLevel = 0;
    while (q.next()) {
        const QString code = q.value(0).toString();
        QAction* action = form.MenuAction(code);
        ASSERT_NE(action, nullptr) << "no menu item " << code.toStdString();
        if (q.value(2).toInt() == 0) {
            ++topLevel;
            EXPECT_NE(action->menu(), nullptr) << code.toStdString();
        } else {
            commands << code;
            if (code == "MonthRMenu")
                EXPECT_EQ(q.value(1).toString(), "月计划明细胞");
            else
                EXPECT_EQ(q.value(1).toString(), action->text()) << code.toStdString();
        }
    }
    EXPECT_EQ(topLevel, 7);
    EXPECT_EQ(commands.size(), 41);
    EXPECT_FALSE(commands.contains("N23"));
    EXPECT_FALSE(commands.contains("N35"));

    // every permission row names a real menu item
    QSqlQuery p = Sql("select MenuName from hb_SysPower");
    while (p.next())
        EXPECT_NE(form.MenuAction(p.value(0).toString()), nullptr) << p.value(0).toString().toStdString();
}

TEST_F(DeliveredDatabaseTest, StrictColumnsRefuseWrongTypes)
{
    EXPECT_FALSE(ExecSql("insert into hb_OrderInfo(OrderID,htMoney) values('x',?)", {"abc"}));
    EXPECT_TRUE(ExecSql("insert into hb_OrderInfo(OrderID,htMoney) values('y',?)", {"12.5"}));
    EXPECT_DOUBLE_EQ(Value("select htMoney from hb_OrderInfo where OrderID='y'").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(Value("select yfMoney from hb_OrderInfo where OrderID='y'").toDouble(), 0);
}

TEST_F(DeliveredDatabaseTest, BuildNeverReplacesAnExistingFile)
{
    Sql("insert into hb_CustomerInfo(CusCode,Customer) values('KEEP','用户的数据')");
    dm().Close();
    const QStringList scripts = QString::fromUtf8(CRM_DB_SCRIPTS).split('|');
    QProcess build;
    build.start(QString::fromUtf8(CRM_MAKEDB), QStringList{"--if-absent", DatabasePath()} + scripts);
    ASSERT_TRUE(build.waitForFinished(30000));
    EXPECT_EQ(build.exitCode(), 0);
    EXPECT_EQ(Value("select Customer from hb_CustomerInfo where CusCode='KEEP'").toString(), "用户的数据");

    // and makes a complete new file where there is none
    QTemporaryDir fresh;
    const QString path = fresh.filePath("Pemrox/PemroxCRM.mdb");
    build.start(QString::fromUtf8(CRM_MAKEDB), QStringList{"--if-absent", path} + scripts);
    ASSERT_TRUE(build.waitForFinished(30000));
    EXPECT_EQ(build.exitCode(), 0) << build.readAllStandardError().toStdString();
    dm().SetDatabasePath(path);
    EXPECT_EQ(GetSqlCount("select count(*) from hb_SysMenu"), 48);
    EXPECT_FALSE(QFile::exists(path + ".part"));
}
