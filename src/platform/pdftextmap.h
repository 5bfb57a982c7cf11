// The text layer of the PDF files the program writes. The CJK fonts draw many ideographs with
// the very glyph of a radical (日 and the radical ⽇ share one glyph), and the PDF writer names
// each glyph after the lowest code point that maps to it, so a PDF of "日期" would read back,
// search and copy as "⽇期". The fix-up renames such glyphs after the ideograph in the file's
// text maps; the drawing is not touched.
#pragma once

#include <QString>

// The ideograph a radical stands for in the report font (its glyph's twin, else its
// compatibility decomposition); the character itself when it is no such radical.
QChar ideographOfRadical(QChar c);
// Rewrites the text maps of a PDF written by QPdfWriter in place. Each code keeps its length,
// so the file's offsets stay valid. False when the file cannot be read or written.
bool fixPdfTextMap(const QString& path);
