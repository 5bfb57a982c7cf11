#include "platform/pdftextmap.h"

#include "platform/reporttemplate.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// Radicals (CJK Radicals Supplement and Kangxi Radicals) and the ideograph each stands for.
const QHash<char16_t, char16_t>& radicalTwins()
{
    static const QHash<char16_t, char16_t> twins = [] {
        QHash<char16_t, char16_t> map;
        QFont font;
        font.setFamilies({ReportFont::defaultFamily()});
        const QRawFont raw = QRawFont::fromFont(font);
        QHash<quint32, char16_t> ideographOfGlyph;
        if (raw.isValid()) {
            QString ideographs;
            for (char16_t c = 0x4E00; c <= 0x9FFF; ++c)
                ideographs += QChar(c);
            const QList<quint32> glyphs = raw.glyphIndexesForString(ideographs);
            for (int i = 0; i < glyphs.size(); ++i)
                if (glyphs[i] && !ideographOfGlyph.contains(glyphs[i]))
                    ideographOfGlyph.insert(glyphs[i], ideographs[i].unicode());
        }
        for (char16_t c = 0x2E80; c <= 0x2FDF; ++c) {
            const QChar radical(c);
            const quint32 glyph = raw.isValid() ? raw.glyphIndexesForString(QString(radical)).value(0) : 0;
            if (glyph && ideographOfGlyph.contains(glyph)) {
                map.insert(c, ideographOfGlyph.value(glyph));
                continue;
            }
            const QString d = radical.decomposition();
            if (d.size() == 1 && d[0].unicode() >= 0x4E00 && d[0].unicode() <= 0x9FFF)
                map.insert(c, d[0].unicode());
        }
        return map;
    }();
    return twins;
}

// Renames, in place, every 4-digit code of `span` that is a radical.
bool renameCodes(QByteArray& pdf, qsizetype from, qsizetype to)
{
    static const QRegularExpression code(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    bool changed = false;
    const QString text = QString::fromLatin1(pdf.mid(from, to - from));
    for (auto it = code.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const char16_t c = char16_t(m.captured(1).toUInt(nullptr, 16));
        const QChar twin = ideographOfRadical(QChar(c));
        if (twin.unicode() == c)
            continue;
        const QByteArray hex = QByteArray::number(twin.unicode(), 16).toUpper().rightJustified(4, '0');
        pdf.replace(from + m.capturedStart(1), 4, hex);
        changed = true;
    }
    return changed;
}

}  // namespace

QChar ideographOfRadical(QChar c)
{
    const auto& twins = radicalTwins();
    const auto it = twins.constFind(c.unicode());
    return it == twins.cend() ? c : QChar(*it);
}

bool fixPdfTextMap(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray pdf = in.readAll();
    in.close();

    // In a text map, a line "<glyph> <glyph> <code>" names one glyph when both glyphs are the
    // same and a run of glyphs with consecutive codes otherwise (left alone: a run of radicals
    // in glyph order does not occur in real text); "<glyph> <glyph> [<code> ...]" names each
    // glyph of the range, and "<glyph> <code>" a single glyph. Only the codes are renamed.
    static const QRegularExpression line(
        QStringLiteral("^<([0-9A-Fa-f]{4})> (?:<([0-9A-Fa-f]{4})> )?(<[0-9A-Fa-f]{4}>|\\[[^\\]]*\\])\\s*$"));
    bool changed = false;
    qsizetype pos = 0;
    while ((pos = pdf.indexOf("begincmap", pos)) >= 0) {
        const qsizetype end = pdf.indexOf("endcmap", pos);
        if (end < 0)
            break;
        qsizetype lineStart = pos;
        while (lineStart < end) {
            qsizetype lineEnd = pdf.indexOf('\n', lineStart);
            if (lineEnd < 0 || lineEnd > end)
                lineEnd = end;
            const QRegularExpressionMatch m = line.match(QString::fromLatin1(pdf.mid(lineStart, lineEnd - lineStart)));
            const bool run = m.hasMatch() && !m.captured(2).isEmpty() && m.captured(1) != m.captured(2)
                             && !m.captured(3).startsWith(QLatin1Char('['));
            if (m.hasMatch() && !run)
                changed |= renameCodes(pdf, lineStart + m.capturedStart(3), lineStart + m.capturedEnd(3));
            lineStart = lineEnd + 1;
        }
        pos = end;
    }
    if (!changed)
        return true;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size())
        return false;
    return out.commit();
}
