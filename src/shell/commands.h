// The main window's command table: every picture button, panel picture and menu item, the
// right it checks, the window it opens and the caption it gives that window. The table is the
// system's map of functions to rights; the role editor writes the rights strings whose
// positions it indexes.
#pragma once

#include "platform/form.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

struct CommandEntry {
    const char* control;      // object name of the button, picture or menu item
    const char* group;        // "TopBar", a group panel "RzPanel_MenuN" or the menu "PopupMenu_Pos"
    const char* name;         // the function's name: shown on the button and in the refusal
    const char* picture;      // glyph of the button's picture (icons.h); nullptr for menu items
    const char* menuText;     // text of a menu item; nullptr for buttons and pictures
    const char* rightColumn;  // rights column of jxc_role, nullptr when the command opens unchecked
    int rightPosition;        // position in that column, counted from 1
    const char* window;       // window opened; "" when the main window handles the command itself
    const char* caption;      // title set on the window before it opens, nullptr for none
    const char* sameAs;       // the control whose command this one runs, nullptr for its own
};

// Every entry, in the order of the panels and, within each, of the controls.
const QVector<CommandEntry>& commandTable();
// The entry of a control, nullptr when there is none.
const CommandEntry* findCommand(const QString& control);
// The entry whose command a control runs: the control's own or, for a same-as entry, the
// entry it names.
const CommandEntry* resolveCommand(const QString& control);

// The refusal shown when the role lacks the right: "您没有权限进行" + name + "！".
QString refusalText(const QString& name);
// The notice of a command whose window is not part of this version.
QString notAvailableText(const QString& name);

// ---- Windows opened by commands ------------------------------------------------------------
// How a command opens its window: create it on first use (kept in its global), set the title
// when a caption is given, and show it modally. Each subsystem registers its windows at
// start-up; a window nobody registered is not part of this version.
using WindowOpener = std::function<void(const QString& caption)>;
void registerWindow(const QString& windowClass, WindowOpener opener);
// The usual opener: the window kept in `global`, created on first use, titled with the caption
// when one is given, shown modally.
template <class T>
void registerForm(const QString& windowClass, T*& global)
{
    registerWindow(windowClass, [&global](const QString& caption) {
        T* form = ensureForm(global);
        if (!caption.isEmpty())
            form->setWindowTitle(caption);
        form->showModalForm();
    });
}
void unregisterWindow(const QString& windowClass);
bool windowAvailable(const QString& windowClass);
// Every window class registered, sorted (tests restore the registry with it).
QStringList registeredWindows();
// Opens a window by its class name. A window that is not available shows notAvailableText of
// `name` in an information box. Returns true when the window was opened.
bool openWindow(const QString& windowClass, const QString& caption, const QString& name);

// Runs the command of an entry (the same-as entries already resolved): the rights check with
// its refusal, then the window. Commands handled by the main window itself are not run here.
// Returns false when the right was refused.
bool runWindowCommand(const CommandEntry& entry);
