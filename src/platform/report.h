// A report: a template (loaded from a file under report/ or built in code), its variables and
// datasets, and its outputs: preview, printing, PDF and page images.
//
// Printing a bill from its template:
//
//   Report rpt;
//   rpt.loadTemplate("cgjh.fr3");              // a missing file gives an empty report
//   rpt.clearVariables();
//   rpt.setVariable("comName", reportQuote(companyName));
//   rpt.setDataset("frxDBDataset1", DataModule->Q_GoodsPrin);
//   if (rpt.print(copies)) ...                 // the print dialog once, then `copies` copies
//   rpt.preview();                              // the preview, from which the user prints
#pragma once

#include "platform/reportengine.h"
#include "platform/reporttemplate.h"

#include <QImage>
#include <QPointer>
#include <functional>

class NamedQuery;
class QPrinter;
class QWidget;

class Report {
public:
    Report();
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Folder of the templates: the shop's "report" folder (seeded at start-up from the templates
    // shipped beside the program; the user may edit them there) unless set (tests).
    static QString reportDir();
    static void setReportDir(const QString& dir);
    static QString templatePath(const QString& fileName);

    // Loads a template file. A missing or unreadable file leaves an empty report (one blank
    // page) and returns false; nothing is shown to the user.
    bool loadFromFile(const QString& path);
    // Loads reportDir()/fileName ("cgjh.fr3").
    bool loadTemplate(const QString& fileName);
    // A layout built in code.
    void setLayout(const ReportTemplate& layout);
    const ReportTemplate& layout() const { return m_layout; }
    ReportTemplate& layout() { return m_layout; }

    // Variables are handed over as text expressions: a quoted text ('采购进货单', quotes doubled
    // inside) gives the text between the quotes; anything else is taken as it stands.
    void clearVariables();
    void setVariable(const QString& name, const QString& expression);
    QString variable(const QString& name) const;

    // Datasets by name ("frxDBDataset1"), case-insensitive. A named query is read when the
    // report is prepared (it may be opened after this call).
    void setDataset(const QString& name, const ResultSet& rows);
    void setDataset(const QString& name, const ResultSet& rows, const QVector<int>& selectedRows);
    void setDataset(const QString& name, NamedQuery* query);
    void clearDatasets();

    // Lays the report out on pages.
    ReportDocument prepare() const;
    int pageCount() const { return prepare().pageCount(); }

    // Outputs. Each prepares the report afresh.
    bool exportPdf(const QString& path) const;
    QImage renderPage(int page, int dpi = 300) const;
    // Prints `copies` copies on a printer that is set up already, without a dialog.
    bool printTo(QPrinter& printer, int copies = 1) const;
    // The print dialog once; when the user confirms it, `copies` copies. False when cancelled.
    bool print(int copies = 1, QWidget* parent = nullptr) const;
    // `copies` copies on the named printer (the default printer when empty), no dialog.
    bool printDirect(int copies = 1, const QString& printerName = QString()) const;
    // The preview window (modal); the user prints from it.
    void preview(QWidget* parent = nullptr) const;

    // Sets a printer's paper, orientation and full-page mode from the template.
    void setUpPrinter(QPrinter& printer) const;

private:
    ReportTemplate m_layout;
    QHash<QString, QString> m_variables;  // lower-case name -> value
    QHash<QString, ReportDataset> m_datasets;
    QHash<QString, QPointer<NamedQuery>> m_queries;
};

// A text as a quoted report expression: 'text', with quotes inside doubled.
QString reportQuote(const QString& value);
// The text a variable expression stands for (the inverse of reportQuote; lenient about
// single quotes inside).
QString reportUnquote(const QString& expression);

// What a window asked of the report layer, handed to the interceptor tests install.
struct ReportJob {
    enum class Kind { Preview, Print, PrintDirect, Design };
    Kind kind = Kind::Preview;
    const Report* report = nullptr;  // preview and printing
    int copies = 1;
    QPrinter* printer = nullptr;     // printing: the printer the copies go to (a test may point it at a PDF file)
    QString path;                    // design: the template file
    QStringList datasets;            // design: the datasets offered beside the template's own
};
// Installed by tests: preview, printing and the designer call it instead of showing a window
// or a dialog. Its answer stands for the print dialog (true: confirmed) or for the designer
// (true: saved); for printing, a confirmed job is then printed on `job.printer`.
// An empty function removes it.
using ReportInterceptor = std::function<bool(ReportJob& job)>;
void setReportInterceptor(ReportInterceptor interceptor);
bool interceptReportJob(ReportJob& job, bool* answer);
