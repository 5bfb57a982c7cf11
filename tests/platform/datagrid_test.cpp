#include "platform/datagrid.h"
#include "platform/msgbox.h"

#include "support/testdb.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DataGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgScript::reset();
        execSql(QStringLiteral(
            "create table jxc_goods (id integer primary key autoincrement, g_sn varchar(16) COLLATE NOCASE,"
            " g_name varchar(64) COLLATE NOCASE, g_jm varchar(32) COLLATE NOCASE, gg_name varchar(32) COLLATE NOCASE,"
            " gc_sn varchar(16) COLLATE NOCASE, g_kc money real, g_jj money real, g_jy bit NOT NULL DEFAULT 0,"
            " i_fieldid varchar(32) COLLATE NOCASE)"));
        execSql(QStringLiteral(
            "insert into jxc_goods (g_sn,g_name,g_jm,gg_name,gc_sn,g_kc,g_jj,g_jy,i_fieldid) values"
            " ('100001','运动鞋','YDX','白色','1000100',10,120.5,0,'g_name'),"
            " ('100002','皮鞋','PX','黑色','1001',-2.5,80,1,''),"
            " ('100003','Canvas Shoe','CS','蓝','1100100',3,45.25,0,'g_sn'),"
            " ('100004','凉鞋','LX','','1000',0,NULL,0,NULL)"));
        query.open();
        grid.setQuery(&query);
        grid.addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号")).footerText(QStringLiteral("商品合计:"));
        grid.addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称")).footerCount();
        grid.addColumn(QStringLiteral("g_jm"), QStringLiteral("名称简码")).setHidden();
        grid.addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存")).footerSum().footerRed();
        grid.addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价")).setFormat(QStringLiteral("￥,0.00;￥-,0.00"));
        grid.addColumn(QStringLiteral("g_jy"), QStringLiteral("禁用")).setCheck();
    }
    void TearDown() override { MsgScript::reset(); }

    QAbstractItemModel* model() const { return grid.view()->model(); }
    QModelIndex cell(int shownRow, const QString& field) const
    {
        for (int c = 0; c < grid.columnCount(); ++c)
            if (grid.columnAt(c).field() == field)
                return model()->index(shownRow, c);
        return {};
    }
    QStringList shownCodes() const
    {
        QStringList out;
        for (int r = 0; r < grid.rowCount(); ++r)
            out << grid.value(grid.sourceRow(r), QStringLiteral("g_sn"));
        return out;
    }

    TestDb db{false};
    NamedQuery query{QStringLiteral("Q_Goods"), QStringLiteral("select * from jxc_goods order by id")};
    DataGrid grid;
};

TEST_F(DataGridTest, ShowsTheQueryWithCaptionsFormatsAndHiddenColumns)
{
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("商品名称"));
    EXPECT_TRUE(grid.view()->isColumnHidden(2));
    EXPECT_EQ(cell(0, QStringLiteral("g_jj")).data().toString(), QStringLiteral("￥120.50"));
    EXPECT_EQ(cell(3, QStringLiteral("g_jj")).data().toString(), QString());  // NULL
    EXPECT_EQ(cell(1, QStringLiteral("g_kc")).data().toString(), QStringLiteral("-2.5"));
    EXPECT_EQ(cell(1, QStringLiteral("g_jy")).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(cell(0, QStringLiteral("g_jy")).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(cell(0, QStringLiteral("g_jj")).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(grid.displayText(2, QStringLiteral("g_jj")), QStringLiteral("￥45.25"));

    // Re-opening the query with another statement refreshes the grid.
    openQuery(&query, QStringLiteral("select * from jxc_goods where g_kc>0 order by id"));
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100001"), QStringLiteral("100003")}));
    query.close();
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.currentRow(), -1);
}

TEST_F(DataGridTest, FocusedRowAndQueryRowMoveTogether)
{
    EXPECT_EQ(grid.currentRow(), 0);
    ASSERT_TRUE(grid.setCurrentRow(2));
    EXPECT_EQ(query.currentRow(), 2);
    EXPECT_EQ(query.fieldByName(QStringLiteral("g_name")), QStringLiteral("Canvas Shoe"));

    ASSERT_TRUE(query.locate(QStringLiteral("g_sn"), QStringLiteral("100002")));
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.view()->currentIndex().row(), 1);

    // The user's click moves the query.
    grid.view()->setCurrentIndex(cell(3, QStringLiteral("g_name")));
    EXPECT_EQ(query.fieldByName(QStringLiteral("g_sn")), QStringLiteral("100004"));

    // A refresh keeps the row; a new opening goes to the first row.
    query.refresh();
    EXPECT_EQ(grid.currentRow(), 3);
    query.open();
    EXPECT_EQ(grid.currentRow(), 0);
}

TEST_F(DataGridTest, FootersCountSumAndLabel)
{
    EXPECT_TRUE(grid.footerWidget()->isVisibleTo(&grid));
    EXPECT_EQ(grid.footerText(QStringLiteral("g_sn")), QStringLiteral("商品合计:"));
    EXPECT_EQ(grid.footerText(QStringLiteral("g_name")), QStringLiteral("4"));
    EXPECT_EQ(grid.footerText(QStringLiteral("g_kc")), QStringLiteral("10.5"));
    EXPECT_EQ(grid.footerText(QStringLiteral("g_jj")), QString());

    grid.column(QStringLiteral("g_name"))->footerCount(QStringLiteral("合计：  "));
    grid.column(QStringLiteral("g_jj"))->footerSum();
    EXPECT_EQ(grid.footerText(QStringLiteral("g_name")), QStringLiteral("合计：  4"));
    EXPECT_EQ(grid.footerText(QStringLiteral("g_jj")), QStringLiteral("￥245.75"));  // in the column's format
    EXPECT_EQ(grid.sum(QStringLiteral("g_jj")).toText(), QStringLiteral("245.75"));

    // Over the rows shown, and in step with changed cells.
    grid.setSearch(QStringLiteral("鞋"), {QStringLiteral("g_name")});
    EXPECT_EQ(grid.footerText(QStringLiteral("g_name")), QStringLiteral("合计：  3"));
    EXPECT_EQ(grid.footerText(QStringLiteral("g_kc")), QStringLiteral("7.5"));
    query.setLoadedValue(0, QStringLiteral("g_kc"), QStringLiteral("0.1"));
    EXPECT_EQ(grid.footerText(QStringLiteral("g_kc")), QStringLiteral("-2.4"));
}

TEST_F(DataGridTest, SearchAndFiltersWorkOnTheLoadedRows)
{
    const QStringList keyFields{QStringLiteral("g_jm"), QStringLiteral("g_name"), QStringLiteral("g_sn"),
                                QStringLiteral("gg_name")};
    grid.setSearch(QStringLiteral("  鞋 "), keyFields);
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100001"), QStringLiteral("100002"), QStringLiteral("100004")}));
    grid.setSearch(QStringLiteral("canVAS"), keyFields);  // case-insensitive
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100003")}));
    query.setLoadedValue(2, QStringLiteral("gg_name"), QStringLiteral("Ⓐ蓝ⅰ"));
    grid.setSearch(QStringLiteral("ⓐ蓝Ⅰ"), keyFields);  // symbols that have a case
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100003")}));
    grid.setSearch(QStringLiteral("ydx"), keyFields);  // a hidden column's field
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100001")}));
    grid.setSearch(QStringLiteral("   "), keyFields);
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_FALSE(grid.isFiltered());

    // The category code anywhere in the goods' code: 1100100 contains 1001.
    grid.setFilter({{QStringLiteral("gc_sn"), FilterOp::Like, QStringLiteral("1001")}});
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100002"), QStringLiteral("100003")}));
    // As a prefix the same code takes in only the codes that begin with it.
    grid.setFilter({{QStringLiteral("gc_sn"), FilterOp::Prefix, QStringLiteral("1001")}});
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100002")}));

    // AND of several values.
    grid.setFilter({{QStringLiteral("g_name"), FilterOp::Like, QStringLiteral("鞋")},
                    {QStringLiteral("gg_name"), FilterOp::Like, QStringLiteral("黑")}},
                   FilterJoin::And);
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100002")}));

    // Comparisons: numbers as numbers, yes/no columns as 1/0, NULL matches neither.
    grid.setFilter({{QStringLiteral("g_jy"), FilterOp::NotEqual, QStringLiteral("0")}});
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100002")}));
    grid.setFilter({{QStringLiteral("g_jj"), FilterOp::Equal, QStringLiteral("80.00")}});
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100002")}));
    grid.setFilter({{QStringLiteral("g_jj"), FilterOp::NotEqual, QStringLiteral("80")}});
    EXPECT_EQ(shownCodes(), QStringList({QStringLiteral("100001"), QStringLiteral("100003")}));
    EXPECT_EQ(query.currentRow(), 0);

    // A filter that hides the focused row moves the focus to the first row shown; the filter
    // lasts across a re-opening of the query.
    ASSERT_TRUE(grid.setCurrentRow(2));
    grid.setFilter({{QStringLiteral("g_sn"), FilterOp::Like, QStringLiteral("100004")},
                    {QStringLiteral("g_sn"), FilterOp::Like, QStringLiteral("100002")}});
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(query.currentRow(), 1);
    EXPECT_EQ(grid.shownRow(3), 1);
    EXPECT_EQ(grid.shownRow(2), -1);
    query.open();
    EXPECT_EQ(grid.rowCount(), 2);
    grid.setFilter({{QStringLiteral("g_sn"), FilterOp::Like, QStringLiteral("nothing")}});
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.currentRow(), -1);
    grid.clearFilter();
    EXPECT_EQ(grid.rowCount(), 4);
}

TEST_F(DataGridTest, TickColumnsWriteThroughTheWindow)
{
    QList<QPair<QString, QString>> writes;
    grid.column(QStringLiteral("g_jy"))->setWriter([&](int row, const QString& field, const QString& value) {
        writes.append({field, value});
        execSql(QStringLiteral("update jxc_goods set g_jy=? where id=?"),
                {{QString(), value.toInt()}, {QString(), query.value(row, QStringLiteral("id"))}});
    });
    // Space on the focused tick cell, as the user toggles it.
    grid.show();
    grid.view()->setCurrentIndex(cell(0, QStringLiteral("g_jy")));
    QTest::keyClick(grid.view()->viewport(), Qt::Key_Space);
    ASSERT_EQ(writes.size(), 1);
    EXPECT_EQ(writes[0].second, QStringLiteral("1"));
    EXPECT_EQ(selectValue(QStringLiteral("select g_jy from jxc_goods where id=1")), QStringLiteral("True"));
    EXPECT_EQ(query.value(0, QStringLiteral("g_jy")), QStringLiteral("True"));
    EXPECT_EQ(cell(0, QStringLiteral("g_jy")).data(Qt::CheckStateRole).toInt(), Qt::Checked);

    // A refused write leaves the cell and the database as they were.
    grid.column(QStringLiteral("g_jy"))->setWriter([](int, const QString&, const QString&) {
        throw DbError(QStringLiteral("database is locked"));
    });
    EXPECT_FALSE(model()->setData(cell(1, QStringLiteral("g_jy")), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(query.value(1, QStringLiteral("g_jy")), QStringLiteral("True"));
    EXPECT_EQ(MsgScript::last().text, QStringLiteral("database is locked"));

    // Without a writer a tick column is read-only.
    grid.column(QStringLiteral("g_jy"))->setWriter({});
    EXPECT_FALSE(model()->flags(cell(0, QStringLiteral("g_jy"))) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model()->setData(cell(0, QStringLiteral("g_jy")), Qt::Unchecked, Qt::CheckStateRole));
}

TEST_F(DataGridTest, LookupColumnShowsTextAndStoresTheCode)
{
    grid.addColumn(QStringLiteral("i_fieldid"), QStringLiteral("数据库的字段"))
        .setLookup(openSelect(QStringLiteral("select 'g_name' as f, '商品名称' as c union all select 'g_sn', '商品编号'")),
                   QStringLiteral("f"), QStringLiteral("c"))
        .setWriter(
            [&](int row, const QString& field, const QString& value) {
                execSql(QStringLiteral("update jxc_goods set i_fieldid=? where id=?"),
                        {{QString(), value}, {QString(), query.value(row, QStringLiteral("id"))}});
            },
            [&](int row) { return query.value(row, QStringLiteral("g_jy")) == QLatin1String("True"); });
    EXPECT_EQ(cell(0, QStringLiteral("i_fieldid")).data().toString(), QStringLiteral("商品名称"));
    EXPECT_EQ(cell(2, QStringLiteral("i_fieldid")).data().toString(), QStringLiteral("商品编号"));
    EXPECT_EQ(cell(3, QStringLiteral("i_fieldid")).data().toString(), QString());
    // Editable only on a ticked row.
    EXPECT_FALSE(model()->flags(cell(0, QStringLiteral("i_fieldid"))) & Qt::ItemIsEditable);
    const QModelIndex target = cell(1, QStringLiteral("i_fieldid"));
    ASSERT_TRUE(model()->flags(target) & Qt::ItemIsEditable);

    grid.show();
    grid.view()->setCurrentIndex(target);
    grid.view()->edit(target);
    auto* box = grid.view()->findChild<QComboBox*>(QStringLiteral("lookupEditor"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 2);
    box->setCurrentIndex(box->findText(QStringLiteral("商品编号")));
    QTest::keyClick(box, Qt::Key_Return);
    // The view commits an editor's data once its key is done.
    EXPECT_TRUE(QTest::qWaitFor([&] { return target.data().toString() == QStringLiteral("商品编号"); }, 2000));
    EXPECT_EQ(selectValue(QStringLiteral("select i_fieldid from jxc_goods where id=2")), QStringLiteral("g_sn"));
    EXPECT_EQ(target.data().toString(), QStringLiteral("商品编号"));
}

TEST_F(DataGridTest, AWriterThatReopensTheQueryIsNotOverwritten)
{
    grid.column(QStringLiteral("g_name"))->setWriter([&](int row, const QString&, const QString& value) {
        execSql(QStringLiteral("update jxc_goods set g_name=? where id=?"),
                {{QString(), value + QStringLiteral("(改)")}, {QString(), query.value(row, QStringLiteral("id"))}});
        query.refresh();
    });
    ASSERT_TRUE(model()->setData(cell(3, QStringLiteral("g_name")), QStringLiteral("拖鞋"), Qt::EditRole));
    EXPECT_EQ(query.value(3, QStringLiteral("g_name")), QStringLiteral("拖鞋(改)"));
    // The same text again writes nothing.
    EXPECT_FALSE(model()->setData(cell(3, QStringLiteral("g_name")), QStringLiteral("拖鞋(改)"), Qt::EditRole));
}

TEST_F(DataGridTest, LineNumbersCellColoursAndSelection)
{
    grid.setLineNumbers(true);
    EXPECT_TRUE(grid.view()->verticalHeader()->isVisibleTo(&grid));
    grid.setSearch(QStringLiteral("鞋"), {QStringLiteral("g_name")});
    EXPECT_EQ(model()->headerData(2, Qt::Vertical).toInt(), 3);  // numbered over the rows shown

    grid.setCellStyle([&](int row, const QString& field, CellStyle& style) {
        if (field == QLatin1String("g_kc") && query.value(row, field).toDouble() < 0) {
            style.text = Qt::red;
            style.bold = true;
        }
    });
    EXPECT_EQ(cell(1, QStringLiteral("g_kc")).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_TRUE(cell(1, QStringLiteral("g_kc")).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(cell(0, QStringLiteral("g_kc")).data(Qt::ForegroundRole).isValid());

    grid.setMultiSelect(true);
    QItemSelectionModel* sel = grid.view()->selectionModel();
    sel->select(cell(2, QStringLiteral("g_sn")), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    sel->select(cell(0, QStringLiteral("g_sn")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(grid.selectedRows(), QList<int>({0, 3}));

    // A double click hands over the query row.
    grid.resize(600, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    int clicked = -1;
    QObject::connect(&grid, &DataGrid::rowDoubleClicked, [&](int row) { clicked = row; });
    const QRect r = grid.view()->visualRect(cell(2, QStringLiteral("g_name")));
    QTest::mouseClick(grid.view()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(grid.view()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(clicked, 3);
}

TEST_F(DataGridTest, RowsShownGoToReportsAndExports)
{
    grid.setSearch(QStringLiteral("鞋"), {QStringLiteral("g_name")});
    const ResultSet shown = grid.shownResult();
    ASSERT_EQ(shown.rowCount(), 3);
    EXPECT_EQ(shown.text(2, QStringLiteral("g_sn")), QStringLiteral("100004"));
    EXPECT_EQ(shown.text(0, QStringLiteral("g_jm")), QStringLiteral("YDX"));  // hidden columns' fields too
    EXPECT_EQ(shown.columnCount(), query.result().columnCount());

    const QList<QVariantList> cells = grid.exportCells();
    ASSERT_EQ(cells.size(), 1 + 3 + 1);  // captions, rows, footer
    EXPECT_EQ(cells[0], QVariantList({QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("当前库存"),
                                      QStringLiteral("预设进价"), QStringLiteral("禁用")}));
    EXPECT_EQ(cells[1][0].typeId(), QMetaType::QString);  // codes stay text
    EXPECT_EQ(cells[1][0].toString(), QStringLiteral("100001"));
    EXPECT_EQ(cells[2][2].typeId(), QMetaType::Double);
    EXPECT_EQ(cells[2][2].toDouble(), -2.5);
    EXPECT_EQ(cells[1][3].toDouble(), 120.5);
    EXPECT_EQ(cells[3][3].toString(), QString());  // NULL
    EXPECT_EQ(cells[2][4].toString(), QStringLiteral("True"));
    EXPECT_EQ(cells[4][0].toString(), QStringLiteral("商品合计:"));
    EXPECT_EQ(cells[4][1].toString(), QStringLiteral("3"));

    const QList<QVariantList> all = grid.exportCells(true);
    ASSERT_EQ(all.size(), 1 + 4);
    EXPECT_EQ(all[3][1].toString(), QStringLiteral("Canvas Shoe"));
}

TEST(DataGridLarge, TenThousandRowsLoadFilterAndSum)
{
    TestDb db(false);
    execSql(QStringLiteral("create table t (id integer primary key, sn varchar(16), name varchar(64), qty money real)"));
    {
        Transaction tx;
        for (int i = 0; i < 10000; ++i)
            execSql(QStringLiteral("insert into t (sn,name,qty) values (?,?,?)"),
                    {{QString(), QString::number(100000 + i)}, {QString(), QStringLiteral("商品%1").arg(i)},
                     {QString(), 0.25}});
        tx.commit();
    }
    NamedQuery q(QStringLiteral("Q_T"), QStringLiteral("select * from t order by id"));
    DataGrid grid;
    grid.setQuery(&q);
    grid.addColumn(QStringLiteral("sn"), QStringLiteral("编号")).footerCount();
    grid.addColumn(QStringLiteral("name"), QStringLiteral("名称"));
    grid.addColumn(QStringLiteral("qty"), QStringLiteral("数量")).footerSum();
    grid.setLineNumbers(true);
    grid.resize(800, 600);
    grid.show();
    q.open();
    EXPECT_EQ(grid.rowCount(), 10000);
    EXPECT_EQ(grid.footerText(QStringLiteral("qty")), QStringLiteral("2500"));
    grid.setSearch(QStringLiteral("商品99"), {QStringLiteral("name")});
    EXPECT_EQ(grid.rowCount(), 111);  // 99, 990-999, 9900-9999
    EXPECT_EQ(grid.footerText(QStringLiteral("sn")), QStringLiteral("111"));
    grid.clearFilter();
    EXPECT_EQ(grid.shownResult().rowCount(), 10000);
}

}  // namespace
