#include "purchasing/spcgtj_cx.h"

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

TF_Spcgtj_Cx* F_Spcgtj_Cx = nullptr;
TF_Ywycgtj_Cx* F_Ywycgtj_Cx = nullptr;

void fillSalesmanCombo(CodeComboBox* combo)
{
    fillCodeComboWhereFirst(combo, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("所有业务员"),
                            QStringLiteral("where u_name<>'' and u_name is not null"), QStringLiteral("id"),
                            QStringLiteral("u_sn"));
}

PurchaseStatFilter::PurchaseStatFilter(const QString& objectName, const QString& userCaption, bool payments,
                                       QWidget* parent)
    : TF_Form(parent)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("查找"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    tGhs = nameBox(this, "tGhs", 50);
    tGhs->installEventFilter(this);
    auto* btnGhs = namedButton(this, "btnGhs", QStringLiteral("..."));
    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    comDj = new QComboBox(this);
    comDj->setObjectName(QStringLiteral("comDj"));
    comDj->addItems({QStringLiteral("所有单据"), QStringLiteral("进货单"), QStringLiteral("退货单")});
    if (payments)
        comDj->addItem(QStringLiteral("付款单"));
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    PartnerPanel::Config config;
    config.codeField = QStringLiteral("ghs_sn");
    config.nameField = QStringLiteral("ghs_name");
    config.columns = {{QStringLiteral("ghs_sn"), QStringLiteral("编号")},
                      {QStringLiteral("ghs_name"), QStringLiteral("供货商名称")}};
    config.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm"), QStringLiteral("ghs_sn")};
    config.all = DataModule->Q_Ghsxx;
    config.allSql = QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0  order by id");
    config.allCaption = QStringLiteral("全部供货商信息");
    config.canModify = false;
    panelGhs = new PartnerPanel(config, this);
    panelGhs->setObjectName(QStringLiteral("panelGhs"));
    panelGhs->hide();

    auto* ghsRow = new QHBoxLayout;
    ghsRow->addWidget(tGhs, 1);
    ghsRow->addWidget(btnGhs);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("供 货 商："), ghsRow);
    form->addRow(userCaption, comUser);
    form->addRow(QStringLiteral("单      据："), comDj);
    form->addRow(QStringLiteral("仓        库："), comCk);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addWidget(panelGhs, 1);
    main->addLayout(buttonRow({btnOK, btnExit}));
    resize(460, 380);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnGhs, [this] { panelGhs->showFiltered(tGhs->text()); });
    connect(panelGhs, &PartnerPanel::chosen, this, [this](const QString& code, const QString& name) {
        tGhs->setText(name);
        curGhsSn = code;
        panelGhs->hide();
    });
}

bool PurchaseStatFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tGhs && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Escape && key != Qt::Key_F5)
            panelGhs->showFiltered(tGhs->text());
    }
    return TF_Form::eventFilter(watched, event);
}

void PurchaseStatFilter::FormActivate()
{
    curGhsSn.clear();
    tGhs->clear();
    panelGhs->hide();
    fillSalesmanCombo(comUser);
    comUser->setCurrentIndex(0);
    comDj->setCurrentIndex(0);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    panelGhs->reload();
    tGhs->setFocus();
}

void PurchaseStatFilter::FormClose()
{
    DataModule->Q_Ghsxx->close();
}

void PurchaseStatFilter::btnOKClick()
{
    choiceParam = QStringLiteral("1");
    close();
}

QString PurchaseStatFilter::userName() const
{
    return comUser->currentIsAll() ? QString() : comUser->currentText();
}

QString PurchaseStatFilter::billKind() const
{
    return comDj->currentIndex() <= 0 ? QString() : comDj->currentText();
}

QString PurchaseStatFilter::warehouse() const
{
    return comCk->currentIsAll() ? QString() : comCk->currentCodeOrEmpty();
}

TF_Spcgtj_Cx::TF_Spcgtj_Cx(QWidget* parent)
    : PurchaseStatFilter(QStringLiteral("TF_Spcgtj_Cx"), QStringLiteral("经 办 人："), false, parent)
{
}

TF_Ywycgtj_Cx::TF_Ywycgtj_Cx(QWidget* parent)
    : PurchaseStatFilter(QStringLiteral("TF_Ywycgtj_Cx"), QStringLiteral("业 务 员："), true, parent)
{
    setKeyPreview(false);
}
