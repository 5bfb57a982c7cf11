#include "shell/icons.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// Every glyph is drawn in white on a 48 × 48 grid.
using Glyph = void (*)(QPainter&);

void person(QPainter& p, qreal x, qreal y, qreal s)
{
    p.drawEllipse(QPointF(x, y), 6 * s, 6 * s);
    QPainterPath body;
    body.moveTo(x - 12 * s, y + 20 * s);
    body.cubicTo(x - 12 * s, y + 8 * s, x + 12 * s, y + 8 * s, x + 12 * s, y + 20 * s);
    body.closeSubpath();
    p.drawPath(body);
}

void box(QPainter& p, const QRectF& r)
{
    p.drawRect(r);
    p.drawLine(QPointF(r.left(), r.top() + r.height() / 3), QPointF(r.right(), r.top() + r.height() / 3));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + r.height() / 3));
}

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to << to - u * 7 + n * 5 << to - u * 7 - n * 5;
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

void document(QPainter& p, const QRectF& r)
{
    QPainterPath d;
    d.moveTo(r.topLeft());
    d.lineTo(r.right() - 8, r.top());
    d.lineTo(r.right(), r.top() + 8);
    d.lineTo(r.bottomRight());
    d.lineTo(r.bottomLeft());
    d.closeSubpath();
    p.drawPath(d);
    for (qreal y = r.top() + 12; y < r.bottom() - 4; y += 6)
        p.drawLine(QPointF(r.left() + 5, y), QPointF(r.right() - 5, y));
}

void magnifier(QPainter& p, QPointF c, qreal r)
{
    p.drawEllipse(c, r, r);
    QPen pen = p.pen();
    pen.setWidthF(pen.widthF() * 1.6);
    p.save();
    p.setPen(pen);
    p.drawLine(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 1.7, r * 1.7));
    p.restore();
}

void gUser(QPainter& p) { person(p, 24, 16, 1.1); }
void gPeople(QPainter& p)
{
    person(p, 17, 17, 0.85);
    person(p, 31, 19, 0.85);
}
void gTie(QPainter& p)
{
    person(p, 24, 15, 1.05);
    QPolygonF tie;
    tie << QPointF(24, 24) << QPointF(27, 30) << QPointF(24, 38) << QPointF(21, 30);
    p.save();
    p.setBrush(Qt::white);
    p.drawPolygon(tie);
    p.restore();
}
void gDoc(QPainter& p) { document(p, QRectF(12, 8, 24, 32)); }
void gDocSearch(QPainter& p)
{
    document(p, QRectF(8, 6, 22, 30));
    magnifier(p, QPointF(30, 28), 6);
}
void gSearch(QPainter& p) { magnifier(p, QPointF(21, 21), 9); }
void gList(QPainter& p)
{
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QPointF(12, 13 + i * 8), 1.5, 1.5);
        p.drawLine(QPointF(17, 13 + i * 8), QPointF(36, 13 + i * 8));
    }
}
void gChart(QPainter& p)
{
    p.drawLine(QPointF(8, 40), QPointF(40, 40));
    const qreal h[] = {12, 22, 16, 28};
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(11 + i * 7.5, 40 - h[i], 5, h[i]));
}
void gPie(QPainter& p)
{
    p.drawEllipse(QPointF(24, 24), 15, 15);
    p.drawLine(QPointF(24, 24), QPointF(24, 9));
    p.drawLine(QPointF(24, 24), QPointF(37, 31));
}
void gNote(QPainter& p)
{
    p.drawRoundedRect(QRectF(11, 9, 26, 31), 2, 2);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(15 + i * 6, 9), 1.5, 1.5);
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(15, 18 + i * 6), QPointF(33, 18 + i * 6));
}
void gHelp(QPainter& p)
{
    p.drawEllipse(QPointF(24, 24), 16, 16);
    QFont f = p.font();
    f.setPixelSize(24);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(8, 8, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}
void gExit(QPainter& p)
{
    p.drawArc(QRectF(10, 11, 28, 28), 120 * 16, 300 * 16);
    p.drawLine(QPointF(24, 7), QPointF(24, 24));
}
void gBoxIn(QPainter& p)
{
    box(p, QRectF(9, 22, 30, 18));
    arrow(p, QPointF(24, 4), QPointF(24, 20));
}
void gBoxOut(QPainter& p)
{
    box(p, QRectF(9, 22, 30, 18));
    arrow(p, QPointF(24, 20), QPointF(24, 4));
}
void gLend(QPainter& p)
{
    box(p, QRectF(6, 18, 22, 20));
    arrow(p, QPointF(28, 28), QPointF(43, 28));
}
void gBoxes(QPainter& p)
{
    box(p, QRectF(7, 24, 16, 16));
    box(p, QRectF(25, 24, 16, 16));
    box(p, QRectF(16, 8, 16, 16));
}
void gLedger(QPainter& p)
{
    p.drawRoundedRect(QRectF(11, 8, 26, 32), 2, 2);
    p.drawLine(QPointF(16, 8), QPointF(16, 40));
    p.drawLine(QPointF(20, 17), QPointF(32, 17));
    p.drawLine(QPointF(20, 23), QPointF(32, 23));
}
void gShoe(QPainter& p)
{
    QPainterPath s;
    s.moveTo(7, 36);
    s.lineTo(7, 14);
    s.lineTo(18, 14);
    s.cubicTo(20, 22, 26, 24, 34, 26);
    s.cubicTo(41, 28, 42, 32, 42, 36);
    s.closeSubpath();
    p.drawPath(s);
    p.drawLine(QPointF(7, 31), QPointF(42, 31));
    p.drawLine(QPointF(20, 20), QPointF(24, 18));
    p.drawLine(QPointF(22, 24), QPointF(26, 22));
}
void gTruck(QPainter& p)
{
    p.drawRect(QRectF(5, 14, 24, 18));
    QPainterPath cab;
    cab.moveTo(29, 19);
    cab.lineTo(37, 19);
    cab.lineTo(43, 26);
    cab.lineTo(43, 32);
    cab.lineTo(29, 32);
    p.drawPath(cab);
    p.drawEllipse(QPointF(13, 35), 4, 4);
    p.drawEllipse(QPointF(36, 35), 4, 4);
}
void gHouse(QPainter& p)
{
    QPolygonF roof;
    roof << QPointF(5, 22) << QPointF(24, 8) << QPointF(43, 22);
    p.drawPolyline(roof);
    p.drawRect(QRectF(10, 22, 28, 18));
    box(p, QRectF(17, 28, 14, 12));
}
void gPalette(QPainter& p)
{
    QPainterPath s;
    s.addEllipse(QPointF(24, 24), 16, 14);
    p.drawPath(s);
    p.drawEllipse(QPointF(17, 19), 2.5, 2.5);
    p.drawEllipse(QPointF(24, 15), 2.5, 2.5);
    p.drawEllipse(QPointF(31, 19), 2.5, 2.5);
    p.drawEllipse(QPointF(29, 30), 4, 4);
}
void gCart(QPainter& p)
{
    QPainterPath c;
    c.moveTo(5, 10);
    c.lineTo(11, 10);
    c.lineTo(16, 31);
    c.lineTo(38, 31);
    c.lineTo(42, 16);
    c.lineTo(13, 16);
    p.drawPath(c);
    p.drawEllipse(QPointF(18, 37), 3, 3);
    p.drawEllipse(QPointF(35, 37), 3, 3);
}
void gRegister(QPainter& p)
{
    p.drawRect(QRectF(8, 24, 32, 16));
    p.drawRect(QRectF(14, 10, 20, 10));
    p.drawLine(QPointF(24, 20), QPointF(24, 24));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(13 + i * 9, 30), QPointF(18 + i * 9, 30));
    p.drawLine(QPointF(13, 35), QPointF(35, 35));
}
void gSwap(QPainter& p)
{
    arrow(p, QPointF(8, 17), QPointF(40, 17));
    arrow(p, QPointF(40, 31), QPointF(8, 31));
}
void gBack(QPainter& p)
{
    QPainterPath a;
    a.moveTo(38, 38);
    a.cubicTo(40, 20, 28, 14, 14, 16);
    p.drawPath(a);
    arrow(p, QPointF(18, 16), QPointF(9, 16));
}
void gTransfer(QPainter& p)
{
    p.drawRect(QRectF(5, 14, 12, 20));
    p.drawRect(QRectF(31, 14, 12, 20));
    arrow(p, QPointF(18, 20), QPointF(30, 20));
    arrow(p, QPointF(30, 28), QPointF(18, 28));
}
void gLink(QPainter& p)
{
    p.drawRoundedRect(QRectF(6, 18, 22, 12), 6, 6);
    p.drawRoundedRect(QRectF(20, 18, 22, 12), 6, 6);
}
void gPlusMinus(QPainter& p)
{
    box(p, QRectF(6, 20, 22, 20));
    p.drawLine(QPointF(32, 12), QPointF(42, 12));
    p.drawLine(QPointF(37, 7), QPointF(37, 17));
    p.drawLine(QPointF(32, 26), QPointF(42, 26));
}
void gCheck(QPainter& p)
{
    p.drawRoundedRect(QRectF(11, 9, 26, 31), 2, 2);
    p.drawRect(QRectF(18, 6, 12, 6));
    QPolygonF tick;
    tick << QPointF(16, 25) << QPointF(22, 31) << QPointF(33, 19);
    p.drawPolyline(tick);
}
void gBell(QPainter& p)
{
    QPainterPath b;
    b.moveTo(10, 34);
    b.cubicTo(15, 28, 13, 10, 24, 10);
    b.cubicTo(35, 10, 33, 28, 38, 34);
    b.closeSubpath();
    p.drawPath(b);
    p.drawEllipse(QPointF(24, 38), 3, 3);
}
void yuan(QPainter& p, QPointF c, int px)
{
    QFont f = p.font();
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(c.x() - 12, c.y() - 12, 24, 24), Qt::AlignCenter, QStringLiteral("¥"));
}
void gCoin(QPainter& p)
{
    p.drawEllipse(QPointF(24, 24), 15, 15);
    yuan(p, QPointF(24, 24), 18);
}
void gMoney(QPainter& p)
{
    p.drawRect(QRectF(5, 13, 38, 22));
    p.drawEllipse(QPointF(24, 24), 7, 7);
    yuan(p, QPointF(24, 24), 11);
}
void gCard(QPainter& p)
{
    p.drawRoundedRect(QRectF(6, 12, 36, 24), 3, 3);
    p.drawLine(QPointF(6, 19), QPointF(42, 19));
    p.drawLine(QPointF(11, 29), QPointF(24, 29));
}
void gGear(QPainter& p)
{
    p.drawEllipse(QPointF(24, 24), 6, 6);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawLine(QPointF(24 + 11 * std::cos(a), 24 + 11 * std::sin(a)),
                   QPointF(24 + 17 * std::cos(a), 24 + 17 * std::sin(a)));
    }
    p.drawEllipse(QPointF(24, 24), 11, 11);
}
void gKey(QPainter& p)
{
    p.drawEllipse(QPointF(15, 24), 8, 8);
    p.drawLine(QPointF(23, 24), QPointF(42, 24));
    p.drawLine(QPointF(36, 24), QPointF(36, 31));
    p.drawLine(QPointF(41, 24), QPointF(41, 30));
}
void gWrench(QPainter& p)
{
    QPen pen = p.pen();
    pen.setWidthF(pen.widthF() * 2);
    p.save();
    p.setPen(pen);
    p.drawLine(QPointF(14, 36), QPointF(28, 21));
    p.restore();
    p.drawArc(QRectF(24, 8, 16, 16), -60 * 16, 270 * 16);
}
void gTag(QPainter& p)
{
    QPolygonF t;
    t << QPointF(8, 24) << QPointF(22, 10) << QPointF(40, 10) << QPointF(40, 28) << QPointF(26, 42);
    p.drawPolygon(t);
    p.drawEllipse(QPointF(33, 17), 2.5, 2.5);
}
void gContract(QPainter& p)
{
    document(p, QRectF(9, 6, 24, 32));
    p.drawEllipse(QPointF(33, 34), 7, 7);
}
void gBank(QPainter& p)
{
    QPolygonF roof;
    roof << QPointF(6, 17) << QPointF(24, 7) << QPointF(42, 17);
    p.drawPolygon(roof);
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(11 + i * 8.7, 20), QPointF(11 + i * 8.7, 35));
    p.drawLine(QPointF(6, 39), QPointF(42, 39));
}
void gAsset(QPainter& p)
{
    p.drawRect(QRectF(7, 12, 34, 20));
    p.drawLine(QPointF(24, 32), QPointF(24, 38));
    p.drawLine(QPointF(15, 39), QPointF(33, 39));
}
void gAverage(QPainter& p)
{
    p.drawLine(QPointF(8, 40), QPointF(40, 40));
    QPolygonF line;
    line << QPointF(8, 34) << QPointF(17, 24) << QPointF(26, 29) << QPointF(40, 12);
    p.drawPolyline(line);
    p.drawLine(QPointF(8, 24), QPointF(40, 24));
}
void gPos(QPainter& p)
{
    document(p, QRectF(14, 6, 20, 34));
    p.drawLine(QPointF(14, 40), QPointF(18, 37));
}

const QHash<QString, Glyph>& glyphs()
{
    static const QHash<QString, Glyph> table = {
        {"user", gUser},       {"people", gPeople},     {"tie", gTie},         {"doc", gDoc},
        {"docsearch", gDocSearch}, {"search", gSearch}, {"list", gList},       {"chart", gChart},
        {"pie", gPie},         {"note", gNote},         {"help", gHelp},       {"exit", gExit},
        {"boxin", gBoxIn},     {"boxout", gBoxOut},     {"lend", gLend},       {"boxes", gBoxes},
        {"ledger", gLedger},   {"shoe", gShoe},         {"truck", gTruck},     {"house", gHouse},
        {"palette", gPalette}, {"cart", gCart},         {"register", gRegister}, {"swap", gSwap},
        {"back", gBack},       {"transfer", gTransfer}, {"link", gLink},       {"plusminus", gPlusMinus},
        {"check", gCheck},     {"bell", gBell},         {"coin", gCoin},       {"money", gMoney},
        {"card", gCard},       {"gear", gGear},         {"key", gKey},         {"wrench", gWrench},
        {"tag", gTag},         {"contract", gContract}, {"bank", gBank},       {"asset", gAsset},
        {"average", gAverage}, {"pos", gPos},
    };
    return table;
}

}  // namespace

QPixmap shellPicture(const QString& name, int size, const QColor& tint)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 48.0;
    p.scale(s, s);
    QLinearGradient g(0, 0, 0, 48);
    g.setColorAt(0, tint.lighter(135));
    g.setColorAt(1, tint.darker(115));
    p.setPen(QPen(tint.darker(140), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (const Glyph g2 = glyphs().value(name, nullptr))
        g2(p);
    return pm;
}

QIcon shellIcon(const QString& name, const QColor& tint)
{
    QIcon icon;
    for (int size : {24, 32, 48, 64})
        icon.addPixmap(shellPicture(name, size, tint));
    return icon;
}

QPixmap warehousePicture(int width, int height, const QColor& tint)
{
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 200.0, height / 150.0);
    QLinearGradient wall(0, 40, 0, 140);
    wall.setColorAt(0, tint.lighter(160));
    wall.setColorAt(1, tint.lighter(120));
    p.setPen(QPen(tint.darker(150), 2));
    p.setBrush(wall);
    QPolygonF house;
    house << QPointF(15, 60) << QPointF(100, 12) << QPointF(185, 60) << QPointF(185, 140) << QPointF(15, 140);
    p.drawPolygon(house);
    p.setBrush(tint.darker(110));
    p.drawRect(QRectF(55, 80, 90, 60));
    // Boxes stacked in the open door.
    const QColor boxColour(0xd9, 0xa4, 0x5b);
    p.setPen(QPen(boxColour.darker(160), 1.5));
    p.setBrush(boxColour);
    const QRectF boxes[] = {{62, 112, 26, 26}, {90, 112, 26, 26}, {118, 112, 24, 26}, {76, 86, 26, 26},
                            {104, 86, 26, 26}};
    for (const QRectF& r : boxes) {
        p.drawRect(r);
        p.drawLine(QPointF(r.left(), r.top() + 7), QPointF(r.right(), r.top() + 7));
    }
    return pm;
}

QPixmap emblemPicture(int width, int height)
{
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0x2e, 0x86, 0xab));
    p.fillRect(pm.rect(), g);
    const int side = qMin(width, height) * 3 / 5;
    const QPixmap shoe = shellPicture(QStringLiteral("shoe"), side, QColor(0x2e, 0x86, 0xab));
    p.drawPixmap((width - side) / 2, (height - side) / 3, shoe);
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(qMax(12, width / 9));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, (height - side) / 3 + side + 6, width, height / 5), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("禾岚软件"));
    return pm;
}
