#include "admin/sjtxgl_modi1.h"

#include "admin/reminderrecords.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TF_Sjtxgl_Modi1* F_Sjtxgl_Modi1 = nullptr;

TF_Sjtxgl_Modi1::TF_Sjtxgl_Modi1(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Sjtxgl_Modi1"));
    setWindowTitle(QStringLiteral("修改单据提醒时间"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto* box = new QGroupBox(QStringLiteral("单据信息"), this);
    auto* grid = new QGridLayout(box);
    lblInfo = new QLabel(box);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    tdate = new QDateEdit(box);
    tdate->setObjectName(QStringLiteral("tdate"));
    tdate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    tdate->setCalendarPopup(true);
    grid->addWidget(lblInfo, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("新提醒时间："), box), 1, 0);
    grid->addWidget(tdate, 1, 1);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Sjtxgl_Modi1::FormActivate()
{
    NamedQuery* q = DataModule->Q_Sjtx1;
    auto f = [q](const char* field) { return q->fieldByName(QString::fromLatin1(field)); };
    m_number = f("gl_djh");
    const QStringList lines = {
        QStringLiteral("单  据  号：") + m_number,  QStringLiteral("客户名称：") + f("kh_name"),
        QStringLiteral("开单日期：") + f("ls_xsrq"), QStringLiteral("应收金额：") + f("yfje"),
        QStringLiteral("实收金额：") + f("ls_sfje"), QStringLiteral("优惠金额：") + f("ls_yhje"),
        QStringLiteral("欠款金额：") + f("wfje"),    QStringLiteral("原提醒时间：") + f("ls_ckrq"),
    };
    lblInfo->setText(lines.join(QLatin1Char('\n')));
    tdate->setDate(Clock::today());
}

void TF_Sjtxgl_Modi1::btnOKClick()
{
    setBillDueDate(m_number, tdate->date());
    accept();
}
