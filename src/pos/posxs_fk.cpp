#include "pos/posxs_fk.h"

#include "data/globals.h"
#include "data/settings.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "pos/posxs.h"
#include "pos/posxs_ml.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Posxs_Fk* F_Posxs_Fk = nullptr;

namespace {
QString fixed2(Money m) { return m.toFixed(2); }
}  // namespace

TF_Posxs_Fk::TF_Posxs_Fk(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Fk"));
    setWindowTitle(QStringLiteral("付款"));
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto money = [this](const char* name, int maxLength, bool readOnly = false) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        e->setReadOnly(readOnly);
        return e;
    };
    yfje = label("yfje");
    yfje2 = label("yfje2");
    zffs = label("zffs");
    zhje = label("zhje");
    zlje = label("zlje");
    tfkje = money("tfkje", 10);
    tmlje = money("tmlje", 10, true);
    tzlje = money("tzlje", 12, true);
    tnote = money("tnote", 32);
    tfkje2 = money("tfkje2", 10);
    tczk = money("tczk", 10);
    tyhk = money("tyhk", 10);
    tdjq = money("tdjq", 10);
    tmlje2 = money("tmlje2", 10, true);
    tnote2 = money("tnote2", 32);
    auto radio = [this](const char* name, const char* text) {
        auto* r = new QRadioButton(QString::fromUtf8(text), this);
        r->setObjectName(QString::fromLatin1(name));
        return r;
    };
    rXj = radio("rXj", "现金(F6)");
    rCzk = radio("rCzk", "储值卡(F7)");
    rYhk = radio("rYhk", "银行卡(F8)");
    rDjq = radio("rDjq", "代金券(F9)");
    rLhjz = radio("rLhjz", "联合结账(F10)");
    chkXp = new QCheckBox(QStringLiteral("打印小票(F4)"), this);
    chkXp->setObjectName(QStringLiteral("chkXp"));
    txp = money("txp", 3);
    btnMl = namedButton(this, "btnMl", QStringLiteral("抹零(F3)"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));

    auto* modes = new QVBoxLayout;
    modes->addWidget(new QLabel(QStringLiteral("付款方式选择(F2)"), this));
    for (QRadioButton* r : {rXj, rCzk, rYhk, rDjq, rLhjz})
        modes->addWidget(r);

    m_panels = new QStackedWidget(this);
    auto* single = new QWidget(m_panels);
    single->setObjectName(QStringLiteral("RzPanel_Fk"));
    auto* sf = new QFormLayout(single);
    sf->addRow(QStringLiteral("应付金额："), yfje);
    sf->addRow(QStringLiteral("付款方式："), zffs);
    sf->addRow(QStringLiteral("付款金额："), tfkje);
    sf->addRow(QStringLiteral("抹零金额："), tmlje);
    sf->addRow(QStringLiteral("找零金额："), tzlje);
    sf->addRow(QStringLiteral("备    注："), tnote);
    auto* combined = new QWidget(m_panels);
    combined->setObjectName(QStringLiteral("RzPanel_Fk2"));
    auto* cf = new QFormLayout(combined);
    cf->addRow(QStringLiteral("应付金额："), yfje2);
    cf->addRow(QStringLiteral("现金："), tfkje2);
    cf->addRow(QStringLiteral("储值卡："), tczk);
    cf->addRow(QStringLiteral("账户余额："), zhje);
    cf->addRow(QStringLiteral("银行卡："), tyhk);
    cf->addRow(QStringLiteral("代金券："), tdjq);
    cf->addRow(QStringLiteral("抹零金额："), tmlje2);
    cf->addRow(QStringLiteral("找零金额："), zlje);
    cf->addRow(QStringLiteral("备    注："), tnote2);
    m_panels->addWidget(single);
    m_panels->addWidget(combined);

    auto* print = new QHBoxLayout;
    print->addWidget(chkXp);
    print->addWidget(txp);
    print->addWidget(new QLabel(QStringLiteral("份"), this));
    print->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(modes);
    middle->addWidget(m_panels, 1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(middle);
    box->addLayout(print);
    box->addLayout(buttonRow({btnMl, btnOK, btnCancel}));

    for (QLineEdit* e : {tfkje, tmlje})
        connect(e, &QLineEdit::textChanged, this, [this] { if (m_recalc) recalcSingle(); });
    for (QLineEdit* e : {tfkje2, tczk, tyhk, tdjq, tmlje2})
        connect(e, &QLineEdit::textChanged, this, [this] { if (m_recalc) recalcCombined(); });
    const std::pair<QRadioButton*, PosPayMode> buttons[] = {{rXj, PosPayMode::Cash},
                                                            {rCzk, PosPayMode::StoredValue},
                                                            {rYhk, PosPayMode::BankCard},
                                                            {rDjq, PosPayMode::Voucher},
                                                            {rLhjz, PosPayMode::Combined}};
    for (const auto& [button, mode] : buttons)
        onClicked(button, [this, mode] { selectMode(mode); });
    onClicked(btnMl, [this] {
        ensureForm(F_Posxs_Ml)->setAmountDue(yfje->text());
        showForm(F_Posxs_Ml);
        if (F_Posxs_Ml->confirmed())
            applyRoundOff(F_Posxs_Ml->roundOff());
    });
    onClicked(btnOK, [this] { btnSaveClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

Money TF_Posxs_Fk::due() const { return Money::fromText(yfje->text()); }
Money TF_Posxs_Fk::balance() const { return Money::fromText(zhje->text()); }
bool TF_Posxs_Fk::combinedShown() const { return m_panels->currentIndex() == 1; }

void TF_Posxs_Fk::FormActivate()
{
    m_recalc = false;
    m_posted = false;
    m_panels->setCurrentIndex(0);
    TF_Posxs* till = ensureForm(F_Posxs);
    const QString dueText = posAmountDueText(till->totalText(), csPosfkws);
    yfje->setText(dueText);
    yfje2->setText(dueText);
    for (QLineEdit* e : {tmlje, tzlje, tmlje2, tyhk, tdjq, tczk})
        e->setText(QStringLiteral("0"));
    zlje->setText(QStringLiteral("0"));
    tnote->clear();
    tnote2->clear();
    tfkje->setText(dueText);
    tfkje2->setText(dueText);
    m_mode = PosPayMode::Cash;
    rXj->setChecked(true);
    zffs->setText(QStringLiteral("现金"));
    rCzk->setEnabled(true);
    tczk->setEnabled(true);
    m_balanceText = paramValue;
    zhje->setText(paramValue.isEmpty() ? QStringLiteral("0") : paramValue);
    if (balance() < due()) {
        rCzk->setEnabled(false);
    } else {
        m_mode = PosPayMode::StoredValue;
        rCzk->setChecked(true);
        zffs->setText(QStringLiteral("储值卡(余额：") + m_balanceText + QStringLiteral(")"));
    }
    if (zhje->text() == QLatin1String("0"))
        tczk->setEnabled(false);
    m_recalc = true;
    recalcSingle();
    tfkje->setFocus();
    tfkje->selectAll();
}

void TF_Posxs_Fk::selectMode(PosPayMode mode)
{
    m_mode = mode;
    switch (mode) {
    case PosPayMode::Cash: rXj->setChecked(true); break;
    case PosPayMode::StoredValue: rCzk->setChecked(true); break;
    case PosPayMode::BankCard: rYhk->setChecked(true); break;
    case PosPayMode::Voucher: rDjq->setChecked(true); break;
    case PosPayMode::Combined: rLhjz->setChecked(true); break;
    }
    if (mode == PosPayMode::Combined) {
        m_panels->setCurrentIndex(1);
        recalcCombined();
        return;
    }
    m_panels->setCurrentIndex(0);
    static const char* labels[] = {"现金", "", "银行卡", "代金券"};
    if (mode == PosPayMode::StoredValue)
        zffs->setText(QStringLiteral("储值卡(余额：") + m_balanceText + QStringLiteral(")"));
    else
        zffs->setText(QString::fromUtf8(labels[int(mode) - 1]));
    recalcSingle();
}

void TF_Posxs_Fk::recalcSingle()
{
    const bool was = m_recalc;
    m_recalc = false;
    if (m_mode == PosPayMode::StoredValue) {
        // A card pays at most the balance and never more than is due: no change out of a card.
        const Money cap = storedValueCap(balance(), due(), Money::fromText(tmlje->text()));
        if (Money::fromText(tfkje->text()) > cap)
            tfkje->setText(cap.toText());
    }
    tzlje->setText(fixed2(Money::fromText(tmlje->text()) + Money::fromText(tfkje->text()) - due()));
    tfkje2->setText(tfkje->text());
    m_recalc = was;
}

void TF_Posxs_Fk::recalcCombined()
{
    const bool was = m_recalc;
    m_recalc = false;
    // The card pays at most what the other parts leave due: no change comes out of a card.
    const Money others = Money::fromText(tmlje2->text()) + Money::fromText(tfkje2->text())
        + Money::fromText(tyhk->text()) + Money::fromText(tdjq->text());
    Money cap = storedValueCap(balance(), due(), Money::fromText(tmlje2->text()));
    cap = std::min(cap, std::max(Money(), due() - others));
    if (Money::fromText(tczk->text()) > cap)
        tczk->setText(cap.toText());
    const Money sum = Money::fromText(tmlje2->text()) + Money::fromText(tfkje2->text()) + Money::fromText(tyhk->text())
        + Money::fromText(tdjq->text()) + Money::fromText(tczk->text());
    zlje->setText(fixed2(sum - due()));
    tfkje->setText(tfkje2->text());
    m_recalc = was;
}

void TF_Posxs_Fk::applyRoundOff(Money roundOff)
{
    const bool was = m_recalc;
    m_recalc = false;
    tmlje->setText(roundOff.toText());
    tmlje2->setText(roundOff.toText());
    tfkje->setText((due() - roundOff).toText());
    tfkje2->setText((due() - roundOff).toText());
    const QString note = QStringLiteral("抹零金额") + roundOff.toText() + QStringLiteral("元");
    tnote->setText(tnote->text() + note);
    tnote2->setText(tnote2->text() + note);
    m_recalc = was;
    if (combinedShown())
        recalcCombined();
    else
        recalcSingle();
}

PosPayment TF_Posxs_Fk::payment() const
{
    PosPayment p;
    p.mode = m_mode;
    p.due = due();
    p.balance = balance();
    if (combinedShown()) {
        p.roundOff = Money::fromText(tmlje2->text());
        p.cash = Money::fromText(tfkje2->text());
        p.storedValue = Money::fromText(tczk->text());
        p.bankCard = Money::fromText(tyhk->text());
        p.voucher = Money::fromText(tdjq->text());
        p.tendered = p.cash;
        p.note = tnote2->text().trimmed();
    } else {
        p.roundOff = Money::fromText(tmlje->text());
        p.tendered = Money::fromText(tfkje->text());
        p.cash = p.tendered;
        p.note = tnote->text().trimmed();
    }
    return p;
}

void TF_Posxs_Fk::btnSaveClick()
{
    const PosPayment pay = payment();
    const QString refusal = posPaymentRefusal(pay);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    TF_Posxs* till = ensureForm(F_Posxs);
    PosSale sale;
    sale.djh = till->number();
    sale.memberCard = till->member().card;
    sale.ckSn = till->warehouseCode();
    sale.uSn = till->staffCode();
    sale.op = operatorName;
    sale.payment = pay;
    postPosSale(sale);
    m_posted = true;
    accept();
    // The sale is on file; a receipt that fails does not hold up the next sale.
    if (chkXp->isEnabled() && chkXp->isChecked())
        runGuarded([&] { printXp(sale.djh, till); });
}

bool TF_Posxs_Fk::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: reject(); return true;
    case Qt::Key_F2:
    case Qt::Key_F6: selectMode(PosPayMode::Cash); return true;
    case Qt::Key_F3: btnMl->click(); return true;
    case Qt::Key_F4:
        chkXp->setChecked(true);
        txp->setFocus();
        return true;
    case Qt::Key_F5: btnSaveClick(); return true;
    case Qt::Key_F7: selectMode(PosPayMode::StoredValue); return true;
    case Qt::Key_F8: selectMode(PosPayMode::BankCard); return true;
    case Qt::Key_F9: selectMode(PosPayMode::Voucher); return true;
    case Qt::Key_F10: selectMode(PosPayMode::Combined); return true;
    default: return false;
    }
}
