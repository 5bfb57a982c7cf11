// "商品调价": the goods with their category tree and, for the focused goods, what each kind of
// customer pays; the adjustment dialog for one goods; and the log of adjustments over a period.
#pragma once

#include "platform/form.h"

class CategoryTree;
class DataGrid;
class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

class TF_Sptj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Sptj(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    // "调价管理"
    QLineEdit* tClassName = nullptr;
    CategoryTree* TreeView1 = nullptr;
    QLineEdit* tKey = nullptr;
    DataGrid* cxGrid1 = nullptr;  // goods
    QPushButton* btnTj = nullptr;
    QPushButton* btnExit = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N_Record = nullptr;
    QAction* N_OnlyTj = nullptr;
    QAction* N_OnlyJy = nullptr;
    DataGrid* cxGrid2 = nullptr;  // preview
    // "调价查询"
    QDateEdit* dDate1 = nullptr;
    QDateEdit* dDate2 = nullptr;
    QToolButton* btnDates = nullptr;
    QLineEdit* tKey2 = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnExit2 = nullptr;
    DataGrid* cxGrid3 = nullptr;  // log

    void btnTjClick();
    void setGridMx();
    void btnQueryClick();
    void N_RecordClick();
    void onlyFlagClick(QAction* clicked);
    void btnPrintClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void showLogTab();
    bool m_jump = false;  // the log tab was opened for one goods
};

extern TF_Sptj* F_Sptj;
