#include "masterdata/user_search.h"

#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_User_Search* F_User_Search = nullptr;

TF_User_Search::TF_User_Search(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_User_Search"));
    setWindowTitle(QStringLiteral("员工查询"));
    setMainAction([this] { accept(); });
    setEscCloses(true);

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto field = [&](const char* name, const QString& caption, int maxLength) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        installKeyFilter(e);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(e, row++, 1);
        return e;
    };
    tname = field("tname", QStringLiteral("员工姓名："), 64);
    tduty = field("tduty", QStringLiteral("所任职务："), 16);
    ttele = field("ttele", QStringLiteral("联系电话："), 32);
    taddress = field("taddress", QStringLiteral("联系地址："), 64);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* buttons = buttonRow({btnOK, btnCancel});
    grid->addLayout(buttons, row, 0, 1, 2);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { accept(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_User_Search::FormActivate()
{
    for (QLineEdit* e : {tname, tduty, ttele, taddress})
        e->clear();
    tname->setFocus();
}
