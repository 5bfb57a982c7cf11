// "往来单位管理": the read-only card of the receipt's supplier (`curGhsSn`): contact data, account
// figures and the prices it has quoted. A double click on a quote hands the goods and its
// quoted price back to the receipt window (`modeFlag` "cgjh_ghs", `curGoodsSn`, `choiceParam`).
#pragma once

#include "bills/partnercard.h"

class TF_Cgjh_Ghs : public TF_PartnerCard {
    Q_OBJECT
public:
    explicit TF_Cgjh_Ghs(QWidget* parent = nullptr);

    void DBGrid1DblClick(int row) override;
};

extern TF_Cgjh_Ghs* F_Cgjh_Ghs;
