// "增加客户": adds a customer. Opened with detailTable "xs" (the sales bill), a save
// answers "xs9" and leaves Q_Khxx on the new customer.
#pragma once

#include "masterdata/partneredit.h"

class TF_Khgl_Add final : public PartnerEditForm {
public:
    explicit TF_Khgl_Add(QWidget* parent = nullptr);
};

extern TF_Khgl_Add* F_Khgl_Add;
