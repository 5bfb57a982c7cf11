// "客户借货管理": the lending register. Borrowing lines by line (with the give-backs and
// conversions of the focused line's goods), by customer and by goods; the loan, give-back and
// conversion windows open from here, a loan document previews and every list prints.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class DataGrid;
class PartnerPanel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

class NamedQuery;

// The lending windows' named queries (the loan's lines "Q_Khjh", the picker's goods lists
// "Q_KhjhGoods" and "Q_KhjhGoods2", the register's lists "Q_Khjhgl1", "Q_Khjhgl2", "Q_Khjhkh",
// "Q_Khjhkh1", "Q_Khjhsp", "Q_Khjhsp1" and the open lines "Q_KhjhOpen"): children of the data
// module, made on first use.
NamedQuery* lendingQuery(const char* name);

// What the register's lists are filtered by.
struct KhjhglFilter {
    QString d1{}, d2{};  // "yyyy-MM-dd", both days included
    QString key{};     // typed text: customer (line and customer lists) or goods; "全部客户" is none
    QString khSn{};    // the current customer: replaces the typed customer
    QString ckSn{}, uSn{};
    bool showSettled = false;  // lines already given back or sold (quantity 0) too
};
// Borrowing lines with their goods, customer, warehouse, stock row and handler, newest first;
// `gSn` limits them to one goods.
QString khjhglLinesSql(const KhjhglFilter& f, const QString& gSn = QString());
// The give-back and conversion rows of a goods, any customer and date.
QString khjhglBackSql(const QString& gSn);
// Per customer: quantity and value (at the warehouse's current kc_cbj) still out.
QString khjhglCustomersSql(const KhjhglFilter& f);
// Per goods: the quantity still out.
QString khjhglGoodsSql(const KhjhglFilter& f);

class TF_Khjhgl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Khjhgl(QWidget* parent = nullptr);

    void searchClick();   // "查询(F2)": the active tab
    void loanClick();     // "客户借货"
    void giveBackClick(); // "客户还货"
    void saleClick();     // "借转销售"
    void viewClick();     // "查看单据"
    void filterClick();   // "高级查询"
    void detailClick();   // "查看详细数量"
    void printList(int which);  // 0: the active tab's upper list, 1: its lower list
    void customerChosen(const QString& code, const QString& name);
    void allCustomersClick();

    QTabWidget* PageControl1 = nullptr;
    QueryPeriod periods[3];
    QLineEdit* keys[3] = {};
    QCheckBox* allCustomers[2] = {};
    DataGrid* upper[3] = {};
    DataGrid* lower[3] = {};
    QLabel* headings[3] = {};
    PartnerPanel* RzPanelKh = nullptr;
    QPushButton* btnHh = nullptr;
    QPushButton* btnXs = nullptr;

    // The filter dialog's choices in force.
    QString ckFilter, uFilter;
    bool showSettled = false;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    KhjhglFilter filterOf(int tab) const;
    void tabChanged(int tab);
    void fillBackList();
    void fillLower(int tab);
    bool m_initialising = false;
};

extern TF_Khjhgl* F_Khjhgl;
