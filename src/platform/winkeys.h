// Windows virtual-key codes, in which the till's function keys are stored (jxc_gnb.gn_jz), and
// the Qt keys that produce them.
#pragma once

#include <QString>
#include <Qt>

class QKeyEvent;

// The code of a key pressed; 0 when the key has none. Keys of the numeric pad are told apart
// by Qt::KeypadModifier (the pad's "-" is 109, the main "-" 189); Shift, Ctrl and Alt do not
// change the code, so Shift+"=" (Qt's Key_Plus) is still 187.
int winKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
int winKeyCode(const QKeyEvent* event);

// The Qt key (with Qt::KeypadModifier for the numeric pad) that produces a code; key is
// Qt::Key_unknown for a code without a key here.
struct QtKeyPress {
    int key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
QtKeyPress qtKeyForWinCode(int code);

// The caption a code is shown with ("F5", "Page Down", "←", "=", "\"); empty for the codes
// that have none (the up and down arrows, letters, digits, Enter, Esc, Tab, ...). Only keys
// with a caption can be given to a till function.
QString winKeyCaption(int code);
