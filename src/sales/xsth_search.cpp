#include "sales/xsth_search.h"

#include "platform/msgbox.h"

#include <QLineEdit>

TF_Xsth_Search* F_Xsth_Search = nullptr;
TF_Xsth_Search_KhSele* F_Xsth_Search_KhSele = nullptr;

std::optional<BillSearchAnswer> runXsthSearch(const QString& callerWord)
{
    return runBillSearch(callerWord, []() -> TF_BillSearch* {
        showForm(F_Xsth_Search);
        return F_Xsth_Search;
    });
}

TF_Xsth_Search::TF_Xsth_Search(QWidget* parent)
    : TF_BillSearch(
          true, "tkh",
          [this] {
              placePicker(ensureForm(F_Xsth_Search_KhSele));
              showForm(F_Xsth_Search_KhSele);
          },
          parent)
{
    setObjectName(QStringLiteral("TF_Xsth_Search"));
    tkh = m_partner;
}

TF_Xsth_Search_KhSele::TF_Xsth_Search_KhSele(QWidget* parent)
    : TF_BillSearchPartnerSele(true, []() -> QLineEdit* { return F_Xsth_Search ? F_Xsth_Search->tkh : nullptr; }, parent)
{
    setObjectName(QStringLiteral("TF_Xsth_Search_KhSele"));
}
