#include "shell/loading.h"

#include "shell/startup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TF_Loading::TF_Loading(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_Loading"));
    setWindowTitle(QStringLiteral("禾岚鞋店进销存"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(700, 323);

    lMsg = new QLabel(this);
    lMsg->setObjectName(QStringLiteral("lMsg"));
    QFont f(QStringLiteral("微软雅黑"));
    f.setPixelSize(19);
    f.setBold(true);
    lMsg->setFont(f);
    lMsg->setStyleSheet(QStringLiteral("color: white;"));
    lMsg->setGeometry(40, 250, 620, 36);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5% early
    connect(Timer1, &QTimer::timeout, this, &TF_Loading::Timer1Timer);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TF_Loading::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TF_Loading::FormActivate()
{
    checkDateFormat();
    lMsg->setText(QStringLiteral("正在装载系统......"));
    m_step = 1;
    Timer1->start(1000);
}

void TF_Loading::Timer1Timer()
{
    if (m_step == 3) {
        Timer1->stop();
        accept();
    } else if (m_step == 2) {
        lMsg->setText(QStringLiteral("系统即将启动......"));
        m_step = 3;
    } else if (m_step == 1) {
        lMsg->setText(QStringLiteral("正在设置环境参数......"));
        m_step = 2;
    }
}

void TF_Loading::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0x2e, 0x86, 0xab));
    p.fillRect(rect(), g);
    p.setPen(QColor(255, 255, 255, 60));
    for (int x = -height(); x < width(); x += 24)
        p.drawLine(x, height(), x + height(), 0);
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(40, 70, 620, 80), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    QFont sub(QStringLiteral("Noto Sans CJK SC"));
    sub.setPixelSize(18);
    p.setFont(sub);
    p.drawText(QRect(44, 150, 620, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("鞋店进销存管理系统"));
}
