#include "pos/posxs_thje.h"

#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Thje* F_Posxs_Thje = nullptr;

TF_Posxs_Thje::TF_Posxs_Thje(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Thje"));
    setWindowTitle(QStringLiteral("退货金额"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    lblSpze = new QLabel(this);
    lblSpze->setObjectName(QStringLiteral("lblSpze"));
    edtThje = new QLineEdit(this);
    edtThje->setObjectName(QStringLiteral("edtThje"));
    edtThje->setMaxLength(8);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("商品总额："), lblSpze);
    form->addRow(QStringLiteral("退货金额："), edtThje);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Posxs_Thje::FormActivate()
{
    m_confirmed = false;
    lblSpze->setText(m_proposal.toFixed(2));
    edtThje->setText(m_proposal.toText());
    edtThje->setFocus();
    edtThje->selectAll();
}

void TF_Posxs_Thje::btnOKClick()
{
    paramValue = Money::fromText(edtThje->text()).toText();
    m_confirmed = true;
    accept();
}
