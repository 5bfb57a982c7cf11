// The Excel import engine on plain values: the column mapping (jxc_importchk), the preview
// (jxc_importdata) and the walk that checks and inserts the ticked preview rows, giving each its
// status. The goods, supplier and customer imports plug their checks and inserts into it; the
// wizard windows only call these functions. Workbooks are read through the Excel connection.
#pragma once

#include "masterdata/partners.h"

#include <QString>
#include <QStringList>

// Status marks of a preview row.
enum ImportMark { ImportWaiting = 1, ImportDone = 2, ImportRefused = 3 };

// The one message of a workbook that cannot be read (not a workbook, no such sheet, no reader).
QString importWorkbookMessage();
// "模板中没有数据，不能进行导入操作！"
QString importEmptyMessage();

// The sheet read from a workbook: the file name without its last four characters (".xls").
QString importSheetName(const QString& path);

// Reads the headings of the workbook's sheet and appends one mapping row per column, ticked and
// mapped when the heading is a caption of `table` in the catalogue. Returns the number of
// columns, or -1 when the workbook cannot be read (nothing is written then).
int appendImportMapping(const QString& path, const QString& table);
void clearImportMapping();
// A mapping row's tick: unticking also forgets its field.
void setMappingTick(qint64 id, bool on);
void setMappingField(qint64 id, const QString& field);

// What a goods import needs to know besides the workbook.
struct GoodsImportOptions {
    QString path;
    int gcCid = 0;         // the chosen (leaf) category
    QString gcSn;
    bool autoSn = true;    // codes drawn for the category, the code column ignored
    bool uniqueNames = false;
};

// Empties the preview and lists one row per sheet record ("[code]name"), ticked or not.
// Returns the number of rows listed, or -1 when the workbook cannot be read.
int buildGoodsPreview(const GoodsImportOptions& options, bool tick);
// The partner preview lists the name cells as read.
int buildPartnerPreview(PartnerKind kind, const QString& path, bool tick);
// Ticks or unticks every preview row.
void setPreviewTicks(bool on);
void setPreviewTick(qint64 id, bool on);

struct ImportSummary {
    int total = 0;      // listed rows walked, ticked or not
    int success = 0;
    int cancelled = 0;  // unticked rows
    int failed() const { return total - cancelled - success; }
};
// "导入完毕\r\n\r\n共" … "取消导入" … "条".
QString importSummaryText(const ImportSummary& summary);

// The outcome of a run: the summary, or the refusal to show when nothing was done (an empty
// preview, a workbook that cannot be read).
struct ImportRun {
    ImportSummary summary;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

// The walk over the sheet with the preview, in one Transaction: every ticked row is checked and
// inserted or refused with its status; a database error rolls the whole run back and throws.
ImportRun importGoods(const GoodsImportOptions& options);
ImportRun importPartners(PartnerKind kind, const QString& path);

// The template workbooks shipped in "模板文件": their file names, and a template written anew
// (one sheet named after the file, the catalogue's captions of the table as headings).
QString importTemplateName(const QString& table);
void writeImportTemplate(const QString& table, const QString& path);
// A template workbook: one sheet named after the file (importSheetName), `headings` in its first row.
void writeTemplateWorkbook(const QStringList& headings, const QString& path);
