#include "masterdata/user2.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/user.h"
#include "masterdata/user_add.h"
#include "masterdata/user_modi.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_User2* F_User2 = nullptr;

CallerWords<HandlerCaller>& handlerCallers()
{
    static CallerWords<HandlerCaller> words;
    return words;
}

TF_User2::TF_User2(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_User2"));
    setWindowTitle(QStringLiteral("选择经办人"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    resize(720, 420);

    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };
    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    installKeyFilter(tKey);
    btnQuery = button("btnQuery", QStringLiteral("查询"));
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    setupStaffGrid(DBGrid1);
    btnOK = button("btnOK", QStringLiteral("确定(F5)"));
    btnCancel = button("btnCancel", QStringLiteral("取消(Esc)"));
    btnAdd = button("btnAdd", QStringLiteral("添加(F8)"));
    btnModi = button("btnModi", QStringLiteral("修改(F9)"));

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("请输入员工信息查询："), this));
    searchRow->addWidget(tKey, 1);
    searchRow->addWidget(btnQuery);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnOK, btnCancel, btnAdd, btnModi})
        buttons->addWidget(b);
    auto* grid = new QGridLayout(this);
    grid->addLayout(searchRow, 0, 0);
    grid->addWidget(DBGrid1, 1, 0);
    grid->addLayout(buttons, 2, 0);

    connect(tKey, &QLineEdit::textChanged, this, [this] { searchStaffKeys(DBGrid1, tKey->text()); });
    onClicked(btnQuery, [this] { searchStaffKeys(DBGrid1, tKey->text()); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnOKClick(); }); });
}

void TF_User2::FormActivate()
{
    DataModule->Q_User->open(DataModule->Q_User->designSql());
    tKey->setFocus();
}

void TF_User2::FormClose()
{
    DataModule->Q_User->close();
}

bool TF_User2::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F8) {
        runGuarded([this] { btnAddClick(); });
        return true;
    }
    if (event->key() == Qt::Key_F9) {
        runGuarded([this] { btnModiClick(); });
        return true;
    }
    return false;
}

void TF_User2::btnAddClick()
{
    showForm(F_User_Add);
}

void TF_User2::btnModiClick()
{
    if (DBGrid1->rowCount() > 0)
        showForm(F_User_Modi);
}

void TF_User2::btnOKClick()
{
    if (const HandlerCaller* caller = handlerCallers().find(callerFlag)) {
        const QString name = DBGrid1->rowCount() > 0 ? DataModule->Q_User->fieldByName(QStringLiteral("u_name")) : QString();
        if (QComboBox* combo = caller->combo()) {
            fillCodeComboWhere(combo, QStringLiteral("jxc_user"), QStringLiteral("u_name"),
                               QStringLiteral("新增经办人....."),
                               QStringLiteral("where %1<>0 and u_name<>'' and u_name is not null").arg(caller->flag),
                               QStringLiteral("id"), QStringLiteral("u_sn"));
            combo->setCurrentIndex(name.isEmpty() ? -1 : combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    }
    accept();
}
