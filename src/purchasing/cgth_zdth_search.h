// "查找": the search dialog of the purchase document queries (the receipt query of returns,
// the return query page, the purchase document query), the bill search dialog with a supplier
// box "tGhs". Its supplier picker "TF_Cgth_Zdth_Search_GhsSele" writes the chosen name into it.
#pragma once

#include "bills/billsearch.h"

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

class TF_Cgth_Zdth_Search : public TF_BillSearch {
    Q_OBJECT
public:
    explicit TF_Cgth_Zdth_Search(QWidget* parent = nullptr);

    QLineEdit* tGhs = nullptr;
};

class TF_Cgth_Zdth_Search_GhsSele : public TF_BillSearchPartnerSele {
    Q_OBJECT
public:
    explicit TF_Cgth_Zdth_Search_GhsSele(QWidget* parent = nullptr);
};

extern TF_Cgth_Zdth_Search* F_Cgth_Zdth_Search;
extern TF_Cgth_Zdth_Search_GhsSele* F_Cgth_Zdth_Search_GhsSele;

// Registers the dialog and its picker by class name.
void registerZdthSearch();
