#include "purchasing/cgjh_ghs.h"

#include "data/datamodule.h"
#include "data/globals.h"

TF_Cgjh_Ghs* F_Cgjh_Ghs = nullptr;

TF_Cgjh_Ghs::TF_Cgjh_Ghs(QWidget* parent)
    : TF_PartnerCard({.customer = false,
                      .quotes = DataModule->Q_Zjbj,
                      .quoteTable = "jxc_ghsbj",
                      .quotePrefix = "gb",
                      .footer = QStringLiteral("合计："),
                      .roundFigures = true},
                     parent)
{
    setObjectName(QStringLiteral("F_Cgjh_Ghs"));
}

void TF_Cgjh_Ghs::DBGrid1DblClick(int row)
{
    if (row < 0 || DataModule->Q_Zjbj->isEmpty())
        return;
    modeFlag = QStringLiteral("cgjh_ghs");
    curGoodsSn = DataModule->Q_Zjbj->value(row, QStringLiteral("g_sn"));
    choiceParam = DataModule->Q_Zjbj->value(row, QStringLiteral("gb_bj"));
    accept();
}
