#include "sales/spxsph.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "platform/categorytree.h"
#include "platform/charts.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "shell/commands.h"
#include "stock/addjth.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

TF_Spxsph* F_Spxsph = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");
const QString kMargin = QStringLiteral("iif(xsje<>0,round(xslr*100/xsje,2),0) as lrl");
const QString kSums = QStringLiteral("sum(a.gl_sl) as xssl,sum(a.gl_zje) as xsje,sum(a.gl_lr) as xslr");
const char* const kShowFields[] = {"xsje", "xssl", "xslr"};

QString periodSql(const XsphFilter& f)
{
    return QStringLiteral(" and a.gl_kdrq>='%1' and a.gl_kdrq<='%2 23:59:59'").arg(sqlLit(f.d1), sqlLit(f.d2));
}

QString warehouseSql(const XsphFilter& f)
{
    return f.ckSn.isEmpty() || f.ckSn == QLatin1String("-1") ? QString()
                                                              : QStringLiteral(" and a.ck_sn='%1'").arg(sqlLit(f.ckSn));
}

// Code, short code or name containing the key, or the style equal to it; nothing for no key.
QString journalKeySql(const XsphFilter& f)
{
    const QString like = likeAnyOf({"a.g_sn", "a.g_jm", "a.g_name"}, f.key);
    if (like.isEmpty())
        return {};
    return QStringLiteral(" and (%1 or a.gg_name='%2')").arg(like, sqlSafe(f.key.trimmed()));
}

// The sales of the period per goods, joined to the goods that are in use and not the balancing item.
QString rankedGoods(const XsphFilter& f, const QString& extraColumns, const QString& extraJoin, const QString& where)
{
    QString s = QStringLiteral("select b.g_sn,b.g_name,b.g_kc,") + extraColumns +
                QStringLiteral("s.xssl,s.xsje,s.xslr,iif(s.xsje<>0,round(s.xslr*100/s.xsje,2),0) as lrl from (select "
                               "a.g_sn,") +
                kSums + QStringLiteral(" from jxc_goodslist a where (a.gl_flag='xs' or a.gl_flag='xt')") + periodSql(f) +
                warehouseSql(f) +
                QStringLiteral(" group by a.g_sn) s join jxc_goods b on s.g_sn=b.g_sn") + extraJoin +
                QStringLiteral(" where b.g_jy=0 and b.g_sn<>'00000000'") + where;
    const QString key = likeAnyOf({"b.g_sn", "b.g_jm", "b.g_name", "b.gg_name"}, f.key);
    if (!key.isEmpty())
        s += QStringLiteral(" and ") + key;
    return s + QStringLiteral(" order by s.xssl desc");
}

DataGrid* newGrid(const char* name, NamedQuery* q)
{
    auto* g = new DataGrid;
    g->setObjectName(QLatin1String(name));
    g->setQuery(q);
    return g;
}

void moneyColumn(DataGrid* g, const char* field, const char* caption, bool sum = true)
{
    GridColumn& c = g->addColumn(QLatin1String(field), QString::fromUtf8(caption), 100).setFormat(kMoney);
    if (sum)
        c.footerSum(QString(), kMoney);
}

QComboBox* showChoice(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->addItems({QStringLiteral("销售金额"), QStringLiteral("销售数量"), QStringLiteral("销售利润")});
    return c;
}

}  // namespace

QString xsphGoodsSql(const XsphFilter& f)
{
    return rankedGoods(f, QString(), QString(), QString());
}

QString xsphClassSql(const XsphFilter& f)
{
    return rankedGoods(f, QStringLiteral("c.gc_name,"), QStringLiteral(" left join jxc_goodsclass c on c.gc_sn=b.gc_sn"),
                       QStringLiteral(" and ifnull(b.gc_sn,'')<>'' and b.gc_sn like '%1%'").arg(sqlLit(f.gcSn)));
}

QString xsphBreakdownSql(const XsphFilter& f, int by)
{
    const QString k = sqlSafe(f.key.trimmed());
    const QString where = QStringLiteral(" where (a.gl_flag='xs' or a.gl_flag='xt')") + periodSql(f) +
                          QStringLiteral(" and (a.g_sn='%1' or a.g_name='%1' or a.gg_name='%1')").arg(k);
    if (by == 2)
        return QStringLiteral("select max(a.ghs_name) as khname,") + kSums + QStringLiteral(",") +
               QStringLiteral("iif(sum(a.gl_zje)<>0,round(sum(a.gl_lr)*100/sum(a.gl_zje),2),0) as lrl "
                              "from jxc_goodslist a") +
               where + QStringLiteral(" group by a.ghs_name order by xssl desc");
    const QString group = by == 0 ? QStringLiteral("c.kt_name") : QStringLiteral("c.z_name");
    return QStringLiteral("select max(%1) as kt_name,sum(a.gl_sl) as xssl,sum(a.gl_zje) as xsje from jxc_goodslist a "
                          "join jxc_khxx c on c.kh_sn=a.ghs_sn")
               .arg(group) +
           where + QStringLiteral(" group by %1 order by xssl desc").arg(group);
}

QString xsphCustomerSql(const XsphFilter& f)
{
    return QStringLiteral("select *,") + kMargin +
           QStringLiteral(" from (select max(a.g_sn) as gsn,max(a.g_name) as gname,max(a.ghs_name) as khname,") + kSums +
           QStringLiteral(" from jxc_goodslist a where (a.gl_flag='xs' or a.gl_flag='xt')") + periodSql(f) +
           journalKeySql(f) + QStringLiteral(" group by a.g_sn,a.ghs_sn) order by xssl desc");
}

QString xsphSlowSql(const XsphFilter& f)
{
    const QString cond = periodSql(f) + journalKeySql(f) + warehouseSql(f);
    return QStringLiteral("select b.g_sn,b.g_name,p.cgsl,s.xssl,b.g_kc,iif(p.cgsl+b.g_kc<>0,"
                          "round(s.xssl*100/(p.cgsl+b.g_kc),2),0) as zzbl from (select a.g_sn,sum(a.gl_sl) as cgsl "
                          "from jxc_goodslist a where (a.gl_flag='cj' or a.gl_flag='ct')%1 group by a.g_sn) p join "
                          "(select a.g_sn,sum(a.gl_sl) as xssl from jxc_goodslist a where (a.gl_flag='xs' or "
                          "a.gl_flag='xt')%1 group by a.g_sn) s on s.g_sn=p.g_sn join jxc_goods b on b.g_sn=p.g_sn "
                          "where b.g_jy=0 and b.g_sn<>'00000000' order by zzbl")
        .arg(cond);
}

TF_Spxsph::TF_Spxsph(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxsph"));
    setWindowTitle(QStringLiteral("商品销售排行"));

    auto* btnJh = namedButton(this, "btnJh", QStringLiteral("进货参考"));
    auto* btnTh = namedButton(this, "btnTh", QStringLiteral("退货参考"));
    auto* btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    auto* btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* toolbar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnJh, btnTh, btnPrint, btnExport, btnExit})
        toolbar->addWidget(w);
    toolbar->addStretch(1);

    grid[0] = newGrid("grid1", DataModule->Q_Xsph1);
    grid[1] = newGrid("grid2", DataModule->Q_Xsph2);
    grid[3] = newGrid("grid4", DataModule->Q_Xsph4);
    grid[4] = newGrid("grid5", DataModule->Q_Xsph5);
    grid[0]->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("品种合计："));
    grid[0]->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    grid[0]->addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存量"), 80).footerSum();
    grid[1]->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    grid[1]->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    grid[1]->addColumn(QStringLiteral("gc_name"), QStringLiteral("商品分类"), 90);
    grid[3]->addColumn(QStringLiteral("gsn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    grid[3]->addColumn(QStringLiteral("gname"), QStringLiteral("商品名称"), 140).footerCount();
    grid[3]->addColumn(QStringLiteral("khname"), QStringLiteral("客户名称"), 120);
    for (DataGrid* g : {grid[0], grid[1], grid[3]}) {
        g->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"), 80).footerSum();
        moneyColumn(g, "xsje", g == grid[3] ? "销售金额" : "总销售额");
        if (g == grid[1])
            g->addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存量"), 80).footerSum();
        moneyColumn(g, "xslr", g == grid[3] ? "销售利润" : "利润");
        g->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
    }
    grid[4]->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("品种合计："));
    grid[4]->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    grid[4]->addColumn(QStringLiteral("cgsl"), QStringLiteral("采购数量"), 80).footerSum();
    grid[4]->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"), 80).footerSum();
    grid[4]->addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存量"), 80).footerSum();
    grid[4]->addColumn(QStringLiteral("zzbl"), QStringLiteral("周转比率"), 80);
    NamedQuery* q3[] = {DataModule->Q_Xsph31, DataModule->Q_Xsph32, DataModule->Q_Xsph33};
    for (int i = 0; i < 3; ++i) {
        grid3[i] = newGrid(i == 0 ? "grid31" : i == 1 ? "grid32" : "grid33", q3[i]);
        const bool byName = i == 2;
        grid3[i]
            ->addColumn(byName ? QStringLiteral("khname") : QStringLiteral("kt_name"),
                        i == 0 ? QStringLiteral("客户类型") : i == 1 ? QStringLiteral("地区名称") : QStringLiteral("客户名称"), 140)
            .footerCount(QStringLiteral("合计："));
        grid3[i]->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"), 80).footerSum();
        moneyColumn(grid3[i], "xsje", "销售金额");
        if (byName) {
            moneyColumn(grid3[i], "xslr", "利润");
            grid3[i]->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
        }
    }
    grid[2] = grid3[0];

    auto* menu1 = new QMenu(this);
    addMenuItem(menu1, QStringLiteral("该商品客户消费排行(&X)"), "N_Khxf", this, [this] { btnRKhxfClick(); });
    addMenuItem(menu1, QStringLiteral("添加到进货参考中(&Y)"), "N_Jadd1", this, [this] { addJthClick(QStringLiteral("jadd")); });
    addMenuItem(menu1, QStringLiteral("添加到退货参考中(&Z)"), "N_Tadd1", this, [this] { addJthClick(QStringLiteral("tadd")); });
    addMenuItem(menu1, QStringLiteral("导出为Excel(&E)"), "N_Export1", this, [this] { btnExportClick(); });
    auto* menu2 = new QMenu(this);
    addMenuItem(menu2, QStringLiteral("添加到进货参考中(&Y)"), "N_Jadd2", this, [this] { addJthClick(QStringLiteral("jadd")); });
    addMenuItem(menu2, QStringLiteral("添加到退货参考中(&Z)"), "N_Tadd2", this, [this] { addJthClick(QStringLiteral("tadd")); });
    addMenuItem(menu2, QStringLiteral("导出为Excel(&E)"), "N_Export2", this, [this] { btnExportClick(); });
    auto* menu4 = new QMenu(this);
    addMenuItem(menu4, QStringLiteral("打印(&Z)"), "N_Print4", this, [this] { btnPrintClick(); });
    addMenuItem(menu4, QStringLiteral("导出为Excel(&E)"), "N_Export4", this, [this] { btnExportClick(); });
    auto* menu5 = new QMenu(this);
    addMenuItem(menu5, QStringLiteral("添加到进货参考中(&X)"), "N_Jadd5", this, [this] { addJthClick(QStringLiteral("jadd")); });
    addMenuItem(menu5, QStringLiteral("添加到退货参考中(&Y)"), "N_Tadd5", this, [this] { addJthClick(QStringLiteral("tadd")); });
    addMenuItem(menu5, QStringLiteral("导出为Excel(&E)"), "N_Export5", this, [this] { btnExportClick(); });
    addMenuItem(menu5, QStringLiteral("打印(&Z)"), "N_Print5", this, [this] { btnPrintClick(); });
    attachGridMenu(grid[0], menu1);
    attachGridMenu(grid[1], menu2);
    attachGridMenu(grid[3], menu4);
    attachGridMenu(grid[4], menu5);

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabs"));
    const char* const captions[] = {"商品基本排行", "商品分类排行", "商品明细排行", "商品销售客户排行", "滞销商品排行"};
    for (int t = 0; t < 5; ++t) {
        const QString n = QString::number(t + 1);
        period[t] = makeQueryPeriod([this] { btnSearchClick(); }, n);
        tKey[t] = new QLineEdit(this);
        tKey[t]->setObjectName(QStringLiteral("tKey") + n);
        tKey[t]->setMaxLength(50);
        tKey[t]->setPlaceholderText(QStringLiteral("回车键开始查询"));
        installKeyFilter(tKey[t]);
        tKey[t]->installEventFilter(this);
        auto* btnGoods = new QPushButton(QStringLiteral("..."), this);
        btnGoods->setObjectName(QStringLiteral("btnGoods") + n);
        auto* btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
        btnSearch->setObjectName(QStringLiteral("btnSearch") + n);
        onClicked(btnSearch, [this] { btnSearchClick(); });
        onClicked(btnGoods, [this] {
            panelGoods->raise();
            panelGoods->show();
        });
        auto* row = new QHBoxLayout;
        addQueryPeriod(row, QStringLiteral("查询日期："), period[t]);
        row->addWidget(new QLabel(QStringLiteral("商品：")));
        row->addWidget(tKey[t], 1);
        row->addWidget(btnGoods);
        if (t == 0 || t == 1 || t == 4) {
            comCk[t] = new CodeComboBox(this);
            comCk[t]->setObjectName(QStringLiteral("comCk") + n);
            row->addWidget(new QLabel(QStringLiteral("仓库：")));
            row->addWidget(comCk[t]);
            connect(comCk[t], &QComboBox::currentIndexChanged, this, [this, t] {
                if (!m_loading)
                    runGuarded([this, t] { search(t); });
            });
        }
        row->addWidget(btnSearch);
        auto* page = new QWidget;
        auto* col = new QVBoxLayout(page);
        col->addLayout(row);
        QWidget* body = grid[t];
        if (t == 0 || t == 3) {
            auto* chartPage = new QWidget;
            auto* chartCol = new QVBoxLayout(chartPage);
            auto* options = new QHBoxLayout;
            QComboBox* content = showChoice(chartPage, t == 0 ? "comShow1" : "comShow4");
            if (t == 0) {
                rbBar = new QRadioButton(QStringLiteral("柱状显示"), chartPage);
                rbBar->setObjectName(QStringLiteral("rbBar"));
                rbPie = new QRadioButton(QStringLiteral("饼状显示"), chartPage);
                rbPie->setObjectName(QStringLiteral("rbPie"));
                rbBar->setChecked(true);
                options->addWidget(rbBar);
                options->addWidget(rbPie);
                comShow1 = content;
            } else {
                comShow4 = content;
            }
            options->addWidget(new QLabel(QStringLiteral("显示内容：")));
            options->addWidget(content);
            options->addStretch(1);
            auto* chart = new QChart;
            (t == 0 ? chart1 : chart4) = chart;
            chartCol->addLayout(options);
            chartCol->addWidget(new QChartView(chart, chartPage), 1);
            auto* inner = new QTabWidget;
            inner->setObjectName(t == 0 ? QStringLiteral("inner1") : QStringLiteral("inner4"));
            inner->addTab(grid[t], QStringLiteral("表格显示"));
            inner->addTab(chartPage, QStringLiteral("图表显示"));
            (t == 0 ? inner1 : inner4) = inner;
            body = inner;
        } else if (t == 1) {
            tree = new CategoryTree;
            tree->setObjectName(QStringLiteral("tree"));
            tree->setQuery(DataModule->Q_GClass5);
            auto* box = new QGroupBox(QStringLiteral("商品类别"));
            (new QVBoxLayout(box))->addWidget(tree);
            auto* split = new QWidget;
            auto* h = new QHBoxLayout(split);
            h->addWidget(box);
            h->addWidget(grid[1], 1);
            body = split;
        } else if (t == 2) {
            auto* info = new QGroupBox(QStringLiteral("商品信息"));
            auto* h = new QHBoxLayout(info);
            const char* const labels[] = {"商品编号：", "商品名称：", "单位：", "规格型号："};
            for (int i = 0; i < 4; ++i) {
                lblGoods[i] = new QLabel(info);
                lblGoods[i]->setObjectName(QStringLiteral("lblGoods%1").arg(i + 1));
                h->addWidget(new QLabel(QString::fromUtf8(labels[i])));
                h->addWidget(lblGoods[i], 1);
            }
            tabs3 = new QTabWidget;
            tabs3->setObjectName(QStringLiteral("tabs3"));
            tabs3->addTab(grid3[0], QStringLiteral("该商品按客户类型排行"));
            tabs3->addTab(grid3[1], QStringLiteral("该商品按客户地区排行"));
            tabs3->addTab(grid3[2], QStringLiteral("该商品按客户名称排行"));
            col->addWidget(info);
            body = tabs3;
        }
        col->addWidget(body, 1);
        tabs->addTab(page, QString::fromUtf8(captions[t]));
    }

    panelGoods = new QFrame(this);
    panelGoods->setObjectName(QStringLiteral("panelGoods"));
    panelGoods->setFrameShape(QFrame::Box);
    panelGoods->setAutoFillBackground(true);
    gridGoods = newGrid("gridGoods", DataModule->Q_XsphGoods);
    gridGoods->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    gridGoods->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    gridGoods->addColumn(QStringLiteral("g_jm"), QStringLiteral("简码"), 60).setHidden();
    gridGoods->addColumn(QStringLiteral("gc_name"), QStringLiteral("商品类别"), 90);
    gridGoods->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridGoods->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridGoods->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60).setHidden();
    gridGoods->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"), 90);
    auto* btnOk = namedButton(panelGoods, "btnOk", QStringLiteral("确定(F5)"));
    auto* btnGoodsExit = namedButton(panelGoods, "btnGoodsExit", QStringLiteral("退出(Esc)"));
    auto* panelCol = new QVBoxLayout(panelGoods);
    panelCol->addWidget(gridGoods, 1);
    panelCol->addLayout(buttonRow({btnOk, btnGoodsExit}));
    panelGoods->setGeometry(120, 90, 720, 320);
    panelGoods->hide();

    auto* main = new QVBoxLayout(this);
    main->addLayout(toolbar);
    main->addWidget(tabs, 1);
    resize(1000, 640);

    onClicked(btnJh, [this] { openJth(QStringLiteral("jh")); });
    onClicked(btnTh, [this] { openJth(QStringLiteral("th")); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnOk, [this] { btnOkClick(); });
    onClicked(btnGoodsExit, [this] { panelGoods->hide(); });
    onClicked(rbBar, [this] { setTab1Chart(); });
    onClicked(rbPie, [this] { setTab1Chart(); });
    connect(gridGoods, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnOkClick(); }); });
    connect(comShow1, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { setTab1Chart(); }); });
    connect(comShow4, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { setTab4Chart(); }); });
    connect(inner1, &QTabWidget::currentChanged, this, [this](int page) {
        if (page != 1)
            return;
        const QSignalBlocker block(comShow1);
        rbBar->setChecked(true);
        comShow1->setCurrentIndex(0);
        runGuarded([this] { setTab1Chart(); });
    });
    connect(inner4, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1)
            runGuarded([this] { setTab4Chart(); });
    });
    connect(tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (!m_loading && tab > 0)
            runGuarded([this, tab] { enterTab(tab); });
    });
    connect(tabs3, &QTabWidget::currentChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { search(2); });
    });
    connect(tree, &CategoryTree::nodeClicked, this, [this] { runGuarded([this] { search(1); }); });
}

bool TF_Spxsph::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        for (int t = 0; t < 5; ++t) {
            if (watched != tKey[t])
                continue;
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                runGuarded([this] { btnSearchClick(); });
            else if (key != Qt::Key_Escape && key != Qt::Key_F2)
                goodsFilter(t);
        }
    }
    return TF_Form::eventFilter(watched, event);
}

void TF_Spxsph::goodsFilter(int tab)
{
    panelGoods->raise();
    panelGoods->show();
    gridGoods->setSearch(tKey[tab]->text(), {QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn"),
                                             QStringLiteral("gg_name")});
}

void TF_Spxsph::FormActivate()
{
    m_loading = true;
    m_handOver.clear();
    panelGoods->hide();
    period[0].fromThisMonth();
    fillCodeCombo(comCk[0], QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk[0]->setCurrentIndex(0);
    tKey[0]->clear();
    openQuery(DataModule->Q_XsphGoods, DataModule->Q_XsphGoods->designSql());
    DataModule->Q_XsphGoods->setCurrentRow(0);
    gridGoods->clearFilter();
    reloadCategoryTree(tree);
    tabs->setCurrentIndex(0);
    inner1->setCurrentIndex(0);
    search(0);
    m_loading = false;
}

void TF_Spxsph::enterTab(int tab)
{
    m_loading = true;
    period[tab].fromThisMonth();
    if (comCk[tab]) {
        fillCodeCombo(comCk[tab], QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                      QStringLiteral("id"), QStringLiteral("ck_sn"));
        comCk[tab]->setCurrentIndex(0);
    }
    tKey[tab]->clear();
    if (tab == 2)
        tabs3->setCurrentIndex(0);
    if (tab == 3) {
        tKey[3]->setText(m_handOver);
        m_handOver.clear();
        inner4->setCurrentIndex(0);
    }
    m_loading = false;
    if (tab == 2)
        pickGoods(gridGoods->currentRow());
    else
        search(tab);
}

bool TF_Spxsph::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        btnSearchClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Spxsph::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_XsphGoods, DataModule->Q_GClass5, DataModule->Q_Xsph1})
        q->close();
}

XsphFilter TF_Spxsph::filter(int tab) const
{
    return {.d1 = period[tab].d1(),
            .d2 = period[tab].d2(),
            .ckSn = comCk[tab] ? comCk[tab]->currentCode() : QString(),
            .key = tKey[tab]->text(),
            .gcSn = tab == 1 ? tree->currentCode() : QString()};
}

void TF_Spxsph::btnSearchClick()
{
    search(tabs->currentIndex());
}

void TF_Spxsph::search(int tab)
{
    const XsphFilter f = filter(tab);
    switch (tab) {
    case 0:
        openQuery(DataModule->Q_Xsph1, xsphGoodsSql(f));
        break;
    case 1:
        openQuery(DataModule->Q_Xsph2, xsphClassSql(f));
        break;
    case 2: {
        if (sqlSafe(f.key.trimmed()).isEmpty()) {
            for (QLabel* l : lblGoods)
                l->clear();
            return;
        }
        const int by = tabs3->currentIndex();
        openQuery(grid3[by]->query(), xsphBreakdownSql(f, by));
        break;
    }
    case 3:
        openQuery(DataModule->Q_Xsph4, xsphCustomerSql(f));
        if (inner4->currentIndex() == 1)
            setTab4Chart();
        break;
    default:
        openQuery(DataModule->Q_Xsph5, xsphSlowSql(f));
        break;
    }
}

void TF_Spxsph::btnOkClick()
{
    pickGoods(gridGoods->currentRow());
}

void TF_Spxsph::pickGoods(int row)
{
    panelGoods->hide();
    const int tab = tabs->currentIndex();
    if (row >= 0) {
        tKey[tab]->setText(gridGoods->value(row, QStringLiteral("g_name")));
        if (tab == 2) {
            const char* const fields[] = {"g_sn", "g_name", "dw_name", "gg_name"};
            for (int i = 0; i < 4; ++i)
                lblGoods[i]->setText(gridGoods->value(row, QLatin1String(fields[i])));
        }
    }
    search(tab);
}

void TF_Spxsph::btnRKhxfClick()
{
    const int row = grid[0]->currentRow();
    m_handOver = row >= 0 ? grid[0]->value(row, QStringLiteral("g_name")) : QString();
    tabs->setCurrentIndex(3);
}

DataGrid* TF_Spxsph::currentGrid() const
{
    const int tab = tabs->currentIndex();
    return tab == 2 ? grid3[tabs3->currentIndex()] : grid[tab];
}

void TF_Spxsph::addJthClick(const QString& word)
{
    const int tab = tabs->currentIndex();
    if (tab != 0 && tab != 1 && tab != 4)
        return;
    const int row = grid[tab]->currentRow();
    if (row < 0)
        return;
    addJth(grid[tab]->value(row, QStringLiteral("g_sn")), word, QStringLiteral("参考中已存在该商品，是否修改数量？"), this);
}

void TF_Spxsph::openJth(const QString& word)
{
    callerFlag = word;
    openWindow(QStringLiteral("TF_Kccx_Jth"), QString(), QStringLiteral("进货参考"));
    callerFlag.clear();
}

void TF_Spxsph::setTab1Chart()
{
    const int show = qBound(0, comShow1->currentIndex(), 2);
    const ChartData data =
        ChartData::fromResult(DataModule->Q_Xsph1->result(), QStringLiteral("g_name"), QLatin1String(kShowFields[show]));
    if (rbPie->isChecked()) {
        showPieChart(chart1, data, QString(), PieMarks::Percent);
    } else {
        showBarChart(chart1, data, QString(), comShow1->currentText());
    }
}

void TF_Spxsph::setTab4Chart()
{
    const int show = qBound(0, comShow4->currentIndex(), 2);
    showPieChart(chart4,
                 ChartData::fromResult(DataModule->Q_Xsph4->result(), QStringLiteral("gname"), QLatin1String(kShowFields[show])),
                 QString(), PieMarks::Percent);
}

void TF_Spxsph::btnPrintClick()
{
    const int tab = tabs->currentIndex();
    ReportListSpec spec;
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    if (comCk[tab])
        spec.headerLines[0] += QStringLiteral("  统计仓库：") + comCk[tab]->currentText().trimmed();
    switch (tab) {
    case 0:
        spec.title = QStringLiteral("商品销售排行统计");
        spec.columns = {listColumn("商品编号", "g_sn", 22), listColumn("商品名称", "g_name", 35),
                        listNumber("销售数量", "xssl", 18, false), listNumber("总销售额", "xsje", 22, true),
                        listNumber("利润", "xslr", 22, true), listNumber("总利润率(%)", "lrl", 18, true, false)};
        break;
    case 1:
        spec.title = QStringLiteral("商品销售统计排行");
        spec.columns = {listRowNumber(), listColumn("商品编号", "g_sn", 22), listColumn("商品名称", "g_name", 32),
                        listColumn("商品分类", "gc_name", 20), listNumber("销售数量", "xssl", 18, false),
                        listNumber("总销售额", "xsje", 22, true), listNumber("利润", "xslr", 22, true),
                        listNumber("总利润率(%)", "lrl", 18, true, false)};
        break;
    case 2: {
        const int by = tabs3->currentIndex();
        spec.title = by == 0 ? QStringLiteral("按客户类型统计") : by == 1 ? QStringLiteral("按所属地区统计")
                                                                         : QStringLiteral("按客户名称统计");
        spec.headerLines.insert(1, QStringLiteral("商品编号：%1  商品名称：%2  单位：%3  规格型号：%4")
                                       .arg(lblGoods[0]->text(), lblGoods[1]->text(), lblGoods[2]->text(),
                                            lblGoods[3]->text()));
        if (by < 2)
            spec.columns = {listColumn(by == 0 ? "客户类型" : "所属地区", "kt_name", 50),
                            listNumber("消费数量", "xssl", 25, false), listNumber("消费金额", "xsje", 30, true)};
        else
            spec.columns = {listColumn("客户名称", "khname", 45), listNumber("消费数量", "xssl", 22, false),
                            listNumber("消费金额", "xsje", 26, true), listNumber("利润", "xslr", 24, true),
                            listNumber("毛利率(%)", "lrl", 18, true, false)};
        break;
    }
    case 3:
        spec.title = QStringLiteral("商品销售客户排行统计");
        spec.columns = {listColumn("商品编号", "gsn", 22), listColumn("商品名称", "gname", 30),
                        listColumn("客户名称", "khname", 28), listNumber("销售数量", "xssl", 16, false),
                        listNumber("销售金额", "xsje", 22, true), listNumber("销售利润", "xslr", 22, true),
                        listNumber("总利润率(%)", "lrl", 18, true, false)};
        break;
    default:
        spec.title = QStringLiteral("商品销售排行统计");
        spec.columns = {listColumn("商品编号", "g_sn", 22), listColumn("商品名称", "g_name", 35),
                        listNumber("采购数量", "cgsl", 18, false), listNumber("销售数量", "xssl", 18, false),
                        listNumber("当前库存", "g_kc", 18, false), listNumber("周转比率(%)", "zzbl", 18, true, false)};
        break;
    }
    previewQueryList(spec, currentGrid(), period[tab], this);
}

void TF_Spxsph::btnExportClick()
{
    currentGrid()->exportWithDialog();
}
