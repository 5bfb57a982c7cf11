#include "masterdata/spxxgl_price_modi.h"

#include "data/datamodule.h"
#include "masterdata/goods.h"
#include "masterdata/spxxgl_edit.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxxgl_Price_Modi* F_Spxxgl_Price_Modi = nullptr;

TF_Spxxgl_Price_Modi::TF_Spxxgl_Price_Modi(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spxxgl_Price_Modi"));
    setWindowTitle(QStringLiteral("修改售价"));
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);

    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(32);
    installKeyFilter(tname);
    tprice = TF_SpxxglEdit::moneyEdit(this, "tprice");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("名称："), tname);
    form->addRow(QStringLiteral("价格："), tprice);
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

void TF_Spxxgl_Price_Modi::FormActivate()
{
    NamedQuery* prices = DataModule->Q_GoodsPrice;
    m_id = prices->fieldByName(QStringLiteral("id"));
    m_gSn = prices->fieldByName(QStringLiteral("g_sn"));
    tname->setText(prices->fieldByName(QStringLiteral("gp_name")));
    tprice->setText(prices->fieldByName(QStringLiteral("gp_price")));
}

void TF_Spxxgl_Price_Modi::btnSaveClick()
{
    if (!m_id.isEmpty()) {
        saveGoodsPrice(m_id.toLongLong(), tname->text(), tprice->text());
        openQuery(DataModule->Q_GoodsPrice, goodsPriceSql(m_gSn));
    }
    accept();
}
