// "查找": the search dialog of the bill queries (purchase and sales documents, returns). It
// answers "1" in `detailTable` when "查询(F5)" closes it; the caller then takes its period,
// partner text, warehouse and operator. Its partner picker writes the chosen name into it.
// Each use derives a named dialog and picker, giving the partner kind and the box's name.
#pragma once

#include "platform/form.h"

#include <functional>
#include <optional>

class CodeComboBox;
class PartnerPanel;
class QDateEdit;
class QLineEdit;

struct BillSearchAnswer {
    QString d1;       // "yyyy-MM-dd"
    QString d2;
    QString partner;  // trimmed
    QString ckSn;     // "-1": all warehouses
    QString opName;   // "所有操作员": all operators
};

class TF_BillSearch : public TF_Form {
    Q_OBJECT
public:
    void btnOKClick();  // "查询(F5)"
    BillSearchAnswer answer() const;

    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comCzy = nullptr;

protected:
    // A customer box "客户名称：" or a supplier box "供  货  商：", named `boxName`; the button
    // beside it runs `openPicker`.
    TF_BillSearch(bool customer, const char* boxName, std::function<void()> openPicker, QWidget* parent);
    void FormActivate() override;
    // Shows `picker` 80 pixels left of and 45 below the dialog's client area.
    void placePicker(QWidget* picker);

    QLineEdit* m_partner = nullptr;
};

// Opens the search dialog that `show` shows modally, with `callerFlag` set to `callerWord`; its
// answer when the operator confirmed it.
std::optional<BillSearchAnswer> runBillSearch(const QString& callerWord, const std::function<TF_BillSearch*()>& show);

class TF_BillSearchPartnerSele : public TF_Form {
    Q_OBJECT
public:
    PartnerPanel* panel = nullptr;

protected:
    // The partners not disabled; the chosen name goes into the box `target` gives.
    TF_BillSearchPartnerSele(bool customer, std::function<QLineEdit*()> target, QWidget* parent);
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    bool m_customer;
};
