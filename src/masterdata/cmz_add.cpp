#include "masterdata/cmz_add.h"

#include "data/globals.h"
#include "data/namedquery.h"
#include "masterdata/sizecolorkit.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QLineEdit>
#include <QPushButton>

TF_Cmz_Add* F_Cmz_Add = nullptr;
TF_Colorz_Add* F_Colorz_Add = nullptr;

SizeColorNameForm::SizeColorNameForm(const SizeColorKit& kit, const QString& name) : m_kit(kit)
{
    setObjectName(name);
    setWindowTitle(kit.family.addGroupTitle);
    Edit1 = nameBox(this, "Edit1", 32);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定"));
    btnOK->setAutoDefault(true);  // Enter in the name box confirms
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消"));
    layOutOneField(this, QString(), Edit1, {btnOK, btnCancel});

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });
}

void SizeColorNameForm::FormActivate()
{
    m_mode = modeFlag;
    m_group.clear();
    if (m_mode == u"modi") {
        NamedQuery* groups = m_kit.groups();
        m_group = groups->fieldByName(m_kit.family.groupCol("sn"));
        Edit1->setText(groups->fieldByName(m_kit.family.groupCol("name")));
    } else {
        Edit1->clear();
    }
    Edit1->setFocus();
}

void SizeColorNameForm::btnOKClick()
{
    MasterResult r;
    if (m_mode == u"add")
        r = addGroup(m_kit.family, Edit1->text());
    else if (m_mode == u"modi")
        r = renameGroup(m_kit.family, m_group, Edit1->text());
    else {
        close();
        return;
    }
    if (!r.ok()) {
        msgInfo(r.error, this);
        return;
    }
    callerFlag = r.code;
    close();
}

TF_Cmz_Add::TF_Cmz_Add() : SizeColorNameForm(sizeKit(), QStringLiteral("F_Cmz_Add")) {}

TF_Colorz_Add::TF_Colorz_Add() : SizeColorNameForm(colorKit(), QStringLiteral("F_Colorz_Add")) {}
