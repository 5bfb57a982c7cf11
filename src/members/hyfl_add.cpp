#include "members/hyfl_add.h"

#include "members/memberdata.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Hyfl_Add* F_Hyfl_Add = nullptr;

TF_Hyfl_Add::TF_Hyfl_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hyfl_Add"));
    setWindowTitle(QStringLiteral("增加会员等级"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    edtName = nameBox(this, "edtName", 32);
    auto number = [this](const char* name, QValidator* validator) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(10);
        validator->setParent(e);
        e->setValidator(validator);
        return e;
    };
    auto* discount = new QDoubleValidator(0, 9999, 2);
    discount->setNotation(QDoubleValidator::StandardNotation);
    edtZk = number("edtZk", discount);
    edtJfxx = number("edtJfxx", new QIntValidator(0, 999999999));
    edtJfsx = number("edtJfsx", new QIntValidator(0, 999999999));
    chkPfsp = new QCheckBox(QStringLiteral("批发商品"), this);
    chkPfsp->setObjectName(QStringLiteral("chkPfsp"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    auto* band = new QHBoxLayout;
    band->addWidget(edtJfxx);
    band->addWidget(new QLabel(QStringLiteral("至"), this));
    band->addWidget(edtJfsx);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("级别名称"), edtName);
    form->addRow(QStringLiteral("级别折扣"), edtZk);
    form->addRow(QString(), new QLabel(QStringLiteral("1表示无折扣，\n0.8表示八折"), this));
    form->addRow(QStringLiteral("积分区间"), band);
    form->addRow(QString(), chkPfsp);
    form->addRow(QString(), new QLabel(QStringLiteral("批发商品是该等级的会员可以在批发销售中消费商品,\n"
                                                      "并且可以有往来账务的发生,属于更高一级的会员。"),
                                       this));
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnExit}));

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Hyfl_Add::FormActivate()
{
    m_code.clear();
    edtName->clear();
    edtZk->setText(QStringLiteral("1"));
    edtJfxx->setText(QStringLiteral("1"));
    edtJfsx->setText(QStringLiteral("1"));
    chkPfsp->setChecked(false);
    edtName->setFocus();
}

LevelFields TF_Hyfl_Add::fields() const
{
    return {.name = edtName->text(),
            .discount = edtZk->text(),
            .lower = Money::fromText(edtJfxx->text().trimmed()),
            .upper = Money::fromText(edtJfsx->text().trimmed()),
            .wholesale = chkPfsp->isChecked()};
}

void TF_Hyfl_Add::btnOKClick()
{
    if (const QString refusal = saveLevel(m_code, fields()); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
