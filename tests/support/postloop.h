// The driver of the reliability tests' victims: a process that opens the shop in the folder of
// its first argument and posts bills in a loop until it is killed. The shop holds goods with
// size and colour groups, partners, warehouses and a handler.
// Usage: <program> <data folder> <seed>.
#pragma once

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <QVector>
#include <cstdio>
#include <functional>

namespace postloop {

struct Variant {
    QString gSn;
    QString cmSn;
    QString colorSn;
};

// What the loop picks from.
struct Stock {
    QVector<Variant> variants;  // every size and colour of every goods
    QStringList partners;
    QStringList warehouses;
    QString handler;
};

inline QStringList column(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, 0);
    return out;
}

// One of `list`.
template <class List>
auto pick(QRandomGenerator& rng, const List& list)
{
    return list.at(int(rng.bounded(quint32(list.size()))));
}

// A line of one goods at a random price with some of its sizes and colours (at least one).
inline WorkingLine randomLine(QRandomGenerator& rng, const Stock& stock)
{
    const Variant first = pick(rng, stock.variants);
    WorkingLine line{.gSn = first.gSn, .price = Money::fromUnits(10000 * (10 + rng.bounded(90))), .rows = {}, .quantity = {}};
    for (const Variant& v : stock.variants)
        if (v.gSn == first.gSn && rng.bounded(2))
            line.rows.append({v.cmSn, v.colorSn, Money::fromUnits(10000 * (1 + rng.bounded(5)))});
    if (line.rows.isEmpty())
        line.rows.append({first.cmSn, first.colorSn, Money::fromUnits(10000)});
    return line;
}

// A note with quotes, characters outside GBK, and long.
inline QString awkwardNote(QRandomGenerator& rng)
{
    return QStringLiteral("它's \"--; 😀鞋") + QString(int(rng.bounded(300)), QChar(u'鞋'));
}

// Opens the shop, reads the stock with the partners of `partnerSql`, says "ready" and runs
// `postOne` forever; returns 2 for missing arguments or an empty shop, else what `postOne`
// returns when it gives up (non-zero).
inline int run(int argc, char** argv, const QString& partnerSql,
               const std::function<int(QRandomGenerator&, const Stock&)>& postOne)
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

    Stock stock;
    const ResultSet vs = openSelect(QStringLiteral(
        "select g.g_sn,c.cm_sn,k.color_sn from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn "
        "join jxc_colorz2 k on k.colorz_sn=g.colorz_sn where g.g_sn<>'00000000' order by g.id,c.id,k.id"));
    for (int r = 0; r < vs.rowCount(); ++r)
        stock.variants.append({vs.text(r, 0), vs.text(r, 1), vs.text(r, 2)});
    stock.partners = column(partnerSql);
    stock.warehouses = column(QStringLiteral("select ck_sn from jxc_ckxx order by id"));
    stock.handler = selectValue(QStringLiteral("select u_sn from jxc_user where u_name<>'' order by id limit 1"));
    if (stock.variants.isEmpty() || stock.partners.isEmpty() || stock.warehouses.isEmpty())
        return 2;

    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        if (const int rc = postOne(rng, stock))
            return rc;
    }
}

}  // namespace postloop
