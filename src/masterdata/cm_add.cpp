#include "masterdata/cm_add.h"

#include "data/namedquery.h"
#include "masterdata/sizecolorkit.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Cm_Add* F_Cm_Add = nullptr;
TF_Cm_Modi* F_Cm_Modi = nullptr;
TF_Color_Add* F_Color_Add = nullptr;
TF_Color_Modi* F_Color_Modi = nullptr;

SizeColorMemberForm::SizeColorMemberForm(const SizeColorKit& kit, bool modify, const QString& name)
    : m_kit(kit), m_modify(modify)
{
    const SizeColorFamily& f = kit.family;
    setObjectName(name);
    setWindowTitle(modify ? f.modifyMemberTitle : f.addMemberTitle);
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(16);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(8);
    installKeyFilter(Edit1);
    installKeyFilter(Edit2);
    btnSave = namedButton(this, "btnSave", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    auto* form = new QFormLayout;
    form->addRow(f.memberNameLabel, Edit1);
    form->addRow(f.memberCodeLabel, Edit2);
    auto* buttons = buttonRow({btnSave, btnExit});
    auto* col = new QVBoxLayout(this);
    col->addLayout(form);
    col->addWidget(new QLabel(QString::fromUtf8(kTmAdvice), this));
    col->addLayout(buttons);

    onClicked(btnSave, [this] { btnSaveClick(); });
    onClicked(btnExit, [this] { close(); });
}

void SizeColorMemberForm::FormActivate()
{
    m_member.clear();
    Edit1->clear();
    Edit2->clear();
    if (m_modify) {
        const NamedQuery* members = m_kit.editMembers();
        m_member = members->fieldByName(m_kit.family.memberCol("sn"));
        Edit1->setText(members->fieldByName(m_kit.family.memberCol("name")));
        Edit2->setText(members->fieldByName(m_kit.family.memberCol("tm")));
    }
    Edit1->setFocus();
}

void SizeColorMemberForm::btnSaveClick()
{
    const MasterResult r = m_modify ? modifyMember(m_kit.family, m_member, Edit1->text(), Edit2->text())
                                    : addMember(m_kit.family, Edit1->text(), Edit2->text());
    if (!r.ok()) {
        msgInfo(r.error, this);
        return;
    }
    close();
}

TF_Cm_Add::TF_Cm_Add() : SizeColorMemberForm(sizeKit(), false, QStringLiteral("F_Cm_Add")) {}
TF_Cm_Modi::TF_Cm_Modi() : SizeColorMemberForm(sizeKit(), true, QStringLiteral("F_Cm_Modi")) {}
TF_Color_Add::TF_Color_Add() : SizeColorMemberForm(colorKit(), false, QStringLiteral("F_Color_Add")) {}
TF_Color_Modi::TF_Color_Modi() : SizeColorMemberForm(colorKit(), true, QStringLiteral("F_Color_Modi")) {}
