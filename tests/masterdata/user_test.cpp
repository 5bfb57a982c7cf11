// Staff: the list, its dialogs and saves, deletion, and the handler picker.
#include "stafftest.h"

#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/report.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace stafftest;

namespace {

// ---- Staff ----------------------------------------------------------------------------------------

TEST_F(StaffTest, FirstMemberGets100002AndARateOf5IsShownAsPercent)
{
    openScripted<TF_User>(F_User, [](TF_User* w) {
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);  // the built-in nameless row is not listed
        TF_Form::scriptNextOpening(QStringLiteral("F_User_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_User_Add*>(f);
            EXPECT_EQ(d->ttc->text(), "0.00%");
            EXPECT_TRUE(d->chkCg->isChecked() && d->chkXs->isChecked() && d->chkKc->isChecked());
            d->tname->setText(QStringLiteral("  张三 "));
            d->ttc->setText(QStringLiteral("5"));
            d->chkKc->setChecked(false);
            QTest::keyClick(d->tname, Qt::Key_F5);
            EXPECT_FALSE(d->isVisible());
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        EXPECT_EQ(w->DBGrid1->displayText(0, QStringLiteral("u_tc")), "5.00%");
        EXPECT_EQ(w->DBGrid1->footerText(QStringLiteral("u_name")), "合计人数：1");
    });
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_user where u_name<>''"));
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.text(0, "u_sn"), "100002");
    EXPECT_EQ(rs.text(0, "u_name"), "张三");
    EXPECT_EQ(rs.text(0, "u_jm"), "ZS");
    EXPECT_EQ(rs.text(0, "u_tc"), "5");
    EXPECT_EQ(rs.text(0, "u_kc"), "False");
    EXPECT_EQ(rs.text(0, "u_cgpl"), "0");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(StaffTest, NamesAreRequiredAndUniqueInTheirStoredForm)
{
    const QString code = staff(QStringLiteral("O'Neil"));
    EXPECT_EQ(selectValue(QStringLiteral("select u_name from jxc_user where u_sn=?"), {{QString(), code}}), "O‘Neil");
    const struct {
        const char* name;
        const char* error;
    } cases[] = {
        {"   ", "员工姓名必须填写！"},
        {" O'Neil ", "员工姓名不能重复！"},
        {"O‘Neil", "员工姓名不能重复！"},  // the stored form typed directly
    };
    for (const auto& c : cases) {
        StaffInput in;
        in.name = QString::fromUtf8(c.name);
        EXPECT_EQ(addStaff(in).error, QString::fromUtf8(c.error)) << c.name;
    }
    // A modify keeping its own name passes; taking another's is refused and writes nothing.
    const QString other = staff(QStringLiteral("李四"));
    const qint64 id = selectValue(QStringLiteral("select id from jxc_user where u_sn=?"), {{QString(), other}}).toLongLong();
    StaffInput in;
    in.name = QStringLiteral("李四");
    in.duty = QStringLiteral("店长");
    EXPECT_TRUE(modifyStaff(id, in).ok());
    in.name = QStringLiteral("O'Neil");
    EXPECT_EQ(modifyStaff(id, in).error, "员工姓名不能重复！");
    EXPECT_EQ(selectValue(QStringLiteral("select u_name||u_duty||u_sn from jxc_user where id=?"), {{QString(), id}}),
              "李四店长" + other);
}

TEST_F(StaffTest, AMemberWithBusinessCannotBeDeletedButContactsAndContractsDoNotCount)
{
    const struct {
        const char* insert;  // %1 the code, %2 the name
        bool busy;
    } cases[] = {
        {"insert into jxc_shdj (u_sn) values ('%1')", true},  // a pending receipt
        {"insert into jxc_thd (u_sn) values ('%1')", true},
        {"insert into jxc_ghsfk (u_sn) values ('%1')", true},
        {"insert into jxc_ysyfk (u_sn) values ('%1')", true},
        {"insert into jxc_yyfy (u_sn) values ('%1')", true},
        {"insert into jxc_xjyh (u_name) values ('%2')", true},
        {"insert into jxc_zcmx (u_name) values ('%2')", true},
        {"insert into jxc_ghslx (u_sn) values ('%1')", false},
        {"insert into jxc_khhtgl (u_sn) values ('%1')", false},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString name = QStringLiteral("员工%1").arg(++n);
        const QString code = staff(name);
        execSql(QString::fromLatin1(c.insert).replace(QStringLiteral("%1"), code).replace(QStringLiteral("%2"), name));
        EXPECT_EQ(staffHasBusiness(code), c.busy) << c.insert;
        EXPECT_EQ(deleteStaff(code), c.busy ? QStringLiteral("该员工已发生过业务，不能删除！") : QString()) << c.insert;
        EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_user where u_sn=?"), {{QString(), code}}),
                  c.busy ? "1" : "0");
    }
}

TEST_F(StaffTest, TheListRefusesToDeleteAHandlerOfAPendingReceipt)
{
    const QString code = staff(QStringLiteral("王五"));
    execSql(QStringLiteral("insert into jxc_shdj (gl_djh,u_sn) values ('CJ130528010001',?)"), {{QString(), code}});
    openScripted<TF_User>(F_User, [](TF_User* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        w->btnDele->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
    });
    EXPECT_EQ(boxes(), QStringList({"该员工已发生过业务，不能删除！"}));
    EXPECT_EQ(MsgScript::last().title, "系统提示");
}

TEST_F(StaffTest, SearchDialogShowsRowsMatchingAnyFieldAndPrintingShowsEveryRowAgain)
{
    const struct {
        const char* name;
        const char* duty;
        const char* tele;
    } members[] = {{"甲", "店长", "111"}, {"乙", "收银", "222"}, {"丙", "收银", "333"}};
    for (const auto& m : members) {
        StaffInput in;
        in.name = QString::fromUtf8(m.name);
        in.duty = QString::fromUtf8(m.duty);
        in.tele = QString::fromUtf8(m.tele);
        ASSERT_TRUE(addStaff(in).ok());
    }
    int previews = 0;
    setReportInterceptor([&previews](ReportJob& job) {
        previews += job.kind == ReportJob::Kind::Preview;
        return false;
    });
    openScripted<TF_User>(F_User, [](TF_User* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_User_Search"), [](TF_Form* f) {
            auto* d = static_cast<TF_User_Search*>(f);
            d->tduty->setText(QStringLiteral("店长"));
            d->ttele->setText(QStringLiteral(" 333 "));
            QTest::keyClick(d->tname, Qt::Key_F5);
        });
        w->btnSearch->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
        w->tKey->setText(QStringLiteral("JIA"));  // nothing matches
        QTest::keyClick(w->tKey, Qt::Key_F2);
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);
        w->btnPrint->click();  // nothing to print
        w->tKey->setText(QStringLiteral("y"));  // the short code of 乙
        QTest::keyClick(w->tKey, Qt::Key_F2);
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
        w->btnPrint->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 3);
        EXPECT_EQ(w->tKey->text(), "y");
    });
    setReportInterceptor({});
    EXPECT_EQ(previews, 1);
}

// ---- The handler picker ------------------------------------------------------------------------

class HandlerPickerTest : public StaffTest {
protected:
    void SetUp() override
    {
        StaffTest::SetUp();
        handlerCallers().add(QStringLiteral("jh"), {[this] { return &box; }, QStringLiteral("u_cg")});
        box.addItem(QStringLiteral("旧的"), QStringLiteral("999999"));
        box.setCurrentIndex(0);
    }
    void TearDown() override
    {
        handlerCallers().remove(QStringLiteral("jh"));
        StaffTest::TearDown();
    }
    // Opens the picker with `word`, focuses the member and leaves by `key`.
    void pick(const QString& word, const QString& member, Qt::Key key)
    {
        callerFlag = word;
        openScripted<TF_User2>(F_User2, [&member, key](TF_User2* w) {
            ASSERT_TRUE(DataModule->Q_User->locate(QStringLiteral("u_name"), member));
            w->DBGrid1->setCurrentRow(DataModule->Q_User->currentRow());
            QTest::keyClick(w->DBGrid1, key);
            EXPECT_FALSE(w->isVisible());
        });
    }
    CodeComboBox box;
};

TEST_F(HandlerPickerTest, ChoosingRefillsThePurchaseHandlerBoxAndSelectsTheMember)
{
    const QString buyer = staff(QStringLiteral("采购员"));
    staff(QStringLiteral("营业员"), false);
    const QString second = staff(QStringLiteral("仓管"));

    pick(QStringLiteral("jh"), QStringLiteral("仓管"), Qt::Key_F5);
    EXPECT_EQ(comboTexts(box), QStringList({"采购员", "仓管", "新增经办人....."}));
    EXPECT_EQ(box.codeAt(0), buyer);
    EXPECT_EQ(box.codeAt(2), "-1");
    EXPECT_EQ(box.currentCode(), second);

    // A member without "进货管理" is not in the box: nothing is selected.
    pick(QStringLiteral("jh"), QStringLiteral("营业员"), Qt::Key_F5);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST_F(HandlerPickerTest, EscAndUnknownWordsLeaveTheBoxAlone)
{
    staff(QStringLiteral("采购员"));
    pick(QStringLiteral("jh"), QStringLiteral("采购员"), Qt::Key_Escape);
    pick(QStringLiteral("nobody"), QStringLiteral("采购员"), Qt::Key_F5);
    EXPECT_EQ(comboTexts(box), QStringList({"旧的"}));
    EXPECT_EQ(box.currentIndex(), 0);
}

}  // namespace
