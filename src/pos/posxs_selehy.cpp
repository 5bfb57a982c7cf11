#include "pos/posxs_selehy.h"

#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "pos/posxs.h"
#include "pos/tilllines.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_SeleHy* F_Posxs_SeleHy = nullptr;

TF_Posxs_SeleHy::TF_Posxs_SeleHy(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_SeleHy"));
    setWindowTitle(QStringLiteral("选择会员"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    auto box = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(12);
        return e;
    };
    edtCard = box("edtCard");
    edtPwd = box("edtPwd");
    edtPwd->setEchoMode(QLineEdit::Password);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("请输入会员编号："), edtCard);
    form->addRow(QStringLiteral("请输入会员密码："), edtPwd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("若会员编号为空，则删除已选会员"), this));
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Posxs_SeleHy::FormActivate()
{
    edtCard->clear();
    edtPwd->clear();
    paramValue.clear();
    edtCard->setFocus();
}

bool TF_Posxs_SeleHy::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btnOKClick();
        return true;
    }
    // Punctuation from "!" to "/" is dropped as typed, except "*".
    const QString text = event->text();
    if (!text.isEmpty()) {
        const ushort c = text.at(0).unicode();
        if (c >= 33 && c <= 47 && c != '*')
            return true;
    }
    return false;
}

void TF_Posxs_SeleHy::btnOKClick()
{
    TF_Posxs* till = ensureForm(F_Posxs);
    paramValue.clear();
    if (edtCard->text().trimmed().isEmpty()) {
        till->clearMemberPanel();
        repriceForMember(till->number(), TillMember{});
        accept();
        return;
    }
    const TillMemberChoice choice = chooseTillMember(edtCard->text(), edtPwd->text());
    if (!choice.refusal.isEmpty()) {
        msgInfo(choice.refusal, this);
        return;
    }
    repriceForMember(till->number(), TillMember{choice.card, choice.levelSn, choice.discount});
    till->setMemberPanel(choice);
    paramValue = choice.balance.isEmpty() ? QStringLiteral("0") : choice.balance;
    accept();
}
