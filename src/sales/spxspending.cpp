#include "sales/spxspending.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/textrules.h"
#include "sales/spxs_sele.h"

namespace {

const LineCopy kHold{&kSalesLines, &kPendingSalesLines, {{"sh_dzl", "ls_dzl"}, {"sh_zhje", "ls_zhje"}}, true};
const LineCopy kRelease{&kPendingSalesLines, &kSalesLines, {{"ls_dzl", "sh_dzl"}, {"ls_zhje", "sh_zhje"}}, false};

SqlParams byNumber(const QString& djh)
{
    return {{QString(), djh}};
}

}  // namespace

const ScratchTransfer kPendingSalesScratch{&kPendingSalesLines,
                                           {{"sh_dzl", "ts_dzl"}, {"sh_zhje", "ts_zje"}, {"t_scrq", "t_scrq"}},
                                           true,
                                           updatePendingSpxsAmounts};

void savePendingSpxs(const SpxsPosting& bill)
{
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_shdj where gl_djh=? union all "
                                    "select id from jxc_lsxsd where gl_djh=? limit 1"),
                     {{QString(), bill.djh}, {QString(), bill.djh}})
             .isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    const int lines = selectValue(QStringLiteral("select count(*) from jxc_lsxssp where gl_djh=?"), byNumber(bill.djh)).toInt();
    if (lines == 0)
        throw DbError(QStringLiteral("单据中没有业务发生，不能保存！"));
    addUserXspl(bill.uSn);
    appendRow(QStringLiteral("jxc_shdj"), {{QStringLiteral("gl_djh"), bill.djh},
                                           {QStringLiteral("ghs_sn"), bill.khSn},
                                           {QStringLiteral("ck_sn"), bill.ckSn},
                                           {QStringLiteral("sh_rq"), bill.date},
                                           {QStringLiteral("sh_yfje"), bill.due.toDouble()},
                                           {QStringLiteral("sh_sfje"), bill.received.toDouble()},
                                           {QStringLiteral("sh_yhje"), 0},
                                           {QStringLiteral("u_sn"), bill.uSn},
                                           {QStringLiteral("sh_note"), bill.note},
                                           {QStringLiteral("a_name"), bill.op},
                                           {QStringLiteral("gl_djh2"), bill.sn2},
                                           {QStringLiteral("sh_th"), static_cast<int>(bill.mode)},
                                           {QStringLiteral("sh_flag"), QStringLiteral("xs")},
                                           {QStringLiteral("sh_djzt"), 0},
                                           {QStringLiteral("sh_kmmc"), bill.account}});
    copyLines(kHold, bill.djh);
    writeLog(QStringLiteral("增加未审核销售单") + bill.djh + QStringLiteral("，共") + QString::number(lines) +
             QStringLiteral("种商品"));
    discardLines(kSalesLines, bill.djh);
    tx.commit();
}

void updatePendingSpxsAmounts(const QString& djh)
{
    execSql(QStringLiteral("update jxc_shdj set sh_yfje=(select ifnull(sum(sh_zje),0) from jxc_shsp where gl_djh=?),"
                           "sh_sfje=(select ifnull(sum(sh_zje),0) from jxc_shsp where gl_djh=?) where gl_djh=?"),
            {{QString(), djh}, {QString(), djh}, {QString(), djh}});
}

bool deletePendingSpxsLine(const QString& djh, qint64 lineId)
{
    Transaction tx;
    deleteLine(kPendingSalesLines, lineId);
    const bool remains = !selectValue(QStringLiteral("select id from jxc_shsp where gl_djh=? limit 1"), byNumber(djh)).isEmpty();
    if (remains)
        updatePendingSpxsAmounts(djh);
    else
        execSql(QStringLiteral("delete from jxc_shdj where gl_djh=?"), byNumber(djh));
    tx.commit();
    return remains;
}

int auditSpxs(const SpxsAudit& audit)
{
    Transaction tx;
    // Outer joins: a pending bill whose customer, warehouse or handler has gone still posts
    // with its own codes.
    const ResultSet h = openSelect(
        QStringLiteral("select a.*,b.kh_name,c.ck_name,d.u_name from jxc_shdj a "
                       "left join jxc_khxx b on a.ghs_sn=b.kh_sn left join jxc_ckxx c on a.ck_sn=c.ck_sn "
                       "left join jxc_user d on a.u_sn=d.u_sn "
                       "where a.gl_djh=? and a.sh_flag='xs' and a.sh_djzt=0 order by a.id limit 1"),
        byNumber(audit.djh));
    if (h.isEmpty())
        throw DbError(QStringLiteral("单据%1不是待审核的销售单，不能审核！").arg(audit.djh));
    auto field = [&h](const char* name) { return h.text(0, QLatin1String(name)); };
    const QString note = sqlSafeName(audit.note.trimmed());

    // Lines left under this number by an interrupted window must not be posted with the bill.
    discardLines(kSalesLines, audit.djh);
    copyLines(kRelease, audit.djh);
    execSql(QStringLiteral("update jxc_shdj set sh_djzt=1,sh_note=? where gl_djh=?"),
            {{QString(), note}, {QString(), audit.djh}});
    const int count = postSpxs({.djh = audit.djh,
                                .khSn = field("ghs_sn"),
                                .khName = field("kh_name"),
                                .ckSn = field("ck_sn"),
                                .ckName = field("ck_name"),
                                .date = field("sh_rq"),
                                .uSn = field("u_sn"),
                                .uName = field("u_name"),
                                .due = Money::fromText(field("sh_yfje")),
                                .received = audit.received,
                                .mode = audit.mode,
                                .account = field("sh_kmmc"),
                                .note = note,
                                .sn2 = field("gl_djh2"),
                                .op = field("a_name"),
                                .audit = true});
    tx.commit();
    return count;
}

bool hasHeldSalesLines(const QString& op)
{
    return !selectValue(QStringLiteral("select g_sn from jxc_lsxssptemp where ls_flag='XS' and a_name=? limit 1"),
                        {{QString(), op}})
                .isEmpty();
}

bool anyHeldSalesLines()
{
    return !selectValue(QStringLiteral("select g_sn from jxc_lsxssptemp where ls_flag='XS' limit 1")).isEmpty();
}

void holdSalesLines(const QString& djh)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_lsxssptemp where ls_flag='XS' and a_name=?"), {{QString(), operatorName}});
    execSql(QStringLiteral("insert into jxc_lsxssptemp (g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,ls_flag) "
                           "select g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,'XS' from jxc_lsxssp where gl_djh=? order by id"),
            byNumber(djh));
    // The size and colour rows go with their lines: none may stay under the number for a later
    // posting to take out of stock.
    discardLines(kSalesLines, djh);
    tx.commit();
}

int recallSalesLines(const QString& djh)
{
    Transaction tx;
    const int held = selectValue(QStringLiteral("select count(*) from jxc_lsxssptemp where ls_flag='XS'")).toInt();
    execSql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name) "
                           "select ?,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name from jxc_lsxssptemp where ls_flag='XS' "
                           "order by id"),
            byNumber(djh));
    dropHeldSalesLines();
    tx.commit();
    return held;
}

void dropHeldSalesLines()
{
    execSql(QStringLiteral("delete from jxc_lsxssptemp where ls_flag='XS'"));
}
