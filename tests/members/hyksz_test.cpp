// The member-card settings driven by their controls: levels and schemes with their dialogs,
// refusals of the built-in rows and of rows in use, and the points page.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "members/hyfl_modi.h"
#include "members/hyksz.h"
#include "members/hyyh_modi.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "support/shop.h"
#include "membertest.h"
#include "windowscript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

class HykszWindow : public ::testing::Test {
protected:
    HykszWindow() { MsgScript::reset(); }
    ~HykszWindow() override { MsgScript::reset(); }
    Shop shop;
};

// Selects the row of `code` in the grid.
void select(DataGrid* grid, const char* column, const QString& code)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->value(grid->sourceRow(r), QString::fromLatin1(column)) == code)
            grid->setCurrentRow(grid->sourceRow(r));
}

TEST_F(HykszWindow, BuiltInRowsAndLevelsInUseStay)
{
    saveLevel({}, level(QStringLiteral("银卡"), QStringLiteral("0.9"), 100, 499));
    saveLevel({}, level(QStringLiteral("空级"), QStringLiteral("0.8"), 500, 999));
    saveScheme({}, scheme(QStringLiteral("充值送"), 0, 1.2));
    const QString silver = selectValue(QStringLiteral("select hl_sn from jxc_hyfl where hl_name='银卡'"));
    const QString spare = selectValue(QStringLiteral("select hl_sn from jxc_hyfl where hl_name='空级'"));
    const QString bonus = selectValue(QStringLiteral("select hh_sn from jxc_hyyh where hh_name='充值送'"));
    MemberFields f;
    f.card = QStringLiteral("1");
    f.name = QStringLiteral("甲");
    f.points = m(150);
    f.schemeSn = bonus;
    shop.member(f);

    openScripted<TF_Hyksz>(F_Hyksz, [&](TF_Hyksz* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 3);
        ASSERT_EQ(w->DBGrid2->rowCount(), 2);
        // Nothing opens for the built-in rows, not even a question.
        select(w->DBGrid1, "hl_sn", QStringLiteral("100001"));
        w->btnModi1->click();
        w->btnDele1->click();
        select(w->DBGrid2, "hh_sn", QStringLiteral("100001"));
        w->btnModi2->click();
        w->btnDele2->click();
        select(w->DBGrid1, "hl_sn", silver);
        w->btnDele1->click();
        select(w->DBGrid2, "hh_sn", bonus);
        w->btnDele2->click();
        // An unused level goes after the question; "否" keeps it.
        select(w->DBGrid1, "hl_sn", spare);
        w->btnDele1->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 3);
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDele1->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("该会员等级是系统默认，不能修改！"), QStringLiteral("该会员等级是系统默认，不能删除！"),
                           QStringLiteral("该优惠选项是系统默认，不能修改！"), QStringLiteral("该优惠选项是系统默认，不能删除！"),
                           QStringLiteral("该等级已存在会员信息，不能删除！"), QStringLiteral("该优惠选项已存在会员信息，不能删除！"),
                           QStringLiteral("您确定要删除该等级信息吗！"), QStringLiteral("您确定要删除该等级信息吗！")}));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_hyfl")), QStringLiteral("2"));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_hyyh")), QStringLiteral("2"));
}

TEST_F(HykszWindow, DialogsAddAndChangeLevelsAndSchemes)
{
    openScripted<TF_Hyksz>(F_Hyksz, [&](TF_Hyksz* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Hyfl_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Hyfl_Add*>(f);
            EXPECT_EQ(d->edtZk->text(), QStringLiteral("1"));
            EXPECT_EQ(d->edtJfxx->text() + d->edtJfsx->text(), QStringLiteral("11"));
            d->btnOK->click();  // no name
            d->edtName->setText(QStringLiteral("金卡"));
            d->edtZk->clear();
            d->btnOK->click();  // no discount
            d->edtZk->setText(QStringLiteral("0.85"));
            d->edtJfxx->setText(QStringLiteral("1000"));
            d->edtJfsx->setText(QStringLiteral("4999"));
            d->chkPfsp->setChecked(true);
            d->btnOK->click();
        });
        w->btnAdd1->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        EXPECT_EQ(w->DBGrid1->value(w->DBGrid1->currentRow(), QStringLiteral("hl_name")), QStringLiteral("金卡"));

        TF_Form::scriptNextOpening(QStringLiteral("F_Hyfl_Modi"), [](TF_Form* f) {
            auto* d = static_cast<TF_Hyfl_Modi*>(f);
            EXPECT_EQ(d->edtJfsx->text(), QStringLiteral("4999"));
            EXPECT_TRUE(d->chkPfsp->isChecked());
            d->edtName->setText(QStringLiteral("白金卡"));
            d->btnOK->click();
        });
        w->btnModi1->click();
        EXPECT_EQ(w->DBGrid1->value(w->DBGrid1->currentRow(), QStringLiteral("hl_name")), QStringLiteral("白金卡"));

        // A scheme of the spending kind: switching the kind resets the values, the factor stays 1.
        TF_Form::scriptNextOpening(QStringLiteral("F_Hyyh_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Hyyh_Add*>(f);
            d->edtName->setText(QStringLiteral("返现"));
            d->edtYh1->setText(QStringLiteral("0"));
            d->btnOK->click();  // factor not above 0
            d->edtYh1->setText(QStringLiteral("1.5"));
            d->cbZl->setCurrentIndex(1);
            EXPECT_EQ(d->panels->currentIndex(), 1);
            EXPECT_EQ(d->edtYh1->text(), QStringLiteral("1"));
            d->edtYh2->setText(QStringLiteral("1000"));
            d->edtYh3->setText(QStringLiteral("-5"));
            d->btnOK->click();  // negative cash
            d->edtYh3->setText(QStringLiteral("50"));
            d->btnOK->click();
        });
        w->btnAdd2->click();
        ASSERT_EQ(w->DBGrid2->rowCount(), 2);
        TF_Form::scriptNextOpening(QStringLiteral("F_Hyyh_Modi"), [](TF_Form* f) {
            auto* d = static_cast<TF_Hyyh_Modi*>(f);
            EXPECT_EQ(d->panels->currentIndex(), 1);
            EXPECT_EQ(d->edtYh2->text(), QStringLiteral("1000"));
            d->edtYh3->setText(QStringLiteral("80"));
            d->btnOK->click();
        });
        w->btnModi2->click();
        EXPECT_EQ(w->DBGrid2->value(w->DBGrid2->currentRow(), QStringLiteral("hh_note")),
                  QStringLiteral("累计消费 1000元 转换现金80 元"));
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("分类名称必须填写！"), QStringLiteral("折扣必须填写！"),
                           QStringLiteral("实际存款=所存金额的系数必须大于0！"), QStringLiteral("累计消费 和 转换现金不能为负数！")}));
    EXPECT_EQ(selectValue(QStringLiteral("select hl_sn||'|'||hl_name||'|'||hl_zk||'|'||hl_jfxx||'|'||hl_jfsx||'|'||hl_pfsp "
                                         "from jxc_hyfl where hl_sn<>'100001'")),
              QStringLiteral("100002|白金卡|0.85|1000.0|4999.0|1"));
    EXPECT_EQ(selectValue(QStringLiteral("select hh_zl||'|'||hh_yh1||'|'||hh_zlname from jxc_hyyh where hh_sn<>'100001'")),
              QStringLiteral("1|1.0|消费金额转现金"));
}

TEST_F(HykszWindow, PointsPageSavesTheRuleAndEmptiesDatesWithoutMultiple)
{
    savePointsSettings(pointsRule(1, 5, false, 2, QStringLiteral("2013-06-09"), QStringLiteral("2013-06-01")));
    openScripted<TF_Hyksz>(F_Hyksz, [](TF_Hyksz* w) {
        EXPECT_EQ(w->PageControl1->currentIndex(), 0);
        w->PageControl1->setCurrentIndex(1);
        EXPECT_EQ(w->cbJfgz->currentIndex(), 1);
        EXPECT_EQ(w->edtMfje->text(), QStringLiteral("5"));
        EXPECT_EQ(w->dtDbrq1->date(), QDate(2013, 6, 9));  // kept as stored, after the second date
        EXPECT_EQ(w->dtDbrq2->date(), QDate(2013, 6, 1));
        w->cbJfgz->setCurrentIndex(0);
        w->edtMfje->setText(QStringLiteral("10"));
        w->chkYelj->setChecked(true);
        w->edtDbjf->setText(QStringLiteral("0"));
        w->btnSave1->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("保存成功！")});
    EXPECT_EQ(selectValue(QStringLiteral("select jf_jfgz||'|'||jf_mfje||'|'||jf_yelj||'|'||jf_dbjf||'|'||jf_dbrq1||'|'||"
                                         "jf_dbrq2 from jxc_jfsz")),
              QStringLiteral("0|10.0|1|0.0||"));
    EXPECT_EQ(jfMfje, QStringLiteral("10"));  // the settings in memory follow at once
}

}  // namespace
