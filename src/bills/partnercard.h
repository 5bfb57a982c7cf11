// The read-only cards of a bill's partner: contact data and account figures, and for the
// bill windows' cards ("往来单位管理") the prices quoted to or by the partner.
#pragma once

#include "platform/form.h"

#include <QString>

class DataGrid;
class NamedQuery;
class QLabel;
class QLineEdit;
class QPushButton;

// A partner's contact data with its account figures (due, paid, owed; "0" each for a partner
// the account summary cannot find, never another partner's).
struct PartnerCardText {
    QString name, lxr, tele, address, note;
    QString due, paid, owed;
};
// `customer` reads jxc_khxx and the customer's account, else jxc_ghsxx and the supplier's.
PartnerCardText readPartnerCard(bool customer, const QString& code);

// The card with the partner's quotes: the partner is `curKhSn` (customer) or `curGhsSn`.
class TF_PartnerCard : public TF_Form {
    Q_OBJECT
public:
    struct Kind {
        bool customer;
        NamedQuery* quotes;       // Q_Khbj, Q_Zjbj
        const char* quoteTable;   // "jxc_khbj", "jxc_ghsbj"
        const char* quotePrefix;  // their column prefix: "kb", "gb"
        QString footer;           // the caption of the quotes' count
        bool roundFigures;        // figures shown with two decimals
    };

    // Double click on a quote (query row; -1 for none).
    virtual void DBGrid1DblClick(int row) = 0;

    QLineEdit* tname = nullptr;
    QLineEdit* tlxr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QLabel* lblYfje = nullptr;
    QLabel* lblSfje = nullptr;
    QLabel* lblWfje = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    TF_PartnerCard(const Kind& kind, QWidget* parent);
    const Kind& cardKind() const { return m_kind; }
    void FormActivate() override;
    void FormClose() override;

private:
    Kind m_kind;
};
