#include "purchasing/cgthquery.h"

#include "bills/billprint.h"
#include "bills/querykit.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "purchasing/cgthprint.h"
#include "purchasing/cgth_zdth_search.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// " and <alias>ck_sn='…'" and " and <alias>a_name='…'" for the filters that are set.
QString extraFilters(const CgthQueryFilter& f, const char* alias)
{
    QString sql;
    if (!f.ckSn.isEmpty())
        sql += QStringLiteral(" and %1ck_sn='%2'").arg(QLatin1String(alias), sqlLit(f.ckSn));
    if (!f.opName.isEmpty())
        sql += QStringLiteral(" and %1a_name='%2'").arg(QLatin1String(alias), sqlLit(f.opName));
    return sql;
}

QString keyOf(const CgthQueryFilter& f)
{
    return sqlSafe(f.key.trimmed());
}

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

}  // namespace

QString cgthDocumentsSql(const CgthQueryFilter& f)
{
    const QString k = keyOf(f);
    return QStringLiteral("select a.*,a.th_yfje-a.th_sfje as wfje,-1*a.th_yfje as yfje,-1*a.th_sfje as sfje,b.ghs_name,"
                          "b.ghs_jm,c.ck_name,d.u_name,'采购退货' as gtype,0 as yhje from jxc_thd a,jxc_ghsxx b,"
                          "jxc_ckxx c,jxc_user d where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn "
                          "and (a.gl_djh like '%%1%' or b.ghs_name like '%%1%' or b.ghs_jm like '%%1%') "
                          "and a.th_thrq>='%2' and a.th_thrq<='%3'")
               .arg(k, sqlLit(f.d1), sqlLit(f.d2)) +
           extraFilters(f, "a.") + QStringLiteral(" order by a.id desc");
}

QString cgthLinesOfSql(const QString& djh)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,b.g_bz from jxc_thsp a,"
                          "jxc_goods b where a.g_sn=b.g_sn and a.gl_djh='%1' order by a.id")
        .arg(sqlSafe(djh));
}

QString cgthGoodsTotalsSql(const CgthQueryFilter& f)
{
    const QString k = keyOf(f);
    return QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.g_kc,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.sl,b.zje "
                          "from jxc_goods a,(select c.g_sn,sum(c.th_sl) as sl,sum(c.th_zje) as zje from jxc_thsp c,"
                          "jxc_thd d,jxc_ghsxx e where c.gl_djh=d.gl_djh and d.ghs_sn=e.ghs_sn and d.th_thrq>='%2' "
                          "and d.th_thrq<='%3' and (d.gl_djh like '%%1%' or e.ghs_name like '%%1%' or "
                          "e.ghs_jm like '%%1%')")
               .arg(k, sqlLit(f.d1), sqlLit(f.d2)) +
           extraFilters(f, "d.") + QStringLiteral(" group by c.g_sn) b where a.g_sn=b.g_sn order by a.id");
}

QString cgthGoodsJournalSql(const QString& gSn)
{
    return QStringLiteral("select *,(-1*gl_sl) as sl,(-1*gl_zje) as zje from jxc_goodslist where gl_flag='ct' "
                          "and g_sn='%1' order by id")
        .arg(sqlSafe(gSn));
}

QString cgthJournalSql(const CgthQueryFilter& f)
{
    const QString k = keyOf(f);
    return QStringLiteral("select *,(-1*gl_sl) as sl,(-1*gl_zje) as zje from jxc_goodslist where gl_flag='ct' "
                          "and (gl_djh like '%%1%' or ghs_name like '%%1%') and gl_kdrq>='%2' and gl_kdrq<='%3'")
               .arg(k, sqlLit(f.d1), sqlLit(f.d2)) +
           extraFilters(f, "") + QStringLiteral(" order by id");
}

// ---- The page ---------------------------------------------------------------------------

namespace {

DataGrid* grid(const char* name, NamedQuery* query)
{
    auto* g = new DataGrid;
    g->setObjectName(QLatin1String(name));
    g->setQuery(query);
    return g;
}

}  // namespace

CgthQueryPage::CgthQueryPage(QWidget* parent) : QWidget(parent)
{
    tKey = nameBox(this, "tKeyTh", 32);
    tKey->setPlaceholderText(QStringLiteral("回车键开始查询"));
    installKeyFilter(tKey);
    const QueryPeriod period = makeQueryPeriod([this] { runQuery(); });
    date1 = period.date1;
    date2 = period.date2;
    m_period = period;
    m_period.fromPreviousMonth();
    auto* btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));
    auto* btnSearch = namedButton(this, "btnSearch", QStringLiteral("高级查询"));
    rbDjb = new QRadioButton(QStringLiteral("单据表"));
    rbDjb->setObjectName(QStringLiteral("rbDjb"));
    rbHzb = new QRadioButton(QStringLiteral("汇总表"));
    rbHzb->setObjectName(QStringLiteral("rbHzb"));
    rbMxb = new QRadioButton(QStringLiteral("明细表"));
    rbMxb->setObjectName(QStringLiteral("rbMxb"));
    rbDjb->setChecked(true);
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnExit = namedButton(this, "btnThExit", QStringLiteral("退出"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("供货商/单据号：")));
    top->addWidget(tKey, 1);
    addQueryPeriod(top, QStringLiteral("开单日期："), m_period);
    top->addWidget(btnQuery);
    top->addWidget(btnSearch);
    top->addWidget(rbDjb);
    top->addWidget(rbHzb);
    top->addWidget(rbMxb);
    top->addWidget(btnView);
    top->addWidget(btnExit);

    // Documents, with the chosen document's lines below.
    gridThd = grid("gridThd", DataModule->Q_Thd);
    gridThd->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120).footerText(QStringLiteral("单据合计："));
    gridThd->addColumn(QStringLiteral("th_thrq"), QStringLiteral("开单日期"), 80).footerCount();
    gridThd->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商名称"), 140);
    gridThd->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 80);
    for (const auto& [field, caption] : {std::pair{"yfje", "应付金额"}, std::pair{"sfje", "实付金额"},
                                         std::pair{"wfje", "欠款金额"}, std::pair{"yhje", "优惠金额"}})
        gridThd->addColumn(QLatin1String(field), QString::fromUtf8(caption), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridThd->addColumn(QStringLiteral("gtype"), QStringLiteral("单据类型"), 70);
    gridThd->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    gridThd->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    gridThd->addColumn(QStringLiteral("th_note"), QStringLiteral("备注"), 120);
    gridThsp = grid("gridThsp", DataModule->Q_Thsp2);
    gridThsp->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110).footerText(QStringLiteral("品种合计"));
    gridThsp->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount();
    gridThsp->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    gridThsp->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    gridThsp->addColumn(QStringLiteral("th_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridThsp->addColumn(QStringLiteral("th_sl"), QStringLiteral("数量"), 60).footerSum();
    gridThsp->addColumn(QStringLiteral("th_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridThsp->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    auto* lbLines = new QLabel;
    lbLines->setObjectName(QStringLiteral("lbThLines"));
    auto* docPage = new QWidget;
    auto* docLayout = new QVBoxLayout(docPage);
    docLayout->addWidget(gridThd, 3);
    docLayout->addWidget(lbLines);
    docLayout->addWidget(gridThsp, 2);

    // Totals per goods, with the chosen goods' journal rows below.
    gridHz = grid("gridHz", DataModule->Q_GoodsHZ);
    gridHz->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    gridHz->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    gridHz->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    gridHz->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
    gridHz->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridHz->addColumn(QStringLiteral("g_kc"), QStringLiteral("库存数量"), 70).footerSum();
    gridHz->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 90);
    gridHz->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    gridHz->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"), 100);
    gridHzList = grid("gridHzList", DataModule->Q_GoodsListTh);
    auto* lbGoods = new QLabel;
    lbGoods->setObjectName(QStringLiteral("lbThGoods"));
    gridMx = grid("gridMx", DataModule->Q_GoodsList);
    // The journal views share their columns.
    for (DataGrid* g : {gridHzList, gridMx}) {
        g->addColumn(QStringLiteral("gl_kdrq"), QStringLiteral("开单日期"), 80).footerText(QStringLiteral("记录数："));
        g->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110).footerCount();
        g->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
        g->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
        g->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
        g->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
        g->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
        g->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
        g->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
        g->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
        g->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库"), 70);
        g->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
        g->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商名称"), 120);
    }
    auto* hzPage = new QWidget;
    auto* hzLayout = new QVBoxLayout(hzPage);
    hzLayout->addWidget(gridHz, 3);
    hzLayout->addWidget(lbGoods);
    hzLayout->addWidget(gridHzList, 2);

    m_views = new QStackedWidget;
    m_views->addWidget(docPage);
    m_views->addWidget(hzPage);
    m_views->addWidget(gridMx);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_views, 1);

    connect(tKey, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { runQuery(); }); });
    onClicked(btnQuery, [this] { runQuery(); });
    onClicked(btnSearch, [this] { advancedClick(); });
    onClicked(btnView, [this] { previewClick(); });
    onClicked(btnExit, [this] { emit closeRequested(); });
    for (QRadioButton* rb : {rbDjb, rbHzb, rbMxb})
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                runGuarded([this] { runQuery(); });
        });
    connect(gridThd, &DataGrid::currentRowChanged, this, [this, lbLines] {
        runGuarded([this, lbLines] {
            const int row = gridThd->currentRow();
            lbLines->setText(row < 0 ? QString()
                                     : QStringLiteral("单据的详细信息：%1  %2")
                                           .arg(gridThd->value(row, QStringLiteral("gl_djh")),
                                                gridThd->value(row, QStringLiteral("ghs_name"))));
            loadLines();
        });
    });
    connect(gridHz, &DataGrid::currentRowChanged, this, [this, lbGoods] {
        runGuarded([this, lbGoods] {
            const int row = gridHz->currentRow();
            lbGoods->setText(row < 0 ? QString()
                                     : QStringLiteral("商品退货明细：") + gridHz->value(row, QStringLiteral("g_name")));
            loadGoodsJournal();
        });
    });
    for (DataGrid* g : {gridThd, gridHz})
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { previewClick(); }); });
    for (DataGrid* g : {gridThd, gridHz, gridMx}) {
        auto* menu = new QMenu(g);
        QAction* print = menu->addAction(QStringLiteral("打印(&Z)"));
        connect(print, &QAction::triggered, this, [this] { runGuarded([this] { printListClick(); }); });
        g->view()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(g->view(), &QWidget::customContextMenuRequested, this,
                [g, menu](const QPoint& pos) { menu->popup(g->view()->viewport()->mapToGlobal(pos)); });
    }
}

CgthQueryFilter CgthQueryPage::filter() const
{
    return {.key = tKey->text(),
            .d1 = dateText(date1->date()),
            .d2 = dateText(date2->date()),
            .ckSn = m_ckSn,
            .opName = m_opName};
}

void CgthQueryPage::runQuery()
{
    const CgthQueryFilter f = filter();
    if (rbHzb->isChecked()) {
        m_views->setCurrentIndex(1);
        openQuery(DataModule->Q_GoodsHZ, cgthGoodsTotalsSql(f));
        loadGoodsJournal();
    } else if (rbMxb->isChecked()) {
        m_views->setCurrentIndex(2);
        openQuery(DataModule->Q_GoodsList, cgthJournalSql(f));
    } else {
        m_views->setCurrentIndex(0);
        openQuery(DataModule->Q_Thd, cgthDocumentsSql(f));
        loadLines();
    }
}

void CgthQueryPage::loadLines()
{
    const int row = gridThd->currentRow();
    if (row < 0)
        DataModule->Q_Thsp2->close();
    else
        openQuery(DataModule->Q_Thsp2, cgthLinesOfSql(gridThd->value(row, QStringLiteral("gl_djh"))));
}

void CgthQueryPage::loadGoodsJournal()
{
    const int row = gridHz->currentRow();
    if (row < 0)
        DataModule->Q_GoodsListTh->close();
    else
        openQuery(DataModule->Q_GoodsListTh, cgthGoodsJournalSql(gridHz->value(row, QStringLiteral("g_sn"))));
}

void CgthQueryPage::searchFor(const QString& text)
{
    tKey->setText(text);
    runQuery();
}

void CgthQueryPage::clearFilters()
{
    m_ckSn.clear();
    m_opName.clear();
}

void CgthQueryPage::setFilters(const QString& ckSn, const QString& opName)
{
    m_ckSn = ckSn == QLatin1String("-1") ? QString() : ckSn;
    m_opName = opName == QStringLiteral("所有操作员") ? QString() : opName;
}

void CgthQueryPage::advancedClick()
{
    const auto answer = runZdthSearch(QStringLiteral("cgth"));
    if (!answer)
        return;
    m_period.set(answer->d1, answer->d2);
    tKey->setText(answer->supplier);
    setFilters(answer->ckSn, answer->opName);
    runQuery();
}

QString CgthQueryPage::chosenReturn() const
{
    if (rbHzb->isChecked()) {
        const int row = gridHzList->currentRow();
        return row < 0 ? QString() : gridHzList->value(row, QStringLiteral("gl_djh"));
    }
    if (rbMxb->isChecked()) {
        const int row = gridMx->currentRow();
        return row < 0 ? QString() : gridMx->value(row, QStringLiteral("gl_djh"));
    }
    const int row = gridThd->currentRow();
    return row < 0 ? QString() : gridThd->value(row, QStringLiteral("gl_djh"));
}

void CgthQueryPage::previewClick()
{
    printGoodsDetail(cgthPostedPrint(chosenReturn()), this);
}

void CgthQueryPage::printListClick()
{
    ReportListSpec spec;
    DataGrid* shown = gridThd;
    if (rbHzb->isChecked()) {
        shown = gridHz;
        spec.title = QStringLiteral("商品采购退货汇总表");
        spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 25},
                        {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                        {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                        {QStringLiteral("数量"), QStringLiteral("sl"), 18, ReportHAlign::Right, QString(), true},
                        {QStringLiteral("总金额"), QStringLiteral("zje"), 25, ReportHAlign::Right, QStringLiteral("0.00"), true},
                        {QStringLiteral("规格型号"), QStringLiteral("gg_name"), 25}};
    } else if (rbMxb->isChecked()) {
        shown = gridMx;
        spec.title = QStringLiteral("商品采购退货明细表");
        spec.columns = {{QStringLiteral("开单日期"), QStringLiteral("gl_kdrq"), 22},
                        {QStringLiteral("单据号"), QStringLiteral("gl_djh"), 30},
                        {QStringLiteral("商品名称"), QStringLiteral("g_name"), 35},
                        {QStringLiteral("单价"), QStringLiteral("gl_dj"), 18, ReportHAlign::Right, QStringLiteral("0.00")},
                        {QStringLiteral("数量"), QStringLiteral("sl"), 15, ReportHAlign::Right, QString(), true},
                        {QStringLiteral("总金额"), QStringLiteral("zje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                        {QStringLiteral("供货商名称"), QStringLiteral("ghs_name"), 30}};
    } else {
        spec.title = QStringLiteral("采购退货单据表");
        spec.columns = {{QStringLiteral("单据号"), QStringLiteral("gl_djh"), 30},
                        {QStringLiteral("开单日期"), QStringLiteral("th_thrq"), 22},
                        {QStringLiteral("供货商名称"), QStringLiteral("ghs_name"), 35},
                        {QStringLiteral("应付金额"), QStringLiteral("yfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                        {QStringLiteral("实付金额"), QStringLiteral("sfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                        {QStringLiteral("欠款金额"), QStringLiteral("wfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                        {QStringLiteral("经办人"), QStringLiteral("u_name"), 18}};
    }
    spec.headerLines = {QStringLiteral("查询日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE]")};
    previewQueryList(spec, shown, m_period, this);
}

void CgthQueryPage::closeQueries()
{
    for (NamedQuery* q : {DataModule->Q_Thd, DataModule->Q_Thsp2, DataModule->Q_GoodsHZ, DataModule->Q_GoodsListTh,
                          DataModule->Q_GoodsList})
        q->close();
}
