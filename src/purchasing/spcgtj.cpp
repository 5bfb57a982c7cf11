#include "purchasing/spcgtj.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "platform/charts.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "purchasing/purchasequery.h"
#include "purchasing/spcgtj_cx.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Spcgtj* F_Spcgtj = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");

// The period and category of the lines and the category totals.
QString periodAndClass(const SpcgtjFilter& f)
{
    return QStringLiteral(" and a.gl_kdrq>='%1' and a.gl_kdrq<='%2' and b.gc_sn like '%3%'")
        .arg(sqlLit(f.d1), sqlLit(f.d2), sqlSafe(f.gcSn));
}

QString periodOnly(const SpcgtjFilter& f)
{
    return QStringLiteral(" and a.gl_kdrq>='%1' and a.gl_kdrq<='%2'").arg(sqlLit(f.d1), sqlLit(f.d2));
}

// The supplier text of the filter dialog, on the supplier `c`.
QString supplierText(const SpcgtjFilter& f)
{
    return QStringLiteral("(c.ghs_sn like '%%1%' or c.ghs_jm like '%%1%' or c.ghs_name like '%%1%')")
        .arg(sqlSafe(f.ghsText.trimmed()));
}

// The goods test and the filter dialog's conditions of tabs 1 and 2, on the journal row `a`;
// the supplier text apart (`supplierText`).
QString goodsAndDialog(const SpcgtjFilter& f)
{
    const QString key = likeAnyOf({"a.g_sn", "a.g_jm", "a.g_name", "a.gg_name"}, f.key);
    QString s = key.isEmpty() ? QString() : QStringLiteral(" and ") + key;
    if (!f.ghsSn.isEmpty())
        s += QStringLiteral(" and a.ghs_sn='%1' ").arg(sqlLit(f.ghsSn));
    if (!f.uName.isEmpty())
        s += QStringLiteral(" and a.u_name='%1' ").arg(sqlLit(f.uName));
    if (f.kind == QStringLiteral("进货单"))
        s += QStringLiteral(" and a.gl_flag='cj' ");
    else if (f.kind == QStringLiteral("退货单"))
        s += QStringLiteral(" and a.gl_flag='ct' ");
    if (!f.ckSn.isEmpty())
        s += QStringLiteral(" and a.ck_sn='%1' ").arg(sqlLit(f.ckSn));
    return s;
}

bool bySupplierText(const SpcgtjFilter& f)
{
    return f.ghsSn.isEmpty() && !f.ghsText.trimmed().isEmpty();
}

const QString kFrom = QStringLiteral(" from jxc_goodslist a,jxc_goods b,jxc_ghsxx c where a.g_sn=b.g_sn and "
                                     "a.ghs_sn=c.ghs_sn and (a.gl_flag='cj' or a.gl_flag='ct')");

// The purchase rows of the journal through the index that holds them in goods order with every
// column the totals read (ix_jxc_goodslist_purchases): a year of purchases is one pass over it.
// Its condition stands word for word, or SQLite may not use it.
const QString kPurchaseRows = QStringLiteral(
    " from jxc_goodslist a indexed by ix_jxc_goodslist_purchases where (a.gl_flag='cj' or a.gl_flag='ct')");

}  // namespace

QString spcgtjLinesSql(const SpcgtjFilter& f)
{
    QString dialog = goodsAndDialog(f);
    if (bySupplierText(f))
        dialog += QStringLiteral(" and ") + supplierText(f);
    return QStringLiteral("select a.*") + kFrom + periodAndClass(f) + dialog + QStringLiteral(" order by a.gl_kdrq desc");
}

// A row counts while its goods and its supplier are on file, as in the lines. The goods test
// depends on the goods alone, so it is made once per goods after the grouping, and the supplier
// test is a look-up in the few suppliers: the journal is never joined row by row.
QString spcgtjGoodsSql(const SpcgtjFilter& f)
{
    const QString suppliers = bySupplierText(f) ? QStringLiteral(" where ") + supplierText(f) : QString();
    return QStringLiteral("select a.g_sn,max(a.g_name) as gname,max(a.dw_name) as dwname,max(a.gg_name) as ggname,"
                          "max(a.color_name) as colorname,max(a.ghs_name) as ghsname, sum(a.gl_sl) as sl,"
                          "sum(a.gl_zje) as zje") +
           kPurchaseRows + periodOnly(f) + goodsAndDialog(f) +
           QStringLiteral(" and a.ghs_sn in (select c.ghs_sn from jxc_ghsxx c%1) group by a.g_sn "
                          "having a.g_sn in (select b.g_sn from jxc_goods b where b.gc_sn like '%2%') order by a.g_sn")
               .arg(suppliers, sqlSafe(f.gcSn));
}

// The journal summed per goods first; only those totals meet the goods and their categories.
QString spcgtjClassSql(const SpcgtjFilter& f)
{
    return QStringLiteral("select max(c.gc_name) as gcname,sum(a.sl) as sl,sum(a.zje) as zje from (select a.g_sn,"
                          "sum(a.gl_sl) as sl,sum(a.gl_zje) as zje") +
           kPurchaseRows + periodOnly(f) +
           QStringLiteral(" group by a.g_sn) a,jxc_goods b,jxc_goodsclass c where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn "
                          "and b.gc_sn like '%1%' group by b.gc_sn order by b.gc_sn")
               .arg(sqlSafe(f.gcSn));
}

TF_Spcgtj::TF_Spcgtj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Spcgtj"));
    setWindowTitle(QStringLiteral("商品采购统计"));

    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    auto* btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    auto* btnFind = namedButton(this, "btnFind", QStringLiteral("高级查找"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    period = makeQueryPeriod([this] { btnStatClick(); });
    tKey = nameBox(this, "tKey", 32);
    tKey->setPlaceholderText(QStringLiteral("回车键开始查询"));
    installKeyFilter(tKey);
    tLb = new QLineEdit(this);
    tLb->setObjectName(QStringLiteral("tLb"));
    tLb->setReadOnly(true);
    installKeyFilter(tLb);
    tLb->installEventFilter(this);
    auto* btnStat = namedButton(this, "btnStat", QStringLiteral("统计(F2)"));

    auto* toolbar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnView, btnPrint, btnExport, btnFind, btnExit})
        toolbar->addWidget(w);
    toolbar->addStretch(1);
    auto* filterRow = new QHBoxLayout;
    addQueryPeriod(filterRow, QStringLiteral("采购时间："), period);
    filterRow->addWidget(new QLabel(QStringLiteral("商品名称或编号：")));
    filterRow->addWidget(tKey, 1);
    filterRow->addWidget(new QLabel(QStringLiteral("商品类别：")));
    filterRow->addWidget(tLb);
    filterRow->addWidget(btnStat);

    auto* exportMenu = new QMenu(this);
    addMenuItem(exportMenu, QStringLiteral("导出为Excel(&E)"), "N_Export", this, [this] { btnExportClick(); });
    auto makeGrid = [&](const char* name, NamedQuery* q) {
        auto* g = new DataGrid;
        g->setObjectName(QLatin1String(name));
        g->setQuery(q);
        attachGridMenu(g, exportMenu);
        return g;
    };
    gridList = makeGrid("gridList", DataModule->Q_GList10);
    gridList->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单号"), 110).footerText(QStringLiteral("合计数："));
    gridList->addColumn(QStringLiteral("gl_kdrq"), QStringLiteral("日期"), 80).footerCount();
    gridList->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商"), 120);
    gridList->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    gridList->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 120);
    gridList->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库"), 70);
    gridList->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridList->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridList->addColumn(QStringLiteral("gl_sl"), QStringLiteral("数量"), 60).footerSum();
    gridList->addColumn(QStringLiteral("gl_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridList->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridList->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    gridGoods = makeGrid("gridGoods", DataModule->Q_GHZ);
    gridGoods->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    gridGoods->addColumn(QStringLiteral("gname"), QStringLiteral("商品名称"), 140).footerCount();
    gridGoods->addColumn(QStringLiteral("dwname"), QStringLiteral("单位"), 40);
    gridGoods->addColumn(QStringLiteral("ggname"), QStringLiteral("款型说明"), 90);
    gridGoods->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
    gridGoods->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGoods->addColumn(QStringLiteral("ghsname"), QStringLiteral("供货商名称"), 120);
    gridClass = makeGrid("gridClass", DataModule->Q_GHZ2);
    gridClass->addColumn(QStringLiteral("gcname"), QStringLiteral("类别名称"), 160);
    gridClass->addColumn(QStringLiteral("sl"), QStringLiteral("采购数量"), 90);
    gridClass->addColumn(QStringLiteral("zje"), QStringLiteral("总采购额"), 110).setFormat(kMoney);

    chart = makeBarPieChart([this] { drawChart(); });

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(gridList, QStringLiteral("商品采购明细表"));
    tabs->addTab(gridGoods, QStringLiteral("商品采购汇总表"));
    tabs->addTab(gridClass, QStringLiteral("商品采购分类统计表"));
    tabs->addTab(chart.page, QStringLiteral("商品采购额分类图表显示"));

    auto* main = new QVBoxLayout(this);
    main->addLayout(toolbar);
    main->addLayout(filterRow);
    main->addWidget(tabs, 1);
    panelClass = new CategoryPanel(DataModule->Q_GClass5, this);
    resize(1000, 620);

    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnFind, [this] { btnFindClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnStat, [this] { btnStatClick(); });
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { btnStatClick(); });
    });
    connect(gridList, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { detailClick(); }); });
    connect(panelClass, &CategoryPanel::chosen, this, [this](const QString& code, const QString& name) {
        m_gcSn = code;
        tLb->setText(name);
        runGuarded([this] { btnStatClick(); });
    });
}

bool TF_Spcgtj::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tLb && event->type() == QEvent::MouseButtonPress)
        panelClass->popUp();
    return TF_Form::eventFilter(watched, event);
}

void TF_Spcgtj::FormActivate()
{
    m_loading = true;
    curGhsSn.clear();
    m_gcSn.clear();
    m_ghsText.clear();
    m_uName.clear();
    m_kind.clear();
    m_ckSn.clear();
    panelClass->hide();
    tabs->setCurrentIndex(0);
    period.fromThisMonth();
    tKey->clear();
    tLb->setText(QStringLiteral("所有类别"));
    chart.rbBar->setChecked(true);
    panelClass->reload();
    btnStatClick();
    m_loading = false;
}

bool TF_Spcgtj::FormKeyDown(QKeyEvent* event)
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

void TF_Spcgtj::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_GClass5, DataModule->Q_GList10, DataModule->Q_GHZ, DataModule->Q_GHZ2})
        q->close();
}

SpcgtjFilter TF_Spcgtj::filter() const
{
    return {.d1 = period.d1(),
            .d2 = period.d2(),
            .gcSn = m_gcSn,
            .key = tKey->text(),
            .ghsSn = curGhsSn,
            .ghsText = m_ghsText,
            .uName = m_uName,
            .kind = m_kind,
            .ckSn = m_ckSn};
}

void TF_Spcgtj::btnStatClick()
{
    const SpcgtjFilter f = filter();
    switch (tabs->currentIndex()) {
    case 0:
        openQuery(DataModule->Q_GList10, spcgtjLinesSql(f));
        break;
    case 1:
        openQuery(DataModule->Q_GHZ, spcgtjGoodsSql(f));
        break;
    default:
        openQuery(DataModule->Q_GHZ2, spcgtjClassSql(f));
        if (tabs->currentIndex() == 3)
            drawChart();
        break;
    }
}

void TF_Spcgtj::drawChart()
{
    const ChartData data = ChartData::fromResult(DataModule->Q_GHZ2->result(), QStringLiteral("gcname"),
                                                 QStringLiteral("zje"));
    const QString title = QStringLiteral("分类采购额(%1至%2)").arg(period.d1(), period.d2());
    chart.draw(data, title, QStringLiteral("采购额(元)"));
}

void TF_Spcgtj::btnFindClick()
{
    if (tabs->currentIndex() > 1)
        return;
    choiceParam.clear();
    showForm(F_Spcgtj_Cx);
    if (choiceParam == QLatin1String("1")) {
        m_ghsText = F_Spcgtj_Cx->tGhs->text().trimmed();
        m_uName = F_Spcgtj_Cx->userName();
        m_kind = F_Spcgtj_Cx->billKind();
        m_ckSn = F_Spcgtj_Cx->warehouse();
        btnStatClick();
    }
    choiceParam.clear();
}

void TF_Spcgtj::detailClick()
{
    const int row = gridList->currentRow();
    if (row < 0)
        return;
    showLineDetail(gridList->value(row, QStringLiteral("gl_flag")), gridList->value(row, QStringLiteral("g_sn")),
                   gridList->value(row, QStringLiteral("tid")));
}

void TF_Spcgtj::btnViewClick()
{
    const int row = gridList->currentRow();
    if (tabs->currentIndex() != 0 || row < 0)
        return;
    if (const auto print = postedPurchasePrint(gridList->value(row, QStringLiteral("gl_djh"))))
        printGoodsDetail(*print, this);
}

void TF_Spcgtj::btnPrintClick()
{
    ReportListSpec spec;
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印时间：[DATE] [TIME]")};
    const DataGrid* grid = nullptr;
    switch (tabs->currentIndex()) {
    case 0:
        grid = gridList;
        spec.title = QStringLiteral("商品采购统计");
        spec.landscape = true;
        spec.columns = {listColumn("单号", "gl_djh", 30), listColumn("日期", "gl_kdrq", 20), listColumn("供货商", "ghs_name", 30),
                        listColumn("商品编号", "g_sn", 22), listColumn("商品名称", "g_name", 30), listColumn("仓库", "ck_name", 18),
                        listColumn("单位", "dw_name", 10), listColumn("款型说明", "gg_name", 20),
                        ReportListColumn(QStringLiteral("单价"), QStringLiteral("gl_dj"), 18, ReportHAlign::Right,
                                         QStringLiteral("0.00")),
                        listNumber("数量", "gl_sl", 15, false), listNumber("总金额", "gl_zje", 22, true), listColumn("经办人", "u_name", 16)};
        spec.summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")};
        break;
    case 1:
        grid = gridGoods;
        spec.title = QStringLiteral("商品采购汇总表");
        spec.columns = {listColumn("供货商", "ghsname", 30), listColumn("商品编号", "g_sn", 22), listColumn("商品名称", "gname", 35),
                        listColumn("单位", "dwname", 10), listColumn("款型说明", "ggname", 22), listNumber("数量", "sl", 15, false),
                        listNumber("总金额", "zje", 22, true)};
        spec.summaryLines = {QStringLiteral("共[COUNT(<frxDBDataset1>)]条记录")};
        break;
    case 2:
        grid = gridClass;
        spec.title = QStringLiteral("商品采购分类汇总表");
        spec.columns = {listColumn("类别名称", "gcname", 60), listNumber("采购数量", "sl", 30, false), listNumber("总采购额", "zje", 40, true)};
        spec.summaryLines = {QStringLiteral("共[COUNT(<frxDBDataset1>)]条记录")};
        break;
    default:
        return;
    }
    previewQueryList(spec, grid, period, this);
}

void TF_Spcgtj::btnExportClick()
{
    DataGrid* grids[] = {gridList, gridGoods, gridClass};
    const int tab = tabs->currentIndex();
    if (tab >= 0 && tab < 3)
        grids[tab]->exportWithDialog();
}
