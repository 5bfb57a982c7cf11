// Variant barcodes and barcode labels on plain values: regenerating the variant barcodes of a
// list of goods, typed colour and size codes for one goods item, the barcode look-up, print
// quantities, the label print list (jxc_tm), the label rows to print (jxc_txm) and the stored
// label layout (jxc_tmdy). Every sequence that writes runs in one Transaction.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Rebuilds the variant barcodes of each goods item (in the order given) from its goods record,
// every print quantity back to 1; goods without a goods barcode are left alone.
void regenerateGoodsTm(const QStringList& goodsCodes);

// (name, code) of one column of the code grids of "条码设置".
using TmCodeColumn = QPair<QString, QString>;
// The columns the grids start with: the names of the group's members in group order, the
// distinct codes stored in the goods' variant barcodes in ascending order, each placed left to
// right on its own.
QList<TmCodeColumn> goodsColorCodes(const QString& gSn, const QString& colorzSn);
QList<TmCodeColumn> goodsSizeCodes(const QString& gSn, const QString& cmzSn);
// Replaces every variant barcode of the goods by one per colour column and size column whose
// codes and the barcode are given (trimmed, made safe; codes cut to 8 characters), leaving out
// the built-in colour and size and names that match no record. tmType 2 puts the size code first.
void setGoodsTmCodes(const QString& gSn, const QString& barcode, int tmType, const QList<TmCodeColumn>& colors,
                     const QList<TmCodeColumn>& sizes);

// The variant barcode `key` (trimmed, made safe): g_sn, g_name, gg_name, dw_name, color_name,
// cm_name, color_tm, cm_tm; empty when no variant barcode has it.
QStringList findVariantBarcode(const QString& key);

// Print quantity of variant rows (jxc_tm ids).
void setTmQuantity(const QList<qint64>& ids, int quantity);

// ---- Label print list ----------------------------------------------------------------------
bool goodsExists(const QString& gSn);
bool labelRowsExist(const QString& gSn);
// Adds `quantity` labels of a goods item: raises every row of the goods when `accumulate`,
// else a new row with only the code and the quantity.
void addLabels(const QString& gSn, int quantity, bool accumulate);
// Deletes every row of the goods from the list, its variant barcodes included.
void deleteLabelGoods(const QString& gSn);
// Refills jxc_txm: for each row of the list in order, tm_sl rows carrying the goods barcode.
// Returns the number of labels.
int fillLabelRows();

// ---- Label layout ----------------------------------------------------------------------------
struct LabelLayout {
    int width = 100, height = 30, num = 1, padding = 150;
    bool titleDisp = true;
    QString title = QStringLiteral("禾岚软件标题");
    int titleLeft = 2, titleTop = 2, titlePadding = 2, titleAlign = 0;
    QString code = QStringLiteral("1234567890");
    int codeLeft = 2, codeTop = 50, codeHeight = 50, codeType = 14;
    bool codeDisp = true, footDisp = true;
    QString foot = QStringLiteral("禾岚软件脚注");
    int footLeft = 2, footTop = 100, footPadding = 2, footAlign = 0;
};
// The stored layout; the defaults when the table is empty.
LabelLayout loadLabelLayout();
// Writes all columns into the one row (inserted when the table is empty).
void saveLabelLayout(const LabelLayout& layout);
