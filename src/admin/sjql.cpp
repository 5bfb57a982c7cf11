#include "admin/sjql.h"

#include "admin/clearing.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/backup.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Sjql* F_Sjql = nullptr;

namespace {

QRadioButton* radio(QWidget* parent, const char* name, const QString& text)
{
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

}  // namespace

TF_Sjql::TF_Sjql(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Sjql"));
    setWindowTitle(QStringLiteral("软件数据清理(系统初始化)"));
    setEscCloses(true);
    pages = new QStackedWidget(this);

    auto* page1 = new QWidget;
    auto* box1 = new QGroupBox(QStringLiteral("操作方式选择"), page1);
    rSele11 = radio(box1, "rSele11", QStringLiteral("我对软件很熟悉，直接进入数据清理界面，手动处理。"));
    rSele12 = radio(box1, "rSele12", QStringLiteral("我对软件不是特别了解，打开使用向导按步骤进行。"));
    auto* b1 = new QVBoxLayout(box1);
    b1->addWidget(rSele11);
    b1->addWidget(rSele12);
    btnOK1 = namedButton(page1, "btnOK1", QStringLiteral("确定(F5)"));
    QPushButton* btnExit1 = namedButton(page1, "btnExit1", QStringLiteral("退出(Esc)"));
    auto* p1 = new QVBoxLayout(page1);
    p1->addWidget(box1);
    p1->addWidget(new QLabel(QStringLiteral("说明：\n该功能用于对软件现有数据库进行清理维护。用户可以\n"
                                            "根据自己的实际情况，选择上面不同的操作方式。"),
                             page1));
    p1->addLayout(buttonRow({btnOK1, btnExit1}));

    auto* page2 = new QWidget;
    auto* box2 = new QGroupBox(QStringLiteral("操作方式选择"), page2);
    rSele21 = radio(box2, "rSele21", QStringLiteral("保留基本信息"));
    rSele22 = radio(box2, "rSele22", QStringLiteral("保留基本信息，并将库存信息转为期初建账"));
    rSele23 = radio(box2, "rSele23", QStringLiteral("删除所有数据(admin密码为空)"));
    rSele24 = radio(box2, "rSele24", QStringLiteral("删除指定时间的营业信息"));
    auto date = [box2](const char* name) {
        auto* d = new QDateEdit(box2);
        d->setObjectName(QString::fromLatin1(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    tdate1 = date("tdate1");
    tdate2 = date("tdate2");
    auto* b2 = new QVBoxLayout(box2);
    for (QRadioButton* r : {rSele21, rSele22, rSele23, rSele24})
        b2->addWidget(r);
    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(QStringLiteral("删除时间："), box2));
    period->addWidget(tdate1);
    period->addWidget(new QLabel(QStringLiteral("至"), box2));
    period->addWidget(tdate2);
    period->addStretch();
    b2->addLayout(period);
    btnOK2 = namedButton(page2, "btnOK2", QStringLiteral("确定(F6)"));
    QPushButton* btnExit2 = namedButton(page2, "btnExit2", QStringLiteral("退出(Esc)"));
    auto* p2 = new QVBoxLayout(page2);
    p2->addWidget(box2);
    p2->addWidget(new QLabel(QStringLiteral("提示：\n1：系统初始化将删除所有营业数据；\n2：其它数据用户可在上述三种操作中选择一种；\n"
                                            "3：数据删除后将不可恢复；\n4：如果选择“删除指定时间的营业信息”系统会\n"
                                            "只清除营业记录，不影响库存。"),
                             page2));
    p2->addLayout(buttonRow({btnOK2, btnExit2}));

    pages->addWidget(page1);
    pages->addWidget(page2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);

    connect(rSele24, &QRadioButton::toggled, this, [this](bool on) {
        tdate1->setEnabled(on);
        tdate2->setEnabled(on);
    });
    onClicked(btnOK1, [this] { btnOK1Click(); });
    onClicked(btnOK2, [this] { btnOK2Click(); });
    onClicked(btnExit1, [this] { reject(); });
    onClicked(btnExit2, [this] { reject(); });
}

void TF_Sjql::FormActivate()
{
    pages->setCurrentIndex(0);
    rSele12->setChecked(true);
    rSele21->setChecked(true);
    tdate1->setDate(Clock::today());
    tdate2->setDate(Clock::today());
    tdate1->setEnabled(false);
    tdate2->setEnabled(false);
}

bool TF_Sjql::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5 && pages->currentIndex() == 0) {
        runGuarded([this] { btnOK1Click(); });
        return true;
    }
    if (event->key() == Qt::Key_F6) {
        runGuarded([this] { btnOK2Click(); });
        return true;
    }
    return false;
}

void TF_Sjql::btnOK1Click()
{
    if (rSele11->isChecked()) {
        pages->setCurrentIndex(1);
        return;
    }
    hide();
    openWindow(QStringLiteral("TF_Guide"), QString(), QStringLiteral("使用向导"));
    reject();
}

void TF_Sjql::btnOK2Click()
{
    // A safety copy whatever the answer: shown after "是", silent after "否".
    if (msgYesNo(QStringLiteral("系统初始化之前建议先备份数据库，现在是否备份数据库？"), this)) {
        if (!safetyCopyOrAsk(this))
            return;
    } else {
        try {
            makeSafetyCopy();
        } catch (const DbError& e) {
            if (!msgYesNo(QStringLiteral("数据库备份失败：") + e.message() + QStringLiteral("，是否继续？"), this))
                return;
        }
    }
    ClearChoice choice = ClearChoice::KeepBasics;
    QString question = QStringLiteral("是否要删除所有营业数据？");
    if (rSele22->isChecked()) {
        choice = ClearChoice::KeepBasicsStock;
        question = QStringLiteral("是否要删除所有营业数据，并把库存转为期初建账？");
    } else if (rSele23->isChecked()) {
        choice = ClearChoice::Everything;
    } else if (rSele24->isChecked()) {
        choice = ClearChoice::Period;
        question = QStringLiteral("是否要删除指定时间的营业数据？");
    }
    if (!msgYesNo(question, this)) {
        reject();
        return;
    }
    DataModule->closeAll();
    clearData(choice, tdate1->date(), tdate2->date());
    msgInfo(QStringLiteral("删除完成！"), this);
    accept();
}
