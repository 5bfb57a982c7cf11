// "更换皮肤": the skin chooser. The main window applies the stored skin through it at start.
#pragma once

#include "platform/form.h"

class QComboBox;
class QPushButton;

class TF_Skin : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Skin(QWidget* parent = nullptr);

    QComboBox* comSkin = nullptr;
    QPushButton* btnOK = nullptr;

    // Applies the skin of that name to every window; an unknown name is reported in the standard
    // error box and the previous look stays.
    void ChangeSkin(const QString& name);
    void btnOKClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    bool m_filling = false;
};

extern TF_Skin* F_Skin;
