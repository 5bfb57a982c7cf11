#include "sales/spxs.h"

#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/ledger.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/textrules.h"
#include "masterdata/djbz.h"
#include "masterdata/user2.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "sales/sales.h"
#include "sales/spxs_sele.h"
#include "sales/spxsposting.h"
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

TF_Spxs* F_Spxs = nullptr;
bool TF_Spxs::openDialogAfterBarcode = false;

namespace {

const QString kNewHandler = QStringLiteral("新增经办人.....");
// The caller word of the sales window at the handler and remark pickers.
const QString kCallerWord = QStringLiteral("xs");

// The handler and remark pickers, which answer the sales window by its caller word; the word
// is cleared afterwards.
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

QString salesLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.g_jj,a.dw_name,a.gg_name,a.color_name,a.g_sccs,"
                          "a.g_kc,a.g_bz,b.ls_dj*b.ls_dzl as sj from jxc_goods a,jxc_lsxssp b where a.g_sn=b.g_sn and "
                          "b.gl_djh='%1' order by b.id")
        .arg(sqlSafe(number));
}

// The ten customers with the latest sales that are not disabled, newest first: each customer's
// latest sales number is one seek in the journal's partner index.
const QString kRecentCustomers = QStringLiteral(
    "select * from (select a.*,(select max(g.gl_djh) from jxc_goodslist g where g.ghs_sn=a.kh_sn and "
    "g.gl_flag='xs' and g.gl_djh<>'') as djh from jxc_khxx a where a.kh_forbid=0) "
    "where djh is not null order by djh desc limit 10");

BillKind salesKind()
{
    return {.lines = &kSalesLines,
            .headerTable = "jxc_lsxsd",
            .headerNumber = "gl_djh",
            .prefix = "XS",
            .lineQuery = DataModule->Q_Lsxssp,
            .lineSql = salesLinesSql,
            .keepStrayLines = true};
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

// Held bills belong to a later version of the window.
void heldBillsNotAvailable(QWidget* parent)
{
    msgInfo(notAvailableText(QStringLiteral("单据内容暂存")), parent);
}

}  // namespace

TF_Spxs::TF_Spxs(QWidget* parent) : TF_BillWindow(salesKind(), parent)
{
    setObjectName(QStringLiteral("TF_Spxs"));
    setWindowTitle(QStringLiteral("商品销售"));
    cxTab = new QTabWidget;
    cxTab->setObjectName(QStringLiteral("cxTab"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("cxTab1"));
    buildBillTab(page);
    cxTab->addTab(page, QStringLiteral("商品销售"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxTab);
    resize(980, 640);
}

void TF_Spxs::buildBillTab(QWidget* page)
{
    auto* numberCaption = caption(QStringLiteral("单号"));
    numberCaption->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    gldjh = new QLabel;
    gldjh->setObjectName(QStringLiteral("gldjh"));
    gldjh->setStyleSheet(QStringLiteral("color: red;"));
    setNumberLabel(gldjh);

    tkh = nameBox(this, "tkh", 32);
    const QString hint = QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询");
    tkh->setToolTip(hint);
    auto* btnSeleGhs = namedButton(this, "btnSeleGhs", QStringLiteral("…"));
    btnSeleGhs->setFocusPolicy(Qt::NoFocus);
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    dateCg = new QDateEdit;
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);

    lFlag = caption(QStringLiteral("￥"));
    lFlag->setObjectName(QStringLiteral("lFlag"));
    lysje = new QLabel;
    lysje->setObjectName(QStringLiteral("lysje"));
    tssje = new QLineEdit;
    tssje->setObjectName(QStringLiteral("tssje"));
    tssje->setMaxLength(10);
    tssje->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*(\\.\\d{0,2})?")), tssje));
    comJsfs = new CodeComboBox;
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", openHandlerPicker, {comJsfs});

    lbSn2 = caption(QStringLiteral("原始单号："));
    lbSn2->setObjectName(QStringLiteral("lbSn2"));
    tsn2 = nameBox(this, "tsn2", 16);
    tnote = nameBox(this, "tnote", 100);
    QWidget* noteBox = withPickerButton(
        tnote, "btnDjbz", [] { openCallerPicker(QStringLiteral("TF_Djbz"), QStringLiteral("单据备注信息设置")); });

    // Money account panel.
    RzPanel_Yhzh = new QFrame;
    RzPanel_Yhzh->setObjectName(QStringLiteral("RzPanel_Yhzh"));
    RzPanel_Yhzh->setFrameShape(QFrame::StyledPanel);
    comYhzh = new CodeComboBox;
    comYhzh->setObjectName(QStringLiteral("comYhzh"));
    auto* closeYhzh = namedButton(this, "btnYhzhClose", QStringLiteral("X"));
    auto* yhzhRow = new QHBoxLayout(RzPanel_Yhzh);
    yhzhRow->setContentsMargins(4, 2, 4, 2);
    yhzhRow->addWidget(caption(QStringLiteral("同时选择收款账户：")));
    yhzhRow->addWidget(comYhzh, 1);
    yhzhRow->addWidget(closeYhzh);

    auto* head = new QGridLayout;
    head->addWidget(numberCaption, 0, 0);
    head->addWidget(gldjh, 0, 1);
    head->addWidget(caption(QStringLiteral("客户名称：")), 1, 0);
    auto* khRow = new QHBoxLayout;
    khRow->addWidget(tkh, 1);
    khRow->addWidget(btnSeleGhs);
    head->addLayout(khRow, 1, 1);
    head->addWidget(caption(QStringLiteral("出货仓库：")), 1, 2);
    head->addWidget(comCk, 1, 3);
    head->addWidget(caption(QStringLiteral("出货日期：")), 1, 4);
    head->addWidget(dateCg, 1, 5);
    head->addWidget(caption(QStringLiteral("应收金额：")), 3, 0);
    auto* dueRow = new QHBoxLayout;
    dueRow->addWidget(lFlag);
    dueRow->addWidget(lysje, 1);
    head->addLayout(dueRow, 3, 1);
    head->addWidget(caption(QStringLiteral("实收金额：")), 3, 2);
    head->addWidget(tssje, 3, 3);
    head->addWidget(comJsfs, 3, 4);
    head->addWidget(caption(QStringLiteral("经办人：")), 3, 5);
    head->addWidget(userBox, 3, 6);
    head->addWidget(lbSn2, 4, 0);
    head->addWidget(tsn2, 4, 1);
    head->addWidget(caption(QStringLiteral("备         注：")), 4, 2);
    head->addWidget(noteBox, 4, 3, 1, 4);
    head->addWidget(RzPanel_Yhzh, 5, 2, 1, 3);

    // Customer account strip.
    RzPanel_Kh1 = new QFrame;
    RzPanel_Kh1->setObjectName(QStringLiteral("RzPanel_Kh1"));
    RzPanel_Kh1->setFrameShape(QFrame::StyledPanel);
    auto* zwRow = new QHBoxLayout(RzPanel_Kh1);
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
    menuItem(zwMenu, QStringLiteral("客户详细信息(&W)"), "actKhCard", this, [this] { customerCardClick(); });
    menuItem(zwMenu, QStringLiteral("客户往来帐务(&X)"), "actKhWlzw", this, [this] { customerAccountsClick(); });
    menuItem(zwMenu, QStringLiteral("销售信息查询(&Y)"), "actKhXs", this, [this] { salesQueryClick(); });
    menuItem(zwMenu, QStringLiteral("退货信息查询(&Z)"), "actKhTh", this, [this] { returnQueryClick(); });
    btnZw->setMenu(zwMenu);
    zwRow->addWidget(caption(QStringLiteral("客户账目")));
    zwRow->addWidget(caption(QStringLiteral("应收金额：")));
    zwRow->addWidget(lbZwYf);
    zwRow->addWidget(caption(QStringLiteral("实收金额：")));
    zwRow->addWidget(lbZwSf);
    zwRow->addWidget(caption(QStringLiteral("未收金额：")));
    zwRow->addWidget(lbZwWf);
    zwRow->addStretch(1);
    zwRow->addWidget(btnZw);

    // Customer panel.
    PartnerPanel::Config config;
    config.codeField = QStringLiteral("kh_sn");
    config.nameField = QStringLiteral("kh_name");
    config.columns = {{QStringLiteral("kh_name"), QStringLiteral("客户名称")},
                      {QStringLiteral("kh_lxr"), QStringLiteral("联系人")},
                      {QStringLiteral("kh_tele"), QStringLiteral("联系电话")},
                      {QStringLiteral("kh_address"), QStringLiteral("联系地址")},
                      {QStringLiteral("kt_name"), QStringLiteral("客户类型")},
                      {QStringLiteral("z_name"), QStringLiteral("所属地区")}};
    config.searchFields = {QStringLiteral("kh_name"), QStringLiteral("kh_jm"), QStringLiteral("kh_sn"),
                           QStringLiteral("kh_tele"), QStringLiteral("kh_address")};
    config.all = DataModule->Q_Khxx;
    config.allSql = QStringLiteral("select * from jxc_khxx where kh_forbid=0 order by id");
    config.allCaption = QStringLiteral("全部客户信息");
    config.recent = DataModule->Q_KhxxLs;
    config.recentSql = kRecentCustomers;
    config.recentCaption = QStringLiteral("最近往来客户");
    config.keyCaption = QStringLiteral("查找客户(F2)：");
    config.keyHint = hint;
    config.addCaption = QStringLiteral("添加客户(F8)");
    config.addNewCaption = QStringLiteral("新增加客户(&Y)");
    config.addCopyCaption = QStringLiteral("从供货商资料中复制(&Z)");
    RzPanelKh = new PartnerPanel(config);
    RzPanelKh->setObjectName(QStringLiteral("RzPanelKh"));
    RzPanelKh->hide();
    addKeyPanel(RzPanelKh, [this](QKeyEvent* e) { return RzPanelKh->keyPress(e); });
    connect(RzPanelKh, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { customerChosen(code, name); }); });
    connect(RzPanelKh, &PartnerPanel::addRequested, this, [this] { runGuarded([this] { addCustomerClick(); }); });
    connect(RzPanelKh, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] { openCustomerWindow(QStringLiteral("TF_Khgl_Modi"), QStringLiteral("修改客户")); });
    });
    connect(RzPanelKh, &PartnerPanel::copyRequested, this, [] {
        runGuarded([] { openWindow(QStringLiteral("TF_Khgl_Copy"), QString(), QStringLiteral("从供货商资料中复制")); });
    });

    // Barcode box.
    RzPanel_Tm = new QFrame;
    RzPanel_Tm->setObjectName(QStringLiteral("RzPanel_Tm"));
    RzPanel_Tm->setFrameShape(QFrame::StyledPanel);
    tSptm = new QLineEdit;
    tSptm->setObjectName(QStringLiteral("tSptm"));
    tSptm->setMaxLength(64);
    auto* closeTm = namedButton(this, "btnTmClose", QStringLiteral("X"));
    auto* tmMenuButton = new QToolButton;
    tmMenuButton->setObjectName(QStringLiteral("btnTmMenu"));
    tmMenuButton->setText(QStringLiteral("▼"));
    tmMenuButton->setPopupMode(QToolButton::InstantPopup);
    auto* tmMenu = new QMenu(tmMenuButton);
    menuItem(tmMenu, QStringLiteral("隐藏条码输入面板(&Y)"), "actTmHide", this, [this] { showBarcodePanel(false); });
    actOpenAfter = menuItem(tmMenu, QStringLiteral("添加完商品后打开修改窗口(&Z)"), "actOpenAfter", this,
                            [this] { openDialogAfterBarcode = actOpenAfter->isChecked(); });
    actOpenAfter->setCheckable(true);
    actOpenAfter->setChecked(openDialogAfterBarcode);
    tmMenuButton->setMenu(tmMenu);
    auto* tmRow = new QHBoxLayout(RzPanel_Tm);
    tmRow->setContentsMargins(4, 2, 4, 2);
    tmRow->addWidget(caption(QStringLiteral("条码：")));
    tmRow->addWidget(tSptm, 1);
    tmRow->addWidget(tmMenuButton);
    tmRow->addWidget(closeTm);
    connect(tSptm, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { tSptmEnter(); }); });
    onClicked(closeTm, [this] { showBarcodePanel(false); });

    // Lines grid.
    cxGridView = new DataGrid;
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->setQuery(DataModule->Q_Lsxssp);
    const QString money = QStringLiteral("￥,0.00;￥-,0.00");
    cxGridView->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    cxGridView->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridView->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    cxGridView->addColumn(QStringLiteral("ls_dj"), QStringLiteral("单价"), 80).setFormat(money);
    cxGridView->addColumn(QStringLiteral("ls_dzl"), QStringLiteral("折扣"), 50).setFormat(QStringLiteral("0.00"));
    cxGridView->addColumn(QStringLiteral("sj"), QStringLiteral("折后价"), 80).setFormat(QStringLiteral(",0.00"));
    cxGridView->addColumn(QStringLiteral("ls_sl"), QStringLiteral("数量"), 70).footerSum();
    cxGridView->addColumn(QStringLiteral("ls_zje"), QStringLiteral("总金额"), 100).setFormat(money).footerSum(QString(), money);
    cxGridView->addColumn(QStringLiteral("id")).setHidden();
    cxGridView->addColumn(QStringLiteral("g_sn")).setHidden();
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    // The grid's menu.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    menuItem(PopupMenu1, QStringLiteral("增加商品(&T)"), "actAdd", this, [this] { btnAddOldClick(); });
    actModi = menuItem(PopupMenu1, QStringLiteral("修改商品(&U)"), "actModi", this, [this] { btnModiClick(); });
    actDel = menuItem(PopupMenu1, QStringLiteral("删除商品(&V)"), "actDel", this, [this] { btnDelClick(); });
    menuPrint = PopupMenu1->addMenu(QStringLiteral("打印单据(&W)"));
    menuItem(menuPrint, QStringLiteral("打印单据(&X)"), "actPrint2", this, [this] { printClick(); });
    menuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", this, [this] { previewClick(); });
    QMenu* menuHold = PopupMenu1->addMenu(QStringLiteral("单据内容暂存(&X)"));
    menuItem(menuHold, QStringLiteral("本单据数据暂存(挂单)(&Y)"), "actHold", this, [this] { heldBillsNotAvailable(this); });
    menuItem(menuHold, QStringLiteral("取出暂存单据(解挂)(&Z)"), "actUnhold", this, [this] { heldBillsNotAvailable(this); });
    menuKh = PopupMenu1->addMenu(QStringLiteral("客户信息(&Y)"));
    menuItem(menuKh, QStringLiteral("客户详细信息(&Y)"), "actKhCard2", this, [this] { customerCardClick(); });
    menuItem(menuKh, QStringLiteral("客户往来账务(&Z)"), "actKhWlzw2", this, [this] { customerAccountsClick(); });
    PopupMenu1->addSeparator();
    actBarcode = menuItem(PopupMenu1, QString(), "actBarcode", this, [this] { showBarcodePanel(!RzPanel_Tm->isVisible()); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        const bool rows = hasLines();
        for (QAction* a : {actModi, actDel, menuPrint->menuAction(), menuKh->menuAction()})
            a->setEnabled(rows);
        actBarcode->setText(RzPanel_Tm->isVisible() ? QStringLiteral("隐藏条码输入面板(&Z)")
                                                    : QStringLiteral("显示条码输入面板(&Z)"));
    });
    cxGridView->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cxGridView->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(cxGridView->view()->viewport()->mapToGlobal(pos)); });

    // Buttons.
    auto* btnAddOld = namedButton(this, "btnAddOld", QStringLiteral("商品添加(F2)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrin = new QToolButton;
    btnPrin->setObjectName(QStringLiteral("btnPrin"));
    btnPrin->setText(QStringLiteral("打印"));
    btnPrin->setPopupMode(QToolButton::InstantPopup);
    auto* printMenu = new QMenu(btnPrin);
    menuItem(printMenu, QStringLiteral("打印单据(&W)"), "actPrint", this, [this] { printClick(); });
    menuItem(printMenu, QStringLiteral("预览单据(&X)"), "actPreview", this, [this] { previewClick(); });
    btnPrin->setMenu(printMenu);
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnCancel = namedButton(this, "btnCancel", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAddOld);
    buttons->addWidget(btnModi);
    buttons->addWidget(btnDel);
    buttons->addWidget(btnPrin);
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
    pageLayout->addWidget(RzPanel_Kh1);
    pageLayout->addWidget(RzPanelKh, 2);
    pageLayout->addWidget(RzPanel_Tm);
    pageLayout->addWidget(cxGridView, 3);
    pageLayout->addLayout(buttons);

    onClicked(btnSeleGhs, [this] {
        RzPanel_Yhzh->hide();
        RzPanelKh->show();
        RzPanelKh->raise();
    });
    connect(comUser, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { handlerChanged(); }); });
    connect(comJsfs, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { handlerChanged(); }); });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateCgChange(); }); });
    onClicked(closeYhzh, [this] { RzPanel_Yhzh->hide(); });
    onFocusIn({tssje}, [this] { RzPanel_Yhzh->setVisible(settingOn(csXjyh)); });
    onFocusIn({comCk, tkh, tnote, comUser, comJsfs, cxGridView->view()}, [this] { RzPanel_Yhzh->hide(); });
    connect(tssje, &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        Money::fromText(tssje->text().trimmed(), &ok);
        if (!ok || tssje->text().trimmed().isEmpty())  // never empty, never half a number ("-", ".")
            tssje->setText(QStringLiteral("0"));
    });
}

void TF_Spxs::resetBill()
{
    const bool sn2 = settingOn(csYsdh);
    lbSn2->setVisible(sn2);
    tsn2->setVisible(sn2);
    detailTable.clear();
    choiceParam.clear();
    m_initialising = true;
    cxTab->setCurrentIndex(0);
    RzPanelKh->hide();
    RzPanel_Yhzh->hide();
    showLineButtons(false);
    m_khSn = getDefaultKhSn();
    tkh->setText(getDefaultKhName());
    lysje->setText(QStringLiteral("0"));
    tssje->setText(QStringLiteral("0"));
    tnote->clear();
    tsn2->clear();
    lFlag->hide();
    RzPanel_Kh1->hide();
    dateCg->setDate(Clock::today());
    fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), kNewHandler,
                       QStringLiteral("where u_xs<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                       QStringLiteral("u_sn"));
    comUser->setCurrentIndex(0);
    fillJsfsCombo(comJsfs, QStringLiteral("xs"));
    comJsfs->setCurrentIndex(0);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    comCk->selectText(getDefaultCkName());
    comCk->setEnabled(true);
    fillCodeCombo(comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("yh_sn"));
    comYhzh->setCurrentIndex(0);
    // Lines left under the number just drawn (an earlier run that stopped) join the new bill.
    drawNumber();
    RzPanelKh->reload();
    m_initialising = false;
    setSkipActivate(false);
}

void TF_Spxs::FormClose()
{
    // Held sales bills of every operator go when the window closes.
    execSql(QStringLiteral("delete from jxc_lsxssptemp where ls_flag='XS'"));
    for (NamedQuery* q : {DataModule->Q_Khxx, DataModule->Q_KhxxLs, DataModule->Q_Lsxssp, DataModule->Q_GoodsPrin})
        q->close();
}

void TF_Spxs::updateBottomJe()
{
    comCk->setEnabled(!hasLines());
    const QString total = linesTotal();
    lysje->setText(total);
    lFlag->setVisible(!total.isEmpty());
    tssje->setText(total.isEmpty() ? QStringLiteral("0") : total);
}

void TF_Spxs::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrin->setVisible(lines);
}

bool TF_Spxs::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        btnAddOldClick();
        return true;
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_F8:
        addCustomerClick();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TF_Spxs::btnAddOldClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    const int before = DataModule->Q_Lsxssp->rowCount();
    paramValue = QStringLiteral("spxs");
    goodsPickerTarget = {.number = number(), .warehouse = comCk->currentCodeOrEmpty()};
    openWindow(QStringLiteral("TF_Spxs_Add"), QString(), QStringLiteral("商品添加"));
    paramValue.clear();
    goodsPickerTarget = {};
    reopenLines();
    if (DataModule->Q_Lsxssp->rowCount() > before)
        comUser->setFocus();
}

void TF_Spxs::btnModiClick()
{
    if (hasLines())
        editLine();
}

void TF_Spxs::editLine()
{
    modeFlag = QStringLiteral("spxs");
    curGoodsSn = DataModule->Q_Lsxssp->fieldByName(QStringLiteral("g_sn"));
    lineDialogTarget = {.number = number(), .warehouse = comCk->currentCodeOrEmpty(), .lineId = currentLineId()};
    const int row = DataModule->Q_Lsxssp->currentRow();
    showForm(F_Spxs_Sele);
    modeFlag.clear();
    curGoodsSn.clear();
    lineDialogTarget = {};
    reopenLines();
    DataModule->Q_Lsxssp->setCurrentRow(row);
}

void TF_Spxs::btnDelClick()
{
    if (hasLines())
        deleteCurrentLine();
}

void TF_Spxs::tSptmEnter()
{
    const QString barcode = tSptm->text().trimmed();
    if (barcode.isEmpty())
        return;
    const ResultSet goods =
        openSelect(QStringLiteral("select g_sn,g_sj from jxc_goods where g_sptm=? order by id limit 1"), {{QString(), barcode}});
    if (goods.isEmpty()) {
        msgInfo(QStringLiteral("没有找到与该条码匹配的商品，请检查！"), this);
        return;
    }
    const QString gSn = goods.text(0, 0);
    Money price = Money::fromText(goods.text(0, 1));
    if (csXsdj == QLatin1String("1")) {
        const QString last = getLastLsDj(gSn);
        if (!last.isEmpty())
            price = Money::fromText(last);
    }
    writeLine(kSalesLines, number(), {.gSn = gSn, .price = price, .rows = {}, .quantity = Money::fromDouble(1)});
    reopenLines(/*toLast=*/true);
    tSptm->clear();
    if (openDialogAfterBarcode)
        editLine();
}

void TF_Spxs::dateCgChange()
{
    if (m_initialising)
        return;
    moveToDate(dateCg->date());
}

void TF_Spxs::handlerChanged()
{
    if (m_initialising || comUser->currentText() != kNewHandler)
        return;
    comUser->setCurrentIndex(-1);
    openHandlerPicker();
}

void TF_Spxs::showBarcodePanel(bool on)
{
    RzPanel_Tm->setVisible(on);
    if (on)
        tSptm->setFocus();
}

void TF_Spxs::customerChosen(const QString& code, const QString& name)
{
    tkh->setText(name);
    m_khSn = code;
    if (code != getDefaultKhSn()) {
        getKhZw(code);
        lbZwYf->setText(zwYfje + QStringLiteral(" 元"));
        lbZwSf->setText(zwSfje + QStringLiteral(" 元"));
        lbZwWf->setText(zwWfje + QStringLiteral(" 元"));
        RzPanel_Kh1->show();
    } else {
        RzPanel_Kh1->hide();
    }
}

void TF_Spxs::openCustomerWindow(const QString& windowClass, const QString& name)
{
    openWindow(windowClass, QString(), name);
    RzPanelKh->reload();
}

void TF_Spxs::addCustomerClick()
{
    detailTable = QStringLiteral("xs");
    openCustomerWindow(QStringLiteral("TF_Khgl_Add"), QStringLiteral("新增加客户"));
    if (detailTable == QLatin1String("xs9")) {
        // The customer just added becomes the bill's customer.
        const ResultSet added =
            openSelect(QStringLiteral("select kh_sn,kh_name from jxc_khxx where kh_forbid=0 order by id desc limit 1"));
        if (!added.isEmpty()) {
            customerChosen(added.text(0, 0), added.text(0, 1));
            RzPanelKh->hide();
        }
    }
    detailTable.clear();
}

void TF_Spxs::customerCardClick()
{
    detailTable = QStringLiteral("xs");
    curKhSn = m_khSn;
    openWindow(QStringLiteral("TF_Spxs_Kh"), QString(), QStringLiteral("客户详细信息"));
    detailTable.clear();
}

void TF_Spxs::openCustomerQuery(const QString& windowClass, const QString& caller, const QString& name)
{
    callerFlag = caller;
    detailTable = tkh->text().trimmed();
    openWindow(windowClass, QString(), name);
    callerFlag.clear();
    detailTable.clear();
    openKhList();
}

void TF_Spxs::customerAccountsClick()
{
    openCustomerQuery(QStringLiteral("TF_WlzwKh"), QStringLiteral("spxs1"), QStringLiteral("客户往来帐务"));
}

void TF_Spxs::salesQueryClick()
{
    openCustomerQuery(QStringLiteral("TF_Xsdjcx"), QStringLiteral("spxs"), QStringLiteral("销售信息查询"));
}

void TF_Spxs::returnQueryClick()
{
    openCustomerQuery(QStringLiteral("TF_Xsth"), QStringLiteral("spxs"), QStringLiteral("退货信息查询"));
}

SpxsPrintBill TF_Spxs::printBill() const
{
    return {.djh = number(),
            .khSn = m_khSn,
            .khName = tkh->text(),
            .ckName = comCk->currentText(),
            .date = dateText(dateCg->date()),
            .note = tnote->text(),
            .uName = comUser->currentText(),
            .due = lysje->text(),
            .received = Money::fromText(tssje->text().trimmed())};
}

void TF_Spxs::printClick()
{
    if (printSpxs(printBill(), 1, this))
        setSkipActivate(true);
    showLineButtons(hasLines());
}

void TF_Spxs::previewClick()
{
    previewSpxs(printBill(), this);
}

void TF_Spxs::btnOKClick()
{
    runSave();
}

bool TF_Spxs::saveBill()
{
    m_posted = false;
    QString refusal;
    if (!hasLines())
        refusal = QStringLiteral("单据中没有业务发生，不能保存！");
    else if (tkh->text().trimmed().isEmpty())
        refusal = QStringLiteral("请选择客户！");
    else if (comUser->currentText() == kNewHandler || comUser->currentText().isEmpty())
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentText().isEmpty())
        refusal = QStringLiteral("请选择仓库！");
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    bool receivedOk = false;
    const Money received = Money::fromText(tssje->text().trimmed(), &receivedOk);
    if (!receivedOk) {
        msgInfo(QStringLiteral("实收金额不是有效的数字，请重新输入！"), this);
        return false;
    }

    saveChoice = 2;
    openWindow(QStringLiteral("TF_Spxs_Save"), QString(), QStringLiteral("保存提示"));
    const int choice = saveChoice;
    saveChoice = 2;
    if (choice == 0) {
        // Pending sales bills come with a later version; the bill stays on screen.
        msgInfo(notAvailableText(QStringLiteral("未审核状态")), this);
        return false;
    }
    if (choice != 1)
        return false;

    postSpxs({.djh = number(),
              .khSn = m_khSn,
              .khName = tkh->text(),
              .ckSn = comCk->currentCode(),
              .ckName = comCk->currentText(),
              .date = dateText(dateCg->date()),
              .uSn = comUser->currentCode(),
              .uName = comUser->currentText(),
              .due = Money::fromText(lysje->text()),
              .received = received,
              .mode = comJsfs->currentIndex() == 1 ? SpxsMode::RestOwed : SpxsMode::PaidOnly,
              .account = comYhzh->currentText(),
              .note = tnote->text(),
              .sn2 = tsn2->text(),
              .op = operatorName});
    m_posted = true;
    return true;
}

void TF_Spxs::afterSaved()
{
    if (m_posted && printAfterPosting())
        printSpxs(printBill(), printCopies(csDjzddysl), this);
    m_posted = false;
}

void registerSalesBill()
{
    registerForm(QStringLiteral("TF_Spxs"), F_Spxs);
    handlerCallers().add(kCallerWord, {[]() -> QComboBox* { return F_Spxs ? F_Spxs->comUser : nullptr; },
                                       QStringLiteral("u_xs")});
    remarkCallers().add(kCallerWord, [](const QString& remark) {
        if (F_Spxs)
            F_Spxs->tnote->setText(remark);
    });
}
