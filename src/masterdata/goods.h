// Goods records written on plain values: the save of the goods add and modify dialogs with the
// variant barcodes, the short code and the named prices. Each runs in one Transaction, so that
// other windows, imports and test fixtures create and change goods exactly as the dialogs do.
#pragma once

#include "data/values.h"

#include <QString>

// The fields of one goods item as the add and modify dialogs hold them. Texts are stored
// trimmed.
struct GoodsFields {
    QString gcCid;           // the category's node id
    QString gcSn;            // the category's code
    QString sn;              // goods code (written by an add only)
    QString name;            // g_name; its short code becomes g_jm
    QString barcode;         // g_sptm: the goods barcode the variant barcodes are made from
    int tmType = 1;          // layout of the variant barcodes: 1 colour then size, 2 size then colour
    QString unit;            // dw_name
    QString style;           // gg_name
    QString colorGroupName;  // color_name
    QString colorGroupCode;  // colorz_sn
    QString sizeGroupName;   // cmz_name
    QString sizeGroupCode;   // cmz_sn
    QString brand;           // g_sccs
    Money purchasePrice;     // g_jj, and the last and average purchase prices
    Money salePrice;         // g_sj
    int minStock = 0;        // g_zdkc
    QString note;            // g_bz
};

// The outcome of a save: the goods code written, or the refusal shown to the user (nothing was
// written then).
struct GoodsSaveResult {
    QString sn;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

// Whether a new goods item with a barcode gets its variant barcodes at once. The bills' new-goods
// dialog stores the barcode and its layout only.
enum class VariantBarcodes { Build, Skip };

// A new goods item and its variant barcodes (one per colour and size of its groups when it
// has a barcode, unless `variants` skips them). Refuses an empty category, code, name, unit or group, an unknown category,
// and a code already in use ("商品编号已经存在，请重新输入！"). The cost price and the last and
// average purchase prices start at the preset purchase price; the supplier is the default
// supplier. No stock row is written.
GoodsSaveResult addGoods(const GoodsFields& goods, VariantBarcodes variants = VariantBarcodes::Build);

// Changes the goods item of row `id` (its code stays) and rebuilds its variant barcodes when it
// has a barcode. The last and average purchase prices become the preset purchase price.
GoodsSaveResult modifyGoods(qint64 id, const GoodsFields& goods);

// Stores a typed short code: trimmed, upper case, as safe text for names. Returns what was
// stored.
QString setGoodsJm(qint64 id, const QString& typed);

// ---- Named prices ---------------------------------------------------------------------------
// The named prices of a goods code (the empty code holds the set shared by the sales lines).
QString goodsPriceSql(const QString& gSn);
// Creates "售价1" … "售价5" at 0 for a code that has no named price yet; true when it did.
bool ensureGoodsPrices(const QString& gSn);
// Gives a named price its name and price (trimmed; an empty price is 0).
void saveGoodsPrice(qint64 id, const QString& name, const QString& price);
