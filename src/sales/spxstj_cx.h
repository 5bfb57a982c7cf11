// "过滤": the filter dialog of the sales statistics' lines. A customer box over the customer list
// (typing filters it; a confirmed row puts its name into the box and its code into `curKhSn`),
// the warehouse, the bill kind (kept from one opening to the next) and the handler.
// "确定(F5)" answers "1" in `choiceParam`.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class NamedQuery;
class PartnerPanel;
class QComboBox;
class QLineEdit;

class TF_Spxstj_Cx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxstj_Cx(QWidget* parent = nullptr);

    void btnOKClick();  // "确定(F5)"

    // The chosen names, "" for the "all" items; the bill kind "销售单", "退货单" or "".
    QString warehouseName() const;
    QString userName() const;
    QString billKind() const;

    QLineEdit* tKh = nullptr;
    PartnerPanel* panelKh = nullptr;
    CodeComboBox* comCk = nullptr;
    QComboBox* comDj = nullptr;
    CodeComboBox* comUser = nullptr;

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TF_Spxstj_Cx* F_Spxstj_Cx;

// A customer panel (columns "客户编号" and "客户名称", filtered on name, short code and code) over
// `query` opened with `sql`; hidden until shown.
PartnerPanel* makeCustomerPanel(NamedQuery* query, const QString& sql, QWidget* parent);
