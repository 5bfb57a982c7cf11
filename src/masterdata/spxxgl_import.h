// "导入商品信息": the goods import. A start panel with the usage text, a category step (the
// goods of one import go into one leaf category), then the mapping and preview panels of the
// import wizard; "自动编号" draws the codes for the category.
#pragma once

#include "masterdata/importwizard.h"

class CategoryTree;

class TF_Spxxgl_Import final : public ImportWizard {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Import(QWidget* parent = nullptr);

    QWidget* pageStart = nullptr;
    QPushButton* btnStart = nullptr;    // "准备开始"
    QPushButton* btnCancel0 = nullptr;
    QWidget* pageClass = nullptr;
    CategoryTree* TreeView1 = nullptr;  // on Q_GoodsClass
    QLabel* lblClass = nullptr;         // the chosen category's name
    QPushButton* btnPrior1 = nullptr;
    QPushButton* btnCancel1 = nullptr;
    QPushButton* btnNext1 = nullptr;
    QPushButton* btnPrior2 = nullptr;   // mapping panel: back to the category
    QCheckBox* cbAuto = nullptr;        // "自动编号"
    QCheckBox* cbUnique = nullptr;      // "商品名称不允许重复"

    int gcCid = 0;
    QString gcSn;

    void btnStartClick();
    void TreeView1Click(int id);
    void btnNext1Click();

protected:
    void FormActivate() override;
    int buildPreview(bool tick) override;
    ImportRun runImport() override;
    QString previewCaption() const override;
    void refreshList() override;

private:
    GoodsImportOptions options() const;
};

extern TF_Spxxgl_Import* F_Spxxgl_Import;
