// "业务员管理": one staff member at a time with every bill and payment that names the member as
// handler, the lines of the focused bill, four totals, the member's note and diary; reprints a
// bill and opens the staff list and the salesman statistics.
#pragma once

#include "platform/form.h"

class DataGrid;
class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

class TF_Ywygl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ywygl(QWidget* parent = nullptr);

    QLineEdit* tKey = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnUser = nullptr;
    QPushButton* btnYj = nullptr;
    QAction* N_Cgyj = nullptr;
    QAction* N_Xsyj = nullptr;
    QPushButton* btnExit = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblDuty = nullptr;
    QLabel* lblTele = nullptr;
    QLabel* lblAddress = nullptr;
    QLabel* lblCgje = nullptr;  // "采购金额："
    QLabel* lblWfyf = nullptr;  // "我方已付："
    QLabel* lblXsje = nullptr;  // "销售金额："
    QLabel* lblKhyf = nullptr;  // "客户已付："
    QTabWidget* PageControl1 = nullptr;
    DataGrid* cxGrid1 = nullptr;  // bills
    QAction* N_View = nullptr;
    DataGrid* cxGrid2 = nullptr;  // lines
    QPlainTextEdit* mNote = nullptr;
    QPushButton* btnSaveNote = nullptr;
    DataGrid* cxGrid3 = nullptr;  // diary
    QPushButton* btnRzAdd = nullptr;
    QPushButton* btnRzModi = nullptr;
    QPushButton* btnRzDel = nullptr;
    QWidget* pnlSearch = nullptr;
    DataGrid* cxGrid4 = nullptr;  // staff
    QPushButton* btnChoose = nullptr;
    QPushButton* btnCloseSearch = nullptr;

    // The staff member shown.
    QString uSn() const { return m_uSn; }

    void tKeyChanged();
    void chooseClick();
    void showLines();
    void viewBill();
    void openStatistics(const QString& windowClass, const QString& caption);
    void btnUserClick();
    void btnSaveNoteClick();
    void btnRzAddClick();
    void btnRzModiClick();
    void btnRzDelClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void openDiary();
    QString m_uSn;
};

extern TF_Ywygl* F_Ywygl;
