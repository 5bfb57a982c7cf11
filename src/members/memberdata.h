// The member scheme on plain values: member records with their card, password and level band,
// levels, stored-value schemes and the points rule, top-ups, count cards, gifts and points
// exchanges. Every function that writes runs in one Transaction: written whole or not at all.
// Functions answering a QString give the refusal message of the first failed check, or ""
// when they wrote; the windows show it. Nothing here shows a box.
#pragma once

#include "data/values.h"

#include <QString>
#include <QStringList>
#include <array>

inline constexpr const char* kBuiltInMember = "100001";

// ---- Card, password and level band ---------------------------------------------------------

// The one stored form of a card number: trimmed and in the names variant of safe text.
QString memberCardForm(const QString& typed);
// The member number (hy_sn) of the card typed, converted as above; "" when no member has it.
QString findMemberByCard(const QString& typed);
// What is stored for a typed password: "" for an empty one, else the hash of the trimmed
// password in its safe-name form.
QString memberPasswordForm(const QString& typed);
// Whether the typed password matches the stored one: an empty stored password accepts only an
// empty typed one.
bool checkMemberPassword(const QString& stored, const QString& typed);

// The level whose points band holds `points` (both ends included; of overlapping bands the one
// with the lowest id); "" when no band holds them.
QString bandLevel(Money points);
// The band level; when none, the level with the lowest lower bound; "0" without levels.
QString levelForPoints(Money points);

// Whether a sales bill header names the member.
bool memberHasSales(const QString& hySn);

// ---- Member records ------------------------------------------------------------------------

struct MemberFields {
    QString card;
    QString name;
    QString schemeSn;   // hh_sn
    QString levelSn;    // hl_sn, replaced by the band rule when autoUpgrade
    QString password;
    QString password2;
    Money points;
    Money balance;      // the opening deposit of an enrolment; never written by a modification
    bool status = true;
    bool autoUpgrade = true;
    bool hasExpiry = false;
    QString expiry;     // "yyyy-MM-dd", stored only with hasExpiry
    QString sex = QStringLiteral("男");
    QString birthday;   // "yyyy-MM-dd" or ""
    QString tele;
    QString mobile;
    std::array<QString, 6> custom;  // hy_email, hy_zjlx, hy_zjhm, hy_dwzy, hy_address, hy_qtxx
    QString note;
    QString joinDate;   // "yyyy-MM-dd"
};

// How the charge window was paid: one method with the amount tendered, or combined parts.
struct ChargePayment {
    enum class Method { Cash, BankCard, Voucher, Combined };
    Method method = Method::Cash;
    Money tendered;
    Money cash;
    Money bankCard;
    Money voucher;
};

// The checks of the enrolment in their order ("" when all pass).
QString checkEnrolment(const MemberFields& f);
// Enrols the member and, with a deposit above 0, books it: the history row "会员开户时充值",
// the cash-journal row and "现金", with the balance set to the deposit. `payment` is what the
// charge window confirmed (required when the deposit is above 0). Returns the member number;
// a failed check throws DbError with its message.
QString enrolMember(const MemberFields& f, const ChargePayment* payment, const QString& op);
// Modifies the member; its card number, balance, spending and counters keep their values, and
// an empty password keeps the old one. Returns the refusal or "".
QString modifyMember(const QString& hySn, const MemberFields& f);
// Sets the card password (empty removes it). Returns "两次密码输入不一致！" or "".
QString setMemberPassword(const QString& hySn, const QString& password, const QString& password2);
void toggleMemberStatus(const QString& hySn);
// Sets the points of the members to 0.
void clearMemberPoints(const QStringList& hySns);
// Deletes a member without sales; returns the refusal or "".
QString deleteMember(const QString& hySn);

// ---- Levels, schemes and the points rule ----------------------------------------------------

struct LevelFields {
    QString name;
    QString discount;  // as typed; "" is refused
    Money lower;
    Money upper;
    bool wholesale = false;
};
// The refusal of modifying the level (the built-in one), "" when it may change.
QString levelModifyRefusal(const QString& hlSn);
// Adds (empty hlSn) or modifies a level; returns the refusal or "".
QString saveLevel(const QString& hlSn, const LevelFields& f);
// The refusal of deleting the level, "" when it may go.
QString levelDeleteRefusal(const QString& hlSn);
void deleteLevel(const QString& hlSn);

struct SchemeFields {
    QString name;
    int kind = 0;        // 0 存款优惠, 1 消费金额转现金
    Money factor = Money::fromUnits(10000);
    Money threshold;
    Money cash;
};
QString schemeModifyRefusal(const QString& hhSn);
QString saveScheme(const QString& hhSn, const SchemeFields& f);
QString schemeDeleteRefusal(const QString& hhSn);
void deleteScheme(const QString& hhSn);

struct PointsSettings {
    int rule = 0;          // jf_jfgz: 0 on top-up, 1 on purchase
    Money perPoint;        // jf_mfje
    bool carryOver = false;
    Money multiple;        // jf_dbjf
    QString date1;
    QString date2;
};
PointsSettings readPointsSettings();
// Saves the row (created when missing), empties the dates unless the multiple is not 0, and
// reloads the settings into memory.
void savePointsSettings(const PointsSettings& s);

// ---- Top-ups -------------------------------------------------------------------------------

// The refusal of a stored-value top-up's amounts, "" when they pass.
QString topUpRefusal(Money amount, Money credit);
// One stored-value top-up of the member: history, journal, "现金" by the amount, the balance by
// the credit and, under the points rule of top-ups, the points.
void topUpMember(const QString& hySn, Money amount, Money credit, const QString& note, const ChargePayment& payment,
                 const QString& op);
// The batch top-up's selection mark (hy_chk) of one member, or of every member.
void setMemberTick(const QString& hySn, bool ticked);
void setAllMemberTicks(bool ticked);
// Tops up every ticked member (hy_chk) in one transaction; returns how many. Throws DbError with
// the refusal for a negative amount or credit.
int batchTopUp(Money amount, Money credit, const QString& note, const QString& op);

// ---- Count cards ---------------------------------------------------------------------------

struct CountItem {
    QString gSn;
    Money amount;
    QString times;  // as typed; "" is refused
    QString note;
};
// Adds an item to the operator's working list; `goodsName` is what the picker showed. A code
// that names no goods item is refused like a missing name.
QString addCountItem(const CountItem& item, const QString& goodsName, const QString& op);
QString modifyCountItem(qint64 id, const CountItem& item);
void deleteCountItem(qint64 id);
void clearCountItems(const QString& op);
// The total amount of the operator's working rows (what the charge window is asked for).
Money countItemsTotal(const QString& op);
// Saves the operator's working rows onto the member; `payment` may be null when the total is 0.
// Returns the "JC" number, or "" when the list was empty. The log line is written either way.
QString saveCountCard(const QString& hySn, const QString& op, const ChargePayment* payment);

// ---- Gifts and exchanges -------------------------------------------------------------------

struct GiftFields {
    QString sn;
    QString name;
    Money qty;
    Money points;
};
QString addGift(const GiftFields& f);
// Modifies the gift of that id; a gift with a purchase keeps code, name and stock.
QString modifyGift(qint64 id, const GiftFields& f);
bool giftHasPurchase(const QString& zpSn);
QString giftDeleteRefusal(const QString& zpSn);
void deleteGift(const QString& zpSn);
QString giftPurchase(const QString& zpSn, Money qty, const QString& op);

// A new exchange line of one piece of the gift found by code or short code; returns the refusal.
QString addExchangeLine(const QString& djh, const QString& card, const QString& giftText, const QString& op);
QString setExchangeLineQty(qint64 lineId, Money qty);
// Saves the exchange of the number's lines for the card's member; returns the refusal or "".
QString saveExchange(const QString& djh, const QString& card, const QString& op);
// Deletes a saved exchange line, giving back the pieces and the points.
void deleteExchangeLine(qint64 lineId);
// Working lines (of a number without a header): one line, or all the lines of the number.
void deleteExchangeWorkLine(qint64 lineId);
void clearExchangeWorkLines(const QString& djh);

// ---- Import from a workbook ----------------------------------------------------------------

struct ImportRun;

// What a member import needs besides the column mapping (jxc_importchk).
struct MemberImportOptions {
    QString path;
    QString levelSn;   // hl_sn of every imported member
    QString schemeSn;  // hh_sn of every imported member
    bool autoCard = true;      // card numbers drawn after the largest card, the card column ignored
    bool uniqueNames = false;  // a name already stored refuses its row
};
// Empties the preview and lists one row "[card]name" per sheet row with a name, ticked or not.
// Returns the number of rows listed, or -1 when the workbook cannot be read.
int buildMemberPreview(const MemberImportOptions& options, bool tick);
// Walks the sheet with the preview in one Transaction: every ticked row is checked and inserted
// or refused with its status.
ImportRun importMembers(const MemberImportOptions& options);
