// "库存盘点": the open count sheets with the lines of the current one, the commands that create,
// edit and delete sheets and lines, the surplus/shortage wizard and the synchronisation; the
// second tab lists the lines of corrected sheets.
#pragma once

#include "platform/form.h"
#include "platform/reportlist.h"

class CodeComboBox;
class DataGrid;
class NamedQuery;
class QDateEdit;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

// The open-sheet list, with the filters of "高级查询" (" and ..." pieces) appended.
QString kcpdSheetsSql(const QString& filters = QString());
// The lines of one sheet.
QString kcpdLinesSql(const QString& djh);
// The lines of sheets corrected in the period, of a warehouse ("-1": all) and an operator
// ("": all).
QString kcpdHistorySql(const QString& from, const QString& to, const QString& ckSn, const QString& aName);

// The print of one sheet ("库存盘点单"): its lines with goods and category, by id.
QString kcpdSheetPrintSql(const QString& djh);
ReportListSpec kcpdSheetPrint();
// The print of the history list ("历史盘点查询").
ReportListSpec kcpdHistoryPrint();

// The operators of jxc_admin in id order after "所有操作员" (each carrying its name), the first chosen.
void fillOperatorCombo(CodeComboBox* combo);

class TF_Kcpd : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcpd(QWidget* parent = nullptr);

    QTabWidget* cxTab = nullptr;
    QToolButton* btnAdd = nullptr;
    QToolButton* btnModi = nullptr;
    QToolButton* btnDel = nullptr;
    QToolButton* btnPd = nullptr;
    QToolButton* btnAddGoods = nullptr;
    QToolButton* btnModiGoods = nullptr;
    QToolButton* btnDelGoods = nullptr;
    QToolButton* btnView = nullptr;   // "查看单据"
    QToolButton* btnCx = nullptr;     // "高级查询"
    QToolButton* btnMx = nullptr;     // "查看详细数量"
    QToolButton* btnTb = nullptr;
    QToolButton* btnExit = nullptr;
    DataGrid* cxGrid1 = nullptr;  // open sheets
    QLabel* lDjh = nullptr;
    DataGrid* cxGrid2 = nullptr;  // lines of the current sheet
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;

    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnDates = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comUser = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnView2 = nullptr;
    QPushButton* btnPrint2 = nullptr;
    QPushButton* btnMx2 = nullptr;
    QPushButton* btnExit2 = nullptr;
    DataGrid* cxGrid3 = nullptr;  // history

    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnPdClick();
    void btnAddGoodsClick();
    void btnModiGoodsClick();
    void btnDelGoodsClick();
    void btnQueryClick();
    // "查看单据" of either tab: the preview of the current open sheet or of the sheet of the
    // current history row.
    void btnViewClick();
    void btnView2Click();
    // "高级查询": the open-sheet list filtered by the values TF_Kcpd_Cx holds when it closes.
    void btnCxClick();
    // "查看详细数量": the counted size and colour rows of the current line or history row.
    void btnMxClick();
    void btnMx2Click();
    // "打印" of the history tab.
    void btnPrint2Click();
    // Reopens the open-sheet list and the lines of its current sheet.
    void refreshSheets();
    void showLines();

protected:
    void FormActivate() override;

private:
    void enterHistory();
    void showDetail(NamedQuery* lines);
    void previewSheet(const QString& djh, const QString& date, const QString& aName, const QString& ckName,
                      const QString& note);
    bool m_loading = false;
};

extern TF_Kcpd* F_Kcpd;
