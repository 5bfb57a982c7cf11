#include "platform/shellopen.h"

#include "platform/msgbox.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
ShellOpener g_opener;
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
    return g_opener ? g_opener(url) : QDesktopServices::openUrl(url);
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
