// "库存盘点": the open count sheets with the lines of the current one, the commands that create,
// edit and delete sheets and lines, the surplus/shortage wizard and the synchronisation; the
// second tab lists the lines of corrected sheets.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
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
    DataGrid* cxGrid3 = nullptr;  // history

    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnPdClick();
    void btnAddGoodsClick();
    void btnModiGoodsClick();
    void btnDelGoodsClick();
    void btnQueryClick();
    // Reopens the open-sheet list and the lines of its current sheet.
    void refreshSheets();
    void showLines();

protected:
    void FormActivate() override;

private:
    void enterHistory();
    bool m_loading = false;
};

extern TF_Kcpd* F_Kcpd;
