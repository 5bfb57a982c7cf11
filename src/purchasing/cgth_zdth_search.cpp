#include "purchasing/cgth_zdth_search.h"

#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QLineEdit>

TF_Cgth_Zdth_Search* F_Cgth_Zdth_Search = nullptr;
TF_Cgth_Zdth_Search_GhsSele* F_Cgth_Zdth_Search_GhsSele = nullptr;

std::optional<ZdthSearchAnswer> runZdthSearch(const QString& callerWord)
{
    const auto answer = runBillSearch(callerWord, []() -> TF_BillSearch* {
        showForm(F_Cgth_Zdth_Search);
        return F_Cgth_Zdth_Search;
    });
    if (!answer)
        return std::nullopt;
    return ZdthSearchAnswer{answer->d1, answer->d2, answer->partner, answer->ckSn, answer->opName};
}

TF_Cgth_Zdth_Search::TF_Cgth_Zdth_Search(QWidget* parent)
    : TF_BillSearch(
          false, "tGhs",
          [this] {
              placePicker(ensureForm(F_Cgth_Zdth_Search_GhsSele));
              showForm(F_Cgth_Zdth_Search_GhsSele);
          },
          parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Zdth_Search"));
    tGhs = m_partner;
}

TF_Cgth_Zdth_Search_GhsSele::TF_Cgth_Zdth_Search_GhsSele(QWidget* parent)
    : TF_BillSearchPartnerSele(
          false, []() -> QLineEdit* { return F_Cgth_Zdth_Search ? F_Cgth_Zdth_Search->tGhs : nullptr; }, parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Zdth_Search_GhsSele"));
}

void registerZdthSearch()
{
    registerForm(QStringLiteral("TF_Cgth_Zdth_Search"), F_Cgth_Zdth_Search);
    registerForm(QStringLiteral("TF_Cgth_Zdth_Search_GhsSele"), F_Cgth_Zdth_Search_GhsSele);
}
