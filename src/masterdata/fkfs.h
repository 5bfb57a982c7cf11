// "付款方式": the payment-method list. Opened from a voucher's payment-method box, it answers
// its caller by the word in `callerFlag`: choosing a method refills the caller's box with every
// method after "新增付款方式....." (code "-1") and selects the chosen one.
#pragma once

#include "masterdata/pickers.h"
#include "platform/form.h"

class DataGrid;
class QPushButton;

// The words of the vouchers: "fk" (supplier payment), "sk" (customer receipt).
CallerWords<ComboTarget>& paymentMethodCallers();

class TF_Fkfs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Fkfs(QWidget* parent = nullptr);

    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnExit = nullptr;

    void btnAddClick();
    void btnDeleClick();
    // Choosing the focused method (double click).
    void chooseClick();

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Fkfs* F_Fkfs;
