#include "purchasing/jthcx.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "purchasing/cgth_zdth_search.h"
#include "purchasing/purchasequery.h"
#include "purchasing/purchasing.h"
#include "purchasing/spcgtj.h"
#include "purchasing/spcgtj_cx.h"
#include "purchasing/ywycgtj.h"
#include "shell/commands.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Jthcx* F_Jthcx = nullptr;

namespace {
const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");
}

QString jthcxDocumentsSql(const JthcxFilter& f)
{
    const QString k = sqlSafe(f.key.trimmed());
    QString sql = QStringLiteral(
        "select * from (select a.j_sn as djh,a.ghs_sn,a.ck_sn,a.j_jhrq as rq,a.j_yfje as yfje,a.j_sfje as sfje,"
        "(a.j_yfje-a.j_sfje) as wfje,a.j_yhje as yhje,'采购进货' as gtype,a.u_sn,a.j_note as dnote,a.a_name,b.ghs_name,"
        "b.ghs_jm,c.u_name,d.ck_name,'1' as dsort from jxc_jhd a,jxc_ghsxx b,jxc_user c,jxc_ckxx d where "
        "a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn and a.ck_sn=d.ck_sn union "
        "select a.gl_djh as djh,a.ghs_sn,a.ck_sn,a.th_thrq as rq,a.th_yfje as yfje,a.th_sfje as sfje,"
        "(a.th_yfje-a.th_sfje) as wfje,0 as yhje,'采购退货' as gtype,a.u_sn,a.th_note as dnote,a.a_name,b.ghs_name,"
        "b.ghs_jm,c.u_name,d.ck_name,'2' as dsort from jxc_thd a,jxc_ghsxx b,jxc_user c,jxc_ckxx d where "
        "a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn and a.ck_sn=d.ck_sn ) where rq>='%1' and rq<='%2' and "
        "(ghs_sn like '%%3%' or ghs_name like '%%3%' or ghs_jm like '%%3%' or djh like '%%3%') ")
                      .arg(sqlLit(f.d1), sqlLit(f.d2), k);
    return sql + f.extra.sql() + QStringLiteral(" order by rq desc,dsort,djh desc");
}

QString jthcxLinesSql(const QString& djh)
{
    return QStringLiteral("select a.*,b.g_sccs,b.g_kc,b.g_bz from jxc_goodslist a,jxc_goods b where a.g_sn=b.g_sn and "
                          "a.gl_djh='%1' order by a.id")
        .arg(sqlSafe(djh));
}

TF_Jthcx::TF_Jthcx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Jthcx"));
    setWindowTitle(QStringLiteral("采购进/退货查询"));
    tKey = nameBox(this, "tKey", 32);
    tKey->setPlaceholderText(QStringLiteral("回车键开始查询"));
    installKeyFilter(tKey);
    period = makeQueryPeriod([this] { btnQueryClick(); });
    auto* btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));
    auto* btnSearch = namedButton(this, "btnSearch", QStringLiteral("详细查找"));
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));

    auto* filterMenu = new QMenu(this);
    struct Item {
        const char* caption;
        const char* name;
        const char* key;
        const char* flag;
    };
    static const Item items[] = {{"所有单据(&V)", "N_All", "", "0"},
                                 {"进货单(&W)", "N_Cj", "CJ", "0"},
                                 {"退货单(&X)", "N_Ct", "CT", "0"},
                                 {"欠款单据查询(&Y)", "N_Qk", "", "1"},
                                 {"优惠单据查询(&Z)", "N_Yh", "", "2"}};
    for (const Item& item : items)
        addMenuItem(filterMenu, QString::fromUtf8(item.caption), item.name, this,
                    [this, item] { filterPopUpMenu(QLatin1String(item.key), QLatin1String(item.flag)); });
    auto* btnFilter = new QToolButton;
    btnFilter->setObjectName(QStringLiteral("btnFilter"));
    btnFilter->setText(QStringLiteral("数据过滤"));
    btnFilter->setPopupMode(QToolButton::InstantPopup);
    btnFilter->setMenu(filterMenu);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("按供货商/单据号查询：")));
    top->addWidget(tKey, 1);
    addQueryPeriod(top, QStringLiteral("查询日期："), period);
    for (QWidget* w : std::initializer_list<QWidget*>{btnQuery, btnSearch, btnFilter, btnView, btnExport, btnExit})
        top->addWidget(w);

    gridJhd = new DataGrid;
    gridJhd->setObjectName(QStringLiteral("gridJhd"));
    gridJhd->setQuery(DataModule->Q_Jhd);
    gridJhd->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 120).footerCount(QStringLiteral("记录数："));
    gridJhd->addColumn(QStringLiteral("rq"), QStringLiteral("开单日期"), 80);
    gridJhd->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商名称"), 140);
    gridJhd->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 80);
    for (const auto& [field, caption] : {std::pair{"yfje", "应付金额"}, std::pair{"sfje", "实付金额"},
                                         std::pair{"wfje", "欠款金额"}, std::pair{"yhje", "优惠金额"}})
        gridJhd->addColumn(QLatin1String(field), QString::fromUtf8(caption), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridJhd->addColumn(QStringLiteral("gtype"), QStringLiteral("单据类型"), 70);
    gridJhd->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    gridJhd->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    gridJhd->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 120);
    attachGridMenu(gridJhd, filterMenu);

    lbDetail = new QLabel;
    lbDetail->setObjectName(QStringLiteral("lbDetail"));
    auto* btnDetail = namedButton(this, "btnDetail", QStringLiteral("查看详细数量"));
    btnDetail->setFlat(true);
    gridJhsp = new DataGrid;
    gridJhsp->setObjectName(QStringLiteral("gridJhsp"));
    gridJhsp->setQuery(DataModule->Q_Jhsp2);
    gridJhsp->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("记录数："));
    gridJhsp->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    gridJhsp->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    gridJhsp->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridJhsp->addColumn(QStringLiteral("gl_sl"), QStringLiteral("数量"), 60).footerSum();
    gridJhsp->addColumn(QStringLiteral("gl_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridJhsp->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);

    auto* detailRow = new QHBoxLayout;
    detailRow->addWidget(lbDetail, 1);
    detailRow->addWidget(btnDetail);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(gridJhd, 3);
    layout->addLayout(detailRow);
    layout->addWidget(gridJhsp, 2);
    resize(1000, 620);

    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnSearch, [this] { btnSearchClick(); });
    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnDetail, [this] { detailClick(); });
    onClicked(btnExit, [this] { close(); });
    connect(gridJhd, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { loadDetail(); }); });
    connect(gridJhd, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
}

void TF_Jthcx::FormActivate()
{
    djhParam.clear();
    period.fromPreviousMonth();
    btnQueryClick();
}

bool TF_Jthcx::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        btnQueryClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Jthcx::FormClose()
{
    DataModule->Q_Jhsp2->close();
    DataModule->Q_Jhd->close();
}

void TF_Jthcx::btnQueryClick()
{
    gridJhd->clearFilter();
    openQuery(DataModule->Q_Jhd, jthcxDocumentsSql({tKey->text(), period.d1(), period.d2(), m_extra}));
    loadDetail();
}

void TF_Jthcx::btnSearchClick()
{
    const auto answer = runZdthSearch(QStringLiteral("cgth_zdth"));
    if (!answer)
        return;
    period.set(answer->d1, answer->d2);
    tKey->setText(answer->supplier);
    m_extra.set(answer->ckSn, answer->opName);
    btnQueryClick();
}

void TF_Jthcx::filterPopUpMenu(const QString& key, const QString& flag)
{
    if (flag == QLatin1String("1"))
        gridJhd->setFilter({{QStringLiteral("wfje"), FilterOp::NotEqual, QStringLiteral("0")}});
    else if (flag == QLatin1String("2"))
        gridJhd->setFilter({{QStringLiteral("yhje"), FilterOp::NotEqual, QStringLiteral("0")}});
    else
        gridJhd->setFilter({{QStringLiteral("djh"), FilterOp::Like, key}});
    loadDetail();
}

void TF_Jthcx::loadDetail()
{
    const int row = gridJhd->currentRow();
    if (row < 0) {
        DataModule->Q_Jhsp2->close();
        lbDetail->clear();
        return;
    }
    const QString djh = gridJhd->value(row, QStringLiteral("djh"));
    lbDetail->setText(djh + QStringLiteral("  ") + gridJhd->value(row, QStringLiteral("ghs_name")));
    openQuery(DataModule->Q_Jhsp2, jthcxLinesSql(djh));
}

void TF_Jthcx::btnViewClick()
{
    const int row = gridJhd->currentRow();
    if (row < 0)
        return;
    curGhsSn = gridJhd->value(row, QStringLiteral("ghs_sn"));
    if (const auto print = postedPurchasePrint(gridJhd->value(row, QStringLiteral("djh"))))
        printGoodsDetail(*print, this);
}

void TF_Jthcx::detailClick()
{
    const int row = gridJhsp->currentRow();
    if (row < 0)
        return;
    showLineDetail(gridJhsp->value(row, QStringLiteral("gl_flag")), gridJhsp->value(row, QStringLiteral("g_sn")),
                   gridJhsp->value(row, QStringLiteral("tid")));
}

void TF_Jthcx::btnExportClick()
{
    if (gridJhd->rowCount() > 0)
        gridJhd->exportWithDialog();
}

void registerPurchasingQueries()
{
    registerZdthSearch();
    registerForm(QStringLiteral("TF_Jthcx"), F_Jthcx);
    registerForm(QStringLiteral("TF_Spcgtj"), F_Spcgtj);
    registerForm(QStringLiteral("TF_Spcgtj_Cx"), F_Spcgtj_Cx);
    registerForm(QStringLiteral("TF_Ywycgtj_Cx"), F_Ywycgtj_Cx);
    registerForm(QStringLiteral("TF_Ywycgtj"), F_Ywycgtj);
}
