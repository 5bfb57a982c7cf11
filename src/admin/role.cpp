#include "admin/role.h"

#include "admin/adminrecords.h"
#include "admin/role_add.h"
#include "admin/role_modi.h"
#include "data/datamodule.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

TF_Role* F_Role = nullptr;

TF_Role::TF_Role(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Role"));
    setWindowTitle(QStringLiteral("角色管理"));
    setEscCloses(true);
    resize(520, 400);

    btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDele = namedButton(this, "btnDele", QStringLiteral("删除"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDele, btnExit})
        bar->addWidget(b);
    bar->addStretch();

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Role);
    DBGrid1->addColumn(QStringLiteral("r_sn"), QStringLiteral("角色编号"), 100).footerCount(QStringLiteral("记录数："));
    DBGrid1->addColumn(QStringLiteral("r_name"), QStringLiteral("角色名称"), 240);

    auto* grid = new QGridLayout(this);
    grid->addLayout(bar, 0, 0);
    grid->addWidget(DBGrid1, 1, 0);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
}

void TF_Role::FormActivate()
{
    openQuery(DataModule->Q_Role, QStringLiteral("select * from jxc_role order by id"));
}

void TF_Role::FormClose()
{
    DataModule->Q_Role->close();
}

void TF_Role::btnAddClick()
{
    showForm(F_Role_Add);
}

void TF_Role::btnModiClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    if (DBGrid1->value(row, QStringLiteral("r_sn")) == QLatin1String(kAdminRole)) {
        msgInfo(QStringLiteral("系统管理员不能修改！"), this);
        return;
    }
    showForm(F_Role_Modi);
}

void TF_Role::btnDeleClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    const QString code = DBGrid1->value(row, QStringLiteral("r_sn"));
    const QString refusal = roleDeleteRefusal(code);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除选中的角色吗？"), this))
        return;
    deleteRole(code);
    DataModule->Q_Role->refresh();
}
