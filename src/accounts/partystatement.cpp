#include "accounts/partystatement.h"

#include "accounts/accounts.h"
#include "accounts/partyregister.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Yskgl* F_Yskgl = nullptr;
TF_Yfkgl* F_Yfkgl = nullptr;

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");

// The texts of one side: customers read 应收 / 已收, suppliers 应付 / 已付.
struct StatementTexts {
    QString partner, code, nameField, account, opening, owed, settled, closing, owedSum, settledSum, detailTitle,
        summaryTitle, summaryOwed, summarySettled;
};

StatementTexts texts(PartySide side)
{
    if (side == PartySide::Customer)
        return {QStringLiteral("客户名称"), QStringLiteral("客户编号"), QStringLiteral("kh_name"), QStringLiteral("收款方式"),
                QStringLiteral("期初应收"), QStringLiteral("本期应收"), QStringLiteral("本期已收"), QStringLiteral("期末应收"),
                QStringLiteral("本期应收合计："), QStringLiteral("本期已收合计："), QStringLiteral("应收款明细表"),
                QStringLiteral("应收款汇总表"), QStringLiteral("应收金额"), QStringLiteral("已收金额")};
    return {QStringLiteral("供货商名称"), QStringLiteral("供货商编号"), QStringLiteral("ghs_name"), QStringLiteral("付款方式"),
            QStringLiteral("期初应付"), QStringLiteral("本期应付"), QStringLiteral("本期已付"), QStringLiteral("期末应付"),
            QStringLiteral("本期付收合计："), QStringLiteral("本期已付合计："), QStringLiteral("应付款明细表"),
            QStringLiteral("应付款汇总表"), QStringLiteral("应付金额"), QStringLiteral("已付金额")};
}

}  // namespace

TF_PartyStatement::TF_PartyStatement(PartySide side, QWidget* parent) : TF_Form(parent), m_side(side)
{
    const bool kh = side == PartySide::Customer;
    const StatementTexts t = texts(side);
    setObjectName(kh ? QStringLiteral("F_Yskgl") : QStringLiteral("F_Yfkgl"));
    setWindowTitle(kh ? QStringLiteral("应收款管理") : QStringLiteral("应付款管理"));
    setEscCloses(true);
    resize(1000, 600);

    btn_Prin = namedButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Export = namedButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Exit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btn_Prin, btn_Export, btn_Exit})
        bar->addWidget(b);
    bar->addStretch();

    tdate11 = periodDateBox(this, "tdate11");
    tdate12 = periodDateBox(this, "tdate12");
    btnMenu1 = new QToolButton(this);
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnMenu1->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu1, tdate11, tdate12, [this] { btnSearch1Click(); });
    tName = nameBox(this, kh ? "tKhName1" : "tkey", 64);
    btnGhsSele = namedButton(this, "btnGhsSele", QStringLiteral("..."));
    btnSearch1 = namedButton(this, "btnSearch1", QStringLiteral("查询(F2)"));
    rHzb = new QRadioButton(QStringLiteral("汇总表"), this);
    rHzb->setObjectName(QStringLiteral("rHzb"));
    rMxb = new QRadioButton(QStringLiteral("明细表"), this);
    rMxb->setObjectName(QStringLiteral("rMxb"));
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    filter->addWidget(tdate11);
    filter->addWidget(new QLabel(QStringLiteral("至"), this));
    filter->addWidget(tdate12);
    filter->addWidget(btnMenu1);
    filter->addWidget(new QLabel(t.partner + QStringLiteral("："), this));
    filter->addWidget(tName);
    filter->addWidget(btnGhsSele);
    filter->addWidget(btnSearch1);
    filter->addWidget(rHzb);
    filter->addWidget(rMxb);
    filter->addStretch();

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(DataModule->Q_Ysk);
    cxGrid1->addColumn(QStringLiteral("k_ghskh"), t.code, 70).footerCount(QStringLiteral("记录数："));
    cxGrid1->addColumn(t.nameField, t.partner, 130).footerCount();
    cxGrid1->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 115);
    cxGrid1->addColumn(QStringLiteral("k_rq"), QStringLiteral("开单日期"), 80);
    cxGrid1->addColumn(QStringLiteral("k_fkfs"), t.account, 70);
    cxGrid1->addColumn(QStringLiteral("k_djtxt"), QStringLiteral("单据类型"), 90);
    cxGrid1->addColumn(QStringLiteral("k_qcje"), t.opening, 85).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("k_yfje"), t.owed, 85).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("k_sfje"), t.settled, 85).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("k_ljje"), t.closing, 85).setFormat(kMoneyFormat);
    cxGrid1->addColumn(QStringLiteral("k_note"), QStringLiteral("备注"), 120);

    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->setQuery(DataModule->Q_Yskhz);
    cxGrid2->addColumn(QStringLiteral("k_ghskh"), t.code, 80).footerCount(QStringLiteral("记录数："));
    cxGrid2->addColumn(t.nameField, t.partner, 160);
    cxGrid2->addColumn(QStringLiteral("yfje"), t.summaryOwed, 100).setFormat(kMoneyFormat).footerSum();
    cxGrid2->addColumn(QStringLiteral("sfje"), t.summarySettled, 100).setFormat(kMoneyFormat).footerSum();
    cxGrid2->addColumn(QStringLiteral("wfje"), t.closing, 100).setFormat(kMoneyFormat).footerSum();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(filter);
    layout->addWidget(cxGrid1, 1);
    layout->addWidget(cxGrid2, 1);

    panel = new PartnerPanel(ledgerPartnerConfig(side), this);
    panel->setObjectName(kh ? QStringLiteral("RzPanel_Kh") : QStringLiteral("RzPanel_Ghs1"));
    panel->hide();
    auto showPanel = [this] { showPartnerPanelUnder(panel, tName); };
    connect(tName, &QLineEdit::textEdited, this, showPanel);
    onClicked(btnGhsSele, showPanel);
    connect(panel, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { partnerChosen(code, name); }); });

    onClicked(btn_Prin, [this] { btn_PrinClick(); });
    onClicked(btn_Export, [this] { btn_ExportClick(); });
    onClicked(btn_Exit, [this] { reject(); });
    onClicked(btnSearch1, [this] { btnSearch1Click(); });
    onClicked(rHzb, [this] { showView(true); });
    onClicked(rMxb, [this] { showView(false); });
}

void TF_PartyStatement::FormActivate()
{
    (m_side == PartySide::Customer ? curKhSn : curGhsSn).clear();
    panel->hide();
    rMxb->setChecked(true);
    cxGrid1->show();
    cxGrid2->hide();
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    tName->clear();
    panel->reload();
    btnSearch1Click();
}

void TF_PartyStatement::FormClose()
{
    panel->hide();
    DataModule->Q_Ysk->close();
    DataModule->Q_Yskhz->close();
}

bool TF_PartyStatement::FormKeyDown(QKeyEvent* event)
{
    if (panel->isVisible())
        return panel->keyPress(event);
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { btnSearch1Click(); });
        return true;
    }
    return false;
}

void TF_PartyStatement::showView(bool summary)
{
    cxGrid2->setVisible(summary);
    cxGrid1->setVisible(!summary);
    btnSearch1Click();
}

void TF_PartyStatement::btnSearch1Click()
{
    // The typed name switches on the filter by the picked code (none picked: no rows).
    std::optional<QString> who;
    if (!tName->text().trimmed().isEmpty())
        who = m_side == PartySide::Customer ? curKhSn : curGhsSn;
    const QString from = dateText(tdate11->date());
    const QString to = dateText(tdate12->date());
    if (rHzb->isChecked())
        openQuery(DataModule->Q_Yskhz, statementSummarySql(m_side, from, to, who));
    else
        openQuery(DataModule->Q_Ysk, statementDetailSql(m_side, from, to, who));
}

void TF_PartyStatement::partnerChosen(const QString& code, const QString& name)
{
    (m_side == PartySide::Customer ? curKhSn : curGhsSn) = code;
    tName->setText(name);
    panel->hide();
    btnSearch1Click();
}

void TF_PartyStatement::btn_ExportClick()
{
    (rHzb->isChecked() ? cxGrid2 : cxGrid1)->exportWithDialog();
}

void TF_PartyStatement::btn_PrinClick()
{
    const StatementTexts t = texts(m_side);
    const bool summary = rHzb->isChecked();
    ReportListSpec spec;
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    auto money = [](const QString& caption, const char* field) {
        return ReportListColumn(caption, QString::fromLatin1(field), 24, ReportHAlign::Right, QStringLiteral("0.00"), true);
    };
    if (summary) {
        spec.title = t.summaryTitle;
        spec.totalCaption = QStringLiteral("金额合计：");
        spec.columns = {{t.code, QStringLiteral("k_ghskh"), 25}, {t.partner, t.nameField, 50},
                        money(t.summaryOwed, "yfje"), money(t.summarySettled, "sfje"), money(t.closing, "wfje")};
    } else {
        spec.title = t.detailTitle;
        spec.landscape = true;
        spec.summaryLines = {t.owedSum + QStringLiteral("[SUM(<frxDBDataset1.\"k_yfje\">)]"),
                             t.settledSum + QStringLiteral("[SUM(<frxDBDataset1.\"k_sfje\">)]")};
        spec.columns = {{t.partner, t.nameField, 40},
                        {QStringLiteral("单据号"), QStringLiteral("gl_djh"), 32},
                        {QStringLiteral("发生日期"), QStringLiteral("k_rq"), 22},
                        {QStringLiteral("单据类型"), QStringLiteral("k_djtxt"), 26},
                        money(t.opening, "k_qcje"), money(t.owed, "k_yfje"), money(t.settled, "k_sfje"),
                        ReportListColumn(t.closing, QStringLiteral("k_ljje"), 24, ReportHAlign::Right, QStringLiteral("0.00"))};
    }
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate11->date())));
    report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate12->date())));
    report.setDataset(spec.dataset, (summary ? cxGrid2 : cxGrid1)->shownResult());
    report.preview(this);
}

void registerPartyStatements()
{
    registerForm(QStringLiteral("TF_Yskgl"), F_Yskgl);
    registerForm(QStringLiteral("TF_Yfkgl"), F_Yfkgl);
}
