#include "stock/bsby.h"

#include "bills/billparts.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/user2.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/reportlist.h"
#include "shell/commands.h"
#include "shell/tips.h"
#include "stock/bsby_add.h"
#include "stock/bsby_confirm.h"
#include "stock/bsby_cx.h"
#include "stock/bsby_sele.h"
#include "stock/stock.h"
#include "stock/stockdocs.h"

#include <QCheckBox>
#include <QComboBox>
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

TF_Bsby* F_Bsby = nullptr;

namespace {

// The caller word of the window at the handler picker.
const QString kCallerWord = QStringLiteral("bsby");

// The kind on screen; the line dialog's mode "bsby" edits the lines of this kind.
BsbyKind g_kind = BsbyKind::Loss;
BillLineTables g_lines = kLossLines;

QString pfx(BsbyKind kind)
{
    return kind == BsbyKind::Loss ? QStringLiteral("bs") : QStringLiteral("by");
}

QString kindWord(BsbyKind kind)
{
    return kind == BsbyKind::Loss ? QStringLiteral("报损") : QStringLiteral("报溢");
}

QString linesSqlOf(BsbyKind kind, const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sccs,b.%1_sl as sl,"
                          "b.%1_note as dnote from jxc_goods a,%2 b where a.g_sn=b.g_sn and b.gl_djh='%3' order by b.id")
        .arg(pfx(kind), QLatin1String(bsbyTables(kind).lines->lineTable), sqlLit(number));
}

BillKind kindOf(BsbyKind kind)
{
    const BsbyTables& k = bsbyTables(kind);
    return {.lines = k.lines,
            .headerTable = k.headerTable,
            .headerNumber = "gl_djh",
            .prefix = k.prefix,
            .lineQuery = DataModule->Q_Bsby,
            .lineSql = [kind](const QString& number) { return linesSqlOf(kind, number); },
            .discountGoods = "00000000",
            .keepStrayLines = true};
}

// The filter suffix: warehouse, handler, then the count-only test on the header note.
QString filterSql(const BsbyFilter& f, const char* alias)
{
    const QString a = QLatin1String(alias);
    QString sql;
    if (!f.ckSn.isEmpty())
        sql += QStringLiteral(" and %1.ck_sn='%2' ").arg(a, sqlLit(f.ckSn));
    if (!f.uSn.isEmpty())
        sql += QStringLiteral(" and %1.u_sn='%2' ").arg(a, sqlLit(f.uSn));
    const QString countNote = QStringLiteral("盘点库存") + kindWord(f.kind);
    sql += QStringLiteral(" and %1.%2_note%3'%4' ").arg(a, pfx(f.kind), f.countOnly ? QStringLiteral("=") : QStringLiteral("<>"),
                                                         countNote);
    return sql;
}

QString periodSql(const BsbyFilter& f, const char* alias)
{
    return QStringLiteral(" and %1.%2_%2rq>='%3' and %1.%2_%2rq<='%4' ")
        .arg(QLatin1String(alias), pfx(f.kind), sqlLit(f.from), sqlLit(f.to));
}

}  // namespace

BsbyKind bsbyWindowKind()
{
    return g_kind;
}

const BillLineTables& bsbyLines()
{
    return g_lines;
}

QString bsbyWindowNumber()
{
    return F_Bsby ? F_Bsby->number() : QString();
}

QString bsbyWindowWarehouseName()
{
    return F_Bsby ? F_Bsby->comCk->currentText() : QString();
}

QString bsbyDocumentsSql(const BsbyFilter& f)
{
    const QString p = pfx(f.kind);
    return QStringLiteral("select a.gl_djh,a.%1_%1rq as rq,a.%1_note as dnote,a.a_name,b.ck_name,c.u_name from %2 a,"
                          "jxc_ckxx b,jxc_user c where a.ck_sn=b.ck_sn and a.u_sn=c.u_sn")
               .arg(p, QLatin1String(bsbyTables(f.kind).headerTable)) +
           periodSql(f, "a") + filterSql(f, "a") + QStringLiteral("order by a.gl_djh desc");
}

QString bsbyDocumentLinesSql(BsbyKind kind, const QString& djh)
{
    return QStringLiteral("select a.t_scrq,a.%1_sl as sl,a.%1_dj as dj,a.%1_zje as zje,a.%1_note as dnote,a.gl_djh,"
                          "a.g_sn,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,c.gc_name from %2 a "
                          "join jxc_goods b on a.g_sn=b.g_sn left join jxc_goodsclass c on b.gc_sn=c.gc_sn "
                          "where a.gl_djh='%3' order by a.id")
        .arg(pfx(kind), QLatin1String(bsbyTables(kind).lines->lineTable), sqlLit(djh));
}

QString bsbySummarySql(const BsbyFilter& f)
{
    const BsbyTables& k = bsbyTables(f.kind);
    return QStringLiteral("select a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.* from jxc_goods a,"
                          "(select x.g_sn,sum(x.%1_sl) as sl from %2 x,%3 y where x.gl_djh=y.gl_djh")
               .arg(pfx(f.kind), QLatin1String(k.lines->lineTable), QLatin1String(k.headerTable)) +
           periodSql(f, "y") + filterSql(f, "y") + QStringLiteral(" group by x.g_sn) b where a.g_sn=b.g_sn order by b.g_sn");
}

QString bsbySummaryLinesSql(const BsbyFilter& f, const QString& gSn)
{
    const BsbyTables& k = bsbyTables(f.kind);
    return QStringLiteral("select a.%1_%1rq as rq,b.gl_djh,b.%1_sl as sl,b.%1_dj as dj,b.%1_zje as zje,b.%1_note as dnote,"
                          "a.a_name,b.g_sn,c.ck_name,d.u_name from %2 a,%3 b,jxc_ckxx c,jxc_user d where "
                          "a.gl_djh=b.gl_djh and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and b.g_sn='%4'")
               .arg(pfx(f.kind), QLatin1String(k.headerTable), QLatin1String(k.lines->lineTable), sqlLit(gSn)) +
           periodSql(f, "a") + filterSql(f, "a") + QStringLiteral(" order by a.id desc");
}

QString bsbyLinesSql(const BsbyFilter& f)
{
    const BsbyTables& k = bsbyTables(f.kind);
    return QStringLiteral("select a.%1_%1rq as rq,a.gl_djh,a.a_name,b.g_sn,b.%1_sl as sl,b.%1_note as dnote,c.g_name,"
                          "d.ck_name,e.u_name from %2 a,%3 b,jxc_goods c,jxc_ckxx d,jxc_user e where a.gl_djh=b.gl_djh "
                          "and a.ck_sn=d.ck_sn and a.u_sn=e.u_sn and b.g_sn=c.g_sn")
               .arg(pfx(f.kind), QLatin1String(k.headerTable), QLatin1String(k.lines->lineTable)) +
           periodSql(f, "a") + filterSql(f, "a") + QStringLiteral(" order by a.gl_djh desc");
}

BillPrint bsbyPrint(BsbyKind kind, const QString& djh, const QString& date, const QString& aName,
                    const QString& ckName, const QString& uName, const QString& note)
{
    return {.templateFile = QStringLiteral("bsby.fr3"),
            .variables = {{QStringLiteral("title"), QStringLiteral("商品") + kindWord(kind) + QStringLiteral("单")},
                          {QStringLiteral("jhDate"), date},
                          {QStringLiteral("aName"), aName},
                          {QStringLiteral("ckName"), ckName},
                          {QStringLiteral("uName"), uName},
                          {QStringLiteral("dNote"), note.trimmed()}},
            .linesSql = bsbyDocumentLinesSql(kind, djh),
            .layout = {}};
}

TF_Bsby::TF_Bsby(QWidget* parent) : TF_BillWindow(kindOf(BsbyKind::Loss), parent)
{
    setObjectName(QStringLiteral("TF_Bsby"));
    setWindowTitle(QStringLiteral("商品报损/报溢"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* entry = new QWidget;
    buildEntryPage(entry);
    PageControl1->addTab(entry, QStringLiteral("报损/报溢"));
    auto* history = new QWidget;
    buildHistoryPage(history);
    PageControl1->addTab(history, QStringLiteral("报损/报溢查询"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1 && !m_initialising)
            runGuarded([this] { historyShown(); });
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    resize(980, 640);
}

void TF_Bsby::buildEntryPage(QWidget* page)
{
    comDjlx = new QComboBox;
    comDjlx->setObjectName(QStringLiteral("comDjlx"));
    comDjlx->addItems({QStringLiteral("商品报损"), QStringLiteral("商品报溢")});
    lbTitle = new QLabel(QStringLiteral("商品报损"));
    lbTitle->setObjectName(QStringLiteral("lbTitle"));
    lbTitle->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));
    lbDate = new QLabel(QStringLiteral("报损日期："));
    lbDate->setObjectName(QStringLiteral("lbDate"));
    gldjh = new QLabel;
    gldjh->setObjectName(QStringLiteral("gldjh"));
    gldjh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    setNumberLabel(gldjh);
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", [] { openHandlerPicker(kCallerWord); });
    dateCg = billDateBox();
    tnote = nameBox(this, "tnote", 100);
    installKeyFilter(tnote);

    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("单据类型：")), 0, 0);
    head->addWidget(comDjlx, 0, 1);
    head->addWidget(lbTitle, 0, 2, 1, 2, Qt::AlignCenter);
    head->addWidget(new QLabel(QStringLiteral("单号：")), 0, 4);
    head->addWidget(gldjh, 0, 5);
    head->addWidget(new QLabel(QStringLiteral("仓库：")), 1, 0);
    head->addWidget(comCk, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("经办人：")), 1, 2);
    head->addWidget(userBox, 1, 3);
    head->addWidget(lbDate, 1, 4);
    head->addWidget(dateCg, 1, 5);
    head->addWidget(new QLabel(QStringLiteral("备注：")), 2, 0);
    head->addWidget(tnote, 2, 1, 1, 5);

    DBGrid1 = docGrid("DBGrid1", DataModule->Q_Bsby);
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200).footerCount();
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    DBGrid1->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 100);
    DBGrid1->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 70).footerSum();
    DBGrid1->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 150);
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    addDocLineMenu(this, DBGrid1,
                   {.add = [this] { btnAddOldClick(); },
                    .modify = [this] { btnModiClick(); },
                    .remove = [this] { btnDelClick(); },
                    .print = [this] { printClick(); },
                    .preview = [this] { previewClick(); },
                    .hasLines = [this] { return hasLines(); }});

    auto* btnAddOld = namedButton(this, "btnAddOld", QStringLiteral("添加商品(F2)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改(F3)"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除(F4)"));
    btnPrin = printMenuButton("btnPrin", this, [this] { printClick(); }, [this] { previewClick(); });
    btnPrin->setText(QStringLiteral("打印(F8)"));
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnCancel = namedButton(this, "btnCancel", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnAddOld, btnModi, btnDel, btnPrin})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    onClicked(btnAddOld, [this] { btnAddOldClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(head);
    pageLayout->addWidget(DBGrid1, 1);
    pageLayout->addLayout(buttons);

    connect(comDjlx, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_initialising)
            runGuarded([this, index] { setKind(index == 1 ? BsbyKind::Overflow : BsbyKind::Loss); });
    });
    connect(comUser, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_initialising)
            runGuarded([this] { handlerComboChanged(comUser, kCallerWord); });
    });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] {
        if (!m_initialising)
            runGuarded([this] { moveToDate(dateCg->date()); });
    });
}

void TF_Bsby::buildHistoryPage(QWidget* page)
{
    comType = new QComboBox;
    comType->setObjectName(QStringLiteral("comType"));
    comType->addItems({QStringLiteral("商品报损"), QStringLiteral("商品报溢")});
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
    auto* btnFilter = namedButton(this, "btn_Dele", QStringLiteral("高级查询"));
    auto* btnQuit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("单据类型：")));
    top->addWidget(comType);
    addQueryPeriod(top, QStringLiteral("拆分时间："), period);
    for (QWidget* w : std::initializer_list<QWidget*>{btnSearch, rDjb, rHzb, rMxb, btnView, btnFilter, btnQuit})
        top->addWidget(w);

    lbDetail = new QLabel;
    lbDetail->setObjectName(QStringLiteral("lbDetail"));
    lbGoodsDetail = new QLabel;
    lbGoodsDetail->setObjectName(QStringLiteral("lbGoodsDetail"));

    cxGridDjb = docGrid("cxGridDjb", DataModule->Q_Bsby1);
    cxGridDjb->addColumn(QStringLiteral("gl_djh"), QString(), 130).footerText(QStringLiteral("单据合计："));
    cxGridDjb->addColumn(QStringLiteral("rq"), QString(), 90).footerCount();
    cxGridDjb->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGridDjb->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGridDjb->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 90);
    cxGridDjb->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 150);
    cxGridDjb1 = docGrid("cxGridDjb1", DataModule->Q_BsbyList);
    cxGridDjb1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("商品合计"));
    cxGridDjb1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    cxGridDjb1->addColumn(QStringLiteral("gc_name"), QStringLiteral("商品类别"), 80);
    cxGridDjb1->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60);
    cxGridDjb1->addColumn(QStringLiteral("dj"), QStringLiteral("单价"), 70);
    cxGridDjb1->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 80);
    cxGridDjb1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridDjb1->addColumn(QStringLiteral("gg_name"), QStringLiteral("商品规格"), 90);
    cxGridDjb1->addColumn(QStringLiteral("g_sccs"), QStringLiteral("生产厂商"), 90);
    cxGridDjb1->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 100);
    cxGridDjb1->addColumn(QStringLiteral("t_scrq"), QStringLiteral("生产日期"), 80);

    cxGridHzb = docGrid("cxGridHzb", DataModule->Q_BsbyHzb);
    cxGridHzb->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("合计："));
    cxGridHzb->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    cxGridHzb->addColumn(QStringLiteral("sl"), QString(), 70).footerSum();
    cxGridHzb->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridHzb->addColumn(QStringLiteral("gg_name"), QStringLiteral("商品规格"), 90);
    cxGridHzb->addColumn(QStringLiteral("g_sccs"), QStringLiteral("生产厂商"), 90);
    cxGridHzb->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"), 100);
    cxGridHzb1 = docGrid("cxGridHzb1", DataModule->Q_BsbyList2);
    cxGridHzb1->addColumn(QStringLiteral("gl_djh"), QString(), 130).footerText(QStringLiteral("单据合计："));
    cxGridHzb1->addColumn(QStringLiteral("rq"), QString(), 90).footerCount();
    cxGridHzb1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    cxGridHzb1->addColumn(QStringLiteral("sl"), QString(), 70).footerSum();
    cxGridHzb1->addColumn(QStringLiteral("dj"), QStringLiteral("单价"), 70);
    cxGridHzb1->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 80);
    cxGridHzb1->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 90);
    cxGridHzb1->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGridHzb1->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGridHzb1->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 100);
    cxGridMxb = docGrid("cxGridMxb", DataModule->Q_BsbyList3);
    cxGridMxb->addColumn(QStringLiteral("rq"), QString(), 90).footerText(QStringLiteral("合计："));
    cxGridMxb->addColumn(QStringLiteral("gl_djh"), QString(), 130).footerCount();
    cxGridMxb->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    cxGridMxb->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    cxGridMxb->addColumn(QStringLiteral("sl"), QString(), 70);
    cxGridMxb->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 90);
    cxGridMxb->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGridMxb->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGridMxb->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 100);

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
            if (on && !m_initialising)
                runGuarded([this] { searchClick(); });
        });
    }
    connect(comType, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_initialising)
            runGuarded([this] { searchClick(); });
    });
    onClicked(btnSearch, [this] { searchClick(); });
    onClicked(btnView, [this] { viewClick(); });
    onClicked(btnFilter, [this] { filterClick(); });
    onClicked(btnQuit, [this] { close(); });

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(views, 1);
}

void TF_Bsby::setKind(BsbyKind kind)
{
    g_kind = kind;
    g_lines = *bsbyTables(kind).lines;
    setBillKind(kindOf(kind));
    lbTitle->setText(QStringLiteral("商品") + kindWord(kind));
    lbDate->setText(kindWord(kind) + QStringLiteral("日期："));
    const bool was = m_initialising;
    m_initialising = true;
    dateCg->setDate(Clock::today());
    m_initialising = was;
    drawNumber();
}

void TF_Bsby::resetBill()
{
    m_initialising = true;
    const bool history = callerFlag == QLatin1String("yyfx");
    comDjlx->setCurrentIndex(0);
    setKind(BsbyKind::Loss);
    fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString::fromUtf16(kNewHandlerItem),
                       QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                       QStringLiteral("u_sn"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    fillWarehouseCombo(comCk);
    tnote->clear();
    linesChanged();
    PageControl1->setCurrentIndex(history ? 1 : 0);
    callerFlag.clear();
    m_initialising = false;
    if (history)
        historyShown();
}

void TF_Bsby::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrin->setVisible(lines);
}

void TF_Bsby::updateBottomJe()
{
    comDjlx->setEnabled(!hasLines());
}

bool TF_Bsby::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        if (PageControl1->currentIndex() == 0)
            btnAddOldClick();
        else
            searchClick();
        return true;
    case Qt::Key_F3:
        btnModiClick();
        return true;
    case Qt::Key_F4:
        btnDelClick();
        return true;
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_F8:
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TF_Bsby::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Bsby, DataModule->Q_Bsby1, DataModule->Q_BsbyList, DataModule->Q_BsbyHzb,
                          DataModule->Q_BsbyList2, DataModule->Q_BsbyList3, DataModule->Q_GoodsPrin})
        q->close();
}

void TF_Bsby::btnAddOldClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    if (runGoodsPicker(kCallerWord, comCk->currentCodeOrEmpty(), [] { showForm(F_Bsby_Add); }))
        comUser->setFocus();
}

void TF_Bsby::btnModiClick()
{
    if (hasLines())
        runLineDialog(QStringLiteral("bsby"), comCk->currentCodeOrEmpty(), [] { showForm(F_Bsby_Sele); });
}

void TF_Bsby::btnDelClick()
{
    deleteCurrentLine();
}

void TF_Bsby::btnOKClick()
{
    runSave();
}

bool TF_Bsby::saveBill()
{
    QString refusal;
    if (!hasLines())
        refusal = QStringLiteral("请选择商品！");
    else if (comUser->currentText().isEmpty() || comUser->currentText() == QStringView(kNewHandlerItem))
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentText().isEmpty())
        refusal = QStringLiteral("请选择仓库！");
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    modeFlag.clear();
    showForm(F_Bsby_Confirm);
    const bool confirmed = modeFlag == QLatin1String("OK");
    modeFlag.clear();
    if (!confirmed || !msgYesNo(QStringLiteral("单据保存后不能修改！是否确认？"), this))
        return false;
    postBsby({.kind = g_kind,
              .djh = number(),
              .ckSn = comCk->currentCode(),
              .date = dateText(dateCg->date()),
              .uSn = comUser->currentCode(),
              .note = tnote->text(),
              .op = operatorName});
    return true;
}

void TF_Bsby::afterSaved()
{
    showTips(QStringLiteral("信息已成功保存！"));
}

BillPrint TF_Bsby::currentPrint() const
{
    return bsbyPrint(g_kind, number(), dateText(dateCg->date()), operatorName, comCk->currentText(),
                     comUser->currentText(), tnote->text());
}

void TF_Bsby::printClick()
{
    if (!hasLines())
        return;
    setSkipActivate(true);
    if (!printBill(currentPrint(), 1, this))
        setSkipActivate(false);
}

void TF_Bsby::previewClick()
{
    if (hasLines())
        printGoodsDetail(currentPrint(), this);
}

// ---- History ------------------------------------------------------------------------------

void TF_Bsby::historyShown()
{
    m_initialising = true;
    period.fromThisMonth();
    comType->setCurrentIndex(0);
    rDjb->setChecked(true);
    m_initialising = false;
    filter = {};
    searchClick();
}

void TF_Bsby::setCaptions()
{
    const QString k = kindWord(filter.kind);
    cxGridDjb->column(QStringLiteral("gl_djh"))->setCaption(k + QStringLiteral("单号"));
    cxGridDjb->column(QStringLiteral("rq"))->setCaption(k + QStringLiteral("日期"));
    cxGridHzb->column(QStringLiteral("sl"))->setCaption(k + QStringLiteral("数量"));
    cxGridHzb1->column(QStringLiteral("gl_djh"))->setCaption(k + QStringLiteral("单号"));
    cxGridHzb1->column(QStringLiteral("rq"))->setCaption(k + QStringLiteral("日期"));
    cxGridHzb1->column(QStringLiteral("sl"))->setCaption(k + QStringLiteral("数量"));
    cxGridMxb->column(QStringLiteral("rq"))->setCaption(k + QStringLiteral("日期"));
    cxGridMxb->column(QStringLiteral("gl_djh"))->setCaption(k + QStringLiteral("单号"));
    cxGridMxb->column(QStringLiteral("sl"))->setCaption(k + QStringLiteral("数量"));
}

void TF_Bsby::searchClick()
{
    filter.kind = comType->currentIndex() == 1 ? BsbyKind::Overflow : BsbyKind::Loss;
    filter.from = period.d1();
    filter.to = period.d2();
    setCaptions();
    if (rHzb->isChecked()) {
        views->setCurrentIndex(1);
        openQuery(DataModule->Q_BsbyHzb, bsbySummarySql(filter));
        showGoodsLines();
    } else if (rMxb->isChecked()) {
        views->setCurrentIndex(2);
        openQuery(DataModule->Q_BsbyList3, bsbyLinesSql(filter));
    } else {
        views->setCurrentIndex(0);
        openQuery(DataModule->Q_Bsby1, bsbyDocumentsSql(filter));
        showDocumentLines();
    }
}

void TF_Bsby::showDocumentLines()
{
    const QString djh = DataModule->Q_Bsby1->fieldByName(QStringLiteral("gl_djh"));
    lbDetail->setText(djh);
    openQuery(DataModule->Q_BsbyList, bsbyDocumentLinesSql(filter.kind, djh));
    if (DataModule->Q_BsbyList->isEmpty())
        DataModule->Q_BsbyList->close();
}

void TF_Bsby::showGoodsLines()
{
    lbGoodsDetail->setText(DataModule->Q_BsbyHzb->fieldByName(QStringLiteral("g_name")));
    openQuery(DataModule->Q_BsbyList2,
              bsbySummaryLinesSql(filter, DataModule->Q_BsbyHzb->fieldByName(QStringLiteral("g_sn"))));
    if (DataModule->Q_BsbyList2->isEmpty())
        DataModule->Q_BsbyList2->close();
}

void TF_Bsby::filterClick()
{
    choiceParam.clear();
    TF_Bsby_Cx* dialog = ensureForm(F_Bsby_Cx);
    dialog->setLoss(comType->currentIndex() == 0);
    dialog->showModalForm();
    if (choiceParam.isEmpty())
        return;
    choiceParam.clear();
    filter.ckSn = filterCode(dialog->comCk);
    filter.uSn = filterCode(dialog->comUser);
    filter.countOnly = dialog->cbPd->isChecked();
    searchClick();
}

void TF_Bsby::viewClick()
{
    NamedQuery* q = rHzb->isChecked() ? DataModule->Q_BsbyList2
                    : rMxb->isChecked() ? DataModule->Q_BsbyList3
                                        : DataModule->Q_Bsby1;
    if (q->isEmpty())
        return;
    const QString djh = q->fieldByName(QStringLiteral("gl_djh"));
    const QString p = pfx(filter.kind);
    const ResultSet head = openSelect(
        QStringLiteral("select a.%1_%1rq,a.a_name,b.ck_name,c.u_name,a.%1_note from %2 a left join jxc_ckxx b on "
                       "a.ck_sn=b.ck_sn left join jxc_user c on a.u_sn=c.u_sn where a.gl_djh=? order by a.id limit 1")
            .arg(p, QLatin1String(bsbyTables(filter.kind).headerTable)),
        {{QString(), djh}});
    if (head.isEmpty())
        return;
    printGoodsDetail(bsbyPrint(filter.kind, djh, head.text(0, 0), head.text(0, 1), head.text(0, 2), head.text(0, 3),
                               head.text(0, 4)),
                     this);
}

void TF_Bsby::listPrintClick()
{
    const QString k = QStringLiteral("商品") + kindWord(filter.kind);
    const QStringList head{QStringLiteral("查询日期：[date1] 至 [date2]"), QStringLiteral("打印时间：[DATE] [TIME]")};
    const QString count = QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]");
    if (rHzb->isChecked()) {
        previewQueryList({.title = k + QStringLiteral("汇总表"),
                          .columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 30},
                                      {QStringLiteral("商品名称"), QStringLiteral("g_name"), 50},
                                      {QStringLiteral("数量"), QStringLiteral("sl"), 20, ReportHAlign::Right, QString(), true},
                                      {QStringLiteral("单位"), QStringLiteral("dw_name"), 15},
                                      {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 30},
                                      {QStringLiteral("颜色"), QStringLiteral("color_name"), 20}},
                          .headerLines = head,
                          .summaryLines = {count}},
                         cxGridHzb, period, this);
    } else if (rMxb->isChecked()) {
        previewQueryList({.title = k + QStringLiteral("明细表"),
                          .columns = {{QStringLiteral("开单日期"), QStringLiteral("rq"), 22},
                                      {QStringLiteral("单据号"), QStringLiteral("gl_djh"), 32},
                                      {QStringLiteral("商品名称"), QStringLiteral("g_name"), 45},
                                      {QStringLiteral("数量"), QStringLiteral("sl"), 16, ReportHAlign::Right, QString(), true},
                                      {QStringLiteral("仓库"), QStringLiteral("ck_name"), 22},
                                      {QStringLiteral("备注"), QStringLiteral("dnote"), 30},
                                      {QStringLiteral("经办人"), QStringLiteral("u_name"), 18}},
                          .headerLines = head,
                          .summaryLines = {count}},
                         cxGridMxb, period, this);
    } else {
        previewQueryList({.title = k + QStringLiteral("单据表"),
                          .columns = {{QStringLiteral("日期"), QStringLiteral("rq"), 22},
                                      {QStringLiteral("单据号"), QStringLiteral("gl_djh"), 32},
                                      {QStringLiteral("仓库名称"), QStringLiteral("ck_name"), 25},
                                      {QStringLiteral("经办人"), QStringLiteral("u_name"), 20},
                                      {QStringLiteral("操作员"), QStringLiteral("a_name"), 20},
                                      {QStringLiteral("备注"), QStringLiteral("dnote"), 40}},
                          .headerLines = head,
                          .summaryLines = {QStringLiteral("单据数：[COUNT(<frxDBDataset1>)]")}},
                         cxGridDjb, period, this);
    }
}

void registerStockLoss()
{
    registerForm(QStringLiteral("TF_Bsby"), F_Bsby);
    registerForm(QStringLiteral("TF_Bsby_Add"), F_Bsby_Add);
    registerForm(QStringLiteral("TF_Bsby_Sele"), F_Bsby_Sele);
    registerForm(QStringLiteral("TF_Bsby_Confirm"), F_Bsby_Confirm);
    registerForm(QStringLiteral("TF_Bsby_Cx"), F_Bsby_Cx);
    handlerCallers().add(kCallerWord, {[]() -> QComboBox* { return F_Bsby ? F_Bsby->comUser : nullptr; },
                                       QStringLiteral("u_kc")});
}
