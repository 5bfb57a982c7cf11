// Shell open, serial ports, printers, Windows key codes and skins.
#include "platform/devices.h"
#include "platform/shellopen.h"
#include "platform/skins.h"
#include "platform/winkeys.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSerialPortInfo>
#include <gtest/gtest.h>

namespace {

TEST(ShellOpen, OpensAddressesAndFilesThroughTheOpener)
{
    QList<QUrl> opened;
    setShellOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    EXPECT_TRUE(shellOpen(QStringLiteral("http://www.example.com/help")));
    EXPECT_TRUE(shellOpen(QStringLiteral("模板文件/商品信息模板.xls")));
    EXPECT_TRUE(shellOpen(QStringLiteral("/tmp/readme.htm")));
    EXPECT_FALSE(shellOpen(QStringLiteral("  ")));
    setShellOpener(nullptr);

    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened.at(0), QUrl(QStringLiteral("http://www.example.com/help")));
    EXPECT_TRUE(opened.at(1).isLocalFile());
    EXPECT_EQ(opened.at(1).toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("模板文件/商品信息模板.xls")));
    EXPECT_EQ(opened.at(2).toLocalFile(), QStringLiteral("/tmp/readme.htm"));
}

TEST(Devices, SerialPortsOrTheFixedList)
{
    QStringList system;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts())
        system << p.portName();
    system.sort();
    const QStringList names = serialPortNames();
    if (system.isEmpty())
        EXPECT_EQ(names, (QStringList{"COM1", "COM2", "COM3", "COM4"}));
    else
        EXPECT_EQ(names, system);
}

TEST(Devices, PrintersByPosition)
{
    const QStringList system = QPrinterInfo::availablePrinterNames();
    EXPECT_EQ(printerNames(), system);
    EXPECT_EQ(printerAt(-1), QString());
    EXPECT_EQ(printerAt(system.size()), QString());
    EXPECT_EQ(printerPosition(QStringLiteral("no such printer")), -1);
    for (int i = 0; i < system.size(); ++i) {
        EXPECT_EQ(printerAt(i), system.at(i));
        EXPECT_EQ(printerPosition(system.at(i)), i);
    }
}

// The codes and captions of the till's keys, and the keys that produce them.
TEST(WinKeys, CodesCaptionsAndKeys)
{
    struct Case {
        int code;
        const char* caption;
        int key;
        bool keypad;
    };
    const Case cases[] = {
        {33, "Page Up", Qt::Key_PageUp, false},   {34, "Page Down", Qt::Key_PageDown, false},
        {35, "End", Qt::Key_End, false},          {36, "Home", Qt::Key_Home, false},
        {37, "←", Qt::Key_Left, false},           {39, "→", Qt::Key_Right, false},
        {45, "Insert", Qt::Key_Insert, false},    {46, "Delete", Qt::Key_Delete, false},
        {109, "-", Qt::Key_Minus, true},          {111, "/", Qt::Key_Slash, true},
        {112, "F1", Qt::Key_F1, false},           {116, "F5", Qt::Key_F5, false},
        {123, "F12", Qt::Key_F12, false},         {186, ";", Qt::Key_Semicolon, false},
        {187, "=", Qt::Key_Equal, false},         {188, ",", Qt::Key_Comma, false},
        {189, "-", Qt::Key_Minus, false},         {191, "/", Qt::Key_Slash, false},
        {192, "`", Qt::Key_QuoteLeft, false},     {219, "[", Qt::Key_BracketLeft, false},
        {220, "\\", Qt::Key_Backslash, false},    {221, "]", Qt::Key_BracketRight, false},
        {222, "'", Qt::Key_Apostrophe, false},
        // keys without a caption
        {38, "", Qt::Key_Up, false},              {40, "", Qt::Key_Down, false},
        {13, "", Qt::Key_Return, false},          {27, "", Qt::Key_Escape, false},
        {9, "", Qt::Key_Tab, false},              {65, "", Qt::Key_A, false},
        {90, "", Qt::Key_Z, false},               {48, "", Qt::Key_0, false},
        {96, "", Qt::Key_0, true},                {105, "", Qt::Key_9, true},
        {107, "", Qt::Key_Plus, true},            {32, "", Qt::Key_Space, false},
    };
    for (const Case& c : cases) {
        const Qt::KeyboardModifiers mods = c.keypad ? Qt::KeypadModifier : Qt::NoModifier;
        EXPECT_EQ(winKeyCaption(c.code), QString::fromUtf8(c.caption)) << c.code;
        EXPECT_EQ(winKeyCode(c.key, mods), c.code) << c.code;
        const QtKeyPress press = qtKeyForWinCode(c.code);
        EXPECT_EQ(press.key, c.key) << c.code;
        EXPECT_EQ(press.modifiers, mods) << c.code;
    }
    // Shifted characters and modifiers keep the key's code; unknown keys and codes have none.
    EXPECT_EQ(winKeyCode(Qt::Key_Plus), 187);
    EXPECT_EQ(winKeyCode(Qt::Key_Question, Qt::ShiftModifier), 191);
    EXPECT_EQ(winKeyCode(Qt::Key_F5, Qt::ControlModifier), 116);
    EXPECT_EQ(winKeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(winKeyCode(Qt::Key_Home, Qt::KeypadModifier), 36);
    EXPECT_EQ(winKeyCode(Qt::Key_F13), 0);
    EXPECT_EQ(winKeyCode(Qt::Key_Launch0), 0);
    EXPECT_EQ(winKeyCaption(0), QString());
    EXPECT_EQ(winKeyCaption(999), QString());
    EXPECT_EQ(qtKeyForWinCode(7).key, int(Qt::Key_unknown));

    const QKeyEvent event(QEvent::KeyPress, Qt::Key_Minus, Qt::KeypadModifier, QStringLiteral("-"));
    EXPECT_EQ(winKeyCode(&event), 109);
}

// Every code the till stores by default names its key.
TEST(WinKeys, DefaultTillKeys)
{
    const std::pair<int, const char*> defaults[] = {{187, "="},   {118, "F7"},   {114, "F3"},  {191, "/"},
                                                     {46, "Delete"}, {34, "Page Down"}, {113, "F2"}, {117, "F6"},
                                                     {115, "F4"},  {122, "F11"},  {123, "F12"}, {121, "F10"},
                                                     {119, "F8"},  {120, "F9"}};
    for (const auto& [code, caption] : defaults) {
        EXPECT_EQ(winKeyCaption(code), QString::fromUtf8(caption));
        const QtKeyPress press = qtKeyForWinCode(code);
        EXPECT_EQ(winKeyCode(press.key, press.modifiers), code);
    }
}

QStringList g_styleWarnings;

void catchStyleWarnings(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("style"), Qt::CaseInsensitive))
        g_styleWarnings << message;
}

TEST(Skins, NamesSheetsAndApplying)
{
    const QStringList expected = {"Black", "Blue", "Caramel", "Coffee", "DarkRoom", "DarkSide", "Foggy",
                                  "GlassOceans", "iMaginary", "Lilian", "LiquidSky", "LondonLiquidSky",
                                  "McSkin", "MoneyTwins", "Office2007Black", "Office2007Blue",
                                  "Office2007Green", "Office2007Pink", "Office2007Silver", "Office2010Black",
                                  "Office2010Blue", "Office2010Silver", "Pumpkin", "Seven", "Sharp", "Silver",
                                  "SpringTime", "Stardust", "Summer2008"};
    EXPECT_EQ(skinNames(), expected);

    // Every sheet is different and parses: a widget styled with it draws in the skin's colours.
    const QString before = qApp->styleSheet();
    QSet<QString> sheets;
    g_styleWarnings.clear();
    const QtMessageHandler old = qInstallMessageHandler(catchStyleWarnings);
    for (const QString& name : expected) {
        const QString sheet = skinStyleSheet(name);
        EXPECT_FALSE(sheet.isEmpty()) << name.toStdString();
        sheets.insert(sheet);
        ASSERT_TRUE(applySkin(name));
        QWidget w;
        QLineEdit edit(&w);
        QPushButton button(QStringLiteral("确定"), &w);
        w.ensurePolished();
        edit.ensurePolished();
        button.ensurePolished();
        w.grab();
    }
    qInstallMessageHandler(old);
    EXPECT_EQ(sheets.size(), expected.size());
    EXPECT_TRUE(g_styleWarnings.isEmpty()) << g_styleWarnings.join(u'\n').toStdString();

    ASSERT_TRUE(applySkin(QStringLiteral("Blue")));
    EXPECT_EQ(qApp->styleSheet(), skinStyleSheet(QStringLiteral("Blue")));
    EXPECT_EQ(currentSkin(), QStringLiteral("Blue"));
    QWidget w;
    w.ensurePolished();
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0xD6E4F5));

    // A name that is not a skin leaves the look as it was.
    EXPECT_FALSE(applySkin(QStringLiteral("NoSuchSkin")));
    EXPECT_EQ(skinStyleSheet(QStringLiteral("NoSuchSkin")), QString());
    EXPECT_EQ(currentSkin(), QStringLiteral("Blue"));
    EXPECT_EQ(qApp->styleSheet(), skinStyleSheet(QStringLiteral("Blue")));

    qApp->setStyleSheet(before);
}

}  // namespace
