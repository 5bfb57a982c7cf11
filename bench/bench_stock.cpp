// The stock windows on a shop of 100,000 goods in 6 size-colour variants stocked in 2 warehouses
// (200,000 warehouse-stock rows, 1.2 M size-colour stock rows) and five years of documents:
// 1,000,000 lines of receipts, purchase returns, sales and customer returns (five lines a
// document) with their headers and journal rows. Measured through the windows' own handlers:
// the stock list over all warehouses and in one, set against bare sqlite3 running the same
// statement; a keyed search; the size × colour stock of one goods; the ledger of one goods at
// 10,000 and at 1,000,000 lines (the goods holds 200 lines in both); the movement summary of one
// month; the size-colour list of one warehouse and category.
//
// The databases are built once and kept beside the program (bench_stock_data/); delete that
// folder after a change of the tables or of the data below.
#include "baresqlite.h"
#include "benchcatalogue.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "bills/querykit.h"
#include "platform/categorytree.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "stock/detailkc.h"
#include "stock/kccx.h"
#include "stock/kccx_mx.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kGoods = 100000;
constexpr int kLinesPerDoc = 5;
constexpr int kMeasuredLines = 200;  // lines of the measured goods, whatever the size of the journal
const QString kMeasured = QStringLiteral("10000000");
const QString kSecondWarehouse = QStringLiteral("100002");
const QDate kToday(2013, 5, 28);
const QString kFirstDay = QStringLiteral("2008-05-29");  // five years before today
constexpr int kDays = 1826;

// One kind of document: its number prefix and journal flag, the header and line tables with the
// columns that differ, and the partner column and code.
struct DocKind {
    const char* prefix;
    const char* flag;
    const char* heads;
    const char* headCols;  // number, partner, warehouse, date, amount due, amount paid
    const char* lines;
    const char* lineCols;  // number, goods, price, quantity, amount
    const char* partner;   // partner code expression of document d
    const char* time;      // appended to the date
    int firstSlot, slotCount;  // of every ten documents
};

const DocKind kKinds[] = {
    {"CJ", "cj", "jxc_jhd", "j_sn,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje", "jxc_jhsp", "j_sn,g_sn,jh_dj,jh_sl,jh_zje",
     "printf('%d',200001+d%200)", "", 0, 4},
    {"CT", "ct", "jxc_thd", "gl_djh,ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje", "jxc_thsp", "gl_djh,g_sn,th_dj,th_sl,th_zje",
     "printf('%d',200001+d%200)", "", 4, 1},
    {"XS", "xs", "jxc_lsxsd", "gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje", "jxc_lsxssp",
     "gl_djh,g_sn,ls_dj,ls_sl,ls_zje", "printf('%d',300001+d%1000)", " 10:30:00", 5, 4},
    {"XT", "xt", "jxc_xsthd", "gl_djh,kh_sn,ck_sn,th_xsrq,th_yfje,th_sfje", "jxc_xsthsp",
     "gl_djh,g_sn,th_dj,th_sl,th_zje", "printf('%d',300001+d%1000)", " 10:30:00", 9, 1},
};

// Builds the shop with `lines` document lines into the open, empty database.
void buildShop(int lines)
{
    createAllTables();
    seedBenchCatalogue(kGoods);
    const int docs = lines / kLinesPerDoc;
    const int every = lines / kMeasuredLines;
    Transaction tx;
    execSql("insert into jxc_ckxx (ck_sn,ck_name,ck_jm,ck_default) values (?,'分仓库','FCK',0)",
            {{QString(), kSecondWarehouse}});
    execSql("create temp table seq (i integer primary key)");
    execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) select i from s",
            {{QString(), std::max(kGoods * 12, lines) - 1}});
    execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_forbid) select printf('%d',200001+i),'供货商'||i,'GHS'||i,0 "
            "from seq where i<200");
    execSql("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_forbid) select printf('%d',300001+i),'客户'||i,'KH'||i,0 "
            "from seq where i<1000");
    // Six variants a goods in each warehouse: three sizes of the nine, two colours of the nine.
    execSql("insert into jxc_tkc (g_sn,t_jhrq,cm_sn,color_sn,t_sl,ck_sn) select printf('%d',10000000+i/12),'2013-01-01',"
            "printf('%d',100001+(i/12+i%6/2)%9),printf('%d',100001+(i/12+i%2*4)%9),(i/12*3+i%6+i/6%2)%5,"
            "iif(i/6%2=0,'100001',?) from seq where i<?",
            {{QString(), kSecondWarehouse}, {QString(), kGoods * 12}});
    execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,ck_sn,sum(t_sl),"
            "(cast(g_sn as integer)%1000)*0.25+iif(ck_sn='100001',0,0.5),cast(g_sn as integer)%30 from jxc_tkc "
            "group by g_sn,ck_sn order by g_sn,ck_sn");
    execSql("update jxc_goods set g_kc=coalesce((select sum(kc_sl) from jxc_kcsp k where k.g_sn=jxc_goods.g_sn),0),"
            "g_zdkc=cast(g_sn as integer)%7");
    // Documents evenly over five years; every `every`-th line is of the measured goods, the
    // others spread over the rest of the catalogue. Statements are written with named holes.
    const std::pair<QString, QString> common[] = {
        {QStringLiteral("$date"), QStringLiteral("date('%1','+'||(d*%2/%3)||' days')").arg(kFirstDay).arg(kDays).arg(docs)},
        {QStringLiteral("$goods"), QStringLiteral("iif(i%") + QString::number(every) + QStringLiteral("=0,'") + kMeasured +
                                       QStringLiteral("',printf('%d',10000001+(i*7919)%") + QString::number(kGoods - 1) +
                                       QStringLiteral("))")},
        {QStringLiteral("$docs"), QString::number(docs)},
        {QStringLiteral("$lines"), QString::number(docs * kLinesPerDoc)},
        {QStringLiteral("$per"), QString::number(kLinesPerDoc)},
        {QStringLiteral("$ck2"), kSecondWarehouse},
    };
    for (const DocKind& k : kKinds) {
        const std::pair<QString, QString> kind[] = {
            {QStringLiteral("$number"), QStringLiteral("'") + QLatin1String(k.prefix) + QStringLiteral("'||printf('%09d',d)")},
            {QStringLiteral("$inKind"), QStringLiteral("d%10>=") + QString::number(k.firstSlot) + QStringLiteral(" and d%10<") +
                                            QString::number(k.firstSlot + k.slotCount)},
            {QStringLiteral("$partner"), QLatin1String(k.partner)},
            {QStringLiteral("$time"), QLatin1String(k.time)},
            {QStringLiteral("$flag"), QLatin1String(k.flag)},
            {QStringLiteral("$heads"), QLatin1String(k.heads)},
            {QStringLiteral("$headCols"), QLatin1String(k.headCols)},
            {QStringLiteral("$lineTable"), QLatin1String(k.lines)},
            {QStringLiteral("$lineCols"), QLatin1String(k.lineCols)},
        };
        auto fill = [&](QString sql) {
            for (const auto& [hole, text] : kind)
                sql.replace(hole, text);
            for (const auto& [hole, text] : common)
                sql.replace(hole, text);
            return sql;
        };
        const QString lineRows = QStringLiteral("(select i,i/$per as d from seq where i<$lines) where $inKind");
        execSql(fill(QStringLiteral("insert into $heads ($headCols,u_sn,a_name) select $number,$partner,"
                                    "iif(d%3=0,'$ck2','100001'),$date||'$time',52.5,52.5,'100001','张三' "
                                    "from (select i as d from seq where i<$docs) where $inKind")));
        execSql(fill(QStringLiteral("insert into $lineTable ($lineCols,tid) select $number,$goods,10.5,1+i%3,10.5*(1+i%3),"
                                    "i%5 from ") + lineRows));
        execSql(fill(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,gl_zje,ck_sn,"
                                    "ghs_sn,a_name) select '$flag',$number,$date||'$time',$goods,10.5,1+i%3,10.5*(1+i%3),"
                                    "iif(d%3=0,'$ck2','100001'),$partner,'张三' from ") + lineRows));
    }
    execSql("drop table seq");
    tx.commit();
}

// The shop with `lines` document lines, from the cache or built into it, as the main database.
struct Windows;
Windows& windows();

void useShop(int lines)
{
    windows();  // the data module
    static int current = 0;
    if (current == lines)
        return;
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_stock_data");
    QDir().mkpath(folder);
    const QString name = QStringLiteral("stock_%1.mdb").arg(lines);
    setDataDir(folder);
    if (!QFile::exists(QDir(folder).filePath(name))) {
        const QString building = name + QStringLiteral(".part");
        QFile::remove(QDir(folder).filePath(building));
        {
            Database create;
            create.open(QDir(folder).filePath(building), true);
        }
        connectDb(building);
        buildShop(lines);
        DataModule->closeAll();
        mainDb().close();
        QFile::rename(QDir(folder).filePath(building), QDir(folder).filePath(name));
    }
    connectDb(name);
    ensureIndexes();  // the indexes of this build, also on a database cached by an older one
    current = lines;
}

struct Windows {
    TF_DataModule dm;
    std::unique_ptr<TF_Kccx> kccx;
    std::unique_ptr<TF_DetailKc> detail;
    std::unique_ptr<TF_Kccx_Mx> ledger;

    Windows()
    {
        DataModule = &dm;
        Clock::setFixed(QDateTime(kToday, QTime(10, 0, 0)));
        operatorName = QStringLiteral("张三");
    }

    // The stock window, opened (its activation queries the stock over all warehouses).
    TF_Kccx& stock()
    {
        if (!kccx) {
            kccx = std::make_unique<TF_Kccx>();
            kccx->resize(1100, 680);
            kccx->show();
            QCoreApplication::processEvents();
        }
        return *kccx;
    }

    TF_Kccx& stockTab(int tab)
    {
        TF_Kccx& w = stock();
        if (w.PageControl1->currentIndex() != tab) {
            w.PageControl1->setCurrentIndex(tab);
            QCoreApplication::processEvents();
        }
        return w;
    }
};

Windows& windows()
{
    static Windows w;
    return w;
}

void settle()
{
    QCoreApplication::processEvents();
}

// The stock list, all warehouses (0) or the second (1), typed key (1) or none (0): the window's
// query into Q_Kccx1 with its grid, footers and first screen.
void BM_StockQuery(benchmark::State& state)
{
    useShop(1000000);
    TF_Kccx& w = windows().stockTab(0);
    w.comCk->setCurrentIndex(state.range(0) ? w.comCk->indexOfCode(kSecondWarehouse) : 0);
    w.tkey->setText(state.range(1) ? QStringLiteral("皮鞋9999") : QString());
    settle();
    for (auto _ : state) {
        w.btnQueryClick();
        settle();
    }
    state.counters["rows"] = w.cxGrid1->rowCount();
    w.tkey->clear();
}

// The same statement on bare sqlite3, every cell read into text.
void BM_StockQueryBare(benchmark::State& state)
{
    useShop(1000000);
    StockFilter f;
    f.ckSn = state.range(0) ? kSecondWarehouse : QString();
    f.key = state.range(1) ? QStringLiteral("皮鞋9999") : QString();
    const QByteArray sql = stockQuerySql(f).toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.counters["rows"] = rows;
}

// The size × colour stock of one goods opened, over all warehouses (0) or in the second (1).
void BM_DetailKcOpen(benchmark::State& state)
{
    useShop(1000000);
    Windows& ws = windows();
    if (!ws.detail) {
        ws.detail = std::make_unique<TF_DetailKc>();
        ws.detail->resize(640, 460);
    }
    curGoodsSn = QStringLiteral("10054321");
    paramValue = state.range(0) ? kSecondWarehouse : QString();
    for (auto _ : state) {
        ws.detail->show();
        settle();
        state.PauseTiming();
        ws.detail->hide();
        settle();
        state.ResumeTiming();
    }
    paramValue.clear();
}

// The ledger of the measured goods over the five years, all warehouses, at `lines` lines.
void BM_Ledger(benchmark::State& state)
{
    useShop(int(state.range(0)));
    Windows& ws = windows();
    curGoodsSn = kMeasured;
    if (!ws.ledger) {
        ws.ledger = std::make_unique<TF_Kccx_Mx>();
        ws.ledger->resize(1000, 620);
    }
    ws.ledger->show();  // activation: the current month
    settle();
    ws.ledger->date1->setDate(QDate::fromString(kFirstDay, Qt::ISODate));
    ws.ledger->date2->setDate(kToday);
    for (auto _ : state) {
        ws.ledger->btnQueryClick();
        settle();
    }
    state.counters["rows"] = ws.ledger->cxGrid1->rowCount();
    ws.ledger->hide();
    settle();
}

// The movement summary of April 2013: every enabled goods with its month's movements.
void BM_MovementMonth(benchmark::State& state)
{
    useShop(1000000);
    TF_Kccx& w = windows().stockTab(1);
    w.date1->setDate(QDate(2013, 4, 1));
    w.date2->setDate(QDate(2013, 4, 30));
    for (auto _ : state) {
        w.btnQuery2Click();
        settle();
    }
    state.counters["rows"] = w.cxGrid2->rowCount();
}

void BM_MovementMonthBare(benchmark::State& state)
{
    useShop(1000000);
    const QByteArray sql = movementSql(QDate(2013, 4, 1), QDate(2013, 4, 30), QString()).toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.counters["rows"] = rows;
}

// The size-colour list of the second warehouse and one top category (a tenth of the goods).
void BM_SizeColourList(benchmark::State& state)
{
    useShop(1000000);
    TF_Kccx& w = windows().stockTab(3);
    w.comCk4->setCurrentIndex(w.comCk4->indexOfCode(kSecondWarehouse));
    w.PanelClass->tree->selectById(selectValue(QStringLiteral("select gc_cid from jxc_goodsclass where gc_sn='1003'")).toInt());
    w.PanelClass->confirm();
    w.btnQuery4Click();  // drops the list of every warehouse the tab opened with
    settle();
    for (auto _ : state) {
        w.btnQuery4Click();
        settle();
    }
    state.counters["rows"] = w.cxGrid4->rowCount();
}

void BM_SizeColourListBare(benchmark::State& state)
{
    useShop(1000000);
    StockDetailFilter f;
    f.ckSn = kSecondWarehouse;
    f.gcSn = QStringLiteral("1003");
    const QByteArray sql = stockDetailSql(f).toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.counters["rows"] = rows;
}

}  // namespace

// warehouse (0 all, 1 one), key (0 none, 1 typed)
BENCHMARK(BM_StockQuery)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StockQueryBare)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailKcOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MovementMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MovementMonthBare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SizeColourList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SizeColourListBare)->Unit(benchmark::kMillisecond);
// Last: it switches between the two databases.
BENCHMARK(BM_Ledger)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

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
