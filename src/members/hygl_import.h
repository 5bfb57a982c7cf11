// "导入会员信息": the member import on the import wizard: a first page choosing the level and the
// scheme of every imported member, then the mapping (with "自动编号") and the preview (with
// "会员名称不允许重复") of the wizard.
#pragma once

#include "masterdata/importwizard.h"
#include "members/memberdata.h"

class QComboBox;

class TF_Hygl_Import final : public ImportWizard {
    Q_OBJECT
public:
    explicit TF_Hygl_Import(QWidget* parent = nullptr);

    QWidget* pageLevel = nullptr;
    QComboBox* cbLevel = nullptr;      // 会员等级
    QComboBox* cbScheme = nullptr;     // 优惠方式
    QPushButton* btnNext0 = nullptr;   // step 1 "下一步"
    QPushButton* btnCancel0 = nullptr;
    QPushButton* btnPrior1 = nullptr;  // mapping page: back to step 1
    QCheckBox* cbAuto = nullptr;       // "自动编号"
    QCheckBox* cbUnique = nullptr;     // "会员名称不允许重复"

    void btnNext0Click();
    MemberImportOptions options() const;

protected:
    void FormActivate() override;
    int buildPreview(bool tick) override;
    ImportRun runImport() override;
    QString previewCaption() const override;
    void refreshList() override;
};

extern TF_Hygl_Import* F_Hygl_Import;
