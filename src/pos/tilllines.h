// The till's working sale on plain values: its lines in the sales bills' line tables under the
// sale number (one size-colour row per line), their pricing, the member choice and the small
// checks of the till's dialogs. Every function that writes runs in one Transaction; functions
// answering a QString give the refusal of the first failed check, or "" when they wrote.
#pragma once

#include "data/values.h"

#include <QString>

// The member in effect on the till, as its member panel shows it; an empty card is a walk-in.
struct TillMember {
    QString card;      // hy_bh
    QString levelSn;   // hl_sn
    QString discount;  // hl_zk, the level discount
    bool present() const { return !card.isEmpty(); }
};

// A new sale number of the sales bills' "XS" sequence (shared with the till's sales and held sales).
QString newTillNumber();

// Whether the goods' special offer is in force now (g_tjsp set, and no period or now within it).
bool offerInForce(const QString& gSn);

// Adds the picked variant (size and colour by name) to the sale: a line of the same goods, size
// and colour gets one more at its own price; otherwise a new priced line of quantity 1 with its
// size-colour row carrying `stock` (the picker's cell, "" as 0). Returns the line's id.
qint64 addPickedLine(const QString& number, const QString& gSn, const QString& sizeName,
                     const QString& colorName, const QString& stock, const TillMember& member);

// Re-prices every line of the sale for the member chosen (or for a walk-in when the card is
// empty), goods by goods.
void repriceForMember(const QString& number, const TillMember& member);

// The member found by the card and password typed at the till, with what its panel shows.
struct TillMemberChoice {
    QString refusal;  // "" when the member may be used
    QString hySn;
    QString card;
    QString name;
    QString levelSn;
    QString levelName;
    QString discount;
    QString points;
    QString balance;
};
TillMemberChoice chooseTillMember(const QString& card, const QString& password);
// The member panel's values of a member by number (a resumed held sale); no checks.
TillMemberChoice tillMemberBySn(const QString& hySn);

// Rewrites one line from a quantity or price panel: price, discount and new quantity. Refused
// when the price is not above 0, and, when `limitToStock`, when the quantity exceeds the line's
// stock figure (for a line without one, the size-colour stock of `ckSn` read now).
QString setTillLine(qint64 lineId, Money price, Money discount, Money quantity, bool limitToStock,
                    const QString& ckSn);
// Deletes one line with its size-colour row.
void deleteTillLine(qint64 lineId);

// The sale's total as the till shows it (rounded to two decimals, "" without lines) and the
// sum of its quantities.
QString tillTotalText(const QString& number);
QString tillQuantityText(const QString& number);


// ---- Function keys ----------------------------------------------------------------------------
// The fourteen configurable functions in the order the till tests them in its key help.
const QStringList& tillFunctions();
// The code stored for a function; 0 when it has none.
int getKeyValue(const QString& function);
// Gives `function` the key `code`: refused with the message naming the function that already
// has it (F5 is "付款结账", F1 "帮助"); a code without a caption is ignored ("" and nothing
// stored, `stored` false).
QString setFunctionKey(const QString& function, int code, bool* stored = nullptr);
