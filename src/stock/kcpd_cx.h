// "盘点单查询": the filter of the open count sheets: a period of count dates, a warehouse and an
// operator. Both buttons only close it; the count window applies the values it holds.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class QDateEdit;
class QPushButton;

// The " and ..." pieces the open-sheet list appends for a period, a warehouse ("-1": all) and
// an operator ("": all).
QString kcpdSheetFilters(const QString& from, const QString& to, const QString& ckSn, const QString& aName);

class TF_Kcpd_Cx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcpd_Cx(QWidget* parent = nullptr);

    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comUser = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    // The filters of the values shown.
    QString filters() const;

protected:
    void FormActivate() override;
};

extern TF_Kcpd_Cx* F_Kcpd_Cx;
