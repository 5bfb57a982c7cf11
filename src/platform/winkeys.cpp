#include "platform/winkeys.h"

#include <QKeyEvent>

namespace {

struct KeyRow {
    int code;
    int key;
    bool keypad;
    const char16_t* caption;  // nullptr: no caption
};

// The first row of a code is the key it maps back to; later rows are further keys with that
// code (the shifted character of the same key, the pad's Enter, ...).
constexpr KeyRow kKeys[] = {
    {8, Qt::Key_Backspace, false, nullptr},
    {9, Qt::Key_Tab, false, nullptr},
    {9, Qt::Key_Backtab, false, nullptr},
    {13, Qt::Key_Return, false, nullptr},
    {13, Qt::Key_Enter, true, nullptr},
    {16, Qt::Key_Shift, false, nullptr},
    {17, Qt::Key_Control, false, nullptr},
    {18, Qt::Key_Alt, false, nullptr},
    {19, Qt::Key_Pause, false, nullptr},
    {20, Qt::Key_CapsLock, false, nullptr},
    {27, Qt::Key_Escape, false, nullptr},
    {32, Qt::Key_Space, false, nullptr},
    {33, Qt::Key_PageUp, false, u"Page Up"},
    {34, Qt::Key_PageDown, false, u"Page Down"},
    {35, Qt::Key_End, false, u"End"},
    {36, Qt::Key_Home, false, u"Home"},
    {37, Qt::Key_Left, false, u"←"},
    {38, Qt::Key_Up, false, nullptr},
    {39, Qt::Key_Right, false, u"→"},
    {40, Qt::Key_Down, false, nullptr},
    {44, Qt::Key_Print, false, nullptr},
    {45, Qt::Key_Insert, false, u"Insert"},
    {46, Qt::Key_Delete, false, u"Delete"},
    {106, Qt::Key_Asterisk, true, nullptr},
    {107, Qt::Key_Plus, true, nullptr},
    {109, Qt::Key_Minus, true, u"-"},
    {110, Qt::Key_Period, true, nullptr},
    {110, Qt::Key_Comma, true, nullptr},
    {111, Qt::Key_Slash, true, u"/"},
    {144, Qt::Key_NumLock, false, nullptr},
    {145, Qt::Key_ScrollLock, false, nullptr},
    {186, Qt::Key_Semicolon, false, u";"},
    {186, Qt::Key_Colon, false, nullptr},
    {187, Qt::Key_Equal, false, u"="},
    {187, Qt::Key_Plus, false, nullptr},
    {188, Qt::Key_Comma, false, u","},
    {188, Qt::Key_Less, false, nullptr},
    {189, Qt::Key_Minus, false, u"-"},
    {189, Qt::Key_Underscore, false, nullptr},
    {190, Qt::Key_Period, false, nullptr},
    {190, Qt::Key_Greater, false, nullptr},
    {191, Qt::Key_Slash, false, u"/"},
    {191, Qt::Key_Question, false, nullptr},
    {192, Qt::Key_QuoteLeft, false, u"`"},
    {192, Qt::Key_AsciiTilde, false, nullptr},
    {219, Qt::Key_BracketLeft, false, u"["},
    {219, Qt::Key_BraceLeft, false, nullptr},
    {220, Qt::Key_Backslash, false, u"\\"},
    {220, Qt::Key_Bar, false, nullptr},
    {221, Qt::Key_BracketRight, false, u"]"},
    {221, Qt::Key_BraceRight, false, nullptr},
    {222, Qt::Key_Apostrophe, false, u"'"},
    {222, Qt::Key_QuoteDbl, false, nullptr},
};

}  // namespace

int winKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? 96 + (qtKey - Qt::Key_0) : qtKey;  // the pad's digits are 96..105
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;  // Qt's letters have the Windows codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    // A row for the pad first; a pad key without one (Home, End, arrows with NumLock off) is
    // the same key as on the main block.
    for (const KeyRow& row : kKeys)
        if (row.key == qtKey && row.keypad == keypad)
            return row.code;
    for (const KeyRow& row : kKeys)
        if (row.key == qtKey)
            return row.code;
    return 0;
}

int winKeyCode(const QKeyEvent* event)
{
    return winKeyCode(event->key(), event->modifiers());
}

QtKeyPress qtKeyForWinCode(int code)
{
    if (code >= '0' && code <= '9')
        return {code, Qt::NoModifier};
    if (code >= 96 && code <= 105)
        return {Qt::Key_0 + (code - 96), Qt::KeypadModifier};
    if (code >= 'A' && code <= 'Z')
        return {code, Qt::NoModifier};
    if (code >= 112 && code <= 123)
        return {Qt::Key_F1 + (code - 112), Qt::NoModifier};
    for (const KeyRow& row : kKeys)
        if (row.code == code)
            return {row.key, row.keypad ? Qt::KeypadModifier : Qt::NoModifier};
    return {};
}

QString winKeyCaption(int code)
{
    if (code >= 112 && code <= 123)
        return QStringLiteral("F%1").arg(code - 111);
    for (const KeyRow& row : kKeys)
        if (row.code == code && row.caption)
            return QString::fromUtf16(row.caption);
    return QString();
}
