// Gift stock and the points exchange driven through their windows: the gift list with its
// dialogs and movements, and the exchange window with its lines, save and close prompt.
#include "data/datamodule.h"
#include "data/globals.h"
#include "members/dhzp.h"
#include "members/hygl.h"
#include "members/members.h"
#include "members/memberdata.h"
#include "members/zpgl2.h"
#include "members/zpgl2_add.h"
#include "members/zpgl2_jh.h"
#include "members/zpgl2_modi.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "support/shop.h"
#include "support/windowregistry.h"
#include "membertest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString value(const QString& sql)
{
    return selectValue(sql);
}

template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

template <class T>
void nextOpening(const QString& name, const std::function<void(T*)>& script)
{
    TF_Form::scriptNextOpening(name, [script](TF_Form* f) { script(static_cast<T*>(f)); });
}

class Gifts : public ::testing::Test {
protected:
    Gifts() { MsgScript::reset(); }
    ~Gifts() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        MsgScript::reset();
        paramValue.clear();
    }
    Shop shop;
};

TEST_F(Gifts, GiftListDialogsAndMovements)
{
    openScripted<TF_Zpgl2>(F_Zpgl2, [](TF_Zpgl2* w) {
        nextOpening<TF_Zpgl2_Add>(QStringLiteral("F_Zpgl2_Add"), [](TF_Zpgl2_Add* d) {
            EXPECT_EQ(d->edtSl->text() + d->edtJf->text(), QStringLiteral("00"));
            d->btnOK->click();  // no code
            d->edtSn->setText(QStringLiteral("G1"));
            d->edtName->setText(QStringLiteral("雨伞"));
            d->edtSl->setText(QStringLiteral("10"));
            d->edtJf->setText(QStringLiteral("-1"));
            d->btnOK->click();
            d->edtJf->setText(QStringLiteral("30"));
            d->btnOK->click();
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        // Two purchases, one of them 0; a negative one is refused.
        for (const char* qty : {"5", "0"})
            nextOpening<TF_Zpgl2_Jh>(QStringLiteral("F_Zpgl2_Jh"), [qty](TF_Zpgl2_Jh* d) {
                if (QLatin1String(qty) == QLatin1String("5")) {
                    d->edtSl->setText(QStringLiteral("-2"));
                    d->btnOK->click();
                }
                d->edtSl->setText(QString::fromLatin1(qty));
                d->btnOK->click();
            });
        w->btnJh->click();
        w->btnJh->click();
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("zp_sl")), QStringLiteral("15"));
        EXPECT_EQ(w->lblName->text(), QStringLiteral("雨伞"));
        // The movements are the purchases, newest first; the starting stock is none of them.
        ASSERT_EQ(w->DBGrid2->rowCount(), 2);
        EXPECT_EQ(w->DBGrid2->value(0, QStringLiteral("sl")), QStringLiteral("0"));
        EXPECT_EQ(w->DBGrid2->value(1, QStringLiteral("ywlx")), QStringLiteral("进货"));
        EXPECT_EQ(w->DBGrid2->footerText(QStringLiteral("sl")), QStringLiteral("5"));

        // Bought in: only the points can change.
        nextOpening<TF_Zpgl2_Modi>(QStringLiteral("F_Zpgl2_Modi"), [](TF_Zpgl2_Modi* d) {
            EXPECT_FALSE(d->edtSn->isEnabled());
            EXPECT_FALSE(d->edtSl->isEnabled());
            EXPECT_TRUE(d->edtJf->isEnabled());
            d->edtJf->setText(QStringLiteral("40"));
            d->btnOK->click();
        });
        w->btnModi->click();
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("zp_jf")), QStringLiteral("40"));
        w->btnDele->click();

        w->edtKey->setText(QStringLiteral("没有"));
        w->btnSearch->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);
        EXPECT_EQ(w->DBGrid2->rowCount(), 0);
        EXPECT_TRUE(w->lblName->text().isEmpty());
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("赠品编号必须填写！"), QStringLiteral("兑换积分不能为负数！"),
                           QStringLiteral("进货数量不能为负数！"), QStringLiteral("该赠品已经发生过业务，不能删除！")}));
    EXPECT_EQ(value(QStringLiteral("select zp_sn||'|'||zp_sl||'|'||zp_jf from jxc_zpxx")), QStringLiteral("G1|15.0|40.0"));
}

TEST_F(Gifts, MovementsKeepToThePeriodAndShowExchangesNegative)
{
    addGift(gift(QStringLiteral("A"), QStringLiteral("伞"), 5, 10));
    shop.member(QStringLiteral("1"), QStringLiteral("甲"), 50);
    addExchangeLine(QStringLiteral("DH1"), QStringLiteral("1"), QStringLiteral("A"), operatorName);
    ASSERT_EQ(saveExchange(QStringLiteral("DH1"), QStringLiteral("1"), operatorName), QString());
    giftPurchase(QStringLiteral("A"), m(3), operatorName);
    const qint64 id = value(QStringLiteral("select id from jxc_zpxx")).toLongLong();
    const auto rows = [id](QDate from, QDate to) {
        const ResultSet rs = openSelect(giftMovementSql(id, from, to));
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.text(r, QStringLiteral("ywlx")) + rs.text(r, QStringLiteral("sl"));
        return out.join(u',');
    };
    const QDate today(2013, 5, 28);
    EXPECT_EQ(rows(today, today), QStringLiteral("进货3,兑换-1"));
    EXPECT_EQ(rows(QDate(2013, 4, 1), QDate(2013, 5, 27)), QString());
}

TEST_F(Gifts, ExchangeWindowSavesAndKeepsARefusedCloseOpen)
{
    ScopedWindows windows(registerMembersWindows);
    addGift(gift(QStringLiteral("A"), QStringLiteral("伞"), 5, 30));
    addGift(gift(QStringLiteral("B"), QStringLiteral("杯"), 1, 30));
    const QString sn = shop.member(QStringLiteral("8888"), QStringLiteral("甲"), 100);
    QString firstNumber;
    openScripted<TF_Hygl>(F_Hygl, [&](TF_Hygl* register_) {
        ASSERT_EQ(register_->DBGrid1->rowCount(), 1);
        nextOpening<TF_Dhzp>(QStringLiteral("F_Dhzp"), [&](TF_Dhzp* w) {
            // The register hands the card over; the member is looked up at once.
            EXPECT_EQ(w->edtCard->text(), QStringLiteral("8888"));
            EXPECT_EQ(w->lblJf->text(), QStringLiteral("100"));
            firstNumber = w->number();
            EXPECT_TRUE(firstNumber.startsWith(QStringLiteral("DH130528")));
            for (const char* code : {"A", "B", "A"}) {
                w->edtGift->setText(QString::fromLatin1(code));
                QTest::keyClick(w->edtGift, Qt::Key_Return);
            }
            ASSERT_EQ(w->DBGrid1->rowCount(), 3);  // the same gift twice: two lines
            w->DBGrid1->setCurrentRow(2);
            MsgScript::answer(MsgAnswer::Yes);
            QTest::keyClick(w, Qt::Key_F3);
            ASSERT_EQ(w->DBGrid1->rowCount(), 2);
            w->DBGrid1->setCurrentRow(0);
            QTest::keyClick(w, Qt::Key_F4);
            EXPECT_TRUE(w->pnlSl->isVisibleTo(w));
            w->edtNew->setText(QStringLiteral("0"));
            w->btnSlOK->click();
            w->edtNew->setText(QStringLiteral("2"));
            w->btnSlOK->click();
            EXPECT_FALSE(w->pnlSl->isVisibleTo(w));
            EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("dh_jf")), QStringLiteral("60"));
            QTest::keyClick(w, Qt::Key_F5);
            // A new exchange of the same member, who now has 10 points.
            EXPECT_NE(w->number(), firstNumber);
            EXPECT_EQ(w->DBGrid1->rowCount(), 0);
            EXPECT_EQ(w->lblJf->text(), QStringLiteral("10"));

            // One line too many: closing with "是" is refused and the window stays open.
            w->edtGift->setText(QStringLiteral("A"));
            QTest::keyClick(w->edtGift, Qt::Key_Return);
            MsgScript::answer(MsgAnswer::Yes);
            w->close();
            EXPECT_TRUE(w->isVisible());
            // An unknown card typed without Enter stops the save.
            w->edtCard->setText(QStringLiteral("9999"));
            w->btnOK->click();
            MsgScript::answer(MsgAnswer::No);
            w->close();
            EXPECT_FALSE(w->isVisible());
        });
        register_->btnDh->click();
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("您确定要删除赠品信息吗！"), QStringLiteral("数量必须大于0！"),
                           QStringLiteral("赠品兑换成功！"), QStringLiteral("当前单据还未保存，是否保存？"),
                           QStringLiteral("积分不足，不能兑换！"), QStringLiteral("该会员编号不存在！"),
                           QStringLiteral("当前单据还未保存，是否保存？")}));
    EXPECT_EQ(value(QStringLiteral("select dh_sl||'|'||dh_jf from jxc_dhd")), QStringLiteral("3.0|90.0"));
    EXPECT_EQ(value(QStringLiteral("select group_concat(zp_sl) from (select zp_sl from jxc_zpxx order by id)")),
              QStringLiteral("3.0,0.0"));
    EXPECT_EQ(value(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("10"));
    // Closing with "否" removed the working lines.
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_dhzp")), QStringLiteral("2"));
}

TEST_F(Gifts, ExchangeCardLookupAndGiftRefusals)
{
    addGift(gift(QStringLiteral("Z"), QStringLiteral("空"), 0, 1));
    shop.member(QStringLiteral("O'Neil"), QStringLiteral("乙"), 5);
    openScripted<TF_Dhzp>(F_Dhzp, [](TF_Dhzp* w) {
        w->edtGift->setText(QStringLiteral("Z"));
        QTest::keyClick(w->edtGift, Qt::Key_Return);  // no member yet
        EXPECT_TRUE(w->edtGift->text().isEmpty());
        w->edtCard->setText(QStringLiteral("nobody"));
        QTest::keyClick(w->edtCard, Qt::Key_Return);
        EXPECT_TRUE(w->edtCard->text().isEmpty());
        // The card is converted as it was stored.
        w->edtCard->setText(QStringLiteral(" O'Neil "));
        QTest::keyClick(w->edtCard, Qt::Key_Return);
        EXPECT_EQ(w->lblName->text(), QStringLiteral("乙"));
        for (const char* code : {"Z", "nope"}) {
            w->edtGift->setText(QString::fromLatin1(code));
            QTest::keyClick(w->edtGift, Qt::Key_Return);
        }
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("请先选择会员！"), QStringLiteral("该会员编号不存在！"),
                           QStringLiteral("该赠品数量为0或负数，不能兑换！"), QStringLiteral("没有该商品信息！")}));
}

}  // namespace
