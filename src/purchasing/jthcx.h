// "采购进/退货查询": the posted purchase receipts and returns of a period in one list (returns
// with their stored negative amounts), the journal lines of the chosen document, its size and
// colour quantities, and the preview of the document on its bill template.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class DataGrid;
class QLabel;
class QLineEdit;

struct JthcxFilter {
    QString key{};  // supplier code, name, short code or document number (as typed)
    QString d1{};
    QString d2{};
    QueryExtraFilters extra{};
};

// The document list: receipts and returns, newest date first, receipts before returns.
QString jthcxDocumentsSql(const JthcxFilter& f);
// The journal rows of one document.
QString jthcxLinesSql(const QString& djh);

class TF_Jthcx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Jthcx(QWidget* parent = nullptr);

    void btnQueryClick();   // "查询(F2)"
    void btnSearchClick();  // "详细查找"
    void btnViewClick();    // "查看单据"
    void detailClick();     // "查看详细数量"
    void btnExportClick();  // "导出"
    // The in-grid filters of "数据过滤": flag "0" the number contains key, "1" owing, "2" discounted.
    void filterPopUpMenu(const QString& key, const QString& flag);

    QLineEdit* tKey = nullptr;
    QueryPeriod period;
    DataGrid* gridJhd = nullptr;
    DataGrid* gridJhsp = nullptr;
    QLabel* lbDetail = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void loadDetail();

    QueryExtraFilters m_extra;
};

extern TF_Jthcx* F_Jthcx;
