#include "data/numbering.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/routineargs.h"

#include <QDate>

namespace {

const QString kFirstCode = QStringLiteral("100001");

// Largest document number beginning with `head` in one table's column ("" when none).
QString maxDjhIn(const QString& table, const QString& column, const QString& head)
{
    return selectValue(QStringLiteral("select max(%1) as sn from %2 where %1 like ?").arg(sqlName(column), sqlName(table)),
                       {{QString(), head + u'%'}});
}

QString nextDjh(const QString& table, const QString& column, const QString& prefix, const QDate& date)
{
    const QString head = prefix + date.toString(QStringLiteral("yyMMdd"));
    QString largest = maxDjhIn(table, column, head);
    auto consider = [&](const QString& other) {
        const QString s = maxDjhIn(other, QStringLiteral("gl_djh"), head);
        if (!s.isEmpty() && QString::compare(largest, s, Qt::CaseInsensitive) < 0)
            largest = s;
    };
    if (prefix == u"CJ" || prefix == u"XS")
        consider(QStringLiteral("jxc_shdj"));  // pending bills
    if (prefix == u"XS") {
        consider(QStringLiteral("jxc_posxsd"));      // till sales and held sales
        consider(QStringLiteral("jxc_lsxssptemp"));  // the till's working lines
    }
    // Only a 14-character number counts; anything else (none yet, typed by hand) restarts.
    if (largest.size() != 14)
        return head + QStringLiteral("010001");
    const qint64 next = codeNumber(largest.mid(9, 5)) + 1;
    if (next > 99999)
        throw DbError(QStringLiteral("%1 的单据编号已用完，当天不能再增加此类单据！").arg(head));
    return head + u'0' + QStringLiteral("%1").arg(next, 5, 10, QLatin1Char('0'));
}

}  // namespace

QString getMaxSn(const QString& table, const QString& column)
{
    const QString v = selectValue(QStringLiteral("select max(%1) as sn from %2").arg(sqlName(column), sqlName(table)));
    if (v.isEmpty())
        return kFirstCode;
    return QString::number(codeNumber(v) + 1);
}

QString getMaxHyBh(const QString& table, const QString& column)
{
    const QString col = sqlName(column);
    const QString v = selectValue(QStringLiteral("select max(%1) as sn from %2 where isnumeric(mid(%1,3,10)) and %1 like 'HY%'")
                                      .arg(col, sqlName(table)));
    if (v.isEmpty())
        return QStringLiteral("HY100001");
    return QStringLiteral("HY") + QString::number(codeNumber(v.mid(2, 10)) + 1);
}

QString getMaxDjh(const QString& table, const QString& column, const QString& prefix)
{
    return nextDjh(table, column, prefix, Clock::today());
}

QString getMaxDjhByDate(const QString& table, const QString& column, const QString& prefix, const QString& date)
{
    const QDate d = QDate::fromString(date.trimmed().left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        throw DbError(QStringLiteral("“%1”不是有效的日期").arg(date));
    return nextDjh(table, column, prefix, d);
}

QString getMaxGcSn(int gcCid)
{
    const QString parent = selectValue(QStringLiteral("select gc_pid from jxc_goodsclass where gc_cid=?"), {{QString(), gcCid}});
    if (parent.isEmpty())
        throw DbError(QStringLiteral("商品类别不存在"));
    if (parent == u"1") {
        const QString v = selectValue(QStringLiteral("select max(gc_sn) as gcsn from jxc_goodsclass where length(gc_sn)=4"));
        if (v.isEmpty())
            return QStringLiteral("1000");
        const qint64 next = codeNumber(v) + 1;
        if (next > 9999)
            throw DbError(QStringLiteral("类别编号已用完，不能再增加类别！"));
        return QString::number(next);
    }
    const QString parentSn = selectValue(QStringLiteral("select gc_sn from jxc_goodsclass where gc_cid=?"), {{QString(), parent}});
    const QString v = selectValue(QStringLiteral("select max(gc_sn) as gcsn from jxc_goodsclass where gc_sn like ? and length(gc_sn)=?"),
                                  {{QString(), parentSn + u'%'}, {QString(), int(parentSn.size()) + 3}});
    if (v.isEmpty())
        return parentSn + QStringLiteral("100");
    const qint64 next = codeNumber(v.right(3)) + 1;
    if (next > 999)
        throw DbError(QStringLiteral("类别编号已用完，不能再增加类别！"));
    return v.left(v.size() - 3) + QString::number(next);
}

QString getMaxGoodsSn(int gcCid)
{
    const QString v = selectValue(QStringLiteral("select max(g_sn) from jxc_goods where length(g_sn)=8 and g_sn like ?"),
                                  {{QString(), QString::number(gcCid) + u'%'}});
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (ok)
        return QString::number(n + 1);
    return QString::number(qint64(gcCid) * 1000000).left(7) + u'1';
}
