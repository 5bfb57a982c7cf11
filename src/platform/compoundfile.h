// OLE2 compound document (the container of Excel 97 workbooks) holding one stream.
#pragma once

#include <QByteArray>
#include <QString>

// Builds a version-3 compound file (512-byte sectors) whose root holds the stream `name`.
// Streams shorter than 4096 bytes are padded with zeros to 4096, so that every stream lives
// in regular sectors and no mini stream is needed; large files get as many FAT sectors as
// they need, listed through DIFAT sectors beyond the 109 that the header holds.
QByteArray buildCompoundFile(const QString& name, QByteArray stream);
