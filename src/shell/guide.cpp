#include "shell/guide.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "platform/msgbox.h"
#include "shell/backup.h"
#include "shell/commands.h"
#include "shell/icons.h"
#include "shell/mainform.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Guide* F_Guide = nullptr;

namespace {

const char* const kSteps[] = {"第一步：使用方式", "第二步：单位信息", "第三步：清理数据", "第四步：基本信息",
                              "第五步：建立库存"};

QRadioButton* radio(QWidget* parent, const char* name, const char* text)
{
    auto* r = new QRadioButton(QString::fromUtf8(text), parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

}  // namespace

TF_Guide::TF_Guide(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Guide"));
    setWindowTitle(QStringLiteral("使用向导"));
    pnlSteps = new QStackedWidget(this);
    pnlSteps->setObjectName(QStringLiteral("pnlSteps"));

    // Step 1: how the system is to be used.
    auto* c1 = new QWidget;
    auto* l1 = new QVBoxLayout(c1);
    rData = radio(c1, "rData", "我要使用软件自带的数据来熟悉它的功能");
    rUse = radio(c1, "rUse", "我要正式使用本系统，并进行系统初始化");
    l1->addWidget(rData);
    l1->addWidget(rUse);
    l1->addStretch(1);
    RzPanel1 = makePanel(1, QString(), c1);
    btnOK1 = button(RzPanel1, QStringLiteral("btnOK1"), QStringLiteral("确定"));
    connect(rData, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            btnOK1->setText(QStringLiteral("确定"));
    });
    connect(rUse, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            btnOK1->setText(QStringLiteral("下一步"));
    });
    onClicked(btnOK1, [this] { btnOK1Click(); });

    // Step 2: the company record.
    auto* c2 = new QWidget;
    auto* f2 = new QFormLayout(c2);
    auto edit = [c2](const char* name, int maxLength) {
        auto* e = new QLineEdit(c2);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        return e;
    };
    tname = edit("tname", 32);
    tjc = edit("tjc", 32);
    ttele = edit("ttele", 32);
    taddress = edit("taddress", 128);
    f2->addRow(QStringLiteral("公司全名："), tname);
    f2->addRow(QStringLiteral("公司简称："), tjc);
    f2->addRow(QStringLiteral("联系电话："), ttele);
    f2->addRow(QStringLiteral("联系地址："), taddress);
    RzPanel2 = makePanel(2, QStringLiteral("注：第二步，填写用户信息(用户可以不填写)！"), c2);

    // Step 3: clearing the database.
    auto* c3 = new QWidget;
    auto* l3 = new QVBoxLayout(c3);
    auto* warn = new QHBoxLayout;
    auto* warnText = new QLabel(QStringLiteral("警告：清除数据是危险的操作，清除后的数据无法恢复，请先"), c3);
    warnText->setStyleSheet(QStringLiteral("color: #b22222;"));
    btnUrl = new QLabel(QStringLiteral("<a href=\"backup\" style=\"color: #3d8fe0;\">对数据库进行备份</a>"), c3);
    btnUrl->setObjectName(QStringLiteral("btnUrl"));
    connect(btnUrl, &QLabel::linkActivated, this,
            [] { runGuarded([] { openWindow(QStringLiteral("TF_Backup2"), QString(), QStringLiteral("备份当前数据库")); }); });
    warn->addWidget(warnText);
    warn->addWidget(btnUrl);
    warn->addStretch(1);
    l3->addLayout(warn);
    rClear1 = radio(c3, "rClear1", "我要清除所有数据，然后重新录入。仅保留admin用户，且密码设置为空。");
    rClear2 = radio(c3, "rClear2", "我准备保留商品基本信息(不包括库存信息)和操作员信息，其它的都清除。");
    rClear3 = radio(c3, "rClear3", "我需要保留供货商、客户、操作员、员工、仓库信息和会员信息，其它的都清除。");
    rClear4 = radio(c3, "rClear4", "跳出该步骤，不清除任何数据。");
    for (QRadioButton* r : {rClear1, rClear2, rClear3, rClear4})
        l3->addWidget(r);
    l3->addStretch(1);
    RzPanel3 = makePanel(3, QStringLiteral("注：第三步，清除当前数据库中的数据！"), c3);

    // Step 4: the master data, in the order of the numbers on the buttons.
    auto* c4 = new QWidget;
    auto* g4 = new QGridLayout(c4);
    struct SetButton {
        const char* name;
        const char* text;
        const char* window;
        const char* function;
    };
    const SetButton sets[] = {
        {"btnSet1", "（1）设置操作员", "TF_Admin", "操作员设置"},
        {"btnSet2", "（2）设置供货商信息", "TF_Ghsgl", "供货商设置"},
        {"btnSet3", "（3）设置客户信息", "TF_Khgl", "客户设置"},
        {"btnSet4", "（4）设置仓库信息", "TF_Ckgl", "仓库设置"},
        {"btnSet5", "（5）设置员工信息", "TF_User", "员工设置"},
        {"btnSet6", "（6）设置商品信息", "TF_Spxxgl", "商品管理"},
        {"btnSet7", "（7）系统参数设置", "TF_Xtcs", "系统设置"},
    };
    int i = 0;
    for (const SetButton& s : sets) {
        auto* b = new QPushButton(QString::fromUtf8(s.text), c4);
        b->setObjectName(QString::fromLatin1(s.name));
        b->setMinimumHeight(34);
        b->setAutoDefault(false);
        const QString window = QString::fromLatin1(s.window);
        const QString function = QString::fromUtf8(s.function);
        onClicked(b, [window, function] { openWindow(window, QString(), function); });
        g4->addWidget(b, i / 2, i % 2);
        ++i;
    }
    g4->setRowStretch(4, 1);
    RzPanel4 = makePanel(4, QStringLiteral("注：第四步，设置基础数据(请根据按钮上面的数字序号进行设置)！"), c4);

    // Step 5: opening stock or a first purchase.
    auto* c5 = new QWidget;
    auto* l5 = new QVBoxLayout(c5);
    rSele51 = radio(c5, "rSele51", "我已经有商品存货，对这些商品建立期初库存。");
    rSele52 = radio(c5, "rSele52", "我有新的采购业务，进行商品采购开单操作。");
    rSele52->setChecked(true);
    l5->addWidget(rSele51);
    l5->addWidget(rSele52);
    l5->addStretch(1);
    RzPanel5 = makePanel(5, QString(), c5);

    // Back, next and cancel buttons of steps 2 to 5.
    const QList<QFrame*> panels = {RzPanel1, RzPanel2, RzPanel3, RzPanel4, RzPanel5};
    for (int s = 2; s <= 5; ++s) {
        QFrame* p = panels[s - 1];
        QPushButton* back = button(p, QStringLiteral("btnPrev%1").arg(s), QStringLiteral("上一步"));
        connect(back, &QPushButton::clicked, this, [this, s] { showStep(s - 1); });
        QPushButton* next = s < 5 ? button(p, QStringLiteral("btnNext%1").arg(s), QStringLiteral("下一步"))
                                  : button(p, QStringLiteral("btnFinish"), QStringLiteral("完成"));
        if (s == 2)
            onClicked(next, [this] { btnNext2Click(); });
        else if (s == 3)
            onClicked(next, [this] { btnNext3Click(); });
        else if (s == 4)
            onClicked(next, [this] { btnNext4Click(); });
        else
            onClicked(next, [this] { btnFinishClick(); });
    }
    for (int s = 1; s <= 5; ++s) {
        QPushButton* cancel = button(panels[s - 1], QStringLiteral("btnCancel%1").arg(s), QStringLiteral("取消(Esc)"));
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->addWidget(pnlSteps);
    setFixedSize(680, 430);
}

QFrame* TF_Guide::makePanel(int step, const QString& note, QWidget* content)
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("RzPanel%1").arg(step));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    auto* steps = new QFrame(panel);
    steps->setObjectName(QStringLiteral("pnlStepList%1").arg(step));
    steps->setFixedWidth(170);
    steps->setStyleSheet(QStringLiteral("QFrame { background: #1f4e79; } QLabel { color: #c8d8e8; }"));
    auto* sl = new QVBoxLayout(steps);
    sl->setContentsMargins(16, 20, 8, 20);
    auto* picture = new QLabel(steps);
    picture->setPixmap(shellPicture(QStringLiteral("help"), 48, QColor(0x2e, 0x86, 0xab)));
    sl->addWidget(picture);
    sl->addSpacing(16);
    for (int s = 1; s <= 5; ++s) {
        auto* l = new QLabel(QString::fromUtf8(kSteps[s - 1]), steps);
        if (s == step)
            l->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        sl->addWidget(l);
        sl->addSpacing(6);
    }
    sl->addStretch(1);
    row->addWidget(steps);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(20, 16, 20, 12);
    auto* heading = new QLabel(panel);
    heading->setObjectName(QStringLiteral("lTitle%1").arg(step));
    QFont hf = heading->font();
    hf.setPixelSize(20);
    hf.setBold(true);
    heading->setFont(hf);
    m_headings << heading;
    right->addWidget(heading);
    if (!note.isEmpty()) {
        auto* n = new QLabel(note, panel);
        n->setStyleSheet(QStringLiteral("color: #1f4e79;"));
        right->addWidget(n);
    }
    right->addWidget(content, 1);
    auto* foot = new QLabel(panel);
    foot->setObjectName(QStringLiteral("lFoot%1").arg(step));
    foot->setWordWrap(true);
    foot->setStyleSheet(QStringLiteral("color: #666;"));
    m_footNotes << foot;
    right->addWidget(foot);
    auto* buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->addStretch(1);
    right->addLayout(buttons);
    row->addLayout(right, 1);
    pnlSteps->addWidget(panel);
    return panel;
}

QPushButton* TF_Guide::button(QFrame* panel, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, panel);
    b->setObjectName(name);
    b->setAutoDefault(false);
    panel->findChild<QHBoxLayout*>(QStringLiteral("buttons"))->addWidget(b);
    return b;
}

int TF_Guide::step() const
{
    return pnlSteps->currentIndex() + 1;
}

void TF_Guide::showStep(int step)
{
    pnlSteps->setCurrentIndex(step - 1);
}

void TF_Guide::FormActivate()
{
    rData->setChecked(true);
    btnOK1->setText(QStringLiteral("确定"));
    showStep(1);
    for (QLabel* l : std::as_const(m_headings))
        l->setText(QStringLiteral("欢迎使用禾岚进销存管理系统"));
    for (QLabel* l : std::as_const(m_footNotes))
        l->setText(QStringLiteral("注：本向导适用于刚接触禾岚软件的用户。目的在于为用户展现软件的设置及使用顺序。"));
}

bool TF_Guide::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return false;
}

void TF_Guide::btnOK1Click()
{
    if (rData->isChecked()) {
        accept();
        return;
    }
    if (!rUse->isChecked())
        return;
    const ResultSet company = openSelect(QStringLiteral("select * from jxc_company order by id"));
    tname->setText(company.text(0, QStringLiteral("c_name")));
    tjc->setText(company.text(0, QStringLiteral("c_jc")));
    ttele->setText(company.text(0, QStringLiteral("c_tele")));
    taddress->setText(company.text(0, QStringLiteral("c_address")));
    showStep(2);
}

void TF_Guide::btnNext2Click()
{
    if (tname->text().trimmed().isEmpty())
        return;
    const SqlParams values = {{QStringLiteral("c_name"), tname->text().trimmed()},
                              {QStringLiteral("c_jc"), tjc->text().trimmed()},
                              {QStringLiteral("c_tele"), ttele->text().trimmed()},
                              {QStringLiteral("c_address"), taddress->text().trimmed()}};
    saveSingleRow(QStringLiteral("jxc_company"), values);
    companyChanged();
    showStep(3);
}

void TF_Guide::btnNext3Click()
{
    const bool clearing = rClear1->isChecked() || rClear2->isChecked() || rClear3->isChecked();
    if (clearing) {
        // Clearing the database is reserved to the administrator role.
        if (roleCode != QLatin1String("100001")) {
            msgInfo(QStringLiteral("只有系统管理员才能使用此功能！"), this);
            return;
        }
        if (!msgYesNo(QStringLiteral("您确定要进行数据清理操做吗？"), this))
            return;
        if (!safetyCopyOrAsk(this))
            return;
        if (rClear1->isChecked())
            createAllTables();
        else if (rClear2->isChecked())
            clearDataKeepGoods();
        else
            clearBusinessData();
    }
    if (rClear4->isChecked() && !msgYesNo(QStringLiteral("您确定不清除任何数据，准备进行下一步吗？"), this))
        return;
    showStep(4);
}

void TF_Guide::btnNext4Click()
{
    showStep(5);
}

void TF_Guide::btnFinishClick()
{
    if (rSele51->isChecked())
        openWindow(QStringLiteral("TF_Qcjz"), QString(), QStringLiteral("库存商品期初建帐"));
    else if (rSele52->isChecked())
        openWindow(QStringLiteral("TF_Cgjh"), QString(), QStringLiteral("采购进货"));
    accept();
}
