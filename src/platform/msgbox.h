// Message boxes, file dialogs and the guard that turns a failed action into the standard
// error box.
//
// Every box of the program goes through these helpers: information and refusals titled
// "系统提示", yes/no questions and the yes/no/cancel close prompt titled "信息提醒", and the
// standard error box that shows a database's text. Tests answer them through MsgScript:
// the next answers and file names are queued in advance and every box is recorded. On a
// headless platform (offscreen, minimal) no box is ever shown: information boxes are
// recorded and answered "OK", questions take the next queued answer (or "No"/"Cancel" with a
// warning when none is queued), file dialogs the next queued name (or none).
#pragma once

#include <QList>
#include <QStringList>
#include <QString>
#include <functional>

class QWidget;
class QAbstractButton;

enum class MsgAnswer { Ok, Yes, No, Cancel };

enum class MsgKind { Info, YesNo, YesNoCancel, Error, OpenFile, SaveFile };

// Information or refusal, "系统提示", information icon, one "确定" button.
void msgInfo(const QString& text, QWidget* parent = nullptr);
// Question, "信息提醒", buttons "是"/"否"; true for yes.
bool msgYesNo(const QString& text, QWidget* parent = nullptr);
// The close prompt, "信息提醒", buttons "是"/"否"/"取消".
MsgAnswer msgYesNoCancel(const QString& text, QWidget* parent = nullptr);
// The standard error box: the database's (or the failing action's) text, "系统提示", error icon.
void msgDbError(const QString& text, QWidget* parent = nullptr);

// File dialogs. `filter` is written as the program writes it: "(*.xls)|*.xls" (description and
// pattern pairs separated by "|"). An empty result means the user cancelled.
QString openFileDialog(const QString& filter, const QString& fileName = QString(),
                       QWidget* parent = nullptr);
QString saveFileDialog(const QString& filter, const QString& fileName = QString(),
                       QWidget* parent = nullptr);
// "(*.xls)|*.xls|全部文件|*.*" -> "(*.xls);;全部文件 (*.*)" for Qt's dialogs.
QString qtFileFilter(const QString& filter);

// The text of the standard error box for a failure: a Chinese sentence saying what failed and on
// which database file, then the database's own words as the detail. A message of the program's
// own (an error SQLite did not report: already a Chinese sentence) stands as it is.
class DbError;
QString dbErrorText(const DbError& error);

// Runs one action of a window. A DbError (or any other std::exception) stops the action and
// is shown in the standard error box (dbErrorText); the program goes on. Transactions opened inside the
// action roll back as the exception leaves their scope. Returns true when the action ended
// normally.
bool runGuarded(const std::function<void()>& action);
// Connects a button's click to a guarded handler.
void onClicked(QAbstractButton* button, std::function<void()> handler);

// True on a platform where nobody can answer a box (offscreen, minimal).
bool isHeadless();

// What a box showed and how it was answered.
struct MsgRecord {
    MsgKind kind = MsgKind::Info;
    QString title;
    QString text;        // for file dialogs: the filter
    MsgAnswer answer = MsgAnswer::Ok;
    QString fileName;    // file dialogs: the name returned ("" = cancelled)
    bool scripted = false;  // the answer came from the queue
};

// Called with every box and dialog as it is recorded. The program, run on a headless platform,
// writes them to its error output so that nothing it says is lost. Empty: none.
void setMsgObserver(std::function<void(const MsgRecord&)> observer);

// Scripted answers for tests.
class MsgScript {
public:
    // The answer of the next question box (yes/no or yes/no/cancel); answers queue up in order.
    static void answer(MsgAnswer answer);
    // The name the next open (save) dialog returns; "" answers as a cancelled dialog.
    static void openFile(const QString& path);
    static void saveFile(const QString& path);
    // Every box and dialog since the last reset(), in order.
    static const QList<MsgRecord>& shown();
    // The last one (a default record when none was shown).
    static MsgRecord last();
    // Texts of every box shown since the last reset (file dialogs left out).
    static QStringList texts();
    // Answers and file names still queued.
    static int pending();
    // Clears the queues and the record.
    static void reset();
};
