#include "sales/xsth.h"

#include "bills/billparts.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "data/billtables.h"
#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/ledger.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "masterdata/djbz.h"
#include "masterdata/spxxgl_price.h"
#include "masterdata/user2.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "sales/sales.h"
#include "sales/xsdjcx.h"
#include "sales/xsth_add.h"
#include "sales/xsth_search.h"
#include "sales/xsth_sele.h"
#include "sales/xsthposting.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Xsth* F_Xsth = nullptr;
bool xsthKeepPrepared = false;

namespace {

// The caller word of the return window at the handler and remark pickers.
const QString kCallerWord = QStringLiteral("xsth");

QString returnLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_kc,a.g_bz,a.g_bzq "
                          "from jxc_goods a,jxc_xsthsp b where a.g_sn=b.g_sn and b.gl_djh='%1' order by b.id")
        .arg(sqlSafe(number));
}

BillKind returnKind()
{
    // Lines under a freshly drawn number are strays of an unfinished return and go; returns a
    // caller prepared are kept by the activation, which then draws no number.
    return {.lines = &kCustomerReturnLines,
            .headerTable = "jxc_xsthd",
            .headerNumber = "gl_djh",
            .prefix = "XT",
            .lineQuery = DataModule->Q_Xsth,
            .lineSql = returnLinesSql,
            .keepStrayLines = false};
}

QLabel* caption(const QString& text)
{
    return new QLabel(text);
}

}  // namespace

TF_Xsth::TF_Xsth(QWidget* parent) : TF_BillWindow(returnKind(), parent)
{
    setObjectName(QStringLiteral("TF_Xsth"));
    setWindowTitle(QStringLiteral("顾客退货"));
    buildPage();
    resize(980, 640);
}

void TF_Xsth::buildPage()
{
    gldjh = new QLabel;
    gldjh->setObjectName(QStringLiteral("gldjh"));
    gldjh->setStyleSheet(QStringLiteral("color: red;"));
    setNumberLabel(gldjh);

    tkh = nameBox(this, "tkh", 32);
    tkh->setToolTip(kPartnerHint);
    btnSeleGhs = namedButton(this, "btnSeleGhs", QStringLiteral("…"));
    btnSeleGhs->setFocusPolicy(Qt::NoFocus);
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    dateCg = billDateBox();

    lFlag = caption(QStringLiteral("￥"));
    lFlag->setObjectName(QStringLiteral("lFlag"));
    lysje = new QLabel;
    lysje->setObjectName(QStringLiteral("lysje"));
    tssje = billMoneyBox("tssje");
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", [] { openHandlerPicker(kCallerWord); });
    tnote = nameBox(this, "tnote", 100);
    QWidget* noteBox = withPickerButton(tnote, "btnDjbz", [] { openRemarkPicker(kCallerWord); });

    RzPanel_Yhzh = new AccountPanel("RzPanel_Yhzh", QStringLiteral("同时选择付款账户："));
    comYhzh = RzPanel_Yhzh->combo();

    auto* head = new QGridLayout;
    head->addWidget(numberCaption(), 0, 0);
    head->addWidget(gldjh, 0, 1);
    head->addWidget(caption(QStringLiteral("客户名称：")), 1, 0);
    auto* khRow = new QHBoxLayout;
    khRow->addWidget(tkh, 1);
    khRow->addWidget(btnSeleGhs);
    head->addLayout(khRow, 1, 1);
    head->addWidget(caption(QStringLiteral("收货仓库：")), 1, 2);
    head->addWidget(comCk, 1, 3);
    head->addWidget(caption(QStringLiteral("收货日期：")), 1, 4);
    head->addWidget(dateCg, 1, 5);
    head->addWidget(caption(QStringLiteral("应收金额：")), 2, 0);
    auto* dueRow = new QHBoxLayout;
    dueRow->addWidget(lFlag);
    dueRow->addWidget(lysje, 1);
    head->addLayout(dueRow, 2, 1);
    head->addWidget(caption(QStringLiteral("实收金额：")), 2, 2);
    head->addWidget(tssje, 2, 3);
    auto* rest = caption(QStringLiteral("余款记入应收帐款"));
    rest->setStyleSheet(QStringLiteral("color: blue;"));
    head->addWidget(rest, 2, 4);
    head->addWidget(caption(QStringLiteral("经办人：")), 2, 5);
    head->addWidget(userBox, 2, 6);
    head->addWidget(caption(QStringLiteral("备         注：")), 3, 0);
    head->addWidget(noteBox, 3, 1, 1, 6);
    head->addWidget(RzPanel_Yhzh, 4, 2, 1, 3);

    // Customer account strip and its menu.
    RzPanel_Kh1 = new PartnerAccountStrip("RzPanel_Kh1", {QStringLiteral("客户账目"), QStringLiteral("应收金额："),
                                                        QStringLiteral("实收金额："), QStringLiteral("未收金额：")});
    QMenu* zwMenu = RzPanel_Kh1->menu();
    addMenuItem(zwMenu, QStringLiteral("客户详细信息(&V)"), "actKhCard", this, [this] { customerCardClick(); });
    addMenuItem(zwMenu, QStringLiteral("客户往来帐务(&W)"), "actKhWlzw", this, [this] { customerAccountsClick(); });
    addMenuItem(zwMenu, QStringLiteral("销售信息查询(&X)"), "actKhXs", this, [this] { salesQueryClick(); });
    addMenuItem(zwMenu, QStringLiteral("退货信息查询(&Y)"), "actKhTh", this, [] {});
    addMenuItem(zwMenu, QStringLiteral("客户回款明细(&Z)"), "actKhHk", this, [this] { receiptsClick(); });

    // Customer panel: one list, modify only.
    PartnerPanel::Config panel = customerPanelConfig();
    panel.recent = nullptr;
    panel.addCaption.clear();
    panel.addCopyCaption.clear();
    RzPanelKh = new PartnerPanel(panel);
    RzPanelKh->setObjectName(QStringLiteral("RzPanelKh"));
    RzPanelKh->hide();
    // F2 always opens the goods picker, also while the panel is shown.
    addKeyPanel(RzPanelKh, [this](QKeyEvent* e) { return e->key() != Qt::Key_F2 && RzPanelKh->keyPress(e); });
    connect(RzPanelKh, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { customerChosen(code, name); }); });
    connect(RzPanelKh, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] {
            openWindow(QStringLiteral("TF_Khgl_Modi"), QString(), QStringLiteral("修改客户"));
            RzPanelKh->reload();
        });
    });

    // Lines grid and its menu.
    cxGridView = new DataGrid;
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->setQuery(DataModule->Q_Xsth);
    const QString money = QStringLiteral("￥,0.00;￥-,0.00");
    cxGridView->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    cxGridView->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridView->addColumn(QStringLiteral("gg_name"), QStringLiteral("商品规格"), 120);
    cxGridView->addColumn(QStringLiteral("th_dj"), QStringLiteral("单价"), 80).setFormat(money);
    cxGridView->addColumn(QStringLiteral("th_sl"), QStringLiteral("数量"), 70).footerSum();
    cxGridView->addColumn(QStringLiteral("th_dzl"), QStringLiteral("打折率"), 60);
    cxGridView->addColumn(QStringLiteral("th_zje"), QStringLiteral("总金额"), 100).setFormat(money).footerSum(QString(), money);
    cxGridView->addColumn(QStringLiteral("id")).setHidden();
    cxGridView->addColumn(QStringLiteral("g_sn")).setHidden();
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItem(PopupMenu1, QStringLiteral("增加商品(&V)"), "actAdd", this, [this] { btnAddOldClick(); });
    QAction* actModi = addMenuItem(PopupMenu1, QStringLiteral("修改商品(&W)"), "actModi", this, [this] { btnModiClick(); });
    QAction* actDel = addMenuItem(PopupMenu1, QStringLiteral("删除商品(&X)"), "actDel", this, [this] { btnDelClick(); });
    QMenu* menuPrint = PopupMenu1->addMenu(QStringLiteral("打印单据(&Y)"));
    addMenuItem(menuPrint, QStringLiteral("打印单据(&Y)"), "actPrint2", this, [this] { printClick(); });
    addMenuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", this, [this] { previewClick(); });
    QMenu* menuKh = PopupMenu1->addMenu(QStringLiteral("客户信息(&Z)"));
    addMenuItem(menuKh, QStringLiteral("客户详细信息(&Y)"), "actKhCard2", this, [this] { customerCardClick(); });
    addMenuItem(menuKh, QStringLiteral("客户往来账务(&Z)"), "actKhWlzw2", this, [this] { customerAccountsClick(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this, actModi, actDel, menuPrint, menuKh] {
        for (QAction* a : {actModi, actDel, menuPrint->menuAction(), menuKh->menuAction()})
            a->setEnabled(hasLines());
    });
    setGridMenu(cxGridView, PopupMenu1);

    auto* btnAddOld = namedButton(this, "btnAddOld", QStringLiteral("添加商品(F2)"));
    auto* btnZdth = namedButton(this, "btnZdth", QStringLiteral("整单退货(F7)"));
    btnZdth->hide();  // the key works
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrin = printMenuButton("btnPrin", this, [this] { printClick(); }, [this] { previewClick(); });
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnCancel = namedButton(this, "btnCancel", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnAddOld, btnZdth, btnModi, btnDel, btnPrin})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    onClicked(btnAddOld, [this] { btnAddOldClick(); });
    onClicked(btnZdth, [this] { btnZdthClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(RzPanel_Kh1);
    layout->addWidget(RzPanelKh, 2);
    layout->addWidget(cxGridView, 3);
    layout->addLayout(buttons);

    onClicked(btnSeleGhs, [this] {
        RzPanel_Yhzh->hide();
        RzPanelKh->show();
        RzPanelKh->raise();
    });
    connect(comUser, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { handlerChanged(); }); });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateCgChange(); }); });
    onFocusIn({tssje}, [this] { RzPanel_Yhzh->setVisible(settingOn(csXjyh)); });
    onFocusIn({comCk, tkh, tnote, comUser, cxGridView->view()}, [this] { RzPanel_Yhzh->hide(); });
}

void TF_Xsth::fillCombos()
{
    fillHandlerCombo(comUser, QStringLiteral("where u_xs<>0 and u_name<>'' and u_name is not null"));
    fillWarehouseCombo(comCk);
    fillAccountCombo(comYhzh);
}

void TF_Xsth::resetBill()
{
    m_initialising = true;
    const bool prepared = !djhParam.isEmpty() || xsthKeepPrepared;
    xsthKeepPrepared = false;
    if (!prepared) {
        startFresh();
    } else {
        // A return a caller prepared keeps its number, header, lines and amounts.
        if (!djhParam.isEmpty())
            m_khSn = curKhSn;
        m_keepAmounts = !djhParam.isEmpty();
        reopenLines();
        m_keepAmounts = false;
    }
    dateCg->setDate(Clock::today());
    RzPanelKh->reload();
    m_initialising = false;
    setSkipActivate(false);
}

void TF_Xsth::startFresh()
{
    RzPanelKh->hide();
    RzPanel_Yhzh->hide();
    RzPanel_Kh1->hide();
    m_khSn = getDefaultKhSn();
    tkh->setText(getDefaultKhName());
    tnote->clear();
    fillCombos();
    drawNumber();
    lysje->setText(QStringLiteral("0"));
    tssje->setText(QStringLiteral("0"));
}

void TF_Xsth::newNumberForCopy()
{
    m_initialising = true;
    startFresh();
    m_initialising = false;
}

QString TF_Xsth::takeWholeSale(const QString& djh)
{
    const SaleCopy copy = copyWholeSale(djh, number());
    if (!copy.header)
        return copy.refusal;
    m_initialising = true;
    fillCombos();
    const SaleHeader& sale = *copy.header;
    tkh->setText(sale.khName);
    m_khSn = sale.khSn;
    curKhSn = sale.khSn;
    comCk->selectText(sale.ckName);
    if (!comUser->selectText(sale.uName))
        comUser->setCurrentIndex(-1);
    tnote->setText(sale.note);
    m_keepAmounts = true;
    reopenLines();
    m_keepAmounts = false;
    lysje->setText(sale.due.toText());
    tssje->setText(sale.received.toText());
    djhParam = djh;
    m_initialising = false;
    return {};
}

void TF_Xsth::takeSaleLine(qint64 lineId)
{
    copySaleLine(lineId, number());
    reopenLines(true);
}

void TF_Xsth::updateBottomJe()
{
    const bool lines = hasLines();
    comCk->setEnabled(!lines);
    tkh->setEnabled(!lines);
    btnSeleGhs->setVisible(!lines);
    if (m_keepAmounts) {
        lFlag->setVisible(lines);
        return;
    }
    lFlag->setVisible(!showLinesTotal(lysje, tssje).isEmpty() && lines);
}

void TF_Xsth::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrin->setVisible(lines);
}

bool TF_Xsth::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        btnAddOldClick();
        return true;
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_F7:
        btnZdthClick();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

bool TF_Xsth::FormCloseQuery()
{
    if (!TF_BillWindow::FormCloseQuery())
        return false;
    djhParam.clear();
    return true;
}

void TF_Xsth::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Khxx, DataModule->Q_Xsth, DataModule->Q_GoodsPrin})
        q->close();
}

void TF_Xsth::btnAddOldClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    if (tkh->text().trimmed().isEmpty()) {
        msgInfo(QStringLiteral("请选择客户！"), this);
        return;
    }
    curKhSn = m_khSn;
    if (runGoodsPicker(QStringLiteral("xsth"), comCk->currentCodeOrEmpty(), [] { showForm(F_Xsth_Add); }))
        comUser->setFocus();
}

void TF_Xsth::btnZdthClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    if (hasLines()) {
        msgInfo(QStringLiteral("请先保存本次的退货单据！"), this);
        return;
    }
    if (tkh->text().trimmed().isEmpty()) {
        msgInfo(QStringLiteral("请选择客户！"), this);
        return;
    }
    if (F_Xsdjcx && F_Xsdjcx->isVisible()) {
        msgInfo(QStringLiteral("“销售单据查询”已经打开，请先关闭“顾客退货”窗口再选择退货单据！"), this);
        return;
    }
    modeFlag = QStringLiteral("xsth");
    showForm(F_Xsdjcx);
    modeFlag.clear();
}

void TF_Xsth::btnModiClick()
{
    if (hasLines())
        runLineDialog(QStringLiteral("xsth"), comCk->currentCodeOrEmpty(), [] { showForm(F_Xsth_Sele); });
}

void TF_Xsth::btnDelClick()
{
    if (hasLines())
        deleteCurrentLine();
}

void TF_Xsth::dateCgChange()
{
    if (!m_initialising)
        moveToDate(dateCg->date());
}

void TF_Xsth::handlerChanged()
{
    if (!m_initialising)
        handlerComboChanged(comUser, kCallerWord);
}

void TF_Xsth::customerChosen(const QString& code, const QString& name)
{
    tkh->setText(name);
    m_khSn = code;
    RzPanel_Kh1->showPartner(code, getDefaultKhSn(), getKhZw);
}

void TF_Xsth::customerCardClick()
{
    partyType = QStringLiteral("kh");
    curKhSn = m_khSn;
    openWindow(QStringLiteral("TF_Cgth_Ghs"), QString(), QStringLiteral("客户详细信息"));
    partyType.clear();
}

void TF_Xsth::openCustomerQuery(const QString& windowClass, const QString& caller, const QString& name,
                                const QString* mode)
{
    openPartnerQuery(windowClass, caller, tkh->text().trimmed(), name, mode);
    openKhList();
    RzPanelKh->reload();
}

void TF_Xsth::customerAccountsClick()
{
    const QString mode = QStringLiteral("xsth");
    openCustomerQuery(QStringLiteral("TF_WlzwKh"), QStringLiteral("spxs1"), QStringLiteral("客户往来帐务"), &mode);
}

void TF_Xsth::salesQueryClick()
{
    const QString mode = QStringLiteral("xsth");
    openCustomerQuery(QStringLiteral("TF_Xsdjcx"), QStringLiteral("spxs"), QStringLiteral("销售信息查询"), &mode);
}

void TF_Xsth::receiptsClick()
{
    // The customer account window reads the customer of its receipts list from curKhSn.
    curKhSn = m_khSn;
    openCustomerQuery(QStringLiteral("TF_WlzwKh"), QStringLiteral("spxs5"), QStringLiteral("客户回款明细"), nullptr);
}

SpxsPrintBill TF_Xsth::printBill() const
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

void TF_Xsth::printClick()
{
    if (hasLines() && ::printBill(xsthPrint(printBill()), 1, this))
        setSkipActivate(true);
    showLineButtons(hasLines());
}

void TF_Xsth::previewClick()
{
    if (hasLines())
        printGoodsDetail(xsthPrint(printBill()), this);
}

void TF_Xsth::btnOKClick()
{
    runSave();
}

bool TF_Xsth::saveBill()
{
    m_posted = false;
    if (tkh->text().trimmed().isEmpty()) {
        msgInfo(QStringLiteral("请选择客户！"), this);
        return false;
    }
    if (comUser->currentText().isEmpty() || comUser->currentText() == QString::fromUtf16(kNewHandlerItem) ||
        comUser->currentCodeOrEmpty().isEmpty()) {
        msgInfo(QStringLiteral("请选择经办人！"), this);
        return false;
    }
    if (comCk->currentText().isEmpty()) {
        msgInfo(QStringLiteral("请选择仓库！"), this);
        return false;
    }
    if (!hasLines()) {
        msgInfo(QStringLiteral("单据中没有发生业务，不能保存！"), this);
        return false;
    }
    if (!msgYesNo(QStringLiteral("单据保存后不能再修改，是否确认保存？\r\n\r\n管理员可以在往来账目中整单删除错误的单据！"), this))
        return false;

    postXsth({.djh = number(),
              .khSn = m_khSn,
              .khName = tkh->text(),
              .ckSn = comCk->currentCode(),
              .ckName = comCk->currentText(),
              .date = dateText(dateCg->date()),
              .uSn = comUser->currentCode(),
              .uName = comUser->currentText(),
              .due = Money::fromText(lysje->text()),
              .refund = Money::fromText(tssje->text().trimmed()),
              .account = comYhzh->currentText(),
              .note = tnote->text(),
              .op = operatorName,
              .sale = djhParam});
    djhParam.clear();
    m_posted = true;
    return true;
}

void TF_Xsth::afterSaved()
{
    if (m_posted && printAfterPosting())
        ::printBill(xsthPrint(printBill()), printCopies(csDjzddysl), this);
    m_posted = false;
}

void registerCustomerReturn()
{
    registerForm(QStringLiteral("TF_Xsth"), F_Xsth);
    registerForm(QStringLiteral("TF_Xsth_Add"), F_Xsth_Add);
    registerForm(QStringLiteral("TF_Xsth_Sele"), F_Xsth_Sele);
    registerForm(QStringLiteral("TF_Xsdjcx"), F_Xsdjcx);
    registerForm(QStringLiteral("TF_Xsth_Search"), F_Xsth_Search);
    registerForm(QStringLiteral("TF_Xsth_Search_KhSele"), F_Xsth_Search_KhSele);
    handlerCallers().add(kCallerWord, {[]() -> QComboBox* { return F_Xsth ? F_Xsth->comUser : nullptr; },
                                       QStringLiteral("u_xs")});
    remarkCallers().add(kCallerWord, [](const QString& remark) {
        if (F_Xsth)
            F_Xsth->tnote->setText(remark);
    });
    priceCallers().add(QStringLiteral("xsth_sele"),
                       {[] { return curGoodsSn; },
                        []() -> QLineEdit* { return F_Xsth_Sele ? F_Xsth_Sele->priceBox() : nullptr; }});
}
