#include "accounts/partyregister.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");

bool customers(const RegisterSpec& s)
{
    return s.side == PartySide::Customer;
}

QString partnerTable(const RegisterSpec& s)
{
    return customers(s) ? QStringLiteral("jxc_khxx") : QStringLiteral("jxc_ghsxx");
}
QString partnerCode(const RegisterSpec& s)
{
    return customers(s) ? QStringLiteral("kh_sn") : QStringLiteral("ghs_sn");
}
QString partnerNameField(const RegisterSpec& s)
{
    return customers(s) ? QStringLiteral("kh_name") : QStringLiteral("ghs_name");
}
QString partnerCaption(const RegisterSpec& s)
{
    return customers(s) ? QStringLiteral("客户名称") : QStringLiteral("供货商名称");
}
QString amountField(const RegisterSpec& s)
{
    return s.settlement ? QStringLiteral("k_sfje") : QStringLiteral("k_yfje");
}

}  // namespace

QDateEdit* periodDateBox(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

QLineEdit* moneyBox(QWidget* parent, const char* name, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*(\\.\\d{0,2})?")), box));
    return box;
}

PartnerPanel::Config ledgerPartnerConfig(PartySide side)
{
    const bool kh = side == PartySide::Customer;
    const QString code = kh ? QStringLiteral("kh_sn") : QStringLiteral("ghs_sn");
    const QString name = kh ? QStringLiteral("kh_name") : QStringLiteral("ghs_name");
    const QString p = kh ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    PartnerPanel::Config config;
    config.codeField = code;
    config.nameField = name;
    config.columns = {{code, QStringLiteral("编号")},
                      {name, kh ? QStringLiteral("客户名称") : QStringLiteral("供货商名称")},
                      {p + QStringLiteral("lxr"), QStringLiteral("联系人")},
                      {p + QStringLiteral("tele"), QStringLiteral("联系电话")},
                      {p + QStringLiteral("address"), QStringLiteral("联系地址")}};
    config.searchFields = {name, p + QStringLiteral("jm")};
    if (!kh)
        config.searchFields << code;
    config.all = kh ? DataModule->Q_Khxx : DataModule->Q_Ghsxx;
    config.allSql = kh ? QStringLiteral("select * from jxc_khxx where kh_forbid=0 order by id")
                       : QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0 order by id");
    config.canModify = false;
    return config;
}

void showPartnerPanelUnder(PartnerPanel* panel, QLineEdit* box)
{
    const QPoint at = box->mapTo(panel->parentWidget(), QPoint(0, box->height()));
    panel->setGeometry(at.x(), at.y(), 620, 280);
    panel->showFiltered(box->text().trimmed());
}

// ---- The register window ----------------------------------------------------------------------

TF_PartyRegister::TF_PartyRegister(const RegisterSpec& spec, QWidget* parent) : TF_Form(parent), m_spec(spec)
{
    setObjectName(spec.formName);
    setWindowTitle(spec.caption);
    setEscCloses(true);
    resize(900, 560);

    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };
    btn_Add = button("btn_Add", QStringLiteral("增加"));
    btn_Modi = button("btn_Modi", QStringLiteral("修改"));
    btn_Dele = button("btn_Dele", QStringLiteral("删除"));
    btn_Export = button("btn_Export", QStringLiteral("导出"));
    btn_Prin = button("btn_Prin", QStringLiteral("打印"));
    btn_Exit = button("btn_Exit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btn_Add, btn_Modi, btn_Dele, btn_Export, btn_Prin, btn_Exit})
        bar->addWidget(b);
    bar->addStretch();

    tdate11 = periodDateBox(this, "tdate11");
    tdate12 = periodDateBox(this, "tdate12");
    btnMenu1 = new QToolButton(this);
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnMenu1->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu1, tdate11, tdate12, [this] { btnSearch1Click(); });
    tName = nameBox(this, customers(spec) ? "tKhName1" : "tkey", 64);
    tName->setPlaceholderText(QStringLiteral("回车键开始查询"));
    btnGhsSele = button("btnGhsSele", QStringLiteral("..."));
    btnSearch1 = button("btnSearch1", QStringLiteral("查询(F2)"));
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    filter->addWidget(tdate11);
    filter->addWidget(new QLabel(QStringLiteral("至"), this));
    filter->addWidget(tdate12);
    filter->addWidget(btnMenu1);
    filter->addWidget(new QLabel(partnerCaption(spec) + QStringLiteral("："), this));
    filter->addWidget(tName);
    filter->addWidget(btnGhsSele);
    filter->addWidget(btnSearch1);
    filter->addStretch();

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(DataModule->Q_Yskdj);
    cxGrid1->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据编号"), 120).footerCount(QStringLiteral("记录数："));
    cxGrid1->addColumn(QStringLiteral("k_rq"), QStringLiteral("开单日期"), 80);
    cxGrid1->addColumn(partnerNameField(spec), partnerCaption(spec), 140);
    cxGrid1->addColumn(amountField(spec), spec.amountColumn, 90).setFormat(kMoneyFormat).footerSum();
    if (spec.settlement)
        cxGrid1->addColumn(QStringLiteral("k_fkfs"), spec.accountColumn, 80);
    cxGrid1->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid1->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGrid1->addColumn(QStringLiteral("k_note"), QStringLiteral("备注"), 180);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(filter);
    layout->addWidget(cxGrid1, 1);

    // The floating partner list under the name box.
    panel = new PartnerPanel(ledgerPartnerConfig(spec.side), this);
    panel->setObjectName(customers(spec) ? QStringLiteral("RzPanel_Kh") : QStringLiteral("RzPanel_Ghs1"));
    panel->hide();
    auto showPanel = [this] { showPartnerPanelUnder(panel, tName); };
    connect(tName, &QLineEdit::textEdited, this, showPanel);
    onClicked(btnGhsSele, showPanel);
    connect(panel, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { partnerChosen(code, name); }); });

    onClicked(btn_Add, [this] { btn_AddClick(); });
    onClicked(btn_Modi, [this] { btn_ModiClick(); });
    onClicked(btn_Dele, [this] { btn_DeleClick(); });
    onClicked(btn_Export, [this] { btn_ExportClick(); });
    onClicked(btn_Prin, [this] { btn_PrinClick(); });
    onClicked(btn_Exit, [this] { reject(); });
    onClicked(btnSearch1, [this] { btnSearch1Click(); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btn_ModiClick(); }); });
}

QString TF_PartyRegister::pickedCode() const
{
    return customers(m_spec) ? curKhSn : curGhsSn;
}

void TF_PartyRegister::FormActivate()
{
    (customers(m_spec) ? curKhSn : curGhsSn).clear();
    m_pickedName.clear();
    panel->hide();
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    tName->clear();
    panel->reload();
    btnSearch1Click();
}

void TF_PartyRegister::FormClose()
{
    panel->hide();
    DataModule->Q_Yskdj->close();
}

bool TF_PartyRegister::FormKeyDown(QKeyEvent* event)
{
    if (panel->isVisible())
        return panel->keyPress(event);
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { btnSearch1Click(); });
        return true;
    }
    return false;
}

void TF_PartyRegister::btnSearch1Click()
{
    const RegisterSpec& s = m_spec;
    QString sql = QStringLiteral("select a.*,b.u_name,c.%1 from jxc_ysyfk a,jxc_user b,%2 c where a.u_sn=b.u_sn and "
                                 "a.k_ghskh=c.%3 and a.k_djlx=%4 and a.k_rq>=%5 and a.k_rq<=%6 ")
                      .arg(partnerNameField(s), partnerTable(s), partnerCode(s), quotedLiteral(s.kind),
                           quotedLiteral(dateText(tdate11->date())),
                           quotedLiteral(dateText(tdate12->date()) + QStringLiteral(" 23:59:59")));
    // The typed name only switches on the filter by the picked code.
    if (!tName->text().trimmed().isEmpty())
        sql += QStringLiteral(" and a.k_ghskh=%1 ").arg(quotedLiteral(pickedCode()));
    openQuery(DataModule->Q_Yskdj, sql + QStringLiteral("order by a.id desc"));
}

void TF_PartyRegister::partnerChosen(const QString& code, const QString& name)
{
    (customers(m_spec) ? curKhSn : curGhsSn) = code;
    m_pickedName = name;
    tName->setText(name);
    panel->hide();
    btnSearch1Click();
}

void TF_PartyRegister::showEntryDialog(const QString& mode)
{
    TF_PartyEntryDialog* dialog = entryDialog();
    dialog->owner = this;
    modeFlag = mode;
    dialog->showModalForm();
    modeFlag.clear();
}

void TF_PartyRegister::btn_AddClick()
{
    if (pickedCode().isEmpty()) {
        msgInfo(customers(m_spec) ? QStringLiteral("请选择客户！") : QStringLiteral("请选择供货商！"), this);
        return;
    }
    showEntryDialog(QStringLiteral("add"));
}

void TF_PartyRegister::btn_ModiClick()
{
    if (cxGrid1->rowCount() == 0 || cxGrid1->currentRow() < 0)
        return;
    showEntryDialog(QStringLiteral("modi"));
}

void TF_PartyRegister::btn_DeleClick()
{
    const int row = cxGrid1->currentRow();
    if (cxGrid1->rowCount() == 0 || row < 0)
        return;
    if (!msgYesNo(m_spec.deleteQuestion, this))
        return;
    const qint64 id = cxGrid1->value(row, QStringLiteral("id")).toLongLong();
    if (m_spec.settlement)
        deleteSettlement(id);
    else
        deleteRegisterEntry(id);
    DataModule->Q_Yskdj->refresh();
}

void TF_PartyRegister::btn_ExportClick()
{
    cxGrid1->exportWithDialog();
}

void TF_PartyRegister::btn_PrinClick()
{
    ReportListSpec spec;
    spec.title = m_spec.reportTitle;
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.totalCaption = QStringLiteral("金额合计：");
    spec.landscape = m_spec.settlement;
    spec.columns = {{QStringLiteral("单据编号"), QStringLiteral("gl_djh"), 32},
                    {QStringLiteral("发生日期"), QStringLiteral("k_rq"), 22},
                    {partnerCaption(m_spec), partnerNameField(m_spec), 40},
                    {m_spec.amountColumn, amountField(m_spec), 24, ReportHAlign::Right, QStringLiteral("0.00"), true}};
    if (m_spec.settlement)
        spec.columns.append({m_spec.accountColumn, QStringLiteral("k_fkfs"), 24});
    spec.columns.append({QStringLiteral("经办人"), QStringLiteral("u_name"), 18});
    spec.columns.append({QStringLiteral("操作员"), QStringLiteral("a_name"), 18});
    spec.columns.append({QStringLiteral("备注"), QStringLiteral("k_note"), 40});
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate11->date())));
    report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate12->date())));
    report.setDataset(spec.dataset, cxGrid1->shownResult());
    report.preview(this);
}

// ---- The entry dialog ---------------------------------------------------------------------------

TF_PartyEntryDialog::TF_PartyEntryDialog(const RegisterSpec& spec, QWidget* parent) : TF_Form(parent), m_spec(spec)
{
    setObjectName(spec.dialogName);
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    auto* group = new QGroupBox(customers(spec) ? QStringLiteral("客户信息") : QStringLiteral("供货商信息"), this);
    gldjh = new QLabel(group);
    gldjh->setObjectName(QStringLiteral("gldjh"));
    gldjh->setStyleSheet(QStringLiteral("color:red;font-weight:bold"));
    dateCg = periodDateBox(group, "dateCg");
    partnerName = new QLabel(group);
    partnerName->setObjectName(partnerNameField(spec));
    balance = new QLabel(group);
    balance->setObjectName(customers(spec) ? QStringLiteral("kh_ye") : QStringLiteral("yfye"));
    auto* info = new QFormLayout(group);
    info->addRow(QStringLiteral("单据编号："), gldjh);
    info->addRow(QStringLiteral("开单日期："), dateCg);
    info->addRow(partnerCaption(spec) + QStringLiteral("："), partnerName);
    info->addRow(customers(spec) ? QStringLiteral("应收金额：") : QStringLiteral("应付金额："), balance);

    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    tgsj = moneyBox(this, "tgsj", 9);
    tgsj->setStyleSheet(QStringLiteral("color:red;font-weight:bold"));
    tnote = nameBox(this, "tnote", 64);
    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(tgsj);
    amountRow->addWidget(new QLabel(QStringLiteral("元"), this));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("经办人："), comUser);
    if (spec.settlement) {
        comYhzh = new CodeComboBox(this);
        comYhzh->setObjectName(QStringLiteral("comYhzh"));
        form->addRow(spec.accountCaption, comYhzh);
    }
    form->addRow(spec.amountCaption, amountRow);
    form->addRow(QStringLiteral("备注："), tnote);

    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnOK, btnCancel}));
}

void TF_PartyEntryDialog::FormActivate()
{
    const bool adding = modeFlag == u"add";
    setWindowTitle(adding ? m_spec.addCaption : m_spec.modiCaption);
    fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString(), QString(),
                       QStringLiteral("id"), QStringLiteral("u_sn"));
    if (comYhzh)
        fillCodeCombo(comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QString(), QStringLiteral("id"),
                      QStringLiteral("yh_sn"));
    if (adding) {
        m_rowId = 0;
        balance->setText(latestLedgerBalance(m_spec.side, owner->pickedCode()));
        partnerName->setText(owner->pickedName());
        comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
        if (comYhzh)
            comYhzh->setCurrentIndex(comYhzh->count() > 0 ? 0 : -1);
        tnote->clear();
        tgsj->setText(QStringLiteral("0"));
        // The number shown; the save draws it again.
        gldjh->setText(getMaxDjh(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"), m_spec.kind));
        dateCg->setDate(Clock::today());
    } else {
        NamedQuery* q = DataModule->Q_Yskdj;
        m_rowId = q->fieldByName(QStringLiteral("id")).toLongLong();
        balance->setText(latestLedgerBalance(m_spec.side, q->fieldByName(QStringLiteral("k_ghskh"))));
        partnerName->setText(q->fieldByName(partnerNameField(m_spec)));
        gldjh->setText(q->fieldByName(QStringLiteral("gl_djh")));
        dateCg->setDate(QDate::fromString(q->fieldByName(QStringLiteral("k_rq")).left(10), QStringLiteral("yyyy-MM-dd")));
        comUser->setCurrentIndex(comUser->findText(q->fieldByName(QStringLiteral("u_name"))));
        if (comYhzh)
            comYhzh->setCurrentIndex(comYhzh->findText(q->fieldByName(QStringLiteral("k_fkfs"))));
        tnote->setText(q->fieldByName(QStringLiteral("k_note")));
        // An opening row carries its amount in k_qcje.
        const QString opening = q->fieldByName(QStringLiteral("k_qcje"));
        const bool hasOpening = !Money::fromText(opening).isZero();
        tgsj->setText(hasOpening ? opening : q->fieldByName(amountField(m_spec)));
    }
    tgsj->setFocus();
    tgsj->selectAll();
}

void TF_PartyEntryDialog::btnOKClick()
{
    const bool adding = modeFlag == u"add";
    const Money amount = Money::fromText(tgsj->text());
    const QString handlerSn = comUser->currentCodeOrEmpty();
    const QString date = dateText(dateCg->date());
    const QString partner = adding ? owner->pickedCode() : DataModule->Q_Yskdj->fieldByName(QStringLiteral("k_ghskh"));
    if (m_spec.settlement) {
        const SettlementEntry e{.side = m_spec.side,
                                .partner = partner,
                                .partnerName = partnerName->text(),
                                .date = date,
                                .amount = amount,
                                .account = comYhzh->currentText(),
                                .handlerSn = handlerSn,
                                .handlerName = comUser->currentText(),
                                .note = tnote->text(),
                                .op = operatorName};
        const QString refusal = checkSettlement(e);
        if (!refusal.isEmpty()) {
            msgInfo(refusal, this);
            return;
        }
        if (adding)
            gldjh->setText(addSettlement(e));
        else
            modifySettlement(m_rowId, e);
    } else {
        const RegisterEntry e{.side = m_spec.side, .partner = partner, .date = date, .amount = amount,
                              .handlerSn = handlerSn, .note = tnote->text(), .op = operatorName};
        const QString refusal = checkRegisterEntry(e);
        if (!refusal.isEmpty()) {
            msgInfo(refusal, this);
            return;
        }
        if (adding)
            gldjh->setText(addRegisterEntry(e));
        else
            modifyRegisterEntry(m_rowId, e);
    }
    DataModule->Q_Yskdj->refresh();
    accept();
}
