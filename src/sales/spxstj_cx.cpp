#include "sales/spxstj_cx.h"

#include "bills/billparts.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxstj_Cx* F_Spxstj_Cx = nullptr;

namespace {
const QString kCustomers = QStringLiteral("select * from jxc_khxx where kh_forbid=0 order by id");
}

PartnerPanel* makeCustomerPanel(NamedQuery* query, const QString& sql, QWidget* parent)
{
    PartnerPanel::Config config = customerPanelConfig();
    config.columns = {{QStringLiteral("kh_sn"), QStringLiteral("客户编号")}, {QStringLiteral("kh_name"), QStringLiteral("客户名称")}};
    config.searchFields = {QStringLiteral("kh_name"), QStringLiteral("kh_jm"), QStringLiteral("kh_sn")};
    config.all = query;
    config.allSql = sql;
    config.recent = nullptr;
    config.addCaption.clear();
    config.canModify = false;
    auto* panel = new PartnerPanel(config, parent);
    panel->setObjectName(QStringLiteral("panelKh"));
    panel->hide();
    return panel;
}

TF_Spxstj_Cx::TF_Spxstj_Cx(QWidget* parent)
    : SalesStatFilter({.objectName = "TF_Spxstj_Cx",
                       .title = "过滤",
                       .warehouseCaption = "仓库：",
                       .kindCaption = "单据：",
                       .kinds = {QStringLiteral("销售单"), QStringLiteral("退货单")},
                       .withHandler = true,
                       .customers = DataModule->Q_XstjCxKh},
                      parent)
{
}

SalesStatFilter::SalesStatFilter(const Layout& layout, QWidget* parent) : TF_Form(parent), m_customers(layout.customers)
{
    setObjectName(QLatin1String(layout.objectName));
    setWindowTitle(QString::fromUtf8(layout.title));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    tKh = nameBox(this, "tKh", 50);
    installKeyFilter(tKh);
    tKh->installEventFilter(this);
    auto* btnKh = namedButton(this, "btnKh", QStringLiteral("..."));
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    if (layout.withHandler) {
        comUser = new CodeComboBox(this);
        comUser->setObjectName(QStringLiteral("comUser"));
    }
    comDj = new QComboBox(this);
    comDj->setObjectName(QStringLiteral("comDj"));
    comDj->addItem(QStringLiteral("所有单据"));
    comDj->addItems(layout.kinds);
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    panelKh = makeCustomerPanel(m_customers, kCustomers, this);

    auto* khRow = new QHBoxLayout;
    khRow->addWidget(tKh, 1);
    khRow->addWidget(btnKh);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("客户名称："), khRow);
    form->addRow(QString::fromUtf8(layout.warehouseCaption), comCk);
    form->addRow(QString::fromUtf8(layout.kindCaption), comDj);
    if (comUser)
        form->addRow(QStringLiteral("经办人："), comUser);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addWidget(panelKh, 1);
    main->addLayout(buttonRow({btnOK, btnExit}));
    resize(460, 380);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnKh, [this] { panelKh->showFiltered(tKh->text()); });
    connect(panelKh, &PartnerPanel::chosen, this, [this](const QString& code, const QString& name) {
        tKh->setText(name);
        curKhSn = code;
        panelKh->hide();
    });
}

bool SalesStatFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tKh && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Escape && key != Qt::Key_F5 && key != Qt::Key_Return && key != Qt::Key_Enter)
            panelKh->showFiltered(tKh->text());
    }
    return TF_Form::eventFilter(watched, event);
}

void SalesStatFilter::FormActivate()
{
    curKhSn.clear();
    tKh->clear();
    panelKh->hide();
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    if (comUser) {
        fillCodeComboWhereFirst(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("所有员工"),
                                QStringLiteral("where u_name<>'' and u_name is not null"), QStringLiteral("id"),
                                QStringLiteral("u_sn"));
        comUser->setCurrentIndex(0);
    }
    panelKh->reload();
    tKh->setFocus();
}

void SalesStatFilter::FormClose()
{
    m_customers->close();
}

void SalesStatFilter::btnOKClick()
{
    choiceParam = QStringLiteral("1");
    close();
}

QString SalesStatFilter::warehouseName() const
{
    return comCk->currentIsAll() ? QString() : comCk->currentText();
}

QString SalesStatFilter::userName() const
{
    return !comUser || comUser->currentIsAll() ? QString() : comUser->currentText();
}

QString SalesStatFilter::billKind() const
{
    return comDj->currentIndex() <= 0 ? QString() : comDj->currentText();
}
