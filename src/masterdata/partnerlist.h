// The supplier list "供货商信息" and the customer list "客户信息": one window told apart by its
// side. It shows every partner of the side, disabled ones included, in the order of entry.
#pragma once

#include "masterdata/partners.h"
#include "platform/form.h"

class DataGrid;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

class PartnerListForm : public TF_Form {
    Q_OBJECT
public:
    const PartnerSide& side() const { return m_side; }

    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnImport = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnExit = nullptr;
    QLineEdit* tKey = nullptr;
    QPushButton* btnQuery = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mnuAdd = nullptr;
    QAction* mnuModi = nullptr;
    QAction* mnuDel = nullptr;
    QAction* mnuForbid = nullptr;
    QAction* mnuSearch = nullptr;
    QAction* mnuAll = nullptr;
    QAction* mnuPrint = nullptr;

    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnSearchClick();
    void btnPrintClick();
    void btnExportClick();
    void btnImportClick();
    void btnCopyClick();
    // The key search: the trimmed key, made safe, in code, name, short code, contact,
    // telephone or address.
    void btnQueryClick();
    void mnuAllClick();
    // Sets the menu's check mark from the current row, as the right mouse button does.
    void preparePopup();
    void mnuForbidClick();
    // What the search dialog hands over: name, contact, telephone, address (trimmed).
    void applySearch(const QStringList& values);

protected:
    PartnerListForm(PartnerKind kind, QWidget* parent);
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    const PartnerSide& m_side;
};
