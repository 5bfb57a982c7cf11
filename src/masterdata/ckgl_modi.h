// "修改仓库": edits the warehouse whose code the list hands over in `ckSn`.
#pragma once

#include "masterdata/ckgl_add.h"

class TF_Ckgl_Modi : public TF_Ckgl_Add {
    Q_OBJECT
public:
    explicit TF_Ckgl_Modi(QWidget* parent = nullptr);

    QString ckSn;  // the warehouse being edited

    void btnOKClick() override;

protected:
    void FormActivate() override;
};

extern TF_Ckgl_Modi* F_Ckgl_Modi;
