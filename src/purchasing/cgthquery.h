// The return query page of the purchase return window ("退货查询"): posted returns of a period
// as documents, as totals per goods and as journal lines, all showing returned quantities and
// amounts as positive figures; the chosen return is previewed and each view prints as a list.
#pragma once

#include "bills/querykit.h"

#include <QString>
#include <QWidget>

class DataGrid;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QStackedWidget;

// What the page's statements filter by; dates "yyyy-MM-dd", both ends included.
struct CgthQueryFilter {
    QString key;      // supplier name, short code or document number (as typed)
    QString d1;
    QString d2;
    QString ckSn;     // warehouse code from the search dialog; empty: all
    QString opName;   // operator from the search dialog; empty: all
};

// Documents: stored amounts negated (yfje, sfje), wfje the stored difference.
QString cgthDocumentsSql(const CgthQueryFilter& f);
// Lines of one return.
QString cgthLinesOfSql(const QString& djh);
// Totals per goods over the period's returns.
QString cgthGoodsTotalsSql(const CgthQueryFilter& f);
// The "ct" journal rows of one goods, negated (sl, zje).
QString cgthGoodsJournalSql(const QString& gSn);
// The period's "ct" journal rows, negated (sl, zje).
QString cgthJournalSql(const CgthQueryFilter& f);

class CgthQueryPage : public QWidget {
    Q_OBJECT
public:
    explicit CgthQueryPage(QWidget* parent = nullptr);

    // Runs the query of the view shown ("查询(F2)").
    void runQuery();
    // Sets the search box and runs the query (the supplier menu's "退货信息查询").
    void searchFor(const QString& text);
    // Clears the warehouse and operator filters of the search dialog (every activation).
    void clearFilters();
    // The search dialog's filters (codes as chosen there).
    void setFilters(const QString& ckSn, const QString& opName);
    // "查看单据": previews the chosen return.
    void previewClick();
    // "打印(&Z)": previews the list of the view shown with the period.
    void printListClick();
    // "高级查询".
    void advancedClick();
    // Closes the page's data sets.
    void closeQueries();

    CgthQueryFilter filter() const;

    QLineEdit* tKey = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QRadioButton* rbDjb = nullptr;
    QRadioButton* rbHzb = nullptr;
    QRadioButton* rbMxb = nullptr;
    DataGrid* gridThd = nullptr;
    DataGrid* gridThsp = nullptr;
    DataGrid* gridHz = nullptr;
    DataGrid* gridHzList = nullptr;
    DataGrid* gridMx = nullptr;

signals:
    void closeRequested();

private:
    void loadLines();
    void loadGoodsJournal();
    // The return the preview shows: of the document list, or of the journal row.
    QString chosenReturn() const;

    QStackedWidget* m_views = nullptr;
    QueryPeriod m_period;
    QString m_ckSn;
    QString m_opName;
};
