#include "platform/report.h"

#include "data/datamodule.h"
#include "data/namedquery.h"
#include "platform/pdftextmap.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString g_reportDir;
ReportInterceptor g_interceptor;

QPageSize pageSizeOf(const ReportPageSetup& page)
{
    // Paper is named portrait; the orientation turns it.
    const QSizeF portrait(qMin(page.width, page.height), qMax(page.width, page.height));
    return QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

QPageLayout::Orientation orientationOf(const ReportPageSetup& page)
{
    return page.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Paints every page of `doc` `copies` times on a painter open on `device`, whose pages
// start at the sheet's corner. `newPage` turns to the next sheet.
void paintCopies(QPainter& painter, const ReportDocument& doc, int copies, const std::function<bool()>& newPage)
{
    const double pxPerMm = painter.device()->logicalDpiX() / 25.4;
    bool first = true;
    for (int c = 0; c < copies; ++c) {
        for (int p = 0; p < doc.pageCount(); ++p) {
            if (!first)
                newPage();
            first = false;
            paintReportPage(painter, doc, p, pxPerMm);
        }
    }
}

}  // namespace

Report::Report() = default;
Report::~Report() = default;

QString Report::reportDir()
{
    return g_reportDir.isEmpty() ? shopPath(QStringLiteral("report")) : g_reportDir;
}

void Report::setReportDir(const QString& dir)
{
    g_reportDir = dir;
}

QString Report::templatePath(const QString& fileName)
{
    return QDir(reportDir()).filePath(fileName);
}

bool Report::loadFromFile(const QString& path)
{
    return m_layout.load(path);
}

bool Report::loadTemplate(const QString& fileName)
{
    return loadFromFile(templatePath(fileName));
}

void Report::setLayout(const ReportTemplate& layout)
{
    m_layout = layout;
}

void Report::clearVariables()
{
    m_variables.clear();
}

void Report::setVariable(const QString& name, const QString& expression)
{
    m_variables.insert(name.trimmed().toLower(), reportUnquote(expression));
}

QString Report::variable(const QString& name) const
{
    return m_variables.value(name.trimmed().toLower());
}

void Report::setDataset(const QString& name, const ResultSet& rows)
{
    const QString key = name.trimmed().toLower();
    m_queries.remove(key);
    m_datasets.insert(key, ReportDataset{rows, {}, false});
}

void Report::setDataset(const QString& name, const ResultSet& rows, const QVector<int>& selectedRows)
{
    const QString key = name.trimmed().toLower();
    m_queries.remove(key);
    QVector<int> valid;
    for (int r : selectedRows) {
        if (r >= 0 && r < rows.rowCount())
            valid.append(r);
    }
    m_datasets.insert(key, ReportDataset{rows, valid, true});
}

void Report::setDataset(const QString& name, NamedQuery* query)
{
    const QString key = name.trimmed().toLower();
    m_datasets.remove(key);
    m_queries.insert(key, query);
}

void Report::clearDatasets()
{
    m_datasets.clear();
    m_queries.clear();
}

ReportDocument Report::prepare() const
{
    ReportData data{m_variables, m_datasets};
    for (auto it = m_queries.constBegin(); it != m_queries.constEnd(); ++it) {
        ReportDataset set;
        if (it.value() && it.value()->isOpen())
            set.rows = it.value()->result();
        data.datasets.insert(it.key(), set);
    }
    return prepareReport(m_layout, data);
}

void Report::setUpPrinter(QPrinter& printer) const
{
    printer.setFullPage(true);
    printer.setPageSize(pageSizeOf(m_layout.page));
    printer.setPageOrientation(orientationOf(m_layout.page));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool Report::exportPdf(const QString& path) const
{
    const ReportDocument doc = prepare();
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("jxc"));
    writer.setResolution(600);
    writer.setPageSize(pageSizeOf(doc.page));
    writer.setPageOrientation(orientationOf(doc.page));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paintCopies(painter, doc, 1, [&] { return writer.newPage(); });
    if (!painter.end())
        return false;
    return fixPdfTextMap(path);
}

QImage Report::renderPage(int page, int dpi) const
{
    const ReportDocument doc = prepare();
    const double pxPerMm = dpi / 25.4;
    QImage image(qMax(1, qRound(doc.page.width * pxPerMm)), qMax(1, qRound(doc.page.height * pxPerMm)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintReportPage(painter, doc, page, pxPerMm);
    return image;
}

bool Report::printTo(QPrinter& printer, int copies) const
{
    const ReportDocument doc = prepare();
    QPainter painter;
    if (copies < 1 || !painter.begin(&printer))
        return false;
    paintCopies(painter, doc, copies, [&] { return printer.newPage(); });
    if (!painter.end())
        return false;
    // Printed to a PDF file: its text reads as printed, as every PDF the program writes.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return fixPdfTextMap(printer.outputFileName());
    return true;
}

bool Report::print(int copies, QWidget* parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    ReportJob job{ReportJob::Kind::Print, this, copies, &printer, QString(), {}};
    bool confirmed = false;
    if (!interceptReportJob(job, &confirmed)) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("打印"));
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    if (!confirmed)
        return false;
    printTo(printer, copies);
    return true;
}

bool Report::printDirect(int copies, const QString& printerName) const
{
    QPrinter printer(QPrinter::HighResolution);
    ReportJob job{ReportJob::Kind::PrintDirect, this, copies, &printer, QString(), {}};
    bool go = false;
    if (!interceptReportJob(job, &go)) {
        const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                        : QPrinterInfo::printerInfo(printerName);
        if (info.isNull())
            return false;
        printer.setPrinterName(info.printerName());
        go = true;
    }
    if (!go)
        return false;
    setUpPrinter(printer);
    return printTo(printer, copies);
}

void Report::preview(QWidget* parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    ReportJob job{ReportJob::Kind::Preview, this, 1, &printer, QString(), {}};
    bool ignored = false;
    if (interceptReportJob(job, &ignored))
        return;
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("ReportPreview"));
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) { printTo(*target, 1); });
    dialog.exec();
}

QString reportQuote(const QString& value)
{
    QString inner = value;
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

QString reportUnquote(const QString& expression)
{
    if (expression.size() >= 2 && expression.startsWith(QLatin1Char('\'')) && expression.endsWith(QLatin1Char('\''))) {
        QString inner = expression.mid(1, expression.size() - 2);
        inner.replace(QStringLiteral("''"), QStringLiteral("'"));
        return inner;
    }
    return expression;
}

void setReportInterceptor(ReportInterceptor interceptor)
{
    g_interceptor = std::move(interceptor);
}

bool interceptReportJob(ReportJob& job, bool* answer)
{
    if (!g_interceptor)
        return false;
    *answer = g_interceptor(job);
    return true;
}
