#include "masterdata/ppcs_add.h"

#include "data/datamodule.h"
#include "masterdata/ppcs.h"
#include "masterdata/unitbranddata.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QLineEdit>
#include <QPushButton>

TF_Ppcs_Add* F_Ppcs_Add = nullptr;

TF_Ppcs_Add::TF_Ppcs_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ppcs_Add"));
    setWindowTitle(QStringLiteral("增加品牌"));
    Edit1 = nameBox(this, "Edit1", 32);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定"));
    btnOK->setAutoDefault(true);  // Enter in the name box confirms
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消"));
    layOutOneField(this, QStringLiteral("输入品牌厂商："), Edit1, {btnOK, btnCancel});

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });
}

void TF_Ppcs_Add::FormActivate()
{
    Edit1->clear();
    Edit1->setFocus();
}

void TF_Ppcs_Add::btnOKClick()
{
    const MasterResult r = addBrand(Edit1->text());
    if (!r.ok()) {
        msgInfo(r.error, this);
        return;
    }
    DataModule->Q_Ppcs->open(ppcsSql());
    close();
}
