#include "bills/billsearch.h"

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

std::optional<BillSearchAnswer> runBillSearch(const QString& callerWord, const std::function<TF_BillSearch*()>& show)
{
    detailTable.clear();
    callerFlag = callerWord;
    TF_BillSearch* dialog = show();
    callerFlag.clear();
    if (detailTable.isEmpty() || !dialog)
        return std::nullopt;
    detailTable.clear();
    return dialog->answer();
}

TF_BillSearch::TF_BillSearch(bool customer, const char* boxName, std::function<void()> openPicker, QWidget* parent)
    : TF_Form(parent)
{
    setWindowTitle(QStringLiteral("查找"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    m_partner = nameBox(this, boxName, 50);
    installKeyFilter(m_partner);
    auto* btnPartner = namedButton(this, customer ? "btnKh" : "btnGhs", QStringLiteral("..."));
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

    auto* partnerRow = new QHBoxLayout;
    partnerRow->addWidget(m_partner, 1);
    partnerRow->addWidget(btnPartner);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(date1);
    dateRow->addWidget(new QLabel(QStringLiteral("至：")));
    dateRow->addWidget(date2);
    auto* form = new QFormLayout;
    form->addRow(customer ? QStringLiteral("客户名称：") : QStringLiteral("供  货  商："), partnerRow);
    form->addRow(QStringLiteral("开单日期："), dateRow);
    form->addRow(QStringLiteral("仓库名称："), comCk);
    form->addRow(QStringLiteral("操  作  员："), comCzy);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttonRow({btnOK, btnExit}));

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnPartner, std::move(openPicker));
}

void TF_BillSearch::placePicker(QWidget* picker)
{
    picker->move(mapToGlobal(QPoint(-80, 45)));
}

void TF_BillSearch::FormActivate()
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
    m_partner->clear();
    m_partner->setFocus();
    detailTable.clear();
}

void TF_BillSearch::btnOKClick()
{
    detailTable = QStringLiteral("1");
    close();
}

BillSearchAnswer TF_BillSearch::answer() const
{
    return {dateText(date1->date()), dateText(date2->date()), m_partner->text().trimmed(), comCk->currentCodeOrEmpty(),
            comCzy->currentText()};
}

TF_BillSearchPartnerSele::TF_BillSearchPartnerSele(bool customer, std::function<QLineEdit*()> target, QWidget* parent)
    : TF_Form(parent), m_customer(customer)
{
    const QString p = customer ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    setWindowTitle(customer ? QStringLiteral("选择客户") : QStringLiteral("选择供货商"));
    PartnerPanel::Config config;
    config.codeField = p + QStringLiteral("sn");
    config.nameField = p + QStringLiteral("name");
    config.columns = {{p + QStringLiteral("sn"), customer ? QStringLiteral("客户编号") : QStringLiteral("编号")},
                      {p + QStringLiteral("name"), customer ? QStringLiteral("客户名称") : QStringLiteral("供货商名称")},
                      {p + QStringLiteral("lxr"), QStringLiteral("联系人")},
                      {p + QStringLiteral("tele"), QStringLiteral("联系电话")},
                      {p + QStringLiteral("address"), QStringLiteral("联系地址")}};
    config.searchFields = {p + QStringLiteral("name"), p + QStringLiteral("jm"), p + QStringLiteral("sn"),
                           p + QStringLiteral("tele"), p + QStringLiteral("address")};
    config.all = customer ? DataModule->Q_Khxx : DataModule->Q_Ghsxx;
    config.allSql = customer ? QStringLiteral("select * from jxc_khxx where kh_forbid=0 order by id")
                             : QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0  order by id");
    config.allCaption = customer ? QStringLiteral("全部客户信息") : QStringLiteral("全部供货商信息");
    config.keyCaption = customer ? QStringLiteral("查找客户(F2)：") : QStringLiteral("查找供货商(F2)：");
    config.keyHint = QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询");
    panel = new PartnerPanel(config, this);
    panel->setObjectName(customer ? QStringLiteral("panelKh") : QStringLiteral("panelGhs"));
    installKeyFilter(panel->tkey);
    auto* main = new QVBoxLayout(this);
    main->addWidget(panel);
    resize(620, 400);

    connect(panel, &PartnerPanel::chosen, this, [this, target](const QString&, const QString& name) {
        if (QLineEdit* box = target())
            box->setText(name);
        close();
    });
    connect(panel, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] {
            if (m_customer) {
                curKhSn = panel->currentCode();
                openWindow(QStringLiteral("TF_Khgl_Modi"), QString(), QStringLiteral("修改客户"));
            } else {
                curGhsSn = panel->currentCode();
                openWindow(QStringLiteral("TF_Ghsgl_Modi"), QString(), QStringLiteral("修改供货商"));
            }
            panel->reload();
        });
    });
}

void TF_BillSearchPartnerSele::FormActivate()
{
    panel->show();
    panel->reload();
    panel->tkey->setFocus();
}

bool TF_BillSearchPartnerSele::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return panel->keyPress(event);
}

void TF_BillSearchPartnerSele::FormClose()
{
    (m_customer ? DataModule->Q_Khxx : DataModule->Q_Ghsxx)->close();
}
