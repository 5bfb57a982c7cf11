#include "admin/adminrecords.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/password.h"
#include "data/textrules.h"
#include "masterdata/staffrecords.h"

namespace {

QString P(const char* name)
{
    return QString::fromLatin1(name);
}

QString roleNameError(const RoleInput& in)
{
    if (in.name.trimmed().isEmpty())
        return QStringLiteral("角色名称必须填写！");
    if (in.rights.size() != rightsLayout().size())
        return QStringLiteral("角色权限不完整！");
    return {};
}

SqlParams roleParams(const RoleInput& in)
{
    SqlParams params = {{P(":name"), sqlSafeName(in.name.trimmed())}};
    const QVector<RightsGroup>& groups = rightsLayout();
    for (int g = 0; g < groups.size(); ++g)
        params.emplace_back(QLatin1Char(':') + QString::fromLatin1(groups[g].column), in.rights.value(g));
    return params;
}

// The checks both operator dialogs make before anything is written, in their order.
QString operatorError(const OperatorInput& in, qint64 exceptId)
{
    if (in.name.trimmed().isEmpty())
        return QStringLiteral("用户名称必须填写！");
    if (in.password.trimmed() != in.password2.trimmed())
        return QStringLiteral("两次密码输入不一致！");
    const QString taken = selectValue(QStringLiteral("select a_name from jxc_admin where a_name=:n collate binary and id<>:id"),
                                      {{P(":n"), sqlSafeName(in.name.trimmed())}, {P(":id"), exceptId}});
    if (!taken.isEmpty())
        return QStringLiteral("用户名称不能重复！");
    return {};
}

}  // namespace

const QVector<RightsGroup>& rightsLayout()
{
    static const QVector<RightsGroup> groups = {
        {"cggl", "采购管理",
         {QStringLiteral("采购进货"), QStringLiteral("采购退货"), QStringLiteral("往来账务"), QStringLiteral("进退货查询"),
          QStringLiteral("当前库存查询")}},
        {"xsgl", "销售管理",
         {QStringLiteral("商品销售"), QStringLiteral("顾客退货"), QStringLiteral("往来账务"), QStringLiteral("销售退货查询"),
          QStringLiteral("当前库存查询"), QStringLiteral("前台收银"), QStringLiteral("POS销售流水账"),
          QStringLiteral("POS日结管理"), QStringLiteral("POS销售排行"), QStringLiteral("会员消费统计"),
          QStringLiteral("收银员收银统计"), QStringLiteral("收银员出入款管理"), QStringLiteral("POS商品销售统计"),
          QStringLiteral("销售换货")}},
        {"kcgl", "库存管理",
         {QStringLiteral("库存调拨"), QStringLiteral("库存盘点"), QStringLiteral("库存报损报溢"), QStringLiteral("库存报警查询"),
          QStringLiteral("商品捆绑"), QStringLiteral("库存变动情况"), QStringLiteral("库存成本统计")}},
        {"wlzk", "往来帐款",
         {QStringLiteral("应收登记"), QStringLiteral("收款登记"), QStringLiteral("应收帐表"), QStringLiteral("应付登记"),
          QStringLiteral("付款登记"), QStringLiteral("应付帐表")}},
        {"tjgl", "统计报表",
         {QStringLiteral("供货商供货统计"), QStringLiteral("商品采购统计"), QStringLiteral("业务员采购统计"),
          QStringLiteral("客户销售统计"), QStringLiteral("商品销售统计"), QStringLiteral("业务员销售统计"),
          QStringLiteral("库存变动查询"), QStringLiteral("库存成本统计"), QStringLiteral("营业分析"),
          QStringLiteral("商品销售排行"), QStringLiteral("单据查询"), QStringLiteral("会员销售统计")}},
        {"rcgl", "日常管理",
         {QStringLiteral("供货商管理"), QStringLiteral("客户综合管理"), QStringLiteral("合同管理"), QStringLiteral("客户借货管理"),
          QStringLiteral("业务员管理"), QStringLiteral("商品均价修改"), QStringLiteral("费用及收入"), QStringLiteral("现金银行"),
          QStringLiteral("固定资产"), QStringLiteral("财务报表"), QStringLiteral("库存变动查询")}},
        {"qtcz", "其它操作",
         {QStringLiteral("商品管理"), QStringLiteral("供货商设置"), QStringLiteral("客户设置"), QStringLiteral("员工设置"),
          QStringLiteral("仓库设置"), QStringLiteral("会员管理"), QStringLiteral("操作员设置"), QStringLiteral("商品调价"),
          QStringLiteral("系统设置"), QStringLiteral("备份/恢复数据库"), QStringLiteral("查看日志"), QStringLiteral("清除日志"),
          QStringLiteral("商品期初建账"), QStringLiteral("条码打印"), QStringLiteral("报表设计")}},
    };
    return groups;
}

bool isAdministratorRole()
{
    return roleCode == QLatin1String(kAdminRole);
}

// ---- Roles ------------------------------------------------------------------------------------

SaveOutcome addRole(const RoleInput& in)
{
    const QString error = roleNameError(in);
    if (!error.isEmpty())
        return {{}, error};
    Transaction tx;
    const QString code = getMaxSn(QStringLiteral("jxc_role"), QStringLiteral("r_sn"));
    SqlParams params = roleParams(in);
    params.emplace_back(P(":sn"), code);
    execSql(QStringLiteral("insert into jxc_role (r_sn,r_name,cggl,xsgl,kcgl,wlzk,tjgl,rcgl,qtcz) values "
                           "(:sn,:name,:cggl,:xsgl,:kcgl,:wlzk,:tjgl,:rcgl,:qtcz)"),
            params);
    tx.commit();
    return {code, {}};
}

QString modifyRole(const QString& code, const RoleInput& in)
{
    if (code == QLatin1String(kAdminRole))
        return QStringLiteral("系统管理员不能修改！");
    const QString error = roleNameError(in);
    if (!error.isEmpty())
        return error;
    Transaction tx;
    SqlParams params = roleParams(in);
    params.emplace_back(P(":sn"), code);
    execSql(QStringLiteral("update jxc_role set r_name=:name,cggl=:cggl,xsgl=:xsgl,kcgl=:kcgl,wlzk=:wlzk,tjgl=:tjgl,"
                           "rcgl=:rcgl,qtcz=:qtcz where r_sn=:sn"),
            params);
    tx.commit();
    return {};
}

QString roleDeleteRefusal(const QString& code)
{
    if (!selectValue(QStringLiteral("select r_sn from jxc_admin where r_sn=:sn"), {{P(":sn"), code}}).isEmpty())
        return QStringLiteral("该角色已在使用，不能删除！");
    if (code == QLatin1String(kAdminRole))
        return QStringLiteral("系统管理员不能删除！");
    return {};
}

void deleteRole(const QString& code)
{
    if (!roleDeleteRefusal(code).isEmpty())
        return;
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_role where r_sn=:sn"), {{P(":sn"), code}});
    tx.commit();
}

// ---- Operators --------------------------------------------------------------------------------

QString storedPassword(const QString& typed)
{
    return hashPassword(sqlSafeName(typed.trimmed()));
}

SaveOutcome addOperator(const OperatorInput& in)
{
    const QString error = operatorError(in, -1);
    if (!error.isEmpty())
        return {{}, error};
    Transaction tx;
    const QString code = getMaxSn(QStringLiteral("jxc_admin"), QStringLiteral("a_sn"));
    execSql(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_zreoje,a_pwd) values (:sn,:n,:r,:z,:p)"),
            {{P(":sn"), code},
             {P(":n"), sqlSafeName(in.name.trimmed())},
             {P(":r"), in.roleCode},
             {P(":z"), in.zreoje},
             {P(":p"), storedPassword(in.password)}});
    tx.commit();
    return {code, {}};
}

QString modifyOperator(qint64 id, const OperatorInput& in)
{
    const QString error = operatorError(in, id);
    if (!error.isEmpty())
        return error;
    Transaction tx;
    execSql(QStringLiteral("update jxc_admin set a_name=:n,r_sn=:r,a_zreoje=:z where id=:id"),
            {{P(":n"), sqlSafeName(in.name.trimmed())}, {P(":r"), in.roleCode}, {P(":z"), in.zreoje}, {P(":id"), id}});
    // A hash is never shown: the dialog opens with empty fields, and empty fields keep it.
    if (!in.password.trimmed().isEmpty())
        execSql(QStringLiteral("update jxc_admin set a_pwd=:p where id=:id"),
                {{P(":p"), storedPassword(in.password)}, {P(":id"), id}});
    tx.commit();
    return {};
}

QString operatorDeleteRefusal(const QString& name)
{
    // Names compare exactly: "Admin" is another operator than "admin".
    const QString used = selectValue(QStringLiteral("select a_name from (select a_name from jxc_jhd where a_name=:n "
                                                    "collate binary limit 1) union select a_name from (select a_name "
                                                    "from jxc_lsxsd where a_name=:n collate binary limit 1)"),
                                     {{P(":n"), name}});
    if (!used.isEmpty())
        return QStringLiteral("该操作员已发生过业务，不能删除！");
    if (name == QLatin1String("admin"))
        return QStringLiteral("系统管理员不能删除！");
    return {};
}

void deleteOperator(const QString& code)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_admin where a_sn=:sn"), {{P(":sn"), code}});
    tx.commit();
}

CopiedOperator copyOperator(const QString& code)
{
    const ResultSet rs = openSelect(QStringLiteral("select a_name,r_sn,a_pwd,a_zreoje from jxc_admin where a_sn=:sn"),
                                    {{P(":sn"), code}});
    CopiedOperator copy;
    if (rs.rowCount() == 0)
        return copy;
    copy.name = QStringLiteral("复制 ") + rs.text(0, QStringLiteral("a_name"));
    copy.roleCode = rs.text(0, QStringLiteral("r_sn"));
    copy.passwordHash = rs.text(0, QStringLiteral("a_pwd"));
    copy.zreoje = rs.text(0, QStringLiteral("a_zreoje"));
    return copy;
}

SaveOutcome pasteOperator(const CopiedOperator& copy)
{
    Transaction tx;
    const QString code = getMaxSn(QStringLiteral("jxc_admin"), QStringLiteral("a_sn"));
    execSql(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_zreoje,a_pwd) values (:sn,:n,:r,:z,:p)"),
            {{P(":sn"), code},
             {P(":n"), copy.name + code},
             {P(":r"), copy.roleCode},
             {P(":z"), copy.zreoje.isEmpty() ? QVariant(0) : QVariant(copy.zreoje.toDouble())},
             {P(":p"), copy.passwordHash}});
    tx.commit();
    return {code, {}};
}
