#include "sales/spxs_kh.h"

#include "data/datamodule.h"
#include "data/globals.h"

TF_Spxs_Kh* F_Spxs_Kh = nullptr;

TF_Spxs_Kh::TF_Spxs_Kh(QWidget* parent)
    : TF_PartnerCard({.customer = true,
                      .quotes = DataModule->Q_Khbj,
                      .quoteTable = "jxc_khbj",
                      .quotePrefix = "kb",
                      .footer = QStringLiteral("品种合计:"),
                      .roundFigures = false},
                     parent)
{
    setObjectName(QStringLiteral("TF_Spxs_Kh"));
}

void TF_Spxs_Kh::DBGrid1DblClick(int row)
{
    if (row < 0 || DataModule->Q_Khbj->isEmpty())
        return;
    // Nothing in the sales window acts on a chosen quote: the card hands nothing back.
    modeFlag.clear();
    curGoodsSn.clear();
    choiceParam.clear();
    accept();
}
