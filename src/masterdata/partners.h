// Suppliers and customers: the two registers have the same shape, and every difference
// between them (tables, columns, captions, messages) stands once in PartnerSide. The business
// sequences (add, modify, copy, delete, disable) are plain functions, each written whole or
// not at all; the windows call them and show their messages after they return.
#pragma once

#include <QString>

class NamedQuery;

enum class PartnerKind { Ghs, Kh };

struct PartnerSide {
    PartnerKind kind;
    QString table;        // "jxc_ghsxx"
    QString prefix;       // "ghs_": the columns are prefix + "sn", "name", ...
    QString typeColumn;   // "gt_name"
    QString typeTable;    // "jxc_ghstype"
    QString ledgerType;   // k_type of the party ledger: "ghs", "kh"
    QString balanceShown; // the balance the list and the modify dialog show
    int noteLimit;        // characters of the trimmed note that are kept; -1 for all

    // Texts of the windows.
    QString listCaption, searchLabel, forbidNote, footerText;
    QString nameCaption, typeCaption, balanceCaption;  // grid columns
    QString addCaption, modiCaption, searchCaption, copyCaption, copyLabel;
    QString nameLabel, balanceLabel, balanceNote, defaultBox;
    bool balanceNoteInModi;
    QString addWord, modiWord;  // caller words of the type and zone pickers

    // Messages.
    QString nameRequired, nameExists, hasBusiness, builtIn, deleteQuestion;

    QString col(const char* name) const { return prefix + QLatin1String(name); }
    NamedQuery* query() const;  // Q_Ghsxx, Q_Khxx
    const PartnerSide& other() const;
};

const PartnerSide& partnerSide(PartnerKind kind);

// What the add and modify dialogs hand over, as typed.
struct PartnerFields {
    QString name;
    QString lxr;
    QString tele;
    QString address;
    QString note;
    QString typeName;  // "" for none
    QString zoneName;  // "" for none
    bool isDefault = false;
    bool forbid = false;
};

// The outcome of an add or a copy: the new code, or the refusal to show ("" when there was
// nothing to do).
struct PartnerResult {
    QString code;
    QString message;
    bool ok() const { return !code.isEmpty(); }
};

// Adds a partner with balance 0 and a new code. Refuses an empty name and a name already
// stored (compared in its stored form). A ticked default mark moves to the new row.
PartnerResult addPartner(PartnerKind kind, const PartnerFields& fields);
// Saves a partner's fields; the balance is left as it is. Returns the refusal ("" when saved).
QString modifyPartner(PartnerKind kind, const QString& code, const PartnerFields& fields);
// Makes a new partner of `kind` from the partner `sourceCode` of the other kind, balance 0.
PartnerResult copyPartner(PartnerKind kind, const QString& sourceCode);

// True when the partner has bills or payments that fix its name (the modify dialog's lock).
bool partnerNameLocked(PartnerKind kind, const QString& code);
// True when any bill, pending bill, payment or party-ledger row names the partner.
bool partnerHasBusiness(PartnerKind kind, const QString& code);
// The refusal of a deletion ("" when the partner may go): business first, then the built-in row.
QString partnerDeleteRefusal(PartnerKind kind, const QString& code);
// Deletes the partner when nothing refuses it; returns the refusal otherwise.
QString deletePartner(PartnerKind kind, const QString& code);
void setPartnerForbid(PartnerKind kind, const QString& code, bool forbid);

// The shared list of the side, when open, re-read and standing on the partner `code` (the new
// row of an add or a copy). False when the list is closed or does not hold the partner (a
// disabled partner in a list of partners not disabled).
bool showPartnerInList(PartnerKind kind, const QString& code);

// The supplier list's display copy of the balance: ghs_lwje2 = ghs_lwje for every supplier.
void syncGhsBalanceCopy();
