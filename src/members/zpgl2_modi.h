// "修改赠品信息": modifies the gift of the list's current row; once the gift has a purchase only
// its points can change.
#pragma once

#include "members/zpgl2_add.h"

class TF_Zpgl2_Modi : public TF_Zpgl2_Add {
    Q_OBJECT
public:
    explicit TF_Zpgl2_Modi(QWidget* parent = nullptr);
    void setGift(qint64 id) { m_id = id; }
    void btnOKClick() override;

protected:
    void FormActivate() override;

private:
    qint64 m_id = 0;
};

extern TF_Zpgl2_Modi* F_Zpgl2_Modi;
