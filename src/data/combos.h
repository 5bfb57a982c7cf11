// Coded combo items and default records.
//
// A coded combo entry shows a name and carries its record's code; the code "-1" marks an entry
// that is not a record ("所有仓库", "新增经办人....."). This layer builds the entries from the
// database as plain lists; the data layer knows no widgets, so the fillers that take a combo box
// (fillCodeCombo, fillCodeComboWhere, ... with the same arguments) live in the window kit
// (platform/combofill.h) and fill the box from these lists.
#pragma once

#include <QString>
#include <QVector>

class NamedQuery;

struct ComboItem {
    QString text;
    QString code;  // the record code, "-1" for an extra entry, "" in a plain combo
    bool operator==(const ComboItem&) const = default;
};
using ComboItems = QVector<ComboItem>;

// ---- Entries --------------------------------------------------------------------------------
// Rows come from "select * from <table> [<where>] order by <orderBy>" (orderBy "" means id).

// Plain combo: an empty entry when blankFlag is "1", then extraItem when given, then the text
// column of every row.
ComboItems comboBoxItems(const QString& table, const QString& textColumn, const QString& extraItem,
                         const QString& blankFlag, const QString& orderBy);
// The grid library's combo: firstItem when given, then an empty entry when blankFlag is "1",
// then the rows.
ComboItems cxComboBoxItems(const QString& table, const QString& textColumn, const QString& firstItem,
                           const QString& blankFlag, const QString& orderBy);
// firstItem ("-1") when given, then every row's text with its code.
ComboItems codeComboItems(const QString& table, const QString& textColumn, const QString& firstItem,
                          const QString& orderBy, const QString& codeColumn);
// Every row of the filtered statement; then trailingItem ("-1"), only when both it and the
// where clause are given.
ComboItems codeComboWhereItems(const QString& table, const QString& textColumn, const QString& trailingItem,
                               const QString& where, const QString& orderBy, const QString& codeColumn);
// firstItem ("-1") when given, then every row of the filtered statement.
ComboItems codeComboWhereFirstItems(const QString& table, const QString& textColumn, const QString& firstItem,
                                    const QString& where, const QString& orderBy, const QString& codeColumn);
// Settlement modes: "按实付款结算" (1), then "余款记入应付帐" (2) for "cg" or "余款记入应收帐"
// (2) for "xs".
ComboItems jsfsComboItems(const QString& kind);

// ---- Default records (empty text when the table has no qualifying row) -----------------------
QString getDefaultUserSn();   // the built-in nameless handler, else the first staff row
QString getDefaultUserName();
QString getDefaultGhsSn();    // the first default supplier not disabled, else the first not disabled
QString getDefaultGhsName();
QString getDefaultKhSn();     // the same for customers
QString getDefaultKhName();
QString getDefaultCkName();   // the first default warehouse, else the first warehouse

// True when "select <column> from <table> <where>" finds a row whose value is not empty.
bool recordExists(const QString& table, const QString& column, const QString& where);

// The column behind a caption of an Excel import ("" when none).
QString getImportFieldId(const QString& caption, const QString& table);

// Category tree: give the category on the current row of `categories` its code and the short
// code of its name / a new name and its short code; saves it, updates the loaded row and
// re-opens ADOQueryGoodsClass2 so that other category lists show the change.
void setGoodsClassCode(NamedQuery& categories);
void renameGoodsClass(NamedQuery& categories, const QString& name);
