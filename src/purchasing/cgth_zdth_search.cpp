#include "purchasing/cgth_zdth_search.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Cgth_Zdth_Search* F_Cgth_Zdth_Search = nullptr;
TF_Cgth_Zdth_Search_GhsSele* F_Cgth_Zdth_Search_GhsSele = nullptr;

std::optional<ZdthSearchAnswer> runZdthSearch(const QString& callerWord)
{
    detailTable.clear();
    callerFlag = callerWord;
    showForm(F_Cgth_Zdth_Search);
    callerFlag.clear();
    if (detailTable.isEmpty())
        return std::nullopt;
    detailTable.clear();
    return F_Cgth_Zdth_Search->answer();
}

TF_Cgth_Zdth_Search::TF_Cgth_Zdth_Search(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Zdth_Search"));
    setWindowTitle(QStringLiteral("查找"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    tGhs = nameBox(this, "tGhs", 50);
    auto* btnGhs = namedButton(this, "btnGhs", QStringLiteral("..."));
    date1 = new QDateEdit(this);
    date1->setObjectName(QStringLiteral("date1"));
    date2 = new QDateEdit(this);
    date2->setObjectName(QStringLiteral("date2"));
    for (QDateEdit* d : {date1, date2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    comCzy = new CodeComboBox(this);
    comCzy->setObjectName(QStringLiteral("comCzy"));
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("查询(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    auto* ghsRow = new QHBoxLayout;
    ghsRow->addWidget(tGhs, 1);
    ghsRow->addWidget(btnGhs);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(date1);
    dateRow->addWidget(new QLabel(QStringLiteral("至：")));
    dateRow->addWidget(date2);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("供  货  商："), ghsRow);
    form->addRow(QStringLiteral("开单日期："), dateRow);
    form->addRow(QStringLiteral("仓库名称："), comCk);
    form->addRow(QStringLiteral("操  作  员："), comCzy);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttonRow({btnOK, btnExit}));

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnGhs, [this] {
        ensureForm(F_Cgth_Zdth_Search_GhsSele)->move(mapToGlobal(QPoint(-80, 45)));
        showForm(F_Cgth_Zdth_Search_GhsSele);
    });
}

void TF_Cgth_Zdth_Search::FormActivate()
{
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1).addMonths(-1));
    date2->setDate(today);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    fillCodeCombo(comCzy, QStringLiteral("jxc_admin"), QStringLiteral("a_name"), QStringLiteral("所有操作员"),
                  QStringLiteral("id"), QStringLiteral("a_name"));
    comCk->setCurrentIndex(0);
    comCzy->setCurrentIndex(0);
    tGhs->clear();
    tGhs->setFocus();
    detailTable.clear();
}

void TF_Cgth_Zdth_Search::btnOKClick()
{
    detailTable = QStringLiteral("1");
    close();
}

ZdthSearchAnswer TF_Cgth_Zdth_Search::answer() const
{
    return {dateText(date1->date()), dateText(date2->date()), tGhs->text().trimmed(), comCk->currentCodeOrEmpty(),
            comCzy->currentText()};
}

TF_Cgth_Zdth_Search_GhsSele::TF_Cgth_Zdth_Search_GhsSele(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Zdth_Search_GhsSele"));
    setWindowTitle(QStringLiteral("选择供货商"));
    PartnerPanel::Config config;
    config.codeField = QStringLiteral("ghs_sn");
    config.nameField = QStringLiteral("ghs_name");
    config.columns = {{QStringLiteral("ghs_sn"), QStringLiteral("编号")},
                      {QStringLiteral("ghs_name"), QStringLiteral("供货商名称")},
                      {QStringLiteral("ghs_lxr"), QStringLiteral("联系人")},
                      {QStringLiteral("ghs_tele"), QStringLiteral("联系电话")},
                      {QStringLiteral("ghs_address"), QStringLiteral("联系地址")}};
    config.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm"), QStringLiteral("ghs_sn"),
                           QStringLiteral("ghs_tele"), QStringLiteral("ghs_address")};
    config.all = DataModule->Q_Ghsxx;
    config.allSql = QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0  order by id");
    config.allCaption = QStringLiteral("全部供货商信息");
    config.keyCaption = QStringLiteral("查找供货商(F2)：");
    config.keyHint = QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询");
    panel = new PartnerPanel(config, this);
    panel->setObjectName(QStringLiteral("panelGhs"));
    auto* main = new QVBoxLayout(this);
    main->addWidget(panel);
    resize(620, 400);

    connect(panel, &PartnerPanel::chosen, this, [this](const QString&, const QString& name) {
        if (F_Cgth_Zdth_Search)
            F_Cgth_Zdth_Search->tGhs->setText(name);
        close();
    });
    connect(panel, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] {
            curGhsSn = panel->currentCode();
            openWindow(QStringLiteral("TF_Ghsgl_Modi"), QString(), QStringLiteral("修改供货商"));
            panel->reload();
        });
    });
}

void TF_Cgth_Zdth_Search_GhsSele::FormActivate()
{
    panel->show();
    panel->reload();
    panel->tkey->setFocus();
}

bool TF_Cgth_Zdth_Search_GhsSele::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return panel->keyPress(event);
}

void TF_Cgth_Zdth_Search_GhsSele::FormClose()
{
    DataModule->Q_Ghsxx->close();
}

void registerZdthSearch()
{
    registerForm(QStringLiteral("TF_Cgth_Zdth_Search"), F_Cgth_Zdth_Search);
    registerForm(QStringLiteral("TF_Cgth_Zdth_Search_GhsSele"), F_Cgth_Zdth_Search_GhsSele);
}
