// Saves and deletions of staff, warehouses, payment methods and preset bill remarks: plain
// values in, the new code or the refusal out. Each runs in one transaction, so a refused or
// failed step writes nothing; the windows show the refusal after it returns.
#pragma once

#include <QString>

// The result of a save: the record's code, or the refusal shown to the user.
struct SaveOutcome {
    QString code;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// ---- Staff (jxc_user) ------------------------------------------------------------------------

struct StaffInput {
    QString name;
    QString duty;
    double rate = 0;  // commission in percent: 5 means 5 %
    QString tele;
    QString address;
    QString note;
    bool cg = true;  // offered as handler on purchase bills
    bool xs = true;  // on sales bills
    bool kc = true;  // on stock bills
};

// Adds a member with the next code; refuses a blank name ("员工姓名必须填写！") and a name
// another member has in its stored form ("员工姓名不能重复！").
SaveOutcome addStaff(const StaffInput& input);
// Rewrites the member of row `id` (code and counters kept), with the same refusals.
SaveOutcome modifyStaff(qint64 id, const StaffInput& input);
// True when the member is named, by code or by name, on any bill (pending ones included),
// payment, ledger row, expense, cash-journal or fixed-asset row.
bool staffHasBusiness(const QString& code);
// Deletes a named member; refuses one with business ("该员工已发生过业务，不能删除！").
QString deleteStaff(const QString& code);

// ---- Warehouses (jxc_ckxx) -------------------------------------------------------------------

struct WarehouseInput {
    QString name;
    QString keeper;
    QString tele;
    QString address;
    QString note;
    bool isDefault = false;  // "默认仓库"
    bool isPos = false;      // "默认POS仓库"
};

// Completes this month's stock-account rows, adds the warehouse with the next code and its zero
// row of the month. A tick moves the mark from every other warehouse. Refuses a blank name
// ("仓库名称必须填写！").
SaveOutcome addWarehouse(const WarehouseInput& input);
SaveOutcome modifyWarehouse(const QString& code, const WarehouseInput& input);
// Refuses a warehouse holding any stock row ("该仓库中有商品，不能删除！"), then the built-in one.
QString deleteWarehouse(const QString& code);

// ---- Payment methods (jxc_fkfs) and preset remarks (jxc_djbz) ----------------------------------

// Refuses a blank name ("付款方式必须填写！"); the name is stored as safe text.
SaveOutcome addPaymentMethod(const QString& name);
void deletePaymentMethod(const QString& code);

// Refuses a blank text ("备注信息必须填写！") and a text another remark has in its stored form
// ("备注信息不能重复！"); the text is stored as safe text.
SaveOutcome addRemark(const QString& text);
SaveOutcome modifyRemark(const QString& code, const QString& text);
void deleteRemark(const QString& code);
