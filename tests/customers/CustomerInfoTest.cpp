// The customer editor: mandatory inputs, what an add stores, the first contact, duplicate codes,
// the area cascade and editing the list's selected customer.
#include "CustomersFixture.h"

#include "customers/CustomerInfoUnit.h"
#include "customers/CustomerListUnit.h"

#include <QSqlRecord>

namespace {
class CustomerInfoTest : public CustomersTest {
protected:
    // Opens a fresh editor in add mode and runs handler on it while it is shown.
    int OpenAdd(std::function<void(QDialog*)> handler)
    {
        OnModal(std::move(handler));
        TCustomerInfoForm dlg;
        dlg.EditMode = "add";
        return dlg.Open();
    }
    static void Save(QDialog* dlg) { Click(Child<QPushButton>(dlg, "btnSave")); }
};

TEST_F(CustomerInfoTest, AddStoresInputsOwnerAndTodayAndStaysOpen)
{
    OpenAdd([&](QDialog* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "客户信息");
        SetText(dlg, "CusCode", "C001");
        SetText(dlg, "Customer", "广州天河贸易有限公司");
        SetText(dlg, "CusName", "天河贸易");
        SetText(dlg, "CusPhone", "020-1234");
        SetText(dlg, "CusMemo", "第一行\n第二行");
        SetText(dlg, "QZTZ", "竞争 ");
        auto* type = Child<QComboBox>(dlg, "CusType");
        type->setCurrentIndex(type->findText("代理商"));
        SetText(dlg, "CusBusiness", "自填行业");   // typed text that is not in the list
        Save(dlg);
        EXPECT_EQ(messages, QStringList{"记录保存成功！"});
        EXPECT_TRUE(dlg->isVisible()) << "the editor stays open after an add";
        EXPECT_EQ(TextOf(dlg, "Customer"), "广州天河贸易有限公司");
        Click(Child<QPushButton>(dlg, "btnClose"));
    });
    QSqlQuery q = Sql("select * from hb_CustomerInfo where CusCode='C001'");
    ASSERT_TRUE(q.next());
    const QSqlRecord r = q.record();
    EXPECT_EQ(r.value("Customer").toString(), "广州天河贸易有限公司");
    EXPECT_EQ(r.value("CusName").toString(), "天河贸易");
    EXPECT_EQ(r.value("CusPhone").toString(), "020-1234");
    EXPECT_EQ(r.value("CusMemo").toString(), "第一行\n第二行");
    EXPECT_EQ(r.value("QZTZ").toString(), "竞争 ") << "nothing is trimmed";
    EXPECT_EQ(r.value("CusType").toString(), "代理商");
    EXPECT_EQ(r.value("CusBusiness").toString(), "自填行业");
    EXPECT_EQ(r.value("CusSource").toString(), "") << "an untouched dictionary box stores empty text";
    for (const char* area : {"CusCountry", "CusArea", "CusChildArea"})
        EXPECT_EQ(r.value(area).toString(), "----") << area;
    EXPECT_EQ(r.value("UserID").toInt(), me);
    EXPECT_EQ(r.value("UserName").toString(), "张三");
    EXPECT_EQ(r.value("DeptID").toInt(), 1);
    EXPECT_EQ(r.value("DeptName").toString(), "销售部");
    EXPECT_EQ(r.value("Date1").toString(), "2026-03-15");
    EXPECT_TRUE(r.value("VisState").isNull());
    EXPECT_EQ(Count("select count(*) from hb_CustomerPerson"), 0) << "no main contact, no contact row";
}

TEST_F(CustomerInfoTest, DictionaryBoxesListDashesFirstAndShowNothingChosen)
{
    OpenAdd([&](QDialog* dlg) {
        EXPECT_EQ(Items(dlg, "CusType"), (QStringList{"----", "企业客户", "个人客户", "代理商", "政府机构"}));
        EXPECT_EQ(Items(dlg, "CusSumPerson").first(), "----");
        EXPECT_EQ(Items(dlg, "CusSumPerson").at(1), "50人以下") << "人员规模 comes from A012";
        EXPECT_EQ(Items(dlg, "CusYearMoney").at(1), "100万以下") << "年营业额 comes from A011";
        for (const char* box : {"CusType", "CusSource", "CusBind", "CusBuyType", "CusSumPerson", "CusSumMoney",
                                "CusBusiness", "CusYearMoney"})
            EXPECT_EQ(TextOf(dlg, box), "") << box;
        EXPECT_EQ(Items(dlg, "CusCountry"), (QStringList{"----", "广东省", "江苏省", "北京市"}));
        EXPECT_EQ(TextOf(dlg, "CusCountry"), "----");
        EXPECT_EQ(Items(dlg, "CusArea"), QStringList{"----"});
        EXPECT_EQ(Items(dlg, "CusChildArea"), QStringList{"----"});
    });
}

TEST_F(CustomerInfoTest, MandatoryCodeAndNameBlanksPass)
{
    struct Case {
        QString code, customer, message;
        bool stored;
    };
    const Case cases[] = {
        {"", "某公司", "客户编号不能为空！", false},
        {"C1", "", "客户名称不能为空！", false},
        {"", "", "客户编号不能为空！", false},
        {" ", "  ", "记录保存成功！", true},
    };
    for (const Case& c : cases) {
        messages.clear();
        const int before = Count("select count(*) from hb_CustomerInfo");
        OpenAdd([&](QDialog* dlg) {
            SetText(dlg, "CusCode", c.code);
            SetText(dlg, "Customer", c.customer);
            SetText(dlg, "CusPerson", "王经理");
            Save(dlg);
        });
        EXPECT_EQ(messages, QStringList{c.message}) << c.code.toStdString() << "|" << c.customer.toStdString();
        EXPECT_EQ(Count("select count(*) from hb_CustomerInfo"), before + (c.stored ? 1 : 0));
        EXPECT_EQ(Count("select count(*) from hb_CustomerPerson"), c.stored ? 1 : 0);
    }
}

TEST_F(CustomerInfoTest, MainContactBecomesFirstContactOfTheNewCustomer)
{
    // Another customer of the same user already exists; it must not receive a contact.
    const int older = AddCustomer("C9", "旧客户", me);
    OpenAdd([&](QDialog* dlg) {
        SetText(dlg, "CusCode", "C10");
        SetText(dlg, "Customer", "深圳南山科技有限公司");
        SetText(dlg, "CusName", "南山科技");
        SetText(dlg, "CusPerson", "王经理");
        SetText(dlg, "CusDept", "总经理");
        SetText(dlg, "CusMovePhone", "13800000000");
        SetText(dlg, "CusPhone", "0755-1");
        SetText(dlg, "CusMail", "wang@example.com");
        Save(dlg);
    });
    const int id = Value("select ID from hb_CustomerInfo where CusCode='C10'").toInt();
    ASSERT_GT(id, 0);
    QSqlQuery q = Sql("select * from hb_CustomerPerson");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("CusID").toInt(), id);
    EXPECT_EQ(q.value("CusName").toString(), "深圳南山科技有限公司") << "the full name, not the short name";
    EXPECT_EQ(q.value("PersonName").toString(), "王经理");
    EXPECT_EQ(q.value("CusDept").toString(), "总经理");
    EXPECT_EQ(q.value("MovePhone").toString(), "13800000000");
    EXPECT_EQ(q.value("Phone").toString(), "0755-1");
    EXPECT_EQ(q.value("eMail").toString(), "wang@example.com");
    EXPECT_EQ(q.value("UserID").toInt(), me);
    EXPECT_EQ(q.value("DeptName").toString(), "销售部");
    EXPECT_EQ(q.value("Date1").toString(), "2026-03-15");
    EXPECT_FALSE(q.next()) << "exactly one contact";
    EXPECT_EQ(Count("select count(*) from hb_CustomerPerson where CusID=?", {older}), 0);
}

TEST_F(CustomerInfoTest, CodeAlreadyStoredIsRefusedAndSecondSaveStoresNothing)
{
    // Two customers already share a code (rows from earlier data); a third must not be added, and
    // neither of them may receive a contact.
    AddCustomer("DUP", "甲公司", other);
    AddCustomer("DUP", "乙公司", other);
    OpenAdd([&](QDialog* dlg) {
        SetText(dlg, "CusCode", "DUP");
        SetText(dlg, "Customer", "丙公司");
        SetText(dlg, "CusPerson", "赵");
        Save(dlg);
        EXPECT_TRUE(dlg->isVisible());
    });
    EXPECT_EQ(messages, QStringList{"此客户编号已存在！"});
    EXPECT_EQ(Count("select count(*) from hb_CustomerInfo where CusCode='DUP'"), 2);
    EXPECT_EQ(Count("select count(*) from hb_CustomerPerson"), 0);

    // 保存 pressed twice on the same inputs stores the customer and its contact once.
    messages.clear();
    OpenAdd([&](QDialog* dlg) {
        SetText(dlg, "CusCode", "NEW1");
        SetText(dlg, "Customer", "丁公司");
        SetText(dlg, "CusPerson", "钱");
        Save(dlg);
        Save(dlg);
    });
    EXPECT_EQ(messages, (QStringList{"记录保存成功！", "此客户编号已存在！"}));
    EXPECT_EQ(Count("select count(*) from hb_CustomerInfo where CusCode='NEW1'"), 1);
    EXPECT_EQ(Count("select count(*) from hb_CustomerPerson where PersonName='钱'"), 1);
}

TEST_F(CustomerInfoTest, QuotesAndPercentAreStoredAsTyped)
{
    OpenAdd([&](QDialog* dlg) {
        SetText(dlg, "CusCode", "Q'1");
        SetText(dlg, "Customer", "O'Brien 50% \"Ltd\"");
        SetText(dlg, "CusPerson", "D'Arcy");
        Save(dlg);
    });
    EXPECT_EQ(messages, QStringList{"记录保存成功！"});
    EXPECT_EQ(Value("select Customer from hb_CustomerInfo where CusCode=?", {"Q'1"}).toString(), "O'Brien 50% \"Ltd\"");
    EXPECT_EQ(Value("select CusName from hb_CustomerPerson where PersonName=?", {"D'Arcy"}).toString(),
              "O'Brien 50% \"Ltd\"");
}

TEST_F(CustomerInfoTest, AreaCascadeFollowsTheChosenProvinceAndCity)
{
    OpenAdd([&](QDialog* dlg) {
        auto* country = Child<QComboBox>(dlg, "CusCountry");
        auto* area = Child<QComboBox>(dlg, "CusArea");
        QTest::keyClick(country, Qt::Key_Down);   // ---- -> 广东省
        EXPECT_EQ(country->currentText(), "广东省");
        EXPECT_EQ(Items(dlg, "CusArea"), (QStringList{"----", "广州市", "深圳市"}));
        EXPECT_EQ(area->currentText(), "----");
        EXPECT_EQ(Items(dlg, "CusChildArea"), QStringList{"----"});

        QTest::keyClick(area, Qt::Key_Down);   // ---- -> 广州市
        EXPECT_EQ(Items(dlg, "CusChildArea"), (QStringList{"----", "天河区", "越秀区"}));
        QTest::keyClick(Child<QComboBox>(dlg, "CusChildArea"), Qt::Key_Down);

        QTest::keyClick(country, Qt::Key_Down);   // -> 江苏省: the city list is refilled, the county emptied
        EXPECT_EQ(Items(dlg, "CusArea"), (QStringList{"----", "南京市", "苏州市"}));
        EXPECT_EQ(Items(dlg, "CusChildArea"), QStringList{"----"});
        EXPECT_EQ(TextOf(dlg, "CusChildArea"), "----");

        QTest::keyClick(area, Qt::Key_Down);   // -> 南京市
        QTest::keyClick(Child<QComboBox>(dlg, "CusChildArea"), Qt::Key_Down);   // -> 玄武区
        SetText(dlg, "CusCode", "A1");
        SetText(dlg, "Customer", "南京客户");
        Save(dlg);
    });
    QSqlQuery q = Sql("select CusCountry,CusArea,CusChildArea from hb_CustomerInfo where CusCode='A1'");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "江苏省");
    EXPECT_EQ(q.value(1).toString(), "南京市");
    EXPECT_EQ(q.value(2).toString(), "玄武区");
}

TEST_F(CustomerInfoTest, TypingAProvinceNameRefillsTheCities)
{
    OpenAdd([&](QDialog* dlg) {
        auto* country = Child<QComboBox>(dlg, "CusCountry");
        country->lineEdit()->clear();
        Type(country->lineEdit(), "北京市");
        EXPECT_EQ(Items(dlg, "CusArea"), (QStringList{"----", "市辖区"}));
    });
}

TEST_F(CustomerInfoTest, EditShowsTheSelectedCustomerKeepsItsCodeAndRestampsIt)
{
    const int id = AddCustomer("E1", "旧名称", other, "2020-05-05", "旧简称");
    Sql("update hb_CustomerInfo set CusCountry='广东省',CusArea='广州市',CusChildArea='天河区',CusType='代理商',"
        "ThreeYearInfo='三年' where ID=?",
        {id});
    const int contact = AddContact(id, "旧名称", "联系人甲", other);
    OnModal([&](QDialog* dlg) {
        EXPECT_TRUE(Child<QLineEdit>(dlg, "CusCode")->isReadOnly());
        EXPECT_EQ(TextOf(dlg, "CusCode"), "E1");
        EXPECT_EQ(TextOf(dlg, "Customer"), "旧名称");
        EXPECT_EQ(TextOf(dlg, "CusName"), "旧简称");
        EXPECT_EQ(TextOf(dlg, "CusType"), "代理商");
        EXPECT_EQ(TextOf(dlg, "ThreeYearInfo"), "三年");
        EXPECT_EQ(TextOf(dlg, "CusCountry"), "广东省");
        EXPECT_EQ(TextOf(dlg, "CusArea"), "广州市");
        EXPECT_EQ(Items(dlg, "CusArea"), QStringList{"----"}) << "loading does not run the cascade";
        SetText(dlg, "Customer", "新名称");
        Click(Child<QPushButton>(dlg, "btnSave"));
    });
    TCustomerInfoForm dlg;
    dlg.EditMode = "edit";
    dlg.RecordID = id;
    EXPECT_EQ(dlg.Open(), QDialog::Accepted) << "a successful edit closes the editor";
    EXPECT_EQ(messages, QStringList{"记录修改成功！"});
    QSqlQuery q = Sql("select * from hb_CustomerInfo where ID=?", {id});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("Customer").toString(), "新名称");
    EXPECT_EQ(q.value("CusCode").toString(), "E1");
    EXPECT_EQ(q.value("CusArea").toString(), "广州市");
    EXPECT_EQ(q.value("Date1").toString(), "2026-03-15");
    EXPECT_EQ(q.value("UserID").toInt(), me) << "the owner columns name the user who saved last";
    EXPECT_EQ(Count("select count(*) from hb_CustomerInfo"), 1);
    EXPECT_EQ(Value("select CusName from hb_CustomerPerson where ID=?", {contact}).toString(), "旧名称")
        << "contacts keep the name they were given";
}

}
