#include "platform/shellopen.h"

#include "platform/msgbox.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

ShellOpener g_opener;

bool desktopOpen(const QUrl& url)
{
    if (isHeadless())
        return false;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return tool.isEmpty() ? QDesktopServices::openUrl(url) : openWithTool(tool, url);
}

}  // namespace

bool openWithTool(const QString& tool, const QUrl& url, int waitMs)
{
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(tool, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    if (!process->waitForStarted(3000)) {
        delete process;
        return false;
    }
    if (process->waitForFinished(waitMs)) {
        const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return ok;
    }
    // Still running: it runs the program it started. It is left to end by itself (never killed,
    // even when this program ends first).
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

bool shellOpen(const QString& target)
{
    // A scheme of two letters or more ("C:" would be a drive of the old paths, not a scheme).
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (target.trimmed().isEmpty())
        return false;
    const QUrl url = scheme.match(target).hasMatch() ? QUrl(target)
                                                     : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    if (!url.isValid())
        return false;
    return g_opener ? g_opener(url) : desktopOpen(url);
}

void setShellOpener(ShellOpener opener)
{
    g_opener = std::move(opener);
}

QString shellOpenFailedText(const QString& target)
{
    return QStringLiteral("无法打开“%1”：这台电脑上没有找到可以打开它的浏览器或程序。\n\n"
                          "请复制这个地址，在浏览器中打开：\n%1")
        .arg(target);
}

bool shellOpenOrSay(const QString& target, QWidget* parent)
{
    if (shellOpen(target))
        return true;
    msgInfo(shellOpenFailedText(target), parent);
    return false;
}
