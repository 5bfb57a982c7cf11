#include "sales/xshh.h"

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
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "sales/sales.h"
#include "sales/spxsposting.h"
#include "sales/xshh_add.h"
#include "sales/xshh_add2.h"
#include "sales/xshh_sele.h"
#include "sales/xshhprint.h"
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
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Xshh* F_Xshh = nullptr;

namespace {

// The caller word of the exchange window at the handler and remark pickers.
const QString kCallerWord = QStringLiteral("xshh");

QString exchangeLinesSql(const QString& number)
{
    return QStringLiteral("select b.*,a.g_name,a.g_jm,a.g_jj,a.dw_name,a.gg_name,a.color_name,a.g_sccs,"
                          "a.g_kc,a.g_bz,b.ls_dj*b.ls_dzl as sj from jxc_goods a,jxc_lsxssp b where a.g_sn=b.g_sn and "
                          "b.gl_djh='%1' order by b.id")
        .arg(sqlSafe(number));
}

BillKind exchangeKind()
{
    // The sequence of sales bills; lines left under the number drawn join the new bill.
    return {.lines = &kSalesLines,
            .headerTable = "jxc_lsxsd",
            .headerNumber = "gl_djh",
            .prefix = "XS",
            .lineQuery = DataModule->Q_Lsxssp,
            .lineSql = exchangeLinesSql,
            .keepStrayLines = true};
}

QLabel* caption(const QString& text)
{
    return new QLabel(text);
}

}  // namespace

TF_Xshh::TF_Xshh(QWidget* parent) : TF_BillWindow(exchangeKind(), parent)
{
    setObjectName(QStringLiteral("TF_Xshh"));
    setWindowTitle(QStringLiteral("换货销售"));
    buildPage();
    resize(1000, 660);
}

void TF_Xshh::buildPage()
{
    auto* heading = caption(QStringLiteral("销售换货"));
    heading->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));
    auto* btnTip = namedButton(this, "btnTip", QStringLiteral("?"));
    btnTip->setFocusPolicy(Qt::NoFocus);
    RzPanel_Tip = new QFrame;
    RzPanel_Tip->setObjectName(QStringLiteral("RzPanel_Tip"));
    RzPanel_Tip->setFrameShape(QFrame::StyledPanel);
    auto* tipLayout = new QVBoxLayout(RzPanel_Tip);
    for (const char* line : {"您可在一个界面下完成同种或异种商品的换货功能，先后添加", "退回商品和换出商品，系统将自动计算最终结算金额，这个功",
                             "能只用在同时有退回有换出销售操作的情况。"})
        tipLayout->addWidget(caption(QString::fromUtf8(line)));
    auto* btnTipClose = namedButton(this, "btnTipClose", QStringLiteral("关闭"));
    tipLayout->addWidget(btnTipClose, 0, Qt::AlignRight);
    RzPanel_Tip->hide();
    onClicked(btnTip, [this] { RzPanel_Tip->show(); });
    onClicked(btnTipClose, [this] { RzPanel_Tip->hide(); });

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
    tssje->setMaxLength(10);
    comJsfs = new CodeComboBox;
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    QWidget* userBox = withPickerButton(comUser, "btnUser", [] { openHandlerPicker(kCallerWord); }, {comJsfs});
    lbSn2 = caption(QStringLiteral("原始单号："));
    tsn2 = nameBox(this, "tsn2", 16);
    tnote = nameBox(this, "tnote", 100);
    QWidget* noteBox = withPickerButton(tnote, "btnDjbz", [] { openRemarkPicker(kCallerWord); });

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
    head->addWidget(caption(QStringLiteral("应收金额：")), 2, 0);
    auto* dueRow = new QHBoxLayout;
    dueRow->addWidget(lFlag);
    dueRow->addWidget(lysje, 1);
    head->addLayout(dueRow, 2, 1);
    head->addWidget(caption(QStringLiteral("实收金额：")), 2, 2);
    head->addWidget(tssje, 2, 3);
    head->addWidget(comJsfs, 2, 4);
    head->addWidget(caption(QStringLiteral("经办人：")), 2, 5);
    head->addWidget(userBox, 2, 6);
    head->addWidget(lbSn2, 3, 0);
    head->addWidget(tsn2, 3, 1);
    head->addWidget(caption(QStringLiteral("备注：")), 3, 2);
    head->addWidget(noteBox, 3, 3, 1, 4);
    head->addWidget(RzPanel_Yhzh, 4, 2, 1, 3);

    // Customer account strip and its menu.
    RzPanel_Kh1 = new PartnerAccountStrip("RzPanel_Kh1", {QStringLiteral("客户账目"), QStringLiteral("应收金额："),
                                                        QStringLiteral("实收金额："), QStringLiteral("未收金额：")});
    QMenu* zwMenu = RzPanel_Kh1->menu();
    addMenuItem(zwMenu, QStringLiteral("客户详细信息(&V)"), "actKhCard", this, [this] { customerCardClick(); });
    addMenuItem(zwMenu, QStringLiteral("客户往来帐务(&W)"), "actKhWlzw", this, [this] { customerAccountsClick(); });
    addMenuItem(zwMenu, QStringLiteral("销售信息查询(&X)"), "actKhXs", this, [this] { salesQueryClick(); });
    addMenuItem(zwMenu, QStringLiteral("退货信息查询(&Y)"), "actKhTh", this, [this] { returnQueryClick(); });
    addMenuItem(zwMenu, QStringLiteral("客户回款明细(&Z)"), "actKhHk", this, [this] { receiptsClick(); });

    // Customer panel.
    RzPanelKh = new PartnerPanel(customerPanelConfig());
    RzPanelKh->setObjectName(QStringLiteral("RzPanelKh"));
    RzPanelKh->hide();
    addKeyPanel(RzPanelKh, [this](QKeyEvent* e) { return RzPanelKh->keyPress(e); });
    connect(RzPanelKh, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { customerChosen(code, name); }); });
    connect(RzPanelKh, &PartnerPanel::addRequested, this, [this] { runGuarded([this] { addCustomerClick(); }); });
    connect(RzPanelKh, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] {
            openWindow(QStringLiteral("TF_Khgl_Modi"), QString(), QStringLiteral("修改客户"));
            RzPanelKh->reload();
        });
    });
    connect(RzPanelKh, &PartnerPanel::copyRequested, this, [this] {
        runGuarded([this] {
            openWindow(QStringLiteral("TF_Khgl_Copy"), QString(), QStringLiteral("从供货商资料中复制"));
            RzPanelKh->reload();
        });
    });

    // Lines grid and its menu.
    cxGridView = new DataGrid;
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->setQuery(DataModule->Q_Lsxssp);
    const QString money = QStringLiteral("￥,0.00;￥-,0.00");
    cxGridView->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    cxGridView->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridView->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 110);
    cxGridView->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    cxGridView->addColumn(QStringLiteral("ls_dj"), QStringLiteral("单价"), 80).setFormat(money);
    cxGridView->addColumn(QStringLiteral("ls_dzl"), QStringLiteral("折扣"), 50).setFormat(QStringLiteral("0.00"));
    cxGridView->addColumn(QStringLiteral("sj"), QStringLiteral("折后价"), 80).setFormat(money);
    cxGridView->addColumn(QStringLiteral("ls_sl"), QStringLiteral("数量"), 70).footerSum();
    cxGridView->addColumn(QStringLiteral("ls_zje"), QStringLiteral("总金额"), 100).setFormat(money).footerSum(QString(), money);
    cxGridView->addColumn(QStringLiteral("id")).setHidden();
    cxGridView->addColumn(QStringLiteral("g_sn")).setHidden();
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItem(PopupMenu1, QStringLiteral("增加商品(&V)"), "actAdd", this, [this] { btnBackClick(); });
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

    auto* btnBack = namedButton(this, "btnAddOld", QStringLiteral("退回商品(F2)"));
    auto* btnOut = namedButton(this, "btnAddOut", QStringLiteral("换出商品(F9)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrin = printMenuButton("btnPrin", this, [this] { printClick(); }, [this] { previewClick(); });
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnCancel = namedButton(this, "btnCancel", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnBack, btnOut, btnModi, btnDel, btnPrin})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    onClicked(btnBack, [this] { btnBackClick(); });
    onClicked(btnOut, [this] { btnOutClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });

    auto* top = new QHBoxLayout;
    top->addWidget(heading);
    top->addStretch(1);
    top->addWidget(btnTip);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(RzPanel_Tip);
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
    onFocusIn({comCk, tkh, tnote, comUser, comJsfs, dateCg, cxGridView->view()}, [this] { RzPanel_Yhzh->hide(); });
}

void TF_Xshh::resetBill()
{
    m_initialising = true;
    RzPanelKh->hide();
    RzPanel_Yhzh->hide();
    const bool sn2 = settingOn(csYsdh);
    lbSn2->setVisible(sn2);
    tsn2->setVisible(sn2);
    detailTable.clear();
    choiceParam.clear();
    showLineButtons(false);
    m_khSn = getDefaultKhSn();
    tkh->setText(getDefaultKhName());
    RzPanel_Kh1->hide();
    tnote->clear();
    tsn2->clear();
    lFlag->hide();
    comCk->setEnabled(true);
    dateCg->setDate(Clock::today());
    fillHandlerCombo(comUser, QStringLiteral("where u_xs<>0 and u_name<>'' and u_name is not null"));
    fillJsfsCombo(comJsfs, QStringLiteral("xs"));
    comJsfs->setCurrentIndex(0);
    fillWarehouseCombo(comCk);
    fillAccountCombo(comYhzh);
    // Lines left under the number just drawn join the bill, and its amounts are reckoned from
    // them, so that they never post with no money.
    drawNumber();
    RzPanelKh->reload();
    m_initialising = false;
    setSkipActivate(false);
}

void TF_Xshh::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Khxx, DataModule->Q_Lsxssp, DataModule->Q_GoodsPrin})
        q->close();
}

void TF_Xshh::updateBottomJe()
{
    const bool lines = hasLines();
    comCk->setEnabled(!lines);
    lFlag->setVisible(!showLinesTotal(lysje, tssje).isEmpty() && lines);
}

void TF_Xshh::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrin->setVisible(lines);
}

bool TF_Xshh::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        btnBackClick();
        return true;
    case Qt::Key_F9:
        btnOutClick();
        return true;
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TF_Xshh::btnBackClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    curKhSn = m_khSn;
    if (runGoodsPicker(QStringLiteral("xshh"), comCk->currentCodeOrEmpty(), [] { showForm(F_Xshh_Add); }))
        comUser->setFocus();
}

void TF_Xshh::btnOutClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    if (runGoodsPicker(QStringLiteral("xshh2"), comCk->currentCodeOrEmpty(), [] { showForm(F_Xshh_Add2); }))
        comUser->setFocus();
}

void TF_Xshh::btnModiClick()
{
    if (!hasLines())
        return;
    // A goods-out line is checked against the stock; a goods-back line opens with its sign turned.
    const bool out = Money::fromText(DataModule->Q_Lsxssp->fieldByName(QStringLiteral("ls_sl"))) >= Money();
    const QString mode = out ? QStringLiteral("xshh2") : QStringLiteral("xshh");
    paramValue = out ? mode : QString();
    runLineDialog(mode, comCk->currentCodeOrEmpty(), [] { showForm(F_Xshh_Sele); });
    paramValue.clear();
}

void TF_Xshh::btnDelClick()
{
    if (hasLines())
        deleteCurrentLine();
}

void TF_Xshh::dateCgChange()
{
    if (!m_initialising)
        moveToDate(dateCg->date());
}

void TF_Xshh::handlerChanged()
{
    if (!m_initialising)
        handlerComboChanged(comUser, kCallerWord);
}

void TF_Xshh::customerChosen(const QString& code, const QString& name)
{
    tkh->setText(name);
    m_khSn = code;
    curKhSn = code;
    RzPanel_Kh1->showPartner(code, getDefaultKhSn(), getKhZw);
}

void TF_Xshh::addCustomerClick()
{
    openWindow(QStringLiteral("TF_Khgl_Add"), QString(), QStringLiteral("新增加客户"));
    RzPanelKh->reload();
}

void TF_Xshh::customerCardClick()
{
    partyType = QStringLiteral("kh");
    curKhSn = m_khSn;
    detailTable = tkh->text().trimmed();
    openWindow(QStringLiteral("TF_Cgth_Ghs"), QString(), QStringLiteral("客户详细信息"));
    detailTable.clear();
    partyType.clear();
    openKhList();
    RzPanelKh->reload();
}

void TF_Xshh::openCustomerQuery(const QString& windowClass, const QString& caller, const QString& name)
{
    // Windows opened from here read the bill's customer from curKhSn.
    curKhSn = m_khSn;
    openPartnerQuery(windowClass, caller, tkh->text().trimmed(), name);
    openKhList();
    RzPanelKh->reload();
}

void TF_Xshh::customerAccountsClick()
{
    openCustomerQuery(QStringLiteral("TF_WlzwKh"), QStringLiteral("spxs1"), QStringLiteral("客户往来帐务"));
}

void TF_Xshh::salesQueryClick()
{
    openCustomerQuery(QStringLiteral("TF_Xsdjcx"), QStringLiteral("spxs"), QStringLiteral("销售信息查询"));
}

void TF_Xshh::returnQueryClick()
{
    openCustomerQuery(QStringLiteral("TF_Xsth"), QStringLiteral("spxs"), QStringLiteral("退货信息查询"));
}

void TF_Xshh::receiptsClick()
{
    openCustomerQuery(QStringLiteral("TF_WlzwKh"), QStringLiteral("spxs5"), QStringLiteral("客户回款明细"));
}

SpxsPrintBill TF_Xshh::printBill() const
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

void TF_Xshh::printClick()
{
    if (hasLines() && ::printBill(xshhPrint(printBill()), 1, this))
        setSkipActivate(true);
    showLineButtons(hasLines());
}

void TF_Xshh::previewClick()
{
    if (hasLines())
        printGoodsDetail(xshhPrint(printBill()), this);
}

void TF_Xshh::btnOKClick()
{
    runSave();
}

bool TF_Xshh::saveBill()
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
    if (!msgYesNo(QStringLiteral("单据保存后不能再修改，是否确认保存！\r\n\r\n管理员可以在往来账目中整单删除错误的数据！"), this))
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
              .op = operatorName,
              .exchange = true});
    m_posted = true;
    return true;
}

void TF_Xshh::afterSaved()
{
    if (m_posted && printAfterPosting())
        ::printBill(xshhPrint(printBill()), printCopies(csDjzddysl), this);
    m_posted = false;
}

void registerExchange()
{
    registerForm(QStringLiteral("TF_Xshh"), F_Xshh);
    registerForm(QStringLiteral("TF_Xshh_Add"), F_Xshh_Add);
    registerForm(QStringLiteral("TF_Xshh_Add2"), F_Xshh_Add2);
    registerForm(QStringLiteral("TF_Xshh_Sele"), F_Xshh_Sele);
    handlerCallers().add(kCallerWord, {[]() -> QComboBox* { return F_Xshh ? F_Xshh->comUser : nullptr; },
                                       QStringLiteral("u_xs")});
    remarkCallers().add(kCallerWord, [](const QString& remark) {
        if (F_Xshh)
            F_Xshh->tnote->setText(remark);
    });
    priceCallers().add(QStringLiteral("xshh_sele"),
                       {[] { return curGoodsSn; },
                        []() -> QLineEdit* { return F_Xshh_Sele ? F_Xshh_Sele->priceBox() : nullptr; }});
}
