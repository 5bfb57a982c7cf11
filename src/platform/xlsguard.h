// A look at a workbook's shared strings before FreeXL reads it.
//
// FreeXL 1.0 reads a shared string that is split between records as if its remainder always
// fitted into the next record. A text of more than about 8,000 bytes (some 4,000 Chinese
// characters in one cell) makes it read past its record buffer and then misread every later
// string. This check walks the string table the way FreeXL does and tells whether it can be
// read safely.
#pragma once

#include <QByteArray>

// The "Workbook" (or older "Book") stream of an OLE2 compound file held in `file`; empty when
// the file is not a compound file, the stream is missing, or it lives in the mini stream.
QByteArray workbookStream(const QByteArray& file);

// True when FreeXL would read past a record while reading the string table of `stream`.
bool sharedStringsOverrunFreeXl(const QByteArray& stream);
