// A process that tops up 10,000 ticked members in one batch after another is killed at random
// moments: after each kill the database is sound and every batch is there whole or not at all.
#include "support/killtest.h"
#include "support/shop.h"

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

}  // namespace
