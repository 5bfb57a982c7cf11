// The till driven by keys and typed barcodes: goods entry through the size and colour picker,
// line corrections, payment, held sales and the close prompt.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "pos/posxs.h"
#include "pos/posxs_fk.h"
#include "pos/posxs_jg.h"
#include "pos/posxs_sele.h"
#include "support/shop.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString value(const QString& sql) { return selectValue(sql); }

// The picker's next showing chooses the cell of `row`, `col` (1-based data cells).
void nextPick(int row, int col)
{
    TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Sele"), [=](TF_Form* f) {
        auto* w = static_cast<TF_Posxs_Sele*>(f);
        w->grid->setCurrentCell(row, col);
        QTest::keyClick(w->grid, Qt::Key_Return);
    });
}

void typeBarcode(TF_Posxs* till, const QString& code)
{
    till->edtSearch->setFocus();
    QTest::keyClicks(till->edtSearch, code);
    QTest::keyClick(till->edtSearch, Qt::Key_Return);
}

class TillWindow : public ::testing::Test {
protected:
    TillWindow()
    {
        MsgScript::reset();
        csKc = QStringLiteral("1");
        csPosdj = QStringLiteral("1");
        csPosfkws = QStringLiteral("2");
        sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39"), QStringLiteral("40")}, {QStringLiteral("黑色")},
                            50, 0, QStringLiteral("6901"));
        shop.receipt().line(sandal, 50, {{QStringLiteral("39"), QStringLiteral("黑色"), 3}}).post();
    }
    ~TillWindow() override { MsgScript::reset(); }

    void withTill(const std::function<void(TF_Posxs*)>& script)
    {
        TF_Posxs* till = ensureForm(F_Posxs);
        TF_Form::scriptNextOpening(till->objectName(), [script](TF_Form* f) {
            script(static_cast<TF_Posxs*>(f));
            MsgScript::answer(MsgAnswer::No);  // the close prompt, when lines are left
        });
        till->showModalForm();
    }

    Shop shop;
    QString sandal;
};

TEST_F(TillWindow, BarcodeTwiceGivesOneLineAndCashPaymentStartsTheNextSale)
{
    withTill([&](TF_Posxs* till) {
        EXPECT_EQ(till->lblDjh->text(), QStringLiteral("XS130528010001"));
        nextPick(1, 1);
        typeBarcode(till, QStringLiteral("6901"));
        nextPick(1, 1);
        typeBarcode(till, QStringLiteral("6901"));
        ASSERT_EQ(till->gridLines->rowCount(), 1);
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("ls_sl")), QStringLiteral("2"));
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("ls_dj")), QStringLiteral("100"));
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("cm_name")), QStringLiteral("39"));
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("t_kc")), QStringLiteral("3"));
        EXPECT_EQ(till->lblHjje->text(), QStringLiteral("200"));
        EXPECT_EQ(till->lblHjsl->text(), QStringLiteral("2"));
        EXPECT_EQ(till->lblStatus->text(), QStringLiteral("销售状态"));
        EXPECT_FALSE(till->cbxCk->isEnabled());

        TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Fk"), [](TF_Form* f) {
            auto* pay = static_cast<TF_Posxs_Fk*>(f);
            EXPECT_EQ(pay->yfje->text(), QStringLiteral("200"));
            EXPECT_TRUE(pay->rXj->isChecked());  // a walk-in has no balance
            pay->tfkje->setText(QStringLiteral("150"));
            QTest::keyClick(pay, Qt::Key_F5);  // too little: refused, the dialog stays
            EXPECT_TRUE(pay->isVisible());
            pay->tfkje->setText(QStringLiteral("250"));
            EXPECT_EQ(pay->tzlje->text(), QStringLiteral("50.00"));
            QTest::keyClick(pay, Qt::Key_F5);
        });
        QTest::keyClick(till->edtSearch, Qt::Key_F5);
        EXPECT_EQ(till->lblDjh->text(), QStringLiteral("XS130528010002"));
        EXPECT_EQ(till->gridLines->rowCount(), 0);
        EXPECT_EQ(till->lblStatus->text(), QStringLiteral("待销售状态"));
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("付款金额不足，不能保存！")});
    const ResultSet head = openSelect(QStringLiteral("select pos_xj,pos_zlje,pos_yfje from jxc_posxsd where gl_djh='XS130528010001'"));
    ASSERT_EQ(head.rowCount(), 1);
    EXPECT_EQ(QStringList({head.text(0, 0), head.text(0, 1), head.text(0, 2)}).join(u'/'), QStringLiteral("250/50/200"));
    EXPECT_EQ(value(QStringLiteral("select sum(t_sl) from jxc_tkc where g_sn='%1'").arg(sandal)), QStringLiteral("1"));
}

TEST_F(TillWindow, ZeroStockRefusalsWhenStockIsRequired)
{
    csKc = QStringLiteral("0");
    withTill([&](TF_Posxs* till) {
        // Size 40 has no stock: the picker refuses it and stays open until cancelled.
        TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Sele"), [](TF_Form* f) {
            auto* w = static_cast<TF_Posxs_Sele*>(f);
            w->grid->setCurrentCell(1, 2);
            QTest::keyClick(w->grid, Qt::Key_Return);
            EXPECT_TRUE(w->isVisible());
            QTest::keyClick(w, Qt::Key_Escape);
        });
        typeBarcode(till, QStringLiteral("6901"));
        EXPECT_EQ(till->gridLines->rowCount(), 0);

        nextPick(1, 1);
        typeBarcode(till, QStringLiteral("6901"));
        ASSERT_EQ(till->gridLines->rowCount(), 1);
        QTest::keyClick(till->edtSearch, Qt::Key_Slash);  // 修改数量
        ASSERT_TRUE(till->quantityPanelOpen());
        till->edtSlXsl->setText(QStringLiteral("4"));
        QTest::keyClick(till->edtSlXsl, Qt::Key_Return);
        EXPECT_TRUE(till->quantityPanelOpen());
        till->edtSlXsl->setText(QStringLiteral("3"));
        QTest::keyClick(till->edtSlXsl, Qt::Key_Return);
        EXPECT_FALSE(till->quantityPanelOpen());
        EXPECT_EQ(till->lblHjje->text(), QStringLiteral("300"));
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{QStringLiteral("库存为0不允许销售，重新输入！"),
                                               QStringLiteral("销售数量不能大于库存数量，重新输入！"),
                                               QStringLiteral("所选商品还未保存，是否保存？")}));
    // "否" on closing took the lines away.
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_lsxssp")), QStringLiteral("0"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_lsxsspmx")), QStringLiteral("0"));
}

TEST_F(TillWindow, PriceKeysFollowTheSettingAndPanelFieldRules)
{
    withTill([&](TF_Posxs* till) {
        nextPick(1, 1);
        typeBarcode(till, QStringLiteral("6901"));
        QTest::keyClick(till->edtSearch, Qt::Key_F7);  // 修改折扣
        ASSERT_TRUE(till->pricePanelOpen());
        till->edtDjZk->setText(QStringLiteral("1.5"));  // out of range: taken as 1
        till->edtDjXsl->setText(QStringLiteral("-2"));  // negative: taken as 1
        QTest::keyClick(till->edtDjZk, Qt::Key_F5);
        EXPECT_FALSE(till->pricePanelOpen());
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("ls_dzl")), QStringLiteral("1"));
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("ls_sl")), QStringLiteral("1"));

        QTest::keyClick(till->edtSearch, Qt::Key_F3);  // 修改单价
        till->edtDjDj->setText(QStringLiteral("0"));
        QTest::keyClick(till->edtDjDj, Qt::Key_Return);
        EXPECT_TRUE(till->pricePanelOpen());
        till->edtDjDj->setText(QStringLiteral("80"));
        till->edtDjZk->setText(QStringLiteral("0.9"));
        QTest::keyClick(till->edtDjDj, Qt::Key_Return);
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("ls_zje")), QStringLiteral("72"));

        csPosdj = QStringLiteral("0");
        QTest::keyClick(till->edtSearch, Qt::Key_F3);
        QTest::keyClick(till->edtSearch, Qt::Key_F7);
        EXPECT_FALSE(till->pricePanelOpen());
        QTest::keyClick(till->edtSearch, Qt::Key_Slash);
        EXPECT_TRUE(till->edtSlDj->isReadOnly());
        QTest::keyClick(till->edtSlXsl, Qt::Key_Escape);
        EXPECT_FALSE(till->quantityPanelOpen());
        EXPECT_TRUE(till->isVisible());  // Esc only closed the panel

        QTest::keyClick(till->edtSearch, Qt::Key_Delete);  // 删除当前
        EXPECT_EQ(till->gridLines->rowCount(), 0);
        EXPECT_EQ(till->lblHjje->text(), QString());
        EXPECT_TRUE(till->cbxCk->isEnabled());
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{QStringLiteral("单价必须大于0，请重新输入！"),
                                               QStringLiteral("您不能修改商品单价！"), QStringLiteral("您不能修改商品折扣！")}));
}

TEST_F(TillWindow, HoldAndResumeKeepTheNumberAndRefuseDuringASale)
{
    withTill([&](TF_Posxs* till) {
        nextPick(1, 1);
        typeBarcode(till, QStringLiteral("6901"));
        nextPick(1, 2);
        typeBarcode(till, QStringLiteral("6901"));
        QTest::keyClick(till->edtSearch, Qt::Key_F9);  // resume during a sale: refused
        MsgScript::answer(MsgAnswer::Yes);
        QTest::keyClick(till->edtSearch, Qt::Key_F8);  // hold
        EXPECT_EQ(till->lblDjh->text(), QStringLiteral("XS130528010002"));
        EXPECT_EQ(till->gridLines->rowCount(), 0);

        TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Jg"), [](TF_Form* f) {
            auto* jg = static_cast<TF_Posxs_Jg*>(f);
            ASSERT_EQ(jg->gridHeld->rowCount(), 1);
            EXPECT_EQ(jg->gridLines->rowCount(), 2);
            QTest::keyClick(jg, Qt::Key_F5);
        });
        QTest::keyClick(till->edtSearch, Qt::Key_F9);
        EXPECT_EQ(till->lblDjh->text(), QStringLiteral("XS130528010001"));
        ASSERT_EQ(till->gridLines->rowCount(), 2);
        EXPECT_EQ(till->gridLines->value(1, QStringLiteral("cm_name")), QStringLiteral("40"));
        EXPECT_EQ(till->gridLines->value(0, QStringLiteral("t_kc")), QString());  // a resumed line has no figure
        EXPECT_EQ(till->lblHjje->text(), QStringLiteral("200"));
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{QStringLiteral("系统处于销售状态，不能解挂！"), QStringLiteral("您确定挂单吗！"),
                                               QStringLiteral("挂单成功！"), QStringLiteral("解挂成功！"),
                                               QStringLiteral("所选商品还未保存，是否保存？")}));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_posxsd")), QStringLiteral("0"));
}

TEST_F(TillWindow, ClosingWithYesKeepsTheSaleUnlessPaid)
{
    withTill([&](TF_Posxs* till) {
        nextPick(1, 1);
        typeBarcode(till, QStringLiteral("6901"));
        MsgScript::answer(MsgAnswer::Yes);
        TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_Fk"), [](TF_Form* f) { QTest::keyClick(f, Qt::Key_Escape); });
        QTest::keyClick(till->edtSearch, Qt::Key_Escape);
        EXPECT_TRUE(till->isVisible());
        EXPECT_EQ(till->gridLines->rowCount(), 1);
        MsgScript::answer(MsgAnswer::Cancel);
        QTest::keyClick(till->edtSearch, Qt::Key_Escape);
        EXPECT_TRUE(till->isVisible());
    });
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_lsxssp")), QStringLiteral("0"));  // the script's "否"
}

}  // namespace
