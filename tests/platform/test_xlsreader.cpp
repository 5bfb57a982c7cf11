// The workbook reader behind the imports' Excel connection.
#include "platform/xlsreader.h"
#include "platform/numbertext.h"
#include "platform/xlsguard.h"
#include "platform/xlswriter.h"

#include "data/datamodule.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString fixture(const QString& name)
{
    return QStringLiteral(JXC_FIXTURES_DIR "/") + name;
}

QStringList row(const ResultSet& rs, int r)
{
    QStringList cells;
    for (int c = 0; c < rs.columnCount(); ++c)
        cells << rs.text(r, c);
    return cells;
}

QStringList headings(const ResultSet& rs)
{
    QStringList names;
    for (const ResultColumn& c : rs.columns())
        names << c.name;
    return names;
}

// The fixture was written by LibreOffice Calc from the CSV beside it.
TEST(XlsReader, ReadsAWorkbookOfASpreadsheetProgramExactly)
{
    const QString path = fixture(QStringLiteral("商品导入.xls"));
    EXPECT_EQ(workbookSheetNames(path), QStringList{QStringLiteral("商品导入")});
    const ResultSet rs = readWorkbookSheet(path, QStringLiteral("商品导入"));
    EXPECT_EQ(headings(rs), QStringList({"商品编号", "商品名称", "商品条码", "单位", "预设进价", "预设售价",
                                         "备注", "联系电话", "进货日期"}));
    for (const ResultColumn& c : rs.columns())
        EXPECT_EQ(c.kind, ColumnKind::Text);
    ASSERT_EQ(rs.rowCount(), 5);
    EXPECT_EQ(row(rs, 0), QStringList({"100001", "男式皮鞋", "6901234567892", "双", "120", "199.5",
                                       "  两端有空格  ", "13812345678", "2013-05-28"}));
    EXPECT_EQ(row(rs, 1), QStringList({"100002", " 女式凉鞋", "", "双", "85.25", "128", "", "13900001111",
                                       "2013-06-01"}));
    EXPECT_EQ(row(rs, 2), QStringList({"", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(row(rs, 3), QStringList({"100003", "童鞋(蓝)", "6901234567908", "双 ", "0.1", "12.5",
                                       "备注:防水", "", "2012-12-31"}));
    // A leading zero is lost where the spreadsheet program made a number of the cell.
    EXPECT_EQ(row(rs, 4), QStringList({"100004", "Sneaker X", "", "pair", "-3.75", "1000000",
                                       "English, with comma", "2112345678", "2013-01-05"}));
    EXPECT_EQ(rs.text(0, QStringLiteral("联系电话")), QStringLiteral("13812345678"));
}

TEST(XlsReader, SheetLayoutRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("客户.xls"));
    XlsWorkbook book;
    book.addSheet(QStringLiteral("other")).setText(0, 0, QStringLiteral("x"));
    XlsSheet& s = book.addSheet(QStringLiteral("客户"));
    s.setText(0, 0, QStringLiteral("名称"));
    // (0,1) has no heading
    s.setText(0, 2, QStringLiteral("金额"));
    s.setText(1, 0, QStringLiteral(" 甲 "));
    s.setNumber(1, 2, 0.1 + 0.2);
    s.setNumber(2, 1, 12.5);
    // row 3 empty, row 4 holds a value, rows 5.. are beyond the last value
    s.setText(4, 2, QStringLiteral("end"));
    s.setText(6, 1, QString());
    book.save(path);

    const ResultSet rs = readWorkbookSheet(path, QStringLiteral("客户"));
    EXPECT_EQ(headings(rs), QStringList({"名称", "F2", "金额"}));
    ASSERT_EQ(rs.rowCount(), 4);
    EXPECT_EQ(row(rs, 0), QStringList({" 甲 ", "", "0.3"}));
    EXPECT_EQ(row(rs, 1), QStringList({"", "12.5", ""}));
    EXPECT_EQ(row(rs, 2), QStringList({"", "", ""}));
    EXPECT_EQ(row(rs, 3), QStringList({"", "", "end"}));

    // Sheet names compare without case; a sheet with nothing below its headings has no rows.
    EXPECT_EQ(readWorkbookSheet(path, QStringLiteral("OTHER")).rowCount(), 0);
}

TEST(XlsReader, RefusesFilesThatAreNotWorkbooksAndMissingSheets)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.xls"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("商品编号,商品名称\n100001,鞋\n");
    f.close();
    const QString truncated = dir.filePath(QStringLiteral("cut.xls"));
    QFile::copy(fixture(QStringLiteral("商品导入.xls")), truncated);
    QFile::resize(truncated, 700);

    for (const QString& path : {text, truncated, dir.filePath(QStringLiteral("missing.xls"))}) {
        try {
            readWorkbookSheet(path, QStringLiteral("notes"));
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const DbError& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
    try {
        readWorkbookSheet(fixture(QStringLiteral("商品导入.xls")), QStringLiteral("商品"));
        ADD_FAILURE() << "no error for a missing sheet";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("商品"))) << e.message().toStdString();
    }
}

// A text spanning three records of the string table would make FreeXL read past its buffer:
// such a workbook is refused with a message instead.
TEST(XlsReader, RefusesTextsFreeXlCannotRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.xls"));
    XlsWorkbook book;
    XlsSheet& s = book.addSheet(QStringLiteral("long"));
    s.setText(0, 0, QStringLiteral("备注"));
    s.setText(1, 0, QString(4000, QChar(0x978B)));  // split once: readable
    book.save(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(sharedStringsOverrunFreeXl(workbookStream(f.readAll())));
    f.close();
    EXPECT_EQ(readWorkbookSheet(path, QStringLiteral("long")).text(0, 0).size(), 4000);

    s.setText(2, 0, QString(9000, QChar(0x978B)));  // 18000 bytes: three records
    book.save(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sharedStringsOverrunFreeXl(workbookStream(f.readAll())));
    EXPECT_THROW(readWorkbookSheet(path, QStringLiteral("long")), DbError);
    EXPECT_THROW(workbookSheetNames(path), DbError);
}

// The platform installs the reader into the data layer's Excel connection.
TEST(XlsReader, ServesTheExcelConnection)
{
    const QString path = fixture(QStringLiteral("商品导入.xls"));
    const ResultSet heads = readWorkbookQuery(path, QStringLiteral("select * from [商品导入$] where 1>2"));
    EXPECT_EQ(heads.columnCount(), 9);
    EXPECT_EQ(heads.rowCount(), 0);
    EXPECT_EQ(readWorkbookQuery(path, QStringLiteral("select * from [商品导入$]")).rowCount(), 5);
    EXPECT_THROW(readWorkbookQuery(path, QStringLiteral("select * from [Sheet1$]")), DbError);
}

TEST(XlsReader, NumbersReadAsASpreadsheetShowsThem)
{
    const std::pair<double, const char*> cases[] = {
        {13812345678.0, "13812345678"},
        {12.5, "12.5"},
        {-3.75, "-3.75"},
        {0.1 + 0.2, "0.3"},
        {30.299999999999997, "30.3"},
        {-0.0, "0"},
        {100, "100"},
        {1e20, "100000000000000000000"},
        {1.5e-7, "0.00000015"},
        {123456789012345678.0, "123456789012346000"},
        {0.000123456789012345678, "0.000123456789012346"},
        {6901234567892.0, "6901234567892"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(plainNumberText(value), QString::fromLatin1(text)) << text;
}

}  // namespace
