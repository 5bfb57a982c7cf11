// The member page shared by the enrolment and the modification: the group 会员信息 with the
// sub-pages 详细信息(可选) and 操作提示, the fields read back as MemberFields, and the warning
// while points outside every band are typed with automatic upgrade ticked.
#pragma once

#include "members/memberdata.h"
#include "platform/form.h"

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

class TF_MemberEdit : public TF_Form {
    Q_OBJECT
public:
    explicit TF_MemberEdit(const QString& pageCaption, QWidget* parent = nullptr);

    QLineEdit* edtBh = nullptr;
    QLineEdit* edtName = nullptr;
    QComboBox* cbYh = nullptr;
    QComboBox* cbFl = nullptr;
    QLineEdit* edtMm = nullptr;
    QLineEdit* edtMm2 = nullptr;
    QLineEdit* edtJf = nullptr;
    QLineEdit* edtZhje = nullptr;
    QCheckBox* chkStatus = nullptr;
    QCheckBox* chkQx = nullptr;
    QDateEdit* dtDqrq = nullptr;
    QCheckBox* chkSj = nullptr;
    QComboBox* cbSex = nullptr;
    QDateEdit* dtSr = nullptr;
    QCheckBox* chkSr = nullptr;  // whether a birthday is given
    QLineEdit* edtTele = nullptr;
    QLineEdit* edtMobile = nullptr;
    std::array<QLabel*, 6> lblZdy{};
    std::array<QLineEdit*, 6> edtZdy{};
    QLineEdit* edtNote = nullptr;
    QDateEdit* dtJrrq = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    MemberFields fields() const;
    // The check of the points against the bands (the warning box); runs on editing the points
    // and on ticking automatic upgrade, never while the window fills its fields.
    void checkPoints();

protected:
    // Refills both combos (in id order) and empties every field to the enrolment's values.
    void resetFields();
    void selectCode(QComboBox* combo, const QString& code);
    virtual void saveClick() = 0;
    // The modification moves the level box to the band's level; the enrolment leaves it.
    bool m_levelFollowsBand = false;
    bool m_filling = false;
};
