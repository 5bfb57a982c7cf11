// "查找": the search dialog of the sales bill queries, the bill search dialog with a customer
// box "tkh". Its customer picker "TF_Xsth_Search_KhSele" writes the chosen name into it.
#pragma once

#include "bills/billsearch.h"

// Opens the dialog modally with `callerFlag` set to `callerWord` ("xsdjcx"); its answer (the
// customer text in `partner`) when the operator confirmed it.
std::optional<BillSearchAnswer> runXsthSearch(const QString& callerWord);

class TF_Xsth_Search : public TF_BillSearch {
    Q_OBJECT
public:
    explicit TF_Xsth_Search(QWidget* parent = nullptr);

    QLineEdit* tkh = nullptr;
};

class TF_Xsth_Search_KhSele : public TF_BillSearchPartnerSele {
    Q_OBJECT
public:
    explicit TF_Xsth_Search_KhSele(QWidget* parent = nullptr);
};

extern TF_Xsth_Search* F_Xsth_Search;
extern TF_Xsth_Search_KhSele* F_Xsth_Search_KhSele;
