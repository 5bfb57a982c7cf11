// The shop the sales statistics' tests share (clock 2013-05-28): categories 男鞋 "5001", its
// child 运动鞋 "5001001", and 高跟鞋 "6005001" under 女鞋 "6001" (a code that contains "5001"
// away from its start); suppliers 甲 and 乙, customers 张 and 李, a second warehouse 二号仓.
//   sandal (男鞋, supplier 甲): received 10 @80 from 甲, 2 returned to 甲; sold 3 @150 to 张 today
//   runner (运动鞋, supplier 乙): received 5 @100 from 乙; sold 2 @200 to 李 on 2013-05-20
//   heel   (高跟鞋, supplier 乙): received 4 @50 from 乙; sold 1 @90 to 张 on 2013-05-21 from 二号仓
// and a customer return of 1 sandal @150 by 李 today into the default warehouse.
#pragma once

#include "data/datamodule.h"
#include "support/shop.h"

struct SalesStatShop {
    Shop shop;
    QString ghsA = shop.supplier(QStringLiteral("甲供货商"));
    QString ghsB = shop.supplier(QStringLiteral("乙供货商"));
    QString khZ = shop.customer(QStringLiteral("张客户"));
    QString khL = shop.customer(QStringLiteral("李客户"));
    QString ck2 = shop.warehouse(QStringLiteral("二号仓"));
    QString sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39")}, {QStringLiteral("黑色")});
    QString runner = shop.goods(QStringLiteral("跑鞋"), {QStringLiteral("40")}, {QStringLiteral("白色")});
    QString heel = shop.goods(QStringLiteral("高跟鞋"), {QStringLiteral("36")}, {QStringLiteral("红色")});
    QString sale1, sale2, sale3, ret;

    SalesStatShop()
    {
        execSql(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name,gc_jm,gc_pid,gc_cid) values "
                               "('5001','男鞋','NX',1,901),('5001001','运动鞋','YDX',901,902),"
                               "('6001','女鞋','NVX',1,903),('6005001','高跟鞋','GGX',903,904)"));
        setClass(sandal, "5001");
        setClass(runner, "5001001");
        setClass(heel, "6005001");
        shop.receipt().supplier(ghsA).line(sandal, 80, {{"39", "黑色", 10}}).post();
        shop.receipt().supplier(ghsB).line(runner, 100, {{"40", "白色", 5}}).line(heel, 50, {{"36", "红色", 4}}).post();
        shop.receipt().supplier(ghsB).warehouse(ck2).line(heel, 50, {{"36", "红色", 2}}).post();
        shop.purchaseReturn().supplier(ghsA).line(sandal, 80, {{"39", "黑色", 2}}).post();
        sale1 = shop.sale().customer(khZ).line(sandal, 150, {{"39", "黑色", 3}}).post();
        sale2 = shop.sale().customer(khL).date(QStringLiteral("2013-05-20")).line(runner, 200, {{"40", "白色", 2}}).post();
        sale3 = shop.sale().customer(khZ).warehouse(ck2).date(QStringLiteral("2013-05-21")).line(heel, 90, {{"36", "红色", 1}}).post();
        ret = shop.customerReturn().customer(khL).line(sandal, 150, {{"39", "黑色", 1}}).post();
    }

    static void setClass(const QString& gSn, const char* gcSn)
    {
        execSql(QStringLiteral("update jxc_goods set gc_sn=? where g_sn=?"), {{QString(), QLatin1String(gcSn)}, {QString(), gSn}});
    }
};
