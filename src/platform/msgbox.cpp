#include "platform/msgbox.h"

#include "data/database.h"

#include <QAbstractButton>
#include <QDir>
#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtDebug>
#include <deque>
#include <sqlite3.h>

namespace {

const QString kInfoTitle = QStringLiteral("系统提示");
const QString kAskTitle = QStringLiteral("信息提醒");

struct ScriptState {
    std::deque<MsgAnswer> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    QList<MsgRecord> shown;
    std::function<void(const MsgRecord&)> observer;
};

ScriptState& script()
{
    static ScriptState s;
    return s;
}

QWidget* boxParent(QWidget* parent)
{
    return parent ? parent : QApplication::activeWindow();
}

MsgRecord& record(MsgKind kind, const QString& title, const QString& text)
{
    MsgRecord r;
    r.kind = kind;
    r.title = title;
    r.text = text;
    script().shown.append(r);
    return script().shown.last();
}

void observe(const MsgRecord& r)
{
    if (script().observer)
        script().observer(r);
}

bool hasChinese(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x3000 && c.unicode() < 0xA000)
            return true;
    return false;
}

// One box: from the queue when an answer is waiting (questions), recorded without showing
// on a headless platform, shown for real otherwise.
MsgAnswer runBox(MsgKind kind, QMessageBox::Icon icon, const QString& title, const QString& text,
                 QWidget* parent)
{
    const bool question = kind == MsgKind::YesNo || kind == MsgKind::YesNoCancel;
    if (question && !script().answers.empty()) {
        MsgAnswer a = script().answers.front();
        script().answers.pop_front();
        if (kind == MsgKind::YesNo && a == MsgAnswer::Cancel)
            a = MsgAnswer::No;
        MsgRecord& r = record(kind, title, text);
        r.answer = a;
        r.scripted = true;
        observe(r);
        return a;
    }
    if (isHeadless()) {
        MsgRecord& r = record(kind, title, text);
        r.answer = kind == MsgKind::YesNo ? MsgAnswer::No
                   : kind == MsgKind::YesNoCancel ? MsgAnswer::Cancel
                                                  : MsgAnswer::Ok;
        if (question)
            qWarning("unscripted question box answered %s: %s",
                     r.answer == MsgAnswer::No ? "No" : "Cancel", qUtf8Printable(text));
        observe(r);
        return r.answer;
    }

    QMessageBox box(icon, title, text, QMessageBox::NoButton, boxParent(parent));
    box.setObjectName(QStringLiteral("msgBox"));
    auto addButton = [&box](const QString& caption, QMessageBox::ButtonRole role) {
        return box.addButton(caption, role);
    };
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    QAbstractButton* cancel = nullptr;
    if (question) {
        yes = addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        no = addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        if (kind == MsgKind::YesNoCancel)
            cancel = addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(yes));
        box.setEscapeButton(cancel ? cancel : no);
    } else {
        addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    }
    // The text can be selected and copied (an address, a file name, the database's words).
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    MsgAnswer a = MsgAnswer::Ok;
    if (question)
        a = clicked == yes ? MsgAnswer::Yes
            : (clicked == no || !cancel) ? MsgAnswer::No
                                         : MsgAnswer::Cancel;
    MsgRecord& r = record(kind, title, text);
    r.answer = a;
    observe(r);
    return a;
}

QString runFileDialog(MsgKind kind, const QString& filter, const QString& fileName, QWidget* parent)
{
    std::deque<QString>& queue = kind == MsgKind::OpenFile ? script().openNames : script().saveNames;
    QString result;
    bool scripted = false;
    if (!queue.empty()) {
        result = queue.front();
        queue.pop_front();
        scripted = true;
    } else if (!isHeadless()) {
        const QString qtFilter = qtFileFilter(filter);
        result = kind == MsgKind::OpenFile
                     ? QFileDialog::getOpenFileName(boxParent(parent), QString(), fileName, qtFilter)
                     : QFileDialog::getSaveFileName(boxParent(parent), QString(), fileName, qtFilter);
    }
    MsgRecord& r = record(kind, QString(), filter);
    r.fileName = result;
    r.answer = result.isEmpty() ? MsgAnswer::Cancel : MsgAnswer::Ok;
    r.scripted = scripted;
    observe(r);
    return result;
}

}  // namespace

bool isHeadless()
{
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

void msgInfo(const QString& text, QWidget* parent)
{
    runBox(MsgKind::Info, QMessageBox::Information, kInfoTitle, text, parent);
}

bool msgYesNo(const QString& text, QWidget* parent)
{
    return runBox(MsgKind::YesNo, QMessageBox::Information, kAskTitle, text, parent) == MsgAnswer::Yes;
}

MsgAnswer msgYesNoCancel(const QString& text, QWidget* parent)
{
    return runBox(MsgKind::YesNoCancel, QMessageBox::Question, kAskTitle, text, parent);
}

void msgDbError(const QString& text, QWidget* parent)
{
    runBox(MsgKind::Error, QMessageBox::Critical, kInfoTitle, text, parent);
}

QString openFileDialog(const QString& filter, const QString& fileName, QWidget* parent)
{
    return runFileDialog(MsgKind::OpenFile, filter, fileName, parent);
}

QString saveFileDialog(const QString& filter, const QString& fileName, QWidget* parent)
{
    return runFileDialog(MsgKind::SaveFile, filter, fileName, parent);
}

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts.at(i).trimmed();
        QString patterns = parts.at(i + 1).trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (desc.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
            out << desc;
        else
            out << (desc.isEmpty() ? QString() : desc + QLatin1Char(' ')) + QLatin1Char('(') + patterns
                           + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString dbErrorText(const DbError& error)
{
    const QString words = error.message();
    if (error.code() == 0)
        return words;
    const QString file = QDir::toNativeSeparators(error.file());
    QString what;
    switch (error.code() & 0xff) {
    case SQLITE_READONLY:
        what = QStringLiteral("数据库文件“%1”不能写入，操作没有完成。");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        what = QStringLiteral("数据库文件“%1”正被另一个程序使用，操作没有完成，请稍后再试。");
        break;
    case SQLITE_FULL:
        what = QStringLiteral("磁盘已满，数据库文件“%1”无法写入，操作没有完成。");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        what = QStringLiteral("数据库文件“%1”已损坏，操作没有完成；请关闭程序，用最近的备份替换这个文件。");
        break;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        what = QStringLiteral("读写数据库文件“%1”时出错，操作没有完成。");
        break;
    case SQLITE_CONSTRAINT:
        what = QStringLiteral("要保存的数据与数据库“%1”中已有的数据冲突，操作没有完成。");
        break;
    default: {
        const QString verb = error.sql().trimmed().section(QLatin1Char(' '), 0, 0).toLower();
        what = verb == QLatin1String("select") || verb == QLatin1String("pragma")
                   ? QStringLiteral("从数据库“%1”读取数据时出错，操作没有完成。")
                   : QStringLiteral("向数据库“%1”写入数据时出错，操作没有完成。");
    }
    }
    return what.arg(file) + QStringLiteral("\n\n数据库的提示：") + words;
}

bool runGuarded(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DbError& e) {
        msgDbError(dbErrorText(e));
    } catch (const std::exception& e) {
        const QString words = QString::fromUtf8(e.what());
        msgDbError(hasChinese(words) ? words : QStringLiteral("操作没有完成。\n\n详细信息：") + words);
    }
    return false;
}

void setMsgObserver(std::function<void(const MsgRecord&)> observer)
{
    script().observer = std::move(observer);
}

void onClicked(QAbstractButton* button, std::function<void()> handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [handler = std::move(handler)] { runGuarded(handler); });
}

void MsgScript::answer(MsgAnswer answer)
{
    script().answers.push_back(answer);
}

void MsgScript::openFile(const QString& path)
{
    script().openNames.push_back(path);
}

void MsgScript::saveFile(const QString& path)
{
    script().saveNames.push_back(path);
}

const QList<MsgRecord>& MsgScript::shown()
{
    return script().shown;
}

MsgRecord MsgScript::last()
{
    return script().shown.isEmpty() ? MsgRecord() : script().shown.last();
}

QStringList MsgScript::texts()
{
    QStringList out;
    for (const MsgRecord& r : std::as_const(script().shown))
        if (r.kind != MsgKind::OpenFile && r.kind != MsgKind::SaveFile)
            out << r.text;
    return out;
}

int MsgScript::pending()
{
    return int(script().answers.size() + script().openNames.size() + script().saveNames.size());
}

void MsgScript::reset()
{
    auto observer = std::move(script().observer);
    script() = ScriptState();
    script().observer = std::move(observer);
}
