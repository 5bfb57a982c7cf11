#include "stock/kcdb_cx.h"

#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Kcdb_Cx* F_Kcdb_Cx = nullptr;

TF_Kcdb_Cx::TF_Kcdb_Cx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Kcdb_Cx"));
    setWindowTitle(QStringLiteral("库存调拨高级查询"));
    auto combo = [](const char* name) {
        auto* c = new CodeComboBox;
        c->setObjectName(QLatin1String(name));
        return c;
    };
    comCk = combo("comCk");
    comCk2 = combo("comCk2");
    comUser = combo("comUser");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("调出仓库：")), 0, 0);
    grid->addWidget(comCk, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("调入仓库：")), 1, 0);
    grid->addWidget(comCk2, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("经 办 人：")), 2, 0);
    grid->addWidget(comUser, 2, 1);
    auto* ok = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* quit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({ok, quit}));
    onClicked(ok, [this] { btnOKClick(); });
    onClicked(quit, [this] { reject(); });
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
}

void TF_Kcdb_Cx::FormActivate()
{
    for (CodeComboBox* c : {comCk, comCk2}) {
        fillCodeCombo(c, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                      QStringLiteral("id"), QStringLiteral("ck_sn"));
        c->setCurrentIndex(0);
    }
    fillCodeComboWhereFirst(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("所有经办人"),
                            QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                            QStringLiteral("u_sn"));
    comUser->setCurrentIndex(0);
}

void TF_Kcdb_Cx::btnOKClick()
{
    choiceParam = QStringLiteral("1");
    accept();
}
