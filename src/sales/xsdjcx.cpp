#include "sales/xsdjcx.h"

#include "bills/billprint.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/reportlist.h"
#include "sales/spxsprint.h"
#include "sales/xsth.h"
#include "sales/xsth_search.h"
#include "sales/xsthposting.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Xsdjcx* F_Xsdjcx = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

// A button that opens `menu` below itself.
QToolButton* menuButton(const char* objectName, const QString& text, QMenu* menu)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(objectName));
    button->setText(text);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMenu(menu);
    return button;
}

// The print of a posted sales bill; its customer becomes the current one.
BillPrint postedSalePrint(const QString& djh)
{
    const SpxsPrintBill bill = postedSpxsBill(djh);
    curKhSn = bill.khSn;
    return spxsPrint(bill);
}

}  // namespace

QString xsdjcxSql(const QString& key, const QString& d1, const QString& d2, const QString& ckSn, const QString& opName)
{
    const QString k = sqlSafe(key.trimmed());
    QString sql = QStringLiteral("select a.*,a.ls_yfje-a.ls_sfje as wfje,b.kh_name,b.kh_jm,c.ck_name,d.u_name,"
                                 "'商品销售' as gtype from jxc_lsxsd a,jxc_khxx b,jxc_ckxx c,jxc_user d where "
                                 "a.kh_sn=b.kh_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and (a.gl_djh like '%%1%' or "
                                 "b.kh_name like '%%1%' or b.kh_jm like '%%1%') and a.ls_xsrq>='%2' and "
                                 "a.ls_xsrq<='%3 23:59:59'")
                      .arg(k, sqlLit(d1), sqlLit(d2));
    QueryExtraFilters filters;
    filters.set(ckSn, opName);
    return sql + filters.sql(QStringLiteral("a.")) + QStringLiteral(" order by a.id desc");
}

QString xsdjcxLinesSql(const QString& djh)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_kc,a.g_bz,"
                          "b.ls_dj*b.ls_dzl as sj from jxc_goods a,jxc_lsxssp b where a.g_sn=b.g_sn and "
                          "b.gl_djh='%1' order by b.id")
        .arg(sqlSafe(djh));
}

TF_Xsdjcx::TF_Xsdjcx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Xsdjcx"));
    setWindowTitle(QStringLiteral("销售单据查询"));
    tKey = nameBox(this, "tKey", 32);
    installKeyFilter(tKey);
    m_period = makeQueryPeriod([this] { btnQueryClick(); });
    date1 = m_period.date1;
    date2 = m_period.date2;
    auto* btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));
    auto* btnSearch = namedButton(this, "btnSearch", QStringLiteral("详细查找"));
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* printMenu = new QMenu(this);
    addMenuItem(printMenu, QStringLiteral("打印单据清单(&Y)"), "actPrintList", this, [this] { printListClick(); });
    addMenuItem(printMenu, QStringLiteral("打印单据内容(&Z)"), "actPrintContent", this, [this] { printBillClick(); });
    auto* exportMenu = new QMenu(this);
    addMenuItem(exportMenu, QStringLiteral("销售单据表(&Y)"), "actExportBills", this, [this] { cxGrid2View->exportWithDialog(); });
    addMenuItem(exportMenu, QStringLiteral("单据的详细信息(&Z)"), "actExportLines", this,
                [this] { cxGrid3View->exportWithDialog(); });
    auto* btnZdth = namedButton(this, "btnZdth", QStringLiteral("整单退货"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("客户/单据号：")));
    top->addWidget(tKey, 1);
    addQueryPeriod(top, QStringLiteral("开单日期："), m_period);
    for (QWidget* w : std::initializer_list<QWidget*>{btnQuery, btnSearch, btnView,
                                                      menuButton("btnPrint", QStringLiteral("打印"), printMenu),
                                                      menuButton("btnExport", QStringLiteral("导出"), exportMenu), btnZdth,
                                                      btnExit})
        top->addWidget(w);

    cxGrid2View = new DataGrid;
    cxGrid2View->setObjectName(QStringLiteral("cxGrid2View"));
    cxGrid2View->setQuery(DataModule->Q_Lsxsd);
    cxGrid2View->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120).footerText(QStringLiteral("单据合计："));
    cxGrid2View->addColumn(QStringLiteral("ls_xsrq"), QStringLiteral("开单日期"), 80).footerCount();
    cxGrid2View->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 140);
    cxGrid2View->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 80);
    for (const auto& [field, caption] : {std::pair{"ls_yfje", "应收金额"}, std::pair{"ls_sfje", "实收金额"},
                                         std::pair{"wfje", "欠款金额"}, std::pair{"ls_yhje", "优惠金额"}})
        cxGrid2View->addColumn(QLatin1String(field), QString::fromUtf8(caption), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGrid2View->addColumn(QStringLiteral("gtype"), QStringLiteral("单据类型"), 70);
    cxGrid2View->addColumn(QStringLiteral("gl_djh2"), QStringLiteral("原始单号"), 90);
    cxGrid2View->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    cxGrid2View->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    cxGrid2View->addColumn(QStringLiteral("ls_note"), QStringLiteral("备注"), 120);
    // A bill returned whole shows its type in red.
    cxGrid2View->setCellStyle([this](int row, const QString& field, CellStyle& style) {
        if (field == QLatin1String("gtype") && cxGrid2View->value(row, QStringLiteral("ls_th")).trimmed() == QLatin1String("1"))
            style.text = Qt::red;
    });

    m_linesCaption = new QLabel;
    m_linesCaption->setObjectName(QStringLiteral("lbLines"));
    cxGrid3View = new DataGrid;
    cxGrid3View->setObjectName(QStringLiteral("cxGrid3View"));
    cxGrid3View->setQuery(DataModule->Q_Lsxssp2);
    cxGrid3View->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计："));
    cxGrid3View->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    cxGrid3View->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGrid3View->addColumn(QStringLiteral("ls_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    cxGrid3View->addColumn(QStringLiteral("ls_sl"), QStringLiteral("数量"), 60).footerSum();
    cxGrid3View->addColumn(QStringLiteral("ls_zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGrid3View->addColumn(QStringLiteral("gg_name"), QStringLiteral("商品规格"), 90);
    cxGrid3View->addColumn(QStringLiteral("g_sccs"), QStringLiteral("生产厂商"), 90);

    auto* billMenu = new QMenu(this);
    actZdth = addMenuItem(billMenu, QStringLiteral("整单退货(&Y)"), "actZdth", this, [this] { btnZdthClick(); });
    actPrintBill = addMenuItem(billMenu, QStringLiteral("打印单据内容(&Z)"), "actPrintBill", this, [this] { printBillClick(); });
    connect(billMenu, &QMenu::aboutToShow, this, [this] {
        actZdth->setEnabled(cxGrid2View->rowCount() > 0);
        actPrintBill->setEnabled(cxGrid2View->rowCount() > 0);
    });
    attachGridMenu(cxGrid2View, billMenu);
    auto* lineMenu = new QMenu(this);
    actLineReturn = addMenuItem(lineMenu, QStringLiteral("退货(&Z)"), "actLineReturn", this, [this] { lineReturnClick(); });
    connect(lineMenu, &QMenu::aboutToShow, this, [this] { actLineReturn->setEnabled(cxGrid3View->rowCount() > 0); });
    attachGridMenu(cxGrid3View, lineMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cxGrid2View, 3);
    layout->addWidget(m_linesCaption);
    layout->addWidget(cxGrid3View, 2);

    connect(tKey, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { btnQueryClick(); }); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnSearch, [this] { btnSearchClick(); });
    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnZdth, [this] { btnZdthClick(); });
    onClicked(btnExit, [this] { close(); });
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { loadLines(); }); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
    resize(980, 600);
}

void TF_Xsdjcx::FormActivate()
{
    // A return prepared under the return window is carried by djhParam only from here on.
    if (modeFlag != QLatin1String("xsth"))
        djhParam.clear();
    m_period.fromPreviousMonth();
    m_filters.clear();
    tKey->setText(callerFlag == QLatin1String("spxs") ? detailTable : QString());
    btnQueryClick();
}

bool TF_Xsdjcx::FormKeyDown(QKeyEvent* event)
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

void TF_Xsdjcx::FormClose()
{
    DataModule->Q_Lsxsd->close();
    DataModule->Q_Lsxssp2->close();
}

void TF_Xsdjcx::btnQueryClick()
{
    openQuery(DataModule->Q_Lsxsd, xsdjcxSql(tKey->text(), m_period.d1(), m_period.d2(), m_filters.ckSn, m_filters.opName));
    loadLines();
}

void TF_Xsdjcx::btnSearchClick()
{
    const auto answer = runXsthSearch(QStringLiteral("xsdjcx"));
    if (!answer)
        return;
    m_period.set(answer->d1, answer->d2);
    tKey->setText(answer->partner);
    m_filters.set(answer->ckSn, answer->opName);
    btnQueryClick();
}

QString TF_Xsdjcx::currentBill() const
{
    const int row = cxGrid2View->currentRow();
    return row < 0 ? QString() : cxGrid2View->value(row, QStringLiteral("gl_djh"));
}

void TF_Xsdjcx::loadLines()
{
    const int row = cxGrid2View->currentRow();
    if (row < 0) {
        DataModule->Q_Lsxssp2->close();
        m_linesCaption->clear();
        return;
    }
    m_linesCaption->setText(QStringLiteral("单据详细信息：%1  %2")
                                .arg(currentBill(), cxGrid2View->value(row, QStringLiteral("kh_name"))));
    openQuery(DataModule->Q_Lsxssp2, xsdjcxLinesSql(currentBill()));
}

void TF_Xsdjcx::btnViewClick()
{
    const QString djh = currentBill();
    if (!djh.isEmpty())
        printGoodsDetail(postedSalePrint(djh), this);
}

void TF_Xsdjcx::printBillClick()
{
    const QString djh = currentBill();
    if (!djh.isEmpty())
        printBillDirect(postedSalePrint(djh));
}

void TF_Xsdjcx::printListClick()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品销售单据表");
    spec.headerLines = {QStringLiteral("查询日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("日期"), QStringLiteral("ls_xsrq"), 22},
                    {QStringLiteral("客户名称"), QStringLiteral("kh_name"), 35},
                    {QStringLiteral("单据号"), QStringLiteral("gl_djh"), 30},
                    {QStringLiteral("内容摘要"), QStringLiteral("gtype"), 20},
                    {QStringLiteral("应付金额"), QStringLiteral("ls_yfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("实付金额"), QStringLiteral("ls_sfje"), 22, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("经办人"), QStringLiteral("u_name"), 18},
                    {QStringLiteral("操作员"), QStringLiteral("a_name"), 18},
                    {QStringLiteral("备注"), QStringLiteral("ls_note"), 30}};
    previewQueryList(spec, cxGrid2View, m_period, this);
}

void TF_Xsdjcx::showReturn(bool underneath)
{
    close();
    if (!underneath)
        showForm(F_Xsth);
}

void TF_Xsdjcx::btnZdthClick()
{
    const QString djh = currentBill();
    if (djh.isEmpty())
        return;
    const bool underneath = modeFlag == QLatin1String("xsth");
    ensureForm(F_Xsth);
    if (!underneath)
        F_Xsth->newNumberForCopy();
    const QString refusal = F_Xsth->takeWholeSale(djh);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    showReturn(underneath);
}

void TF_Xsdjcx::lineReturnClick()
{
    const int row = cxGrid3View->currentRow();
    if (row < 0)
        return;
    const bool underneath = modeFlag == QLatin1String("xsth");
    ensureForm(F_Xsth);
    if (!underneath)
        F_Xsth->newNumberForCopy();
    F_Xsth->takeSaleLine(cxGrid3View->value(row, QStringLiteral("id")).toLongLong());
    msgInfo(QStringLiteral("该商品信息已成功添加到\r\n\r\n当前退货单中。"), this);
    if (!underneath)
        xsthKeepPrepared = true;
    showReturn(underneath);
}
