// "商品条码管理": the goods with their variant barcodes. The first tab regenerates the variant
// barcodes of the listed goods, opens the per-goods code dialog and the barcode test; the
// second lists every variant with stock and sets print quantities for the labels.
#pragma once

#include "platform/form.h"

class DataGrid;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

class TF_Tmgl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tmgl(QWidget* parent = nullptr);

    QTabWidget* tabs = nullptr;
    // Tab "商品条码设置".
    QPushButton* btnMake = nullptr;   // "条码生成"
    QPushButton* btnSet = nullptr;    // "条码设置"
    QPushButton* btnTest = nullptr;   // "条码测试"
    QPushButton* btnExit = nullptr;
    QLineEdit* edtKey1 = nullptr;
    QPushButton* btnSearch1 = nullptr;
    DataGrid* gridGoods = nullptr;    // Q_Tmgl1
    QLabel* lblBand = nullptr;        // "[name]对应的条码"
    DataGrid* gridTm = nullptr;       // Q_Tmgl2
    // Tab "商品条码信息".
    QPushButton* btnExport = nullptr;
    QPushButton* btnAddPrint = nullptr;  // "增加打印"
    QPushButton* btnTest2 = nullptr;
    QPushButton* btnPrintSet = nullptr;  // "打印设置"
    QPushButton* btnExit2 = nullptr;
    QLineEdit* edtKey2 = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QCheckBox* cbStock = nullptr;        // "只显示有库存的商品"
    DataGrid* gridVariants = nullptr;    // Q_Tmgl3
    QMenu* popup = nullptr;

    void searchGoods();
    void showGoodsTm();
    void btnMakeClick();
    void btnSetClick();
    void btnTestClick();
    void searchVariants();
    void btnAddPrintClick();
    void btnExportClick();
    void btnPrintSetClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

extern TF_Tmgl* F_Tmgl;
