#include "purchasing/cgjh.h"

#include "bills/billparts.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "platform/partnerpanel.h"
#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/ledger.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "masterdata/djbz.h"
#include "masterdata/user2.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "purchasing/cgjh_check.h"
#include "purchasing/cgjh_goods_add.h"
#include "purchasing/cgjh_import.h"
#include "purchasing/cgjh_sele.h"
#include "purchasing/cgjhpending.h"
#include "purchasing/cgjhposting.h"
#include "purchasing/purchasing.h"
#include "shell/commands.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Cgjh* F_Cgjh = nullptr;
bool TF_Cgjh::openDialogAfterBarcode = false;

namespace {

// The caller word of the receipt window at the handler and remark pickers.
const QString kCallerWord = QStringLiteral("jh");

QString receiptLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_kc,"
                          "a.g_bz from jxc_goods a,jxc_jhsp b where a.g_sn=b.g_sn and "
                          "b.j_sn='%1' order by b.id")
        .arg(sqlSafe(number));
}

BillKind receiptKind()
{
    return {.lines = &kReceiptLines,
            .headerTable = "jxc_jhd",
            .headerNumber = "j_sn",
            .prefix = "CJ",
            .lineQuery = DataModule->Q_Jhsp,
            .lineSql = receiptLinesSql};
}

QLabel* caption(const QString& text)
{
    return new QLabel(text);
}

}  // namespace

TF_Cgjh::TF_Cgjh(QWidget* parent) : TF_BillWindow(receiptKind(), parent)
{
    setObjectName(QStringLiteral("TF_Cgjh"));
    setWindowTitle(QStringLiteral("采购进货"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    buildEntryPage(page);
    PageControl1->addTab(page, QStringLiteral("采购进货"));
    auto* pending = new QWidget;
    pending->setObjectName(QStringLiteral("TabSheet2"));
    buildPendingPage(pending);
    PageControl1->addTab(pending, QStringLiteral("待审核采购单"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    resize(980, 640);
}

void TF_Cgjh::buildEntryPage(QWidget* page)
{
    // Number.
    jsn = new QLabel;
    jsn->setObjectName(QStringLiteral("jsn"));
    setNumberLabel(jsn);

    // Supplier, warehouse, date.
    tghs = nameBox(this, "tghs", 32);
    tghs->setToolTip(kPartnerHint);
    auto* btnSeleGhs = namedButton(this, "btnSeleGhs", QStringLiteral("…"));
    btnSeleGhs->setFocusPolicy(Qt::NoFocus);
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    dateCg = billDateBox();

    // Amounts and settlement.
    lbRmb = caption(QStringLiteral("￥"));
    lbRmb->setObjectName(QStringLiteral("lbRmb"));
    yfje = new QLabel;
    yfje->setObjectName(QStringLiteral("yfje"));
    tsfje = billMoneyBox("tsfje");
    comJsfs = new CodeComboBox;
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", [] { openHandlerPicker(kCallerWord); }, {comJsfs});

    // Reference number and note.
    lbSn2 = caption(QStringLiteral("原始单号："));
    lbSn2->setObjectName(QStringLiteral("lbSn2"));
    tsn2 = nameBox(this, "tsn2", 16);
    tnote = nameBox(this, "tnote", 100);
    QWidget* noteBox = withPickerButton(tnote, "btnNote", [] { openRemarkPicker(kCallerWord); });

    // Money account panel.
    panelYhzh = new AccountPanel("panelYhzh", QStringLiteral("同时选择付款账户："));
    comYhzh = panelYhzh->combo();

    auto* head = new QGridLayout;
    head->addWidget(numberCaption(), 0, 0);
    head->addWidget(jsn, 0, 1);
    head->addWidget(caption(QStringLiteral("供货商：")), 1, 0);
    auto* ghsRow = new QHBoxLayout;
    ghsRow->addWidget(tghs, 1);
    ghsRow->addWidget(btnSeleGhs);
    head->addLayout(ghsRow, 1, 1);
    head->addWidget(caption(QStringLiteral("收货仓库：")), 1, 2);
    head->addWidget(comCk, 1, 3);
    head->addWidget(caption(QStringLiteral("收货日期：")), 1, 4);
    head->addWidget(dateCg, 1, 5);
    head->addWidget(caption(QStringLiteral("应付金额：")), 3, 0);
    auto* yfRow = new QHBoxLayout;
    yfRow->addWidget(lbRmb);
    yfRow->addWidget(yfje, 1);
    head->addLayout(yfRow, 3, 1);
    head->addWidget(caption(QStringLiteral("实付金额：")), 3, 2);
    head->addWidget(tsfje, 3, 3);
    head->addWidget(comJsfs, 3, 4);
    head->addWidget(caption(QStringLiteral("经办人：")), 3, 5);
    head->addWidget(userBox, 3, 6);
    head->addWidget(lbSn2, 4, 0);
    head->addWidget(tsn2, 4, 1);
    head->addWidget(caption(QStringLiteral("备         注：")), 4, 2);
    head->addWidget(noteBox, 4, 3, 1, 4);
    head->addWidget(panelYhzh, 5, 2, 1, 3);

    // Supplier account strip.
    panelZw = new PartnerAccountStrip("panelZw", {QStringLiteral("供货商账目"), QStringLiteral("应付金额："),
                                                  QStringLiteral("实付金额："), QStringLiteral("未付金额：")});
    QMenu* zwMenu = panelZw->menu();
    addMenuItem(zwMenu, QStringLiteral("供货商详细信息(&W)"), "actGhsCard", this, [this] { supplierCardClick(); });
    addMenuItem(zwMenu, QStringLiteral("供货商往来帐务(&X)"), "actGhsWlzw", this, [this] { supplierAccountsClick(); });
    addMenuItem(zwMenu, QStringLiteral("进货信息查询(&Y)"), "actGhsJh", this, [this] { receiptQueryClick(); });
    addMenuItem(zwMenu, QStringLiteral("退货信息查询(&Z)"), "actGhsTh", this, [this] { returnQueryClick(); });

    // Supplier search panel.
    panelGhs = new PartnerPanel(supplierPanelConfig(/*full=*/true));
    panelGhs->setObjectName(QStringLiteral("panelGhs"));
    panelGhs->hide();
    // F2 stays the picker's key while the panel is shown.
    addKeyPanel(panelGhs, [this](QKeyEvent* e) { return e->key() != Qt::Key_F2 && panelGhs->keyPress(e); });
    connect(panelGhs, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { supplierChosen(code, name); }); });
    connect(panelGhs, &PartnerPanel::addRequested, this, [this] {
        runGuarded([this] { openSupplierWindow(QStringLiteral("TF_Ghsgl_Add"), QStringLiteral("新增加供货商")); });
    });
    connect(panelGhs, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] { openSupplierWindow(QStringLiteral("TF_Ghsgl_Modi"), QStringLiteral("修改供货商")); });
    });
    connect(panelGhs, &PartnerPanel::copyRequested, this, [] {
        runGuarded([] { openWindow(QStringLiteral("TF_Ghsgl_Copy"), QString(), QStringLiteral("从客户资料中复制")); });
    });

    // Barcode panel.
    panelSptm = new BarcodePanel({"panelSptm", "btnSptmClose", "btnSptmMenu", "actSptmHide"}, openDialogAfterBarcode,
                                 [this] { tSptmEnter(); });
    tSptm = panelSptm->box();

    // Line grid.
    DBGrid1 = new DataGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Jhsp);
    const QString money = QStringLiteral(",0.00;-,0.00");
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    DBGrid1->addColumn(QStringLiteral("jh_dj"), QStringLiteral("单价"), 80).setFormat(money);
    DBGrid1->addColumn(QStringLiteral("jh_sl"), QStringLiteral("数量"), 70).footerSum();
    DBGrid1->addColumn(QStringLiteral("jh_zje"), QStringLiteral("总金额"), 100).setFormat(money).footerSum(QString(), money);
    DBGrid1->addColumn(QStringLiteral("id")).setHidden();
    DBGrid1->addColumn(QStringLiteral("g_sn")).setHidden();
    DBGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色")).setHidden();
    DBGrid1->addColumn(QStringLiteral("g_jm")).setHidden();
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    // The grid's menu.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItem(PopupMenu1, QStringLiteral("新增商品(&U)"), "actAdd", this, [this] { btnAddClick(); });
    actModi = addMenuItem(PopupMenu1, QStringLiteral("修改商品(&V)"), "actModi", this, [this] { btnModiClick(); });
    actDel = addMenuItem(PopupMenu1, QStringLiteral("删除商品(&W)"), "actDel", this, [this] { btnDelClick(); });
    menuPrint = PopupMenu1->addMenu(QStringLiteral("打印单据(&X)"));
    addMenuItem(menuPrint, QStringLiteral("打印单据(&Y)"), "actPrint2", this, [this] { printClick(); });
    addMenuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", this, [this] { previewClick(); });
    menuGhs = PopupMenu1->addMenu(QStringLiteral("供货商信息(&Y)"));
    addMenuItem(menuGhs, QStringLiteral("供货商详细信息(&Y)"), "actGhsCard2", this, [this] { supplierCardClick(); });
    addMenuItem(menuGhs, QStringLiteral("供货商往来账务(&Z)"), "actGhsWlzw2", this, [this] { supplierAccountsClick(); });
    PopupMenu1->addSeparator();
    actBarcode = addMenuItem(PopupMenu1, QString(), "actBarcode", this,
                           [this] { showBarcodePanel(!panelSptm->isVisible()); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        const bool rows = hasLines();
        for (QAction* a : {actModi, actDel, menuPrint->menuAction(), menuGhs->menuAction()})
            a->setEnabled(rows);
        actBarcode->setText(panelSptm->isVisible() ? QStringLiteral("隐藏条码输入面板(&Z)")
                                                   : QStringLiteral("显示条码输入面板(&Z)"));
    });
    setGridMenu(DBGrid1, PopupMenu1);

    // Buttons.
    auto* btnAdd = namedButton(this, "btnAdd", QStringLiteral("老商品添加(F2)"));
    auto* btnNew = namedButton(this, "btnNew", QStringLiteral("新商品添加(F9)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrint = printMenuButton("btnPrint", this, [this] { printClick(); }, [this] { previewClick(); });
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    // Import and export of the lines: part of the window, never shown.
    auto* btnImpExp = new QToolButton;
    btnImpExp->setObjectName(QStringLiteral("btnImpExp"));
    btnImpExp->setText(QStringLiteral("导入、导出"));
    btnImpExp->setToolTip(QStringLiteral("模板中标题为红色的列,要求必须输入！"));
    btnImpExp->setPopupMode(QToolButton::InstantPopup);
    auto* impExpMenu = new QMenu(btnImpExp);
    addMenuItem(impExpMenu, QStringLiteral("从Excel导入采购进货单(&E)"), "actImport", this, [this] { importClick(); });
    addMenuItem(impExpMenu, QStringLiteral("导出采购进货单到Excel(&X)"), "actExport", this, [this] { exportClick(); });
    btnImpExp->setMenu(impExpMenu);
    btnImpExp->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnNew);
    buttons->addWidget(btnModi);
    buttons->addWidget(btnDel);
    buttons->addWidget(btnPrint);
    buttons->addWidget(btnImpExp);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnNew, [this] { btnNewClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(head);
    pageLayout->addWidget(panelZw);
    pageLayout->addWidget(panelGhs, 2);
    pageLayout->addWidget(panelSptm);
    pageLayout->addWidget(DBGrid1, 3);
    pageLayout->addLayout(buttons);

    // Handlers of the boxes.
    connect(tghs, &QLineEdit::textEdited, this, [this](const QString& text) { panelGhs->showFiltered(text); });
    onClicked(btnSeleGhs, [this] {
        panelYhzh->hide();
        panelGhs->show();
        panelGhs->raise();
    });
    connect(comUser, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { handlerChanged(); }); });
    connect(comJsfs, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { handlerChanged(); }); });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateCgChange(); }); });
    onFocusIn({tsfje}, [this] { showAccountPanel(); });
    onFocusIn({comCk, tghs, tnote, comUser, comJsfs, DBGrid1->view()}, [this] { panelYhzh->hide(); });
}

void TF_Cgjh::resetBill()
{
    const bool sn2 = settingOn(csYsdh);
    lbSn2->setVisible(sn2);
    tsn2->setVisible(sn2);
    showBarcodePanel(false);
    choiceParam.clear();
    m_initialising = true;
    tsfje->setText(QStringLiteral("0"));
    PageControl1->setCurrentIndex(0);
    panelGhs->hide();
    panelYhzh->hide();
    showLineButtons(false);
    curGhsSn = getDefaultGhsSn();
    tghs->setText(getDefaultGhsName());
    yfje->clear();
    tnote->clear();
    lbRmb->hide();
    panelZw->hide();
    drawNumber();
    tsfje->setText(QStringLiteral("0"));

    fillHandlerCombo(comUser, QStringLiteral("where u_cg<>0 and u_name<>'' and u_name is not null"));
    fillJsfsCombo(comJsfs, QStringLiteral("cg"));
    comJsfs->setCurrentIndex(0);
    fillWarehouseCombo(comCk);
    comCk->setEnabled(true);
    fillAccountCombo(comYhzh);
    dateCg->setDate(Clock::today());
    panelGhs->reload();
    panelGhs2->hide();
    btnSearch2Click();
    m_initialising = false;
    setSkipActivate(false);
}

void TF_Cgjh::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Ghsxx, DataModule->Q_GhsxxLs, DataModule->Q_Jhsp, DataModule->Q_GoodsPrin,
                          DataModule->Q_Shdj, DataModule->Q_Shsp})
        q->close();
}

void TF_Cgjh::updateBottomJe()
{
    comCk->setEnabled(!hasLines());
    lbRmb->setVisible(!showLinesTotal(yfje, tsfje).isEmpty());
}

void TF_Cgjh::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrint->setVisible(lines);
}

bool TF_Cgjh::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        if (PageControl1->currentIndex() == 1)
            btnSearch2Click();
        else
            btnAddClick();
        return true;
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_F8:
        openSupplierWindow(QStringLiteral("TF_Ghsgl_Add"), QStringLiteral("新增加供货商"));
        return true;
    case Qt::Key_F9:
        btnNewClick();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TF_Cgjh::btnAddClick()
{
    if (runGoodsPicker(QStringLiteral("cgjh"), comCk->currentCodeOrEmpty(),
                       [] { openWindow(QStringLiteral("TF_Cgjh_Add"), QString(), QStringLiteral("老商品添加")); }))
        comUser->setFocus();
}

void TF_Cgjh::btnNewClick()
{
    curGoodsSn.clear();
    showForm(F_Cgjh_Goods_Add);
    if (!curGoodsSn.isEmpty()) {
        modeFlag = QStringLiteral("cgjh_new");
        lineDialogTarget = {.number = number(), .warehouse = comCk->currentCodeOrEmpty(), .lineId = 0};
        showForm(F_Cgjh_Sele);
    }
    curGoodsSn.clear();
    modeFlag.clear();
    lineDialogTarget = {};
    reopenLines();
}

void TF_Cgjh::btnModiClick()
{
    if (hasLines())
        editLine(QStringLiteral("cgjh"));
}

void TF_Cgjh::editLine(const QString& mode)
{
    runLineDialog(mode, comCk->currentCodeOrEmpty(), [] { showForm(F_Cgjh_Sele); });
}

void TF_Cgjh::btnDelClick()
{
    deleteCurrentLine();
}

void TF_Cgjh::tSptmEnter()
{
    enterBarcode(
        tSptm, QStringLiteral("g_sn,g_pjjj,g_scjj,g_jj"),
        [](const ResultSet& goods) { return Money::fromText(goods.text(0, purchasePriceColumn())); },
        panelSptm->openAfter(), [this] { editLine(QStringLiteral("cgjh")); });
}

void TF_Cgjh::dateCgChange()
{
    if (m_initialising)
        return;
    moveToDate(dateCg->date());
}

void TF_Cgjh::handlerChanged()
{
    if (!m_initialising)
        handlerComboChanged(comUser, kCallerWord);
}

void TF_Cgjh::showBarcodePanel(bool on)
{
    panelSptm->showPanel(on);
}

void TF_Cgjh::showAccountPanel()
{
    if (settingOn(csXjyh))
        panelYhzh->show();
}

void TF_Cgjh::supplierChosen(const QString& code, const QString& name)
{
    tghs->setText(name);
    curGhsSn = code;
    panelZw->showPartner(code, getDefaultGhsSn(), getGhsZw);
}

void TF_Cgjh::openSupplierWindow(const QString& windowClass, const QString& name)
{
    openWindow(windowClass, QString(), name);
    panelGhs->reload();
}

void TF_Cgjh::supplierCardClick()
{
    modeFlag.clear();
    openWindow(QStringLiteral("TF_Cgjh_Ghs"), QString(), QStringLiteral("供货商详细信息"));
    if (modeFlag == QLatin1String("cgjh_ghs")) {
        lineDialogTarget = {.number = number(), .warehouse = comCk->currentCodeOrEmpty(), .lineId = 0};
        showForm(F_Cgjh_Sele);
    }
    modeFlag.clear();
    curGoodsSn.clear();
    choiceParam.clear();
    lineDialogTarget = {};
    reopenLines();
}

void TF_Cgjh::openSupplierQuery(const QString& windowClass, const QString& caller, const QString& name)
{
    openPartnerQuery(windowClass, caller, tghs->text().trimmed(), name);
    openGhsList();
}

void TF_Cgjh::supplierAccountsClick()
{
    openSupplierQuery(QStringLiteral("TF_WlzwGhs"), QStringLiteral("cgjh1"), QStringLiteral("供货商往来帐务"));
}

void TF_Cgjh::receiptQueryClick()
{
    openSupplierQuery(QStringLiteral("TF_Cgth_Zdth"), QStringLiteral("cgjh"), QStringLiteral("进货信息查询"));
}

void TF_Cgjh::returnQueryClick()
{
    openSupplierQuery(QStringLiteral("TF_Cgth"), QStringLiteral("cgjh"), QStringLiteral("退货信息查询"));
}

CgjhPrintBill TF_Cgjh::printBill() const
{
    return {.djh = number(),
            .ghsSn = curGhsSn,
            .ghsName = tghs->text(),
            .ckName = comCk->currentText(),
            .date = dateText(dateCg->date()),
            .note = tnote->text(),
            .uName = comUser->currentText(),
            .payable = yfje->text(),
            .paid = Money::fromText(tsfje->text().trimmed())};
}

void TF_Cgjh::printClick()
{
    if (printDj(printBill(), 1, this))
        setSkipActivate(true);
}

void TF_Cgjh::previewClick()
{
    previewDj(printBill(), this);
}

void TF_Cgjh::btnOKClick()
{
    runSave();
}

bool TF_Cgjh::saveBill()
{
    m_posted = false;
    if (!checkHead({.noLines = QStringLiteral("单据中没有业务发生，不能保存！"),
                    .partner = tghs,
                    .noPartner = QStringLiteral("请选择供货商！"),
                    .handler = comUser,
                    .warehouse = comCk,
                    .amount = tsfje,
                    .badAmount = QStringLiteral("实付金额不是有效的数字，请重新输入！")}))
        return false;

    saveChoice = 2;
    openWindow(QStringLiteral("TF_Cgjh_Save"), QString(), QStringLiteral("保存提示"));
    const int choice = saveChoice;
    saveChoice = 2;
    if (choice == 0) {
        saveNoCheckedValue();
        return true;
    }
    if (choice != 1)
        return false;
    postCgjh(billRecord());
    m_posted = true;
    return true;
}

CgjhPosting TF_Cgjh::billRecord() const
{
    return {.djh = number(),
            .ghsSn = curGhsSn,
            .ghsName = tghs->text(),
            .ckSn = comCk->currentCode(),
            .ckName = comCk->currentText(),
            .date = dateText(dateCg->date()),
            .uSn = comUser->currentCode(),
            .uName = comUser->currentText(),
            .payable = Money::fromText(yfje->text()),
            .paid = Money::fromText(tsfje->text().trimmed()),
            .mode = comJsfs->currentIndex() == 1 ? CgjhMode::RestOwed : CgjhMode::PaidOnly,
            .account = comYhzh->currentText(),
            .note = tnote->text(),
            .sn2 = tsn2->text(),
            .op = operatorName};
}

void TF_Cgjh::saveNoCheckedValue()
{
    savePendingCgjh(billRecord());
}

void TF_Cgjh::afterSaved()
{
    if (m_posted && printAfterPosting())
        printDj(printBill(), printCopies(csDjzddysl), this);
    m_posted = false;
}

// ---- The pending page ---------------------------------------------------------------------

namespace {

const QString kAllSuppliers = QStringLiteral("全部供货商");
const QString kListedSuppliers = QStringLiteral("当前供货商");
const QString kListMoney = QStringLiteral("￥,0.00;￥-,0.00");

// The pending list: held receipts of the suppliers matching `supplier` (name, short code or
// code) whose number, warehouse or note matches `key`, newest first.
const QString kPendingListSql = QStringLiteral(
    "select a.*,a.sh_yfje-a.sh_sfje as wfje,iif(a.sh_djzt=0,'未审核','已审核') as status,b.ghs_name,c.ck_name,"
    "d.u_name from jxc_shdj a,jxc_ghsxx b,jxc_ckxx c,jxc_user d where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn and "
    "a.u_sn=d.u_sn and a.sh_flag='cj' and a.sh_djzt=0 and (b.ghs_name like ?1 or b.ghs_jm like ?1 or "
    "b.ghs_sn like ?1) and (a.gl_djh like ?2 or c.ck_name like ?2 or c.ck_sn like ?2 or a.sh_note like ?2) "
    "order by a.id desc");

}  // namespace

void TF_Cgjh::buildPendingPage(QWidget* page)
{
    tchkKey = nameBox(this, "tchkKey", 32);
    tGhsName = nameBox(this, "tGhsName", 32);
    auto* btnSeleGhs2 = namedButton(this, "btnSeleGhs2", QStringLiteral("…"));
    btnSeleGhs2->setFocusPolicy(Qt::NoFocus);
    auto* btnSearch2 = namedButton(this, "btnSearch2", QStringLiteral("查询(F2)"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(caption(QStringLiteral("请输入单据相关信息进行查询：")));
    searchRow->addWidget(tchkKey, 1);
    searchRow->addWidget(caption(QStringLiteral("供货商名称：")));
    searchRow->addWidget(tGhsName, 1);
    searchRow->addWidget(btnSeleGhs2);
    searchRow->addWidget(btnSearch2);

    // The pending list.
    DBGridShdj = new DataGrid;
    DBGridShdj->setObjectName(QStringLiteral("DBGridShdj"));
    DBGridShdj->setQuery(DataModule->Q_Shdj);
    DBGridShdj->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120).footerCount(QStringLiteral("记录数："));
    DBGridShdj->addColumn(QStringLiteral("sh_rq"), QStringLiteral("开单日期"), 80);
    DBGridShdj->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商"), 120);
    DBGridShdj->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 80);
    for (const auto& [field, title] : {std::pair{"sh_yfje", "应付金额"}, std::pair{"sh_sfje", "实付金额"},
                                       std::pair{"wfje", "欠款金额"}, std::pair{"sh_yhje", "优惠金额"}})
        DBGridShdj->addColumn(QLatin1String(field), QString::fromUtf8(title), 90)
            .setFormat(kListMoney)
            .footerSum(QString(), kListMoney);
    DBGridShdj->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    DBGridShdj->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    DBGridShdj->addColumn(QStringLiteral("status"), QStringLiteral("状态"), 60);
    DBGridShdj->addColumn(QStringLiteral("gl_djh2"), QStringLiteral("原始单号"), 90);
    DBGridShdj->addColumn(QStringLiteral("sh_note"), QStringLiteral("备注"), 150);
    DBGridShdj->setCellStyle([](int row, const QString& field, CellStyle& style) {
        if (field == QLatin1String("status") && DataModule->Q_Shdj->value(row, field) == QStringLiteral("未审核"))
            style.text = Qt::red;
    });
    connect(DBGridShdj, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { setShspList(); }); });
    connect(DBGridShdj, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnShViewClick(); }); });

    // The lines of the current pending bill.
    lbShGhs = new QLabel;
    lbShGhs->setObjectName(QStringLiteral("lbShGhs"));
    DBGridShsp = new DataGrid;
    DBGridShsp->setObjectName(QStringLiteral("DBGridShsp"));
    DBGridShsp->setQuery(DataModule->Q_Shsp);
    DBGridShsp->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120).footerCount(QStringLiteral("记录数："));
    DBGridShsp->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    DBGridShsp->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 130);
    DBGridShsp->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    DBGridShsp->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGridShsp->addColumn(QStringLiteral("sh_dj"), QStringLiteral("单价"), 70).setFormat(QStringLiteral(",0.00;-,0.00"));
    DBGridShsp->addColumn(QStringLiteral("sh_sl"), QStringLiteral("数量"), 60).footerSum();
    DBGridShsp->addColumn(QStringLiteral("sh_zje"), QStringLiteral("总金额"), 90)
        .setFormat(QStringLiteral(",0.00;-,0.00"))
        .footerSum(QString(), QStringLiteral(",0.00;-,0.00"));
    connect(DBGridShsp, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnShModiClick(); }); });
    btnShAdd = namedButton(this, "btnShAdd", QStringLiteral("新增商品"));
    btnShModi = namedButton(this, "btnShModi", QStringLiteral("修改商品"));
    btnShDel = namedButton(this, "btnShDel", QStringLiteral("删除商品"));
    onClicked(btnShAdd, [this] { btnShAddClick(); });
    onClicked(btnShModi, [this] { btnShModiClick(); });
    onClicked(btnShDel, [this] { btnShDelClick(); });

    // Menus of both lists.
    auto* menuShdj = new QMenu(this);
    menuShdj->setObjectName(QStringLiteral("PopupMenuShdj"));
    addMenuItem(menuShdj, QStringLiteral("单据审核(&W)"), "actShCheck", this, [this] { btnShCheckClick(); });
    addMenuItem(menuShdj, QStringLiteral("查看单据(&X)"), "actShView", this, [this] { btnShViewClick(); });
    addMenuItem(menuShdj, QStringLiteral("删除单据(&Y)"), "actShDelBill", this, [this] { btnShDelBillClick(); });
    addMenuItem(menuShdj, QStringLiteral("导出Excel表(&E)"), "actShExport", this, [this] { btnShExportClick(); });
    addMenuItem(menuShdj, QStringLiteral("打印(&Z)"), "actShPrint", this, [this] { btnShPrintClick(); });
    auto* menuShsp = new QMenu(this);
    menuShsp->setObjectName(QStringLiteral("PopupMenuShsp"));
    QList<QAction*> lineItems{
        addMenuItem(menuShsp, QStringLiteral("增加商品(&X)"), "actShAdd", this, [this] { btnShAddClick(); }),
        addMenuItem(menuShsp, QStringLiteral("修改商品(&Y)"), "actShModi", this, [this] { btnShModiClick(); }),
        addMenuItem(menuShsp, QStringLiteral("删除商品 (&Z)"), "actShDel", this, [this] { btnShDelClick(); })};
    connect(menuShsp, &QMenu::aboutToShow, this, [this, lineItems] {
        for (QAction* a : lineItems)
            a->setEnabled(btnShAdd->isEnabled());
    });
    for (const auto& [grid, menu] : {std::pair{DBGridShdj, menuShdj}, std::pair{DBGridShsp, menuShsp}}) {
        grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid->view(), &QWidget::customContextMenuRequested, this,
                [grid, menu](const QPoint& pos) { menu->popup(grid->view()->viewport()->mapToGlobal(pos)); });
    }

    // Note and commands.
    auto* notes = new QVBoxLayout;
    for (const char* line : {"说明：", "“待审核”的采购单只有变成“已审核”状态后，", "才能使库存量、账务等信息发生变化。“已审核”状态",
                             "的单据不允许再修改，“待审核”的允许修改。"})
        notes->addWidget(caption(QString::fromUtf8(line)));
    auto* btnShView = namedButton(this, "btnShView", QStringLiteral("查看单据"));
    auto* btnShDelBill = namedButton(this, "btnShDelBill", QStringLiteral("删除单据"));
    auto* btnShExit = namedButton(this, "btnShExit", QStringLiteral("退出"));
    auto* btnShPrint = namedButton(this, "btnShPrint", QStringLiteral("打印"));
    auto* btnShCheck = namedButton(this, "btnShCheck", QStringLiteral("审核数据"));
    auto* btnShExport = namedButton(this, "btnShExport", QStringLiteral("导出"));
    onClicked(btnShView, [this] { btnShViewClick(); });
    onClicked(btnShDelBill, [this] { btnShDelBillClick(); });
    onClicked(btnShExit, [this] { close(); });
    onClicked(btnShPrint, [this] { btnShPrintClick(); });
    onClicked(btnShCheck, [this] { btnShCheckClick(); });
    onClicked(btnShExport, [this] { btnShExportClick(); });
    onClicked(btnSearch2, [this] { btnSearch2Click(); });

    // The page's supplier panel.
    panelGhs2 = new QFrame;
    panelGhs2->setObjectName(QStringLiteral("panelGhs2"));
    panelGhs2->setFrameShape(QFrame::StyledPanel);
    chkAllGhs = new QCheckBox(QStringLiteral("查询全部供货商"));
    chkAllGhs->setObjectName(QStringLiteral("chkAllGhs"));
    chkCurGhs = new QCheckBox(QStringLiteral("查询当前列表中的供货商"));
    chkCurGhs->setObjectName(QStringLiteral("chkCurGhs"));
    gridGhs2 = new DataGrid;
    gridGhs2->setObjectName(QStringLiteral("gridGhs2"));
    gridGhs2->setQuery(DataModule->Q_Ghsxx);
    gridGhs2->addColumn(QStringLiteral("ghs_sn"), QStringLiteral("编号"), 70);
    gridGhs2->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商名称"), 150);
    gridGhs2->addColumn(QStringLiteral("ghs_lxr"), QStringLiteral("联系人"), 70);
    gridGhs2->addColumn(QStringLiteral("ghs_tele"), QStringLiteral("联系电话"), 100);
    gridGhs2->addColumn(QStringLiteral("ghs_address"), QStringLiteral("联系地址"), 160);
    auto* btnGhs2OK = namedButton(this, "btnGhs2OK", QStringLiteral("确定(F5)"));
    auto* btnGhs2Exit = namedButton(this, "btnGhs2Exit", QStringLiteral("退出(Esc)"));
    auto choose = [this] {
        const int row = gridGhs2->currentRow();
        if (row >= 0)
            pendingSupplierChosen(gridGhs2->value(row, QStringLiteral("ghs_name")));
    };
    onClicked(btnGhs2OK, choose);
    onClicked(btnGhs2Exit, [this] { panelGhs2->hide(); });
    connect(gridGhs2, &DataGrid::rowDoubleClicked, this, [choose] { runGuarded(choose); });
    auto* panel2Layout = new QVBoxLayout(panelGhs2);
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkAllGhs);
    checks->addWidget(chkCurGhs);
    checks->addStretch(1);
    panel2Layout->addLayout(checks);
    panel2Layout->addWidget(gridGhs2, 1);
    panel2Layout->addLayout(buttonRow({btnGhs2OK, btnGhs2Exit}));
    panelGhs2->hide();
    // While the panel is shown it takes F5 and Esc; F2 stays the list's search.
    addKeyPanel(panelGhs2, [this, choose](QKeyEvent* e) {
        if (e->key() == Qt::Key_Escape)
            panelGhs2->hide();
        else if (e->key() == Qt::Key_F5)
            runGuarded(choose);
        else
            return false;
        return true;
    });
    for (const auto& [box, text] : {std::pair{chkAllGhs, kAllSuppliers}, std::pair{chkCurGhs, kListedSuppliers}}) {
        connect(box, &QCheckBox::clicked, this, [this, text](bool on) {
            if (on)
                runGuarded([&] { pendingSupplierChosen(text); });
        });
    }
    auto showPanel2 = [this](const QString& text) {
        chkAllGhs->setChecked(false);
        chkCurGhs->setChecked(false);
        panelGhs2->show();
        panelGhs2->raise();
        if (!DataModule->Q_Ghsxx->isOpen())
            openGhsList();
        gridGhs2->setSearch(text == kAllSuppliers || text == kListedSuppliers ? QString() : text.trimmed(),
                            {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm"), QStringLiteral("ghs_sn"),
                             QStringLiteral("ghs_tele"), QStringLiteral("ghs_address")});
    };
    connect(tGhsName, &QLineEdit::textEdited, this, showPanel2);
    onClicked(btnSeleGhs2, [this, showPanel2] { showPanel2(tGhsName->text().trimmed()); });

    auto* lower = new QHBoxLayout;
    auto* linesBox = new QVBoxLayout;
    auto* ghsRow = new QHBoxLayout;
    ghsRow->addWidget(caption(QStringLiteral("供货商：")));
    ghsRow->addWidget(lbShGhs, 1);
    linesBox->addLayout(ghsRow);
    linesBox->addWidget(DBGridShsp, 1);
    auto* lineButtons = new QHBoxLayout;
    lineButtons->addWidget(btnShAdd);
    lineButtons->addWidget(btnShModi);
    lineButtons->addWidget(btnShDel);
    lineButtons->addStretch(1);
    linesBox->addLayout(lineButtons);
    lower->addLayout(linesBox, 3);
    auto* side = new QVBoxLayout;
    side->addLayout(notes);
    auto* sideButtons = new QGridLayout;
    sideButtons->addWidget(btnShView, 0, 0);
    sideButtons->addWidget(btnShDelBill, 0, 1);
    sideButtons->addWidget(btnShExit, 0, 2);
    sideButtons->addWidget(btnShPrint, 1, 0);
    sideButtons->addWidget(btnShCheck, 1, 1);
    sideButtons->addWidget(btnShExport, 1, 2);
    side->addLayout(sideButtons);
    side->addStretch(1);
    lower->addLayout(side, 1);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(searchRow);
    pageLayout->addWidget(panelGhs2, 2);
    pageLayout->addWidget(DBGridShdj, 3);
    pageLayout->addLayout(lower, 2);
}

void TF_Cgjh::pendingSupplierChosen(const QString& name)
{
    tGhsName->setText(name);
    panelGhs2->hide();
    btnSearch2Click();
}

QString TF_Cgjh::pendingNumber() const
{
    return DataModule->Q_Shdj->fieldByName(QStringLiteral("gl_djh"));
}

void TF_Cgjh::btnSearch2Click()
{
    QString supplier = sqlSafe(tGhsName->text().trimmed());
    if (supplier == kAllSuppliers || supplier == kListedSuppliers)
        supplier.clear();
    const QString key = sqlSafe(tchkKey->text().trimmed());
    // Both texts are safe texts (no quote survives), each the body of a "contains" pattern.
    DataModule->Q_Shdj->open(QString(kPendingListSql)
                                 .replace(QStringLiteral("?1"), QStringLiteral("'%") + supplier + QStringLiteral("%'"))
                                 .replace(QStringLiteral("?2"), QStringLiteral("'%") + key + QStringLiteral("%'")));
    setShspList();
}

void TF_Cgjh::setShspList()
{
    const bool rows = DataModule->Q_Shdj->rowCount() > 0;
    for (QPushButton* b : {btnShAdd, btnShModi, btnShDel})
        b->setEnabled(rows);
    if (!rows) {
        DataModule->Q_Shsp->close();
        lbShGhs->clear();
        return;
    }
    lbShGhs->setText(DataModule->Q_Shdj->fieldByName(QStringLiteral("ghs_name")));
    DataModule->Q_Shsp->open(
        QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,b.g_bz from jxc_shsp a,"
                       "jxc_goods b where a.g_sn=b.g_sn and gl_djh='%1' order by a.id ")
            .arg(sqlSafe(pendingNumber())));
}

void TF_Cgjh::reloadPending(const QString& djh)
{
    btnSearch2Click();
    if (DataModule->Q_Shdj->locate(QStringLiteral("gl_djh"), djh))
        setShspList();
}

void TF_Cgjh::btnShAddClick()
{
    if (DataModule->Q_Shdj->rowCount() == 0)
        return;
    const QString djh = pendingNumber();
    paramValue = QStringLiteral("cgjh_shdj");
    goodsPickerTarget = {.number = djh, .warehouse = DataModule->Q_Shdj->fieldByName(QStringLiteral("ck_sn"))};
    openWindow(QStringLiteral("TF_Cgjh_Add"), QString(), QStringLiteral("老商品添加"));
    paramValue.clear();
    goodsPickerTarget = {};
    reloadPending(djh);
}

void TF_Cgjh::btnShModiClick()
{
    if (DataModule->Q_Shsp->rowCount() == 0)
        return;
    const QString djh = pendingNumber();
    modeFlag = QStringLiteral("cgjh_modish");
    curGoodsSn = DataModule->Q_Shsp->fieldByName(QStringLiteral("g_sn"));
    lineDialogTarget = {.number = djh,
                        .warehouse = DataModule->Q_Shdj->fieldByName(QStringLiteral("ck_sn")),
                        .lineId = DataModule->Q_Shsp->fieldByName(QStringLiteral("id")).toLongLong()};
    const int row = DataModule->Q_Shsp->currentRow();
    showForm(F_Cgjh_Sele);
    modeFlag.clear();
    curGoodsSn.clear();
    lineDialogTarget = {};
    reloadPending(djh);
    DataModule->Q_Shsp->setCurrentRow(row);
}

void TF_Cgjh::btnShDelClick()
{
    if (DataModule->Q_Shsp->rowCount() == 0 || !msgYesNo(QStringLiteral("您确定要删除当前选中的商品吗！"), this))
        return;
    const QString djh = pendingNumber();
    deletePendingLine(djh, DataModule->Q_Shsp->fieldByName(QStringLiteral("id")).toLongLong());
    reloadPending(djh);
}

void TF_Cgjh::btnShDelBillClick()
{
    if (DataModule->Q_Shdj->rowCount() > 0 && msgYesNo(QStringLiteral("您确定要删除“待审核”单据吗！"), this))
        deletePendingCgjh(pendingNumber());
    btnSearch2Click();
}

void TF_Cgjh::btnShCheckClick()
{
    if (DataModule->Q_Shdj->rowCount() == 0)
        return;
    showForm(F_Cgjh_Check);
    reopenLines();
    btnSearch2Click();
}

void TF_Cgjh::btnShViewClick()
{
    if (DataModule->Q_Shdj->rowCount() > 0)
        previewPendingDj(pendingNumber(), this);
}

void TF_Cgjh::btnShPrintClick()
{
    if (DataModule->Q_Shdj->rowCount() == 0)
        return;
    const QString money = QStringLiteral("0.00");
    ReportListSpec spec;
    spec.title = QStringLiteral("采购审核单据清单");
    spec.dataset = QStringLiteral("frxDBDataset2");
    spec.headerLines = {QStringLiteral("打印时间：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("单据号"), QStringLiteral("gl_djh"), 30},
                    {QStringLiteral("开单日期"), QStringLiteral("sh_rq"), 22},
                    {QStringLiteral("供货商"), QStringLiteral("ghs_name"), 30},
                    {QStringLiteral("仓库"), QStringLiteral("ck_name"), 20},
                    {QStringLiteral("应付金额"), QStringLiteral("sh_yfje"), 22, ReportHAlign::Right, money, true},
                    {QStringLiteral("实付金额"), QStringLiteral("sh_sfje"), 22, ReportHAlign::Right, money, true},
                    {QStringLiteral("经办人"), QStringLiteral("u_name"), 18},
                    {QStringLiteral("操作员"), QStringLiteral("a_name"), 18},
                    {QStringLiteral("状态"), QStringLiteral("status"), 15},
                    {QStringLiteral("原始单号"), QStringLiteral("gl_djh2"), 25}};
    spec.landscape = true;
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setDataset(spec.dataset, DataModule->Q_Shdj->result());
    report.preview(this);
}

void TF_Cgjh::btnShExportClick()
{
    if (DataModule->Q_Shdj->rowCount() > 0)
        DBGridShdj->exportWithDialog();
}

void TF_Cgjh::exportClick()
{
    DBGrid1->exportWithDialog();
}

void TF_Cgjh::importClick()
{
    ensureForm(F_Cgjh_Import)->setNumber(number());
    showForm(F_Cgjh_Import);
    reopenLines();
}

void registerPurchasingReceipt()
{
    registerForm(QStringLiteral("TF_Cgjh"), F_Cgjh);
    handlerCallers().add(kCallerWord, {[]() -> QComboBox* { return F_Cgjh ? F_Cgjh->comUser : nullptr; },
                                       QStringLiteral("u_cg")});
    remarkCallers().add(kCallerWord, [](const QString& remark) {
        if (F_Cgjh)
            F_Cgjh->tnote->setText(remark);
    });
}
