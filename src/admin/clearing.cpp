#include "admin/clearing.h"

#include "data/datamodule.h"
#include "data/schema/schema.h"

namespace {

// One step of the period deletion: a table, deleted through the numbers of its header in the
// period when `header` is given, else by its own date column.
struct PeriodStep {
    const char* table;
    const char* header;
    const char* key;
    const char* date;
};

const PeriodStep kSteps[] = {
    {"jxc_jhsp", "jxc_jhd", "j_sn", "j_jhrq"},       {"jxc_jhd", "", "", "j_jhrq"},
    {"jxc_thsp", "jxc_thd", "gl_djh", "th_thrq"},    {"jxc_thd", "", "", "th_thrq"},
    {"jxc_lsxssp", "jxc_lsxsd", "gl_djh", "ls_xsrq"}, {"jxc_lsxsd", "", "", "ls_xsrq"},
    {"jxc_xsthsp", "jxc_xsthd", "gl_djh", "th_xsrq"}, {"jxc_xsthd", "", "", "th_xsrq"},
    {"jxc_posxssp", "jxc_posxsd", "gl_djh", "pos_xsrq"}, {"jxc_posxsd", "", "", "pos_xsrq"},
    {"jxc_posthsp", "jxc_posthd", "gl_djh", "pos_xsrq"}, {"jxc_posthd", "", "", "pos_xsrq"},
    {"jxc_bssp", "jxc_bsd", "gl_djh", "bs_bsrq"},    {"jxc_bsd", "", "", "bs_bsrq"},
    {"jxc_bysp", "jxc_byd", "gl_djh", "by_byrq"},    {"jxc_byd", "", "", "by_byrq"},
    {"jxc_cfsp", "jxc_cfd", "gl_djh", "cf_cfrq"},    {"jxc_cfd", "", "", "cf_cfrq"},
    {"jxc_ckjth", "", "", "jt_rq"},
    {"jxc_dbsp", "jxc_kcdbd", "gl_djh", "db_dbrq"},  {"jxc_kcdbd", "", "", "db_dbrq"},
    {"jxc_ghsfk", "", "", "gf_fkrq"},                {"jxc_goodslist", "", "", "gl_kdrq"},
    {"jxc_jfdh", "", "", "jf_rq"},
    {"jxc_kbsp", "jxc_kbd", "gl_djh", "kb_kbrq"},    {"jxc_kbd", "", "", "kb_kbrq"},
    {"jxc_kcjs", "", "", "js_rq"},                   {"jxc_khfk", "", "", "kf_fkrq"},
    {"jxc_htgl", "", "", "ht_rq"},                   {"jxc_khhtgl", "", "", "ht_rq"},
    {"jxc_jhgl", "", "", "jh_rq"},                   {"jxc_ghsbj", "", "", "gb_bjrq"},
    {"jxc_khbj", "", "", "kb_bjrq"},                 {"jxc_log", "", "", "log_time"},
    {"jxc_nj", "", "", "nj_jsrq"},
    {"jxc_shsp", "jxc_shdj", "gl_djh", "sh_rq"},     {"jxc_shdj", "", "", "sh_rq"},
    {"jxc_tempspbd", "", "", "t_rq"},                {"jxc_tempyyfx", "", "", "yy_rq"},
    {"jxc_xjyh", "", "", "xj_rq"},                   {"jxc_ywyrz", "", "", "rz_rq"},
    {"jxc_yyfy", "", "", "fy_rq"},                   {"jxc_zcmx", "", "", "zc_rq"},
};

}  // namespace

void stockToOpening()
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_goods set g_kc=(select sum(k.kc_sl) from jxc_kcsp k where k.g_sn=jxc_goods.g_sn) "
                           "where g_sn in (select g_sn from jxc_kcsp)"));
    tx.commit();
}

void deletePeriod(const QDate& from, const QDate& to)
{
    // Dates compare as text: the last day runs to its last second.
    const SqlParams period = {{QStringLiteral(":f"), from.toString(QStringLiteral("yyyy-MM-dd"))},
                              {QStringLiteral(":t"), to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59")}};
    Transaction tx;
    for (const PeriodStep& s : kSteps) {
        const QString date = QString::fromLatin1(s.date);
        const QString inPeriod = date + QStringLiteral(">=:f and ") + date + QStringLiteral("<=:t");
        const QString header = QString::fromLatin1(s.header);
        if (header.isEmpty())
            execSql(QStringLiteral("delete from %1 where %2").arg(QString::fromLatin1(s.table), inPeriod), period);
        else
            execSql(QStringLiteral("delete from %1 where %2 in (select %2 from %3 where %4)")
                        .arg(QString::fromLatin1(s.table), QString::fromLatin1(s.key), header, inPeriod),
                    period);
    }
    tx.commit();
}

void clearData(ClearChoice choice, const QDate& from, const QDate& to)
{
    Transaction tx;
    switch (choice) {
    case ClearChoice::KeepBasics:
        clearBusinessData();
        break;
    case ClearChoice::KeepBasicsStock:
        clearBusinessData();
        stockToOpening();
        break;
    case ClearChoice::Everything:
        createAllTables();
        break;
    case ClearChoice::Period:
        deletePeriod(from, to);
        break;
    }
    tx.commit();
}
