// The notepad's rich text: RTF to and from a QTextDocument.
#include "platform/rtf.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// One run of text with the properties the notepad sets.
struct TextRun {
    QString text;
    QString family;
    qreal size;
    bool bold, italic, underline;
    QColor color;  // invalid: automatic

    bool operator==(const TextRun& o) const
    {
        return text == o.text && family == o.family && size == o.size && bold == o.bold && italic == o.italic
            && underline == o.underline && color == o.color;
    }
};

std::ostream& operator<<(std::ostream& os, const TextRun& r)
{
    return os << '[' << r.text.toStdString() << '|' << r.family.toStdString() << '|' << r.size << '|' << r.bold
              << r.italic << r.underline << '|' << r.color.name().toStdString() << ']';
}

// The document as paragraphs of runs.
std::vector<std::vector<TextRun>> runs(const QTextDocument& doc)
{
    std::vector<std::vector<TextRun>> blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        std::vector<TextRun> block;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            block.push_back({it.fragment().text(), f.fontFamilies().toStringList().value(0), f.fontPointSize(),
                             f.fontWeight() > QFont::Medium, f.fontItalic(), f.fontUnderline(),
                             f.foreground().style() == Qt::NoBrush ? QColor() : f.foreground().color()});
        }
        blocks.push_back(block);
    }
    return blocks;
}

void add(QTextCursor& c, const TextRun& r)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{r.family});
    f.setFontPointSize(r.size);
    f.setFontWeight(r.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(r.italic);
    f.setFontUnderline(r.underline);
    if (r.color.isValid())
        f.setForeground(r.color);
    c.insertText(r.text, f);
}

TEST(Rtf, RoundTripKeepsTextAndFormats)
{
    const QString song = QStringLiteral("宋体");
    const std::vector<std::vector<TextRun>> expected = {
        {{QStringLiteral("2013-05-28 10:00"), song, 12, false, false, false, QColor(Qt::black)},
         {QStringLiteral("粗体"), song, 12, true, false, false, QColor(Qt::black)},
         {QStringLiteral(" italic "), QStringLiteral("Arial"), 9, false, true, false, QColor()},
         {QStringLiteral("下划线"), QStringLiteral("黑体"), 16, false, false, true, QColor(255, 0, 0)},
         {QStringLiteral("全部"), song, 10.5, true, true, true, QColor(0, 128, 255)}},
        {},  // an empty paragraph
        {{QStringLiteral("{braces} \\back\\slash\ttab") + QChar(QChar::LineSeparator)
              + QStringLiteral("line ½ €") + QString::fromUtf8("\xF0\x9F\x91\x9F") + QChar(0x00A0) + u'x',
          song, 12, false, false, false, QColor(Qt::black)}},
        {},  // an empty last paragraph
    };
    QTextDocument doc;
    QTextCursor c(&doc);
    for (size_t b = 0; b < expected.size(); ++b) {
        if (b > 0)
            c.insertBlock();
        for (const TextRun& r : expected[b])
            add(c, r);
    }
    const QByteArray rtf = documentToRtf(&doc);
    for (char ch : rtf)
        ASSERT_LT(uchar(ch), 0x80) << "RTF is ASCII";
    EXPECT_TRUE(rtf.contains("\\u23435?\\u20307?"));  // 宋体 in the font table

    QTextDocument back;
    ASSERT_TRUE(rtfToDocument(rtf, &back));
    EXPECT_EQ(runs(back), expected);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());

    // Through a file, and a second round gives the same bytes.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.rtf"));
    ASSERT_TRUE(saveRtfFile(path, &back));
    QTextDocument loaded;
    ASSERT_TRUE(loadRtfFile(path, &loaded));
    EXPECT_EQ(documentToRtf(&loaded), rtf);
    EXPECT_FALSE(loadRtfFile(dir.filePath(QStringLiteral("missing.rtf")), &loaded));

    QTextDocument empty;
    ASSERT_TRUE(rtfToDocument(documentToRtf(&empty), &loaded));
    EXPECT_TRUE(loaded.isEmpty());
    EXPECT_EQ(loaded.blockCount(), 1);
}

// The kind of file a Windows editor writes: GBK bytes as \'hh, a style sheet, \* groups.
TEST(Rtf, ReadsCodePageTextAndSkipsWhatItDoesNotUse)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
        "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "{\\stylesheet{ Normal;}}{\\info{\\author someone}}{\\*\\generator Riched20 6.3.9600}"
        "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs24 \\'d6\\'d0\\'ce\\'c4 \\cf1\\b red bold\\cf0\\b0 "
        "\\f1\\fs20 arial{\\i  it}\\par\r\n"
        "\\cf2\\ul\\u26684?\\u24335?\\ulnone  end{\\*\\unknown hidden}{\\pict\\wmetafile8 0102ff}\\par\r\n}\r\n"
        "text after the document";
    QTextDocument doc;
    ASSERT_TRUE(rtfToDocument(rtf, &doc));
    const auto blocks = runs(doc);
    ASSERT_EQ(blocks.size(), 2u);
    const QString song = QStringLiteral("宋体");
    const std::vector<TextRun> first = {{QStringLiteral("中文 "), song, 12, false, false, false, QColor()},
                                    {QStringLiteral("red bold"), song, 12, true, false, false, QColor(255, 0, 0)},
                                    {QStringLiteral("arial"), QStringLiteral("Arial"), 10, false, false, false, QColor()},
                                    {QStringLiteral(" it"), QStringLiteral("Arial"), 10, false, true, false, QColor()}};
    EXPECT_EQ(blocks[0], first);
    const std::vector<TextRun> second = {
        {QStringLiteral("格式"), QStringLiteral("Arial"), 10, false, false, true, QColor(0, 0, 255)},
        {QStringLiteral(" end"), QStringLiteral("Arial"), 10, false, false, false, QColor(0, 0, 255)}};
    EXPECT_EQ(blocks[1], second);
}

// A note written by LibreOffice Writer (from the HTML file beside it): CJK text as \uN with
// \'3f stand-ins, bold and size as the associated properties of double-byte text.
TEST(Rtf, ReadsAThirdPartyFile)
{
    QTextDocument doc;
    ASSERT_TRUE(loadRtfFile(QStringLiteral(JXC_FIXTURES_DIR "/note-libreoffice.rtf"), &doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("便签 粗体 斜体 下划线 红色 大字\n第二行 {x} \\ end"));
    QHash<QString, TextRun> byText;
    const auto blocks = runs(doc);
    for (const TextRun& r : blocks.at(0))
        byText.insert(r.text.trimmed(), r);
    EXPECT_TRUE(byText.value(QStringLiteral("粗体")).bold);
    EXPECT_FALSE(byText.value(QStringLiteral("便签")).bold);
    EXPECT_TRUE(byText.value(QStringLiteral("斜体")).italic);
    EXPECT_TRUE(byText.value(QStringLiteral("下划线")).underline);
    EXPECT_EQ(byText.value(QStringLiteral("红色")).color, QColor(255, 0, 0));
    EXPECT_EQ(byText.value(QStringLiteral("大字")).size, 16);
    EXPECT_EQ(byText.value(QStringLiteral("便签")).size, 12);
}

TEST(Rtf, PlainTextIsNotRtf)
{
    QTextDocument doc;
    EXPECT_FALSE(rtfToDocument(QByteArray("便签\n第二行"), &doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("便签\n第二行"));
}

// Damaged input reads what it can and never more.
TEST(Rtf, MalformedInputDoesNotCrash)
{
    struct Case {
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"{\\rtf1 unclosed {{{ group", "unclosed  group"},
        {"{\\rtf1 a}}}} b", "a"},
        {"{\\rtf1 x\\", "x"},
        {"{\\rtf1 x\\'4", "x4"},
        {"{\\rtf1 x\\'zz y}", "xzz y"},
        {"{\\rtf1 \\u", ""},
        {"{\\rtf1 \\u-99999999999999999999 z}", ""},  // z stands in for the bad \u
        {"{\\rtf1 \\u-3? \\uc0\\u27721 }", QString(QChar(0xFFFD)) + u' ' + QChar(27721)},
        {"{\\rtf1 \\fs999999999999 big \\fs0 zero \\fs-5 neg}", "big zero neg"},
        {"{\\rtf1 \\f99 no font \\cf77 no colour \\cf-1 x}", "no font no colour x"},
        {"{\\rtf1 {\\fonttbl{\\f0 unterminated}\\colortbl\\red999;}}", ""},
        {"{\\rtf1\\ansicpg936 \\'b0}", QString(QChar(0xFFFD))},
        {"{\\rtf1\\ansicpg99999 \\'e9}", QStringLiteral("é")},
        {"{\\rtf1 " + QByteArray(40, 'a') + QByteArray("\\") + QByteArray(100, 'z') + "1 q}", QString(40, u'a') + "q"},
        {"{\\rtf1 " + QByteArray(100000, '{') + "deep", "deep"},
        {QByteArray("{\\rtf1 nul\0byte}", 16), QStringLiteral("nul") + QChar(0) + QStringLiteral("byte")},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        EXPECT_TRUE(rtfToDocument(c.rtf, &doc));
        EXPECT_EQ(doc.toPlainText(), c.text) << c.rtf.left(60).toStdString();
    }

    // Random bytes after the signature.
    QRandomGenerator rng(20130528);
    const QByteArray alphabet = "{}\\';?0123456789-abcfinrsuxz \r\n\xb0\xa1\xff";
    for (int round = 0; round < 300; ++round) {
        QByteArray data = "{\\rtf1";
        const int n = int(rng.bounded(400));
        for (int i = 0; i < n; ++i)
            data += alphabet.at(int(rng.bounded(alphabet.size())));
        QTextDocument doc;
        rtfToDocument(data, &doc);
        documentToRtf(&doc);
    }
}

}  // namespace
