// "商品捆绑": goods in stock bundled into another goods. The bundle tab enters a bundle in three
// steps (header, components, result) and posts it; "捆绑查询" lists the posted bundles.
#pragma once

#include "bills/billwindow.h"

class CodeComboBox;
class ReportTemplate;
struct BillPrint;
class DataGrid;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;

// The component lines of a bundle number.
QString kbLinesSql(const QString& number);
// The goods a bundle goods can be chosen from: not disabled, not the discount item, not a
// component of the bundle `number`.
QString kbGoodsSql(const QString& number);
// The posted bundles of the period whose goods match the typed text, of a warehouse and a
// handler ("-1" or "": all).
QString kbHistorySql(const QString& from, const QString& to, const QString& text, const QString& ckSn,
                     const QString& uSn);
// Fills the result list (jxc_cfsptmp) of the bundle: the bundle goods' row, then one per component.
void fillKbResult(const QString& number, const QString& gSn, const QString& gName, double qty, double cost,
                  double stock);

// The shipped layout of a bundle document (report/kbd.fr3).
ReportTemplate kbdLayout();

class TF_Cfkb : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Cfkb(QWidget* parent = nullptr);

    QTabWidget* cxTab = nullptr;
    QLabel* gldjhkb = nullptr;
    QDateEdit* dateKb = nullptr;
    CodeComboBox* comCkKb = nullptr;
    QLineEdit* tspkb = nullptr;
    QPushButton* btnSpeedKb1 = nullptr;
    QSpinBox* tslkb = nullptr;
    QLabel* g_namekb = nullptr;
    QLabel* gg_namekb = nullptr;
    QLabel* dw_namekb = nullptr;
    QLabel* g_sccskb = nullptr;
    QLabel* kc_slkb = nullptr;
    QLabel* kc_cbjkb = nullptr;
    QLabel* kbzje = nullptr;
    QWidget* RzPanel_Kb2 = nullptr;
    DataGrid* cxGridKb = nullptr;
    QPushButton* btnAddKb = nullptr;
    QPushButton* btnModiKb = nullptr;
    QPushButton* btnDelKb = nullptr;
    QPushButton* btnPrintKb = nullptr;
    CodeComboBox* comUserKb = nullptr;
    QLineEdit* tnotekb = nullptr;
    QPushButton* btnNextKb = nullptr;
    QWidget* RzPanel_Kb3 = nullptr;
    DataGrid* cxGridResult = nullptr;
    QPushButton* btnPrevKb = nullptr;
    QPushButton* btnOKKb = nullptr;
    QGroupBox* RzPanel_Goods = nullptr;
    QLineEdit* tGoods = nullptr;
    DataGrid* cxGridGoods = nullptr;
    QPushButton* btnGoodsOK = nullptr;

    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QLineEdit* tGoodsName = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnCx = nullptr;
    QPushButton* btnView = nullptr;
    DataGrid* cxGridKbd = nullptr;
    QLabel* lDjh = nullptr;
    DataGrid* cxGridKbsp1 = nullptr;

    // The chosen bundle goods ("" when none).
    const QString& bundleGoods() const { return m_goods; }

    void btnSpeedKb1Click();
    void chooseGoods();  // the goods list's "确定(F5)"
    void btnAddKbClick();
    void btnModiKbClick();
    void btnDelKbClick();
    void btnNextKbClick();
    void btnPrevKbClick();
    void btnOKKbClick();
    void btnQueryClick();
    void btnCxClick();
    // "预览单据(&Z)": the bundle being entered; "查看单据": the current posted bundle.
    void previewKbClick();
    void btnViewClick();
    // What those previews print.
    BillPrint enteredPrint() const;
    BillPrint postedPrint() const;

protected:
    bool saveBill() override;
    void resetBill() override;
    void showLineButtons(bool hasLines) override;
    bool billKeyDown(QKeyEvent* event) override;

private:
    void initialise();
    void preselect();
    void warehouseChanged();
    void showGoods(const QString& filter);
    void clearGoodsLabels();
    void enableHead(bool on);
    void enterHistory();
    void showHistoryLines();
    QString warehouseCode() const;
    bool m_initialising = false;
    bool m_posted = false;
    QString m_goods;
    QString m_ckFilter;
    QString m_userFilter;
};

extern TF_Cfkb* F_Cfkb;
