// Opening a file or a web address with the desktop's program for it: the spreadsheet program
// for an ".xls" template, the browser for the support address or "readme.htm".
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// A text with a scheme ("http://...", "mailto:...", "file:...") is opened as an address, any
// other text as a path (relative to the working folder). False when nothing could open it: on a
// desktop the answer of xdg-open counts (QDesktopServices reports success as soon as xdg-open
// starts, even when it then finds no browser); without a screen nothing opens.
bool shellOpen(const QString& target);
// shellOpen, and when nothing could open the target, a box saying so with the address (or path)
// for the user to copy. Returns whether it was opened.
bool shellOpenOrSay(const QString& target, QWidget* parent = nullptr);
// The text of that box.
QString shellOpenFailedText(const QString& target);

// Opens `url` with the desktop's opener program `tool` (xdg-open) and reports its answer: false
// when it cannot start or ends at once with a failure (no browser, no program for the file); true
// when it ends well, or still runs after a moment (it waits for the program it started).
bool openWithTool(const QString& tool, const QUrl& url, int waitMs = 1500);

// Replaces the desktop's opener (QDesktopServices::openUrl); tests record what is opened.
// An empty opener restores the desktop's.
using ShellOpener = std::function<bool(const QUrl& url)>;
void setShellOpener(ShellOpener opener);
