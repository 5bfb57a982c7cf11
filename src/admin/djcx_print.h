// The reprint of a posted document: its kind's template, the report variables read from the
// bill, its partner and the company, and its goods dataset, shown in the print preview.
#pragma once

#include <QString>

class QWidget;
class Report;

// The template file of a document number's kind ("cgjh.fr3" for "CJ…"); "" for an unknown kind.
QString documentTemplate(const QString& djh);
// Sets the report variables of the document's kind on `rpt` (the vouchers and the bills empty
// the template's variables first; the transfer and the loss and overflow bills keep them).
void setPrinPara(Report& rpt, const QString& djh);
// The goods rows of the document for the dataset "frxDBDataset1"; "" for the vouchers.
QString documentGoodsSql(const QString& djh);
// Loads the template, sets the variables, opens the goods dataset on the shared print query
// (`goodsSql` replaces the kind's rows when given) and shows the preview; the query is
// closed after it.
void previewDocument(const QString& djh, QWidget* parent, const QString& goodsSql = QString());
