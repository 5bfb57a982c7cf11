// The till's sequences on a shop built through the real postings: the amount due and the
// payment's caps, the sale posting with points and stored value, held sales, returns with their
// limits, the goods lookup and the receipt.
#include "data/globals.h"
#include "data/settings.h"
#include "data/tkc.h"
#include "platform/report.h"
#include "support/killtest.h"
#include "support/shop.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The cells of a statement's rows as the program reads them: cells joined by '|', rows by ','.
QString one(const QString& sql, const SqlParams& params = {})
{
    const ResultSet rs = openSelect(sql, params);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u',');
}
QString one(const char* sql, const QString& djh) { return one(QString::fromUtf8(sql), {{QString(), djh}}); }

Money m(double v) { return Money::fromDouble(v); }

// ---- Amount due, caps, refusals ------------------------------------------------------------

TEST(PosAmounts, AmountDueIsCutNeverRounded)
{
    struct Case {
        const char* total;
        const char* decimals;
        const char* due;
    };
    const Case cases[] = {
        {"123.456", "2", "123.45"}, {"123.456", "1", "123.4"}, {"123.456", "0", "123"}, {"99.99", "0", "99"},
        {"1.15", "2", "1.15"},      {"1.15", "1", "1.1"},      {"150", "2", "150"},     {"", "2", "0"},
        {"-3.456", "2", "-3.45"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(posAmountDueText(QString::fromLatin1(c.total), QString::fromLatin1(c.decimals)), QLatin1String(c.due))
            << c.total << " under " << c.decimals;
    // From an exact amount no binary artefact cuts a cent: 0.1 + 0.2 + 0.85 is 1.15.
    EXPECT_EQ(posAmountDue(m(0.1) + m(0.2) + m(0.85), QStringLiteral("2")), m(1.15));
}

TEST(PosAmounts, StoredValueNeverPaysChangeAndShortPaymentsAreRefused)
{
    // 100 typed against 95 due with 120 on the card: the card pays 95, no change.
    PosPayment p{.mode = PosPayMode::StoredValue, .due = m(95), .tendered = m(100), .balance = m(120)};
    PosPayment c = cappedPayment(p);
    EXPECT_EQ(c.tendered, m(95));
    EXPECT_EQ(posChange(c), Money());
    // A card short of the amount to pay leaves a shortfall.
    p.balance = m(94.99);
    EXPECT_EQ(posPaymentRefusal(cappedPayment(p)), QStringLiteral("付款金额不足，不能保存！"));
    // Combined: the card part is capped at due less round-off as well as at the balance.
    PosPayment k{.mode = PosPayMode::Combined, .due = m(95), .roundOff = m(5), .cash = m(50), .storedValue = m(100),
                 .balance = m(200)};
    EXPECT_EQ(cappedPayment(k).storedValue, m(90));
    k.storedValue = m(10);
    k.bankCard = m(30);
    k.roundOff = Money();
    EXPECT_EQ(posChange(k), m(-5));
    EXPECT_FALSE(posPaymentRefusal(k).isEmpty());
    k.voucher = m(5);
    EXPECT_TRUE(posPaymentRefusal(k).isEmpty());
    // Round-off counts as paid: 90 tendered after 5 off 95 leaves no change, 100 leaves 10.
    PosPayment r{.mode = PosPayMode::Cash, .due = m(95), .roundOff = m(5), .tendered = m(90)};
    EXPECT_EQ(posChange(r), Money());
    r.tendered = m(100);
    EXPECT_EQ(posChange(r), m(10));
}

TEST(PosAmounts, ProposedRefundRoundsUp)
{
    struct Case {
        double total;
        const char* decimals;
        double proposal;
    };
    const Case cases[] = {{99.5, "0", 100}, {123.456, "2", 123.46}, {123.45, "1", 123.5}, {100, "0", 100},
                          {100, "2", 100},  {0.001, "2", 0.01}};
    for (const Case& c : cases)
        EXPECT_EQ(proposedRefund(m(c.total), QString::fromLatin1(c.decimals)), m(c.proposal)) << c.total;
    EXPECT_EQ(refundRefusal(m(100.01), m(100)), QStringLiteral("退货金额不能大于商品总额！"));
    EXPECT_EQ(refundRefusal(m(-1), m(100)), QStringLiteral("退货金额不能为负数！"));
    EXPECT_TRUE(refundRefusal(Money(), m(100)).isEmpty());
}

TEST(PosAmounts, PointsRule)
{
    struct Case {
        double base, perPoint;
        bool carry;
        double oldRemainder, points, remainder;
    };
    const Case cases[] = {
        {95, 10, false, 0, 9, 5},    {37, 10, true, 5, 4, 2},  {95.8, 10, false, 0, 9, 5},
        {130, 20, true, 0, 6, 10},   {15, 20, true, 10, 1, 5}, {50, 0, true, 7, 0, 7},  // none per point: unchanged
        {10, 2.5, false, 0, 4, 0},   {11, 2.5, false, 0, 4, 1},  // a fractional amount per point divides exactly
        {100, 90000000, false, 0, 0, 100},
    };
    for (const Case& c : cases) {
        const PointsResult r = posPoints(m(c.base), m(c.perPoint), c.carry, m(c.oldRemainder));
        EXPECT_EQ(r.points, m(c.points)) << c.base << "/" << c.perPoint;
        EXPECT_EQ(r.remainder, m(c.remainder)) << c.base << "/" << c.perPoint;
    }
}

// ---- A shop with a till ----------------------------------------------------------------------

class Till : public ::testing::Test {
protected:
    void SetUp() override
    {
        loadSysParams();
        csPosfkws = QStringLiteral("2");
        csTjcyjf = QStringLiteral("1");
        sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39"), QStringLiteral("40")}, {QStringLiteral("黑色")},
                            80, 0, QStringLiteral("6900001"));
        boot = shop.goods(QStringLiteral("靴子"), {QStringLiteral("39")}, {QStringLiteral("白色")}, 100);
        shop.receipt()
            .line(sandal, 80, {{"39", "黑色", 10}, {"40", "黑色", 10}})
            .line(boot, 100, {{"39", "白色", 5}})
            .post();
        savePointsSettings({.rule = 1, .perPoint = m(20), .carryOver = true, .multiple = Money(), .date1 = {}, .date2 = {}});
        vip = shop.member(QStringLiteral("8001"), QStringLiteral("王会员"), 0, 200);
    }
    void TearDown() override { loadSysParams(); }

    Money cash() const { return Money::fromText(one(QStringLiteral("select yh_zje from jxc_yhzh where yh_name='现金'"))); }
    QString tkc(const char* size) const
    {
        return one(QStringLiteral("select t_sl from jxc_tkc where g_sn=? and cm_sn=? and ck_sn='100001'"),
                   {{QString(), sandal}, {QString(), getCmSn(QLatin1String(size))}});
    }

    Shop shop;
    QString sandal;
    QString boot;
    QString vip;
};

TEST_F(Till, MemberSaleWithStoredValueAndPointsWritesEveryBook)
{
    const Money cashBefore = cash();
    const QString ledgerBefore = one(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='100001'"));
    TillSaleBuilder sale = shop.tillSale();
    sale.line(sandal, 100, {"39", "黑色", 1}).line(boot, 40, {"39", "白色", 1}, 0.75).member(QStringLiteral("8001"));
    sale.combined(50, 60, 20, 0).roundOff(0.5).note(QStringLiteral(" 它's \"--; "));
    const QString djh = sale.number();
    EXPECT_EQ(djh, QStringLiteral("XS130528010001"));  // the day's first sale
    const PosSaleResult r = sale.post();  // 130 due, 0.5 off: 129.5 paid, 60 of it by card
    EXPECT_EQ(r.lines, 2);
    EXPECT_EQ(r.hySn, vip);

    EXPECT_EQ(one("select pos_yfje,pos_sfje,pos_mlje,pos_yhje,pos_yhzkje,pos_zffs,pos_xj,"
                  "pos_czk,pos_yhk,pos_djq,pos_zlje,pos_bcjf,pos_zjf,pos_note,hy_sn "
                  "from jxc_posxsd where gl_djh=?",
                  djh),
              QStringLiteral("129.5|129.5|0.5|0.5|10.5|5|50|60|20|0|0.5|6|0|它's \"--;|") + vip);
    // Till and member lines carry the working line they were paid from.
    EXPECT_EQ(one("select pos_zje,tid=(select min(id) from jxc_lsxssp where gl_djh=p.gl_djh) "
                  "from jxc_posxssp p where gl_djh=? order by id",
                  djh),
              QStringLiteral("100|1,30|0"));
    EXPECT_EQ(one("select count(*) from jxc_hyxssp h join jxc_posxssp p on p.tid=h.tid where h.gl_djh=?", djh),
              QStringLiteral("2"));
    // The member: 129 → 6 points at 20 each leaving 9, spending, a visit, 200 − 60 on the card.
    EXPECT_EQ(one("select hy_jf,hy_ye,hy_zje,hy_cs,hy_zhje from jxc_hyxx where hy_sn=?", vip),
              QStringLiteral("6|9|129.5|1|140"));
    EXPECT_EQ(one("select hy_zhje,hy_bcjf,hy_czk,hy_je from jxc_hyxsd where gl_djh=?", djh),
              QStringLiteral("140|6|60|129.5"));
    // The sales bill on the default customer, its ledger row at the amount before round-off.
    EXPECT_EQ(one("select kh_sn,ls_yfje,ls_yhje,ls_note,hy_sn,pos_czk,ls_lr "
                  "from jxc_lsxsd where gl_djh=?",
                  djh),
              QStringLiteral("100001|129.5|0.5|联合结账:130|%1|60|%2").arg(vip).arg(130 - 80 - 100));
    EXPECT_EQ(one("select k_djtxt,k_yfje,k_sfje,k_fkfs from jxc_ysyfk where gl_djh=?", djh),
              QStringLiteral("POS销售单|130|130|现金"));
    EXPECT_EQ(one(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='100001'")), ledgerBefore);
    // The cash journal has the whole amount; "现金" only what did not come off the card.
    EXPECT_EQ(one("select xj_dlx,xj_je from jxc_xjyh where gl_djh=?", djh), QStringLiteral("前台销售|129.5"));
    EXPECT_EQ(cash() - cashBefore, m(69.5));
    // Journals marked as the till's, with their size rows; stock and size stock lowered.
    EXPECT_EQ(one("select count(*),min(gl_fdmc),max(gl_fdmc) from jxc_goodslist where gl_djh=?", djh),
              QStringLiteral("2|99|99"));
    EXPECT_EQ(one("select count(*) from jxc_goodslistmx where gl_djh=?", djh), QStringLiteral("2"));
    EXPECT_EQ(one(QStringLiteral("select g_kc from jxc_goods where g_sn=?"), {{QString(), sandal}}), QStringLiteral("19"));
    EXPECT_EQ(tkc("39"), QStringLiteral("9"));
    EXPECT_EQ(one(QStringLiteral("select count(*) from jxc_log where log_note=?"),
                  {{QString(), QStringLiteral("增加POS销售单") + djh + QStringLiteral("，共2种商品")}}),
              QStringLiteral("1"));
    // The number is taken: the next sale draws the next one.
    EXPECT_EQ(shop.tillSale().number(), QStringLiteral("XS130528010002"));
}

TEST_F(Till, WalkInCashSaleWithChangeWritesNoMemberRows)
{
    const Money cashBefore = cash();
    TillSaleBuilder sale = shop.tillSale();
    sale.line(sandal, 95, {"40", "黑色", 1}).pay(PosPayMode::Cash, 100);
    const QString djh = sale.number();
    const PosSaleResult r = sale.post();
    EXPECT_TRUE(r.hySn.isEmpty());
    EXPECT_EQ(one("select pos_xj,pos_zlje,pos_yfje,pos_bcjf,pos_zjf from jxc_posxsd where gl_djh=?", djh),
              QStringLiteral("100|5|95|0|0"));
    EXPECT_EQ(one("select count(*) from jxc_hyxsd where gl_djh=?", djh) + one("select count(*) from jxc_hyxssp where gl_djh=?", djh),
              QStringLiteral("00"));
    EXPECT_EQ(cash() - cashBefore, m(95));
    EXPECT_EQ(one("select k_yfje,k_sfje from jxc_ysyfk where gl_djh=?", djh), QStringLiteral("95|95"));
}

TEST_F(Till, TwoLinesOfOneGoodsKeepTheirOwnSizeRows)
{
    TillSaleBuilder sale = shop.tillSale();
    sale.line(sandal, 100, {"39", "黑色", 1}).line(sandal, 100, {"40", "黑色", 2});
    const QString djh = sale.number();
    sale.post();
    EXPECT_EQ(one("select m.gl_sl,c.cm_name from jxc_goodslistmx m join jxc_cm c on c.cm_sn=m.cm_sn "
                  "where m.gl_djh=? order by m.id",
                  djh),
              QStringLiteral("1|39,2|40"));
    EXPECT_EQ(tkc("39") + "|" + tkc("40"), QStringLiteral("9|8"));
}

TEST_F(Till, StoredValueIsCappedAndMovesByThePartSpent)
{
    TillSaleBuilder sale = shop.tillSale();
    sale.line(sandal, 95, {"39", "黑色", 1}).member(QStringLiteral("8001")).pay(PosPayMode::StoredValue, 100);
    PosSale rec = sale.record();
    // The card was topped up after the dialog read the balance: the sale moves it by 95, not to 200 − 95.
    execSql(QStringLiteral("update jxc_hyxx set hy_zhje=hy_zhje+50 where hy_sn=?"), {{QString(), vip}});
    postPosSale(rec);
    EXPECT_EQ(one("select pos_czk,pos_zlje,pos_xj from jxc_posxsd where gl_djh=?", sale.number()),
              QStringLiteral("95|0|0"));
    EXPECT_EQ(one("select hy_zhje from jxc_hyxx where hy_sn=?", vip), QStringLiteral("155"));
    EXPECT_EQ(one("select hy_zhje from jxc_hyxsd where gl_djh=?", sale.number()), QStringLiteral("155"));

    // A card holding less than is due cannot settle alone: refused with nothing written.
    TillSaleBuilder big = shop.tillSale();
    big.line(boot, 300, {"39", "白色", 1}).member(QStringLiteral("8001")).pay(PosPayMode::StoredValue);
    try {
        big.post();
        ADD_FAILURE() << "posted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("付款金额不足，不能保存！"));
    }
    EXPECT_EQ(one("select count(*) from jxc_posxsd where gl_djh=?", big.number()), QStringLiteral("0"));
    EXPECT_EQ(one("select hy_zhje from jxc_hyxx where hy_sn=?", vip), QStringLiteral("155"));
}

TEST_F(Till, PointsCarryOverAndSpecialPricesEarnNothingWhenOff)
{
    shop.tillSale().line(sandal, 130, {"39", "黑色", 1}).member(QStringLiteral("8001")).post();
    EXPECT_EQ(one("select hy_jf,hy_ye from jxc_hyxx where hy_sn=?", vip), QStringLiteral("6|10"));
    shop.tillSale().line(sandal, 15, {"39", "黑色", 1}).member(QStringLiteral("8001")).post();
    EXPECT_EQ(one("select hy_jf,hy_ye from jxc_hyxx where hy_sn=?", vip), QStringLiteral("7|5"));

    csTjcyjf = QStringLiteral("0");
    execSql(QStringLiteral("update jxc_goods set g_tjsp=1 where g_sn=?"), {{QString(), boot}});
    const PosSaleResult r =
        shop.tillSale().line(boot, 100, {"39", "白色", 1}).line(sandal, 40, {"40", "黑色", 1}).member(QStringLiteral("8001")).post();
    EXPECT_EQ(r.points, m(2));  // only the 40 of ordinary goods, plus 5 carried: 45 → 2, leaving 5
    EXPECT_EQ(one("select hy_jf,hy_ye from jxc_hyxx where hy_sn=?", vip), QStringLiteral("9|5"));
}

TEST_F(Till, RoundOffWithinTheOperatorsLimit)
{
    const QString op = one(QStringLiteral("select a_name from jxc_admin order by id limit 1"));
    execSql(QStringLiteral("update jxc_admin set a_zreoje=5 where a_name=?"), {{QString(), op}});
    EXPECT_TRUE(roundOffRefusal(m(5), op).isEmpty());
    EXPECT_EQ(roundOffRefusal(m(5.01), op), QStringLiteral("您的最大抹零金额为5元，不能超过这一数值！"));
    EXPECT_EQ(roundOffRefusal(m(-0.01), op), QStringLiteral("抹零金额不能为负数，请重新输入！"));
}

TEST_F(Till, HeldSaleComesBackWholeUnderItsNumber)
{
    TillSaleBuilder sale = shop.tillSale();
    sale.line(sandal, 100, {"39", "黑色", 1}).line(sandal, 90, {"40", "黑色", 2}, 0.9).line(boot, 50, {"39", "白色", 1});
    const QString djh = sale.number();
    holdPosSale(djh, QStringLiteral("8001"), shop.handlerSn(), QStringLiteral("100001"), QStringLiteral("312"), operatorName);
    EXPECT_EQ(one("select count(*) from jxc_lsxssp where gl_djh=?", djh), QStringLiteral("0"));
    EXPECT_EQ(one("select pos_note,hy_sn,pos_yfje from jxc_posxsd where gl_djh=?", djh), QStringLiteral("gd|") + vip + "|312");
    // A held number is not handed out again; a held sale touches no member field.
    EXPECT_EQ(shop.tillSale().number(), QStringLiteral("XS130528010002"));
    EXPECT_EQ(one("select hy_cs from jxc_hyxx where hy_sn=?", vip), QStringLiteral("0"));

    EXPECT_EQ(resumePosSale(djh), vip);
    EXPECT_EQ(one("select a.ls_dj,a.ls_sl,a.ls_dzl,c.cm_name,e.t_kc is null "
                  "from jxc_lsxssp a join jxc_lsxsspmx e on e.tid=a.id join jxc_cm c on c.cm_sn=e.cm_sn "
                  "where a.gl_djh=? order by a.id",
                  djh),
              QStringLiteral("100|1|1|39|1,90|2|0.9|40|1,50|1|1|39|1"));
    EXPECT_EQ(one("select (select count(*) from jxc_posxsd where gl_djh=?1)+(select count(*) from jxc_posxssp where gl_djh=?1)"
                  "+(select count(*) from jxc_posxsspmx where gl_djh=?1)",
                  djh),
              QStringLiteral("0"));

    // Resuming onto a sale in progress is refused and changes nothing.
    holdPosSale(djh, QString(), QString(), QStringLiteral("100001"), QStringLiteral("312"), operatorName);
    TillSaleBuilder busy = shop.tillSale();
    busy.line(sandal, 100, {"39", "黑色", 1});
    EXPECT_THROW(
        {
            try {
                resumePosSale(busy.number());
            } catch (const DbError& e) {
                EXPECT_EQ(e.message(), QStringLiteral("系统处于销售状态，不能解挂！"));
                throw;
            }
        },
        DbError);
    deleteHeldSale(djh);
    EXPECT_EQ(one("select count(*) from jxc_posxssp where gl_djh=?", djh), QStringLiteral("0"));
    discardPosLines(busy.number());
    EXPECT_EQ(one("select count(*) from jxc_lsxsspmx where gl_djh=?", busy.number()), QStringLiteral("0"));
}

TEST_F(Till, ReturnsGiveBackAtMostWhatWasSold)
{
    TillSaleBuilder sale = shop.tillSale();
    sale.line(sandal, 100, {"39", "黑色", 2}).line(sandal, 100, {"40", "黑色", 1}).member(QStringLiteral("8001"));
    const QString djh = sale.number();
    sale.post();  // 300: 15 points at 20
    const Money cashBefore = cash();

    EXPECT_FALSE(findPosSale(QStringLiteral("XS000000000000")));
    TillReturnBuilder first = shop.tillReturn(djh);
    EXPECT_EQ(addReturnGoods(first.number(), QString(), sandal, operatorName), QStringLiteral("请先选择销售单！"));
    EXPECT_EQ(addReturnGoods(first.number(), djh, boot, operatorName),
              QStringLiteral("没有该商品信息,请重新你输入商品编号或条码！"));
    first.goods(QStringLiteral("6900001"));  // by the goods barcode: both sizes come back
    const qint64 line39 = one("select min(id) from jxc_posthsp where gl_djh=?", first.number()).toLongLong();
    EXPECT_EQ(setReturnQuantity(line39, Money()), QStringLiteral("数量必须大于0！"));
    EXPECT_EQ(setReturnQuantity(line39, m(1)), QString());
    EXPECT_EQ(setReturnQuantity(line39, m(2)), QStringLiteral("退货数量不能大于销售数量！"));
    // Adding the goods again copies only what remains: the one size 39 not yet taken back.
    first.goods(sandal);
    EXPECT_EQ(one("select pos_sl from jxc_posthsp where gl_djh=? order by id", first.number()),
              QStringLiteral("1,1,1"));
    EXPECT_THROW(first.goods(sandal), DbError);
    EXPECT_THROW(first.refund(300.01).post(), DbError);
    first.refund(280);
    EXPECT_EQ(first.post(), 3);

    EXPECT_EQ(one("select pos_yfje,pos_mlje,pos_xj,pos_bcjf from jxc_posthd where gl_djh=?", first.number()),
              QStringLiteral("-280|-20|-280|-14"));
    EXPECT_EQ(one("select th_sfje,hy_sn,th_lr from jxc_xsthd where gl_djh=?", first.number()),
              QStringLiteral("-280|") + vip + "|" + QString::number(3 * 80 - 280));
    EXPECT_EQ(one("select xj_dlx,xj_je from jxc_xjyh where gl_djh=?", first.number()), QStringLiteral("前台退货|-280"));
    EXPECT_EQ(cash() - cashBefore, m(-280));
    EXPECT_EQ(one("select count(*) from jxc_ysyfk where gl_djh=?", first.number()), QStringLiteral("0"));
    EXPECT_EQ(one("select count(*),min(gl_fdmc),sum(gl_sl) from jxc_goodslist where gl_djh=?", first.number()),
              QStringLiteral("3|99|-3"));
    // The sizes come back into the size stock; the member loses the points of the refund.
    EXPECT_EQ(tkc("39") + "|" + tkc("40"), QStringLiteral("10|10"));
    EXPECT_EQ(one("select hy_jf,hy_cs,hy_zhje from jxc_hyxx where hy_sn=?", vip), QStringLiteral("1|2|200"));
    EXPECT_EQ(one(QStringLiteral("select count(*) from jxc_log where log_note=?"),
                  {{QString(), QStringLiteral("增加POS销售退货单") + first.number() + QStringLiteral("，共3种商品")}}),
              QStringLiteral("1"));

    // Everything came back: a second return gets nothing more.
    TillReturnBuilder second = shop.tillReturn(djh);
    EXPECT_EQ(addReturnGoods(second.number(), djh, sandal, operatorName), QStringLiteral("退货数量不能大于销售数量！"));
}

TEST_F(Till, HeldSalesCannotBeReturned)
{
    TillSaleBuilder sale = shop.tillSale();
    sale.line(sandal, 100, {"39", "黑色", 1});
    holdPosSale(sale.number(), QString(), QString(), QStringLiteral("100001"), QStringLiteral("100"), operatorName);
    EXPECT_FALSE(findPosSale(sale.number()));
}

// ---- Goods lookup and receipt ----------------------------------------------------------------

TEST_F(Till, LookupFindsVariantBarcodesAndTextSafely)
{
    const QString barcode = one(QStringLiteral("select tm_tm from jxc_tm where g_sn=? order by id limit 1"), {{QString(), sandal}});
    if (!barcode.isEmpty()) {
        const ResultSet byBarcode = findPosGoods(barcode, QStringLiteral("100001"));
        ASSERT_EQ(byBarcode.rowCount(), 1);
        EXPECT_EQ(byBarcode.text(0, QStringLiteral("g_sn")), sandal);
    }
    EXPECT_EQ(findPosGoods(QStringLiteral("凉"), QStringLiteral("100001")).rowCount(), 1);
    EXPECT_EQ(findPosGoods(QStringLiteral("6900001"), QStringLiteral("100001")).rowCount(), 1);
    for (const char* hostile : {"'", "%", "_", "' or '1'='1", "x'); drop table jxc_goods; --"})
        EXPECT_EQ(findPosGoods(QString::fromUtf8(hostile), QStringLiteral("100001")).rowCount(), 0) << hostile;
    EXPECT_FALSE(one(QStringLiteral("select count(*) from jxc_goods")).isEmpty());
    // Without stock, goods are not offered unless the settings allow selling at zero.
    csKc = QStringLiteral("0");
    execSql(QStringLiteral("update jxc_kcsp set kc_sl=0 where g_sn=?"), {{QString(), boot}});
    EXPECT_EQ(findPosGoods(QStringLiteral("靴"), QStringLiteral("100001")).rowCount(), 0);
    csKc = QStringLiteral("1");
    csCbjs = QStringLiteral("0");
    EXPECT_EQ(findPosGoods(QStringLiteral("靴"), QStringLiteral("100001")).rowCount(), 1);
}

QString variable(const QList<PosReceiptVariable>& vars, const char* name)
{
    for (const auto& [n, v] : vars)
        if (n == QLatin1String(name))
            return v;
    return QStringLiteral("<none>");
}

TEST_F(Till, ReceiptVariablesAndPreview)
{
    execSql(QStringLiteral("update jxc_posprint set pp_bt1='松岩鞋店',pp_jz1='谢谢'"));
    TillSaleBuilder walkIn = shop.tillSale();
    walkIn.line(sandal, 95, {"39", "黑色", 1}).pay(PosPayMode::Cash, 100);
    walkIn.post();
    const QList<PosReceiptVariable> w = posReceiptVariables(walkIn.number());
    EXPECT_EQ(variable(w, "bt1"), QStringLiteral("松岩鞋店"));
    EXPECT_EQ(variable(w, "jz1"), QStringLiteral("谢谢"));
    EXPECT_EQ(variable(w, "zffs"), QStringLiteral("现金结账"));
    EXPECT_EQ(variable(w, "zlje"), QStringLiteral("5"));
    EXPECT_EQ(variable(w, "uName"), QStringLiteral("李采购"));
    EXPECT_EQ(variable(w, "bcjf") + variable(w, "zjf") + variable(w, "hybh"), QString());

    TillSaleBuilder member = shop.tillSale();
    member.line(sandal, 100, {"39", "黑色", 1}).member(QStringLiteral("8001")).combined(100, 0, 0, 0);
    member.post();
    const QList<PosReceiptVariable> v = posReceiptVariables(member.number());
    EXPECT_EQ(variable(v, "bcjf") + "|" + variable(v, "zjf") + "|" + variable(v, "hybh") + "|" + variable(v, "zffs"),
              QStringLiteral("5|5|8001|联合结账"));

    // An empty settings table gives empty titles; the preview shows the lines.
    execSql(QStringLiteral("delete from jxc_posprint"));
    EXPECT_EQ(variable(posReceiptVariables(member.number()), "bt1"), QString());
    Report::setReportDir(QStringLiteral(JXC_SOURCE_DIR "/report"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("xp.pdf"));
    int previews = 0;
    setReportInterceptor([&](ReportJob& job) {
        ++previews;
        EXPECT_EQ(reportUnquote(job.report->variable(QStringLiteral("hybh"))), QStringLiteral("8001"));
        EXPECT_TRUE(job.report->exportPdf(pdf));
        return true;
    });
    EXPECT_TRUE(printXp(member.number()));
    setReportInterceptor({});
    Report::setReportDir(QString());
    EXPECT_EQ(previews, 1);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

}  // namespace
