#include "sales/spxs_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "purchasing/cgjh_goods_add.h"
#include "sales/spxs_sele.h"
#include "sales/spxspending.h"
#include "shell/commands.h"

#include <QAction>
#include <QMenu>

TF_Spxs_Add* F_Spxs_Add = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

// Scratch rows become lines with their discount rate, their amount as the first amount and
// their production date.
const ScratchTransfer kSalesScratch{&kSalesLines, {{"ls_dzl", "ts_dzl"}, {"ls_zhje", "ts_zje"}, {"t_scrq", "t_scrq"}}, false};

// The goods columns the lists show and search; the line dialog reads the goods itself.
QString listColumns()
{
    QStringList columns;
    for (const char* c : {"id", "g_sn", "g_name", "g_jm", "dw_name", "gg_name", "g_sj", "g_sccs", "g_xspl"})
        columns << QStringLiteral("a.") + QLatin1String(c);
    return columns.join(u',');
}

QString order(bool byFrequency)
{
    return byFrequency ? QStringLiteral(" order by a.g_xspl desc") : QStringLiteral(" order by a.g_sn");
}

}  // namespace

TF_Spxs_Add::TF_Spxs_Add(QWidget* parent)
    : TF_GoodsPicker(
          {.caption = QStringLiteral("增加商品(商品销售)"),
           .newGoods = true,
           .keyLabel = QStringLiteral("输入商品编号或名称查询："),
           .addHint = QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"),
           .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                            {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                            {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                            {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                            {QStringLiteral("g_sj"), QStringLiteral("预设售价"), 80, kMoney},
                            {QStringLiteral("kc_sl"), QStringLiteral("库存数"), 60, {}},
                            {QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 90, {}}},
           .allFooter = QStringLiteral("商品数："),
           .categoryFooter = QStringLiteral("商品数："),
           .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                             {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                             {QStringLiteral("ts_dj"), QStringLiteral("单价"), 70, {}},
                             {QStringLiteral("ts_dzl"), QStringLiteral("打折率"), 60, {}},
                             {QStringLiteral("g_sj"), QStringLiteral("折后价"), 70, {}},
                             {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}},
                             {QStringLiteral("ts_zje"), QStringLiteral("总金额"), 80, {}}},
           .frequencyItem = QStringLiteral("按销售频率排序(&X)"),
           .recentColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                             {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                             {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                             {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                             {QStringLiteral("gl_kdrq"), QStringLiteral("进货日期"), 120, {}}},
           .recentFooter = QStringLiteral("合计："),
           .bundleMenu = true,
           .clearScratchOnOpen = true,
           .closePrompt = QStringLiteral("所选商品还未保存，是否保存？")},
          {.allGoods = DataModule->Q_GoodsXs,
           .categoryGoods = DataModule->Q_Goods2,
           .categories = DataModule->Q_GCSpxs,
           .picked = DataModule->Q_Tempspxf,
           .recentGoods = DataModule->Q_Zjsp},
          parent)
{
    setObjectName(QStringLiteral("TF_Spxs_Add"));
    N_Warehouse = new QAction(QStringLiteral("只显示所选仓库的商品信息(&Y)"), this);
    N_Warehouse->setObjectName(QStringLiteral("N_Warehouse"));
    N_Warehouse->setCheckable(true);
    N_Warehouse->setChecked(true);
    PopupMenuGoods->insertAction(N_Frequency, N_Warehouse);
    connect(N_Warehouse, &QAction::triggered, this, [this](bool on) { runGuarded([this, on] { setByWarehouse(on); }); });
}

void TF_Spxs_Add::setByWarehouse(bool on)
{
    m_byWarehouse = on;
    N_Warehouse->setChecked(on);
    setByFrequency(byFrequency());  // lists the shown tab again
}

void TF_Spxs_Add::FormActivate()
{
    // Both switches are on whenever the picker is shown.
    m_byWarehouse = true;
    N_Warehouse->setChecked(true);
    if (!byFrequency())
        setByFrequency(true);
    TF_GoodsPicker::FormActivate();
}

QString TF_Spxs_Add::allGoodsSql(bool byFrequency) const
{
    if (!m_byWarehouse)
        return QStringLiteral("select %1,a.g_kc as kc_sl from jxc_goods a where a.g_jy=0").arg(listColumns()) +
               order(byFrequency);
    return QStringLiteral("select %1,b.kc_sl from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and b.ck_sn=")
               .arg(listColumns()) +
           quoted(goodsPickerTarget.warehouse) + order(byFrequency);
}

QString TF_Spxs_Add::categoryGoodsSql(const QString& gcSn, bool byFrequency) const
{
    if (!m_byWarehouse)
        return QStringLiteral("select %1,a.g_kc as kc_sl from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn "
                              "and a.g_jy=0 and b.gc_sn=")
                   .arg(listColumns()) +
               quoted(gcSn) + order(byFrequency);
    return QStringLiteral("select %1,c.kc_sl from jxc_goods a,jxc_goodsclass b,jxc_kcsp c where a.gc_sn=b.gc_sn "
                          "and a.g_sn=c.g_sn and a.g_jy=0 and b.gc_sn=")
               .arg(listColumns()) +
           quoted(gcSn) + QStringLiteral(" and c.ck_sn=") + quoted(goodsPickerTarget.warehouse) + order(byFrequency);
}

TF_LineDialog* TF_Spxs_Add::lineDialog()
{
    return ensureForm(F_Spxs_Sele);
}

QString TF_Spxs_Add::pickRefusal(const DataGrid& grid, int row) const
{
    // The recent list tests the total stock, so goods held only in another warehouse pass.
    const int stock =
        int(grid.value(row, &grid == DBGridRecent ? QStringLiteral("g_kc") : QStringLiteral("kc_sl")).toDouble());
    if (stock > 0 || (settingOn(csKc) && csCbjs != QLatin1String("1")))
        return {};
    return QStringLiteral("库存为零不能销售！");
}

TF_GoodsPicker::Transfer TF_Spxs_Add::transferTarget() const
{
    if (paramValue == QLatin1String("spxs"))
        return {&kSalesScratch, goodsPickerTarget.number};
    if (paramValue == QLatin1String("spxs_shdj"))
        return {&kPendingSalesScratch, goodsPickerTarget.number};
    return {};
}

void TF_Spxs_Add::openNewGoodsDialog()
{
    ensureForm(F_Cgjh_Goods_Add)->showModalForm();
}

void TF_Spxs_Add::openBundleWindow()
{
    openWindow(QStringLiteral("TF_Cfkb"), QString(), QStringLiteral("商品捆绑"));
}
