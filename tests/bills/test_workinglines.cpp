// Working lines of a bill: written with their own size and colour rows, replaced, deleted,
// moved to another number and discarded, each whole or not at all.
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

namespace {

class WorkingLines : public ::testing::Test {
protected:
    WorkingLines() { operatorName = QStringLiteral("张三"); }
    ~WorkingLines() override { operatorName.clear(); }

    static WorkingLine line(const char* goods, double price, QVector<SizeColorQty> rows)
    {
        return {.gSn = goods, .price = Money::fromDouble(price), .rows = std::move(rows), .quantity = {}};
    }
    static SizeColorQty sc(const char* size, const char* colour, double qty)
    {
        return {size, colour, Money::fromDouble(qty)};
    }
    // Lines of a number as "id|goods|price|qty|amount|operator", rows joined by " ".
    static QString lines(const QString& djh)
    {
        return join("select id,g_sn,jh_dj,jh_sl,jh_zje,a_name from jxc_jhsp where j_sn=? order by id", djh);
    }
    // Size and colour rows of a number as "tid|goods|size|colour|qty".
    static QString rows(const QString& djh)
    {
        return join("select tid,g_sn,cm_sn,color_sn,t_sl from jxc_jhspmx where gl_djh=? order by id", djh);
    }
    static QString join(const char* sql, const QString& djh)
    {
        const ResultSet rs = openSelect(QLatin1String(sql), {{QString(), djh}});
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            out << cells.join(u'|');
        }
        return out.join(u' ');
    }

    TestDb db;
};

TEST_F(WorkingLines, LinesInPickedOrderEachWithItsOwnRows)
{
    const qint64 a = writeLine(kReceiptLines, "CJ1", line("A", 10, {sc("39", "BK", 2), sc("40", "BK", 1)}));
    const qint64 b = writeLine(kReceiptLines, "CJ1", line("B", 2.5, {sc("39", "RD", 4), sc("41", "RD", 0)}));
    const qint64 c = writeLine(kReceiptLines, "CJ1",
                               {.gSn = "C", .price = Money::fromDouble(7), .rows = {}, .quantity = Money::fromDouble(1)});
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_EQ(lines("CJ1"), QStringLiteral("%1|A|10|3|30|张三 %2|B|2.5|4|10|张三 %3|C|7|1|7|张三").arg(a).arg(b).arg(c));
    // Rows of quantity 0 are not written; a plain line has none.
    EXPECT_EQ(rows("CJ1"), QStringLiteral("%1|A|39|BK|2 %1|A|40|BK|1 %2|B|39|RD|4").arg(a).arg(b));
    EXPECT_EQ(selectValue("select count(*) from jxc_jhsp where tid is not null"), "0");  // tid comes with the posting
}

TEST_F(WorkingLines, ReplaceAndDeleteTouchOnlyTheirLine)
{
    const qint64 a = writeLine(kReceiptLines, "CJ1", line("A", 10, {sc("39", "BK", 2)}));
    const qint64 b = writeLine(kReceiptLines, "CJ1", line("B", 5, {sc("39", "BK", 1)}));
    writeLine(kReceiptLines, "CJ2", line("A", 10, {sc("39", "BK", 9)}));

    replaceLine(kReceiptLines, a, line("ignored", 12, {sc("40", "WH", 1), sc("41", "WH", 2)}));
    EXPECT_EQ(lines("CJ1"), QStringLiteral("%1|A|12|3|36|张三 %2|B|5|1|5|张三").arg(a).arg(b));
    EXPECT_EQ(rows("CJ1"), QStringLiteral("%2|B|39|BK|1 %1|A|40|WH|1 %1|A|41|WH|2").arg(a).arg(b));

    deleteLine(kReceiptLines, a);
    EXPECT_EQ(lines("CJ1"), QStringLiteral("%1|B|5|1|5|张三").arg(b));
    EXPECT_EQ(rows("CJ1"), QStringLiteral("%1|B|39|BK|1").arg(b));
    EXPECT_EQ(rows("CJ2").count(u'|'), 4);  // the other bill keeps its rows

    replaceLine(kReceiptLines, a, line("A", 1, {sc("39", "BK", 1)}));  // gone: nothing written
    EXPECT_EQ(rows("CJ1"), QStringLiteral("%1|B|39|BK|1").arg(b));
}

TEST_F(WorkingLines, DateMoveTakesEveryLineAndNoStrayOne)
{
    const qint64 a = writeLine(kReceiptLines, "CJ1", line("A", 10, {sc("39", "BK", 2)}));
    const qint64 b = writeLine(kReceiptLines, "CJ1", line("B", 5, {sc("39", "BK", 1), sc("40", "BK", 1)}));
    writeLine(kReceiptLines, "CJ9", line("STRAY", 1, {sc("39", "BK", 5)}));  // left by an earlier run
    writeLine(kReceiptLines, "CJ5", line("OTHER", 1, {sc("39", "BK", 5)}));

    moveLines(kReceiptLines, "CJ1", "CJ9");
    EXPECT_EQ(lines("CJ1"), "");
    EXPECT_EQ(rows("CJ1"), "");
    EXPECT_EQ(lines("CJ9"), QStringLiteral("%1|A|10|2|20|张三 %2|B|5|2|10|张三").arg(a).arg(b));
    EXPECT_EQ(rows("CJ9"), QStringLiteral("%1|A|39|BK|2 %2|B|39|BK|1 %2|B|40|BK|1").arg(a).arg(b));
    EXPECT_NE(lines("CJ5"), "");

    moveLines(kReceiptLines, "CJ9", "CJ9");  // the same day's number: nothing lost
    EXPECT_EQ(rows("CJ9").count(u' '), 2);

    discardLines(kReceiptLines, "CJ9");
    EXPECT_EQ(lines("CJ9") + rows("CJ9"), "");
    EXPECT_NE(rows("CJ5"), "");
}

TEST_F(WorkingLines, AFailingWriteLeavesNothing)
{
    execSql("create temp trigger refuse before insert on jxc_jhspmx when new.cm_sn='BAD' "
            "begin select raise(abort,'refused'); end");
    EXPECT_THROW(writeLine(kReceiptLines, "CJ1", line("A", 10, {sc("39", "BK", 2), sc("BAD", "BK", 1)})), DbError);
    EXPECT_EQ(lines("CJ1") + rows("CJ1"), "");

    const qint64 a = writeLine(kReceiptLines, "CJ1", line("A", 10, {sc("39", "BK", 2)}));
    EXPECT_THROW(replaceLine(kReceiptLines, a, line("A", 3, {sc("BAD", "BK", 1)})), DbError);
    EXPECT_EQ(lines("CJ1"), QStringLiteral("%1|A|10|2|20|张三").arg(a));
    EXPECT_EQ(rows("CJ1"), QStringLiteral("%1|A|39|BK|2").arg(a));

    writeLine(kReceiptLines, "CJ2", line("B", 1, {sc("39", "BK", 1)}));
    execSql("create temp trigger refuse_move before update on jxc_jhspmx begin select raise(abort,'refused'); end");
    EXPECT_THROW(moveLines(kReceiptLines, "CJ1", "CJ2"), DbError);
    EXPECT_NE(lines("CJ1"), "");
    EXPECT_NE(lines("CJ2"), "");  // the stray lines are deleted only together with the move
}

TEST_F(WorkingLines, ScratchRowsLikeLines)
{
    const qint64 a = writeScratchRow(line("A", 10, {sc("39", "BK", 2), sc("40", "BK", 0)}));
    const qint64 b = writeScratchRow({.gSn = "B", .price = Money::fromDouble(4), .rows = {}, .quantity = Money::fromDouble(3)});
    EXPECT_LT(a, b);
    const auto scratch = [] {
        return join("select id,g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,a_name from jxc_tempspxf where ?='' order by id", "") + " / " +
               join("select tid,g_sn,cm_sn,color_sn,t_sl,a_name from jxc_tempspxfmx where ?='' order by id", "");
    };
    EXPECT_EQ(scratch(), QStringLiteral("%1|A|10|2|20|1|张三 %2|B|4|3|12|1|张三 / %1|A|39|BK|2|张三").arg(a).arg(b));

    replaceScratchRow(a, line("ignored", 5, {sc("41", "WH", 1), sc("42", "WH", 1)}));
    replaceScratchRow(a + b + 1, line("X", 1, {sc("39", "BK", 1)}));  // unknown row: nothing written
    EXPECT_EQ(scratch(), QStringLiteral("%1|A|5|2|10|1|张三 %2|B|4|3|12|1|张三 / %1|A|41|WH|1|张三 %1|A|42|WH|1|张三")
                             .arg(a)
                             .arg(b));

    execSql("create temp trigger refuse before insert on jxc_tempspxfmx when new.cm_sn='BAD' "
            "begin select raise(abort,'refused'); end");
    EXPECT_THROW(replaceScratchRow(a, line("A", 9, {sc("BAD", "BK", 1)})), DbError);
    EXPECT_THROW(writeScratchRow(line("C", 9, {sc("BAD", "BK", 1)})), DbError);
    EXPECT_EQ(scratch(), QStringLiteral("%1|A|5|2|10|1|张三 %2|B|4|3|12|1|张三 / %1|A|41|WH|1|张三 %1|A|42|WH|1|张三")
                             .arg(a)
                             .arg(b));
}

// The scratch list of a picker becomes lines: in ascending scratch ids, each line with exactly
// the rows of its own scratch row, serial numbers copied; the scratch tables are emptied.
TEST_F(WorkingLines, TransferMakesEachScratchRowALineWithItsOwnRows)
{
    const qint64 dropped = writeScratchRow(line("X", 1, {sc("39", "BK", 9)}));
    const qint64 a = writeScratchRow(line("A", 10, {sc("39", "BK", 2), sc("40", "WH", 1)}));
    deleteScratchRow(dropped);  // a gap in the scratch ids
    const qint64 b = writeScratchRow(line("B", 2.5, {sc("41", "RD", 4)}));
    writeScratchRow({.gSn = "C", .price = Money::fromDouble(7), .rows = {}, .quantity = Money::fromDouble(1)});
    execSql("update jxc_tempspxf set g_xlh='SN-1' where id=?", {{QString(), a}});
    EXPECT_EQ(join("select tid,g_sn from jxc_tempspxfmx where ?='' order by id", ""),
              QStringLiteral("%1|A %1|A %2|B").arg(a).arg(b));  // the lines' rows below come from here
    const qint64 earlier = writeLine(kReceiptLines, "CJ1", line("E", 1, {sc("39", "BK", 1)}));
    operatorName = QStringLiteral("李四");  // left behind by another operator: not on this bill
    writeScratchRow(line("L", 1, {sc("39", "BK", 1)}));
    operatorName = QStringLiteral("张三");

    const QVector<qint64> ids = transferScratch(kReceiptScratch, "CJ1");
    ASSERT_EQ(ids.size(), 3);
    EXPECT_TRUE(earlier < ids[0] && ids[0] < ids[1] && ids[1] < ids[2]);
    EXPECT_EQ(lines("CJ1"), QStringLiteral("%1|E|1|1|1|张三 %2|A|10|3|30|张三 %3|B|2.5|4|10|张三 %4|C|7|1|7|张三")
                                .arg(earlier)
                                .arg(ids[0])
                                .arg(ids[1])
                                .arg(ids[2]));
    EXPECT_EQ(rows("CJ1"), QStringLiteral("%1|E|39|BK|1 %2|A|39|BK|2 %2|A|40|WH|1 %3|B|41|RD|4")
                               .arg(earlier)
                               .arg(ids[0])
                               .arg(ids[1]));
    EXPECT_EQ(join("select g_xlh from jxc_jhsp where j_sn=? order by id", "CJ1"), " SN-1  ");
    EXPECT_EQ(selectValue("select count(*) from jxc_tempspxf") + selectValue("select count(*) from jxc_tempspxfmx"), "00");

    EXPECT_TRUE(transferScratch(kReceiptScratch, "CJ1").isEmpty());  // an empty list adds nothing
    EXPECT_EQ(lines("CJ1").count(u' '), 3);
}

// A bill kind whose lines carry their own id as tid and constants in further columns.
TEST_F(WorkingLines, TransferIntoPendingLinesSetsTheirTid)
{
    static constexpr BillLineTables kPending{"jxc_shsp", "jxc_shspmx", "gl_djh", "sh_sl", "sh_dj", "sh_zje"};
    const ScratchTransfer pending{&kPending, {{"sh_dzl", "0"}, {"sh_zhje", "0"}}, true};
    writeScratchRow(line("A", 10, {sc("39", "BK", 2)}));
    writeScratchRow(line("B", 3, {sc("40", "BK", 1)}));
    const QVector<qint64> ids = transferScratch(pending, "SH1");
    ASSERT_EQ(ids.size(), 2);
    EXPECT_EQ(join("select id,tid,g_sn,sh_sl,sh_zje,sh_dzl,sh_zhje from jxc_shsp where gl_djh=? order by id", "SH1"),
              QStringLiteral("%1|%1|A|2|20|0|0 %2|%2|B|1|3|0|0").arg(ids[0]).arg(ids[1]));
    EXPECT_EQ(join("select tid,g_sn,t_sl from jxc_shspmx where gl_djh=? order by id", "SH1"),
              QStringLiteral("%1|A|2 %2|B|1").arg(ids[0]).arg(ids[1]));
}

TEST_F(WorkingLines, TransferFailingAtItsLastStatementLeavesEverythingAsItWas)
{
    const qint64 a = writeScratchRow(line("A", 10, {sc("39", "BK", 2)}));
    execSql("create temp trigger refuse before delete on jxc_tempspxfmx begin select raise(abort,'refused'); end");
    EXPECT_THROW(transferScratch(kReceiptScratch, "CJ1"), DbError);
    EXPECT_EQ(lines("CJ1") + rows("CJ1"), "");
    EXPECT_EQ(join("select id from jxc_tempspxf where ?='' union all select tid from jxc_tempspxfmx", ""),
              QStringLiteral("%1 %1").arg(a));
}

TEST_F(WorkingLines, DeletingAScratchRowTakesOnlyItsRows)
{
    const qint64 a = writeScratchRow(line("A", 10, {sc("39", "BK", 2), sc("40", "BK", 1)}));
    const qint64 b = writeScratchRow(line("B", 1, {sc("39", "BK", 5)}));
    deleteScratchRow(a);
    EXPECT_EQ(join("select id from jxc_tempspxf where ?='' union all select tid||'/'||cast(t_sl as integer) from jxc_tempspxfmx", ""),
              QStringLiteral("%1 %1/5").arg(b));
}

}  // namespace
