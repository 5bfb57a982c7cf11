// Rich text of the notepad ("note.rtf"): the part of RTF it uses — bold, italic, underline,
// font, size and colour of the text, paragraphs — to and from a QTextDocument.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The document as RTF. Text outside ASCII is written as \uN escapes (with "?" for readers that
// do not know them), so Chinese text needs no code page.
QByteArray documentToRtf(const QTextDocument* doc);

// Replaces the document's content with the text of `rtf`. Besides \uN, bytes in the file's code
// page (\ansicpg, \fcharset; \'hh escapes) are read, such as the GBK text that Windows editors
// write. Groups the notepad does not use (pictures, style sheets, document information, ...)
// are passed over, and damaged input reads as far as it makes sense, never further. Data that
// does not start as RTF is taken as plain UTF-8 text and gives false.
bool rtfToDocument(const QByteArray& rtf, QTextDocument* doc);

// The same for files: false when the file cannot be read or written (or is not RTF).
bool loadRtfFile(const QString& path, QTextDocument* doc);
bool saveRtfFile(const QString& path, const QTextDocument* doc);
