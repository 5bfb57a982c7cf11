#include "masterdata/cmz.h"

#include "data/globals.h"
#include "data/namedquery.h"
#include "masterdata/sizecolorkit.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TF_Cmz* F_Cmz = nullptr;
TF_Colorz* F_Colorz = nullptr;

SizeColorGroupForm::SizeColorGroupForm(const SizeColorKit& kit, const QString& name) : m_kit(kit)
{
    const SizeColorFamily& f = kit.family;
    setObjectName(name);
    setWindowTitle(f.groupWindowTitle);
    resize(560, 420);

    auto button = [this](const char* objectName, const QString& text) { return namedButton(this, objectName, text); };
    auto box = [this](const char* objectName, const QString& title, DataGrid*& grid, const char* gridName,
                      const QString& caption, const QString& field, QPushButton* first, QPushButton* second,
                      QPushButton* third) {
        auto* group = new QGroupBox(title, this);
        group->setObjectName(QString::fromLatin1(objectName));
        grid = new DataGrid(group);
        grid->setObjectName(QString::fromLatin1(gridName));
        grid->addColumn(field, caption, 160);
        auto* buttons = new QHBoxLayout;
        for (QPushButton* b : {first, second, third})
            if (b)
                buttons->addWidget(b);
        buttons->addStretch(1);
        auto* col = new QVBoxLayout(group);
        col->addWidget(grid, 1);
        col->addLayout(buttons);
        return group;
    };

    btnAdd = button("btnAdd", QStringLiteral("新增"));
    btnModi = button("btnModi", QStringLiteral("修改"));
    btnDel = button("btnDel", QStringLiteral("删除"));
    btnAdd2 = button("btnAdd2", QStringLiteral("新增"));
    btnDel2 = button("btnDel2", QStringLiteral("删除"));
    btnOK = button("btnOK", QStringLiteral("确定退出"));
    GroupBox1 = box("GroupBox1", f.allGroups, DBGrid1, "DBGrid1", f.groupNameCaption, f.groupCol("name"), btnAdd,
                    btnModi, btnDel);
    GroupBox2 = box("GroupBox2", f.holds, DBGrid2, "DBGrid2", f.memberNameCaption, f.memberCol("name"), btnAdd2,
                    btnDel2, nullptr);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(GroupBox1, 1);
    boxes->addWidget(GroupBox2, 1);
    auto* bottom = buttonRow({btnOK});
    auto* col = new QVBoxLayout(this);
    col->addLayout(boxes, 1);
    col->addLayout(bottom);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnAdd2, [this] { btnAdd2Click(); });
    onClicked(btnDel2, [this] { btnDel2Click(); });
    onClicked(btnOK, [this] { close(); });
    connect(DBGrid1, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { showMembers(); }); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
}

QString SizeColorGroupForm::focusedGroup() const
{
    return m_kit.groups()->fieldByName(m_kit.family.groupCol("sn"));
}

void SizeColorGroupForm::FormActivate()
{
    bindGrid(DBGrid1, m_kit.groups());
    bindGrid(DBGrid2, m_kit.members());
    reloadGroups();
}

void SizeColorGroupForm::reloadGroups()
{
    m_kit.groups()->open(groupListSql(m_kit.family));
    showMembers();
}

void SizeColorGroupForm::showMembers()
{
    NamedQuery* groups = m_kit.groups();
    if (groups->isEmpty()) {
        m_kit.members()->close();
        GroupBox2->setTitle(m_kit.family.holds);
        return;
    }
    GroupBox2->setTitle(groups->fieldByName(m_kit.family.groupCol("name")) + m_kit.family.holds);
    m_kit.members()->open(groupMembersSql(m_kit.family, focusedGroup()));
}

void SizeColorGroupForm::btnAddClick()
{
    callerFlag.clear();
    modeFlag = QStringLiteral("add");
    SizeColorKit::open(m_kit.nameDialog);
    modeFlag.clear();
    // The dialog leaves the code of the group it created: compose the new group at once.
    if (!callerFlag.isEmpty())
        SizeColorKit::open(m_kit.editor);
    callerFlag.clear();
    reloadGroups();
}

void SizeColorGroupForm::btnModiClick()
{
    if (m_kit.groups()->isEmpty())
        return;
    if (m_kit.family.guardsDefaultGroup && focusedGroup() == QLatin1String(kDefaultSn)) {
        msgInfo(m_kit.family.defaultGroupNoRename, this);
        return;
    }
    modeFlag = QStringLiteral("modi");
    SizeColorKit::open(m_kit.nameDialog);
    modeFlag.clear();
    callerFlag.clear();
    reloadGroups();
}

void SizeColorGroupForm::btnDelClick()
{
    if (m_kit.groups()->isEmpty())
        return;
    const QString group = focusedGroup();
    if (const QString refusal = groupDeleteRefusal(m_kit.family, group); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!msgYesNo(m_kit.family.askDeleteGroup, this))
        return;
    const MasterResult r = deleteGroup(m_kit.family, group);
    reloadGroups();
    if (!r.ok())
        msgInfo(r.error, this);
}

void SizeColorGroupForm::btnAdd2Click()
{
    if (m_kit.groups()->isEmpty()) {
        msgInfo(m_kit.family.noGroupYet, this);
        return;
    }
    callerFlag = focusedGroup();
    SizeColorKit::open(m_kit.editor);
    callerFlag.clear();
    showMembers();
}

void SizeColorGroupForm::btnDel2Click()
{
    NamedQuery* members = m_kit.members();
    if (!members->isOpen() || members->isEmpty())
        return;
    const QString group = focusedGroup();
    if (const QString refusal = groupMemberRemoveRefusal(m_kit.family, group); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!msgYesNo(m_kit.family.askDeleteMember, this))
        return;
    const MasterResult r = removeGroupMember(m_kit.family, group, members->fieldByName(m_kit.family.memberCol("sn")));
    reloadGroups();
    if (!r.ok())
        msgInfo(r.error, this);
}

TF_Cmz::TF_Cmz() : SizeColorGroupForm(sizeKit(), QStringLiteral("F_Cmz")) {}

TF_Colorz::TF_Colorz() : SizeColorGroupForm(colorKit(), QStringLiteral("F_Colorz")) {}
