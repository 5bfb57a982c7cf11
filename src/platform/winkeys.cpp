#include "platform/winkeys.h"

#include "data/summaries.h"

#include <QKeyEvent>

namespace {

struct KeyRow {
    int code;
    int key;
    bool keypad;
};

// The first row of a code is the key it maps back to; later rows are further keys with that
// code (the shifted character of the same key, the pad's Enter, ...).
constexpr KeyRow kKeys[] = {
    {8, Qt::Key_Backspace, false},
    {9, Qt::Key_Tab, false},
    {9, Qt::Key_Backtab, false},
    {13, Qt::Key_Return, false},
    {13, Qt::Key_Enter, true},
    {16, Qt::Key_Shift, false},
    {17, Qt::Key_Control, false},
    {18, Qt::Key_Alt, false},
    {19, Qt::Key_Pause, false},
    {20, Qt::Key_CapsLock, false},
    {27, Qt::Key_Escape, false},
    {32, Qt::Key_Space, false},
    {33, Qt::Key_PageUp, false},
    {34, Qt::Key_PageDown, false},
    {35, Qt::Key_End, false},
    {36, Qt::Key_Home, false},
    {37, Qt::Key_Left, false},
    {38, Qt::Key_Up, false},
    {39, Qt::Key_Right, false},
    {40, Qt::Key_Down, false},
    {44, Qt::Key_Print, false},
    {45, Qt::Key_Insert, false},
    {46, Qt::Key_Delete, false},
    {106, Qt::Key_Asterisk, true},
    {107, Qt::Key_Plus, true},
    {109, Qt::Key_Minus, true},
    {110, Qt::Key_Period, true},
    {110, Qt::Key_Comma, true},
    {111, Qt::Key_Slash, true},
    {144, Qt::Key_NumLock, false},
    {145, Qt::Key_ScrollLock, false},
    {186, Qt::Key_Semicolon, false},
    {186, Qt::Key_Colon, false},
    {187, Qt::Key_Equal, false},
    {187, Qt::Key_Plus, false},
    {188, Qt::Key_Comma, false},
    {188, Qt::Key_Less, false},
    {189, Qt::Key_Minus, false},
    {189, Qt::Key_Underscore, false},
    {190, Qt::Key_Period, false},
    {190, Qt::Key_Greater, false},
    {191, Qt::Key_Slash, false},
    {191, Qt::Key_Question, false},
    {192, Qt::Key_QuoteLeft, false},
    {192, Qt::Key_AsciiTilde, false},
    {219, Qt::Key_BracketLeft, false},
    {219, Qt::Key_BraceLeft, false},
    {220, Qt::Key_Backslash, false},
    {220, Qt::Key_Bar, false},
    {221, Qt::Key_BracketRight, false},
    {221, Qt::Key_BraceRight, false},
    {222, Qt::Key_Apostrophe, false},
    {222, Qt::Key_QuoteDbl, false},
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
    return getKeyName(code);
}
