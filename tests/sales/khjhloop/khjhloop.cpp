// Posts loans, give-backs and conversions into sales in a loop until it is killed: the lending
// reliability test's victim. Usage: khjh_postloop <data folder> <seed>.
#include "data/clock.h"
#include "data/numbering.h"
#include "sales/khjhposting.h"
#include "support/postloop.h"

#include <QDate>

namespace {

QString randomDate(QRandomGenerator& rng)
{
    return QStringLiteral("2013-0%1-2%2").arg(4 + rng.bounded(2)).arg(rng.bounded(9));
}

int postOne(QRandomGenerator& rng, const postloop::Stock& stock)
{
    const ResultSet open = openSelect(QStringLiteral("select id from jxc_jhgl where jh_flag='j' and jh_sl<>0 "
                                                     "and ifnull(kh_sn,'')<>'' order by id"));
    const int kind = open.isEmpty() ? 0 : int(rng.bounded(3));
    if (kind == 0) {
        KhjhPosting loan;
        loan.date = randomDate(rng);
        loan.djh = getMaxDjhByDate(QStringLiteral("jxc_jhgl"), QStringLiteral("gl_djh"), QStringLiteral("JH"), loan.date);
        discardLines(kLendingLines, loan.djh);  // lines left by a killed run under this number
        const int lineCount = 1 + int(rng.bounded(3));
        for (int l = 0; l < lineCount; ++l)
            writeLine(kLendingLines, loan.djh, postloop::randomLine(rng, stock));
        markLoanLines(loan.djh);
        loan.khSn = postloop::pick(rng, stock.partners);
        loan.ckSn = postloop::pick(rng, stock.warehouses);
        loan.uSn = stock.handler;
        loan.note = postloop::awkwardNote(rng);
        loan.op = operatorName;
        postKhjh(loan);
        return 0;
    }
    const qint64 line = open.text(int(rng.bounded(quint32(open.rowCount()))), 0).toLongLong();
    if (kind == 1) {
        postKhjhGiveBack({.lineId = line, .uSn = stock.handler, .date = randomDate(rng), .note = postloop::awkwardNote(rng),
                          .op = operatorName});
        return 0;
    }
    postKhjhSale({.lineId = line,
                  .date = randomDate(rng),
                  .uSn = stock.handler,
                  .uName = QStringLiteral("经办人"),
                  .khName = QStringLiteral("客户'--"),
                  .ckName = QStringLiteral("仓库"),
                  .price = Money::fromUnits(10000 * (10 + rng.bounded(90))),
                  .paid = Money::fromUnits(10000 * rng.bounded(200)),
                  .mode = rng.bounded(2) ? SpxsMode::RestOwed : SpxsMode::PaidOnly,
                  .account = QStringLiteral("现金"),
                  .note = postloop::awkwardNote(rng),
                  .op = operatorName});
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    return postloop::run(argc, argv, QStringLiteral("select kh_sn from jxc_khxx order by id"), postOne);
}
