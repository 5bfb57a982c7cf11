// Posts sales bills in a loop until it is killed: the reliability test's victim.
// Usage: spxs_postloop <data folder> <seed>. The database holds goods with size and colour
// groups, customers, warehouses and a handler.
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "sales/spxsposting.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cstdio>

namespace {

struct Variant {
    QString gSn;
    QString cmSn;
    QString colorSn;
};

QStringList column(const char* sql)
{
    const ResultSet rs = openSelect(QLatin1String(sql));
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, 0);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    TF_DataModule dm;
    DataModule = &dm;
    setDataDir(QString::fromLocal8Bit(argv[1]));
    connectDb(QStringLiteral("jxc.mdb"));
    operatorName = QStringLiteral("张三");
    QRandomGenerator rng(quint32(QByteArray(argv[2]).toUInt()));

    const ResultSet vs = openSelect(QStringLiteral(
        "select g.g_sn,c.cm_sn,k.color_sn from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn "
        "join jxc_colorz2 k on k.colorz_sn=g.colorz_sn where g.g_sn<>'00000000' order by g.id,c.id,k.id"));
    QVector<Variant> variants;
    for (int r = 0; r < vs.rowCount(); ++r)
        variants.append({vs.text(r, 0), vs.text(r, 1), vs.text(r, 2)});
    const QStringList customers = column("select kh_sn from jxc_khxx order by id");
    const QStringList warehouses = column("select ck_sn from jxc_ckxx order by id");
    const QString handler = selectValue(QStringLiteral("select u_sn from jxc_user where u_name<>'' order by id limit 1"));
    if (variants.isEmpty() || customers.isEmpty() || warehouses.isEmpty())
        return 2;
    auto pick = [&rng](const auto& list) { return list.at(int(rng.bounded(quint32(list.size())))); };

    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        SpxsPosting bill;
        bill.date = QStringLiteral("2013-0%1-2%2").arg(4 + rng.bounded(2)).arg(rng.bounded(9));
        bill.djh = getMaxDjhByDate(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"), bill.date);
        discardLines(kSalesLines, bill.djh);  // lines left by a killed run under this number
        const int lineCount = 1 + int(rng.bounded(4));
        for (int l = 0; l < lineCount; ++l) {
            const Variant first = pick(variants);
            WorkingLine line{.gSn = first.gSn, .price = Money::fromUnits(10000 * (10 + rng.bounded(90))), .rows = {}, .quantity = {}};
            line.rate = Money::fromUnits(5000 + 1000 * rng.bounded(6));
            if (rng.bounded(4) == 0) {  // as the barcode box adds them
                line.quantity = Money::fromUnits(10000);
            } else {
                for (const Variant& v : variants)
                    if (v.gSn == first.gSn && rng.bounded(2))
                        line.rows.append({v.cmSn, v.colorSn, Money::fromUnits(10000 * (1 + rng.bounded(5)))});
                if (line.rows.isEmpty())
                    line.rows.append({first.cmSn, first.colorSn, Money::fromUnits(10000)});
            }
            writeLine(kSalesLines, bill.djh, line);
            bill.due += lineAmount(kSalesLines, line);
        }
        bill.khSn = pick(customers);
        bill.khName = QStringLiteral("客户'--") + QString(int(rng.bounded(40)), QChar(u'鞋'));
        bill.ckSn = pick(warehouses);
        bill.ckName = QStringLiteral("仓库");
        bill.uSn = handler;
        bill.uName = QStringLiteral("经办人");
        bill.received = Money::fromUnits(bill.due.units() * qint64(rng.bounded(3)) / 2);
        bill.mode = rng.bounded(2) ? SpxsMode::RestOwed : SpxsMode::PaidOnly;
        bill.account = QStringLiteral("现金");
        bill.note = QStringLiteral("它's \"--; 😀鞋") + QString(int(rng.bounded(300)), QChar(u'鞋'));  // quotes, non-GBK, long
        bill.op = operatorName;
        postSpxs(bill);
    }
}
