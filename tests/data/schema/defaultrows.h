// The rows a new database starts with, per table (tables not listed start empty).
#pragma once

#include <QHash>
#include <QString>

inline const QHash<QString, int>& defaultRowCounts()
{
    static const QHash<QString, int> counts = {
        {"jxc_skin", 1},    {"jxc_goodsclass", 1}, {"jxc_goods", 1},   {"jxc_color", 9},     {"jxc_dw", 2},
        {"jxc_ggxh", 2},    {"jxc_ckxx", 1},       {"jxc_ghsxx", 1},   {"jxc_import", 48},   {"jxc_ghstype", 3},
        {"jxc_zone", 3},    {"jxc_khxx", 1},       {"jxc_khtype", 3},  {"jxc_user", 1},      {"jxc_admin", 1},
        {"jxc_company", 1}, {"jxc_fkfs", 2},       {"jxc_hyfl", 1},    {"jxc_hyxx", 1},      {"jxc_posprint", 1},
        {"jxc_gnb", 14},    {"jxc_posfont", 1},    {"jxc_yhzh", 3},    {"jxc_gdzc", 1},      {"jxc_fd", 1},
        {"jxc_tmdy", 1},    {"jxc_role", 1},       {"jxc_mryt", 16},   {"jxc_xtcs", 1},      {"jxc_txdisp", 1},
        {"jxc_colorz", 1},  {"jxc_cm", 9},         {"jxc_cmz", 1},     {"jxc_ppcs", 7},      {"jxc_colorz2", 1},
        {"jxc_cmz2", 1},    {"jxc_hyyh", 1},       {"jxc_hyzdy", 6},
    };
    return counts;
}
