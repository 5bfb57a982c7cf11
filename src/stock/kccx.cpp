#include "stock/kccx.h"

#include "bills/querykit.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "data/values.h"
#include "platform/categorytree.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"
#include "stock/addjth.h"
#include "stock/kccx_cx.h"
#include "stock/kccx_jj.h"
#include "stock/stocksql.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Kccx* F_Kccx = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");

}  // namespace

// ---- Statements ----------------------------------------------------------------------------

QString stockQuerySql(const StockFilter& f)
{
    // Over all warehouses the goods are read first and the stock rows of each found goods summed
    // through the stock's goods index: a typed key reads only the stock of the goods it finds.
    const bool all = f.ckSn.isEmpty();
    QString sql;
    if (all) {
        const QString cbjj =
            QStringLiteral("iif(sum(b.kc_sl)>0,round(sum(b.kc_sl*b.kc_cbj)/sum(b.kc_sl)+0.0005,2),a.g_jj)");
        sql = QStringLiteral("select a.*,sum(b.kc_sl) as kcsl,sum(b.kc_xssl) as xssl,%1 as cbjj,%1*sum(b.kc_sl) as kczje,"
                             "a.g_sj*sum(b.kc_sl) as xszje from jxc_goods a join jxc_kcsp b on b.g_sn=a.g_sn "
                             "where a.g_sn<>'00000000' and ")
                  .arg(cbjj);
    } else {
        sql = QStringLiteral("select a.*,b.kcsl,b.xssl,b.cbjj,b.cbjj*b.kcsl as kczje,a.g_sj*b.kcsl as xszje "
                             "from jxc_goods a,(select g_sn,kc_sl as kcsl,kc_xssl as xssl,kc_cbj as cbjj "
                             "from jxc_kcsp where ck_sn=%1) b where a.g_sn=b.g_sn and a.g_sn<>'00000000' and ")
                  .arg(sqlText(f.ckSn));
    }
    const QString key = containsText(f.key);
    sql += QStringLiteral("a.gc_sn like %1 and (a.g_sn like %2 or a.g_jm like %2 or a.g_name like %2 or "
                          "a.gg_name like %2) ")
               .arg(prefixText(f.gcSn), key);
    if (f.hideZero && !all)
        sql += QStringLiteral(" and b.kcsl<>0 ");
    if (!f.showDisabled)
        sql += QStringLiteral(" and a.g_jy=0 ");
    if (all)
        sql += f.hideZero ? QStringLiteral(" group by a.id having sum(b.kc_sl)<>0") : QStringLiteral(" group by a.id");
    return sql + QStringLiteral(" order by a.g_sn");
}

QString stockSearchSql(const QString& ckSn, const QString& ghsSn, const QString& op, qint64 qty)
{
    QString sql = QStringLiteral("select a.*,b.kcsl,b.xssl,b.cbjj,b.cbjj*b.kcsl as kczje,a.g_sj*b.kcsl as xszje "
                                 "from jxc_goods a,(select g_sn,sum(kc_sl) as kcsl,sum(kc_xssl) as xssl,"
                                 "iif(sum(kc_sl)<>0,round(sum(kc_sl*kc_cbj)/sum(kc_sl)+0.0005,2),0) as cbjj "
                                 "from jxc_kcsp ");
    if (!ckSn.isEmpty())
        sql += QStringLiteral(" where ck_sn=%1 ").arg(sqlText(ckSn));
    sql += QStringLiteral("group by g_sn) b where a.g_sn=b.g_sn and a.g_sn<>'00000000' and coalesce(a.ghs_sn,'') like %1 ")
               .arg(prefixText(ghsSn));
    static const QStringList kOps{QStringLiteral("="), QStringLiteral(">="), QStringLiteral("<="), QStringLiteral("<>")};
    if (kOps.contains(op))
        sql += QStringLiteral(" and b.kcsl %1%2 ").arg(op, sqlNum(qty));
    return sql + QStringLiteral(" order by a.g_sn");
}

QString movementSql(const QDate& from, const QDate& to, const QString& text)
{
    const QString d1 = sqlText(from.toString(QStringLiteral("yyyy-MM-dd")));
    const QString d2 = sqlText(to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59"));
    // Per goods sums of one kind of line over the period, joined to their headers by number.
    auto sums = [&](const char* lines, const char* heads, const char* join, const char* qty, const char* amount,
                    const char* date, const char* alias) {
        return QStringLiteral("left outer join (select x.g_sn,sum(x.%4) as %7sl2,sum(x.%5) as %7je2 from %1 x,%2 y "
                              "where x.%3=y.%3 and y.%6>=%8 and y.%6<=%9 group by x.g_sn) %7 on a.g_sn=%7.g_sn ")
            .arg(QLatin1String(lines), QLatin1String(heads), QLatin1String(join), QLatin1String(qty),
                 QLatin1String(amount), QLatin1String(date), QLatin1String(alias), d1, d2);
    };
    const QString key = containsText(text);
    return QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.g_kc,"
                          "coalesce(jh.jhsl2,0) as jhsl,coalesce(jh.jhje2,0) as jhje,"
                          "coalesce(th.thsl2,0) as thsl,coalesce(th.thje2,0) as thje,"
                          "coalesce(jh.jhsl2,0)-coalesce(th.thsl2,0) as zjhsl,"
                          "coalesce(jh.jhje2,0)-coalesce(th.thje2,0) as zjhje,"
                          "coalesce(xs.xssl2,0) as xssl,coalesce(xs.xsje2,0) as xsje,"
                          "coalesce(xt.xtsl2,0) as xsthsl,coalesce(xt.xtje2,0) as xsthje,"
                          "coalesce(xs.xssl2,0)-coalesce(xt.xtsl2,0) as zxssl,"
                          "coalesce(xs.xsje2,0)-coalesce(xt.xtje2,0) as zxsje from jxc_goods a ") +
           sums("jxc_jhsp", "jxc_jhd", "j_sn", "jh_sl", "jh_zje", "j_jhrq", "jh") +
           sums("jxc_thsp", "jxc_thd", "gl_djh", "th_sl", "th_zje", "th_thrq", "th") +
           sums("jxc_lsxssp", "jxc_lsxsd", "gl_djh", "ls_sl", "ls_zje", "ls_xsrq", "xs") +
           sums("jxc_xsthsp", "jxc_xsthd", "gl_djh", "th_sl", "th_zje", "th_xsrq", "xt") +
           QStringLiteral("where a.g_jy=0 and a.g_sn<>'00000000' and (a.g_sn like %1 or a.g_name like %1 or "
                          "a.g_jm like %1) order by a.g_sn")
               .arg(key);
}

QString stockDetailSql(const StockDetailFilter& f)
{
    const QString key = containsText(f.text);
    // The goods first (cross join keeps that order), in code order, each with its stock rows through
    // the stock's goods index: a category or a typed key then reads only the stock of the goods it
    // finds, and the rows come in code order without a sort.
    QString sql = QStringLiteral("select a.*,b.ck_name,c.color_name,d.cm_name,e.g_name,e.dw_name,e.g_sccs from "
                                 "jxc_goods e cross join jxc_tkc a,jxc_ckxx b,jxc_color c,jxc_cm d where "
                                 "a.ck_sn=b.ck_sn and a.color_sn=c.color_sn and a.cm_sn=d.cm_sn and a.g_sn=e.g_sn");
    if (!f.ckSn.isEmpty())
        sql += QStringLiteral(" and a.ck_sn=%1").arg(sqlText(f.ckSn));
    if (!f.cmSn.isEmpty())
        sql += QStringLiteral(" and a.cm_sn=%1").arg(sqlText(f.cmSn));
    if (!f.colorSn.isEmpty())
        sql += QStringLiteral(" and a.color_sn=%1").arg(sqlText(f.colorSn));
    sql += QStringLiteral(" and e.gc_sn like %1 and (e.g_sn like %2 or e.g_jm like %2 or e.g_name like %2) ")
               .arg(prefixText(f.gcSn), key);
    if (f.hideZero)
        sql += QStringLiteral(" and a.t_sl<>0 ");
    return sql + QStringLiteral(" order by e.g_sn");
}

void setStockCost(const QString& gSn, const QString& ckSn, double cost)
{
    execSql(QStringLiteral("update jxc_kcsp set kc_cbj=? where g_sn=? and ck_sn=?"),
            {{QString(), cost}, {QString(), gSn}, {QString(), ckSn}});
}

// ---- Layouts -------------------------------------------------------------------------------

ReportTemplate TF_Kccx::stockListLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("库存信息表");
    spec.landscape = true;
    spec.headerLines = {QStringLiteral("仓库名称：[ckName]    库存量合计：[kcsl]    库存成本合计：[kccb]    品种合计：[pzhj]"),
                        QStringLiteral("打印日期：[DATE] [TIME]")};
    const auto right = ReportHAlign::Right;
    spec.columns = {{QStringLiteral("货品编号"), QStringLiteral("g_sn"), 22},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 36},
                    {QStringLiteral("库存量"), QStringLiteral("kcsl"), 16, right},
                    {QStringLiteral("销售总数"), QStringLiteral("xssl"), 16, right},
                    {QStringLiteral("上次进价"), QStringLiteral("g_scjj"), 18, right, QStringLiteral("0.00")},
                    {QStringLiteral("成本均价"), QStringLiteral("cbjj"), 18, right, QStringLiteral("0.00")},
                    {QStringLiteral("预设售价"), QStringLiteral("g_sj"), 18, right, QStringLiteral("0.00")},
                    {QStringLiteral("售价总值"), QStringLiteral("xszje"), 22, right, QStringLiteral("0.00")},
                    {QStringLiteral("库存总值"), QStringLiteral("kczje"), 22, right, QStringLiteral("0.00")},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 22},
                    {QStringLiteral("备注"), QStringLiteral("g_bz"), 30}};
    spec.totalCaption = QString();
    spec.summaryLines = {QStringLiteral("当前页：[PAGE#]")};
    return reportListLayout(spec);
}

ReportTemplate TF_Kccx::movementLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品变动统计表");
    spec.landscape = true;
    spec.headerLines = {QStringLiteral("查询日期：[date1] 至 [date2]    统计时间：[DATE] [TIME]"),
                        QStringLiteral("商品信息 | 商品进货统计 | 商品销售统计")};
    const auto right = ReportHAlign::Right;
    auto num = [right](const char* caption, const char* field, bool money) {
        return ReportListColumn(QString::fromUtf8(caption), QLatin1String(field), 16, right,
                                money ? QStringLiteral("0.00") : QString(), true);
    };
    spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 20},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 30},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 10},
                    num("库存数量", "g_kc", false),
                    num("进货数量", "jhsl", false),
                    num("进货金额", "jhje", true),
                    num("退货数量", "thsl", false),
                    num("退货金额", "thje", true),
                    num("合计数量", "zjhsl", false),
                    num("合计金额", "zjhje", true),
                    num("销售数量", "xssl", false),
                    num("销售金额", "xsje", true),
                    num("退货数量", "xsthsl", false),
                    num("退货金额", "xsthje", true),
                    num("合计数量", "zxssl", false),
                    num("合计金额", "zxsje", true)};
    return reportListLayout(spec);
}

ReportTemplate kcspmxbLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("库存商品明细表");
    spec.dataset = QStringLiteral("frxDBDataset3");
    spec.headerLines = {QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 24},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("库存数量"), QStringLiteral("t_sl"), 18, ReportHAlign::Right, QString(), true},
                    {QStringLiteral("颜色"), QStringLiteral("color_name"), 18},
                    {QStringLiteral("尺码"), QStringLiteral("cm_name"), 14},
                    {QStringLiteral("品牌厂商"), QStringLiteral("g_sccs"), 24},
                    {QStringLiteral("所在仓库"), QStringLiteral("ck_name"), 24}};
    spec.summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset3>)]")};
    return reportListLayout(spec);
}

// ---- The window ----------------------------------------------------------------------------

namespace {

QToolButton* tool(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setAutoRaise(true);
    return b;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit* keyBox(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    installKeyFilter(e);
    return e;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& text)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

CodeComboBox* codeCombo(QWidget* parent, const char* name)
{
    auto* c = new CodeComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QDateEdit* dateBox(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true)
{
    auto* r = new QHBoxLayout;
    for (QWidget* w : widgets)
        r->addWidget(w);
    if (stretch)
        r->addStretch(1);
    return r;
}

double number(const QString& text)
{
    return text.toDouble();
}

}  // namespace

TF_Kccx::TF_Kccx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccx"));
    setWindowTitle(QStringLiteral("当前库存查询"));
    setEscCloses(true);
    resize(1100, 680);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // ---- Tab 1 ----
    auto* tab1 = new QWidget(PageControl1);
    btnFind = tool(tab1, "btnFind", QStringLiteral("查找"));
    btnAll = tool(tab1, "btnAll", QStringLiteral("全部"));
    btnDetail = tool(tab1, "btnDetail", QStringLiteral("查看明细"));
    btnPrint = tool(tab1, "btnPrint", QStringLiteral("打印"));
    btnJh = tool(tab1, "btnJh", QStringLiteral("进货参考"));
    btnTh = tool(tab1, "btnTh", QStringLiteral("退货参考"));
    btnExport = tool(tab1, "btnExport", QStringLiteral("导出"));
    btnJj = tool(tab1, "btnJj", QStringLiteral("修改均价"));
    btnExit = tool(tab1, "btnExit", QStringLiteral("退出"));
    comCk = codeCombo(tab1, "comCk");
    tsplb = keyBox(tab1, "tsplb");
    tsplb->setReadOnly(true);
    tkey = keyBox(tab1, "tkey");
    btnQuery = button(tab1, "btnQuery", QStringLiteral("查询(F2)"));
    chk0 = check(tab1, "chk0", QStringLiteral("不显示库存为零的商品"));
    chkJy = check(tab1, "chkJy", QStringLiteral("显示禁用商品"));

    cxGrid1 = new DataGrid(tab1);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setToolTip(QStringLiteral("红色代表当前库存小于最低库存"));
    cxGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("合计："));
    cxGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid1->addColumn(QStringLiteral("kcsl"), QStringLiteral("库存量")).footerSum();
    cxGrid1->addColumn(QStringLiteral("xssl"), QStringLiteral("销售总数")).footerSum();
    cxGrid1->addColumn(QStringLiteral("g_scjj"), QStringLiteral("上次进价")).setFormat(kMoney);
    cxGrid1->addColumn(QStringLiteral("cbjj"), QStringLiteral("成本均价")).setFormat(kMoney);
    cxGrid1->addColumn(QStringLiteral("g_sj"), QStringLiteral("预设售价")).setFormat(kMoney);
    cxGrid1->addColumn(QStringLiteral("xszje"), QStringLiteral("售价总值")).setFormat(kMoney).footerSum();
    cxGrid1->addColumn(QStringLiteral("kczje"), QStringLiteral("库存总值")).setFormat(kMoney).footerSum();
    cxGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid1->addColumn(QStringLiteral("g_jy"), QStringLiteral("禁用")).setCheck();
    cxGrid1->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"));
    for (const char* hidden : {"id", "g_jj", "g_zdkc", "g_tjsp", "g_pjjj", "g_sccs", "g_kc", "g_jzq", "g_cbj",
                               "g_cgpl", "g_xspl", "bl", "g_sptm", "gc_cid", "gc_sn", "ghs_sn"})
        cxGrid1->addColumn(QLatin1String(hidden)).setHidden();
    cxGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色")).setHidden();
    cxGrid1->setCellStyle([this](int row, const QString&, CellStyle& style) {
        if (comCk->currentIsAll() &&
            number(cxGrid1->value(row, QStringLiteral("g_kc"))) < number(cxGrid1->value(row, QStringLiteral("g_zdkc"))))
            style.text = Qt::red;
    });
    cxGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    cxGrid1->setQuery(DataModule ? DataModule->Q_Kccx1 : nullptr);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N_Detail = PopupMenu1->addAction(QStringLiteral("查看该商品变动情况(&T)"));
    N_Export = PopupMenu1->addAction(QStringLiteral("导出为Excel(&E)"));
    N_CopyName = PopupMenu1->addAction(QStringLiteral("复制商品名称(&U)"));
    N_CopySn = PopupMenu1->addAction(QStringLiteral("复制商品编号(&V)"));
    PopupMenu1->addSeparator();
    N_AddJh = PopupMenu1->addAction(QStringLiteral("添加到进货参考中(&W)"));
    N_AddTh = PopupMenu1->addAction(QStringLiteral("添加到退货参考中(&X)"));
    N_AddAlarm = PopupMenu1->addAction(QStringLiteral("添加库存报警商品到进货参考(&Y)"));

    auto* t1 = new QVBoxLayout(tab1);
    t1->addLayout(row({btnFind, btnAll, btnDetail, btnPrint, btnJh, btnTh, btnExport, btnJj, btnExit}));
    t1->addLayout(row({new QLabel(QStringLiteral("仓库"), tab1), comCk, new QLabel(QStringLiteral("商品类别"), tab1), tsplb,
                       new QLabel(QStringLiteral("商品编号或名称"), tab1), tkey, btnQuery, chk0, chkJy}));
    t1->addWidget(cxGrid1, 1);
    PageControl1->addTab(tab1, QStringLiteral("库存变动情况"));

    // ---- Tab 2 ----
    auto* tab2 = new QWidget(PageControl1);
    btnDetail2 = tool(tab2, "btnDetail2", QStringLiteral("查看明细"));
    btnPrint2 = tool(tab2, "btnPrint2", QStringLiteral("打印"));
    btnExport2 = tool(tab2, "btnExport2", QStringLiteral("导出"));
    btnExit2 = tool(tab2, "btnExit2", QStringLiteral("退出"));
    date1 = dateBox(tab2, "date1");
    date2 = dateBox(tab2, "date2");
    btnDates = tool(tab2, "btnDates", QString());
    btnDates->setPopupMode(QToolButton::InstantPopup);
    tkey2 = keyBox(tab2, "tkey2");
    btnQuery2 = button(tab2, "btnQuery2", QStringLiteral("查询(F2)"));
    cxGrid2 = new DataGrid(tab2);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计:"));
    cxGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid2->addColumn(QStringLiteral("g_kc"), QStringLiteral("库存数量")).footerSum();
    cxGrid2->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明")).setHidden();
    for (const auto& [field, caption, money] :
         {std::tuple{"jhsl", "进货数量", false}, {"jhje", "进货金额", true}, {"thsl", "退货数量", false},
          {"thje", "退货金额", true}, {"zjhsl", "合计数量", false}, {"zjhje", "合计金额", true},
          {"xssl", "销售数量", false}, {"xsje", "销售金额", true}, {"xsthsl", "退货数量", false},
          {"xsthje", "退货金额", true}, {"zxssl", "合计数量", false}, {"zxsje", "合计金额", true}}) {
        GridColumn& c = cxGrid2->addColumn(QLatin1String(field), QString::fromUtf8(caption));
        if (money)
            c.setFormat(kMoney);
        c.footerSum();
    }
    cxGrid2->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    cxGrid2->setQuery(DataModule ? DataModule->Q_Kccx2 : nullptr);
    auto* t2 = new QVBoxLayout(tab2);
    t2->addLayout(row({btnDetail2, btnPrint2, btnExport2, btnExit2}));
    t2->addLayout(row({new QLabel(QStringLiteral("统计时间："), tab2), date1, new QLabel(QStringLiteral("至"), tab2), date2,
                       btnDates, new QLabel(QStringLiteral("商品名称或编号："), tab2), tkey2, btnQuery2}));
    t2->addWidget(new QLabel(QStringLiteral("商品信息 | 商品进货统计 | 商品销售统计"), tab2));
    t2->addWidget(cxGrid2, 1);
    PageControl1->addTab(tab2, QStringLiteral("商品变动情况"));

    // ---- Tab 3 ----
    auto* tab3 = new QWidget(PageControl1);
    auto* classBox = new QGroupBox(QStringLiteral("类别信息"), tab3);
    tClassName = keyBox(classBox, "tClassName");
    PageClass = new QTabWidget(classBox);
    PageClass->setObjectName(QStringLiteral("PageClass"));
    TreeView2 = new CategoryTree(PageClass);
    TreeView2->setObjectName(QStringLiteral("TreeView2"));
    TreeView2->setQuery(DataModule ? DataModule->Q_GClass7 : nullptr);
    cxGridClass = new DataGrid(PageClass);
    cxGridClass->setObjectName(QStringLiteral("cxGridClass"));
    cxGridClass->addColumn(QStringLiteral("gc_name"), QStringLiteral("类别名称"), 150).footerCount(QStringLiteral("合计："));
    cxGridClass->setQuery(DataModule ? DataModule->Q_GClass8 : nullptr);
    PageClass->addTab(TreeView2, QStringLiteral("列表"));
    PageClass->addTab(cxGridClass, QStringLiteral("历史"));
    auto* classCol = new QVBoxLayout(classBox);
    classCol->addLayout(row({new QLabel(QStringLiteral("类别名称："), classBox), tClassName}, false));
    classCol->addWidget(PageClass, 1);

    auto* goodsBox = new QGroupBox(QStringLiteral("商品列表"), tab3);
    tkey3 = keyBox(goodsBox, "tkey3");
    tkey3->setToolTip(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    chkJy3 = check(goodsBox, "chkJy3", QStringLiteral("显示禁用商品"));
    cxGrid3 = new DataGrid(goodsBox);
    cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
    cxGrid3->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("商品合计："));
    cxGrid3->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid3->addColumn(QStringLiteral("gc_name"), QStringLiteral("所属分类"));
    cxGrid3->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid3->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid3->addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价")).setFormat(kMoney);
    cxGrid3->addColumn(QStringLiteral("g_sj"), QStringLiteral("预设售价")).setFormat(kMoney);
    cxGrid3->addColumn(QStringLiteral("g_jy"), QStringLiteral("禁用")).setCheck();
    cxGrid3->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"));
    cxGrid3->setQuery(DataModule ? DataModule->Q_Goods4 : nullptr);
    auto* goodsCol = new QVBoxLayout(goodsBox);
    goodsCol->addLayout(row({new QLabel(QStringLiteral("商品信息查询(F6)："), goodsBox), tkey3,
                             new QLabel(QStringLiteral("(输入商品编码、名称、拼音简码查询)"), goodsBox), chkJy3}));
    goodsCol->addWidget(cxGrid3, 1);
    auto* split = new QSplitter(tab3);
    split->addWidget(classBox);
    split->addWidget(goodsBox);
    split->setStretchFactor(1, 1);
    auto* t3 = new QVBoxLayout(tab3);
    t3->addWidget(split);
    PageControl1->addTab(tab3, QStringLiteral("商品信息查询"));

    // ---- Tab 4 ----
    auto* tab4 = new QWidget(PageControl1);
    btnPrint4 = tool(tab4, "btnPrint4", QStringLiteral("打印"));
    btnExport4 = tool(tab4, "btnExport4", QStringLiteral("导出"));
    btnExit4 = tool(tab4, "btnExit4", QStringLiteral("退出"));
    tkey4 = keyBox(tab4, "tkey4");
    tsplb4 = keyBox(tab4, "tsplb4");
    tsplb4->setReadOnly(true);
    comCk4 = codeCombo(tab4, "comCk4");
    comColor = codeCombo(tab4, "comColor");
    comCm = codeCombo(tab4, "comCm");
    chk04 = check(tab4, "chk04", QStringLiteral("不显示库存为零的商品"));
    btnQuery4 = button(tab4, "btnQuery4", QStringLiteral("查询(F2)"));
    cxGrid4 = new DataGrid(tab4);
    cxGrid4->setObjectName(QStringLiteral("cxGrid4"));
    cxGrid4->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("记录数："));
    cxGrid4->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid4->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid4->addColumn(QStringLiteral("t_sl"), QStringLiteral("库存数量")).footerSum();
    cxGrid4->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"));
    cxGrid4->addColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"));
    cxGrid4->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"));
    cxGrid4->addColumn(QStringLiteral("ck_name"), QStringLiteral("所在仓库"));
    for (const char* hidden : {"id", "t_jhrq", "t_ph", "t_scrq", "cm_sn", "color_sn", "ck_sn"})
        cxGrid4->addColumn(QLatin1String(hidden)).setHidden();
    cxGrid4->setQuery(DataModule ? DataModule->Q_Kcmx : nullptr);
    auto* t4 = new QVBoxLayout(tab4);
    t4->addLayout(row({btnPrint4, btnExport4, btnExit4}));
    t4->addLayout(row({new QLabel(QStringLiteral("商品编号或名称："), tab4), tkey4, new QLabel(QStringLiteral("商品类别："), tab4),
                       tsplb4, new QLabel(QStringLiteral("仓库："), tab4), comCk4, new QLabel(QStringLiteral("颜色："), tab4),
                       comColor, new QLabel(QStringLiteral("尺码："), tab4), comCm, chk04, btnQuery4}));
    t4->addWidget(cxGrid4, 1);
    PageControl1->addTab(tab4, QStringLiteral("库存明细"));

    // ---- Category panel (laid over the window) ----
    PanelClass = new CategoryPanel(DataModule ? DataModule->Q_GClass5 : nullptr, this);

    auto* main = new QVBoxLayout(this);
    main->addWidget(PageControl1);

    // ---- Wiring ----
    auto act = [this](QAction* a, void (TF_Kccx::*handler)()) {
        connect(a, &QAction::triggered, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    };
    onClicked(btnFind, [this] { btnFindClick(); });
    onClicked(btnAll, [this] { btnAllClick(); });
    onClicked(btnDetail, [this] { btnDetailClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnJh, [this] { btnJhClick(); });
    onClicked(btnTh, [this] { btnThClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnJj, [this] { btnJjClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    auto filterChanged = [this] {
        if (!m_loading)
            runGuarded([this] { btnQueryClick(); });
    };
    connect(comCk, &QComboBox::currentIndexChanged, this, filterChanged);
    connect(chk0, &QCheckBox::toggled, this, filterChanged);
    connect(chkJy, &QCheckBox::toggled, this, filterChanged);
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { cxGrid1DblClick(); }); });
    connect(cxGrid1->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(cxGrid1->view()->viewport()->mapToGlobal(pos)); });
    act(N_Detail, &TF_Kccx::btnDetailClick);
    act(N_Export, &TF_Kccx::btnExportClick);
    connect(N_CopyName, &QAction::triggered, this, [this] {
        if (hasRows(cxGrid1))
            QApplication::clipboard()->setText(focused(cxGrid1, QStringLiteral("g_name")));
    });
    connect(N_CopySn, &QAction::triggered, this, [this] {
        if (hasRows(cxGrid1))
            QApplication::clipboard()->setText(focused(cxGrid1, QStringLiteral("g_sn")));
    });
    act(N_AddJh, &TF_Kccx::N_AddJhClick);
    act(N_AddTh, &TF_Kccx::N_AddThClick);
    act(N_AddAlarm, &TF_Kccx::N_AddAlarmClick);

    // The category box opens the panel on a click.
    for (QLineEdit* box : {tsplb, tsplb4})
        box->installEventFilter(this);
    connect(PanelClass, &CategoryPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([=, this] { classChosen(code, name); }); });

    onClicked(btnDetail2, [this] { btnDetail2Click(); });
    onClicked(btnPrint2, [this] { btnPrint2Click(); });
    onClicked(btnExport2, [this] {
        if (hasRows(cxGrid2))
            cxGrid2->exportWithDialog();
    });
    onClicked(btnExit2, [this] { close(); });
    onClicked(btnQuery2, [this] { btnQuery2Click(); });
    addDatePresetMenu(btnDates, date1, date2, [this] { runGuarded([this] { btnQuery2Click(); }); });
    connect(cxGrid2, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnDetail2Click(); }); });
    auto* menu2 = new QMenu(this);
    QAction* export2 = menu2->addAction(QStringLiteral("导出为Excel(&E)"));
    connect(export2, &QAction::triggered, btnExport2, &QToolButton::click);
    connect(cxGrid2->view(), &QWidget::customContextMenuRequested, this,
            [this, menu2](const QPoint& pos) { menu2->popup(cxGrid2->view()->viewport()->mapToGlobal(pos)); });

    connect(chkJy3, &QCheckBox::toggled, this, [this] { runGuarded([this] { chkJy3Click(); }); });
    connect(TreeView2, &CategoryTree::nodeClicked, this, [this](int id) { runGuarded([this, id] { TreeView2Click(id); }); });
    connect(cxGridClass, &DataGrid::rowClicked, this, [this](int row) {
        runGuarded([this, row] {
            cxGrid3->setFilter({{QStringLiteral("gc_sn"), FilterOp::Prefix, cxGridClass->value(row, QStringLiteral("gc_sn"))}});
        });
    });
    connect(tClassName, &QLineEdit::textEdited, this,
            [this](const QString& text) { runGuarded([this, text] { tClassNameEdited(text); }); });
    connect(tkey3, &QLineEdit::textChanged, this, [this] { runGuarded([this] { tkey3Edited(); }); });

    onClicked(btnPrint4, [this] { btnPrint4Click(); });
    onClicked(btnExport4, [this] {
        if (hasRows(cxGrid4))
            cxGrid4->exportWithDialog();
    });
    onClicked(btnExit4, [this] { close(); });
    onClicked(btnQuery4, [this] { btnQuery4Click(); });

    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_loading)
            runGuarded([this, index] { PageControl1Change(index); });
    });
}

bool TF_Kccx::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == tsplb || watched == tsplb4))
        PanelClass->popUp();
    return TF_Form::eventFilter(watched, event);
}

void TF_Kccx::FormActivate()
{
    m_loading = true;
    PanelClass->hide();
    PageControl1->setCurrentIndex(0);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    tkey->clear();
    // Tab 4's filters and tab 2's period.
    fillCodeCombo(comCk4, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    fillCodeCombo(comColor, QStringLiteral("jxc_color"), QStringLiteral("color_name"), QStringLiteral("所有颜色"),
                  QStringLiteral("id"), QStringLiteral("color_sn"));
    fillCodeCombo(comCm, QStringLiteral("jxc_cm"), QStringLiteral("cm_name"), QStringLiteral("所有尺码"),
                  QStringLiteral("id"), QStringLiteral("cm_sn"));
    for (CodeComboBox* c : {comCk4, comColor, comCm})
        c->setCurrentIndex(0);
    tkey4->clear();
    chk04->setChecked(false);
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    chk0->setChecked(false);
    chkJy->setChecked(false);
    PanelClass->reload();
    resetClass();
    btnQueryClick();
    m_loading = false;
}

bool TF_Kccx::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        if (PageControl1->currentIndex() == 0)
            runGuarded([this] { btnQueryClick(); });
        else if (PageControl1->currentIndex() == 1)
            runGuarded([this] { btnQuery2Click(); });
        return true;
    }
    return false;
}

void TF_Kccx::FormClose()
{
    PanelClass->hide();
    for (NamedQuery* q : {DataModule->Q_Kccx1, DataModule->Q_Kccx2, DataModule->Q_GClass7, DataModule->Q_GClass8,
                          DataModule->Q_Goods4})
        q->close();
}

bool TF_Kccx::hasRows(DataGrid* grid) const
{
    return grid->rowCount() > 0 && grid->currentRow() >= 0;
}

QString TF_Kccx::focused(DataGrid* grid, const QString& field) const
{
    return grid->value(grid->currentRow(), field);
}

// ---- Tab 1 ---------------------------------------------------------------------------------

void TF_Kccx::btnQueryClick()
{
    StockFilter f;
    f.ckSn = comCk->currentIsAll() ? QString() : comCk->currentCodeOrEmpty();
    f.gcSn = m_gcSn;
    f.key = tkey->text();
    f.hideZero = chk0->isChecked();
    f.showDisabled = chkJy->isChecked();
    openQuery(DataModule->Q_Kccx1, stockQuerySql(f));
}

void TF_Kccx::btnFindClick()
{
    TF_Kccx_Cx* cx = ensureForm(F_Kccx_Cx);
    cx->showModalForm();
    m_loading = true;
    comCk->setCurrentIndex(cx->comCk->currentIndex());
    m_loading = false;
    cxGrid1->view()->viewport()->update();
}

void TF_Kccx::btnAllClick()
{
    m_loading = true;
    comCk->setCurrentIndex(0);
    resetClass();
    tkey->clear();
    chk0->setChecked(false);
    chkJy->setChecked(false);
    btnQueryClick();
    m_loading = false;
}

void TF_Kccx::openLedger(DataGrid* grid)
{
    if (!hasRows(grid))
        return;
    curGoodsSn = focused(grid, QStringLiteral("g_sn"));
    openWindow(QStringLiteral("TF_Kccx_Mx"), QStringLiteral("商品库存明细表(") + focused(grid, QStringLiteral("g_name")) + u')',
               QStringLiteral("查看明细"));
}

void TF_Kccx::btnDetailClick()
{
    openLedger(cxGrid1);
}

void TF_Kccx::btnPrintClick()
{
    if (!hasRows(cxGrid1))
        return;
    Report rpt;
    rpt.setLayout(stockListLayout());
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("pzhj"), reportQuote(QString::number(cxGrid1->rowCount())));
    rpt.setVariable(QStringLiteral("kcsl"), reportQuote(cxGrid1->sum(QStringLiteral("kcsl")).toText()));
    rpt.setVariable(QStringLiteral("kccb"), reportQuote(cxGrid1->sum(QStringLiteral("kczje")).toText()));
    rpt.setVariable(QStringLiteral("ckName"), reportQuote(comCk->currentText()));
    rpt.setDataset(QStringLiteral("frxDBDataset1"), cxGrid1->shownResult());
    rpt.preview(this);
}

void TF_Kccx::btnJhClick()
{
    callerFlag = QStringLiteral("jh");
    openWindow(QStringLiteral("TF_Kccx_Jth"), QString(), QStringLiteral("进货参考"));
    callerFlag.clear();
}

void TF_Kccx::btnThClick()
{
    callerFlag = QStringLiteral("th");
    openWindow(QStringLiteral("TF_Kccx_Jth"), QString(), QStringLiteral("退货参考"));
    callerFlag.clear();
}

void TF_Kccx::btnExportClick()
{
    if (hasRows(cxGrid1))
        cxGrid1->exportWithDialog();
}

void TF_Kccx::btnJjClick()
{
    if (!hasRows(cxGrid1))
        return;
    if (comCk->currentIsAll()) {
        msgInfo(QStringLiteral("请选择仓库后在进行均价的维护操作！"), this);
        return;
    }
    TF_Kccx_Jj* jj = ensureForm(F_Kccx_Jj);
    jj->fill(focused(cxGrid1, QStringLiteral("g_sn")), focused(cxGrid1, QStringLiteral("g_name")), comCk->currentText(),
             focused(cxGrid1, QStringLiteral("cbjj")), comCk->currentCode());
    jj->showModalForm();
    const int row = cxGrid1->currentRow();
    DataModule->Q_Kccx1->open();
    cxGrid1->setCurrentRow(row);
}

void TF_Kccx::addToReference(const QString& word)
{
    if (!hasRows(cxGrid1))
        return;
    addJth(focused(cxGrid1, QStringLiteral("g_sn")), word, QStringLiteral("参考中已存在该商品，是否修改数量？"), this);
}

void TF_Kccx::N_AddJhClick()
{
    addToReference(QStringLiteral("jadd"));
}

void TF_Kccx::N_AddThClick()
{
    addToReference(QStringLiteral("tadd"));
}

void TF_Kccx::N_AddAlarmClick()
{
    const QString gSn = selectValue(QStringLiteral("select g_sn from jxc_goods where g_kc<g_zdkc order by id limit 1"));
    if (gSn.isEmpty() || !DataModule->Q_Kccx1->locate(QStringLiteral("g_sn"), gSn))
        return;
    if (!cxGrid1->setCurrentRow(DataModule->Q_Kccx1->currentRow()))
        return;
    addToReference(QStringLiteral("jadd"));
}

void TF_Kccx::cxGrid1DblClick()
{
    if (!hasRows(cxGrid1))
        return;
    curGoodsSn = focused(cxGrid1, QStringLiteral("g_sn"));
    paramValue = comCk->currentIsAll() ? QString() : comCk->currentCode();
    openWindow(QStringLiteral("TF_DetailKc"), QString(), QStringLiteral("尺码颜色库存"));
    paramValue.clear();
    curGoodsSn.clear();
}

// ---- Category panel ------------------------------------------------------------------------

void TF_Kccx::resetClass()
{
    if (QTreeWidgetItem* root = PanelClass->tree->topLevelItem(0))
        PanelClass->tree->selectById(PanelClass->tree->idOf(root));
    m_gcSn.clear();
    tsplb->setText(QStringLiteral("所有类别"));
    tsplb4->setText(QStringLiteral("所有类别"));
}

void TF_Kccx::classChosen(const QString& code, const QString& name)
{
    m_gcSn = code;
    tsplb->setText(name);
    tsplb4->setText(name);
    if (PageControl1->currentIndex() == 0)
        btnQueryClick();
}

// ---- Tab 2 ---------------------------------------------------------------------------------

void TF_Kccx::btnQuery2Click()
{
    openQuery(DataModule->Q_Kccx2, movementSql(date1->date(), date2->date(), tkey2->text()));
}

void TF_Kccx::btnDetail2Click()
{
    openLedger(cxGrid2);
}

void TF_Kccx::btnPrint2Click()
{
    if (!hasRows(cxGrid2))
        return;
    Report rpt;
    rpt.setLayout(movementLayout());
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("date1"), reportQuote(date1->date().toString(QStringLiteral("yyyy-MM-dd"))));
    rpt.setVariable(QStringLiteral("date2"), reportQuote(date2->date().toString(QStringLiteral("yyyy-MM-dd"))));
    rpt.setDataset(QStringLiteral("frxDBDataset1"), cxGrid2->shownResult());
    rpt.preview(this);
}

// ---- Tab 3 ---------------------------------------------------------------------------------

void TF_Kccx::loadGoods()
{
    if (cxGrid3->isFiltered())
        cxGrid3->clearFilter();
    openQuery(DataModule->Q_Goods4,
              QStringLiteral("select a.*,b.gc_name from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn ") +
                  (chkJy3->isChecked() ? QString() : QStringLiteral(" and a.g_jy=0 ")) + QStringLiteral("order by a.g_sn"));
}

void TF_Kccx::chkJy3Click()
{
    if (!m_loading)
        loadGoods();
}

void TF_Kccx::TreeView2Click(int gcCid)
{
    const QString code = TreeView2->query()->value(TreeView2->rowOf(TreeView2->itemById(gcCid)), QStringLiteral("gc_sn"));
    if (code.isEmpty())
        cxGrid3->clearFilter();
    else
        cxGrid3->setFilter({{QStringLiteral("gc_sn"), FilterOp::Prefix, code}});
}

void TF_Kccx::tClassNameEdited(const QString& text)
{
    PageClass->setCurrentIndex(0);
    const QString pattern = sqlSafe(text) + u'%';
    const QString name = selectValue(QStringLiteral("select gc_name from jxc_goodsclass where (gc_jm like ? or gc_name like ?) "
                                                    "and gc_pid<>0 order by id limit 1"),
                                     {{QString(), pattern}, {QString(), pattern}});
    if (!name.isEmpty() && TreeView2->selectByText(name))
        TreeView2->currentItem()->setExpanded(true);
}

void TF_Kccx::tkey3Edited()
{
    cxGrid3->setSearch(tkey3->text(), {QStringLiteral("g_jm"), QStringLiteral("g_name"), QStringLiteral("g_sn"),
                                       QStringLiteral("gg_name")});
}

// ---- Tab 4 ---------------------------------------------------------------------------------

void TF_Kccx::btnQuery4Click()
{
    auto code = [](CodeComboBox* c) { return c->currentIsAll() ? QString() : c->currentCodeOrEmpty(); };
    StockDetailFilter f;
    f.ckSn = code(comCk4);
    f.colorSn = code(comColor);
    f.cmSn = code(comCm);
    f.gcSn = m_gcSn;
    f.text = tkey4->text();
    f.hideZero = chk04->isChecked();
    openQuery(DataModule->Q_Kcmx, stockDetailSql(f));
}

void TF_Kccx::btnPrint4Click()
{
    Report rpt;
    rpt.loadTemplate(QStringLiteral("kcspmxb.fr3"));
    rpt.setDataset(QStringLiteral("frxDBDataset3"), cxGrid4->shownResult());
    rpt.preview(this);
}

void TF_Kccx::PageControl1Change(int index)
{
    PanelClass->hide();
    switch (index) {
    case 1:
        tkey2->clear();
        btnQuery2Click();
        break;
    case 2:
        m_loading = true;
        PageClass->setCurrentIndex(0);
        tClassName->clear();
        tkey3->clear();
        chkJy3->setChecked(false);
        m_loading = false;
        openQuery(DataModule->Q_GClass7, DataModule->Q_GClass7->designSql());
        openQuery(DataModule->Q_GClass8, DataModule->Q_GClass8->designSql());
        loadGoods();
        if (QTreeWidgetItem* root = TreeView2->topLevelItem(0))
            TreeView2->selectById(TreeView2->idOf(root));
        break;
    case 3:
        btnQuery4Click();
        break;
    default:
        break;
    }
}
