#include "stock/kccx_jth.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"
#include "stock/kccx_sele.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Kccx_Jth* F_Kccx_Jth = nullptr;

namespace {

const char* const kFlags[2] = {"j", "t"};

NamedQuery* listQuery(int tab)
{
    return tab == 0 ? DataModule->Q_Ckjth : DataModule->Q_Ckjth1;
}

}  // namespace

TF_Kccx_Jth::TF_Kccx_Jth(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccx_Jth"));
    setWindowTitle(QStringLiteral("进/退货参考(此功能为您整理打印出一份进退货的商品列表，以便您参考)"));
    setEscCloses(true);
    resize(960, 560);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (int t = 0; t < 2; ++t) {
        const QString n = QString::number(t + 1);
        auto* page = new QWidget(PageControl1);
        Tab& tab = tabs[t];
        auto tool = [page, &n](const char* name, const QString& text) {
            auto* b = new QToolButton(page);
            b->setObjectName(QLatin1String(name) + n);
            b->setText(text);
            b->setAutoRaise(true);
            return b;
        };
        tab.btnAdd = tool("btnAdd", QStringLiteral("查询添加"));
        tab.btnModi = tool("btnModi", QStringLiteral("修改数量"));
        tab.btnDel = tool("btnDel", QStringLiteral("删除商品"));
        tab.btnExport = tool("btnExport", QStringLiteral("导出"));
        tab.btnPrint = tool("btnPrint", QStringLiteral("打印"));
        tab.btnExit = tool("btnExit", QStringLiteral("退出"));
        tab.grid = new DataGrid(page);
        tab.grid->setObjectName(QStringLiteral("cxGrid") + n);
        tab.grid->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("商品总数："));
        tab.grid->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
        tab.grid->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
        tab.grid->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
        tab.grid->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"));
        tab.grid->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商"));
        tab.grid->addColumn(QStringLiteral("jt_sl"), t == 0 ? QStringLiteral("参考进货数量") : QStringLiteral("参考退货数量")).footerSum();
        tab.grid->addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存数量")).footerSum();
        tab.grid->addColumn(QStringLiteral("jt_rq"), QStringLiteral("添加日期"));
        for (const char* hidden : {"id", "color_name", "jt_flag"})
            tab.grid->addColumn(QLatin1String(hidden)).setHidden();
        tab.grid->setQuery(DataModule ? listQuery(t) : nullptr);

        auto* bar = new QHBoxLayout;
        for (QToolButton* b : {tab.btnAdd, tab.btnModi, tab.btnDel, tab.btnExport, tab.btnPrint, tab.btnExit})
            bar->addWidget(b);
        bar->addStretch(1);
        auto* col = new QVBoxLayout(page);
        col->addLayout(bar);
        col->addWidget(tab.grid, 1);
        PageControl1->addTab(page, t == 0 ? QStringLiteral("进货参考") : QStringLiteral("退货参考"));

        onClicked(tab.btnAdd, [this, t] { btnAddClick(t); });
        onClicked(tab.btnModi, [this, t] { btnModiClick(t); });
        connect(tab.grid, &DataGrid::rowDoubleClicked, this, [this, t] { runGuarded([this, t] { btnModiClick(t); }); });
        onClicked(tab.btnDel, [this, t] { btnDelClick(t); });
        onClicked(tab.btnExport, [this, t] {
            if (tabs[t].grid->rowCount() > 0)
                tabs[t].grid->exportWithDialog();
        });
        onClicked(tab.btnPrint, [this, t] { btnPrintClick(t); });
        onClicked(tab.btnExit, [this] { close(); });
    }
    auto* main = new QVBoxLayout(this);
    main->addWidget(PageControl1);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_loading)
            runGuarded([this, index] { loadList(index); });
    });
}

void TF_Kccx_Jth::FormActivate()
{
    const int tab = callerFlag == u"jh" ? 0 : 1;
    m_loading = true;
    PageControl1->setCurrentIndex(tab);
    m_loading = false;
    loadList(tab);
}

void TF_Kccx_Jth::loadList(int tab)
{
    openQuery(listQuery(tab), QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_kc,b.g_sccs "
                                             "from jxc_ckjth a,jxc_goods b where a.g_sn=b.g_sn and a.jt_flag='%1' "
                                             "order by a.id")
                                  .arg(QLatin1String(kFlags[tab])));
}

void TF_Kccx_Jth::btnAddClick(int tab)
{
    callerFlag = tab == 0 ? QStringLiteral("jadd") : QStringLiteral("tadd");
    openWindow(QStringLiteral("TF_Kccx_Add"), QString(), QStringLiteral("查询添加"));
    callerFlag.clear();
    loadList(tab);
}

void TF_Kccx_Jth::btnModiClick(int tab)
{
    DataGrid* grid = tabs[tab].grid;
    if (grid->rowCount() == 0 || grid->currentRow() < 0)
        return;
    callerFlag = tab == 0 ? QStringLiteral("jmodi") : QStringLiteral("tmodi");
    curGoodsSn = grid->value(grid->currentRow(), QStringLiteral("g_sn"));
    showForm(F_Kccx_Sele);
    callerFlag.clear();
    curGoodsSn.clear();
    loadList(tab);
}

void TF_Kccx_Jth::btnDelClick(int tab)
{
    DataGrid* grid = tabs[tab].grid;
    if (grid->rowCount() == 0 || grid->currentRow() < 0)
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除当前选中的商品吗！"), this))
        return;
    deleteReference(grid->value(grid->currentRow(), QStringLiteral("id")).toLongLong());
    loadList(tab);
}

ReportTemplate TF_Kccx_Jth::listLayout(bool purchase)
{
    ReportListSpec spec;
    spec.title = purchase ? QStringLiteral("进货参考") : QStringLiteral("退货参考");
    spec.headerLines = {QStringLiteral("打印日期：[DATE]")};
    spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 24},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 22},
                    {QStringLiteral("供货商"), QStringLiteral("ghs_name"), 30},
                    {purchase ? QStringLiteral("参考进货数量") : QStringLiteral("参考退货数量"), QStringLiteral("jt_sl"), 22,
                     ReportHAlign::Right},
                    {QStringLiteral("库存数量"), QStringLiteral("g_kc"), 18, ReportHAlign::Right}};
    spec.totalCaption = QString();
    spec.summaryLines = {QStringLiteral("记录总数：[COUNT(<frxDBDataset1>)]")};
    return reportListLayout(spec);
}

void TF_Kccx_Jth::btnPrintClick(int tab)
{
    DataGrid* grid = tabs[tab].grid;
    if (grid->rowCount() == 0)
        return;
    Report rpt;
    rpt.setLayout(listLayout(tab == 0));
    rpt.clearVariables();
    rpt.setDataset(QStringLiteral("frxDBDataset1"), grid->shownResult());
    rpt.preview(this);
}
