// A small catalogue the goods dialogs' tests share: categories 男鞋 (node 2, code 1000) and, below
// it, 运动鞋 (node 3, code 1000100); size group "100002" 男鞋码 of sizes 39 and 40, and colour
// group "100002" 男鞋色 of two colours, so that a barcode would make variant barcodes.
#pragma once

#include "data/datamodule.h"

inline void seedShoeCatalogue()
{
    execSql(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name,gc_jm,gc_pid,gc_cid) values "
                           "('1000','男鞋','NX',1,2),('1000100','运动鞋','YDX',2,3)"));
    execSql(QStringLiteral("insert into jxc_cm (cm_sn,cm_name,cm_jm,cm_tm) values "
                           "('100010','39','39','39'),('100011','40','40','40')"));
    execSql(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('100002','男鞋码')"));
    execSql(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('100002','100010'),('100002','100011')"));
    execSql(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('100002','男鞋色')"));
    execSql(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('100002','100002'),('100002','100005')"));
}
