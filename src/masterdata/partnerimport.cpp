#include "masterdata/partnerimport.h"

#include "data/datamodule.h"
#include "data/namedquery.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QString who(PartnerKind kind)
{
    return kind == PartnerKind::Ghs ? QStringLiteral("供货商") : QStringLiteral("客户");
}

}  // namespace

PartnerImportForm::PartnerImportForm(PartnerKind kind, QWidget* parent)
    : ImportWizard(partnerSide(kind).table, who(kind) + QStringLiteral("名称"), parent), m_kind(kind)
{
    setWindowTitle(kind == PartnerKind::Ghs ? QStringLiteral("导入供货商信息") : QStringLiteral("导入客户数据"));
    fieldsExtras->addWidget(new QLabel(QStringLiteral("Excel表格的第一行为标题信息,即导入数据的项目名称"), pageFields));
    fieldsExtras->addWidget(makeTemplateLink(pageFields));
    dataExtras->insertWidget(0, new QLabel(QStringLiteral("说明：不能导入重复的") + who(kind) + QStringLiteral("名称"), pageData));
}

void PartnerImportForm::FormActivate()
{
    clearImportMapping();
    showFieldsPage();
}

int PartnerImportForm::buildPreview(bool tick)
{
    return buildPartnerPreview(m_kind, fileName, tick);
}

ImportRun PartnerImportForm::runImport()
{
    return importPartners(m_kind, fileName);
}

QString PartnerImportForm::previewCaption() const
{
    return QStringLiteral("选择要导入的 ") + who(m_kind) + QStringLiteral("资料（共");
}

void PartnerImportForm::refreshList()
{
    NamedQuery* list = partnerSide(m_kind).query();
    if (list && list->isOpen())
        list->refresh();
}
