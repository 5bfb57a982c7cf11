// The filter dialogs of the sales statistics: a customer box over the customer list (typing
// filters it; a confirmed row puts its name into the box and its code into `curKhSn`), the
// warehouse, the bill kind (kept from one opening to the next) and, where the window asks for
// it, the handler. "确定(F5)" answers "1" in `choiceParam`.
#pragma once

#include "platform/form.h"

#include <QStringList>

class CodeComboBox;
class NamedQuery;
class PartnerPanel;
class QComboBox;
class QLineEdit;

class SalesStatFilter : public TF_Form {
    Q_OBJECT
public:
    struct Layout {
        const char* objectName;
        const char* title;
        const char* warehouseCaption;
        const char* kindCaption;
        QStringList kinds;      // after "所有单据"
        bool withHandler;       // the handler combo "经办人："
        NamedQuery* customers;  // the customer panel's query
    };
    SalesStatFilter(const Layout& layout, QWidget* parent);

    void btnOKClick();  // "确定(F5)"

    // The chosen names, "" for the "all" items; the bill kind as listed, "" for "所有单据".
    QString warehouseName() const;
    QString userName() const;
    QString billKind() const;

    QLineEdit* tKh = nullptr;
    PartnerPanel* panelKh = nullptr;
    CodeComboBox* comCk = nullptr;
    QComboBox* comDj = nullptr;
    CodeComboBox* comUser = nullptr;  // null without the handler

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NamedQuery* m_customers;
};

// "过滤" of the goods sales statistics: with the handler; kinds "销售单" and "退货单".
class TF_Spxstj_Cx : public SalesStatFilter {
    Q_OBJECT
public:
    explicit TF_Spxstj_Cx(QWidget* parent = nullptr);
};

extern TF_Spxstj_Cx* F_Spxstj_Cx;

// A customer panel (columns "客户编号" and "客户名称", filtered on name, short code and code) over
// `query` opened with `sql`; hidden until shown.
PartnerPanel* makeCustomerPanel(NamedQuery* query, const QString& sql, QWidget* parent);
