// "商品售价列表": the five named prices of a goods item, a picker that writes the chosen price
// into its caller's price box. The caller puts its word into `formFlag` before opening it.
#pragma once

#include "platform/callerwords.h"
#include "platform/form.h"

#include <functional>

class DataGrid;
class QLineEdit;
class QPushButton;

// What a caller word means: where the goods code comes from (none: the set with the empty code
// that the sales lines share) and the price box that receives the chosen price.
struct PriceTarget {
    std::function<QString()> goodsCode;
    std::function<QLineEdit*()> priceBox;
};
// The words "spxxgl_add" and "spxxgl_modi" are the goods dialogs'; the bills' new-goods dialog
// and the sales line dialogs register theirs.
CallerWords<PriceTarget>& priceCallers();

class TF_Spxxgl_Price : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Price(QWidget* parent = nullptr);

    QString formFlag;  // the caller word

    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnExit = nullptr;
    QPushButton* btnOK = nullptr;

    void btnModiClick();
    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Spxxgl_Price* F_Spxxgl_Price;
