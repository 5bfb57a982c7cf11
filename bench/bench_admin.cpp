// Administration on a shop of 10,000 and 100,000 bills over 2012 and 2013 (purchase receipts and
// sales bills of three lines with two size-colour rows each, their goods journal rows, ledger and
// cash rows, 500 suppliers and 500 customers): closing the older year with and without the safety
// copy made first, and the activation of the document query that lists every document.
#include "admin/closing.h"
#include "admin/djcx.h"
#include "benchdb.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "platform/datagrid.h"
#include "shell/backup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int kPartners = 500;  // of each side

// Fills the open database with `bills` bills, half receipts and half sales, spread evenly over
// the 731 days of 2012 and 2013.
void buildShop(int bills)
{
    createAllTables();
    Transaction tx;
    execSql("insert into jxc_user (u_sn,u_name) values ('200001','李经办')");
    execSql("create temp table seq (i integer primary key)");
    execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) select i from s",
            {{QString(), qMax(bills / 2, 1000)}});
    execSql("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,color_name,g_jj,g_sj,g_kc) "
            "select printf('2000%04d',i),'休闲鞋'||i,'XXX'||i,'双','款'||(i%30),'黑',50,90,100 from seq where i<300");
    execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_forbid) select printf('3%05d',i),'供货商'||i,0 from seq where i<?",
            {{QString(), kPartners}});
    execSql("insert into jxc_khxx (kh_sn,kh_name,kh_forbid) select printf('3%05d',i),'客户'||i,0 from seq where i<?",
            {{QString(), kPartners}});

    // One row per bill of each side: number, date, partner.
    execSql("create temp table bill as select i,date('2012-01-01','+'||(i*731/?)||' days') as rq,"
            "printf('3%05d',i%500) as p from seq where i<?",
            {{QString(), bills / 2}, {QString(), bills / 2}});
    execSql("create temp table line as select b.i,b.rq,b.p,k.i as k,printf('2000%04d',(b.i*3+k.i)%300) as g "
            "from bill b,seq k where k.i<3");

    execSql("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,j_sn2,j_yhje,j_th,j_qk) "
            "select printf('CJ%09d',i),p,'100001',rq,300,200,'200001','进货'||i,'admin','',0,0,0 from bill order by i");
    execSql("insert into jxc_jhsp (j_sn,g_sn,jh_dj,jh_sl,jh_zje,a_name,tid) "
            "select printf('CJ%09d',i),g,50,2,100,'admin',0 from line order by i,k");
    execSql("update jxc_jhsp set tid=id");
    execSql("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
            "select j_sn,g_sn,c.cm,'100001',1,a_name,id from jxc_jhsp,(select '100001' as cm union all select '100002') c "
            "order by id");
    execSql("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_note,a_name,gl_djh2,ls_yhje,ls_th,ls_qk) "
            "select printf('XS%09d',i),p,'100001',rq,540,500,'200001','销售'||i,'admin','',0,0,0 from bill order by i");
    execSql("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,tid) "
            "select printf('XS%09d',i),g,90,2,180,1,180,'admin',0 from line order by i,k");
    execSql("update jxc_lsxssp set tid=id");
    execSql("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
            "select gl_djh,g_sn,c.cm,'100001',1,a_name,id from jxc_lsxssp,(select '100001' as cm union all select '100002') c "
            "order by id");

    // The goods journal: one row per line and per size-colour row.
    execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn,ghs_sn,gl_sysl,a_name,tid) "
            "select 'cj',j_sn,(select j_jhrq from jxc_jhd h where h.j_sn=l.j_sn),g_sn,'休闲鞋',50,2,100,0,'100001',"
            "(select ghs_sn from jxc_jhd h where h.j_sn=l.j_sn),2,'admin',id from jxc_jhsp l order by id");
    execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn,ghs_sn,gl_sysl,a_name,tid) "
            "select 'xs',gl_djh,(select ls_xsrq from jxc_lsxsd h where h.gl_djh=l.gl_djh),g_sn,'休闲鞋',90,2,180,80,'100001',"
            "(select kh_sn from jxc_lsxsd h where h.gl_djh=l.gl_djh),0,'admin',id from jxc_lsxssp l order by id");
    execSql("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,cm_sn,color_sn,ck_sn,ghs_sn,a_name,tid) "
            "select g.gl_flag,g.gl_djh,g.gl_kdrq,g.g_sn,g.gl_dj,1,c.cm,'100001',g.ck_sn,g.ghs_sn,g.a_name,g.tid "
            "from jxc_goodslist g,(select '100001' as cm union all select '100002') c order by g.id");

    // Ledger and cash rows, one per bill, with each partner's running balance.
    execSql("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh,k_djlx,k_djtxt,k_fkfs,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,"
            "k_flag,a_name) select p,'ghs',rq,printf('CJ%09d',i),'CJ','采购进货单','现金',300,200,0,0,0,1,'admin' "
            "from bill order by i");
    execSql("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh,k_djlx,k_djtxt,k_fkfs,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,"
            "k_flag,a_name) select p,'kh',rq,printf('XS%09d',i),'XS','商品销售单','现金',540,500,0,0,0,1,'admin' "
            "from bill order by i");
    execSql("create temp table running (id integer primary key, b)");
    execSql("insert into running select id,sum(k_yfje-k_sfje) over (partition by k_type,k_ghskh order by k_rq,id) "
            "from jxc_ysyfk");
    execSql("update jxc_ysyfk set k_ljje=(select b from running r where r.id=jxc_ysyfk.id)");
    execSql("update jxc_ghsxx set ghs_lwje=(select sum(k_yfje-k_sfje) from jxc_ysyfk where k_type='ghs' and "
            "k_ghskh=ghs_sn),ghs_pl=(select count(*) from jxc_ysyfk where k_type='ghs' and k_ghskh=ghs_sn)");
    execSql("update jxc_khxx set kh_lwje=(select sum(k_yfje-k_sfje) from jxc_ysyfk where k_type='kh' and "
            "k_ghskh=kh_sn),kh_pl=(select count(*) from jxc_ysyfk where k_type='kh' and k_ghskh=kh_sn)");
    execSql("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,ghs_sn,xj_kmmc,a_name) "
            "select rq,printf('CJ%09d',i),'采购进货',-200,p,'现金','admin' from bill order by i");
    execSql("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,ghs_sn,xj_kmmc,a_name) "
            "select rq,printf('XS%09d',i),'商品销售',500,p,'现金','admin' from bill order by i");
    for (const char* t : {"running", "line", "bill", "seq"})
        execSql(QStringLiteral("drop table ") + QLatin1String(t));
    tx.commit();
    execSql("analyze");
}

// The shops built once per size: a template file each, copied afresh before every closing.
struct Shops {
    BenchDb db;
    std::map<int, QString> templates;
    int generation = 0;

    Shops()
    {
        setShopDir(db.dir.path());
        Clock::setFixed(QDateTime(QDate(2014, 1, 6), QTime(9, 0, 0)));
        operatorName = QStringLiteral("admin");
    }

    // Opens a fresh copy of the shop of `bills` bills as the main database.
    void open(int bills)
    {
        auto it = templates.find(bills);
        if (it == templates.end()) {
            const QString name = QStringLiteral("shop%1.mdb").arg(bills);
            Database create;
            create.open(db.dir.filePath(name), true);
            create.close();
            connectDb(name);
            buildShop(bills);
            it = templates.emplace(bills, db.dir.filePath(name)).first;
        }
        const QString previous = dbFileName;
        const QString work = QStringLiteral("work%1.mdb").arg(++generation);
        QFile::copy(it->second, db.dir.filePath(work));
        connectDb(work);
        if (previous.startsWith(QLatin1String("work")))
            QFile::remove(db.dir.filePath(previous));
    }

    void removeSafetyCopies()
    {
        QDir dir(db.dir.path());
        for (const QString& f : dir.entryList({QStringLiteral("系统数据库*.Dat")}, QDir::Files))
            dir.remove(f);
    }
};

Shops& shops()
{
    static Shops s;
    return s;
}

void BM_CloseOlderYear(benchmark::State& state)
{
    Shops& s = shops();
    const int bills = int(state.range(0));
    const bool safetyCopy = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.open(bills);
        state.ResumeTiming();
        if (safetyCopy)
            makeSafetyCopy();
        const QString refusal = closeYear(QStringLiteral("2012"));
        state.PauseTiming();
        if (!refusal.isEmpty() || selectValue(QStringLiteral("select count(*) from jxc_jhd where j_jhrq<'2013'")) != "0")
            state.SkipWithError("the closing did not run");
        s.removeSafetyCopies();
        state.ResumeTiming();
    }
    state.counters["ledger"] = selectValue(QStringLiteral("select count(*) from jxc_ysyfk")).toDouble();
}
BENCHMARK(BM_CloseOlderYear)
    ->ArgNames({"bills", "copy"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_DocumentQueryActivation(benchmark::State& state)
{
    Shops& s = shops();
    s.open(int(state.range(0)));
    auto window = std::make_unique<TF_Djcx>();
    window->resize(960, 600);
    for (auto _ : state) {
        window->show();
        QCoreApplication::processEvents();  // the activation: every document listed, the first one's lines
        const int documents = window->DBGrid1->rowCount();
        state.PauseTiming();
        window->reject();  // closed as the user closes it: the lists are released then, not at the next opening
        QCoreApplication::processEvents();
        state.counters["documents"] = documents;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DocumentQueryActivation)->Arg(10000)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
