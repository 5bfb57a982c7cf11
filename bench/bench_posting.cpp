// Posting a purchase receipt, and a purchase return, of 50 lines × 6 size and colour rows on a
// database that already holds 1,000 and 100,000 earlier receipts of the same supplier (headers,
// lines, size and colour rows, journal, ledger and cash rows); and the audit of such a receipt
// held pending.
#include "benchdb.h"
#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/schema/schema.h"
#include "purchasing/cgjhpending.h"
#include "purchasing/cgjhposting.h"
#include "purchasing/cgthposting.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kGoods = 50;

struct Fixture : PostingBenchDb {
    explicit Fixture(int receipts)
    {
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name,u_cg,u_cgpl) values ('200001','李采购',1,0)",
                         qMax(receipts, kGoods));
        execSql("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_kc,g_pjjj,g_scjj,g_cgpl,dw_name,cmz_sn,colorz_sn) "
                "select printf('2000%04d',i),'凉鞋'||i,'LX'||i,8,1000,9,10,1,'双','200001','200001' from seq where i<?",
                {{QString(), kGoods}});
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,'100001',1000,9,0 from jxc_goods "
                "where g_sn<>'00000000'");
        execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) select g.g_sn,c.cm_sn,k.color_sn,'100001',100 "
                "from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn join jxc_colorz2 k on k.colorz_sn=g.colorz_sn");

        // Earlier receipts, one line each, spread over the 120 days before May.
        execSql("create temp table hist as select i,date('2013-01-01','+'||(i%120)||' days') as rq,"
                "printf('2000%04d',i%50) as g from seq where i<?",
                {{QString(), receipts}});
        execSql("alter table hist add sn text");
        execSql("update hist set sn=printf('CJ%s%06d',substr(strftime('%Y%m%d',rq),3),10001+i/120)");
        execSql("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,j_sn2,j_yhje,j_th,j_qk) "
                "select sn,'100001','100001',rq,100,90,'200001','','张三','',0,0,0 from hist order by i");
        execSql("insert into jxc_jhsp (j_sn,jh_dj,jh_sl,jh_zje,g_sn,a_name) select sn,10,10,100,g,'张三' from hist order by i");
        execSql("update jxc_jhsp set tid=id");
        execSql("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                "select j_sn,g_sn,'200001','100004',10,a_name,id from jxc_jhsp order by id");
        execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn,ghs_sn,gl_sysl,tid) "
                "select 'cj',h.sn,h.rq,h.g,'凉鞋',10,10,100,20,'100001','100001',10,l.id "
                "from hist h join jxc_jhsp l on l.j_sn=h.sn order by h.i");
        execSql("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,cm_sn,color_sn,ck_sn,ghs_sn,tid) "
                "select gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,'200001','100004',ck_sn,ghs_sn,tid from jxc_goodslist order by id");
        execSql("insert into jxc_tempspbd (t_rq,g_sn,g_name,t_cg,t_ct,t_cj,t_xs,t_xt,t_xj) "
                "select rq,g,'凉鞋',10,0,0,0,0,0 from hist order by i");
        execSql("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,ghs_sn,xj_kmmc) "
                "select rq,sn,'采购进货',-90,'100001','现金' from hist order by i");
        execSql("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh,k_djlx,k_djtxt,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag) "
                "select '100001','ghs',rq,sn,'CJ','采购进货单',100,90,0,0,0,1 from hist order by rq,i");
        execSql("create temp table running (id integer primary key, b)");
        execSql("insert into running select id,10*row_number() over (order by k_rq,id) from jxc_ysyfk");
        execSql("update jxc_ysyfk set k_ljje=(select b from running r where r.id=jxc_ysyfk.id)");
        execSql("drop table running");
        execSql("update jxc_ghsxx set ghs_pl=?,ghs_lwje=? where ghs_sn='100001'",
                {{QString(), receipts}, {QString(), 10 * receipts}});
        execSql("insert into jxc_tempyyfx (yy_rq,yy_cgsl,yy_cgje,yy_xssl,yy_xsje,yy_xscb,yy_xslr) "
                "select rq,sum(10),sum(100),0,0,0,0 from hist group by rq");
        execSql("drop table hist");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
    }
};

// Working lines of 50 goods, 3 sizes × 2 colours of 1 each, at 10, under `djh`; returns their total.
Money enterLines(const BillLineTables& tables, const QString& djh)
{
    return enterBenchLines(tables, djh, kGoods, Money::fromUnits(100000));
}

CgjhPosting enterReceipt()
{
    CgjhPosting bill;
    bill.djh = getMaxDjh(QStringLiteral("jxc_jhd"), QStringLiteral("j_sn"), QStringLiteral("CJ"));
    bill.payable = enterLines(kReceiptLines, bill.djh);
    bill.ghsSn = bill.ckSn = QStringLiteral("100001");
    bill.ghsName = QStringLiteral("普通供货商");
    bill.ckName = QStringLiteral("主仓库");
    bill.date = todayText();
    bill.uSn = QStringLiteral("200001");
    bill.uName = QStringLiteral("李采购");
    bill.paid = Money::fromUnits(bill.payable.units() / 2);
    bill.mode = CgjhMode::RestOwed;
    bill.account = QStringLiteral("现金");
    bill.op = operatorName;
    return bill;
}

void BM_PostReceipt(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const CgjhPosting bill = enterReceipt();
        state.ResumeTiming();
        postCgjh(bill);
    }
}

CgthPosting enterReturn()
{
    CgthPosting bill;
    bill.djh = getMaxDjh(QStringLiteral("jxc_thd"), QStringLiteral("gl_djh"), QStringLiteral("CT"));
    bill.due = enterLines(kReturnLines, bill.djh);
    bill.ghsSn = bill.ckSn = QStringLiteral("100001");
    bill.ghsName = QStringLiteral("普通供货商");
    bill.ckName = QStringLiteral("主仓库");
    bill.date = todayText();
    bill.uSn = QStringLiteral("200001");
    bill.uName = QStringLiteral("李采购");
    bill.received = Money::fromUnits(bill.due.units() / 2);
    bill.account = QStringLiteral("现金");
    bill.op = operatorName;
    return bill;
}

void BM_PostReturn(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const CgthPosting bill = enterReturn();
        state.ResumeTiming();
        postCgth(bill);
    }
}

// The audit of a held receipt: its lines come back as working lines and the receipt is posted.
void BM_AuditReceipt(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const CgjhPosting bill = enterReceipt();
        savePendingCgjh(bill);
        state.ResumeTiming();
        auditCgjh({.djh = bill.djh, .paid = bill.paid, .mode = CgjhMode::RestOwed, .note = QString()});
    }
}

}  // namespace

BENCHMARK(BM_PostReceipt)->Arg(1000)->Arg(100000)->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostReturn)->Arg(1000)->Arg(100000)->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AuditReceipt)->Arg(1000)->Arg(100000)->Iterations(40)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
