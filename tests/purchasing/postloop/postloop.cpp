// Posts purchase receipts in a loop until it is killed: the reliability test's victim. A third
// of the bills are held and audited, a third held only; now and then a whole receipt is
// returned instead, the return's note being the number of its receipt.
// Usage: cgjh_postloop <data folder> <seed>.
#include "data/numbering.h"
#include "purchasing/cgjhpending.h"
#include "purchasing/cgjhposting.h"
#include "purchasing/cgthposting.h"
#include "support/postloop.h"

namespace {

// Returns a whole receipt chosen at random: 0 when returned, -1 when none is left to return, 3
// when its copy fails.
int returnReceipt(const QString& date, const QString& handler)
{
    const QString toReturn =
        selectValue(QStringLiteral("select j_sn from jxc_jhd where j_th=0 order by random() limit 1"));
    if (toReturn.isEmpty())
        return -1;
    CgthPosting back;
    back.date = date;
    back.djh = getMaxDjhByDate(QStringLiteral("jxc_thd"), QStringLiteral("gl_djh"), QStringLiteral("CT"), back.date);
    discardLines(kReturnLines, back.djh);
    const ReturnCopy copy = copyWholeReceipt(toReturn, back.djh);
    if (!copy.header)
        return 3;
    back.ghsSn = copy.header->ghsSn;
    back.ghsName = copy.header->ghsName;
    back.ckSn = selectValue(QStringLiteral("select ck_sn from jxc_jhd where j_sn=?"), {{QString(), toReturn}});
    back.ckName = copy.header->ckName;
    back.uSn = handler;
    back.due = copy.header->payable;
    back.received = copy.header->paid;
    back.account = QStringLiteral("现金");
    back.note = toReturn;
    back.op = operatorName;
    back.receipt = toReturn;
    postCgth(back);
    return 0;
}

int postOne(QRandomGenerator& rng, const postloop::Stock& stock)
{
    CgjhPosting bill;
    bill.date = QStringLiteral("2013-05-%1").arg(20 + rng.bounded(9));
    if (rng.bounded(3) == 0) {
        if (const int rc = returnReceipt(bill.date, stock.handler); rc >= 0)
            return rc;
    }
    bill.djh = getMaxDjhByDate(QStringLiteral("jxc_jhd"), QStringLiteral("j_sn"), QStringLiteral("CJ"), bill.date);
    discardLines(kReceiptLines, bill.djh);  // lines left by a killed run under this number
    const int lineCount = 1 + int(rng.bounded(4));
    for (int l = 0; l < lineCount; ++l) {
        const WorkingLine line = postloop::randomLine(rng, stock);
        writeLine(kReceiptLines, bill.djh, line);
        bill.payable += line.price * lineQuantity(line);
    }
    bill.ghsSn = postloop::pick(rng, stock.partners);
    bill.ghsName = QStringLiteral("供货商");
    bill.ckSn = postloop::pick(rng, stock.warehouses);
    bill.ckName = QStringLiteral("仓库");
    bill.uSn = stock.handler;
    bill.uName = QStringLiteral("经办人");
    bill.paid = Money::fromUnits(bill.payable.units() * qint64(rng.bounded(3)) / 2);
    bill.mode = rng.bounded(2) ? CgjhMode::RestOwed : CgjhMode::PaidOnly;
    bill.account = QStringLiteral("现金");
    bill.note = postloop::awkwardNote(rng);
    bill.op = operatorName;
    switch (rng.bounded(3)) {
    case 0:
        postCgjh(bill);
        break;
    case 1:
        savePendingCgjh(bill);
        auditCgjh({.djh = bill.djh, .paid = bill.paid, .mode = bill.mode, .note = bill.note});
        break;
    default:
        savePendingCgjh(bill);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    return postloop::run(argc, argv, QStringLiteral("select ghs_sn from jxc_ghsxx order by id"), postOne);
}
