// The reference lists of partners: supplier types, customer types and zones. Partners carry a
// type or zone by its name. Each list is kept by the same window, told apart by RefListSide;
// saves and deletions are plain functions, each written whole or not at all.
#pragma once

#include <QString>

class NamedQuery;

enum class RefListKind { GhsType, KhType, Zone };

struct RefListSide {
    RefListKind kind;
    QString table;          // "jxc_ghstype"
    QString snColumn;       // "gt_sn"
    QString nameColumn;     // "gt_name"
    QString defaultColumn;  // "gt_default"
    QString pageCaption;    // "供货商类型设置"
    QString nameCaption;    // grid column of the name: "供货商类型"
    QString editLabel;      // "供货商类型："
    bool keyFilter;         // the name box drops the filtered keys
    QString nameRequired, inUse, deleteQuestion;
    NamedQuery* query() const;  // Q_GhsType, Q_Khtype, Q_Zone
};

const RefListSide& refListSide(RefListKind kind);

// The outcome of a save: the row's code, or the refusal to show.
struct RefListResult {
    QString code;
    QString message;
    bool ok() const { return !code.isEmpty(); }
};

// Adds a row (id 0) or renames the row `id`; a ticked default mark moves to that row.
// Partners keep the name they carry.
RefListResult saveRefItem(RefListKind kind, qint64 id, const QString& name, bool isDefault);
// The refusal of deleting an entry of this name ("" when no partner carries it).
QString refItemDeleteRefusal(RefListKind kind, const QString& name);
// Deletes the row `id` when no partner carries its name; returns the refusal otherwise.
QString deleteRefItem(RefListKind kind, qint64 id);
