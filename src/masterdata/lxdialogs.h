// The contact-log dialogs of suppliers ("供货商联系记录") and customers ("客户联系记录"): add an
// entry for the partner in `curGhsSn` / `curKhSn`, or change the current entry of the overview's
// query Q_Ghslx / Q_Khlx. The four share one layout and differ only by side and mode.
#pragma once

#include "masterdata/partners.h"
#include "platform/form.h"

class CodeComboBox;
class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;

// Fills a coded combo with the named staff in id order, each carrying its code (the nameless
// built-in row is never offered); nothing is chosen.
void fillStaffCombo(QComboBox* combo);

class TF_LxDialog : public TF_Form {
    Q_OBJECT
public:
    TF_LxDialog(PartnerKind kind, bool modify, QWidget* parent = nullptr);

    CodeComboBox* comUser = nullptr;
    QDateEdit* dDate = nullptr;
    QPlainTextEdit* mNote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;

private:
    PartnerKind m_kind;
    bool m_modify;
};

class TF_Ghslx_Add : public TF_LxDialog {
    Q_OBJECT
public:
    explicit TF_Ghslx_Add(QWidget* parent = nullptr) : TF_LxDialog(PartnerKind::Ghs, false, parent) {}
};
class TF_Ghslx_Modi : public TF_LxDialog {
    Q_OBJECT
public:
    explicit TF_Ghslx_Modi(QWidget* parent = nullptr) : TF_LxDialog(PartnerKind::Ghs, true, parent) {}
};
class TF_Khlx_Add : public TF_LxDialog {
    Q_OBJECT
public:
    explicit TF_Khlx_Add(QWidget* parent = nullptr) : TF_LxDialog(PartnerKind::Kh, false, parent) {}
};
class TF_Khlx_Modi : public TF_LxDialog {
    Q_OBJECT
public:
    explicit TF_Khlx_Modi(QWidget* parent = nullptr) : TF_LxDialog(PartnerKind::Kh, true, parent) {}
};

extern TF_Ghslx_Add* F_Ghslx_Add;
extern TF_Ghslx_Modi* F_Ghslx_Modi;
extern TF_Khlx_Add* F_Khlx_Add;
extern TF_Khlx_Modi* F_Khlx_Modi;
