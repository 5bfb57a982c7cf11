// The shared globals through which windows hand values to each other, and the logged-in
// operator. All are text (unless stated), empty at start and live for the whole run; the
// caller sets them before it opens a modal window and clears them after it closes, and each
// window says what it puts in and reads back. (`dbFileName` lives with the data module.)
#pragma once

#include <QString>

// The logged-in operator: name (written into every a_name column) and role code.
extern QString operatorName;
extern QString roleCode;
// The open account set's name ("系统默认帐套") and "0" for the default set.
extern QString accountSetName;
extern QString accountSetFlag;

extern QString modeFlag;     // the mode word a dialog is opened with ("add", "modi", "hb", "cgth", ...)
extern QString callerFlag;   // names the window that opened a shared picker ("cgjh", "th", "jadd", ...)
extern QString curGoodsSn;   // a goods code handed between windows
extern QString curGhsSn;     // a supplier code
extern QString curKhSn;      // a customer code
extern QString ckNameParam;  // a warehouse name handed to goods pickers ("所有仓库" for all)
extern QString detailTable;  // the size and colour table the detail viewer shows (or a mode word)
extern QString djhParam;     // a document number handed to the account and payment windows
extern QString partyType;    // "ghs" or "kh", handed between the account windows
extern QString choiceParam;  // multi-purpose values between a window and its dialog
extern QString paramValue;   // (the size and colour viewer reads its line id here)

// Results of the account summaries getGhsZw / getKhZw: due, paid, still owed.
extern QString zwYfje;
extern QString zwSfje;
extern QString zwWfje;

// Result of the till's supervisor authorisation.
extern QString authName;
extern QString authRoleCode;

// Answer of a bill's save prompt: 1 post, 0 keep pending, 2 cancel.
extern int saveChoice;
