#include "platform/sizecolorstore.h"

#include "data/datamodule.h"
#include "data/values.h"

namespace {

QVector<SizeColorItem> readItems(const QString& sql, const SqlParams& params)
{
    const ResultSet rs = openSelect(sql, params);
    QVector<SizeColorItem> items;
    items.reserve(rs.rowCount());
    for (int r = 0; r < rs.rowCount(); ++r)
        items.push_back({rs.text(r, 0), rs.text(r, 1)});
    return items;
}

QVector<SizeColorQuantity> readQuantities(const QString& sql, const SqlParams& params)
{
    const ResultSet rs = openSelect(sql, params);
    QVector<SizeColorQuantity> rows;
    rows.reserve(rs.rowCount());
    for (int r = 0; r < rs.rowCount(); ++r)
        rows.push_back({rs.text(r, 0), rs.text(r, 1), rs.text(r, 2)});
    return rows;
}

}  // namespace

// ---- Axes ----------------------------------------------------------------------------------

SizeColorAxes SizeColorAxes::ofGroups(const QString& sizeGroup, const QString& colorGroup)
{
    SizeColorAxes axes;
    axes.sizes = readItems(QStringLiteral("select a.cm_sn,a.cm_name from jxc_cm a,jxc_cmz2 b "
                                          "where a.cm_sn=b.cm_sn and b.cmz_sn=:g order by a.id"),
                           {{QStringLiteral(":g"), sizeGroup}});
    axes.colors = readItems(QStringLiteral("select a.color_sn,a.color_name from jxc_color a,jxc_colorz2 b "
                                           "where a.color_sn=b.color_sn and b.colorz_sn=:g order by a.id"),
                            {{QStringLiteral(":g"), colorGroup}});
    return axes;
}

SizeColorAxes SizeColorAxes::ofGoods(const QString& goodsSn)
{
    const ResultSet rs = openSelect(QStringLiteral("select cmz_sn,colorz_sn from jxc_goods where g_sn=:g"),
                                    {{QStringLiteral(":g"), goodsSn}});
    if (rs.isEmpty())
        return {};
    return ofGroups(rs.text(0, 0), rs.text(0, 1));
}

SizeColorAxes SizeColorAxes::ofLineRows(const QString& table, qint64 lineId)
{
    SizeColorAxes axes;
    const SqlParams params{{QStringLiteral(":tid"), lineId}};
    axes.sizes = readItems(QStringLiteral("select a.cm_sn,a.cm_name from jxc_cm a where a.cm_sn in "
                                          "(select cm_sn from %1 where tid=:tid) order by a.id")
                               .arg(table),
                           params);
    axes.colors = readItems(QStringLiteral("select a.color_sn,a.color_name from jxc_color a where a.color_sn in "
                                           "(select color_sn from %1 where tid=:tid) order by a.id")
                                .arg(table),
                            params);
    return axes;
}

SizeColorAxes SizeColorAxes::ofStock(const QString& warehouseSn)
{
    // A probe per size and colour through the stock's indexes, never a scan of the stock.
    const QString where = warehouseSn.isEmpty() ? QString() : QStringLiteral(" and b.ck_sn=:ck");
    const SqlParams params = warehouseSn.isEmpty() ? SqlParams{} : SqlParams{{QStringLiteral(":ck"), warehouseSn}};
    SizeColorAxes axes;
    axes.sizes = readItems(QStringLiteral("select a.cm_sn,a.cm_name from jxc_cm a where exists "
                                          "(select 1 from jxc_tkc b where b.cm_sn=a.cm_sn%1) order by a.id")
                               .arg(where),
                           params);
    axes.colors = readItems(QStringLiteral("select a.color_sn,a.color_name from jxc_color a where exists "
                                           "(select 1 from jxc_tkc b where b.color_sn=a.color_sn%1) order by a.id")
                                .arg(where),
                            params);
    return axes;
}

// ---- Stock ---------------------------------------------------------------------------------

SizeColorStock::SizeColorStock(const QString& goodsSn, const QString& warehouseSn)
    : m_goods(goodsSn), m_warehouse(warehouseSn)
{
}

QVector<SizeColorQuantity> SizeColorStock::load()
{
    if (m_warehouse.isEmpty())
        return readQuantities(QStringLiteral("select cm_sn,color_sn,t_sl from jxc_tkc where g_sn=:g order by id"),
                              {{QStringLiteral(":g"), m_goods}});
    return readQuantities(QStringLiteral("select cm_sn,color_sn,t_sl from jxc_tkc "
                                         "where g_sn=:g and ck_sn=:ck order by id"),
                          {{QStringLiteral(":g"), m_goods}, {QStringLiteral(":ck"), m_warehouse}});
}

void SizeColorStock::save(const QVector<SizeColorQuantity>& cells)
{
    if (m_warehouse.isEmpty())
        throw DbError(QStringLiteral("没有选择仓库，不能保存库存！"));
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_tkc where g_sn=:g and ck_sn=:ck"),
            {{QStringLiteral(":g"), m_goods}, {QStringLiteral(":ck"), m_warehouse}});
    for (const SizeColorQuantity& cell : cells) {
        execSql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,t_sl,cm_sn,color_sn) "
                               "values (:g,:ck,:sl,:cm,:color)"),
                {{QStringLiteral(":g"), m_goods},
                 {QStringLiteral(":ck"), m_warehouse},
                 {QStringLiteral(":sl"), Money::fromText(cell.quantity).toDouble()},
                 {QStringLiteral(":cm"), cell.sizeCode},
                 {QStringLiteral(":color"), cell.colorCode}});
    }
    tx.commit();
}

// ---- Line rows -----------------------------------------------------------------------------

SizeColorLineRows SizeColorLineRows::billLine(const QString& table, const QString& number,
                                              const QString& goodsSn, qint64 lineId,
                                              const QString& operatorName)
{
    SizeColorLineRows rows;
    rows.m_table = table;
    rows.m_number = number;
    rows.m_hasNumber = true;
    rows.m_goods = goodsSn;
    rows.m_lineId = lineId;
    rows.m_operator = operatorName;
    return rows;
}

SizeColorLineRows SizeColorLineRows::scratchRow(const QString& goodsSn, qint64 rowId,
                                                const QString& operatorName)
{
    SizeColorLineRows rows;
    rows.m_table = QStringLiteral("jxc_tempspxfmx");
    rows.m_goods = goodsSn;
    rows.m_lineId = rowId;
    rows.m_operator = operatorName;
    return rows;
}

SizeColorLineRows SizeColorLineRows::countLine(const QString& number, const QString& goodsSn, qint64 lineId,
                                               const QString& operatorName,
                                               const QVector<SizeColorQuantity>& stock, Money salePrice)
{
    SizeColorLineRows rows = billLine(QStringLiteral("jxc_kcpdmx"), number, goodsSn, lineId, operatorName);
    rows.m_isCount = true;
    rows.m_stock = stock;
    rows.m_salePrice = salePrice;
    return rows;
}

QVector<SizeColorQuantity> SizeColorLineRows::load()
{
    return readQuantities(QStringLiteral("select cm_sn,color_sn,t_sl from %1 where tid=:tid order by id")
                              .arg(m_table),
                          {{QStringLiteral(":tid"), m_lineId}});
}

void SizeColorLineRows::save(const QVector<SizeColorQuantity>& cells)
{
    Transaction tx;
    execSql(QStringLiteral("delete from %1 where tid=:tid").arg(m_table), {{QStringLiteral(":tid"), m_lineId}});
    const QString insert =
        m_isCount ? QStringLiteral("insert into jxc_kcpdmx (gl_djh,g_sn,t_sl,cm_sn,color_sn,a_name,tid,t_oldsl,g_sj) "
                                   "values (:djh,:g,:sl,:cm,:color,:aname,:tid,:old,:sj)")
        : m_hasNumber ? QStringLiteral("insert into %1 (gl_djh,g_sn,t_sl,cm_sn,color_sn,a_name,tid) "
                                     "values (:djh,:g,:sl,:cm,:color,:aname,:tid)")
                          .arg(m_table)
                    : QStringLiteral("insert into %1 (g_sn,t_sl,cm_sn,color_sn,a_name,tid) "
                                     "values (:g,:sl,:cm,:color,:aname,:tid)")
                          .arg(m_table);
    for (const SizeColorQuantity& cell : cells) {
        const Money quantity = Money::fromText(cell.quantity);
        if (quantity.isZero())
            continue;
        SqlParams params{{QStringLiteral(":g"), m_goods},
                         {QStringLiteral(":sl"), quantity.toDouble()},
                         {QStringLiteral(":cm"), cell.sizeCode},
                         {QStringLiteral(":color"), cell.colorCode},
                         {QStringLiteral(":aname"), m_operator},
                         {QStringLiteral(":tid"), m_lineId}};
        if (m_hasNumber)
            params.push_back({QStringLiteral(":djh"), m_number});
        if (m_isCount) {
            Money old;
            for (const SizeColorQuantity& s : m_stock)
                if (s.sizeCode == cell.sizeCode && s.colorCode == cell.colorCode)
                    old += Money::fromText(s.quantity);
            params.push_back({QStringLiteral(":old"), old.toDouble()});
            params.push_back({QStringLiteral(":sj"), m_salePrice.toDouble()});
        }
        execSql(insert, params);
    }
    tx.commit();
}
