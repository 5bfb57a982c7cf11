#include "stock/cfkb_cx.h"

#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

TF_Cfkb_Cx* F_Cfkb_Cx = nullptr;

TF_Cfkb_Cx::TF_Cfkb_Cx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Cfkb_Cx"));
    setWindowTitle(QStringLiteral("拆分/捆绑查询"));
    setEscCloses(true);
    setMainAction([this] { close(); });
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { close(); });
    onClicked(btnExit, [this] { close(); });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("捆绑仓库："), comCk);
    form->addRow(QStringLiteral("经 办 人："), comUser);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttonRow({btnOK, btnExit}));
}

void TF_Cfkb_Cx::FormActivate()
{
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    fillCodeComboWhereFirst(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("所有经办人"),
                            QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                            QStringLiteral("u_sn"));
    comCk->setCurrentIndex(0);
    comUser->setCurrentIndex(0);
}

QString TF_Cfkb_Cx::warehouseCode() const
{
    return comCk->currentIndex() >= 0 ? getComboCode(comCk, comCk->currentIndex()) : CodeComboBox::AllCode;
}

QString TF_Cfkb_Cx::handlerCode() const
{
    return comUser->currentIndex() >= 0 ? getComboCode(comUser, comUser->currentIndex()) : CodeComboBox::AllCode;
}
