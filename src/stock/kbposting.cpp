#include "stock/kbposting.h"

#include "data/database.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/tkc.h"
#include "platform/sizecolorstore.h"

const ScratchTransfer kBundleScratch{&kBundleLines, {{"ck_sn", "hy_sn"}, {"g_xlh", "g_xlh"}}, false};

qint64 writeBundleScratchRow(const WorkingLine& line, const QString& ckSn)
{
    Transaction tx;
    const qint64 id = writeScratchRow(line);
    setBundleScratchWarehouse(id, ckSn);
    tx.commit();
    return id;
}

void setBundleScratchWarehouse(qint64 rowId, const QString& ckSn)
{
    execSql(QStringLiteral("update jxc_tempspxf set hy_sn=? where id=?"), {{QString(), ckSn}, {QString(), rowId}});
}

void setBundleLineWarehouse(qint64 lineId, const QString& ckSn)
{
    execSql(QStringLiteral("update jxc_kbsp set ck_sn=? where id=?"), {{QString(), ckSn}, {QString(), lineId}});
}

Money bundleCost(const QString& gSn, const QString& ckSn)
{
    return Money::fromText(selectValue(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn=? and ck_sn=? order by id"),
                                       {{QString(), gSn}, {QString(), ckSn}}));
}

namespace {

// Size and colour under which the bundle goods enters: the first component row's, when the
// goods' own groups hold both; else its groups' first size and colour (the built-in ones when a
// group is empty).
std::pair<QString, QString> bundleVariant(const QString& gSn, const QString& djh)
{
    const SizeColorAxes axes = SizeColorAxes::ofGoods(gSn);
    const ResultSet first = openSelect(
        QStringLiteral("select cm_sn,color_sn from jxc_kbspmx where gl_djh=? order by id limit 1"), {{QString(), djh}});
    if (!first.isEmpty()) {
        bool size = false;
        bool colour = false;
        for (const SizeColorItem& s : axes.sizes)
            size = size || s.code == first.text(0, 0);
        for (const SizeColorItem& c : axes.colors)
            colour = colour || c.code == first.text(0, 1);
        if (size && colour)
            return {first.text(0, 0), first.text(0, 1)};
    }
    const QString builtIn = QStringLiteral("100001");
    return {axes.sizes.isEmpty() ? builtIn : axes.sizes.first().code,
            axes.colors.isEmpty() ? builtIn : axes.colors.first().code};
}

}  // namespace

int postKb(const KbPosting& kb)
{
    Transaction tx;
    if (kb.gSn.isEmpty() || selectValue(QStringLiteral("select count(*) from jxc_goods where g_sn=?"),
                                        {{QString(), kb.gSn}}) == u"0")
        throw DbError(QStringLiteral("捆绑成的商品不存在，请选择捆绑成的商品！"));
    if (kb.qty <= Money())
        throw DbError(QStringLiteral("捆绑数量必须大于0！"));
    if (selectValue(QStringLiteral("select count(*) from jxc_kbd where gl_djh=?"), {{QString(), kb.djh}}) != u"0")
        throw DbError(QStringLiteral("捆绑单%1已经保存过。").arg(kb.djh));
    const ResultSet lines = openSelect(
        QStringLiteral("select id,g_sn,ck_sn,kb_sl,kb_zje from jxc_kbsp where gl_djh=? order by id"), {{QString(), kb.djh}});
    if (lines.isEmpty())
        throw DbError(QStringLiteral("请添加被捆绑的商品！"));

    const Money cost = bundleCost(kb.gSn, kb.ckSn);
    const QString month = kb.date.left(7);
    execSql(QStringLiteral("update jxc_kbsp set tid=id where gl_djh=?"), {{QString(), kb.djh}});
    appendRow(QStringLiteral("jxc_kbd"), {{QStringLiteral("gl_djh"), kb.djh},
                                          {QStringLiteral("ck_sn"), kb.ckSn},
                                          {QStringLiteral("kb_kbrq"), kb.date},
                                          {QStringLiteral("g_sn"), kb.gSn},
                                          {QStringLiteral("kb_cbj"), cost.toDouble()},
                                          {QStringLiteral("kb_sl"), kb.qty.toDouble()},
                                          {QStringLiteral("kb_note"), kb.note.trimmed()},
                                          {QStringLiteral("u_sn"), kb.uSn},
                                          {QStringLiteral("a_name"), kb.op}});
    checkKcjsMonth(month);

    // The bundle goods enters.
    SqlParams in{{QStringLiteral(":g"), kb.gSn}, {QStringLiteral(":w"), kb.ckSn}, {QStringLiteral(":q"), kb.qty.toDouble()}};
    if (mainDb().exec(QStringLiteral("update jxc_kcsp set kc_sl=ifnull(kc_sl,0)+:q where id=(select min(id) from "
                                     "jxc_kcsp where g_sn=:g and ck_sn=:w)"),
                      in) == 0) {
        in.emplace_back(QStringLiteral(":c"), cost.toDouble());
        execSql(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn) values (:q,:c,0,:g,:w)"), in);
    }
    execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)+? where g_sn=?"),
            {{QString(), kb.qty.toDouble()}, {QString(), kb.gSn}});
    addToMonthStock(month, kb.ckSn, {{"js_sl", kb.qty}, {"js_zje", cost * kb.qty}});
    const auto [size, colour] = bundleVariant(kb.gSn, kb.djh);
    const SqlParams variant{{QStringLiteral(":g"), kb.gSn}, {QStringLiteral(":c"), size},
                            {QStringLiteral(":k"), colour}, {QStringLiteral(":w"), kb.ckSn},
                            {QStringLiteral(":q"), kb.qty.toDouble()}};
    if (mainDb().exec(QStringLiteral("update jxc_tkc set t_sl=ifnull(t_sl,0)+:q where id=(select min(id) from jxc_tkc "
                                     "where g_sn=:g and cm_sn=:c and color_sn=:k and ck_sn=:w)"),
                      variant) == 0)
        execSql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values (:g,:c,:k,:w,:q)"), variant);

    // The components leave, each from its own warehouse.
    Money out;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const qint64 id = lines.text(r, 0).toLongLong();
        const QString w = lines.text(r, 2);
        const Money s = Money::fromText(lines.text(r, 3));
        const Money v = Money::fromText(lines.text(r, 4));
        out += v;
        const SqlParams p{{QStringLiteral(":g"), lines.text(r, 1)}, {QStringLiteral(":w"), w},
                          {QStringLiteral(":s"), s.toDouble()}};
        // A component without a stock row there gets one, valued at its preset purchase price,
        // so that g_kc stays the sum of the warehouse stock.
        if (mainDb().exec(QStringLiteral("update jxc_kcsp set kc_sl=ifnull(kc_sl,0)-:s where id=(select min(id) from "
                                         "jxc_kcsp where g_sn=:g and ck_sn=:w)"),
                          p) == 0)
            execSql(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn) "
                                   "select -:s,ifnull(g_jj,0),0,g_sn,:w from jxc_goods where g_sn=:g"),
                    p);
        execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)-? where g_sn=?"),
                {{QString(), s.toDouble()}, {QString(), lines.text(r, 1)}});
        addToMonthStock(month, w, {{"js_sl", -s}, {"js_zje", -v}});
        subTkcByLine(QStringLiteral("jxc_kbspmx"), id, w);
    }

    const Money diff = cost * kb.qty - out;
    if (!diff.isZero())
        appendRow(QStringLiteral("jxc_yyfy"), {{QStringLiteral("fy_rq"), kb.date},
                                               {QStringLiteral("fy_lx"), QStringLiteral("捆绑成本差额")},
                                               {QStringLiteral("fy_je"), diff.toDouble()},
                                               {QStringLiteral("u_sn"), kb.uSn},
                                               {QStringLiteral("fy_note"), QStringLiteral("捆绑单%1成本差额").arg(kb.djh)},
                                               {QStringLiteral("a_name"), kb.op},
                                               {QStringLiteral("fy_sc"), QStringLiteral("费用")}});
    writeLog(QStringLiteral("增加捆绑单%1，共%2种商品").arg(kb.djh).arg(lines.rowCount()));
    tx.commit();
    return lines.rowCount();
}
