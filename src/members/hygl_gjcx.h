// "高级查询": narrows the member register's list by scheme, amounts, dates, telephone and
// address. It runs no query itself: 确定 answers, and the register adds the criteria to its
// searches until it is shown again.
#pragma once

#include "platform/form.h"

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
struct MemberCriteria;

class TF_Hygl_Gjcx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Gjcx(QWidget* parent = nullptr);

    QCheckBox* chkYh = nullptr;
    QComboBox* cbYh = nullptr;
    // 会员积分, 累计消费, 卡内金额: tick, operator, value
    std::array<QCheckBox*, 3> chkAmount{};
    std::array<QComboBox*, 3> cbOp{};
    std::array<QLineEdit*, 3> edtAmount{};
    // 出生日期, 加入日期, 失效日期: tick and two dates
    std::array<QCheckBox*, 3> chkDate{};
    std::array<QDateEdit*, 3> dtFrom{};
    std::array<QDateEdit*, 3> dtTo{};
    QCheckBox* chkTele = nullptr;
    QLineEdit* edtTele = nullptr;
    QCheckBox* chkAddress = nullptr;
    QLineEdit* edtAddress = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // The ticked criteria as the register's extra condition.
    QString condition() const;

protected:
    void FormActivate() override;
};

extern TF_Hygl_Gjcx* F_Hygl_Gjcx;
