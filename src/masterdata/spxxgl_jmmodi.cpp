#include "masterdata/spxxgl_jmmodi.h"

#include "data/datamodule.h"
#include "masterdata/goods.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxxgl_JmModi* F_Spxxgl_JmModi = nullptr;

TF_Spxxgl_JmModi::TF_Spxxgl_JmModi(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spxxgl_JmModi"));
    setWindowTitle(QStringLiteral("简码修改"));
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);

    lname = new QLabel(this);
    lname->setObjectName(QStringLiteral("lname"));
    tjm = new QLineEdit(this);
    tjm->setObjectName(QStringLiteral("tjm"));
    tjm->setMaxLength(20);
    installKeyFilter(tjm);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("商品名称："), lname);
    form->addRow(QStringLiteral("简        码："), tjm);
    btnSave = namedButton(this, "btnSave", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* buttons = buttonRow({btnSave, btnExit});
    auto* col = new QVBoxLayout(this);
    col->addLayout(form);
    col->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnSave, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_Spxxgl_JmModi::FormActivate()
{
    NamedQuery* goods = DataModule->Q_Goods;
    m_id = goods->fieldByName(QStringLiteral("id"));
    lname->setText(goods->fieldByName(QStringLiteral("g_name")));
    tjm->setText(goods->fieldByName(QStringLiteral("g_jm")));
    tjm->setFocus();
}

void TF_Spxxgl_JmModi::btnSaveClick()
{
    if (!m_id.isEmpty()) {
        setGoodsJm(m_id.toLongLong(), tjm->text());
        DataModule->Q_Goods->refresh();
    }
    accept();
}
