#include "purchasing/cgth_ghs.h"

#include "bills/partnercard.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TF_Cgth_Ghs* F_Cgth_Ghs = nullptr;

TF_Cgth_Ghs::TF_Cgth_Ghs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Ghs"));
    setWindowTitle(QStringLiteral("往来单位信息"));
    setEscCloses(true);
    auto* grid = new QGridLayout(this);
    int row = 0;
    auto field = [&](const char* name, const QString& caption, const QString& unit = QString()) {
        auto* value = new QLabel;
        value->setObjectName(QLatin1String(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(value, row, 1);
        if (!unit.isEmpty())
            grid->addWidget(new QLabel(unit), row, 2);
        ++row;
        return value;
    };
    lbName = field("lbName", QStringLiteral("单位名称："));
    lbLxr = field("lbLxr", QStringLiteral("联  系  人："));
    lbTele = field("lbTele", QStringLiteral("联系电话："));
    lbAddress = field("lbAddress", QStringLiteral("联系地址："));
    lbNote = field("lbNote", QStringLiteral("备        注："));
    lbYf = field("lbYf", QStringLiteral("应  付  款："), QStringLiteral(" 元"));
    lbSf = field("lbSf", QStringLiteral("实  付  款："), QStringLiteral(" 元"));
    lbQk = field("lbQk", QStringLiteral("欠款："), QStringLiteral(" 元"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    grid->addWidget(btnExit, row, 1);
    onClicked(btnExit, [this] { close(); });
    resize(420, 300);
}

void TF_Cgth_Ghs::FormActivate()
{
    const bool customer = partyType == QLatin1String("kh");
    const PartnerCardText card = readPartnerCard(customer, customer ? curKhSn : curGhsSn);
    lbName->setText(card.name);
    lbLxr->setText(card.lxr);
    lbTele->setText(card.tele);
    lbAddress->setText(card.address);
    lbNote->setText(card.note);
    lbYf->setText(card.due);
    lbSf->setText(card.paid);
    lbQk->setText(card.owed);
}
