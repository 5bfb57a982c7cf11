// Pricing of till lines and the member choice on plain values, and the member dialog driven
// from the till's key.
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "members/memberdata.h"
#include "platform/msgbox.h"
#include "pos/posxs.h"
#include "pos/posxs_selehy.h"
#include "pos/tilllines.h"
#include "support/shop.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString value(const QString& sql) { return selectValue(sql); }

class TillPricing : public ::testing::Test {
protected:
    TillPricing()
    {
        MsgScript::reset();
        csXsdj = QStringLiteral("0");
        csKc = QStringLiteral("1");
        // A shoe at 100 (preset 50 × 2) on special offer at 80 for walk-ins.
        shoe = shop.goods(QStringLiteral("皮鞋"), {QStringLiteral("40")}, {QStringLiteral("黑色")}, 50);
        boot = shop.goods(QStringLiteral("靴子"), {QStringLiteral("41")}, {QStringLiteral("棕色")}, 100);
        execSql(QStringLiteral("update jxc_goods set g_tjsp=1,g_tjqx=0,g_tj=80,g_hyj=0 where g_sn='%1'").arg(shoe));
        LevelFields gold;
        gold.name = QStringLiteral("金卡");
        gold.discount = QStringLiteral("0.8");
        gold.upper = Money::fromUnits(10000 * 10000);
        EXPECT_EQ(saveLevel(QString(), gold), QString());
        goldSn = value(QStringLiteral("select hl_sn from jxc_hyfl where hl_name='金卡'"));
        MemberFields m;
        m.card = QStringLiteral("HY100001");
        m.name = QStringLiteral("王会员");
        m.levelSn = goldSn;
        m.autoUpgrade = false;
        m.password = m.password2 = QStringLiteral("123");
        m.hasExpiry = true;
        m.expiry = QStringLiteral("2013-05-28");  // today
        hySn = shop.member(m, 300);
        number = newTillNumber();
    }
    ~TillPricing() override { MsgScript::reset(); }

    TillMember gold() const { return {QStringLiteral("HY100001"), goldSn, QStringLiteral("0.8")}; }
    // The first line of the goods: the fields joined by "/".
    QString line(const QString& gSn, const char* fields = "ls_dj,ls_dzl,ls_zje") const
    {
        const ResultSet rs = openSelect(QStringLiteral("select %1 from jxc_lsxssp where gl_djh='%2' and g_sn='%3' order by id")
                                            .arg(QString::fromLatin1(fields), number, gSn));
        QStringList out;
        for (int c = 0; rs.rowCount() > 0 && c < rs.columnCount(); ++c)
            out << rs.text(0, c);
        return out.join(u'/');
    }

    Shop shop;
    QString shoe, boot, goldSn, hySn, number;
};

TEST_F(TillPricing, OfferLevelDiscountAndOwnRate)
{
    execSql(QStringLiteral("update jxc_goods set g_dzll=0.9 where g_sn='%1'").arg(boot));
    addPickedLine(number, shoe, QStringLiteral("40"), QStringLiteral("黑色"), QStringLiteral("2"), {});
    addPickedLine(number, boot, QStringLiteral("41"), QStringLiteral("棕色"), QStringLiteral("2"), {});
    EXPECT_EQ(line(shoe), QStringLiteral("80/1/80"));    // walk-in: the special price
    EXPECT_EQ(line(boot), QStringLiteral("200/0.9/180"));  // walk-in: the goods' own rate

    repriceForMember(number, gold());
    EXPECT_EQ(line(shoe), QStringLiteral("100/0.8/80"));  // no member price: level discount
    EXPECT_EQ(line(boot), QStringLiteral("200/0.8/160"));
    EXPECT_EQ(line(boot, "ls_zhje"), QStringLiteral("160"));  // the amounts stay in step

    repriceForMember(number, {});
    EXPECT_EQ(line(shoe), QStringLiteral("80/1/80"));
    EXPECT_EQ(line(boot), QStringLiteral("200/0.9/180"));

    // The same variant again: one more at the line's own price, whatever the member.
    addPickedLine(number, boot, QStringLiteral("41"), QStringLiteral("棕色"), QString(), gold());
    EXPECT_EQ(line(boot, "ls_sl,ls_zje"), QStringLiteral("2/360"));
}

TEST_F(TillPricing, OfferPeriodEndedEarlierTodayAndLastPrice)
{
    execSql(QStringLiteral("update jxc_goods set g_tjqx=1,g_ks='2013-05-01 00:00:00',g_js='2013-05-28 09:00:00' "
                           "where g_sn='%1'").arg(shoe));
    EXPECT_FALSE(offerInForce(shoe));  // the clock reads 10:00
    shop.sale().line(boot, 120, {{QStringLiteral("41"), QStringLiteral("棕色"), 1}}).post();
    number = newTillNumber();
    csXsdj = QStringLiteral("1");
    addPickedLine(number, boot, QStringLiteral("41"), QStringLiteral("棕色"), QString(), {});
    EXPECT_EQ(line(boot), QStringLiteral("120/1/120"));
    repriceForMember(number, {});
    EXPECT_EQ(line(boot), QStringLiteral("200/1/200"));  // the member choice prices from g_sj
}

TEST_F(TillPricing, MemberChoiceRefusals)
{
    struct Case {
        const char* card;
        const char* password;
        const char* today;
        const char* refusal;
    };
    const Case cases[] = {
        {"HY100001", "123", "2013-05-28", ""},  // the expiry day itself
        {" HY100001 ", "123", "2013-05-28", ""},
        {"HY100001", "124", "2013-05-28", "会员不存在或密码错误，请重新输入！"},
        {"HY100002", "123", "2013-05-28", "会员不存在或密码错误，请重新输入！"},
        {"HY100001", "123", "2013-05-29", "该会员已到期，不能使用！"},
    };
    for (const Case& c : cases) {
        Clock::setFixed(QDateTime(QDate::fromString(QString::fromLatin1(c.today), Qt::ISODate), QTime(10, 0)));
        const TillMemberChoice m = chooseTillMember(QString::fromLatin1(c.card), QString::fromLatin1(c.password));
        EXPECT_EQ(m.refusal, QString::fromUtf8(c.refusal)) << c.card << " " << c.password << " " << c.today;
        if (m.refusal.isEmpty()) {
            EXPECT_EQ(m.levelName, QStringLiteral("金卡"));
            EXPECT_EQ(m.balance, QStringLiteral("300"));
        }
    }
    execSql(QStringLiteral("update jxc_hyxx set hy_status=0 where hy_sn='%1'").arg(hySn));
    Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(10, 0)));
    EXPECT_EQ(chooseTillMember(QStringLiteral("HY100001"), QStringLiteral("123")).refusal,
              QStringLiteral("会员不存在或密码错误，请重新输入！"));
}

TEST_F(TillPricing, MemberDialogFromTheTillRepricesAndShowsThePanel)
{
    TF_Posxs* till = ensureForm(F_Posxs);
    TF_Form::scriptNextOpening(till->objectName(), [&](TF_Form* f) {
        auto* w = static_cast<TF_Posxs*>(f);
        addPickedLine(w->number(), shoe, QStringLiteral("40"), QStringLiteral("黑色"), QStringLiteral("2"), {});
        w->openLines();
        TF_Form::scriptNextOpening(QStringLiteral("F_Posxs_SeleHy"), [](TF_Form* d) {
            auto* hy = static_cast<TF_Posxs_SeleHy*>(d);
            hy->edtCard->setText(QStringLiteral("HY100001"));
            QTest::keyClicks(hy->edtPwd, QStringLiteral("1-2.3"));  // punctuation is dropped as typed
            QTest::keyClick(hy->edtPwd, Qt::Key_Return);
        });
        QTest::keyClick(w->edtSearch, Qt::Key_F2);
        EXPECT_TRUE(w->memberFaceShown());
        EXPECT_EQ(w->lblHyYe->text(), QStringLiteral("300"));
        EXPECT_EQ(w->lblHjje->text(), QStringLiteral("80"));
        w->btnHideHy->click();  // refused during a sale
        EXPECT_TRUE(w->memberFaceShown());
        MsgScript::answer(MsgAnswer::No);
    });
    till->showModalForm();
    EXPECT_EQ(MsgScript::texts(), (QStringList{QStringLiteral("正在销售商品，不能隐藏会员信息！"),
                                               QStringLiteral("所选商品还未保存，是否保存？")}));
}

}  // namespace
