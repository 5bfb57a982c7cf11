// The receivables and payables statements: "应收款管理" (TF_Yskgl) and "应付款管理" (TF_Yfkgl).
// A period with the quick date presets and an optional partner; the detailed view lists every
// ledger row of the period after an opening line per partner, the summary one line per partner.
#pragma once

#include "accounts/ledgerentries.h"
#include "platform/form.h"

class DataGrid;
class PartnerPanel;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class TF_PartyStatement : public TF_Form {
    Q_OBJECT
public:
    explicit TF_PartyStatement(PartySide side, QWidget* parent = nullptr);

    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_Exit = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    QLineEdit* tName = nullptr;  // "tKhName1" / "tkey"
    QPushButton* btnGhsSele = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QRadioButton* rHzb = nullptr;
    QRadioButton* rMxb = nullptr;
    DataGrid* cxGrid1 = nullptr;  // detail
    DataGrid* cxGrid2 = nullptr;  // summary
    PartnerPanel* panel = nullptr;

    void btnSearch1Click();
    void btn_ExportClick();
    void btn_PrinClick();
    void partnerChosen(const QString& code, const QString& name);

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void showView(bool summary);
    PartySide m_side;
};

class TF_Yskgl : public TF_PartyStatement {
public:
    explicit TF_Yskgl(QWidget* parent = nullptr) : TF_PartyStatement(PartySide::Customer, parent) {}
};
class TF_Yfkgl : public TF_PartyStatement {
public:
    explicit TF_Yfkgl(QWidget* parent = nullptr) : TF_PartyStatement(PartySide::Supplier, parent) {}
};

extern TF_Yskgl* F_Yskgl;
extern TF_Yfkgl* F_Yfkgl;
