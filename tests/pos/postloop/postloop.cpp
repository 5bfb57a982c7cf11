// Rings up member sales at the till in a loop until it is killed: the reliability test's victim.
// Each sale has one to three lines of one size and colour each, is paid partly from the card
// and partly in cash, and earns points. Usage: pos_postloop <data folder> <seed>.
#include "data/numbering.h"
#include "data/settings.h"
#include "pos/posposting.h"
#include "support/postloop.h"

namespace {

int sellOnce(QRandomGenerator& rng, const postloop::Stock& stock)
{
    const QString djh = getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"));
    discardLines(kSalesLines, djh);
    const int lines = 1 + int(rng.bounded(3));
    Money total;
    for (int i = 0; i < lines; ++i) {
        const postloop::Variant v = postloop::pick(rng, stock.variants);
        const WorkingLine line{.gSn = v.gSn,
                               .price = Money::fromUnits(10000 * (10 + rng.bounded(90)) + 5000 * rng.bounded(2)),
                               .rows = {{v.cmSn, v.colorSn, Money::fromUnits(10000)}},
                               .quantity = {}};
        writeLine(kSalesLines, djh, line);
        total += line.price;
    }
    const QString card = postloop::pick(rng, stock.partners);
    const Money balance = Money::fromText(
        selectValue(QStringLiteral("select hy_zhje from jxc_hyxx where hy_bh=?"), {{QString(), card}}));
    const Money due = posAmountDue(total, csPosfkws);
    const Money fromCard = std::min(balance, Money::fromUnits(10000 * rng.bounded(40)));
    PosSale sale{.djh = djh,
                 .memberCard = card,
                 .ckSn = postloop::pick(rng, stock.warehouses),
                 .uSn = stock.handler,
                 .op = operatorName,
                 .payment = {.mode = PosPayMode::Combined,
                             .due = due,
                             .cash = due - std::min(fromCard, due),
                             .storedValue = std::min(fromCard, due),
                             .balance = balance,
                             .note = postloop::awkwardNote(rng).left(32)}};
    postPosSale(sale);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    return postloop::run(argc, argv, QStringLiteral("select hy_bh from jxc_hyxx where hy_bh like 'K%' order by id"), [](QRandomGenerator& rng, const postloop::Stock& stock) {
        static const bool loaded = (loadSysParams(), true);
        (void)loaded;
        return sellOnce(rng, stock);
    });
}
