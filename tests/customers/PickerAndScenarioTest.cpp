// The customer picker on its own, database failures while saving, and one user's whole round
// through the main window: customer with main contact, second contact, visit, overview, delete.
#include "CustomersFixture.h"

#include "core/MainUnit.h"
#include "customers/CusPersonUnit.h"
#include "customers/CustomerInfoUnit.h"
#include "customers/VisitInfoUnit.h"
#include "customers/getCustomerUnit.h"
#include "ui/HostedScreen.h"

#include <QAction>
#include <QLabel>

namespace {
class PickerTest : public CustomersTest {
protected:
    struct Receiver : ICustomerReceiver {
        QStringList got;
        void ReceiveCustomer(int purpose, const QString& id, const QString& customer) override
        {
            got << QString::number(purpose) + "|" + id + "|" + customer;
        }
    };
};

TEST_F(PickerTest, FindsAnyOwnersCustomerByCodeOrNameAndHandsBackTheFullName)
{
    const int a = AddCustomer("ZX-901", "甲公司", other, "2026-01-01", "甲");
    AddCustomer("B2", "乙公司ZX", me);
    AddCustomer("C3", "丙公司", me);
    Receiver receiver;
    OnModal([&](QDialog* picker) {
        EXPECT_EQ(picker->windowTitle(), "条件");
        auto* grid = Child<QTableView>(picker, "bsSkinDBGrid1");
        Child<QLineEdit>(picker, "CusName")->setText("zx");
        Click(Child<QPushButton>(picker, "bsSkinButton1"));
        EXPECT_EQ(Column(grid, "Customer"), (QStringList{"甲公司", "乙公司ZX"}));
        DoubleClickRow(grid, 0);
    });
    EXPECT_TRUE(TgetCustomerForm::Pick(nullptr, 2, &receiver));
    EXPECT_EQ(receiver.got, QStringList{QString("2|%1|甲公司").arg(a)});
}

TEST_F(PickerTest, LeavingWithoutChoosingChangesNothing)
{
    AddCustomer("A1", "甲公司", me);
    Receiver receiver;
    OnModal([&](QDialog* picker) {
        auto* grid = Child<QTableView>(picker, "bsSkinDBGrid1");
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 10));   // nothing searched yet
        EXPECT_TRUE(picker->isVisible());
        QTest::keyClick(picker, Qt::Key_Escape);
    });
    EXPECT_FALSE(TgetCustomerForm::Pick(nullptr, 1, &receiver));
    OnModal([&](QDialog* picker) { Click(Child<QPushButton>(picker, "bsSkinButton2")); });
    EXPECT_FALSE(TgetCustomerForm::Pick(nullptr, 0, &receiver));
    EXPECT_TRUE(receiver.got.isEmpty());

    // In an editor the customer box stays as it was.
    OnModal([&](QDialog* dlg) {
        OnModal([&](QDialog* picker) { QTest::keyClick(picker, Qt::Key_Escape); });
        Click(Child<QToolButton>(dlg, "bsSkinSpeedButton1"));
        EXPECT_EQ(TextOf(dlg, "CusName"), "");
    });
    TVisitInfoForm visit;
    visit.Open();
}

class SaveFailureTest : public CustomersTest {
protected:
    // A trigger that makes the database refuse the statement.
    void Refuse(const QString& event, const QString& table)
    {
        Sql(QString("create trigger refuse_%1_%2 before %1 on %2 begin select raise(abort, 'refused'); end")
                .arg(event, table));
    }
};

TEST_F(SaveFailureTest, RefusedCustomerInsertReportsAndKeepsTheInputs)
{
    Refuse("insert", "hb_CustomerInfo");
    OnModal([&](QDialog* dlg) {
        SetText(dlg, "CusCode", "F1");
        SetText(dlg, "Customer", "失败公司");
        SetText(dlg, "CusPerson", "某人");
        Click(Child<QPushButton>(dlg, "btnSave"));
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(TextOf(dlg, "Customer"), "失败公司");
    });
    TCustomerInfoForm add;
    add.Open();
    EXPECT_EQ(messages, QStringList{"无法保存记录！"});
    EXPECT_EQ(Count("select count(*) from hb_CustomerInfo") + Count("select count(*) from hb_CustomerPerson"), 0);
}

TEST_F(SaveFailureTest, RefusedCustomerUpdateReportsAndStaysOpen)
{
    const int id = AddCustomer("F2", "旧名", me);
    Refuse("update", "hb_CustomerInfo");
    OnModal([&](QDialog* dlg) {
        SetText(dlg, "Customer", "新名");
        Click(Child<QPushButton>(dlg, "btnSave"));
        EXPECT_TRUE(dlg->isVisible());
        Click(Child<QPushButton>(dlg, "btnClose"));
    });
    TCustomerInfoForm edit;
    edit.EditMode = "edit";
    edit.RecordID = id;
    EXPECT_EQ(edit.Open(), QDialog::Rejected);
    EXPECT_EQ(messages, QStringList{"无法修改记录！"});
    EXPECT_EQ(Value("select Customer from hb_CustomerInfo where ID=?", {id}).toString(), "旧名");
}

TEST_F(SaveFailureTest, RefusedFirstContactIsSilentAndKeepsTheCustomer)
{
    Refuse("insert", "hb_CustomerPerson");
    OnModal([&](QDialog* dlg) {
        SetText(dlg, "CusCode", "F3");
        SetText(dlg, "Customer", "公司");
        SetText(dlg, "CusPerson", "某人");
        Click(Child<QPushButton>(dlg, "btnSave"));
    });
    TCustomerInfoForm add;
    add.Open();
    EXPECT_EQ(messages, QStringList{"记录保存成功！"});
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(Count("select count(*) from hb_CustomerInfo where CusCode='F3'"), 1);
}

TEST_F(SaveFailureTest, RefusedContactInsertKeepsTheInputs)
{
    AddCustomer("C1", "某公司", me);
    Refuse("insert", "hb_CustomerPerson");
    OnModal([&](QDialog* dlg) {
        PickCustomer("某公司");
        Click(Child<QToolButton>(dlg, "bsSkinSpeedButton1"));
        SetText(dlg, "PersonName", "留下");
        Click(Child<QPushButton>(dlg, "bsSkinButton1"));
        EXPECT_EQ(TextOf(dlg, "PersonName"), "留下");
    });
    TCusPersonForm add;
    add.Open();
    EXPECT_EQ(messages, QStringList{"无法保存记录！"});
}

TEST_F(SaveFailureTest, VisitStampFailureIsSilentButAFailedVisitStampsNothing)
{
    const int cus = AddCustomer("C1", "某公司", me);
    auto saveVisit = [&](const QString& code) {
        OnModal([&, code](QDialog* dlg) {
            PickCustomer("某公司");
            Click(Child<QToolButton>(dlg, "bsSkinSpeedButton1"));
            SetText(dlg, "VisCode", code);
            SetText(dlg, "VisState", "已成交");
            Click(Child<QPushButton>(dlg, "bsSkinButton1"));
        });
        TVisitInfoForm add;
        add.Open();
    };
    Refuse("insert", "hb_VisitInfo");
    saveVisit("V1");
    EXPECT_EQ(messages, QStringList{"无法保存记录！"});
    EXPECT_TRUE(Value("select VisState from hb_CustomerInfo where ID=?", {cus}).isNull()) << "no visit, no stamp";

    Sql("drop trigger refuse_insert_hb_VisitInfo");
    Refuse("update", "hb_CustomerInfo");
    messages.clear();
    saveVisit("V2");
    EXPECT_EQ(messages, QStringList{"记录保存成功！"});
    EXPECT_EQ(Count("select count(*) from hb_VisitInfo where VisCode='V2'"), 1);
    EXPECT_TRUE(errors.isEmpty());
}

// One user's round through the main window's commands and the screens alone.
class CustomerRoundTest : public CustomersTest {
protected:
    void TearDown() override
    {
        form.reset();
        CustomersTest::TearDown();
    }
    THostedScreen* Command(const char* name)
    {
        form->MenuAction(name)->trigger();
        return form->CurrentScreen();
    }
    std::unique_ptr<TMainForm> form;
};

TEST_F(CustomerRoundTest, AddFindContactVisitOverviewAndDelete)
{
    form = std::make_unique<TMainForm>();
    form->show();

    // 新增客户 from the menu: a customer with a main contact.
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(dlg->objectName(), "CustomerInfoForm");
        SetText(dlg, "CusCode", "R-1");
        SetText(dlg, "Customer", "环游贸易有限公司");
        SetText(dlg, "CusPerson", "周主管");
        Click(Child<QPushButton>(dlg, "btnSave"));
        Click(Child<QPushButton>(dlg, "btnClose"));
    });
    form->MenuAction("CustomerMenu")->trigger();

    // 客户管理: find it.
    THostedScreen* customers = Command("CustomerLMenu");
    ASSERT_TRUE(customers);
    EXPECT_EQ(customers->objectName(), "CustomerListForm");
    EXPECT_EQ(form->windowTitle(), "Vorlin客户关系管理V1.10--【客户管理】");
    Child<QComboBox>(customers, "TypeName")->setCurrentText("客户编号");
    Child<QLineEdit>(customers, "TypeText")->setText("R-");
    Click(Child<QToolButton>(customers, "bsSkinSpeedButton3"));
    EXPECT_EQ(Column(Child<QTableView>(customers, "bsSkinDBGrid1"), "Customer"), QStringList{"环游贸易有限公司"});

    // 新增联系人 and 新增拜访记录 from the menu, each choosing the customer in the picker.
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(dlg->objectName(), "CusPersonForm");
        PickCustomer("环游");
        Click(Child<QToolButton>(dlg, "bsSkinSpeedButton1"));
        SetText(dlg, "PersonName", "吴助理");
        Click(Child<QPushButton>(dlg, "bsSkinButton1"));
        Click(Child<QPushButton>(dlg, "bsSkinButton2"));
    });
    form->MenuAction("CusPersonMenu")->trigger();
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(dlg->objectName(), "VisitInfoForm");
        PickCustomer("R-1");
        Click(Child<QToolButton>(dlg, "bsSkinSpeedButton1"));
        SetText(dlg, "VisCode", "BF-1");
        SetText(dlg, "VisPerson", "周主管");
        Click(Child<QPushButton>(dlg, "bsSkinButton1"));
        Click(Child<QPushButton>(dlg, "bsSkinButton2"));
    });
    form->MenuAction("VisitMenu")->trigger();
    EXPECT_EQ(messages, (QStringList{"记录保存成功！", "记录保存成功！", "记录保存成功！"}));

    // The overview from the customer list shows both contacts and the visit.
    customers = Command("CustomerLMenu");
    auto* grid = Child<QTableView>(customers, "bsSkinDBGrid1");
    OnModal([&](QDialog* dlg) {
        EXPECT_EQ(Column(Child<QTableView>(dlg, "bsSkinDBGrid1"), "PersonName").size(), 2);
        EXPECT_EQ(Column(Child<QTableView>(dlg, "bsSkinDBGrid2"), "VisPerson"), QStringList{"周主管"});
        Click(Child<QPushButton>(dlg, "btnClose"));
    });
    DoubleClickRow(grid, 0);

    // Deleting is refused until both contacts are deleted on the contact list.
    Click(Child<QToolButton>(customers, "bsSkinSpeedButton4"));
    EXPECT_EQ(LastMessage(), "请先删除联系人，再删除此客户！");
    THostedScreen* contacts = Command("CusPersonLMenu");
    ASSERT_TRUE(contacts);
    EXPECT_EQ(Child<QLabel>(contacts, "SumCount")->text(), "共:2条记录 ");
    Answer({true, true});
    Click(Child<QToolButton>(contacts, "bsSkinSpeedButton3"));
    Click(Child<QToolButton>(contacts, "bsSkinSpeedButton3"));
    EXPECT_EQ(Child<QLabel>(contacts, "SumCount")->text(), "共:0条记录 ");

    customers = Command("CustomerLMenu");
    Answer({true});
    Click(Child<QToolButton>(customers, "bsSkinSpeedButton4"));
    EXPECT_EQ(Child<QLabel>(customers, "SumCount")->text(), "共：0 条记录 ");
    EXPECT_EQ(Count("select count(*) from hb_CustomerInfo"), 0);
    EXPECT_EQ(Count("select count(*) from hb_VisitInfo"), 1) << "the visit record stays";
    EXPECT_TRUE(errors.isEmpty());
}
}
