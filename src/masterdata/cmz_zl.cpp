#include "masterdata/cmz_zl.h"

#include "data/globals.h"
#include "data/namedquery.h"
#include "masterdata/sizecolorkit.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Cmz_Zl* F_Cmz_Zl = nullptr;
TF_Colorz_Zl* F_Colorz_Zl = nullptr;

SizeColorEditorForm::SizeColorEditorForm(const SizeColorKit& kit, const QString& name) : m_kit(kit)
{
    const SizeColorFamily& f = kit.family;
    setObjectName(name);
    setWindowTitle(f.editorTitle);
    resize(640, 460);

    auto button = [this](const char* objectName, const QString& text) { return namedButton(this, objectName, text); };
    auto grid = [this, &f](const char* objectName) {
        auto* g = new DataGrid(this);
        g->setObjectName(QString::fromLatin1(objectName));
        g->addColumn(f.memberCol("name"), f.memberNameCaption, 160);
        return g;
    };
    lblName = new QLabel(this);
    lblName->setObjectName(QStringLiteral("lblName"));
    DBGrid1 = grid("DBGrid1");
    DBGrid2 = grid("DBGrid2");
    btnAdd = button("btnAdd", QStringLiteral("<"));
    btnAddAll = button("btnAddAll", QStringLiteral("<<"));
    btnDel = button("btnDel", QStringLiteral(">"));
    btnDelAll = button("btnDelAll", QStringLiteral(">>"));
    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    installKeyFilter(tKey);
    btnModi = button("btnModi", f.modifyMember);
    btnNew = button("btnNew", f.newMember);
    btnDelete = button("btnDelete", f.deleteMember);
    btnOK = button("btnOK", QStringLiteral("确定退出"));

    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(f.currentGroup, this));
    head->addWidget(lblName, 1);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch(1);
    for (QPushButton* b : {btnAdd, btnAddAll, btnDel, btnDelAll})
        arrows->addWidget(b);
    arrows->addStretch(1);
    auto* grids = new QGridLayout;
    grids->addWidget(new QLabel(f.currentMembers, this), 0, 0);
    grids->addWidget(new QLabel(f.allMembers, this), 0, 2);
    grids->addWidget(DBGrid1, 1, 0);
    grids->addLayout(arrows, 1, 1);
    grids->addWidget(DBGrid2, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(f.searchLabel, this));
    bottom->addWidget(tKey);
    bottom->addStretch(1);
    for (QPushButton* b : {btnModi, btnNew, btnDelete, btnOK})
        bottom->addWidget(b);
    auto* col = new QVBoxLayout(this);
    col->addLayout(head);
    col->addLayout(grids, 1);
    col->addLayout(bottom);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnAddAll, [this] { btnAddAllClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnDelAll, [this] { btnDelAllClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnNew, [this] { btnNewClick(); });
    onClicked(btnDelete, [this] { btnDeleteClick(); });
    onClicked(btnOK, [this] { close(); });
    connect(DBGrid2, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnAddClick(); }); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnDelClick(); }); });
    connect(tKey, &QLineEdit::textChanged, this, [this, &f](const QString& text) {
        DBGrid2->setSearch(text, {f.memberCol("name"), f.memberCol("jm"), f.memberCol("sn")});
    });
}

void SizeColorEditorForm::FormActivate()
{
    bindGrid(DBGrid1, m_kit.editMembers());
    bindGrid(DBGrid2, m_kit.available());
    m_group = callerFlag;
    tKey->clear();
    DBGrid2->clearFilter();
    lblName->setText(groupName(m_kit.family, m_group));
    refreshBoth();
}

void SizeColorEditorForm::FormClose()
{
    m_kit.editMembers()->close();
    m_kit.available()->close();
}

void SizeColorEditorForm::fillAvailable()
{
    m_kit.available()->open(availableMembersSql(m_kit.family, m_group));
}

void SizeColorEditorForm::refreshBoth()
{
    m_kit.editMembers()->open(groupMembersSql(m_kit.family, m_group));
    fillAvailable();
}

QString SizeColorEditorForm::focused(DataGrid* grid) const
{
    return grid->value(grid->currentRow(), m_kit.family.memberCol("sn"));
}

void SizeColorEditorForm::btnAddClick()
{
    if (DBGrid2->rowCount() == 0 || DBGrid2->currentRow() < 0)
        return;
    addMembersToGroup(m_kit.family, m_group, {focused(DBGrid2)});
    refreshBoth();
}

void SizeColorEditorForm::btnAddAllClick()
{
    // Every member the key filter shows, in the order shown.
    QStringList members;
    for (int i = 0; i < DBGrid2->rowCount(); ++i)
        members << DBGrid2->value(DBGrid2->sourceRow(i), m_kit.family.memberCol("sn"));
    if (members.isEmpty())
        return;
    addMembersToGroup(m_kit.family, m_group, members);
    DBGrid2->clearFilter();
    refreshBoth();
}

void SizeColorEditorForm::btnDelClick()
{
    if (DBGrid1->rowCount() == 0 || DBGrid1->currentRow() < 0)
        return;
    removeMembersFromGroup(m_kit.family, m_group, {focused(DBGrid1)});
    refreshBoth();
}

void SizeColorEditorForm::btnDelAllClick()
{
    if (DBGrid1->rowCount() == 0)
        return;
    clearGroup(m_kit.family, m_group);
    refreshBoth();
}

void SizeColorEditorForm::btnModiClick()
{
    if (DBGrid1->rowCount() == 0 || DBGrid1->currentRow() < 0)
        return;
    SizeColorKit::open(m_kit.modifyMemberDialog);
    m_kit.editMembers()->refresh();
}

void SizeColorEditorForm::btnNewClick()
{
    SizeColorKit::open(m_kit.addMemberDialog);
    fillAvailable();
}

void SizeColorEditorForm::btnDeleteClick()
{
    if (DBGrid2->rowCount() == 0 || DBGrid2->currentRow() < 0)
        return;
    const QString member = focused(DBGrid2);
    if (const QString refusal = memberDeleteRefusal(m_kit.family, member); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!msgYesNo(m_kit.family.askDeleteMember, this))
        return;
    const MasterResult r = deleteMember(m_kit.family, member);
    fillAvailable();
    if (!r.ok())
        msgInfo(r.error, this);
}

TF_Cmz_Zl::TF_Cmz_Zl() : SizeColorEditorForm(sizeKit(), QStringLiteral("F_Cmz_Zl")) {}

TF_Colorz_Zl::TF_Colorz_Zl() : SizeColorEditorForm(colorKit(), QStringLiteral("F_Colorz_Zl")) {}
