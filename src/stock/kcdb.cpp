#include "stock/kcdb.h"

#include "bills/billparts.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "masterdata/user2.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/reportlist.h"
#include "shell/commands.h"
#include "stock/kcdb_add.h"
#include "stock/kcdb_cx.h"
#include "stock/kcdb_sele.h"
#include "stock/kcdbposting.h"
#include "stock/stock.h"
#include "stock/stockdocs.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Kcdb* F_Kcdb = nullptr;

namespace {

// The caller word of the transfer window at the handler picker.
const QString kCallerWord = QStringLiteral("kcdb");

QString transferLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sj,b.db_sl*a.g_sj as zje "
                          "from jxc_goods a,jxc_dbsp b where a.g_sn=b.g_sn and b.gl_djh='%1' order by b.id")
        .arg(sqlLit(number));
}

BillKind transferKind()
{
    return {.lines = &kTransferLines,
            .headerTable = "jxc_kcdbd",
            .headerNumber = "gl_djh",
            .prefix = "DB",
            .lineQuery = DataModule->Q_Dbsp,
            .lineSql = transferLinesSql,
            .discountGoods = "00000000",
            .keepStrayLines = true};
}

QString filterSql(const KcdbFilter& f, const char* alias)
{
    QString sql;
    const QString a = QLatin1String(alias);
    if (!f.ckOut.isEmpty())
        sql += QStringLiteral(" and %1.ck_out='%2'").arg(a, sqlLit(f.ckOut));
    if (!f.ckIn.isEmpty())
        sql += QStringLiteral(" and %1.ck_in='%2'").arg(a, sqlLit(f.ckIn));
    if (!f.uSn.isEmpty())
        sql += QStringLiteral(" and %1.u_sn='%2'").arg(a, sqlLit(f.uSn));
    return sql;
}

QString periodSql(const KcdbFilter& f, const char* alias)
{
    return QStringLiteral(" and %1.db_dbrq>='%2' and %1.db_dbrq<='%3'")
        .arg(QLatin1String(alias), sqlLit(f.from), sqlLit(f.to));
}

CodeComboBox* combo(const char* name)
{
    auto* c = new CodeComboBox;
    c->setObjectName(QLatin1String(name));
    return c;
}

}  // namespace

QString kcdbDocumentsSql(const KcdbFilter& f)
{
    return QStringLiteral("select a.*,b.ck_name as drck,c.ck_name as dcck,d.u_name from jxc_kcdbd a,jxc_ckxx b,"
                          "jxc_ckxx c,jxc_user d where a.ck_in=b.ck_sn and a.ck_out=c.ck_sn and a.u_sn=d.u_sn") +
           periodSql(f, "a") + filterSql(f, "a") + QStringLiteral(" order by a.id desc");
}

QString kcdbDocumentLinesSql(const QString& djh)
{
    return QStringLiteral("select a.*,b.g_name,dw_name,gg_name,color_name from jxc_dbsp a,jxc_goods b "
                          "where a.g_sn=b.g_sn and a.gl_djh='%1' order by a.id")
        .arg(sqlLit(djh));
}

QString kcdbSummarySql(const KcdbFilter& f)
{
    return QStringLiteral("select a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.* from jxc_goods a,"
                          "(select x.g_sn,sum(x.db_sl) as sl from jxc_dbsp x,jxc_kcdbd y where x.gl_djh=y.gl_djh") +
           periodSql(f, "y") + filterSql(f, "y") + QStringLiteral(" group by x.g_sn) b where a.g_sn=b.g_sn order by b.g_sn");
}

QString kcdbSummaryLinesSql(const KcdbFilter& f, const QString& g)
{
    return QStringLiteral("select a.*,b.db_sl,b.g_sn,b.tid,c.ck_name as dcck,d.ck_name as drck,e.u_name from jxc_kcdbd a,"
                          "jxc_dbsp b,jxc_ckxx c,jxc_ckxx d,jxc_user e where a.gl_djh=b.gl_djh and a.ck_out=c.ck_sn "
                          "and a.ck_in=d.ck_sn and a.u_sn=e.u_sn") +
           periodSql(f, "a") + filterSql(f, "a") + QStringLiteral(" and b.g_sn='%1' order by a.id desc").arg(sqlLit(g));
}

QString kcdbLinesSql(const KcdbFilter& f)
{
    return QStringLiteral("select a.*,b.db_sl,b.g_sn,b.tid,f.g_name,c.ck_name as dcck,d.ck_name as drck,e.u_name "
                          "from jxc_kcdbd a,jxc_dbsp b,jxc_ckxx c,jxc_ckxx d,jxc_user e,jxc_goods f "
                          "where a.gl_djh=b.gl_djh and a.ck_out=c.ck_sn and a.ck_in=d.ck_sn and a.u_sn=e.u_sn "
                          "and b.g_sn=f.g_sn") +
           periodSql(f, "a") + filterSql(f, "a") + QStringLiteral(" order by a.id desc");
}

BillPrint kcdbPrint(const QString& djh, const QString& date, const QString& uName, const QString& ckOut,
                    const QString& ckIn)
{
    return {.templateFile = QStringLiteral("kcdbd.fr3"),
            .variables = {{QStringLiteral("jhDate"), date},
                          {QStringLiteral("uName"), uName.trimmed()},
                          {QStringLiteral("ckOut"), ckOut.trimmed()},
                          {QStringLiteral("ckIn"), ckIn.trimmed()}},
            .linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl from "
                                       "jxc_dbsp a,jxc_goods b,jxc_cm c,jxc_color d,jxc_dbspmx e where a.g_sn=b.g_sn "
                                       "and a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn and "
                                       "e.color_sn=d.color_sn and a.gl_djh='%1' order by a.id,e.id")
                            .arg(sqlLit(djh)),
            .layout = {}};
}

TF_Kcdb::TF_Kcdb(QWidget* parent) : TF_BillWindow(transferKind(), parent)
{
    setObjectName(QStringLiteral("TF_Kcdb"));
    setWindowTitle(QStringLiteral("库存调拨"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* entry = new QWidget;
    entry->setObjectName(QStringLiteral("cxTab1"));
    buildEntryPage(entry);
    PageControl1->addTab(entry, QStringLiteral("库存调拨单"));
    auto* history = new QWidget;
    history->setObjectName(QStringLiteral("cxTab2"));
    buildHistoryPage(history);
    PageControl1->addTab(history, QStringLiteral("库存调拨查询"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1 && !m_initialising)
            runGuarded([this] { historyShown(); });
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    resize(980, 640);
}

void TF_Kcdb::buildEntryPage(QWidget* page)
{
    gldjh = new QLabel;
    gldjh->setObjectName(QStringLiteral("gldjh"));
    setNumberLabel(gldjh);
    comCk = combo("comCk");
    comCk2 = combo("comCk2");
    dateCg = billDateBox();
    comUser = combo("comUser");
    QWidget* userBox = withPickerButton(comUser, "btnUser", [] { openHandlerPicker(kCallerWord); });
    tnote = nameBox(this, "tnote", 100);
    installKeyFilter(tnote);

    auto* head = new QGridLayout;
    head->addWidget(numberCaption(), 0, 0);
    head->addWidget(gldjh, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("调出仓库：")), 1, 0);
    head->addWidget(comCk, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("调入仓库：")), 1, 2);
    head->addWidget(comCk2, 1, 3);
    head->addWidget(new QLabel(QStringLiteral("调拨日期：")), 1, 4);
    head->addWidget(dateCg, 1, 5);
    head->addWidget(new QLabel(QStringLiteral("经办人：")), 2, 0);
    head->addWidget(userBox, 2, 1);
    head->addWidget(new QLabel(QStringLiteral("备注：")), 2, 2);
    head->addWidget(tnote, 2, 3, 1, 3);

    DBGrid1 = docGrid("DBGrid1", DataModule->Q_Dbsp);
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200).footerCount();
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    DBGrid1->addColumn(QStringLiteral("db_sl"), QStringLiteral("数量"), 70).footerSum();
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    addDocLineMenu(this, DBGrid1,
                   {.add = [this] { btnAddClick(); },
                    .modify = [this] { btnModiClick(); },
                    .remove = [this] { btnDelClick(); },
                    .print = [this] { printClick(); },
                    .preview = [this] { previewClick(); },
                    .hasLines = [this] { return hasLines(); }});

    auto* btnAdd = namedButton(this, "btnAdd", QStringLiteral("添加商品(F2)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrint = printMenuButton("btnPrint", this, [this] { printClick(); }, [this] { previewClick(); });
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnAdd, btnModi, btnDel, btnPrint})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(head);
    pageLayout->addWidget(DBGrid1, 1);
    pageLayout->addLayout(buttons);

    connect(comUser, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_initialising)
            runGuarded([this] { handlerComboChanged(comUser, kCallerWord); });
    });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateCgChange(); }); });
}

void TF_Kcdb::buildHistoryPage(QWidget* page)
{
    period = makeQueryPeriod([this] { searchClick(); });
    auto* btnSearch = namedButton(this, "btnSearch1", QStringLiteral("查询(F2)"));
    rDjb = new QRadioButton(QStringLiteral("单据表"));
    rDjb->setObjectName(QStringLiteral("rDjb"));
    rHzb = new QRadioButton(QStringLiteral("汇总表"));
    rHzb->setObjectName(QStringLiteral("rHzb"));
    rMxb = new QRadioButton(QStringLiteral("明细表"));
    rMxb->setObjectName(QStringLiteral("rMxb"));
    rDjb->setChecked(true);
    auto* btnView = namedButton(this, "btn_ChaKan", QStringLiteral("查看单据"));
    auto* btnFilter = namedButton(this, "btn_Cx", QStringLiteral("高级查询"));
    auto* btnExport = namedButton(this, "btn_Export", QStringLiteral("导出"));
    auto* btnQuit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* top = new QHBoxLayout;
    addQueryPeriod(top, QStringLiteral("调拨日期："), period);
    for (QWidget* w : std::initializer_list<QWidget*>{btnSearch, rDjb, rHzb, rMxb, btnView, btnFilter, btnExport, btnQuit})
        top->addWidget(w);

    lbDetail = new QLabel;
    lbDetail->setObjectName(QStringLiteral("lbDetail"));
    lbGoodsDetail = new QLabel;
    lbGoodsDetail->setObjectName(QStringLiteral("lbGoodsDetail"));

    cxGridDjb = docGrid("cxGridDjb", DataModule->Q_Dbdjb);
    cxGridDjb->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120).footerText(QStringLiteral("单据合计："));
    cxGridDjb->addColumn(QStringLiteral("dcck"), QStringLiteral("调出仓库"), 90).footerCount();
    cxGridDjb->addColumn(QStringLiteral("drck"), QStringLiteral("调入仓库"), 90);
    cxGridDjb->addColumn(QStringLiteral("db_dbrq"), QStringLiteral("调拨日期"), 80);
    cxGridDjb->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGridDjb->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGridDjb->addColumn(QStringLiteral("db_note"), QStringLiteral("备注"), 150);
    cxGridDjb1 = docGrid("cxGridDjb1", DataModule->Q_Dbdjb1);
    cxGridDjb1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("商品合计："));
    cxGridDjb1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 160).footerCount();
    cxGridDjb1->addColumn(QStringLiteral("db_sl"), QStringLiteral("数量"), 70).footerSum();
    cxGridDjb1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridDjb1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);

    cxGridHzb = docGrid("cxGridHzb", DataModule->Q_Dbhzb);
    cxGridHzb->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("合计："));
    cxGridHzb->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 160).footerCount();
    cxGridHzb->addColumn(QStringLiteral("sl"), QStringLiteral("调拨数量"), 70).footerSum();
    cxGridHzb->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridHzb->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    cxGridHzb->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"), 120);
    cxGridHzb1 = docGrid("cxGridHzb1", DataModule->Q_Dbhzb1);
    cxGridHzb1->addColumn(QStringLiteral("gl_djh"), QStringLiteral("调拨单号"), 120).footerText(QStringLiteral("单据合计："));
    cxGridHzb1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerCount();
    cxGridHzb1->addColumn(QStringLiteral("db_sl"), QStringLiteral("调拨数量"), 70).footerSum();
    cxGridMxb = docGrid("cxGridMxb", DataModule->Q_Dbmxb);
    cxGridMxb->addColumn(QStringLiteral("db_dbrq"), QStringLiteral("调拨日期"), 80).footerText(QStringLiteral("合计："));
    cxGridMxb->addColumn(QStringLiteral("gl_djh"), QStringLiteral("调拨单号"), 120).footerCount();
    cxGridMxb->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
    cxGridMxb->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 160);
    for (DataGrid* g : {cxGridHzb1, cxGridMxb}) {
        g->addColumn(QStringLiteral("dcck"), QStringLiteral("调出仓库"), 90);
        g->addColumn(QStringLiteral("drck"), QStringLiteral("调入仓库"), 90);
    }
    cxGridHzb1->addColumn(QStringLiteral("db_dbrq"), QStringLiteral("调拨日期"), 80);
    cxGridMxb->addColumn(QStringLiteral("db_sl"), QStringLiteral("调拨数量"), 70).footerSum();
    for (DataGrid* g : {cxGridHzb1, cxGridMxb}) {
        g->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
        g->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
        g->addColumn(QStringLiteral("db_note"), QStringLiteral("备注"), 150);
    }

    views = new QStackedWidget;
    views->addWidget(listWithDetail(cxGridDjb, cxGridDjb1, QStringLiteral("单据详细信息："), lbDetail));
    views->addWidget(listWithDetail(cxGridHzb, cxGridHzb1, QStringLiteral("商品明细："), lbGoodsDetail));
    views->addWidget(cxGridMxb);
    connect(cxGridDjb, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { showDocumentLines(); }); });
    connect(cxGridHzb, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { showGoodsLines(); }); });
    for (DataGrid* g : {cxGridDjb, cxGridHzb1, cxGridMxb})
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { viewClick(); }); });
    auto* listMenu = new QMenu(this);
    addMenuItem(listMenu, QStringLiteral("打印(&Z)"), "actListPrint", this, [this] { listPrintClick(); });
    for (DataGrid* g : {cxGridDjb, cxGridHzb, cxGridMxb})
        attachGridMenu(g, listMenu);

    for (QRadioButton* r : {rDjb, rHzb, rMxb}) {
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            filter.ckOut.clear();
            filter.ckIn.clear();
            filter.uSn.clear();
            runGuarded([this] { searchClick(); });
        });
    }
    onClicked(btnSearch, [this] { searchClick(); });
    onClicked(btnView, [this] { viewClick(); });
    onClicked(btnFilter, [this] { filterClick(); });
    onClicked(btnExport, [this] { exportClick(); });
    onClicked(btnQuit, [this] { close(); });

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(views, 1);
}

void TF_Kcdb::resetBill()
{
    m_initialising = true;
    const bool history = callerFlag == QLatin1String("yyfx");
    filter = {};
    tnote->clear();
    dateCg->setDate(Clock::today());
    drawNumber();
    fillHandlerCombo(comUser, QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"));
    fillWarehouseCombo(comCk);
    fillCodeCombo(comCk2, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    comCk2->setCurrentIndex(comCk2->count() > 1 ? 1 : -1);
    linesChanged();
    PageControl1->setCurrentIndex(history ? 1 : 0);
    callerFlag.clear();
    m_initialising = false;
    if (history)
        historyShown();
}

void TF_Kcdb::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrint->setVisible(lines);
}

void TF_Kcdb::updateBottomJe()
{
    // The out warehouse is the picker's and the stock check's: it stays while lines exist.
    comCk->setEnabled(!hasLines());
}

bool TF_Kcdb::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        if (PageControl1->currentIndex() == 0)
            btnAddClick();
        else
            searchClick();
        return true;
    case Qt::Key_F5:
        if (PageControl1->currentIndex() == 0)
            btnOKClick();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TF_Kcdb::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Dbsp, DataModule->Q_Dbdjb, DataModule->Q_Dbdjb1, DataModule->Q_Dbhzb,
                          DataModule->Q_Dbhzb1, DataModule->Q_Dbmxb, DataModule->Q_GoodsPrin})
        q->close();
}

void TF_Kcdb::btnAddClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    if (runGoodsPicker(kCallerWord, comCk->currentCodeOrEmpty(), [] { showForm(F_Kcdb_Add); }))
        comUser->setFocus();
}

void TF_Kcdb::btnModiClick()
{
    if (hasLines())
        runLineDialog(QStringLiteral("kcdb"), comCk->currentCodeOrEmpty(), [] { showForm(F_Kcdb_Sele); });
}

void TF_Kcdb::btnDelClick()
{
    deleteCurrentLine();
}

void TF_Kcdb::dateCgChange()
{
    if (!m_initialising)
        moveToDate(dateCg->date());
}

void TF_Kcdb::btnOKClick()
{
    runSave();
}

bool TF_Kcdb::saveBill()
{
    QString refusal;
    const QString handler = comUser->currentText();
    if (!hasLines())
        refusal = QStringLiteral("没有调拨商品，不能保存！");
    else if (handler.isEmpty() || handler == QStringView(kNewHandlerItem))
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentText().isEmpty())
        refusal = QStringLiteral("请选择调出仓库！");
    else if (comCk2->currentText().isEmpty())
        refusal = QStringLiteral("请选择调入仓库！");
    else if (comCk->currentText() == comCk2->currentText())
        refusal = QStringLiteral("调出仓库与调入仓库不能相同！");
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    if (!msgYesNo(QStringLiteral("单据保存后不能再修改，是否确认保存！"), this))
        return false;
    postKcdb({.djh = number(),
              .ckOut = comCk->currentCode(),
              .ckIn = comCk2->currentCode(),
              .date = dateText(dateCg->date()),
              .uSn = comUser->currentCode(),
              .note = tnote->text(),
              .op = operatorName});
    return true;
}

void TF_Kcdb::printClick()
{
    if (comCk->currentText() == comCk2->currentText()) {
        msgInfo(QStringLiteral("调出仓库与调入仓库不能相同！"), this);
        return;
    }
    setSkipActivate(true);
    if (!printBill(kcdbPrint(number(), dateText(dateCg->date()), comUser->currentText(), comCk->currentText(),
                             comCk2->currentText()),
                   1, this))
        setSkipActivate(false);
}

void TF_Kcdb::previewClick()
{
    if (comCk->currentText() == comCk2->currentText()) {
        msgInfo(QStringLiteral("调出仓库与调入仓库不能相同！"), this);
        return;
    }
    if (hasLines())
        printGoodsDetail(kcdbPrint(number(), dateText(dateCg->date()), comUser->currentText(), comCk->currentText(),
                                   comCk2->currentText()),
                         this);
}

// ---- History ------------------------------------------------------------------------------

void TF_Kcdb::historyShown()
{
    period.fromThisMonth();
    filter.ckOut.clear();
    filter.ckIn.clear();
    filter.uSn.clear();
    if (rDjb->isChecked())
        searchClick();
    else
        rDjb->setChecked(true);  // its toggle searches
}

DataGrid* TF_Kcdb::shownList() const
{
    if (rHzb->isChecked())
        return cxGridHzb1;
    if (rMxb->isChecked())
        return cxGridMxb;
    return cxGridDjb;
}

void TF_Kcdb::searchClick()
{
    filter.from = period.d1();
    filter.to = period.d2();
    if (rHzb->isChecked()) {
        views->setCurrentIndex(1);
        openQuery(DataModule->Q_Dbhzb, kcdbSummarySql(filter));
        showGoodsLines();
    } else if (rMxb->isChecked()) {
        views->setCurrentIndex(2);
        openQuery(DataModule->Q_Dbmxb, kcdbLinesSql(filter));
    } else {
        views->setCurrentIndex(0);
        openQuery(DataModule->Q_Dbdjb, kcdbDocumentsSql(filter));
        showDocumentLines();
    }
}

void TF_Kcdb::showDocumentLines()
{
    const QString djh = DataModule->Q_Dbdjb->fieldByName(QStringLiteral("gl_djh"));
    lbDetail->setText(djh);
    openQuery(DataModule->Q_Dbdjb1, kcdbDocumentLinesSql(djh));
    if (DataModule->Q_Dbdjb1->isEmpty())
        DataModule->Q_Dbdjb1->close();
}

void TF_Kcdb::showGoodsLines()
{
    const QString goods = DataModule->Q_Dbhzb->fieldByName(QStringLiteral("g_sn"));
    lbGoodsDetail->setText(DataModule->Q_Dbhzb->fieldByName(QStringLiteral("g_name")));
    openQuery(DataModule->Q_Dbhzb1, kcdbSummaryLinesSql(filter, goods));
    if (DataModule->Q_Dbhzb1->isEmpty())
        DataModule->Q_Dbhzb1->close();
}

void TF_Kcdb::filterClick()
{
    choiceParam.clear();
    TF_Kcdb_Cx* dialog = ensureForm(F_Kcdb_Cx);
    dialog->showModalForm();
    if (choiceParam.isEmpty())
        return;
    choiceParam.clear();
    filter.ckOut = filterCode(dialog->comCk);
    filter.ckIn = filterCode(dialog->comCk2);
    filter.uSn = filterCode(dialog->comUser);
    searchClick();
}

void TF_Kcdb::viewClick()
{
    const DataGrid* list = shownList();
    NamedQuery* q = list->query();
    if (!q || q->isEmpty())
        return;
    const QString djh = q->fieldByName(QStringLiteral("gl_djh"));
    const ResultSet head = openSelect(
        QStringLiteral("select a.db_dbrq,d.u_name,c.ck_name,b.ck_name from jxc_kcdbd a left join jxc_ckxx b on "
                       "a.ck_in=b.ck_sn left join jxc_ckxx c on a.ck_out=c.ck_sn left join jxc_user d on a.u_sn=d.u_sn "
                       "where a.gl_djh=? order by a.id limit 1"),
        {{QString(), djh}});
    if (head.isEmpty())
        return;
    printGoodsDetail(kcdbPrint(djh, head.text(0, 0), head.text(0, 1), head.text(0, 2), head.text(0, 3)), this);
}

void TF_Kcdb::exportClick()
{
    DataGrid* list = rHzb->isChecked() ? cxGridHzb : shownList();
    list->exportWithDialog();
}

void TF_Kcdb::listPrintClick()
{
    const QString head = QStringLiteral("查询日期：[date1] 至 [date2]");
    const QString printed = QStringLiteral("打印时间：[DATE] [TIME]");
    ReportListSpec spec;
    if (rHzb->isChecked()) {
        spec = {.title = QStringLiteral("库存调拨货品汇总表"),
                .columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 30},
                            {QStringLiteral("商品名称"), QStringLiteral("g_name"), 50},
                            {QStringLiteral("单位"), QStringLiteral("dw_name"), 15},
                            {QStringLiteral("数量"), QStringLiteral("sl"), 20, ReportHAlign::Right, QString(), true},
                            {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 30},
                            {QStringLiteral("备注"), QStringLiteral("g_bz"), 35}},
                .headerLines = {head, printed},
                .summaryLines = {}};
        previewQueryList(spec, cxGridHzb, period, this);
    } else if (rMxb->isChecked()) {
        spec = {.title = QStringLiteral("库存调拨货品明细表"),
                .columns = {{QStringLiteral("单据号"), QStringLiteral("gl_djh"), 32},
                            {QStringLiteral("日期"), QStringLiteral("db_dbrq"), 22},
                            {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                            {QStringLiteral("数量"), QStringLiteral("db_sl"), 16, ReportHAlign::Right, QString(), true},
                            {QStringLiteral("调出仓库"), QStringLiteral("dcck"), 22},
                            {QStringLiteral("调入仓库"), QStringLiteral("drck"), 22},
                            {QStringLiteral("经办人"), QStringLiteral("u_name"), 18},
                            {QStringLiteral("备注"), QStringLiteral("db_note"), 28}},
                .headerLines = {head, printed},
                .summaryLines = {}};
        previewQueryList(spec, cxGridMxb, period, this);
    } else {
        spec = {.title = QStringLiteral("库存调拨货品单据表"),
                .columns = {{QStringLiteral("单据号"), QStringLiteral("gl_djh"), 32},
                            {QStringLiteral("日期"), QStringLiteral("db_dbrq"), 22},
                            {QStringLiteral("调出仓库"), QStringLiteral("dcck"), 25},
                            {QStringLiteral("调入仓库"), QStringLiteral("drck"), 25},
                            {QStringLiteral("经办人"), QStringLiteral("u_name"), 20},
                            {QStringLiteral("操作员"), QStringLiteral("a_name"), 20},
                            {QStringLiteral("备注"), QStringLiteral("db_note"), 40}},
                .headerLines = {head, printed},
                .summaryLines = {}};
        previewQueryList(spec, cxGridDjb, period, this);
    }
}

void registerStockTransfer()
{
    registerForm(QStringLiteral("TF_Kcdb"), F_Kcdb);
    registerForm(QStringLiteral("TF_Kcdb_Add"), F_Kcdb_Add);
    registerForm(QStringLiteral("TF_Kcdb_Sele"), F_Kcdb_Sele);
    registerForm(QStringLiteral("TF_Kcdb_Cx"), F_Kcdb_Cx);
    handlerCallers().add(kCallerWord, {[]() -> QComboBox* { return F_Kcdb ? F_Kcdb->comUser : nullptr; },
                                       QStringLiteral("u_kc")});
}
