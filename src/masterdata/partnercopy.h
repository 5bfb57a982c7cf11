// The copy windows: a new supplier made from a customer, or a new customer from a supplier.
// The window lists the partners of the other side that are not disabled.
#pragma once

#include "masterdata/partners.h"
#include "platform/form.h"

class DataGrid;
class QLineEdit;
class QPushButton;

class PartnerCopyForm : public TF_Form {
    Q_OBJECT
public:
    QLineEdit* tKey = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    // Copies the focused partner; with no row shown it only closes the window.
    void btnOKClick();
    void tKeyChange();

protected:
    PartnerCopyForm(PartnerKind kind, QWidget* parent);
    void FormActivate() override;
    void FormClose() override;

private:
    const PartnerSide& m_side;  // the side that gets the new partner
    const PartnerSide& m_from;  // the side listed
};
