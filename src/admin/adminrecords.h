// Roles and operators on plain values: the rights layout that the role editor writes and
// checkRight reads, and the saves, deletions and copies of the role and operator windows.
// Each write runs in one transaction; refusals come back as the message to show.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct SaveOutcome;

// One group of rights: its jxc_role column, its caption in the rights tree and the captions
// of its rights in position order (position 1 first).
struct RightsGroup {
    const char* column;
    const char* caption;
    QStringList rights;
};
// The seven groups in tree order: cggl, xsgl, kcgl, wlzk, tjgl, rcgl, qtcz.
const QVector<RightsGroup>& rightsLayout();

// The built-in administrator role, which only it may use for the closing, the clearing, the
// branch and the role management.
inline constexpr const char* kAdminRole = "100001";
bool isAdministratorRole();

// ---- Roles (jxc_role) ---------------------------------------------------------------------

struct RoleInput {
    QString name;
    // One string per group of rightsLayout(), in its order; each written at its group's
    // length ("1" granted, anything else refused).
    QStringList rights;
};

SaveOutcome addRole(const RoleInput& in);
// "" when saved, else the refusal.
QString modifyRole(const QString& code, const RoleInput& in);
// Why the role cannot be deleted: in use first, then the administrator; "" when it can.
QString roleDeleteRefusal(const QString& code);
void deleteRole(const QString& code);

// ---- Operators (jxc_admin) ----------------------------------------------------------------

struct OperatorInput {
    QString name;
    QString password;
    QString password2;
    QString roleCode;
    double zreoje = 0;
};

// Passwords are stored as hashes of the trimmed, safe-text password.
QString storedPassword(const QString& typed);

SaveOutcome addOperator(const OperatorInput& in);
// Saves the operator of row `id`; both passwords empty keep the stored one.
QString modifyOperator(qint64 id, const OperatorInput& in);
// Business first ("该操作员已发生过业务，不能删除！"), then "admin"; "" when it can go.
QString operatorDeleteRefusal(const QString& name);
void deleteOperator(const QString& code);

// An operator remembered by "复制操作员": the name already prefixed "复制 ", the stored hash.
struct CopiedOperator {
    QString name;
    QString roleCode;
    QString passwordHash;
    QString zreoje;
};
CopiedOperator copyOperator(const QString& code);
// Appends the copy under the next code, named the copied name followed by that code.
SaveOutcome pasteOperator(const CopiedOperator& copy);
