#include "masterdata/partnertypes.h"

#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/textrules.h"

namespace {

const RefListSide kSides[] = {
    {RefListKind::GhsType, QStringLiteral("jxc_ghstype"), QStringLiteral("gt_sn"), QStringLiteral("gt_name"),
     QStringLiteral("gt_default"), QStringLiteral("供货商类型设置"), QStringLiteral("供货商类型"),
     QStringLiteral("供货商类型："), true, QStringLiteral("供货商类型名称必须填写！"),
     QStringLiteral("该类型供货商在使用，不能删除！"), QStringLiteral("您确定要删除当前类型吗！")},
    {RefListKind::KhType, QStringLiteral("jxc_khtype"), QStringLiteral("kt_sn"), QStringLiteral("kt_name"),
     QStringLiteral("kt_default"), QStringLiteral("客户类型设置"), QStringLiteral("客户类型"),
     QStringLiteral("客户类型："), true, QStringLiteral("客户类型名称必须填写！"),
     QStringLiteral("该类型客户在使用，不能删除！"), QStringLiteral("您确定要删除当前类型吗！")},
    {RefListKind::Zone, QStringLiteral("jxc_zone"), QStringLiteral("z_sn"), QStringLiteral("z_name"),
     QStringLiteral("z_default"), QStringLiteral("所属地区设置"), QStringLiteral("所属地区"),
     QStringLiteral("所属地区："), false, QStringLiteral("地区名称必须填写！"),
     QStringLiteral("该地区供货商在使用，不能删除！"), QStringLiteral("您确定要删除当前地区吗！")},
};

}  // namespace

const RefListSide& refListSide(RefListKind kind)
{
    return kSides[int(kind)];
}

NamedQuery* RefListSide::query() const
{
    switch (kind) {
    case RefListKind::GhsType:
        return DataModule->Q_GhsType;
    case RefListKind::KhType:
        return DataModule->Q_Khtype;
    case RefListKind::Zone:
        break;
    }
    return DataModule->Q_Zone;
}

RefListResult saveRefItem(RefListKind kind, qint64 id, const QString& name, bool isDefault)
{
    const RefListSide& s = refListSide(kind);
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return {QString(), s.nameRequired};
    Transaction tx;
    if (isDefault)
        execSql(QStringLiteral("update %1 set %2=0").arg(s.table, s.defaultColumn));
    QString code;
    if (id > 0) {
        code = selectValue(QStringLiteral("select %1 from %2 where id=:id").arg(s.snColumn, s.table),
                           {{QStringLiteral(":id"), id}});
        execSql(QStringLiteral("update %1 set %2=:name,%3=:def where id=:id").arg(s.table, s.nameColumn, s.defaultColumn),
                {{QStringLiteral(":name"), sqlSafeName(trimmed)},
                 {QStringLiteral(":def"), isDefault},
                 {QStringLiteral(":id"), id}});
    } else {
        code = getMaxSn(s.table, s.snColumn);
        appendRow(s.table,
                  {{s.snColumn, code}, {s.nameColumn, sqlSafeName(trimmed)}, {s.defaultColumn, isDefault}});
    }
    tx.commit();
    return {code, QString()};
}

QString refItemDeleteRefusal(RefListKind kind, const QString& name)
{
    const RefListSide& s = refListSide(kind);
    QString sql;
    switch (kind) {
    case RefListKind::GhsType:
        sql = QStringLiteral("select gt_name from jxc_ghsxx where gt_name=:name limit 1");
        break;
    case RefListKind::KhType:
        sql = QStringLiteral("select kt_name from jxc_khxx where kt_name=:name limit 1");
        break;
    case RefListKind::Zone:
        // The message speaks of suppliers, whichever partners use the zone.
        sql = QStringLiteral("select * from (select z_name from jxc_ghsxx where z_name=:name limit 1) union "
                             "select * from (select z_name from jxc_khxx where z_name=:name limit 1)");
        break;
    }
    return openSelect(sql, {{QStringLiteral(":name"), name}}).isEmpty() ? QString() : s.inUse;
}

QString deleteRefItem(RefListKind kind, qint64 id)
{
    const RefListSide& s = refListSide(kind);
    Transaction tx;
    const ResultSet row = openSelect(QStringLiteral("select %1 from %2 where id=:id").arg(s.nameColumn, s.table),
                                     {{QStringLiteral(":id"), id}});
    if (row.isEmpty())
        return QString();
    const QString refusal = refItemDeleteRefusal(kind, row.text(0, 0));
    if (!refusal.isEmpty())
        return refusal;
    execSql(QStringLiteral("delete from %1 where id=:id").arg(s.table), {{QStringLiteral(":id"), id}});
    tx.commit();
    return QString();
}
