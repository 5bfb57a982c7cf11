// Posts sales bills and deletes posted ones in a loop until it is killed: the victim of the
// deletion's reliability test. Usage: billdelete_loop <data folder> <seed>.
#include "accounts/billdelete.h"
#include "data/numbering.h"
#include "sales/spxsposting.h"
#include "support/postloop.h"

namespace {

void postSale(QRandomGenerator& rng, const postloop::Stock& stock)
{
    SpxsPosting bill;
    bill.date = QStringLiteral("2013-0%1-2%2").arg(4 + rng.bounded(2)).arg(rng.bounded(9));
    bill.djh = getMaxDjhByDate(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"), bill.date);
    discardLines(kSalesLines, bill.djh);  // lines left by a killed run under this number
    const int lineCount = 1 + int(rng.bounded(4));
    for (int l = 0; l < lineCount; ++l) {
        WorkingLine line = postloop::randomLine(rng, stock);
        writeLine(kSalesLines, bill.djh, line);
        bill.due += lineAmount(kSalesLines, line);
    }
    bill.khSn = postloop::pick(rng, stock.partners);
    bill.khName = QStringLiteral("客户");
    bill.ckSn = postloop::pick(rng, stock.warehouses);
    bill.ckName = QStringLiteral("仓库");
    bill.uSn = stock.handler;
    bill.uName = QStringLiteral("经办人");
    bill.received = Money::fromUnits(bill.due.units() * qint64(rng.bounded(3)) / 2);
    bill.mode = rng.bounded(2) ? SpxsMode::RestOwed : SpxsMode::PaidOnly;
    bill.account = QStringLiteral("现金");
    bill.op = operatorName;
    postSpxs(bill);
}

int postOne(QRandomGenerator& rng, const postloop::Stock& stock)
{
    postSale(rng, stock);
    const QStringList posted = postloop::column(QStringLiteral("select gl_djh from jxc_lsxsd order by id"));
    if (posted.size() > 2)
        deletePostedBill(PostedKind::Sale, postloop::pick(rng, posted), postloop::awkwardNote(rng));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    return postloop::run(argc, argv, QStringLiteral("select kh_sn from jxc_khxx order by id"), postOne);
}
