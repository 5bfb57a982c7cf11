// The grid's ".xls" export read back through FreeXL (built once the workbook writer is there).
#ifdef JXC_HAVE_XLSWRITER

#include "platform/datagrid.h"
#include "platform/msgbox.h"

#include "support/testdb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <freexl.h>
#include <gtest/gtest.h>

namespace {

// One sheet of a workbook as FreeXL reads it: texts as QString, numbers as double.
struct ReadSheet {
    QString name;
    QList<QVariantList> rows;
};

ReadSheet readFirstSheet(const QString& path)
{
    ReadSheet out;
    const void* handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK)
        return out;
    const char* name = nullptr;
    freexl_get_worksheet_name(handle, 0, &name);
    out.name = QString::fromUtf8(name);
    freexl_select_active_worksheet(handle, 0);
    unsigned int rows = 0;
    unsigned short cols = 0;
    freexl_worksheet_dimensions(handle, &rows, &cols);
    for (unsigned int r = 0; r < rows; ++r) {
        QVariantList row;
        for (unsigned short c = 0; c < cols; ++c) {
            FreeXL_CellValue cell;
            freexl_get_cell_value(handle, r, c, &cell);
            switch (cell.type) {
            case FREEXL_CELL_INT:
                row << double(cell.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                row << cell.value.double_value;
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
                row << QString::fromUtf8(cell.value.text_value);
                break;
            default:
                row << QVariant();
                break;
            }
        }
        out.rows << row;
    }
    freexl_close(handle);
    return out;
}

class GridExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgScript::reset();
        execSql(QStringLiteral("create table g (id integer primary key, g_sn varchar(16), g_name varchar(64),"
                               " g_kc money real, g_jj money real)"));
        execSql(QStringLiteral("insert into g (g_sn,g_name,g_kc,g_jj) values ('007001','运动鞋',12,128.5),"
                               " ('007002','皮鞋',-3,NULL), ('007003','凉鞋',40,35)"));
        query.open();
        grid.setQuery(&query);
        grid.addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号")).footerText(QStringLiteral("商品合计:"));
        grid.addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称")).footerCount();
        grid.addColumn(QStringLiteral("id"), QStringLiteral("序号")).setHidden();
        grid.addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存")).footerSum();
        grid.addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价")).setFormat(QStringLiteral("￥,0.00;￥-,0.00"));
    }
    void TearDown() override { MsgScript::reset(); }

    TestDb db{false};
    QTemporaryDir out;
    NamedQuery query{QStringLiteral("Q_G"), QStringLiteral("select * from g order by id")};
    DataGrid grid;
};

TEST_F(GridExportTest, WritesTheRowsAsShownWithTheirCellTypes)
{
    grid.setSearch(QStringLiteral("鞋"), {QStringLiteral("g_name")});
    grid.setFilter({{QStringLiteral("g_sn"), FilterOp::NotEqual, QStringLiteral("007003")}});
    const QString path = out.filePath(QStringLiteral("商品列表.xls"));
    grid.exportXls(path);
    const ReadSheet sheet = readFirstSheet(path);
    EXPECT_EQ(sheet.name, QStringLiteral("商品列表"));
    ASSERT_EQ(sheet.rows.size(), 4);
    EXPECT_EQ(sheet.rows[0], QVariantList({QStringLiteral("商品编号"), QStringLiteral("商品名称"),
                                           QStringLiteral("当前库存"), QStringLiteral("预设进价")}));
    EXPECT_EQ(sheet.rows[1], QVariantList({QStringLiteral("007001"), QStringLiteral("运动鞋"), 12.0, 128.5}));
    EXPECT_EQ(sheet.rows[2][2], QVariant(-3.0));
    EXPECT_FALSE(sheet.rows[2][3].isValid());  // NULL: an empty cell
    EXPECT_EQ(sheet.rows[3], QVariantList({QStringLiteral("商品合计:"), QStringLiteral("2"), QStringLiteral("9"), QVariant()}));

    const QString allPath = out.filePath(QStringLiteral("all.xls"));
    grid.exportXls(allPath, /*allRows=*/true);
    EXPECT_EQ(readFirstSheet(allPath).rows.size(), 4);  // captions and three rows, no footer
}

TEST_F(GridExportTest, TheExportCommandAsksForTheFile)
{
    MsgScript::saveFile(out.filePath(QStringLiteral("导出")));
    ASSERT_TRUE(grid.exportWithDialog());
    EXPECT_EQ(MsgScript::last().text, QStringLiteral("(*.xls)|*.xls"));
    EXPECT_EQ(readFirstSheet(out.filePath(QStringLiteral("导出.xls"))).rows.size(), 5);

    MsgScript::saveFile(QString());
    EXPECT_FALSE(grid.exportWithDialog());
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 1);

    // A folder that cannot be written is an error the window's guard shows.
    MsgScript::saveFile(out.filePath(QStringLiteral("no/such/dir/x.xls")));
    EXPECT_FALSE(runGuarded([&] { grid.exportWithDialog(); }));
    EXPECT_EQ(MsgScript::last().kind, MsgKind::Error);
}

}  // namespace

#endif  // JXC_HAVE_XLSWRITER
