// "修改计次商品": changes the amount, times and note of a working count item.
#pragma once

#include "members/hycs_add.h"

class TF_Hycs_Modi : public TF_Hycs_Add {
    Q_OBJECT
public:
    explicit TF_Hycs_Modi(QWidget* parent = nullptr);
    void setItem(qint64 id) { m_id = id; }

    void btnOKClick() override;

protected:
    void FormActivate() override;

private:
    qint64 m_id = 0;
};

extern TF_Hycs_Modi* F_Hycs_Modi;
