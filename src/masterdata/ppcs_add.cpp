#include "masterdata/ppcs_add.h"

#include "data/datamodule.h"
#include "masterdata/ppcs.h"
#include "masterdata/unitbranddata.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Ppcs_Add* F_Ppcs_Add = nullptr;

TF_Ppcs_Add::TF_Ppcs_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ppcs_Add"));
    setWindowTitle(QStringLiteral("增加品牌"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(32);
    installKeyFilter(Edit1);
    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("输入品牌厂商："), Edit1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* col = new QVBoxLayout(this);
    col->addLayout(form);
    col->addLayout(buttons);

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
