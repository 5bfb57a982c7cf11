// The Excel 97 writer, checked by reading its files back with FreeXL.
#include "platform/xlswriter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <freexl.h>
#include <gtest/gtest.h>

namespace {

// A workbook opened with FreeXL for the checks.
class FreeXl {
public:
    explicit FreeXl(const QString& path)
    {
        EXPECT_EQ(freexl_open(QFile::encodeName(path).constData(), &h), FREEXL_OK) << path.toStdString();
    }
    ~FreeXl()
    {
        if (h)
            freexl_close(h);
    }
    unsigned info(unsigned short what) const
    {
        unsigned v = 0;
        freexl_get_info(h, what, &v);
        return v;
    }
    QStringList sheets() const
    {
        QStringList names;
        for (unsigned i = 0; i < info(FREEXL_BIFF_SHEET_COUNT); ++i) {
            const char* n = nullptr;
            freexl_get_worksheet_name(h, quint16(i), &n);
            names << QString::fromUtf8(n);
        }
        return names;
    }
    void select(int sheet, unsigned* rows = nullptr, unsigned short* cols = nullptr) const
    {
        ASSERT_EQ(freexl_select_active_worksheet(h, quint16(sheet)), FREEXL_OK);
        unsigned r = 0;
        unsigned short c = 0;
        freexl_worksheet_dimensions(h, &r, &c);
        if (rows)
            *rows = r;
        if (cols)
            *cols = c;
    }
    FreeXL_CellValue cell(unsigned row, unsigned short col) const
    {
        FreeXL_CellValue v;
        EXPECT_EQ(freexl_get_cell_value(h, row, col, &v), FREEXL_OK);
        return v;
    }
    QString text(unsigned row, unsigned short col) const
    {
        const FreeXL_CellValue v = cell(row, col);
        EXPECT_EQ(v.type, FREEXL_CELL_SST_TEXT) << "row " << row << " col " << col;
        return v.type == FREEXL_CELL_SST_TEXT ? QString::fromUtf8(v.value.text_value) : QString();
    }
    double number(unsigned row, unsigned short col) const
    {
        const FreeXL_CellValue v = cell(row, col);
        EXPECT_EQ(v.type, FREEXL_CELL_DOUBLE) << "row " << row << " col " << col;
        return v.value.double_value;
    }
    const void* h = nullptr;
};

class XlsWriterTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(XlsWriterTest, CellsSheetNamesAndTypesReadBack)
{
    XlsWorkbook book;
    XlsSheet& goods = book.addSheet(QStringLiteral("商品列表"));
    goods.setText(0, 0, QStringLiteral("商品编号"));
    goods.setText(0, 1, QStringLiteral("商品名称"));
    goods.setText(0, 2, QStringLiteral("售价"));
    goods.setText(0, 3, QStringLiteral("电话"));
    goods.setText(1, 0, QStringLiteral("100001"));
    goods.setText(1, 1, QStringLiteral("男式皮鞋（黑）"));
    goods.setNumber(1, 2, 199.5);
    goods.setNumber(1, 3, 13812345678.0);
    goods.setText(2, 0, QStringLiteral("100002"));
    goods.setText(2, 1, QStringLiteral("café ½"));  // one-byte characters above ASCII
    goods.setNumber(2, 2, -0.0001);
    goods.setText(2, 3, QStringLiteral("gone"));
    goods.setText(2, 3, QString());  // an empty text empties the cell
    goods.setText(3, 1, QStringLiteral("男式皮鞋（黑）"));  // a repeated string shares its table entry
    XlsSheet& second = book.addSheet(QStringLiteral("Summary"));
    second.setNumber(5, 7, 42);
    book.addSheet(QStringLiteral("空表"));
    EXPECT_EQ(book.sheetCount(), 3);
    book.save(file(QStringLiteral("out.xls")));

    FreeXl x(file(QStringLiteral("out.xls")));
    EXPECT_EQ(x.info(FREEXL_BIFF_VERSION), unsigned(FREEXL_BIFF_VER_8));
    EXPECT_EQ(x.info(FREEXL_BIFF_CODEPAGE), unsigned(FREEXL_BIFF_UTF16LE));
    EXPECT_EQ(x.info(FREEXL_BIFF_STRING_COUNT), 8u);
    EXPECT_EQ(x.sheets(), (QStringList{QStringLiteral("商品列表"), QStringLiteral("Summary"), QStringLiteral("空表")}));

    unsigned rows = 0;
    unsigned short cols = 0;
    x.select(0, &rows, &cols);
    EXPECT_EQ(rows, 4u);
    EXPECT_EQ(cols, 4u);
    EXPECT_EQ(x.text(0, 0), QStringLiteral("商品编号"));
    EXPECT_EQ(x.text(1, 0), QStringLiteral("100001"));
    EXPECT_EQ(x.text(1, 1), QStringLiteral("男式皮鞋（黑）"));
    EXPECT_DOUBLE_EQ(x.number(1, 2), 199.5);
    EXPECT_DOUBLE_EQ(x.number(1, 3), 13812345678.0);
    EXPECT_EQ(x.text(2, 1), QStringLiteral("café ½"));
    EXPECT_DOUBLE_EQ(x.number(2, 2), -0.0001);
    EXPECT_EQ(x.cell(2, 3).type, FREEXL_CELL_NULL);
    EXPECT_EQ(x.cell(3, 0).type, FREEXL_CELL_NULL);
    EXPECT_EQ(x.text(3, 1), QStringLiteral("男式皮鞋（黑）"));

    x.select(1, &rows, &cols);
    EXPECT_EQ(rows, 6u);
    EXPECT_EQ(cols, 8u);
    EXPECT_DOUBLE_EQ(x.number(5, 7), 42);
    EXPECT_EQ(x.cell(0, 0).type, FREEXL_CELL_NULL);

    x.select(2, &rows, &cols);
    EXPECT_EQ(rows, 0u);
    EXPECT_EQ(cols, 0u);
}

TEST_F(XlsWriterTest, SheetNamesAreCutCleanedAndUnique)
{
    const QString long40 = QStringLiteral("一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十");
    struct Case {
        QString asked, expected;
    };
    const Case cases[] = {
        {QStringLiteral("库存"), QStringLiteral("库存")},
        {QStringLiteral("库存"), QStringLiteral("库存 (2)")},
        {QStringLiteral("库存"), QStringLiteral("库存 (3)")},
        {QStringLiteral("ABC"), QStringLiteral("ABC")},
        {QStringLiteral("abc"), QStringLiteral("abc (2)")},  // Excel compares names without case
        {long40, long40.left(31)},
        {long40, long40.left(27) + QStringLiteral(" (2)")},
        {QStringLiteral("a/b:c?d*e[f]g\\h"), QStringLiteral("a_b_c_d_e_f_g_h")},
        {QString(), QStringLiteral("Sheet9")},
        {QStringLiteral("   "), QStringLiteral("Sheet10")},
    };
    XlsWorkbook book;
    QStringList expected;
    for (const Case& c : cases) {
        EXPECT_EQ(book.addSheet(c.asked).name(), c.expected) << c.asked.toStdString();
        expected << c.expected;
    }
    book.save(file(QStringLiteral("names.xls")));
    EXPECT_EQ(FreeXl(file(QStringLiteral("names.xls"))).sheets(), expected);
}

// Many strings spread the string table over CONTINUE records, and a long text is split between
// two of them; every text must still read back whole, whether its characters take one byte or
// two. (FreeXL cannot read a text that spans three records: the reader refuses those files.)
TEST_F(XlsWriterTest, StringTableSplitsIntoContinueRecords)
{
    XlsWorkbook book;
    XlsSheet& s = book.addSheet(QStringLiteral("长文本"));
    QStringList texts;
    for (int i = 0; i < 3000; ++i)
        texts << QStringLiteral("货品%1号").arg(i);
    texts << QString(4000, QChar(0x978B))                              // 鞋 × 4000: 8000 bytes
          << QString(8000, u'x')                                       // one-byte characters
          << QStringLiteral("a") + QString(5000, QChar(0x00E9))         // é: still one byte each
          << QString(3000, u'y') + QStringLiteral("中") + QString(900, u'z');  // wide after a split
    for (int i = 0; i < texts.size(); ++i)
        s.setText(i, 0, texts.at(i));
    const QString path = file(QStringLiteral("long.xls"));
    book.save(path);

    FreeXl x(path);
    EXPECT_EQ(x.info(FREEXL_BIFF_STRING_COUNT), unsigned(texts.size()));
    x.select(0);
    for (int i = 0; i < texts.size(); ++i)
        ASSERT_EQ(x.text(i, 0), texts.at(i)) << "row " << i;
}

// 65536 rows of nine numbers make a file of more than 109 FAT sectors: the FAT is then
// listed through DIFAT sectors.
TEST_F(XlsWriterTest, LargeWorkbookNeedsDifatSectors)
{
    XlsWorkbook book;
    XlsSheet& s = book.addSheet(QStringLiteral("big"));
    for (int r = 0; r < XlsSheet::MaxRows; ++r)
        for (int c = 0; c < 9; ++c)
            s.setNumber(r, c, r * 10 + c + 0.5);
    s.setText(XlsSheet::MaxRows - 1, XlsSheet::MaxColumns - 1, QStringLiteral("末格"));
    book.addSheet(QStringLiteral("after")).setText(0, 0, QStringLiteral("x"));
    const QString path = file(QStringLiteral("big.xls"));
    book.save(path);
    EXPECT_GT(QFileInfo(path).size(), 109LL * 128 * 512);

    FreeXl x(path);
    unsigned rows = 0;
    unsigned short cols = 0;
    x.select(0, &rows, &cols);
    EXPECT_EQ(rows, unsigned(XlsSheet::MaxRows));
    EXPECT_EQ(cols, unsigned(XlsSheet::MaxColumns));
    for (int r : {0, 1, 31, 32, 4097, 40000, XlsSheet::MaxRows - 1})
        for (int c : {0, 8})
            EXPECT_DOUBLE_EQ(x.number(r, c), r * 10 + c + 0.5);
    EXPECT_EQ(x.text(XlsSheet::MaxRows - 1, XlsSheet::MaxColumns - 1), QStringLiteral("末格"));
    x.select(1);
    EXPECT_EQ(x.text(0, 0), QStringLiteral("x"));
}

TEST_F(XlsWriterTest, RefusalsAndSpecialValues)
{
    XlsWorkbook empty;
    EXPECT_THROW(empty.save(file(QStringLiteral("empty.xls"))), std::runtime_error);

    XlsWorkbook book;
    XlsSheet& s = book.addSheet(QStringLiteral("s"));
    EXPECT_THROW(s.setText(XlsSheet::MaxRows, 0, QStringLiteral("x")), std::runtime_error);
    EXPECT_THROW(s.setNumber(0, XlsSheet::MaxColumns, 1), std::runtime_error);
    EXPECT_THROW(s.setNumber(-1, 0, 1), std::runtime_error);
    s.setNumber(0, 0, std::numeric_limits<double>::quiet_NaN());
    s.setNumber(0, 1, std::numeric_limits<double>::infinity());
    s.setText(0, 2, QStringLiteral("replaced"));
    s.setNumber(0, 2, 7);  // the later value wins, with its own type
    s.setNumber(0, 3, 8);
    s.setText(0, 3, QStringLiteral("text now"));
    EXPECT_THROW(book.save(file(QStringLiteral("no/such/folder/x.xls"))), std::runtime_error);

    book.save(file(QStringLiteral("special.xls")));
    FreeXl x(file(QStringLiteral("special.xls")));
    x.select(0);
    EXPECT_EQ(x.text(0, 0), QStringLiteral("#NUM!"));
    EXPECT_EQ(x.text(0, 1), QStringLiteral("#NUM!"));
    EXPECT_DOUBLE_EQ(x.number(0, 2), 7);
    EXPECT_EQ(x.text(0, 3), QStringLiteral("text now"));
}

}  // namespace
