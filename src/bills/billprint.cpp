#include "bills/billprint.h"

#include "data/datamodule.h"
#include "data/namedquery.h"
#include "data/settings.h"
#include "platform/report.h"

namespace {

const QString kLines = QStringLiteral("frxDBDataset1");

// Q_GoodsPrin opened with the bill's lines for the lifetime of the object, closed however
// the print ends.
class LinesOpen {
public:
    explicit LinesOpen(const QString& sql) { openQuery(DataModule->Q_GoodsPrin, sql); }
    ~LinesOpen() { DataModule->Q_GoodsPrin->close(); }
    LinesOpen(const LinesOpen&) = delete;
    LinesOpen& operator=(const LinesOpen&) = delete;
};

}  // namespace

void setPrinPara(Report& rpt, const BillPrint& bill)
{
    rpt.loadTemplate(bill.templateFile);
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("comName"), reportQuote(companyName));
    rpt.setVariable(QStringLiteral("comTele"), reportQuote(companyTele));
    rpt.setVariable(QStringLiteral("comAddress"), reportQuote(companyAddress));
    for (const BillVariable& v : bill.variables)
        rpt.setVariable(v.first, reportQuote(v.second));
}

bool printBill(const BillPrint& bill, int copies, QWidget* parent)
{
    LinesOpen lines(bill.linesSql);
    Report rpt;
    setPrinPara(rpt, bill);
    rpt.setDataset(kLines, DataModule->Q_GoodsPrin);
    return rpt.print(copies < 1 ? 1 : copies, parent);
}

bool printBillDirect(const BillPrint& bill)
{
    LinesOpen lines(bill.linesSql);
    Report rpt;
    setPrinPara(rpt, bill);
    rpt.setDataset(kLines, DataModule->Q_GoodsPrin);
    return rpt.printDirect();
}

void printGoodsDetail(const BillPrint& bill, QWidget* parent)
{
    LinesOpen lines(bill.linesSql);
    Report rpt;
    setPrinPara(rpt, bill);
    rpt.setDataset(kLines, DataModule->Q_GoodsPrin);
    rpt.preview(parent);
}

int printCopies(const QString& setting)
{
    bool ok = false;
    const int n = setting.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 1;
}

bool printAfterPosting()
{
    return csDjzddy != QLatin1String("0") && csDjzddy != QLatin1String("False");
}
