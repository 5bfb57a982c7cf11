#include "stock/kccx_cx.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "stock/kccx.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TF_Kccx_Cx* F_Kccx_Cx = nullptr;

TF_Kccx_Cx::TF_Kccx_Cx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccx_Cx"));
    setWindowTitle(QStringLiteral("查找"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    resize(460, 360);

    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    tGhs = new QLineEdit(this);
    tGhs->setObjectName(QStringLiteral("tGhs"));
    installKeyFilter(tGhs);
    tGhs->installEventFilter(this);
    btnGhs = namedButton(this, "btnGhs", QStringLiteral("..."));
    comOp = new QComboBox(this);
    comOp->setObjectName(QStringLiteral("comOp"));
    comOp->addItems({QString(), QStringLiteral("="), QStringLiteral(">="), QStringLiteral("<="), QStringLiteral("<>")});
    tSl = new QSpinBox(this);
    tSl->setObjectName(QStringLiteral("tSl"));
    tSl->setRange(-99999999, 99999999);
    tSl->setButtonSymbols(QAbstractSpinBox::NoButtons);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    PartnerPanel::Config config;
    config.codeField = QStringLiteral("ghs_sn");
    config.nameField = QStringLiteral("ghs_name");
    config.columns = {{QStringLiteral("ghs_sn"), QStringLiteral("编号")},
                      {QStringLiteral("ghs_name"), QStringLiteral("供货商名称")}};
    config.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm"), QStringLiteral("ghs_sn")};
    config.all = DataModule ? DataModule->Q_Ghsxx : nullptr;
    config.allSql = QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0  order by id");
    config.allCaption = QStringLiteral("全部供货商信息");
    config.canModify = false;
    panelGhs = new PartnerPanel(config, this);
    panelGhs->setObjectName(QStringLiteral("panelGhs"));
    panelGhs->hide();

    auto* ghsRow = new QHBoxLayout;
    ghsRow->addWidget(tGhs, 1);
    ghsRow->addWidget(btnGhs);
    auto* slRow = new QHBoxLayout;
    slRow->addWidget(comOp);
    slRow->addWidget(tSl, 1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("仓库名称："), comCk);
    form->addRow(QStringLiteral("供货商："), ghsRow);
    form->addRow(QStringLiteral("库存量："), slRow);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addWidget(new QLabel(QStringLiteral("查询此供货商所供商品的供货情况"), this));
    main->addWidget(panelGhs, 1);
    main->addLayout(buttonRow({btnOK, btnExit}));

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnGhs, [this] { panelGhs->showFiltered(tGhs->text()); });
    connect(panelGhs, &PartnerPanel::chosen, this, [this](const QString& code, const QString& name) {
        tGhs->setText(name);
        curGhsSn = code;
        panelGhs->hide();
    });
}

bool TF_Kccx_Cx::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tGhs && event->type() == QEvent::KeyRelease) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            close();
        else
            panelGhs->showFiltered(tGhs->text());
    }
    return TF_Form::eventFilter(watched, event);
}

void TF_Kccx_Cx::FormActivate()
{
    curGhsSn.clear();
    tGhs->clear();
    tGhs->setFocus();
    panelGhs->hide();
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    panelGhs->reload();
}

void TF_Kccx_Cx::FormClose()
{
    DataModule->Q_Ghsxx->close();
}

void TF_Kccx_Cx::btnOKClick()
{
    openQuery(DataModule->Q_Kccx1, stockSearchSql(comCk->currentIsAll() ? QString() : comCk->currentCode(), curGhsSn,
                                                  comOp->currentText(), tSl->value()));
    close();
}
