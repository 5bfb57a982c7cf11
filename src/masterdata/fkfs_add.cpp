#include "masterdata/fkfs_add.h"

#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

TF_Fkfs_Add* F_Fkfs_Add = nullptr;

TF_Fkfs_Add::TF_Fkfs_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Fkfs_Add"));
    setWindowTitle(QStringLiteral("增加付款方式"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    tname = nameBox(this, "tname", 32);
    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    layOutOneField(this, QStringLiteral("付款方式："), tname, {btnOK, btnExit});
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Fkfs_Add::btnOKClick()
{
    const SaveOutcome outcome = addPaymentMethod(tname->text());
    if (!outcome.ok()) {
        msgInfo(outcome.error, this);
        return;
    }
    NamedQuery* q = DataModule->Q_Fkfs;
    q->open(q->designSql());
    q->locate(QStringLiteral("fk_sn"), outcome.code);
    accept();
}
