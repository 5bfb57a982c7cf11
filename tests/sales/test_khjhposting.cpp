// Lending postings: the loan moves stock only, the give-back takes one line back whole, the
// conversion posts an ordinary sales bill of goods already out of stock; settled lines and
// posted loans are refused with nothing written, and each posting is whole or absent.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "sales/khjhposting.h"
#include "support/shop.h"

#include <gtest/gtest.h>

namespace {

QString rows(const QString& sql, const SqlParams& params = {})
{
    const ResultSet rs = openSelect(sql, params);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u' ');
}

// Every row of the books a loan must not touch.
QString moneyBooks()
{
    return rows("select count(*) from jxc_xjyh") + rows("select count(*) from jxc_ysyfk") +
           rows("select count(*) from jxc_goodslist") + rows("select count(*) from jxc_tempyyfx") +
           rows("select count(*) from jxc_kcjs") + rows("select count(*) from jxc_lsxsd");
}

// A shop that bought 凉鞋 (39/40 black, preset purchase price 60) at 50 × 8 into the default
// warehouse and lends the customer 甲 five pairs of it.
struct LendingShop {
    Shop shop;
    QString kh = shop.customer("甲");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 60);
    QString receipt = shop.receipt().line(sandal, 50, {{"39", "黑色", 4}, {"40", "黑色", 4}}).post();

    QString stock() const
    {
        return rows("select g_kc from jxc_goods where g_sn=?", {{QString(), sandal}}) + "/" +
               rows("select kc_sl,kc_xssl from jxc_kcsp where g_sn=?", {{QString(), sandal}}) + "/" +
               rows("select b.cm_name,t_sl from jxc_tkc a join jxc_cm b on b.cm_sn=a.cm_sn where g_sn=? order by b.cm_name",
                    {{QString(), sandal}});
    }
    // Lends 3 × 39 and 2 × 40; returns the borrowing line's id.
    qint64 lend(const QString& date = QString())
    {
        LoanBuilder loan = shop.loan();
        loan.customer(kh).line(sandal, {{"39", "黑色", 3}, {"40", "黑色", 2}}).note("借'--");
        if (!date.isEmpty())
            loan.date(date);
        loan.post();
        return selectValue("select max(id) from jxc_jhgl where jh_flag='j'").toLongLong();
    }
};

TEST(KhjhPosting, LoanMovesStockOnlyAndTakesTheDocumentDate)
{
    LendingShop s;
    const QString books = moneyBooks();
    s.lend("2013-05-20");
    EXPECT_EQ(rows("select gl_djh,kh_sn,ck_sn,u_sn,jh_sl,jh_rq,jh_flag,jh_note,tid=id,a_name from jxc_jhgl").toStdString(),
              ("JH130520010001|" + s.kh + "|100001|" + s.shop.handlerSn() + "|5|2013-05-20|j|借‘--|1|" + operatorName).toStdString());
    EXPECT_EQ(rows("select gl_djh,t_sl from jxc_jhglmx where tid=(select id from jxc_jhgl) order by id"),
              "JH130520010001|3 JH130520010001|2");
    EXPECT_EQ(s.stock(), "3/3|0/39|1 40|2");
    EXPECT_EQ(moneyBooks(), books);
    EXPECT_EQ(selectValue("select log_note from jxc_log order by id desc limit 1"), "增加借货单JH130520010001，共1种商品");
}

TEST(KhjhPosting, LoanRefusesEmptyAndPostedDocumentsAndMakesMissingStockNegative)
{
    LendingShop s;
    EXPECT_THROW(postKhjh({.djh = "JH130528010001", .khSn = s.kh, .ckSn = "100001", .date = "2013-05-28"}), DbError);

    // A goods never received into the warehouse: its stock row and size cell go negative.
    const QString boot = s.shop.goods("靴子", {"38"}, {"棕色"}, 40);
    LoanBuilder loan = s.shop.loan();
    loan.customer(s.kh).line(boot, {{"38", "棕色", 2}});
    const QString djh = loan.post();
    EXPECT_EQ(rows("select kc_sl,kc_cbj from jxc_kcsp where g_sn=?", {{QString(), boot}}), "-2|40");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where g_sn=?", {{QString(), boot}}), "-2");

    const QString before = s.stock() + rows("select * from jxc_jhgl");
    EXPECT_THROW(postKhjh({.djh = djh, .khSn = s.kh, .ckSn = "100001", .date = "2013-05-28"}), DbError);
    EXPECT_EQ(s.stock() + rows("select * from jxc_jhgl"), before);
}

TEST(KhjhPosting, GiveBackTakesTheWholeLineBackOnce)
{
    LendingShop s;
    const qint64 line = s.lend();
    const QString books = moneyBooks();
    const QString hh = postKhjhGiveBack({.lineId = line, .uSn = s.shop.handlerSn(), .date = "2013-05-26", .note = " 还 ", .op = operatorName});
    EXPECT_EQ(hh, "HH130526010001");
    EXPECT_EQ(rows("select jh_sl from jxc_jhgl where id=?", {{QString(), line}}), "0");
    EXPECT_EQ(rows("select kh_sn,ck_sn,jh_sl,jh_rq,jh_flag,jh_note,jh_dj,tid=id from jxc_jhgl where gl_djh=?", {{QString(), hh}}),
              s.kh + "|100001|-5|2013-05-26|h|还||1");
    EXPECT_EQ(rows("select b.cm_name,a.t_sl from jxc_jhglmx a join jxc_cm b on b.cm_sn=a.cm_sn "
                   "where a.gl_djh=? and a.tid=(select id from jxc_jhgl where gl_djh=?) order by a.id",
                   {{QString(), hh}, {QString(), hh}}),
              "39|3 40|2");
    EXPECT_EQ(s.stock(), "8/8|0/39|4 40|4");
    EXPECT_EQ(moneyBooks(), books);

    const QString before = s.stock() + rows("select * from jxc_jhgl") + rows("select * from jxc_jhglmx");
    try {
        postKhjhGiveBack({.lineId = line, .uSn = s.shop.handlerSn(), .date = "2013-05-28", .op = operatorName});
        ADD_FAILURE() << "a settled line was given back twice";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), "还货数量不能为0！");
    }
    EXPECT_EQ(s.stock() + rows("select * from jxc_jhgl") + rows("select * from jxc_jhglmx"), before);
}

TEST(KhjhPosting, ConversionPostsAnOrdinarySaleOfGoodsAlreadyOut)
{
    struct Case {
        SpxsMode mode;
        const char* header;  // ls_yfje|ls_sfje|ls_yhje
        const char* ledger;  // k_yfje|k_sfje|k_ljje
        const char* owed;    // kh_lwje
    };
    const Case cases[] = {{SpxsMode::PaidOnly, "450|450|50", "450|450|0", "0"},
                          {SpxsMode::RestOwed, "500|450|0", "500|450|50", "50"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.mode));
        LendingShop s;
        const qint64 line = s.lend("2013-05-20");
        // The warehouse's average cost moves after the loan: the sale costs what it says now.
        execSql("update jxc_kcsp set kc_cbj=52 where g_sn=?", {{QString(), s.sandal}});
        const QString cash = selectValue("select yh_zje from jxc_yhzh where yh_name='现金'");
        const KhjhSaleResult r = postKhjhSale({.lineId = line,
                                               .date = "2013-05-27",
                                               .uSn = s.shop.handlerSn(),
                                               .uName = "经办",
                                               .khName = "甲",
                                               .ckName = "默认仓库",
                                               .price = Money::fromText("100"),
                                               .paid = Money::fromText("450"),
                                               .mode = c.mode,
                                               .account = "现金",
                                               .note = "转",
                                               .op = operatorName});
        EXPECT_EQ(r.xs, "XS130527010001");
        EXPECT_EQ(r.hh, "HH130528010001");  // the give-back row's number is of today
        const SqlParams xs{{QString(), r.xs}};
        EXPECT_EQ(rows("select jh_sl,jh_dj,jh_rq,jh_note from jxc_jhgl where gl_djh=?", {{QString(), r.hh}}),
                  "-5|100|2013-05-27|转还货：借货转销售");
        EXPECT_EQ(rows("select kh_sn,ls_xsrq,ls_yfje,ls_sfje,ls_yhje,ls_note,gl_djh2 from jxc_lsxsd where gl_djh=?", xs),
                  s.kh + "|2013-05-27|" + c.header + "|转销售：借货转销售|JH130520010001");
        EXPECT_EQ(rows("select ls_sl,ls_dj,ls_zje,ls_dzl,tid=id from jxc_lsxssp where gl_djh=?", xs), "5|100|500|1|1");
        EXPECT_EQ(rows("select count(*),sum(t_sl) from jxc_lsxsspmx where gl_djh=? and tid=(select id from jxc_lsxssp where gl_djh=?)",
                       {{QString(), r.xs}, {QString(), r.xs}}),
                  "2|5");
        EXPECT_EQ(rows("select k_djtxt,k_yfje,k_sfje,k_ljje,k_rq from jxc_ysyfk where gl_djh=?", xs),
                  QString("借货转销售|") + c.ledger + "|2013-05-27");
        EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), s.kh}}), c.owed);
        EXPECT_EQ(Money::fromText(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'")) - Money::fromText(cash),
                  Money::fromText("450"));
        EXPECT_EQ(rows("select xj_rq,xj_je from jxc_xjyh where gl_djh=?", xs), "2013-05-27|450");
        // Summary cost at the warehouse's kc_cbj (5 × 52); journal profit at g_pjjj (50).
        EXPECT_EQ(rows("select yy_xssl,yy_xscb,yy_xsje from jxc_tempyyfx where yy_rq='2013-05-27'"),
                  QString("5|260|") + QString(c.header).section(u'|', 0, 0));
        EXPECT_EQ(rows("select gl_flag,gl_sl,gl_zje,gl_lr from jxc_goodslist where gl_djh=?", xs), "xs|5|500|250");
        // Stock stays as the loan left it; only the sold quantity and the sales counter move.
        EXPECT_EQ(s.stock(), "3/3|5/39|1 40|2");
        EXPECT_EQ(selectValue("select g_xspl from jxc_goods where g_sn=?", {{QString(), s.sandal}}), "1");
        EXPECT_EQ(rows("select jh_sl from jxc_jhgl where id=?", {{QString(), line}}), "0");

        const QString before = rows("select count(*) from jxc_lsxsd") + rows("select * from jxc_jhgl");
        EXPECT_THROW(postKhjhSale({.lineId = line, .date = "2013-05-27", .price = Money::fromText("100"), .op = operatorName}),
                     DbError);
        EXPECT_EQ(rows("select count(*) from jxc_lsxsd") + rows("select * from jxc_jhgl"), before);
    }
}

TEST(KhjhPosting, ConversionSkipsANumberHoldingStrayLines)
{
    LendingShop s;
    const qint64 line = s.lend();
    // Lines left under today's first sales number by a sales bill never saved.
    s.shop.sale().plainLine(s.sandal, 90, 1);
    const KhjhSaleResult r = postKhjhSale({.lineId = line, .date = "2013-05-28", .price = Money::fromText("100"),
                                           .paid = Money::fromText("500"), .account = "现金", .op = operatorName});
    EXPECT_EQ(r.xs, "XS130528010002");
    EXPECT_EQ(rows("select count(*) from jxc_lsxssp where gl_djh=?", {{QString(), r.xs}}), "1");
}

// A database error half-way leaves every book as before: the n-th write of the stock or of the
// lending table fails.
TEST(KhjhPosting, EachPostingIsWholeOrAbsent)
{
    LendingShop s;
    const qint64 open = s.lend();
    LoanBuilder loan = s.shop.loan();
    loan.customer(s.kh).line(s.sandal, {{"39", "黑色", 1}});
    const auto everything = [] {
        QStringList out;
        for (const char* t : {"jxc_jhgl", "jxc_jhglmx", "jxc_kcsp", "jxc_tkc", "jxc_goods", "jxc_lsxsd", "jxc_lsxssp",
                              "jxc_ysyfk", "jxc_xjyh", "jxc_goodslist", "jxc_tempyyfx", "jxc_kcjs", "jxc_khxx", "jxc_yhzh"})
            out << rows(QStringLiteral("select * from %1 order by id").arg(QLatin1String(t)));
        return out.join(u'\n');
    };
    const std::function<void()> postings[] = {
        [&] { loan.post(); },
        [&] { postKhjhGiveBack({.lineId = open, .uSn = s.shop.handlerSn(), .date = "2013-05-28", .op = operatorName}); },
        [&] {
            postKhjhSale({.lineId = open, .date = "2013-05-28", .price = Money::fromText("100"),
                          .paid = Money::fromText("500"), .account = "现金", .op = operatorName});
        },
    };
    for (const auto& post : postings) {
        const QString before = everything();
        execSql("create temp trigger stop_at_goods before update on jxc_goods begin select raise(abort,'stopped'); end");
        EXPECT_THROW(post(), DbError);
        execSql("drop trigger stop_at_goods");
        EXPECT_EQ(everything(), before);
    }
}

}  // namespace
