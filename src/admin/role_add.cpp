#include "admin/role_add.h"

#include "admin/adminrecords.h"
#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TF_Role_Add* F_Role_Add = nullptr;

TF_Role_Add::TF_Role_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Role_Add"));
    setWindowTitle(QStringLiteral("增加角色"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    resize(380, 520);

    tname = nameBox(this, "tname", 16);
    chkTree = new QTreeWidget(this);
    chkTree->setObjectName(QStringLiteral("chkTree"));
    chkTree->setHeaderHidden(true);
    chkSele = new QCheckBox(QStringLiteral("全选"), this);
    chkSele->setObjectName(QStringLiteral("chkSele"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));

    auto* rightsBox = new QGroupBox(QStringLiteral("操作权限"), this);
    auto* rightsLayoutBox = new QVBoxLayout(rightsBox);
    rightsLayoutBox->addWidget(chkTree);
    rightsLayoutBox->addWidget(chkSele);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("角色名称："), this), 0, 0);
    grid->addWidget(tname, 0, 1);
    grid->addWidget(rightsBox, 1, 0, 1, 2);
    grid->addLayout(buttonRow({btnOK, btnCancel}), 2, 0, 1, 2);

    connect(chkSele, &QCheckBox::clicked, this, [this](bool on) {
        for (int g = 0; g < chkTree->topLevelItemCount(); ++g)
            chkTree->topLevelItem(g)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Role_Add::setChkTree(const QStringList& rights)
{
    chkTree->clear();
    const QVector<RightsGroup>& groups = rightsLayout();
    for (int g = 0; g < groups.size(); ++g) {
        auto* group = new QTreeWidgetItem(chkTree, {QString::fromUtf8(groups[g].caption)});
        // Ticking a group ticks its rights; its own tick follows theirs.
        group->setFlags(group->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        const QString granted = rights.value(g);
        for (int i = 0; i < groups[g].rights.size(); ++i) {
            auto* right = new QTreeWidgetItem(group, {groups[g].rights[i]});
            right->setFlags(right->flags() | Qt::ItemIsUserCheckable);
            right->setCheckState(0, granted.mid(i, 1) == QLatin1String("1") ? Qt::Checked : Qt::Unchecked);
        }
    }
    chkTree->expandAll();
}

QStringList TF_Role_Add::rightsStrings() const
{
    QStringList strings;
    for (int g = 0; g < chkTree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = chkTree->topLevelItem(g);
        QString s;
        for (int i = 0; i < group->childCount(); ++i)
            s += group->child(i)->checkState(0) == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
        strings << s;
    }
    return strings;
}

void TF_Role_Add::FormActivate()
{
    tname->clear();
    setChkTree();
    tname->setFocus();
}

RoleInput TF_Role_Add::input() const
{
    return {tname->text(), rightsStrings()};
}

void TF_Role_Add::btnOKClick()
{
    const SaveOutcome out = addRole(input());
    if (!out.ok()) {
        msgInfo(out.error, this);
        return;
    }
    DataModule->Q_Role->refresh();
    accept();
}
