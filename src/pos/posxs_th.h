// "顾客退货": a till return. The cashier chooses a paid till sale, scans the goods coming back
// (each line at most what it still may give back), corrects quantities and confirms the refund.
// The lines are stored under the return's number as they are added.
#pragma once

#include "platform/form.h"
#include "pos/posposting.h"

class DataGrid;
class NamedQuery;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TF_Posxs_Th : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Th(QWidget* parent = nullptr);

    void initReturn();
    void chooseSale();
    void addGoods();
    void openLines();
    void removeLine();
    void showQuantity();
    void confirmQuantity();
    // Confirms the return; true when it was posted.
    bool btnSaveClick();
    QString number() const { return m_number; }
    int lineCount() const;

    QLabel* lblThdh = nullptr;
    QLineEdit* edtXsdh = nullptr;
    QLabel* lblXsrq = nullptr;
    QLabel* lblHybh = nullptr;
    QLineEdit* edtGoods = nullptr;
    DataGrid* grid = nullptr;
    NamedQuery* qLines = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnSl = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    QFrame* panelSl = nullptr;
    QLabel* lblSlName = nullptr;
    QLabel* lblSlOld = nullptr;
    QLineEdit* edtSlNew = nullptr;
    QPushButton* btnSlOk = nullptr;
    QPushButton* btnSlExit = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override;
    void FormClose() override;

private:
    QString m_number;
    std::optional<PosSaleRef> m_sale;
};

extern TF_Posxs_Th* F_Posxs_Th;
