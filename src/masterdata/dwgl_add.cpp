#include "masterdata/dwgl_add.h"

#include "data/datamodule.h"
#include "masterdata/unitbranddata.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QLineEdit>
#include <QPushButton>

TF_Dwgl_Add* F_Dwgl_Add = nullptr;

TF_Dwgl_Add::TF_Dwgl_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Dwgl_Add"));
    setWindowTitle(QStringLiteral("增加单位"));
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);
    Edit1 = nameBox(this, "Edit1", 32);
    btnSave = namedButton(this, "btnSave", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    layOutOneField(this, QStringLiteral("单位名称："), Edit1, {btnSave, btnExit});

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
