#include "sales/spxstj_gj.h"

#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxstj_Ghs* F_Spxstj_Ghs = nullptr;
TF_Spxstj_Kh* F_Spxstj_Kh = nullptr;

SpxstjGjDialog::SpxstjGjDialog(const QString& objectName, const QString& typeCaption, const QString& typeTable,
                               const QString& typeColumn, QWidget* parent)
    : TF_Form(parent), m_typeTable(typeTable), m_typeColumn(typeColumn)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("高级查询"));
    setEscCloses(true);
    setMainAction([this] { close(); });
    comZone = new QComboBox(this);
    comZone->setObjectName(QStringLiteral("comZone"));
    comType = new QComboBox(this);
    comType->setObjectName(QStringLiteral("comType"));
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* group = new QGroupBox(QStringLiteral("选择查询条件"), this);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("所属地区："), comZone);
    form->addRow(typeCaption, comType);
    auto* main = new QVBoxLayout(this);
    main->addWidget(group);
    main->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { close(); });
    onClicked(btnExit, [this] { close(); });
}

void SpxstjGjDialog::FormActivate()
{
    fillComboBox(comZone, QStringLiteral("jxc_zone"), QStringLiteral("z_name"), QStringLiteral("所有地区"), QString(),
                 QStringLiteral("id"));
    fillComboBox(comType, m_typeTable, m_typeColumn, QStringLiteral("所有类型"), QString(), QStringLiteral("id"));
    comZone->setCurrentIndex(0);
    comType->setCurrentIndex(0);
}

QString SpxstjGjDialog::zone() const
{
    return comZone->currentIndex() <= 0 ? QString() : comZone->currentText();
}

QString SpxstjGjDialog::type() const
{
    return comType->currentIndex() <= 0 ? QString() : comType->currentText();
}

TF_Spxstj_Ghs::TF_Spxstj_Ghs(QWidget* parent)
    : SpxstjGjDialog(QStringLiteral("TF_Spxstj_Ghs"), QStringLiteral("供货商类型："), QStringLiteral("jxc_ghstype"),
                     QStringLiteral("gt_name"), parent)
{
}

TF_Spxstj_Kh::TF_Spxstj_Kh(QWidget* parent)
    : SpxstjGjDialog(QStringLiteral("TF_Spxstj_Kh"), QStringLiteral("客户类型："), QStringLiteral("jxc_khtype"),
                     QStringLiteral("kt_name"), parent)
{
}
