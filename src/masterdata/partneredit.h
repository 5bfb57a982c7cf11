// The add and modify dialogs of suppliers and customers: one layout for both sides and both
// modes. The balance is shown read-only; opening balances are entered in the current accounts.
#pragma once

#include "masterdata/partners.h"
#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class PartnerEditForm : public TF_Form {
    Q_OBJECT
public:
    const PartnerSide& side() const { return m_side; }
    bool isModify() const { return m_modify; }
    // The code of the partner being modified (from the activation to the save).
    QString code() const { return m_code; }

    QLineEdit* tname = nullptr;
    QComboBox* comType = nullptr;
    QToolButton* btnType = nullptr;
    QComboBox* comZone = nullptr;
    QToolButton* btnZone = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* tlxr = nullptr;
    QLineEdit* tqcje = nullptr;
    QLabel* lblNote = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkDefault = nullptr;
    QCheckBox* chkForbid = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();
    // Open the type or zone picker under this dialog's caller word.
    void btnTypeClick();
    void btnZoneClick();

protected:
    PartnerEditForm(PartnerKind kind, bool modify, QWidget* parent);
    void FormActivate() override;

private:
    void fillCombos();
    PartnerFields fields() const;
    void openPicker(TF_Form* picker);

    const PartnerSide& m_side;
    bool m_modify;
    QString m_code;
};
