// "商品信息(商品销售)": the line dialog of sales bills and of the sales goods picker: price,
// discount rate and quantities per size and colour against the stock of the bill's warehouse.
#pragma once

#include "bills/linedialog.h"

// Lines of pending sales bills (their discount rate and first amount as the bill's lines).
inline constexpr BillLineTables kPendingSalesLines{"jxc_shsp", "jxc_shspmx", "gl_djh", "sh_sl", "sh_dj", "sh_zje",
                                                   "sh_dzl", "sh_zhje"};

class TF_Spxs_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Spxs_Sele(QWidget* parent = nullptr);

protected:
    // The preset sale price g_sj.
    Money offeredPrice(const ResultSet& goods) const override;
    // The last sales price when csXsdj is "1"; the price box and its list only when csXgdj is on.
    void lineOpened() override;
    // The stock of every variant when selling at zero stock is not allowed (csKc off).
    QString refuseWrite() override;
    // Price after discount at or under the purchase price or the cost, quantity over the stock.
    bool confirmWrite() override;
    void openPriceList() override;
};

extern TF_Spxs_Sele* F_Spxs_Sele;
