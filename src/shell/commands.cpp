#include "shell/commands.h"

#include "data/settings.h"
#include "platform/msgbox.h"

#include <QHash>

namespace {

// clang-format off
const QVector<CommandEntry> kCommands = {
    // control               group            name                 picture      menu  right   pos window          caption              same as
    {"btn_Hbgl",            "TopBar",        "更换操作员",          "user",      nullptr, nullptr, 0, "TF_Login",     nullptr,             nullptr},
    {"btn_Djcx",            "TopBar",        "单据查询",            "docsearch", nullptr, "tjgl", 11, "TF_Djcx",      nullptr,             nullptr},
    {"btn_Kcgl",            "TopBar",        "营业分析",            "chart",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu4_BtnA"},
    {"btn_Xsfx",            "TopBar",        "便签记录",            "note",      nullptr, nullptr, 0, "TF_Bqjl",      nullptr,             nullptr},
    {"btn_Rjbz",            "TopBar",        "帮助中心",            "help",      nullptr, nullptr, 0, "TF_Rjbz",      nullptr,             nullptr},
    {"btn_Tcxt",            "TopBar",        "退出系统",            "exit",      nullptr, nullptr, 0, "",             nullptr,             nullptr},

    {"btn_Menu1_Btn1",      "RzPanel_Menu1", "采购进货",            "boxin",     nullptr, "cggl", 1, "TF_Cgjh",       nullptr,             nullptr},
    {"btn_Menu1_Btn2",      "RzPanel_Menu1", "采购退货",            "boxout",    nullptr, "cggl", 2, "TF_Cgth",       nullptr,             nullptr},
    {"btn_Menu1_Btn3",      "RzPanel_Menu1", "往来账务",            "ledger",    nullptr, "cggl", 3, "TF_WlzwGhs",    "往来账务(供货商)",  nullptr},
    {"btn_Menu1_Btn4",      "RzPanel_Menu1", "进退货查询",          "docsearch", nullptr, "cggl", 4, "TF_Jthcx",      nullptr,             nullptr},
    {"btn_Menu1_Btn5",      "RzPanel_Menu1", "当前库存查询",        "search",    nullptr, "cggl", 5, "TF_Kccx",       "当前库存查询",      nullptr},
    {"img_Menu1_Cangku",    "RzPanel_Menu1", "当前库存查询",        nullptr,     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu1_Btn5"},
    {"btn_Menu1_Right1",    "RzPanel_Menu1", "商品管理",            "shoe",      nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn1"},
    {"btn_Menu1_Right2",    "RzPanel_Menu1", "供货商设置",          "truck",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn2"},
    {"btn_Menu1_Right3",    "RzPanel_Menu1", "仓库设置",            "house",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn5"},
    {"btn_Menu1_Right4",    "RzPanel_Menu1", "员工设置",            "people",    nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn7"},
    {"btn_Menu1_Right5",    "RzPanel_Menu1", "更换皮肤",            "palette",   nullptr, nullptr, 0, "TF_Skin",      nullptr,             nullptr},

    {"btn_Menu2_Btn1",      "RzPanel_Menu2", "商品销售",            "cart",      nullptr, "xsgl", 1, "TF_Spxs",       nullptr,             nullptr},
    {"btn_Menu2_Btn2",      "RzPanel_Menu2", "前台收银",            "register",  nullptr, "xsgl", 6, "TF_Posxs",      nullptr,             nullptr},
    {"btn_Menu2_Btn3",      "RzPanel_Menu2", "销售换货",            "swap",      nullptr, "xsgl", 14, "TF_Xshh",      nullptr,             nullptr},
    {"btn_Menu2_Btn4",      "RzPanel_Menu2", "顾客退货",            "back",      nullptr, "xsgl", 2, "TF_Xsth",       nullptr,             nullptr},
    {"btn_Menu2_Btn5",      "RzPanel_Menu2", "往来账务",            "ledger",    nullptr, "xsgl", 3, "TF_WlzwKh",     "往来账务(客户)",    nullptr},
    {"btn_Menu2_Btn6",      "RzPanel_Menu2", "销售退货查询",        "docsearch", nullptr, "xsgl", 4, "TF_Xsjth",      nullptr,             nullptr},
    {"btn_Menu2_Btn7",      "RzPanel_Menu2", "当前库存查询",        "search",    nullptr, "xsgl", 5, "TF_Kccx",       "当前库存查询",      nullptr},
    {"img_Menu2_Cangku",    "RzPanel_Menu2", "当前库存查询",        nullptr,     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu2_Btn7"},
    {"btn_Menu2_Btn8",      "RzPanel_Menu2", "POS报表",             "pos",       nullptr, nullptr, 0, "",             nullptr,             nullptr},
    {"btn_Menu2_Right1",    "RzPanel_Menu2", "商品管理",            "shoe",      nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn1"},
    {"btn_Menu2_Right2",    "RzPanel_Menu2", "客户设置",            "people",    nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn6"},
    {"btn_Menu2_Right3",    "RzPanel_Menu2", "仓库设置",            "house",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn5"},
    {"btn_Menu2_Right4",    "RzPanel_Menu2", "员工设置",            "people",    nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn7"},
    {"btn_Menu2_Right5",    "RzPanel_Menu2", "更换皮肤",            "palette",   nullptr, nullptr, 0, "TF_Skin",      nullptr,             nullptr},

    {"btn_Poslsz",          "PopupMenu_Pos", "POS销售流水账",       nullptr, "POS销售流水账(&T)",    "xsgl", 7,  "TF_Posxs_Lsz",  nullptr, nullptr},
    {"btn_Posrj",           "PopupMenu_Pos", "POS日结管理",         nullptr, "POS日结管理(&U)",      "xsgl", 8,  "TF_Posxs_Rj",   nullptr, nullptr},
    {"btn_Posxsph",         "PopupMenu_Pos", "POS销售排行",         nullptr, "POS销售排行(&V)",      "xsgl", 9,  "TF_Posxs_Ph",   nullptr, nullptr},
    {"btn_Hyxftj",          "PopupMenu_Pos", "会员消费统计",        nullptr, "会员消费统计(&W)",     "xsgl", 10, "TF_Posxs_Hy",   nullptr, nullptr},
    {"btn_Syytj",           "PopupMenu_Pos", "收银员收银统计",      nullptr, "收银员收银统计(&X)",   "xsgl", 11, "TF_Posxs_Sytj", nullptr, nullptr},
    {"btn_Syycrk",          "PopupMenu_Pos", "收银员出入款管理",    nullptr, "收银员出入款管理(&Y)", "xsgl", 12, "TF_Posxs_Crk",  nullptr, nullptr},
    {"btn_Posxstj",         "PopupMenu_Pos", "POS商品销售统计",     nullptr, "POS商品销售统计(&Z)",  "xsgl", 13, "TF_Posxs_Tj",   nullptr, nullptr},

    {"btn_Menu3_Btn1",      "RzPanel_Menu3", "库存调拨",            "transfer",  nullptr, "kcgl", 1, "TF_Kcdb",       nullptr,             nullptr},
    {"btn_Menu3_Btn2",      "RzPanel_Menu3", "商品捆绑",            "link",      nullptr, "kcgl", 5, "TF_Cfkb",       nullptr,             nullptr},
    {"btn_Menu3_Btn3",      "RzPanel_Menu3", "库存报损报溢",        "plusminus", nullptr, "kcgl", 3, "TF_Bsby",       nullptr,             nullptr},
    {"btn_Menu3_Btn4",      "RzPanel_Menu3", "库存盘点",            "check",     nullptr, "kcgl", 2, "TF_Kcpd",       nullptr,             nullptr},
    {"btn_Menu3_Btn5",      "RzPanel_Menu3", "库存变动情况",        "list",      nullptr, "kcgl", 6, "TF_Kccx",       "库存商品变动查询",  nullptr},
    {"img_Menu3_Cangku",    "RzPanel_Menu3", "库存变动情况",        nullptr,     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu3_Btn5"},
    {"btn_Menu3_Btn6",      "RzPanel_Menu3", "库存报警查询",        "bell",      nullptr, "kcgl", 4, "TF_Kcbj",       nullptr,             nullptr},
    {"btn_Menu3_Right1",    "RzPanel_Menu3", "商品管理",            "shoe",      nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn1"},
    {"btn_Menu3_Right2",    "RzPanel_Menu3", "仓库设置",            "house",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn5"},
    {"btn_Menu3_Right3",    "RzPanel_Menu3", "库存成本统计",        "coin",      nullptr, "kcgl", 7, "TF_Kccb",       nullptr,             nullptr},
    {"btn_Menu3_Right4",    "RzPanel_Menu3", "更换皮肤",            "palette",   nullptr, nullptr, 0, "TF_Skin",      nullptr,             nullptr},

    {"btn_Menu8_Btn1",      "RzPanel_Menu8", "应收登记",            "doc",       nullptr, "wlzk", 1, "TF_Yskdj",      nullptr,             nullptr},
    {"btn_Menu8_Btn2",      "RzPanel_Menu8", "收款登记",            "money",     nullptr, "wlzk", 2, "TF_Ysksk",      nullptr,             nullptr},
    {"btn_Menu8_Btn3",      "RzPanel_Menu8", "应收帐表",            "ledger",    nullptr, "wlzk", 3, "TF_Yskgl",      nullptr,             nullptr},
    {"btn_Menu8_Btn4",      "RzPanel_Menu8", "应付登记",            "doc",       nullptr, "wlzk", 4, "TF_Yfkdj",      nullptr,             nullptr},
    {"btn_Menu8_Btn5",      "RzPanel_Menu8", "付款登记",            "coin",      nullptr, "wlzk", 5, "TF_Yfkfk",      nullptr,             nullptr},
    {"btn_Menu8_Btn6",      "RzPanel_Menu8", "应付帐表",            "ledger",    nullptr, "wlzk", 6, "TF_Yfkgl",      nullptr,             nullptr},
    {"img_Menu8_Cangku",    "RzPanel_Menu8", "库存变动情况",        nullptr,     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu3_Btn5"},
    {"btn_Menu8_Right1",    "RzPanel_Menu8", "费用及收入",          "money",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu5_Right1"},
    {"btn_Menu8_Right2",    "RzPanel_Menu8", "现金银行",            "bank",      nullptr, nullptr, 0, "",             nullptr,             "btn_Menu5_Right2"},
    {"btn_Menu8_Right3",    "RzPanel_Menu8", "固定资产",            "asset",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu5_Right3"},
    {"btn_Menu8_Right4",    "RzPanel_Menu8", "财务报表",            "pie",       nullptr, nullptr, 0, "",             nullptr,             "btn_Menu5_Right4"},

    {"btn_Menu4_Btn1",      "RzPanel_Menu4", "供货商供货统计",      "truck",     nullptr, "tjgl", 1, "TF_WlzwGhs",    "供货商供货统计",    nullptr},
    {"btn_Menu4_Btn2",      "RzPanel_Menu4", "商品采购统计",        "chart",     nullptr, "tjgl", 2, "TF_Spcgtj",     nullptr,             nullptr},
    {"btn_Menu4_Btn3",      "RzPanel_Menu4", "业务员采购统计",      "tie",       nullptr, "tjgl", 3, "TF_Ywycgtj",    nullptr,             nullptr},
    {"btn_Menu4_Btn4",      "RzPanel_Menu4", "库存成本统计",        "coin",      nullptr, "tjgl", 8, "TF_Kccb",       nullptr,             nullptr},
    {"btn_Menu4_Btn5",      "RzPanel_Menu4", "库存变动查询",        "list",      nullptr, "tjgl", 7, "TF_Kccx",       "库存商品变动查询",  nullptr},
    {"img_Menu4_Cangku",    "RzPanel_Menu4", "库存变动查询",        nullptr,     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu4_Btn5"},
    {"btn_Menu4_Btn6",      "RzPanel_Menu4", "客户销售统计",        "people",    nullptr, "tjgl", 4, "TF_WlzwKh",     "客户销售统计",      nullptr},
    {"btn_Menu4_Btn7",      "RzPanel_Menu4", "业务员销售统计",      "tie",       nullptr, "tjgl", 6, "TF_Ywyxstj",    nullptr,             nullptr},
    {"btn_Menu4_Btn8",      "RzPanel_Menu4", "商品销售统计",        "chart",     nullptr, "tjgl", 5, "TF_Spxstj",     nullptr,             nullptr},
    {"btn_Menu4_Btn9",      "RzPanel_Menu4", "商品销售排行",        "list",      nullptr, "tjgl", 10, "TF_Spxsph",    nullptr,             nullptr},
    {"btn_Menu4_BtnA",      "RzPanel_Menu4", "营业分析",            "average",   nullptr, "tjgl", 9, "TF_Yyfx",       nullptr,             nullptr},
    {"btn_Menu4_BtnB",      "RzPanel_Menu4", "会员销售统计",        "card",      nullptr, "tjgl", 12, "TF_Hyxftj",    nullptr,             nullptr},
    {"btn_Menu4_Right1",    "RzPanel_Menu4", "商品管理",            "shoe",      nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn1"},
    {"btn_Menu4_Right2",    "RzPanel_Menu4", "供货商设置",          "truck",     nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn2"},
    {"btn_Menu4_Right3",    "RzPanel_Menu4", "客户设置",            "people",    nullptr, nullptr, 0, "",             nullptr,             "btn_Menu6_Btn6"},
    {"btn_Menu4_Right4",    "RzPanel_Menu4", "更换皮肤",            "palette",   nullptr, nullptr, 0, "TF_Skin",      nullptr,             nullptr},

    {"btn_Menu5_Btn1",      "RzPanel_Menu5", "供货商管理",          "truck",     nullptr, "rcgl", 1, "TF_GhsZhgl",    nullptr,             nullptr},
    {"btn_Menu5_Btn2",      "RzPanel_Menu5", "合同管理",            "contract",  nullptr, "rcgl", 3, "TF_Htgl",       nullptr,             nullptr},
    {"btn_Menu5_Btn3",      "RzPanel_Menu5", "业务员管理",          "tie",       nullptr, "rcgl", 5, "TF_Ywygl",      nullptr,             nullptr},
    {"btn_Menu5_Btn5",      "RzPanel_Menu5", "客户综合管理",        "people",    nullptr, "rcgl", 2, "TF_Khzhgl",     nullptr,             nullptr},
    {"btn_Menu5_Btn6",      "RzPanel_Menu5", "客户借货管理",        "lend",      nullptr, "rcgl", 4, "TF_Khjhgl",     nullptr,             nullptr},
    {"btn_Menu5_Btn8",      "RzPanel_Menu5", "商品均价修改",        "average",   nullptr, "rcgl", 6, "TF_Spjjxg",     nullptr,             nullptr},
    {"img_Menu5_Cangku",    "RzPanel_Menu5", "当前库存查询",        nullptr,     nullptr, "rcgl", 11, "TF_Kccx",      "当前库存查询",      nullptr},
    {"btn_Menu5_Right1",    "RzPanel_Menu5", "费用及收入",          "money",     nullptr, "rcgl", 7, "TF_Fyjsr",      nullptr,             nullptr},
    {"btn_Menu5_Right2",    "RzPanel_Menu5", "现金银行",            "bank",      nullptr, "rcgl", 8, "TF_Xjyh",       nullptr,             nullptr},
    {"btn_Menu5_Right3",    "RzPanel_Menu5", "固定资产",            "asset",     nullptr, "rcgl", 9, "TF_Gdzc",       nullptr,             nullptr},
    {"btn_Menu5_Right4",    "RzPanel_Menu5", "财务报表",            "pie",       nullptr, "rcgl", 10, "TF_Cwbb",      nullptr,             nullptr},
    {"btn_Menu5_Right5",    "RzPanel_Menu5", "更换皮肤",            "palette",   nullptr, nullptr, 0, "TF_Skin",      nullptr,             nullptr},

    {"btn_Menu6_Btn1",      "RzPanel_Menu6", "商品管理",            "shoe",      nullptr, "qtcz", 1, "TF_Spxxgl",     nullptr,             nullptr},
    {"btn_Menu6_Btn2",      "RzPanel_Menu6", "供货商设置",          "truck",     nullptr, "qtcz", 2, "TF_Ghsgl",      nullptr,             nullptr},
    {"btn_Menu6_Btn3",      "RzPanel_Menu6", "操作员设置",          "key",       nullptr, "qtcz", 7, "TF_Admin",      nullptr,             nullptr},
    {"btn_Menu6_Btn4",      "RzPanel_Menu6", "系统设置",            "gear",      nullptr, "qtcz", 9, "TF_Xtcs",       nullptr,             nullptr},
    {"btn_Menu6_Btn5",      "RzPanel_Menu6", "仓库设置",            "house",     nullptr, "qtcz", 5, "TF_Ckgl",       nullptr,             nullptr},
    {"btn_Menu6_Btn6",      "RzPanel_Menu6", "客户设置",            "people",    nullptr, "qtcz", 3, "TF_Khgl",       nullptr,             nullptr},
    {"btn_Menu6_Btn7",      "RzPanel_Menu6", "员工设置",            "people",    nullptr, "qtcz", 4, "TF_User",       nullptr,             nullptr},
    {"btn_Menu6_Btn8",      "RzPanel_Menu6", "会员管理",            "card",      nullptr, "qtcz", 6, "TF_Hygl",       nullptr,             nullptr},
    {"btn_Menu6_Btn9",      "RzPanel_Menu6", "系统维护",            "wrench",    nullptr, nullptr, 0, "TF_Xtwh",      nullptr,             nullptr},
    {"btn_Menu6_Btn10",     "RzPanel_Menu6", "商品调价",            "tag",       nullptr, "qtcz", 8, "TF_Sptj",       nullptr,             nullptr},
    {"btn_Menu6_Right5",    "RzPanel_Menu6", "更换皮肤",            "palette",   nullptr, nullptr, 0, "TF_Skin",      nullptr,             nullptr},
};
// clang-format on

QHash<QString, WindowOpener>& openers()
{
    static QHash<QString, WindowOpener> map;
    return map;
}

}  // namespace

const QVector<CommandEntry>& commandTable()
{
    return kCommands;
}

const CommandEntry* findCommand(const QString& control)
{
    for (const CommandEntry& e : kCommands)
        if (control == QLatin1String(e.control))
            return &e;
    return nullptr;
}

const CommandEntry* resolveCommand(const QString& control)
{
    const CommandEntry* e = findCommand(control);
    // A same-as entry names an entry of its own (never another same-as entry).
    if (e && e->sameAs)
        e = findCommand(QString::fromLatin1(e->sameAs));
    return e;
}

QString refusalText(const QString& name)
{
    return QStringLiteral("您没有权限进行") + name + QStringLiteral("！");
}

QString notAvailableText(const QString& name)
{
    return QStringLiteral("“") + name + QStringLiteral("”功能在本版本中尚未提供！");
}

void registerWindow(const QString& windowClass, WindowOpener opener)
{
    openers().insert(windowClass, std::move(opener));
}

void unregisterWindow(const QString& windowClass)
{
    openers().remove(windowClass);
}

bool windowAvailable(const QString& windowClass)
{
    return openers().contains(windowClass);
}

QStringList registeredWindows()
{
    QStringList classes = openers().keys();
    classes.sort();
    return classes;
}

bool openWindow(const QString& windowClass, const QString& caption, const QString& name)
{
    const auto it = openers().constFind(windowClass);
    if (it == openers().constEnd()) {
        msgInfo(notAvailableText(name));
        return false;
    }
    const WindowOpener opener = it.value();  // a copy: the opener may register windows itself
    opener(caption);
    return true;
}

bool runWindowCommand(const CommandEntry& entry)
{
    const QString name = QString::fromUtf8(entry.name);
    if (entry.rightColumn && !checkRight(QString::fromLatin1(entry.rightColumn), entry.rightPosition)) {
        msgInfo(refusalText(name));
        return false;
    }
    openWindow(QString::fromLatin1(entry.window), entry.caption ? QString::fromUtf8(entry.caption) : QString(),
               name);
    return true;
}
