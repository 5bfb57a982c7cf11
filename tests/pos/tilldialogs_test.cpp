// The till's dialogs: payment, round-off and lock, the key editor, the receipt and display
// settings, the reprint list and the return with its supervisor check.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "pos/pos.h"
#include "pos/poskey.h"
#include "pos/posprinset.h"
#include "pos/posposting.h"
#include "pos/posxs.h"
#include "pos/posxs_dyxp.h"
#include "pos/posxs_fk.h"
#include "pos/posxs_kx.h"
#include "pos/posxs_lock.h"
#include "pos/posxs_login.h"
#include "pos/posxs_ml.h"
#include "pos/posxs_th.h"
#include "pos/posxs_thje.h"
#include "pos/tilllines.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString value(const QString& sql) { return selectValue(sql); }

template <class T>
void openWith(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

class TillDialogs : public ::testing::Test {
protected:
    TillDialogs()
    {
        MsgScript::reset();
        csKc = QStringLiteral("1");
        csPosfkws = QStringLiteral("2");
    }
    ~TillDialogs() override
    {
        MsgScript::reset();
        paramValue.clear();
    }
    // The payment dialog over a till total and a member balance ("" for a walk-in).
    void pay(const QString& total, const QString& balance, const std::function<void(TF_Posxs_Fk*)>& script)
    {
        ensureForm(F_Posxs)->lblHjje->setText(total);
        paramValue = balance;
        openWith<TF_Posxs_Fk>(F_Posxs_Fk, script);
    }
    Shop shop;
};

TEST_F(TillDialogs, PaymentOpensOnTheModeTheBalanceAllows)
{
    pay(QStringLiteral("95"), QStringLiteral("95"), [](TF_Posxs_Fk* w) {
        EXPECT_TRUE(w->rCzk->isChecked());
        EXPECT_EQ(w->zffs->text(), QStringLiteral("储值卡(余额：95)"));
    });
    pay(QStringLiteral("95"), QStringLiteral("94.99"), [](TF_Posxs_Fk* w) {
        EXPECT_TRUE(w->rXj->isChecked());
        EXPECT_FALSE(w->rCzk->isEnabled());
        EXPECT_TRUE(w->tczk->isEnabled());
    });
    pay(QStringLiteral("1.15"), QString(), [](TF_Posxs_Fk* w) {
        EXPECT_EQ(w->yfje->text(), QStringLiteral("1.15"));
        EXPECT_FALSE(w->tczk->isEnabled());  // no balance at all
    });
}

TEST_F(TillDialogs, StoredValueNeverGivesChangeAndShortCombinedIsRefused)
{
    pay(QStringLiteral("95"), QStringLiteral("120"), [](TF_Posxs_Fk* w) {
        w->tfkje->setText(QStringLiteral("100"));
        EXPECT_EQ(w->tfkje->text(), QStringLiteral("95"));  // capped at the amount due
        EXPECT_EQ(w->tzlje->text(), QStringLiteral("0.00"));
        QTest::keyClick(w, Qt::Key_F10);
        w->tfkje2->setText(QStringLiteral("50"));
        w->tyhk->setText(QStringLiteral("30"));
        w->tdjq->setText(QStringLiteral("10"));
        w->tczk->setText(QStringLiteral("0"));
        EXPECT_EQ(w->zlje->text(), QStringLiteral("-5.00"));
        QTest::keyClick(w, Qt::Key_F5);
        EXPECT_TRUE(w->isVisible());
        w->tczk->setText(QStringLiteral("500"));
        EXPECT_EQ(w->tczk->text(), QStringLiteral("5"));  // no more than is still due
        EXPECT_EQ(w->zlje->text(), QStringLiteral("0.00"));
        QTest::keyClick(w, Qt::Key_F2);
        EXPECT_TRUE(w->rXj->isChecked());
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("付款金额不足，不能保存！")});
}

TEST_F(TillDialogs, RoundOffWithinTheOperatorsLimit)
{
    operatorName = QStringLiteral("admin");
    execSql(QStringLiteral("update jxc_admin set a_zreoje=5 where a_name='admin'"));
    pay(QStringLiteral("95"), QString(), [](TF_Posxs_Fk* w) {
        for (const char* amount : {"5.01", "-1", "5"}) {
            TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Ml"), [amount](TF_Form* f) {
                auto* ml = static_cast<TF_Posxs_Ml*>(f);
                ml->edtMlje->setText(QString::fromLatin1(amount));
                QTest::keyClick(ml, Qt::Key_Return);
                if (ml->isVisible())
                    QTest::keyClick(ml, Qt::Key_Escape);
            });
            QTest::keyClick(w, Qt::Key_F3);
        }
        EXPECT_EQ(w->tmlje->text(), QStringLiteral("5"));
        EXPECT_EQ(w->tfkje->text(), QStringLiteral("90"));
        EXPECT_EQ(w->tzlje->text(), QStringLiteral("0.00"));
        EXPECT_EQ(w->tnote->text(), QStringLiteral("抹零金额5元"));
        w->tfkje->setText(QStringLiteral("100"));
        EXPECT_EQ(w->tzlje->text(), QStringLiteral("10.00"));
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{QStringLiteral("您的最大抹零金额为5元，不能超过这一数值！"),
                                               QStringLiteral("抹零金额不能为负数，请重新输入！")}));
}

TEST_F(TillDialogs, LockOpensOnlyWithThePassword)
{
    operatorName = QStringLiteral("admin");  // the default operator, empty password
    openWith<TF_PosXs_Lock>(F_PosXs_Lock, [](TF_PosXs_Lock* w) {
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(w->isVisible());
        w->edtPwd->setText(QStringLiteral("x"));
        QTest::keyClick(w, Qt::Key_F5);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->edtPwd->text(), QString());
        QTest::keyClick(w, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("用户密码错误，请重新输入！")});
}

TEST_F(TillDialogs, KeyEditorRefusesKeysInUseAndFreesMovedOnes)
{
    openWith<TF_PosKey>(F_PosKey, [](TF_PosKey* w) {
        EXPECT_EQ(w->fields.at(3)->text(), QStringLiteral("/"));
        EXPECT_FALSE(w->fields.at(3)->isEnabled());
        w->btnStart->click();
        w->fields.at(3)->setFocus();
        QTest::keyClick(w->fields.at(3), Qt::Key_Equal);  // "=" pays
        QTest::keyClick(w->fields.at(3), Qt::Key_F5);
        QTest::keyClick(w->fields.at(3), Qt::Key_F1);
        QTest::keyClick(w->fields.at(3), Qt::Key_A);  // no caption: nothing happens
        EXPECT_EQ(w->fields.at(3)->text(), QStringLiteral("/"));
        w->fields.at(8)->setFocus();  // 浏览图片 from F4 to Home
        QTest::keyClick(w->fields.at(8), Qt::Key_Home);
        w->fields.at(12)->setFocus();  // 挂单 takes the freed F4
        QTest::keyClick(w->fields.at(12), Qt::Key_F4);
        EXPECT_EQ(w->fields.at(12)->text(), QStringLiteral("F4"));
        w->btnOK->click();
    });
    const QString inUse = QStringLiteral("该键已设置为 “%1” 的快捷键，\n\n请选择其它键！");
    EXPECT_EQ(MsgScript::texts(), (QStringList{inUse.arg(QStringLiteral("付款结账")), inUse.arg(QStringLiteral("付款结账")),
                                               inUse.arg(QStringLiteral("帮助"))}));
    EXPECT_EQ(getKeyValue(QStringLiteral("挂单")), 115);
    EXPECT_EQ(getKeyValue(QStringLiteral("浏览图片")), 36);
}

TEST_F(TillDialogs, ReceiptAndDisplaySettingsAreStored)
{
    openWith<TF_PosPrinSet>(F_PosPrinSet, [](TF_PosPrinSet* w) {
        EXPECT_EQ(w->edtBt1->text(), QStringLiteral("禾岚旗舰店"));
        EXPECT_TRUE(w->chkBzxx->isChecked());
        w->edtKhs->clear();
        w->edtFs->setText(QStringLiteral(" "));
        w->edtBt2->setText(QStringLiteral("  欢迎再来 "));
        w->chkZjdy->setChecked(true);
        QTest::keyClick(w, Qt::Key_F5);
    });
    EXPECT_EQ(value(QStringLiteral("select pp_khs||'/'||pp_fs||'/'||pp_bt2||'/'||pp_zjdy from jxc_posprint")),
              QStringLiteral("5/1/欢迎再来/1"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_posprint")), QStringLiteral("1"));

    execSql(QStringLiteral("insert into jxc_poskx (pos_com) values ('COM9')"));
    openWith<TF_Posxs_Kx>(F_Posxs_Kx, [](TF_Posxs_Kx* w) {
        EXPECT_EQ(w->cbxPort->currentIndex(), -1);  // a port the system no longer lists
        QTest::keyClick(w, Qt::Key_F5);
    });
    EXPECT_EQ(value(QStringLiteral("select group_concat(pos_com) from jxc_poskx")), QStringLiteral("COM9"));
}

class TillReturn : public TillDialogs {
protected:
    TillReturn()
    {
        shoe = shop.goods(QStringLiteral("皮鞋"), {QStringLiteral("39"), QStringLiteral("40")}, {QStringLiteral("黑色")}, 50);
        shop.receipt().line(shoe, 50, {{QStringLiteral("39"), QStringLiteral("黑色"), 5}}).post();
        // A paid till sale of two pairs of size 39 and a held one.
        sale = newTillNumber();
        addPickedLine(sale, shoe, QStringLiteral("39"), QStringLiteral("黑色"), QStringLiteral("5"), {});
        addPickedLine(sale, shoe, QStringLiteral("39"), QStringLiteral("黑色"), QStringLiteral("5"), {});
        PosSale s;
        s.djh = sale;
        s.ckSn = QStringLiteral("100001");
        s.uSn = shop.handlerSn();
        s.op = operatorName;
        s.payment.due = Money::fromUnits(200 * 10000);
        s.payment.tendered = s.payment.due;
        s.payment.cash = s.payment.due;
        postPosSale(s);
        held = newTillNumber();
        addPickedLine(held, shoe, QStringLiteral("39"), QStringLiteral("黑色"), QStringLiteral("3"), {});
        holdPosSale(held, QString(), shop.handlerSn(), QStringLiteral("100001"), QStringLiteral("100"), operatorName);
    }
    QString shoe, sale, held;
};

TEST_F(TillReturn, SupervisorThenReturnOfPartOfASale)
{
    ScopedWindows windows(registerPosWindows);
    TF_Posxs* till = ensureForm(F_Posxs);
    TF_Form::scriptNextOpening(till->objectName(), [&](TF_Form* f) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Login"), [](TF_Form* d) {
            auto* login = static_cast<TF_Posxs_Login*>(d);
            EXPECT_EQ(login->windowTitle(), QStringLiteral("退货-柜长授权"));
            login->edtPwd->setText(QStringLiteral("wrong"));
            QTest::keyClick(login, Qt::Key_Return);
            QTest::keyClick(login, Qt::Key_Return);  // admin's empty password
        });
        TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Th"), [&](TF_Form* d) {
            auto* th = static_cast<TF_Posxs_Th*>(d);
            EXPECT_TRUE(th->lblThdh->text().startsWith(QStringLiteral("XT")));
            th->edtXsdh->setText(held);
            QTest::keyClick(th->edtXsdh, Qt::Key_Return);
            EXPECT_EQ(th->edtXsdh->text(), QString());
            th->edtXsdh->setText(sale);
            QTest::keyClick(th->edtXsdh, Qt::Key_Return);
            th->edtGoods->setText(shoe);
            QTest::keyClick(th->edtGoods, Qt::Key_Return);
            ASSERT_EQ(th->grid->rowCount(), 1);
            QTest::keyClick(th, Qt::Key_F4);
            th->edtSlNew->setText(QStringLiteral("1"));
            QTest::keyClick(th->edtSlNew, Qt::Key_Return);
            EXPECT_EQ(th->grid->value(0, QStringLiteral("pos_sl")), QStringLiteral("1"));
            TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Thje"), [](TF_Form* r) {
                auto* je = static_cast<TF_Posxs_Thje*>(r);
                EXPECT_EQ(je->edtThje->text(), QStringLiteral("100"));
                je->edtThje->setText(QStringLiteral("90"));
                QTest::keyClick(je, Qt::Key_F5);
            });
            QTest::keyClick(th, Qt::Key_F5);
            EXPECT_EQ(th->grid->rowCount(), 0);
            // The same receipt again: only the pair left comes back.
            th->edtXsdh->setText(sale);
            QTest::keyClick(th->edtXsdh, Qt::Key_Return);
            th->edtGoods->setText(shoe);
            QTest::keyClick(th->edtGoods, Qt::Key_Return);
            ASSERT_EQ(th->grid->rowCount(), 1);
            EXPECT_EQ(th->grid->value(0, QStringLiteral("pos_sl")), QStringLiteral("1"));
            MsgScript::answer(MsgAnswer::No);
        });
        static_cast<TF_Posxs*>(f)->menuTill->actions().at(7)->trigger();
        EXPECT_TRUE(authName.isEmpty());
    });
    till->showModalForm();
    EXPECT_EQ(MsgScript::texts(), (QStringList{QStringLiteral("用户密码不正确，请重新输入！"), QStringLiteral("该销售单不存在！"),
                                               QStringLiteral("列表中有退货商品，是否退货？")}));
    EXPECT_EQ(value(QStringLiteral("select pos_sfje from jxc_posthd")), QStringLiteral("-90"));
    EXPECT_EQ(value(QStringLiteral("select pos_mlje from jxc_posthd")), QStringLiteral("-10"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_posthsp")), QStringLiteral("1"));  // the posted line only
    EXPECT_EQ(value(QStringLiteral("select sum(t_sl) from jxc_tkc where g_sn='%1'").arg(shoe)), QStringLiteral("4"));
}

TEST_F(TillReturn, ReprintListsTodaysPaidSalesOnly)
{
    openWith<TF_Posxs_Dyxp>(F_Posxs_Dyxp, [&](TF_Posxs_Dyxp* w) {
        ASSERT_EQ(w->gridSales->rowCount(), 1);
        EXPECT_EQ(w->gridSales->value(0, QStringLiteral("gl_djh")), sale);
        EXPECT_EQ(w->lblDetail->text(), QStringLiteral("单据 ") + sale + QStringLiteral(" 的详细信息"));
        EXPECT_EQ(w->gridLines->rowCount(), 1);
    });
}

}  // namespace
