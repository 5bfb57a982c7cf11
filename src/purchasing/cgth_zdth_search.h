// "查找": the search dialog of the purchase document queries (the receipt query of returns,
// the return query page, the purchase document query). It answers "1" in `detailTable` when
// "查询(F5)" closes it; the caller then takes its dates, supplier text, warehouse and operator.
// Its supplier picker "TF_Cgth_Zdth_Search_GhsSele" writes the chosen name into the dialog.
#pragma once

#include "platform/form.h"

#include <optional>

class CodeComboBox;
class PartnerPanel;
class QDateEdit;
class QLineEdit;

struct ZdthSearchAnswer {
    QString d1;        // "yyyy-MM-dd"
    QString d2;
    QString supplier;  // trimmed
    QString ckSn;      // "-1": all warehouses
    QString opName;    // "所有操作员": all operators
};

// Opens the dialog modally with `callerFlag` set to `callerWord`; its answer when the operator
// confirmed it.
std::optional<ZdthSearchAnswer> runZdthSearch(const QString& callerWord);

class TF_Cgth_Zdth_Search : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgth_Zdth_Search(QWidget* parent = nullptr);

    void btnOKClick();  // "查询(F5)"
    ZdthSearchAnswer answer() const;

    QLineEdit* tGhs = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comCzy = nullptr;

protected:
    void FormActivate() override;
};

class TF_Cgth_Zdth_Search_GhsSele : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgth_Zdth_Search_GhsSele(QWidget* parent = nullptr);

    PartnerPanel* panel = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

extern TF_Cgth_Zdth_Search* F_Cgth_Zdth_Search;
extern TF_Cgth_Zdth_Search_GhsSele* F_Cgth_Zdth_Search_GhsSele;

// Registers the dialog and its picker by class name.
void registerZdthSearch();
