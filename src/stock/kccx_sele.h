// "输入参考进货数量" / "输入参考退货数量": the reference quantity of one goods on the purchase or the
// return reference list, added or changed. The caller word says which list and whether the goods
// is added ("jadd", "tadd") or its quantity changed ("jmodi", "tmodi"); curGoodsSn names it.
#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;
class QSpinBox;

// ---- The reference lists, on plain values ---------------------------------------------------

// Adds the goods to the list ("j" purchase, "t" return) with the quantity, its supplier's name
// (empty when its supplier record is missing) and today's date. Returns "" or the refusal of a
// goods that does not exist.
QString addReference(const QString& gSn, const QString& flag, qint64 qty);
// Changes the quantity of the goods on the list; its supplier name and date stay.
void setReferenceQty(const QString& gSn, const QString& flag, qint64 qty);
// Removes one row of a list.
void deleteReference(qint64 id);

class TF_Kccx_Sele : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Sele(QWidget* parent = nullptr);

    QLabel* lSn = nullptr;
    QLabel* lName = nullptr;
    QLabel* lGg = nullptr;
    QLabel* lDw = nullptr;
    QLabel* lKc = nullptr;
    QLabel* lSccs = nullptr;
    QLabel* lBz = nullptr;
    QLabel* lGhs = nullptr;
    QLabel* lSlCaption = nullptr;
    QSpinBox* tSl = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;

private:
    QString m_word;
};

extern TF_Kccx_Sele* F_Kccx_Sele;
