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

#include "platform/reporttemplate.h"

#include <QList>
#include <QString>
#include <utility>

class QWidget;
class Report;
class ResultSet;
struct BillLineTables;

// Name and printed value of one report variable.
using BillVariable = std::pair<QString, QString>;

struct BillPrint {
    QString templateFile;            // under the report folder, e.g. "cgjh.fr3"
    QList<BillVariable> variables;   // the bill's own variables (the company's are added)
    QString linesSql;                // the line dataset "frxDBDataset1"
    ReportTemplate layout;           // a layout built in code; when set, no template file is read
};

// The line dataset of a bill whose lines all have size and colour rows: one row a size and
// colour row with its line (a.*), goods, size and colour names, its quantity t_sl and amount
// zje (the line's price × the row's quantity); with a discount rate column, also sj (the
// discounted price) and the discounted amount. Lines without rows do not print.
QString sizeColourLinesSql(const char* lineTable, const char* rowTable, const char* numberColumn,
                           const char* priceColumn, const char* rateColumn, const QString& djh);
QString sizeColourLinesSql(const BillLineTables& t, const QString& djh);

// The partner's card row (jxc_khxx by kh_sn for a customer, else jxc_ghsxx by ghs_sn).
ResultSet partnerCardRow(bool customer, const QString& code);
// The partner's contact variables from the first row of `row` (its columns named as on the
// card): khLxr/ghsLxr (with `withContact`), then khTele/ghsTele and khAddress/ghsAddress.
QList<BillVariable> partnerContactVariables(bool customer, const ResultSet& row, bool withContact = true);

// The head of a bill as printed; amounts as texts, printed in capitals.
struct BillPrintHead {
    bool customer;
    QString partnerName;
    const ResultSet* contact;  // a row with the partner's contact columns
    QString ckName, date, note, uName;
    QString due, paid;
};
// khName/ghsName, the contact variables, ckName, jhDate, Note, uName, yf and sf.
QList<BillVariable> billHeadVariables(const BillPrintHead& head);
// The print of a held bill `djh` (jxc_shdj) with the given template and line statement: its
// head read with outer joins, so that a bill whose warehouse, handler or partner has gone
// still prints its own values.
BillPrint pendingBillPrint(bool customer, const QString& templateFile, const QString& linesSql, const QString& djh);
// Whether the bill `djh` has lines in the kind's line table.
bool billHasLines(const BillLineTables& t, const QString& djh);

// Loads the template (or takes the layout built in code; a missing file gives an empty report),
// clears the variables and sets the company's (comName, comTele, comAddress from the settings in memory) and the bill's,
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
