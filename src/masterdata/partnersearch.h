// The search dialogs of the supplier and customer lists: four values handed to the list.
#pragma once

#include "masterdata/partners.h"
#include "platform/form.h"

#include <QStringList>

class QLineEdit;
class QPushButton;

class PartnerSearchForm : public TF_Form {
    Q_OBJECT
public:
    QLineEdit* tname = nullptr;
    QLineEdit* tlxr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();
    // Name, contact, telephone, address, trimmed, as confirmed.
    QStringList values() const { return m_values; }

protected:
    PartnerSearchForm(PartnerKind kind, QWidget* parent);
    void FormActivate() override;

private:
    QStringList m_values;
};
