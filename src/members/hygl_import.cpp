#include "members/hygl_import.h"

#include "data/datamodule.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Hygl_Import* F_Hygl_Import = nullptr;

TF_Hygl_Import::TF_Hygl_Import(QWidget* parent)
    : ImportWizard(QStringLiteral("jxc_hyxx"), QStringLiteral("会员编号"), parent)
{
    setObjectName(QStringLiteral("F_Hygl_Import"));
    setWindowTitle(QStringLiteral("导入会员信息"));

    pageLevel = new QWidget;
    auto* group = new QGroupBox(QStringLiteral("请选择会员等级及优惠方式"), pageLevel);
    cbLevel = new QComboBox(group);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    cbScheme = new QComboBox(group);
    cbScheme->setObjectName(QStringLiteral("cbScheme"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("会员等级："), cbLevel);
    form->addRow(QStringLiteral("优惠方式："), cbScheme);
    btnNext0 = namedButton(pageLevel, "btnNext0", QStringLiteral("下一步"));
    btnCancel0 = namedButton(pageLevel, "btnCancel0", QStringLiteral("取消"));
    auto* levelPage = new QVBoxLayout(pageLevel);
    levelPage->addWidget(group);
    levelPage->addStretch(1);
    levelPage->addLayout(buttonRow({btnNext0, btnCancel0}));
    pages->insertWidget(0, pageLevel);

    fieldsExtras->addWidget(makeTemplateLink(pageFields));
    cbAuto = new QCheckBox(QStringLiteral("自动编号"), pageFields);
    cbAuto->setObjectName(QStringLiteral("cbAuto"));
    fieldsExtras->addWidget(cbAuto);
    btnPrior1 = namedButton(pageFields, "btnPrior1", QStringLiteral("上一步"));
    fieldsButtons->addWidget(btnPrior1);
    cbUnique = new QCheckBox(QStringLiteral("会员名称不允许重复"), pageData);
    cbUnique->setObjectName(QStringLiteral("cbUnique"));
    dataExtras->addWidget(cbUnique);

    onClicked(btnNext0, [this] { btnNext0Click(); });
    onClicked(btnCancel0, [this] { close(); });
    onClicked(btnPrior1, [this] { pages->setCurrentWidget(pageLevel); });
}

void TF_Hygl_Import::FormActivate()
{
    fillCodeCombo(cbLevel, QStringLiteral("jxc_hyfl"), QStringLiteral("hl_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("hl_sn"));
    fillCodeCombo(cbScheme, QStringLiteral("jxc_hyyh"), QStringLiteral("hh_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("hh_sn"));
    cbLevel->setCurrentIndex(0);
    cbScheme->setCurrentIndex(0);
    clearImportMapping();
    showFieldsPage();
    pages->setCurrentWidget(pageLevel);
    cbAuto->setChecked(true);
    cbAll->setChecked(true);
}

void TF_Hygl_Import::btnNext0Click()
{
    clearImportMapping();
    showFieldsPage();
}

MemberImportOptions TF_Hygl_Import::options() const
{
    return {.path = fileName,
            .levelSn = getComboCode(cbLevel, cbLevel->currentIndex()),
            .schemeSn = getComboCode(cbScheme, cbScheme->currentIndex()),
            .autoCard = cbAuto->isChecked(),
            .uniqueNames = cbUnique->isChecked()};
}

int TF_Hygl_Import::buildPreview(bool tick)
{
    return buildMemberPreview(options(), tick);
}

ImportRun TF_Hygl_Import::runImport()
{
    return importMembers(options());
}

QString TF_Hygl_Import::previewCaption() const
{
    return QStringLiteral("选择要导入的 会员资料（共");
}

void TF_Hygl_Import::refreshList()
{
    if (DataModule->Q_Hygl->isOpen())
        DataModule->Q_Hygl->refresh();
    close();  // the wizard's work is done
}
