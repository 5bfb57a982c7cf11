#include "purchasing/ywycgtj.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "masterdata/salesman.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "purchasing/purchasequery.h"
#include "purchasing/spcgtj_cx.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Ywycgtj* F_Ywycgtj = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");

// The optional conditions of every tab; `kinds` gives the bill-kind test of each kind.
QString conditions(const YwycgtjFilter& f, const QString& cj, const QString& ct, const QString& gf)
{
    QString s;
    if (!f.boxName.isEmpty())
        s += QStringLiteral(" and u_name='%1' ").arg(sqlLit(f.boxName));
    if (!f.ghsSn.isEmpty())
        s += QStringLiteral(" and ghs_sn='%1' ").arg(sqlLit(f.ghsSn));
    if (!f.dialogName.isEmpty())
        s += QStringLiteral(" and u_name='%1' ").arg(sqlLit(f.dialogName));
    if (f.kind == QStringLiteral("进货单"))
        s += cj;
    else if (f.kind == QStringLiteral("退货单"))
        s += ct;
    else if (f.kind == QStringLiteral("付款单"))
        s += gf;
    if (!f.ckSn.isEmpty())
        s += QStringLiteral(" and ck_sn='%1' ").arg(sqlLit(f.ckSn));
    return s;
}

QString journalConditions(const YwycgtjFilter& f)
{
    return QStringLiteral(" and gl_kdrq>='%1' and gl_kdrq<='%2' ").arg(sqlLit(f.d1), sqlLit(f.d2)) +
           conditions(f, QStringLiteral(" and gl_flag='cj' "), QStringLiteral(" and gl_flag='ct' "), QString());
}

}  // namespace

QString ywycgtjBillsSql(const YwycgtjFilter& f)
{
    return QStringLiteral(
               "select * from (select a.j_sn as djh,a.ghs_sn,a.ck_sn,a.j_jhrq as rq,a.j_yfje as yfje,a.j_sfje as sfje,"
               "'采购进货' as zflx,a.u_sn,a.j_note as dnote,a.a_name,b.ghs_name,b.ghs_jm,c.u_name,d.ck_name from jxc_jhd a,"
               "jxc_ghsxx b,jxc_user c,jxc_ckxx d where a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn and a.ck_sn=d.ck_sn union "
               "select a.gl_djh as djh,a.ghs_sn,a.ck_sn,a.th_thrq as rq,a.th_yfje as yfje,a.th_sfje as sfje,"
               "'采购退货' as zflx,a.u_sn,a.th_note as dnote,a.a_name,b.ghs_name,b.ghs_jm,c.u_name,d.ck_name from jxc_thd a,"
               "jxc_ghsxx b,jxc_user c,jxc_ckxx d where a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn and a.ck_sn=d.ck_sn union "
               "select a.gf_sn as djh,a.ghs_sn,'' as ck_sn,a.gf_fkrq as rq,iif(a.gf_fkje<0,-1*a.gf_fkje,0) as yfje,"
               "iif(a.gf_fkje>0,a.gf_fkje,0) as sfje,gf_fkfs as zflx,a.u_sn,gf_note as dnote,a.a_name,b.ghs_name,b.ghs_jm,"
               "c.u_name,'' as ck_name from jxc_ghsfk a,jxc_ghsxx b,jxc_user c where a.ghs_sn=b.ghs_sn and "
               "a.u_sn=c.u_sn and a.gf_fkje<>0) where rq>='%1' and rq<='%2' ")
               .arg(sqlLit(f.d1), sqlLit(f.d2)) +
           conditions(f, QStringLiteral(" and djh like 'CJ%' "), QStringLiteral(" and djh like 'CT%' "),
                      QStringLiteral(" and djh like 'GF%' ")) +
           QStringLiteral(" order by rq desc");
}

QString ywycgtjBillLinesSql(const QString& djh)
{
    if (djh.startsWith(u"CJ"))
        return QStringLiteral("select a.j_sn as gl_djh,a.g_sn,a.jh_sl as sl,a.jh_dj as dj,a.jh_zje as zje,b.g_name,"
                              "b.dw_name,b.gg_name,a.t_scrq,b.g_sccs,a.tid from jxc_jhsp a,jxc_goods b where "
                              "a.g_sn=b.g_sn and a.j_sn='%1' order by a.id")
            .arg(sqlSafe(djh));
    if (djh.startsWith(u"CT"))
        return QStringLiteral("select a.gl_djh as gl_djh,a.g_sn,a.th_sl as sl,a.th_dj as dj,a.th_zje as zje,b.g_name,"
                              "b.dw_name,b.gg_name,a.t_scrq,b.g_sccs,a.tid from jxc_thsp a,jxc_goods b where "
                              "a.g_sn=b.g_sn and a.gl_djh='%1' order by a.id")
            .arg(sqlSafe(djh));
    return QString();
}

QString ywycgtjLinesSql(const YwycgtjFilter& f)
{
    return QStringLiteral("select gl_djh,gl_kdrq,g_sn,g_name,ck_name,ck_sn,dw_name,gg_name,color_name,u_name,gl_sl,gl_dj,"
                          "gl_zje,ghs_name,t_scrq,gl_flag,tid from jxc_goodslist where (gl_flag='cj' or gl_flag='ct' ) and "
                          "(gl_djh<>'' and gl_djh is not null) ") +
           journalConditions(f) + QStringLiteral("order by gl_kdrq");
}

// One pass in goods order over the index of the purchase rows, which holds every column read
// here; its condition stands word for word, or SQLite may not use it.
QString ywycgtjGoodsSql(const YwycgtjFilter& f)
{
    return QStringLiteral("select g_sn,max(g_name) as gname,max(dw_name) as dwname,max(gg_name) as ggname,"
                          "max(color_name) as colorname,max(ghs_name) as ghsname, sum(gl_sl) as sl,sum(gl_zje) as zje "
                          "from jxc_goodslist indexed by ix_jxc_goodslist_purchases where (gl_flag='cj' or gl_flag='ct') "
                          "and gl_djh<>'' ") +
           journalConditions(f) + QStringLiteral(" group by g_sn order by g_sn");
}

TF_Ywycgtj::TF_Ywycgtj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Ywycgtj"));
    setWindowTitle(QStringLiteral("业务员采购统计"));
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    auto* btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    auto* btnFind = namedButton(this, "btnFind", QStringLiteral("查找"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    period = makeQueryPeriod([this] { btnStatClick(); });
    comYwy = new CodeComboBox(this);
    comYwy->setObjectName(QStringLiteral("comYwy"));
    auto* btnStat = namedButton(this, "btnStat", QStringLiteral("统计(F2)"));

    auto* toolbar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnView, btnPrint, btnExport, btnFind, btnExit})
        toolbar->addWidget(w);
    toolbar->addStretch(1);
    auto* filterRow = new QHBoxLayout;
    addQueryPeriod(filterRow, QStringLiteral("采购时间："), period);
    filterRow->addWidget(new QLabel(QStringLiteral("业务员名称：")));
    filterRow->addWidget(comYwy);
    filterRow->addWidget(btnStat);
    filterRow->addStretch(1);

    auto grid = [](const char* name, NamedQuery* q) {
        auto* g = new DataGrid;
        g->setObjectName(QLatin1String(name));
        g->setQuery(q);
        return g;
    };
    gridBills = grid("gridBills", DataModule->Q_Ywytj);
    gridBills->addColumn(QStringLiteral("rq"), QStringLiteral("开单日期"), 80).footerText(QStringLiteral("记录数："));
    gridBills->addColumn(QStringLiteral("u_name"), QStringLiteral("业务员"), 60).footerCount();
    gridBills->addColumn(QStringLiteral("zflx"), QStringLiteral("业务类型"), 70);
    gridBills->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110);
    gridBills->addColumn(QStringLiteral("yfje"), QStringLiteral("应付金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBills->addColumn(QStringLiteral("sfje"), QStringLiteral("实付金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBills->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 70);
    gridBills->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商"), 120);
    gridBills->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    gridBills->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 120);
    gridBillLines = grid("gridBillLines", DataModule->Q_Ywytj1);
    gridBillLines->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    gridBillLines->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    gridBillLines->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridBillLines->addColumn(QStringLiteral("dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridBillLines->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
    gridBillLines->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBillLines->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridBillLines->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 90);
    lbBill = new QLabel;
    lbBill->setObjectName(QStringLiteral("lbBill"));
    auto* btnDetail = namedButton(this, "btnDetail", QStringLiteral("查看详细数量"));
    btnDetail->setFlat(true);
    auto* page1 = new QWidget;
    auto* col1 = new QVBoxLayout(page1);
    col1->addWidget(gridBills, 3);
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(new QLabel(QStringLiteral("单据的详细信息：")));
    captionRow->addWidget(lbBill, 1);
    captionRow->addWidget(btnDetail);
    col1->addLayout(captionRow);
    col1->addWidget(gridBillLines, 2);

    gridLines = grid("gridLines", DataModule->Q_Ywytj2);
    gridLines->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单号"), 110).footerCount(QStringLiteral("记录数:"));
    gridLines->addColumn(QStringLiteral("gl_kdrq"), QStringLiteral("开单日期"), 80);
    gridLines->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商名称"), 120);
    gridLines->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    gridLines->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 120);
    gridLines->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 70);
    gridLines->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridLines->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridLines->addColumn(QStringLiteral("gl_sl"), QStringLiteral("数量"), 60).footerSum();
    gridLines->addColumn(QStringLiteral("gl_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridLines->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridLines->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    gridGoods = grid("gridGoods", DataModule->Q_GHZ);
    gridGoods->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    gridGoods->addColumn(QStringLiteral("gname"), QStringLiteral("商品名称"), 140).footerCount();
    gridGoods->addColumn(QStringLiteral("dwname"), QStringLiteral("单位"), 40);
    gridGoods->addColumn(QStringLiteral("ggname"), QStringLiteral("款型说明"), 90);
    gridGoods->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
    gridGoods->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGoods->addColumn(QStringLiteral("ghsname"), QStringLiteral("供货商名称"), 120);

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(page1, QStringLiteral("业务员采购单据表"));
    tabs->addTab(gridLines, QStringLiteral("商品明细表"));
    tabs->addTab(gridGoods, QStringLiteral("商品汇总表"));
    auto* main = new QVBoxLayout(this);
    main->addLayout(toolbar);
    main->addLayout(filterRow);
    main->addWidget(tabs, 1);
    resize(1000, 620);

    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnFind, [this] { btnFindClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnStat, [this] { btnStatClick(); });
    onClicked(btnDetail, [this] { detailClick(); });
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (m_loading)
            return;
        curGhsSn.clear();
        runGuarded([this] { btnStatClick(); });
    });
    connect(gridBills, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { loadBillLines(); }); });
    for (DataGrid* g : {gridBills, gridLines})
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
}

void TF_Ywycgtj::FormActivate()
{
    m_loading = true;
    period.fromThisMonth();
    fillSalesmanCombo(comYwy);
    if (partyType.isEmpty())
        comYwy->setCurrentIndex(0);
    else
        comYwy->setCurrentIndex(comYwy->findText(partyType));
    partyType.clear();
    curGhsSn.clear();
    m_dialogName.clear();
    m_kind.clear();
    m_ckSn.clear();
    tabs->setCurrentIndex(0);
    btnStatClick();
    m_loading = false;
}

bool TF_Ywycgtj::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        btnStatClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Ywycgtj::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Ywytj, DataModule->Q_Ywytj1, DataModule->Q_Ywytj2, DataModule->Q_GHZ})
        q->close();
}

YwycgtjFilter TF_Ywycgtj::filter() const
{
    // No item chosen (a salesman handed over who is not in the list) filters by nobody.
    const bool all = comYwy->currentIndex() < 0 || comYwy->currentIsAll();
    return {.d1 = period.d1(),
            .d2 = period.d2(),
            .boxName = all ? QString() : comYwy->currentText(),
            .ghsSn = curGhsSn,
            .dialogName = m_dialogName,
            .kind = m_kind,
            .ckSn = m_ckSn};
}

void TF_Ywycgtj::btnStatClick()
{
    const YwycgtjFilter f = filter();
    switch (tabs->currentIndex()) {
    case 1:
        openQuery(DataModule->Q_Ywytj2, ywycgtjLinesSql(f));
        break;
    case 2:
        openQuery(DataModule->Q_GHZ, ywycgtjGoodsSql(f));
        break;
    default:
        openQuery(DataModule->Q_Ywytj, ywycgtjBillsSql(f));
        loadBillLines();
        break;
    }
}

void TF_Ywycgtj::loadBillLines()
{
    const int row = gridBills->currentRow();
    const QString djh = row < 0 ? QString() : gridBills->value(row, QStringLiteral("djh"));
    if (row >= 0)
        lbBill->setText(djh + QStringLiteral("  ") + gridBills->value(row, QStringLiteral("u_name")) +
                        QStringLiteral("  ") + gridBills->value(row, QStringLiteral("ghs_name")));
    else
        lbBill->clear();
    const QString sql = ywycgtjBillLinesSql(djh);
    if (sql.isEmpty())
        DataModule->Q_Ywytj1->close();
    else
        openQuery(DataModule->Q_Ywytj1, sql);
}

void TF_Ywycgtj::btnFindClick()
{
    choiceParam.clear();
    showForm(F_Ywycgtj_Cx);
    if (choiceParam == QLatin1String("1")) {
        m_dialogName = F_Ywycgtj_Cx->userName();
        m_kind = F_Ywycgtj_Cx->billKind();
        m_ckSn = F_Ywycgtj_Cx->warehouse();
        comYwy->setCurrentIndex(F_Ywycgtj_Cx->comUser->currentIndex());
        btnStatClick();
    }
    choiceParam.clear();
}

void TF_Ywycgtj::detailClick()
{
    const int row = gridBillLines->currentRow();
    if (row < 0)
        return;
    showLineDetail(gridBillLines->value(row, QStringLiteral("gl_djh")), gridBillLines->value(row, QStringLiteral("g_sn")),
                   gridBillLines->value(row, QStringLiteral("tid")));
}

void TF_Ywycgtj::btnViewClick()
{
    QString djh;
    if (tabs->currentIndex() == 0 && gridBills->currentRow() >= 0)
        djh = gridBills->value(gridBills->currentRow(), QStringLiteral("djh"));
    else if (tabs->currentIndex() == 1 && gridLines->currentRow() >= 0)
        djh = gridLines->value(gridLines->currentRow(), QStringLiteral("gl_djh"));
    if (djh.isEmpty())
        return;
    if (const auto print = postedPurchasePrint(djh))
        printGoodsDetail(*print, this);
    else if (djh.startsWith(u"GF"))
        previewStoredBill(djh, this);
}

void TF_Ywycgtj::btnPrintClick()
{
    ReportListSpec spec;
    const DataGrid* grid = nullptr;
    spec.summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")};
    switch (tabs->currentIndex()) {
    case 0:
        grid = gridBills;
        spec.title = QStringLiteral("业务员采购单据表");
        spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]")};
        spec.columns = {listColumn("供货商", "ghs_name", 35), listColumn("开单日期", "rq", 20), listColumn("业务员", "u_name", 16),
                        listNumber("应付金额", "yfje", 22, true), listNumber("实付金额", "sfje", 22, true), listColumn("仓库", "ck_name", 18),
                        listColumn("业务类型", "zflx", 18), listColumn("单号", "djh", 30)};
        break;
    case 1:
        grid = gridLines;
        spec.title = QStringLiteral("业务员采购商品明细表");
        spec.landscape = true;
        spec.headerLines = {QStringLiteral("采购日期：[date1] 至 [date2]")};
        spec.columns = {listColumn("供货商", "ghs_name", 28), listColumn("开单日期", "gl_kdrq", 20), listColumn("商品编号", "g_sn", 20),
                        listColumn("款型说明", "gg_name", 18), listColumn("单位", "dw_name", 10), listColumn("仓库", "ck_name", 16),
                        listColumn("商品名称", "g_name", 28), listColumn("单号", "gl_djh", 28), listNumber("单价", "gl_dj", 16, true, false),
                        listNumber("数量", "gl_sl", 14, false), listNumber("总金额", "gl_zje", 20, true), listColumn("经办人", "u_name", 14)};
        break;
    default:
        grid = gridGoods;
        spec.title = QStringLiteral("商品采购汇总表");
        spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]")};
        spec.columns = {listColumn("供货商", "ghsname", 30), listColumn("商品编号", "g_sn", 22), listColumn("商品名称", "gname", 35),
                        listColumn("单位", "dwname", 10), listColumn("款型说明", "ggname", 22), listNumber("数量", "sl", 15, false),
                        listNumber("总金额", "zje", 22, true)};
        spec.summaryLines = {QStringLiteral("共[COUNT(<frxDBDataset1>)]条记录")};
        break;
    }
    spec.headerLines << QStringLiteral("打印时间：[DATE] [TIME]");
    previewQueryList(spec, grid, period, this);
}

void TF_Ywycgtj::btnExportClick()
{
    DataGrid* grids[] = {gridBills, gridLines, gridGoods};
    grids[qBound(0, tabs->currentIndex(), 2)]->exportWithDialog();
}
