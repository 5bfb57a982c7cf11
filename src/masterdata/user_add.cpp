#include "masterdata/user_add.h"

#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TF_User_Add* F_User_Add = nullptr;

TF_User_Add::TF_User_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_User_Add"));
    setWindowTitle(QStringLiteral("增加员工"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto edit = [this](const char* name, int maxLength) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        return e;
    };
    tname = edit("tname", 16);
    tduty = edit("tduty", 16);
    ttc = edit("ttc", 7);
    // Up to three digits with two decimals, optionally followed by the percent sign.
    ttc->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}(\\.\\d{0,2})?%?")), ttc));
    ttele = edit("ttele", 32);
    taddress = edit("taddress", 64);
    tnote = edit("tnote", 100);
    auto check = [this](const char* name, const QString& text) {
        auto* c = new QCheckBox(text, this);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    chkCg = check("chkCg", QStringLiteral("进货管理"));
    chkXs = check("chkXs", QStringLiteral("销售管理"));
    chkKc = check("chkKc", QStringLiteral("库存管理"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto line = [&](const QString& caption, QWidget* field, QWidget* hint = nullptr) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(field, row, 1, 1, hint ? 1 : 2);
        if (hint)
            grid->addWidget(hint, row, 2);
        ++row;
    };
    line(QStringLiteral("员工姓名："), tname);
    line(QStringLiteral("所任职务："), tduty);
    line(QStringLiteral("提成比例："), ttc, new QLabel(QStringLiteral("（例如,输入5\n表示提成5%）"), this));
    line(QStringLiteral("联系电话："), ttele);
    line(QStringLiteral("联系地址："), taddress);
    line(QStringLiteral("备        注："), tnote);
    auto* flags = new QGroupBox(QStringLiteral("业务权限："), this);
    auto* flagRow = new QHBoxLayout(flags);
    flagRow->addWidget(chkCg);
    flagRow->addWidget(chkXs);
    flagRow->addWidget(chkKc);
    grid->addWidget(flags, row++, 0, 1, 3);
    auto* buttons = buttonRow({btnOK, btnCancel});
    grid->addLayout(buttons, row, 0, 1, 3);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_User_Add::FormActivate()
{
    for (QLineEdit* e : {tname, tduty, ttele, taddress, tnote})
        e->clear();
    showRate(0);
    for (QCheckBox* c : {chkCg, chkXs, chkKc})
        c->setChecked(true);
    tname->setFocus();
}

void TF_User_Add::showRate(double rate)
{
    ttc->setText(QString::number(rate, 'f', 2) + QLatin1Char('%'));
}

StaffInput TF_User_Add::input() const
{
    StaffInput in;
    in.name = tname->text();
    in.duty = tduty->text();
    in.rate = ttc->text().trimmed().remove(QLatin1Char('%')).toDouble();  // blank reads 0
    in.tele = ttele->text();
    in.address = taddress->text();
    in.note = tnote->text();
    in.cg = chkCg->isChecked();
    in.xs = chkXs->isChecked();
    in.kc = chkKc->isChecked();
    return in;
}

void TF_User_Add::saved(const QString& code)
{
    NamedQuery* q = DataModule->Q_User;
    q->open(q->isOpen() ? q->sql() : q->designSql());
    q->locate(QStringLiteral("u_sn"), code);
    accept();
}

void TF_User_Add::btnOKClick()
{
    const SaveOutcome outcome = addStaff(input());
    if (!outcome.ok()) {
        msgInfo(outcome.error, this);
        return;
    }
    saved(outcome.code);
}
