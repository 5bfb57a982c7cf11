#include "platform/shellopen.h"

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
