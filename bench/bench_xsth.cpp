// Posting a customer return of 50 lines × 6 size and colour rows on a database that already holds
// 1,000 and 100,000 earlier returns of the same customer over five years (headers, lines, size and
// colour rows, journal, ledger and cash rows).
#include "benchdb.h"
#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/schema/schema.h"
#include "sales/xsthposting.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kGoods = 50;

struct Fixture : PostingBenchDb {
    explicit Fixture(int returns)
    {
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name,u_xs,u_xspl) values ('200001','王销售',1,0)", qMax(returns, kGoods));
        execSql("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_sj,g_kc,g_pjjj,g_scjj,g_xspl,dw_name,cmz_sn,colorz_sn) "
                "select printf('2000%04d',i),'凉鞋'||i,'LX'||i,8,20,100000,9,10,1,'双','200001','200001' from seq where i<?",
                {{QString(), kGoods}});
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,'100001',100000,9,0 from jxc_goods "
                "where g_sn<>'00000000'");
        execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) select g.g_sn,c.cm_sn,k.color_sn,'100001',10000 "
                "from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn join jxc_colorz2 k on k.colorz_sn=g.colorz_sn");

        // Earlier returns, one line each, spread over the five years before this one.
        execSql("create temp table hist as select i,date('2008-05-28','+'||(i%1825)||' days') as rq,"
                "printf('2000%04d',i%50) as g from seq where i<?",
                {{QString(), returns}});
        execSql("alter table hist add sn text");
        execSql("update hist set sn=printf('XT%s%06d',substr(strftime('%Y%m%d',rq),3),10001+i/1825)");
        execSql("insert into jxc_xsthd (gl_djh,kh_sn,ck_sn,th_xsrq,th_yfje,th_sfje,u_sn,th_note,a_name,th_qk,th_lr) "
                "select sn,'100001','100001',rq,-200,-180,'200001','','张三',0,-110 from hist order by i");
        execSql("insert into jxc_xsthsp (gl_djh,th_dj,th_sl,th_zje,th_dzl,th_zhje,g_sn,a_name) "
                "select sn,20,10,200,1,200,g,'张三' from hist order by i");
        execSql("update jxc_xsthsp set tid=id");
        execSql("insert into jxc_xsthspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                "select gl_djh,g_sn,'200001','100004',10,a_name,id from jxc_xsthsp order by id");
        execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn,ghs_sn,gl_sysl,tid) "
                "select 'xt',h.sn,h.rq,h.g,'凉鞋',20,-10,-200,-110,'100001','100001',10,l.id "
                "from hist h join jxc_xsthsp l on l.gl_djh=h.sn order by h.i");
        execSql("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,cm_sn,color_sn,ck_sn,ghs_sn,tid) "
                "select gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,10,'200001','100004',ck_sn,ghs_sn,tid from jxc_goodslist order by id");
        execSql("insert into jxc_tempspbd (t_rq,g_sn,g_name,t_cg,t_ct,t_cj,t_xs,t_xt,t_xj) "
                "select rq,g,'凉鞋',0,0,0,0,10,0 from hist order by i");
        execSql("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,ghs_sn,xj_kmmc) "
                "select rq,sn,'顾客退货',-180,'100001','现金' from hist order by i");
        execSql("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh,k_djlx,k_djtxt,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag) "
                "select '100001','kh',rq,sn,'XT','顾客退货单',-200,-180,0,0,0,1 from hist order by rq,i");
        execSql("create temp table running (id integer primary key, b)");
        execSql("insert into running select id,-20*row_number() over (order by k_rq,id) from jxc_ysyfk");
        execSql("update jxc_ysyfk set k_ljje=(select b from running r where r.id=jxc_ysyfk.id)");
        execSql("drop table running");
        execSql("update jxc_khxx set kh_pl=?,kh_lwje=? where kh_sn='100001'", {{QString(), returns}, {QString(), -20 * returns}});
        execSql("insert into jxc_tempyyfx (yy_rq,yy_cgsl,yy_cgje,yy_xssl,yy_xsje,yy_xscb,yy_xslr) "
                "select rq,0,0,sum(-10),sum(-200),sum(-90),sum(-110) from hist group by rq");
        execSql("drop table hist");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
    }
};

// One return's working lines: 50 goods, 3 sizes × 2 colours of 1 each, at 20 less 10 %.
XsthPosting enterReturn()
{
    XsthPosting bill;
    bill.djh = getMaxDjh(QStringLiteral("jxc_xsthd"), QStringLiteral("gl_djh"), QStringLiteral("XT"));
    bill.due = enterBenchLines(kCustomerReturnLines, bill.djh, kGoods, Money::fromUnits(200000), Money::fromUnits(9000));
    bill.khSn = bill.ckSn = QStringLiteral("100001");
    bill.khName = QStringLiteral("普通客户");
    bill.ckName = QStringLiteral("主仓库");
    bill.date = todayText();
    bill.uSn = QStringLiteral("200001");
    bill.uName = QStringLiteral("王销售");
    bill.refund = Money::fromUnits(bill.due.units() / 2);
    bill.account = QStringLiteral("现金");
    bill.op = operatorName;
    return bill;
}

void BM_PostCustomerReturn(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const XsthPosting bill = enterReturn();
        state.ResumeTiming();
        postXsth(bill);
    }
}

}  // namespace

BENCHMARK(BM_PostCustomerReturn)->Arg(1000)->Arg(100000)->Iterations(40)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
