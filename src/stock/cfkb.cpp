#include "stock/cfkb.h"

#include "bills/billprint.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/numbering.h"
#include "data/textrules.h"
#include "data/tkc.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/reportlist.h"
#include "platform/reporttemplate.h"
#include "shell/commands.h"
#include "shell/tips.h"
#include "stock/cfkb_add2.h"
#include "stock/cfkb_cx.h"
#include "stock/cfkb_sele2.h"
#include "stock/kbposting.h"
#include "stock/stock.h"
#include "stock/stocksql.h"

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
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Cfkb* F_Cfkb = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");

BillKind bundleKind()
{
    return {.lines = &kBundleLines,
            .headerTable = "jxc_kbd",
            .headerNumber = "gl_djh",
            .prefix = "KB",
            .lineQuery = DataModule ? DataModule->Q_Kbsp : nullptr,
            .lineSql = kbLinesSql};
}

// Keeps the globals a caller handed over while the window uses them for its own dialogs.
struct KeptGlobals {
    QString mode = modeFlag;
    QString goods = curGoodsSn;
    GoodsPickerTarget target = goodsPickerTarget;
    ~KeptGlobals()
    {
        modeFlag = mode;
        curGoodsSn = goods;
        goodsPickerTarget = target;
    }
};

}  // namespace

QString kbLinesSql(const QString& number)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,c.ck_name,b.g_sccs from jxc_kbsp a,"
                          "jxc_goods b,jxc_ckxx c where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn and a.gl_djh=%1 order by a.id")
        .arg(sqlText(number));
}

QString kbGoodsSql(const QString& number)
{
    return QStringLiteral("select g_sn,g_name,g_jm,g_jj,g_kc as kc,dw_name,gg_name,color_name,g_sccs from jxc_goods "
                          "where g_sn<>'00000000' and g_jy=0 and g_sn not in (select g_sn from jxc_kbsp where "
                          "gl_djh=%1) order by g_sn")
        .arg(sqlText(number));
}

QString kbHistorySql(const QString& from, const QString& to, const QString& text, const QString& ckSn,
                     const QString& uSn)
{
    const QString key = containsText(text);
    QString sql = QStringLiteral("select a.*,b.g_name,b.g_jm,c.ck_name,b.dw_name,b.gg_name,b.color_name,"
                                 "a.kb_cbj*a.kb_sl as zje,d.u_name,b.g_sccs from jxc_kbd a,jxc_goods b,jxc_ckxx c,"
                                 "jxc_user d where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and "
                                 "a.kb_kbrq>=%1 and a.kb_kbrq<=%2 and (b.g_name like %3 or b.g_jm like %3 or "
                                 "b.g_sn like %3 or b.gg_name like %3)")
                      .arg(sqlText(from), sqlText(to), key);
    if (!ckSn.isEmpty() && ckSn != u"-1")
        sql += QStringLiteral(" and a.ck_sn=%1").arg(sqlText(ckSn));
    if (!uSn.isEmpty() && uSn != u"-1")
        sql += QStringLiteral(" and a.u_sn=%1").arg(sqlText(uSn));
    return sql + QStringLiteral(" order by a.id desc");
}

void fillKbResult(const QString& number, const QString& gSn, const QString& gName, double qty, double cost,
                  double stock)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_cfsptmp"));
    execSql(QStringLiteral("insert into jxc_cfsptmp (g_sn,g_name,tmp_rksl,tmp_rkje,tmp_currkc,tmp_kc) "
                           "values (?,?,?,?,?,?)"),
            {{QString(), gSn}, {QString(), gName}, {QString(), qty}, {QString(), (Money::fromDouble(cost) * Money::fromDouble(qty)).toDouble()},
             {QString(), stock}, {QString(), stock + qty}});
    const ResultSet lines = openSelect(QStringLiteral("select g_sn,ck_sn,kb_sl,kb_zje from jxc_kbsp where gl_djh=? order by id"),
                                       {{QString(), number}});
    for (int r = 0; r < lines.rowCount(); ++r) {
        const Money s = Money::fromText(getKcSl(lines.text(r, 1), lines.text(r, 0)));
        const Money out = Money::fromText(lines.text(r, 2));
        execSql(QStringLiteral("insert into jxc_cfsptmp (g_sn,g_name,tmp_cksl,tmp_ckje,tmp_currkc,tmp_kc) "
                               "select g_sn,g_name,?,?,?,? from jxc_goods where g_sn=?"),
                {{QString(), out.toDouble()}, {QString(), Money::fromText(lines.text(r, 3)).toDouble()},
                 {QString(), s.toDouble()}, {QString(), (s - out).toDouble()}, {QString(), lines.text(r, 0)}});
    }
    tx.commit();
}

ReportTemplate kbdLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品捆绑单");
    spec.headerLines = {QStringLiteral("开单日期：[jhDate]    仓库名称：[ckName]    经办人：[uName]"),
                        QStringLiteral("捆绑成的商品：[gSn] [gName]  [ggName]  单位：[dwName]  品牌厂商：[colorName]"),
                        QStringLiteral("数量：[cfSl]    成本价：[cfCbj]    金额：[cfZje]"),
                        QStringLiteral("备注：[cfNote]")};
    spec.summaryLines = {QStringLiteral("操作员：[aName]")};
    const auto right = ReportHAlign::Right;
    spec.columns = {{QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 14},
                    {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 24},
                    {QStringLiteral("单价"), QStringLiteral("kb_dj"), 20, right, QStringLiteral("0.00")},
                    {QStringLiteral("数量"), QStringLiteral("kb_sl"), 18, right, QString(), true},
                    {QStringLiteral("金额"), QStringLiteral("kb_zje"), 22, right, QStringLiteral("0.00"), true},
                    {QStringLiteral("品牌厂商"), QStringLiteral("g_sccs"), 24},
                    {QStringLiteral("出库仓库"), QStringLiteral("ck_name"), 28}};
    return reportListLayout(spec);
}

TF_Cfkb::TF_Cfkb(QWidget* parent) : TF_BillWindow(bundleKind(), parent)
{
    setObjectName(QStringLiteral("F_Cfkb"));
    setWindowTitle(QStringLiteral("商品捆绑"));
    resize(980, 680);

    // ---- The bundle tab: header --------------------------------------------------------
    auto* page1 = new QWidget;
    gldjhkb = new QLabel(page1);
    gldjhkb->setObjectName(QStringLiteral("gldjhkb"));
    setNumberLabel(gldjhkb);
    dateKb = new QDateEdit(page1);
    dateKb->setObjectName(QStringLiteral("dateKb"));
    dateKb->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateKb->setCalendarPopup(true);
    comCkKb = new CodeComboBox(page1);
    comCkKb->setObjectName(QStringLiteral("comCkKb"));
    tspkb = nameBox(page1, "tspkb", 32);
    btnSpeedKb1 = namedButton(page1, "btnSpeedKb1", QStringLiteral("..."));
    tslkb = new QSpinBox(page1);
    tslkb->setObjectName(QStringLiteral("tslkb"));
    tslkb->setRange(-99999, 99999);
    tslkb->setGroupSeparatorShown(true);
    auto label = [page1](const char* name) {
        auto* l = new QLabel(page1);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    g_namekb = label("g_namekb");
    gg_namekb = label("gg_namekb");
    dw_namekb = label("dw_namekb");
    g_sccskb = label("g_sccskb");
    kc_slkb = label("kc_slkb");
    kc_cbjkb = label("kc_cbjkb");
    kbzje = label("kbzje");
    auto* head = new QFormLayout;
    head->addRow(QStringLiteral("单号："), gldjhkb);
    head->addRow(QStringLiteral("捆绑日期："), dateKb);
    head->addRow(QStringLiteral("入库仓库："), comCkKb);
    auto* goodsRow = new QHBoxLayout;
    goodsRow->addWidget(tspkb, 1);
    goodsRow->addWidget(btnSpeedKb1);
    head->addRow(QStringLiteral("捆绑成的商品："), goodsRow);
    head->addRow(QStringLiteral("捆绑数量："), tslkb);
    auto* info = new QGroupBox(QStringLiteral("捆绑成的商品信息"), page1);
    auto* infoForm = new QFormLayout(info);
    infoForm->addRow(QStringLiteral("捆绑成的商品："), g_namekb);
    infoForm->addRow(QStringLiteral("款型说明："), gg_namekb);
    infoForm->addRow(QStringLiteral("单        位："), dw_namekb);
    infoForm->addRow(QStringLiteral("品牌厂商："), g_sccskb);
    infoForm->addRow(QStringLiteral("当前库存："), kc_slkb);
    infoForm->addRow(QStringLiteral("成  本  价："), kc_cbjkb);
    infoForm->addRow(QStringLiteral("捆绑总额："), kbzje);

    // ---- Step 2: components --------------------------------------------------------------
    RzPanel_Kb2 = new QWidget(page1);
    RzPanel_Kb2->setObjectName(QStringLiteral("RzPanel_Kb2"));
    cxGridKb = new DataGrid(RzPanel_Kb2);
    cxGridKb->setObjectName(QStringLiteral("cxGridKb"));
    cxGridKb->addColumn(QStringLiteral("g_name"), QStringLiteral("被捆绑的商品名称"), 150).footerCount(QStringLiteral("商品数："));
    cxGridKb->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGridKb->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGridKb->addColumn(QStringLiteral("kb_dj"), QStringLiteral("捆绑单价")).setFormat(kMoney);
    cxGridKb->addColumn(QStringLiteral("kb_sl"), QStringLiteral("捆绑数量")).footerSum();
    cxGridKb->addColumn(QStringLiteral("kb_zje"), QStringLiteral("总金额")).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGridKb->addColumn(QStringLiteral("ck_name"), QStringLiteral("出库仓库"));
    cxGridKb->setQuery(DataModule ? DataModule->Q_Kbsp : nullptr);
    btnAddKb = namedButton(RzPanel_Kb2, "btnAddKb", QStringLiteral("新增商品(F2)"));
    btnModiKb = namedButton(RzPanel_Kb2, "btnModiKb", QStringLiteral("修改商品(F3)"));
    btnDelKb = namedButton(RzPanel_Kb2, "btnDelKb", QStringLiteral("删除商品(F4)"));
    btnPrintKb = namedButton(RzPanel_Kb2, "btnPrintKb", QStringLiteral("打印单据(F8)"));
    auto* printMenu = new QMenu(btnPrintKb);
    connect(printMenu->addAction(QStringLiteral("预览单据(&Z)")), &QAction::triggered, this,
            [this] { runGuarded([this] { previewKbClick(); }); });
    btnPrintKb->setMenu(printMenu);
    comUserKb = new CodeComboBox(RzPanel_Kb2);
    comUserKb->setObjectName(QStringLiteral("comUserKb"));
    tnotekb = nameBox(RzPanel_Kb2, "tnotekb", 100);
    btnNextKb = namedButton(RzPanel_Kb2, "btnNextKb", QStringLiteral("下一步(&N)"));
    QPushButton* btnCancel2 = namedButton(RzPanel_Kb2, "btnCancelKb2", QStringLiteral("取消(Esc)"));
    auto* step2 = new QVBoxLayout(RzPanel_Kb2);
    step2->addLayout(buttonRow({btnAddKb, btnModiKb, btnDelKb, btnPrintKb}));
    step2->addWidget(cxGridKb, 1);
    auto* step2Foot = new QFormLayout;
    step2Foot->addRow(QStringLiteral("经办人："), comUserKb);
    step2Foot->addRow(QStringLiteral("备 注："), tnotekb);
    step2->addLayout(step2Foot);
    step2->addLayout(buttonRow({btnCancel2, btnNextKb}));

    // ---- Step 3: the result ---------------------------------------------------------------
    RzPanel_Kb3 = new QWidget(page1);
    RzPanel_Kb3->setObjectName(QStringLiteral("RzPanel_Kb3"));
    cxGridResult = new DataGrid(RzPanel_Kb3);
    cxGridResult->setObjectName(QStringLiteral("cxGridResult"));
    cxGridResult->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("合计："));
    cxGridResult->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGridResult->addColumn(QStringLiteral("tmp_cksl"), QStringLiteral("出库数量")).footerSum();
    cxGridResult->addColumn(QStringLiteral("tmp_ckje"), QStringLiteral("出库金额")).footerSum();
    cxGridResult->addColumn(QStringLiteral("tmp_rksl"), QStringLiteral("入库数量")).footerSum();
    cxGridResult->addColumn(QStringLiteral("tmp_rkje"), QStringLiteral("入库金额")).footerSum();
    cxGridResult->addColumn(QStringLiteral("tmp_currkc"), QStringLiteral("当前库存数量"));
    cxGridResult->addColumn(QStringLiteral("tmp_kc"), QStringLiteral("捆绑后库存数量"));
    cxGridResult->setQuery(DataModule ? DataModule->Q_CfspTmp1 : nullptr);
    btnPrevKb = namedButton(RzPanel_Kb3, "btnPrevKb", QStringLiteral("上一步(&P)"));
    btnOKKb = namedButton(RzPanel_Kb3, "btnOKKb", QStringLiteral("确定(F5)"));
    QPushButton* btnCancel3 = namedButton(RzPanel_Kb3, "btnCancelKb3", QStringLiteral("取消(Esc)"));
    auto* step3 = new QVBoxLayout(RzPanel_Kb3);
    step3->addWidget(new QLabel(QStringLiteral("捆绑结果"), RzPanel_Kb3));
    auto* explain = new QLabel(QStringLiteral("在确定拆分结果没有错误后，点击“确定”按钮完成捆绑。\r仓库金额与入库金额不相符时，"
                                              "差价将写入营业费用--捆绑差价中，可在营业情况表中查询。"),
                               RzPanel_Kb3);
    explain->setWordWrap(true);
    step3->addWidget(explain);
    step3->addWidget(cxGridResult, 1);
    step3->addLayout(buttonRow({btnPrevKb, btnOKKb, btnCancel3}));

    // ---- The goods list over the tab ------------------------------------------------------
    RzPanel_Goods = new QGroupBox(page1);
    RzPanel_Goods->setObjectName(QStringLiteral("RzPanel_Goods"));
    tGoods = nameBox(RzPanel_Goods, "tGoods", 64);
    cxGridGoods = new DataGrid(RzPanel_Goods);
    cxGridGoods->setObjectName(QStringLiteral("cxGridGoods"));
    cxGridGoods->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
    cxGridGoods->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGridGoods->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGridGoods->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGridGoods->addColumn(QStringLiteral("kc"), QStringLiteral("库存数量"));
    cxGridGoods->setQuery(DataModule ? DataModule->Q_Goods3 : nullptr);
    btnGoodsOK = namedButton(RzPanel_Goods, "btnGoodsOK", QStringLiteral("确定(F5)"));
    QPushButton* btnGoodsExit = namedButton(RzPanel_Goods, "btnGoodsExit", QStringLiteral("退出(Esc)"));
    auto* goodsCol = new QVBoxLayout(RzPanel_Goods);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(new QLabel(QStringLiteral("查找商品："), RzPanel_Goods));
    findRow->addWidget(tGoods, 1);
    goodsCol->addLayout(findRow);
    goodsCol->addWidget(cxGridGoods, 1);
    goodsCol->addLayout(buttonRow({btnGoodsOK, btnGoodsExit}));
    RzPanel_Goods->hide();

    auto* top = new QHBoxLayout;
    top->addLayout(head, 1);
    top->addWidget(info, 1);
    auto* col1 = new QVBoxLayout(page1);
    col1->addWidget(new QLabel(QStringLiteral("商品捆绑是把库存中已有的几种商品捆绑成其他某种商品!"), page1));
    col1->addLayout(top);
    col1->addWidget(RzPanel_Goods, 1);
    col1->addWidget(RzPanel_Kb2, 1);
    col1->addWidget(RzPanel_Kb3, 1);

    // ---- The history tab --------------------------------------------------------------------
    auto* page2 = new QWidget;
    tdate11 = new QDateEdit(page2);
    tdate11->setObjectName(QStringLiteral("tdate11"));
    tdate12 = new QDateEdit(page2);
    tdate12->setObjectName(QStringLiteral("tdate12"));
    for (QDateEdit* d : {tdate11, tdate12}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    auto* btnDates = new QToolButton(page2);
    btnDates->setObjectName(QStringLiteral("btnDates"));
    btnDates->setPopupMode(QToolButton::InstantPopup);
    tGoodsName = nameBox(page2, "tGoodsName", 64);
    tGoodsName->setPlaceholderText(QStringLiteral("回车键开始查询"));
    btnQuery = namedButton(page2, "btnQuery", QStringLiteral("查询(F2)"));
    btnCx = namedButton(page2, "btnCx", QStringLiteral("高级查询"));
    btnView = namedButton(page2, "btnView", QStringLiteral("查看单据"));
    QPushButton* btnExit2 = namedButton(page2, "btnExit2", QStringLiteral("退出"));
    cxGridKbd = new DataGrid(page2);
    cxGridKbd->setObjectName(QStringLiteral("cxGridKbd"));
    cxGridKbd->addColumn(QStringLiteral("gl_djh"), QStringLiteral("捆绑单号"), 120).footerText(QStringLiteral("单据合计："));
    cxGridKbd->addColumn(QStringLiteral("kb_kbrq"), QStringLiteral("捆绑日期"), 90).footerCount();
    cxGridKbd->addColumn(QStringLiteral("ck_name"), QStringLiteral("入库仓库"));
    cxGridKbd->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
    cxGridKbd->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGridKbd->addColumn(QStringLiteral("kb_cbj"), QStringLiteral("成本价")).setFormat(kMoney);
    cxGridKbd->addColumn(QStringLiteral("kb_sl"), QStringLiteral("数量")).footerSum();
    cxGridKbd->addColumn(QStringLiteral("zje"), QStringLiteral("总金额")).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGridKbd->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"));
    cxGridKbd->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"));
    cxGridKbd->addColumn(QStringLiteral("kb_note"), QStringLiteral("备注"));
    cxGridKbd->setQuery(DataModule ? DataModule->Q_Kbd : nullptr);
    lDjh = new QLabel(page2);
    lDjh->setObjectName(QStringLiteral("lDjh"));
    cxGridKbsp1 = new DataGrid(page2);
    cxGridKbsp1->setObjectName(QStringLiteral("cxGridKbsp1"));
    cxGridKbsp1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("商品合计："));
    cxGridKbsp1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGridKbsp1->addColumn(QStringLiteral("kb_dj"), QStringLiteral("单价")).setFormat(kMoney);
    cxGridKbsp1->addColumn(QStringLiteral("kb_sl"), QStringLiteral("数量")).footerSum();
    cxGridKbsp1->addColumn(QStringLiteral("kb_zje"), QStringLiteral("总金额")).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGridKbsp1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGridKbsp1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGridKbsp1->addColumn(QStringLiteral("ck_name"), QStringLiteral("出库仓库"));
    cxGridKbsp1->setQuery(DataModule ? DataModule->Q_Kbsp1 : nullptr);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("捆绑时间："), page2));
    filter->addWidget(tdate11);
    filter->addWidget(new QLabel(QStringLiteral("至"), page2));
    filter->addWidget(tdate12);
    filter->addWidget(btnDates);
    filter->addWidget(new QLabel(QStringLiteral("商品编号："), page2));
    filter->addWidget(tGoodsName, 1);
    filter->addWidget(btnQuery);
    filter->addWidget(btnCx);
    filter->addWidget(btnView);
    filter->addWidget(btnExit2);
    auto* djhRow = new QHBoxLayout;
    djhRow->addWidget(new QLabel(QStringLiteral("单据详细信息："), page2));
    djhRow->addWidget(lDjh, 1);
    auto* col2 = new QVBoxLayout(page2);
    col2->addLayout(filter);
    col2->addWidget(cxGridKbd, 2);
    col2->addLayout(djhRow);
    col2->addWidget(cxGridKbsp1, 1);

    cxTab = new QTabWidget(this);
    cxTab->setObjectName(QStringLiteral("cxTab"));
    cxTab->addTab(page1, QStringLiteral("商品捆绑"));
    cxTab->addTab(page2, QStringLiteral("捆绑查询"));
    (new QVBoxLayout(this))->addWidget(cxTab);

    // ---- Handlers ----------------------------------------------------------------------------
    onClicked(btnSpeedKb1, [this] { btnSpeedKb1Click(); });
    onClicked(btnGoodsOK, [this] { chooseGoods(); });
    onClicked(btnGoodsExit, [this] { RzPanel_Goods->hide(); });
    onClicked(btnAddKb, [this] { btnAddKbClick(); });
    onClicked(btnModiKb, [this] { btnModiKbClick(); });
    onClicked(btnDelKb, [this] { btnDelKbClick(); });
    onClicked(btnNextKb, [this] { btnNextKbClick(); });
    onClicked(btnPrevKb, [this] { btnPrevKbClick(); });
    onClicked(btnOKKb, [this] { btnOKKbClick(); });
    for (QPushButton* b : {btnCancel2, btnCancel3, btnExit2})
        onClicked(b, [this] { close(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnCx, [this] { btnCxClick(); });
    onClicked(btnView, [this] { btnViewClick(); });
    connect(cxGridKbd, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
    addDatePresetMenu(btnDates, tdate11, tdate12, [this] { runGuarded([this] { btnQueryClick(); }); });
    connect(cxGridGoods, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { chooseGoods(); }); });
    connect(tGoods, &QLineEdit::textEdited, this, [this](const QString& text) {
        cxGridGoods->setSearch(text, {QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn")});
    });
    connect(tspkb, &QLineEdit::textEdited, this, [this](const QString& text) { runGuarded([this, text] { showGoods(text); }); });
    connect(comCkKb, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_initialising)
            runGuarded([this] { warehouseChanged(); });
    });
    connect(tslkb, &QSpinBox::valueChanged, this, [this](int q) {
        if (!kc_cbjkb->text().isEmpty() && !kc_slkb->text().isEmpty())
            kbzje->setText((Money::fromText(kc_cbjkb->text()) * Money::fromDouble(q)).toText());
    });
    connect(dateKb, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!m_initialising && date.isValid())
            moveToDate(date);
    });
    connect(cxGridKbd, &DataGrid::rowClicked, this, [this] { runGuarded([this] { showHistoryLines(); }); });
    connect(cxTab, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_initialising)
            return;
        runGuarded([this, index] {
            if (index == 1) {
                enterHistory();
            } else {
                initialise();
                if (modeFlag == u"kb")
                    preselect();
            }
        });
    });
}

QString TF_Cfkb::warehouseCode() const
{
    return comCkKb->currentIndex() >= 0 ? getComboCode(comCkKb, comCkKb->currentIndex()) : QString();
}

void TF_Cfkb::resetBill()
{
    m_initialising = true;
    cxTab->setCurrentIndex(0);
    m_initialising = false;
    initialise();
    if (modeFlag == u"kb" && !m_posted)
        preselect();
    m_posted = false;
}

void TF_Cfkb::initialise()
{
    m_initialising = true;
    m_goods.clear();
    RzPanel_Goods->hide();
    tGoods->clear();
    cxGridGoods->clearFilter();
    RzPanel_Kb2->show();
    RzPanel_Kb3->hide();
    dateKb->setDate(Clock::today());
    fillCodeComboWhere(comUserKb, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString(),
                       QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                       QStringLiteral("u_sn"));
    comUserKb->setCurrentIndex(comUserKb->count() > 0 ? 0 : -1);
    tnotekb->clear();
    fillCodeCombo(comCkKb, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    comCkKb->setCurrentIndex(comCkKb->count() > 0 ? 0 : -1);
    tspkb->clear();
    clearGoodsLabels();
    tslkb->setValue(1);
    drawNumber();  // stray lines of an unposted bundle under this number go
    enableHead(true);
    m_initialising = false;
}

void TF_Cfkb::preselect()
{
    const int index = comCkKb->findText(ckNameParam);
    if (index >= 0)
        comCkKb->setCurrentIndex(index);
    showGoods(QString());
    if (DataModule->Q_Goods3->locate(QStringLiteral("g_sn"), curGoodsSn))
        chooseGoods();
}

void TF_Cfkb::clearGoodsLabels()
{
    for (QLabel* l : {g_namekb, gg_namekb, dw_namekb, g_sccskb})
        l->clear();
    for (QLabel* l : {kc_slkb, kc_cbjkb, kbzje})
        l->setText(QStringLiteral("0"));
}

void TF_Cfkb::enableHead(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{comCkKb, tslkb, dateKb, btnSpeedKb1})
        w->setEnabled(on);
}

void TF_Cfkb::showLineButtons(bool hasLines)
{
    btnModiKb->setVisible(hasLines);
    btnDelKb->setVisible(hasLines);
    btnPrintKb->setVisible(hasLines);
    btnNextKb->setEnabled(hasLines);
}

void TF_Cfkb::showGoods(const QString& filter)
{
    openQuery(DataModule->Q_Goods3, kbGoodsSql(number()));
    cxGridGoods->setSearch(filter, {QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn")});
    RzPanel_Goods->show();
}

void TF_Cfkb::btnSpeedKb1Click()
{
    if (comCkKb->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    tGoods->clear();
    showGoods(QString());
    tGoods->setFocus();
}

void TF_Cfkb::chooseGoods()
{
    const NamedQuery* goods = DataModule->Q_Goods3;
    if (cxGridGoods->rowCount() == 0 || goods->currentRow() < 0)
        return;
    auto field = [goods](const char* name) { return goods->fieldByName(QLatin1String(name)); };
    m_goods = field("g_sn");
    tspkb->setText(m_goods);
    clearGoodsLabels();
    g_namekb->setText(field("g_name"));
    g_sccskb->setText(field("g_sccs"));
    gg_namekb->setText(field("gg_name"));
    dw_namekb->setText(field("dw_name"));
    const ResultSet stock = openSelect(QStringLiteral("select kc_cbj,kc_sl from jxc_kcsp where g_sn=? and ck_sn=? order by id"),
                                       {{QString(), m_goods}, {QString(), warehouseCode()}});
    if (!stock.isEmpty()) {
        kc_slkb->setText(stock.text(0, 1));
        kc_cbjkb->setText(stock.text(0, 0));
        kbzje->setText((Money::fromText(stock.text(0, 0)) * Money::fromDouble(tslkb->value())).toText());
    }
    RzPanel_Goods->hide();
}

void TF_Cfkb::warehouseChanged()
{
    const QString code = tspkb->text().trimmed();
    if (code.isEmpty())
        return;
    const ResultSet g = openSelect(QStringLiteral("select a.*,b.kc_sl,b.kc_cbj from jxc_goods a,jxc_kcsp b where "
                                                  "a.g_sn=b.g_sn and b.ck_sn=? and a.g_sn=?"),
                                   {{QString(), warehouseCode()}, {QString(), sqlSafeName(code)}});
    if (g.isEmpty()) {
        clearGoodsLabels();
        tspkb->clear();
        m_goods.clear();
        return;
    }
    g_namekb->setText(g.text(0, QStringLiteral("g_name")));
    g_sccskb->setText(g.text(0, QStringLiteral("g_sccs")));
    gg_namekb->setText(g.text(0, QStringLiteral("gg_name")));
    dw_namekb->setText(g.text(0, QStringLiteral("dw_name")));
    kc_slkb->setText(g.text(0, QStringLiteral("kc_sl")));
    kc_cbjkb->setText(g.text(0, QStringLiteral("kc_cbj")));
    kbzje->setText((Money::fromText(kc_cbjkb->text()) * Money::fromDouble(tslkb->value())).toText());
}

void TF_Cfkb::btnAddKbClick()
{
    const KeptGlobals kept;
    const QString exclude = m_goods;
    runGoodsPicker(exclude, QString(), [] { showForm(F_Cfkb_Add2); });
}

void TF_Cfkb::btnModiKbClick()
{
    if (!hasLines())
        return;
    const KeptGlobals kept;
    // The line keeps the warehouse it leaves.
    runLineDialog(QStringLiteral("cfkb"), DataModule->Q_Kbsp->fieldByName(QStringLiteral("ck_sn")),
                  [] { showForm(F_Cfkb_Sele2); });
}

void TF_Cfkb::btnDelKbClick()
{
    if (!hasLines() || !msgYesNo(QStringLiteral("您确定要删除该商品信息吗！"), this))
        return;
    deleteLine(kBundleLines, currentLineId());
    reopenLines();
}

void TF_Cfkb::btnNextKbClick()
{
    if (comCkKb->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    if (m_goods.isEmpty()) {
        msgInfo(QStringLiteral("捆绑成的商品不存在，请选择捆绑成的商品！"), this);
        return;
    }
    if (tslkb->value() <= 0) {
        msgInfo(QStringLiteral("捆绑数量必须大于0！"), this);
        return;
    }
    fillKbResult(number(), m_goods, g_namekb->text(), tslkb->value(), Money::fromText(kc_cbjkb->text()).toDouble(),
                 Money::fromText(kc_slkb->text()).toDouble());
    openQuery(DataModule->Q_CfspTmp1, QStringLiteral("select * from jxc_cfsptmp order by id"));
    RzPanel_Kb2->hide();
    RzPanel_Kb3->show();
    enableHead(false);
}

void TF_Cfkb::btnPrevKbClick()
{
    RzPanel_Kb2->show();
    RzPanel_Kb3->hide();
    enableHead(true);
}

bool TF_Cfkb::saveBill()
{
    if (comUserKb->currentText().isEmpty()) {
        msgInfo(QStringLiteral("请选择经办人！"), this);
        return false;
    }
    if (comCkKb->currentText().isEmpty()) {
        msgInfo(QStringLiteral("请选择仓库！"), this);
        return false;
    }
    bool posted = false;
    runGuarded([this, &posted] {
        postKb({.djh = number(),
                .ckSn = warehouseCode(),
                .uSn = getComboCode(comUserKb, comUserKb->currentIndex()),
                .gSn = m_goods,
                .qty = Money::fromDouble(tslkb->value()),
                .date = dateText(dateKb->date()),
                .note = tnotekb->text(),
                .op = operatorName});
        posted = true;
    });
    if (posted)
        showTips(QStringLiteral("信息已成功保存！"));
    m_posted = posted;  // the new bundle starts without the caller's preselection
    return posted;
}

void TF_Cfkb::btnOKKbClick()
{
    if (!RzPanel_Kb3->isHidden())
        runSave();
}

bool TF_Cfkb::billKeyDown(QKeyEvent* event)
{
    if (cxTab->currentIndex() == 1) {
        if (event->key() == Qt::Key_F5) {
            runGuarded([this] { btnQueryClick(); });
            return true;
        }
        return false;
    }
    if (!RzPanel_Goods->isHidden()) {
        if (event->key() == Qt::Key_F5) {
            runGuarded([this] { chooseGoods(); });
            return true;
        }
        if (event->key() == Qt::Key_Escape) {
            RzPanel_Goods->hide();
            return true;
        }
        return false;
    }
    if (event->key() == Qt::Key_F5 && !RzPanel_Kb3->isHidden()) {
        runGuarded([this] { btnOKKbClick(); });
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Cfkb::enterHistory()
{
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    tGoodsName->clear();
    btnQueryClick();
}

void TF_Cfkb::btnQueryClick()
{
    openQuery(DataModule->Q_Kbd, kbHistorySql(dateText(tdate11->date()), dateText(tdate12->date()),
                                              tGoodsName->text(), m_ckFilter, m_userFilter));
    showHistoryLines();
}

void TF_Cfkb::showHistoryLines()
{
    const QString djh = DataModule->Q_Kbd->isEmpty() ? QString() : DataModule->Q_Kbd->fieldByName(QStringLiteral("gl_djh"));
    lDjh->setText(djh);
    openQuery(DataModule->Q_Kbsp1, kbLinesSql(djh));
}

void TF_Cfkb::btnCxClick()
{
    showForm(F_Cfkb_Cx);
    m_ckFilter = F_Cfkb_Cx->warehouseCode();
    m_userFilter = F_Cfkb_Cx->handlerCode();
    btnQueryClick();
}

BillPrint TF_Cfkb::enteredPrint() const
{
    BillPrint p;
    p.templateFile = QStringLiteral("kbd.fr3");
    p.variables = {{QStringLiteral("jhDate"), dateText(dateKb->date())},
                   {QStringLiteral("aName"), operatorName},
                   {QStringLiteral("ckName"), comCkKb->currentText()},
                   {QStringLiteral("uName"), comUserKb->currentText()},
                   {QStringLiteral("gName"), g_namekb->text()},
                   {QStringLiteral("gSn"), m_goods},
                   {QStringLiteral("dwName"), dw_namekb->text()},
                   {QStringLiteral("ggName"), gg_namekb->text()},
                   {QStringLiteral("colorName"), g_sccskb->text()},
                   {QStringLiteral("cfCbj"), kc_cbjkb->text()},
                   {QStringLiteral("cfSl"), tslkb->text()},
                   {QStringLiteral("cfZje"), kbzje->text()},
                   {QStringLiteral("cfNote"), tnotekb->text()}};
    p.linesSql = kbLinesSql(number());
    return p;
}

BillPrint TF_Cfkb::postedPrint() const
{
    const NamedQuery* q = DataModule->Q_Kbd;
    auto of = [q](const char* field) { return q->isEmpty() ? QString() : q->fieldByName(QLatin1String(field)); };
    BillPrint p;
    p.templateFile = QStringLiteral("kbd.fr3");
    p.variables = {{QStringLiteral("jhDate"), of("kb_kbrq")},
                   {QStringLiteral("aName"), of("a_name")},
                   {QStringLiteral("ckName"), of("ck_name")},
                   {QStringLiteral("uName"), of("u_name")},
                   {QStringLiteral("gName"), of("g_name")},
                   {QStringLiteral("gSn"), of("g_sn")},
                   {QStringLiteral("dwName"), of("dw_name")},
                   {QStringLiteral("ggName"), of("gg_name")},
                   {QStringLiteral("colorName"), of("g_sccs")},
                   {QStringLiteral("cfCbj"), of("kb_cbj")},
                   {QStringLiteral("cfSl"), of("kb_sl")},
                   {QStringLiteral("cfZje"), (Money::fromText(of("kb_cbj")) * Money::fromText(of("kb_sl"))).toText()},
                   {QStringLiteral("cfNote"), of("kb_note")}};
    p.linesSql = kbLinesSql(of("gl_djh"));
    return p;
}

void TF_Cfkb::previewKbClick()
{
    printGoodsDetail(enteredPrint(), this);
}

void TF_Cfkb::btnViewClick()
{
    printGoodsDetail(postedPrint(), this);
}

void registerBundleWindows()
{
    registerForm(QStringLiteral("TF_Cfkb"), F_Cfkb);
    registerForm(QStringLiteral("TF_Cfkb_Add2"), F_Cfkb_Add2);
    registerForm(QStringLiteral("TF_Cfkb_Sele2"), F_Cfkb_Sele2);
    registerForm(QStringLiteral("TF_Cfkb_Cx"), F_Cfkb_Cx);
}
