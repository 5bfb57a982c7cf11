#include "masterdata/ckgl_add.h"

#include "data/datamodule.h"
#include "masterdata/ckgl.h"
#include "masterdata/staffrecords.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_Ckgl_Add* F_Ckgl_Add = nullptr;

TF_Ckgl_Add::TF_Ckgl_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ckgl_Add"));
    setWindowTitle(QStringLiteral("增加仓库"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto field = [&](const char* name, const QString& caption, int maxLength) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(e, row++, 1, 1, 2);
        return e;
    };
    tname = field("tname", QStringLiteral("仓库名称："), 32);
    tfzr = field("tfzr", QStringLiteral("负  责  人："), 16);
    ttele = field("ttele", QStringLiteral("联系电话："), 32);
    taddress = field("taddress", QStringLiteral("仓库地址："), 32);
    tnote = field("tnote", QStringLiteral("备        注："), 64);
    chkDefault = new QCheckBox(QStringLiteral("默认仓库"), this);
    chkDefault->setObjectName(QStringLiteral("chkDefault"));
    chkPos = new QCheckBox(QStringLiteral("默认POS仓库"), this);
    chkPos->setObjectName(QStringLiteral("chkPos"));
    grid->addWidget(chkDefault, row, 1);
    grid->addWidget(chkPos, row++, 2);
    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* buttons = buttonRow({btnOK, btnExit});
    grid->addLayout(buttons, row, 0, 1, 3);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Ckgl_Add::FormActivate()
{
    for (QLineEdit* e : {tname, tfzr, ttele, taddress, tnote})
        e->clear();
    chkDefault->setChecked(false);
    chkPos->setChecked(false);
    tname->setFocus();
}

WarehouseInput TF_Ckgl_Add::input() const
{
    WarehouseInput in;
    in.name = tname->text();
    in.keeper = tfzr->text();
    in.tele = ttele->text();
    in.address = taddress->text();
    in.note = tnote->text();
    in.isDefault = chkDefault->isChecked();
    in.isPos = chkPos->isChecked();
    return in;
}

void TF_Ckgl_Add::btnOKClick()
{
    const SaveOutcome outcome = addWarehouse(input());
    if (!outcome.ok()) {
        msgInfo(outcome.error, this);
        return;
    }
    openQuery(DataModule->Q_Ckxx, ckxxListSql());
    accept();
}
