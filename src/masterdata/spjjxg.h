// "商品均价修改": the warehouse stock rows of the enabled goods with their moving-average cost,
// and the correction of one row's cost.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class TF_Spjjxg : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spjjxg(QWidget* parent = nullptr);

    QToolButton* btnModi = nullptr;
    QToolButton* btnExport = nullptr;
    QToolButton* btnPrint = nullptr;
    QToolButton* btnExit = nullptr;
    QLineEdit* tKey = nullptr;
    CodeComboBox* comCk = nullptr;
    QCheckBox* chkZero = nullptr;
    QPushButton* btnQuery = nullptr;
    DataGrid* cxGrid1 = nullptr;

    void btnQueryClick();
    void btnModiClick();
    void btnPrintClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    bool m_loading = false;  // activation fills the filters without querying on each change
};

extern TF_Spjjxg* F_Spjjxg;
