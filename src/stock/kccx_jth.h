// "进/退货参考": the purchase and the return reference lists, one tab each, kept by hand as a
// reminder of goods to reorder or to send back. Nothing posts from them.
#pragma once

#include "platform/form.h"

class DataGrid;
class QTabWidget;
class QToolButton;
class ReportTemplate;

class TF_Kccx_Jth : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Jth(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    // Per tab (0 purchase, 1 return): its grid and commands.
    struct Tab {
        DataGrid* grid = nullptr;
        QToolButton* btnAdd = nullptr;
        QToolButton* btnModi = nullptr;
        QToolButton* btnDel = nullptr;
        QToolButton* btnExport = nullptr;
        QToolButton* btnPrint = nullptr;
        QToolButton* btnExit = nullptr;
    };
    Tab tabs[2];

    void loadList(int tab);
    void btnAddClick(int tab);
    void btnModiClick(int tab);
    void btnDelClick(int tab);
    void btnPrintClick(int tab);

    static ReportTemplate listLayout(bool purchase);

protected:
    void FormActivate() override;

private:
    bool m_loading = false;
};

extern TF_Kccx_Jth* F_Kccx_Jth;
