// "往来单位管理": the read-only card of the sales bill's customer (`curKhSn`): contact data,
// account figures and the prices quoted to it. A double click on a quote closes the card.
#pragma once

#include "bills/partnercard.h"

class TF_Spxs_Kh : public TF_PartnerCard {
    Q_OBJECT
public:
    explicit TF_Spxs_Kh(QWidget* parent = nullptr);

    void DBGrid1DblClick(int row) override;
};

extern TF_Spxs_Kh* F_Spxs_Kh;
