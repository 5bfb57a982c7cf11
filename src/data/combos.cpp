#include "data/combos.h"

#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/routineargs.h"
#include "data/textrules.h"

namespace {

const QString kExtraCode = QStringLiteral("-1");

// Rows of "select * from <table> <where> order by <orderBy>" as entries.
void appendRows(ComboItems& items, const QString& table, const QString& textColumn, const QString& where,
                const QString& orderBy, const QString& codeColumn)
{
    QString sql = QStringLiteral("select * from ") + sqlName(table);
    if (!where.trimmed().isEmpty())
        sql += u' ' + where;
    sql += QStringLiteral(" order by ") + (orderBy.trimmed().isEmpty() ? QStringLiteral("id") : orderBy);
    const ResultSet rs = openSelect(sql);
    const int textCol = rs.columnIndex(textColumn);
    const int codeCol = codeColumn.isEmpty() ? -1 : rs.columnIndex(codeColumn);
    if (textCol < 0 || (!codeColumn.isEmpty() && codeCol < 0))
        throw DbError(QStringLiteral("表 %1 中没有字段 %2").arg(table, textCol < 0 ? textColumn : codeColumn), sql);
    items.reserve(items.size() + rs.rowCount());
    for (int r = 0; r < rs.rowCount(); ++r)
        items.append({rs.text(r, textCol), codeCol < 0 ? QString() : rs.text(r, codeCol)});
}

QString firstValue(std::initializer_list<QString> statements)
{
    for (const QString& sql : statements) {
        const QString v = selectValue(sql);
        if (!v.isEmpty())
            return v;
    }
    return QString();
}

}  // namespace

ComboItems comboBoxItems(const QString& table, const QString& textColumn, const QString& extraItem,
                         const QString& blankFlag, const QString& orderBy)
{
    ComboItems items;
    if (blankFlag == u"1")
        items.append(ComboItem{});
    if (!extraItem.isEmpty())
        items.append({extraItem, QString()});
    appendRows(items, table, textColumn, QString(), orderBy, QString());
    return items;
}

ComboItems cxComboBoxItems(const QString& table, const QString& textColumn, const QString& firstItem,
                           const QString& blankFlag, const QString& orderBy)
{
    ComboItems items;
    if (!firstItem.isEmpty())
        items.append({firstItem, QString()});
    if (blankFlag == u"1")
        items.append(ComboItem{});
    appendRows(items, table, textColumn, QString(), orderBy, QString());
    return items;
}

ComboItems codeComboItems(const QString& table, const QString& textColumn, const QString& firstItem,
                          const QString& orderBy, const QString& codeColumn)
{
    return codeComboWhereFirstItems(table, textColumn, firstItem, QString(), orderBy, codeColumn);
}

ComboItems codeComboWhereItems(const QString& table, const QString& textColumn, const QString& trailingItem,
                               const QString& where, const QString& orderBy, const QString& codeColumn)
{
    ComboItems items;
    appendRows(items, table, textColumn, where, orderBy, codeColumn);
    if (!trailingItem.isEmpty() && !where.trimmed().isEmpty())
        items.append({trailingItem, kExtraCode});
    return items;
}

ComboItems codeComboWhereFirstItems(const QString& table, const QString& textColumn, const QString& firstItem,
                                    const QString& where, const QString& orderBy, const QString& codeColumn)
{
    ComboItems items;
    if (!firstItem.isEmpty())
        items.append({firstItem, kExtraCode});
    appendRows(items, table, textColumn, where, orderBy, codeColumn);
    return items;
}

ComboItems jsfsComboItems(const QString& kind)
{
    ComboItems items{{QStringLiteral("按实付款结算"), QStringLiteral("1")}};
    if (kind == u"cg")
        items.append({QStringLiteral("余款记入应付帐"), QStringLiteral("2")});
    else if (kind == u"xs")
        items.append({QStringLiteral("余款记入应收帐"), QStringLiteral("2")});
    return items;
}

QString getDefaultUserSn()
{
    return firstValue({QStringLiteral("select u_sn from jxc_user where u_name='' or u_name is null order by id limit 1"),
                       QStringLiteral("select u_sn from jxc_user order by id limit 1")});
}

QString getDefaultUserName()
{
    return firstValue({QStringLiteral("select u_name from jxc_user where u_name='' or u_name is null order by id limit 1"),
                       QStringLiteral("select u_name from jxc_user order by id limit 1")});
}

QString getDefaultGhsSn()
{
    return firstValue({QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_default<>0 and ghs_forbid=0 order by id limit 1"),
                       QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_forbid=0 order by id limit 1")});
}

QString getDefaultGhsName()
{
    return firstValue({QStringLiteral("select ghs_name from jxc_ghsxx where ghs_default<>0 and ghs_forbid=0 order by id limit 1"),
                       QStringLiteral("select ghs_name from jxc_ghsxx where ghs_forbid=0 order by id limit 1")});
}

QString getDefaultKhSn()
{
    return firstValue({QStringLiteral("select kh_sn from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id limit 1"),
                       QStringLiteral("select kh_sn from jxc_khxx where kh_forbid=0 order by id limit 1")});
}

QString getDefaultKhName()
{
    return firstValue({QStringLiteral("select kh_name from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id limit 1"),
                       QStringLiteral("select kh_name from jxc_khxx where kh_forbid=0 order by id limit 1")});
}

QString getDefaultCkName()
{
    return firstValue({QStringLiteral("select ck_name from jxc_ckxx where ck_default<>0 order by id limit 1"),
                       QStringLiteral("select ck_name from jxc_ckxx order by id limit 1")});
}

bool recordExists(const QString& table, const QString& column, const QString& where)
{
    return !selectValue(QStringLiteral("select %1 from %2 %3 limit 1").arg(sqlName(column), sqlName(table), where)).isEmpty();
}

QString getImportFieldId(const QString& caption, const QString& table)
{
    return selectValue(QStringLiteral("select i_fieldid from jxc_import where i_tablename=? and i_fieldname=?"),
                       {{QString(), table}, {QString(), caption}});
}

namespace {

// Writes code and short code (and name, when given) of the current category and shows it.
void saveCategory(NamedQuery& categories, const QString& name, const QString& code)
{
    const int row = categories.currentRow();
    const QString id = categories.fieldByName(QStringLiteral("id"));
    const QString jm = getPyJm(name);
    {
        Transaction tx;
        execSql(QStringLiteral("update jxc_goodsclass set gc_name=?,gc_jm=?,gc_sn=? where id=?"),
                {{QString(), name}, {QString(), jm}, {QString(), code}, {QString(), id}});
        tx.commit();
    }
    categories.setLoadedValue(row, QStringLiteral("gc_name"), name);
    categories.setLoadedValue(row, QStringLiteral("gc_jm"), jm);
    categories.setLoadedValue(row, QStringLiteral("gc_sn"), code);
    if (DataModule)
        openQuery(DataModule->ADOQueryGoodsClass2, DataModule->ADOQueryGoodsClass2->sql());
}

}  // namespace

void setGoodsClassCode(NamedQuery& categories)
{
    if (categories.currentRow() < 0)
        return;
    const QString code = getMaxGcSn(categories.fieldByName(QStringLiteral("gc_cid")).toInt());
    saveCategory(categories, categories.fieldByName(QStringLiteral("gc_name")), code);
}

void renameGoodsClass(NamedQuery& categories, const QString& name)
{
    if (categories.currentRow() < 0)
        return;
    saveCategory(categories, name, categories.fieldByName(QStringLiteral("gc_sn")));
}
