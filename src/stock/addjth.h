// Adding a goods to the purchase or return reference list from any list window: a goods not yet
// on that list opens the quantity dialog to add it; a goods already there asks whether to change
// its quantity.
#pragma once

#include <QString>

class QWidget;

// `word` is "jadd" (purchase reference) or "tadd" (return reference); `question` is the caller's
// text of the question asked when the goods is already on that list.
void addJth(const QString& gSn, const QString& word, const QString& question, QWidget* parent);
