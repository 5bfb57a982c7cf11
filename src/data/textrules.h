// Pure text rules every window uses: the short code of a name, safe text for SQL, and an
// amount written in Chinese capital numerals. None of them touches the database, and none
// raises an error whatever text it is given.
#pragma once

#include "data/values.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// Upper-case initial of one two-byte GB2312 character (first byte × 256 + second byte inside
// the first-level ranges); an empty text for any other code.
QString getPyChar(unsigned char first, unsigned char second);

// Short code of a name already in its GBK (code page 936) byte form: digits kept, Latin
// letters upper-cased, other single bytes dropped, each two-byte character replaced by its
// initial (or nothing). A lone last byte is looked up with a second byte of 0.
QString getPyJmGbk(const QByteArray& gbk);

// Short code of a name: each character is converted to GBK on its own (characters without a
// GBK form give nothing) and treated as above. "男鞋 ABC 2013" gives "NXABC2013".
QString getPyJm(const QString& name);

// Safe text for search keys and free text: ' → ‘, " → “, ? . % ! $ & , ( ) + - @ ~ → their
// full-width forms (￥ for $), / ^ ` removed; * and # unchanged.
QString sqlSafe(const QString& text);
// The variant for names, contacts, telephones, addresses, notes and passwords: as sqlSafe,
// but ( ) + - and / stay unchanged.
QString sqlSafeName(const QString& text);

// Capital digit of '0'..'9' ("零".."玖"); empty for anything else (the decimal point).
QString getDxDigit(QChar digit);
// Place unit of position n counted from the right of an amount written in fen (1 = 分).
QString getDxUnit(int n);
// An amount in capitals: "1234.5" gives "壹仟贰佰叁拾肆元伍角", "-12" "负壹拾贰元整". Anything but digits, one
// point and a leading minus gives an empty text; so does an amount of zero. Decimals after
// the second are dropped without rounding.
QString moneyToDx(const QString& amount);

// The twelve digit cells of a printed voucher, from the lowest: fen, jiao, yuan, shi, bai, qian,
// wan, shiwan, baiwan, qianwan, yi, shiyi, each one character or empty. The amount is written
// with two decimals and no leading zero (0.5 gives ".50"); fen and jiao take the decimals, then
// each cell from yuan up takes the next character from the right and the cell above it "￥",
// which the next character overwrites. So 1234.56 gives 6, 5, 4, 3, 2, 1, "￥"; an amount below
// one fills fen and jiao only; ten integer digits fill shiyi without "￥", and digits beyond are
// not shown.
using VoucherCell = std::pair<QString, QString>;
QList<VoucherCell> voucherDigitCells(Money amount);
