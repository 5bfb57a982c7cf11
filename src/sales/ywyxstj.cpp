#include "sales/ywyxstj.h"

#include "bills/billprint.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "masterdata/salesman.h"
#include "platform/charts.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "purchasing/purchasequery.h"
#include "sales/spxsprint.h"
#include "sales/ywyxstj_cx.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <algorithm>
#include <numeric>

TF_Ywyxstj* F_Ywyxstj = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");
const QString kAllStaff = QStringLiteral("所有员工");

// The journal's kind flags are matched in any case: "xs" also finds "XS".
QString flagIn(std::initializer_list<const char*> flags)
{
    QStringList items;
    for (const char* f : flags) {
        const QString lower = QString::fromLatin1(f).toLower();
        for (const QString& v : {lower, lower.toUpper(), lower.left(1) + lower.mid(1).toUpper(),
                                 lower.left(1).toUpper() + lower.mid(1)})
            if (!items.contains(QLatin1Char('\'') + v + QLatin1Char('\'')))
                items << QLatin1Char('\'') + v + QLatin1Char('\'');
    }
    return QStringLiteral("gl_flag in (%1)").arg(items.join(u','));
}

QString periodOf(const QString& column, const YwyxstjFilter& f)
{
    return QStringLiteral(" %1>='%2' and %1<='%3 23:59:59' ").arg(column, sqlLit(f.d1), sqlLit(f.d2));
}

QString periodOf(const QString& column, const QString& d1, const QString& d2)
{
    return QStringLiteral(" %1>='%2' and %1<='%3 23:59:59' ").arg(column, sqlLit(d1), sqlLit(d2));
}

QString equalTo(const char* column, const QString& value)
{
    return value.isEmpty() ? QString() : QStringLiteral(" and %1='%2' ").arg(QLatin1String(column), sqlLit(value));
}

// A sales bill or customer return arm of the bill list: its journal rows of the period grouped
// by number, the header's amounts beside them. Every condition is tested inside the arm, on
// the same rows the whole list would test them on.
QString journalBillArm(const YwyxstjFilter& f, const char* header, const char* due, const char* received,
                       const char* note, const char* kind)
{
    return QStringLiteral("select a.gl_djh as djh,max(a.ghs_sn) as khsn,max(a.ghs_name) as khname,max(a.gl_kdrq) as rq,"
                          "max(%2) as yfje,max(%3) as sfje,sum(a.gl_lr) as lr,'%5' as fktype,max(a.u_name) as uname,"
                          "max(b.%4) as dnote,max(a.a_name) as aname,max(a.ck_name) as ckname from jxc_goodslist a "
                          "join %1 b on a.gl_djh=b.gl_djh where")
               .arg(QLatin1String(header), QLatin1String(due), QLatin1String(received), QLatin1String(note),
                    QString::fromUtf8(kind)) +
           periodOf(QStringLiteral("a.gl_kdrq"), f) + equalTo("a.u_name", f.uName) + equalTo("a.ghs_sn", f.khSn) +
           equalTo("a.ck_name", f.ckName) + QStringLiteral(" group by a.gl_djh");
}

}  // namespace

QString ywyxstjBillsSql(const YwyxstjFilter& f)
{
    QStringList arms;
    if (f.kind.isEmpty() || f.kind == QStringLiteral("销售单"))
        arms << journalBillArm(f, "jxc_lsxsd", "b.ls_yfje+ifnull(b.ls_yhje,0)", "b.ls_sfje", "ls_note", "销售付款");
    if (f.kind.isEmpty() || f.kind == QStringLiteral("退货单"))
        arms << journalBillArm(f, "jxc_xsthd", "b.th_yfje", "b.th_sfje", "th_note", "退货支出");
    // A receipt names no warehouse, so a warehouse filter leaves receipts out.
    if ((f.kind.isEmpty() || f.kind == QStringLiteral("付款单")) && f.ckName.isEmpty())
        arms << QStringLiteral("select a.kf_sn as djh,b.kh_sn as khsn,b.kh_name as khname,a.kf_fkrq as rq,"
                               "iif(a.kf_fkje<0,-1*a.kf_fkje,0) as yfje,iif(a.kf_fkje>0,a.kf_fkje,0) as sfje,0 as lr,"
                               "a.kf_fkfs as fktype,c.u_name as uname,a.kf_note as dnote,a.a_name as aname,'' as ckname "
                               "from jxc_khfk a join jxc_khxx b on a.kh_sn=b.kh_sn join jxc_user c on a.u_sn=c.u_sn where") +
                    periodOf(QStringLiteral("a.kf_fkrq"), f) + equalTo("c.u_name", f.uName) + equalTo("b.kh_sn", f.khSn);
    if (arms.isEmpty())  // a kind this list does not know
        return QStringLiteral("select '' as djh,'' as khsn,'' as khname,'' as rq,0 as yfje,0 as sfje,0 as lr,0 as lrl,"
                              "'' as fktype,'' as uname,'' as dnote,'' as aname,'' as ckname where 1=0");
    return QStringLiteral("select *,iif(yfje<>0,round(lr/yfje*100,2),0) as lrl from (") +
           arms.join(QStringLiteral(" union all ")) + QStringLiteral(") order by rq desc,djh desc");
}

QString ywyxstjBillLinesSql(const QString& djh)
{
    QString line;
    QString table;
    if (djh.startsWith(u"XS", Qt::CaseInsensitive)) {
        line = QStringLiteral("ls_");
        table = QStringLiteral("jxc_lsxssp");
    } else if (djh.startsWith(u"XT", Qt::CaseInsensitive)) {
        line = QStringLiteral("th_");
        table = QStringLiteral("jxc_xsthsp");
    } else {
        return QString();
    }
    return QStringLiteral("select a.g_sn,a.%1sl as sl,a.%1dj as dj,a.%1zje as zje,b.g_name,b.dw_name,b.gg_name,"
                          "b.color_name,a.gl_djh,a.tid from %2 a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh='%3' "
                          "order by a.id")
        .arg(line, table, sqlLit(djh));
}

QString ywyxstjGoodsSql(const YwyxstjFilter& f)
{
    return QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_bz,a.g_kc,b.sl,b.zje,b.lr "
                          "from jxc_goods a,(select g_sn,sum(gl_sl) as sl,sum(gl_zje) as zje,sum(gl_lr) as lr from "
                          "jxc_goodslist where ") +
           flagIn({"xs", "xt"}) + QStringLiteral(" and") + periodOf(QStringLiteral("gl_kdrq"), f) +
           equalTo("u_name", f.uName) + QStringLiteral(" group by g_sn) b where a.g_sn=b.g_sn order by a.g_sn");
}

QString ywyxstjGoodsRowsSql(const QString& gSn)
{
    return QStringLiteral("select gl_djh,gl_kdrq,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,gg_name,color_name,ghs_name,tid "
                          "from jxc_goodslist where ") +
           flagIn({"xs", "xt"}) + QStringLiteral(" and g_sn='%1' order by gl_djh").arg(sqlLit(gSn));
}

QString ywyxstjJournalSql(const YwyxstjFilter& f)
{
    QString kind = flagIn({"xs", "xt"});
    if (f.kind == QStringLiteral("销售单"))
        kind = flagIn({"xs"});
    else if (f.kind == QStringLiteral("退货单"))
        kind = flagIn({"xt"});
    return QStringLiteral("select g_sn,g_name,gl_djh,gl_kdrq,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,gg_name,color_name,ghs_name,"
                          "iif(gl_zje<>0,round(gl_lr/gl_zje*100,2),0) as lrl,tid from jxc_goodslist where ") +
           kind + QStringLiteral(" and") + periodOf(QStringLiteral("gl_kdrq"), f) + equalTo("u_name", f.uName) +
           equalTo("ghs_sn", f.khSn) + equalTo("ck_name", f.ckName) + QStringLiteral(" order by gl_kdrq desc,gl_djh");
}

QString ywyxstjPerformanceSql(const QString& d1, const QString& d2, const QString& uSn)
{
    const QString inner =
        QStringLiteral("select a.u_sn,a.u_name,a.u_tc,ifnull(b.yfje2,0) as yfje,-1*ifnull(c.thje2,0) as thje,"
                       "ifnull(b.sfje2,0)+ifnull(c.thsfje2,0)+ifnull(d.fkje,0) as sfje from jxc_user a "
                       "left join (select u_sn,sum(ls_yfje) as yfje2,sum(ls_sfje) as sfje2 from jxc_lsxsd where") +
        periodOf(QStringLiteral("ls_xsrq"), d1, d2) +
        QStringLiteral("group by u_sn) b on a.u_sn=b.u_sn left join (select u_sn,sum(th_yfje) as thje2,"
                       "sum(th_sfje) as thsfje2 from jxc_xsthd where") +
        periodOf(QStringLiteral("th_xsrq"), d1, d2) +
        QStringLiteral("group by u_sn) c on c.u_sn=a.u_sn left join (select u_sn,sum(kf_fkje) as fkje from jxc_khfk "
                       "where") +
        periodOf(QStringLiteral("kf_fkrq"), d1, d2) +
        QStringLiteral("group by u_sn) d on d.u_sn=a.u_sn where a.u_name<>''") + equalTo("a.u_sn", uSn);
    return QStringLiteral("select u_sn,u_name,yfje,thje,yfje-thje as hjje,sfje,yfje-thje-sfje as wfje,u_tc,"
                          "sfje*ifnull(u_tc,0)*0.01 as tcje from (") +
           inner + QStringLiteral(") order by u_sn");
}

QString ywyxstjCustomersSql(const QString& d1, const QString& d2, const QString& uSn)
{
    return QStringLiteral("select kh_sn,kh_name,yfje,thje,yfje-thje as hjje,sfje2-thje as sfje,yfje-sfje2 as wfje from "
                          "(select a.kh_sn,a.kh_name,b.yfje2 as yfje,ifnull(b.sfje2,0) as sfje2,-1*ifnull(c.thje2,0) as thje "
                          "from jxc_khxx a join (select kh_sn,sum(ls_yfje) as yfje2,sum(ls_sfje) as sfje2 from jxc_lsxsd "
                          "where u_sn='%1' and") .arg(sqlLit(uSn)) +
           periodOf(QStringLiteral("ls_xsrq"), d1, d2) +
           QStringLiteral("group by kh_sn) b on a.kh_sn=b.kh_sn left join (select kh_sn,sum(th_yfje) as thje2 from "
                          "jxc_xsthd where u_sn='%1' and").arg(sqlLit(uSn)) +
           periodOf(QStringLiteral("th_xsrq"), d1, d2) +
           QStringLiteral("group by kh_sn) c on c.kh_sn=a.kh_sn where b.yfje2 is not null) order by kh_sn");
}

namespace {

DataGrid* makeGrid(const char* name, NamedQuery* q)
{
    auto* g = new DataGrid;
    g->setObjectName(QLatin1String(name));
    g->setQuery(q);
    return g;
}

void fillStaffCombo(CodeComboBox* combo)
{
    fillCodeComboWhereFirst(combo, QStringLiteral("jxc_user"), QStringLiteral("u_name"), kAllStaff,
                            QStringLiteral("where u_name<>''"), QStringLiteral("id"), QStringLiteral("u_sn"));
}

// The rows ordered by one field, rows of equal value keeping their order.
ResultSet sortedBy(const ResultSet& rows, const QString& field)
{
    QVector<int> order(rows.rowCount());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return rows.text(a, field) < rows.text(b, field); });
    ResultSet sorted;
    sorted.setColumns(rows.columns());
    for (int r : order) {
        QStringList cells;
        for (int c = 0; c < rows.columnCount(); ++c)
            cells << rows.text(r, c);
        sorted.appendRow(cells);
    }
    return sorted;
}

}  // namespace

TF_Ywyxstj::TF_Ywyxstj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Ywyxstj"));
    setWindowTitle(QStringLiteral("业务员销售统计"));

    // ---- "业务员销售明细"
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    auto* btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    auto* btnFind = namedButton(this, "btnFind", QStringLiteral("查询"));
    period = makeQueryPeriod([this] { btnStatClick(); });
    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    auto* btnStat = namedButton(this, "btnStat", QStringLiteral("统计(F2)"));
    auto* row1 = new QHBoxLayout;
    addQueryPeriod(row1, QStringLiteral("查询日期："), period);
    row1->addWidget(new QLabel(QStringLiteral("业务员名称：")));
    row1->addWidget(comUser);
    row1->addWidget(btnStat);
    row1->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{btnView, btnExit, btnPrint, btnExport, btnFind})
        row1->addWidget(w);

    gridBills = makeGrid("cxGrid1", DataModule->Q_Ywyxstj);
    gridBills->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110).footerCount(QStringLiteral("单据合计："));
    gridBills->addColumn(QStringLiteral("rq"), QStringLiteral("开单日期"), 80);
    gridBills->addColumn(QStringLiteral("uname"), QStringLiteral("业务员"), 60);
    gridBills->addColumn(QStringLiteral("ckname"), QStringLiteral("仓库名称"), 70);
    gridBills->addColumn(QStringLiteral("fktype"), QStringLiteral("单据说明"), 70);
    gridBills->addColumn(QStringLiteral("yfje"), QStringLiteral("应付金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBills->addColumn(QStringLiteral("sfje"), QStringLiteral("实付金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBills->addColumn(QStringLiteral("lr"), QStringLiteral("利润"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBills->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
    gridBills->addColumn(QStringLiteral("aname"), QStringLiteral("操作员"), 60);
    gridBills->addColumn(QStringLiteral("khname"), QStringLiteral("客户名称"), 120);
    gridBills->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 120);
    gridBillLines = makeGrid("cxGrid11", DataModule->Q_Ywyxstj1);
    gridBillLines->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("品种合计："));
    gridBillLines->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    gridBillLines->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridBillLines->addColumn(QStringLiteral("dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridBillLines->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
    gridBillLines->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBillLines->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridBillLines->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    label4 = new QLabel;
    label4->setObjectName(QStringLiteral("Label4"));
    auto* btnDetail = namedButton(this, "btnDetail", QStringLiteral("查看详细数量"));
    btnDetail->setFlat(true);
    auto* pageBills = new QWidget;
    auto* colBills = new QVBoxLayout(pageBills);
    colBills->addWidget(gridBills, 3);
    auto* captionBills = new QHBoxLayout;
    captionBills->addWidget(new QLabel(QStringLiteral("单据的详细信息：")));
    captionBills->addWidget(label4, 1);
    captionBills->addWidget(btnDetail);
    colBills->addLayout(captionBills);
    colBills->addWidget(gridBillLines, 2);

    gridGoods = makeGrid("cxGrid2", DataModule->Q_Ywyxstj2);
    gridGoods->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount(QStringLiteral("合计："));
    gridGoods->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridGoods->addColumn(QStringLiteral("sl"), QStringLiteral("销售数量"), 70).footerSum();
    gridGoods->addColumn(QStringLiteral("zje"), QStringLiteral("销售总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGoods->addColumn(QStringLiteral("lr"), QStringLiteral("利润"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGoods->addColumn(QStringLiteral("g_kc"), QStringLiteral("库存数量"), 70).footerSum();
    gridGoods->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridGoods->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    gridGoods->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"), 100);
    gridGoodsRows = makeGrid("cxGrid21", DataModule->Q_Ywyxstj3);
    gridGoodsRows->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110).footerCount(QStringLiteral("单据合计："));
    gridGoodsRows->addColumn(QStringLiteral("gl_kdrq"), QStringLiteral("开单日期"), 80);
    gridGoodsRows->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridGoodsRows->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridGoodsRows->addColumn(QStringLiteral("gl_sl"), QStringLiteral("数量"), 60).footerSum();
    gridGoodsRows->addColumn(QStringLiteral("gl_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGoodsRows->addColumn(QStringLiteral("gl_lr"), QStringLiteral("利润"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    gridGoodsRows->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridGoodsRows->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    gridGoodsRows->addColumn(QStringLiteral("ghs_name"), QStringLiteral("客户名称"), 120);
    lblGoods = new QLabel;
    lblGoods->setObjectName(QStringLiteral("spxsmx"));
    auto* pageGoods = new QWidget;
    auto* colGoods = new QVBoxLayout(pageGoods);
    colGoods->addWidget(gridGoods, 3);
    auto* captionGoods = new QHBoxLayout;
    captionGoods->addWidget(new QLabel(QStringLiteral("商品销售明细：")));
    captionGoods->addWidget(lblGoods, 1);
    colGoods->addLayout(captionGoods);
    colGoods->addWidget(gridGoodsRows, 2);

    gridJournal = makeGrid("cxGrid3", DataModule->Q_Ywyxstj4);
    gridJournal->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110).footerCount(QStringLiteral("记录数："));
    gridJournal->addColumn(QStringLiteral("gl_kdrq"), QStringLiteral("销售日期"), 80);
    gridJournal->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    gridJournal->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 120);
    gridJournal->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridJournal->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridJournal->addColumn(QStringLiteral("gl_sl"), QStringLiteral("数量"), 60).footerSum();
    gridJournal->addColumn(QStringLiteral("gl_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridJournal->addColumn(QStringLiteral("gl_lr"), QStringLiteral("利润"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    gridJournal->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 70);
    gridJournal->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    gridJournal->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    gridJournal->addColumn(QStringLiteral("ghs_name"), QStringLiteral("客户名称"), 120);

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("cxTab2"));
    tabs->addTab(pageBills, QStringLiteral("销售单据表"));
    tabs->addTab(pageGoods, QStringLiteral("销售商品汇总"));
    tabs->addTab(gridJournal, QStringLiteral("销售商品明细"));
    auto* page1 = new QWidget;
    auto* col1 = new QVBoxLayout(page1);
    col1->addLayout(row1);
    col1->addWidget(tabs, 1);

    // ---- "业务员业绩统计"
    auto* btnView2 = namedButton(this, "btnView2", QStringLiteral("查看单据"));
    auto* btnExit2 = namedButton(this, "btnExit2", QStringLiteral("退出"));
    auto* btnPrint2 = namedButton(this, "btnPrint2", QStringLiteral("打印"));
    auto* btnExport2 = namedButton(this, "btnExport2", QStringLiteral("导出"));
    period2 = makeQueryPeriod([this] { performanceSearch(); }, QStringLiteral("2"));
    comUser1 = new CodeComboBox(this);
    comUser1->setObjectName(QStringLiteral("comUser1"));
    auto* btnStat2 = namedButton(this, "btnStat2", QStringLiteral("统计(F2)"));
    rbTable = new QRadioButton(QStringLiteral("表格显示"));
    rbTable->setObjectName(QStringLiteral("rbTable"));
    rbChart = new QRadioButton(QStringLiteral("图形显示"));
    rbChart->setObjectName(QStringLiteral("rbChart"));
    rbTable->setChecked(true);
    auto* row2 = new QHBoxLayout;
    addQueryPeriod(row2, QStringLiteral("查询日期："), period2);
    row2->addWidget(new QLabel(QStringLiteral("业务员名称：")));
    row2->addWidget(comUser1);
    row2->addWidget(btnStat2);
    row2->addWidget(rbTable);
    row2->addWidget(rbChart);
    row2->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{btnView2, btnExit2, btnPrint2, btnExport2})
        row2->addWidget(w);

    gridPerf = makeGrid("cxGrid4", DataModule->Q_Ywyxstj5);
    gridPerf->addColumn(QStringLiteral("u_name"), QStringLiteral("业务员名称"), 90).footerCount(QStringLiteral("业务员数量:"));
    gridPerf->addColumn(QStringLiteral("yfje"), QStringLiteral("销售金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridPerf->addColumn(QStringLiteral("thje"), QStringLiteral("退货金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridPerf->addColumn(QStringLiteral("hjje"), QStringLiteral("合计金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridPerf->addColumn(QStringLiteral("sfje"), QStringLiteral("已回收金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridPerf->addColumn(QStringLiteral("wfje"), QStringLiteral("未回收金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridPerf->addColumn(QStringLiteral("u_tc"), QStringLiteral("提成比例"), 70);
    gridPerf->addColumn(QStringLiteral("tcje"), QStringLiteral("提成金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridCustomers = makeGrid("cxGrid5", DataModule->Q_Ywyxstj6);
    gridCustomers->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 140).footerCount(QStringLiteral("客户合计："));
    gridCustomers->addColumn(QStringLiteral("hjje"), QStringLiteral("销售合计金额"), 100).setFormat(kMoney).footerSum(QString(), kMoney);
    gridCustomers->addColumn(QStringLiteral("sfje"), QStringLiteral("已回收金额"), 100).setFormat(kMoney).footerSum(QString(), kMoney);
    gridCustomers->addColumn(QStringLiteral("wfje"), QStringLiteral("未回收金额"), 100).setFormat(kMoney).footerSum(QString(), kMoney);
    lblYwmx = new QLabel;
    lblYwmx->setObjectName(QStringLiteral("ywmx"));
    auto* tablePanel = new QWidget;
    auto* colTable = new QVBoxLayout(tablePanel);
    colTable->setContentsMargins(0, 0, 0, 0);
    colTable->addWidget(gridPerf, 3);
    auto* captionCustomers = new QHBoxLayout;
    captionCustomers->addWidget(new QLabel(QStringLiteral("各客户业务金额明细：")));
    captionCustomers->addWidget(lblYwmx, 1);
    colTable->addLayout(captionCustomers);
    colTable->addWidget(gridCustomers, 2);
    chart = new QChart;
    auto* chartView = new QChartView(chart);
    chartView->setObjectName(QStringLiteral("DBChart_Tjh"));
    stack = new QStackedWidget;
    stack->setObjectName(QStringLiteral("stack"));
    stack->addWidget(tablePanel);
    stack->addWidget(chartView);
    auto* pagePerf = new QTabWidget;
    pagePerf->addTab(stack, QStringLiteral("业绩列表"));
    auto* page2 = new QWidget;
    auto* col2 = new QVBoxLayout(page2);
    col2->addLayout(row2);
    col2->addWidget(pagePerf, 1);

    tabsTop = new QTabWidget;
    tabsTop->setObjectName(QStringLiteral("cxTab"));
    tabsTop->addTab(page1, QStringLiteral("业务员销售明细"));
    tabsTop->addTab(page2, QStringLiteral("业务员业绩统计"));
    auto* main = new QVBoxLayout(this);
    main->addWidget(tabsTop, 1);
    resize(1000, 640);

    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnFind, [this] { btnFindClick(); });
    onClicked(btnStat, [this] { btnStatClick(); });
    onClicked(btnDetail, [this] { detailClick(); });
    onClicked(btnView2, [this] { btnViewClick(); });
    onClicked(btnPrint2, [this] { btnPrintClick(); });
    onClicked(btnExport2, [this] { btnExportClick(); });
    onClicked(btnStat2, [this] { performanceSearch(); });
    for (QPushButton* b : {btnExit, btnExit2})
        onClicked(b, [this] { close(); });
    for (QRadioButton* rb : {rbTable, rbChart})
        connect(rb, &QRadioButton::clicked, this, [this] { runGuarded([this] { performanceSearch(); }); });
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { btnStatClick(); });
    });
    connect(tabsTop, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1 && !m_loading)
            runGuarded([this] { enterPerformance(); });
    });
    connect(gridBills, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { loadBillLines(); }); });
    connect(gridGoods, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { loadGoodsRows(); }); });
    connect(gridPerf, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { loadCustomers(); }); });
    connect(gridBills, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
    connect(gridJournal, &DataGrid::rowDoubleClicked, this, [this] {
        runGuarded([this] {
            const int row = gridJournal->currentRow();
            if (row >= 0)
                showLineDetail(gridJournal->value(row, QStringLiteral("gl_djh")),
                               gridJournal->value(row, QStringLiteral("g_sn")), gridJournal->value(row, QStringLiteral("tid")));
        });
    });
    auto* gridMenu = new QMenu(this);
    addMenuItem(gridMenu, QStringLiteral("导出为Excel(&E)"), "N_Export", this, [this] { btnExportClick(); });
    for (DataGrid* g : {gridBills, gridGoods, gridJournal, gridPerf})
        attachGridMenu(g, gridMenu);
}

void TF_Ywyxstj::FormActivate()
{
    m_loading = true;
    curKhSn.clear();
    label4->clear();
    period.fromThisMonth();
    fillStaffCombo(comUser);
    if (partyType.isEmpty() || !comUser->selectText(partyType))
        comUser->setCurrentIndex(0);
    tabsTop->setCurrentIndex(0);
    tabs->setCurrentIndex(0);
    btnStatClick();
    m_loading = false;
    partyType.clear();
}

bool TF_Ywyxstj::FormKeyDown(QKeyEvent* event)
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

void TF_Ywyxstj::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Ywyxstj, DataModule->Q_Ywyxstj1, DataModule->Q_Ywyxstj2, DataModule->Q_Ywyxstj3,
                          DataModule->Q_Ywyxstj4, DataModule->Q_Ywyxstj5, DataModule->Q_Ywyxstj6})
        q->close();
}

YwyxstjFilter TF_Ywyxstj::filter() const
{
    return {.d1 = period.d1(),
            .d2 = period.d2(),
            .uName = comUser->currentIndex() <= 0 ? QString() : comUser->currentText(),
            .khSn = curKhSn,
            .ckName = m_ckName,
            .kind = m_kind};
}

void TF_Ywyxstj::btnStatClick()
{
    const YwyxstjFilter f = filter();
    switch (tabs->currentIndex()) {
    case 1:
        openQuery(DataModule->Q_Ywyxstj2, ywyxstjGoodsSql(f));
        loadGoodsRows();
        break;
    case 2:
        openQuery(DataModule->Q_Ywyxstj4, ywyxstjJournalSql(f));
        break;
    default:
        openQuery(DataModule->Q_Ywyxstj, ywyxstjBillsSql(f));
        loadBillLines();
        break;
    }
}

void TF_Ywyxstj::loadBillLines()
{
    const int row = gridBills->currentRow();
    if (row < 0) {
        DataModule->Q_Ywyxstj1->close();
        return;
    }
    const QString djh = gridBills->value(row, QStringLiteral("djh"));
    label4->setText(djh + QStringLiteral("  ") + gridBills->value(row, QStringLiteral("uname")) + QStringLiteral("  ") +
                    gridBills->value(row, QStringLiteral("khname")));
    const QString sql = ywyxstjBillLinesSql(djh);
    if (sql.isEmpty())
        DataModule->Q_Ywyxstj1->close();
    else
        openQuery(DataModule->Q_Ywyxstj1, sql);
}

void TF_Ywyxstj::loadGoodsRows()
{
    const int row = gridGoods->currentRow();
    if (row < 0) {
        lblGoods->clear();
        DataModule->Q_Ywyxstj3->close();
        return;
    }
    lblGoods->setText(gridGoods->value(row, QStringLiteral("g_name")));
    openQuery(DataModule->Q_Ywyxstj3, ywyxstjGoodsRowsSql(gridGoods->value(row, QStringLiteral("g_sn"))));
}

void TF_Ywyxstj::enterPerformance()
{
    period2.fromThisMonth();
    fillStaffCombo(comUser1);
    comUser1->setCurrentIndex(0);
    rbTable->setChecked(true);
    performanceSearch();
}

void TF_Ywyxstj::performanceSearch()
{
    const QString uSn = comUser1->currentIndex() <= 0 ? QString() : comUser1->currentCodeOrEmpty();
    openQuery(DataModule->Q_Ywyxstj5, ywyxstjPerformanceSql(period2.d1(), period2.d2(), uSn));
    if (rbChart->isChecked()) {
        stack->setCurrentIndex(1);
        showBarChart(chart,
                     ChartData::fromResult(DataModule->Q_Ywyxstj5->result(), QStringLiteral("u_name"), QStringLiteral("yfje")),
                     QString());
        chart->legend()->hide();
        return;
    }
    stack->setCurrentIndex(0);
    loadCustomers();
}

void TF_Ywyxstj::loadCustomers()
{
    const int row = gridPerf->currentRow();
    if (row < 0) {
        lblYwmx->clear();
        DataModule->Q_Ywyxstj6->close();
        return;
    }
    lblYwmx->setText(gridPerf->value(row, QStringLiteral("u_name")));
    openQuery(DataModule->Q_Ywyxstj6,
              ywyxstjCustomersSql(period2.d1(), period2.d2(), gridPerf->value(row, QStringLiteral("u_sn"))));
}

void TF_Ywyxstj::btnFindClick()
{
    if (tabs->currentIndex() == 1)
        return;
    choiceParam.clear();
    showForm(F_Ywyxstj_Cx);
    if (choiceParam == QLatin1String("1")) {
        m_ckName = F_Ywyxstj_Cx->warehouseName();
        m_kind = F_Ywyxstj_Cx->billKind();
        btnStatClick();
    }
    choiceParam.clear();
}

void TF_Ywyxstj::detailClick()
{
    const int row = gridBillLines->currentRow();
    if (row < 0)
        return;
    showLineDetail(gridBillLines->value(row, QStringLiteral("gl_djh")), gridBillLines->value(row, QStringLiteral("g_sn")),
                   gridBillLines->value(row, QStringLiteral("tid")));
}

void TF_Ywyxstj::btnViewClick()
{
    if (tabsTop->currentIndex() == 1) {
        tabsTop->setCurrentIndex(0);
        tabs->setCurrentIndex(0);
        return;
    }
    QString djh;
    auto current = [&djh](const DataGrid* g, const char* field) {
        if (g->currentRow() >= 0)
            djh = g->value(g->currentRow(), QLatin1String(field));
    };
    switch (tabs->currentIndex()) {
    case 1:
        current(gridGoodsRows, "gl_djh");
        break;
    case 2:
        current(gridJournal, "gl_djh");
        break;
    default:
        current(gridBills, "djh");
        break;
    }
    if (djh.startsWith(u"XS", Qt::CaseInsensitive))
        printGoodsDetail(spxsPrint(postedSpxsBill(djh)), this);
    else if (djh.startsWith(u"XT", Qt::CaseInsensitive))
        printGoodsDetail(xsthPrint(postedXsthBill(djh)), this);
    else if (djh.startsWith(u"KF", Qt::CaseInsensitive))
        previewStoredBill(djh, this);
}

void TF_Ywyxstj::btnPrintClick()
{
    ReportListSpec spec;
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")};
    if (tabsTop->currentIndex() == 1) {
        spec.title = QStringLiteral("业务员业绩统计");
        spec.columns = {listColumn("业务员名称", "u_name", 24),     listNumber("销售金额", "yfje", 22, true),
                        listNumber("退货金额", "thje", 22, true),   listNumber("合计金额", "hjje", 22, true),
                        listNumber("已收回金额", "sfje", 22, true), listNumber("未收回金额", "wfje", 22, true),
                        listNumber("提成比例", "u_tc", 16, false, false), listNumber("提成金额", "tcje", 22, true)};
        spec.summaryLines.clear();
        previewQueryList(spec, gridPerf, period2, this);
        return;
    }
    const QString salesman = comUser->currentText();
    switch (tabs->currentIndex()) {
    case 1:
        spec.title = salesman + QStringLiteral("商品销售汇总表");
        spec.columns = {listColumn("商品编号", "g_sn", 24),  listColumn("商品名称", "g_name", 40),
                        listColumn("单位", "dw_name", 12),   listNumber("数量", "sl", 16, false),
                        listNumber("总金额", "zje", 24, true), listColumn("款型说明", "gg_name", 24),
                        listNumber("库存数量", "g_kc", 18, false, false)};
        previewQueryList(spec, gridGoods, period, this);
        break;
    case 2:
        spec.title = salesman + QStringLiteral("商品销售明细表");
        spec.columns = {listColumn("开单日期", "gl_kdrq", 22), listColumn("销售单号", "gl_djh", 28),
                        listColumn("商品名称", "g_name", 36),  listColumn("单位", "dw_name", 12),
                        listColumn("款型说明", "gg_name", 22), listNumber("单价", "gl_dj", 18, true, false),
                        listNumber("数量", "gl_sl", 16, false), listNumber("总金额", "gl_zje", 24, true)};
        previewQueryList(spec, gridJournal, period, this);
        break;
    default:
        // One salesman after another.
        spec.title = salesman + QStringLiteral("销售明细单据表");
        spec.landscape = true;
        spec.columns = {listColumn("业务员", "uname", 18),       listColumn("客户名称", "khname", 34),
                        listColumn("开单日期", "rq", 22),        listColumn("单据说明", "fktype", 20),
                        listNumber("应付金额", "yfje", 24, true), listNumber("实付金额", "sfje", 24, true),
                        listColumn("仓库名称", "ckname", 20),    listNumber("利润", "lr", 22, true, false),
                        listColumn("单据号", "djh", 30),         listColumn("备注", "dnote", 34)};
        spec.summaryLines = {QStringLiteral("应付金额合计：[SUM(<frxDBDataset1.\"yfje\">)]  实付金额合计：[SUM(<frxDBDataset1.\"sfje\">)]")};
        previewQueryList(spec, sortedBy(gridBills->shownResult(), QStringLiteral("uname")), period, this);
        break;
    }
}

void TF_Ywyxstj::btnExportClick()
{
    if (tabsTop->currentIndex() == 1) {
        gridPerf->exportWithDialog();
        return;
    }
    DataGrid* grids[] = {gridBills, gridGoods, gridJournal};
    grids[qBound(0, tabs->currentIndex(), 2)]->exportWithDialog();
}
