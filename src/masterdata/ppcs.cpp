#include "masterdata/ppcs.h"

#include "data/datamodule.h"
#include "masterdata/sizecolorkit.h"
#include "masterdata/unitbranddata.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TF_Ppcs* F_Ppcs = nullptr;

QString ppcsSql()
{
    return QStringLiteral("select * from jxc_ppcs where pp_sn<>'100001' order by id");
}

TF_Ppcs::TF_Ppcs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ppcs"));
    setWindowTitle(QStringLiteral("品牌厂商"));
    resize(320, 400);
    auto button = [this](const char* objectName, const QString& text) { return namedButton(this, objectName, text); };
    btnAdd = button("btnAdd", QStringLiteral("增加"));
    btnDel = button("btnDel", QStringLiteral("删除"));
    btnExit = button("btnExit", QStringLiteral("退出"));
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->addColumn(QStringLiteral("pp_name"), QStringLiteral("品牌厂商"), 200);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnDel, btnExit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* col = new QVBoxLayout(this);
    col->addWidget(DBGrid1, 1);
    col->addLayout(buttons);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Ppcs::FormActivate()
{
    bindGrid(DBGrid1, DataModule->Q_Ppcs);
    DataModule->Q_Ppcs->open(ppcsSql());
}

void TF_Ppcs::FormClose()
{
    DataModule->Q_Ppcs->close();
}

void TF_Ppcs::btnAddClick()
{
    openWindow(QStringLiteral("TF_Ppcs_Add"), QString(), QStringLiteral("增加品牌"));
}

void TF_Ppcs::btnDelClick()
{
    NamedQuery* q = DataModule->Q_Ppcs;
    if (q->isEmpty())
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除该品牌吗！"), this))
        return;
    deleteBrand(q->fieldByName(QStringLiteral("pp_sn")));
    q->open(ppcsSql());
}
