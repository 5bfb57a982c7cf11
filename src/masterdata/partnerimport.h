// The supplier and customer imports: the import wizard on the partner table of one side, with
// its mapping and preview panels only.
#pragma once

#include "masterdata/importwizard.h"

class PartnerImportForm : public ImportWizard {
    Q_OBJECT
public:
    PartnerImportForm(PartnerKind kind, QWidget* parent = nullptr);

protected:
    void FormActivate() override;
    int buildPreview(bool tick) override;
    ImportRun runImport() override;
    QString previewCaption() const override;
    void refreshList() override;

private:
    PartnerKind m_kind;
};
