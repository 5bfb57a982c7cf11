#include "stock/kcpd.h"

#include "bills/querykit.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/commands.h"
#include "stock/kcpd_add.h"
#include "stock/kcpd_cx.h"
#include "stock/kcpd_mx.h"
#include "stock/kcpd_pd.h"
#include "stock/kcpd_sele.h"
#include "stock/kcpd_tb.h"
#include "stock/kcpdposting.h"
#include "stock/stock.h"
#include "stock/stocksql.h"

#include <QAction>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Kcpd* F_Kcpd = nullptr;

QString kcpdSheetsSql(const QString& filters)
{
    return QStringLiteral("select a.gl_djh,max(a.pd_rq) as rq,max(b.ck_name) as ckname,max(a.a_name) as aname,"
                          "count(*) as djsl,sum(a.pd_sl) as pdsl,max(a.pd_note) as dnote "
                          "from jxc_kcpd a,jxc_ckxx b where a.ck_sn=b.ck_sn and a.pd_status=0 ") +
           filters + QStringLiteral(" group by a.gl_djh");
}

QString kcpdLinesSql(const QString& djh)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.g_sccs,c.gc_name from jxc_kcpd a,jxc_goods b,"
                          "jxc_goodsclass c where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and a.gl_djh=%1 order by a.id")
        .arg(sqlText(djh));
}

QString kcpdHistorySql(const QString& from, const QString& to, const QString& ckSn, const QString& aName)
{
    QString sql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.ck_name,d.gc_name,a.pd_sl-a.kc_sl as cysl "
                                 "from jxc_kcpd a,jxc_goods b,jxc_ckxx c,jxc_goodsclass d where a.g_sn=b.g_sn and "
                                 "a.ck_sn=c.ck_sn and b.gc_sn=d.gc_sn and a.pd_status<>0 and a.pd_note<>'temp' "
                                 "and a.pd_rq>=%1 and a.pd_rq<=%2")
                      .arg(sqlText(from), sqlText(to));
    if (ckSn != u"-1" && !ckSn.isEmpty())
        sql += QStringLiteral(" and a.ck_sn=%1").arg(sqlText(ckSn));
    if (!aName.isEmpty())
        sql += QStringLiteral(" and a.a_name=%1").arg(sqlText(aName));
    return sql + QStringLiteral(" order by a.gl_djh");
}

QString kcpdSheetPrintSql(const QString& djh)
{
    return QStringLiteral("select a.id,a.pd_sl,a.kc_sl,a.g_sn,a.gl_djh,b.g_name,b.dw_name,b.gg_name,b.g_sccs,c.gc_name "
                          "from jxc_kcpd a,jxc_goods b,jxc_goodsclass c where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and "
                          "a.gl_djh=%1 order by a.id")
        .arg(sqlText(djh));
}

ReportListSpec kcpdSheetPrint()
{
    return {.title = QStringLiteral("库存盘点单"),
            .columns = {listColumn("商品名称", "g_name", 40), listColumn("商品编号", "g_sn", 26),
                        listColumn("单位", "dw_name", 12), listColumn("款型说明", "gg_name", 26),
                        listColumn("商品类别", "gc_name", 22), listNumber("盘点数量", "pd_sl", 20, false),
                        listNumber("库存数量", "kc_sl", 20, false)},
            .headerLines = {QStringLiteral("盘点日期：[jhDate]    仓库名称：[ckName]    操作员：[aName]"),
                            QStringLiteral("备注：[dNote]")},
            .summaryLines = {}};
}

ReportListSpec kcpdHistoryPrint()
{
    return {.title = QStringLiteral("历史盘点查询"),
            .columns = {listColumn("盘点单号", "gl_djh", 30), listColumn("盘点日期", "pd_rq", 20),
                        listColumn("商品编号", "g_sn", 24), listColumn("商品名称", "g_name", 36),
                        listColumn("商品类别", "gc_name", 18), listColumn("单位", "dw_name", 10),
                        listColumn("款型说明", "gg_name", 20), listNumber("盘点数量", "pd_sl", 16, false),
                        listNumber("库存数量", "kc_sl", 16, false), listNumber("数量差值", "cysl", 16, false),
                        listColumn("仓库名称", "ck_name", 20)},
            .headerLines = {QStringLiteral("盘点日期：[date1] 至 [date2]    仓库名称：[ckName]    操作员：[aName]"),
                            QStringLiteral("打印时间：[DATE] [TIME]")},
            .summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")},
            .landscape = true};
}

void fillOperatorCombo(CodeComboBox* combo)
{
    combo->clear();
    combo->addItem(QStringLiteral("所有操作员"), CodeComboBox::AllCode);
    const ResultSet ops = openSelect(QStringLiteral("select a_name from jxc_admin order by id"));
    for (int r = 0; r < ops.rowCount(); ++r)
        combo->addItem(ops.text(r, 0), ops.text(r, 0));
    combo->setCurrentIndex(0);
}

TF_Kcpd::TF_Kcpd(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcpd"));
    setWindowTitle(QStringLiteral("库存盘点"));
    resize(980, 660);

    auto tool = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    btnAdd = tool("btnAdd", QStringLiteral("新增盘点单"));
    btnModi = tool("btnModi", QStringLiteral("修改盘点单"));
    btnDel = tool("btnDel", QStringLiteral("删除盘点单"));
    btnPd = tool("btnPd", QStringLiteral("开始盘点"));
    btnAddGoods = tool("btnAddGoods", QStringLiteral("新增商品"));
    btnModiGoods = tool("btnModiGoods", QStringLiteral("修改商品"));
    btnDelGoods = tool("btnDelGoods", QStringLiteral("删除商品"));
    btnView = tool("btnView", QStringLiteral("查看单据"));
    btnCx = tool("btnCx", QStringLiteral("高级查询"));
    btnMx = tool("btnMx", QStringLiteral("查看详细数量"));
    btnTb = tool("btnTb", QStringLiteral("库存同步"));
    btnExit = tool("btnExit", QStringLiteral("退出"));

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->addColumn(QStringLiteral("gl_djh"), QStringLiteral("盘点单号"), 120).footerText(QStringLiteral("合计："));
    cxGrid1->addColumn(QStringLiteral("rq"), QStringLiteral("日期"), 90).footerCount();
    cxGrid1->addColumn(QStringLiteral("ckname"), QStringLiteral("仓库名称"));
    cxGrid1->addColumn(QStringLiteral("aname"), QStringLiteral("操作员"));
    cxGrid1->addColumn(QStringLiteral("djsl"), QStringLiteral("商品条数")).footerSum();
    cxGrid1->addColumn(QStringLiteral("pdsl"), QStringLiteral("商品数量")).footerSum();
    cxGrid1->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 160);
    cxGrid1->setQuery(DataModule ? DataModule->Q_Kcpd : nullptr);
    lDjh = new QLabel(this);
    lDjh->setObjectName(QStringLiteral("lDjh"));
    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("合计："));
    cxGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid2->addColumn(QStringLiteral("gc_name"), QStringLiteral("商品类别"));
    cxGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid2->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid2->addColumn(QStringLiteral("kc_sl"), QStringLiteral("库存数量")).footerSum();
    cxGrid2->addColumn(QStringLiteral("pd_sl"), QStringLiteral("盘点数量")).footerSum();
    cxGrid2->setQuery(DataModule ? DataModule->Q_Kcpd1 : nullptr);

    PopupMenu1 = new QMenu(this);
    connect(PopupMenu1->addAction(QStringLiteral("添加(&W)")), &QAction::triggered, this, [this] { runGuarded([this] { btnAddClick(); }); });
    connect(PopupMenu1->addAction(QStringLiteral("修改(&X)")), &QAction::triggered, this, [this] { runGuarded([this] { btnModiClick(); }); });
    connect(PopupMenu1->addAction(QStringLiteral("删除(&Y)")), &QAction::triggered, this, [this] { runGuarded([this] { btnDelClick(); }); });
    connect(PopupMenu1->addAction(QStringLiteral("盘盈盘亏(&Z)")), &QAction::triggered, this, [this] { runGuarded([this] { btnPdClick(); }); });
    PopupMenu2 = new QMenu(this);
    connect(PopupMenu2->addAction(QStringLiteral("增加商品(&X)")), &QAction::triggered, this, [this] { runGuarded([this] { btnAddGoodsClick(); }); });
    connect(PopupMenu2->addAction(QStringLiteral("修改商品(&Y)")), &QAction::triggered, this, [this] { runGuarded([this] { btnModiGoodsClick(); }); });
    connect(PopupMenu2->addAction(QStringLiteral("删除商品(&Z)")), &QAction::triggered, this, [this] { runGuarded([this] { btnDelGoodsClick(); }); });
    for (auto [grid, menu] : {std::pair{cxGrid1, PopupMenu1}, std::pair{cxGrid2, PopupMenu2}}) {
        grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid->view(), &QWidget::customContextMenuRequested, this, [grid, menu](const QPoint& pos) {
            menu->popup(grid->view()->viewport()->mapToGlobal(pos));
        });
    }

    auto* page1 = new QWidget;
    page1->setObjectName(QStringLiteral("cxTab1"));
    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {btnAdd, btnModi, btnDel, btnPd, btnAddGoods, btnModiGoods, btnDelGoods, btnView, btnCx, btnMx, btnTb,
                           btnExit})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* col1 = new QVBoxLayout(page1);
    col1->addLayout(bar);
    col1->addWidget(new QLabel(QStringLiteral("盘点单列表(列表中显示的是所有未修正库存前 的盘点单)"), page1));
    col1->addWidget(cxGrid1, 1);
    auto* djhRow = new QHBoxLayout;
    djhRow->addWidget(new QLabel(QStringLiteral("盘点单号："), page1));
    djhRow->addWidget(lDjh, 1);
    col1->addLayout(djhRow);
    col1->addWidget(cxGrid2, 1);

    auto* page2 = new QWidget;
    page2->setObjectName(QStringLiteral("cxTab2"));
    tdate1 = new QDateEdit(page2);
    tdate1->setObjectName(QStringLiteral("tdate1"));
    tdate2 = new QDateEdit(page2);
    tdate2->setObjectName(QStringLiteral("tdate2"));
    for (QDateEdit* d : {tdate1, tdate2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    btnDates = tool("btnDates", QString());
    btnDates->setPopupMode(QToolButton::InstantPopup);
    comCk = new CodeComboBox(page2);
    comCk->setObjectName(QStringLiteral("comCk"));
    comUser = new CodeComboBox(page2);
    comUser->setObjectName(QStringLiteral("comUser"));
    btnQuery = namedButton(page2, "btnQuery", QStringLiteral("查询"));
    btnView2 = namedButton(page2, "btnView2", QStringLiteral("查看单据"));
    btnPrint2 = namedButton(page2, "btnPrint2", QStringLiteral("打印"));
    btnMx2 = namedButton(page2, "btnMx2", QStringLiteral("查看详细数量"));
    btnExit2 = namedButton(page2, "btnExit2", QStringLiteral("退出"));
    cxGrid3 = new DataGrid(page2);
    cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
    cxGrid3->addColumn(QStringLiteral("gl_djh"), QStringLiteral("盘点单号"), 120).footerText(QStringLiteral("合计："));
    cxGrid3->addColumn(QStringLiteral("pd_rq"), QStringLiteral("盘点日期"), 90).footerCount();
    cxGrid3->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
    cxGrid3->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid3->addColumn(QStringLiteral("gc_name"), QStringLiteral("商品类别"));
    cxGrid3->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid3->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid3->addColumn(QStringLiteral("pd_sl"), QStringLiteral("盘点数量")).footerSum();
    cxGrid3->addColumn(QStringLiteral("kc_sl"), QStringLiteral("库存数量")).footerSum();
    cxGrid3->addColumn(QStringLiteral("cysl"), QStringLiteral("数量差值")).footerSum();
    cxGrid3->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"));
    cxGrid3->setQuery(DataModule ? DataModule->Q_Kcpd2 : nullptr);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("盘点日期："), page2));
    filter->addWidget(tdate1);
    filter->addWidget(new QLabel(QStringLiteral("至"), page2));
    filter->addWidget(tdate2);
    filter->addWidget(btnDates);
    filter->addWidget(new QLabel(QStringLiteral("仓库名称："), page2));
    filter->addWidget(comCk);
    filter->addWidget(new QLabel(QStringLiteral("操作员："), page2));
    filter->addWidget(comUser);
    for (QPushButton* b : {btnQuery, btnView2, btnPrint2, btnMx2, btnExit2})
        filter->addWidget(b);
    filter->addStretch(1);
    auto* col2 = new QVBoxLayout(page2);
    col2->addLayout(filter);
    col2->addWidget(cxGrid3, 1);

    cxTab = new QTabWidget(this);
    cxTab->setObjectName(QStringLiteral("cxTab"));
    cxTab->addTab(page1, QStringLiteral("盘点列表"));
    cxTab->addTab(page2, QStringLiteral("历史盘点查询"));
    (new QVBoxLayout(this))->addWidget(cxTab);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnPd, [this] { btnPdClick(); });
    onClicked(btnAddGoods, [this] { btnAddGoodsClick(); });
    onClicked(btnModiGoods, [this] { btnModiGoodsClick(); });
    onClicked(btnDelGoods, [this] { btnDelGoodsClick(); });
    onClicked(btnTb, [] { showForm(F_Kcpd_tb); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnCx, [this] { btnCxClick(); });
    onClicked(btnMx, [this] { btnMxClick(); });
    onClicked(btnView2, [this] { btnView2Click(); });
    onClicked(btnPrint2, [this] { btnPrint2Click(); });
    onClicked(btnMx2, [this] { btnMx2Click(); });
    onClicked(btnExit2, [this] { close(); });
    connect(cxGrid3, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnView2Click(); }); });
    addDatePresetMenu(btnDates, tdate1, tdate2, [this] { runGuarded([this] { btnQueryClick(); }); });
    connect(cxGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { showLines(); }); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnAddGoodsClick(); }); });
    connect(cxTab, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1 && !m_loading)
            runGuarded([this] { enterHistory(); });
    });
}

void TF_Kcpd::FormActivate()
{
    m_loading = true;
    cxTab->setCurrentIndex(0);
    m_loading = false;
    refreshSheets();
}

void TF_Kcpd::refreshSheets()
{
    openQuery(DataModule->Q_Kcpd, kcpdSheetsSql());
    showLines();
}

void TF_Kcpd::showLines()
{
    NamedQuery* sheets = DataModule->Q_Kcpd;
    if (sheets->isEmpty()) {
        DataModule->Q_Kcpd1->close();
        lDjh->clear();
        return;
    }
    const QString djh = sheets->fieldByName(QStringLiteral("gl_djh"));
    lDjh->setText(djh);
    openQuery(DataModule->Q_Kcpd1, kcpdLinesSql(djh));
}

void TF_Kcpd::btnAddClick()
{
    modeFlag = QStringLiteral("add");
    showForm(F_Kcpd_Add);
    modeFlag.clear();
    refreshSheets();
}

void TF_Kcpd::btnModiClick()
{
    if (DataModule->Q_Kcpd->isEmpty())
        return;
    const QString djh = DataModule->Q_Kcpd->fieldByName(QStringLiteral("gl_djh"));
    modeFlag = QStringLiteral("modi");
    showForm(F_Kcpd_Add);
    modeFlag.clear();
    refreshSheets();
    DataModule->Q_Kcpd->locate(QStringLiteral("gl_djh"), djh);
    showLines();
}

void TF_Kcpd::btnDelClick()
{
    if (DataModule->Q_Kcpd->isEmpty() || !msgYesNo(QStringLiteral("是否要删除该盘点单据？"), this))
        return;
    deleteKcpdSheet(DataModule->Q_Kcpd->fieldByName(QStringLiteral("gl_djh")));
    refreshSheets();
}

void TF_Kcpd::btnPdClick()
{
    showForm(F_Kcpd_Pd);
    releaseKcpdSheets();
    refreshSheets();
}

void TF_Kcpd::btnAddGoodsClick()
{
    if (!DataModule->Q_Kcpd1->isOpen() || DataModule->Q_Kcpd->isEmpty())
        return;
    btnModiClick();
}

void TF_Kcpd::btnModiGoodsClick()
{
    NamedQuery* lines = DataModule->Q_Kcpd1;
    if (!lines->isOpen() || lines->isEmpty() || DataModule->Q_Kcpd->isEmpty())
        return;
    const int row = lines->currentRow();
    curGoodsSn = lines->fieldByName(QStringLiteral("g_sn"));
    callerFlag = QStringLiteral("kcpd");
    showForm(F_Kcpd_Sele);
    curGoodsSn.clear();
    callerFlag.clear();
    showLines();
    lines->setCurrentRow(row);
}

void TF_Kcpd::btnDelGoodsClick()
{
    NamedQuery* lines = DataModule->Q_Kcpd1;
    if (!lines->isOpen() || lines->isEmpty() || !msgYesNo(QStringLiteral("是否要删除该商品？"), this))
        return;
    const QString djh = DataModule->Q_Kcpd->fieldByName(QStringLiteral("gl_djh"));
    deleteKcpdLine(lines->fieldByName(QStringLiteral("id")).toLongLong());
    refreshSheets();
    DataModule->Q_Kcpd->locate(QStringLiteral("gl_djh"), djh);
    showLines();
}

void TF_Kcpd::enterHistory()
{
    m_loading = true;
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    fillOperatorCombo(comUser);
    const QDate today = Clock::today();
    tdate1->setDate(QDate(today.year(), today.month(), 1));
    tdate2->setDate(today);
    m_loading = false;
    btnQueryClick();
}

void TF_Kcpd::btnQueryClick()
{
    const QString op = comUser->currentIndex() > 0 ? comUser->currentText() : QString();
    openQuery(DataModule->Q_Kcpd2,
              kcpdHistorySql(tdate1->date().toString(QStringLiteral("yyyy-MM-dd")),
                             tdate2->date().toString(QStringLiteral("yyyy-MM-dd")),
                             comCk->currentIndex() >= 0 ? getComboCode(comCk, comCk->currentIndex()) : QString(), op));
}

void TF_Kcpd::btnCxClick()
{
    showForm(F_Kcpd_Cx);
    openQuery(DataModule->Q_Kcpd, kcpdSheetsSql(F_Kcpd_Cx->filters()));
    showLines();
}

void TF_Kcpd::previewSheet(const QString& djh, const QString& date, const QString& aName, const QString& ckName,
                           const QString& note)
{
    previewListRows(kcpdSheetPrint(), openSelect(kcpdSheetPrintSql(djh)),
                    {{QStringLiteral("jhDate"), date},
                     {QStringLiteral("aName"), aName},
                     {QStringLiteral("ckName"), ckName},
                     {QStringLiteral("dNote"), note}},
                    this);
}

void TF_Kcpd::btnViewClick()
{
    const NamedQuery* q = DataModule->Q_Kcpd;
    if (q->isEmpty())
        return;
    previewSheet(q->fieldByName(QStringLiteral("gl_djh")), q->fieldByName(QStringLiteral("rq")),
                 q->fieldByName(QStringLiteral("aname")), q->fieldByName(QStringLiteral("ckname")),
                 q->fieldByName(QStringLiteral("dnote")));
}

void TF_Kcpd::btnView2Click()
{
    const NamedQuery* q = DataModule->Q_Kcpd2;
    if (q->isEmpty())
        return;
    previewSheet(q->fieldByName(QStringLiteral("gl_djh")), q->fieldByName(QStringLiteral("pd_rq")),
                 q->fieldByName(QStringLiteral("a_name")), q->fieldByName(QStringLiteral("ck_name")),
                 q->fieldByName(QStringLiteral("pd_note")));
}

void TF_Kcpd::btnPrint2Click()
{
    previewGridList(kcpdHistoryPrint(), cxGrid3,
                    {{QStringLiteral("date1"), tdate1->date().toString(QStringLiteral("yyyy-MM-dd"))},
                     {QStringLiteral("date2"), tdate2->date().toString(QStringLiteral("yyyy-MM-dd"))},
                     {QStringLiteral("ckName"), comCk->currentText()},
                     {QStringLiteral("aName"), comUser->currentText()}},
                    this);
}

void TF_Kcpd::showDetail(NamedQuery* lines)
{
    if (!lines->isOpen() || lines->isEmpty())
        return;
    curGoodsSn = lines->fieldByName(QStringLiteral("g_sn"));
    paramValue = lines->fieldByName(QStringLiteral("id"));
    showForm(F_Kcpd_Mx);
}

void TF_Kcpd::btnMxClick()
{
    showDetail(DataModule->Q_Kcpd1);
}

void TF_Kcpd::btnMx2Click()
{
    showDetail(DataModule->Q_Kcpd2);
}

void registerStockCountWindows()
{
    registerForm(QStringLiteral("TF_Kcpd"), F_Kcpd);
    registerForm(QStringLiteral("TF_Kcpd_Add"), F_Kcpd_Add);
    registerForm(QStringLiteral("TF_Kcpd_Sele"), F_Kcpd_Sele);
    registerForm(QStringLiteral("TF_Kcpd_Pd"), F_Kcpd_Pd);
    registerForm(QStringLiteral("TF_Kcpd_tb"), F_Kcpd_tb);
    registerForm(QStringLiteral("TF_Kcpd_Mx"), F_Kcpd_Mx);
    registerForm(QStringLiteral("TF_Kcpd_Cx"), F_Kcpd_Cx);
}
