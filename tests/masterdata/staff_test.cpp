// Staff, the handler picker, warehouses, payment methods and bill remarks.
#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/ckgl.h"
#include "masterdata/ckgl_add.h"
#include "masterdata/djbz.h"
#include "masterdata/djbz_add.h"
#include "masterdata/fkfs.h"
#include "masterdata/fkfs_add.h"
#include "masterdata/staffrecords.h"
#include "masterdata/user.h"
#include "masterdata/user2.h"
#include "masterdata/user_add.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "support/testdb.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

class StaffTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        MsgScript::reset();
        callerFlag.clear();
    }
    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        callerFlag.clear();
        MsgScript::reset();
        // The windows are bound to the queries of this test's data module.
        delete F_User;
        delete F_User2;
        delete F_User_Add;
        delete F_Ckgl;
        delete F_Ckgl_Add;
        delete F_Fkfs;
        delete F_Fkfs_Add;
        delete F_Djbz;
        delete F_Djbz_Add;
        db.reset();
    }

    static QStringList boxes() { return MsgScript::texts(); }
    static QString staff(const QString& name, bool cg = true)
    {
        StaffInput in;
        in.name = name;
        in.cg = cg;
        const SaveOutcome out = addStaff(in);
        EXPECT_TRUE(out.ok()) << out.error.toStdString();
        return out.code;
    }
    static QStringList comboTexts(const QComboBox& combo)
    {
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i)
            texts << combo.itemText(i);
        return texts;
    }

    std::unique_ptr<TestDb> db;
};

// Opens a kept window modally and runs `script` on it once it is activated.
template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

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

// ---- Warehouses ----------------------------------------------------------------------------------

class WarehouseTest : public StaffTest {};

TEST_F(WarehouseTest, DeletingIsRefusedWhileStockRowsRemainAndForTheBuiltInWarehouse)
{
    WarehouseInput in;
    in.name = QStringLiteral("二号仓");
    const QString code = addWarehouse(in).code;
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('10010001',?,0)"), {{QString(), code}});
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('10010001','100001',3)"));
    openScripted<TF_Ckgl>(F_Ckgl, [](TF_Ckgl* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("ck_name")), "二号仓");  // newest first
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDele->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    EXPECT_EQ(boxes(), QStringList({"您确定要删除该仓库信息吗！", "该仓库中有商品，不能删除！"}));
    // The stock test comes before the built-in one.
    EXPECT_EQ(deleteWarehouse(QStringLiteral("100001")), "该仓库中有商品，不能删除！");
    execSql(QStringLiteral("delete from jxc_kcsp"));
    EXPECT_EQ(deleteWarehouse(QStringLiteral("100001")), "该该仓库为系统内置仓库，不能删除！");
    EXPECT_EQ(deleteWarehouse(code), QString());
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_ckxx")), "1");
}

TEST_F(WarehouseTest, AddingInAMonthWithoutStockAccountRowsLeavesOneRowPerWarehouse)
{
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('10010001','100001',4,2.5)"));
    openScripted<TF_Ckgl>(F_Ckgl, [](TF_Ckgl* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Ckgl_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Ckgl_Add*>(f);
            d->tname->setText(QStringLiteral(" 分店仓 "));
            d->btnOK->click();
        });
        w->btnAdd->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    const ResultSet rs =
        openSelect(QStringLiteral("select ck_sn,js_sl,js_zje from jxc_kcjs where js_rq='2013-05' order by ck_sn"));
    ASSERT_EQ(rs.rowCount(), 2);
    EXPECT_EQ(rs.text(0, "ck_sn"), "100001");
    EXPECT_EQ(rs.text(0, "js_sl"), "4");
    EXPECT_EQ(rs.text(0, "js_zje"), "10");
    EXPECT_EQ(rs.text(1, "ck_sn"), "100002");
    EXPECT_EQ(rs.text(1, "js_sl"), "0");
    EXPECT_EQ(selectValue(QStringLiteral("select ck_name||ck_jm from jxc_ckxx where ck_sn='100002'")), "分店仓FDC");
    // A second add in the same month adds its own row only.
    WarehouseInput in;
    in.name = QStringLiteral("三号仓");
    addWarehouse(in);
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_kcjs where js_rq='2013-05'")), "3");
}

TEST_F(WarehouseTest, TickingDefaultOnASecondWarehouseMovesTheMark)
{
    WarehouseInput in;
    in.name = QStringLiteral("二号仓");
    in.isDefault = true;
    in.isPos = true;
    const QString code = addWarehouse(in).code;
    auto marks = [] {
        return selectValue(QStringLiteral("select group_concat(ck_sn||':'||ck_default||ck_pos) from "
                                          "(select * from jxc_ckxx order by ck_sn)"));
    };
    EXPECT_EQ(marks(), "100001:00,100002:11");
    // Saving the built-in one with the default tick takes it back; untick leaves none.
    in.name = QStringLiteral("主仓库");
    in.isPos = false;
    EXPECT_TRUE(modifyWarehouse(QStringLiteral("100001"), in).ok());
    EXPECT_EQ(marks(), "100001:10,100002:01");
    in.isDefault = false;
    EXPECT_TRUE(modifyWarehouse(QStringLiteral("100001"), in).ok());
    EXPECT_EQ(marks(), "100001:00,100002:01");
    in.name = QStringLiteral("  ");
    EXPECT_EQ(modifyWarehouse(code, in).error, "仓库名称必须填写！");
}

TEST_F(WarehouseTest, SearchesTakeQuotesAndCommentMarksAsText)
{
    openScripted<TF_Ckgl>(F_Ckgl, [](TF_Ckgl* w) {
        for (const QString& key : {QStringLiteral("主' or '1'='1"), QStringLiteral("--"), QStringLiteral("%"),
                                  QStringLiteral("主仓")}) {
            w->tKey->setText(key);
            QTest::keyClick(w->tKey, Qt::Key_F2);
            EXPECT_EQ(w->DBGrid1->rowCount(), key == QStringLiteral("主仓") ? 1 : 0) << key.toStdString();
        }
    });
    EXPECT_TRUE(boxes().isEmpty());
}

// ---- Payment methods ----------------------------------------------------------------------------

TEST_F(StaffTest, PaymentMethodChosenForAVoucherRefillsItsBox)
{
    CodeComboBox box;
    paymentMethodCallers().add(QStringLiteral("fk"), [&box] { return &box; });
    callerFlag = QStringLiteral("fk");
    openScripted<TF_Fkfs>(F_Fkfs, [](TF_Fkfs* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Fkfs_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Fkfs_Add*>(f);
            d->tname->setText(QStringLiteral("   "));
            d->btnOKClick();
            EXPECT_TRUE(d->isVisible());
            d->tname->setText(QStringLiteral(" 支付宝(扫码) "));
            QTest::keyClick(d->tname, Qt::Key_F5);
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 3);
        w->DBGrid1->setCurrentRow(2);
        emit w->DBGrid1->rowDoubleClicked(2);
        EXPECT_FALSE(w->isVisible());
    });
    paymentMethodCallers().remove(QStringLiteral("fk"));
    EXPECT_EQ(boxes(), QStringList({"付款方式必须填写！"}));
    EXPECT_EQ(comboTexts(box), QStringList({"新增付款方式.....", "现金", "银行转帐", "支付宝（扫码）"}));
    EXPECT_EQ(box.codeAt(0), "-1");
    EXPECT_EQ(box.currentCode(), "100003");
}

// ---- Bill remarks ------------------------------------------------------------------------------------

TEST_F(StaffTest, RemarksAreUniqueInTheirStoredForm)
{
    const QString code = addRemark(QStringLiteral("月底结'清")).code;
    EXPECT_EQ(selectValue(QStringLiteral("select dj_name from jxc_djbz")), "月底结‘清");
    const QString other = addRemark(QStringLiteral("货到付款")).code;
    EXPECT_EQ(addRemark(QStringLiteral(" 月底结‘清 ")).error, "备注信息不能重复！");
    EXPECT_EQ(addRemark(QStringLiteral("  ")).error, "备注信息必须填写！");
    EXPECT_TRUE(modifyRemark(code, QStringLiteral("月底结'清")).ok());  // its own text
    EXPECT_EQ(modifyRemark(other, QStringLiteral("月底结'清")).error, "备注信息不能重复！");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_djbz")), "2");
}

TEST_F(StaffTest, RemarkPickerWritesTheCallersNoteBoxFromEitherTab)
{
    for (int i = 1; i <= 12; ++i)
        execSql(QStringLiteral("insert into jxc_jhd (j_sn,j_note) values (?,?)"),
                {{QString(), QStringLiteral("CJ%1").arg(i)}, {QString(), i == 3 ? QString() : QStringLiteral("备注%1").arg(i)}});
    execSql(QStringLiteral("insert into jxc_thd (th_note) values ('退货备注')"));
    QLineEdit note;
    note.setText(QStringLiteral("原有"));
    remarkCallers().add(QStringLiteral("jh"), [&note](const QString& remark) { note.setText(remark); });
    callerFlag = QStringLiteral("jh");

    openScripted<TF_Djbz>(F_Djbz, [](TF_Djbz* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Djbz_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Djbz_Add*>(f);
            EXPECT_EQ(d->windowTitle(), "增加常用备注信息");
            d->tname->setText(QStringLiteral("货到付款"));
            QTest::keyClick(d->tname, Qt::Key_F5);
        });
        w->btnAdd->click();
        TF_Form::scriptNextOpening(QStringLiteral("F_Djbz_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Djbz_Add*>(f);
            d->tname->setText(QStringLiteral("货到付款"));
            d->btnOKClick();
            EXPECT_TRUE(d->isVisible());
            d->btnExit->click();
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        w->btnOK->click();
    });
    EXPECT_EQ(boxes(), QStringList({"备注信息不能重复！"}));
    EXPECT_EQ(note.text(), "货到付款");

    openScripted<TF_Djbz>(F_Djbz, [](TF_Djbz* w) {
        EXPECT_EQ(w->RzPageControl1->currentIndex(), 0);
        QStringList notes;
        for (int r = 0; r < w->DBGrid2->rowCount(); ++r)
            notes << w->DBGrid2->value(w->DBGrid2->sourceRow(r), QStringLiteral("j_note"));
        EXPECT_EQ(notes, QStringList({"备注1", "备注2", "备注4", "备注5", "备注6", "备注7", "备注8", "备注9", "备注10",
                                      "备注11"}));
        w->RzPageControl1->setCurrentIndex(1);
        w->DBGrid2->setCurrentRow(2);
        w->btnOK->click();
    });
    EXPECT_EQ(note.text(), "备注4");
    remarkCallers().remove(QStringLiteral("jh"));
}

}  // namespace
