// The account windows' speed: deleting a five-line sales bill of a customer with 500 later
// ledger rows, on databases of 1,000 and 100,000 documents over 2,000 partners (headers, lines,
// size and colour rows, journal, ledger and cash rows). Goal: under 200 ms.
#include "accounts/billdelete.h"
#include "benchdb.h"
#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "sales/spxsposting.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kGoods = 50;
constexpr int kPartners = 2000;
constexpr int kLaterRows = 500;  // of the customer whose bill is deleted

struct Fixture : PostingBenchDb {
    explicit Fixture(int documents)
    {
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name,u_xs,u_xspl) values ('200001','王销售',1,0)",
                         qMax(documents, kPartners));
        execSql("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_sj,g_kc,g_pjjj,g_scjj,g_xspl,dw_name,cmz_sn,colorz_sn) "
                "select printf('2000%04d',i),'凉鞋'||i,'LX'||i,8,20,100000,9,10,1,'双','200001','200001' from seq where i<?",
                {{QString(), kGoods}});
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,'100001',100000,9,0 from jxc_goods "
                "where g_sn<>'00000000'");
        execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) select g.g_sn,c.cm_sn,k.color_sn,'100001',10000 "
                "from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn join jxc_colorz2 k on k.colorz_sn=g.colorz_sn");
        execSql("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_pl,kh_lwje) select printf('3%05d',i),'客户'||i,'KH'||i,0,0 "
                "from seq where i<?",
                {{QString(), kPartners}});

        // Earlier sales, one line each, over the five years up to today; the first 500 are the
        // customer's, all dated after the bill that is deleted.
        execSql("create temp table hist as select i,date('2008-05-28','+'||(i%1825)||' days') as rq,"
                "printf('2000%04d',i%50) as g,case when i<? then '100001' else printf('3%05d',i%?) end as kh "
                "from seq where i<?",
                {{QString(), kLaterRows}, {QString(), kPartners}, {QString(), documents}});
        execSql("alter table hist add sn text");
        execSql("update hist set sn=printf('XS%s%06d',substr(strftime('%Y%m%d',rq),3),10001+i/1825)");
        execSql("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_note,a_name,ls_yhje,ls_th,ls_qk) "
                "select sn,kh,'100001',rq,200,180,'200001','','张三',0,0,0 from hist order by i");
        execSql("insert into jxc_lsxssp (gl_djh,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,g_sn,a_name) "
                "select sn,20,10,200,1,200,g,'张三' from hist order by i");
        execSql("update jxc_lsxssp set tid=id");
        execSql("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                "select gl_djh,g_sn,'200001','100004',10,a_name,id from jxc_lsxssp order by id");
        execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn,ghs_sn,gl_sysl,tid) "
                "select 'xs',h.sn,h.rq,h.g,'凉鞋',20,10,200,110,'100001',h.kh,10,l.id "
                "from hist h join jxc_lsxssp l on l.gl_djh=h.sn order by h.i");
        execSql("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,cm_sn,color_sn,ck_sn,ghs_sn,tid) "
                "select gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,10,'200001','100004',ck_sn,ghs_sn,tid from jxc_goodslist order by id");
        execSql("insert into jxc_tempspbd (t_rq,g_sn,g_name,t_cg,t_ct,t_cj,t_xs,t_xt,t_xj) "
                "select rq,g,'凉鞋',0,0,0,10,0,0 from hist order by i");
        execSql("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,ghs_sn,xj_kmmc) "
                "select rq,sn,'商品销售',180,kh,'现金' from hist order by i");
        execSql("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh,k_djlx,k_djtxt,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag) "
                "select kh,'kh',rq,sn,'XS','商品销售单',200,180,0,0,0,1 from hist order by rq,i");
        execSql("create temp table running (id integer primary key, b)");
        execSql("insert into running select id,20*row_number() over (partition by k_ghskh order by k_rq,id) from jxc_ysyfk");
        execSql("update jxc_ysyfk set k_ljje=(select b from running r where r.id=jxc_ysyfk.id)");
        execSql("drop table running");
        execSql("update jxc_khxx set kh_lwje=ifnull((select k_ljje from jxc_ysyfk where k_ghskh=kh_sn "
                "order by k_rq desc,id desc limit 1),0)");
        execSql("insert into jxc_tempyyfx (yy_rq,yy_cgsl,yy_cgje,yy_xssl,yy_xsje,yy_xscb,yy_xslr) "
                "select rq,0,0,sum(10),sum(200),sum(90),sum(110) from hist group by rq");
        execSql("drop table hist");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
    }
};

// A five-line sales bill of the customer, dated before its 500 ledger rows, posted.
QString postEarlySale()
{
    SpxsPosting bill;
    bill.date = QStringLiteral("2008-01-02");
    bill.djh = getMaxDjhByDate(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"), bill.date);
    bill.due = enterBenchLines(kSalesLines, bill.djh, 5, Money::fromUnits(200000), Money::fromUnits(9000));
    bill.khSn = bill.ckSn = QStringLiteral("100001");
    bill.khName = QStringLiteral("普通客户");
    bill.ckName = QStringLiteral("主仓库");
    bill.uSn = QStringLiteral("200001");
    bill.uName = QStringLiteral("王销售");
    bill.received = Money::fromUnits(bill.due.units() / 2);
    bill.mode = SpxsMode::RestOwed;
    bill.account = QStringLiteral("现金");
    bill.op = operatorName;
    postSpxs(bill);
    return bill.djh;
}

void BM_DeleteSale(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const QString djh = postEarlySale();
        state.ResumeTiming();
        deletePostedBill(PostedKind::Sale, djh, QStringLiteral("录错了"));
    }
}

}  // namespace

BENCHMARK(BM_DeleteSale)->Arg(1000)->Arg(100000)->Iterations(40)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
