#include "pos/posxs_ml.h"

#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "pos/posposting.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Ml* F_Posxs_Ml = nullptr;

TF_Posxs_Ml::TF_Posxs_Ml(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Ml"));
    setWindowTitle(QStringLiteral("抹零操作"));
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);
    lblXfje = new QLabel(this);
    lblXfje->setObjectName(QStringLiteral("lblXfje"));
    edtMlje = new QLineEdit(this);
    edtMlje->setObjectName(QStringLiteral("edtMlje"));
    edtMlje->setMaxLength(6);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("消费金额："), lblXfje);
    form->addRow(QStringLiteral("抹零金额："), edtMlje);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnSaveClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Posxs_Ml::FormActivate()
{
    m_confirmed = false;
    lblXfje->setText(QStringLiteral("￥") + m_due);
    edtMlje->setText(QStringLiteral("0"));
    edtMlje->setFocus();
    edtMlje->selectAll();
}

bool TF_Posxs_Ml::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btnSaveClick();
        return true;
    }
    return false;
}

void TF_Posxs_Ml::btnSaveClick()
{
    const Money amount = Money::fromText(edtMlje->text());
    const QString refusal = roundOffRefusal(amount, operatorName);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    m_roundOff = amount;
    m_confirmed = true;
    accept();
}
