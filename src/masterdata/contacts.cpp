#include "masterdata/contacts.h"

#include "data/database.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/textrules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString contactTable(PartnerKind kind)
{
    return kind == PartnerKind::Ghs ? QStringLiteral("jxc_ghslx") : QStringLiteral("jxc_khlx");
}

QString contractTable(PartnerKind kind)
{
    return kind == PartnerKind::Ghs ? QStringLiteral("jxc_htgl") : QStringLiteral("jxc_khhtgl");
}

QString partnerColumn(PartnerKind kind)
{
    return kind == PartnerKind::Ghs ? QStringLiteral("ghs_sn") : QStringLiteral("kh_sn");
}

QString contactRefusal(const QString& uSn, const QString& content)
{
    if (content.trimmed().isEmpty())
        return QString::fromUtf16(kContactRequired);
    if (uSn.isEmpty())
        return QString::fromUtf16(kContactStaffRequired);
    return QString();
}

QString contractRefusal(const ContractInput& input)
{
    if (input.name.trimmed().isEmpty())
        return QStringLiteral("合同名称必须填写！");
    if (input.path.trimmed().isEmpty())
        return QStringLiteral("合同位置不能为空！");
    if (input.uSn.isEmpty())
        return QStringLiteral("请选择经办人！");
    return QString();
}

// Copies `source` to `target`, replacing a file there. False when it could not.
bool copyReplacing(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile() || !QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return true;
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return false;
    return QFile::copy(source, target);
}

// Removes a kept file and its contract folder when that is left empty.
void removeKeptFile(const QString& path)
{
    if (path.isEmpty())
        return;
    QFile::remove(path);
    QDir().rmdir(QFileInfo(path).absolutePath());
}

}  // namespace

// ---- Contact logs --------------------------------------------------------------------------------

QString addContactLog(PartnerKind kind, const QString& partnerSn, const QString& date, const QString& uSn,
                      const QString& content)
{
    const QString refusal = contactRefusal(uSn, content);
    if (!refusal.isEmpty())
        return refusal;
    Transaction tx;
    execSql(QStringLiteral("insert into %1 (lx_rq,lx_note,u_sn,%2) values (?,?,?,?)").arg(contactTable(kind), partnerColumn(kind)),
            {{QString(), date}, {QString(), sqlSafeName(content.trimmed())}, {QString(), uSn}, {QString(), partnerSn}});
    tx.commit();
    return QString();
}

QString modifyContactLog(PartnerKind kind, qint64 id, const QString& date, const QString& uSn, const QString& content)
{
    const QString refusal = contactRefusal(uSn, content);
    if (!refusal.isEmpty())
        return refusal;
    Transaction tx;
    execSql(QStringLiteral("update %1 set lx_rq=?,lx_note=?,u_sn=? where id=?").arg(contactTable(kind)),
            {{QString(), date}, {QString(), sqlSafeName(content.trimmed())}, {QString(), uSn}, {QString(), id}});
    tx.commit();
    return QString();
}

// ---- Diary -----------------------------------------------------------------------------------------

QString addDiaryEntry(const QString& uSn, const QString& date, const QString& content)
{
    if (content.trimmed().isEmpty())
        return QString::fromUtf16(kDiaryRequired);
    Transaction tx;
    execSql(QStringLiteral("insert into jxc_ywyrz (rz_rq,rz_note,u_sn) values (?,?,?)"),
            {{QString(), date}, {QString(), sqlSafeName(content.trimmed())}, {QString(), uSn}});
    tx.commit();
    return QString();
}

QString modifyDiaryEntry(qint64 id, const QString& date, const QString& content)
{
    if (content.trimmed().isEmpty())
        return QString::fromUtf16(kDiaryRequired);
    Transaction tx;
    execSql(QStringLiteral("update jxc_ywyrz set rz_rq=?,rz_note=? where id=?"),
            {{QString(), date}, {QString(), sqlSafeName(content.trimmed())}, {QString(), id}});
    tx.commit();
    return QString();
}

void deleteDiaryEntry(qint64 id)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_ywyrz where id=?"), {{QString(), id}});
    tx.commit();
}

void saveStaffNote(const QString& uSn, const QString& note)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_user set u_note=? where u_sn=?"), {{QString(), note.trimmed()}, {QString(), uSn}});
    tx.commit();
}

// ---- Contracts -------------------------------------------------------------------------------------

QString contractFolder(PartnerKind kind, const QString& partnerSn, const QString& htSn)
{
    return shopPath((kind == PartnerKind::Ghs ? QStringLiteral("ghsht/") : QStringLiteral("khht/")) + partnerSn + u'/' + htSn);
}

SaveOutcome addContract(PartnerKind kind, const QString& partnerSn, const ContractInput& input)
{
    const QString refusal = contractRefusal(input);
    if (!refusal.isEmpty())
        return {QString(), refusal};
    const QString table = contractTable(kind);
    Transaction tx;
    const QString htSn = getMaxSn(table, QStringLiteral("ht_sn"));
    const QString source = input.path.trimmed();
    const QString target = contractFolder(kind, partnerSn, htSn) + u'/' + QFileInfo(source).fileName();
    if (!copyReplacing(source, target))
        return {QString(), QString::fromUtf16(kContractCopyFailed)};
    try {
        const QString name = input.name.trimmed();
        execSql(QStringLiteral("insert into %1 (ht_sn,ht_rq,ht_name,ht_path,u_sn,ht_jm,%2) values (?,?,?,?,?,?,?)")
                    .arg(table, partnerColumn(kind)),
                {{QString(), htSn},
                 {QString(), input.date.toString(QStringLiteral("yyyy-MM-dd"))},
                 {QString(), sqlSafeName(name)},
                 {QString(), target},
                 {QString(), input.uSn},
                 {QString(), getPyJm(name)},
                 {QString(), partnerSn}});
        tx.commit();
    } catch (...) {
        removeKeptFile(target);
        throw;
    }
    return {htSn, QString()};
}

QString modifyContract(PartnerKind kind, const QString& htSn, const ContractInput& input)
{
    const QString refusal = contractRefusal(input);
    if (!refusal.isEmpty())
        return refusal;
    const QString table = contractTable(kind);
    Transaction tx;
    const ResultSet row = openSelect(QStringLiteral("select * from %1 where ht_sn=?").arg(table), {{QString(), htSn}});
    if (row.isEmpty())
        return QString();
    const QString source = input.path.trimmed();
    const QString kept = row.text(0, QStringLiteral("ht_path"));
    QString target = kept;
    if (QFileInfo(source).absoluteFilePath() != QFileInfo(kept).absoluteFilePath()) {
        target = contractFolder(kind, row.text(0, partnerColumn(kind)), htSn) + u'/' + QFileInfo(source).fileName();
        if (!copyReplacing(source, target))
            return QString::fromUtf16(kContractCopyFailed);
    }
    const QString name = input.name.trimmed();
    execSql(QStringLiteral("update %1 set ht_rq=?,ht_name=?,ht_path=?,u_sn=?,ht_jm=? where ht_sn=?").arg(table),
            {{QString(), input.date.toString(QStringLiteral("yyyy-MM-dd"))},
             {QString(), sqlSafeName(name)},
             {QString(), target},
             {QString(), input.uSn},
             {QString(), getPyJm(name)},
             {QString(), htSn}});
    tx.commit();
    return QString();
}

void deleteContract(PartnerKind kind, const QString& htSn)
{
    const QString table = contractTable(kind);
    QString path;
    {
        Transaction tx;
        path = selectValue(QStringLiteral("select ht_path from %1 where ht_sn=?").arg(table), {{QString(), htSn}});
        execSql(QStringLiteral("delete from %1 where ht_sn=?").arg(table), {{QString(), htSn}});
        tx.commit();
    }
    removeKeptFile(path);
}

QString contractPartnerDeleteRefusal(PartnerKind kind, const QString& code)
{
    const PartnerSide& s = partnerSide(kind);
    if (code == u"100001")
        return s.builtIn;
    const bool hasContract =
        !selectValue(QStringLiteral("select ht_sn from %1 where %2=? limit 1").arg(contractTable(kind), partnerColumn(kind)),
                     {{QString(), code}})
             .isEmpty();
    const QString withContracts = kind == PartnerKind::Ghs ? QStringLiteral("该供货商已存在合同，不能删除！")
                                                           : QStringLiteral("该客户已存在合同，不能删除！");
    // Suppliers are tested for contracts before business, customers after.
    if (kind == PartnerKind::Ghs && hasContract)
        return withContracts;
    if (partnerHasBusiness(kind, code))
        return s.hasBusiness;
    return hasContract ? withContracts : QString();
}
