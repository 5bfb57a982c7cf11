#include "accounts/partyaccount.h"
#include "accounts/wlzwghs_dele.h"

#include "accounts/accountdocs.h"
#include "accounts/accounts.h"
#include "accounts/partyregister.h"
#include "bills/querykit.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "purchasing/purchasequery.h"
#include "shell/commands.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_WlzwGhs* F_WlzwGhs = nullptr;
TF_WlzwKh* F_WlzwKh = nullptr;

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");

// The texts of one side.
struct AccountTexts {
    QString partner, partnerField, billPrefix, returnPrefix, paymentPrefix, kindField, owed, paid, listTitle,
        warehouseOut, warehouseIn, allWord, listWord, allCaption, listCaption, billItem, gridCaption;
};

AccountTexts texts(PartySide side)
{
    if (side == PartySide::Customer)
        return {QStringLiteral("客户名称"), QStringLiteral("kh_name"), QStringLiteral("XS"), QStringLiteral("XT"),
                QStringLiteral("KF"), QStringLiteral("fktype"), QStringLiteral("应收金额"), QStringLiteral("实收金额"),
                QStringLiteral("往来账务(客户)"), QStringLiteral("  出货仓库："), QStringLiteral("  入货仓库："),
                QStringLiteral("全部客户"), QStringLiteral("当前客户"), QStringLiteral("查询全部客户"),
                QStringLiteral("查询当前列表中的客户"), QStringLiteral("销售单(&V)"), QStringLiteral("往来账务表")};
    return {QStringLiteral("供货商名称"), QStringLiteral("ghs_name"), QStringLiteral("CJ"), QStringLiteral("CT"),
            QStringLiteral("GF"), QStringLiteral("zflx"), QStringLiteral("应付金额"), QStringLiteral("实付金额"),
            QStringLiteral("往来账务(供货商)"), QStringLiteral("  出货仓库："), QStringLiteral("  入货仓库："),
            QStringLiteral("全部供货商"), QStringLiteral("当前列表供货商"), QStringLiteral("查询全部供货商"),
            QStringLiteral("查询当前列表中的供货商"), QStringLiteral("进货单(&V)"), QStringLiteral("往来账务列表")};
}

}  // namespace

TF_PartyAccount::TF_PartyAccount(PartySide side, QWidget* parent) : TF_Form(parent), m_side(side)
{
    const bool kh = customers();
    const AccountTexts t = texts(side);
    setObjectName(kh ? QStringLiteral("F_WlzwKh") : QStringLiteral("F_WlzwGhs"));
    m_documents = new NamedQuery(kh ? QStringLiteral("Q_KhDj") : QStringLiteral("Q_GhsDJ"),
                                 QStringLiteral("select * from jxc_jhd where 1>2"), NamedQuery::Source::Main, this);
    // The supplier side shows its lines in the data module's goods list, as the purchase windows do.
    m_lines = kh ? new NamedQuery(QStringLiteral("Q_KhDjList"), QStringLiteral("select * from jxc_goodslist where 1>2"),
                                  NamedQuery::Source::Main, this)
                 : DataModule->Q_GoodsList;
    setWindowTitle(t.listTitle);
    setEscCloses(true);
    resize(1000, 640);

    btn_Look = namedButton(this, "btn_Look", QStringLiteral("查看单据"));
    btn_Dele = namedButton(this, "btn_Dele", QStringLiteral("删除单据"));
    btn_Prin = namedButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Filter = namedButton(this, "btn_Filter", QStringLiteral("数据过滤"));
    btn_Export = namedButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Exit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btn_Look, btn_Dele, btn_Prin, btn_Filter, btn_Export, btn_Exit})
        bar->addWidget(b);
    bar->addStretch();

    tdate1 = periodDateBox(this, "tdate1");
    tdate2 = periodDateBox(this, "tdate2");
    btnMenu1 = new QToolButton(this);
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnMenu1->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu1, tdate1, tdate2, [this] { btnSearch1Click(); });
    tName = nameBox(this, kh ? "tKhName" : "tGhsName", 64);
    tName->setPlaceholderText(QStringLiteral("回车键开始查询"));
    btnSele = namedButton(this, "btnSele", QStringLiteral("..."));
    btnSearch1 = namedButton(this, "btnSearch1", QStringLiteral("查询(F2)"));
    rDate = new QRadioButton(QStringLiteral("按日期排序"), this);
    rDate->setObjectName(QStringLiteral("rDate"));
    rDate->setChecked(true);
    rType = new QRadioButton(QStringLiteral("按类型排序"), this);
    rType->setObjectName(QStringLiteral("rType"));
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("往来时间："), this));
    filter->addWidget(tdate1);
    filter->addWidget(new QLabel(QStringLiteral("至"), this));
    filter->addWidget(tdate2);
    filter->addWidget(btnMenu1);
    filter->addWidget(new QLabel(t.partner + QStringLiteral("："), this));
    filter->addWidget(tName);
    filter->addWidget(btnSele);
    filter->addWidget(btnSearch1);
    filter->addWidget(rDate);
    filter->addWidget(rType);
    filter->addStretch();

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(documents());
    cxGrid1->addColumn(t.partnerField, t.partner, 120).footerCount(QStringLiteral("单据合计："));
    cxGrid1->addColumn(QStringLiteral("rq"), QStringLiteral("日期"), 80);
    cxGrid1->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110);
    cxGrid1->addColumn(t.kindField, kh ? QStringLiteral("付款类型") : QStringLiteral("支付类型"), 90);
    cxGrid1->addColumn(QStringLiteral("yfje"), t.owed, 85).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("sfje"), t.paid, 85).setFormat(kMoneyFormat).footerSum();
    if (kh)
        cxGrid1->addColumn(QStringLiteral("yhje"), QStringLiteral("优惠金额"), 85).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("wfje"), QStringLiteral("欠款金额"), 85).setFormat(kMoneyFormat).footerSum();
    if (!kh)
        cxGrid1->addColumn(QStringLiteral("yhje"), QStringLiteral("优惠金额"), 85).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid1->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGrid1->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 120);
    auto* list = new QGroupBox(t.gridCaption, this);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->addWidget(cxGrid1);

    lMsg = new QLabel(this);
    lMsg->setObjectName(QStringLiteral("lMsg"));
    lMsg->setStyleSheet(QStringLiteral("color: red"));
    btnDetail = namedButton(this, "btnDetail", QStringLiteral("查看详细数量"));
    btnDetail->setFlat(true);
    auto* detailRow = new QHBoxLayout;
    detailRow->addWidget(new QLabel(QStringLiteral("单据的详细信息："), this));
    detailRow->addWidget(lMsg);
    detailRow->addWidget(btnDetail);
    detailRow->addStretch();

    cxGrid11 = new DataGrid(this);
    cxGrid11->setObjectName(QStringLiteral("cxGrid11"));
    cxGrid11->setQuery(lines());
    cxGrid11->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("品种合计："));
    cxGrid11->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    cxGrid11->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGrid11->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(QStringLiteral("0.00"));
    cxGrid11->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
    if (kh)
        cxGrid11->addColumn(QStringLiteral("gl_dzl"), QStringLiteral("打折率"), 60).setFormat(QStringLiteral("0.00;-0.00"));
    cxGrid11->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 85).setFormat(kMoneyFormat).footerSum();
    cxGrid11->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    auto* lower = new QTabWidget(this);
    lower->setObjectName(QStringLiteral("cxPageLines"));
    lower->addTab(cxGrid11, QStringLiteral("单据的商品信息"));

    auto* page1 = new QWidget(this);
    auto* page1Layout = new QVBoxLayout(page1);
    page1Layout->addLayout(filter);
    page1Layout->addWidget(list, 3);
    page1Layout->addLayout(detailRow);
    page1Layout->addWidget(lower, 2);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));
    cxPage->addTab(page1, kh ? QStringLiteral("客户所有单据") : QStringLiteral("供货商所有单据"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(cxPage, 1);

    // Menus: the filter button's and the grid's right-click menu.
    filterMenu = new QMenu(this);
    filterMenu->setObjectName(QStringLiteral("filterMenu"));
    addMenuItem(filterMenu, QStringLiteral("所有单据(&U)"), "miAll", this, [this] { applyFilter(DocFilter::All); });
    addMenuItem(filterMenu, t.billItem, "miBills", this, [this] { applyFilter(DocFilter::Bills); });
    addMenuItem(filterMenu, QStringLiteral("退货单(&W)"), "miReturns", this, [this] { applyFilter(DocFilter::Returns); });
    filterMenu->addSeparator();
    addMenuItem(filterMenu, QStringLiteral("欠款单据查询(&Y)"), "miOwing", this, [this] { applyFilter(DocFilter::Owing); });
    addMenuItem(filterMenu, QStringLiteral("优惠单据查询(&Z)"), "miDiscount", this,
                [this] { applyFilter(DocFilter::Discount); });
    onClicked(btn_Filter, [this] { filterMenu->popup(btn_Filter->mapToGlobal(QPoint(0, btn_Filter->height()))); });

    gridMenu = new QMenu(this);
    gridMenu->setObjectName(QStringLiteral("gridMenu"));
    addMenuItem(gridMenu, QStringLiteral("查看单据(&Y)"), "miLook", this, [this] { btn_LookClick(); });
    QMenu* sub = gridMenu->addMenu(QStringLiteral("单据过滤(&Z)"));
    addMenuItem(sub, QStringLiteral("所有单据(&U)"), "miAll2", this, [this] { applyFilter(DocFilter::All); });
    addMenuItem(sub, t.billItem, "miBills2", this, [this] { applyFilter(DocFilter::Bills); });
    addMenuItem(sub, QStringLiteral("退货单(&W)"), "miReturns2", this, [this] { applyFilter(DocFilter::Returns); });
    sub->addSeparator();
    addMenuItem(sub, QStringLiteral("欠款单(&Y)"), "miOwing2", this, [this] { applyFilter(DocFilter::Owing); });
    addMenuItem(sub, QStringLiteral("优惠单(&Z)"), "miDiscount2", this, [this] { applyFilter(DocFilter::Discount); });
    addMenuItem(gridMenu, QStringLiteral("导出为Excel(&E)"), "miExport", this, [this] { btn_ExportClick(); });
    attachGridMenu(cxGrid1, gridMenu);

    // The partner panel, with the two words that mean every partner.
    PartnerPanel::Config config = ledgerPartnerConfig(side);
    config.searchFields = {t.partnerField, kh ? QStringLiteral("kh_jm") : QStringLiteral("ghs_jm")};
    config.canModify = true;
    panel = new PartnerPanel(config, this);
    panel->setObjectName(kh ? QStringLiteral("RzPanel_Kh") : QStringLiteral("RzPanel_Ghs"));
    panel->hide();
    auto* words = new QHBoxLayout;
    auto* cbAll = new QCheckBox(t.allCaption, panel);
    cbAll->setObjectName(QStringLiteral("cbAll"));
    auto* cbList = new QCheckBox(t.listCaption, panel);
    cbList->setObjectName(QStringLiteral("cbList"));
    words->addWidget(cbAll);
    words->addWidget(cbList);
    words->addStretch();
    if (auto* box = qobject_cast<QBoxLayout*>(panel->layout()))
        box->insertLayout(0, words);
    auto pickWord = [this, cbAll, cbList](const QString& word) {
        runGuarded([&] {
            cbAll->setChecked(false);
            cbList->setChecked(false);
            tName->setText(word);
            panel->hide();
            btnSearch1Click();
        });
    };
    onClicked(cbAll, [pickWord, t] { pickWord(t.allWord); });
    onClicked(cbList, [pickWord, t] { pickWord(t.listWord); });
    auto showPanel = [this, cbAll, cbList] {
        cbAll->setChecked(false);
        cbList->setChecked(false);
        showPartnerPanelUnder(panel, tName);
    };
    connect(tName, &QLineEdit::textEdited, this, showPanel);
    onClicked(btnSele, showPanel);
    connect(panel, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { partnerChosen(code, name); }); });
    connect(panel, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] {
            openWindow(customers() ? QStringLiteral("TF_Khgl_Modi") : QStringLiteral("TF_Ghsgl_Modi"), QString(),
                       customers() ? QStringLiteral("修改客户") : QStringLiteral("修改供货商"));
            panel->reload();
        });
    });

    onClicked(btn_Look, [this] { btn_LookClick(); });
    onClicked(btn_Dele, [this] { btn_DeleClick(); });
    onClicked(btn_Prin, [this] { btn_PrinClick(); });
    onClicked(btn_Export, [this] { btn_ExportClick(); });
    onClicked(btn_Exit, [this] { reject(); });
    onClicked(btnSearch1, [this] { btnSearch1Click(); });
    onClicked(btnDetail, [this] { btnDetailClick(); });
    onClicked(rDate, [this] { btnSearch1Click(); });
    onClicked(rType, [this] { btnSearch1Click(); });
    connect(tName, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { btnSearch1Click(); }); });
    // A click loads the lines of its row; moving with the keys does not.
    connect(cxGrid1, &DataGrid::rowClicked, this, [this](int, const QString&) { runGuarded([this] { showLines(); }); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this](int) { runGuarded([this] { btn_LookClick(); }); });
}

void TF_PartyAccount::FormActivate()
{
    const QDate today = Clock::today();
    tdate1->setDate(QDate(today.year(), today.month(), 1));
    tdate2->setDate(today);
    cxPage->setCurrentIndex(0);
    panel->hide();
    if (!partyType.isEmpty())
        tName->setText(partyType);
    panel->reload();
    btnSearch1Click();
    partyType.clear();
    // Opened from a bill window: that bill's partner. The payments page and the sales details
    // tab are not part of this window yet, so their openers land on the partner's documents.
    static const QStringList kCallers = {QStringLiteral("cgjh1"), QStringLiteral("cgjh5"), QStringLiteral("spxs1"),
                                         QStringLiteral("spxs5")};
    if (kCallers.contains(callerFlag)) {
        tName->setText(detailTable);
        btnSearch1Click();
    }
}

void TF_PartyAccount::FormClose()
{
    panel->hide();
    documents()->close();
    lines()->close();
}

bool TF_PartyAccount::FormKeyDown(QKeyEvent* event)
{
    if (panel->isVisible())
        return panel->keyPress(event);
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { btnSearch1Click(); });
        return true;
    }
    return false;
}

void TF_PartyAccount::btnSearch1Click()
{
    lMsg->clear();
    panel->hide();
    cxGrid1->clearFilter();
    openQuery(documents(), accountDocumentsSql(m_side, dateText(tdate1->date()), dateText(tdate2->date()),
                                               tName->text(), rType->isChecked()));
    showLines();
}

void TF_PartyAccount::showLines()
{
    lMsg->clear();
    const int row = cxGrid1->currentRow();
    if (row < 0) {
        lines()->close();
        return;
    }
    const AccountTexts t = texts(m_side);
    const QString djh = cxGrid1->value(row, QStringLiteral("djh"));
    const QString kind = djh.left(2);
    const QString head = djh + u' ' + cxGrid1->value(row, t.partnerField);
    lMsg->setText(head);
    const QString sql = accountLinesSql(m_side, djh);
    if (sql.isEmpty()) {
        lines()->close();
        return;
    }
    lMsg->setText(head + (kind == t.billPrefix ? t.warehouseOut : t.warehouseIn) +
                  cxGrid1->value(row, QStringLiteral("ck_name")));
    openQuery(lines(), sql);
}

void TF_PartyAccount::applyFilter(DocFilter filter)
{
    const AccountTexts t = texts(m_side);
    switch (filter) {
    case DocFilter::All: cxGrid1->clearFilter(); break;
    case DocFilter::Bills: cxGrid1->setFilter({{QStringLiteral("djh"), FilterOp::Like, t.billPrefix}}); break;
    case DocFilter::Returns: cxGrid1->setFilter({{QStringLiteral("djh"), FilterOp::Like, t.returnPrefix}}); break;
    case DocFilter::Owing: cxGrid1->setFilter({{QStringLiteral("wfje"), FilterOp::NotEqual, QStringLiteral("0")}}); break;
    case DocFilter::Discount:
        cxGrid1->setFilter({{QStringLiteral("yhje"), FilterOp::NotEqual, QStringLiteral("0")}});
        break;
    }
    showLines();
}

void TF_PartyAccount::partnerChosen(const QString& code, const QString& name)
{
    (customers() ? curKhSn : curGhsSn) = code;
    tName->setText(name);
    panel->hide();
    btnSearch1Click();
}

void TF_PartyAccount::btn_LookClick()
{
    const int row = cxGrid1->currentRow();
    if (row < 0)
        return;
    previewAccountDocument(m_side, documents()->result(), row, this);
}

void TF_PartyAccount::btn_DeleClick()
{
    const int row = cxGrid1->currentRow();
    if (row < 0)
        return;
    // The delete dialog takes the focused row and re-opens the list once the bill is gone.
    const QString side = customers() ? QStringLiteral("kh") : QStringLiteral("ghs");
    showBillDeleteDialog({.djh = cxGrid1->value(row, QStringLiteral("djh")),
                          .partnerSn = cxGrid1->value(row, side + QStringLiteral("_sn")),
                          .partnerName = cxGrid1->value(row, side + QStringLiteral("_name")),
                          .owed = cxGrid1->value(row, QStringLiteral("yfje")),
                          .paid = cxGrid1->value(row, QStringLiteral("sfje"))},
                         [this] { btnSearch1Click(); });
}

void TF_PartyAccount::btn_PrinClick()
{
    if (cxGrid1->rowCount() == 0)
        return;
    const AccountTexts t = texts(m_side);
    ReportListSpec spec;
    spec.title = QStringLiteral("[bTitle]");
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印时间：[DATE] [TIME]")};
    spec.columns = {listColumn("日期", "rq", 20),
                    ReportListColumn(t.partner, t.partnerField, 34),
                    listColumn("单据号", "djh", 30),
                    ReportListColumn(QStringLiteral("类型"), t.kindField, 22),
                    ReportListColumn(t.owed, QStringLiteral("yfje"), 22, ReportHAlign::Right, QStringLiteral("0.00")),
                    ReportListColumn(t.paid, QStringLiteral("sfje"), 22, ReportHAlign::Right, QStringLiteral("0.00")),
                    listColumn("经办人", "u_name", 16),
                    listColumn("操作员", "a_name", 16),
                    listColumn("备注", "dnote", 28)};
    spec.summaryLines = {QStringLiteral("应付合计金额：[SUM(<frxDBDataset1.\"yfje\">)]"),
                         QStringLiteral("实付合计金额：[SUM(<frxDBDataset1.\"sfje\">)]"),
                         QStringLiteral("欠款合计金额：[SUM(<frxDBDataset1.\"wfje\">)]")};
    spec.totalCaption.clear();
    spec.landscape = true;
    QString title = QStringLiteral("供货商往来账务");
    if (customers()) {
        const QString name = tName->text().trimmed();
        title = (name.isEmpty() ? QStringLiteral("所有客户") : name) + QStringLiteral("往来账务");
    }
    previewGridList(spec, cxGrid1,
                    {{QStringLiteral("bTitle"), title},
                     {QStringLiteral("date1"), dateText(tdate1->date())},
                     {QStringLiteral("date2"), dateText(tdate2->date())}},
                    this);
}

void TF_PartyAccount::btn_ExportClick()
{
    if (cxGrid1->rowCount() == 0)
        return;
    cxGrid1->exportWithDialog();
}

void TF_PartyAccount::btnDetailClick()
{
    if (cxGrid1->rowCount() == 0)
        return;
    const int row = cxGrid11->currentRow();
    if (row < 0)
        return;
    showLineDetail(cxGrid11->value(row, QStringLiteral("gl_flag")), cxGrid11->value(row, QStringLiteral("g_sn")),
                   cxGrid11->value(row, QStringLiteral("tid")));
}

void registerAccountWindows()
{
    registerForm(QStringLiteral("TF_WlzwGhs"), F_WlzwGhs);
    registerForm(QStringLiteral("TF_WlzwKh"), F_WlzwKh);
}
