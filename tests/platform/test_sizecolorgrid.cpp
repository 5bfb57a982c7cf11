// The size × colour grid: typing, totals, hiding, stores, the stock check and the picker.
#include "platform/sizecolorgrid.h"

#include "support/testdb.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString Zero = QStringLiteral("库存为0不允许退货，重新输入！");
const QString Over = QStringLiteral("退货数量不能大于库存数量，重新输入！");

// Sizes 39, 40, 41 (group G1, entered in another order than the sizes' ids), colours 咖啡色 and
// 米色 (group C1), the built-in 均码 / 统一 (group 100001); goods S001 uses G1 × C1, goods S002 the
// built-in groups. The tables come from the schema; on a database without them the test makes
// the few it needs.
class SizeColorGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!mainDb().tableExists(QStringLiteral("jxc_cm")))
            createTables();
        execSql(QStringLiteral("insert into jxc_cm (cm_sn,cm_name,cm_tm) values ('T39','39','39'),('T40','40','40'),"
                               "('T41','41','41')"));
        execSql(QStringLiteral("insert into jxc_color (color_sn,color_name,color_tm) values ('K01','咖啡色','21'),"
                               "('K02','米色','22')"));
        execSql(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('G1','T40'),('G1','T39'),('G1','T41')"));
        execSql(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('C1','K02'),('C1','K01')"));
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,cmz_sn,colorz_sn) values"
                               " ('S001','皮鞋','G1','C1'),('S002','鞋垫','100001','100001')"));
    }

    static void createTables()
    {
        const char* tables[] = {
            "create table jxc_goods (id integer primary key autoincrement, g_sn varchar(32) collate nocase,"
            " g_name varchar(64) collate nocase, cmz_sn varchar(8) collate nocase, colorz_sn varchar(8) collate nocase)",
            "create table jxc_cm (id integer primary key autoincrement, cm_sn varchar(8) collate nocase,"
            " cm_name varchar(32) collate nocase, cm_jm varchar(32) collate nocase, cm_tm varchar(32) collate nocase)",
            "create table jxc_color (id integer primary key autoincrement, color_sn varchar(8) collate nocase,"
            " color_name varchar(32) collate nocase, color_jm varchar(32) collate nocase,"
            " color_tm varchar(32) collate nocase, color_click integer)",
            "create table jxc_cmz2 (id integer primary key autoincrement, cmz_sn varchar(8) collate nocase,"
            " cm_sn varchar(8) collate nocase)",
            "create table jxc_colorz2 (id integer primary key autoincrement, colorz_sn varchar(8) collate nocase,"
            " color_sn varchar(8) collate nocase)",
            "create table jxc_tkc (id integer primary key autoincrement, g_sn varchar(16) collate nocase,"
            " t_jhrq varchar(16) collate nocase, t_ph varchar(64) collate nocase, t_scrq varchar(16) collate nocase,"
            " cm_sn varchar(8) collate nocase, color_sn varchar(8) collate nocase, t_sl money real,"
            " ck_sn varchar(8) collate nocase)",
            "insert into jxc_cm (cm_sn,cm_name,cm_tm) values ('100001','均码','10')",
            "insert into jxc_color (color_sn,color_name,color_tm) values ('100001','统一','10')",
            "insert into jxc_cmz2 (cmz_sn,cm_sn) values ('100001','100001')",
            "insert into jxc_colorz2 (colorz_sn,color_sn) values ('100001','100001')",
        };
        for (const char* sql : tables)
            execSql(QString::fromUtf8(sql));
        for (const char* table : {"jxc_jhspmx", "jxc_shspmx", "jxc_tempspxfmx"})
            execSql(QStringLiteral("create table %1 (id integer primary key autoincrement,"
                                   " gl_djh varchar(16) collate nocase, g_sn varchar(32) collate nocase,"
                                   " cm_sn varchar(8) collate nocase, color_sn varchar(8) collate nocase,"
                                   " t_sl money real, a_name varchar(32) collate nocase, tid integer)")
                        .arg(QLatin1String(table)));
    }

    static void addStock(const QString& size, const QString& color, const QString& qty,
                         const QString& warehouse = QStringLiteral("100001"))
    {
        execSql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,t_sl,ck_sn) values ('S001',?,?,?,?)"),
                {{QString(), size}, {QString(), color}, {QString(), qty.toDouble()}, {QString(), warehouse}});
    }

    static QStringList rows(const QString& sql)
    {
        const ResultSet rs = openSelect(sql);
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }

    static QLineEdit* editorAt(SizeColorGrid& grid, int row, int col)
    {
        return qobject_cast<QLineEdit*>(grid.indexWidget(grid.model()->index(row - 1, col - 1)));
    }

    // Types into a cell the way an operator does: the first key opens the cell's editor, the
    // rest go to the editor; the edit is left open so that the totals can be watched.
    static void type(SizeColorGrid& grid, int row, int col, const QString& keys)
    {
        grid.setCurrentCell(row, col);
        for (const QChar ch : keys) {
            QWidget* target = editorAt(grid, row, col);
            QTest::keyClick(target ? target : &grid, ch.toLatin1());
        }
    }

    TestDb db;
};

QStringList headerRow(const SizeColorGrid& grid)
{
    QStringList out;
    for (int c = 0; c < grid.columnCount(); ++c)
        out << grid.cell(0, c);
    return out;
}

QStringList headerColumn(const SizeColorGrid& grid)
{
    QStringList out;
    for (int r = 0; r < grid.rowCount(); ++r)
        out << grid.cell(r, 0);
    return out;
}

TEST_F(SizeColorGridTest, AxesFollowTheGroupsInRecordOrder)
{
    SizeColorGrid grid(SizeColorGrid::Kind::Entry);
    grid.setAxes(SizeColorAxes::ofGoods(QStringLiteral("S001")));
    EXPECT_EQ(headerRow(grid), QStringList({"颜色/尺码", "39", "40", "41", "合计"}));
    EXPECT_EQ(headerColumn(grid), QStringList({"颜色/尺码", "咖啡色", "米色", "合计"}));
    EXPECT_TRUE(grid.isDataCell(2, 3));
    EXPECT_FALSE(grid.isDataCell(3, 1));
    EXPECT_FALSE(grid.isDataCell(1, 4));
    EXPECT_EQ(grid.axes().sizes.at(0).code, "T39");

    // The built-in groups give one cell 统一 × 均码 with its totals.
    grid.setAxes(SizeColorAxes::ofGoods(QStringLiteral("S002")));
    EXPECT_EQ(headerRow(grid), QStringList({"颜色/尺码", "均码", "合计"}));
    EXPECT_EQ(headerColumn(grid), QStringList({"颜色/尺码", "统一", "合计"}));

    // A goods that does not exist, or a group without members, leaves no data cell.
    grid.setAxes(SizeColorAxes::ofGoods(QStringLiteral("999999")));
    EXPECT_EQ(headerRow(grid), QStringList({"颜色/尺码", "合计"}));
    grid.setAxes(SizeColorAxes::ofGroups(QStringLiteral("G1"), QStringLiteral("none")));
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 5);
    EXPECT_FALSE(grid.isDataCell(1, 1));
}

TEST_F(SizeColorGridTest, TypedQuantitiesKeepTheTotals)
{
    SizeColorGrid grid(SizeColorGrid::Kind::Entry);
    grid.setAxes(SizeColorAxes::ofGoods(QStringLiteral("S001")));
    grid.show();
    QSignalSpy totals(&grid, &SizeColorGrid::totalsChanged);

    type(grid, 1, 1, QStringLiteral("3"));
    EXPECT_EQ(grid.cell(1, 1), "3");
    EXPECT_EQ(grid.cell(1, 4), "3");  // the totals follow the keystroke, the editor still open
    ASSERT_NE(editorAt(grid, 1, 1), nullptr);
    type(grid, 1, 2, QStringLiteral("2"));
    type(grid, 2, 1, QStringLiteral("1"));
    EXPECT_EQ(grid.cell(1, 4), "5");
    EXPECT_EQ(grid.cell(2, 4), "1");
    EXPECT_EQ(grid.cell(3, 1), "4");
    EXPECT_EQ(grid.cell(3, 2), "2");
    EXPECT_EQ(grid.grandTotal(), "6");
    EXPECT_EQ(grid.totalQuantity(), Money::fromText("6"));
    EXPECT_GE(totals.count(), 3);

    // Backspace empties the cell again and lowers the totals.
    type(grid, 2, 1, QStringLiteral("\b"));
    EXPECT_EQ(grid.cell(2, 1), "");
    EXPECT_EQ(grid.cell(2, 4), "0");
    EXPECT_EQ(grid.grandTotal(), "5");

    // The totals row and column cannot be edited.
    type(grid, 1, 4, QStringLiteral("7"));
    type(grid, 3, 2, QStringLiteral("7"));
    EXPECT_EQ(editorAt(grid, 1, 4), nullptr);
    EXPECT_EQ(grid.cell(1, 4), "5");
    EXPECT_EQ(grid.cell(3, 2), "2");
}

TEST_F(SizeColorGridTest, OnlyDigitsUpToFiveCharacters)
{
    SizeColorGrid grid(SizeColorGrid::Kind::Entry);
    grid.setAxes(SizeColorAxes::ofGoods(QStringLiteral("S001")));
    grid.show();

    // A refused key on a cell that is not being edited changes nothing and opens no editor.
    type(grid, 1, 1, QStringLiteral("a"));
    EXPECT_EQ(editorAt(grid, 1, 1), nullptr);

    const struct {
        int row, col;
        QString keys;
        QString cell;
    } cases[] = {
        {2, 1, QStringLiteral("1a2"), QStringLiteral("12")},
        {2, 2, QStringLiteral("4-5.6 "), QStringLiteral("456")},
        {2, 3, QStringLiteral("123456"), QStringLiteral("12345")},
        {1, 2, QStringLiteral("12\b3"), QStringLiteral("13")},
        {2, 1, QStringLiteral("7"), QStringLiteral("7")},  // typing over a cell replaces it
    };
    for (const auto& c : cases) {
        type(grid, c.row, c.col, c.keys);
        EXPECT_EQ(grid.cell(c.row, c.col), c.cell) << c.keys.toStdString();
    }
    // A pasted text of other characters is refused by the editor too.
    type(grid, 1, 3, QStringLiteral("8"));
    QLineEdit* editor = editorAt(grid, 1, 3);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    editor->insert(QStringLiteral("9x"));
    EXPECT_EQ(grid.cell(1, 3), "8");
}

TEST_F(SizeColorGridTest, LineRowsAreReplacedInOneTransaction)
{
    SizeColorGrid grid(SizeColorGrid::Kind::Entry);
    grid.setAxes(SizeColorAxes::ofGoods(QStringLiteral("S001")));
    grid.setCell(1, 1, QStringLiteral("3"));
    grid.setCell(1, 2, QStringLiteral("2"));
    grid.setCell(2, 1, QStringLiteral("1"));
    grid.setCell(2, 3, QStringLiteral("0"));  // a 0 writes no row

    SizeColorLineRows line = SizeColorLineRows::billLine(QStringLiteral("jxc_jhspmx"), QStringLiteral("CJ130528010001"),
                                                         QStringLiteral("S001"), 7, QStringLiteral("admin"));
    execSql(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                           "('CJ130528010001','S001','T41','K02',9,'admin',7),"
                           "('CJ130528010001','S001','T41','K02',4,'admin',8)"));
    grid.save(line);
    const QString select = QStringLiteral("select gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid from jxc_jhspmx "
                                          "where tid=7 order by id");
    const QStringList written = {"CJ130528010001|S001|T39|K01|3|admin|7",
                                 "CJ130528010001|S001|T40|K01|2|admin|7",
                                 "CJ130528010001|S001|T39|K02|1|admin|7"};
    EXPECT_EQ(rows(select), written);
    grid.save(line);  // saving again replaces, nothing accumulates
    EXPECT_EQ(rows(select), written);
    EXPECT_EQ(selectValue("select count(*) from jxc_jhspmx where tid=8"), "1");

    // Read back into another grid: same cells and totals.
    SizeColorGrid again(SizeColorGrid::Kind::Entry);
    again.setAxes(grid.axes());
    again.load(line);
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int c = 1; c < grid.columnCount(); ++c)
            EXPECT_EQ(again.cell(r, c), grid.cell(r, c) == "0" ? QString() : grid.cell(r, c)) << r << "," << c;

    // A failure half-way keeps the line's old rows.
    execSql(QStringLiteral("create trigger no_two before insert on jxc_jhspmx when new.t_sl=2 "
                           "begin select raise(abort,'boom'); end"));
    grid.setCell(1, 1, QStringLiteral("5"));
    EXPECT_THROW(grid.save(line), DbError);
    EXPECT_EQ(rows(select), written);

    // The scratch list's rows carry no document number; a pending line's rows do.
    SizeColorLineRows scratch = SizeColorLineRows::scratchRow(QStringLiteral("S001"), 3, QStringLiteral("admin"));
    grid.save(scratch);
    EXPECT_EQ(rows("select coalesce(gl_djh,'-'),cm_sn,color_sn,t_sl,tid from jxc_tempspxfmx order by id"),
              QStringList({"-|T39|K01|5|3", "-|T40|K01|2|3", "-|T39|K02|1|3"}));
    SizeColorLineRows pending = SizeColorLineRows::billLine(QStringLiteral("jxc_shspmx"), QStringLiteral("CJ130528010002"),
                                                            QStringLiteral("S001"), 4, QStringLiteral("admin"));
    grid.save(pending);
    EXPECT_EQ(selectValue("select count(*) from jxc_shspmx where gl_djh='CJ130528010002' and tid=4"), "3");
}

TEST_F(SizeColorGridTest, StockAddsUpBatchesOfTheWarehouse)
{
    addStock("T39", "K01", "2");
    addStock("T39", "K01", "1.5");  // another batch of the same variant
    addStock("T41", "K02", "-2");
    addStock("100001", "K01", "9");  // 均码 is not in the goods' size group
    addStock("T40", "K01", "7", "100002");  // another warehouse

    SizeColorGrid grid(SizeColorGrid::Kind::Stock);
    grid.setAxes(SizeColorAxes::ofGoods(QStringLiteral("S001")));
    SizeColorStock stock(QStringLiteral("S001"), QStringLiteral("100001"));
    grid.load(stock);
    EXPECT_EQ(grid.cell(1, 1), "3.5");
    EXPECT_EQ(grid.cell(1, 2), "");
    EXPECT_EQ(grid.cell(2, 3), "-2");
    EXPECT_EQ(grid.cell(1, 4), "3.5");
    EXPECT_EQ(grid.cell(3, 2), "");  // a column without stock keeps an empty total
    EXPECT_EQ(grid.grandTotal(), "1.5");

    // Saving stock (the opening stock) writes every cell of the goods in the warehouse, 0 for
    // an empty one, and leaves other warehouses alone.
    grid.setCell(1, 2, QStringLiteral("4"));
    grid.save(stock);
    EXPECT_EQ(rows("select cm_sn,color_sn,t_sl from jxc_tkc where ck_sn='100001' order by id"),
              QStringList({"T39|K01|3.5", "T40|K01|4", "T41|K01|0", "T39|K02|0",
                           "T40|K02|0", "T41|K02|-2"}));
    EXPECT_EQ(selectValue("select t_sl from jxc_tkc where ck_sn='100002'"), "7");
}

TEST_F(SizeColorGridTest, LineRowAxesForTheDetailViewer)
{
    execSql(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,tid) values "
                           "('X','S001','T41','K01',1,5),('X','S001','T39','K01',2,5),"
                           "('X','S001','T40','K02',3,6)"));
    const SizeColorAxes axes = SizeColorAxes::ofLineRows(QStringLiteral("jxc_jhspmx"), 5);
    SizeColorGrid grid(SizeColorGrid::Kind::Stock);
    grid.setAxes(axes);
    SizeColorLineRows line = SizeColorLineRows::billLine(QStringLiteral("jxc_jhspmx"), QStringLiteral("X"),
                                                         QStringLiteral("S001"), 5, QString());
    grid.load(line);
    EXPECT_EQ(headerRow(grid), QStringList({"颜色/尺码", "39", "41", "合计"}));
    EXPECT_EQ(headerColumn(grid), QStringList({"颜色/尺码", "咖啡色", "合计"}));
    EXPECT_EQ(grid.grandTotal(), "3");
}

class LinkedGridsTest : public SizeColorGridTest {
protected:
    void SetUp() override
    {
        SizeColorGridTest::SetUp();
        addStock("T39", "K01", "2");  // 咖啡色 39
        addStock("T41", "K01", "5");  // 咖啡色 41
        addStock("T39", "K02", "0");  // 米色 39: a row, but no stock
        const SizeColorAxes axes = SizeColorAxes::ofGoods(QStringLiteral("S001"));
        entry.setAxes(axes);
        stock.setAxes(axes);
        entry.linkStockGrid(&stock);
        SizeColorStock source(QStringLiteral("S001"), QStringLiteral("100001"));
        stock.load(source);
    }

    SizeColorGrid entry{SizeColorGrid::Kind::Entry};
    SizeColorGrid stock{SizeColorGrid::Kind::Stock};
};

TEST_F(LinkedGridsTest, StockCheckReportsTheLowestFailingRow)
{
    entry.setCell(1, 1, "2");
    entry.setCell(1, 3, "5");
    EXPECT_EQ(entry.checkStock(Zero, Over), "");

    entry.setCell(1, 1, "3");  // over the stock of 2
    entry.setCell(1, 2, "1");  // no stock, but the row already failed at its first cell
    EXPECT_EQ(entry.checkStock(Zero, Over), Over);
    EXPECT_EQ(entry.currentGridRow(), 1);
    EXPECT_EQ(entry.currentGridColumn(), 1);

    entry.setCell(2, 3, "1");  // a lower row fails too: its message and cell win
    EXPECT_EQ(entry.checkStock(Zero, Over), Zero);
    EXPECT_EQ(entry.currentGridRow(), 2);
    EXPECT_EQ(entry.currentGridColumn(), 3);
}

TEST_F(LinkedGridsTest, SelectingAnEntryCellMovesTheStockCursor)
{
    entry.setCurrentCell(2, 3);
    EXPECT_EQ(stock.currentGridRow(), 2);
    EXPECT_EQ(stock.currentGridColumn(), 3);
    entry.setCurrentCell(3, 1);  // a total: the stock cursor stays
    EXPECT_EQ(stock.currentGridRow(), 2);
    EXPECT_EQ(stock.currentGridColumn(), 3);
}

TEST_F(LinkedGridsTest, HidingZeroStockClearsTheEntryAndHidesInBothGrids)
{
    entry.setCell(1, 1, "2");
    entry.setCell(2, 2, "4");
    QSignalSpy totals(&entry, &SizeColorGrid::totalsChanged);
    entry.setZeroStockHidden(true);
    EXPECT_GE(totals.count(), 1);
    EXPECT_TRUE(entry.totalQuantity().isZero());
    EXPECT_EQ(entry.cell(1, 1), "");
    EXPECT_EQ(entry.cell(3, 4), "");
    EXPECT_EQ(entry.cell(1, 0), "咖啡色");
    for (SizeColorGrid* grid : {&entry, &stock}) {
        EXPECT_TRUE(grid->isZeroStockHidden());
        EXPECT_TRUE(grid->isRowShown(1));
        EXPECT_FALSE(grid->isRowShown(2));     // 米色: only a zero stock row
        EXPECT_TRUE(grid->isColumnShown(1));
        EXPECT_FALSE(grid->isColumnShown(2));  // size 40, hidden although its name holds a 0
        EXPECT_TRUE(grid->isColumnShown(3));
        EXPECT_TRUE(grid->isRowShown(3));      // totals stay
        EXPECT_TRUE(grid->isColumnShown(4));
    }
    stock.setZeroStockHidden(false);
    for (SizeColorGrid* grid : {&entry, &stock}) {
        EXPECT_FALSE(grid->isZeroStockHidden());
        EXPECT_TRUE(grid->isRowShown(2));
        EXPECT_TRUE(grid->isColumnShown(2));
    }
}

TEST_F(SizeColorGridTest, PickerChoosesDataCellsOnly)
{
    execSql(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('T36','36'),('T37','37'),('T38','38')"));
    execSql(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('G2','T36'),('G2','T37'),('G2','T38')"));
    execSql(QStringLiteral("update jxc_goods set cmz_sn='G2' where g_sn='S001'"));
    addStock("T37", "K01", "3");
    addStock("T37", "K02", "0");

    SizeColorGrid picker(SizeColorGrid::Kind::Picker);
    picker.setAxes(SizeColorAxes::ofGoods(QStringLiteral("S001")));
    SizeColorStock source(QStringLiteral("S001"), QStringLiteral("100001"));
    picker.load(source);
    picker.show();
    EXPECT_EQ(picker.cell(1, 2), "3");
    EXPECT_EQ(picker.cell(2, 2), "0");
    EXPECT_EQ(picker.cell(1, 1), "");

    QSignalSpy moved(&picker, &SizeColorGrid::currentCellMoved);
    QSignalSpy chosen(&picker, &SizeColorGrid::chosen);
    picker.setCurrentCell(1, 2);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(picker.currentSizeName(), "37");
    EXPECT_EQ(picker.currentColorName(), "咖啡色");
    QTest::keyClick(&picker, Qt::Key_Return);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0), QVariantList({"37", "咖啡色", "3"}));

    // A double click chooses too; the picker never edits.
    QTest::keyClicks(&picker, "7");
    EXPECT_EQ(picker.cell(1, 2), "3");
    const QRect rect = picker.visualRect(picker.model()->index(1, 0));
    QTest::mouseDClick(picker.viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.at(1), QVariantList({"36", "米色", ""}));

    // The totals row and column cannot be chosen and show no size or colour.
    picker.setCurrentCell(3, 2);
    EXPECT_EQ(picker.currentSizeName(), "");
    EXPECT_EQ(picker.currentColorName(), "");
    EXPECT_FALSE(picker.chooseCurrent());
    picker.setCurrentCell(1, 4);
    QTest::keyClick(&picker, Qt::Key_Enter);
    EXPECT_EQ(chosen.count(), 2);

    // Hiding zero stock on the picker alone: 36 and 38 and the colour 米色 go.
    picker.setZeroStockHidden(true);
    EXPECT_FALSE(picker.isColumnShown(1));
    EXPECT_TRUE(picker.isColumnShown(2));
    EXPECT_FALSE(picker.isColumnShown(3));
    EXPECT_FALSE(picker.isRowShown(2));
    EXPECT_EQ(picker.cell(1, 2), "3");  // a picker has no entry to clear
}

TEST_F(LinkedGridsTest, CellColoursOfEachKind)
{
    SizeColorGrid picker(SizeColorGrid::Kind::Picker);
    picker.setAxes(entry.axes());
    SizeColorStock source(QStringLiteral("S001"), QStringLiteral("100001"));
    picker.load(source);
    entry.setCell(1, 1, "2");
    stock.setCurrentCell(2, 2);
    picker.setCurrentCell(2, 2);

    using Look = SizeColorGrid::Look;
    const QColor white(Qt::white), red(Qt::red), blue(Qt::blue);
    const QPalette& pal = stock.palette();
    const struct {
        const SizeColorGrid* grid;
        int row, col;
        Look look;
    } cases[] = {
        {&entry, 1, 1, {white, red, true}},                                    // a quantity
        {&entry, 1, 2, {white, entry.palette().color(QPalette::Window), false}},  // empty
        {&entry, 1, 4, {SizeColorGrid::TotalGround, blue, true}},             // a total
        {&entry, 3, 4, {SizeColorGrid::TotalGround, red, true}},              // the grand total
        {&stock, 1, 1, {SizeColorGrid::StockGround, red, true}},              // stock
        {&stock, 2, 1, {pal.color(QPalette::Base), pal.color(QPalette::Text), false}},  // stock 0
        {&stock, 2, 2, {pal.color(QPalette::Highlight), pal.color(QPalette::HighlightedText), false}},
        {&stock, 3, 1, {SizeColorGrid::TotalGround, blue, true}},
        {&picker, 2, 1, {SizeColorGrid::StockGround, red, false}},            // reads "0"
        {&picker, 1, 1, {pal.color(QPalette::Base), pal.color(QPalette::Text), false}},
        {&picker, 2, 2, {SizeColorGrid::PickerFocus, white, false}},          // focused
        {&picker, 1, 4, {SizeColorGrid::TotalGround, blue, false}},
        {&picker, 3, 4, {SizeColorGrid::TotalGround, red, false}},
    };
    for (const auto& c : cases) {
        const Look look = c.grid->cellLook(c.row, c.col);
        EXPECT_EQ(look.background, c.look.background) << c.grid->objectName().toStdString() << c.row << c.col;
        EXPECT_EQ(look.text, c.look.text) << c.grid->objectName().toStdString() << c.row << c.col;
        EXPECT_EQ(look.bold, c.look.bold) << c.grid->objectName().toStdString() << c.row << c.col;
    }
}

}  // namespace
