#include "admin/djcx_print.h"

#include "data/datamodule.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "data/values.h"
#include "platform/report.h"
#include "platform/voucher.h"

namespace {

QString q(const QString& djh)
{
    return QString(djh).replace(QLatin1Char('\''), QStringLiteral("''"));
}

void set(Report& rpt, const char* name, const QString& text)
{
    rpt.setVariable(QString::fromLatin1(name), reportQuote(text));
}

// The XT amounts are spelled with their sign turned.
QString turned(const QString& amount)
{
    return (Money() - Money::fromText(amount)).toText();
}

}  // namespace

QString documentTemplate(const QString& djh)
{
    static const QHash<QString, QString> files = {
        {QStringLiteral("CJ"), QStringLiteral("cgjh.fr3")},  {QStringLiteral("CT"), QStringLiteral("cgth.fr3")},
        {QStringLiteral("XS"), QStringLiteral("spxs.fr3")},  {QStringLiteral("XT"), QStringLiteral("xsth.fr3")},
        {QStringLiteral("DB"), QStringLiteral("kcdbd.fr3")}, {QStringLiteral("BS"), QStringLiteral("bsby.fr3")},
        {QStringLiteral("BY"), QStringLiteral("bsby.fr3")},  {QStringLiteral("GF"), QStringLiteral("ghsfukuan.fr3")},
        {QStringLiteral("KF"), QStringLiteral("khsk.fr3")},
    };
    return files.value(djh.left(2).toUpper());
}

void setPrinPara(Report& rpt, const QString& djh)
{
    const QString kind = djh.left(2).toUpper();
    const bool bill = QStringList({"CJ", "CT", "XS", "XT", "GF", "KF"}).contains(kind);
    if (bill) {
        rpt.clearVariables();
        set(rpt, "comName", companyName);
        set(rpt, "comTele", companyTele);
        set(rpt, "comAddress", companyAddress);
    }
    struct BillKind {
        const char* prefix;
        const char* table;
        const char* key;
        const char* date;
        const char* note;
        const char* yf;
        const char* sf;
        bool customer;
        bool negate;
    };
    static const BillKind kBills[] = {
        {"CJ", "jxc_jhd", "j_sn", "j_jhrq", "j_note", "j_yfje", "j_sfje", false, false},
        {"CT", "jxc_thd", "gl_djh", "th_thrq", "th_note", "th_yfje", "th_sfje", false, false},
        {"XS", "jxc_lsxsd", "gl_djh", "ls_xsrq", "ls_note", "ls_yfje", "ls_sfje", true, false},
        {"XT", "jxc_xsthd", "gl_djh", "th_xsrq", "th_note", "th_yfje", "th_sfje", true, true},
    };
    for (const BillKind& b : kBills) {
        if (kind != QLatin1String(b.prefix))
            continue;
        const ResultSet h = openSelect(QStringLiteral("select a.*,b.ck_name,c.u_name from %1 a left join jxc_ckxx b on "
                                                      "a.ck_sn=b.ck_sn left join jxc_user c on a.u_sn=c.u_sn where a.%2='%3'")
                                           .arg(QString::fromLatin1(b.table), QString::fromLatin1(b.key), q(djh)));
        auto f = [&h](const char* name) { return h.rowCount() ? h.text(0, QString::fromLatin1(name)) : QString(); };
        set(rpt, "ckName", f("ck_name"));
        set(rpt, "jhDate", f(b.date));
        set(rpt, "Note", f(b.note));
        set(rpt, "uName", f("u_name"));
        const QString yf = f(b.yf);
        const QString sf = f(b.sf);
        set(rpt, "yf", moneyToDx(b.negate ? turned(yf) : yf));
        set(rpt, "sf", moneyToDx(b.negate ? turned(sf) : sf));
        const char* p = b.customer ? "kh" : "ghs";
        const ResultSet partner = openSelect(QStringLiteral("select * from jxc_%1xx where %1_sn='%2'")
                                                 .arg(QString::fromLatin1(p), q(f(b.customer ? "kh_sn" : "ghs_sn"))));
        for (const char* field : {"name", "lxr", "tele", "address"}) {
            const QString column = QString::fromLatin1(p) + QLatin1Char('_') + QString::fromLatin1(field);
            QString variable = QString::fromLatin1(p) + QString::fromLatin1(field);
            variable[QString::fromLatin1(p).size()] = variable[QString::fromLatin1(p).size()].toUpper();
            rpt.setVariable(variable, reportQuote(partner.rowCount() ? partner.text(0, column) : QString()));
        }
        return;
    }
    if (kind == QLatin1String("GF") || kind == QLatin1String("KF")) {
        const bool gf = kind == QLatin1String("GF");
        const QString x = gf ? QStringLiteral("gf") : QStringLiteral("kf");
        const ResultSet h = openSelect(QStringLiteral("select a.*,b.u_name from %1 a left join jxc_user b on a.u_sn=b.u_sn "
                                                      "where a.%2_sn='%3'")
                                           .arg(gf ? QStringLiteral("jxc_ghsfk") : QStringLiteral("jxc_khfk"), x, q(djh)));
        auto f = [&h](const QString& name) { return h.rowCount() ? h.text(0, name) : QString(); };
        set(rpt, "bTitle", companyShortName + (gf ? QStringLiteral("付款单") : QStringLiteral("收款单")));
        set(rpt, "djh", djh);
        set(rpt, "aname", f(QStringLiteral("a_name")));
        set(rpt, "uname", f(QStringLiteral("u_name")));
        set(rpt, "fkfs", f(x + QStringLiteral("_fkfs")));
        set(rpt, "pnote", f(x + QStringLiteral("_note")));
        const QString amount = f(x + QStringLiteral("_je"));
        set(rpt, "sf", moneyToDx(amount));
        const QString p = gf ? QStringLiteral("ghs") : QStringLiteral("kh");
        const ResultSet partner =
            openSelect(QStringLiteral("select * from jxc_%1xx where %1_sn='%2'").arg(p, q(f(p + QStringLiteral("_sn")))));
        auto pf = [&partner, &p](const char* field) {
            return partner.rowCount() ? partner.text(0, p + QLatin1Char('_') + QString::fromLatin1(field)) : QString();
        };
        rpt.setVariable(p + QStringLiteral("Name"), reportQuote(pf("name")));
        rpt.setVariable(p + QStringLiteral("Tele"), reportQuote(pf("tele")));
        rpt.setVariable(p + QStringLiteral("Address"), reportQuote(pf("address")));
        setVoucherDigits(rpt, Money::fromText(amount));
        return;
    }
    if (kind == QLatin1String("DB")) {
        const QString value = selectValue(QStringLiteral("select sum(a.db_sl*b.g_sj) as zje from jxc_dbsp a,jxc_goods b "
                                                         "where a.g_sn=b.g_sn and a.gl_djh='%1'")
                                              .arg(q(djh)));
        set(rpt, "yf", moneyToDx(value));
        const ResultSet h = openSelect(QStringLiteral("select a.db_dbrq,b.ck_name as dcck,c.ck_name as drck,d.u_name from "
                                                      "jxc_kcdbd a left join jxc_ckxx b on a.ck_out=b.ck_sn left join "
                                                      "jxc_ckxx c on a.ck_in=c.ck_sn left join jxc_user d on a.u_sn=d.u_sn "
                                                      "where a.gl_djh='%1'")
                                           .arg(q(djh)));
        auto f = [&h](const char* name) { return h.rowCount() ? h.text(0, QString::fromLatin1(name)) : QString(); };
        set(rpt, "jhDate", f("db_dbrq"));
        set(rpt, "ckOut", f("dcck"));
        set(rpt, "ckIn", f("drck"));
        set(rpt, "uName", f("u_name"));
        return;
    }
    if (kind == QLatin1String("BS") || kind == QLatin1String("BY")) {
        const bool bs = kind == QLatin1String("BS");
        const QString x = bs ? QStringLiteral("bs") : QStringLiteral("by");
        const ResultSet h = openSelect(QStringLiteral("select a.%1_%2rq as rq,a.%1_note as dnote,a.a_name,b.ck_name,c.u_name "
                                                      "from jxc_%1d a left join jxc_ckxx b on a.ck_sn=b.ck_sn left join "
                                                      "jxc_user c on a.u_sn=c.u_sn where a.gl_djh='%3'")
                                           .arg(x, x, q(djh)));
        auto f = [&h](const char* name) { return h.rowCount() ? h.text(0, QString::fromLatin1(name)) : QString(); };
        set(rpt, "title", bs ? QStringLiteral("商品报损单") : QStringLiteral("商品报溢单"));
        set(rpt, "ckName", f("ck_name"));
        set(rpt, "jhDate", f("rq"));
        set(rpt, "uName", f("u_name"));
        set(rpt, "aName", f("a_name"));
        set(rpt, "dNote", f("dnote"));
    }
}

QString documentGoodsSql(const QString& djh)
{
    const QString kind = djh.left(2).toUpper();
    struct Sized {
        const char* prefix;
        const char* lines;
        const char* detail;
        const char* key;
        const char* extra;
    };
    static const Sized kSized[] = {
        {"CJ", "jxc_jhsp", "jxc_jhspmx", "j_sn", "a.jh_dj*e.t_sl as zje"},
        {"CT", "jxc_thsp", "jxc_thspmx", "gl_djh", "a.th_dj*e.t_sl as zje"},
        {"XS", "jxc_lsxssp", "jxc_lsxsspmx", "gl_djh", "a.ls_dj*a.ls_dzl as sj,a.ls_dj*a.ls_dzl*e.t_sl as zje"},
        {"XT", "jxc_xsthsp", "jxc_xsthspmx", "gl_djh", "a.th_dj*a.th_dzl as sj,a.th_dj*a.th_dzl*e.t_sl as zje"},
    };
    for (const Sized& s : kSized) {
        if (kind == QLatin1String(s.prefix))
            return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,%1 from %2 a,%3 e,"
                                  "jxc_goods b,jxc_cm c,jxc_color d where e.gl_djh=a.%4 and e.tid=a.id and a.g_sn=b.g_sn "
                                  "and e.cm_sn=c.cm_sn and e.color_sn=d.color_sn and a.%4='%5' order by a.id")
                .arg(QString::fromLatin1(s.extra), QString::fromLatin1(s.lines), QString::fromLatin1(s.detail),
                     QString::fromLatin1(s.key), q(djh));
    }
    if (kind == QLatin1String("DB"))
        return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sj,b.db_sl*a.g_sj as zje "
                              "from jxc_dbsp b,jxc_goods a where a.g_sn=b.g_sn and b.gl_djh='%1' order by b.id")
            .arg(q(djh));
    if (kind == QLatin1String("BS") || kind == QLatin1String("BY")) {
        const QString x = kind == QLatin1String("BS") ? QStringLiteral("bs") : QStringLiteral("by");
        return QStringLiteral("select a.%1_sl as sl,a.%1_dj as dj,a.%1_zje as zje,a.%1_note as dnote,a.gl_djh,b.g_name,"
                              "b.dw_name,b.gg_name,b.color_name,b.g_sn from jxc_%1sp a,jxc_goods b where a.g_sn=b.g_sn "
                              "and a.gl_djh='%2' order by a.id")
            .arg(x, q(djh));
    }
    return {};
}

void previewDocument(const QString& djh, QWidget* parent, const QString& goodsSql)
{
    const QString file = documentTemplate(djh);
    if (file.isEmpty())
        return;
    Report rpt;
    rpt.loadTemplate(file);
    setPrinPara(rpt, djh);
    const QString sql = goodsSql.isEmpty() ? documentGoodsSql(djh) : goodsSql;
    if (!sql.isEmpty()) {
        openQuery(DataModule->Q_GoodsPrin, sql);
        rpt.setDataset(QStringLiteral("frxDBDataset1"), DataModule->Q_GoodsPrin);
    }
    rpt.preview(parent);
    DataModule->Q_GoodsPrin->close();
}
