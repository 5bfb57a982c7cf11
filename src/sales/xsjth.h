// "商品销售/退货查询": the posted sales bills and customer returns of a period together, newest
// first, with the money of each, and below the goods lines of the bill under the cursor. A text
// matches customer or number; the detailed search leaves a warehouse and an operator; a quick
// filter narrows the loaded list. Both stay in force across searches and reopenings.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class DataGrid;
class QLabel;
class QLineEdit;

struct XsjthFilter {
    QString d1{};
    QString d2{};          // the whole end day counts
    QString key{};         // customer code, short code, name or bill number (as typed)
    QueryExtraFilters extra{};
};

// One row per sales bill and customer return whose customer, handler and warehouse exist.
QString xsjthBillsSql(const XsjthFilter& f);
// The journal lines of a bill, a return's quantity and amount read positive.
QString xsjthLinesSql(const QString& djh);

// The detailed search's answer.
struct XsjthSearch {
    QString d1;
    QString d2;
    QString customer;  // as typed or picked
    QString ckSn;      // "-1": every warehouse
    QString opName;    // "所有操作员": every operator
};

// The quick filters of the bill list.
enum class XsjthQuick { All, Sales, Returns, Owed, Discounted };

class TF_Xsjth : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Xsjth(QWidget* parent = nullptr);

    void btnSearchClick();  // "查询(F2)"
    void btnFindClick();    // "详细查找"
    void applySearch(const XsjthSearch& answer);
    void setQuick(XsjthQuick quick);
    void btnViewClick();    // "查看单据"
    void detailClick();     // "查看详细数量"
    void btnExportClick();
    void billChanged();

    QueryPeriod period;
    QLineEdit* tKey = nullptr;
    DataGrid* gridBills = nullptr;
    QLabel* lblLines = nullptr;
    DataGrid* gridLines = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    QueryExtraFilters m_extra;
    XsjthQuick m_quick = XsjthQuick::All;
};

extern TF_Xsjth* F_Xsjth;
