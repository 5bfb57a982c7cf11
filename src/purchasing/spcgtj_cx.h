// "查找": the filter dialogs of the purchase statistics. A supplier box over the supplier list
// (typing filters the list; a confirmed row puts its name into the box and its code into
// `curGhsSn`), the handler, the bill kind and the warehouse. "确定(F5)" answers "1" in
// `choiceParam`. `TF_Spcgtj_Cx` serves the statistics by goods, `TF_Ywycgtj_Cx` (which adds
// the bill kind "付款单") the statistics by salesman.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class PartnerPanel;
class QComboBox;
class QLineEdit;

class PurchaseStatFilter : public TF_Form {
    Q_OBJECT
public:
    PurchaseStatFilter(const QString& objectName, const QString& userCaption, bool payments, QWidget* parent);

    void btnOKClick();  // "确定(F5)"

    QLineEdit* tGhs = nullptr;
    PartnerPanel* panelGhs = nullptr;
    CodeComboBox* comUser = nullptr;
    QComboBox* comDj = nullptr;
    CodeComboBox* comCk = nullptr;

    // The handler's name ("" for "所有业务员"), the bill kind ("" for "所有单据"), the warehouse
    // code ("" for all).
    QString userName() const;
    QString billKind() const;
    QString warehouse() const;

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class TF_Spcgtj_Cx : public PurchaseStatFilter {
    Q_OBJECT
public:
    explicit TF_Spcgtj_Cx(QWidget* parent = nullptr);
};

class TF_Ywycgtj_Cx : public PurchaseStatFilter {
    Q_OBJECT
public:
    explicit TF_Ywycgtj_Cx(QWidget* parent = nullptr);
};

extern TF_Spcgtj_Cx* F_Spcgtj_Cx;
extern TF_Ywycgtj_Cx* F_Ywycgtj_Cx;

// Fills a coded combo with "所有业务员" (code "-1") and every staff member with a name, by id.
void fillSalesmanCombo(CodeComboBox* combo);
