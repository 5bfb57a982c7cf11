#include "data/textrules.h"

#include <cerrno>
#include <iconv.h>

namespace {

// First-level GB2312 characters are ordered by pinyin; each letter owns one range of codes.
struct PyRange {
    unsigned short from;
    unsigned short to;
    char letter;
};

constexpr PyRange kPyRanges[] = {
    {0xB0A1, 0xB0C4, 'A'}, {0xB0C5, 0xB2C0, 'B'}, {0xB2C1, 0xB4ED, 'C'}, {0xB4EE, 0xB6E9, 'D'},
    {0xB6EA, 0xB7A1, 'E'}, {0xB7A2, 0xB8C0, 'F'}, {0xB8C1, 0xB9FD, 'G'}, {0xB9FE, 0xBBF6, 'H'},
    {0xBBF7, 0xBFA5, 'J'}, {0xBFA6, 0xC0AB, 'K'}, {0xC0AC, 0xC2E7, 'L'}, {0xC2E8, 0xC4C2, 'M'},
    {0xC4C3, 0xC5B5, 'N'}, {0xC5B6, 0xC5BD, 'O'}, {0xC5BE, 0xC6D9, 'P'}, {0xC6DA, 0xC8BA, 'Q'},
    {0xC8BB, 0xC8F5, 'R'}, {0xC8F6, 0xCBF9, 'S'}, {0xCBFA, 0xCDD9, 'T'}, {0xCDDA, 0xCEF3, 'W'},
    {0xCEF4, 0xD188, 'X'}, {0xD189, 0xD4D0, 'Y'}, {0xD4D1, 0xD7F9, 'Z'},
};

char pyLetter(unsigned code)
{
    for (const PyRange& r : kPyRanges)
        if (code >= r.from && code <= r.to)
            return r.letter;
    return 0;
}

// Appends what one ASCII byte contributes to a short code.
void appendAscii(QString& out, char c)
{
    if (c >= '0' && c <= '9')
        out += QLatin1Char(c);
    else if (c >= 'a' && c <= 'z')
        out += QLatin1Char(char(c - 'a' + 'A'));
    else if (c >= 'A' && c <= 'Z')
        out += QLatin1Char(c);
}

// One converter from UTF-32 to GBK, opened on first use and kept for the run.
class GbkConverter {
public:
    GbkConverter() : m_cd(iconv_open("GBK", "UTF-32LE")) {}
    ~GbkConverter()
    {
        if (m_cd != iconv_t(-1))
            iconv_close(m_cd);
    }
    GbkConverter(const GbkConverter&) = delete;
    GbkConverter& operator=(const GbkConverter&) = delete;

    // GBK bytes of one code point; 0 bytes when it has no GBK form.
    int convert(char32_t cp, unsigned char out[8])
    {
        if (m_cd == iconv_t(-1))
            return 0;
        char in[4] = {char(cp & 0xFF), char((cp >> 8) & 0xFF), char((cp >> 16) & 0xFF), char((cp >> 24) & 0xFF)};
        char* inp = in;
        size_t inLeft = sizeof in;
        char* outp = reinterpret_cast<char*>(out);
        size_t outLeft = 8;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        if (iconv(m_cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1))
            return 0;
        return int(8 - outLeft);
    }

private:
    iconv_t m_cd;
};

GbkConverter& gbk()
{
    thread_local GbkConverter converter;
    return converter;
}

QString safeText(const QString& text, bool nameVariant)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'\'': out += QChar(0x2018); break;
        case u'"': out += QChar(0x201C); break;
        case u'?': out += QChar(0xFF1F); break;
        case u'.': out += QChar(0x3002); break;
        case u'%': out += QChar(0xFF05); break;
        case u'!': out += QChar(0xFF01); break;
        case u'$': out += QChar(0xFFE5); break;
        case u'&': out += QChar(0xFF06); break;
        case u',': out += QChar(0xFF0C); break;
        case u'@': out += QChar(0xFF20); break;
        case u'~': out += QChar(0xFF5E); break;
        case u'^':
        case u'`': break;
        case u'(': out += nameVariant ? ch : QChar(0xFF08); break;
        case u')': out += nameVariant ? ch : QChar(0xFF09); break;
        case u'+': out += nameVariant ? ch : QChar(0xFF0B); break;
        case u'-': out += nameVariant ? ch : QChar(0xFF0D); break;
        case u'/':
            if (nameVariant)
                out += ch;
            break;
        default: out += ch;
        }
    }
    return out;
}

}  // namespace

QString getPyChar(unsigned char first, unsigned char second)
{
    const char letter = pyLetter(unsigned(first) * 256 + second);
    return letter ? QString(QLatin1Char(letter)) : QString();
}

QString getPyJmGbk(const QByteArray& gbk)
{
    QString out;
    const auto n = gbk.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(gbk.at(i));
        if (b < 0x80) {
            appendAscii(out, char(b));
            ++i;
            continue;
        }
        const auto next = i + 1 < n ? static_cast<unsigned char>(gbk.at(i + 1)) : 0;
        out += getPyChar(b, next);
        i += 2;
    }
    return out;
}

QString getPyJm(const QString& name)
{
    QString out;
    GbkConverter& conv = gbk();
    for (const char32_t cp : name.toUcs4()) {
        if (cp < 0x80) {
            appendAscii(out, char(cp));
            continue;
        }
        unsigned char bytes[8];
        if (conv.convert(cp, bytes) == 2)
            out += getPyChar(bytes[0], bytes[1]);
    }
    return out;
}

QString sqlSafe(const QString& text)
{
    return safeText(text, false);
}

QString sqlSafeName(const QString& text)
{
    return safeText(text, true);
}

QString getDxDigit(QChar digit)
{
    static const char16_t kDigits[] = u"零壹贰叁肆伍陆柒捌玖";
    const char16_t c = digit.unicode();
    if (c < u'0' || c > u'9')
        return QString();
    return QString(QChar(kDigits[c - u'0']));
}

QString getDxUnit(int n)
{
    switch (n) {
    case 1: return QStringLiteral("分");
    case 2: return QStringLiteral("角");
    case 7: return QStringLiteral("万");
    case 11: return QStringLiteral("亿");
    case 15: return QStringLiteral("万亿");
    case 19: return QStringLiteral("亿亿");
    case 23: return QStringLiteral("万亿亿");
    case 27: return QStringLiteral("亿亿亿");
    default: break;
    }
    if (n < 4 || n > 30)
        return QString();
    switch (n % 4) {
    case 0: return QStringLiteral("拾");
    case 1: return QStringLiteral("佰");
    case 2: return QStringLiteral("仟");
    default: return QString();
    }
}

QString moneyToDx(const QString& amount)
{
    QString text = amount;
    QString sign;
    if (text.startsWith(u'-')) {
        sign = QStringLiteral("负");
        text.remove(0, 1);
    }
    qsizetype point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'.' && point < 0)
            point = i;
        else if (c < u'0' || c > u'9')
            return QString();  // a letter, a sign, a second point...
    }

    // The amount in fen: the integer part and exactly two decimals, without leading zeros.
    QString fen = point < 0 ? text : text.left(point);
    const QString decimals = point < 0 ? QString() : text.mid(point + 1);
    fen += decimals.left(2);
    for (qsizetype i = decimals.size(); i < 2; ++i)
        fen += u'0';
    qsizetype lead = 0;
    while (lead < fen.size() && fen.at(lead) == u'0')
        ++lead;
    fen.remove(0, lead);
    if (fen.isEmpty())
        return QString();

    QString out;
    bool groupHasContent = true;
    bool zeroPending = false;
    const auto len = fen.size();
    for (qsizetype i = 0; i < len; ++i) {
        const qsizetype n = len - i;  // position counted from the right, 1 = fen
        const QString unit = getDxUnit(int(qMin<qsizetype>(n, 31)));
        const bool groupEnd = n > 4 && (n + 1) % 4 == 0;
        const QChar d = fen.at(i);
        if (d != u'0') {
            if (zeroPending)
                out += QStringLiteral("零");
            out += getDxDigit(d);
            out += unit;
            groupHasContent = !groupEnd;
            zeroPending = false;
        } else {
            zeroPending = true;
            if (groupEnd && groupHasContent) {
                out += unit;
                groupHasContent = false;
                zeroPending = false;
            }
        }
        if (n == 3) {
            out += QStringLiteral("元");
            zeroPending = false;
        }
    }
    if (fen.endsWith(QLatin1String("00")))
        out += QStringLiteral("整");
    return sign + out;
}

QList<VoucherCell> voucherDigitCells(Money amount)
{
    static const char* const names[] = {"fen", "jiao", "yuan", "shi", "bai", "qian",
                                        "wan", "shiwan", "baiwan", "qianwan", "yi", "shiyi"};
    QString text = amount.toFixed(2);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    QString cells[12];
    cells[0] = text.right(1);
    cells[1] = text.mid(text.size() - 2, 1);
    text.chop(3);
    for (int i = 2; i < 12 && !text.isEmpty(); ++i) {
        cells[i] = text.right(1);
        text.chop(1);
        if (i + 1 < 12)
            cells[i + 1] = QStringLiteral("￥");
    }
    QList<VoucherCell> result;
    for (int i = 0; i < 12; ++i)
        result.append({QLatin1String(names[i]), cells[i]});
    return result;
}
