#include "admin/sjtxgl_add.h"

#include "admin/reminderrecords.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Sjtxgl_Add* F_Sjtxgl_Add = nullptr;

TF_Sjtxgl_Add::TF_Sjtxgl_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Sjtxgl_Add"));
    setWindowTitle(QStringLiteral("添加商品提醒"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto* box = new QGroupBox(QStringLiteral("提醒设置"), this);
    auto* grid = new QGridLayout(box);
    comGoods = new QComboBox(box);
    comGoods->setObjectName(QStringLiteral("comGoods"));
    comGoods->setEditable(true);
    comGoods->setInsertPolicy(QComboBox::NoInsert);
    rKc = new QRadioButton(QStringLiteral("库存报警提醒"), box);
    rKc->setObjectName(QStringLiteral("rKc"));
    rGq = new QRadioButton(QStringLiteral("商品过期提醒"), box);
    rGq->setObjectName(QStringLiteral("rGq"));
    tts = new QSpinBox(box);
    tts->setObjectName(QStringLiteral("tts"));
    tts->setRange(0, 9999);
    comAdmin = new QComboBox(box);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    comTxfs = new QComboBox(box);
    comTxfs->setObjectName(QStringLiteral("comTxfs"));
    for (int m = 1; m <= 4; ++m)
        comTxfs->addItem(reminderModeText(m));

    // One panel per mode.
    panels = new QStackedWidget(box);
    auto* once = new QWidget;
    auto* onceRow = new QHBoxLayout(once);
    tdate = new QDateEdit(once);
    tdate->setObjectName(QStringLiteral("tdate"));
    tdate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    tdate->setCalendarPopup(true);
    onceRow->addWidget(new QLabel(QStringLiteral("提醒时间："), once));
    onceRow->addWidget(tdate);
    onceRow->addStretch();
    auto* weekly = new QWidget;
    auto* weekRow = new QHBoxLayout(weekly);
    const char* const names[] = {"周一", "周二", "周三", "周四", "周五", "周六", "周日"};
    for (int d = 0; d < 7; ++d) {
        auto* c = new QCheckBox(QString::fromUtf8(names[d]), weekly);
        c->setObjectName(QStringLiteral("chkWeek%1").arg(d + 1));
        weekdays << c;
        weekRow->addWidget(c);
    }
    auto* monthly = new QWidget;
    auto* monthRow = new QHBoxLayout(monthly);
    comYue = new QComboBox(monthly);
    comYue->setObjectName(QStringLiteral("comYue"));
    for (int d = 1; d <= 31; ++d)
        comYue->addItem(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
    monthRow->addWidget(new QLabel(QStringLiteral("提醒时间："), monthly));
    monthRow->addWidget(comYue);
    monthRow->addWidget(new QLabel(QStringLiteral("日"), monthly));
    monthRow->addStretch();
    panels->addWidget(once);
    panels->addWidget(new QWidget);
    panels->addWidget(weekly);
    panels->addWidget(monthly);

    auto* kind = new QHBoxLayout;
    kind->addWidget(rKc);
    kind->addWidget(rGq);
    kind->addWidget(new QLabel(QStringLiteral("提醒还有"), box));
    kind->addWidget(tts);
    kind->addWidget(new QLabel(QStringLiteral("天到期的商品"), box));
    grid->addWidget(new QLabel(QStringLiteral("提醒商品："), box), 0, 0);
    grid->addWidget(comGoods, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("提醒内容："), box), 1, 0);
    grid->addLayout(kind, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("提醒对象："), box), 2, 0);
    grid->addWidget(comAdmin, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("提醒方式："), box), 3, 0);
    grid->addWidget(comTxfs, 3, 1);
    grid->addWidget(panels, 4, 0, 1, 2);

    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttonRow({btnOK, btnExit}));

    connect(rKc, &QRadioButton::clicked, this, [this] {
        tts->setValue(0);
        tts->setEnabled(false);
    });
    connect(rGq, &QRadioButton::clicked, this, [this] {
        tts->setEnabled(true);
        tts->setValue(10);
    });
    connect(comTxfs, &QComboBox::currentIndexChanged, panels, &QStackedWidget::setCurrentIndex);
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Sjtxgl_Add::fillAddressees()
{
    comAdmin->clear();
    comAdmin->addItem(QStringLiteral("全体人员"));
    const ResultSet rs = openSelect(QStringLiteral("select a_name from jxc_admin order by id"));
    for (int r = 0; r < rs.rowCount(); ++r)
        comAdmin->addItem(rs.text(r, 0));
}

void TF_Sjtxgl_Add::FormActivate()
{
    // The goods list, with the goods handed over by the caller chosen.
    comGoods->clear();
    const ResultSet goods = openSelect(QStringLiteral("select g_sn,g_name from jxc_goods order by id"));
    for (int r = 0; r < goods.rowCount(); ++r)
        comGoods->addItem(goods.text(r, 0) + QLatin1Char(' ') + goods.text(r, 1), goods.text(r, 0));
    comGoods->setCurrentIndex(comGoods->findData(curGoodsSn));
    comTxfs->setCurrentIndex(0);
    panels->setCurrentIndex(0);
    tdate->setDate(Clock::today());
    rGq->setChecked(true);
    tts->setEnabled(true);
    tts->setValue(10);
    for (QCheckBox* c : weekdays)
        c->setChecked(false);
    comYue->setCurrentIndex(0);
    fillAddressees();
    comAdmin->setCurrentIndex(0);
    callerFlag.clear();
}

ReminderInput TF_Sjtxgl_Add::input() const
{
    ReminderInput in;
    in.expiry = rGq->isChecked();
    in.days = tts->value();
    in.addressee = comAdmin->currentText();
    in.mode = comTxfs->currentIndex() + 1;
    in.date = tdate->date();
    for (int d = 0; d < weekdays.size(); ++d)
        if (weekdays[d]->isChecked())
            in.weekdays << d + 1;
    in.day = comYue->currentIndex() + 1;
    // A goods typed by its code counts as chosen.
    const int typed = comGoods->findData(comGoods->currentText().section(QLatin1Char(' '), 0, 0).trimmed());
    in.goodsSn = comGoods->itemData(comGoods->currentIndex() >= 0 ? comGoods->currentIndex() : typed).toString();
    return in;
}

void TF_Sjtxgl_Add::btnOKClick()
{
    const QString refusal = addReminder(input());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
