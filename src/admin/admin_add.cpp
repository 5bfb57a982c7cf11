#include "admin/admin_add.h"

#include "admin/adminlist.h"
#include "admin/adminrecords.h"
#include "masterdata/staffrecords.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Admin_Add* F_Admin_Add = nullptr;

TF_Admin_Add::TF_Admin_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Admin_Add"));
    setWindowTitle(QStringLiteral("增加操作员"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto* box = new QGroupBox(QStringLiteral("操作员信息"), this);
    auto* grid = new QGridLayout(box);
    tname = new QLineEdit(box);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(16);
    comRole = new QComboBox(box);
    comRole->setObjectName(QStringLiteral("comRole"));
    auto password = [box](const char* name) {
        auto* e = new QLineEdit(box);
        e->setObjectName(QString::fromLatin1(name));
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(16);
        return e;
    };
    tpwd = password("tpwd");
    tpwd1 = password("tpwd1");
    tzreoje = new QDoubleSpinBox(box);
    tzreoje->setObjectName(QStringLiteral("tzreoje"));
    tzreoje->setPrefix(QStringLiteral("￥"));
    tzreoje->setDecimals(2);
    tzreoje->setRange(-99.99, 999.99);
    int row = 0;
    for (auto [caption, w] : std::initializer_list<std::pair<const char*, QWidget*>>{
             {"用户名称：", tname}, {"所属角色：", comRole}, {"用户密码：", tpwd}, {"验证密码：", tpwd1}, {"抹零金额：", tzreoje}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), box), row, 0);
        grid->addWidget(w, row++, 1);
    }
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttonRow({btnOK, btnCancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Admin_Add::clearFields()
{
    tname->clear();
    tpwd->clear();
    tpwd1->clear();
    tzreoje->setValue(0);
    fillCodeCombo(comRole, QStringLiteral("jxc_role"), QStringLiteral("r_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("r_sn"));
    comRole->setCurrentIndex(comRole->count() > 0 ? 0 : -1);
}

void TF_Admin_Add::FormActivate()
{
    clearFields();
    tname->setFocus();
}

OperatorInput TF_Admin_Add::input() const
{
    OperatorInput in;
    in.name = tname->text();
    in.password = tpwd->text();
    in.password2 = tpwd1->text();
    in.roleCode = getComboCode(comRole, comRole->currentIndex());
    in.zreoje = tzreoje->value();
    return in;
}

void TF_Admin_Add::btnOKClick()
{
    const SaveOutcome out = addOperator(input());
    if (!out.ok()) {
        msgInfo(out.error, this);
        return;
    }
    reopenAdminList();
    accept();
}
