// "修改会员等级": changes the level that is current in the member-card settings.
#pragma once

#include "members/hyfl_add.h"

class TF_Hyfl_Modi : public TF_Hyfl_Add {
    Q_OBJECT
public:
    explicit TF_Hyfl_Modi(QWidget* parent = nullptr);
    void setLevel(const QString& hlSn) { m_code = hlSn; }

protected:
    void FormActivate() override;
};

extern TF_Hyfl_Modi* F_Hyfl_Modi;
