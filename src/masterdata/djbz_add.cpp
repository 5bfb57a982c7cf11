#include "masterdata/djbz_add.h"

#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QLineEdit>
#include <QPushButton>

TF_Djbz_Add* F_Djbz_Add = nullptr;

TF_Djbz_Add::TF_Djbz_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Djbz_Add"));
    setWindowTitle(QStringLiteral("增加常用备注信息"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    tname = nameBox(this, "tname", 32);
    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    layOutOneField(this, QStringLiteral("内容："), tname, {btnOK, btnExit});
    setMinimumWidth(360);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Djbz_Add::FormActivate()
{
    if (btnFlag == QLatin1String("1")) {
        setWindowTitle(QStringLiteral("增加常用备注信息"));
        tname->clear();
    } else {
        setWindowTitle(QStringLiteral("修改常用备注信息"));
        tname->setText(DataModule->Q_Djbz->fieldByName(QStringLiteral("dj_name")));
    }
    tname->setFocus();
}

void TF_Djbz_Add::btnOKClick()
{
    const bool adding = btnFlag == QLatin1String("1");
    const SaveOutcome outcome =
        adding ? addRemark(tname->text())
               : modifyRemark(DataModule->Q_Djbz->fieldByName(QStringLiteral("dj_sn")), tname->text());
    if (!outcome.ok()) {
        msgInfo(outcome.error, this);
        return;
    }
    NamedQuery* q = DataModule->Q_Djbz;
    q->open(q->designSql());
    q->locate(QStringLiteral("dj_sn"), outcome.code);
    accept();
}
