// The count-card top-up driven by its controls: the operator's working list with its item
// dialogs and goods picker, the charge window, and what the save writes.
#include "data/datamodule.h"
#include "data/globals.h"
#include "members/hycs_modi.h"
#include "members/hyxf_jc.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "support/shop.h"
#include "membertest.h"
#include "windowscript.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CountCardWindow : public ::testing::Test {
protected:
    CountCardWindow() { MsgScript::reset(); }
    ~CountCardWindow() override { MsgScript::reset(); }
    Shop shop;
};

// The next item dialog picks the goods found by `typed` (a short code) and saves `times` for `amount`.
void nextItem(const QString& typed, const QString& amount, const QString& times)
{
    TF_Form::scriptNextOpening(QStringLiteral("F_Hycs_Add"), [=](TF_Form* f) {
        auto* d = static_cast<TF_Hycs_Add*>(f);
        QTest::keyClicks(d->edtGsn, typed);
        ASSERT_TRUE(d->pnlGoods->isVisibleTo(d));
        ASSERT_EQ(d->DBGrid1->rowCount(), 1);
        d->DBGrid1->setCurrentRow(d->DBGrid1->sourceRow(0));
        d->btnPick->click();
        d->edtJe->setText(amount);
        d->edtCs->setText(times);
        d->btnOK->click();
    });
}

TEST_F(CountCardWindow, ItemsArePaidThroughTheChargeWindowAndSavedTogether)
{
    const QString wash = shop.goods(QStringLiteral("擦鞋"), {}, {});
    shop.goods(QStringLiteral("修鞋"), {}, {});
    const QString sn = shop.member(QStringLiteral("1"), QStringLiteral("甲"));
    ASSERT_EQ(addCountItem(countItem(wash, 9, QStringLiteral("9")), QStringLiteral("擦鞋"), QStringLiteral("李四")), QString());
    const QString before = cash();

    ensureForm(F_Hyxf_Jc)->setMember(sn);
    openScripted<TF_Hyxf_Jc>(F_Hyxf_Jc, [&](TF_Hyxf_Jc* w) {
        EXPECT_EQ(w->lblBh->text(), QStringLiteral("1"));
        EXPECT_EQ(w->PageControl1->currentIndex(), 0);
        w->btnNew->click();
        ASSERT_EQ(w->PageControl1->currentIndex(), 1);
        EXPECT_EQ(w->DBGrid2->rowCount(), 0);  // another operator's rows are not listed

        // The dialog's refusals: no code, a typed code without a picked goods item, no times.
        TF_Form::scriptNextOpening(QStringLiteral("F_Hycs_Add"), [&](TF_Form* f) {
            auto* d = static_cast<TF_Hycs_Add*>(f);
            d->btnOK->click();
            QTest::keyClicks(d->edtGsn, wash);
            d->edtCs->setText(QStringLiteral("1"));
            d->btnOK->click();
            d->DBGrid1->setCurrentRow(d->DBGrid1->sourceRow(0));
            d->btnPick->click();
            EXPECT_EQ(d->lblName->text(), QStringLiteral("擦鞋"));
            EXPECT_FALSE(d->pnlGoods->isVisibleTo(d));
            QTest::keyClicks(d->edtGsn, QStringLiteral("9"));  // a changed code drops the goods shown
            EXPECT_EQ(d->lblName->text(), QString());
            d->btnExit->click();
        });
        w->btnAdd->click();
        nextItem(QStringLiteral("cx"), QStringLiteral("100"), QStringLiteral("10"));
        w->btnAdd->click();
        nextItem(QStringLiteral("xx"), QStringLiteral("60"), QStringLiteral("4"));
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid2->rowCount(), 2);
        TF_Form::scriptNextOpening(QStringLiteral("F_Hycs_Modi"), [](TF_Form* f) {
            auto* d = static_cast<TF_Hycs_Modi*>(f);
            EXPECT_FALSE(d->edtGsn->isEnabled());
            EXPECT_EQ(d->lblName->text(), QStringLiteral("修鞋"));
            d->edtCs->clear();
            d->btnOK->click();
            d->edtCs->setText(QStringLiteral("5"));
            d->btnOK->click();
        });
        w->DBGrid2->setCurrentRow(1);
        w->btnModi->click();
        w->btnDele->click();  // answered "否"
        EXPECT_EQ(selectValue(QStringLiteral("select sum(hc_cs) from jxc_hycstmp where a_name=?"), {{QString(), operatorName}}),
                  QStringLiteral("15"));

        // A cancelled charge writes nothing and keeps the working list.
        nextCharge(false);
        w->btnSave->click();
        EXPECT_EQ(w->PageControl1->currentIndex(), 1);
        EXPECT_EQ(w->DBGrid2->rowCount(), 2);
        EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_hyxf")), QStringLiteral("0"));

        nextCharge(true);
        w->btnSave->click();
        EXPECT_EQ(w->PageControl1->currentIndex(), 0);
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("商品编号必须填写！"), QStringLiteral("商品编号不正确，请重新填写！"),
                           QStringLiteral("可用次数必须填写！"), QStringLiteral("您确定要删除该信息吗！")}));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*)||'|'||sum(xf_je)||'|'||max(xf_zt) from jxc_hyxf")),
              QStringLiteral("1|160.0|计次卡续费"));
    EXPECT_EQ(Money::fromText(cash()) - Money::fromText(before), m(160));
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(hc_cs||'/'||hc_je||'/'||a_name) from jxc_hycs")),
              QStringLiteral("10/100.0/%1,5/60.0/%1").arg(operatorName));
    EXPECT_EQ(selectValue(QStringLiteral("select hy_cs from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("15"));
    EXPECT_EQ(selectValue(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
              QStringLiteral("会员计次续费：1"));
    // The window's closing empties only this operator's list.
    EXPECT_EQ(column(QStringLiteral("select a_name from jxc_hycstmp")), QStringList{QStringLiteral("李四")});
}

TEST(CountItems, ACodeThatNamesNoGoodsIsRefused)
{
    Shop shop;
    EXPECT_EQ(addCountItem(countItem(QStringLiteral("NOSUCH"), 10, QStringLiteral("1")), QStringLiteral("擦鞋"), operatorName),
              QStringLiteral("商品编号不正确，请重新填写！"));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_hycstmp")), QStringLiteral("0"));
}

}  // namespace
