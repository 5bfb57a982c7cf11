// Processes that top up 10,000 ticked members in one batch after another, or import 10,000
// members from a workbook again and again, are killed at random moments: after each kill the
// database is sound and every batch or import is there whole or not at all.
#include "platform/xlswriter.h"
#include "support/killtest.h"
#include "support/shop.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kTicked = 10000;

// Clones the enrolled member `hySn` as `count` further ticked members with cards K1, K2, ….
void cloneTickedMembers(const QString& hySn, int count)
{
    const ResultSet info = openSelect(QStringLiteral("pragma table_info(jxc_hyxx)"));
    QStringList copied;
    for (int r = 0; r < info.rowCount(); ++r) {
        const QString col = info.text(r, QStringLiteral("name"));
        if (col != u"id" && col != u"hy_sn" && col != u"hy_bh" && col != u"hy_chk")
            copied << col;
    }
    const QString cols = copied.join(u',');
    Transaction tx;
    execSql(QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<?) "
                           "insert into jxc_hyxx (hy_sn,hy_bh,hy_chk,%1) select cast(%2+i as text),'K'||i,1,%1 "
                           "from n,jxc_hyxx m where m.hy_sn=?")
                .arg(cols, hySn),
            {{QString(), count}, {QString(), hySn}});
    tx.commit();
}

void expectWholeBatchesOnly()
{
    EXPECT_EQ(rows("pragma integrity_check"), "ok");
    // Every batch tops up all ticked members: one history row and one journal row each.
    EXPECT_EQ(rows("select count(*) from (select xf_rq from jxc_hyxf group by xf_rq having count(*)%10000<>0)"), "0");
    EXPECT_EQ(rows("select count(*)%10000,count(*)/10000 from jxc_hyxf"), rows("select count(*)%10000,count(*)/10000 from jxc_xjyh"));
    EXPECT_EQ(rows("select count(*) from jxc_hyxx where hy_chk<>0 and "
                   "(select count(*) from jxc_hyxf f where f.hy_sn=jxc_hyxx.hy_sn)<>(select count(*) from jxc_hyxf)/10000"),
              "0");
    // Balances are the credits of the history, the cash account the journal.
    EXPECT_EQ(rows("select count(*) from jxc_hyxx m where m.hy_zhje<>"
                   "(select ifnull(sum(xf_je+xf_yhje),0) from jxc_hyxf f where f.hy_sn=m.hy_sn)"),
              "0");
    EXPECT_EQ(rows("select yh_zje from jxc_yhzh where yh_name='现金'"), rows("select ifnull(sum(xj_je),0) from jxc_xjyh"));
}

TEST(MemberReliability, KilledBatchTopUpsAreWholeOrAbsent)
{
    Shop shop;
    shop.goods("凉鞋", {"39"}, {"黑色"});
    const QString first = shop.member(QStringLiteral("K0"), QStringLiteral("会员'--"));
    setMemberTick(first, true);
    cloneTickedMembers(first, kTicked - 1);
    ASSERT_EQ(selectValue("select count(*) from jxc_hyxx where hy_chk<>0").toInt(), kTicked);
    const QString dataDir = QFileInfo(shop.db().path()).absolutePath();
    killRepeatedly(QStringLiteral(JXC_HYXF_POSTLOOP), dataDir, expectWholeBatchesOnly);
}

// The victim's workbook "会员.xls" in `dir`: `count` members with quotes, "--" and characters
// outside GBK in their names and addresses; no password column, so that the run is spent on the
// rows rather than on hashing.
void writeImportWorkbook(const QString& dir, int count)
{
    XlsWorkbook book;
    XlsSheet& sheet = book.addSheet(QStringLiteral("会员"));
    const QStringList headings = {QStringLiteral("会员姓名"), QStringLiteral("性别"), QStringLiteral("出生日期"),
                                  QStringLiteral("移动电话"), QStringLiteral("联系地址")};
    for (int c = 0; c < headings.size(); ++c)
        sheet.setText(0, c, headings.at(c));
    for (int r = 1; r <= count; ++r) {
        sheet.setText(r, 0, QStringLiteral("会员'--😀%1").arg(r));
        sheet.setText(r, 1, r % 2 ? QStringLiteral("男") : QStringLiteral("女"));
        sheet.setText(r, 2, QStringLiteral("1980-%1-%2").arg(1 + r % 12, 2, 10, QChar(u'0')).arg(1 + r % 28, 2, 10, QChar(u'0')));
        sheet.setText(r, 3, QStringLiteral("138%1").arg(r, 8, 10, QChar(u'0')));
        sheet.setText(r, 4, QStringLiteral("北京\"路\" %1号").arg(r));
    }
    book.save(QDir(dir).filePath(QStringLiteral("会员.xls")));
}

void expectWholeImportsOnly()
{
    EXPECT_EQ(rows("pragma integrity_check"), "ok");
    // Apart from the built-in member and the fixture's one, members come in whole imports, each
    // with its own run of consecutive cards.
    EXPECT_EQ(rows("select count(*)%10000 from jxc_hyxx where hy_sn not in ('100001','100002')"), "0");
    EXPECT_EQ(rows("select count(distinct hy_bh)=count(*),count(distinct hy_sn)=count(*) from jxc_hyxx"), "1|1");
    EXPECT_EQ(rows("select count(*) from jxc_hyxx where hy_sn not in ('100001','100002') and "
                   "(cast(substr(hy_bh,3) as integer)-100002)%10000<>(cast(substr(hy_name,7) as integer)-1)"),
              "0");
}

TEST(MemberReliability, KilledImportsAreWholeOrAbsent)
{
    Shop shop;
    shop.goods("凉鞋", {"39"}, {"黑色"});
    ASSERT_EQ(shop.member(QStringLiteral("HY100001"), QStringLiteral("老会员")), QStringLiteral("100002"));
    const QString dataDir = QFileInfo(shop.db().path()).absolutePath();
    writeImportWorkbook(dataDir, kTicked);
    // One import takes seconds: kills spread over ten land inside imports and between them.
    killRepeatedly(QStringLiteral(JXC_HYIMPORT_POSTLOOP), dataDir, expectWholeImportsOnly, 10000);
}

}  // namespace
