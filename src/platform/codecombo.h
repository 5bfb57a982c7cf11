// A combo box whose entries carry the code of the record they show (the coded item
// `TMyObject`, its code in `comboS`). The code "-1" marks an entry that is not a record:
// an "all" entry ("所有仓库") or an action entry ("新增经办人.....").
#pragma once

#include <QComboBox>
#include <QMetaType>
#include <QString>

struct TMyObject {
    QString comboS;
};
Q_DECLARE_METATYPE(TMyObject)

class CodeComboBox : public QComboBox {
    Q_OBJECT
public:
    static inline const QString AllCode = QStringLiteral("-1");

    explicit CodeComboBox(QWidget* parent = nullptr);

    using QComboBox::addItem;
    // Adds an entry showing `text` and carrying `code`.
    void addItem(const QString& text, const QString& code);
    void insertItem(int index, const QString& text, const QString& code);

    // The code of an entry. An index outside the list (-1: nothing chosen) throws
    // std::out_of_range with the list-index message, which the guard of the window's handler
    // shows in the standard error box.
    QString codeAt(int index) const;
    QString currentCode() const { return codeAt(currentIndex()); }
    // The code of the chosen entry, or "" when nothing is chosen.
    QString currentCodeOrEmpty() const;
    // True when the chosen entry is the "-1" entry.
    bool currentIsAll() const;

    // Index of the first entry carrying `code`; -1 when none does.
    int indexOfCode(const QString& code) const;
    // Chooses the first entry carrying `code`; false (selection unchanged) when none does.
    bool selectCode(const QString& code);
    // Chooses the first entry showing `text`; false when none does.
    bool selectText(const QString& text);
};

// The code of entry `index` of a coded combo box (see CodeComboBox::codeAt).
QString getComboCode(const QComboBox* combo, int index);
