// The member register on a shop of 100,000 members and 500,000 member sale lines (100,000 till
// sales of five lines over the year up to today): showing the register (members listed, today's
// consumption), searching it by a whole card and by part of a name, grid filled; the exact card
// lookup of the till and the exchange; and, apart, one verification of a card password.
#include "benchdb.h"
#include "benchwindow.h"
#include "data/clock.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "members/hygl.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kMembers = 100000;
constexpr int kSales = 100000;  // five lines each
const QDate kToday(2013, 5, 28);

// Member i: number 200000+i, card 8 followed by i in seven digits, a name of a surname and a
// given name of the ten each and a number.
void buildShop()
{
    createAllTables();
    Transaction tx;
    execSql("create temp table seq (i integer primary key)");
    execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) select i from s",
            {{QString(), kSales * 5 - 1}});
    execSql("insert into jxc_hyxx (hy_sn,hy_fsn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hh_sn,hy_mm,hy_jf,hy_zhje,hy_ye,hy_zje,"
            "hy_jrrq,hy_sj,hy_qx,hy_cs,hy_syje,hy_xjsyje,hy_glnl,hy_sex,hy_sr,hy_mobile,hy_cg,hy_chk) "
            "select cast(200000+i as text),'',printf('8%07d',i),"
            "substr('赵钱孙李周吴郑王冯陈',i%10+1,1)||substr('伟芳娜敏静丽强磊军洋',i/10%10+1,1)||(i/100),"
            "'HY'||i,1,'100001','100001','',i%500,100,0,0,'2012-01-01',1,0,0,0,0,0,'男',"
            "printf('1980-%02d-%02d',i%12+1,i%28+1),printf('139%08d',i),0,0 from seq where i<?",
            {{QString(), kMembers}});
    execSql("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,a_name,hy_sn,pos_zffs) "
            "select printf('XS%09d',i),'100001','100001',date(?,'-'||(i%365)||' days')||' 10:30:00',100,100,'100001',"
            "'张三',cast(200000+i*7%? as text),1+i%6 from seq where i<?",
            {{QString(), kToday.toString(Qt::ISODate)}, {QString(), kMembers}, {QString(), kSales}});
    execSql("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name) "
            "select printf('XS%09d',i/5),printf('%d',10000000+i%1000),20,1,20,1,20,'张三' from seq");
    execSql("insert into jxc_goods (g_sn,g_name,dw_name,gg_name) select printf('%d',10000000+i),'休闲鞋'||i,'双','款' "
            "from seq where i<1000");
    execSql("drop table seq");
    tx.commit();
    execSql("analyze");
}

struct Fixture {
    BenchDb db;
    std::unique_ptr<TF_Hygl> window;

    Fixture()
    {
        Clock::setFixed(QDateTime(kToday, QTime(10, 0, 0)));
        operatorName = QStringLiteral("张三");
        buildShop();
        window = std::make_unique<TF_Hygl>();
        window->resize(1100, 680);
    }
};

std::unique_ptr<Fixture>& fixtureSlot()
{
    static std::unique_ptr<Fixture> f;
    return f;
}

Fixture& fixture()
{
    if (!fixtureSlot())
        fixtureSlot() = std::make_unique<Fixture>();
    return *fixtureSlot();
}

// Showing the register: its activation lists every member and today's consumption.
void BM_RegisterShow(benchmark::State& state)
{
    TF_Hygl& w = *fixture().window;
    for (auto _ : state) {
        w.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["members"] = w.DBGrid1->rowCount();
}
BENCHMARK(BM_RegisterShow)->Iterations(5)->Unit(benchmark::kMillisecond);

// The register's search (F2) by a whole card (arg 0) or by two characters of a name (arg 1).
void BM_RegisterSearch(benchmark::State& state)
{
    TF_Hygl& w = *fixture().window;
    w.show();
    QCoreApplication::processEvents();
    const QString key = state.range(0) == 0 ? QStringLiteral("80054321") : QStringLiteral("李敏");
    int i = 0;
    for (auto _ : state) {
        w.edtKey->setText(i++ % 2 ? key : key + QStringLiteral(" "));  // the search trims the key
        w.searchClick();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = w.DBGrid1->rowCount();
    w.hide();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_RegisterSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The exact card lookup of the till and the exchange, cards spread over the register.
void BM_FindMemberByCard(benchmark::State& state)
{
    fixture();
    int i = 0;
    QString found;
    for (auto _ : state) {
        found = findMemberByCard(QStringLiteral("8%1").arg((i++ * 7919) % kMembers, 7, 10, QLatin1Char('0')));
        benchmark::DoNotOptimize(found);
    }
    if (found.isEmpty())
        state.SkipWithError("no member found");
}
BENCHMARK(BM_FindMemberByCard)->Unit(benchmark::kMicrosecond);

// One verification of a typed card password against its stored hash.
void BM_PasswordCheck(benchmark::State& state)
{
    const QString stored = memberPasswordForm(QStringLiteral("123456"));
    bool ok = false;
    for (auto _ : state) {
        ok = checkMemberPassword(stored, QStringLiteral("123456"));
        benchmark::DoNotOptimize(ok);
    }
    if (!ok)
        state.SkipWithError("the password did not match");
}
BENCHMARK(BM_PasswordCheck)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, [] { fixtureSlot().reset(); });
}
