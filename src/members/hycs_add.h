// "添加计次商品": adds a count item (goods, amount, times) to the operator's working list, the
// goods taken from a picker panel that typing in the code box opens. The modification dialog
// shares its layout.
#pragma once

#include "platform/form.h"

class DataGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
struct CountItem;

class TF_Hycs_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hycs_Add(QWidget* parent = nullptr);

    QLineEdit* edtGsn = nullptr;
    QPushButton* btnGoods = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblDw = nullptr;
    QLabel* lblGg = nullptr;
    QLineEdit* edtJe = nullptr;
    QLineEdit* edtCs = nullptr;
    QLineEdit* edtNote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    // The goods picker panel
    QFrame* pnlGoods = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnPick = nullptr;
    QPushButton* btnHide = nullptr;

    // Opens the picker panel filtered by the code box's text.
    void showPicker();
    // Takes the picker's current row into the dialog and hides the panel.
    void pickClick();
    virtual void btnOKClick();

protected:
    void FormActivate() override;
    void FormClose() override;
    CountItem item() const;
    void showGoods(const QString& gSn, const QString& name, const QString& unit, const QString& spec);
};

extern TF_Hycs_Add* F_Hycs_Add;
