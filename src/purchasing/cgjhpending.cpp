#include "purchasing/cgjhpending.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/textrules.h"

namespace {

// Serial numbers travel with the lines both ways.
const LineCopy kHold{&kReceiptLines, &kPendingLines, {{"sh_dzl", "0"}, {"sh_zhje", "0"}, {"g_xlh", "g_xlh"}}, true};
const LineCopy kRelease{&kPendingLines, &kReceiptLines, {{"g_xlh", "g_xlh"}}, true};

SqlParams byNumber(const QString& djh)
{
    return {{QString(), djh}};
}

}  // namespace

const ScratchTransfer kPendingScratch{&kPendingLines, {{"sh_dzl", "0"}, {"sh_zhje", "0"}, {"g_xlh", "g_xlh"}}, true,
                                      updateCheckShdjYfje};

void savePendingCgjh(const CgjhPosting& bill)
{
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_shdj where gl_djh=? union all "
                                    "select id from jxc_jhd where j_sn=? limit 1"),
                     {{QString(), bill.djh}, {QString(), bill.djh}})
             .isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    if (selectValue(QStringLiteral("select id from jxc_jhsp where j_sn=? limit 1"), byNumber(bill.djh)).isEmpty())
        throw DbError(QStringLiteral("单据中没有业务发生，不能保存！"));
    appendRow(QStringLiteral("jxc_shdj"), {{QStringLiteral("gl_djh"), bill.djh},
                                           {QStringLiteral("ghs_sn"), bill.ghsSn},
                                           {QStringLiteral("ck_sn"), bill.ckSn},
                                           {QStringLiteral("sh_rq"), bill.date},
                                           {QStringLiteral("sh_yfje"), bill.payable.toDouble()},
                                           {QStringLiteral("sh_sfje"), bill.paid.toDouble()},
                                           {QStringLiteral("sh_yhje"), 0},
                                           {QStringLiteral("u_sn"), bill.uSn},
                                           {QStringLiteral("sh_note"), bill.note},
                                           {QStringLiteral("a_name"), bill.op},
                                           {QStringLiteral("gl_djh2"), bill.sn2},
                                           {QStringLiteral("sh_th"), static_cast<int>(bill.mode)},
                                           {QStringLiteral("sh_flag"), QStringLiteral("cj")},
                                           {QStringLiteral("sh_djzt"), 0},
                                           {QStringLiteral("sh_kmmc"), bill.account}});
    copyLines(kHold, bill.djh);
    discardLines(kReceiptLines, bill.djh);
    tx.commit();
}

void updateCheckShdjYfje(const QString& djh)
{
    execSql(QStringLiteral("update jxc_shdj set sh_yfje=(select ifnull(sum(sh_zje),0) from jxc_shsp where gl_djh=?) "
                           "where gl_djh=?"),
            {{QString(), djh}, {QString(), djh}});
}

bool deletePendingLine(const QString& djh, qint64 lineId)
{
    Transaction tx;
    deleteLine(kPendingLines, lineId);
    const bool remains = !selectValue(QStringLiteral("select id from jxc_shsp where gl_djh=? limit 1"), byNumber(djh)).isEmpty();
    if (remains)
        updateCheckShdjYfje(djh);
    else
        execSql(QStringLiteral("delete from jxc_shdj where gl_djh=?"), byNumber(djh));
    tx.commit();
    return remains;
}

void deletePendingCgjh(const QString& djh)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_shdj where gl_djh=?"), byNumber(djh));
    discardLines(kPendingLines, djh);
    tx.commit();
}

int auditCgjh(const CgjhAudit& audit)
{
    Transaction tx;
    // Outer joins: a pending bill whose supplier, warehouse or handler has gone still posts
    // with its own codes.
    const ResultSet h = openSelect(
        QStringLiteral("select a.*,b.ghs_name,c.ck_name,d.u_name from jxc_shdj a "
                       "left join jxc_ghsxx b on a.ghs_sn=b.ghs_sn left join jxc_ckxx c on a.ck_sn=c.ck_sn "
                       "left join jxc_user d on a.u_sn=d.u_sn "
                       "where a.gl_djh=? and a.sh_flag='cj' and a.sh_djzt=0 order by a.id limit 1"),
        byNumber(audit.djh));
    if (h.isEmpty())
        throw DbError(QStringLiteral("单据%1不是待审核的采购单，不能审核！").arg(audit.djh));
    auto field = [&h](const char* name) { return h.text(0, QLatin1String(name)); };
    const Money payable = Money::fromText(field("sh_yfje"));
    // The first 64 characters of the note, never half a character outside the basic plane.
    QString note = audit.note.trimmed().left(64);
    if (note.size() == 64 && note.back().isHighSurrogate())
        note.chop(1);
    note = sqlSafe(note);

    if (payable < audit.paid)
        execSql(QStringLiteral("update jxc_shdj set sh_sfje=? where gl_djh=?"),
                {{QString(), audit.paid.toDouble()}, {QString(), audit.djh}});
    // Lines left under this number by an interrupted window must not be posted with the bill.
    discardLines(kReceiptLines, audit.djh);
    copyLines(kRelease, audit.djh);
    execSql(QStringLiteral("update jxc_shdj set sh_djzt=1,sh_note=? where gl_djh=?"),
            {{QString(), note}, {QString(), audit.djh}});
    const int count = postCgjh({.djh = audit.djh,
                                .ghsSn = field("ghs_sn"),
                                .ghsName = field("ghs_name"),
                                .ckSn = field("ck_sn"),
                                .ckName = field("ck_name"),
                                .date = field("sh_rq"),
                                .uSn = field("u_sn"),
                                .uName = field("u_name"),
                                .payable = payable,
                                .paid = audit.paid,
                                .mode = audit.mode,
                                .account = field("sh_kmmc"),
                                .note = note,
                                .sn2 = field("gl_djh2"),
                                .op = field("a_name"),
                                .audit = true});
    tx.commit();
    return count;
}
