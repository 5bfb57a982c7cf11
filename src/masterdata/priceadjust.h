// Price adjustment and average cost correction on plain values: the adjustment of one goods
// item with its log line, the preview of what each kind of customer pays, and the correction of
// one warehouse stock row's moving-average cost. Each write runs in one Transaction.
#pragma once

#include "data/values.h"

#include <QDateTime>
#include <QString>

// What the adjustment dialog holds for one goods item.
struct PriceAdjustment {
    QString gSn;
    Money purchasePrice;  // g_jj, and the last and average purchase prices
    Money salePrice;      // g_sj
    Money discount;       // g_dzll: 1 none, 0.9 ten per cent off
    bool disabled = false;
    bool special = false;  // g_tjsp
    Money specialPrice;    // g_tj, for ordinary customers
    Money memberPrice;     // g_hyj
    bool hasPeriod = false;  // g_tjqx
    QDateTime periodStart;   // g_ks
    QDateTime periodEnd;     // g_js
};

// The refusals of an adjustment.
inline constexpr char16_t kDiscountNotPositive[] = u"商品折扣必须大于0！";
inline constexpr char16_t kSpecialPriceNotPositive[] = u"商品特价不能为0或负数！";

// The description of the change from the stored goods row to `adj`, piece by piece ("" when
// nothing described changed). Empty when the goods does not exist.
QString priceAdjustDescription(const PriceAdjustment& adj);

// Writes the goods row and appends the log line (code, now, description, operator) even when
// nothing changed. Returns the refusal ("" when written). Unknown goods write nothing.
QString adjustGoodsPrice(const PriceAdjustment& adj, const QString& operatorName);

// Replaces the operator's preview rows (jxc_sptjtmp) by those of the goods: ordinary customers,
// then every member class in id order. No rows when the goods does not exist.
void buildPricePreview(const QString& gSn, const QString& operatorName);

// Overwrites the moving-average cost of the warehouse stock row `kcspId`, and nothing else.
void setStockCost(qint64 kcspId, Money cost);
