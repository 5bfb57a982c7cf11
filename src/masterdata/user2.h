// "选择经办人": the handler picker that the bill windows open beside their handler box. It
// answers its caller by the word in `callerFlag`: the caller's handler box is refilled with the
// staff its bills may name, followed by "新增经办人....." (code "-1"), and the chosen member is
// selected there (no entry when the member may not handle that kind of bill).
#pragma once

#include "platform/callerwords.h"
#include "platform/form.h"

#include <QString>
#include <functional>

class DataGrid;
class QComboBox;
class QLineEdit;
class QPushButton;

// What a caller word means: the handler box to refill and the work flag of the staff it offers
// ("u_cg" purchase bills, "u_xs" sales bills, "u_kc" stock bills).
struct HandlerCaller {
    std::function<QComboBox*()> combo;
    QString flag;
};
// The words of the bill windows: "jh", "th" (u_cg), "xs", "xshh" (u_xs), "kcdb", "bsby" (u_kc).
CallerWords<HandlerCaller>& handlerCallers();

class TF_User2 : public TF_Form {
    Q_OBJECT
public:
    explicit TF_User2(QWidget* parent = nullptr);

    QLineEdit* tKey = nullptr;
    QPushButton* btnQuery = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;

    void btnOKClick();
    void btnAddClick();
    void btnModiClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

extern TF_User2* F_User2;
