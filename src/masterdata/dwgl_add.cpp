#include "masterdata/dwgl_add.h"

#include "data/datamodule.h"
#include "masterdata/unitbranddata.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Dwgl_Add* F_Dwgl_Add = nullptr;

TF_Dwgl_Add::TF_Dwgl_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Dwgl_Add"));
    setWindowTitle(QStringLiteral("增加单位"));
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(32);
    installKeyFilter(Edit1);
    btnSave = new QPushButton(QStringLiteral("保存(F5)"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnSave->setAutoDefault(false);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("单位名称："), Edit1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    auto* col = new QVBoxLayout(this);
    col->addLayout(form);
    col->addLayout(buttons);

    onClicked(btnSave, [this] { btnSaveClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Dwgl_Add::FormActivate()
{
    Edit1->clear();
    Edit1->setFocus();
}

void TF_Dwgl_Add::btnSaveClick()
{
    const MasterResult r = addUnit(Edit1->text());
    if (!r.ok()) {
        msgInfo(r.error, this);
        return;
    }
    DataModule->Q_Dw->open(QStringLiteral("select * from jxc_dw order by id desc"));
    close();
}
