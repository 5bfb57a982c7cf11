// Builders of the controls that windows repeat: a push button with its object name (tests drive
// windows by object name), a name box with the typed key filter, a row of buttons at the right,
// and the layout of a one-field dialog (its labelled box above that row).
#pragma once

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// A push button that Enter does not press unless the window says so.
QPushButton* namedButton(QWidget* parent, const char* objectName, const QString& text);
// A box of at most `maxLength` characters that drops the typed key filter's characters and never
// keeps half of a character that takes two UTF-16 units.
QLineEdit* nameBox(QWidget* parent, const char* objectName, int maxLength);
// A row of buttons pushed to the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
// Lays out a one-field dialog: the label (none when empty) and the box, then the buttons.
void layOutOneField(QWidget* dialog, const QString& label, QLineEdit* box, std::initializer_list<QPushButton*> buttons);
