// Printing of a bill from its template: every bill window (receipts, returns, sales,
// exchanges, stock documents) hands the same helper its template file, its report variables
// and the statement of its line dataset, and prints or previews it.
//
//   BillPrint p;
//   p.templateFile = "cgjh.fr3";
//   p.variables = {{"ghsName", name}, ...};   // values as they are to print
//   p.linesSql = "select ... order by a.id";
//   if (printBill(p, copies, this)) setSkipActivate(true);
//   printGoodsDetail(p, this);                 // preview
#pragma once

#include <QList>
#include <QString>
#include <utility>

class QWidget;
class Report;

// Name and printed value of one report variable.
using BillVariable = std::pair<QString, QString>;

struct BillPrint {
    QString templateFile;            // under the report folder, e.g. "cgjh.fr3"
    QList<BillVariable> variables;   // the bill's own variables (the company's are added)
    QString linesSql;                // the line dataset "frxDBDataset1"
};

// Loads the template (a missing file gives an empty report), clears the variables and sets
// the company's (comName, comTele, comAddress from the settings in memory) and the bill's,
// each as a quoted text, so that apostrophes and brackets print as they stand.
void setPrinPara(Report& rpt, const BillPrint& bill);

// The print dialog once; when the operator confirms it, `copies` copies (fewer than 1 prints
// one). The line dataset (the data module's Q_GoodsPrin) is open only during the print.
// Returns whether the operator confirmed the dialog; a cancelled dialog prints nothing.
bool printBill(const BillPrint& bill, int copies, QWidget* parent = nullptr);

// One copy on the default printer without a dialog; false when it could not print.
bool printBillDirect(const BillPrint& bill);

// The preview of the bill, from which the operator may print.
void printGoodsDetail(const BillPrint& bill, QWidget* parent = nullptr);

// Number of copies of the print after posting from its setting's text (csDjzddysl): a whole
// number above 0, else 1.
int printCopies(const QString& setting);
// Whether a posted bill is printed at once (csDjzddy reads neither "0" nor "False").
bool printAfterPosting();
