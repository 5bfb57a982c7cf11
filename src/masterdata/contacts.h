// Contact logs of suppliers and customers, the salesmen's diary and note, and the contracts
// filed with their partners: plain values in, the refusal out ("" when written). Each runs in
// one Transaction.
#pragma once

#include "masterdata/partners.h"
#include "masterdata/staffrecords.h"

#include <QDate>
#include <QString>

// ---- Contact logs (jxc_ghslx, jxc_khlx) ------------------------------------------------------

inline constexpr char16_t kContactRequired[] = u"联系内容必须填写！";
inline constexpr char16_t kContactStaffRequired[] = u"请选择联系人！";

// A contact with the partner `partnerSn` on `date` (stored as the date box shows it), made by
// the staff member `uSn`; the content is stored trimmed in its safe form for names.
QString addContactLog(PartnerKind kind, const QString& partnerSn, const QString& date, const QString& uSn,
                      const QString& content);
// Changes the entry `id` (its partner stays).
QString modifyContactLog(PartnerKind kind, qint64 id, const QString& date, const QString& uSn, const QString& content);

// ---- Salesmen's diary (jxc_ywyrz) and note -----------------------------------------------------

inline constexpr char16_t kDiaryRequired[] = u"日志内容必须填写！";

QString addDiaryEntry(const QString& uSn, const QString& date, const QString& content);
QString modifyDiaryEntry(qint64 id, const QString& date, const QString& content);
void deleteDiaryEntry(qint64 id);
// The member's note, trimmed.
void saveStaffNote(const QString& uSn, const QString& note);

// ---- Contracts (jxc_htgl, jxc_khhtgl) ----------------------------------------------------------

struct ContractInput {
    QString name;  // trimmed, stored in its safe form for names
    QString path;  // the file to file with the contract
    QDate date;
    QString uSn;  // handler; "" when none is chosen
};

inline constexpr char16_t kContractCopyFailed[] = u"合同文件复制失败，不能保存！";

// The folder that keeps the files of one contract: ghsht/<partner>/<contract> (khht/… for
// customers) in the shop folder.
QString contractFolder(PartnerKind kind, const QString& partnerSn, const QString& htSn);

// Files a new contract: the next contract code, a copy of the file in the contract's own
// folder, and its row. Refuses an empty name ("合同名称必须填写！"), an empty path
// ("合同位置不能为空！"), no handler ("请选择经办人！") and a file that cannot be copied
// (kContractCopyFailed); nothing is written then.
SaveOutcome addContract(PartnerKind kind, const QString& partnerSn, const ContractInput& input);
// Changes a contract: a file other than its kept copy is copied into its folder (a copy it
// replaces stays on disk). Same refusals; unknown contracts write nothing.
QString modifyContract(PartnerKind kind, const QString& htSn, const ContractInput& input);
// Deletes the contract's row, then its kept file.
void deleteContract(PartnerKind kind, const QString& htSn);

// The refusal of deleting a partner from the contract browser: the built-in partner, a partner
// with contracts or with business ("" when it may go).
QString contractPartnerDeleteRefusal(PartnerKind kind, const QString& code);
