#include "stock/kccx_mx.h"

#include "bills/billprint.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "data/values.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/msgbox.h"
#include "platform/reportlist.h"
#include "platform/reporttemplate.h"
#include "stock/stocksql.h"

#include <QAction>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

TF_Kccx_Mx* F_Kccx_Mx = nullptr;

namespace {

// One kind of movement: its select over the header a and the lines b (or the header alone),
// restricted to the goods (%1) so that each kind reads through its goods index.
struct LedgerKind {
    const char* select;
};

// Columns: rq, djh, dnote, ghskh, rksl, cksl, dj, zje, ck_sn, ck_name, u_name, a_name, g_sn, xh.
const LedgerKind kKinds[] = {
    {"select a.j_jhrq as rq,a.j_sn as djh,'进货入库' as dnote,g.ghs_name as ghskh,b.jh_sl as rksl,0 as cksl,"
     "b.jh_dj as dj,b.jh_zje as zje,a.ck_sn,c.ck_name,u.u_name,a.a_name,b.g_sn,1 as xh "
     "from jxc_jhd a,jxc_jhsp b,jxc_ckxx c,jxc_user u,jxc_ghsxx g where a.j_sn=b.j_sn and a.ck_sn=c.ck_sn "
     "and a.u_sn=u.u_sn and a.ghs_sn=g.ghs_sn and b.g_sn=%1"},
    {"select a.th_thrq,a.gl_djh,'退货出库',g.ghs_name,0,b.th_sl,b.th_dj,b.th_zje,a.ck_sn,c.ck_name,u.u_name,"
     "a.a_name,b.g_sn,2 from jxc_thd a,jxc_thsp b,jxc_ckxx c,jxc_user u,jxc_ghsxx g where a.gl_djh=b.gl_djh "
     "and a.ck_sn=c.ck_sn and a.u_sn=u.u_sn and a.ghs_sn=g.ghs_sn and b.g_sn=%1"},
    {"select a.ls_xsrq,a.gl_djh,'销售出库',k.kh_name,0,b.ls_sl,b.ls_dj,b.ls_zje,a.ck_sn,c.ck_name,u.u_name,"
     "a.a_name,b.g_sn,3 from jxc_lsxsd a,jxc_lsxssp b,jxc_ckxx c,jxc_user u,jxc_khxx k where a.gl_djh=b.gl_djh "
     "and a.ck_sn=c.ck_sn and a.u_sn=u.u_sn and a.kh_sn=k.kh_sn and b.g_sn=%1"},
    {"select a.th_xsrq,a.gl_djh,'退货入库',k.kh_name,b.th_sl,0,b.th_dj,b.th_zje,a.ck_sn,c.ck_name,u.u_name,"
     "a.a_name,b.g_sn,4 from jxc_xsthd a,jxc_xsthsp b,jxc_ckxx c,jxc_user u,jxc_khxx k where a.gl_djh=b.gl_djh "
     "and a.ck_sn=c.ck_sn and a.u_sn=u.u_sn and a.kh_sn=k.kh_sn and b.g_sn=%1"},
    {"select a.db_dbrq,a.gl_djh,'从('||c.ck_name||')调拨到('||d.ck_name||')','',0,b.db_sl,0,0,a.ck_out,c.ck_name,"
     "u.u_name,a.a_name,b.g_sn,5 from jxc_kcdbd a,jxc_dbsp b,jxc_ckxx c,jxc_ckxx d,jxc_user u "
     "where a.gl_djh=b.gl_djh and a.ck_out=c.ck_sn and a.ck_in=d.ck_sn and a.u_sn=u.u_sn and b.g_sn=%1"},
    {"select a.db_dbrq,a.gl_djh,'从('||c.ck_name||')调拨到('||d.ck_name||')','',b.db_sl,0,0,0,a.ck_in,d.ck_name,"
     "u.u_name,a.a_name,b.g_sn,6 from jxc_kcdbd a,jxc_dbsp b,jxc_ckxx c,jxc_ckxx d,jxc_user u "
     "where a.gl_djh=b.gl_djh and a.ck_out=c.ck_sn and a.ck_in=d.ck_sn and a.u_sn=u.u_sn and b.g_sn=%1"},
    {"select a.bs_bsrq,a.gl_djh,'报损:'||coalesce(a.bs_note,''),'',0,b.bs_sl,0,0,a.ck_sn,c.ck_name,u.u_name,"
     "a.a_name,b.g_sn,7 from jxc_bsd a,jxc_bssp b,jxc_ckxx c,jxc_user u where a.gl_djh=b.gl_djh "
     "and a.ck_sn=c.ck_sn and a.u_sn=u.u_sn and b.g_sn=%1"},
    {"select a.by_byrq,a.gl_djh,'报溢:'||coalesce(a.by_note,''),'',b.by_sl,0,0,0,a.ck_sn,c.ck_name,u.u_name,"
     "a.a_name,b.g_sn,8 from jxc_byd a,jxc_bysp b,jxc_ckxx c,jxc_user u where a.gl_djh=b.gl_djh "
     "and a.ck_sn=c.ck_sn and a.u_sn=u.u_sn and b.g_sn=%1"},
    {"select a.cf_cfrq,a.gl_djh,'拆分减少','',0,a.cf_sl,a.cf_cbj,a.cf_sl*a.cf_cbj,a.ck_sn,c.ck_name,u.u_name,"
     "a.a_name,a.g_sn,9 from jxc_cfd a,jxc_ckxx c,jxc_user u where a.ck_sn=c.ck_sn and a.u_sn=u.u_sn "
     "and a.g_sn=%1"},
    {"select a.cf_cfrq,a.gl_djh,'拆分增加','',b.cf_sl,0,b.cf_dj,b.cf_zje,a.ck_sn,c.ck_name,u.u_name,a.a_name,"
     "b.g_sn,10 from jxc_cfd a,jxc_cfsp b,jxc_ckxx c,jxc_user u where a.gl_djh=b.gl_djh and a.ck_sn=c.ck_sn "
     "and a.u_sn=u.u_sn and b.g_sn=%1"},
    {"select a.kb_kbrq,a.gl_djh,'捆绑增加','',a.kb_sl,0,a.kb_cbj,a.kb_sl*a.kb_cbj,a.ck_sn,c.ck_name,u.u_name,"
     "a.a_name,a.g_sn,11 from jxc_kbd a,jxc_ckxx c,jxc_user u where a.ck_sn=c.ck_sn and a.u_sn=u.u_sn "
     "and a.g_sn=%1"},
    {"select a.kb_kbrq,a.gl_djh,'捆绑减少','',0,b.kb_sl,b.kb_dj,b.kb_zje,a.ck_sn,c.ck_name,u.u_name,a.a_name,"
     "b.g_sn,12 from jxc_kbd a,jxc_kbsp b,jxc_ckxx c,jxc_user u where a.gl_djh=b.gl_djh and a.ck_sn=c.ck_sn "
     "and a.u_sn=u.u_sn and b.g_sn=%1"},
};

QString field(const ResultSet& rs, const char* name)
{
    return rs.isEmpty() ? QString() : rs.text(0, QLatin1String(name));
}

// Lines of a partner bill with one row per size and colour row; a line without such rows gives
// one row with its own quantity and amount and no size or colour.
QString partnerLines(const char* lines, const char* rows, const char* numberColumn, const char* price,
                     const char* qty, const char* amount, const QString& number)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,"
                          "coalesce(e.t_sl,a.%5) as t_sl,%4 as sj,iif(e.id is null,a.%6,%4*e.t_sl) as zje "
                          "from %1 a join jxc_goods b on a.g_sn=b.g_sn "
                          "left join %2 e on a.%3=e.gl_djh and a.id=e.tid "
                          "left join jxc_cm c on e.cm_sn=c.cm_sn left join jxc_color d on e.color_sn=d.color_sn "
                          "where a.%3=%7 order by a.id,e.id")
        .arg(QLatin1String(lines), QLatin1String(rows), QLatin1String(numberColumn), QLatin1String(price),
             QLatin1String(qty), QLatin1String(amount), sqlText(number));
}

}  // namespace

QString ledgerSql(const QString& gSn, const QDate& from, const QDate& to, const QString& ckSn, int kinds)
{
    QStringList selects;
    for (int i = 0; i < kinds && i < int(std::size(kKinds)); ++i)
        selects << QString::fromUtf8(kKinds[i].select).arg(sqlText(gSn));
    QString sql = QStringLiteral("select * from (") + selects.join(QStringLiteral(" union all ")) +
                  QStringLiteral(") where rq>=%1 and rq<=%2 ")
                      .arg(sqlText(from.toString(QStringLiteral("yyyy-MM-dd"))),
                           // Sales of the till carry a time: the last day ends at 23:59:59.
                           sqlText(to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59")));
    if (!ckSn.isEmpty())
        sql += QStringLiteral(" and ck_sn=%1 ").arg(sqlText(ckSn));
    return sql + QStringLiteral("order by xh");
}

QString ledgerStockSql(const QString& gSn)
{
    return QStringLiteral("select a.g_sn,a.g_name,b.ck_name,c.kc_sl,a.dw_name,a.gg_name,a.color_name from "
                          "jxc_goods a,jxc_ckxx b,jxc_kcsp c where a.g_sn=c.g_sn and b.ck_sn=c.ck_sn and c.g_sn=%1 "
                          "order by c.ck_sn")
        .arg(sqlText(gSn));
}

bool ledgerDocument(const QString& number, const QString& date, const QString& handler, const QString& warehouse,
                    BillPrint& out)
{
    const QString prefix = number.left(2);
    const SqlParams byNumber{{QString(), number}};
    out = BillPrint();
    auto partnerBill = [&](const char* file, const char* head, const char* numberColumn, const char* note,
                           const char* due, const char* paid, bool customer) {
        out.templateFile = QLatin1String(file);
        const ResultSet h = openSelect(QStringLiteral("select * from %1 where %2=?").arg(QLatin1String(head), QLatin1String(numberColumn)),
                                     byNumber);
        out.variables = {{QStringLiteral("ckName"), warehouse},
                         {QStringLiteral("jhDate"), date},
                         {QStringLiteral("uName"), handler},
                         {QStringLiteral("Note"), field(h, note)},
                         {QStringLiteral("yf"), moneyToDx(field(h, due))},
                         {QStringLiteral("sf"), moneyToDx(field(h, paid))}};
        const char* table = customer ? "jxc_khxx" : "jxc_ghsxx";
        const char* key = customer ? "kh_sn" : "ghs_sn";
        const QString p = QLatin1String(customer ? "kh" : "ghs");
        const ResultSet party = openSelect(QStringLiteral("select * from %1 where %2=?").arg(QLatin1String(table), QLatin1String(key)),
                                         {{QString(), field(h, key)}});
        for (const char* f : {"name", "lxr", "tele", "address"}) {
            const QString name = QLatin1String(f);
            out.variables.append(BillVariable(p + name.left(1).toUpper() + name.mid(1),
                                              field(party, (p + u'_' + name).toLatin1().constData())));
        }
    };
    if (prefix == u"XS") {
        partnerBill("spxs.fr3", "jxc_lsxsd", "gl_djh", "ls_note", "ls_yfje", "ls_sfje", true);
        out.linesSql = partnerLines("jxc_lsxssp", "jxc_lsxsspmx", "gl_djh", "a.ls_dj*a.ls_dzl", "ls_sl", "ls_zje", number);
    } else if (prefix == u"XT") {
        partnerBill("xsth.fr3", "jxc_xsthd", "gl_djh", "th_note", "th_yfje", "th_sfje", true);
        out.linesSql = partnerLines("jxc_xsthsp", "jxc_xsthspmx", "gl_djh", "a.th_dj*a.th_dzl", "th_sl", "th_zje", number);
    } else if (prefix == u"CJ") {
        partnerBill("cgjh.fr3", "jxc_jhd", "j_sn", "j_note", "j_yfje", "j_sfje", false);
        out.linesSql = partnerLines("jxc_jhsp", "jxc_jhspmx", "j_sn", "a.jh_dj", "jh_sl", "jh_zje", number);
    } else if (prefix == u"CT") {
        partnerBill("cgth.fr3", "jxc_thd", "gl_djh", "th_note", "th_yfje", "th_sfje", false);
        out.linesSql = partnerLines("jxc_thsp", "jxc_thspmx", "gl_djh", "a.th_dj", "th_sl", "th_zje", number);
    } else if (prefix == u"DB") {
        out.templateFile = QStringLiteral("kcdbd.fr3");
        const ResultSet names = openSelect(QStringLiteral("select b.ck_name as dcck,c.ck_name as drck from jxc_kcdbd a,jxc_ckxx b,"
                                                        "jxc_ckxx c where a.ck_out=b.ck_sn and a.ck_in=c.ck_sn and a.gl_djh=?"),
                                         byNumber);
        out.variables = {{QStringLiteral("yf"), moneyToDx(selectValue(QStringLiteral("select sum(a.db_sl*b.g_sj) from jxc_dbsp a,"
                                                                                     "jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=?"),
                                                                      byNumber))},
                         {QStringLiteral("jhDate"), date},
                         {QStringLiteral("uName"), handler},
                         {QStringLiteral("ckOut"), field(names, "dcck")},
                         {QStringLiteral("ckIn"), field(names, "drck")}};
        out.linesSql = QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sj,b.db_sl*a.g_sj as zje,"
                                      "a.g_sccs from jxc_goods a,jxc_dbsp b where a.g_sn=b.g_sn and b.gl_djh=%1 order by b.id")
                           .arg(sqlText(number));
    } else if (prefix == u"BS" || prefix == u"BY") {
        const QString k = prefix == u"BS" ? QStringLiteral("bs") : QStringLiteral("by");
        out.templateFile = QStringLiteral("bsby.fr3");
        const ResultSet h = openSelect(QStringLiteral("select a.%1_%1rq as rq,a.%1_note as dnote,a.a_name,b.ck_name,c.u_name from "
                                                    "jxc_%1d a,jxc_ckxx b,jxc_user c where a.ck_sn=b.ck_sn and a.u_sn=c.u_sn "
                                                    "and a.gl_djh=?")
                                         .arg(k),
                                     byNumber);
        out.variables = {{QStringLiteral("title"), prefix == u"BS" ? QStringLiteral("商品报损单") : QStringLiteral("商品报溢单")},
                         {QStringLiteral("jhDate"), field(h, "rq")},
                         {QStringLiteral("aName"), field(h, "a_name")},
                         {QStringLiteral("ckName"), field(h, "ck_name")},
                         {QStringLiteral("uName"), field(h, "u_name")},
                         {QStringLiteral("dNote"), field(h, "dnote")}};
        out.linesSql = QStringLiteral("select a.t_scrq,a.%1_sl as sl,a.%1_dj as dj,a.%1_zje as zje,a.%1_note as dnote,a.gl_djh,"
                                      "b.g_name,b.dw_name,b.gg_name,b.color_name,a.g_sn,b.g_sccs from jxc_%1sp a,jxc_goods b "
                                      "where a.g_sn=b.g_sn and a.gl_djh=%2 order by a.id")
                           .arg(k, sqlText(number));
    } else if (prefix == u"CF" || prefix == u"KB") {
        const QString k = prefix == u"CF" ? QStringLiteral("cf") : QStringLiteral("kb");
        out.templateFile = k == u"cf" ? QStringLiteral("cfd.fr3") : QStringLiteral("kbd.fr3");
        const QString rq = k == u"cf" ? QStringLiteral("cf_cfrq") : QStringLiteral("kb_kbrq");
        const ResultSet h = openSelect(QStringLiteral("select a.*,b.g_name,b.g_jm,c.ck_name,b.dw_name,b.gg_name,b.color_name,"
                                                    "a.%1_cbj*a.%1_sl as zje,d.u_name,b.g_sccs from jxc_%1d a,jxc_goods b,"
                                                    "jxc_ckxx c,jxc_user d where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn "
                                                    "and a.u_sn=d.u_sn and a.gl_djh=? order by a.id desc")
                                         .arg(k),
                                     byNumber);
        auto of = [&](const QString& name) { return h.isEmpty() ? QString() : h.text(0, name); };
        const Money cost = Money::fromText(of(k + QStringLiteral("_cbj")));
        const qint64 qty = qint64(of(k + QStringLiteral("_sl")).toDouble());
        out.variables = {{QStringLiteral("jhDate"), of(rq)},
                         {QStringLiteral("aName"), of(QStringLiteral("a_name"))},
                         {QStringLiteral("ckName"), of(QStringLiteral("ck_name"))},
                         {QStringLiteral("uName"), of(QStringLiteral("u_name"))},
                         {QStringLiteral("gName"), of(QStringLiteral("g_name"))},
                         {QStringLiteral("gSn"), of(QStringLiteral("g_sn"))},
                         {QStringLiteral("dwName"), of(QStringLiteral("dw_name"))},
                         {QStringLiteral("ggName"), of(QStringLiteral("gg_name"))},
                         {QStringLiteral("tScrq"), of(QStringLiteral("t_scrq"))},
                         {QStringLiteral("cfCbj"), of(k + QStringLiteral("_cbj"))},
                         {QStringLiteral("cfSl"), of(k + QStringLiteral("_sl"))},
                         {QStringLiteral("cfZje"), (cost * Money::fromUnits(qty * 10000)).toText()},
                         {QStringLiteral("cfNote"), of(k + QStringLiteral("_note"))}};
        out.linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,c.ck_name,b.g_sccs from jxc_%1sp a,"
                                      "jxc_goods b,jxc_ckxx c where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn and a.gl_djh=%2 order by a.id")
                           .arg(k, sqlText(number));
    } else {
        return false;
    }
    return true;
}

ReportTemplate cfdLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品拆分单");
    spec.headerLines = {QStringLiteral("拆分日期：[jhDate]    仓库：[ckName]    经办人：[uName]    操作员：[aName]"),
                        QStringLiteral("拆分商品：[gSn] [gName]  [ggName]  单位：[dwName]  生产日期：[tScrq]"),
                        QStringLiteral("数量：[cfSl]    成本价：[cfCbj]    金额：[cfZje]"),
                        QStringLiteral("备注：[cfNote]")};
    const auto right = ReportHAlign::Right;
    spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 24},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 22},
                    {QStringLiteral("仓库"), QStringLiteral("ck_name"), 22},
                    {QStringLiteral("数量"), QStringLiteral("cf_sl"), 16, right, QString(), true},
                    {QStringLiteral("单价"), QStringLiteral("cf_dj"), 18, right, QStringLiteral("0.00")},
                    {QStringLiteral("金额"), QStringLiteral("cf_zje"), 20, right, QStringLiteral("0.00"), true}};
    return reportListLayout(spec);
}

// ---- The window ----------------------------------------------------------------------------

TF_Kccx_Mx::TF_Kccx_Mx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccx_Mx"));
    setWindowTitle(QStringLiteral("商品库存明细表()"));
    setEscCloses(true);
    resize(1000, 620);

    auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto tool = [&](const char* name, const QString& text) {
        auto* b = named(new QToolButton(this), name);
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    date1 = named(new QDateEdit(this), "date1");
    date2 = named(new QDateEdit(this), "date2");
    for (QDateEdit* d : {date1, date2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    btnDates = tool("btnDates", QString());
    btnDates->setPopupMode(QToolButton::InstantPopup);
    comCk = named(new CodeComboBox(this), "comCk");
    btnQuery = named(new QPushButton(QStringLiteral("查询"), this), "btnQuery");
    btnQuery->setAutoDefault(false);
    btnView = tool("btnView", QStringLiteral("查看单据"));
    btnFilter = tool("btnFilter", QStringLiteral("单据过滤"));
    btnFilter->setPopupMode(QToolButton::InstantPopup);
    btnExport = tool("btnExport", QStringLiteral("导出"));
    btnExit = tool("btnExit", QStringLiteral("退出"));

    PopupFilter = new QMenu(this);
    PopupFilter->setObjectName(QStringLiteral("PopupFilter"));
    for (const auto& [caption, prefix] :
         {std::pair{"进货入库单(&Q)", "CJ"}, {"退货出库单(&R)", "CT"}, {"出货出库单(&S)", "XS"}, {"退货入库单(&T)", "XT"},
          {"库存调拨单(&U)", "DB"}, {"商品报损单(&V)", "BS"}, {"商品报溢单(&W)", "BY"}, {"商品拆分单(&X)", "CF"},
          {"商品捆绑单(&Y)", "KB"}, {"所有单据(&Z)", ""}}) {
        QAction* a = PopupFilter->addAction(QString::fromUtf8(caption));
        const QString p = QLatin1String(prefix);
        a->setObjectName(QStringLiteral("N_Filter") + (p.isEmpty() ? QStringLiteral("All") : p));
        a->setVisible(p != u"KB");
        connect(a, &QAction::triggered, this, [this, p] { filterBy(p); });
    }
    btnFilter->setMenu(PopupFilter);

    const QString money = QStringLiteral("￥,0.00;-￥,0.00");
    cxGrid1 = named(new DataGrid(this), "cxGrid1");
    cxGrid1->addColumn(QStringLiteral("rq"), QStringLiteral("日期"), 90).footerText(QStringLiteral("单据合计："));
    cxGrid1->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110).footerCount();
    cxGrid1->addColumn(QStringLiteral("dnote"), QStringLiteral("说明"), 150);
    cxGrid1->addColumn(QStringLiteral("ghskh"), QStringLiteral("供货商/客户"), 120);
    cxGrid1->addColumn(QStringLiteral("rksl"), QStringLiteral("入库数")).footerSum();
    cxGrid1->addColumn(QStringLiteral("cksl"), QStringLiteral("出库数")).footerSum();
    cxGrid1->addColumn(QStringLiteral("dj"), QStringLiteral("单价")).setFormat(money);
    cxGrid1->addColumn(QStringLiteral("zje"), QStringLiteral("总金额")).setFormat(money);
    cxGrid1->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"));
    cxGrid1->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"));
    cxGrid1->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"));
    for (const char* hidden : {"g_name", "ck_sn", "g_sn"})
        cxGrid1->addColumn(QLatin1String(hidden)).setHidden();
    cxGrid1->setQuery(DataModule ? DataModule->Q_KccxMx1 : nullptr);

    cxGrid2 = named(new DataGrid(this), "cxGrid2");
    cxGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    cxGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid2->addColumn(QStringLiteral("ck_name"), QStringLiteral("所在仓库"));
    cxGrid2->addColumn(QStringLiteral("kc_sl"), QStringLiteral("当前库存")).footerSum();
    cxGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid2->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid2->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"));
    cxGrid2->setQuery(DataModule ? DataModule->Q_KccxMx2 : nullptr);

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnView, btnFilter, btnExport, btnExit})
        bar->addWidget(w);
    bar->addStretch(1);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    filters->addWidget(date1);
    filters->addWidget(new QLabel(QStringLiteral("至"), this));
    filters->addWidget(date2);
    filters->addWidget(btnDates);
    filters->addWidget(new QLabel(QStringLiteral("所在仓库："), this));
    filters->addWidget(comCk);
    filters->addWidget(btnQuery);
    filters->addStretch(1);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(cxGrid1);
    split->addWidget(cxGrid2);
    split->setStretchFactor(0, 3);
    auto* main = new QVBoxLayout(this);
    main->addLayout(filters);
    main->addLayout(bar);
    main->addWidget(split, 1);

    onClicked(btnQuery, [this] { btnQueryClick(); });
    addDatePresetMenu(btnDates, date1, date2, [this] { runGuarded([this] { btnQueryClick(); }); });
    onClicked(btnView, [this] { btnViewClick(); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
    onClicked(btnExport, [this] { cxGrid1->exportWithDialog(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Kccx_Mx::FormActivate()
{
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    btnQueryClick();
}

void TF_Kccx_Mx::FormClose()
{
    DataModule->Q_KccxMx1->close();
    DataModule->Q_KccxMx2->close();
}

void TF_Kccx_Mx::btnQueryClick()
{
    if (cxGrid1->isFiltered())
        cxGrid1->clearFilter();
    openQuery(DataModule->Q_KccxMx1, ledgerSql(curGoodsSn, date1->date(), date2->date(),
                                               comCk->currentIsAll() ? QString() : comCk->currentCodeOrEmpty()));
    openQuery(DataModule->Q_KccxMx2, ledgerStockSql(curGoodsSn));
}

void TF_Kccx_Mx::filterBy(const QString& prefix)
{
    if (prefix.isEmpty())
        cxGrid1->clearFilter();
    else
        cxGrid1->setFilter({{QStringLiteral("djh"), FilterOp::Like, prefix}});
}

void TF_Kccx_Mx::btnViewClick()
{
    const int row = cxGrid1->currentRow();
    if (cxGrid1->rowCount() == 0 || row < 0)
        return;
    BillPrint bill;
    if (ledgerDocument(cxGrid1->value(row, QStringLiteral("djh")), cxGrid1->value(row, QStringLiteral("rq")),
                       cxGrid1->value(row, QStringLiteral("u_name")), cxGrid1->value(row, QStringLiteral("ck_name")), bill))
        printGoodsDetail(bill, this);
}
