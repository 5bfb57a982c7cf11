#include "masterdata/partnersearch.h"

#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PartnerSearchForm::PartnerSearchForm(PartnerKind kind, QWidget* parent) : TF_Form(parent)
{
    const PartnerSide& side = partnerSide(kind);
    setWindowTitle(side.searchCaption);
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    tname = edit("tname");
    tlxr = edit("tlxr");
    ttele = edit("ttele");
    taddress = edit("taddress");
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));

    auto* form = new QFormLayout;
    form->addRow(side.nameLabel, tname);
    form->addRow(QStringLiteral("联系人："), tlxr);
    form->addRow(QStringLiteral("联系电话："), ttele);
    form->addRow(QStringLiteral("联系地址："), taddress);
    auto* buttons = buttonRow({btnOK, btnCancel});
    auto* col = new QVBoxLayout(this);
    col->addLayout(form);
    col->addLayout(buttons);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void PartnerSearchForm::FormActivate()
{
    for (QLineEdit* e : {tname, tlxr, ttele, taddress})
        e->clear();
    tname->setFocus();
}

void PartnerSearchForm::btnOKClick()
{
    m_values = {tname->text().trimmed(), tlxr->text().trimmed(), ttele->text().trimmed(), taddress->text().trimmed()};
    accept();
}
