#include "platform/combofill.h"

#include "platform/codecombo.h"

#include <QSignalBlocker>

void setComboItems(QComboBox* combo, const ComboItems& items)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const ComboItem& item : items)
        combo->addItem(item.text, QVariant::fromValue(TMyObject{item.code}));
    combo->setCurrentIndex(-1);
}

void fillComboBox(QComboBox* combo, const QString& table, const QString& textColumn, const QString& extraItem,
                  const QString& blankFlag, const QString& orderBy)
{
    setComboItems(combo, comboBoxItems(table, textColumn, extraItem, blankFlag, orderBy));
}

void fillCxComboBox(QComboBox* combo, const QString& table, const QString& textColumn, const QString& firstItem,
                    const QString& blankFlag, const QString& orderBy)
{
    setComboItems(combo, cxComboBoxItems(table, textColumn, firstItem, blankFlag, orderBy));
}

void fillCodeCombo(QComboBox* combo, const QString& table, const QString& textColumn, const QString& firstItem,
                   const QString& orderBy, const QString& codeColumn)
{
    setComboItems(combo, codeComboItems(table, textColumn, firstItem, orderBy, codeColumn));
}

void fillCodeComboWhere(QComboBox* combo, const QString& table, const QString& textColumn,
                        const QString& trailingItem, const QString& where, const QString& orderBy,
                        const QString& codeColumn)
{
    setComboItems(combo, codeComboWhereItems(table, textColumn, trailingItem, where, orderBy, codeColumn));
}

void fillCodeComboWhereFirst(QComboBox* combo, const QString& table, const QString& textColumn,
                             const QString& firstItem, const QString& where, const QString& orderBy,
                             const QString& codeColumn)
{
    setComboItems(combo, codeComboWhereFirstItems(table, textColumn, firstItem, where, orderBy, codeColumn));
}

void fillJsfsCombo(QComboBox* combo, const QString& kind)
{
    setComboItems(combo, jsfsComboItems(kind));
}

void fillAccountCombo(QComboBox* combo)
{
    fillCodeCombo(combo, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("yh_sn"));
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void fillNamedStaffCombo(QComboBox* combo)
{
    fillCodeComboWhere(combo, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString(),
                       QStringLiteral("where u_name<>''"), QStringLiteral("id"), QStringLiteral("u_sn"));
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}
