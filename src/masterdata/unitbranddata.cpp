#include "masterdata/unitbranddata.h"

#include "data/database.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/textrules.h"

MasterResult addUnit(const QString& name)
{
    const QString safe = sqlSafe(name.trimmed());
    if (safe.isEmpty())
        return {QString(), QStringLiteral("单位名称必须填写！")};
    Transaction tx;
    const QString code = getMaxSn(QStringLiteral("jxc_dw"), QStringLiteral("dw_sn"));
    execSql(QStringLiteral("insert into jxc_dw (dw_sn,dw_name) values (?,?)"), {{QString(), code}, {QString(), safe}});
    tx.commit();
    return {code, QString()};
}

void deleteUnit(const QString& code)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_dw where dw_sn=?"), {{QString(), code}});
    tx.commit();
}

MasterResult addBrand(const QString& name)
{
    const QString safe = sqlSafe(name.trimmed());
    if (safe.isEmpty())
        return {QString(), QStringLiteral("品牌厂商必须填写！")};
    Transaction tx;
    if (!selectValue(QStringLiteral("select pp_sn from jxc_ppcs where pp_name=? limit 1"), {{QString(), safe}}).isEmpty())
        return {QString(), QStringLiteral("品牌厂商不能重复！")};
    const QString code = getMaxSn(QStringLiteral("jxc_ppcs"), QStringLiteral("pp_sn"));
    execSql(QStringLiteral("insert into jxc_ppcs (pp_sn,pp_name,pp_jm) values (?,?,?)"),
            {{QString(), code}, {QString(), safe}, {QString(), getPyJm(safe)}});
    tx.commit();
    return {code, QString()};
}

void deleteBrand(const QString& code)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_ppcs where pp_sn=? and pp_sn<>'100001'"), {{QString(), code}});
    tx.commit();
}
