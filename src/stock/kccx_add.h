// "添加参考进货商品" / "添加参考退货商品": finds goods to put on a reference list, by sales and stock
// in a period, by goods text or by supplier. The caller word ("jadd" or "tadd") names the list.
#pragma once

#include "platform/form.h"

#include <QDate>

class CategoryTree;
class DataGrid;
class PartnerPanel;
class QCheckBox;
class QDateEdit;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;

// Goods of a category (code prefix) with net sales in the period (sales less customer returns,
// both days included) that are not zero and either exceed `soldOver` or whose total stock is
// below `stockUnder`; enabled goods only.
QString referenceBySalesSql(const QDate& from, const QDate& to, const QString& gcSn, qint64 soldOver,
                            qint64 stockUnder);
// Enabled goods matching the text (code, name, short code), or the goods below their minimum
// (the text then unused), with their sold quantity over the warehouse-stock rows.
QString referenceByGoodsSql(const QString& text, bool alarmOnly);
// Enabled goods of the suppliers whose code, name or short code contains the text.
QString referenceBySupplierSql(const QString& text);

class TF_Kccx_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Add(QWidget* parent = nullptr);

    QRadioButton* rbCond = nullptr;
    QRadioButton* rbGoods = nullptr;
    QRadioButton* rbGhs = nullptr;
    QStackedWidget* panels = nullptr;
    // By condition
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QToolButton* btnDates = nullptr;
    QLineEdit* tsplb = nullptr;
    QSpinBox* tXssl = nullptr;
    QSpinBox* tKcsl = nullptr;
    QPushButton* btnQuery1 = nullptr;
    QPushButton* btnAdd1 = nullptr;
    QFrame* PanelClass = nullptr;
    CategoryTree* TreeView1 = nullptr;
    QPushButton* btnClassOk = nullptr;
    QPushButton* btnClassExit = nullptr;
    // By goods
    QLineEdit* tkey = nullptr;
    QCheckBox* chkAlarm = nullptr;
    QPushButton* btnQuery2 = nullptr;
    QPushButton* btnAdd2 = nullptr;
    // By supplier
    QLineEdit* tGhs = nullptr;
    QPushButton* btnQuery3 = nullptr;
    QPushButton* btnAdd3 = nullptr;
    PartnerPanel* panelGhs = nullptr;
    DataGrid* cxGrid1 = nullptr;

    void search1();
    void search2();
    void search3();
    void btnAddClick();

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseMode(int mode);
    QString m_word;
    bool m_loading = false;
};

extern TF_Kccx_Add* F_Kccx_Add;
