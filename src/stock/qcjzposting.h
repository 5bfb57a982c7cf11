// Opening stock balances as business sequences: the quantity per size and colour and the cost
// price of a goods in a warehouse when the shop starts with goods on its shelves. Each save and
// deletion is written whole or not at all.
#pragma once

#include "bills/workinglines.h"

#include <QString>
#include <QVector>

struct QcjzEntry {
    QString gSn;
    QString ckSn;
    QString ckName;              // the journal row's warehouse name
    Money cost;                  // the cost price
    QVector<SizeColorQty> cells; // every size and colour of the goods, zeros included
};

// Whether the goods has business in the warehouse: a journal row of a document there.
bool qcjzHasBusiness(const QString& gSn, const QString& ckSn);

// Adds the opening balance (the goods has no stock row in the warehouse yet) or, with
// `modify`, replaces it (refused with "该商品发生过业务，不能修改建账信息！" for a goods with
// business). Sets the stock row, the goods' g_kc (by the quantity or its difference) and its
// three purchase prices to the cost, the month row of today's month (quantity and value as
// stock and as purchase), the opening journal row (gl_djh empty, "期初建账") and the
// size-colour stock: one row per cell, zeros too, with the journal's size and colour rows.
void saveQcjz(const QcjzEntry& entry, bool modify);

// Deletes the opening balance of the goods in the warehouse: its stock row, the quantity and
// value from g_kc and the month row, the opening journal row with its size and colour rows and
// the goods' size-colour stock there.
void deleteQcjz(const QString& gSn, const QString& ckSn);
