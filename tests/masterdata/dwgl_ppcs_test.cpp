// Units of measure and brands: the unit window answering its caller, the brand list.
#include "sizecolortest.h"

#include "masterdata/dwgl.h"
#include "masterdata/dwgl_add.h"
#include "masterdata/pickers.h"
#include "masterdata/ppcs.h"
#include "masterdata/ppcs_add.h"
#include "masterdata/unitbranddata.h"
#include "platform/datagrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class UnitsBrands : public SizeColorTest {
protected:
    void SetUp() override
    {
        SizeColorTest::SetUp();
        combo = std::make_unique<QComboBox>();
        combo->addItem(QStringLiteral("旧的"));
        unitCallers().add(QStringLiteral("test_units"), [this] { return combo.get(); });
    }
    void TearDown() override
    {
        unitCallers().remove(QStringLiteral("test_units"));
        SizeColorTest::TearDown();
    }
    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    }

    std::unique_ptr<QComboBox> combo;
};

TEST_F(UnitsBrands, UnitNamesMayRepeatAndMustBeGiven)
{
    EXPECT_EQ(addUnit(QStringLiteral("  ")).error, "单位名称必须填写！");
    EXPECT_EQ(addUnit(QStringLiteral("件")).code, "100003");
    EXPECT_EQ(addUnit(QStringLiteral(" 件 ")).code, "100004");
    EXPECT_EQ(addUnit(QStringLiteral("箱'--")).code, "100005");
    EXPECT_EQ(value(QStringLiteral("select group_concat(dw_name,'|') from (select dw_name from jxc_dw order by id)")),
              "件|套|件|件|箱‘－－");
}

TEST_F(UnitsBrands, ConfirmingAUnitRefillsTheCallersListAndSelectsIt)
{
    callerFlag = QStringLiteral("test_units");
    openScripted<TF_Dwgl>(F_Dwgl, [this](TF_Dwgl* w) {
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
        onNextOpening<TF_Dwgl_Add>(QStringLiteral("F_Dwgl_Add"), [](TF_Dwgl_Add* d) {
            QTest::keyClick(d->Edit1, Qt::Key_F5);
            EXPECT_EQ(MsgScript::last().text, "单位名称必须填写！");
            d->Edit1->setText(QStringLiteral("双"));
            QTest::keyClick(d->Edit1, Qt::Key_F5);
        });
        w->btnAdd->click();
        // The new unit is the newest, first and current.
        EXPECT_EQ(w->DBGrid1->value(w->DBGrid1->currentRow(), QStringLiteral("dw_name")), "双");
        w->btnOK->click();
    });
    EXPECT_EQ(items(), QStringList({"增加新单位...", "件", "套", "双"}));
    EXPECT_EQ(combo->currentText(), "双");

    // A second "件": the list selects the first of the name. A deletion refills the list and
    // selects the newest unit left.
    addUnit(QStringLiteral("件"));
    MsgScript::answer(MsgAnswer::Yes);
    openScripted<TF_Dwgl>(F_Dwgl, [this](TF_Dwgl* w) {
        w->btnOK->click();
        EXPECT_EQ(combo->currentIndex(), 1);
        EXPECT_EQ(items().size(), 5);
    });
    openScripted<TF_Dwgl>(F_Dwgl, [this](TF_Dwgl* w) {
        w->btnDel->click();
        EXPECT_EQ(MsgScript::last().text, "您确定要删除该单位信息吗！");
        EXPECT_EQ(items(), QStringList({"增加新单位...", "件", "套", "双"}));
        EXPECT_EQ(combo->currentText(), "双");
        w->btnExit->click();
    });

    // A word nobody registered answers nothing.
    callerFlag = QStringLiteral("cgjh_goods_add");
    openScripted<TF_Dwgl>(F_Dwgl, [](TF_Dwgl* w) { w->btnOK->click(); });
    EXPECT_EQ(items(), QStringList({"增加新单位...", "件", "套", "双"}));
    EXPECT_EQ(combo->currentText(), "双");
}

TEST_F(UnitsBrands, BrandsAreUniqueAndTheDefaultBrandIsNotListed)
{
    EXPECT_EQ(addBrand(QStringLiteral(" ")).error, "品牌厂商必须填写！");
    const int listed = value(QStringLiteral("select count(*) from jxc_ppcs")).toInt() - 1;
    openScripted<TF_Ppcs>(F_Ppcs, [listed](TF_Ppcs* w) {
        EXPECT_EQ(w->DBGrid1->rowCount(), listed);
        onNextOpening<TF_Ppcs_Add>(QStringLiteral("F_Ppcs_Add"), [](TF_Ppcs_Add* d) {
            d->Edit1->setText(QStringLiteral("红蜻蜓"));
            QTest::keyClicks(d->Edit1, QStringLiteral("'-- x"));  // the key filter drops ' and -
            d->btnOK->click();
        });
        w->btnAdd->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), listed + 1);
        onNextOpening<TF_Ppcs_Add>(QStringLiteral("F_Ppcs_Add"), [](TF_Ppcs_Add* d) {
            d->Edit1->setText(QStringLiteral("红蜻蜓 x"));
            d->btnOK->click();
            EXPECT_EQ(MsgScript::last().text, "品牌厂商不能重复！");
            d->btnCancel->click();
        });
        w->btnAdd->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), listed + 1);
        w->DBGrid1->setCurrentRow(0);
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDel->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), listed);
    });
    EXPECT_EQ(value(QStringLiteral("select pp_jm from jxc_ppcs where pp_name='红蜻蜓 x'")), "HX");  // 蜻蜓 lie outside the first-level characters
    // The built-in brand cannot be deleted, also not by a stale code.
    deleteBrand(QStringLiteral("100001"));
    EXPECT_EQ(value(QStringLiteral("select pp_name from jxc_ppcs where pp_sn='100001'")), "默认品牌");
}

}  // namespace
