#include "platform/msgbox.h"

#include "data/database.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtDebug>
#include <deque>

namespace {

const QString kInfoTitle = QStringLiteral("系统提示");
const QString kAskTitle = QStringLiteral("信息提醒");

struct ScriptState {
    std::deque<MsgAnswer> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    QList<MsgRecord> shown;
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
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    MsgAnswer a = MsgAnswer::Ok;
    if (question)
        a = clicked == yes ? MsgAnswer::Yes
            : (clicked == no || !cancel) ? MsgAnswer::No
                                         : MsgAnswer::Cancel;
    record(kind, title, text).answer = a;
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

bool runGuarded(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DbError& e) {
        msgDbError(e.message());
    } catch (const std::exception& e) {
        msgDbError(QString::fromUtf8(e.what()));
    }
    return false;
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
    script() = ScriptState();
}
