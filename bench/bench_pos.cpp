// The till on a large shop. The lookup: 100,000 goods with variant barcodes and stock; a variant
// barcode typed with Enter, to the line written and the till's line grid read again (the picker's
// choice taken as made), and the text search beside bare SQLite running the same statement.
// The posting: a 5-line member sale with stored value and points on a database that already
// holds 1,000 and 100,000 earlier till sales over the year up to today (till, member and sales
// bill rows, ledger of the default customer, journals, cash journal).
#include "baresqlite.h"
#include "benchdb.h"
#include "data/numbering.h"
#include "data/settings.h"
#include "pos/posposting.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// ---- Lookup ----------------------------------------------------------------------------------

constexpr int kLookupGoods = 100000;

// Goods i: code 3 followed by i in seven digits, a name of a style and a number, six variants
// (3 sizes × 2 colours) each with its own barcode 69 + i + variant, stock in warehouse 100001.
struct LookupFixture : PostingBenchDb {
    LookupFixture()
    {
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name,u_xs,u_xspl) values ('200001','王销售',1,0)", kLookupGoods);
        execSql("insert into jxc_goods (g_sn,g_name,g_jm,g_sptm,g_jj,g_sj,g_kc,g_pjjj,g_jy,g_tjsp,dw_name,cmz_sn,colorz_sn) "
                "select printf('3%07d',i),substr('凉鞋靴子皮鞋球鞋布鞋',i%5*2+1,2)||i,'X'||i,printf('68%08d',i),50,100,60,50,0,0,"
                "'双','200001','200001' from seq");
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,'100001',60,50,0 from jxc_goods "
                "where g_sn<>'00000000'");
        execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) select g.g_sn,c.cm_sn,k.color_sn,'100001',10 "
                "from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn join jxc_colorz2 k on k.colorz_sn=g.colorz_sn "
                "where g.g_sn<>'00000000'");
        execSql("insert into jxc_tm (g_sn,cm_sn,color_sn,tm_tm) select g.g_sn,c.cm_sn,k.color_sn,"
                "'69'||substr(g.g_sn,2)||c.cm_sn||k.color_sn from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn "
                "join jxc_colorz2 k on k.colorz_sn=g.colorz_sn where g.g_sn<>'00000000'");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
        loadSysParams();
        csKc = QStringLiteral("0");
    }
};

std::unique_ptr<LookupFixture>& lookupSlot()
{
    static std::unique_ptr<LookupFixture> f;
    return f;
}
LookupFixture& lookupFixture()
{
    if (!lookupSlot())
        lookupSlot() = std::make_unique<LookupFixture>();
    return *lookupSlot();
}

// The till's line grid statement over its sale.
const QString kLineGrid = QStringLiteral(
    "select a.*,b.g_name,b.gg_name,b.dw_name,b.g_sccs,c.cm_name,d.color_name,e.t_kc from jxc_lsxssp a,jxc_goods b,jxc_cm c,"
    "jxc_color d,jxc_lsxsspmx e where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn and "
    "e.color_sn=d.color_sn and a.gl_djh=? order by a.id");

// A variant barcode with Enter: the goods found, its size-colour stock read for the picker, the
// chosen variant written as a line with its size row, the line grid read again.
void BM_VariantBarcodeToLine(benchmark::State& state)
{
    lookupFixture();
    const QString djh = getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"));
    int i = 0;
    int lines = 0;
    for (auto _ : state) {
        const int g = (i++ * 7919) % kLookupGoods;
        const QString barcode =
            QStringLiteral("69") + QStringLiteral("%1").arg(g, 7, 10, QLatin1Char('0')) + QStringLiteral("200002100005");
        const ResultSet goods = findPosGoods(barcode, QStringLiteral("100001"));
        if (goods.rowCount() != 1) {
            state.SkipWithError("the barcode found no goods");
            break;
        }
        const QString gSn = goods.text(0, QStringLiteral("g_sn"));
        const ResultSet stock = openSelect(QStringLiteral("select cm_sn,color_sn,t_sl from jxc_tkc where g_sn=? and ck_sn=?"),
                                           {{QString(), gSn}, {QString(), QStringLiteral("100001")}});
        benchmark::DoNotOptimize(stock.rowCount());
        writeLine(kSalesLines, djh,
                  {.gSn = gSn, .price = Money::fromUnits(1000000), .rows = {{QStringLiteral("200002"), QStringLiteral("100005"),
                                                                             Money::fromUnits(10000)}},
                   .quantity = {}});
        lines = openSelect(kLineGrid, {{QString(), djh}}).rowCount();
        if (lines >= 20) {  // a long sale is paid and the next begins
            state.PauseTiming();
            discardLines(kSalesLines, djh);
            state.ResumeTiming();
        }
    }
    discardLines(kSalesLines, djh);
    state.counters["lines"] = lines;
}
BENCHMARK(BM_VariantBarcodeToLine)->Unit(benchmark::kMillisecond);

// The text search (part of a name) through the till's routine (arg 0) and the same statement
// on bare SQLite (arg 1).
void BM_TextSearch(benchmark::State& state)
{
    lookupFixture();
    const QString key = QStringLiteral("靴子1234");
    int rows = 0;
    if (state.range(0) == 0) {
        for (auto _ : state)
            rows = findPosGoods(key, QStringLiteral("100001")).rowCount();
    } else {
        const QByteArray sql = QStringLiteral(
            "select distinct a.* from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_sn<>'00000000' and a.g_jy=0 "
            "and b.kc_sl>0 and b.ck_sn='100001' and (instr(upper(a.g_sn),upper('%1'))>0 or instr(upper(a.g_name),upper('%1'))>0 "
            "or instr(upper(a.g_jm),upper('%1'))>0 or instr(upper(a.g_sptm),upper('%1'))>0) order by a.g_sn").arg(key).toUtf8();
        for (auto _ : state)
            rows = bareSelect(sql);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_TextSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// ---- Posting ---------------------------------------------------------------------------------

constexpr int kSaleGoods = 5;

struct PostFixture : PostingBenchDb {
    explicit PostFixture(int sales)
    {
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name,u_xs,u_xspl) values ('200001','王销售',1,0)", qMax(sales, 1000));
        execSql("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_sj,g_kc,g_pjjj,g_scjj,g_xspl,g_tjsp,dw_name,cmz_sn,colorz_sn) "
                "select printf('2000%04d',i),'凉鞋'||i,'LX'||i,8,20,100000,9,10,1,0,'双','200001','200001' from seq where i<?",
                {{QString(), kSaleGoods}});
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,'100001',100000,9,0 from jxc_goods "
                "where g_sn<>'00000000'");
        execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) select g.g_sn,c.cm_sn,k.color_sn,'100001',100000 "
                "from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn join jxc_colorz2 k on k.colorz_sn=g.colorz_sn");
        execSql("insert into jxc_hyxx (hy_sn,hy_fsn,hy_bh,hy_name,hy_status,hl_sn,hh_sn,hy_mm,hy_jf,hy_zhje,hy_ye,hy_zje,"
                "hy_jrrq,hy_sj,hy_cs) select cast(200000+i as text),'',printf('8%07d',i),'会员'||i,1,'100001','100001','',0,"
                "1000000,0,0,'2012-01-01',1,0 from seq where i<1000");
        execSql("insert into jxc_jfsz (jf_mfje,jf_yelj) select 20,1 where not exists (select 1 from jxc_jfsz)");
        execSql("update jxc_jfsz set jf_mfje=20,jf_yelj=1");

        // Earlier sales of one line each, over the year up to yesterday.
        execSql("create temp table hist as select i,date('2013-05-27','-'||(i%365)||' days') as rq,"
                "printf('2000%04d',i%5) as g,cast(200000+i%1000 as text) as hy from seq where i<?",
                {{QString(), sales}});
        execSql("alter table hist add sn text");
        execSql("update hist set sn=printf('XS%s%06d',substr(strftime('%Y%m%d',rq),3),10001+i/365)");
        execSql("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,kh_sn,ck_sn,pos_yfje,pos_sfje,pos_mlje,a_name,u_sn,pos_note,"
                "pos_zffs,pos_xj,pos_czk,pos_yhk,pos_djq,pos_yhje,pos_yhzkje,pos_rjid,pos_bcjf,pos_jfye,pos_zlje,pos_zjf) "
                "select sn,hy,rq||' 10:30:00','100001','100001',20,20,0,'张三','200001','',5,10,10,0,0,0,0,'',1,0,0,0 "
                "from hist order by i");
        execSql("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,a_name,pos_dzl,pos_zhje,tid) "
                "select sn,g,20,1,20,'张三',1,20,i+1 from hist order by i");
        execSql("insert into jxc_hyxsd (gl_djh,hy_sn,hy_xsrq,hy_je,a_name,u_sn,hy_zffs,hy_xj,hy_czk,hy_yhk,hy_djq,hy_zfje,"
                "hy_bcjf,hy_jfye,hy_zhje,hy_zjf) select sn,hy,rq||' 10:30:00',20,'张三','200001',5,10,10,0,0,20,1,0,0,0 "
                "from hist order by i");
        execSql("insert into jxc_hyxssp (gl_djh,g_sn,hy_dj,hy_sl,hy_zje,a_name,hy_dzl,hy_zhje,tid) "
                "select sn,g,20,1,20,'张三',1,20,i+1 from hist order by i");
        execSql("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_note,a_name,ls_yhje,ls_th,ls_qk,"
                "ls_lr,hy_sn,pos_zffs,pos_xj,pos_czk) select sn,'100001','100001',rq,20,20,'200001','联合结账:20','张三',0,0,0,"
                "11,hy,5,10,10 from hist order by i");
        execSql("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name) "
                "select sn,g,20,1,20,1,20,'张三' from hist order by i");
        execSql("update jxc_lsxssp set tid=id");
        execSql("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                "select gl_djh,g_sn,'200001','100004',1,a_name,id from jxc_lsxssp order by id");
        execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn,ghs_sn,gl_sysl,"
                "gl_fdmc,tid) select 'xs',h.sn,h.rq||' 10:30:00',h.g,'凉鞋',20,1,20,11,'100001','100001',1,'99',l.id "
                "from hist h join jxc_lsxssp l on l.gl_djh=h.sn order by h.i");
        execSql("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,cm_sn,color_sn,ck_sn,ghs_sn,tid) "
                "select gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,1,'200001','100004',ck_sn,ghs_sn,tid from jxc_goodslist order by id");
        execSql("insert into jxc_tempspbd (t_rq,g_sn,g_name,t_cg,t_ct,t_cj,t_xs,t_xt,t_xj) "
                "select rq,g,'凉鞋',0,0,0,1,0,0 from hist order by i");
        execSql("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,ghs_sn,xj_kmmc) "
                "select rq,sn,'前台销售',20,'100001','现金' from hist order by i");
        execSql("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh,k_djlx,k_djtxt,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag) "
                "select '100001','kh',rq,sn,'XS','POS销售单',20,20,0,0,0,1 from hist order by rq,i");
        execSql("update jxc_khxx set kh_pl=? where kh_sn='100001'", {{QString(), sales}});
        execSql("insert into jxc_tempyyfx (yy_rq,yy_cgsl,yy_cgje,yy_xssl,yy_xsje,yy_xscb,yy_xslr) "
                "select rq,0,0,count(*),sum(20),sum(9),sum(11) from hist group by rq");
        execSql("drop table hist");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
        loadSysParams();
        csPosfkws = QStringLiteral("2");
    }
};

// One member sale: 5 goods of one size and colour each, 20 a pair, 40 of the 100 off the card.
PosSale enterSale(int n)
{
    PosSale sale;
    sale.djh = getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"));
    Money total;
    for (int g = 0; g < kSaleGoods; ++g) {
        const WorkingLine line{.gSn = QStringLiteral("2000%1").arg(g, 4, 10, QLatin1Char('0')),
                               .price = Money::fromUnits(200000),
                               .rows = {{QStringLiteral("200002"), QStringLiteral("100005"), Money::fromUnits(10000)}},
                               .quantity = {}};
        writeLine(kSalesLines, sale.djh, line);
        total += line.price;
    }
    sale.memberCard = QStringLiteral("8%1").arg(n % 1000, 7, 10, QLatin1Char('0'));
    sale.ckSn = QStringLiteral("100001");
    sale.uSn = QStringLiteral("200001");
    sale.op = operatorName;
    sale.payment = {.mode = PosPayMode::Combined,
                    .due = total,
                    .cash = total - Money::fromUnits(400000),
                    .storedValue = Money::fromUnits(400000),
                    .balance = Money::fromUnits(1000000 * 10000LL)};
    return sale;
}

void BM_PostMemberSale(benchmark::State& state)
{
    lookupSlot().reset();
    const auto fixture = std::make_unique<PostFixture>(int(state.range(0)));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const PosSale sale = enterSale(n++);
        state.ResumeTiming();
        postPosSale(sale);
    }
}
BENCHMARK(BM_PostMemberSale)->Arg(1000)->Arg(100000)->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    lookupSlot().reset();
    benchmark::Shutdown();
    return 0;
}
