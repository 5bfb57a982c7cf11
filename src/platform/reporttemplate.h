// Report templates: the page, its bands and the objects on them, and the template file format.
//
// A template is a small XML file (the files under report/ keep the system's names, "cgjh.fr3"):
//
//   <report>
//     <page width="241" height="140" left="8" top="6" right="8" bottom="6"/>
//     <band type="pageHeader" height="30">
//       <text x="0" y="0" w="225" h="9" size="16" bold="1" align="center">采购进货单</text>
//     </band>
//     <band type="masterData" height="6" dataset="frxDBDataset1">
//       <text x="0" y="0" w="40" h="6" frame="ltrb">[frxDBDataset1."g_name"]</text>
//     </band>
//   </report>
//
// Lengths are millimetres (positions relative to the band's top-left corner inside the page
// margins), font sizes and line widths points. Attributes at their default value are left out.
// Texts hold expressions in square brackets: [variable], [dataset."field"], [SUM(<dataset."field">)],
// [COUNT(<dataset>)], [PAGE#], [TOTALPAGES#], [LINE#], [DATE], [TIME].
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QVector>

enum class ReportObjectKind { Text, Line, Barcode, Picture };
enum class ReportBandKind { ReportTitle, PageHeader, GroupHeader, MasterData, GroupFooter, Summary, PageFooter };
enum class ReportHAlign { Left, Center, Right };
enum class ReportVAlign { Top, Center, Bottom };
enum class ReportBarcodeType { Code128, Ean13 };

struct ReportFont {
    QString family = defaultFamily();
    double size = 9;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;

    static QString defaultFamily();
    bool operator==(const ReportFont&) const = default;
};

struct ReportObject {
    ReportObjectKind kind = ReportObjectKind::Text;
    QString name;
    QRectF rect;        // mm, relative to the band; a line runs from topLeft to bottomRight
    // Text: the content with [expressions]; barcode: the expression of its data;
    // picture: the image file (relative paths from the template's folder).
    QString text;
    ReportFont font;
    ReportHAlign align = ReportHAlign::Left;
    ReportVAlign valign = ReportVAlign::Center;
    QString frame;             // sides framed, a subset of "ltrb"
    double lineWidth = 0.5;    // points: frame of a text, width of a line
    bool wordWrap = false;
    // Number format of a text's expression values: "0.00" two decimals, "#,##0.00" with
    // grouping, "0" whole numbers; characters before or after the pattern are kept ("￥0.00").
    QString format;
    QColor color = Qt::black;
    QColor fill;  // invalid: no fill
    ReportBarcodeType barcode = ReportBarcodeType::Code128;
    bool showText = true;  // barcode: print the human-readable text under the bars

    bool operator==(const ReportObject&) const = default;
};

struct ReportBand {
    ReportBandKind kind = ReportBandKind::MasterData;
    QString name;
    double height = 10;  // mm
    QString dataset;     // master data: the dataset whose rows it prints
    QString condition;   // group header: the expression whose change starts a new group
    QVector<ReportObject> objects;

    bool operator==(const ReportBand&) const = default;
};

struct ReportPageSetup {
    double width = 210;   // mm, of the sheet as printed (a landscape sheet is wider than high)
    double height = 297;
    double left = 10, top = 10, right = 10, bottom = 10;
    // Master data rows are laid out across this many columns, left to right, then down
    // (label sheets).
    int columns = 1;
    double columnGap = 0;

    bool landscape() const { return width > height; }
    double contentWidth() const { return width - left - right; }
    double columnWidth() const;
    bool operator==(const ReportPageSetup&) const = default;
};

class ReportTemplate {
public:
    ReportPageSetup page;
    QVector<ReportBand> bands;

    bool isEmpty() const { return bands.isEmpty(); }
    // Same page and bands (where the file lies does not count).
    bool operator==(const ReportTemplate& o) const { return page == o.page && bands == o.bands; }

    // Reads a template file. A missing or unreadable file, or one that is not a template,
    // leaves an empty template (default page, no bands) and returns false with the reason.
    bool load(const QString& path, QString* error = nullptr);
    // Writes the template; false with the reason when the file cannot be written.
    bool save(const QString& path, QString* error = nullptr) const;
    QByteArray toXml() const;
    bool fromXml(const QByteArray& xml, QString* error = nullptr);

    // Folder of the file the template was loaded from or saved to (for relative picture files).
    QString baseDir;

    // Building in code.
    ReportBand& addBand(ReportBandKind kind, double height, const QString& dataset = QString());
    ReportBand* findBand(ReportBandKind kind);
    // The first object of that name in any band; nullptr when none.
    ReportObject* findObject(const QString& name);
    // A name not yet used by any object: prefix + the first free number ("Text3").
    QString freeObjectName(const QString& prefix) const;

private:
    // An empty template in the same folder, with the reason for the caller.
    void clearKeepingDir(const QString& why, QString* error);
};

// Objects built in code.
ReportObject reportText(const QRectF& rect, const QString& text, double size = 9, bool bold = false,
                        ReportHAlign align = ReportHAlign::Left, const QString& frame = QString());
ReportObject reportLine(const QPointF& from, const QPointF& to, double width = 0.5);
ReportObject reportBarcode(const QRectF& rect, const QString& expression,
                           ReportBarcodeType type = ReportBarcodeType::Code128);

// Names used in the file and shown in the designer.
QString reportBandKindName(ReportBandKind kind);      // "masterData"
QString reportBandKindCaption(ReportBandKind kind);   // "主数据"
QString reportBarcodeTypeName(ReportBarcodeType type);  // "code128", "ean13"
