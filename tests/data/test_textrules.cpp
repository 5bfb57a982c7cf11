// Short codes, safe text and amounts in capitals, including a table of hostile input that the
// sanitizer build runs.
#include "data/textrules.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

TEST(TextRules, PyJmOfNames)
{
    const TextCase cases[] = {
        {"男鞋", "NX"},
        {"男鞋 ABC 2013", "NXABC2013"},
        {"（特价）", "TJ"},               // the full-width brackets give nothing
        {"abc123", "ABC123"},
        {"鑫鑫鞋业", "XY"},               // 鑫 is a second-level character: nothing
        {"阿", "A"},                       // first code of A (0xB0A1)
        {"座", "Z"},                       // last code of Z (0xD7F9)
        {"女式-凉鞋/2013.夏", "NSLX2013X"},  // punctuation gives nothing
        {"€男", "N"},                      // one-byte GBK form: nothing, and no misaligned pairs
        {"Ωπ", ""},                        // Greek has GBK forms outside the letter ranges
        {"", ""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(getPyJm(u8(c.input)), u8(c.expected)) << c.input;
}

TEST(TextRules, PyJmOfGbkBytes)
{
    struct ByteCase {
        QByteArray bytes;
        const char* expected;
    } cases[] = {
        {QByteArray("\xC4\xD0\xD0\xAC"), "NX"},    // 男鞋
        {QByteArray("a\xB0"), "A"},                // lone last byte read with 0: 0xB000 has no letter
        {QByteArray("\xC4"), "M"},                 // 0xC400 lies in the M range
        {QByteArray("\xB0\xA0"), ""},              // just below A
        {QByteArray("\xD7\xFA"), ""},              // just above Z
        {QByteArray("\x01\x1F\x7F 9z", 7), "9Z"},  // control characters and blanks drop out
        {QByteArray("\0\0", 2), ""},
    };
    for (const ByteCase& c : cases)
        EXPECT_EQ(getPyJmGbk(c.bytes), u8(c.expected)) << c.bytes.toHex().constData();

    EXPECT_EQ(getPyChar(0xB0, 0xC4), "A");
    EXPECT_EQ(getPyChar(0xB0, 0xC5), "B");
    EXPECT_EQ(getPyChar(0xC8, 0xF5), "R");
    EXPECT_EQ(getPyChar(0xC8, 0xF6), "S");
    EXPECT_EQ(getPyChar(0xD8, 0xA1), "");
}

TEST(TextRules, SafeTextBothVariants)
{
    struct Case {
        const char* input;
        const char* safe;
        const char* safeName;
    } cases[] = {
        {"O'Brien (A-1)/2", "O‘Brien （A－1）2", "O‘Brien (A-1)/2"},
        {"50%", "50％", "50％"},
        {"'?.*%!#$&,()+-/@^~`\"", "‘？。*％！#￥＆，（）＋－＠～“", "‘？。*％！#￥＆，()+-/＠～“"},
        {"aBc 男鞋", "aBc 男鞋", "aBc 男鞋"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sqlSafe(u8(c.input)), u8(c.safe)) << c.input;
        EXPECT_EQ(sqlSafeName(u8(c.input)), u8(c.safeName)) << c.input;
    }
}

TEST(TextRules, MoneyInCapitals)
{
    const TextCase cases[] = {
        {"100", "壹佰元整"},
        {"10.05", "壹拾元零伍分"},
        {"1.05", "壹元零伍分"},
        {"0.5", "伍角"},
        {"0.05", "伍分"},
        {"0.29", "贰角玖分"},
        {"100100", "壹拾万零壹佰元整"},
        {"101000", "壹拾万壹仟元整"},
        {"100000.5", "壹拾万元伍角"},
        {"100000000", "壹亿元整"},
        {"-12", "负壹拾贰元整"},
        {"1234.567", "壹仟贰佰叁拾肆元伍角陆分"},  // third decimal dropped, not rounded
        {"1234.5", "壹仟贰佰叁拾肆元伍角"},
        {"1", "壹元整"},
        {"20.3", "贰拾元叁角"},
        {"1000000", "壹佰万元整"},
        {"100000001", "壹亿零壹元整"},
        {"0000000100", "壹佰元整"},                  // leading zeros change nothing
        {"0", ""},
        {"0.00", ""},
        {".5", "伍角"},
        {"12.", "壹拾贰元整"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(moneyToDx(u8(c.input)), u8(c.expected)) << c.input;

    EXPECT_EQ(moneyToDx("1" + QString(24, u'0')), u8("壹亿亿亿元整"));
    // Beyond 30 places (in fen) there is no unit any more.
    EXPECT_EQ(moneyToDx("1" + QString(30, u'0')), u8("壹元整"));
    EXPECT_EQ(getDxUnit(30), u8("仟"));
    EXPECT_EQ(getDxUnit(31), "");
    EXPECT_EQ(getDxDigit(u'.'), "");
}

// Any text at all, the sanitizer watching: no crash, and malformed amounts give nothing.
TEST(TextRules, BadInput)
{
    QString longMixed;
    for (int i = 0; i < 20000; ++i)
        longMixed += u8("鞋a€Ω\t'%");
    const QString controls = QString::fromUtf16(u"\u0000\u0001\u001f\u007f\u0085\u200b\ufeff", 7);
    const QString loneSurrogates = QString::fromUtf16(u"\xd800x\xdfff", 3);
    const QString emoji = u8("😀𠀀👟");
    const QString inputs[] = {QString(), longMixed, controls, loneSurrogates, emoji,
                              u8("Привет مرحبا שלום"), QString(100000, u'\'')};
    for (const QString& s : inputs) {
        const QString jm = getPyJm(s);
        for (const QChar c : jm)
            EXPECT_TRUE((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'));
        getPyJmGbk(s.toUtf8());
        const QString safe = sqlSafe(s);
        EXPECT_FALSE(safe.contains(u'\'') || safe.contains(u'%') || safe.contains(u'"'));
        EXPECT_FALSE(sqlSafeName(s).contains(u'\''));
        moneyToDx(s);
    }
    EXPECT_EQ(getPyJm(emoji), "");

    const char* badAmounts[] = {"", "-", "--12", "+5", " 12", "12 ", "12a", "1E-5", "1e5", "1.2.3", "-0",
                                "-.", "１２", "NaN", "inf", "12,5", "0x10"};
    for (const char* a : badAmounts)
        EXPECT_EQ(moneyToDx(u8(a)), "") << a;
    EXPECT_EQ(moneyToDx(controls), "");
    // A very long amount is written out without trouble.
    EXPECT_TRUE(moneyToDx(QString(50000, u'9') + u8(".99")).endsWith(u8("玖角玖分")));
}

// Voucher digit cells from fen up to shiyi, joined with "|".
TEST(TextRules, VoucherDigitCells)
{
    const struct {
        const char* amount;
        const char* cells;
    } cases[] = {
        {"1234.56", "6|5|4|3|2|1|￥|||||"},
        {"1234.5", "0|5|4|3|2|1|￥|||||"},
        {"0.5", "0|5||||||||||"},
        {"0", "0|0||||||||||"},
        {"0.005", "1|0||||||||||"},  // rounded half away from zero to two decimals
        {"9", "0|0|9|￥||||||||"},
        {"-12.5", "0|5|2|1|-|￥||||||"},
        {"123456789", "0|0|9|8|7|6|5|4|3|2|1|￥"},
        {"1234567890", "0|0|0|9|8|7|6|5|4|3|2|1"},
        {"12345678901.25", "5|2|1|0|9|8|7|6|5|4|3|2"},
    };
    for (const auto& c : cases) {
        QStringList cells, names;
        for (const VoucherCell& cell : voucherDigitCells(Money::fromText(QString::fromUtf8(c.amount)))) {
            names << cell.first;
            cells << cell.second;
        }
        EXPECT_EQ(cells.join(QLatin1Char('|')), QString::fromUtf8(c.cells)) << c.amount;
        EXPECT_EQ(names.join(QLatin1Char(',')),
                  QStringLiteral("fen,jiao,yuan,shi,bai,qian,wan,shiwan,baiwan,qianwan,yi,shiyi"));
    }
}

}  // namespace
