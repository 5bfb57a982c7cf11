// Size and colour stock (jxc_tkc: quantity per goods, size, colour and warehouse), variant
// barcodes and a few stock look-ups. Every routine that writes does so in one Transaction, so
// a posting that wraps several routines in its own transaction is written whole or not at all.
#pragma once

#include <QString>

// Adds each size and colour row of document `djh` in `table` (gl_djh, g_sn, cm_sn, color_sn,
// t_sl; in id order) to the warehouse's size-colour stock: each row moves the variant's oldest
// stock row (a variant held in several batch rows moves once), a variant without a stock row
// gets one. A negative quantity moves stock the other way.
void addTkcByDoc(const QString& table, const QString& djh, const QString& ckSn);
// The same, subtracting; a variant without a stock row gets one with the negated quantity.
void subTkcByDoc(const QString& table, const QString& djh, const QString& ckSn);
// The same for the size and colour rows of one line (tid = `lineId`) only.
void addTkcByLine(const QString& table, qint64 lineId, const QString& ckSn);
void subTkcByLine(const QString& table, qint64 lineId, const QString& ckSn);
// Sets to zero every size-colour stock row, in that warehouse, of every goods of the document.
void zeroTkcByDoc(const QString& table, const QString& djh, const QString& ckSn);

// Moves every size-colour stock row of one goods, warehouse and production date (t_scrq) by
// the full quantity; no row is created when none matches.
void subTkcBatch(const QString& gSn, const QString& ckSn, const QString& quantity, const QString& scrq);
void addTkcBatch(const QString& gSn, const QString& ckSn, const QString& quantity, const QString& scrq);

// Rebuilds the variant barcodes (jxc_tm) of a goods item from its barcode: for each colour of
// the colour group and each size of the size group (both in id order, those with the barcode
// code "10" left out), barcode + colour code + size code for order "1", barcode + size code +
// colour code for order "2" (any other order is taken as "1"). An empty barcode changes nothing.
void makeGoodsTm(const QString& gSn, const QString& cmzSn, const QString& colorzSn, const QString& barcode,
                 const QString& order);

// Code of the size / colour with that name; "" when there is none.
QString getCmSn(const QString& cmName);
QString getColorSn(const QString& colorName);

// Stock quantity of a goods item in a warehouse: kc_sl of jxc_kcsp, else the goods' total
// stock g_kc, else "0".
QString getKcSl(const QString& ckSn, const QString& gSn);
