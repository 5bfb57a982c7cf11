#include "masterdata/importdata.h"

#include "data/combos.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/textrules.h"
#include "masterdata/importengine.h"
#include "platform/xlswriter.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <optional>

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

struct PreviewRow {
    qint64 id;
    bool ticked;
};

QList<PreviewRow> previewRows()
{
    QList<PreviewRow> rows;
    const ResultSet rs = openSelect(QStringLiteral("select id,id_sele from jxc_importdata order by id"));
    for (int r = 0; r < rs.rowCount(); ++r)
        rows.append({rs.text(r, 0).toLongLong(), rs.text(r, 1) == QLatin1String("True")});
    return rows;
}

bool exists(const QString& sql, const QString& value)
{
    return !openSelect(sql, {{QString(), value}}).isEmpty();
}

// The code of a named group; the built-in group for an empty cell or its own name, a new group
// (without members) for a name not yet stored.
QString groupCode(const QString& cell, const char* builtIn, const QString& table, const QString& prefix)
{
    if (cell.isEmpty() || cell == S(builtIn))
        return QStringLiteral("100001");
    const QString sn = prefix + QLatin1String("_sn"), name = prefix + QLatin1String("_name");
    const QString found =
        selectValue(QStringLiteral("select %1 from %2 where %3=?").arg(sn, table, name), {{QString(), cell}});
    if (!found.isEmpty())
        return found;
    const QString code = getMaxSn(table, sn);
    execSql(QStringLiteral("insert into %1 (%2,%3) values (?,?)").arg(table, sn, name),
            {{QString(), code}, {QString(), cell}});
    return code;
}

// A vocabulary entry (unit, brand, type, zone) added under the next code when not yet stored.
void addNamedEntry(const QString& table, const QString& prefix, const QString& name, bool withDefault)
{
    const QString sn = prefix + QLatin1String("_sn"), col = prefix + QLatin1String("_name");
    if (exists(QStringLiteral("select %1 from %2 where %1=?").arg(col, table), name))
        return;
    const QString code = getMaxSn(table, sn);
    if (withDefault)
        execSql(QStringLiteral("insert into %1 (%2,%3,%4_default) values (?,?,0)").arg(table, sn, col, prefix),
                {{QString(), code}, {QString(), name}});
    else
        execSql(QStringLiteral("insert into %1 (%2,%3) values (?,?)").arg(table, sn, col),
                {{QString(), code}, {QString(), name}});
}

QString nextCode(const QString& code)
{
    return QString::number(code.toLongLong() + 1);
}

const char* const kGoodsFields[] = {"g_sn",  "g_name", "g_sptm",     "dw_name", "gg_name", "g_jj",
                                    "g_sj",  "g_zdkc", "g_sccs",     "color_name", "g_bz", "cmz_name"};

}  // namespace

namespace importengine {

std::optional<ResultSet> readSheet(const QString& path, bool headingsOnly)
{
    setExcelConn(path);
    std::optional<ResultSet> rows;
    try {
        openQuery(DataModule->Q_Excel, QStringLiteral("select * from [%1$]%2")
                                           .arg(importSheetName(path), headingsOnly ? QStringLiteral(" where 1>2")
                                                                                    : QString()));
        rows = DataModule->Q_Excel->result();
    } catch (const DbError&) {
    }
    closeExcelConn();
    return rows;
}

QHash<QString, QString> mappedColumns()
{
    QHash<QString, QString> columns;
    const ResultSet rs = openSelect(QStringLiteral("select i_fieldid,i_excelfield from jxc_importchk "
                                                   "where i_fieldid<>'' order by id"));
    for (int r = 0; r < rs.rowCount(); ++r)
        if (!columns.contains(rs.text(r, 0)))
            columns.insert(rs.text(r, 0), rs.text(r, 1));
    return columns;
}

SheetRow::SheetRow(const ResultSet& sheet, const QHash<QString, QString>& columns) : m_sheet(sheet)
{
    for (auto it = columns.begin(); it != columns.end(); ++it)
        m_index.insert(it.key(), sheet.columnIndex(it.value()));
}

QString SheetRow::cell(const QString& field) const
{
    const int col = m_index.value(field, -1);
    return col < 0 ? QString() : m_sheet.text(m_row, col);
}

int ColumnWidths::width(const QString& table, const QString& column)
{
    if (!m_tables.contains(table)) {
        static const QRegularExpression re(QStringLiteral("varchar\\((\\d+)\\)"),
                                           QRegularExpression::CaseInsensitiveOption);
        QHash<QString, int> widths;
        const ResultSet rs =
            openSelect(QStringLiteral("select name,type from pragma_table_info(?)"), {{QString(), table}});
        for (int r = 0; r < rs.rowCount(); ++r) {
            const auto m = re.match(rs.text(r, 1));
            if (m.hasMatch())
                widths.insert(rs.text(r, 0).toLower(), m.captured(1).toInt());
        }
        m_tables.insert(table, widths);
    }
    return m_tables[table].value(column.toLower(), -1);
}

QString cellRefusal(const QList<CellRule>& rules, const QHash<QString, QString>& values, ColumnWidths& widths)
{
    for (const CellRule& rule : rules) {
        const QString value = values.value(QLatin1String(rule.field));
        if (rule.targets.isEmpty()) {
            bool ok = true;
            const double number = value.isEmpty() ? 0 : value.toDouble(&ok);
            if (!ok || !std::isfinite(number))
                return S("导入失败,") + S(rule.caption) + S("必须是数字!");
            continue;
        }
        for (const auto& [table, column] : rule.targets) {
            const int width = widths.width(table, column);
            if (width >= 0 && value.size() > width)
                return S("导入失败,") + S(rule.caption) + S("超过") + QString::number(width) + S("个字符!");
        }
    }
    return QString();
}

void addPreviewRow(const QString& label, bool tick)
{
    execSql(QStringLiteral("insert into jxc_importdata (id_exceldata,id_sele,id_image) values (?,?,1)"),
            {{QString(), label}, {QString(), tick}});
}

void setStatus(qint64 id, ImportMark mark, const QString& text)
{
    execSql(QStringLiteral("update jxc_importdata set id_image=?,id_status=? where id=?"),
            {{QString(), int(mark)}, {QString(), text}, {QString(), id}});
}

ImportSummary walk(const ResultSet& sheet, SheetRow& row, const std::function<bool()>& listed,
                   const std::function<RowOutcome()>& importRow)
{
    ImportSummary summary;
    const QList<PreviewRow> preview = previewRows();
    int p = 0;
    for (int r = 0; r < sheet.rowCount() && p < preview.size(); ++r) {
        row.setRow(r);
        if (!listed())
            continue;
        const PreviewRow& target = preview.at(p++);
        ++summary.total;
        if (!target.ticked) {
            ++summary.cancelled;
            continue;
        }
        const RowOutcome outcome = importRow();
        if (!outcome.imported) {
            setStatus(target.id, ImportRefused, outcome.text);
            continue;
        }
        ++summary.success;
        if (outcome.text.isEmpty())
            setStatus(target.id, ImportDone, S("导入成功"));
        else
            setStatus(target.id, ImportWaiting, outcome.text);
    }
    return summary;
}

ImportSummary walk(const ResultSet& sheet, SheetRow& row, const std::function<bool()>& listed,
                   const std::function<QString()>& importRow)
{
    return walk(sheet, row, listed, std::function<RowOutcome()>([&importRow] {
                    const QString refusal = importRow();
                    return RowOutcome{refusal.isEmpty(), refusal};
                }));
}

}  // namespace importengine

using namespace importengine;


QString importWorkbookMessage()
{
    return S("您没有安装Excel或导入文件不是Excel，不能进行导入操作！");
}

QString importEmptyMessage()
{
    return S("模板中没有数据，不能进行导入操作！");
}

QString importSheetName(const QString& path)
{
    return QFileInfo(path).fileName().chopped(qMin(4, QFileInfo(path).fileName().size()));
}

int appendImportMapping(const QString& path, const QString& table)
{
    const auto sheet = readSheet(path, true);
    if (!sheet)
        return -1;
    Transaction tx;
    for (const ResultColumn& column : sheet->columns()) {
        const QString field = getImportFieldId(column.name, table);
        execSql(QStringLiteral("insert into jxc_importchk (i_fieldid,i_excelfield,i_sele,i_image) values (?,?,?,0)"),
                {{QString(), field}, {QString(), column.name}, {QString(), !field.isEmpty()}});
    }
    tx.commit();
    return sheet->columnCount();
}

void clearImportMapping()
{
    execSql(QStringLiteral("delete from jxc_importchk"));
}

void setMappingTick(qint64 id, bool on)
{
    if (on)
        execSql(QStringLiteral("update jxc_importchk set i_sele=1 where id=?"), {{QString(), id}});
    else
        execSql(QStringLiteral("update jxc_importchk set i_sele=0,i_fieldid='' where id=?"), {{QString(), id}});
}

void setMappingField(qint64 id, const QString& field)
{
    execSql(QStringLiteral("update jxc_importchk set i_fieldid=? where id=?"), {{QString(), field}, {QString(), id}});
}

int buildGoodsPreview(const GoodsImportOptions& o, bool tick)
{
    const auto sheet = readSheet(o.path);
    if (!sheet)
        return -1;
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_importdata"));
    SheetRow row(*sheet, mappedColumns());
    QString code = o.autoSn ? getMaxGoodsSn(o.gcCid) : QString();
    int count = 0;
    for (int r = 0; r < sheet->rowCount(); ++r) {
        row.setRow(r);
        const QString sn = o.autoSn ? code : row.cell(QStringLiteral("g_sn"));
        const QString name = row.cell(QStringLiteral("g_name"));
        if (!sn.isEmpty() && !name.isEmpty()) {
            addPreviewRow(QLatin1Char('[') + sn + QLatin1Char(']') + name, tick);
            ++count;
        }
        if (o.autoSn)
            code = nextCode(code);
    }
    tx.commit();
    return count;
}

int buildPartnerPreview(PartnerKind kind, const QString& path, bool tick)
{
    const PartnerSide& s = partnerSide(kind);
    const auto sheet = readSheet(path);
    if (!sheet)
        return -1;
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_importdata"));
    SheetRow row(*sheet, mappedColumns());
    int count = 0;
    for (int r = 0; r < sheet->rowCount(); ++r) {
        row.setRow(r);
        const QString name = row.cell(s.col("name"));
        if (!name.isEmpty()) {
            addPreviewRow(name, tick);
            ++count;
        }
    }
    tx.commit();
    return count;
}

void setPreviewTicks(bool on)
{
    execSql(QStringLiteral("update jxc_importdata set id_sele=?"), {{QString(), on}});
}

void setPreviewTick(qint64 id, bool on)
{
    execSql(QStringLiteral("update jxc_importdata set id_sele=? where id=?"), {{QString(), on}, {QString(), id}});
}

QString importSummaryText(const ImportSummary& s)
{
    return S("导入完毕\r\n\r\n共") + QString::number(s.total) + S("条记录") + S("\r\n\r\n") + S("成功导入") +
           QString::number(s.success) + S("条") + S("\r\n\r\n") + S("失败") + QString::number(s.failed()) + S("条") +
           S("\r\n\r\n") + S("取消导入") + QString::number(s.cancelled) + S("条");
}

ImportRun importGoods(const GoodsImportOptions& o)
{
    if (selectValue(QStringLiteral("select count(*) from jxc_importdata")).toInt() == 0)
        return {{}, importEmptyMessage()};
    const auto sheet = readSheet(o.path);
    if (!sheet)
        return {{}, importWorkbookMessage()};

    const QHash<QString, QString> columns = mappedColumns();
    SheetRow row(*sheet, columns);
    const QString ghsSn = selectValue(QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_default<>0"));
    const auto goods = [](const char* column) { return QPair<QString, QString>(QStringLiteral("jxc_goods"), S(column)); };
    const QList<CellRule> rules = {
        {"g_sn", "商品编号", {goods("g_sn")}},
        {"g_name", "商品名称", {goods("g_name")}},
        {"g_sptm", "商品条码", {goods("g_sptm")}},
        {"dw_name", "单位", {goods("dw_name"), {QStringLiteral("jxc_dw"), QStringLiteral("dw_name")}}},
        {"gg_name", "款型说明", {goods("gg_name")}},
        {"g_jj", "预设进价", {}},
        {"g_sj", "预设售价", {}},
        {"g_zdkc", "最低库存", {}},
        {"g_sccs", "品牌厂商", {goods("g_sccs"), {QStringLiteral("jxc_ppcs"), QStringLiteral("pp_name")}}},
        {"color_name", "颜色组", {goods("color_name"), {QStringLiteral("jxc_colorz"), QStringLiteral("colorz_name")}}},
        {"g_bz", "备注", {goods("g_bz")}},
        {"cmz_name", "尺码组", {goods("cmz_name"), {QStringLiteral("jxc_cmz"), QStringLiteral("cmz_name")}}},
    };
    ColumnWidths widths;

    Transaction tx;
    QString code = getMaxGoodsSn(o.gcCid);
    const auto listed = [&] {
        return !row.cell(QStringLiteral("g_name")).isEmpty() && (o.autoSn || !row.cell(QStringLiteral("g_sn")).isEmpty());
    };
    const auto importRow = [&]() -> QString {
        const QString sn = o.autoSn ? code : row.trimmed(QStringLiteral("g_sn"));
        const QString name = row.trimmed(QStringLiteral("g_name"));
        const QString unit = row.cell(QStringLiteral("dw_name"));
        if (sn.isEmpty())
            return S("导入失败,商品编号不能为空!");
        if (name.isEmpty())
            return S("导入失败,商品名称不能为空!");
        if (unit.trimmed().isEmpty())
            return S("导入失败,单位不能为空!");
        if (!o.autoSn && exists(QStringLiteral("select g_sn from jxc_goods where g_sn=?"), sn))
            return S("导入失败,商品编号已经存在!");
        if (o.uniqueNames && exists(QStringLiteral("select g_name from jxc_goods where g_name=?"), name))
            return S("导入失败,商品名称已经存在!");

        // What is stored: most cells trimmed, the unit and the style as read.
        QHash<QString, QString> values;
        for (const char* field : kGoodsFields)
            values.insert(S(field), row.trimmed(S(field)));
        values[QStringLiteral("g_sn")] = sn;
        values[QStringLiteral("dw_name")] = unit;
        values[QStringLiteral("gg_name")] = row.cell(QStringLiteral("gg_name"));
        const QString colorCell = row.cell(QStringLiteral("color_name"));
        const QString sizeCell = row.cell(QStringLiteral("cmz_name"));
        const QString brandCell = row.cell(QStringLiteral("g_sccs"));
        // The groups, unit and brand are stored as read: their untrimmed cells must fit too.
        QHash<QString, QString> asRead = values;
        asRead[QStringLiteral("color_name")] = colorCell;
        asRead[QStringLiteral("cmz_name")] = sizeCell;
        asRead[QStringLiteral("g_sccs")] = brandCell;
        for (const QHash<QString, QString>* v : {&values, &asRead})
            if (const QString refusal = cellRefusal(rules, *v, widths); !refusal.isEmpty())
                return refusal;

        const QString colorzSn = groupCode(colorCell, "不关心颜色", QStringLiteral("jxc_colorz"), QStringLiteral("colorz"));
        const QString cmzSn = groupCode(sizeCell, "不关心尺码", QStringLiteral("jxc_cmz"), QStringLiteral("cmz"));
        const auto number = [&](const char* field) {
            const QString v = values.value(S(field));
            return v.isEmpty() ? 0.0 : v.toDouble();
        };
        const double jj = number("g_jj");
        const QString style = values.value(QStringLiteral("gg_name"));
        execSql(QStringLiteral(
                    "insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_sj,g_zdkc,g_tjsp,g_sccs,g_bz,"
                    "g_kc,g_scjj,g_cbj,g_cgpl,g_xspl,g_jy,g_sptm,g_pjjj,ghs_sn,"
                    "gc_cid,gc_sn,dw_name,gg_name,color_name,gg_jm,color_jm,"
                    "g_tjqx,g_iszp,g_hyj,g_tj,g_zpjf,g_dzll,g_dxdz,cmz_name,g_tmtype,"
                    "g_clxs,g_tclb,g_tc,g_tssp,g_tsjf,colorz_sn,cmz_sn)"
                    " values (:sn,:name,:jm,:jj,:sj,:zdkc,0,:sccs,:bz,0,:jj,:jj,0,0,0,:sptm,:jj,:ghs,"
                    ":cid,:gcsn,:dw,:gg,:color,:ggjm,'',0,0,0,0,0,1,0,:cmz,1,0,0,0,0,0,:colorz,:cmzsn)"),
                {{QStringLiteral(":sn"), sn},
                 {QStringLiteral(":name"), name},
                 {QStringLiteral(":jm"), getPyJm(name)},
                 {QStringLiteral(":jj"), jj},
                 {QStringLiteral(":sj"), number("g_sj")},
                 {QStringLiteral(":zdkc"), number("g_zdkc")},
                 {QStringLiteral(":sccs"), values.value(QStringLiteral("g_sccs"))},
                 {QStringLiteral(":bz"), values.value(QStringLiteral("g_bz"))},
                 {QStringLiteral(":sptm"), values.value(QStringLiteral("g_sptm"))},
                 {QStringLiteral(":ghs"), ghsSn},
                 {QStringLiteral(":cid"), o.gcCid},
                 {QStringLiteral(":gcsn"), o.gcSn},
                 {QStringLiteral(":dw"), unit},
                 {QStringLiteral(":gg"), style},
                 {QStringLiteral(":color"), values.value(QStringLiteral("color_name"))},
                 {QStringLiteral(":ggjm"), row.mapped(QStringLiteral("gg_name")) ? getPyJm(style.trimmed()) : QString()},
                 {QStringLiteral(":cmz"), values.value(QStringLiteral("cmz_name"))},
                 {QStringLiteral(":colorz"), colorzSn},
                 {QStringLiteral(":cmzsn"), cmzSn}});
        if (o.autoSn)
            code = nextCode(code);
        if (!unit.isEmpty())
            addNamedEntry(QStringLiteral("jxc_dw"), QStringLiteral("dw"), unit, false);
        if (!brandCell.isEmpty() && brandCell != S("默认品牌"))
            addNamedEntry(QStringLiteral("jxc_ppcs"), QStringLiteral("pp"), brandCell, false);
        return QString();
    };
    const ImportSummary summary = walk(*sheet, row, listed, importRow);
    tx.commit();
    return {summary, QString()};
}

ImportRun importPartners(PartnerKind kind, const QString& path)
{
    const PartnerSide& s = partnerSide(kind);
    if (selectValue(QStringLiteral("select count(*) from jxc_importdata")).toInt() == 0)
        return {{}, importEmptyMessage()};
    const auto sheet = readSheet(path);
    if (!sheet)
        return {{}, importWorkbookMessage()};

    SheetRow row(*sheet, mappedColumns());
    const bool ghs = kind == PartnerKind::Ghs;
    const QString who = ghs ? S("供货商") : S("客户");
    const QString typeCol = s.typeColumn;                      // gt_name / kt_name
    const QString typePrefix = typeCol.left(typeCol.size() - 5);  // gt / kt
    const auto target = [&](const QString& column) { return QPair<QString, QString>(s.table, column); };
    const QList<CellRule> rules = {
        {"name", ghs ? "供货商名称" : "客户名称", {target(s.col("name"))}},
        {"lxr", "联系人", {target(s.col("lxr"))}},
        {"tele", "联系电话", {target(s.col("tele"))}},
        {"type", ghs ? "供货商类型" : "客户类型", {target(typeCol), {s.typeTable, typeCol}}},
        {"zone", "所属地区", {target(QStringLiteral("z_name")), {QStringLiteral("jxc_zone"), QStringLiteral("z_name")}}},
        {"address", "联系地址", {target(s.col("address"))}},
        {"note", "备注", {target(s.col("note"))}},
    };
    ColumnWidths widths;

    Transaction tx;
    const auto listed = [&] { return !row.cell(s.col("name")).isEmpty(); };
    const auto importRow = [&]() -> QString {
        const QString name = row.trimmed(s.col("name"));
        if (name.isEmpty())
            return S("导入失败,") + who + S("名称不能为空!");
        if (!openSelect(QStringLiteral("select %1 from %2 where %1=? or %1=?").arg(s.col("name"), s.table),
                        {{QString(), name}, {QString(), sqlSafeName(name)}})
                 .isEmpty())
            return S("导入失败,") + who + S("已经存在!");
        // A column that is not mapped stays null.
        const auto param = [&](const QString& field, bool trim = true) -> QVariant {
            if (!row.mapped(field))
                return QVariant();
            return trim ? row.trimmed(field) : row.cell(field);
        };
        const QHash<QString, QString> values = {
            {QStringLiteral("name"), name},
            {QStringLiteral("lxr"), row.trimmed(s.col("lxr"))},
            {QStringLiteral("tele"), row.trimmed(s.col("tele"))},
            {QStringLiteral("type"), row.trimmed(typeCol)},
            {QStringLiteral("zone"), row.cell(QStringLiteral("z_name"))},
            {QStringLiteral("address"), row.trimmed(s.col("address"))},
            {QStringLiteral("note"), row.trimmed(s.col("note"))},
        };
        if (const QString refusal = cellRefusal(rules, values, widths); !refusal.isEmpty())
            return refusal;

        const QString code = getMaxSn(s.table, s.col("sn"));
        SqlParams params = {{QStringLiteral(":sn"), code},
                            {QStringLiteral(":name"), name},
                            {QStringLiteral(":jm"), getPyJm(name)},
                            {QStringLiteral(":lxr"), param(s.col("lxr"))},
                            {QStringLiteral(":tele"), param(s.col("tele"))},
                            {QStringLiteral(":address"), param(s.col("address"))},
                            {QStringLiteral(":note"), param(s.col("note"))},
                            {QStringLiteral(":gtname"), param(typeCol)},
                            {QStringLiteral(":zname"), param(QStringLiteral("z_name"), false)}};
        const QString p = s.prefix;
        execSql(QStringLiteral("insert into %1 (%2sn,%2name,%2jm,%2lxr,%2tele,%2address,%2note,%3,z_name,"
                               "%2default,%2forbid,%2lwje,%2pl%4) values (:sn,:name,:jm,:lxr,:tele,:address,:note,"
                               ":gtname,:zname,0,0,0,0%5)")
                    .arg(s.table, p, typeCol, ghs ? QStringLiteral(",ghs_lwje2") : QString(),
                         ghs ? QStringLiteral(",0") : QString()),
                params);
        const QString type = values.value(QStringLiteral("type"));
        if (!type.isEmpty())
            addNamedEntry(s.typeTable, typePrefix, type, true);
        const QString zone = values.value(QStringLiteral("zone"));
        if (!zone.trimmed().isEmpty())
            addNamedEntry(QStringLiteral("jxc_zone"), QStringLiteral("z"), zone, true);
        return QString();
    };
    const ImportSummary summary = walk(*sheet, row, listed, importRow);
    tx.commit();
    return {summary, QString()};
}

QString importTemplateName(const QString& table)
{
    if (table == QLatin1String("jxc_ghsxx"))
        return S("供货商模板.xls");
    if (table == QLatin1String("jxc_khxx"))
        return S("客户模板.xls");
    if (table == QLatin1String("jxc_hyxx"))
        return S("会员信息模板.xls");
    return S("商品信息模板.xls");
}

void writeImportTemplate(const QString& table, const QString& path)
{
    const ResultSet rs = openSelect(QStringLiteral("select i_fieldname from jxc_import where i_tablename=? order by id"),
                                    {{QString(), table}});
    QStringList headings;
    for (int r = 0; r < rs.rowCount(); ++r)
        headings << rs.text(r, 0);
    writeTemplateWorkbook(headings, path);
}

void writeTemplateWorkbook(const QStringList& headings, const QString& path)
{
    XlsWorkbook book;
    XlsSheet& sheet = book.addSheet(importSheetName(path));
    for (int c = 0; c < headings.size(); ++c)
        sheet.setText(0, c, headings[c]);
    book.save(path);
}
