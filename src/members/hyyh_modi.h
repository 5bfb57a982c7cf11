// "优惠方式设置" for the scheme that is current in the member-card settings.
#pragma once

#include "members/hyyh_add.h"

class TF_Hyyh_Modi : public TF_Hyyh_Add {
    Q_OBJECT
public:
    explicit TF_Hyyh_Modi(QWidget* parent = nullptr);
    void setScheme(const QString& hhSn) { m_code = hhSn; }

protected:
    void FormActivate() override;
};

extern TF_Hyyh_Modi* F_Hyyh_Modi;
