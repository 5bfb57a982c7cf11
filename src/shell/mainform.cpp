#include "shell/mainform.h"

#include <QEvent>
#include <QPainter>

namespace {

// The background tile: a quiet woven pattern, painted repeatedly across the window.
QPixmap makeTile()
{
    QPixmap tile(48, 48);
    tile.fill(QColor(0xe8, 0xef, 0xf5));
    QPainter p(&tile);
    p.setPen(QColor(0xd6, 0xe1, 0xeb));
    for (int i = 0; i < 48; i += 6) {
        p.drawLine(i, 0, 0, i);
        p.drawLine(48, i, i, 48);
    }
    return tile;
}

}  // namespace

TF_MainForm::TF_MainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_MainForm"));
    FormCreate();
}

void TF_MainForm::FormCreate()
{
    m_tile = makeTile();
    setWindowTitle(QStringLiteral("鞋店进销存管理系统"));
    resize(1024, 700);
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    central->installEventFilter(this);
    setCentralWidget(central);
    setVisible(false);
}

bool TF_MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched == centralWidget()) {
        QPainter p(centralWidget());
        p.drawTiledPixmap(centralWidget()->rect(), m_tile);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
