// The member scheme's business functions on a fresh shop: numbering, card and password forms,
// the level band, enrolment with its deposit, modification, deletions, levels and schemes,
// top-ups, count cards, gifts and exchanges.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "members/memberdata.h"
#include "support/shop.h"
#include "membertest.h"

#include <gtest/gtest.h>

namespace {

QString value(const QString& sql)
{
    return selectValue(sql);
}

QString cashBalance()
{
    return value(QStringLiteral("select yh_zje from jxc_yhzh where yh_name='现金'"));
}

QString addLevel(const QString& name, double lower, double upper)
{
    EXPECT_EQ(saveLevel({}, level(name, QStringLiteral("0.9"), lower, upper)),
              QString());
    return value(QStringLiteral("select max(hl_sn) from jxc_hyfl"));
}

class Members : public ::testing::Test {
protected:
    Shop shop;
};

TEST_F(Members, NumbersStartAfterTheBuiltInMemberAndReuseTheHighest)
{
    EXPECT_EQ(value(QStringLiteral("select hy_name from jxc_hyxx where hy_sn='100001' and hy_bh='0000'")),
              QStringLiteral("普通客户"));
    EXPECT_EQ(shop.member(QStringLiteral("8001"), QStringLiteral("甲")), QStringLiteral("100002"));
    const QString second = shop.member(QStringLiteral("8002"), QStringLiteral("乙"));
    EXPECT_EQ(second, QStringLiteral("100003"));
    EXPECT_EQ(deleteMember(second), QString());
    EXPECT_EQ(shop.member(QStringLiteral("8003"), QStringLiteral("丙")), QStringLiteral("100003"));
    EXPECT_EQ(deleteMember(QStringLiteral("100001")), QStringLiteral("该会员为系统默认会员，不能删除！"));
}

TEST_F(Members, LevelBandRule)
{
    const QString silver = addLevel(QStringLiteral("银卡"), 100, 499);
    const QString gold = addLevel(QStringLiteral("金卡"), 500, 999);
    addLevel(QStringLiteral("重叠"), 400, 600);
    struct Case {
        double points;
        QString band;
        QString level;
    } const cases[] = {
        {0, QStringLiteral("100001"), QStringLiteral("100001")},
        {100, silver, silver},
        {499, silver, silver},
        {500, gold, gold},       // gold and the overlapping band: the lower id wins
        {450, silver, silver},   // silver and the overlap
        {999, gold, gold},
        {50, QString(), QStringLiteral("100001")},  // no band: the lowest lower bound
        {5000, QString(), QStringLiteral("100001")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bandLevel(m(c.points)), c.band) << c.points;
        EXPECT_EQ(levelForPoints(m(c.points)), c.level) << c.points;
    }
    execSql(QStringLiteral("delete from jxc_hyfl"));
    EXPECT_EQ(levelForPoints(m(10)), QStringLiteral("0"));
}

TEST_F(Members, EnrolmentChecksInOrder)
{
    shop.member(QStringLiteral("9001"), QStringLiteral("甲"));
    struct Case {
        QString card, name, pwd, pwd2;
        double balance;
        QString refusal;
    } const cases[] = {
        {QStringLiteral("  "), QString(), QStringLiteral("1"), QStringLiteral("2"), -1, QStringLiteral("会员编号必须填写！")},
        {QStringLiteral("9002"), QString(), QStringLiteral("1"), QStringLiteral("2"), -1, QStringLiteral("两次密码输入不一致！")},
        {QStringLiteral("9002"), QStringLiteral(" "), QStringLiteral("1 "), QStringLiteral(" 1"), -1, QStringLiteral("会员名称必须填写！")},
        {QStringLiteral("9002"), QStringLiteral("乙"), QString(), QString(), -1, QStringLiteral("储值金额不能为负数！")},
        {QStringLiteral(" 9001 "), QStringLiteral("乙"), QString(), QString(), 0, QStringLiteral("会员卡号不能重复！")},
        {QStringLiteral("9002"), QStringLiteral("甲"), QString(), QString(), 0, QString()},  // names may repeat
    };
    for (const Case& c : cases) {
        MemberFields f;
        f.card = c.card;
        f.name = c.name;
        f.password = c.pwd;
        f.password2 = c.pwd2;
        f.balance = m(c.balance);
        EXPECT_EQ(checkEnrolment(f), c.refusal) << c.card.toStdString();
    }
}

TEST_F(Members, EnrolmentDepositIsBookedWhole)
{
    const QString before = cashBalance();
    const QString sn = shop.member(QStringLiteral("7001"), QStringLiteral("王五"), 0, 100);
    EXPECT_EQ(value(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("100"));
    EXPECT_EQ(value(QStringLiteral("select xf_note||'|'||xf_zt||'|'||xf_je||'|'||xf_xj||'|'||xf_rq from jxc_hyxf where "
                                   "hy_sn='%1'").arg(sn)),
              QStringLiteral("会员开户时充值|储值卡续费|100.0|100.0|2013-05-28"));
    EXPECT_EQ(value(QStringLiteral("select xj_dlx||'|'||xj_je||'|'||xj_kmmc||'|'||ghs_sn||'|'||ghs_name from jxc_xjyh")),
              QStringLiteral("会员开户时充值|100.0|现金|%1|王五").arg(sn));
    EXPECT_EQ(Money::fromText(cashBalance()) - Money::fromText(before), m(100));
    EXPECT_EQ(value(QStringLiteral("select log_note from jxc_log order by id desc limit 1")), QStringLiteral("新添加会员：7001"));

    // Without a deposit: no history; a deposit without a confirmed payment writes nothing.
    shop.member(QStringLiteral("7002"), QStringLiteral("赵六"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hyxf")), QStringLiteral("1"));
    MemberFields f;
    f.card = QStringLiteral("7003");
    f.name = QStringLiteral("钱七");
    f.balance = m(50);
    EXPECT_THROW(enrolMember(f, nullptr, operatorName), DbError);
    EXPECT_TRUE(findMemberByCard(QStringLiteral("7003")).isEmpty());
}

TEST_F(Members, AutomaticUpgradeIgnoresTheChosenLevel)
{
    const QString silver = addLevel(QStringLiteral("银卡"), 100, 499);
    MemberFields f;
    f.card = QStringLiteral("1");
    f.name = QStringLiteral("甲");
    f.levelSn = silver;
    f.points = m(7000);  // in no band: the lowest lower bound
    const QString a = shop.member(f);
    f.card = QStringLiteral("2");
    f.autoUpgrade = false;
    const QString b = shop.member(f);
    EXPECT_EQ(value(QStringLiteral("select hl_sn from jxc_hyxx where hy_sn='%1'").arg(a)), QStringLiteral("100001"));
    EXPECT_EQ(value(QStringLiteral("select hl_sn from jxc_hyxx where hy_sn='%1'").arg(b)), silver);
}

TEST_F(Members, CardsHaveOneStoredFormAndHostileTextIsKept)
{
    MemberFields f;
    f.card = QStringLiteral(" a'b.c--x ");
    f.name = QStringLiteral("O'Brien -- ") + QString(40, QChar(u'长'));
    f.note = QStringLiteral("备注'; drop table jxc_hyxx; --");
    f.custom[0] = QStringLiteral("😀 non-GBK");
    const QString sn = shop.member(f);
    EXPECT_EQ(findMemberByCard(QStringLiteral("a'b.c--x")), sn);
    EXPECT_EQ(findMemberByCard(QStringLiteral("  a'b.c--x")), sn);
    EXPECT_EQ(value(QStringLiteral("select hy_bh from jxc_hyxx where hy_sn='%1'").arg(sn)),
              memberCardForm(QStringLiteral("a'b.c--x")));
    EXPECT_EQ(value(QStringLiteral("select length(hy_name) from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("32"));
    f.card = QStringLiteral("a'b.c--x");
    EXPECT_EQ(checkEnrolment(f), QStringLiteral("会员卡号不能重复！"));
    EXPECT_TRUE(findMemberByCard(QString()).isEmpty());
}

TEST_F(Members, PasswordsAreHashedAndCheckedOneWay)
{
    MemberFields f;
    f.card = QStringLiteral("5001");
    f.name = QStringLiteral("甲");
    f.password = f.password2 = QStringLiteral(" 123456 ");
    const QString sn = shop.member(f);
    auto stored = [&] { return value(QStringLiteral("select hy_mm from jxc_hyxx where hy_sn='%1'").arg(sn)); };
    EXPECT_NE(stored(), QStringLiteral("123456"));
    EXPECT_TRUE(checkMemberPassword(stored(), QStringLiteral("123456 ")));
    EXPECT_FALSE(checkMemberPassword(stored(), QStringLiteral("12345")));
    EXPECT_FALSE(checkMemberPassword(stored(), QString()));

    // The modification keeps the password when its boxes are empty.
    f.password.clear();
    f.password2.clear();
    f.name = QStringLiteral("甲改");
    EXPECT_EQ(modifyMember(sn, f), QString());
    EXPECT_TRUE(checkMemberPassword(stored(), QStringLiteral("123456")));

    EXPECT_EQ(setMemberPassword(sn, QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("两次密码输入不一致！"));
    EXPECT_EQ(setMemberPassword(sn, QStringLiteral("888"), QStringLiteral("888 ")), QString());
    EXPECT_TRUE(checkMemberPassword(stored(), QStringLiteral("888")));
    EXPECT_EQ(setMemberPassword(sn, QString(), QString()), QString());
    EXPECT_EQ(stored(), QString());
    EXPECT_TRUE(checkMemberPassword(stored(), QString()));
    EXPECT_FALSE(checkMemberPassword(stored(), QStringLiteral("888")));
}

TEST_F(Members, ModificationKeepsBalanceAndClearsExpiry)
{
    MemberFields f;
    f.card = QStringLiteral("6001");
    f.name = QStringLiteral("甲");
    f.hasExpiry = true;
    f.expiry = QStringLiteral("2014-05-28");
    const QString sn = shop.member(f, 80);
    f.hasExpiry = false;
    f.balance = m(999);
    f.birthday.clear();
    EXPECT_EQ(modifyMember(sn, f), QString());
    EXPECT_EQ(value(QStringLiteral("select hy_zhje||'|'||coalesce(hy_dqrq,'-')||'|'||coalesce(hy_sr,'-')||'|'||hy_qx "
                                   "from jxc_hyxx where hy_sn='%1'").arg(sn)),
              QStringLiteral("80.0|-|-|0"));
    execSql(QStringLiteral("update jxc_hyxx set hy_bh='6002' where hy_sn='100001'"));
    f.card = QStringLiteral("6002");
    EXPECT_EQ(modifyMember(sn, f), QStringLiteral("会员编号不能重复！"));
}

TEST_F(Members, DeletionStatusAndPointsClearing)
{
    const QString goods = shop.goods(QStringLiteral("凉鞋"), {}, {});
    const QString buyer = shop.member(QStringLiteral("1"), QStringLiteral("甲"), 30);
    const QString other = shop.member(QStringLiteral("2"), QStringLiteral("乙"), 40);
    const QString third = shop.member(QStringLiteral("3"), QStringLiteral("丙"), 50);
    shop.memberSale(buyer, goods, 100, 1);
    EXPECT_EQ(deleteMember(buyer), QStringLiteral("该会员已发生过业务，不能删除！"));
    EXPECT_EQ(deleteMember(other), QString());
    EXPECT_TRUE(findMemberByCard(QStringLiteral("2")).isEmpty());

    toggleMemberStatus(buyer);
    EXPECT_EQ(value(QStringLiteral("select hy_status from jxc_hyxx where hy_sn='%1'").arg(buyer)), QStringLiteral("False"));
    toggleMemberStatus(buyer);
    EXPECT_EQ(value(QStringLiteral("select hy_status from jxc_hyxx where hy_sn='%1'").arg(buyer)), QStringLiteral("True"));

    clearMemberPoints({buyer});
    EXPECT_EQ(value(QStringLiteral("select group_concat(hy_jf) from (select hy_jf from jxc_hyxx where hy_sn<>'100001' "
                                   "order by id)")),
              QStringLiteral("0.0,50.0"));
    (void)third;
}

TEST_F(Members, BuiltInAndUsedLevelsAndSchemesStay)
{
    EXPECT_EQ(saveLevel(QStringLiteral("100001"), level(QStringLiteral("x"), QStringLiteral("1"))),
              QStringLiteral("该会员等级是系统默认，不能修改！"));
    EXPECT_EQ(levelDeleteRefusal(QStringLiteral("100001")), QStringLiteral("该会员等级是系统默认，不能删除！"));
    EXPECT_EQ(saveScheme(QStringLiteral("100001"), scheme(QStringLiteral("x"), 0, 1)),
              QStringLiteral("该优惠选项是系统默认，不能修改！"));
    EXPECT_EQ(schemeDeleteRefusal(QStringLiteral("100001")), QStringLiteral("该优惠选项是系统默认，不能删除！"));
    EXPECT_EQ(saveLevel({}, level(QStringLiteral(" "), QString())), QStringLiteral("分类名称必须填写！"));
    EXPECT_EQ(saveLevel({}, level(QStringLiteral("a"), QString())), QStringLiteral("折扣必须填写！"));
    EXPECT_EQ(saveScheme({}, scheme(QStringLiteral("a"), 0, 0)),
              QStringLiteral("实际存款=所存金额的系数必须大于0！"));
    EXPECT_EQ(saveScheme({}, scheme(QStringLiteral("a"), 1, 1, -1)),
              QStringLiteral("累计消费 和 转换现金不能为负数！"));

    const QString level = addLevel(QStringLiteral("银卡"), 1, 9);
    EXPECT_EQ(saveScheme({}, scheme(QStringLiteral("充值送"), 0, 1.2)), QString());
    EXPECT_EQ(saveScheme({}, scheme(QStringLiteral("返现"), 1, 1, 1000, 50)), QString());
    EXPECT_EQ(value(QStringLiteral("select group_concat(hh_note,'|') from jxc_hyyh")),
              QStringLiteral("实际款=所付存款*1|实际款=所付存款*1.2|累计消费 1000元 转换现金50 元"));
    const QString scheme = value(QStringLiteral("select hh_sn from jxc_hyyh where hh_name='充值送'"));
    MemberFields f;
    f.card = QStringLiteral("1");
    f.name = QStringLiteral("甲");
    f.levelSn = level;
    f.schemeSn = scheme;
    f.autoUpgrade = false;
    shop.member(f);
    EXPECT_EQ(levelDeleteRefusal(level), QStringLiteral("该等级已存在会员信息，不能删除！"));
    EXPECT_EQ(schemeDeleteRefusal(scheme), QStringLiteral("该优惠选项已存在会员信息，不能删除！"));
    EXPECT_THROW(deleteLevel(level), DbError);
    const QString unused = addLevel(QStringLiteral("空"), 10, 20);
    deleteLevel(unused);
    EXPECT_TRUE(value(QStringLiteral("select hl_sn from jxc_hyfl where hl_sn='%1'").arg(unused)).isEmpty());
}

TEST_F(Members, PointsSettingsEmptyTheDatesWithoutMultiple)
{
    savePointsSettings(pointsRule(0, 10, true, 0, QStringLiteral("2013-06-01"), QStringLiteral("2013-06-02")));
    PointsSettings s = readPointsSettings();
    EXPECT_EQ(s.date1, QString());
    EXPECT_EQ(s.date2, QString());
    EXPECT_TRUE(s.carryOver);
    EXPECT_EQ(jfMfje, QStringLiteral("10"));
    savePointsSettings(pointsRule(1, 5, false, 2, QStringLiteral("2013-06-09"), QStringLiteral("2013-06-01")));
    s = readPointsSettings();
    EXPECT_EQ(s.rule, 1);
    EXPECT_EQ(s.date1, QStringLiteral("2013-06-09"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_jfsz")), QStringLiteral("1"));
}

TEST_F(Members, StoredValueTopUp)
{
    saveScheme({}, scheme(QStringLiteral("充值送"), 0, 1.2));
    savePointsSettings(pointsRule(0, 10));
    MemberFields f;
    f.card = QStringLiteral("1");
    f.name = QStringLiteral("甲");
    f.schemeSn = value(QStringLiteral("select hh_sn from jxc_hyyh where hh_name='充值送'"));
    const QString sn = shop.member(f);
    const Money before = Money::fromText(cashBalance());
    EXPECT_EQ(topUpRefusal(m(0), m(1)), QStringLiteral("储值金额不能为零或负数！"));
    EXPECT_EQ(topUpRefusal(m(100), m(0)), QStringLiteral("实际金额不能为负数！"));
    topUpMember(sn, m(100), m(125), QStringLiteral(" 活动 "),
                paid(ChargePayment::Method::Cash, 200), operatorName);
    EXPECT_EQ(value(QStringLiteral("select hy_zhje||'|'||hy_jf from jxc_hyxx where hy_sn='%1'").arg(sn)),
              QStringLiteral("125.0|12.0"));
    EXPECT_EQ(value(QStringLiteral("select xf_je||'|'||xf_yhje||'|'||xf_xj||'|'||coalesce(xf_xyk,'-')||'|'||xf_note||'|'||"
                                   "xf_rq from jxc_hyxf")),
              QStringLiteral("100.0|25.0|200.0|-|活动|2013-05-28 10:00:00"));
    EXPECT_EQ(value(QStringLiteral("select xj_dlx||'|'||xj_je||'|'||xj_note from jxc_xjyh")),
              QStringLiteral("储值卡续费|100.0|活动"));
    EXPECT_EQ(Money::fromText(cashBalance()) - before, m(100));

    // A combined payment; points under the purchase rule are not given.
    savePointsSettings(pointsRule(1, 10));
    topUpMember(sn, m(150), m(150), QString(),
                paid(ChargePayment::Method::Combined, 0, 50, 100), operatorName);
    EXPECT_EQ(value(QStringLiteral("select xf_xj||'|'||xf_xyk||'|'||xf_djq from jxc_hyxf order by id desc limit 1")),
              QStringLiteral("50.0|100.0|0.0"));
    EXPECT_EQ(value(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("12"));
}

TEST_F(Members, BatchTopUpOfTheTickedMembers)
{
    savePointsSettings(pointsRule(0, 10));
    QStringList sns;
    for (int i = 1; i <= 4; ++i)
        sns << shop.member(QString::number(i), QStringLiteral("会员%1").arg(i));
    EXPECT_EQ(batchTopUp(m(50), m(50), QString(), operatorName), 0);
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hyxf")), QStringLiteral("0"));
    execSql(QStringLiteral("update jxc_hyxx set hy_chk=1 where hy_sn in ('%1','%2','%3')").arg(sns[0], sns[1], sns[2]));
    const Money before = Money::fromText(cashBalance());
    EXPECT_EQ(batchTopUp(m(50), m(60), QStringLiteral("促销"), operatorName), 3);
    EXPECT_EQ(value(QStringLiteral("select count(*)||'|'||sum(xf_yhje)||'|'||sum(xf_xj) from jxc_hyxf")),
              QStringLiteral("3|30.0|150.0"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_xjyh")), QStringLiteral("3"));
    EXPECT_EQ(Money::fromText(cashBalance()) - before, m(150));
    EXPECT_EQ(value(QStringLiteral("select group_concat(hy_zhje||'/'||hy_jf) from (select * from jxc_hyxx where "
                                   "hy_sn<>'100001' order by id)")),
              QStringLiteral("60.0/6.0,60.0/6.0,60.0/6.0,0.0/0.0"));
    EXPECT_THROW(batchTopUp(m(-1), m(0), QString(), operatorName), DbError);
}

TEST_F(Members, CountCardSavesTheOperatorsItems)
{
    const QString wash = shop.goods(QStringLiteral("擦鞋"), {}, {});
    const QString repair = shop.goods(QStringLiteral("修鞋"), {}, {});
    const QString sn = shop.member(QStringLiteral("1"), QStringLiteral("甲"));
    EXPECT_EQ(addCountItem(countItem(QStringLiteral(" ")), QString(), operatorName), QStringLiteral("商品编号必须填写！"));
    EXPECT_EQ(addCountItem(countItem(wash), QString(), operatorName), QStringLiteral("商品编号不正确，请重新填写！"));
    EXPECT_EQ(addCountItem(countItem(wash), QStringLiteral("擦鞋"), operatorName), QStringLiteral("可用次数必须填写！"));
    ASSERT_EQ(addCountItem(countItem(wash, 100, QStringLiteral("10")), QStringLiteral("擦鞋"),
                           operatorName),
              QString());
    ASSERT_EQ(addCountItem(countItem(repair, 60, QStringLiteral("5")), QStringLiteral("修鞋"),
                           operatorName),
              QString());
    addCountItem(countItem(repair, 9, QStringLiteral("9")), QStringLiteral("修鞋"), QStringLiteral("李四"));
    EXPECT_EQ(countItemsTotal(operatorName), m(160));
    const ChargePayment payment = paid(ChargePayment::Method::Cash, 160);
    const QString djh = saveCountCard(sn, operatorName, &payment);
    EXPECT_EQ(djh, QStringLiteral("JC130528010001"));
    EXPECT_EQ(value(QStringLiteral("select count(*)||'|'||sum(xf_je)||'|'||max(xf_zt) from jxc_hyxf")),
              QStringLiteral("1|160.0|计次卡续费"));
    EXPECT_EQ(value(QStringLiteral("select xj_je||'|'||xj_dlx from jxc_xjyh")), QStringLiteral("160.0|计次卡续费"));
    EXPECT_EQ(value(QStringLiteral("select count(*)||'|'||sum(hc_sycs) from jxc_hycs")), QStringLiteral("2|0"));
    EXPECT_EQ(value(QStringLiteral("select count(distinct gl_djh)||'|'||count(*) from jxc_hycsjl")), QStringLiteral("1|2"));
    EXPECT_EQ(value(QStringLiteral("select hy_cs from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("15"));

    // A paid total without a confirmed payment writes nothing.
    EXPECT_THROW(saveCountCard(sn, QStringLiteral("李四"), nullptr), DbError);
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hycs")), QStringLiteral("2"));
    // An empty list writes only the log line.
    clearCountItems(operatorName);
    EXPECT_EQ(saveCountCard(sn, operatorName, nullptr), QString());
    EXPECT_EQ(value(QStringLiteral("select log_note from jxc_log order by id desc limit 1")), QStringLiteral("会员计次续费：1"));
}

TEST_F(Members, GiftsPurchasesAndDeletion)
{
    EXPECT_EQ(addGift(gift(QStringLiteral("G1"), QStringLiteral("雨伞"), 10, 30)), QString());
    EXPECT_EQ(addGift(gift(QStringLiteral("G1"), QStringLiteral("x"))), QStringLiteral("赠品编号已经存在，请重新输入！"));
    EXPECT_EQ(addGift(gift(QStringLiteral("G2"), QStringLiteral("x"), -1)),
              QStringLiteral("赠品数量不能为负数！"));
    EXPECT_EQ(giftPurchase(QStringLiteral("G1"), m(5), operatorName), QString());
    EXPECT_EQ(giftPurchase(QStringLiteral("G1"), m(0), operatorName), QString());
    EXPECT_EQ(value(QStringLiteral("select zp_sl from jxc_zpxx where zp_sn='G1'")), QStringLiteral("15"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_zpjh")), QStringLiteral("2"));

    const qint64 id = value(QStringLiteral("select id from jxc_zpxx where zp_sn='G1'")).toLongLong();
    EXPECT_EQ(modifyGift(id, gift(QStringLiteral("G9"), QStringLiteral("新"), 99, 40)),
              QString());
    EXPECT_EQ(value(QStringLiteral("select zp_sn||'|'||zp_name||'|'||zp_sl||'|'||zp_jf from jxc_zpxx")),
              QStringLiteral("G1|雨伞|15.0|40.0"));
    EXPECT_EQ(giftDeleteRefusal(QStringLiteral("G1")), QStringLiteral("该赠品已经发生过业务，不能删除！"));

    addGift(gift(QStringLiteral("G3"), QStringLiteral("水杯"), 1));
    const QString card = QStringLiteral("1");
    shop.member(card, QStringLiteral("甲"));
    ASSERT_EQ(addExchangeLine(QStringLiteral("DH1"), card, QStringLiteral("G3"), operatorName), QString());
    EXPECT_EQ(giftDeleteRefusal(QStringLiteral("G3")), QStringLiteral("该赠品已经发生过业务，不能删除！"));
    addGift(gift(QStringLiteral("G4"), QStringLiteral("毛巾")));
    deleteGift(QStringLiteral("G4"));
    EXPECT_TRUE(value(QStringLiteral("select zp_sn from jxc_zpxx where zp_sn='G4'")).isEmpty());
}

TEST_F(Members, ExchangeTakesPointsAndStockAndLinesGiveThemBack)
{
    addGift(gift(QStringLiteral("A"), QStringLiteral("伞"), 5, 30));
    addGift(gift(QStringLiteral("B"), QStringLiteral("杯"), 1, 30));
    addGift(gift(QStringLiteral("Z"), QStringLiteral("空"), 0, 1));
    const QString card = QStringLiteral("8888");
    const QString sn = shop.member(card, QStringLiteral("甲"), 100);
    const QString djh = QStringLiteral("DH130528010001");
    EXPECT_EQ(addExchangeLine(djh, QString(), QStringLiteral("A"), operatorName), QStringLiteral("请先选择会员！"));
    EXPECT_EQ(addExchangeLine(djh, card, QStringLiteral("nope"), operatorName), QStringLiteral("没有该商品信息！"));
    EXPECT_EQ(addExchangeLine(djh, card, QStringLiteral("Z"), operatorName), QStringLiteral("该赠品数量为0或负数，不能兑换！"));
    addExchangeLine(djh, card, QStringLiteral("A"), operatorName);
    addExchangeLine(djh, card, QStringLiteral("B"), operatorName);
    const qint64 lineA = value(QStringLiteral("select id from jxc_dhzp where g_sn='A'")).toLongLong();
    const qint64 lineB = value(QStringLiteral("select id from jxc_dhzp where g_sn='B'")).toLongLong();
    EXPECT_EQ(setExchangeLineQty(lineA, m(0)), QStringLiteral("数量必须大于0！"));
    setExchangeLineQty(lineA, m(2));
    setExchangeLineQty(lineB, m(2));  // 120 points: one exchange too many
    EXPECT_EQ(saveExchange(djh, card, operatorName), QStringLiteral("积分不足，不能兑换！"));
    EXPECT_EQ(saveExchange(djh, QStringLiteral("0"), operatorName), QStringLiteral("该会员编号不存在！"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_dhd")), QStringLiteral("0"));
    setExchangeLineQty(lineB, m(1));
    EXPECT_EQ(saveExchange(djh, QStringLiteral(" 8888 "), operatorName), QString());
    EXPECT_EQ(value(QStringLiteral("select dh_sl||'|'||dh_jf||'|'||dh_note from jxc_dhd")), QStringLiteral("3.0|90.0|兑换"));
    EXPECT_EQ(value(QStringLiteral("select group_concat(zp_sl) from (select zp_sl from jxc_zpxx order by id)")),
              QStringLiteral("3.0,0.0,0.0"));
    EXPECT_EQ(value(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("10"));

    deleteExchangeLine(lineA);
    EXPECT_EQ(value(QStringLiteral("select dh_sl||'|'||dh_jf from jxc_dhd")), QStringLiteral("1.0|30.0"));
    EXPECT_EQ(value(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn='%1'").arg(sn)), QStringLiteral("70"));
    deleteExchangeLine(lineB);
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_dhd")), QStringLiteral("0"));
    EXPECT_EQ(value(QStringLiteral("select group_concat(zp_sl) from (select zp_sl from jxc_zpxx order by id)")),
              QStringLiteral("5.0,1.0,0.0"));
}

}  // namespace
