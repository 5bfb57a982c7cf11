// "选择尺码和颜色": the till's size and colour picker over the goods' stock in the till's
// warehouse. It only reads; the line it gives back has quantity 1.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QLabel;
class QPushButton;
class SizeColorGrid;

class TF_Posxs_Sele : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Sele(QWidget* parent = nullptr);

    // The goods and the warehouse of the next showing.
    void setGoods(const QString& gSn, const QString& ckSn);
    // What the last showing gave back: nothing when cancelled.
    bool wasChosen() const { return m_chosen; }
    QString sizeName() const { return m_size; }
    QString colorName() const { return m_color; }
    QString stock() const { return m_stock; }

    // Chooses the focused cell (double click, Enter in the grid, F5, "确定(F5)").
    void choose(const QString& sizeName, const QString& colorName, const QString& text);

    QLabel* lblGoodsSn = nullptr;
    QLabel* lblGoodsName = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblColor = nullptr;
    SizeColorGrid* grid = nullptr;
    QCheckBox* chkHide = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    QString m_goods;
    QString m_warehouse;
    bool m_chosen = false;
    QString m_size;
    QString m_color;
    QString m_stock;
};

extern TF_Posxs_Sele* F_Posxs_Sele;
