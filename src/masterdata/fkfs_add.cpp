#include "masterdata/fkfs_add.h"

#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_Fkfs_Add* F_Fkfs_Add = nullptr;

TF_Fkfs_Add::TF_Fkfs_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Fkfs_Add"));
    setWindowTitle(QStringLiteral("增加付款方式"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(32);
    installKeyFilter(tname);
    btnOK = new QPushButton(QStringLiteral("保存(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setAutoDefault(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("付款方式："), this), 0, 0);
    grid->addWidget(tname, 0, 1, 1, 2);
    grid->addWidget(btnOK, 1, 1);
    grid->addWidget(btnExit, 1, 2);
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
