// Combo boxes filled from a table: the entries of data/combos.h put into a combo box. In the
// coded fillers every entry carries its record code as the coded item (TMyObject) that
// getComboCode and CodeComboBox read; the code "-1" marks the added "all" or action entry.
//
// As in the original program a refill does not count as a choice of the user: no change signal
// is sent while the box is filled, and afterwards no entry is chosen (index -1); the window
// chooses one itself (setCurrentIndex, CodeComboBox::selectCode).
#pragma once

#include "data/combos.h"

class QComboBox;

// The handler combos' item that opens the handler picker instead of naming a handler.
inline constexpr const char16_t* kNewHandlerItem = u"新增经办人.....";

// Replaces every entry of `combo` by `items`, each carrying its code.
void setComboItems(QComboBox* combo, const ComboItems& items);

// Plain combo: an empty entry when blankFlag is "1", then extraItem when given, then the
// text column of every row of "select * from <table> order by <orderBy>".
void fillComboBox(QComboBox* combo, const QString& table, const QString& textColumn, const QString& extraItem,
                  const QString& blankFlag, const QString& orderBy);
// The grid combo: firstItem when given, then the empty entry when blankFlag is "1", then rows.
void fillCxComboBox(QComboBox* combo, const QString& table, const QString& textColumn, const QString& firstItem,
                    const QString& blankFlag, const QString& orderBy);
// firstItem ("-1") when given, then every row's text carrying its code column.
void fillCodeCombo(QComboBox* combo, const QString& table, const QString& textColumn, const QString& firstItem,
                   const QString& orderBy, const QString& codeColumn);
// Rows of "select * from <table> <where> order by <orderBy>", then trailingItem ("-1") when
// both it and the where clause are given.
void fillCodeComboWhere(QComboBox* combo, const QString& table, const QString& textColumn,
                        const QString& trailingItem, const QString& where, const QString& orderBy,
                        const QString& codeColumn);
// firstItem ("-1") when given, then the rows of the filtered statement.
void fillCodeComboWhereFirst(QComboBox* combo, const QString& table, const QString& textColumn,
                             const QString& firstItem, const QString& where, const QString& orderBy,
                             const QString& codeColumn);
// Settlement modes: "按实付款结算" (1), then "余款记入应付帐" (2) for "cg" or "余款记入应收帐"
// (2) for "xs".
void fillJsfsCombo(QComboBox* combo, const QString& kind);
// Every money account in id order (text yh_name, code yh_sn), the first one chosen.
void fillAccountCombo(QComboBox* combo);
// The staff members with a name in id order (text u_name, code u_sn), the first one chosen.
void fillNamedStaffCombo(QComboBox* combo);
