#include "sales/spxstj.h"

#include "admin/djcx_print.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/charts.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "purchasing/purchasequery.h"
#include "sales/spxstj_cx.h"
#include "sales/spxstj_fx.h"
#include "sales/spxstj_gj.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

TF_Spxstj* F_Spxstj = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");
const QString kQty = QStringLiteral("0.00;-0.00");
const QString kAllGhs = QStringLiteral("全部供货商");
const QString kAllKh = QStringLiteral("全部客户");
const QString kSales = QStringLiteral(" and (a.gl_flag='xs' or a.gl_flag='xt')");
const QString kLineMargin = QStringLiteral("iif(a.gl_zje<>0,round(a.gl_lr*100/a.gl_zje,2),0) as lrl");
const QString kSumMargin = QStringLiteral("iif(sum(a.gl_zje)<>0,round(sum(a.gl_lr)*100/sum(a.gl_zje),2),0) as lrl");
const QString kCustomers = QStringLiteral("select * from jxc_khxx where kh_forbid=0 order by id");

// The period (the whole end day) and the category with its sub-categories, over journal rows
// `row` of goods `goods`.
QString periodAndClass(const QString& d1, const QString& d2, const QString& gcSn, const QString& row = QStringLiteral("a"),
                       const QString& goods = QStringLiteral("b"))
{
    QString s = QStringLiteral(" and %1.gl_kdrq>='%2' and %1.gl_kdrq<='%3 23:59:59'").arg(row, sqlLit(d1), sqlLit(d2));
    if (!gcSn.isEmpty())
        s += QStringLiteral(" and %1.gc_sn like '%2%'").arg(goods, sqlLit(gcSn));
    return s;
}

QString linesConditions(const SpxstjFilter& f)
{
    QString s = kSales + periodAndClass(f.d1, f.d2, f.gcSn);
    const QString key = likeAnyOf({"a.g_sn", "a.g_jm", "a.g_name", "a.gg_name"}, f.key);
    if (!key.isEmpty())
        s += QStringLiteral(" and ") + key;
    if (!f.ckName.isEmpty())
        s += QStringLiteral(" and a.ck_name='%1'").arg(sqlLit(f.ckName));
    if (!f.khSn.isEmpty())
        s += QStringLiteral(" and a.ghs_sn='%1'").arg(sqlLit(f.khSn));
    if (!f.cxCkName.isEmpty())
        s += QStringLiteral(" and a.ck_name='%1'").arg(sqlLit(f.cxCkName));
    if (!f.uName.isEmpty())
        s += QStringLiteral(" and a.u_name='%1'").arg(sqlLit(f.uName));
    if (f.kind == QStringLiteral("销售单"))
        s += QStringLiteral(" and a.gl_flag='xs'");
    else if (f.kind == QStringLiteral("退货单"))
        s += QStringLiteral(" and a.gl_flag='xt'");
    return s;
}

const QString kJournalGoods = QStringLiteral(" from jxc_goodslist a join jxc_goods b on a.g_sn=b.g_sn where 1=1");

QString sums(const char* qty, const char* amount, const char* profit)
{
    return QStringLiteral("sum(a.gl_sl) as %1,sum(a.gl_zje) as %2,sum(a.gl_lr) as %3,")
               .arg(QLatin1String(qty), QLatin1String(amount), QLatin1String(profit)) +
           kSumMargin;
}

// The common columns of the journal line lists.
void addLineColumns(DataGrid* g, bool withCustomer)
{
    g->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110);
    g->addColumn(QStringLiteral("gl_kdrq"), QStringLiteral("销售日期"), 80);
    if (withCustomer)
        g->addColumn(QStringLiteral("ghs_name"), QStringLiteral("客户名称"), 110);
    g->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    g->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 120);
}

void addLineAmounts(DataGrid* g)
{
    g->addColumn(QStringLiteral("gl_sl"), QStringLiteral("数量"), 60).footerSum();
    g->addColumn(QStringLiteral("gl_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    g->addColumn(QStringLiteral("gl_lr"), QStringLiteral("利润"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    g->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
}

// The supplier's and the customer's line lists.
void addPartnerLineColumns(DataGrid* g)
{
    addLineColumns(g, false);
    g->column(QStringLiteral("gl_djh"))->footerCount(QStringLiteral("记录数："));
    g->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    addLineAmounts(g);
    g->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    g->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    g->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库"), 70);
    g->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    g->addColumn(QStringLiteral("ghs_name"), QStringLiteral("客户名称"), 110);
}

// A partner box with the button beside it and the tick box "查询全部…".
QHBoxLayout* partnerRow(const QString& label, QLineEdit* box, QPushButton* button, QCheckBox* all)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label));
    row->addWidget(box, 1);
    row->addWidget(button);
    row->addWidget(all);
    return row;
}

PartnerPanel* makeSupplierPanel(QWidget* parent)
{
    PartnerPanel::Config config = supplierPanelConfig(false);
    config.columns.prepend({QStringLiteral("ghs_sn"), QStringLiteral("编号")});
    config.columns.removeLast();  // the supplier type
    config.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm")};
    config.canModify = false;
    auto* panel = new PartnerPanel(config, parent);
    panel->setObjectName(QStringLiteral("panelGhs"));
    panel->hide();
    return panel;
}

// The partner of a partner tab: none for "全部…" or an empty box; otherwise the panel's
// current row, which is the one confirmed unless the box was typed in since.
QString partnerCode(const QLineEdit* box, const QString& all, const PartnerPanel* panel)
{
    const QString text = box->text().trimmed();
    if (text.isEmpty() || text == all)
        return {};
    return panel->currentCode();
}

}  // namespace

QString spxstjLinesSql(const SpxstjFilter& f)
{
    return QStringLiteral("select a.*,") + kLineMargin + kJournalGoods + linesConditions(f) +
           QStringLiteral(" order by a.gl_kdrq desc");
}

// Grouped through a sort rather than the goods index: walking the whole journal in goods order
// to group a month's rows took seconds, sorting the period's rows a few hundredths of one.
QString spxstjGoodsSql(const SpxstjFilter& f)
{
    return QStringLiteral("select a.g_sn,max(a.g_name) as gname,max(s.ghs_name) as ghsname,") + sums("sl", "zje", "lr") +
           QStringLiteral(" from jxc_goodslist a join jxc_goods b on a.g_sn=b.g_sn left join jxc_ghsxx s on "
                          "s.ghs_sn=b.ghs_sn where 1=1") +
           linesConditions(f) + QStringLiteral(" group by +a.g_sn");
}

QString spxstjClassSql(const SpxstjFilter& f)
{
    return QStringLiteral("select b.gc_sn,max(c.gc_name) as gcname,") + sums("sl", "zje", "lr") +
           QStringLiteral(" from jxc_goodslist a join jxc_goods b on a.g_sn=b.g_sn join jxc_goodsclass c on "
                          "b.gc_sn=c.gc_sn where 1=1") +
           linesConditions(f) + QStringLiteral(" group by b.gc_sn order by b.gc_sn");
}

QString spxstjSuppliersSql(const SpxstjPartnerFilter& f)
{
    const QString cond = periodAndClass(f.d1, f.d2, f.gcSn, QStringLiteral("x"), QStringLiteral("y"));
    QString s = QStringLiteral(
                    "select a.ghs_sn,a.ghs_name,ifnull(b.jhsl2,0) as jhsl,ifnull(b.jhje2,0) as jhje,"
                    "ifnull(c.xssl2,0) as xssl,ifnull(c.xsje2,0) as xsje,ifnull(c.xslr2,0) as xslr,"
                    "iif(ifnull(b.jhsl2,0)<>0,round(ifnull(c.xssl2,0)*100/b.jhsl2,2),0) as xswcl,"
                    "iif(ifnull(c.xsje2,0)<>0,round(ifnull(c.xslr2,0)*100/c.xsje2,2),0) as lrl "
                    "from jxc_ghsxx a left join (select x.ghs_sn,sum(x.gl_sl) as jhsl2,sum(x.gl_zje) as jhje2 "
                    "from jxc_goodslist x join jxc_goods y on x.g_sn=y.g_sn join jxc_ghsxx z on y.ghs_sn=z.ghs_sn "
                    "where (x.gl_flag='cj' or x.gl_flag='ct')%1 group by x.ghs_sn) b on a.ghs_sn=b.ghs_sn "
                    "left join (select y.ghs_sn,sum(x.gl_sl) as xssl2,sum(x.gl_zje) as xsje2,sum(x.gl_lr) as xslr2 "
                    "from jxc_goodslist x join jxc_goods y on x.g_sn=y.g_sn where (x.gl_flag='xs' or x.gl_flag='xt')%1 "
                    "group by y.ghs_sn) c on a.ghs_sn=c.ghs_sn where 1=1")
                    .arg(cond);
    if (!f.partnerSn.isEmpty())
        s += QStringLiteral(" and a.ghs_sn='%1'").arg(sqlLit(f.partnerSn));
    if (!f.zone.isEmpty())
        s += QStringLiteral(" and a.z_name='%1'").arg(sqlLit(f.zone));
    if (!f.type.isEmpty())
        s += QStringLiteral(" and a.gt_name='%1'").arg(sqlLit(f.type));
    return s + QStringLiteral(" order by a.ghs_sn");
}

QString spxstjSupplierSalesSql(const SpxstjPartnerFilter& f, const QString& ghsSn)
{
    return QStringLiteral("select a.*,") + kLineMargin + kJournalGoods + kSales +
           QStringLiteral(" and b.ghs_sn='%1'").arg(sqlLit(ghsSn)) + periodAndClass(f.d1, f.d2, f.gcSn) +
           QStringLiteral(" order by a.gl_kdrq desc");
}

QString spxstjCustomersSql(const SpxstjPartnerFilter& f)
{
    QString s = QStringLiteral("select a.ghs_sn,max(a.ghs_name) as khname,") + sums("xssl", "xsje", "xslr") +
                QStringLiteral(" from jxc_goodslist a join jxc_goods b on a.g_sn=b.g_sn join jxc_khxx c on "
                               "a.ghs_sn=c.kh_sn where 1=1") +
                kSales + periodAndClass(f.d1, f.d2, f.gcSn);
    if (!f.partnerSn.isEmpty())
        s += QStringLiteral(" and a.ghs_sn='%1'").arg(sqlLit(f.partnerSn));
    if (!f.zone.isEmpty())
        s += QStringLiteral(" and c.z_name='%1'").arg(sqlLit(f.zone));
    if (!f.type.isEmpty())
        s += QStringLiteral(" and c.kt_name='%1'").arg(sqlLit(f.type));
    return s + QStringLiteral(" group by a.ghs_sn order by a.ghs_sn");
}

QString spxstjCustomerLinesSql(const SpxstjPartnerFilter& f, const QString& khSn)
{
    return QStringLiteral("select a.*,") + kLineMargin + kJournalGoods + kSales +
           QStringLiteral(" and a.ghs_sn='%1'").arg(sqlLit(khSn)) + periodAndClass(f.d1, f.d2, f.gcSn) +
           QStringLiteral(" order by a.gl_kdrq desc");
}

QString spxstjCustomerGoodsSql(const SpxstjPartnerFilter& f, const QString& khSn)
{
    return QStringLiteral("select a.g_sn,max(a.g_name) as gname,max(c.ghs_name) as ghsname,") +
           sums("xssl", "xsje", "xslr") +
           QStringLiteral(" from jxc_goodslist a join jxc_goods b on a.g_sn=b.g_sn join jxc_ghsxx c on "
                          "b.ghs_sn=c.ghs_sn join jxc_khxx d on a.ghs_sn=d.kh_sn where 1=1") +
           kSales + QStringLiteral(" and a.ghs_sn='%1'").arg(sqlLit(khSn)) + periodAndClass(f.d1, f.d2, f.gcSn) +
           QStringLiteral(" group by a.g_sn order by a.g_sn");
}

TF_Spxstj::TF_Spxstj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxstj"));
    setWindowTitle(QStringLiteral("商品销售统计"));

    auto* btnFilter = namedButton(this, "btnFilter", QStringLiteral("过滤"));
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    auto* btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    auto* btnFx = namedButton(this, "btnFx", QStringLiteral("单品分析"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* toolbar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnFilter, btnView, btnExport, btnPrint, btnFx, btnExit})
        toolbar->addWidget(w);
    toolbar->addStretch(1);

    for (int i = 0; i < 3; ++i) {
        period[i] = makeQueryPeriod([this] { btnSearchClick(); }, QString::number(i + 1));
        tLb[i] = new QLineEdit(this);
        tLb[i]->setObjectName(QStringLiteral("tLb%1").arg(i + 1));
        tLb[i]->setReadOnly(true);
        tLb[i]->installEventFilter(this);
    }
    auto searchButton = [this](int tab) {
        auto* b = new QPushButton(QStringLiteral("查询(F2)"), this);
        b->setObjectName(QStringLiteral("btnSearch%1").arg(tab));
        onClicked(b, [this] { btnSearchClick(); });
        return b;
    };
    auto filterRow = [&](int tab, QBoxLayout* col) {
        auto* row = new QHBoxLayout;
        addQueryPeriod(row, QStringLiteral("查询日期："), period[tab]);
        row->addWidget(new QLabel(QStringLiteral("商品类别：")));
        row->addWidget(tLb[tab]);
        col->addLayout(row);
        return row;
    };

    // The lines, goods, categories and chart.
    auto* page1 = new QWidget;
    auto* col1 = new QVBoxLayout(page1);
    auto* row1 = filterRow(0, col1);
    tKey = nameBox(this, "tKey", 50);
    installKeyFilter(tKey);
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    row1->insertWidget(0, tKey);
    row1->insertWidget(0, new QLabel(QStringLiteral("商品名称或编号：")));
    row1->addWidget(new QLabel(QStringLiteral("仓库：")));
    row1->addWidget(comCk);
    row1->addWidget(searchButton(1));

    auto* menu1 = new QMenu(this);
    addMenuItem(menu1, QStringLiteral("单品分析(&Y)"), "N_Fx", this, [this] { btnFxClick(); });
    addMenuItem(menu1, QStringLiteral("查看单据(&Z)"), "N_View", this, [this] { btnViewClick(); });
    addMenuItem(menu1, QStringLiteral("导出Excel(&E)"), "N_Export", this, [this] { btnExportClick(); });
    auto* exportMenu = new QMenu(this);
    addMenuItem(exportMenu, QStringLiteral("导出Excel(&E)"), "N_Export2", this, [this] { btnExportClick(); });
    auto makeGrid = [](const char* name, NamedQuery* q, QMenu* menu) {
        auto* g = new DataGrid;
        g->setObjectName(QLatin1String(name));
        g->setQuery(q);
        if (menu)
            attachGridMenu(g, menu);
        return g;
    };
    gridList = makeGrid("gridList", DataModule->Q_Xstj1, menu1);
    addLineColumns(gridList, true);
    gridList->column(QStringLiteral("gl_djh"))->footerCount(QStringLiteral("合计："));
    gridList->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridList->addColumn(QStringLiteral("gl_dj"), QStringLiteral("销售单价"), 70).setFormat(kMoney);
    addLineAmounts(gridList);
    gridList->column(QStringLiteral("gl_sl"))->setCaption(QStringLiteral("销售数量"));
    gridList->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    gridList->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 70);
    gridList->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridGoods = makeGrid("gridGoods", DataModule->Q_Xstj2, menu1);
    gridGoods->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("品种合计："));
    gridGoods->addColumn(QStringLiteral("gname"), QStringLiteral("商品名称"), 140);
    gridGoods->addColumn(QStringLiteral("ghsname"), QStringLiteral("最近供货商名称"), 120);
    gridClass = makeGrid("gridClass", DataModule->Q_Xstj3, nullptr);
    gridClass->addColumn(QStringLiteral("gcname"), QStringLiteral("类别名称"), 160).footerCount(QStringLiteral("品种合计："));
    for (DataGrid* g : {gridGoods, gridClass}) {
        g->addColumn(QStringLiteral("sl"), QStringLiteral("销售数量"), 80).setFormat(kQty).footerSum(QString(), kQty);
        g->addColumn(QStringLiteral("zje"), QStringLiteral("总销售额"), 100).setFormat(kMoney).footerSum(QString(), kMoney);
        g->addColumn(QStringLiteral("lr"), QStringLiteral("利润"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
        g->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
    }
    chart = makeBarPieChart([this] { drawChart(); });
    tabs1 = new QTabWidget;
    tabs1->setObjectName(QStringLiteral("tabs1"));
    tabs1->addTab(gridList, QStringLiteral("销售商品明细表"));
    tabs1->addTab(gridGoods, QStringLiteral("销售商品汇总表"));
    tabs1->addTab(gridClass, QStringLiteral("销售商品分类统计表"));
    tabs1->addTab(chart.page, QStringLiteral("分类销售额图表显示"));
    col1->addWidget(tabs1, 1);

    // Per supplier.
    auto* page2 = new QWidget;
    auto* col2 = new QVBoxLayout(page2);
    auto* row2 = filterRow(1, col2);
    tGhs = nameBox(this, "tGhs", 50);
    installKeyFilter(tGhs);
    tGhs->installEventFilter(this);
    auto* btnGhs = namedButton(this, "btnGhs", QStringLiteral("..."));
    cbAllGhs = new QCheckBox(QStringLiteral("查询全部供货商"), this);
    cbAllGhs->setObjectName(QStringLiteral("cbAllGhs"));
    row2->insertLayout(0, partnerRow(QStringLiteral("供货商名称："), tGhs, btnGhs, cbAllGhs));
    auto* btnGj2 = namedButton(this, "btnGj2", QStringLiteral("高级查询"));
    row2->addWidget(searchButton(2));
    row2->addWidget(btnGj2);
    gridGhs = makeGrid("gridGhs", DataModule->Q_XstjGhs, exportMenu);
    gridGhs->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商名称"), 140).footerCount(QStringLiteral("供货商数："));
    gridGhs->addColumn(QStringLiteral("jhsl"), QStringLiteral("进货数量"), 70).footerSum();
    gridGhs->addColumn(QStringLiteral("jhje"), QStringLiteral("进货金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGhs->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"), 70).footerSum();
    gridGhs->addColumn(QStringLiteral("xsje"), QStringLiteral("销售金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGhs->addColumn(QStringLiteral("xswcl"), QStringLiteral("销售完成率(%)"), 90);
    gridGhs->addColumn(QStringLiteral("xslr"), QStringLiteral("销售利润"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGhs->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
    lblGhsMx = new QLabel(this);
    lblGhsMx->setObjectName(QStringLiteral("lblGhsMx"));
    gridGhsMx = makeGrid("gridGhsMx", DataModule->Q_XstjGhsMx, nullptr);
    addPartnerLineColumns(gridGhsMx);
    col2->addWidget(gridGhs, 1);
    col2->addWidget(new QLabel(QStringLiteral("说明：若某商品从多个供货商处进货，统计时，最后一次采购的供货商，将作为该商品的供货商。")));
    col2->addWidget(lblGhsMx);
    col2->addWidget(gridGhsMx, 1);
    panelGhs = makeSupplierPanel(page2);

    // Per customer.
    auto* page3 = new QWidget;
    auto* col3 = new QVBoxLayout(page3);
    auto* row3 = filterRow(2, col3);
    tKh = nameBox(this, "tKh", 50);
    installKeyFilter(tKh);
    tKh->installEventFilter(this);
    auto* btnKh = namedButton(this, "btnKh", QStringLiteral("..."));
    cbAllKh = new QCheckBox(QStringLiteral("查询全部客户"), this);
    cbAllKh->setObjectName(QStringLiteral("cbAllKh"));
    row3->insertLayout(0, partnerRow(QStringLiteral("客户名称："), tKh, btnKh, cbAllKh));
    auto* btnGj3 = namedButton(this, "btnGj3", QStringLiteral("高级查询"));
    row3->addWidget(searchButton(3));
    row3->addWidget(btnGj3);
    gridKh = makeGrid("gridKh", DataModule->Q_XstjKh, exportMenu);
    gridKh->addColumn(QStringLiteral("khname"), QStringLiteral("客户名称"), 160).footerCount(QStringLiteral("客户数："));
    gridKh->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"), 80).footerSum();
    gridKh->addColumn(QStringLiteral("xsje"), QStringLiteral("销售金额"), 100).setFormat(kMoney).footerSum(QString(), kMoney);
    gridKh->addColumn(QStringLiteral("xslr"), QStringLiteral("销售利润"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridKh->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
    lblKh = new QLabel(this);
    lblKh->setObjectName(QStringLiteral("lblKh"));
    rbMx = new QRadioButton(QStringLiteral("明细表"), this);
    rbMx->setObjectName(QStringLiteral("rbMx"));
    rbHz = new QRadioButton(QStringLiteral("汇总表"), this);
    rbHz->setObjectName(QStringLiteral("rbHz"));
    rbTb = new QRadioButton(QStringLiteral("图表"), this);
    rbTb->setObjectName(QStringLiteral("rbTb"));
    rbMx->setChecked(true);
    gridKhMx = makeGrid("gridKhMx", DataModule->Q_XstjKhMx, nullptr);
    addPartnerLineColumns(gridKhMx);
    gridKhHz = makeGrid("gridKhHz", DataModule->Q_XstjKhHz, nullptr);
    gridKhHz->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    gridKhHz->addColumn(QStringLiteral("gname"), QStringLiteral("商品名称"), 140).footerCount();
    gridKhHz->addColumn(QStringLiteral("ghsname"), QStringLiteral("供货商名称"), 120);
    gridKhHz->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"), 80).footerSum();
    gridKhHz->addColumn(QStringLiteral("xsje"), QStringLiteral("销售金额"), 100).setFormat(kMoney).footerSum(QString(), kMoney);
    gridKhHz->addColumn(QStringLiteral("xslr"), QStringLiteral("销售利润"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridKhHz->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
    auto* chartPage = new QWidget;
    comShow = new QComboBox(chartPage);
    comShow->setObjectName(QStringLiteral("comShow"));
    comShow->addItems({QStringLiteral("销售金额"), QStringLiteral("销售数量"), QStringLiteral("销售利润")});
    chartKh = new QChart;
    auto* chartCol = new QVBoxLayout(chartPage);
    auto* showRow = new QHBoxLayout;
    showRow->addWidget(new QLabel(QStringLiteral("显示内容：")));
    showRow->addWidget(comShow);
    showRow->addStretch(1);
    chartCol->addLayout(showRow);
    chartCol->addWidget(new QChartView(chartKh, chartPage), 1);
    stackKh = new QStackedWidget;
    stackKh->addWidget(gridKhMx);
    stackKh->addWidget(gridKhHz);
    stackKh->addWidget(chartPage);
    auto* khRow = new QHBoxLayout;
    khRow->addWidget(lblKh, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{rbMx, rbHz, rbTb})
        khRow->addWidget(w);
    col3->addWidget(gridKh, 1);
    col3->addLayout(khRow);
    col3->addWidget(stackKh, 1);
    panelKh = makeCustomerPanel(DataModule->Q_XstjKhxx, kCustomers, page3);

    tabsTop = new QTabWidget;
    tabsTop->setObjectName(QStringLiteral("tabsTop"));
    tabsTop->addTab(page1, QStringLiteral("商品销售统计表"));
    tabsTop->addTab(page2, QStringLiteral("按供货商统计"));
    tabsTop->addTab(page3, QStringLiteral("按客户统计"));
    auto* main = new QVBoxLayout(this);
    main->addLayout(toolbar);
    main->addWidget(tabsTop, 1);
    panelClass = new CategoryPanel(DataModule->Q_GClass5, this);
    resize(1040, 660);

    onClicked(btnFilter, [this] { btnFilterClick(); });
    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnFx, [this] { btnFxClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnGj2, [this] { btnGjClick(); });
    onClicked(btnGj3, [this] { btnGjClick(); });
    onClicked(btnGhs, [this] { panelGhs->showFiltered(QString()); });
    onClicked(btnKh, [this] { panelKh->showFiltered(QString()); });
    connect(tabsTop, &QTabWidget::currentChanged, this, [this](int tab) {
        if (!m_loading && tab > 0)
            runGuarded([this, tab] { enterTab(tab); });
    });
    connect(tabs1, &QTabWidget::currentChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { searchLines(); });
    });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { searchLines(); });
    });
    connect(gridList, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { detailClick(); }); });
    connect(gridGoods, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnFxClick(); }); });
    connect(gridGhsMx, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
    connect(gridGhs, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { ghsRowChanged(); }); });
    connect(gridKh, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { khRowChanged(); }); });
    for (QRadioButton* rb : {rbMx, rbHz, rbTb})
        connect(rb, &QRadioButton::clicked, this, [this] { runGuarded([this] { khRowChanged(); }); });
    connect(comShow, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { drawKhChart(); }); });
    connect(panelClass, &CategoryPanel::chosen, this, [this](const QString& code, const QString& name) {
        const int tab = tabsTop->currentIndex();
        m_gcSn[tab] = code;
        tLb[tab]->setText(name);
        runGuarded([this] { btnSearchClick(); });
    });
    connect(panelGhs, &PartnerPanel::chosen, this, [this](const QString&, const QString& name) {
        tGhs->setText(name);
        runGuarded([this] { searchSuppliers(); });
    });
    connect(panelKh, &PartnerPanel::chosen, this, [this](const QString&, const QString& name) {
        tKh->setText(name);
        runGuarded([this] { searchCustomers(); });
    });
    connect(cbAllGhs, &QCheckBox::clicked, this, [this](bool on) {
        if (!on)
            return;
        tGhs->setText(kAllGhs);
        panelGhs->hide();
        runGuarded([this] { searchSuppliers(); });
    });
    connect(cbAllKh, &QCheckBox::clicked, this, [this](bool on) {
        if (!on)
            return;
        tKh->setText(kAllKh);
        panelKh->hide();
        runGuarded([this] { searchCustomers(); });
    });
}

bool TF_Spxstj::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (QLineEdit* box : tLb)
            if (watched == box)
                panelClass->popUp();
    }
    if (event->type() == QEvent::KeyRelease && (watched == tGhs || watched == tKh)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Escape && key != Qt::Key_F2 && key != Qt::Key_Return && key != Qt::Key_Enter) {
            QCheckBox* all = watched == tGhs ? cbAllGhs : cbAllKh;
            all->setChecked(false);
            (watched == tGhs ? panelGhs : panelKh)->showFiltered(static_cast<QLineEdit*>(watched)->text());
        }
    }
    return TF_Form::eventFilter(watched, event);
}

void TF_Spxstj::FormActivate()
{
    m_loading = true;
    m_khSn.clear();
    curKhSn.clear();
    for (int i = 0; i < 3; ++i)
        m_gcSn[i].clear();
    tLb[0]->setText(QStringLiteral("所有类别"));
    tKey->clear();
    period[0].fromThisMonth();
    panelClass->hide();
    panelGhs->hide();
    panelKh->hide();
    panelClass->reload();
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    tabsTop->setCurrentIndex(0);
    tabs1->setCurrentIndex(0);
    chart.rbBar->setChecked(true);
    searchLines();
    m_loading = false;
}

bool TF_Spxstj::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        btnSearchClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        if (panelGhs->isVisible() || panelKh->isVisible() || panelClass->isVisible()) {
            panelGhs->hide();
            panelKh->hide();
            panelClass->hide();
        } else {
            close();
        }
        return true;
    }
    return false;
}

void TF_Spxstj::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_GClass5, DataModule->Q_Xstj1, DataModule->Q_Xstj2, DataModule->Q_Xstj3,
                          DataModule->Q_XstjGhs, DataModule->Q_XstjGhsMx, DataModule->Q_XstjKh, DataModule->Q_XstjKhMx,
                          DataModule->Q_XstjKhHz, DataModule->Q_Ghsxx, DataModule->Q_XstjKhxx})
        q->close();
}

SpxstjFilter TF_Spxstj::filter() const
{
    return {.d1 = period[0].d1(),
            .d2 = period[0].d2(),
            .gcSn = m_gcSn[0],
            .key = tKey->text(),
            .ckName = comCk->currentIsAll() ? QString() : comCk->currentText(),
            .khSn = m_khSn,
            .cxCkName = m_cxCkName,
            .uName = m_uName,
            .kind = m_kind};
}

SpxstjPartnerFilter TF_Spxstj::partnerFilter(int tab) const
{
    const bool ghs = tab == 1;
    return {.d1 = period[tab].d1(),
            .d2 = period[tab].d2(),
            .gcSn = m_gcSn[tab],
            .partnerSn = ghs ? partnerCode(tGhs, kAllGhs, panelGhs) : partnerCode(tKh, kAllKh, panelKh),
            .zone = m_zone,
            .type = m_type};
}

void TF_Spxstj::btnSearchClick()
{
    switch (tabsTop->currentIndex()) {
    case 0:
        searchLines();
        break;
    case 1:
        searchSuppliers();
        break;
    default:
        searchCustomers();
        break;
    }
}

void TF_Spxstj::searchLines()
{
    const SpxstjFilter f = filter();
    switch (tabs1->currentIndex()) {
    case 0:
        openQuery(DataModule->Q_Xstj1, spxstjLinesSql(f));
        break;
    case 1:
        openQuery(DataModule->Q_Xstj2, spxstjGoodsSql(f));
        break;
    default:
        openQuery(DataModule->Q_Xstj3, spxstjClassSql(f));
        if (tabs1->currentIndex() == 3)
            drawChart();
        break;
    }
}

void TF_Spxstj::enterTab(int tab)
{
    m_loading = true;
    m_zone.clear();
    m_type.clear();
    m_gcSn[tab].clear();
    tLb[tab]->setText(QStringLiteral("所有类别"));
    period[tab].fromThisMonth();
    if (tab == 1) {
        curGhsSn.clear();
        tGhs->setText(kAllGhs);
        cbAllGhs->setChecked(false);
        panelGhs->reload();
    } else {
        curKhSn.clear();
        tKh->setText(kAllKh);
        cbAllKh->setChecked(false);
        rbMx->setChecked(true);
        panelKh->reload();
    }
    m_loading = false;
    btnSearchClick();
}

void TF_Spxstj::searchSuppliers()
{
    const SpxstjPartnerFilter f = partnerFilter(1);
    curGhsSn = f.partnerSn;
    openQuery(DataModule->Q_XstjGhs, spxstjSuppliersSql(f));  // the grid's row change builds the lower list
}

void TF_Spxstj::ghsRowChanged()
{
    const int row = gridGhs->currentRow();
    if (row < 0) {
        lblGhsMx->setText(QStringLiteral("供货商商品销售明细："));
        DataModule->Q_XstjGhsMx->close();
        return;
    }
    lblGhsMx->setText(QStringLiteral("供货商商品销售明细：") + gridGhs->value(row, QStringLiteral("ghs_name")));
    openQuery(DataModule->Q_XstjGhsMx,
              spxstjSupplierSalesSql(partnerFilter(1), gridGhs->value(row, QStringLiteral("ghs_sn"))));
}

void TF_Spxstj::searchCustomers()
{
    const SpxstjPartnerFilter f = partnerFilter(2);
    curKhSn = f.partnerSn;
    openQuery(DataModule->Q_XstjKh, spxstjCustomersSql(f));  // the grid's row change builds the lower area
}

DataGrid* TF_Spxstj::khGrid() const
{
    return rbMx->isChecked() ? gridKhMx : rbHz->isChecked() ? gridKhHz : nullptr;
}

void TF_Spxstj::khRowChanged()
{
    stackKh->setCurrentIndex(rbMx->isChecked() ? 0 : rbHz->isChecked() ? 1 : 2);
    const int row = gridKh->currentRow();
    if (row < 0) {
        lblKh->setText(QStringLiteral("客户销售商品："));
        DataModule->Q_XstjKhMx->close();
        DataModule->Q_XstjKhHz->close();
        clearChart(chartKh);
        return;
    }
    lblKh->setText(QStringLiteral("客户销售商品：") + gridKh->value(row, QStringLiteral("khname")));
    const QString khSn = gridKh->value(row, QStringLiteral("ghs_sn"));
    if (rbMx->isChecked()) {
        openQuery(DataModule->Q_XstjKhMx, spxstjCustomerLinesSql(partnerFilter(2), khSn));
    } else {
        openQuery(DataModule->Q_XstjKhHz, spxstjCustomerGoodsSql(partnerFilter(2), khSn));
        if (rbTb->isChecked())
            drawKhChart();
    }
}

void TF_Spxstj::drawChart()
{
    const ChartData data = ChartData::fromResult(DataModule->Q_Xstj3->result(), QStringLiteral("gcname"),
                                                 QStringLiteral("zje"));
    const QString title = QStringLiteral("分类销售额(%1至%2) 统计仓库：%3").arg(period[0].d1(), period[0].d2(), comCk->currentText());
    chart.draw(data, title, QStringLiteral("销售额(元)"));
}

void TF_Spxstj::drawKhChart()
{
    if (!rbTb->isChecked())
        return;
    static const char* const kFields[] = {"xsje", "xssl", "xslr"};
    const ChartData data = ChartData::fromResult(DataModule->Q_XstjKhHz->result(), QStringLiteral("gname"),
                                                 QLatin1String(kFields[qBound(0, comShow->currentIndex(), 2)]));
    showPieChart(chartKh, data, QString(), PieMarks::Percent);
}

void TF_Spxstj::btnFilterClick()
{
    if (tabsTop->currentIndex() != 0)
        return;
    choiceParam.clear();
    showForm(F_Spxstj_Cx);
    m_khSn = curKhSn;
    if (choiceParam == QLatin1String("1")) {
        m_cxCkName = F_Spxstj_Cx->warehouseName();
        m_kind = F_Spxstj_Cx->billKind();
        m_uName = F_Spxstj_Cx->userName();
        m_loading = true;
        comCk->setCurrentIndex(m_cxCkName.isEmpty() ? 0 : qMax(0, comCk->findText(m_cxCkName)));
        m_loading = false;
        searchLines();
    }
    choiceParam.clear();
}

void TF_Spxstj::btnGjClick()
{
    const int tab = tabsTop->currentIndex();
    if (tab == 0)
        return;
    SpxstjGjDialog* dialog = nullptr;
    if (tab == 1) {
        showForm(F_Spxstj_Ghs);
        dialog = F_Spxstj_Ghs;
    } else {
        showForm(F_Spxstj_Kh);
        dialog = F_Spxstj_Kh;
    }
    m_zone = dialog->zone();
    m_type = dialog->type();
    btnSearchClick();
}

void TF_Spxstj::detailClick()
{
    const int row = gridList->currentRow();
    if (row < 0)
        return;
    showLineDetail(gridList->value(row, QStringLiteral("gl_djh")), gridList->value(row, QStringLiteral("g_sn")),
                   gridList->value(row, QStringLiteral("tid")));
}

void TF_Spxstj::btnViewClick()
{
    const DataGrid* grid = nullptr;
    switch (tabsTop->currentIndex()) {
    case 0:
        grid = tabs1->currentIndex() == 0 ? gridList : nullptr;
        break;
    case 1:
        grid = gridGhsMx;
        break;
    default:
        grid = rbMx->isChecked() ? gridKhMx : nullptr;
        break;
    }
    const int row = grid ? grid->currentRow() : -1;
    if (row < 0)
        return;
    const QString djh = grid->value(row, QStringLiteral("gl_djh"));
    if (djh.startsWith(QLatin1String("XS")) || djh.startsWith(QLatin1String("XT")))
        previewDocument(djh, this);
}

void TF_Spxstj::btnFxClick()
{
    const DataGrid* grid = nullptr;
    QString nameField = QStringLiteral("g_name");
    if (tabsTop->currentIndex() == 0) {
        grid = tabs1->currentIndex() == 0 ? gridList : tabs1->currentIndex() == 1 ? gridGoods : nullptr;
        if (grid == gridGoods)
            nameField = QStringLiteral("gname");
    } else if (tabsTop->currentIndex() == 2) {
        grid = khGrid();
        if (grid == gridKhHz)
            nameField = QStringLiteral("gname");
    }
    const int row = grid ? grid->currentRow() : -1;
    if (row < 0)
        return;
    openSpxstjFx(grid->value(row, QStringLiteral("g_sn")), grid->value(row, nameField));
}

void TF_Spxstj::btnPrintClick()
{
    ReportListSpec spec;
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    const DataGrid* grid = nullptr;
    const int tab = tabsTop->currentIndex();
    const QString count = QStringLiteral("共[COUNT(<frxDBDataset1>)]条记录");
    if (tab == 0) {
        spec.headerLines[0] += QStringLiteral("  统计仓库：") + comCk->currentText().trimmed();
        switch (tabs1->currentIndex()) {
        case 0:
            grid = gridList;
            spec.title = QStringLiteral("销售统计报表");
            spec.landscape = true;
            spec.columns = {listRowNumber(), listColumn("单据号", "gl_djh", 28), listColumn("开单日期", "gl_kdrq", 20),
                            listColumn("商品编号", "g_sn", 20), listColumn("商品名称", "g_name", 28),
                            listColumn("单位", "dw_name", 10), listNumber("单价", "gl_dj", 16, true, false),
                            listNumber("数量", "gl_sl", 14, false), listNumber("总金额", "gl_zje", 20, true),
                            listNumber("利润", "gl_lr", 18, true), listNumber("毛利率", "lrl", 14, true, false),
                            listColumn("经办人", "u_name", 14), listColumn("仓库名称", "ck_name", 18),
                            listColumn("客户名称", "ghs_name", 24)};
            break;
        case 1:
            grid = gridGoods;
            spec.title = QStringLiteral("销售商品汇总表");
            spec.columns = {listRowNumber(), listColumn("商品编号", "g_sn", 22), listColumn("商品名称", "gname", 32),
                            listNumber("数量", "sl", 15, false), listNumber("总金额", "zje", 22, true),
                            listNumber("利润", "lr", 20, true), listColumn("供货商", "ghsname", 30)};
            break;
        case 2:
            grid = gridClass;
            spec.title = QStringLiteral("销售商品分类统计表");
            spec.columns = {listRowNumber(), listColumn("类别名称", "gcname", 40), listNumber("销售数量", "sl", 22, false),
                            listNumber("总销售额", "zje", 28, true), listNumber("利润", "lr", 25, true),
                            listNumber("利润率", "lrl", 18, true, false)};
            break;
        default:
            return;
        }
    } else if (tab == 1) {
        grid = gridGhs;
        spec.title = QStringLiteral("供货商商品销售利润统计报表");
        spec.landscape = true;
        spec.columns = {listColumn("供货商名称", "ghs_name", 40), listNumber("采购数量", "jhsl", 18, false),
                        listNumber("采购金额", "jhje", 24, true), listNumber("销售数量", "xssl", 18, false),
                        listNumber("销售金额", "xsje", 24, true), listNumber("销售完成比率(%)", "xswcl", 22, true, false),
                        listNumber("销售利润", "xslr", 24, true), listNumber("毛利率(%)", "lrl", 18, true, false)};
    } else {
        grid = gridKh;
        spec.title = QStringLiteral("客户销售利润统计报表");
        spec.columns = {listColumn("客户名称", "khname", 45), listNumber("销售数量", "xssl", 20, false),
                        listNumber("销售金额", "xsje", 26, true), listNumber("销售利润", "xslr", 26, true),
                        listNumber("毛利率(%)", "lrl", 20, true, false)};
    }
    spec.summaryLines = {count};
    previewQueryList(spec, grid, period[tab], this);
}

void TF_Spxstj::btnExportClick()
{
    DataGrid* grid = nullptr;
    switch (tabsTop->currentIndex()) {
    case 0: {
        DataGrid* grids[] = {gridList, gridGoods, gridClass};
        if (tabs1->currentIndex() < 3)
            grid = grids[tabs1->currentIndex()];
        break;
    }
    case 1:
        grid = gridGhs;
        break;
    default:
        grid = gridKh;
        break;
    }
    if (grid)
        grid->exportWithDialog();
}
