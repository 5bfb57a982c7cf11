// Where the size × colour grid gets its axes and quantities from, and where it writes them.
//
// The axes are the sizes (columns) and colours (rows) of a goods item, each in the order of the
// records' ids. The quantities come from a store: the size-colour stock of a goods in one
// warehouse, or the size-colour rows of one line (a bill line, a pending line, a row of the
// goods pickers' scratch list). Stores match a variant by its size and colour codes.
#pragma once

#include "data/values.h"

#include <QString>
#include <QVector>

// One size or colour of an axis: its record code and the name shown in the header.
struct SizeColorItem {
    QString code;
    QString name;
};

struct SizeColorAxes {
    QVector<SizeColorItem> sizes;   // columns
    QVector<SizeColorItem> colors;  // rows

    // The sizes of a size group (`jxc_cmz2`) and the colours of a colour group (`jxc_colorz2`),
    // each ordered by the size's or colour's `id`. A group without members gives an empty axis.
    static SizeColorAxes ofGroups(const QString& sizeGroup, const QString& colorGroup);
    // The groups of a goods item (`cmz_sn`, `colorz_sn`); empty axes for a goods that does not exist.
    static SizeColorAxes ofGoods(const QString& goodsSn);
    // The sizes and colours that occur in a size-colour table for one line (`tid`), ordered by id.
    static SizeColorAxes ofLineRows(const QString& table, qint64 lineId);
    // The sizes and colours that occur in the size-colour stock of a warehouse (of every
    // warehouse when `warehouseSn` is empty), for any goods, ordered by id.
    static SizeColorAxes ofStock(const QString& warehouseSn);
};

// The quantity of one variant, as text ("" for an empty cell).
struct SizeColorQuantity {
    QString sizeCode;
    QString colorCode;
    QString quantity;
};

class SizeColorStore {
public:
    virtual ~SizeColorStore() = default;
    // The stored rows, in the order read. Several rows of one variant add up in the grid.
    virtual QVector<SizeColorQuantity> load() = 0;
    // Replaces what is stored by the grid's data cells (every cell, rows top to bottom and
    // columns left to right, empty cells included), all in one transaction.
    virtual void save(const QVector<SizeColorQuantity>& cells) = 0;
};

// Size-colour stock `jxc_tkc` of one goods in one warehouse, or read over every warehouse when
// the warehouse is empty. Rows that differ only by batch (or by warehouse) add up to the
// variant's stock. Saving (the opening stock) replaces every stock row of the goods in the
// warehouse by one row per cell, empty cells written as 0; the view of every warehouse is never
// saved.
class SizeColorStock : public SizeColorStore {
public:
    SizeColorStock(const QString& goodsSn, const QString& warehouseSn);
    QVector<SizeColorQuantity> load() override;
    void save(const QVector<SizeColorQuantity>& cells) override;

private:
    QString m_goods;
    QString m_warehouse;
};

// The size-colour rows of one line, linked by `tid` = the line's id. Saving deletes the line's
// rows and writes one row per cell whose quantity is not 0.
class SizeColorLineRows : public SizeColorStore {
public:
    // A bill line or a pending line (`jxc_jhspmx`, `jxc_thspmx`, `jxc_shspmx`, `jxc_lsxsspmx`,
    // ...): the rows carry the line's document number in `gl_djh`.
    static SizeColorLineRows billLine(const QString& table, const QString& number,
                                      const QString& goodsSn, qint64 lineId,
                                      const QString& operatorName);
    // A row of the scratch list `jxc_tempspxf`: rows in `jxc_tempspxfmx`, without a number.
    static SizeColorLineRows scratchRow(const QString& goodsSn, qint64 rowId,
                                        const QString& operatorName);

    // A line of a count sheet (`jxc_kcpdmx`): each row also keeps the variant's stock when it was
    // counted (`t_oldsl`, 0 for a variant not in `stock`) and the goods' sale price (`g_sj`).
    static SizeColorLineRows countLine(const QString& number, const QString& goodsSn, qint64 lineId,
                                       const QString& operatorName, const QVector<SizeColorQuantity>& stock,
                                       Money salePrice);

    QVector<SizeColorQuantity> load() override;
    void save(const QVector<SizeColorQuantity>& cells) override;

    QString table() const { return m_table; }
    qint64 lineId() const { return m_lineId; }

private:
    SizeColorLineRows() = default;
    QString m_table;
    QString m_number;
    bool m_hasNumber = false;
    QString m_goods;
    qint64 m_lineId = 0;
    QString m_operator;
    bool m_isCount = false;
    QVector<SizeColorQuantity> m_stock;
    Money m_salePrice;
};
