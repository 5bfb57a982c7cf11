// The supplier and customer account windows: "往来账务(供货商)" (TF_WlzwGhs) and "往来账务(客户)"
// (TF_WlzwKh). Their first tab lists every bill, return and payment row of a period and a
// partner text with what was due, paid, still owed and written off (accountdocs.h), the goods
// lines of the focused document, its reprint, its deletion (the delete dialog of its side),
// the grid's filters, the list print and the export.
#pragma once

#include "accounts/ledgerentries.h"
#include "platform/form.h"

class DataGrid;
class NamedQuery;
class PartnerPanel;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

class TF_PartyAccount : public TF_Form {
    Q_OBJECT
public:
    explicit TF_PartyAccount(PartySide side, QWidget* parent = nullptr);

    QTabWidget* cxPage = nullptr;
    QPushButton* btn_Look = nullptr;    // "查看单据"
    QPushButton* btn_Dele = nullptr;    // "删除单据"
    QPushButton* btn_Prin = nullptr;    // "打印"
    QPushButton* btn_Filter = nullptr;  // "数据过滤"
    QPushButton* btn_Export = nullptr;  // "导出"
    QPushButton* btn_Exit = nullptr;
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    QLineEdit* tName = nullptr;         // "tGhsName" / "tKhName"
    QPushButton* btnSele = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QRadioButton* rDate = nullptr;      // "按日期排序"
    QRadioButton* rType = nullptr;      // "按类型排序"
    DataGrid* cxGrid1 = nullptr;        // documents
    QLabel* lMsg = nullptr;             // the focused document
    QPushButton* btnDetail = nullptr;   // "查看详细数量"
    DataGrid* cxGrid11 = nullptr;       // its goods lines
    QMenu* filterMenu = nullptr;
    QMenu* gridMenu = nullptr;
    PartnerPanel* panel = nullptr;

    // The document list ("Q_GhsDJ" / "Q_KhDj", whose current row is the focused document, which
    // the delete dialog reads) and the lines of the focused document.
    NamedQuery* documents() const { return m_documents; }
    NamedQuery* lines() const { return m_lines; }

    void btnSearch1Click();
    void showLines();
    void btn_LookClick();
    void btn_DeleClick();
    void btn_PrinClick();
    void btn_ExportClick();
    void btnDetailClick();
    // The filter items: every row, one kind by its prefix, rows owing, rows with a discount.
    enum class DocFilter { All, Bills, Returns, Owing, Discount };
    void applyFilter(DocFilter filter);
    void partnerChosen(const QString& code, const QString& name);

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    bool customers() const { return m_side == PartySide::Customer; }
    PartySide m_side;
    NamedQuery* m_documents = nullptr;
    NamedQuery* m_lines = nullptr;
};

class TF_WlzwGhs : public TF_PartyAccount {
public:
    explicit TF_WlzwGhs(QWidget* parent = nullptr) : TF_PartyAccount(PartySide::Supplier, parent) {}
};
class TF_WlzwKh : public TF_PartyAccount {
public:
    explicit TF_WlzwKh(QWidget* parent = nullptr) : TF_PartyAccount(PartySide::Customer, parent) {}
};

extern TF_WlzwGhs* F_WlzwGhs;
extern TF_WlzwKh* F_WlzwKh;
