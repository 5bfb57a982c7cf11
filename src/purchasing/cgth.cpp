#include "purchasing/cgth.h"

#include "bills/billparts.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
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
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "purchasing/cgth_add.h"
#include "purchasing/cgth_ghs.h"
#include "purchasing/cgth_sele.h"
#include "purchasing/cgth_zdth.h"
#include "purchasing/cgthposting.h"
#include "purchasing/cgthquery.h"
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

TF_Cgth* F_Cgth = nullptr;

namespace {

// The caller word of the return window at the handler and remark pickers.
const QString kCallerWord = QStringLiteral("th");

QString returnLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_kc,"
                          "a.g_bz from jxc_goods a,jxc_thsp b where a.g_sn=b.g_sn and "
                          "b.gl_djh='%1' order by b.id")
        .arg(sqlSafe(number));
}

BillKind returnKind()
{
    return {.lines = &kReturnLines,
            .headerTable = "jxc_thd",
            .headerNumber = "gl_djh",
            .prefix = "CT",
            .lineQuery = DataModule->Q_Thsp,
            .lineSql = returnLinesSql,
            .discountGoods = "00000000",
            .keepStrayLines = true};
}

}  // namespace

TF_Cgth::TF_Cgth(QWidget* parent) : TF_BillWindow(returnKind(), parent)
{
    setObjectName(QStringLiteral("TF_Cgth"));
    setWindowTitle(QStringLiteral("采购退货"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    buildEntryPage(page);
    PageControl1->addTab(page, QStringLiteral("采购退货"));
    m_query = new CgthQueryPage;
    m_query->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(m_query, QStringLiteral("退货查询"));
    connect(m_query, &CgthQueryPage::closeRequested, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    resize(980, 640);
}

void TF_Cgth::buildEntryPage(QWidget* page)
{
    jsn = new QLabel;
    jsn->setObjectName(QStringLiteral("jsn"));
    setNumberLabel(jsn);

    tghs = nameBox(this, "tghs", 32);
    tghs->setToolTip(kPartnerHint);
    installKeyFilter(tghs);
    btnSeleGhs = namedButton(this, "btnSeleGhs", QStringLiteral("…"));
    btnSeleGhs->setFocusPolicy(Qt::NoFocus);
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    dateCg = billDateBox();

    lbRmb = new QLabel(QStringLiteral("￥"));
    lbRmb->setObjectName(QStringLiteral("lbRmb"));
    yfje = new QLabel;
    yfje->setObjectName(QStringLiteral("yfje"));
    tsfje = billMoneyBox("tsfje");
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", [] { openHandlerPicker(kCallerWord); });
    tnote = nameBox(this, "tnote", 100);
    installKeyFilter(tnote);
    QWidget* noteBox = withPickerButton(tnote, "btnNote", [] { openRemarkPicker(kCallerWord); });

    panelYhzh = new AccountPanel("panelYhzh", QStringLiteral("同时选择收款账户："));
    comYhzh = panelYhzh->combo();

    auto* head = new QGridLayout;
    head->addWidget(numberCaption(), 0, 0);
    head->addWidget(jsn, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("供货商：")), 1, 0);
    auto* ghsRow = new QHBoxLayout;
    ghsRow->addWidget(tghs, 1);
    ghsRow->addWidget(btnSeleGhs);
    head->addLayout(ghsRow, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("收货仓库：")), 1, 2);
    head->addWidget(comCk, 1, 3);
    head->addWidget(new QLabel(QStringLiteral("收货日期：")), 1, 4);
    head->addWidget(dateCg, 1, 5);
    head->addWidget(new QLabel(QStringLiteral("应收金额：")), 2, 0);
    auto* yfRow = new QHBoxLayout;
    yfRow->addWidget(lbRmb);
    yfRow->addWidget(yfje, 1);
    head->addLayout(yfRow, 2, 1);
    head->addWidget(new QLabel(QStringLiteral("实收金额：")), 2, 2);
    head->addWidget(tsfje, 2, 3);
    head->addWidget(new QLabel(QStringLiteral("余款记入应付帐款")), 2, 4);
    head->addWidget(new QLabel(QStringLiteral("经办人：")), 2, 5);
    head->addWidget(userBox, 2, 6);
    head->addWidget(new QLabel(QStringLiteral("备         注：")), 3, 0);
    head->addWidget(noteBox, 3, 1, 1, 6);
    head->addWidget(panelYhzh, 4, 2, 1, 3);

    // Supplier account strip and its menu.
    panelZw = new PartnerAccountStrip("panelZw", {QStringLiteral("供货商账目"), QStringLiteral("应付金额："),
                                                  QStringLiteral("实付金额："), QStringLiteral("未付金额：")});
    QMenu* zwMenu = panelZw->menu();
    addMenuItem(zwMenu, QStringLiteral("供货商详细信息(&V)"), "actGhsCard", this, [this] { supplierCardClick(); });
    addMenuItem(zwMenu, QStringLiteral("供货商往来帐务(&W)"), "actGhsWlzw", this, [this] { supplierAccountsClick(); });
    addMenuItem(zwMenu, QStringLiteral("进货信息查询(&X)"), "actGhsJh", this, [this] { receiptQueryClick(); });
    addMenuItem(zwMenu, QStringLiteral("退货信息查询(&Y)"), "actGhsTh", this, [this] { returnQueryClick(); });
    addMenuItem(zwMenu, QStringLiteral("我方付款明细(&Z)"), "actGhsFk", this, [this] { paymentsClick(); });

    // Supplier search panel: one list, no add.
    panelGhs = new PartnerPanel(supplierPanelConfig(/*full=*/false));
    panelGhs->setObjectName(QStringLiteral("panelGhs"));
    panelGhs->hide();
    installKeyFilter(panelGhs->tkey);
    // F2 runs the return query on either page, also while the panel is shown.
    addKeyPanel(panelGhs, [this](QKeyEvent* e) { return e->key() != Qt::Key_F2 && panelGhs->keyPress(e); });
    connect(panelGhs, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { supplierChosen(code, name); }); });
    connect(panelGhs, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] {
            openWindow(QStringLiteral("TF_Ghsgl_Modi"), QString(), QStringLiteral("修改供货商"));
            panelGhs->reload();
        });
    });

    // Line grid and its menu.
    DBGrid1 = new DataGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Thsp);
    const QString money = QStringLiteral("￥,0.00;￥-,0.00");
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    DBGrid1->addColumn(QStringLiteral("th_dj"), QStringLiteral("单价"), 80).setFormat(money);
    DBGrid1->addColumn(QStringLiteral("th_sl"), QStringLiteral("数量"), 70).footerSum();
    DBGrid1->addColumn(QStringLiteral("th_zje"), QStringLiteral("总金额"), 100).setFormat(money).footerSum(QString(), money);
    DBGrid1->addColumn(QStringLiteral("id")).setHidden();
    DBGrid1->addColumn(QStringLiteral("g_sn")).setHidden();
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItem(PopupMenu1, QStringLiteral("增加商品(&V)"), "actAdd", this, [this] { btnAddClick(); });
    QAction* actModi = addMenuItem(PopupMenu1, QStringLiteral("修改商品(&W)"), "actModi", this, [this] { btnModiClick(); });
    QAction* actDel = addMenuItem(PopupMenu1, QStringLiteral("删除商品(&X)"), "actDel", this, [this] { btnDelClick(); });
    QMenu* menuPrint = PopupMenu1->addMenu(QStringLiteral("打印单据(&Y)"));
    addMenuItem(menuPrint, QStringLiteral("打印单据(&Y)"), "actPrint2", this, [this] { printClick(); });
    addMenuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", this, [this] { previewClick(); });
    QMenu* menuGhs = PopupMenu1->addMenu(QStringLiteral("供货商信息(&Z)"));
    addMenuItem(menuGhs, QStringLiteral("供货商详细信息(&Y)"), "actGhsCard2", this, [this] { supplierCardClick(); });
    addMenuItem(menuGhs, QStringLiteral("供货商往来账务(&Z)"), "actGhsWlzw2", this, [this] { supplierAccountsClick(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this, actModi, actDel, menuPrint, menuGhs] {
        for (QAction* a : {actModi, actDel, menuPrint->menuAction(), menuGhs->menuAction()})
            a->setEnabled(hasLines());
    });
    setGridMenu(DBGrid1, PopupMenu1);

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
    pageLayout->addWidget(panelZw);
    pageLayout->addWidget(panelGhs, 2);
    pageLayout->addWidget(DBGrid1, 3);
    pageLayout->addLayout(buttons);

    connect(tghs, &QLineEdit::textEdited, this, [this](const QString& text) { panelGhs->showFiltered(text); });
    onClicked(btnSeleGhs, [this] {
        panelYhzh->hide();
        panelGhs->show();
        panelGhs->raise();
    });
    connect(comUser, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { handlerChanged(); }); });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateCgChange(); }); });
    onFocusIn({tsfje}, [this] {
        if (settingOn(csXjyh))
            panelYhzh->show();
    });
    onFocusIn({comCk, tghs, tnote, comUser, dateCg}, [this] { panelYhzh->hide(); });
}

void TF_Cgth::resetBill()
{
    m_initialising = true;
    PageControl1->setTabVisible(1, false);
    if (djhParam.isEmpty()) {
        panelGhs->hide();
        panelYhzh->hide();
        panelZw->hide();
        curGhsSn = getDefaultGhsSn();
        tghs->setText(getDefaultGhsName());
        tnote->clear();
        fillHandlerCombo(comUser, QStringLiteral("where u_cg<>0 and u_name<>'' and u_name is not null"));
        fillWarehouseCombo(comCk);
        drawNumber();
    } else {
        // A bill filled by a caller keeps its header and amounts.
        m_keepAmounts = true;
        reopenLines();
        m_keepAmounts = false;
    }
    // Received money always moves an account, also for a bill a caller filled.
    fillAccountCombo(comYhzh);
    PageControl1->setCurrentIndex(0);
    dateCg->setDate(Clock::today());
    panelGhs->reload();
    m_query->clearFilters();
    m_initialising = false;
}

void TF_Cgth::newNumberForCopy()
{
    drawNumber();
}

void TF_Cgth::takeReceipt(const ReceiptHeader& receipt, bool receiptAmounts, bool refillCombos)
{
    m_initialising = true;
    if (refillCombos) {
        fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString::fromUtf16(kNewHandlerItem),
                           QStringLiteral("where u_name<>'' and u_name is not null"), QStringLiteral("id"),
                           QStringLiteral("u_sn"));
        fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                      QStringLiteral("ck_sn"));
    }
    tnote->setText(receipt.note);
    tghs->setText(receipt.ghsName);
    curGhsSn = receipt.ghsSn;
    comCk->selectText(receipt.ckName);
    if (!comUser->selectText(receipt.uName))
        comUser->setCurrentIndex(-1);
    m_keepAmounts = receiptAmounts;
    reopenLines();
    m_keepAmounts = false;
    if (receiptAmounts) {
        yfje->setText(receipt.payable.toText());
        tsfje->setText(receipt.paid.toText());
    }
    m_initialising = false;
}

void TF_Cgth::updateBottomJe()
{
    const bool lines = hasLines();
    comCk->setEnabled(!lines);
    tghs->setEnabled(!lines);
    btnSeleGhs->setVisible(!lines);
    lbRmb->setVisible(lines);
    if (m_keepAmounts)
        return;
    showLinesTotal(yfje, tsfje);
}

void TF_Cgth::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrint->setVisible(lines);
}

bool TF_Cgth::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        m_query->runQuery();
        return true;
    case Qt::Key_F5:
        if (PageControl1->currentIndex() == 0)
            btnOKClick();
        return true;
    case Qt::Key_F9:
        openWindow(QStringLiteral("TF_Ghsgl_Modi"), QString(), QStringLiteral("修改供货商"));
        panelGhs->reload();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

bool TF_Cgth::FormCloseQuery()
{
    if (!TF_BillWindow::FormCloseQuery())
        return false;
    djhParam.clear();
    return true;
}

void TF_Cgth::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Ghsxx, DataModule->Q_Thsp, DataModule->Q_GoodsPrin})
        q->close();
    m_query->closeQueries();
}

void TF_Cgth::btnAddClick()
{
    if (tghs->text().trimmed().isEmpty()) {
        msgInfo(QStringLiteral("请选择供货商！"), this);
        return;
    }
    runGoodsPicker(QStringLiteral("cgth"), comCk->currentCodeOrEmpty(), [] { showForm(F_Cgth_Add); });
}

void TF_Cgth::btnModiClick()
{
    if (!hasLines())
        return;
    runLineDialog(QStringLiteral("cgth"), comCk->currentCodeOrEmpty(), [] { showForm(F_Cgth_Sele); });
}

void TF_Cgth::btnDelClick()
{
    deleteCurrentLine();
}

void TF_Cgth::dateCgChange()
{
    if (!m_initialising)
        moveToDate(dateCg->date());
}

void TF_Cgth::handlerChanged()
{
    if (!m_initialising)
        handlerComboChanged(comUser, kCallerWord);
}

void TF_Cgth::supplierChosen(const QString& code, const QString& name)
{
    tghs->setText(name);
    curGhsSn = code;
    panelZw->showPartner(code, getDefaultGhsSn(), getGhsZw);
}

void TF_Cgth::supplierCardClick()
{
    partyType = QStringLiteral("ghs");
    showForm(F_Cgth_Ghs);
    partyType.clear();
}

void TF_Cgth::openSupplierQuery(const QString& windowClass, const QString& caller, const QString& mode,
                                const QString& name)
{
    openPartnerQuery(windowClass, caller, tghs->text().trimmed(), name, &mode);
    panelGhs->reload();
}

void TF_Cgth::supplierAccountsClick()
{
    openSupplierQuery(QStringLiteral("TF_WlzwGhs"), QStringLiteral("cgjh1"), QStringLiteral("cgth"),
                      QStringLiteral("供货商往来帐务"));
    reopenLines();
}

void TF_Cgth::receiptQueryClick()
{
    openSupplierQuery(QStringLiteral("TF_Cgth_Zdth"), QStringLiteral("cgjh"), QStringLiteral("cgth"),
                      QStringLiteral("进货信息查询"));
}

void TF_Cgth::paymentsClick()
{
    openSupplierQuery(QStringLiteral("TF_WlzwGhs"), QStringLiteral("cgjh5"), QString(), QStringLiteral("我方付款明细"));
}

void TF_Cgth::returnQueryClick()
{
    PageControl1->setTabVisible(1, true);
    PageControl1->setCurrentIndex(1);
    m_query->searchFor(tghs->text().trimmed());
}

CgthPrintBill TF_Cgth::printBill() const
{
    return {.djh = number(),
            .ghsSn = curGhsSn,
            .ghsName = tghs->text(),
            .ckName = comCk->currentText(),
            .date = dateText(dateCg->date()),
            .note = tnote->text(),
            .uName = comUser->currentText(),
            .due = yfje->text(),
            .received = Money::fromText(tsfje->text().trimmed())};
}

void TF_Cgth::printClick()
{
    if (hasLines() && ::printBill(cgthPrint(printBill()), 1, this))
        setSkipActivate(true);
}

void TF_Cgth::previewClick()
{
    if (hasLines())
        printGoodsDetail(cgthPrint(printBill()), this);
}

void TF_Cgth::btnOKClick()
{
    runSave();
}

bool TF_Cgth::saveBill()
{
    Money received;
    if (!checkHead({.noLines = QStringLiteral("没有可保存的商品！"),
                    .partner = tghs,
                    .noPartner = QStringLiteral("请选择供货商！"),
                    .handler = comUser,
                    .warehouse = comCk,
                    .amount = tsfje,
                    .badAmount = QStringLiteral("实收金额不是有效的数字，请重新输入！")},
                   &received))
        return false;
    const QString missing = firstGoodsWithoutStock(number(), comCk->currentCode());
    if (!missing.isEmpty() &&
        !msgYesNo(QStringLiteral("当前仓库中商品‘") + missing + QStringLiteral("’不存在，\r\n\r\n退货将会出现负库存，是否继续？"),
                  this))
        return false;
    if (!msgYesNo(QStringLiteral("单据保存后不能再修改，是否确认保存？\r\n\r\n管理员可以在往来账目中整单删除错误的单据！"), this))
        return false;

    postCgth({.djh = number(),
              .ghsSn = curGhsSn,
              .ghsName = tghs->text(),
              .ckSn = comCk->currentCode(),
              .ckName = comCk->currentText(),
              .date = dateText(dateCg->date()),
              .uSn = comUser->currentCode(),
              .uName = comUser->currentText(),
              .due = Money::fromText(yfje->text()),
              .received = received,
              .account = comYhzh->currentText(),
              .note = tnote->text(),
              .op = operatorName,
              .receipt = djhParam});
    djhParam.clear();
    return true;
}

void registerPurchasingReturn()
{
    registerForm(QStringLiteral("TF_Cgth"), F_Cgth);
    registerForm(QStringLiteral("TF_Cgth_Add"), F_Cgth_Add);
    registerForm(QStringLiteral("TF_Cgth_Sele"), F_Cgth_Sele);
    registerForm(QStringLiteral("TF_Cgth_Ghs"), F_Cgth_Ghs);
    registerForm(QStringLiteral("TF_Cgth_Zdth"), F_Cgth_Zdth);
    handlerCallers().add(kCallerWord, {[]() -> QComboBox* { return F_Cgth ? F_Cgth->comUser : nullptr; },
                                       QStringLiteral("u_cg")});
    remarkCallers().add(kCallerWord, [](const QString& remark) {
        if (F_Cgth)
            F_Cgth->tnote->setText(remark);
    });
}
