#include "purchasing/cgjh.h"

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
#include "purchasing/cgjh_goods_add.h"
#include "purchasing/cgjh_sele.h"
#include "purchasing/cgjhposting.h"
#include "purchasing/purchasing.h"
#include "shell/commands.h"

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

const QString kNewHandler = QStringLiteral("新增经办人.....");
// The caller word of the receipt window at the handler and remark pickers.
const QString kCallerWord = QStringLiteral("jh");

// The handler and remark pickers, which answer the receipt by its caller word.
void openCallerPicker(const QString& windowClass, const QString& name)
{
    callerFlag = kCallerWord;
    openWindow(windowClass, QString(), name);
    callerFlag.clear();
}

void openHandlerPicker()
{
    openCallerPicker(QStringLiteral("TF_User2"), QStringLiteral("选择经办人"));
}

QString receiptLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_kc,"
                          "a.g_bz from jxc_goods a,jxc_jhsp b where a.g_sn=b.g_sn and "
                          "b.j_sn='%1' order by b.id")
        .arg(sqlSafe(number));
}

// The ten most recent suppliers with posted receipts that are not disabled, newest first: each
// supplier's latest receipt number is one seek in the journal's partner index.
const QString kRecentSuppliers = QStringLiteral(
    "select * from (select a.*,(select max(g.gl_djh) from jxc_goodslist g where g.ghs_sn=a.ghs_sn and "
    "g.gl_flag='cj' and g.gl_djh<>'') as djh from jxc_ghsxx a where a.ghs_forbid=0) "
    "where djh is not null order by djh desc limit 10");

BillKind receiptKind()
{
    return {.lines = &kReceiptLines,
            .headerTable = "jxc_jhd",
            .headerNumber = "j_sn",
            .prefix = "CJ",
            .lineQuery = DataModule->Q_Jhsp,
            .lineSql = receiptLinesSql};
}

QAction* menuItem(QMenu* menu, const QString& text, const char* objectName, QObject* context, std::function<void()> fn)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(objectName));
    QObject::connect(action, &QAction::triggered, context, [fn = std::move(fn)] { runGuarded(fn); });
    return action;
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    resize(980, 640);
}

void TF_Cgjh::buildEntryPage(QWidget* page)
{
    // Number.
    auto* numberCaption = caption(QStringLiteral("单号"));
    numberCaption->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    jsn = new QLabel;
    jsn->setObjectName(QStringLiteral("jsn"));
    setNumberLabel(jsn);

    // Supplier, warehouse, date.
    tghs = nameBox(this, "tghs", 32);
    const QString hint = QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询");
    tghs->setToolTip(hint);
    auto* btnSeleGhs = namedButton(this, "btnSeleGhs", QStringLiteral("…"));
    btnSeleGhs->setFocusPolicy(Qt::NoFocus);
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    dateCg = new QDateEdit;
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);

    // Amounts and settlement.
    lbRmb = caption(QStringLiteral("￥"));
    lbRmb->setObjectName(QStringLiteral("lbRmb"));
    yfje = new QLabel;
    yfje->setObjectName(QStringLiteral("yfje"));
    tsfje = new QLineEdit;
    tsfje->setObjectName(QStringLiteral("tsfje"));
    tsfje->setMaxLength(10);
    tsfje->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*(\\.\\d{0,2})?")), tsfje));
    comJsfs = new CodeComboBox;
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", openHandlerPicker, {comJsfs});

    // Reference number and note.
    lbSn2 = caption(QStringLiteral("原始单号："));
    lbSn2->setObjectName(QStringLiteral("lbSn2"));
    tsn2 = nameBox(this, "tsn2", 16);
    tnote = nameBox(this, "tnote", 100);
    QWidget* noteBox = withPickerButton(
        tnote, "btnNote", [] { openCallerPicker(QStringLiteral("TF_Djbz"), QStringLiteral("单据备注信息设置")); });

    // Money account panel.
    panelYhzh = new QFrame;
    panelYhzh->setObjectName(QStringLiteral("panelYhzh"));
    panelYhzh->setFrameShape(QFrame::StyledPanel);
    comYhzh = new CodeComboBox;
    comYhzh->setObjectName(QStringLiteral("comYhzh"));
    auto* closeYhzh = namedButton(this, "btnYhzhClose", QStringLiteral("X"));
    auto* yhzhRow = new QHBoxLayout(panelYhzh);
    yhzhRow->setContentsMargins(4, 2, 4, 2);
    yhzhRow->addWidget(caption(QStringLiteral("同时选择付款账户：")));
    yhzhRow->addWidget(comYhzh, 1);
    yhzhRow->addWidget(closeYhzh);

    auto* head = new QGridLayout;
    head->addWidget(numberCaption, 0, 0);
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
    panelZw = new QFrame;
    panelZw->setObjectName(QStringLiteral("panelZw"));
    panelZw->setFrameShape(QFrame::StyledPanel);
    auto* zwRow = new QHBoxLayout(panelZw);
    zwRow->setContentsMargins(4, 2, 4, 2);
    lbZwYf = new QLabel;
    lbZwYf->setObjectName(QStringLiteral("lbZwYf"));
    lbZwSf = new QLabel;
    lbZwSf->setObjectName(QStringLiteral("lbZwSf"));
    lbZwWf = new QLabel;
    lbZwWf->setObjectName(QStringLiteral("lbZwWf"));
    auto* btnZw = new QToolButton;
    btnZw->setObjectName(QStringLiteral("btnZw"));
    btnZw->setText(QStringLiteral("详细信息"));
    btnZw->setPopupMode(QToolButton::InstantPopup);
    auto* zwMenu = new QMenu(btnZw);
    menuItem(zwMenu, QStringLiteral("供货商详细信息(&W)"), "actGhsCard", this, [this] { supplierCardClick(); });
    menuItem(zwMenu, QStringLiteral("供货商往来帐务(&X)"), "actGhsWlzw", this, [this] { supplierAccountsClick(); });
    menuItem(zwMenu, QStringLiteral("进货信息查询(&Y)"), "actGhsJh", this, [this] { receiptQueryClick(); });
    menuItem(zwMenu, QStringLiteral("退货信息查询(&Z)"), "actGhsTh", this, [this] { returnQueryClick(); });
    btnZw->setMenu(zwMenu);
    zwRow->addWidget(caption(QStringLiteral("供货商账目")));
    zwRow->addWidget(caption(QStringLiteral("应付金额：")));
    zwRow->addWidget(lbZwYf);
    zwRow->addWidget(caption(QStringLiteral("实付金额：")));
    zwRow->addWidget(lbZwSf);
    zwRow->addWidget(caption(QStringLiteral("未付金额：")));
    zwRow->addWidget(lbZwWf);
    zwRow->addStretch(1);
    zwRow->addWidget(btnZw);

    // Supplier search panel.
    PartnerPanel::Config config;
    config.codeField = QStringLiteral("ghs_sn");
    config.nameField = QStringLiteral("ghs_name");
    config.columns = {{QStringLiteral("ghs_name"), QStringLiteral("供货商名称")},
                      {QStringLiteral("ghs_lxr"), QStringLiteral("联系人")},
                      {QStringLiteral("ghs_tele"), QStringLiteral("联系电话")},
                      {QStringLiteral("ghs_address"), QStringLiteral("联系地址")},
                      {QStringLiteral("gt_name"), QStringLiteral("供货商类型")}};
    config.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm"), QStringLiteral("ghs_sn"),
                           QStringLiteral("ghs_tele"), QStringLiteral("ghs_address")};
    config.all = DataModule->Q_Ghsxx;
    config.allSql = QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0 order by id");
    config.allCaption = QStringLiteral("全部供货商信息");
    config.recent = DataModule->Q_GhsxxLs;
    config.recentSql = kRecentSuppliers;
    config.recentCaption = QStringLiteral("最近往来供货商");
    config.keyCaption = QStringLiteral("查找供货商(F2)：");
    config.keyHint = hint;
    config.addCaption = QStringLiteral("添加供货商(F8)");
    config.addNewCaption = QStringLiteral("新增加供货商(&Y)");
    config.addCopyCaption = QStringLiteral("从客户资料中复制(&Z)");
    panelGhs = new PartnerPanel(config);
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
    panelSptm = new QFrame;
    panelSptm->setObjectName(QStringLiteral("panelSptm"));
    panelSptm->setFrameShape(QFrame::StyledPanel);
    tSptm = new QLineEdit;
    tSptm->setObjectName(QStringLiteral("tSptm"));
    tSptm->setMaxLength(64);
    auto* closeSptm = namedButton(this, "btnSptmClose", QStringLiteral("X"));
    auto* sptmMenuButton = new QToolButton;
    sptmMenuButton->setObjectName(QStringLiteral("btnSptmMenu"));
    sptmMenuButton->setText(QStringLiteral("▼"));
    sptmMenuButton->setPopupMode(QToolButton::InstantPopup);
    auto* sptmMenu = new QMenu(sptmMenuButton);
    menuItem(sptmMenu, QStringLiteral("隐藏条码输入面板(&Y)"), "actSptmHide", this, [this] { showBarcodePanel(false); });
    actOpenAfter = menuItem(sptmMenu, QStringLiteral("添加完商品后打开修改窗口(&Z)"), "actOpenAfter", this,
                             [this] { openDialogAfterBarcode = actOpenAfter->isChecked(); });
    actOpenAfter->setCheckable(true);
    actOpenAfter->setChecked(openDialogAfterBarcode);
    sptmMenuButton->setMenu(sptmMenu);
    auto* sptmRow = new QHBoxLayout(panelSptm);
    sptmRow->setContentsMargins(4, 2, 4, 2);
    sptmRow->addWidget(caption(QStringLiteral("条码：")));
    sptmRow->addWidget(tSptm, 1);
    sptmRow->addWidget(sptmMenuButton);
    sptmRow->addWidget(closeSptm);
    connect(tSptm, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { tSptmEnter(); }); });
    onClicked(closeSptm, [this] { showBarcodePanel(false); });

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
    menuItem(PopupMenu1, QStringLiteral("新增商品(&U)"), "actAdd", this, [this] { btnAddClick(); });
    actModi = menuItem(PopupMenu1, QStringLiteral("修改商品(&V)"), "actModi", this, [this] { btnModiClick(); });
    actDel = menuItem(PopupMenu1, QStringLiteral("删除商品(&W)"), "actDel", this, [this] { btnDelClick(); });
    menuPrint = PopupMenu1->addMenu(QStringLiteral("打印单据(&X)"));
    menuItem(menuPrint, QStringLiteral("打印单据(&Y)"), "actPrint2", this, [this] { printClick(); });
    menuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", this, [this] { previewClick(); });
    menuGhs = PopupMenu1->addMenu(QStringLiteral("供货商信息(&Y)"));
    menuItem(menuGhs, QStringLiteral("供货商详细信息(&Y)"), "actGhsCard2", this, [this] { supplierCardClick(); });
    menuItem(menuGhs, QStringLiteral("供货商往来账务(&Z)"), "actGhsWlzw2", this, [this] { supplierAccountsClick(); });
    PopupMenu1->addSeparator();
    actBarcode = menuItem(PopupMenu1, QString(), "actBarcode", this,
                           [this] { showBarcodePanel(!panelSptm->isVisible()); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        const bool rows = hasLines();
        for (QAction* a : {actModi, actDel, menuPrint->menuAction(), menuGhs->menuAction()})
            a->setEnabled(rows);
        actBarcode->setText(panelSptm->isVisible() ? QStringLiteral("隐藏条码输入面板(&Z)")
                                                   : QStringLiteral("显示条码输入面板(&Z)"));
    });
    DBGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(DBGrid1->view()->viewport()->mapToGlobal(pos)); });

    // Buttons.
    auto* btnAdd = namedButton(this, "btnAdd", QStringLiteral("老商品添加(F2)"));
    auto* btnNew = namedButton(this, "btnNew", QStringLiteral("新商品添加(F9)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrint = new QToolButton;
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnPrint->setText(QStringLiteral("打印"));
    btnPrint->setPopupMode(QToolButton::InstantPopup);
    auto* printMenu = new QMenu(btnPrint);
    menuItem(printMenu, QStringLiteral("打印单据(&W)"), "actPrint", this, [this] { printClick(); });
    menuItem(printMenu, QStringLiteral("预览单据(&X)"), "actPreview", this, [this] { previewClick(); });
    btnPrint->setMenu(printMenu);
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnNew);
    buttons->addWidget(btnModi);
    buttons->addWidget(btnDel);
    buttons->addWidget(btnPrint);
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
    onClicked(closeYhzh, [this] { panelYhzh->hide(); });
    onFocusIn({tsfje}, [this] { showAccountPanel(); });
    onFocusIn({comCk, tghs, tnote, comUser, comJsfs, DBGrid1->view()}, [this] { panelYhzh->hide(); });
    connect(tsfje, &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        Money::fromText(tsfje->text().trimmed(), &ok);
        if (!ok || tsfje->text().trimmed().isEmpty())  // never empty, never half a number ("-", ".")
            tsfje->setText(QStringLiteral("0"));
    });
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

    fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), kNewHandler,
                       QStringLiteral("where u_cg<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                       QStringLiteral("u_sn"));
    comUser->setCurrentIndex(0);
    fillJsfsCombo(comJsfs, QStringLiteral("cg"));
    comJsfs->setCurrentIndex(0);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    comCk->selectText(getDefaultCkName());
    comCk->setEnabled(true);
    fillCodeCombo(comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("yh_sn"));
    comYhzh->setCurrentIndex(0);
    dateCg->setDate(Clock::today());
    panelGhs->reload();
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
    const QString total = linesTotal();
    yfje->setText(total);
    lbRmb->setVisible(!total.isEmpty());
    tsfje->setText(total.isEmpty() ? QStringLiteral("0") : total);
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
    const int before = DataModule->Q_Jhsp->rowCount();
    paramValue = QStringLiteral("cgjh");
    goodsPickerTarget = {.number = number(), .warehouse = comCk->currentCodeOrEmpty()};
    openWindow(QStringLiteral("TF_Cgjh_Add"), QString(), QStringLiteral("老商品添加"));
    paramValue.clear();
    goodsPickerTarget = {};
    reopenLines();
    if (DataModule->Q_Jhsp->rowCount() > before)
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
    modeFlag = mode;
    curGoodsSn = DataModule->Q_Jhsp->fieldByName(QStringLiteral("g_sn"));
    lineDialogTarget = {.number = number(), .warehouse = comCk->currentCodeOrEmpty(), .lineId = currentLineId()};
    const int row = DataModule->Q_Jhsp->currentRow();
    showForm(F_Cgjh_Sele);
    modeFlag.clear();
    curGoodsSn.clear();
    lineDialogTarget = {};
    reopenLines();
    DataModule->Q_Jhsp->setCurrentRow(row);
}

void TF_Cgjh::btnDelClick()
{
    deleteCurrentLine();
}

void TF_Cgjh::tSptmEnter()
{
    const QString barcode = tSptm->text().trimmed();
    if (barcode.isEmpty())
        return;
    const ResultSet goods = openSelect(
        QStringLiteral("select g_sn,g_pjjj,g_scjj,g_jj from jxc_goods where g_sptm=? order by id limit 1"),
        {{QString(), barcode}});
    if (goods.isEmpty()) {
        msgInfo(QStringLiteral("没有找到与该条码匹配的商品，请检查！"), this);
        return;
    }
    writeLine(kReceiptLines, number(),
              {.gSn = goods.text(0, 0),
               .price = Money::fromText(goods.text(0, purchasePriceColumn())),
               .rows = {},
               .quantity = Money::fromDouble(1)});
    reopenLines(/*toLast=*/true);
    tSptm->clear();
    if (openDialogAfterBarcode)
        editLine(QStringLiteral("cgjh"));
}

void TF_Cgjh::dateCgChange()
{
    if (m_initialising)
        return;
    moveToDate(dateCg->date());
}

void TF_Cgjh::handlerChanged()
{
    if (m_initialising || comUser->currentText() != kNewHandler)
        return;
    comUser->setCurrentIndex(-1);
    openHandlerPicker();
}

void TF_Cgjh::showBarcodePanel(bool on)
{
    panelSptm->setVisible(on);
    if (on)
        tSptm->setFocus();
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
    if (code != getDefaultGhsSn()) {
        getGhsZw(code);
        lbZwYf->setText(zwYfje + QStringLiteral(" 元"));
        lbZwSf->setText(zwSfje + QStringLiteral(" 元"));
        lbZwWf->setText(zwWfje + QStringLiteral(" 元"));
        panelZw->show();
    } else {
        panelZw->hide();
    }
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

namespace {

void openSupplierQuery(const QString& windowClass, const QString& caller, const QString& supplier, const QString& name)
{
    callerFlag = caller;
    detailTable = supplier;
    openWindow(windowClass, QString(), name);
    callerFlag.clear();
    detailTable.clear();
    openGhsList();
}

}  // namespace

void TF_Cgjh::supplierAccountsClick()
{
    openSupplierQuery(QStringLiteral("TF_WlzwGhs"), QStringLiteral("cgjh1"), tghs->text().trimmed(),
                      QStringLiteral("供货商往来帐务"));
}

void TF_Cgjh::receiptQueryClick()
{
    openSupplierQuery(QStringLiteral("TF_Cgth_Zdth"), QStringLiteral("cgjh"), tghs->text().trimmed(),
                      QStringLiteral("进货信息查询"));
}

void TF_Cgjh::returnQueryClick()
{
    openSupplierQuery(QStringLiteral("TF_Cgth"), QStringLiteral("cgjh"), tghs->text().trimmed(),
                      QStringLiteral("退货信息查询"));
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
    QString refusal;
    if (!hasLines())
        refusal = QStringLiteral("单据中没有业务发生，不能保存！");
    else if (tghs->text().trimmed().isEmpty())
        refusal = QStringLiteral("请选择供货商！");
    else if (comUser->currentText() == kNewHandler || comUser->currentText().isEmpty())
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentText().isEmpty())
        refusal = QStringLiteral("请选择仓库！");
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    bool paidOk = false;
    const Money paid = Money::fromText(tsfje->text().trimmed(), &paidOk);
    if (!paidOk) {
        msgInfo(QStringLiteral("实付金额不是有效的数字，请重新输入！"), this);
        return false;
    }

    saveChoice = 2;
    openWindow(QStringLiteral("TF_Cgjh_Save"), QString(), QStringLiteral("保存提示"));
    const int choice = saveChoice;
    saveChoice = 2;
    if (choice != 1)
        return false;

    postCgjh({.djh = number(),
              .ghsSn = curGhsSn,
              .ghsName = tghs->text(),
              .ckSn = comCk->currentCode(),
              .ckName = comCk->currentText(),
              .date = dateText(dateCg->date()),
              .uSn = comUser->currentCode(),
              .uName = comUser->currentText(),
              .payable = Money::fromText(yfje->text()),
              .paid = paid,
              .mode = comJsfs->currentIndex() == 1 ? CgjhMode::RestOwed : CgjhMode::PaidOnly,
              .account = comYhzh->currentText(),
              .note = tnote->text(),
              .sn2 = tsn2->text(),
              .op = operatorName});
    m_posted = true;
    return true;
}

void TF_Cgjh::afterSaved()
{
    if (m_posted && printAfterPosting())
        printDj(printBill(), printCopies(csDjzddysl), this);
    m_posted = false;
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
