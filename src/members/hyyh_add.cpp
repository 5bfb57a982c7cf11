#include "members/hyyh_add.h"

#include "members/memberdata.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Hyyh_Add* F_Hyyh_Add = nullptr;

TF_Hyyh_Add::TF_Hyyh_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hyyh_Add"));
    setWindowTitle(QStringLiteral("优惠方式设置"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    edtName = nameBox(this, "edtName", 32);
    cbZl = new QComboBox(this);
    cbZl->setObjectName(QStringLiteral("cbZl"));
    cbZl->addItems({QStringLiteral("存款优惠"), QStringLiteral("消费金额转现金")});
    auto amount = [](QWidget* parent, const char* name) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(10);
        auto* v = new QDoubleValidator(-1e7, 1e7, 4, e);
        v->setNotation(QDoubleValidator::StandardNotation);
        e->setValidator(v);
        return e;
    };
    panels = new QStackedWidget(this);
    auto* deposit = new QWidget(panels);
    edtYh1 = amount(deposit, "edtYh1");
    auto* depositForm = new QFormLayout(deposit);
    depositForm->addRow(QStringLiteral("实际存款=所存金额 X "), edtYh1);
    auto* spending = new QWidget(panels);
    edtYh2 = amount(spending, "edtYh2");
    edtYh3 = amount(spending, "edtYh3");
    auto* spendingForm = new QFormLayout(spending);
    spendingForm->addRow(QStringLiteral("累计消费"), edtYh2);
    spendingForm->addRow(QStringLiteral("转换现金"), edtYh3);
    panels->addWidget(deposit);
    panels->addWidget(spending);
    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("会员卡名称"), edtName);
    form->addRow(QStringLiteral("优惠种类"), cbZl);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addWidget(panels);
    box->addLayout(buttonRow({btnOK, btnExit}));

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(cbZl, &QComboBox::currentIndexChanged, this, [this](int kind) {
        showKind(kind);
        edtYh1->setText(QStringLiteral("1"));
        edtYh2->setText(QStringLiteral("0"));
        edtYh3->setText(QStringLiteral("0"));
    });
}

void TF_Hyyh_Add::showKind(int kind)
{
    const QSignalBlocker block(cbZl);
    cbZl->setCurrentIndex(kind == 1 ? 1 : 0);
    panels->setCurrentIndex(cbZl->currentIndex());
}

void TF_Hyyh_Add::FormActivate()
{
    m_code.clear();
    edtName->clear();
    showKind(0);
    edtYh1->setText(QStringLiteral("1"));
    edtYh2->setText(QStringLiteral("0"));
    edtYh3->setText(QStringLiteral("0"));
    edtName->setFocus();
}

SchemeFields TF_Hyyh_Add::fields() const
{
    return {.name = edtName->text(),
            .kind = cbZl->currentIndex(),
            .factor = Money::fromText(edtYh1->text().trimmed()),
            .threshold = Money::fromText(edtYh2->text().trimmed()),
            .cash = Money::fromText(edtYh3->text().trimmed())};
}

void TF_Hyyh_Add::btnOKClick()
{
    if (const QString refusal = saveScheme(m_code, fields()); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
