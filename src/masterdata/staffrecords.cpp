#include "masterdata/staffrecords.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/summaries.h"
#include "data/textrules.h"

namespace {

const QString kStaffName = QStringLiteral("员工姓名必须填写！");
const QString kStaffTwice = QStringLiteral("员工姓名不能重复！");
const QString kStaffBusy = QStringLiteral("该员工已发生过业务，不能删除！");
const QString kCkName = QStringLiteral("仓库名称必须填写！");
const QString kCkStock = QStringLiteral("该仓库中有商品，不能删除！");
const QString kCkBuiltIn = QStringLiteral("该该仓库为系统内置仓库，不能删除！");
const QString kFkName = QStringLiteral("付款方式必须填写！");
const QString kDjText = QStringLiteral("备注信息必须填写！");
const QString kDjTwice = QStringLiteral("备注信息不能重复！");

// Tables whose rows name their handler by code: bill headers (pending bills, till and member
// sales included), payments, the party ledger and expenses.
const char* const kHandlerCodeTables[] = {
    "jxc_jhd",   "jxc_thd",   "jxc_shdj",  "jxc_lsxsd", "jxc_xsthd",  "jxc_jhgl",  "jxc_kcdbd",
    "jxc_cfd",   "jxc_kbd",   "jxc_bsd",   "jxc_byd",   "jxc_posxsd", "jxc_posthd", "jxc_hyxsd",
    "jxc_ghsfk", "jxc_khfk",  "jxc_ysyfk", "jxc_yyfy",
};
// Tables that name him by name: the cash journal, fixed assets and the goods movement journal.
const char* const kHandlerNameTables[] = {"jxc_xjyh", "jxc_zcmx", "jxc_goodslist"};

SqlParams staffParams(const StaffInput& in)
{
    const QString name = sqlSafeName(in.name.trimmed());
    return {
        {QStringLiteral(":jm"), sqlSafeName(getPyJm(in.name.trimmed()))},
        {QStringLiteral(":name"), name},
        {QStringLiteral(":duty"), sqlSafeName(in.duty.trimmed())},
        {QStringLiteral(":tc"), in.rate},
        {QStringLiteral(":tele"), sqlSafeName(in.tele.trimmed())},
        {QStringLiteral(":address"), sqlSafeName(in.address.trimmed())},
        {QStringLiteral(":note"), sqlSafeName(in.note.trimmed())},
        {QStringLiteral(":cg"), in.cg},
        {QStringLiteral(":xs"), in.xs},
        {QStringLiteral(":kc"), in.kc},
    };
}

// The refusal of a staff save, or "" (the row `exceptId` excluded from the name test).
QString staffRefusal(const StaffInput& in, qint64 exceptId)
{
    const QString name = sqlSafeName(in.name.trimmed());
    if (name.isEmpty())
        return kStaffName;
    if (!selectValue(QStringLiteral("select u_name from jxc_user where u_name=? and id<>?"),
                     {{QString(), name}, {QString(), exceptId}})
             .isEmpty())
        return kStaffTwice;
    return {};
}

SqlParams warehouseParams(const WarehouseInput& in)
{
    return {
        {QStringLiteral(":name"), in.name.trimmed()},
        {QStringLiteral(":fzr"), in.keeper.trimmed()},
        {QStringLiteral(":tele"), in.tele.trimmed()},
        {QStringLiteral(":address"), in.address.trimmed()},
        {QStringLiteral(":note"), in.note.trimmed()},
        {QStringLiteral(":jm"), getPyJm(in.name.trimmed())},
        {QStringLiteral(":cdefault"), in.isDefault},
        {QStringLiteral(":cpos"), in.isPos},
    };
}

// Clears the marks the warehouse takes from the others.
void moveWarehouseMarks(const WarehouseInput& in)
{
    if (in.isDefault)
        execSql(QStringLiteral("update jxc_ckxx set ck_default=0"));
    if (in.isPos)
        execSql(QStringLiteral("update jxc_ckxx set ck_pos=0"));
}

QString remarkRefusal(const QString& stored, const QString& exceptCode)
{
    if (stored.isEmpty())
        return kDjText;
    if (!selectValue(QStringLiteral("select dj_name from jxc_djbz where dj_name=? and dj_sn<>?"),
                     {{QString(), stored}, {QString(), exceptCode}})
             .isEmpty())
        return kDjTwice;
    return {};
}

}  // namespace

// ---- Staff ---------------------------------------------------------------------------------------

SaveOutcome addStaff(const StaffInput& input)
{
    Transaction tx;
    if (QString refusal = staffRefusal(input, -1); !refusal.isEmpty())
        return {{}, refusal};
    const QString code = getMaxSn(QStringLiteral("jxc_user"), QStringLiteral("u_sn"));
    SqlParams params = staffParams(input);
    params.emplace_back(QStringLiteral(":sn"), code);
    execSql(QStringLiteral("insert into jxc_user (u_sn,u_jm,u_name,u_duty,u_tc,u_tele,u_address,u_note,u_cg,u_xs,"
                           "u_kc,u_cgpl,u_xspl) values (:sn,:jm,:name,:duty,:tc,:tele,:address,:note,:cg,:xs,:kc,0,0)"),
            params);
    tx.commit();
    return {code, {}};
}

SaveOutcome modifyStaff(qint64 id, const StaffInput& input)
{
    Transaction tx;
    if (QString refusal = staffRefusal(input, id); !refusal.isEmpty())
        return {{}, refusal};
    SqlParams params = staffParams(input);
    params.emplace_back(QStringLiteral(":id"), id);
    execSql(QStringLiteral("update jxc_user set u_jm=:jm,u_name=:name,u_duty=:duty,u_tc=:tc,u_tele=:tele,"
                           "u_address=:address,u_note=:note,u_cg=:cg,u_xs=:xs,u_kc=:kc where id=:id"),
            params);
    const QString code = selectValue(QStringLiteral("select u_sn from jxc_user where id=?"), {{QString(), id}});
    tx.commit();
    return {code, {}};
}

bool staffHasBusiness(const QString& code)
{
    const QString name = selectValue(QStringLiteral("select u_name from jxc_user where u_sn=?"), {{QString(), code}});
    QStringList probes;
    for (const char* table : kHandlerCodeTables)
        probes << QStringLiteral("select 1 from %1 where u_sn=:sn").arg(QLatin1String(table));
    if (!name.isEmpty())
        for (const char* table : kHandlerNameTables)
            probes << QStringLiteral("select 1 from %1 where u_name=:name").arg(QLatin1String(table));
    SqlParams params{{QStringLiteral(":sn"), code}};
    if (!name.isEmpty())
        params.emplace_back(QStringLiteral(":name"), name);
    return selectValue(QStringLiteral("select exists (%1)").arg(probes.join(QStringLiteral(" union all "))), params)
           == QLatin1String("1");
}

QString deleteStaff(const QString& code)
{
    Transaction tx;
    if (staffHasBusiness(code))
        return kStaffBusy;
    execSql(QStringLiteral("delete from jxc_user where u_sn=? and u_name<>''"), {{QString(), code}});
    tx.commit();
    return {};
}

// ---- Warehouses ----------------------------------------------------------------------------------

SaveOutcome addWarehouse(const WarehouseInput& input)
{
    if (input.name.trimmed().isEmpty())
        return {{}, kCkName};
    Transaction tx;
    const QString month = monthText();
    // The month's rows of the warehouses there are, before the new one joins them.
    checkKcjsMonth(month);
    moveWarehouseMarks(input);
    const QString code = getMaxSn(QStringLiteral("jxc_ckxx"), QStringLiteral("ck_sn"));
    SqlParams params = warehouseParams(input);
    params.emplace_back(QStringLiteral(":sn"), code);
    execSql(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_fzr,ck_tele,ck_address,ck_note,ck_jm,ck_default,"
                           "ck_pos) values (:sn,:name,:fzr,:tele,:address,:note,:jm,:cdefault,:cpos)"),
            params);
    execSql(QStringLiteral("insert into jxc_kcjs (js_rq,js_sl,js_zje,ck_sn,js_xssl,js_xsje,js_cgsl,js_cgje,js_xslr,"
                           "js_xscb) select :m,0,0,:sn,0,0,0,0,0,0 "
                           "where not exists (select 1 from jxc_kcjs where js_rq=:m and ck_sn=:sn)"),
            {{QStringLiteral(":m"), month}, {QStringLiteral(":sn"), code}});
    tx.commit();
    return {code, {}};
}

SaveOutcome modifyWarehouse(const QString& code, const WarehouseInput& input)
{
    if (input.name.trimmed().isEmpty())
        return {{}, kCkName};
    Transaction tx;
    moveWarehouseMarks(input);
    SqlParams params = warehouseParams(input);
    params.emplace_back(QStringLiteral(":sn"), code);
    execSql(QStringLiteral("update jxc_ckxx set ck_name=:name,ck_fzr=:fzr,ck_tele=:tele,ck_address=:address,"
                           "ck_note=:note,ck_default=:cdefault,ck_pos=:cpos,ck_jm=:jm where ck_sn=:sn"),
            params);
    tx.commit();
    return {code, {}};
}

QString deleteWarehouse(const QString& code)
{
    Transaction tx;
    if (!selectValue(QStringLiteral("select ck_sn from jxc_kcsp where ck_sn=? limit 1"), {{QString(), code}}).isEmpty())
        return kCkStock;
    if (code == QLatin1String("100001"))
        return kCkBuiltIn;
    execSql(QStringLiteral("delete from jxc_ckxx where ck_sn=?"), {{QString(), code}});
    tx.commit();
    return {};
}

// ---- Payment methods and remarks -----------------------------------------------------------------

SaveOutcome addPaymentMethod(const QString& name)
{
    if (name.trimmed().isEmpty())
        return {{}, kFkName};
    Transaction tx;
    const QString code = getMaxSn(QStringLiteral("jxc_fkfs"), QStringLiteral("fk_sn"));
    appendRow(QStringLiteral("jxc_fkfs"),
              {{QStringLiteral("fk_sn"), code}, {QStringLiteral("fk_name"), sqlSafe(name.trimmed())}});
    tx.commit();
    return {code, {}};
}

void deletePaymentMethod(const QString& code)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_fkfs where fk_sn=?"), {{QString(), code}});
    tx.commit();
}

SaveOutcome addRemark(const QString& text)
{
    const QString stored = sqlSafe(text.trimmed());
    Transaction tx;
    if (QString refusal = remarkRefusal(stored, QString()); !refusal.isEmpty())
        return {{}, refusal};
    const QString code = getMaxSn(QStringLiteral("jxc_djbz"), QStringLiteral("dj_sn"));
    appendRow(QStringLiteral("jxc_djbz"), {{QStringLiteral("dj_sn"), code}, {QStringLiteral("dj_name"), stored}});
    tx.commit();
    return {code, {}};
}

SaveOutcome modifyRemark(const QString& code, const QString& text)
{
    const QString stored = sqlSafe(text.trimmed());
    Transaction tx;
    if (QString refusal = remarkRefusal(stored, code); !refusal.isEmpty())
        return {{}, refusal};
    execSql(QStringLiteral("update jxc_djbz set dj_name=? where dj_sn=?"), {{QString(), stored}, {QString(), code}});
    tx.commit();
    return {code, {}};
}

void deleteRemark(const QString& code)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_djbz where dj_sn=?"), {{QString(), code}});
    tx.commit();
}
