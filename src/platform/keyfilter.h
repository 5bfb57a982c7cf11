// The typed key filter of search, code and name boxes: the box drops, as they are typed, the
// characters " ! # $ % & ' ( ) + , - . / ? and @ (codes 33 to 47 except the asterisk, then the
// question mark and the at sign). Text set by the program or pasted is left as it is, so what a
// box holds still goes through the safe-text routines before it reaches SQL.
#pragma once

#include <QString>

class QLineEdit;
class QComboBox;

// True for a character the key filter drops.
bool isFilteredKey(QChar c);
// The text less every character the key filter drops.
QString keyFiltered(const QString& text);
// Filters what the user types into the box (for a combo box: into its edit field).
void installKeyFilter(QLineEdit* edit);
void installKeyFilter(QComboBox* combo);
