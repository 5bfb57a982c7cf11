#include "platform/rtf.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtEndian>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

// ---- Reading ---------------------------------------------------------------------------------

// Text in a Windows code page, decoded through iconv; bytes that do not decode become U+FFFD.
QString decodeCodepage(const QByteArray& bytes, int codepage)
{
    bool ascii = true;
    for (char b : bytes)
        ascii = ascii && uchar(b) < 0x80;
    if (ascii)
        return QString::fromLatin1(bytes);
    if (codepage == 65001)
        return QString::fromUtf8(bytes);
    const QByteArray name = codepage == 936 ? QByteArray("GBK")
                          : codepage == 950 ? QByteArray("BIG5")
                          : codepage == 10000 ? QByteArray("MACINTOSH")
                                              : "CP" + QByteArray::number(codepage);
    iconv_t cd = iconv_open("UTF-16LE", name.constData());
    if (cd == iconv_t(-1))
        return QString::fromLatin1(bytes);
    QString out;
    QByteArray in = bytes;
    char* inPtr = in.data();
    size_t inLeft = size_t(in.size());
    QByteArray buf(in.size() * 4 + 8, '\0');
    while (inLeft > 0) {
        char* outPtr = buf.data();
        size_t outLeft = size_t(buf.size());
        const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const int produced = buf.size() - int(outLeft);
        for (int i = 0; i + 1 < produced; i += 2)
            out.append(QChar(qFromLittleEndian<quint16>(buf.constData() + i)));
        if (r != size_t(-1))
            break;
        out.append(QChar::ReplacementCharacter);
        if (errno != EILSEQ)  // an incomplete character at the end
            break;
        ++inPtr;
        --inLeft;
    }
    iconv_close(cd);
    return out;
}

// The Windows code page of an RTF \fcharset.
int charsetCodepage(int charset)
{
    switch (charset) {
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;  // the document's code page
    }
}

struct CharState {
    int font = -1;  // -1: the default font
    int halfPoints = 24;
    int color = 0;  // 0: automatic
    bool bold = false, italic = false, underline = false;
    // Associated properties (\af, \afs, \ab, \ai; -1 when not given): editors write those of
    // double-byte text there, and they govern text after \dbch.
    int aFont = -1, aHalfPoints = -1, aBold = -1, aItalic = -1;
    bool dbch = false;

    CharState effective() const
    {
        CharState e = *this;
        if (dbch) {
            if (aFont >= 0)
                e.font = aFont;
            if (aHalfPoints > 0)
                e.halfPoints = aHalfPoints;
            if (aBold >= 0)
                e.bold = aBold;
            if (aItalic >= 0)
                e.italic = aItalic;
        }
        return e;
    }
};

enum class Dest { Text, Skip, FontTable, ColorTable };

struct Group {
    CharState chars;
    Dest dest = Dest::Text;
    int uc = 1;  // characters that stand in for each \uN
};

struct Font {
    QString name;
    int codepage = 0;
};

class RtfReader {
public:
    RtfReader(const QByteArray& in, QTextDocument* doc) : m_in(in), m_cursor(doc) {}

    void run()
    {
        while (m_pos < m_in.size()) {
            const char c = m_in.at(m_pos++);
            if (c == '{') {
                flushBytes();
                m_stack.push_back(m_group);
                m_skip = 0;
            } else if (c == '}') {
                flushBytes();
                if (m_stack.empty())
                    break;
                m_group = m_stack.back();
                m_stack.pop_back();
                m_skip = 0;
                if (m_stack.empty())
                    break;  // the end of the document's group
            } else if (c == '\\') {
                escape();
            } else if (c != '\r' && c != '\n') {
                byte(c);
            }
        }
        flushBytes();
        flushRun();
        for (int i = 1; i < m_pendingPars; ++i)  // the last \par closes the last paragraph
            m_cursor.insertBlock();
    }

private:
    void escape()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in.at(m_pos);
        if (std::isalpha(uchar(c))) {
            controlWord();
            return;
        }
        ++m_pos;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            byte(c);
            break;
        case '\'': {
            bool ok = false;
            const int value = m_in.mid(m_pos, 2).toInt(&ok, 16);
            if (ok && m_pos + 2 <= m_in.size()) {
                m_pos += 2;
                byte(char(value));
            }
            break;
        }
        case '~':
            text(QString(QChar(0x00A0)));
            break;
        case '_':
            text(QString(QChar(0x2011)));
            break;
        case '*':
            flushBytes();
            m_group.dest = Dest::Skip;  // an optional destination this reader does not know
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            break;
        }
    }

    void controlWord()
    {
        const int start = m_pos;
        while (m_pos < m_in.size() && std::isalpha(uchar(m_in.at(m_pos))))
            ++m_pos;
        const QByteArray word = m_in.mid(start, std::min(m_pos - start, 32));
        bool hasParam = false;
        bool negative = false;
        qint64 param = 0;
        if (m_pos < m_in.size() && m_in.at(m_pos) == '-') {
            negative = true;
            ++m_pos;
        }
        for (int digits = 0; m_pos < m_in.size() && std::isdigit(uchar(m_in.at(m_pos))); ++m_pos, ++digits)
            if (digits < 10) {
                param = param * 10 + (m_in.at(m_pos) - '0');
                hasParam = true;
            }
        if (negative)
            param = -param;
        if (m_pos < m_in.size() && m_in.at(m_pos) == ' ')
            ++m_pos;
        const int value = int(std::clamp<qint64>(param, -2147483647, 2147483647));
        flushBytes();
        apply(word, hasParam, value);
    }

    void apply(const QByteArray& w, bool hasParam, int value)
    {
        static const QSet<QByteArray> skipped = {
            "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
            "footerl", "footerr", "footerf", "footnote", "listtext", "pntext", "pntxta", "pntxtb", "xe",
            "tc", "txe", "rxe", "filetbl", "revtbl", "template", "nonshppict", "shppict", "themedata",
            "colorschememapping", "latentstyles", "datastore", "objdata", "result", "fldinst"};
        const bool on = !hasParam || value != 0;
        if (w == "u") {
            if (hasParam && value >= -32768 && value <= 65535)
                text(QString(QChar(char16_t(value))));  // negative: the upper half, as 16 bits
            m_skip = m_group.uc;
            return;
        }
        if (w == "fonttbl") {
            m_group.dest = Dest::FontTable;
        } else if (w == "colortbl") {
            m_group.dest = Dest::ColorTable;
        } else if (skipped.contains(w)) {
            m_group.dest = Dest::Skip;
        } else if (w == "uc") {
            m_group.uc = std::clamp(value, 0, 10);
        } else if (w == "ansicpg") {
            m_codepage = value;
        } else if (w == "deff") {
            m_defaultFont = value;
        } else if (m_group.dest == Dest::FontTable) {
            if (w == "f") {
                m_fontNo = value;
                m_fontName.clear();
            } else if (w == "fcharset") {
                m_fonts[m_fontNo].codepage = charsetCodepage(value);
            } else if (w == "cpg") {
                m_fonts[m_fontNo].codepage = value;
            }
        } else if (m_group.dest == Dest::ColorTable) {
            const int c = std::clamp(value, 0, 255);
            if (w == "red")
                m_red = c;
            else if (w == "green")
                m_green = c;
            else if (w == "blue")
                m_blue = c;
            m_colorSet = true;
        } else if (m_group.dest == Dest::Text) {
            CharState& s = m_group.chars;
            if (w == "par")
                paragraph();
            else if (w == "line")
                text(QString(QChar::LineSeparator));
            else if (w == "tab")
                text(QStringLiteral("\t"));
            else if (w == "emdash")
                text(QString(QChar(0x2014)));
            else if (w == "endash")
                text(QString(QChar(0x2013)));
            else if (w == "bullet")
                text(QString(QChar(0x2022)));
            else if (w == "lquote")
                text(QString(QChar(0x2018)));
            else if (w == "rquote")
                text(QString(QChar(0x2019)));
            else if (w == "ldblquote")
                text(QString(QChar(0x201C)));
            else if (w == "rdblquote")
                text(QString(QChar(0x201D)));
            else if (w == "plain")
                s = CharState();
            else if (w == "b")
                s.bold = on;
            else if (w == "i")
                s.italic = on;
            else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth")
                s.underline = on;
            else if (w == "ulnone")
                s.underline = false;
            else if (w == "f")
                s.font = value;
            else if (w == "fs" && value > 0)
                s.halfPoints = std::clamp(value, 2, 3276);
            else if (w == "af")
                s.aFont = value;
            else if (w == "afs" && value > 0)
                s.aHalfPoints = std::clamp(value, 2, 3276);
            else if (w == "ab")
                s.aBold = on;
            else if (w == "ai")
                s.aItalic = on;
            else if (w == "dbch" || w == "loch" || w == "hich")
                s.dbch = w == "dbch";
            else if (w == "cf")
                s.color = value;
        }
    }

    // A byte of text in the code page; after \uN, the stand-in characters are dropped.
    void byte(char b)
    {
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        m_bytes.append(b);
    }

    int codepage() const
    {
        const CharState chars = m_group.chars.effective();
        const int font = m_group.dest == Dest::FontTable ? m_fontNo
                       : chars.font >= 0                ? chars.font
                                                        : m_defaultFont;
        const int cp = m_fonts.value(font).codepage;
        return cp > 0 ? cp : m_codepage;
    }

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QByteArray bytes = m_bytes;
        m_bytes.clear();
        text(decodeCodepage(bytes, codepage()));
    }

    void text(const QString& s)
    {
        switch (m_group.dest) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            for (QChar c : s) {
                if (c == u';') {
                    m_fonts[m_fontNo].name = m_fontName.trimmed();
                    m_fontName.clear();
                } else {
                    m_fontName.append(c);
                }
            }
            return;
        case Dest::ColorTable:
            for (QChar c : s)
                if (c == u';') {
                    m_colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
                    m_red = m_green = m_blue = 0;
                    m_colorSet = false;
                }
            return;
        case Dest::Text:
            break;
        }
        for (; m_pendingPars > 0; --m_pendingPars) {
            flushRun();
            m_cursor.insertBlock();
        }
        const QTextCharFormat f = format(m_group.chars.effective());
        if (f != m_runFormat)
            flushRun();
        m_runFormat = f;
        m_run += s;
    }

    void paragraph()
    {
        if (m_group.dest == Dest::Text)
            ++m_pendingPars;
    }

    void flushRun()
    {
        if (!m_run.isEmpty())
            m_cursor.insertText(m_run, m_runFormat);
        m_run.clear();
    }

    QTextCharFormat format(const CharState& s) const
    {
        QTextCharFormat f;
        const QString family = m_fonts.value(s.font >= 0 ? s.font : m_defaultFont).name;
        if (!family.isEmpty())
            f.setFontFamilies(QStringList{family});
        f.setFontPointSize(s.halfPoints / 2.0);
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        if (s.color > 0 && s.color < m_colors.size() && m_colors.at(s.color).isValid())
            f.setForeground(m_colors.at(s.color));
        return f;
    }

    const QByteArray& m_in;
    int m_pos = 0;
    QTextCursor m_cursor;
    Group m_group;
    std::vector<Group> m_stack;
    int m_skip = 0;
    QByteArray m_bytes;
    int m_codepage = 1252;
    int m_defaultFont = 0;
    QHash<int, Font> m_fonts;
    int m_fontNo = 0;
    QString m_fontName;
    QVector<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;
    QString m_run;
    QTextCharFormat m_runFormat;
    int m_pendingPars = 0;
};

// ---- Writing ---------------------------------------------------------------------------------

QByteArray escapeText(const QString& s)
{
    QByteArray out;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}')
            out += '\\' + QByteArray(1, char(u));
        else if (u == '\t')
            out += "\\tab ";
        else if (u == QChar::LineSeparator)
            out += "\\line ";
        else if (u == 0x00A0)
            out += "\\~";
        else if (u >= 0x20 && u < 0x7F)
            out += char(u);
        else if (u >= 0x80 && u != QChar::ObjectReplacementCharacter)
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
    return out;
}

bool hasNonAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return true;
    return false;
}

}  // namespace

bool rtfToDocument(const QByteArray& rtf, QTextDocument* doc)
{
    doc->clear();
    if (!rtf.trimmed().startsWith("{\\rtf")) {
        QTextCursor(doc).insertText(QString::fromUtf8(rtf));
        return false;
    }
    const QByteArray data = rtf.trimmed();
    RtfReader(data, doc).run();
    return true;
}

QByteArray documentToRtf(const QTextDocument* doc)
{
    const QString defaultFamily = doc->defaultFont().family();
    const qreal defaultSize = doc->defaultFont().pointSizeF() > 0 ? doc->defaultFont().pointSizeF() : 12;
    QStringList fonts;
    QList<QRgb> colors;
    QByteArray body;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat f = fragment.charFormat();
            QString family = f.fontFamilies().toStringList().value(0);
            if (family.isEmpty())
                family = defaultFamily;
            if (!fonts.contains(family))
                fonts << family;
            int color = 0;
            if (f.foreground().style() != Qt::NoBrush) {
                const QRgb rgb = f.foreground().color().rgb();
                if (!colors.contains(rgb))
                    colors << rgb;
                color = colors.indexOf(rgb) + 1;
            }
            const qreal size = f.fontPointSize() > 0 ? f.fontPointSize() : defaultSize;
            body += "\\plain\\f" + QByteArray::number(fonts.indexOf(family)) + "\\fs"
                  + QByteArray::number(qRound(size * 2)) + "\\cf" + QByteArray::number(color);
            if (f.fontWeight() > QFont::Medium)
                body += "\\b";
            if (f.fontItalic())
                body += "\\i";
            if (f.fontUnderline())
                body += "\\ul";
            body += ' ' + escapeText(fragment.text());
        }
        body += "\\par\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + (hasNonAscii(fonts.at(i)) ? "134" : "0") + ' '
             + escapeText(fonts.at(i)) + ";}";
    out += "}\n{\\colortbl ;";
    for (QRgb c : colors)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
             + QByteArray::number(qBlue(c)) + ';';
    out += "}\n\\viewkind4\\pard\n" + body + "}\n";
    return out;
}

bool loadRtfFile(const QString& path, QTextDocument* doc)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return rtfToDocument(file.readAll(), doc);
}

bool saveRtfFile(const QString& path, const QTextDocument* doc)
{
    const QByteArray data = documentToRtf(doc);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}
