#include "members/zpgl2_add.h"

#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TF_Zpgl2_Add* F_Zpgl2_Add = nullptr;

TF_Zpgl2_Add::TF_Zpgl2_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Zpgl2_Add"));
    setWindowTitle(QStringLiteral("增加赠品信息"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    edtSn = nameBox(this, "edtSn", 8);
    edtName = nameBox(this, "edtName", 32);
    auto number = [this](const char* name, int length, const QString& pattern) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(length);
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), e));
        return e;
    };
    edtSl = number("edtSl", 7, QStringLiteral("-?\\d*(\\.\\d{0,2})?"));
    edtJf = number("edtJf", 6, QStringLiteral("-?\\d*"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("赠品编号"), edtSn);
    form->addRow(QStringLiteral("赠品名称"), edtName);
    form->addRow(QStringLiteral("库存数量"), edtSl);
    form->addRow(QStringLiteral("兑换积分"), edtJf);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Zpgl2_Add::FormActivate()
{
    edtSn->clear();
    edtName->clear();
    edtSl->setText(QStringLiteral("0"));
    edtJf->setText(QStringLiteral("0"));
    edtSn->setFocus();
}

GiftFields TF_Zpgl2_Add::fields() const
{
    return {.sn = edtSn->text(),
            .name = edtName->text(),
            .qty = Money::fromText(edtSl->text().trimmed()),
            .points = Money::fromText(edtJf->text().trimmed())};
}

void TF_Zpgl2_Add::btnOKClick()
{
    if (const QString refusal = addGift(fields()); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
