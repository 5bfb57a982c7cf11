// The program's pictures, drawn by the program itself: the picture buttons of the main window,
// the group buttons, the large panel pictures and the pictures of the small windows.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// A picture of `size` × `size` pixels: a rounded tile in `tint` carrying the glyph `name`
// (see icons.cpp for the names; an unknown name draws a plain tile).
QPixmap shellPicture(const QString& name, int size, const QColor& tint);
QIcon shellIcon(const QString& name, const QColor& tint);

// The large picture in the middle of a group panel: a warehouse with stacked boxes.
QPixmap warehousePicture(int width, int height, const QColor& tint);

// The picture on the left of the login window and on the lock window: a shoe-shop emblem.
QPixmap emblemPicture(int width, int height);
