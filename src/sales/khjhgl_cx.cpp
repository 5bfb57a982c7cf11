#include "sales/khjhgl_cx.h"

#include "bills/billparts.h"
#include "data/clock.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "sales/khjhgl_jh.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Khjhgl_Cx* F_Khjhgl_Cx = nullptr;

TF_Khjhgl_Cx::TF_Khjhgl_Cx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Khjhgl_Cx"));
    setWindowTitle(QStringLiteral("借货高级查询"));
    tkh = nameBox(this, "tkh", 64);
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    comCk = new CodeComboBox;
    comCk->setObjectName(QStringLiteral("comCk"));
    date1 = billDateBox();
    date1->setObjectName(QStringLiteral("date1"));
    date2 = billDateBox();
    date2->setObjectName(QStringLiteral("date2"));
    chkSettled = new QCheckBox(QStringLiteral("显示已还货数据"));
    chkSettled->setObjectName(QStringLiteral("chkSettled"));

    PartnerPanel::Config config = lendingCustomerPanel(false);
    config.columns = {{QStringLiteral("kh_sn"), QStringLiteral("客户编号")}, {QStringLiteral("kh_name"), QStringLiteral("客户名称")}};
    RzPanelKh = new PartnerPanel(config);
    RzPanelKh->setObjectName(QStringLiteral("RzPanelKh"));
    RzPanelKh->hide();
    connect(RzPanelKh, &PartnerPanel::chosen, this, [this](const QString& code, const QString& name) {
        tkh->setText(name);
        curKhSn = code;
    });
    connect(tkh, &QLineEdit::textEdited, this, [this](const QString& text) { RzPanelKh->showFiltered(text); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("客户名称：")), 0, 0);
    grid->addWidget(tkh, 0, 1);
    grid->addWidget(RzPanelKh, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("经  办  人：")), 2, 0);
    grid->addWidget(comUser, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("出货仓库：")), 3, 0);
    grid->addWidget(comCk, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("开始日期：")), 4, 0);
    grid->addWidget(date1, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("结束日期：")), 5, 0);
    grid->addWidget(date2, 5, 1);
    grid->addWidget(chkSettled, 6, 1);
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void TF_Khjhgl_Cx::FormActivate()
{
    curKhSn.clear();
    openKhList();
    RzPanelKh->hide();
    RzPanelKh->reload();
    tkh->clear();
    fillCodeComboWhereFirst(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("所有员工"),
                            QStringLiteral("where u_name<>'' and u_name is not null"), QStringLiteral("id"),
                            QStringLiteral("u_sn"));
    comUser->setCurrentIndex(0);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    chkSettled->setChecked(false);
}

void TF_Khjhgl_Cx::btnOKClick()
{
    choiceParam = QStringLiteral("1");
    close();
}

bool TF_Khjhgl_Cx::FormKeyDown(QKeyEvent* event)
{
    if (RzPanelKh->isVisible() && RzPanelKh->keyPress(event))
        return true;
    if (event->key() == Qt::Key_F5) {
        btnOKClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}
