// Posts purchase receipts in a loop until it is killed: the reliability test's victim. A third
// of the bills are held and audited, a third held only; now and then a whole receipt is
// returned instead, the return's note being the number of its receipt.
// Usage: cgjh_postloop <data folder> <seed>. The database holds goods with size and colour
// groups, suppliers, warehouses and a purchase handler.
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "purchasing/cgjhpending.h"
#include "purchasing/cgjhposting.h"
#include "purchasing/cgthposting.h"

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
    const QStringList suppliers = column("select ghs_sn from jxc_ghsxx order by id");
    const QStringList warehouses = column("select ck_sn from jxc_ckxx order by id");
    const QString handler = selectValue(QStringLiteral("select u_sn from jxc_user where u_name<>'' order by id limit 1"));
    if (variants.isEmpty() || suppliers.isEmpty() || warehouses.isEmpty())
        return 2;
    auto pick = [&rng](const auto& list) { return list.at(int(rng.bounded(quint32(list.size())))); };

    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        CgjhPosting bill;
        bill.date = QStringLiteral("2013-05-%1").arg(20 + rng.bounded(9));
        const QString toReturn = rng.bounded(3) == 0
            ? selectValue(QStringLiteral("select j_sn from jxc_jhd where j_th=0 order by random() limit 1"))
            : QString();
        if (!toReturn.isEmpty()) {
            CgthPosting back;
            back.date = bill.date;
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
            continue;
        }
        bill.djh = getMaxDjhByDate(QStringLiteral("jxc_jhd"), QStringLiteral("j_sn"), QStringLiteral("CJ"), bill.date);
        discardLines(kReceiptLines, bill.djh);  // lines left by a killed run under this number
        const int lineCount = 1 + int(rng.bounded(4));
        for (int l = 0; l < lineCount; ++l) {
            const Variant first = pick(variants);
            WorkingLine line{.gSn = first.gSn, .price = Money::fromUnits(10000 * (10 + rng.bounded(90))), .rows = {}, .quantity = {}};
            for (const Variant& v : variants)
                if (v.gSn == first.gSn && rng.bounded(2))
                    line.rows.append({v.cmSn, v.colorSn, Money::fromUnits(10000 * (1 + rng.bounded(5)))});
            if (line.rows.isEmpty())
                line.rows.append({first.cmSn, first.colorSn, Money::fromUnits(10000)});
            writeLine(kReceiptLines, bill.djh, line);
            bill.payable += line.price * lineQuantity(line);
        }
        bill.ghsSn = pick(suppliers);
        bill.ghsName = QStringLiteral("供货商");
        bill.ckSn = pick(warehouses);
        bill.ckName = QStringLiteral("仓库");
        bill.uSn = handler;
        bill.uName = QStringLiteral("经办人");
        bill.paid = Money::fromUnits(bill.payable.units() * qint64(rng.bounded(3)) / 2);
        bill.mode = rng.bounded(2) ? CgjhMode::RestOwed : CgjhMode::PaidOnly;
        bill.account = QStringLiteral("现金");
        bill.note = QStringLiteral("它's \"--; 😀鞋") + QString(int(rng.bounded(300)), QChar(u'鞋'));  // quotes, non-GBK, long
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
    }
}
