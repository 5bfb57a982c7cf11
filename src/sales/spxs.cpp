#include "sales/spxs.h"

#include "bills/billparts.h"
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
#include "sales/spxspending.h"
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

// The caller word of the sales window at the handler and remark pickers.
const QString kCallerWord = QStringLiteral("xs");

QString salesLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.g_jj,a.dw_name,a.gg_name,a.color_name,a.g_sccs,"
                          "a.g_kc,a.g_bz,b.ls_dj*b.ls_dzl as sj from jxc_goods a,jxc_lsxssp b where a.g_sn=b.g_sn and "
                          "b.gl_djh='%1' order by b.id")
        .arg(sqlSafe(number));
}

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

QLabel* caption(const QString& text)
{
    return new QLabel(text);
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
    gldjh = new QLabel;
    gldjh->setObjectName(QStringLiteral("gldjh"));
    gldjh->setStyleSheet(QStringLiteral("color: red;"));
    setNumberLabel(gldjh);

    tkh = nameBox(this, "tkh", 32);
    tkh->setToolTip(kPartnerHint);
    auto* btnSeleGhs = namedButton(this, "btnSeleGhs", QStringLiteral("…"));
    btnSeleGhs->setFocusPolicy(Qt::NoFocus);
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    dateCg = billDateBox();

    lFlag = caption(QStringLiteral("￥"));
    lFlag->setObjectName(QStringLiteral("lFlag"));
    lysje = new QLabel;
    lysje->setObjectName(QStringLiteral("lysje"));
    tssje = billMoneyBox("tssje");
    comJsfs = new CodeComboBox;
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", [] { openHandlerPicker(kCallerWord); }, {comJsfs});

    lbSn2 = caption(QStringLiteral("原始单号："));
    lbSn2->setObjectName(QStringLiteral("lbSn2"));
    tsn2 = nameBox(this, "tsn2", 16);
    tnote = nameBox(this, "tnote", 100);
    QWidget* noteBox = withPickerButton(tnote, "btnDjbz", [] { openRemarkPicker(kCallerWord); });

    // Money account panel.
    RzPanel_Yhzh = new AccountPanel("RzPanel_Yhzh", QStringLiteral("同时选择收款账户："));
    comYhzh = RzPanel_Yhzh->combo();

    auto* head = new QGridLayout;
    head->addWidget(numberCaption(), 0, 0);
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
    RzPanel_Kh1 = new PartnerAccountStrip("RzPanel_Kh1", {QStringLiteral("客户账目"), QStringLiteral("应收金额："),
                                                        QStringLiteral("实收金额："), QStringLiteral("未收金额：")});
    QMenu* zwMenu = RzPanel_Kh1->menu();
    addMenuItem(zwMenu, QStringLiteral("客户详细信息(&W)"), "actKhCard", this, [this] { customerCardClick(); });
    addMenuItem(zwMenu, QStringLiteral("客户往来帐务(&X)"), "actKhWlzw", this, [this] { customerAccountsClick(); });
    addMenuItem(zwMenu, QStringLiteral("销售信息查询(&Y)"), "actKhXs", this, [this] { salesQueryClick(); });
    addMenuItem(zwMenu, QStringLiteral("退货信息查询(&Z)"), "actKhTh", this, [this] { returnQueryClick(); });

    // Customer panel.
    RzPanelKh = new PartnerPanel(customerPanelConfig());
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
    RzPanel_Tm = new BarcodePanel({"RzPanel_Tm", "btnTmClose", "btnTmMenu", "actTmHide"}, openDialogAfterBarcode,
                                  [this] { tSptmEnter(); });
    tSptm = RzPanel_Tm->box();

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
    addMenuItem(PopupMenu1, QStringLiteral("增加商品(&T)"), "actAdd", this, [this] { btnAddOldClick(); });
    actModi = addMenuItem(PopupMenu1, QStringLiteral("修改商品(&U)"), "actModi", this, [this] { btnModiClick(); });
    actDel = addMenuItem(PopupMenu1, QStringLiteral("删除商品(&V)"), "actDel", this, [this] { btnDelClick(); });
    menuPrint = PopupMenu1->addMenu(QStringLiteral("打印单据(&W)"));
    addMenuItem(menuPrint, QStringLiteral("打印单据(&X)"), "actPrint2", this, [this] { printClick(); });
    addMenuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", this, [this] { previewClick(); });
    QMenu* menuHold = PopupMenu1->addMenu(QStringLiteral("单据内容暂存(&X)"));
    QAction* actHold = addMenuItem(menuHold, QStringLiteral("本单据数据暂存(挂单)(&Y)"), "actHold", this, [this] { holdClick(); });
    QAction* actUnhold = addMenuItem(menuHold, QStringLiteral("取出暂存单据(解挂)(&Z)"), "actUnhold", this, [this] { recallClick(); });
    connect(menuHold, &QMenu::aboutToShow, this, [actHold, actUnhold] {
        runGuarded([&] {
            const bool held = hasHeldSalesLines(operatorName);
            actHold->setEnabled(!held);
            actUnhold->setEnabled(held);
        });
    });
    menuKh = PopupMenu1->addMenu(QStringLiteral("客户信息(&Y)"));
    addMenuItem(menuKh, QStringLiteral("客户详细信息(&Y)"), "actKhCard2", this, [this] { customerCardClick(); });
    addMenuItem(menuKh, QStringLiteral("客户往来账务(&Z)"), "actKhWlzw2", this, [this] { customerAccountsClick(); });
    PopupMenu1->addSeparator();
    actBarcode = addMenuItem(PopupMenu1, QString(), "actBarcode", this, [this] { showBarcodePanel(!RzPanel_Tm->isVisible()); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        const bool rows = hasLines();
        for (QAction* a : {actModi, actDel, menuPrint->menuAction(), menuKh->menuAction()})
            a->setEnabled(rows);
        actBarcode->setText(RzPanel_Tm->isVisible() ? QStringLiteral("隐藏条码输入面板(&Z)")
                                                    : QStringLiteral("显示条码输入面板(&Z)"));
    });
    setGridMenu(cxGridView, PopupMenu1);

    // Buttons.
    auto* btnAddOld = namedButton(this, "btnAddOld", QStringLiteral("商品添加(F2)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrin = printMenuButton("btnPrin", this, [this] { printClick(); }, [this] { previewClick(); });
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
    onFocusIn({tssje}, [this] { RzPanel_Yhzh->setVisible(settingOn(csXjyh)); });
    onFocusIn({comCk, tkh, tnote, comUser, comJsfs, cxGridView->view()}, [this] { RzPanel_Yhzh->hide(); });
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
    fillHandlerCombo(comUser, QStringLiteral("where u_xs<>0 and u_name<>'' and u_name is not null"));
    fillJsfsCombo(comJsfs, QStringLiteral("xs"));
    comJsfs->setCurrentIndex(0);
    fillWarehouseCombo(comCk);
    comCk->setEnabled(true);
    fillAccountCombo(comYhzh);
    // Lines left under the number just drawn (an earlier run that stopped) join the new bill.
    drawNumber();
    RzPanelKh->reload();
    m_initialising = false;
    setSkipActivate(false);
}

void TF_Spxs::FormClose()
{
    // Held sales bills of every operator go when the window closes.
    dropHeldSalesLines();
    for (NamedQuery* q : {DataModule->Q_Khxx, DataModule->Q_KhxxLs, DataModule->Q_Lsxssp, DataModule->Q_GoodsPrin})
        q->close();
}

void TF_Spxs::updateBottomJe()
{
    comCk->setEnabled(!hasLines());
    lFlag->setVisible(!showLinesTotal(lysje, tssje).isEmpty());
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
    if (runGoodsPicker(QStringLiteral("spxs"), comCk->currentCodeOrEmpty(),
                       [] { openWindow(QStringLiteral("TF_Spxs_Add"), QString(), QStringLiteral("商品添加")); }))
        comUser->setFocus();
}

void TF_Spxs::holdClick()
{
    if (anyHeldSalesLines() &&
        !msgYesNo(QStringLiteral("暂存本单数据会清除上一次暂存的单据信息，确定要暂存本单据数据吗？"), this))
        return;
    holdSalesLines(number());
    // The emptied bill shows no amounts that no line stands behind.
    reopenLines();
}

void TF_Spxs::recallClick()
{
    recallSalesLines(number());
    reopenLines(true);
}

void TF_Spxs::btnModiClick()
{
    if (hasLines())
        editLine();
}

void TF_Spxs::editLine()
{
    runLineDialog(QStringLiteral("spxs"), comCk->currentCodeOrEmpty(), [] { showForm(F_Spxs_Sele); });
}

void TF_Spxs::btnDelClick()
{
    if (hasLines())
        deleteCurrentLine();
}

void TF_Spxs::tSptmEnter()
{
    enterBarcode(
        tSptm, QStringLiteral("g_sn,g_sj"),
        [](const ResultSet& goods) {
            if (csXsdj == QLatin1String("1")) {
                const QString last = getLastLsDj(goods.text(0, 0));
                if (!last.isEmpty())
                    return Money::fromText(last);
            }
            return Money::fromText(goods.text(0, 1));
        },
        RzPanel_Tm->openAfter(), [this] { editLine(); });
}

void TF_Spxs::dateCgChange()
{
    if (m_initialising)
        return;
    moveToDate(dateCg->date());
}

void TF_Spxs::handlerChanged()
{
    if (!m_initialising)
        handlerComboChanged(comUser, kCallerWord);
}

void TF_Spxs::showBarcodePanel(bool on)
{
    RzPanel_Tm->showPanel(on);
}

void TF_Spxs::customerChosen(const QString& code, const QString& name)
{
    tkh->setText(name);
    m_khSn = code;
    RzPanel_Kh1->showPartner(code, getDefaultKhSn(), getKhZw);
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
    openPartnerQuery(windowClass, caller, tkh->text().trimmed(), name);
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
    Money received;
    if (!checkHead({.noLines = QStringLiteral("单据中没有业务发生，不能保存！"),
                    .partner = tkh,
                    .noPartner = QStringLiteral("请选择客户！"),
                    .handler = comUser,
                    .warehouse = comCk,
                    .amount = tssje,
                    .badAmount = QStringLiteral("实收金额不是有效的数字，请重新输入！")},
                   &received))
        return false;

    saveChoice = 2;
    openWindow(QStringLiteral("TF_Spxs_Save"), QString(), QStringLiteral("保存提示"));
    const int choice = saveChoice;
    saveChoice = 2;
    if (choice == 0) {
        // The pending tab with its audit comes with a later version; the bill stays on screen.
        msgInfo(notAvailableText(QStringLiteral("未审核状态")), this);
        return false;
    }
    if (choice != 1)
        return false;

    const SpxsPosting bill{.djh = number(),
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
              .op = operatorName};
    postSpxs(bill);
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
