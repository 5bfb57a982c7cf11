#include "masterdata/partners.h"

#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/textrules.h"

namespace {

PartnerSide makeGhs()
{
    PartnerSide s;
    s.kind = PartnerKind::Ghs;
    s.table = QStringLiteral("jxc_ghsxx");
    s.prefix = QStringLiteral("ghs_");
    s.typeColumn = QStringLiteral("gt_name");
    s.typeTable = QStringLiteral("jxc_ghstype");
    s.ledgerType = QStringLiteral("ghs");
    s.balanceShown = QStringLiteral("ghs_lwje2");
    s.noteLimit = 64;
    s.listCaption = QStringLiteral("供货商信息");
    s.searchLabel = QStringLiteral("请输入供货商的相关信息进行查询：");
    s.forbidNote = QStringLiteral("(被“禁用”的供货商，做采购操作时将不再显示)");
    s.footerText = QStringLiteral("合计：  ");
    s.nameCaption = QStringLiteral("供货商名称");
    s.typeCaption = QStringLiteral("供货商类型");
    s.balanceCaption = QStringLiteral("我方应付金额");
    s.addCaption = QStringLiteral("添加供货商");
    s.modiCaption = QStringLiteral("修改供货商");
    s.searchCaption = QStringLiteral("供货商查找");
    s.copyCaption = QStringLiteral("复制客户资料到供货商信息");
    s.copyLabel = QStringLiteral("输入客户信息查找：");
    s.nameLabel = QStringLiteral("供货商名称：");
    s.balanceLabel = QStringLiteral("期初应付：");
    s.balanceNote = QStringLiteral("(期初应付:新增此供应商时,我方目前欠此供应商的货款金额.在往来帐款中数据期初金额.)");
    s.balanceNoteInModi = false;
    s.defaultBox = QStringLiteral("默认供货商");
    s.addWord = QStringLiteral("ghsgl_add");
    s.modiWord = QStringLiteral("ghsgl_modi");
    s.nameRequired = QStringLiteral("供货商名称必须填写！");
    s.nameExists = QStringLiteral("供货商已经存在！");
    s.hasBusiness = QStringLiteral("该供货商已发生过业务，不能删除！");
    s.builtIn = QStringLiteral("该供货商为系统内置供货商，不能删除！");
    s.deleteQuestion = QStringLiteral("您确定要删除当前供货商吗！");
    return s;
}

PartnerSide makeKh()
{
    PartnerSide s;
    s.kind = PartnerKind::Kh;
    s.table = QStringLiteral("jxc_khxx");
    s.prefix = QStringLiteral("kh_");
    s.typeColumn = QStringLiteral("kt_name");
    s.typeTable = QStringLiteral("jxc_khtype");
    s.ledgerType = QStringLiteral("kh");
    s.balanceShown = QStringLiteral("kh_lwje");
    s.noteLimit = -1;
    s.listCaption = QStringLiteral("客户信息");
    s.searchLabel = QStringLiteral("请输入客户的相关信息进行查询：");
    s.forbidNote = QStringLiteral("(被“禁用”的客户，做销售操作时将不再显示)");
    s.footerText = QStringLiteral("合计：");
    s.nameCaption = QStringLiteral("客户名称");
    s.typeCaption = QStringLiteral("客户类型");
    s.balanceCaption = QStringLiteral("我方应收金额");
    s.addCaption = QStringLiteral("增加客户");
    s.modiCaption = QStringLiteral("修改客户");
    s.searchCaption = QStringLiteral("客户查找");
    s.copyCaption = QStringLiteral("复制供货商信息到客户资料");
    s.copyLabel = QStringLiteral("输入供货商信息查找：");
    s.nameLabel = QStringLiteral("客户名称：");
    s.balanceLabel = QStringLiteral("期初应收：");
    s.balanceNote = QStringLiteral("(期初应收:新增此客户时,此客户目前欠我方的货款金额,在往来帐款功能输入.)");
    s.balanceNoteInModi = true;
    s.defaultBox = QStringLiteral("默认客户");
    s.addWord = QStringLiteral("khgl_add");
    s.modiWord = QStringLiteral("khgl_modi");
    s.nameRequired = QStringLiteral("客户名称必须填写！");
    s.nameExists = QStringLiteral("客户已经存在！");
    s.hasBusiness = QStringLiteral("该客户已发生过业务，不能删除！");
    s.builtIn = QStringLiteral("该客户为系统内置客户，不能删除！");
    s.deleteQuestion = QStringLiteral("您确定要删除当前客户吗！");
    return s;
}

// A statement that finds a row when any of its arms does.
bool anyRow(const QStringList& arms, const QString& code)
{
    QStringList wrapped;
    for (const QString& arm : arms)
        wrapped << QStringLiteral("select * from (%1 limit 1)").arg(arm);
    return !openSelect(wrapped.join(QStringLiteral(" union all ")) + QStringLiteral(" limit 1"),
                       {{QStringLiteral(":sn"), code}})
                .isEmpty();
}

QString storedNote(const PartnerSide& s, const QString& note)
{
    const QString trimmed = note.trimmed();
    return sqlSafeName(s.noteLimit < 0 ? trimmed : trimmed.left(s.noteLimit));
}

bool nameStored(const PartnerSide& s, const QString& storedName)
{
    return !selectValue(QStringLiteral("select %1 from %2 where %1=:name limit 1").arg(s.col("name"), s.table),
                        {{QStringLiteral(":name"), storedName}})
                .isEmpty();
}

// Clears the default mark of every row, before the row that takes it is written.
void clearDefault(const PartnerSide& s)
{
    execSql(QStringLiteral("update %1 set %2=0").arg(s.table, s.col("default")));
}

// Appends a partner row; a new partner owes and is owed nothing.
void appendPartner(const PartnerSide& s, SqlParams fields)
{
    fields.emplace_back(s.col("lwje"), 0);
    if (s.kind == PartnerKind::Ghs)
        fields.emplace_back(QStringLiteral("ghs_lwje2"), 0);
    appendRow(s.table, fields);
}

}  // namespace

NamedQuery* PartnerSide::query() const
{
    return kind == PartnerKind::Ghs ? DataModule->Q_Ghsxx : DataModule->Q_Khxx;
}

const PartnerSide& PartnerSide::other() const
{
    return partnerSide(kind == PartnerKind::Ghs ? PartnerKind::Kh : PartnerKind::Ghs);
}

const PartnerSide& partnerSide(PartnerKind kind)
{
    static const PartnerSide ghs = makeGhs();
    static const PartnerSide kh = makeKh();
    return kind == PartnerKind::Ghs ? ghs : kh;
}

PartnerResult addPartner(PartnerKind kind, const PartnerFields& f)
{
    const PartnerSide& s = partnerSide(kind);
    const QString name = f.name.trimmed();
    if (name.isEmpty())
        return {QString(), s.nameRequired};
    const QString stored = sqlSafeName(name);
    Transaction tx;
    if (nameStored(s, stored))
        return {QString(), s.nameExists};
    if (f.isDefault)
        clearDefault(s);
    const QString code = getMaxSn(s.table, s.col("sn"));
    appendPartner(s, {{s.col("sn"), code},
                        {s.col("name"), stored},
                        {s.col("jm"), sqlSafeName(getPyJm(name))},
                        {s.col("lxr"), sqlSafeName(f.lxr.trimmed())},
                        {s.col("tele"), sqlSafeName(f.tele.trimmed())},
                        {s.col("address"), f.address.trimmed()},
                        {s.col("note"), storedNote(s, f.note)},
                        {s.col("default"), f.isDefault},
                        {s.col("forbid"), f.forbid},
                        {s.col("pl"), 0},
                        {s.typeColumn, f.typeName},
                        {QStringLiteral("z_name"), f.zoneName}});
    tx.commit();
    return {code, QString()};
}

QString modifyPartner(PartnerKind kind, const QString& code, const PartnerFields& f)
{
    const PartnerSide& s = partnerSide(kind);
    const QString name = f.name.trimmed();
    if (name.isEmpty())
        return s.nameRequired;
    Transaction tx;
    if (f.isDefault)
        clearDefault(s);
    execSql(QStringLiteral("update %1 set %2=:name,%3=:jm,%4=:lxr,%5=:tele,%6=:address,%7=:note,%8=:def,%9=:forbid,"
                           "%10=:type,z_name=:zone where %11=:sn")
                .arg(s.table, s.col("name"), s.col("jm"), s.col("lxr"), s.col("tele"), s.col("address"),
                     s.col("note"), s.col("default"), s.col("forbid"))
                .arg(s.typeColumn, s.col("sn")),
            {{QStringLiteral(":name"), sqlSafeName(name)},
             {QStringLiteral(":jm"), sqlSafeName(getPyJm(name))},
             {QStringLiteral(":lxr"), sqlSafeName(f.lxr.trimmed())},
             {QStringLiteral(":tele"), sqlSafeName(f.tele.trimmed())},
             {QStringLiteral(":address"), sqlSafeName(f.address.trimmed())},
             {QStringLiteral(":note"), storedNote(s, f.note)},
             {QStringLiteral(":def"), f.isDefault},
             {QStringLiteral(":forbid"), f.forbid},
             {QStringLiteral(":type"), f.typeName},
             {QStringLiteral(":zone"), f.zoneName},
             {QStringLiteral(":sn"), code}});
    tx.commit();
    return QString();
}

PartnerResult copyPartner(PartnerKind kind, const QString& sourceCode)
{
    const PartnerSide& s = partnerSide(kind);
    const PartnerSide& from = s.other();
    Transaction tx;
    const ResultSet src = openSelect(QStringLiteral("select * from %1 where %2=:sn").arg(from.table, from.col("sn")),
                                     {{QStringLiteral(":sn"), sourceCode}});
    if (src.isEmpty())
        return {};
    const QString name = src.text(0, from.col("name"));
    if (nameStored(s, name))
        return {QString(), s.nameExists};
    const QString code = getMaxSn(s.table, s.col("sn"));
    appendPartner(s, {{s.col("sn"), code},
                        {s.col("jm"), sqlSafeName(getPyJm(name))},
                        {s.col("name"), name},
                        {s.col("lxr"), src.text(0, from.col("lxr"))},
                        {s.col("tele"), src.text(0, from.col("tele"))},
                        {s.col("address"), src.text(0, from.col("address"))},
                        {s.col("note"), src.text(0, from.col("note"))},
                        {s.typeColumn, src.text(0, from.typeColumn)},
                        {QStringLiteral("z_name"), src.text(0, QStringLiteral("z_name"))},
                        {s.col("default"), false},
                        {s.col("forbid"), false},
                        {s.col("pl"), 0}});
    tx.commit();
    return {code, QString()};
}

bool partnerNameLocked(PartnerKind kind, const QString& code)
{
    if (kind == PartnerKind::Ghs)
        return anyRow({QStringLiteral("select ghs_sn from jxc_jhd where ghs_sn=:sn"),
                       QStringLiteral("select ghs_sn from jxc_thd where ghs_sn=:sn"),
                       QStringLiteral("select ghs_sn from jxc_ghsfk where ghs_sn=:sn")},
                      code);
    return anyRow({QStringLiteral("select kh_sn from jxc_lsxsd where kh_sn=:sn"),
                   QStringLiteral("select kh_sn from jxc_xsthd where kh_sn=:sn"),
                   QStringLiteral("select kh_sn from jxc_khfk where kh_sn=:sn"),
                   QStringLiteral("select k_qcje from jxc_ysyfk where k_type='kh' and k_qcje=0 and k_ghskh=:sn")},
                  code);
}

bool partnerHasBusiness(PartnerKind kind, const QString& code)
{
    // Every bill header (posted, pending or held at the till), payment and party-ledger row
    // that names the partner. Lists that join the partner table would silently lose them.
    if (kind == PartnerKind::Ghs)
        return anyRow({QStringLiteral("select ghs_sn from jxc_jhd where ghs_sn=:sn"),
                       QStringLiteral("select ghs_sn from jxc_thd where ghs_sn=:sn"),
                       QStringLiteral("select ghs_sn from jxc_shdj where ghs_sn=:sn and sh_flag='cj'"),
                       QStringLiteral("select ghs_sn from jxc_ghsfk where ghs_sn=:sn"),
                       QStringLiteral("select k_ghskh from jxc_ysyfk where k_type='ghs' and k_ghskh=:sn")},
                      code);
    return anyRow({QStringLiteral("select kh_sn from jxc_lsxsd where kh_sn=:sn"),
                   QStringLiteral("select kh_sn from jxc_xsthd where kh_sn=:sn"),
                   QStringLiteral("select kh_sn from jxc_posxsd where kh_sn=:sn"),
                   QStringLiteral("select kh_sn from jxc_posthd where kh_sn=:sn"),
                   QStringLiteral("select kh_sn from jxc_jhgl where kh_sn=:sn"),
                   QStringLiteral("select ghs_sn from jxc_shdj where ghs_sn=:sn and sh_flag='xs'"),
                   QStringLiteral("select kh_sn from jxc_khfk where kh_sn=:sn"),
                   QStringLiteral("select k_ghskh from jxc_ysyfk where k_type='kh' and k_ghskh=:sn")},
                  code);
}

QString partnerDeleteRefusal(PartnerKind kind, const QString& code)
{
    const PartnerSide& s = partnerSide(kind);
    if (partnerHasBusiness(kind, code))
        return s.hasBusiness;
    if (code == u"100001")
        return s.builtIn;
    return QString();
}

QString deletePartner(PartnerKind kind, const QString& code)
{
    const PartnerSide& s = partnerSide(kind);
    Transaction tx;
    const QString refusal = partnerDeleteRefusal(kind, code);
    if (!refusal.isEmpty())
        return refusal;
    execSql(QStringLiteral("delete from %1 where %2=:sn").arg(s.table, s.col("sn")), {{QStringLiteral(":sn"), code}});
    tx.commit();
    return QString();
}

void setPartnerForbid(PartnerKind kind, const QString& code, bool forbid)
{
    const PartnerSide& s = partnerSide(kind);
    execSql(QStringLiteral("update %1 set %2=:forbid where %3=:sn").arg(s.table, s.col("forbid"), s.col("sn")),
            {{QStringLiteral(":forbid"), forbid}, {QStringLiteral(":sn"), code}});
}

bool showPartnerInList(PartnerKind kind, const QString& code)
{
    const PartnerSide& s = partnerSide(kind);
    NamedQuery* q = s.query();
    if (!q->isOpen())
        return false;
    q->refresh();
    return q->locate(s.col("sn"), code);
}

void syncGhsBalanceCopy()
{
    execSql(QStringLiteral("update jxc_ghsxx set ghs_lwje2=ghs_lwje"));
}
