// Next master codes, member numbers, document numbers and category and goods codes. Each
// routine reads the largest value already stored (by text order) and hands out the next one;
// nothing is reserved, a code is taken when its record is written.
#pragma once

#include <QString>

// Next master code of a table: the largest code + 1 as a whole number; "100001" for the first.
QString getMaxSn(const QString& table, const QString& column);

// Next member number: "HY" + (the largest number after "HY" + 1); "HY100001" for the first.
QString getMaxHyBh(const QString& table, const QString& column);

// Next document number of today: prefix + yymmdd + six-digit serial ("CJ130528010001").
// "CJ" and "XS" also count the pending bills (jxc_shdj); "XS" also the till's sales and held
// sales (jxc_posxsd) and its working lines (jxc_lsxssptemp), so that the sales bills and the
// till share one sequence. When the day's serials are used up, throws DbError.
QString getMaxDjh(const QString& table, const QString& column, const QString& prefix);
// The same for the document date `date` ("yyyy-MM-dd"), searched in every table.
QString getMaxDjhByDate(const QString& table, const QString& column, const QString& prefix,
                        const QString& date);

// Code of the new category whose node id is `gcCid`: "1000", "1001"... under the root,
// the parent's code + "100", "101"... below another category.
QString getMaxGcSn(int gcCid);

// Next eight-digit goods code of a category: the largest code beginning with the category
// id + 1, else the category id padded with zeros to seven digits + "1".
QString getMaxGoodsSn(int gcCid);
