// Tops up every ticked member in a loop until it is killed: the reliability test's victim.
// Usage: hyxf_postloop <data folder> <seed>.
#include "members/memberdata.h"
#include "support/postloop.h"

namespace {

int topUpOnce(QRandomGenerator& rng, const postloop::Stock&)
{
    const Money amount = Money::fromUnits(10000 * (1 + rng.bounded(500)));
    const Money credit = amount + Money::fromUnits(10000 * rng.bounded(50));
    return batchTopUp(amount, credit, postloop::awkwardNote(rng), operatorName) > 0 ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv)
{
    return postloop::run(argc, argv, QStringLiteral("select hy_sn from jxc_hyxx where hy_chk<>0 order by id"), topUpOnce);
}
