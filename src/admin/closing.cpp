#include "admin/closing.h"

#include "data/clock.h"
#include "data/datamodule.h"

#include <QStringList>

namespace {

// A document kind that the closing sums and deletes: its size-colour rows (by the line ids),
// lines (by the header's number) and header (by its date column).
struct ClosedTable {
    const char* detail;  // size and colour rows, "" for none
    const char* lines;   // "" for none
    const char* header;
    const char* date;
    const char* key;     // the number joining lines to their header
};

const ClosedTable kClosed[] = {
    {"jxc_jhspmx", "jxc_jhsp", "jxc_jhd", "j_jhrq", "j_sn"},
    {"jxc_thspmx", "jxc_thsp", "jxc_thd", "th_thrq", "gl_djh"},
    {"jxc_lsxsspmx", "jxc_lsxssp", "jxc_lsxsd", "ls_xsrq", "gl_djh"},
    {"jxc_xsthspmx", "jxc_xsthsp", "jxc_xsthd", "th_xsrq", "gl_djh"},
    {"jxc_dbspmx", "jxc_dbsp", "jxc_kcdbd", "db_dbrq", "gl_djh"},
    {"jxc_bsspmx", "jxc_bssp", "jxc_bsd", "bs_bsrq", "gl_djh"},
    {"jxc_byspmx", "jxc_bysp", "jxc_byd", "by_byrq", "gl_djh"},
    {"", "jxc_cfsp", "jxc_cfd", "cf_cfrq", "gl_djh"},
    {"jxc_kbspmx", "jxc_kbsp", "jxc_kbd", "kb_kbrq", "gl_djh"},
    {"jxc_jhglmx", "", "jxc_jhgl", "jh_rq", ""},
    {"jxc_kcpdmx", "", "jxc_kcpd", "pd_rq", ""},
    {"", "", "jxc_kcjs", "js_rq", ""},
    {"jxc_posxsspmx", "jxc_posxssp", "jxc_posxsd", "pos_xsrq", "gl_djh"},
    {"jxc_shspmx", "jxc_shsp", "jxc_shdj", "sh_rq", "gl_djh"},
    {"", "", "jxc_tempspbd", "t_rq", ""},
    {"", "", "jxc_tempyyfx", "yy_rq", ""},
    {"", "", "jxc_goodslistmx", "gl_kdrq", ""},
    {"", "", "jxc_goodslist", "gl_kdrq", ""},
};

QString L(const char* s)
{
    return QString::fromLatin1(s);
}

// "<date column> of the year or earlier", comparing the year's text.
QString upTo(const QString& column)
{
    return QStringLiteral("substr(") + column + QStringLiteral(",1,4)<=:y");
}

void deleteClosed(const ClosedTable& t, const SqlParams& y)
{
    const QString headers = QStringLiteral("select %1 from %2 where %3").arg(L(t.key), L(t.header), upTo(L(t.date)));
    const QString detail = L(t.detail);
    const QString lines = L(t.lines);
    if (!detail.isEmpty()) {
        // Size and colour rows hang on the ids of the lines, or of the dated rows themselves.
        const QString owners = lines.isEmpty()
            ? QStringLiteral("select id from %1 where %2").arg(L(t.header), upTo(L(t.date)))
            : QStringLiteral("select id from %1 where %2 in (%3)").arg(lines, L(t.key), headers);
        execSql(QStringLiteral("delete from %1 where tid in (%2)").arg(detail, owners), y);
    }
    if (!lines.isEmpty())
        execSql(QStringLiteral("delete from %1 where %2 in (%3)").arg(lines, L(t.key), headers), y);
    execSql(QStringLiteral("delete from %1 where %2").arg(L(t.header), upTo(L(t.date))), y);
}

}  // namespace

QString closingRefusal(const QString& year)
{
    if (!selectValue(QStringLiteral("select nj_year from jxc_nj where nj_year=:y"), {{QStringLiteral(":y"), year}}).isEmpty())
        return year + QStringLiteral("年已经结算过了，不能重复结算！");
    return {};
}

void rebuildOpeningLedger()
{
    Transaction tx;
    const QString op = selectValue(QStringLiteral("select a_name from jxc_admin order by id limit 1"));
    execSql(QStringLiteral("delete from jxc_ysyfk"));
    const QString insert = QStringLiteral(
        "insert into jxc_ysyfk (k_ghskh,a_name,u_sn,k_fkfs,k_sfje,k_yhje,k_qcje,k_ljje,k_yfje,k_type,k_djlx,k_djtxt,"
        "k_note,k_flag,k_rq,gl_djh) ");
    const SqlParams params = {{QStringLiteral(":op"), op}};
    execSql(insert + QStringLiteral("select ghs_sn,:op,'','期初金额',0,0,0,ghs_lwje,ghs_lwje,'ghs','QC','期初金额','',1,"
                                    "'2013-01-01','' from jxc_ghsxx where ghs_lwje<>0 order by id"),
            params);
    execSql(insert + QStringLiteral("select kh_sn,:op,'','期初金额',0,0,0,kh_lwje,kh_lwje,'kh','QC','期初金额','',1,"
                                    "'2013-01-01','' from jxc_khxx where kh_lwje<>0 order by id"),
            params);
    // Today's numbers, in id order: the suppliers' YF first, the customers' YS after.
    const QString day = Clock::today().toString(QStringLiteral("yyMMdd"));
    int serial[2] = {0, 0};
    for (const QString& kind : {QStringLiteral("YF"), QStringLiteral("YS")}) {
        const QString max = selectValue(QStringLiteral("select max(gl_djh) from jxc_ysyfk where gl_djh like :p"),
                                        {{QStringLiteral(":p"), kind + day + QLatin1Char('%')}});
        serial[kind == QLatin1String("YS")] = max.size() == 14 ? max.mid(8).toInt() : 10000;
    }
    const ResultSet rows = openSelect(QStringLiteral("select id,k_type from jxc_ysyfk order by id"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const bool customer = rows.text(r, 1) != QLatin1String("ghs");
        const QString kind = customer ? QStringLiteral("YS") : QStringLiteral("YF");
        const QString number = kind + day + QStringLiteral("%1").arg(++serial[customer], 6, 10, QLatin1Char('0'));
        execSql(QStringLiteral("update jxc_ysyfk set gl_djh=:n,k_djlx=:k where id=:id"),
                {{QStringLiteral(":n"), number}, {QStringLiteral(":k"), kind}, {QStringLiteral(":id"), rows.text(r, 0).toLongLong()}});
    }
    tx.commit();
}

QString closeYear(const QString& year)
{
    const QString refusal = closingRefusal(year);
    if (!refusal.isEmpty())
        return refusal;
    const SqlParams y = {{QStringLiteral(":y"), year}};
    auto figure = [&y](const QString& sql) {
        const QString v = selectValue(sql, y);
        return v.isEmpty() ? QStringLiteral("0") : v;
    };
    auto count = [&](const char* table, const char* date) {
        return figure(QStringLiteral("select count(*) from %1 where %2").arg(L(table), upTo(L(date))));
    };
    auto sumHeader = [&](const char* expr, const char* table, const char* date) {
        return figure(QStringLiteral("select ifnull(sum(%1),0) from %2 where %3").arg(L(expr), L(table), upTo(L(date))));
    };
    auto sumLines = [&](const char* expr, const char* lines, const char* key, const char* header, const char* date) {
        return figure(QStringLiteral("select ifnull(sum(%1),0) from %2 where %3 in (select %3 from %4 where %5)")
                          .arg(L(expr), L(lines), L(key), L(header), upTo(L(date))));
    };

    Transaction tx;
    const QStringList columns = {"nj_cgds", "nj_cgthds", "nj_cgsl",  "nj_cgje",   "nj_cgthsl", "nj_cgthje",
                                 "nj_xsds", "nj_xsthds", "nj_xssl",  "nj_xsje",   "nj_xsthsl", "nj_xsthje",
                                 "nj_dbds", "nj_dbsl",   "nj_bsds",  "nj_byds",   "nj_bssl",   "nj_bsje",
                                 "nj_bysl", "nj_byje"};
    const QStringList values = {
        count("jxc_jhd", "j_jhrq"),
        count("jxc_thd", "th_thrq"),
        sumLines("jh_sl", "jxc_jhsp", "j_sn", "jxc_jhd", "j_jhrq"),
        sumHeader("j_yfje", "jxc_jhd", "j_jhrq"),
        sumLines("th_sl", "jxc_thsp", "gl_djh", "jxc_thd", "th_thrq"),
        sumHeader("-1*th_yfje", "jxc_thd", "th_thrq"),
        count("jxc_lsxsd", "ls_xsrq"),
        count("jxc_xsthd", "th_xsrq"),
        sumLines("ls_sl", "jxc_lsxssp", "gl_djh", "jxc_lsxsd", "ls_xsrq"),
        sumHeader("ls_yfje", "jxc_lsxsd", "ls_xsrq"),
        sumLines("th_sl", "jxc_xsthsp", "gl_djh", "jxc_xsthd", "th_xsrq"),
        sumHeader("-1*th_yfje", "jxc_xsthd", "th_xsrq"),
        count("jxc_kcdbd", "db_dbrq"),
        sumLines("db_sl", "jxc_dbsp", "gl_djh", "jxc_kcdbd", "db_dbrq"),
        count("jxc_bsd", "bs_bsrq"),
        count("jxc_byd", "by_byrq"),
        sumLines("bs_sl", "jxc_bssp", "gl_djh", "jxc_bsd", "bs_bsrq"),
        sumLines("bs_zje", "jxc_bssp", "gl_djh", "jxc_bsd", "bs_bsrq"),
        sumLines("by_sl", "jxc_bysp", "gl_djh", "jxc_byd", "by_byrq"),
        sumLines("by_zje", "jxc_bysp", "gl_djh", "jxc_byd", "by_byrq"),
    };
    SqlParams row = {{QStringLiteral(":jsrq"), Clock::today().toString(QStringLiteral("yyyy-MM-dd"))},
                     {QStringLiteral(":year"), year}};
    QStringList names;
    for (int i = 0; i < columns.size(); ++i) {
        names << QLatin1Char(':') + columns[i];
        row.emplace_back(names.last(), values[i].toDouble());
    }
    execSql(QStringLiteral("insert into jxc_nj (nj_jsrq,nj_year,%1) values (:jsrq,:year,%2)")
                .arg(columns.join(QLatin1Char(',')), names.join(QLatin1Char(','))),
            row);
    for (const ClosedTable& t : kClosed)
        deleteClosed(t, y);
    rebuildOpeningLedger();
    tx.commit();
    return {};
}
