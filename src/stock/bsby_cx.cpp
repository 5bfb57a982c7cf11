#include "stock/bsby_cx.h"

#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Bsby_Cx* F_Bsby_Cx = nullptr;

TF_Bsby_Cx::TF_Bsby_Cx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Bsby_Cx"));
    lbCk = new QLabel;
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    cbPd = new QCheckBox;
    cbPd->setObjectName(QStringLiteral("cbPd"));
    auto* grid = new QGridLayout;
    grid->addWidget(lbCk, 0, 0);
    grid->addWidget(comCk, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("经 办 人：")), 1, 0);
    grid->addWidget(comUser, 1, 1);
    grid->addWidget(cbPd, 2, 0, 1, 2);
    auto* ok = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* quit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({ok, quit}));
    onClicked(ok, [this] { btnOKClick(); });
    onClicked(quit, [this] { reject(); });
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    setLoss(true);
}

void TF_Bsby_Cx::setLoss(bool loss)
{
    const QString kind = loss ? QStringLiteral("报损") : QStringLiteral("报溢");
    setWindowTitle(QStringLiteral("库存") + kind + QStringLiteral("查询"));
    lbCk->setText(kind + QStringLiteral("仓库："));
    cbPd->setText(QStringLiteral("只查询盘点") + kind + QStringLiteral("商品"));
}

void TF_Bsby_Cx::FormActivate()
{
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    fillCodeComboWhereFirst(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("所有经办人"),
                            QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                            QStringLiteral("u_sn"));
    comUser->setCurrentIndex(0);
}

void TF_Bsby_Cx::btnOKClick()
{
    choiceParam = QStringLiteral("1");
    accept();
}
