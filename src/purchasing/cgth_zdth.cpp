#include "purchasing/cgth_zdth.h"

#include "bills/billprint.h"
#include "bills/querykit.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "purchasing/cgjhprint.h"
#include "purchasing/cgth.h"
#include "purchasing/cgthposting.h"
#include "purchasing/cgth_zdth_search.h"
#include "purchasing/purchasequery.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Cgth_Zdth* F_Cgth_Zdth = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

}  // namespace

QString cgthZdthSql(const QString& key, const QString& d1, const QString& d2, const QString& ckSn, const QString& opName)
{
    const QString k = sqlSafe(key.trimmed());
    QString sql = QStringLiteral("select a.*,a.j_yfje-a.j_sfje as wfje,b.ghs_name,b.ghs_jm,c.ck_name,d.u_name,"
                                 "'采购进货' as gtype from jxc_jhd a,jxc_ghsxx b,jxc_ckxx c,jxc_user d where "
                                 "a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and (a.j_sn like '%%1%' or "
                                 "b.ghs_name like '%%1%' or b.ghs_jm like '%%1%') and a.j_jhrq>='%2' and a.j_jhrq<='%3' ")
                      .arg(k, sqlLit(d1), sqlLit(d2));
    if (!ckSn.isEmpty())
        sql += QStringLiteral(" and a.ck_sn='%1'").arg(sqlLit(ckSn));
    if (!opName.isEmpty())
        sql += QStringLiteral(" and a.a_name='%1'").arg(sqlLit(opName));
    return sql + QStringLiteral(" order by a.id desc");
}

QString cgthZdthLinesSql(const QString& jSn)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,b.g_bz,b.g_bzq,"
                          "date(a.t_scrq,'+'||ifnull(b.g_bzq,0)||' days') as gqrq from jxc_jhsp a,jxc_goods b "
                          "where a.g_sn=b.g_sn and a.t_scrq<>'' and a.t_scrq is not null and a.j_sn='%1' order by a.id")
        .arg(sqlSafe(jSn));
}

TF_Cgth_Zdth::TF_Cgth_Zdth(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Zdth"));
    setWindowTitle(QStringLiteral("采购单据查询"));
    tKey = nameBox(this, "tKey", 32);
    installKeyFilter(tKey);
    m_period = makeQueryPeriod([this] { btnQueryClick(); });
    date1 = m_period.date1;
    date2 = m_period.date2;
    auto* btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));
    auto* btnSearch = namedButton(this, "btnSearch", QStringLiteral("详细查找"));
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnPrint = new QToolButton;
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnPrint->setText(QStringLiteral("打印"));
    btnPrint->setPopupMode(QToolButton::InstantPopup);
    auto* printMenu = new QMenu(btnPrint);
    addMenuItem(printMenu, QStringLiteral("打印单据清单(&Y)"), "actPrintList", this, [this] { printListClick(); });
    addMenuItem(printMenu, QStringLiteral("打印单据内容(&Z)"), "actPrintContent", this, [this] { printBillClick(); });
    btnPrint->setMenu(printMenu);
    auto* btnExport = new QToolButton;
    btnExport->setObjectName(QStringLiteral("btnExport"));
    btnExport->setText(QStringLiteral("导出"));
    btnExport->setPopupMode(QToolButton::InstantPopup);
    auto* exportMenu = new QMenu(btnExport);
    addMenuItem(exportMenu, QStringLiteral("采购单据表(&Y)"), "actExportJhd", this, [this] { gridJhd->exportWithDialog(); });
    addMenuItem(exportMenu, QStringLiteral("单据的详细信息(&Z)"), "actExportJhsp", this,
              [this] { gridJhsp->exportWithDialog(); });
    btnExport->setMenu(exportMenu);
    auto* btnZdth = namedButton(this, "btnZdth", QStringLiteral("整单退货"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("供货商/单据号：")));
    top->addWidget(tKey, 1);
    addQueryPeriod(top, QStringLiteral("开单日期："), m_period);
    for (QWidget* w : std::initializer_list<QWidget*>{btnQuery, btnSearch, btnView, btnPrint, btnExport, btnZdth, btnExit})
        top->addWidget(w);

    gridJhd = new DataGrid;
    gridJhd->setObjectName(QStringLiteral("gridJhd"));
    gridJhd->setQuery(DataModule->Q_Jhd);
    gridJhd->addColumn(QStringLiteral("j_sn"), QStringLiteral("单据号"), 120).footerText(QStringLiteral("单据合计："));
    gridJhd->addColumn(QStringLiteral("j_jhrq"), QStringLiteral("开单日期"), 80).footerCount();
    gridJhd->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商名称"), 140);
    gridJhd->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 80);
    for (const auto& [field, caption] : {std::pair{"j_yfje", "应付金额"}, std::pair{"j_sfje", "实付金额"},
                                         std::pair{"wfje", "欠款金额"}, std::pair{"j_yhje", "优惠金额"}})
        gridJhd->addColumn(QLatin1String(field), QString::fromUtf8(caption), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridJhd->addColumn(QStringLiteral("gtype"), QStringLiteral("单据类型"), 70);
    gridJhd->addColumn(QStringLiteral("j_sn2"), QStringLiteral("原始单号"), 90);
    gridJhd->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    gridJhd->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    gridJhd->addColumn(QStringLiteral("j_note"), QStringLiteral("备注"), 120);
    gridJhd->view()->setToolTip(QStringLiteral("已做过“整单退货”的采购单，“类型”字段显示为红色文字。"));
    gridJhd->setCellStyle([this](int row, const QString& field, CellStyle& style) {
        if (field == QLatin1String("gtype") && gridJhd->value(row, QStringLiteral("j_th")).trimmed() == QLatin1String("1"))
            style.text = Qt::red;
    });

    m_linesCaption = new QLabel;
    m_linesCaption->setObjectName(QStringLiteral("lbLines"));
    gridJhsp = new DataGrid;
    gridJhsp->setObjectName(QStringLiteral("gridJhsp"));
    gridJhsp->setQuery(DataModule->Q_Jhsp2);
    gridJhsp->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    gridJhsp->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    gridJhsp->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    gridJhsp->addColumn(QStringLiteral("jh_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridJhsp->addColumn(QStringLiteral("jh_sl"), QStringLiteral("数量"), 60).footerSum();
    gridJhsp->addColumn(QStringLiteral("jh_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridJhsp->addColumn(QStringLiteral("gg_name"), QStringLiteral("产品规格"), 90);
    gridJhsp->addColumn(QStringLiteral("gqrq"), QStringLiteral("有效期至"), 80);

    auto* docMenu = new QMenu(this);
    actZdth = addMenuItem(docMenu, QStringLiteral("整单退货(&Y)"), "actZdth", this, [this] { btnZdthClick(); });
    actPrintBill = addMenuItem(docMenu, QStringLiteral("打印单据内容(&Z)"), "actPrintBill", this, [this] { printBillClick(); });
    connect(docMenu, &QMenu::aboutToShow, this, [this] {
        actZdth->setEnabled(gridJhd->rowCount() > 0);
        actPrintBill->setEnabled(gridJhd->rowCount() > 0);
    });
    attachGridMenu(gridJhd, docMenu);
    auto* lineMenu = new QMenu(this);
    actLineReturn = addMenuItem(lineMenu, QStringLiteral("退货(&Z)"), "actLineReturn", this, [this] { lineReturnClick(); });
    connect(lineMenu, &QMenu::aboutToShow, this, [this] { actLineReturn->setEnabled(gridJhsp->rowCount() > 0); });
    attachGridMenu(gridJhsp, lineMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(gridJhd, 3);
    layout->addWidget(m_linesCaption);
    layout->addWidget(gridJhsp, 2);

    connect(tKey, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { btnQueryClick(); }); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnSearch, [this] { btnSearchClick(); });
    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnZdth, [this] { btnZdthClick(); });
    onClicked(btnExit, [this] { close(); });
    connect(gridJhd, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { loadLines(); }); });
    connect(gridJhd, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
    resize(980, 600);
}

void TF_Cgth_Zdth::FormActivate()
{
    djhParam.clear();
    m_directPrint = false;
    m_period.fromPreviousMonth();
    if (callerFlag == QLatin1String("cgjh"))
        tKey->setText(detailTable);
    btnQueryClick();
}

bool TF_Cgth_Zdth::FormKeyDown(QKeyEvent* event)
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

void TF_Cgth_Zdth::FormClose()
{
    DataModule->Q_Jhd->close();
    DataModule->Q_Jhsp2->close();
}

void TF_Cgth_Zdth::btnQueryClick()
{
    openQuery(DataModule->Q_Jhd, cgthZdthSql(tKey->text(), dateText(date1->date()), dateText(date2->date()), m_filters.ckSn,
                                                m_filters.opName));
    loadLines();
}

void TF_Cgth_Zdth::btnSearchClick()
{
    const auto answer = runZdthSearch(QStringLiteral("cgth_zdth"));
    if (!answer)
        return;
    m_period.set(answer->d1, answer->d2);
    tKey->setText(answer->supplier);
    m_filters.set(answer->ckSn, answer->opName);
    btnQueryClick();
}

QString TF_Cgth_Zdth::currentReceipt() const
{
    const int row = gridJhd->currentRow();
    return row < 0 ? QString() : gridJhd->value(row, QStringLiteral("j_sn"));
}

void TF_Cgth_Zdth::loadLines()
{
    const int row = gridJhd->currentRow();
    if (row < 0) {
        DataModule->Q_Jhsp2->close();
        m_linesCaption->clear();
        return;
    }
    m_linesCaption->setText(QStringLiteral("单据详细信息：%1  %2")
                                .arg(gridJhd->value(row, QStringLiteral("j_sn")), gridJhd->value(row, QStringLiteral("ghs_name"))));
    openQuery(DataModule->Q_Jhsp2, cgthZdthLinesSql(currentReceipt()));
}

void TF_Cgth_Zdth::btnViewClick()
{
    const QString jSn = currentReceipt();
    if (jSn.isEmpty())
        return;
    if (m_directPrint) {
        try {
            printBillDirect(cgjhPostedPrint(jSn));
        } catch (const DbError&) {
        }
        return;
    }
    printGoodsDetail(cgjhPostedPrint(jSn), this);
}

void TF_Cgth_Zdth::printBillClick()
{
    m_directPrint = true;
    btnViewClick();
}

void TF_Cgth_Zdth::printListClick()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("采购进货单据表");
    spec.headerLines = {QStringLiteral("查询日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE]")};
    spec.columns = {{QStringLiteral("单据号"), QStringLiteral("j_sn"), 30},
                    {QStringLiteral("开单日期"), QStringLiteral("j_jhrq"), 22},
                    {QStringLiteral("供货商名称"), QStringLiteral("ghs_name"), 35},
                    {QStringLiteral("应付金额"), QStringLiteral("j_yfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("实付金额"), QStringLiteral("j_sfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("欠款金额"), QStringLiteral("wfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("经办人"), QStringLiteral("u_name"), 18}};
    previewQueryList(spec, gridJhd, m_period, this);
}

void TF_Cgth_Zdth::showReturn(bool underneath)
{
    close();
    if (!underneath)
        showForm(F_Cgth);
}

void TF_Cgth_Zdth::btnZdthClick()
{
    const bool underneath = modeFlag == QLatin1String("cgth");
    ensureForm(F_Cgth);
    if (!underneath)
        F_Cgth->newNumberForCopy();
    const QString jSn = currentReceipt();
    if (jSn.isEmpty())
        return;
    const bool hadLines = F_Cgth->hasLines();
    const ReturnCopy copy = copyWholeReceipt(jSn, F_Cgth->number());
    if (!copy.refusal.isEmpty()) {
        msgInfo(copy.refusal, this);
        return;
    }
    if (!copy.header)
        return;
    // Into an empty bill the receipt's amounts stand; added to lines, the lines' total does.
    F_Cgth->takeReceipt(*copy.header, !hadLines, !underneath);
    djhParam = jSn;
    showReturn(underneath);
}

void TF_Cgth_Zdth::lineReturnClick()
{
    const int row = gridJhsp->currentRow();
    if (row < 0)
        return;
    const bool underneath = modeFlag == QLatin1String("cgth");
    ensureForm(F_Cgth);
    if (!underneath)
        F_Cgth->newNumberForCopy();
    const ReturnCopy copy = copyReceiptLine(gridJhsp->value(row, QStringLiteral("id")).toLongLong(), F_Cgth->number());
    if (!copy.header)
        return;
    F_Cgth->takeReceipt(*copy.header, false, !underneath);
    djhParam = copy.header->jSn;
    showReturn(underneath);
}
