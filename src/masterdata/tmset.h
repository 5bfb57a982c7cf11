// "铭拓条码打印": the stored label layout (the one row of jxc_tmdy): paper, title, barcode and
// footnote. Every "应用(F5)" and "保存设置(F2)" writes all of it; "恢复默认(F3)" shows the defaults.
#pragma once

#include "masterdata/barcodes.h"
#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class TF_Tmset : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tmset(QWidget* parent = nullptr);

    QSpinBox *spnWidth = nullptr, *spnHeight = nullptr, *spnNum = nullptr, *spnPadding = nullptr;
    QCheckBox* cbTitleDisp = nullptr;
    QPlainTextEdit* memTitle = nullptr;
    QSpinBox *spnTitleLeft = nullptr, *spnTitleTop = nullptr, *spnTitlePadding = nullptr;
    QComboBox* cbTitleAlign = nullptr;
    QLineEdit* edtCode = nullptr;
    QSpinBox *spnCodeLeft = nullptr, *spnCodeTop = nullptr, *spnCodeHeight = nullptr;
    QComboBox* cbCodeType = nullptr;
    QCheckBox *cbCodeDisp = nullptr, *cbFootDisp = nullptr;
    QPlainTextEdit* memFoot = nullptr;
    QSpinBox *spnFootLeft = nullptr, *spnFootTop = nullptr, *spnFootPadding = nullptr;
    QComboBox* cbFootAlign = nullptr;
    QPushButton* btnSave = nullptr;     // "保存设置(F2)"
    QPushButton* btnDefault = nullptr;  // "恢复默认(F3)"
    QPushButton* btnApply[4] = {};      // "应用(F5)" of each group

    void showLayout(const LabelLayout& layout);
    LabelLayout currentLayout() const;
    void btnSaveClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_Tmset* F_Tmset;
