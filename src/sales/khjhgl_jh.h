// "新增借货": the loan window. A loan being entered as working lines under a provisional number
// (customer, warehouse, handler, date, note); saving posts it at once (postKhjh) and starts the
// next one. Goods come through the loan's picker and line dialog.
#pragma once

#include "bills/billprint.h"
#include "bills/billwindow.h"
#include "platform/partnerpanel.h"

class CodeComboBox;
class DataGrid;
class PartnerAccountStrip;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The customer panel of the lending windows: code, name and contact data, filtered by name,
// short code or code; no add, "修改(F9)" when `canModify`.
PartnerPanel::Config lendingCustomerPanel(bool canModify);

// The print of loan `djh` by size and colour (template khjh.fr3) with the head as printed; the
// customer's contact data come from its card.
BillPrint khjhPrint(const QString& djh, const QString& khSn, const QString& khName, const QString& ckName,
                    const QString& date, const QString& note, const QString& uName);

class TF_Khjhgl_Jh : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Khjhgl_Jh(QWidget* parent = nullptr);

    void btnAddClick();   // "添加商品(F2)"
    void btnModiClick();  // "修改"
    void btnDelClick();   // "删除"
    void btnOKClick();    // "保存(F5)"
    void printClick();    // "打印单据"
    void previewClick();  // "预览单据"
    void dateCgChange();
    void customerChosen(const QString& code, const QString& name);
    // The customer chosen for this loan (kept whatever the neighbour windows do to curKhSn).
    const QString& customerSn() const { return m_khSn; }

    QLabel* gldjh = nullptr;
    QLineEdit* tkh = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comUser = nullptr;
    QDateEdit* dateCg = nullptr;
    QLineEdit* tnote = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrint = nullptr;
    PartnerPanel* RzPanelKh = nullptr;
    PartnerAccountStrip* RzPanel_Kh1 = nullptr;

protected:
    bool saveBill() override;
    void resetBill() override;
    void showLineButtons(bool hasLines) override;
    void updateBottomJe() override;
    bool billKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void openNeighbour(const QString& windowClass, const QString& caller, const QString& name);
    BillPrint currentPrint() const;

    QString m_khSn;
    bool m_initialising = false;
};

extern TF_Khjhgl_Jh* F_Khjhgl_Jh;
