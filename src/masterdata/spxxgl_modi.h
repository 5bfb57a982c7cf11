// "修改商品": changes the goods focused in the goods list; its code stays as it is.
#pragma once

#include "masterdata/spxxgl_edit.h"

class TF_Spxxgl_Modi : public TF_SpxxglEdit {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Modi(QWidget* parent = nullptr);

    void btnSaveClick() override;

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    QString m_id;
};

extern TF_Spxxgl_Modi* F_Spxxgl_Modi;
