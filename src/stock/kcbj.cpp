#include "stock/kcbj.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"
#include "stock/addjth.h"
#include "stock/kccx_mx.h"
#include "stock/stocksql.h"

#include <QAction>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Kcbj* F_Kcbj = nullptr;
TF_Kcbj_Modi* F_Kcbj_Modi = nullptr;

QString alarmSql(const QString& ckSn, const QString& text)
{
    const QString key = containsText(text);
    if (ckSn.isEmpty())
        return QStringLiteral("select g_sn,g_name,dw_name,gg_name,color_name,g_zdkc,g_kc as kc,g_sccs from jxc_goods "
                              "where g_kc<g_zdkc and (g_sn like %1 or g_name like %1 or g_jm like %1) order by g_kc")
            .arg(key);
    return QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_zdkc,b.kc_sl as kc,a.g_sccs "
                          "from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and b.ck_sn=%1 and (a.g_sn like %2 or "
                          "a.g_name like %2 or a.g_jm like %2) order by b.kc_sl")
        .arg(sqlText(ckSn), key);
}

void setMinimumStock(const QString& gSn, qint64 minimum)
{
    execSql(QStringLiteral("update jxc_goods set g_zdkc=? where g_sn=?"), {{QString(), minimum}, {QString(), gSn}});
}

// ---- The alarm window ------------------------------------------------------------------------

TF_Kcbj::TF_Kcbj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcbj"));
    setWindowTitle(QStringLiteral("库存报警查询"));
    setEscCloses(true);
    resize(960, 640);

    auto tool = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    btnModi = tool("btnModi", QStringLiteral("修改数量"));
    btnPrint = tool("btnPrint", QStringLiteral("打印"));
    btnJh = tool("btnJh", QStringLiteral("进货参考"));
    btnTh = tool("btnTh", QStringLiteral("退货参考"));
    btnExport = tool("btnExport", QStringLiteral("导出"));
    btnExit = tool("btnExit", QStringLiteral("退出"));
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    tkey = nameBox(this, "tkey", 64);
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("商品合计："));
    cxGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid1->addColumn(QStringLiteral("kc"), QStringLiteral("当前库存"));
    cxGrid1->addColumn(QStringLiteral("g_zdkc"), QStringLiteral("最低库存"));
    cxGrid1->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"));
    cxGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色")).setHidden();
    cxGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    cxGrid1->setQuery(DataModule ? DataModule->Q_Goods5 : nullptr);
    PopupMenu1 = new QMenu(this);
    N_AddJh = PopupMenu1->addAction(QStringLiteral("添加到进货参考(&Y)"));
    N_AddTh = PopupMenu1->addAction(QStringLiteral("添加到退货参考(&Z)"));

    lGoods = new QLabel(this);
    lGoods->setObjectName(QStringLiteral("lGoods"));
    date1 = new QDateEdit(this);
    date1->setObjectName(QStringLiteral("date1"));
    date2 = new QDateEdit(this);
    date2->setObjectName(QStringLiteral("date2"));
    for (QDateEdit* d : {date1, date2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    btnDates = tool("btnDates", QString());
    btnDates->setPopupMode(QToolButton::InstantPopup);
    btnQuery2 = namedButton(this, "btnQuery2", QStringLiteral("查询"));
    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->addColumn(QStringLiteral("rq"), QStringLiteral("日期"), 90).footerText(QStringLiteral("单据合计："));
    cxGrid2->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110).footerCount();
    cxGrid2->addColumn(QStringLiteral("dnote"), QStringLiteral("说明"));
    cxGrid2->addColumn(QStringLiteral("ghskh"), QStringLiteral("供货商/客户"));
    cxGrid2->addColumn(QStringLiteral("rksl"), QStringLiteral("入库数")).footerSum();
    cxGrid2->addColumn(QStringLiteral("cksl"), QStringLiteral("出库数")).footerSum();
    cxGrid2->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库"));
    cxGrid2->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"));
    cxGrid2->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"));
    cxGrid2->setQuery(DataModule ? DataModule->Q_Jhxsmx : nullptr);

    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {btnModi, btnPrint, btnJh, btnTh, btnExport, btnExit})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("当前仓库："), this));
    filter->addWidget(comCk);
    filter->addWidget(new QLabel(QStringLiteral("输入商品相关信息进行查询："), this));
    filter->addWidget(tkey, 1);
    filter->addWidget(btnQuery);
    auto* lower = new QWidget(this);
    auto* moveRow = new QHBoxLayout;
    moveRow->addWidget(new QLabel(QStringLiteral("进货销售明细："), lower));
    moveRow->addWidget(lGoods, 1);
    moveRow->addWidget(new QLabel(QStringLiteral("查询日期："), lower));
    moveRow->addWidget(date1);
    moveRow->addWidget(new QLabel(QStringLiteral("至"), lower));
    moveRow->addWidget(date2);
    moveRow->addWidget(btnDates);
    moveRow->addWidget(btnQuery2);
    auto* lowerCol = new QVBoxLayout(lower);
    lowerCol->addLayout(moveRow);
    lowerCol->addWidget(cxGrid2, 1);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(cxGrid1);
    split->addWidget(lower);
    auto* main = new QVBoxLayout(this);
    main->addLayout(bar);
    main->addLayout(filter);
    main->addWidget(split, 1);

    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnJh, [this] {
        callerFlag = QStringLiteral("jh");
        openWindow(QStringLiteral("TF_Kccx_Jth"), QString(), QStringLiteral("进货参考"));
        callerFlag.clear();
    });
    onClicked(btnTh, [this] {
        callerFlag = QStringLiteral("th");
        openWindow(QStringLiteral("TF_Kccx_Jth"), QString(), QStringLiteral("退货参考"));
        callerFlag.clear();
    });
    onClicked(btnExport, [this] { cxGrid1->exportWithDialog(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnQuery2, [this] { btnQuery2Click(); });
    addDatePresetMenu(btnDates, date1, date2, [this] { runGuarded([this] { btnQuery2Click(); }); });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { btnQueryClick(); });
    });
    connect(cxGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { btnQuery2Click(); }); });
    connect(cxGrid1->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(cxGrid1->view()->viewport()->mapToGlobal(pos)); });
    for (QAction* a : {N_AddJh, N_AddTh}) {
        const QString word = a == N_AddJh ? QStringLiteral("jadd") : QStringLiteral("tadd");
        connect(a, &QAction::triggered, this, [this, word] {
            runGuarded([this, word] {
                if (cxGrid1->rowCount() > 0 && cxGrid1->currentRow() >= 0)
                    addJth(cxGrid1->value(cxGrid1->currentRow(), QStringLiteral("g_sn")), word,
                           QStringLiteral("参考中已存在该商品，是否修改数量？"), this);
            });
        });
    }
}

void TF_Kcbj::FormActivate()
{
    m_loading = true;
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    tkey->clear();
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    btnQueryClick();
    m_loading = false;
}

bool TF_Kcbj::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F2)
        return false;
    runGuarded([this] { btnQueryClick(); });
    return true;
}

void TF_Kcbj::btnQueryClick()
{
    openQuery(DataModule->Q_Goods5, alarmSql(comCk->currentIsAll() ? QString() : comCk->currentCodeOrEmpty(), tkey->text()));
    btnQuery2Click();
}

void TF_Kcbj::btnQuery2Click()
{
    const int row = cxGrid1->currentRow();
    const QString gSn = row < 0 ? QString() : cxGrid1->value(row, QStringLiteral("g_sn"));
    lGoods->setText(row < 0 ? QString() : cxGrid1->value(row, QStringLiteral("g_name")));
    openQuery(DataModule->Q_Jhxsmx, ledgerSql(gSn, date1->date(), date2->date(),
                                              comCk->currentIsAll() ? QString() : comCk->currentCodeOrEmpty(), 4));
}

void TF_Kcbj::btnModiClick()
{
    if (!comCk->currentIsAll() || cxGrid1->rowCount() == 0 || cxGrid1->currentRow() < 0)
        return;
    curGoodsSn = cxGrid1->value(cxGrid1->currentRow(), QStringLiteral("g_sn"));
    showForm(F_Kcbj_Modi);
    curGoodsSn.clear();
    DataModule->Q_Goods5->open();
}

ReportTemplate TF_Kcbj::alarmLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("库存报警商品");
    spec.headerLines = {QStringLiteral("当前仓库：[ckName]    打印日期：[DATE]")};
    spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 24},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 22},
                    {QStringLiteral("品牌厂商"), QStringLiteral("g_sccs"), 24},
                    {QStringLiteral("当前库存"), QStringLiteral("kc"), 18, ReportHAlign::Right},
                    {QStringLiteral("库存下限"), QStringLiteral("g_zdkc"), 18, ReportHAlign::Right}};
    spec.totalCaption = QString();
    return reportListLayout(spec);
}

void TF_Kcbj::btnPrintClick()
{
    Report rpt;
    rpt.setLayout(alarmLayout());
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("ckName"), reportQuote(comCk->currentText()));
    rpt.setDataset(QStringLiteral("frxDBDataset1"), cxGrid1->shownResult());
    rpt.preview(this);
}

// ---- The minimum stock dialog ----------------------------------------------------------------

TF_Kcbj_Modi::TF_Kcbj_Modi(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcbj_Modi"));
    setWindowTitle(QStringLiteral("修改商品库存下限"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    auto* box = new QGroupBox(QStringLiteral("商品信息"), this);
    auto label = [box](const char* name) {
        auto* l = new QLabel(box);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lSn = label("lSn");
    lName = label("lName");
    lGg = label("lGg");
    lDw = label("lDw");
    lColor = label("lColor");
    lKc = label("lKc");
    lBz = label("lBz");
    lZdkc = label("lZdkc");
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("商品编号："), lSn);
    form->addRow(QStringLiteral("商品名称："), lName);
    form->addRow(QStringLiteral("规格型号："), lGg);
    form->addRow(QStringLiteral("单位："), lDw);
    form->addRow(QStringLiteral("颜色："), lColor);
    form->addRow(QStringLiteral("当前库存："), lKc);
    form->addRow(QStringLiteral("备注："), lBz);
    form->addRow(QStringLiteral("库存下限："), lZdkc);
    tZdkc = new QSpinBox(this);
    tZdkc->setObjectName(QStringLiteral("tZdkc"));
    tZdkc->setRange(-9999, 99999);  // five characters
    tZdkc->setButtonSymbols(QAbstractSpinBox::NoButtons);
    auto* newRow = new QFormLayout;
    newRow->addRow(QStringLiteral("新库存下限："), tZdkc);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addLayout(newRow);
    main->addLayout(buttonRow({btnOK, btnExit}));
}

void TF_Kcbj_Modi::FormActivate()
{
    const ResultSet g = openSelect(QStringLiteral("select * from jxc_goods where g_sn=?"), {{QString(), curGoodsSn}});
    auto field = [&g](const char* name) { return g.isEmpty() ? QString() : g.text(0, QLatin1String(name)); };
    lSn->setText(field("g_sn"));
    lName->setText(field("g_name"));
    lGg->setText(field("gg_name"));
    lDw->setText(field("dw_name"));
    lColor->setText(field("color_name"));
    lKc->setText(field("g_kc"));
    lBz->setText(field("g_bz"));
    lZdkc->setText(field("g_zdkc"));
    tZdkc->setValue(1);
    tZdkc->selectAll();
}

void TF_Kcbj_Modi::btnOKClick()
{
    setMinimumStock(curGoodsSn, tZdkc->value());
    close();
}
