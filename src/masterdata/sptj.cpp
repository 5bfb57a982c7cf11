#include "masterdata/sptj.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "masterdata/priceadjust.h"
#include "masterdata/spxxgl.h"
#include "masterdata/spxxgl_tj.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Sptj* F_Sptj = nullptr;

namespace {

const QStringList kKeyFields{QStringLiteral("g_jm"),    QStringLiteral("g_name"), QStringLiteral("g_sn"),
                             QStringLiteral("gg_name"), QStringLiteral("gg_jm"),  QStringLiteral("color_jm")};

}  // namespace

TF_Sptj::TF_Sptj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Sptj"));
    setWindowTitle(QStringLiteral("商品调价"));
    setEscCloses(true);
    resize(1000, 640);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* page1 = new QWidget(PageControl1);
    auto* page2 = new QWidget(PageControl1);
    PageControl1->addTab(page1, QStringLiteral("调价管理"));
    PageControl1->addTab(page2, QStringLiteral("调价查询"));

    // Categories
    auto* classBox = new QGroupBox(QStringLiteral("商品类别"), page1);
    tClassName = new QLineEdit(classBox);
    tClassName->setObjectName(QStringLiteral("tClassName"));
    installKeyFilter(tClassName);
    TreeView1 = new CategoryTree(classBox);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setQuery(DataModule ? DataModule->Q_SptjClass : nullptr);
    auto* classRow = new QHBoxLayout;
    classRow->addWidget(new QLabel(QStringLiteral("类别名称："), classBox));
    classRow->addWidget(tClassName, 1);
    auto* classCol = new QVBoxLayout(classBox);
    classCol->addLayout(classRow);
    classCol->addWidget(TreeView1, 1);

    // Goods
    auto* goodsBox = new QGroupBox(QStringLiteral("商品列表"), page1);
    tKey = new QLineEdit(goodsBox);
    tKey->setObjectName(QStringLiteral("tKey"));
    tKey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    installKeyFilter(tKey);
    btnTj = namedButton(goodsBox, "btnTj", QStringLiteral("商品调价(F2)"));
    btnExit = namedButton(goodsBox, "btnExit", QStringLiteral("退出(Esc)"));
    cxGrid1 = new DataGrid(goodsBox);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    const QString money = QStringLiteral("￥,0.00;￥-,0.00");
    const QString money2 = QStringLiteral("￥,0.00;-￥,0.00");
    cxGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编码"), 90).footerText(QStringLiteral("商品合计:"));
    cxGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid1->addColumn(QStringLiteral("gc_name"), QStringLiteral("商品类别"));
    cxGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid1->addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价")).setFormat(money);
    cxGrid1->addColumn(QStringLiteral("g_sj"), QStringLiteral("预设售价")).setFormat(money);
    cxGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("产品规格"));
    cxGrid1->addColumn(QStringLiteral("g_zdkc"), QStringLiteral("最低库存"));
    cxGrid1->addColumn(QStringLiteral("g_tjsp"), QStringLiteral("特价商品")).setCheck();
    cxGrid1->addColumn(QStringLiteral("g_dxdz"), QStringLiteral("单项打折")).setCheck();
    cxGrid1->addColumn(QStringLiteral("g_hyj"), QStringLiteral("会员价")).setFormat(money2);
    cxGrid1->addColumn(QStringLiteral("g_tj"), QStringLiteral("特价")).setFormat(money2);
    cxGrid1->addColumn(QStringLiteral("g_tjqx"), QStringLiteral("特价期限")).setCheck();
    cxGrid1->addColumn(QStringLiteral("g_ks"), QStringLiteral("开始日期"));
    cxGrid1->addColumn(QStringLiteral("g_js"), QStringLiteral("结束日期"));
    cxGrid1->addColumn(QStringLiteral("g_jy"), QStringLiteral("禁用")).setCheck();
    cxGrid1->addColumn(QStringLiteral("g_sptm"), QStringLiteral("商品条码"));
    cxGrid1->addColumn(QStringLiteral("g_dzll"), QStringLiteral("销售折扣")).setFormat(QStringLiteral("0.00;-0.00"));
    cxGrid1->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"));
    cxGrid1->setMultiSelect(true);
    cxGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    cxGrid1->setQuery(DataModule ? DataModule->Q_Sptj : nullptr);
    PopupMenu1 = new QMenu(this);
    N_Record = PopupMenu1->addAction(QStringLiteral("该商品调价记录(&X)"));
    N_OnlyTj = PopupMenu1->addAction(QStringLiteral("只显示特价商品(&Y)"));
    N_OnlyTj->setCheckable(true);
    N_OnlyJy = PopupMenu1->addAction(QStringLiteral("只显示禁用商品(&Z)"));
    N_OnlyJy->setCheckable(true);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel(QStringLiteral("输入商品相关信息进行查询(F6)："), goodsBox));
    keyRow->addWidget(tKey, 1);
    keyRow->addWidget(btnTj);
    keyRow->addWidget(btnExit);
    auto* goodsCol = new QVBoxLayout(goodsBox);
    goodsCol->addLayout(keyRow);
    goodsCol->addWidget(cxGrid1, 1);

    // Preview
    auto* mxBox = new QGroupBox(QStringLiteral("商品售价明细"), page1);
    cxGrid2 = new DataGrid(mxBox);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->addColumn(QStringLiteral("hl_name"), QStringLiteral("顾客分类"));
    cxGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid2->addColumn(QStringLiteral("sp_sj"), QStringLiteral("零售单价"));
    cxGrid2->addColumn(QStringLiteral("sp_dzll"), QStringLiteral("商品折扣"));
    cxGrid2->addColumn(QStringLiteral("sp_zk"), QStringLiteral("顾客折扣"));
    cxGrid2->addColumn(QStringLiteral("sp_dxdz"), QStringLiteral("单项折扣"));
    cxGrid2->addColumn(QStringLiteral("sp_zzzk"), QStringLiteral("最终折扣"));
    cxGrid2->addColumn(QStringLiteral("sp_tjsp"), QStringLiteral("特价商品"));
    cxGrid2->addColumn(QStringLiteral("sp_tj"), QStringLiteral("顾客特价"));
    cxGrid2->addColumn(QStringLiteral("sp_zzdj"), QStringLiteral("最终单价"));
    cxGrid2->setQuery(DataModule ? DataModule->Q_Sptjmx : nullptr);
    (new QVBoxLayout(mxBox))->addWidget(cxGrid2);

    auto* right = new QSplitter(Qt::Vertical, page1);
    right->addWidget(goodsBox);
    right->addWidget(mxBox);
    right->setStretchFactor(0, 3);
    auto* split = new QSplitter(page1);
    split->addWidget(classBox);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    (new QVBoxLayout(page1))->addWidget(split);

    // Log
    auto dateBox = [page2](const char* name) {
        auto* d = new QDateEdit(page2);
        d->setObjectName(QString::fromLatin1(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    dDate1 = dateBox("dDate1");
    dDate2 = dateBox("dDate2");
    btnDates = new QToolButton(page2);
    btnDates->setObjectName(QStringLiteral("btnDates"));
    addDatePresetMenu(btnDates, dDate1, dDate2, [this] { runGuarded([this] { btnQueryClick(); }); });
    tKey2 = new QLineEdit(page2);
    tKey2->setObjectName(QStringLiteral("tKey2"));
    tKey2->setPlaceholderText(QStringLiteral("回车键开始查询"));
    installKeyFilter(tKey2);
    btnQuery = namedButton(page2, "btnQuery", QStringLiteral("查询(F2)"));
    btnPrint = namedButton(page2, "btnPrint", QStringLiteral("打印"));
    btnExport = namedButton(page2, "btnExport", QStringLiteral("导出"));
    btnExit2 = namedButton(page2, "btnExit2", QStringLiteral("退出"));
    cxGrid3 = new DataGrid(page2);
    cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
    cxGrid3->addColumn(QStringLiteral("tj_rq"), QStringLiteral("调价时间"), 130);
    cxGrid3->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    cxGrid3->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid3->addColumn(QStringLiteral("tj_nr"), QStringLiteral("调价内容"), 400);
    cxGrid3->setQuery(DataModule ? DataModule->Q_Sptjcx : nullptr);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(new QLabel(QStringLiteral("查询日期："), page2));
    logRow->addWidget(dDate1);
    logRow->addWidget(new QLabel(QStringLiteral("至"), page2));
    logRow->addWidget(dDate2);
    logRow->addWidget(btnDates);
    logRow->addWidget(new QLabel(QStringLiteral("商品名称或编号："), page2));
    logRow->addWidget(tKey2, 1);
    for (QPushButton* b : {btnQuery, btnPrint, btnExport, btnExit2})
        logRow->addWidget(b);
    auto* logCol = new QVBoxLayout(page2);
    logCol->addLayout(logRow);
    logCol->addWidget(cxGrid3, 1);

    (new QVBoxLayout(this))->addWidget(PageControl1);

    // Wiring
    connect(tClassName, &QLineEdit::textEdited, this, [this](const QString& text) {
        runGuarded([this, text] {
            const QString name = goodsClassStartingWith(text);
            if (!name.isEmpty())
                TreeView1->selectByText(name);
        });
    });
    connect(TreeView1, &CategoryTree::nodeClicked, this, [this](int id) {
        runGuarded([this, id] {
            filterGoodsByCategory(cxGrid1, TreeView1, id);
            setGridMx();
        });
    });
    connect(tKey, &QLineEdit::textChanged, this, [this] {
        runGuarded([this] {
            cxGrid1->setSearch(tKey->text().trimmed(), kKeyFields);
            setGridMx();
        });
    });
    connect(cxGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { setGridMx(); }); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnTjClick(); }); });
    connect(cxGrid1->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(cxGrid1->view()->viewport()->mapToGlobal(pos)); });
    connect(N_Record, &QAction::triggered, this, [this] { runGuarded([this] { N_RecordClick(); }); });
    connect(N_OnlyTj, &QAction::triggered, this, [this] { runGuarded([this] { onlyFlagClick(N_OnlyTj); }); });
    connect(N_OnlyJy, &QAction::triggered, this, [this] { runGuarded([this] { onlyFlagClick(N_OnlyJy); }); });
    onClicked(btnTj, [this] { btnTjClick(); });
    onClicked(btnExit, [this] { close(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            runGuarded([this] { showLogTab(); });
    });
    connect(tKey2, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { btnQueryClick(); }); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] { cxGrid3->exportWithDialog(); });
    onClicked(btnExit2, [this] { close(); });
}

void TF_Sptj::FormActivate()
{
    m_jump = false;
    PageControl1->blockSignals(true);
    PageControl1->setCurrentIndex(0);
    PageControl1->blockSignals(false);
    openQuery(DataModule->Q_SptjClass, DataModule->Q_SptjClass->designSql());
    if (QTreeWidgetItem* root = TreeView1->topLevelItem(0)) {
        root->setExpanded(true);
        TreeView1->selectById(TreeView1->idOf(root));
    }
    N_OnlyTj->setChecked(false);
    N_OnlyJy->setChecked(false);
    tKey->blockSignals(true);
    tKey->clear();
    tKey->blockSignals(false);
    cxGrid1->clearFilter();
    openQuery(DataModule->Q_Sptj, QStringLiteral("select a.*,b.gc_name from jxc_goods a,jxc_goodsclass b where "
                                                 "a.gc_sn=b.gc_sn and a.g_sn<>'00000000' order by a.id"));
    setGridMx();
}

bool TF_Sptj::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F6:
        PageControl1->setCurrentIndex(0);
        tKey->setFocus();
        return true;
    case Qt::Key_F2:
        runGuarded([this] { btnTjClick(); });
        return true;
    default:
        return false;
    }
}

void TF_Sptj::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_SptjClass, DataModule->Q_Sptj, DataModule->Q_Sptjmx, DataModule->Q_Sptjcx})
        q->close();
}

void TF_Sptj::setGridMx()
{
    const int row = cxGrid1->currentRow();
    if (cxGrid1->rowCount() == 0 || row < 0) {
        DataModule->Q_Sptjmx->close();
        return;
    }
    buildPricePreview(cxGrid1->value(row, QStringLiteral("g_sn")), operatorName);
    openQuery(DataModule->Q_Sptjmx, QStringLiteral("select * from jxc_sptjtmp where a_name='%1' order by id")
                                        .arg(sqlSafe(operatorName)));
}

void TF_Sptj::btnTjClick()
{
    const int row = cxGrid1->currentRow();
    if (cxGrid1->rowCount() == 0 || row < 0)
        return;
    curGoodsSn = cxGrid1->value(row, QStringLiteral("g_sn"));
    showForm(F_Spxxgl_Tj);
    DataModule->Q_Sptj->open();
    if (DataModule->Q_Sptj->locate(QStringLiteral("g_sn"), curGoodsSn))
        cxGrid1->setCurrentRow(DataModule->Q_Sptj->currentRow());
    curGoodsSn.clear();
    setGridMx();
}

void TF_Sptj::onlyFlagClick(QAction* clicked)
{
    QAction* other = clicked == N_OnlyTj ? N_OnlyJy : N_OnlyTj;
    other->setChecked(false);
    cxGrid1->clearFilter();
    if (clicked->isChecked())
        cxGrid1->setFilter({{clicked == N_OnlyTj ? QStringLiteral("g_tjsp") : QStringLiteral("g_jy"), FilterOp::Equal,
                             QStringLiteral("True")}});
    setGridMx();
}

void TF_Sptj::N_RecordClick()
{
    const int row = cxGrid1->currentRow();
    if (cxGrid1->rowCount() == 0 || row < 0)
        return;
    tKey2->setText(cxGrid1->value(row, QStringLiteral("g_name")));
    m_jump = true;
    if (PageControl1->currentIndex() == 1)
        showLogTab();
    else
        PageControl1->setCurrentIndex(1);
}

void TF_Sptj::showLogTab()
{
    if (!m_jump)
        tKey2->clear();
    const QDate today = Clock::today();
    dDate1->setDate(QDate(today.year(), today.month(), 1));
    dDate2->setDate(today);
    m_jump = false;
    btnQueryClick();
}

void TF_Sptj::btnQueryClick()
{
    const QString key = sqlSafe(tKey2->text().trimmed());
    openQuery(DataModule->Q_Sptjcx,
              QStringLiteral("select a.*,b.g_name from jxc_sptjb a,jxc_goods b where a.g_sn=b.g_sn and a.tj_rq>='%1' and "
                             "a.tj_rq<='%2 23:59:59' and (b.g_sn like '%%3%' or b.g_name like '%%3%' or b.g_jm like "
                             "'%%3%') order by a.id desc")
                  .arg(dDate1->date().toString(QStringLiteral("yyyy-MM-dd")),
                       dDate2->date().toString(QStringLiteral("yyyy-MM-dd")), key));
}

void TF_Sptj::btnPrintClick()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品调价查询");
    spec.headerLines = {QStringLiteral("查询日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("调价时间"), QStringLiteral("tj_rq"), 35},
                    {QStringLiteral("商品编号"), QStringLiteral("g_sn"), 25},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("调价内容"), QStringLiteral("tj_nr"), 90}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.clearVariables();
    report.setVariable(QStringLiteral("date1"), reportQuote(dDate1->date().toString(QStringLiteral("yyyy-MM-dd"))));
    report.setVariable(QStringLiteral("date2"), reportQuote(dDate2->date().toString(QStringLiteral("yyyy-MM-dd"))));
    report.setDataset(spec.dataset, cxGrid3->shownResult());
    report.preview(this);
}
