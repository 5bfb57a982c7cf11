// Skins: the look of every window, chosen by name (jxc_skin.skin_name) and applied as an
// application style sheet.
#pragma once

#include <QString>
#include <QStringList>

// The skin names the chooser offers, in its order ("Black" ... "Summer2008").
QStringList skinNames();
// The style sheet of a skin; "" for a name that is not a skin.
QString skinStyleSheet(const QString& name);
// Applies a skin to the whole application. A name that is not a skin changes nothing and
// gives false.
bool applySkin(const QString& name);
// The skin applied last; "" before any.
QString currentSkin();
