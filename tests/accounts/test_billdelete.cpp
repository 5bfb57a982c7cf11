// Deleting a posted bill: post, delete, compare every table the posting writes; the reason and
// the log line; the payment rows of older databases; the dialog.
#include "accounts/billdelete.h"
#include "accounts/wlzwghs_dele.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/msgbox.h"
#include "support/shop.h"
#include "shell/tips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString rowsOf(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u'\n');
}

// Every row of the tables a posting writes, without the columns a deletion leaves alone.
QString books(const QStringList& alsoLeftAlone = {})
{
    static const char* const kTables[] = {
        "jxc_jhd",   "jxc_jhsp",   "jxc_jhspmx",   "jxc_thd",     "jxc_thsp",  "jxc_thspmx",   "jxc_lsxsd",
        "jxc_lsxssp", "jxc_lsxsspmx", "jxc_xsthd", "jxc_xsthsp", "jxc_xsthspmx", "jxc_xjyh",   "jxc_yhzh",
        "jxc_ysyfk", "jxc_ghsxx",  "jxc_khxx",     "jxc_tempyyfx", "jxc_kcjs", "jxc_goodslist", "jxc_goodslistmx",
        "jxc_kcsp",  "jxc_goods",  "jxc_tkc",      "jxc_ghsfk",   "jxc_khfk",  "jxc_user"};
    QStringList leftAlone{"kc_cbj", "g_pjjj", "g_scjj", "ghs_sn@jxc_goods", "ghs_pl", "kh_pl", "u_cgpl", "u_xspl"};
    leftAlone += alsoLeftAlone;
    QString all;
    for (const char* table : kTables) {
        const QString t = QLatin1String(table);
        QStringList columns;
        const ResultSet info = openSelect(QStringLiteral("pragma table_info(%1)").arg(t));
        for (int r = 0; r < info.rowCount(); ++r) {
            const QString c = info.text(r, QStringLiteral("name"));
            if (!leftAlone.contains(c) && !leftAlone.contains(c + u'@' + t))
                columns << c;
        }
        all += t + u'\n' + rowsOf(QStringLiteral("select %1 from %2 order by id").arg(columns.join(u','), t)) + u'\n';
    }
    return all;
}

QString dailyMovementSums()
{
    return rowsOf(QStringLiteral("select g_sn,sum(t_cg),sum(t_ct),sum(t_cj),sum(t_xs),sum(t_xt),sum(t_xj) "
                                 "from jxc_tempspbd group by g_sn order by g_sn"));
}

QString lastLog() { return selectValue(QStringLiteral("select log_note from jxc_log order by id desc limit 1")); }
int logCount() { return selectValue(QStringLiteral("select count(*) from jxc_log")).toInt(); }

// A shop with stock, size-colour stock, day and month rows on 2013-05-20, goods whose preset
// purchase price differs from their average one, and later ledger rows of both partners.
class BillDelete : public ::testing::Test {
public:
    BillDelete()
    {
        sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39"), QStringLiteral("40")},
                            {QStringLiteral("黑色"), QStringLiteral("白色")}, 25);
        boot = shop.goods(QStringLiteral("靴子"), {QStringLiteral("38")}, {QStringLiteral("红色")}, 50);
        shop.receipt()
            .date(QStringLiteral("2013-05-20"))
            .line(sandal, 30, {{"39", "黑色", 6}, {"40", "白色", 6}})
            .line(boot, 60, {{"38", "红色", 5}})
            .paid(200)
            .post();
        shop.sale().date(QStringLiteral("2013-05-20")).line(sandal, 90, {{"40", "白色", 1}}).received(90).post();
        // Later rows of both partners, whose running balances the bill moves.
        shop.receipt().date(QStringLiteral("2013-05-25")).line(sandal, 41, {{"39", "黑色", 2}}).paid(0).post();
        shop.sale().date(QStringLiteral("2013-05-25")).line(boot, 120, {{"38", "红色", 1}}).received(20).post();
    }

    Shop shop;
    QString sandal;
    QString boot;
};

struct DeleteCase {
    const char* name;
    PostedKind kind;
    std::function<QString(BillDelete&)> post;
    QStringList leftAlone;  // the counters a return's posting raised
    const char* logPrefix;
};

void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }

class BillDeleteCases : public BillDelete, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(BillDeleteCases, TakesBackEveryEffectOfThePosting)
{
    const DeleteCase& c = GetParam();
    const QString before = books(c.leftAlone);
    const QString movementBefore = dailyMovementSums();
    const int countersBefore = selectValue(QStringLiteral("select count(*) from jxc_tempspbd")).toInt();

    const QString djh = c.post(*this);
    ASSERT_NE(books(c.leftAlone), before);
    const int postedMovement = selectValue(QStringLiteral("select count(*) from jxc_tempspbd")).toInt() - countersBefore;

    deletePostedBill(c.kind, djh, QStringLiteral("  录错了  "));
    EXPECT_EQ(books(c.leftAlone), before);
    EXPECT_EQ(dailyMovementSums(), movementBefore);
    // One counter-row per row the posting wrote, dated the day of the deletion.
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tempspbd where t_rq='2013-05-28' and "
                                         "(t_cg<0 or t_ct<0 or t_xs<0 or t_xt<0)"))
                  .toInt(),
              postedMovement);
    EXPECT_EQ(lastLog(), QString::fromUtf8(c.logPrefix) + djh + QStringLiteral(",删除原因为：录错了"));
}

const DeleteCase kCases[] = {
    {"Receipt", PostedKind::Receipt,
     [](BillDelete& t) {
         return t.shop.receipt()
             .date(QStringLiteral("2013-05-20"))
             .line(t.sandal, 35, {{"39", "黑色", 2}, {"40", "白色", 1}})
             .line(t.boot, 55, {{"38", "红色", 3}})
             .mode(CgjhMode::RestOwed)
             .paid(70)
             .post();
     },
     {}, "删除进货单"},
    {"ReceiptSettledByPayment", PostedKind::Receipt,
     [](BillDelete& t) {
         return t.shop.receipt().date(QStringLiteral("2013-05-20")).line(t.sandal, 35, {{"39", "黑色", 4}}).paid(100).post();
     },
     {}, "删除进货单"},
    {"PurchaseReturn", PostedKind::PurchaseReturn,
     [](BillDelete& t) {
         return t.shop.purchaseReturn()
             .date(QStringLiteral("2013-05-20"))
             .line(t.sandal, 30, {{"39", "黑色", 1}, {"40", "白色", 2}})
             .line(t.boot, 60, {{"38", "红色", 2}})
             .received(40)
             .post();
     },
     {"g_cgpl"}, "删除退货单"},
    {"Sale", PostedKind::Sale,
     [](BillDelete& t) {
         return t.shop.sale()
             .date(QStringLiteral("2013-05-20"))
             .line(t.sandal, 90, {{"39", "黑色", 1}, {"40", "白色", 2}}, 0.9)
             .line(t.boot, 150, {{"38", "红色", 1}})
             .mode(SpxsMode::RestOwed)
             .received(100)
             .post();
     },
     {}, "删除零售销售单"},
    {"SaleSettledByPayment", PostedKind::Sale,
     [](BillDelete& t) {
         return t.shop.sale().date(QStringLiteral("2013-05-20")).line(t.boot, 150, {{"38", "红色", 2}}).received(250).post();
     },
     {}, "删除零售销售单"},
    {"CustomerReturn", PostedKind::CustomerReturn,
     [](BillDelete& t) {
         return t.shop.customerReturn()
             .date(QStringLiteral("2013-05-20"))
             .line(t.sandal, 90, {{"40", "白色", 1}}, 0.9)
             .line(t.boot, 150, {{"38", "红色", 1}})
             .refund(60)
             .post();
     },
     {"g_xspl"}, "删除销售退货单"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, BillDeleteCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST_F(BillDelete, RefusalsWriteNothing)
{
    const QString sale = shop.sale().line(sandal, 90, {{"39", "黑色", 1}}).received(30).post();
    const QString before = books();
    const int logs = logCount();
    struct Refusal {
        PostedKind kind;
        QString djh;
        QString reason;
        QString message;
    };
    const Refusal refusals[] = {
        {PostedKind::Sale, sale, QString(), QStringLiteral("删除原因不能为空！")},
        {PostedKind::Sale, sale, QStringLiteral(" \n\t "), QStringLiteral("删除原因不能为空！")},
        {PostedKind::Sale, QStringLiteral("XS13052899999"), QStringLiteral("重复"),
         QStringLiteral("单据XS13052899999不存在，可能已经删除！")},
        {PostedKind::CustomerReceipt, QStringLiteral("KF13052899999"), QStringLiteral("重复"),
         QStringLiteral("单据KF13052899999不存在，可能已经删除！")},
    };
    for (const Refusal& r : refusals) {
        try {
            deletePostedBill(r.kind, r.djh, r.reason);
            ADD_FAILURE() << r.djh.toStdString() << " deleted";
        } catch (const DbError& e) {
            EXPECT_EQ(e.message(), r.message);
        }
    }
    // A failure half-way rolls back everything, the log line included.
    execSql(QStringLiteral("create temp trigger stop_ledger before delete on jxc_ysyfk begin select raise(abort,'stopped'); end"));
    EXPECT_THROW(deletePostedBill(PostedKind::Sale, sale, QStringLiteral("原因")), DbError);
    execSql(QStringLiteral("drop trigger stop_ledger"));
    EXPECT_EQ(books(), before);
    EXPECT_EQ(logCount(), logs);
}

// Payment and receipt rows are written by no window of this version; older databases hold them.
TEST_F(BillDelete, PaymentRowsOfOlderDatabases)
{
    const QString sale = shop.sale().line(sandal, 90, {{"39", "黑色", 1}}).received(30).post();
    execSql(QStringLiteral("insert into jxc_khfk (kf_sn,kf_fkrq,kf_fkfs,kf_fkje,kf_je,gl_djh,kh_sn) values "
                           "('KF1305280001','2013-05-28','现金',50,80,?,'100001')"),
            {{QString(), sale}});
    execSql(QStringLiteral("insert into jxc_ghsfk (gf_sn,gf_fkrq,gf_fkje,gf_je,gl_djh,ghs_sn) values "
                           "('GF1305280001','2013-05-28',-500,0,'','100001')"));
    // Two cash rows of the receipt: each moves its own account back.
    execSql(QStringLiteral("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_kmmc) values "
                           "('2013-05-28','KF1305280001','收款',50,'现金'),('2013-05-28','KF1305280001','收款',7,'工行帐号')"));
    const auto value = [](const char* sql) { return selectValue(QString::fromUtf8(sql)); };
    const QString cash = value("select yh_zje from jxc_yhzh where yh_name='现金'");
    const QString bank = value("select yh_zje from jxc_yhzh where yh_name='工行帐号'");
    const Money kh = Money::fromText(value("select kh_lwje from jxc_khxx where kh_sn='100001'"));
    const Money ghs = Money::fromText(value("select ghs_lwje from jxc_ghsxx where ghs_sn='100001'"));

    deletePostedBill(PostedKind::CustomerReceipt, QStringLiteral("KF1305280001"), QStringLiteral("重复收款"));
    EXPECT_EQ(Money::fromText(value("select kh_lwje from jxc_khxx where kh_sn='100001'")), kh + Money::fromDouble(80));
    EXPECT_EQ(rowsOf(QStringLiteral("select ls_sfje,ls_note from jxc_lsxsd where gl_djh='%1'").arg(sale)),
              "0|2013-05-28删除付款单共计30元");
    EXPECT_EQ(Money::fromText(value("select yh_zje from jxc_yhzh where yh_name='现金'")),
              Money::fromText(cash) - Money::fromDouble(50));
    EXPECT_EQ(Money::fromText(value("select yh_zje from jxc_yhzh where yh_name='工行帐号'")),
              Money::fromText(bank) - Money::fromDouble(7));
    EXPECT_EQ(value("select count(*) from jxc_xjyh where gl_djh='KF1305280001'"), "0");
    EXPECT_EQ(value("select count(*) from jxc_khfk"), "0");
    EXPECT_EQ(lastLog(), "删除收款单KF1305280001,删除原因为：重复收款");

    // An opening payable row: the supplier's balance rises by the opening amount.
    deletePostedBill(PostedKind::SupplierPayment, QStringLiteral("GF1305280001"), QStringLiteral("期初错"));
    EXPECT_EQ(Money::fromText(value("select ghs_lwje from jxc_ghsxx where ghs_sn='100001'")), ghs + Money::fromDouble(500));
    EXPECT_EQ(value("select count(*) from jxc_ghsfk"), "0");
}

class BillDeleteDialog : public BillDelete {
protected:
    BillDeleteDialog() { MsgScript::reset(); }
    ~BillDeleteDialog() override { MsgScript::reset(); }
};

TEST_F(BillDeleteDialog, BlankReasonErrorThenDeletion)
{
    const QString sale = shop.sale().line(sandal, 90, {{"39", "黑色", 1}}).received(30).post();
    const int logs = logCount();
    int refreshed = 0;
    // 250 characters typed: the box keeps 200, the log keeps them all after its prefix.
    const QString reason = QStringLiteral("客户'退单") + QString(245, QChar(u'错'));
    TF_Form::scriptNextOpening(QStringLiteral("TF_Wlzwkh_Dele"), [&](TF_Form* f) {
        auto* d = static_cast<TF_WlzwGhs_Dele*>(f);
        EXPECT_EQ(d->lTitle->text(), "即将删除零售销售单：");
        EXPECT_EQ(d->ldjh->text(), sale);
        EXPECT_EQ(d->lghs->text(), "普通客户");
        d->tnote->setPlainText(QStringLiteral("   "));
        d->btnOK->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(logCount(), logs);

        // A database error: the standard error box, everything rolled back, the dialog stays.
        execSql(QStringLiteral("create temp trigger stop_ledger before delete on jxc_ysyfk begin select raise(abort,'stopped'); end"));
        d->tnote->setPlainText(reason);
        EXPECT_EQ(d->tnote->toPlainText().size(), 200);
        d->btnOK->click();
        execSql(QStringLiteral("drop trigger stop_ledger"));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(logCount(), logs);
        EXPECT_EQ(refreshed, 0);

        d->btnOK->click();
        EXPECT_FALSE(d->isVisible());
    });
    showBillDeleteDialog({.djh = sale, .partnerSn = QStringLiteral("100001"), .partnerName = QStringLiteral("普通客户"),
                          .owed = QStringLiteral("90"), .paid = QStringLiteral("30")},
                         [&] {
                             ++refreshed;
                             EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_lsxsd where gl_djh=?"), {{QString(), sale}}),
                                       "0");
                         });
    EXPECT_EQ(curKhSn, "100001");
    EXPECT_EQ(refreshed, 1);
    ASSERT_EQ(MsgScript::texts().size(), 2);
    EXPECT_EQ(MsgScript::texts().at(0), "删除原因不能为空！");
    EXPECT_TRUE(MsgScript::texts().at(1).contains(QStringLiteral("stopped")));
    EXPECT_EQ(lastLog(), QStringLiteral("删除零售销售单") + sale + QStringLiteral(",删除原因为：客户‘退单") +
                             QString(195, QChar(u'错')));
    ASSERT_NE(F_Tips, nullptr);
    EXPECT_EQ(F_Tips->tipMsg, "信息删除成功！");
}

}  // namespace
