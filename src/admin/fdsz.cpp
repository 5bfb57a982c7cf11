#include "admin/fdsz.h"

#include "admin/branch.h"
#include "data/datamodule.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TF_Fdsz* F_Fdsz = nullptr;

TF_Fdsz::TF_Fdsz(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Fdsz"));
    setWindowTitle(QStringLiteral("分店名设置"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    tsn = nameBox(this, "tsn", 8);
    tname = nameBox(this, "tname", 64);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("分店编号："), this), 0, 0);
    grid->addWidget(tsn, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("分店名称："), this), 1, 0);
    grid->addWidget(tname, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("提示：分店编号不能与其他分店编号重复"), this), 2, 0, 1, 2);
    grid->addLayout(buttonRow({btnOK, btnExit}), 3, 0, 1, 2);
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Fdsz::FormActivate()
{
    const ResultSet rs = openSelect(QStringLiteral("select fd_sn,fd_name from jxc_fd order by id"));
    tsn->setText(rs.rowCount() > 0 ? rs.text(0, 0) : QString());
    tname->setText(rs.rowCount() > 0 ? rs.text(0, 1) : QString());
}

void TF_Fdsz::btnOKClick()
{
    const QString refusal = saveBranch(tsn->text(), tname->text());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    msgInfo(QStringLiteral("保存成功！"), this);
    accept();
}
