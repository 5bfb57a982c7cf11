// Benchmark support: a catalogue of `goods` goods in 110 categories (10 top categories of 10
// sub-categories each); every 20th goods is disabled.
#pragma once

#include "data/database.h"
#include "data/datamodule.h"

#include <QStringList>

inline void seedBenchCatalogue(int goods)
{
    Transaction tx;
    QStringList leaves;
    int cid = 2;
    for (int top = 0; top < 10; ++top) {
        const QString topSn = QString::number(1000 + top);
        appendRow("jxc_goodsclass", {{"gc_cid", cid++}, {"gc_pid", 1}, {"gc_sn", topSn},
                                     {"gc_name", QStringLiteral("鞋类%1").arg(top)}, {"gc_jm", QStringLiteral("XL%1").arg(top)}});
        const int parent = cid - 1;
        for (int sub = 0; sub < 10; ++sub) {
            leaves << topSn + QString::number(100 + sub);
            appendRow("jxc_goodsclass", {{"gc_cid", cid++}, {"gc_pid", parent}, {"gc_sn", leaves.last()},
                                         {"gc_name", QStringLiteral("小类%1%2").arg(top).arg(sub)}});
        }
    }
    for (int i = 0; i < goods; ++i)
        appendRow("jxc_goods", {{"g_sn", QString::number(10000000 + i)},
                                {"g_name", QStringLiteral("男式休闲皮鞋%1").arg(i)},
                                {"g_jm", QStringLiteral("NSXXPX%1").arg(i)},
                                {"gc_sn", leaves.at(i % leaves.size())},
                                {"dw_name", QStringLiteral("双")},
                                {"gg_name", QStringLiteral("款%1").arg(i % 300)},
                                {"color_name", QStringLiteral("不关心颜色")},
                                {"cmz_name", QStringLiteral("不关心尺码")},
                                {"g_kc", i % 50},
                                {"g_jj", (i % 1000) * 0.25},
                                {"g_pjjj", (i % 1000) * 0.25},
                                {"g_sj", (i % 1000) * 0.5},
                                {"g_sccs", QStringLiteral("默认品牌")},
                                {"g_sptm", QString::number(6900000000000LL + i)},
                                {"g_cgpl", i % 97},
                                {"g_jy", i % 20 == 0}});
    tx.commit();
}
