#include "shell/skin.h"

#include "data/datamodule.h"
#include "platform/msgbox.h"
#include "platform/skins.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Skin* F_Skin = nullptr;

TF_Skin::TF_Skin(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Skin"));
    setWindowTitle(QStringLiteral("更换皮肤"));
    comSkin = new QComboBox(this);
    comSkin->setObjectName(QStringLiteral("comSkin"));
    comSkin->addItems(skinNames());
    comSkin->setMaxVisibleItems(15);
    comSkin->setMinimumWidth(220);
    btnOK = new QPushButton(QStringLiteral("确定更换"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("退出(Esc)"), this);
    close->setObjectName(QStringLiteral("btnExit"));
    close->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("选择皮肤："), comSkin);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(close);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(24, 20, 24, 16);
    col->addLayout(form);
    col->addSpacing(12);
    col->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(comSkin, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!m_filling && !name.isEmpty())
            runGuarded([this, name] { ChangeSkin(name); });
    });
    onClicked(btnOK, [this] { btnOKClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_Skin::ChangeSkin(const QString& name)
{
    if (!applySkin(name))
        msgDbError(QStringLiteral("无法装载皮肤“") + name + QStringLiteral("”。"), this);
}

void TF_Skin::FormActivate()
{
    const QString name = selectValue(QStringLiteral("select skin_name from jxc_skin "));
    m_filling = true;
    comSkin->setCurrentIndex(comSkin->findText(name));
    m_filling = false;
}

bool TF_Skin::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return false;
}

void TF_Skin::btnOKClick()
{
    if (comSkin->currentIndex() < 0)
        return;
    Transaction t;
    execSql(QStringLiteral("update jxc_skin set skin_name=:n"), {{QStringLiteral(":n"), comSkin->currentText()}});
    t.commit();
    accept();
}
