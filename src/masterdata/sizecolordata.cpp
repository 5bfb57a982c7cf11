#include "masterdata/sizecolordata.h"

#include "data/database.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/textrules.h"

namespace {

SizeColorFamily makeSizeFamily()
{
    SizeColorFamily f;
    f.memberTable = QStringLiteral("jxc_cm");
    f.member = QStringLiteral("cm");
    f.groupTable = QStringLiteral("jxc_cmz");
    f.group = QStringLiteral("cmz");
    f.linkTable = QStringLiteral("jxc_cmz2");
    f.goodsName = QStringLiteral("cmz_name");

    f.groupWindowTitle = QStringLiteral("尺码组");
    f.allGroups = QStringLiteral("所有尺码组");
    f.groupNameCaption = QStringLiteral("尺码组名称");
    f.holds = QStringLiteral("所含尺码");
    f.memberNameCaption = QStringLiteral("尺码名称");
    f.editorTitle = QStringLiteral("尺码组资料");
    f.currentGroup = QStringLiteral("当前尺码组：");
    f.searchLabel = QStringLiteral("查询尺码：");
    f.currentMembers = QStringLiteral("当前尺码组所含尺码");
    f.allMembers = QStringLiteral("所有尺码");
    f.modifyMember = QStringLiteral("修改尺码");
    f.newMember = QStringLiteral("新增尺码");
    f.deleteMember = QStringLiteral("删除尺码");
    f.addGroupTitle = QStringLiteral("增加尺码组");
    f.addMemberTitle = QStringLiteral("增加尺码");
    f.modifyMemberTitle = QStringLiteral("修改尺码");
    f.memberNameLabel = QStringLiteral("尺码名称：");
    f.memberCodeLabel = QStringLiteral("尺码编码：");

    f.groupInUse = QStringLiteral("该尺码组已经有商品在使用，不能删除！");
    f.memberOfUsedGroup = f.groupInUse;
    f.askDeleteGroup = QStringLiteral("您确定要删除该尺码组吗！");
    f.askDeleteMember = QStringLiteral("您确定要删除该尺码信息吗！");
    f.noGroupYet = QStringLiteral("请先添加尺码组！");
    f.groupNameRequired = QStringLiteral("尺码组名称必须填写！");
    f.groupNameTaken = QStringLiteral("尺码组名称不能重复！");
    f.memberNameRequired = QStringLiteral("尺码名称必须填写！");
    f.memberCodeRequired = QStringLiteral("尺码编码必须填写！");
    f.memberTaken = QStringLiteral("尺码名称或编码不能重复！");
    f.memberTakenOnModify = QStringLiteral("尺码名称或尺码编码重复！");
    f.memberHeldByGroup = QStringLiteral("该尺码已在尺码组中使用，不能删除！");
    return f;
}

SizeColorFamily makeColorFamily()
{
    SizeColorFamily f;
    f.memberTable = QStringLiteral("jxc_color");
    f.member = QStringLiteral("color");
    f.groupTable = QStringLiteral("jxc_colorz");
    f.group = QStringLiteral("colorz");
    f.linkTable = QStringLiteral("jxc_colorz2");
    f.goodsName = QStringLiteral("color_name");
    f.guardsDefaultGroup = true;
    f.hasClickColumn = true;

    f.groupWindowTitle = QStringLiteral("颜色组");
    f.allGroups = QStringLiteral("所有颜色组");
    f.groupNameCaption = QStringLiteral("颜色组名称");
    f.holds = QStringLiteral("所含颜色");
    f.memberNameCaption = QStringLiteral("颜色名称");
    f.editorTitle = QStringLiteral("颜色组资料");
    f.currentGroup = QStringLiteral("当前颜色组：");
    f.searchLabel = QStringLiteral("查询颜色：");
    f.currentMembers = QStringLiteral("当前颜色组所含颜色");
    f.allMembers = QStringLiteral("颜色名称");
    f.modifyMember = QStringLiteral("修改颜色");
    f.newMember = QStringLiteral("新增颜色");
    f.deleteMember = QStringLiteral("删除颜色");
    f.addGroupTitle = QStringLiteral("增加颜色组");
    f.addMemberTitle = QStringLiteral("增加颜色");
    f.modifyMemberTitle = QStringLiteral("修改颜色信息");
    f.memberNameLabel = QStringLiteral("颜色名称：");
    f.memberCodeLabel = QStringLiteral("颜色编码：");

    f.defaultGroupNoRename = QStringLiteral("默认颜色组不能修改！");
    f.defaultGroupNoDelete = QStringLiteral("默认颜色组不能删除！");
    f.groupInUse = QStringLiteral("该颜色组已经有商品在使用，不能删除！");
    f.memberOfUsedGroup = QStringLiteral("该颜色组的颜色已经有商品在使用，不能删除！");
    f.askDeleteGroup = QStringLiteral("您确定要删除该颜色组吗！");
    f.askDeleteMember = QStringLiteral("您确定要删除该颜色信息吗！");
    f.noGroupYet = QStringLiteral("请先添加颜色组！");
    f.groupNameRequired = QStringLiteral("颜色组名称必须填写！");
    f.groupNameTaken = QStringLiteral("颜色组名称不能重复！");
    f.memberNameRequired = QStringLiteral("颜色名称必须填写！");
    f.memberCodeRequired = QStringLiteral("颜色编码必须填写！");
    f.memberTaken = QStringLiteral("颜色名称或编码不能重复！");
    f.memberTakenOnModify = QStringLiteral("颜色名称或颜色编码重复！");
    f.memberHeldByGroup = QStringLiteral("该颜色已在颜色组中使用，不能删除！");
    return f;
}

const QString kDefault = QString::fromLatin1(kDefaultSn);

MasterResult refused(const QString& message)
{
    return {QString(), message};
}

bool isProtectedGroup(const SizeColorFamily& f, const QString& group)
{
    return f.guardsDefaultGroup && group == kDefault;
}

// Refusal of taking anything from a group: the default colour group, then a group goods use.
QString usedGroupRefusal(const SizeColorFamily& f, const QString& group, const QString& inUse)
{
    if (isProtectedGroup(f, group))
        return f.defaultGroupNoDelete;
    return groupInUse(f, group) ? inUse : QString();
}

// A group whose name is taken by another group than `except`.
bool groupNameTaken(const SizeColorFamily& f, const QString& name, const QString& except)
{
    return !selectValue(QStringLiteral("select %1 from %2 where %3=? and %1<>? limit 1")
                            .arg(f.groupCol("sn"), f.groupTable, f.groupCol("name")),
                        {{QString(), name}, {QString(), except}})
                .isEmpty();
}

// A member other than `except` with the name or the barcode code.
bool memberTaken(const SizeColorFamily& f, const QString& name, const QString& tmCode, const QString& except)
{
    return !selectValue(QStringLiteral("select %1 from %2 where (%3=? or %4=?) and %1<>? limit 1")
                            .arg(f.memberCol("sn"), f.memberTable, f.memberCol("name"), f.memberCol("tm")),
                        {{QString(), name}, {QString(), tmCode}, {QString(), except}})
                .isEmpty();
}

}  // namespace

const SizeColorFamily& sizeFamily()
{
    static const SizeColorFamily f = makeSizeFamily();
    return f;
}

const SizeColorFamily& colorFamily()
{
    static const SizeColorFamily f = makeColorFamily();
    return f;
}

// ---- Statements of the named queries -----------------------------------------------------------

QString groupListSql(const SizeColorFamily& f)
{
    return QStringLiteral("select * from %1 where %2<>'100001' order by id").arg(f.groupTable, f.groupCol("sn"));
}

QString groupMembersSql(const SizeColorFamily& f, const QString& group)
{
    return QStringLiteral("select a.* from %1 a,%2 b where a.%3=b.%3 and b.%4='%5' order by a.id")
        .arg(f.memberTable, f.linkTable, f.memberCol("sn"), f.groupCol("sn"), sqlSafe(group));
}

QString availableMembersSql(const SizeColorFamily& f, const QString& group)
{
    return QStringLiteral("select * from %1 where %2 not in (select %2 from %3 where %4='%5') and %2<>'100001' "
                          "order by id")
        .arg(f.memberTable, f.memberCol("sn"), f.linkTable, f.groupCol("sn"), sqlSafe(group));
}

// ---- Groups ------------------------------------------------------------------------------------

QString groupName(const SizeColorFamily& f, const QString& group)
{
    return selectValue(QStringLiteral("select %1 from %2 where %3=?").arg(f.groupCol("name"), f.groupTable, f.groupCol("sn")),
                       {{QString(), group}});
}

bool groupInUse(const SizeColorFamily& f, const QString& group)
{
    // Goods keep the name their group had when they were saved; a renamed group is still found
    // by its code.
    const QString name = groupName(f, group);
    QString sql = QStringLiteral("select g_sn from jxc_goods where %1=?").arg(f.groupCol("sn"));
    SqlParams params{{QString(), group}};
    if (!name.isEmpty()) {
        sql += QStringLiteral(" or %1=?").arg(f.goodsName);
        params.emplace_back(QString(), name);
    }
    return !selectValue(sql + QStringLiteral(" limit 1"), params).isEmpty();
}

MasterResult addGroup(const SizeColorFamily& f, const QString& name)
{
    const QString safe = sqlSafe(name.trimmed());
    if (safe.isEmpty())
        return refused(f.groupNameRequired);
    Transaction tx;
    if (groupNameTaken(f, safe, QString()))
        return refused(f.groupNameTaken);
    const QString code = getMaxSn(f.groupTable, f.groupCol("sn"));
    execSql(QStringLiteral("insert into %1 (%2,%3) values (?,?)").arg(f.groupTable, f.groupCol("sn"), f.groupCol("name")),
            {{QString(), code}, {QString(), safe}});
    tx.commit();
    return {code, QString()};
}

MasterResult renameGroup(const SizeColorFamily& f, const QString& group, const QString& name)
{
    if (isProtectedGroup(f, group))
        return refused(f.defaultGroupNoRename);
    const QString safe = sqlSafe(name.trimmed());
    if (safe.isEmpty())
        return refused(f.groupNameRequired);
    Transaction tx;
    if (groupNameTaken(f, safe, group))
        return refused(f.groupNameTaken);
    execSql(QStringLiteral("update %1 set %2=? where %3=?").arg(f.groupTable, f.groupCol("name"), f.groupCol("sn")),
            {{QString(), safe}, {QString(), group}});
    tx.commit();
    return {group, QString()};
}

QString groupDeleteRefusal(const SizeColorFamily& f, const QString& group)
{
    return usedGroupRefusal(f, group, f.groupInUse);
}

MasterResult deleteGroup(const SizeColorFamily& f, const QString& group)
{
    Transaction tx;
    const QString refusal = groupDeleteRefusal(f, group);
    if (!refusal.isEmpty())
        return refused(refusal);
    const SqlParams params{{QString(), group}};
    execSql(QStringLiteral("delete from %1 where %2=?").arg(f.linkTable, f.groupCol("sn")), params);
    execSql(QStringLiteral("delete from %1 where %2=?").arg(f.groupTable, f.groupCol("sn")), params);
    tx.commit();
    return {group, QString()};
}

QString groupMemberRemoveRefusal(const SizeColorFamily& f, const QString& group)
{
    return usedGroupRefusal(f, group, f.memberOfUsedGroup);
}

MasterResult removeGroupMember(const SizeColorFamily& f, const QString& group, const QString& member)
{
    Transaction tx;
    const QString refusal = groupMemberRemoveRefusal(f, group);
    if (!refusal.isEmpty())
        return refused(refusal);
    execSql(QStringLiteral("delete from %1 where %2=? and %3=?").arg(f.linkTable, f.groupCol("sn"), f.memberCol("sn")),
            {{QString(), group}, {QString(), member}});
    tx.commit();
    return {member, QString()};
}

// ---- Composition -------------------------------------------------------------------------------

void addMembersToGroup(const SizeColorFamily& f, const QString& group, const QStringList& members)
{
    // Only members that exist and are not in the group yet: a list shown a moment ago may be stale.
    const QString sql = QStringLiteral("insert into %1 (%2,%3) select ?,%3 from %4 where %3=? and %3<>'100001' "
                                       "and not exists (select 1 from %1 where %2=? and %3=?)")
                            .arg(f.linkTable, f.groupCol("sn"), f.memberCol("sn"), f.memberTable);
    Transaction tx;
    for (const QString& member : members)
        execSql(sql, {{QString(), group}, {QString(), member}, {QString(), group}, {QString(), member}});
    tx.commit();
}

void removeMembersFromGroup(const SizeColorFamily& f, const QString& group, const QStringList& members)
{
    const QString sql =
        QStringLiteral("delete from %1 where %2=? and %3=?").arg(f.linkTable, f.groupCol("sn"), f.memberCol("sn"));
    Transaction tx;
    for (const QString& member : members)
        execSql(sql, {{QString(), group}, {QString(), member}});
    tx.commit();
}

void clearGroup(const SizeColorFamily& f, const QString& group)
{
    Transaction tx;
    execSql(QStringLiteral("delete from %1 where %2=?").arg(f.linkTable, f.groupCol("sn")), {{QString(), group}});
    tx.commit();
}

// ---- Members -----------------------------------------------------------------------------------

namespace {

// The emptiness checks of both member dialogs; on success the safe name and code.
QString checkMember(const SizeColorFamily& f, const QString& name, const QString& tmCode, QString& safeName,
                    QString& safeCode)
{
    if (name.trimmed().isEmpty())
        return f.memberNameRequired;
    if (tmCode.trimmed().isEmpty())
        return f.memberCodeRequired;
    safeName = sqlSafe(name.trimmed());
    safeCode = sqlSafe(tmCode.trimmed());
    if (safeName.isEmpty())
        return f.memberNameRequired;
    if (safeCode.isEmpty())
        return f.memberCodeRequired;
    return QString();
}

}  // namespace

MasterResult addMember(const SizeColorFamily& f, const QString& name, const QString& tmCode)
{
    QString safeName, safeCode;
    if (const QString refusal = checkMember(f, name, tmCode, safeName, safeCode); !refusal.isEmpty())
        return refused(refusal);
    Transaction tx;
    if (memberTaken(f, safeName, safeCode, QString()))
        return refused(f.memberTaken);
    const QString code = getMaxSn(f.memberTable, f.memberCol("sn"));
    QString columns = QStringLiteral("%1,%2,%3,%4").arg(f.memberCol("sn"), f.memberCol("name"), f.memberCol("jm"),
                                                        f.memberCol("tm"));
    QString values = QStringLiteral("?,?,?,?");
    if (f.hasClickColumn) {
        columns += QLatin1Char(',') + f.memberCol("click");
        values += QStringLiteral(",0");
    }
    execSql(QStringLiteral("insert into %1 (%2) values (%3)").arg(f.memberTable, columns, values),
            {{QString(), code}, {QString(), safeName}, {QString(), getPyJm(safeName)}, {QString(), safeCode}});
    tx.commit();
    return {code, QString()};
}

MasterResult modifyMember(const SizeColorFamily& f, const QString& member, const QString& name,
                          const QString& tmCode)
{
    QString safeName, safeCode;
    if (const QString refusal = checkMember(f, name, tmCode, safeName, safeCode); !refusal.isEmpty())
        return refused(refusal);
    Transaction tx;
    if (memberTaken(f, safeName, safeCode, member))
        return refused(f.memberTakenOnModify);
    execSql(QStringLiteral("update %1 set %2=?,%3=?,%4=? where %5=?")
                .arg(f.memberTable, f.memberCol("name"), f.memberCol("tm"), f.memberCol("jm"), f.memberCol("sn")),
            {{QString(), safeName}, {QString(), safeCode}, {QString(), getPyJm(safeName)}, {QString(), member}});
    tx.commit();
    return {member, QString()};
}

QString memberDeleteRefusal(const SizeColorFamily& f, const QString& member)
{
    const bool held = !selectValue(QStringLiteral("select %1 from %2 where %1=? limit 1").arg(f.memberCol("sn"), f.linkTable),
                                   {{QString(), member}})
                           .isEmpty();
    return held || member == kDefault ? f.memberHeldByGroup : QString();
}

MasterResult deleteMember(const SizeColorFamily& f, const QString& member)
{
    Transaction tx;
    if (const QString refusal = memberDeleteRefusal(f, member); !refusal.isEmpty())
        return refused(refusal);
    execSql(QStringLiteral("delete from %1 where %2=?").arg(f.memberTable, f.memberCol("sn")), {{QString(), member}});
    tx.commit();
    return {member, QString()};
}
