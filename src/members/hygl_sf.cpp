#include "members/hygl_sf.h"

#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Hygl_Sf* F_Hygl_Sf = nullptr;

namespace {
QLineEdit* moneyBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(10);
    box->setValidator(new QDoubleValidator(0, 1e9, 2, box));
    return box;
}
Money boxMoney(const QLineEdit* box)
{
    return Money::fromText(box->text().trimmed());
}
}  // namespace

TF_Hygl_Sf::TF_Hygl_Sf(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hygl_Sf"));
    setWindowTitle(QStringLiteral("收费窗口"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    panels = new QStackedWidget(this);
    auto* single = new QWidget(panels);
    auto* singleForm = new QFormLayout(single);
    lblDue = new QLabel(single);
    lblDue->setObjectName(QStringLiteral("lblDue"));
    edtFkje = moneyBox(single, "edtFkje");
    edtZl = moneyBox(single, "edtZl");
    edtZl->setReadOnly(true);
    lblMethod = new QLabel(single);
    lblMethod->setObjectName(QStringLiteral("lblMethod"));
    singleForm->addRow(QStringLiteral("应收金额"), lblDue);
    singleForm->addRow(QStringLiteral("付款金额"), edtFkje);
    singleForm->addRow(QStringLiteral("找零金额"), edtZl);
    singleForm->addRow(QStringLiteral("支付方式"), lblMethod);
    auto* combined = new QWidget(panels);
    auto* combinedForm = new QFormLayout(combined);
    lblDue2 = new QLabel(combined);
    edtXj = moneyBox(combined, "edtXj");
    edtXyk = moneyBox(combined, "edtXyk");
    edtDjq = moneyBox(combined, "edtDjq");
    edtZl2 = moneyBox(combined, "edtZl2");
    edtZl2->setReadOnly(true);
    combinedForm->addRow(QStringLiteral("应收金额"), lblDue2);
    combinedForm->addRow(QStringLiteral("现金金额"), edtXj);
    combinedForm->addRow(QStringLiteral("信 用  卡"), edtXyk);
    combinedForm->addRow(QStringLiteral("代 金  券"), edtDjq);
    combinedForm->addRow(QStringLiteral("找零金额"), edtZl2);
    panels->addWidget(single);
    panels->addWidget(combined);

    btnXj = namedButton(this, "btnXj", QStringLiteral("现金(F6)"));
    btnXyk = namedButton(this, "btnXyk", QStringLiteral("信用卡(F8)"));
    btnDjq = namedButton(this, "btnDjq", QStringLiteral("代金券(F9)"));
    btnLh = namedButton(this, "btnLh", QStringLiteral("联合结账(F10)"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* box = new QVBoxLayout(this);
    box->addLayout(buttonRow({btnXj, btnXyk, btnDjq, btnLh}));
    box->addWidget(panels);
    box->addLayout(buttonRow({btnOK, btnCancel}));

    using M = ChargePayment::Method;
    onClicked(btnXj, [this] { chooseMethod(M::Cash); });
    onClicked(btnXyk, [this] { chooseMethod(M::BankCard); });
    onClicked(btnDjq, [this] { chooseMethod(M::Voucher); });
    onClicked(btnLh, [this] { chooseMethod(M::Combined); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
    connect(edtFkje, &QLineEdit::textChanged, this, [this] { recompute(false); });
    for (QLineEdit* part : {edtXj, edtXyk, edtDjq})
        connect(part, &QLineEdit::textChanged, this, [this] { recompute(true); });
}

void TF_Hygl_Sf::FormActivate()
{
    m_confirmed = false;
    m_filling = true;
    const QString due = m_due.toFixed(2);
    lblDue->setText(due);
    lblDue2->setText(due);
    edtFkje->setText(due);
    edtXj->setText(due);
    edtXyk->setText(QStringLiteral("0"));
    edtDjq->setText(QStringLiteral("0"));
    edtZl->setText(QStringLiteral("0.00"));
    edtZl2->setText(QStringLiteral("0.00"));
    m_filling = false;
    chooseMethod(ChargePayment::Method::Cash);
    edtFkje->setFocus();
    edtFkje->selectAll();
}

void TF_Hygl_Sf::chooseMethod(ChargePayment::Method method)
{
    using M = ChargePayment::Method;
    m_method = method;
    panels->setCurrentIndex(method == M::Combined ? 1 : 0);
    switch (method) {
    case M::Cash: lblMethod->setText(QStringLiteral("现金")); break;
    case M::BankCard: lblMethod->setText(QStringLiteral("信用卡")); break;
    case M::Voucher: lblMethod->setText(QStringLiteral("代金券")); break;
    case M::Combined: break;
    }
}

void TF_Hygl_Sf::recompute(bool fromCombined)
{
    if (m_filling)
        return;
    m_filling = true;
    if (fromCombined) {
        edtZl2->setText((boxMoney(edtXj) + boxMoney(edtXyk) + boxMoney(edtDjq) - m_due).toFixed(2));
        edtFkje->setText(edtXj->text());
    } else {
        edtZl->setText((boxMoney(edtFkje) - m_due).toFixed(2));
        edtXj->setText(edtFkje->text());
    }
    m_filling = false;
}

ChargePayment TF_Hygl_Sf::payment() const
{
    return {.method = m_method,
            .tendered = boxMoney(edtFkje),
            .cash = boxMoney(edtXj),
            .bankCard = boxMoney(edtXyk),
            .voucher = boxMoney(edtDjq)};
}

void TF_Hygl_Sf::btnOKClick()
{
    const bool combined = m_method == ChargePayment::Method::Combined;
    const Money paid = combined ? boxMoney(edtXj) + boxMoney(edtXyk) + boxMoney(edtDjq) : boxMoney(edtFkje);
    if (paid < m_due) {
        msgInfo(QStringLiteral("付款金额不足，不能保存！"), this);
        return;
    }
    m_confirmed = true;
    accept();
}

bool TF_Hygl_Sf::FormKeyDown(QKeyEvent* event)
{
    using M = ChargePayment::Method;
    switch (event->key()) {
    case Qt::Key_F2:
    case Qt::Key_F6: chooseMethod(M::Cash); return true;
    case Qt::Key_F8: chooseMethod(M::BankCard); return true;
    case Qt::Key_F9: chooseMethod(M::Voucher); return true;
    case Qt::Key_F10: chooseMethod(M::Combined); return true;
    default: return false;
    }
}

bool chargeConfirmed(Money due, ChargePayment* payment)
{
    TF_Hygl_Sf* form = ensureForm(F_Hygl_Sf);
    form->setDue(due);
    form->showModalForm();
    if (!form->confirmed())
        return false;
    *payment = form->payment();
    return true;
}
