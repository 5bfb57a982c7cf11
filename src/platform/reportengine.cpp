#include "platform/reportengine.h"

#include "data/clock.h"
#include "data/values.h"
#include "platform/reportbarcode.h"

#include <QDir>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>

namespace {

// Stands for the page count in texts until the last page is known.
const QChar kTotalPagesMark(0xE000);
constexpr double kEps = 1e-6;

enum class ExprKind { Literal, Variable, Field, Sum, Count, Page, TotalPages, Line, Date, Time };

struct Expr {
    Expr(ExprKind k = ExprKind::Literal, const QString& t = QString(), int ds = -1) : kind(k), text(t), dataset(ds) {}
    ExprKind kind;
    QString text;  // literal text or variable name (lower-case)
    int dataset;   // index into the layout's dataset list
    int column = -1;
};

struct Compiled {
    QVector<Expr> parts;
    bool totalPages = false;
};

// Where an expression is evaluated: the kind of band, and the rows an aggregate covers there.
struct Ctx {
    Ctx(ReportBandKind b, int ds = -1, int f = 0, int t = -1, int l = 0) : band(b), dataset(ds), from(f), to(t), line(l) {}
    ReportBandKind band;
    int dataset;  // master dataset of a group band
    int from, to;
    int line;
};

// ds."field" or <ds."field">
bool parseFieldRef(QString s, QString* ds, QString* field)
{
    s = s.trimmed();
    if (s.startsWith(QLatin1Char('<')) && s.endsWith(QLatin1Char('>')))
        s = s.mid(1, s.size() - 2).trimmed();
    const int dot = s.indexOf(QLatin1String(".\""));
    if (dot <= 0 || !s.endsWith(QLatin1Char('"')) || s.size() < dot + 3)
        return false;
    *ds = s.left(dot).trimmed();
    *field = s.mid(dot + 2, s.size() - dot - 3);
    return true;
}

QFont makeFont(const ReportFont& f, double pxPerMm, const QPaintDevice* device)
{
    QFont font;
    font.setFamilies({f.family, ReportFont::defaultFamily()});
    // No OpenType shaping for Latin and Han text: with it, the CJK fonts swap digits that
    // follow Latin letters for alternate glyphs that a PDF's text layer cannot name, and
    // "CJ130528" would read back as "CJ".
    font.setStyleStrategy(QFont::PreferNoShaping);
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    // Qt turns points into pixels with the device's resolution; scale so that the text is
    // f.size points on the sheet at pxPerMm.
    font.setPointSizeF(qMax(0.5, f.size * 25.4 * pxPerMm / dpi));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

class Layout {
public:
    Layout(const ReportTemplate& layout, const ReportData& data);
    ReportDocument run();

private:
    int datasetIndex(const QString& name);
    Compiled compile(const QString& text);
    Expr compileExpr(const QString& inner);
    QString eval(const Compiled& c, const Ctx& ctx, const QString& format = QString());
    Money sum(int ds, int column, const Ctx& ctx);
    QPair<int, int> range(int ds, const Ctx& ctx) const;
    int count(int ds) const { return ds >= 0 && m_sets[ds] ? m_sets[ds]->count() : 0; }

    void openPage();
    void closePage();
    double limit() const { return m_page.height - m_page.bottom - m_footerHeight; }
    void emitBand(int band, double x, double y, const Ctx& ctx);
    void placeFixed(int band, const Ctx& ctx);
    void place(int band, const Ctx& ctx);
    void placeMaster(int band, int ds, int row, const Ctx& ctx);
    void finishRow();
    void runSection(const QVector<int>& headers, int master, const QVector<int>& footers);

    std::shared_ptr<ReportTemplate> m_layout;
    const ReportData& m_data;
    ReportPageSetup m_page;
    ReportDocument m_doc;

    QVector<const ReportDataset*> m_sets;  // by dataset index; nullptr: not given to the report
    QHash<QString, int> m_setIndex;        // lower-case name -> index
    QVector<QVector<Compiled>> m_compiled;  // [band][object]
    QVector<int> m_current;                 // current row per dataset
    QVector<int> m_pageFrom, m_pageTo;      // rows printed on the current page per dataset
    QHash<qint64, Money> m_totals;          // sums over all rows, by dataset and column

    QVector<int> m_titles, m_headers, m_footers, m_summaries;
    double m_footerHeight = 0;
    double m_y = 0, m_bodyTop = 0, m_rowHeight = 0;
    int m_col = 0;
    QVector<QPair<int, int>> m_fixups;  // (page, item) whose text holds the page-count mark
};

Layout::Layout(const ReportTemplate& layout, const ReportData& data)
    : m_layout(std::make_shared<ReportTemplate>(layout)), m_data(data), m_page(layout.page)
{
    m_page.columns = qMax(1, m_page.columns);
    m_doc.layout = m_layout;
    m_doc.page = m_page;
    for (const ReportBand& b : m_layout->bands) {
        QVector<Compiled> objects;
        for (const ReportObject& o : b.objects) {
            const bool evaluated = o.kind == ReportObjectKind::Text || o.kind == ReportObjectKind::Barcode;
            objects.append(evaluated ? compile(o.text) : Compiled());
        }
        m_compiled.append(objects);
    }
}

int Layout::datasetIndex(const QString& name)
{
    const QString key = name.trimmed().toLower();
    const auto it = m_setIndex.constFind(key);
    if (it != m_setIndex.constEnd())
        return *it;
    const auto set = m_data.datasets.constFind(key);
    m_sets.append(set == m_data.datasets.constEnd() ? nullptr : &*set);
    m_current.append(0);
    m_pageFrom.append(-1);
    m_pageTo.append(-1);
    m_setIndex.insert(key, m_sets.size() - 1);
    return m_sets.size() - 1;
}

Compiled Layout::compile(const QString& text)
{
    Compiled c;
    int i = 0;
    while (i < text.size()) {
        const int open = text.indexOf(QLatin1Char('['), i);
        const int close = open < 0 ? -1 : text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            c.parts.append({ExprKind::Literal, text.mid(i)});
            break;
        }
        if (open > i)
            c.parts.append({ExprKind::Literal, text.mid(i, open - i)});
        const Expr e = compileExpr(text.mid(open + 1, close - open - 1));
        c.totalPages = c.totalPages || e.kind == ExprKind::TotalPages;
        c.parts.append(e);
        i = close + 1;
    }
    return c;
}

Expr Layout::compileExpr(const QString& inner)
{
    const QString e = inner.trimmed();
    const QString up = e.toUpper();
    if (up == QLatin1String("PAGE#"))
        return {ExprKind::Page};
    if (up == QLatin1String("TOTALPAGES#"))
        return {ExprKind::TotalPages};
    if (up == QLatin1String("LINE#"))
        return {ExprKind::Line};
    if (up == QLatin1String("DATE"))
        return {ExprKind::Date};
    if (up == QLatin1String("TIME"))
        return {ExprKind::Time};
    static const QRegularExpression aggregate(QStringLiteral("^(SUM|COUNT)\\s*\\((.*)\\)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString ds, field;
    const QRegularExpressionMatch m = aggregate.match(e);
    if (m.hasMatch()) {
        if (m.captured(1).toUpper() == QLatin1String("COUNT")) {
            QString name = m.captured(2).trimmed();
            if (name.startsWith(QLatin1Char('<')) && name.endsWith(QLatin1Char('>')))
                name = name.mid(1, name.size() - 2);
            return {ExprKind::Count, QString(), datasetIndex(name)};
        }
        if (!parseFieldRef(m.captured(2), &ds, &field))
            return {ExprKind::Literal};
        Expr x{ExprKind::Sum, QString(), datasetIndex(ds)};
        x.column = m_sets[x.dataset] ? m_sets[x.dataset]->rows.columnIndex(field) : -1;
        return x;
    }
    if (parseFieldRef(e, &ds, &field)) {
        Expr x{ExprKind::Field, QString(), datasetIndex(ds)};
        x.column = m_sets[x.dataset] ? m_sets[x.dataset]->rows.columnIndex(field) : -1;
        return x;
    }
    return {ExprKind::Variable, e.toLower()};
}

QPair<int, int> Layout::range(int ds, const Ctx& ctx) const
{
    if ((ctx.band == ReportBandKind::GroupHeader || ctx.band == ReportBandKind::GroupFooter) && ds == ctx.dataset)
        return {ctx.from, ctx.to};
    if (ctx.band == ReportBandKind::PageHeader || ctx.band == ReportBandKind::PageFooter)
        return {m_pageFrom[ds], m_pageTo[ds]};
    return {0, count(ds) - 1};
}

Money Layout::sum(int ds, int column, const Ctx& ctx)
{
    if (column < 0 || count(ds) == 0)
        return Money();
    const QPair<int, int> r = range(ds, ctx);
    const bool all = r.first == 0 && r.second == count(ds) - 1;
    const qint64 key = (qint64(ds) << 32) | column;
    if (all) {
        const auto it = m_totals.constFind(key);
        if (it != m_totals.constEnd())
            return *it;
    }
    Money total;
    const ReportDataset& set = *m_sets[ds];
    for (int i = qMax(0, r.first); i <= r.second; ++i)
        total += Money::fromText(set.rows.text(set.row(i), column));
    if (all)
        m_totals.insert(key, total);
    return total;
}

QString Layout::eval(const Compiled& c, const Ctx& ctx, const QString& format)
{
    QString out;
    for (const Expr& e : c.parts) {
        switch (e.kind) {
        case ExprKind::Literal:
            out += e.text;
            break;
        case ExprKind::Variable:
            out += formatReportValue(m_data.variables.value(e.text), format);
            break;
        case ExprKind::Field:
            if (e.column >= 0 && count(e.dataset) > 0) {
                const ReportDataset& set = *m_sets[e.dataset];
                out += formatReportValue(set.rows.text(set.row(m_current[e.dataset]), e.column), format);
            }
            break;
        case ExprKind::Sum:
            out += formatReportValue(sum(e.dataset, e.column, ctx).toText(), format);
            break;
        case ExprKind::Count: {
            const QPair<int, int> r = range(e.dataset, ctx);
            out += QString::number(r.first < 0 ? 0 : qMax(0, r.second - r.first + 1));
            break;
        }
        case ExprKind::Page:
            out += QString::number(m_doc.pages.size());
            break;
        case ExprKind::TotalPages:
            out += kTotalPagesMark;
            break;
        case ExprKind::Line:
            out += QString::number(ctx.line);
            break;
        case ExprKind::Date:
            out += todayText();
            break;
        case ExprKind::Time:
            out += Clock::now().toString(QStringLiteral("HH:mm:ss"));
            break;
        }
    }
    return out;
}

void Layout::emitBand(int band, double x, double y, const Ctx& ctx)
{
    const ReportBand& b = m_layout->bands[band];
    ReportPageOut& page = m_doc.pages.last();
    for (int j = 0; j < b.objects.size(); ++j) {
        const ReportObject& o = b.objects[j];
        ReportItem item{&o, o.rect.translated(x, y), QString()};
        if (o.kind == ReportObjectKind::Text || o.kind == ReportObjectKind::Barcode) {
            const Compiled& c = m_compiled[band][j];
            item.text = eval(c, ctx, o.kind == ReportObjectKind::Text ? o.format : QString());
            if (c.totalPages)
                m_fixups.append({m_doc.pages.size() - 1, page.items.size()});
        } else if (o.kind == ReportObjectKind::Picture && !o.text.isEmpty()) {
            item.text = QDir(m_layout->baseDir).absoluteFilePath(o.text);
            if (!m_doc.pictures.contains(item.text))
                m_doc.pictures.insert(item.text, QImage(item.text));
        }
        page.items.append(item);
    }
}

void Layout::placeFixed(int band, const Ctx& ctx)
{
    emitBand(band, m_page.left, m_y, ctx);
    m_y += m_layout->bands[band].height;
}

void Layout::openPage()
{
    m_doc.pages.append(ReportPageOut());
    m_y = m_page.top;
    m_col = 0;
    m_rowHeight = 0;
    m_pageFrom.fill(-1);
    m_pageTo.fill(-1);
    if (m_doc.pages.size() == 1) {
        for (int b : m_titles)
            placeFixed(b, Ctx{ReportBandKind::ReportTitle});
    }
    for (int b : m_headers)
        placeFixed(b, Ctx{ReportBandKind::PageHeader});
    m_bodyTop = m_y;
}

void Layout::closePage()
{
    finishRow();
    m_y = limit();
    for (int b : m_footers)
        placeFixed(b, Ctx{ReportBandKind::PageFooter});
}

void Layout::finishRow()
{
    if (m_col > 0) {
        m_y += m_rowHeight;
        m_col = 0;
        m_rowHeight = 0;
    }
}

void Layout::place(int band, const Ctx& ctx)
{
    finishRow();
    if (m_y + m_layout->bands[band].height > limit() + kEps && m_y > m_bodyTop + kEps) {
        closePage();
        openPage();
    }
    placeFixed(band, ctx);
}

void Layout::placeMaster(int band, int ds, int row, const Ctx& ctx)
{
    const double h = m_layout->bands[band].height;
    if (m_col == 0 && m_y + h > limit() + kEps && m_y > m_bodyTop + kEps) {
        closePage();
        openPage();
    }
    m_current[ds] = row;
    if (m_pageFrom[ds] < 0)
        m_pageFrom[ds] = row;
    m_pageTo[ds] = row;
    emitBand(band, m_page.left + m_col * (m_page.columnWidth() + m_page.columnGap), m_y, ctx);
    m_rowHeight = qMax(m_rowHeight, h);
    if (++m_col >= m_page.columns)
        finishRow();
}

// A master data band with its group headers (outermost first) and the footers after it
// (innermost first; footers beyond the headers close the whole dataset).
void Layout::runSection(const QVector<int>& headers, int master, const QVector<int>& footers)
{
    const int ds = datasetIndex(m_layout->bands[master].dataset);
    const int n = count(ds);
    if (n == 0)
        return;
    const int levels = headers.size();
    // Group keys and the first row of a new group at each level.
    QVector<Compiled> conditions;
    for (int h : headers) {
        const QString cond = m_layout->bands[h].condition;
        conditions.append(compile(cond.contains(QLatin1Char('[')) ? cond : QLatin1Char('[') + cond + QLatin1Char(']')));
    }
    QVector<QVector<bool>> starts(levels, QVector<bool>(n, false));
    QVector<QString> previous(levels);
    for (int i = 0; i < n; ++i) {
        m_current[ds] = i;
        bool changed = i == 0;
        for (int l = 0; l < levels; ++l) {
            const QString key = eval(conditions[l], Ctx{ReportBandKind::GroupHeader, ds});
            changed = changed || key != previous[l];
            starts[l][i] = changed;
            previous[l] = key;
        }
    }
    QVector<int> groupFrom(levels, 0);
    int line = 0;
    for (int i = 0; i < n; ++i) {
        for (int l = 0; l < levels; ++l) {
            if (!starts[l][i])
                continue;
            int end = i + 1;
            while (end < n && !starts[l][end])
                ++end;
            groupFrom[l] = i;
            line = 0;
            m_current[ds] = i;
            place(headers[l], Ctx{ReportBandKind::GroupHeader, ds, i, end - 1});
        }
        placeMaster(master, ds, i, Ctx{ReportBandKind::MasterData, ds, 0, n - 1, ++line});
        for (int l = levels - 1; l >= 0; --l) {
            const int f = levels - 1 - l;
            const bool last = i == n - 1 || starts[l][i + 1];
            if (last && f < footers.size())
                place(footers[f], Ctx{ReportBandKind::GroupFooter, ds, groupFrom[l], i});
        }
    }
    for (int f = levels; f < footers.size(); ++f)
        place(footers[f], Ctx{ReportBandKind::GroupFooter, ds, 0, n - 1});
}

ReportDocument Layout::run()
{
    const QVector<ReportBand>& bands = m_layout->bands;
    for (int i = 0; i < bands.size(); ++i) {
        switch (bands[i].kind) {
        case ReportBandKind::ReportTitle: m_titles.append(i); break;
        case ReportBandKind::PageHeader: m_headers.append(i); break;
        case ReportBandKind::PageFooter:
            m_footers.append(i);
            m_footerHeight += bands[i].height;
            break;
        case ReportBandKind::Summary: m_summaries.append(i); break;
        default: break;
        }
    }
    openPage();
    for (int i = 0; i < bands.size(); ++i) {
        if (bands[i].kind != ReportBandKind::MasterData)
            continue;
        QVector<int> headers, footers;
        for (int h = i - 1; h >= 0 && bands[h].kind == ReportBandKind::GroupHeader; --h)
            headers.prepend(h);
        for (int f = i + 1; f < bands.size() && bands[f].kind == ReportBandKind::GroupFooter; ++f)
            footers.append(f);
        runSection(headers, i, footers);
    }
    for (int b : m_summaries)
        place(b, Ctx{ReportBandKind::Summary});
    closePage();

    const QString total = QString::number(m_doc.pages.size());
    for (const auto& [page, item] : m_fixups)
        m_doc.pages[page].items[item].text.replace(kTotalPagesMark, total);
    return std::move(m_doc);
}

}  // namespace

QStringList ReportDocument::pageTexts(int page) const
{
    QStringList out;
    if (page < 0 || page >= pages.size())
        return out;
    for (const ReportItem& item : pages[page].items) {
        if (item.object->kind == ReportObjectKind::Text || item.object->kind == ReportObjectKind::Barcode)
            out.append(item.text);
    }
    return out;
}

ReportDocument prepareReport(const ReportTemplate& layout, const ReportData& data)
{
    return Layout(layout, data).run();
}

QString formatReportValue(const QString& value, const QString& format)
{
    if (format.isEmpty() || value.isEmpty())
        return value;
    bool ok = false;
    const Money m = Money::fromText(value, &ok);
    if (!ok)
        return value;
    static const QRegularExpression pattern(QStringLiteral("[#0][#0,]*(\\.[#0]+)?"));
    const QRegularExpressionMatch match = pattern.match(format);
    if (!match.hasMatch())
        return value;
    const QString pat = match.captured(0);
    const int dot = pat.indexOf(QLatin1Char('.'));
    const int decimals = dot < 0 ? 0 : int(pat.size() - dot - 1);
    QString digits = m.toFixed(decimals);
    if (pat.contains(QLatin1Char(','))) {
        const int start = digits.startsWith(QLatin1Char('-')) ? 1 : 0;
        int end = digits.indexOf(QLatin1Char('.'));
        if (end < 0)
            end = digits.size();
        for (int i = end - 3; i > start; i -= 3)
            digits.insert(i, QLatin1Char(','));
    }
    return format.left(match.capturedStart()) + digits + format.mid(match.capturedEnd());
}

void paintReportObject(QPainter& painter, const ReportObject& o, const QString& text, const QRectF& rect,
                       double pxPerMm, const QImage* picture)
{
    const double lineWidth = o.lineWidth * 25.4 / 72.0 * pxPerMm;
    switch (o.kind) {
    case ReportObjectKind::Text: {
        if (o.fill.isValid())
            painter.fillRect(rect, o.fill);
        if (!text.isEmpty()) {
            painter.setFont(makeFont(o.font, pxPerMm, painter.device()));
            painter.setPen(o.color);
            const double pad = 0.5 * pxPerMm;
            int flags = o.align == ReportHAlign::Center  ? Qt::AlignHCenter
                        : o.align == ReportHAlign::Right ? Qt::AlignRight
                                                         : Qt::AlignLeft;
            flags |= o.valign == ReportVAlign::Top      ? Qt::AlignTop
                     : o.valign == ReportVAlign::Bottom ? Qt::AlignBottom
                                                        : Qt::AlignVCenter;
            if (o.wordWrap)
                flags |= Qt::TextWordWrap;
            painter.drawText(rect.adjusted(pad, 0, -pad, 0), flags, text);
        }
        if (!o.frame.isEmpty()) {
            painter.setPen(QPen(Qt::black, lineWidth));
            if (o.frame.contains(QLatin1Char('l')))
                painter.drawLine(rect.topLeft(), rect.bottomLeft());
            if (o.frame.contains(QLatin1Char('t')))
                painter.drawLine(rect.topLeft(), rect.topRight());
            if (o.frame.contains(QLatin1Char('r')))
                painter.drawLine(rect.topRight(), rect.bottomRight());
            if (o.frame.contains(QLatin1Char('b')))
                painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        }
        break;
    }
    case ReportObjectKind::Line:
        painter.setPen(QPen(o.color, lineWidth));
        painter.drawLine(rect.topLeft(), rect.bottomRight());
        break;
    case ReportObjectKind::Barcode:
        paintReportBarcode(painter, rect.normalized(), encodeReportBarcode(o.barcode, text), text, o.showText,
                           makeFont(o.font, pxPerMm, painter.device()));
        break;
    case ReportObjectKind::Picture:
        if (picture && !picture->isNull()) {
            QSizeF size = picture->size();
            size.scale(rect.size(), Qt::KeepAspectRatio);
            const QRectF target(rect.center() - QPointF(size.width() / 2, size.height() / 2), size);
            painter.drawImage(target, *picture);
        }
        break;
    }
}

void paintReportPage(QPainter& painter, const ReportDocument& doc, int page, double pxPerMm, const QPointF& origin)
{
    if (page < 0 || page >= doc.pages.size())
        return;
    for (const ReportItem& item : doc.pages[page].items) {
        const QRectF rect(origin + item.rect.topLeft() * pxPerMm, item.rect.size() * pxPerMm);
        const auto pic = doc.pictures.constFind(item.text);
        const QImage* picture = item.object->kind == ReportObjectKind::Picture && pic != doc.pictures.constEnd()
                                    ? &*pic
                                    : nullptr;
        painter.save();
        paintReportObject(painter, *item.object, item.text, rect, pxPerMm, picture);
        painter.restore();
    }
}
