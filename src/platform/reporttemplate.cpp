#include "platform/reporttemplate.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

struct KindName {
    ReportBandKind kind;
    const char* name;
    const char* caption;
};

const KindName kBandKinds[] = {
    {ReportBandKind::ReportTitle, "reportTitle", "报表标题"},
    {ReportBandKind::PageHeader, "pageHeader", "页眉"},
    {ReportBandKind::GroupHeader, "groupHeader", "分组页眉"},
    {ReportBandKind::MasterData, "masterData", "主数据"},
    {ReportBandKind::GroupFooter, "groupFooter", "分组页脚"},
    {ReportBandKind::Summary, "summary", "报表合计"},
    {ReportBandKind::PageFooter, "pageFooter", "页脚"},
};

const char* const kObjectTags[] = {"text", "line", "barcode", "picture"};

// Millimetres and points in the file: at most two decimals, shortest form.
QString num(double v)
{
    QString s = QString::number(v, 'f', 2);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

double numAttr(const QXmlStreamAttributes& a, const char* name, double def)
{
    const QStringView v = a.value(QLatin1String(name));
    if (v.isEmpty())
        return def;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : def;
}

bool boolAttr(const QXmlStreamAttributes& a, const char* name, bool def)
{
    const QStringView v = a.value(QLatin1String(name));
    if (v.isEmpty())
        return def;
    return v == QLatin1String("1") || v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QString strAttr(const QXmlStreamAttributes& a, const char* name)
{
    return a.value(QLatin1String(name)).toString();
}

void writeObject(QXmlStreamWriter& w, const ReportObject& o)
{
    const ReportObject def;
    w.writeStartElement(QLatin1String(kObjectTags[int(o.kind)]));
    if (!o.name.isEmpty())
        w.writeAttribute(QStringLiteral("name"), o.name);
    w.writeAttribute(QStringLiteral("x"), num(o.rect.x()));
    w.writeAttribute(QStringLiteral("y"), num(o.rect.y()));
    w.writeAttribute(QStringLiteral("w"), num(o.rect.width()));
    w.writeAttribute(QStringLiteral("h"), num(o.rect.height()));
    if (o.kind == ReportObjectKind::Barcode) {
        w.writeAttribute(QStringLiteral("type"), reportBarcodeTypeName(o.barcode));
        if (!o.showText)
            w.writeAttribute(QStringLiteral("showText"), QStringLiteral("0"));
    }
    if (o.font.family != def.font.family)
        w.writeAttribute(QStringLiteral("font"), o.font.family);
    if (o.font.size != def.font.size)
        w.writeAttribute(QStringLiteral("size"), num(o.font.size));
    if (o.font.bold)
        w.writeAttribute(QStringLiteral("bold"), QStringLiteral("1"));
    if (o.font.italic)
        w.writeAttribute(QStringLiteral("italic"), QStringLiteral("1"));
    if (o.font.underline)
        w.writeAttribute(QStringLiteral("underline"), QStringLiteral("1"));
    if (o.align != def.align)
        w.writeAttribute(QStringLiteral("align"), o.align == ReportHAlign::Center ? QStringLiteral("center")
                                                                                  : QStringLiteral("right"));
    if (o.valign != def.valign)
        w.writeAttribute(QStringLiteral("valign"), o.valign == ReportVAlign::Top ? QStringLiteral("top")
                                                                                 : QStringLiteral("bottom"));
    if (!o.frame.isEmpty())
        w.writeAttribute(QStringLiteral("frame"), o.frame);
    if (o.lineWidth != def.lineWidth)
        w.writeAttribute(QStringLiteral("lineWidth"), num(o.lineWidth));
    if (o.wordWrap)
        w.writeAttribute(QStringLiteral("wrap"), QStringLiteral("1"));
    if (!o.format.isEmpty())
        w.writeAttribute(QStringLiteral("format"), o.format);
    if (o.color != def.color)
        w.writeAttribute(QStringLiteral("color"), o.color.name());
    if (o.fill.isValid())
        w.writeAttribute(QStringLiteral("fill"), o.fill.name());
    if (!o.text.isEmpty())
        w.writeCharacters(o.text);
    w.writeEndElement();
}

bool readObject(QXmlStreamReader& r, ReportObjectKind kind, ReportObject& o)
{
    const QXmlStreamAttributes a = r.attributes();
    o.kind = kind;
    o.name = strAttr(a, "name");
    o.rect = QRectF(numAttr(a, "x", 0), numAttr(a, "y", 0), numAttr(a, "w", 0), numAttr(a, "h", 0));
    o.barcode = a.value(QLatin1String("type")) == QLatin1String("ean13") ? ReportBarcodeType::Ean13
                                                                         : ReportBarcodeType::Code128;
    o.showText = boolAttr(a, "showText", true);
    if (a.hasAttribute(QLatin1String("font")))
        o.font.family = strAttr(a, "font");
    o.font.size = numAttr(a, "size", o.font.size);
    o.font.bold = boolAttr(a, "bold", false);
    o.font.italic = boolAttr(a, "italic", false);
    o.font.underline = boolAttr(a, "underline", false);
    const QStringView align = a.value(QLatin1String("align"));
    o.align = align == QLatin1String("center") ? ReportHAlign::Center
              : align == QLatin1String("right") ? ReportHAlign::Right
                                                : ReportHAlign::Left;
    const QStringView valign = a.value(QLatin1String("valign"));
    o.valign = valign == QLatin1String("top")      ? ReportVAlign::Top
               : valign == QLatin1String("bottom") ? ReportVAlign::Bottom
                                                   : ReportVAlign::Center;
    o.frame = strAttr(a, "frame");
    o.lineWidth = numAttr(a, "lineWidth", o.lineWidth);
    o.wordWrap = boolAttr(a, "wrap", false);
    o.format = strAttr(a, "format");
    if (a.hasAttribute(QLatin1String("color")))
        o.color = QColor(strAttr(a, "color"));
    if (a.hasAttribute(QLatin1String("fill")))
        o.fill = QColor(strAttr(a, "fill"));
    o.text = r.readElementText(QXmlStreamReader::SkipChildElements);
    return !r.hasError();
}

}  // namespace

QString ReportFont::defaultFamily()
{
    return QStringLiteral("Noto Sans CJK SC");
}

double ReportPageSetup::columnWidth() const
{
    const int n = qMax(1, columns);
    return (contentWidth() - columnGap * (n - 1)) / n;
}

QString reportBandKindName(ReportBandKind kind)
{
    return QLatin1String(kBandKinds[int(kind)].name);
}

QString reportBandKindCaption(ReportBandKind kind)
{
    return QString::fromUtf8(kBandKinds[int(kind)].caption);
}

QString reportBarcodeTypeName(ReportBarcodeType type)
{
    return type == ReportBarcodeType::Ean13 ? QStringLiteral("ean13") : QStringLiteral("code128");
}

QByteArray ReportTemplate::toXml() const
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("report"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    w.writeEmptyElement(QStringLiteral("page"));
    w.writeAttribute(QStringLiteral("width"), num(page.width));
    w.writeAttribute(QStringLiteral("height"), num(page.height));
    w.writeAttribute(QStringLiteral("left"), num(page.left));
    w.writeAttribute(QStringLiteral("top"), num(page.top));
    w.writeAttribute(QStringLiteral("right"), num(page.right));
    w.writeAttribute(QStringLiteral("bottom"), num(page.bottom));
    if (page.columns != 1)
        w.writeAttribute(QStringLiteral("columns"), QString::number(page.columns));
    if (page.columnGap != 0)
        w.writeAttribute(QStringLiteral("columnGap"), num(page.columnGap));
    for (const ReportBand& b : bands) {
        w.writeStartElement(QStringLiteral("band"));
        w.writeAttribute(QStringLiteral("type"), reportBandKindName(b.kind));
        if (!b.name.isEmpty())
            w.writeAttribute(QStringLiteral("name"), b.name);
        w.writeAttribute(QStringLiteral("height"), num(b.height));
        if (!b.dataset.isEmpty())
            w.writeAttribute(QStringLiteral("dataset"), b.dataset);
        if (!b.condition.isEmpty())
            w.writeAttribute(QStringLiteral("condition"), b.condition);
        for (const ReportObject& o : b.objects)
            writeObject(w, o);
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

bool ReportTemplate::fromXml(const QByteArray& xml, QString* error)
{
    ReportTemplate t;
    t.baseDir = baseDir;
    QXmlStreamReader r(xml);
    auto fail = [&](const QString& why) {
        clearKeepingDir(why, error);
        return false;
    };
    if (!r.readNextStartElement() || r.name() != QLatin1String("report"))
        return fail(r.hasError() ? r.errorString() : QStringLiteral("不是报表模板文件"));
    while (r.readNextStartElement()) {
        if (r.name() == QLatin1String("page")) {
            const QXmlStreamAttributes a = r.attributes();
            ReportPageSetup& p = t.page;
            p.width = numAttr(a, "width", p.width);
            p.height = numAttr(a, "height", p.height);
            p.left = numAttr(a, "left", p.left);
            p.top = numAttr(a, "top", p.top);
            p.right = numAttr(a, "right", p.right);
            p.bottom = numAttr(a, "bottom", p.bottom);
            p.columns = qMax(1, int(numAttr(a, "columns", 1)));
            p.columnGap = numAttr(a, "columnGap", 0);
            r.skipCurrentElement();
        } else if (r.name() == QLatin1String("band")) {
            const QXmlStreamAttributes a = r.attributes();
            ReportBand b;
            const QStringView type = a.value(QLatin1String("type"));
            bool known = false;
            for (const KindName& k : kBandKinds) {
                if (type == QLatin1String(k.name)) {
                    b.kind = k.kind;
                    known = true;
                }
            }
            if (!known)
                return fail(QStringLiteral("未知的区域类型：") + type.toString());
            b.name = strAttr(a, "name");
            b.height = numAttr(a, "height", b.height);
            b.dataset = strAttr(a, "dataset");
            b.condition = strAttr(a, "condition");
            while (r.readNextStartElement()) {
                int kind = -1;
                for (int i = 0; i < 4; ++i) {
                    if (r.name() == QLatin1String(kObjectTags[i]))
                        kind = i;
                }
                if (kind < 0) {
                    r.skipCurrentElement();
                    continue;
                }
                ReportObject o;
                if (!readObject(r, ReportObjectKind(kind), o))
                    break;
                b.objects.append(o);
            }
            t.bands.append(b);
        } else {
            r.skipCurrentElement();
        }
    }
    if (r.hasError())
        return fail(r.errorString());
    *this = t;
    return true;
}

void ReportTemplate::clearKeepingDir(const QString& why, QString* error)
{
    const QString dir = baseDir;
    *this = ReportTemplate();
    baseDir = dir;
    if (error)
        *error = why;
}

bool ReportTemplate::load(const QString& path, QString* error)
{
    baseDir = QFileInfo(path).absolutePath();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        clearKeepingDir(f.errorString(), error);
        return false;
    }
    return fromXml(f.readAll(), error);
}

bool ReportTemplate::save(const QString& path, QString* error) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(toXml()) < 0 || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

ReportBand& ReportTemplate::addBand(ReportBandKind kind, double height, const QString& dataset)
{
    ReportBand b;
    b.kind = kind;
    b.height = height;
    b.dataset = dataset;
    bands.append(b);
    return bands.last();
}

ReportBand* ReportTemplate::findBand(ReportBandKind kind)
{
    for (ReportBand& b : bands) {
        if (b.kind == kind)
            return &b;
    }
    return nullptr;
}

ReportObject* ReportTemplate::findObject(const QString& name)
{
    for (ReportBand& b : bands) {
        for (ReportObject& o : b.objects) {
            if (o.name == name)
                return &o;
        }
    }
    return nullptr;
}

QString ReportTemplate::freeObjectName(const QString& prefix) const
{
    for (int n = 1;; ++n) {
        const QString name = prefix + QString::number(n);
        bool used = false;
        for (const ReportBand& b : bands) {
            for (const ReportObject& o : b.objects)
                used = used || o.name == name;
        }
        if (!used)
            return name;
    }
}

ReportObject reportText(const QRectF& rect, const QString& text, double size, bool bold, ReportHAlign align,
                        const QString& frame)
{
    ReportObject o;
    o.rect = rect;
    o.text = text;
    o.font.size = size;
    o.font.bold = bold;
    o.align = align;
    o.frame = frame;
    return o;
}

ReportObject reportLine(const QPointF& from, const QPointF& to, double width)
{
    ReportObject o;
    o.kind = ReportObjectKind::Line;
    o.rect = QRectF(from, to);
    o.lineWidth = width;
    return o;
}

ReportObject reportBarcode(const QRectF& rect, const QString& expression, ReportBarcodeType type)
{
    ReportObject o;
    o.kind = ReportObjectKind::Barcode;
    o.rect = rect;
    o.text = expression;
    o.barcode = type;
    return o;
}
