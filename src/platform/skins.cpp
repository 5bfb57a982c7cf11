#include "platform/skins.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>

namespace {

// The colours a skin is made of.
struct Skin {
    const char* name;
    QRgb window, text;           // window background and its text
    QRgb base, baseText;         // edit boxes and lists
    QRgb top, bottom, faceText;  // buttons, headers and tabs: a gradient and its text
    QRgb border;
    QRgb highlight, highlightText;
};

constexpr Skin kSkins[] = {
    {"Black", 0x2B2B2B, 0xE8E8E8, 0x1E1E1E, 0xE8E8E8, 0x4A4A4A, 0x2E2E2E, 0xF0F0F0, 0x111111, 0x4D6A8A, 0xFFFFFF},
    {"Blue", 0xD6E4F5, 0x15283D, 0xFFFFFF, 0x15283D, 0xEAF2FC, 0xBCD3EE, 0x15283D, 0x7C9CC4, 0x3D7BC4, 0xFFFFFF},
    {"Caramel", 0xE9DCC5, 0x3D2B14, 0xFFFBF2, 0x3D2B14, 0xF5EBDA, 0xD8C29E, 0x3D2B14, 0xA88B5E, 0xB5874A, 0xFFFFFF},
    {"Coffee", 0xD8CBB8, 0x2F2116, 0xFBF7F0, 0x2F2116, 0xE8DCCB, 0xB9A285, 0x2F2116, 0x7F6549, 0x7A5533, 0xFFFFFF},
    {"DarkRoom", 0x3C3C3C, 0xEDEDED, 0x2A2A2A, 0xEDEDED, 0x555555, 0x3A3A3A, 0xF2F2F2, 0x222222, 0x6F8FAF, 0xFFFFFF},
    {"DarkSide", 0x323A45, 0xE6EAF0, 0x262C35, 0xE6EAF0, 0x4A5566, 0x323B48, 0xEEF1F5, 0x1A1F26, 0x4F7DB8, 0xFFFFFF},
    {"Foggy", 0xE4E8EC, 0x2E3640, 0xFFFFFF, 0x2E3640, 0xF3F5F7, 0xD2D8DE, 0x2E3640, 0xA8B1BB, 0x8FA3B8, 0xFFFFFF},
    {"GlassOceans", 0xCFE6EE, 0x0F2F3D, 0xFFFFFF, 0x0F2F3D, 0xE5F4F9, 0xA9D3E2, 0x0F2F3D, 0x5E9DB4, 0x1F7FA3, 0xFFFFFF},
    {"iMaginary", 0xF2F4F7, 0x1F2A36, 0xFFFFFF, 0x1F2A36, 0xFFFFFF, 0xDDE3EA, 0x1F2A36, 0xA9B4C2, 0x5B8BD0, 0xFFFFFF},
    {"Lilian", 0xEEE0EE, 0x3A1E3A, 0xFFFAFF, 0x3A1E3A, 0xF8EEF8, 0xDCC3DC, 0x3A1E3A, 0xAC86AC, 0xA25CA2, 0xFFFFFF},
    {"LiquidSky", 0xD9ECFA, 0x10304D, 0xFFFFFF, 0x10304D, 0xEFF8FF, 0xB5DAF5, 0x10304D, 0x6FA8D6, 0x2C8AD8, 0xFFFFFF},
    {"LondonLiquidSky", 0xDDE4EA, 0x1C2A36, 0xFFFFFF, 0x1C2A36, 0xF0F4F7, 0xC1CFDB, 0x1C2A36, 0x8298AC, 0x4A78A0, 0xFFFFFF},
    {"McSkin", 0xE8E8E8, 0x222222, 0xFFFFFF, 0x222222, 0xFAFAFA, 0xD4D4D4, 0x222222, 0x9C9C9C, 0x3875D7, 0xFFFFFF},
    {"MoneyTwins", 0xDCEAF0, 0x1B3340, 0xFFFFFF, 0x1B3340, 0xF0F7FA, 0xBFD9E4, 0x1B3340, 0x7FA9BC, 0x3A8FB7, 0xFFFFFF},
    {"Office2007Black", 0xD3D6DA, 0x111111, 0xFFFFFF, 0x111111, 0x6A6E74, 0x3B3E43, 0xF5F5F5, 0x2E3135, 0xFFC83C, 0x000000},
    {"Office2007Blue", 0xBFDBFF, 0x15428B, 0xFFFFFF, 0x15428B, 0xE3EFFF, 0xAFD2FF, 0x15428B, 0x6593CF, 0xFFC83C, 0x000000},
    {"Office2007Green", 0xD4E6D0, 0x1F4A1A, 0xFFFFFF, 0x1F4A1A, 0xEEF7EC, 0xBEDAB7, 0x1F4A1A, 0x7DA874, 0xFFCC55, 0x000000},
    {"Office2007Pink", 0xF4DCE6, 0x5A1E38, 0xFFFFFF, 0x5A1E38, 0xFCEFF4, 0xEBBDD0, 0x5A1E38, 0xC67B9A, 0xFFC96B, 0x000000},
    {"Office2007Silver", 0xE0E3E8, 0x3B3B3B, 0xFFFFFF, 0x3B3B3B, 0xF6F7F9, 0xCDD2D9, 0x3B3B3B, 0x9199A4, 0xFFD86B, 0x000000},
    {"Office2010Black", 0x5E5E5E, 0xF2F2F2, 0xFFFFFF, 0x1A1A1A, 0x7A7A7A, 0x474747, 0xF7F7F7, 0x2B2B2B, 0xF5C75B, 0x000000},
    {"Office2010Blue", 0xCFDDEE, 0x1E395B, 0xFFFFFF, 0x1E395B, 0xF0F5FB, 0xC3D5EA, 0x1E395B, 0x8DA9CC, 0xF7D47C, 0x000000},
    {"Office2010Silver", 0xE9ECEF, 0x3C3C3C, 0xFFFFFF, 0x3C3C3C, 0xFBFBFC, 0xDADEE3, 0x3C3C3C, 0xA4ABB4, 0xF7D47C, 0x000000},
    {"Pumpkin", 0xF7DDBF, 0x4A2506, 0xFFF8EF, 0x4A2506, 0xFDEBD6, 0xF2B574, 0x4A2506, 0xC97A2C, 0xE07B14, 0xFFFFFF},
    {"Seven", 0xDCE6F4, 0x1E1E1E, 0xFFFFFF, 0x1E1E1E, 0xF4F8FC, 0xD3DFEE, 0x1E1E1E, 0x8EA4C1, 0x3399FF, 0xFFFFFF},
    {"Sharp", 0x3F4347, 0xE9ECEF, 0x2D3033, 0xE9ECEF, 0x5B6167, 0x43484D, 0xF1F3F5, 0x1E2023, 0x2FA4D9, 0xFFFFFF},
    {"Silver", 0xE6E7E9, 0x2A2A2A, 0xFFFFFF, 0x2A2A2A, 0xF7F7F8, 0xCFD1D5, 0x2A2A2A, 0x9A9DA3, 0x6C84A3, 0xFFFFFF},
    {"SpringTime", 0xE3F2D9, 0x23401A, 0xFFFFFF, 0x23401A, 0xF3FAEE, 0xC7E5B3, 0x23401A, 0x86B56A, 0x5FA83A, 0xFFFFFF},
    {"Stardust", 0xE2DEEC, 0x2A2340, 0xFFFFFF, 0x2A2340, 0xF3F1F8, 0xCBC4DE, 0x2A2340, 0x8C80AE, 0x6B5AA6, 0xFFFFFF},
    {"Summer2008", 0xF6F0C8, 0x3B3410, 0xFFFFF4, 0x3B3410, 0xFCF8E0, 0xEADF99, 0x3B3410, 0xB8A84E, 0x7FB03A, 0xFFFFFF},
};

QString currentName;

const Skin* findSkin(const QString& name)
{
    for (const Skin& s : kSkins)
        if (name == QLatin1String(s.name))
            return &s;
    return nullptr;
}

// The arrow of a number box's button in a skin's colour, as a small picture file the style sheet
// names (style sheets take their pictures from files); written once per colour.
QString arrowFile(const QColor& colour, bool up)
{
    const QString dir = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                            .filePath(QStringLiteral("jxc/arrows"));
    const QString path = QDir(dir).filePath(QStringLiteral("%1-%2.png")
                                                .arg(up ? QStringLiteral("up") : QStringLiteral("down"),
                                                     colour.name().mid(1)));
    if (QFile::exists(path) || !QDir().mkpath(dir))
        return path;
    QImage image(9, 5, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPolygonF triangle = up ? QPolygonF({QPointF(0, 5), QPointF(9, 5), QPointF(4.5, 0)})
                                  : QPolygonF({QPointF(0, 0), QPointF(9, 0), QPointF(4.5, 5)});
    p.drawPolygon(triangle);
    p.end();
    image.save(path);
    return path;
}

QString styleSheet(const Skin& s)
{
    auto c = [](QRgb rgb) { return QColor(rgb).name(); };
    const QColor window(s.window), text(s.text);
    const QString disabled = QColor((window.red() + text.red()) / 2, (window.green() + text.green()) / 2,
                                    (window.blue() + text.blue()) / 2).name();
    const QString face = QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
                             .arg(c(s.top), c(s.bottom));
    return QStringLiteral(
               "QWidget { background-color: %1; color: %2; }\n"
               "QWidget:disabled { color: %11; }\n"
               "QLineEdit, QTextEdit, QPlainTextEdit, QAbstractSpinBox, QComboBox, QAbstractItemView {"
               " background-color: %3; color: %4; border: 1px solid %7;"
               " selection-background-color: %8; selection-color: %9; }\n"
               "QPushButton, QToolButton { background: %5; color: %6; border: 1px solid %7;"
               " border-radius: 3px; padding: 3px 10px; }\n"
               "QPushButton:hover, QToolButton:hover { border-color: %8; }\n"
               "QPushButton:pressed, QToolButton:pressed, QToolButton:checked { background: %10; }\n"
               "QHeaderView::section { background: %5; color: %6; border: 1px solid %7; padding: 2px 4px; }\n"
               "QTabBar::tab { background: %10; color: %6; border: 1px solid %7; padding: 4px 12px; }\n"
               "QTabBar::tab:selected { background: %5; }\n"
               "QGroupBox { border: 1px solid %7; border-radius: 3px; margin-top: 10px; padding-top: 6px; }\n"
               "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }\n"
               "QMenuBar::item:selected, QMenu::item:selected { background: %8; color: %9; }\n"
               "QToolTip { background-color: %3; color: %4; border: 1px solid %7; }\n"
               // Number boxes draw their buttons and arrows from the skin, so that the arrows show
               // under dark skins too.
               "QAbstractSpinBox { padding-right: 16px; }\n"
               "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button { subcontrol-origin: border;"
               " width: 16px; background: %5; border-left: 1px solid %7; }\n"
               "QAbstractSpinBox::up-button { subcontrol-position: top right; }\n"
               "QAbstractSpinBox::down-button { subcontrol-position: bottom right; }\n"
               "QAbstractSpinBox::up-button:pressed, QAbstractSpinBox::down-button:pressed { background: %10; }\n"
               "QAbstractSpinBox::up-arrow { image: url(%12); width: 9px; height: 5px; }\n"
               "QAbstractSpinBox::down-arrow { image: url(%13); width: 9px; height: 5px; }\n")
        .arg(c(s.window), c(s.text), c(s.base), c(s.baseText), face, c(s.faceText), c(s.border),
             c(s.highlight), c(s.highlightText))
        .arg(c(s.bottom), disabled, arrowFile(QColor(s.faceText), true), arrowFile(QColor(s.faceText), false));
}

}  // namespace

QStringList skinNames()
{
    QStringList names;
    for (const Skin& s : kSkins)
        names << QLatin1String(s.name);
    return names;
}

QString skinStyleSheet(const QString& name)
{
    const Skin* s = findSkin(name);
    return s ? styleSheet(*s) : QString();
}

bool applySkin(const QString& name)
{
    const Skin* s = findSkin(name);
    if (!s)
        return false;
    qApp->setStyleSheet(styleSheet(*s));
    currentName = name;
    return true;
}

QString currentSkin()
{
    return currentName;
}
