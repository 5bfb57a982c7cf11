#include "shell/tips.h"

#include "shell/icons.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

TF_Tips* F_Tips = nullptr;

namespace {

QRect workArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

TF_Tips::TF_Tips(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tips"));
    setWindowTitle(QStringLiteral("系统提示"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setModal(false);
    setFixedSize(260, 100);
    setStyleSheet(QStringLiteral("#F_Tips { background: #fdf6e3; border: 1px solid #c9a227; }"));
    auto* picture = new QLabel(this);
    picture->setPixmap(shellPicture(QStringLiteral("bell"), 40, QColor(0xd0, 0x9a, 0x1f)));
    lMsg = new QLabel(this);
    lMsg->setObjectName(QStringLiteral("lMsg"));
    lMsg->setWordWrap(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 10, 14, 10);
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addWidget(lMsg, 1);

    TimerUp = new QTimer(this);
    TimerUp->setObjectName(QStringLiteral("TimerUp"));
    connect(TimerUp, &QTimer::timeout, this, &TF_Tips::TimerUpTimer);
    TimerDown = new QTimer(this);
    TimerDown->setObjectName(QStringLiteral("TimerDown"));
    connect(TimerDown, &QTimer::timeout, this, &TF_Tips::TimerDownTimer);
}

void TF_Tips::FormActivate()
{
    TimerDown->stop();
    const QRect area = workArea();
    setWindowOpacity(1.0);
    move(area.right() - width(), area.bottom() + 1);
    raise();
    lMsg->setText(tipMsg);
    Step = 1;
    speed = 2;
    m_extraTicks = 0;
    TimerUp->start(1);
}

void TF_Tips::TimerUpTimer()
{
    const QRect area = workArea();
    if (Step == 1) {
        move(area.right() - width(), y() - speed);
        if (area.bottom() + 1 - y() >= 100) {
            ShowBeginTime.start();
            Step = 2;
        }
    } else if (Step == 2) {
        if (ShowBeginTime.elapsed() / 1000 > 2)
            Step = 3;
    } else {
        TimerUp->stop();
        Step = 1;
        TimerDown->start(1);
    }
}

void TF_Tips::TimerDownTimer()
{
    const QRect area = workArea();
    if (y() <= area.bottom()) {
        move(x(), y() + speed);
        return;
    }
    // Once below the work area, two more ticks, then the notice is gone.
    if (++m_extraTicks > 2) {
        TimerDown->stop();
        close();
    }
}

void showTips(const QString& text)
{
    TF_Tips* tips = ensureForm(F_Tips);
    tips->tipMsg = text;
    if (tips->isVisible())
        tips->hide();
    tips->show();
}
