#include "masterdata/importwizard.h"

#include "data/datamodule.h"
#include "masterdata/sizecolorkit.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/shellopen.h"
#include "shell/mainform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The status marks as pictures of text: waiting, imported, refused.
const QList<QPair<QString, QString>> kMarks = {
    {QStringLiteral("1"), QStringLiteral("○")}, {QStringLiteral("2"), QStringLiteral("✔")}, {QStringLiteral("3"), QStringLiteral("✘")}};

qint64 rowId(NamedQuery* query, int row)
{
    return query->value(row, QStringLiteral("id")).toLongLong();
}

}  // namespace

ImportWizard::ImportWizard(const QString& table, const QString& nameCaption, QWidget* parent)
    : TF_Form(parent), m_table(table)
{
    resize(640, 480);
    setEscCloses(true);
    pages = new QStackedWidget(this);

    // Mapping panel.
    pageFields = new QWidget;
    grpFields = new QGroupBox(QStringLiteral("请选择要导入的字段"), pageFields);
    gridFields = new DataGrid(grpFields);
    gridFields->setObjectName(QStringLiteral("gridFields"));
    gridFields->addColumn(QStringLiteral("i_sele"), QString(), 30).setCheck().setWriter(
        [this](int row, const QString&, const QString& value) {
            setMappingTick(rowId(gridFields->query(), row), value == QLatin1String("1"));
            gridFields->query()->refresh();
        });
    gridFields->addColumn(QStringLiteral("i_image"), QString(), 24).setLookup({{QStringLiteral("0"), QStringLiteral("→")}});
    gridFields->addColumn(QStringLiteral("i_excelfield"), QStringLiteral("Excel文件的字段"), 200);
    gridFields->addColumn(QStringLiteral("i_fieldid"), QStringLiteral("数据库的字段"), 200)
        .setLookup(openSelect(QStringLiteral("select i_fieldid,i_fieldname from jxc_import where i_tablename=? order by id"),
                              {{QString(), table}}),
                   QStringLiteral("i_fieldid"), QStringLiteral("i_fieldname"))
        .setWriter([this](int row, const QString&, const QString& value) { setMappingField(rowId(gridFields->query(), row), value); },
                   [this](int row) { return gridFields->query()->value(row, QStringLiteral("i_sele")) == QLatin1String("True"); });
    auto* fieldsLayout = new QVBoxLayout(grpFields);
    fieldsLayout->addWidget(gridFields, 1);
    fieldsExtras = new QVBoxLayout;
    btnOpen = namedButton(pageFields, "btnOpen", QStringLiteral("打开文件"));
    btnNext = namedButton(pageFields, "btnNext", QStringLiteral("下一步"));
    btnCancel = namedButton(pageFields, "btnCancel", QStringLiteral("取消"));
    auto* fieldsPage = new QVBoxLayout(pageFields);
    fieldsPage->addWidget(grpFields, 1);
    fieldsPage->addLayout(fieldsExtras);
    fieldsButtons = buttonRow({btnOpen, btnNext, btnCancel});
    fieldsPage->addLayout(fieldsButtons);

    // Preview panel.
    pageData = new QWidget;
    grpData = new QGroupBox(pageData);
    gridData = new DataGrid(grpData);
    gridData->setObjectName(QStringLiteral("gridData"));
    gridData->addColumn(QStringLiteral("id_sele"), QString(), 30).setCheck().setWriter(
        [this](int row, const QString&, const QString& value) {
            setPreviewTick(rowId(gridData->query(), row), value == QLatin1String("1"));
        });
    gridData->addColumn(QStringLiteral("id_image"), QString(), 24).setLookup(kMarks);
    gridData->addColumn(QStringLiteral("id_exceldata"), nameCaption, 240);
    gridData->addColumn(QStringLiteral("id_status"), QStringLiteral("导入状态"), 240);
    auto* dataLayout = new QVBoxLayout(grpData);
    dataLayout->addWidget(gridData, 1);
    cbAll = new QCheckBox(QStringLiteral("全选"), pageData);
    cbAll->setObjectName(QStringLiteral("cbAll"));
    cbAll->setChecked(true);
    dataExtras = new QVBoxLayout;
    dataExtras->addWidget(cbAll);
    btnPrior = namedButton(pageData, "btnPrior", QStringLiteral("上一步"));
    btnImport = namedButton(pageData, "btnImport", QStringLiteral("导入"));
    btnCancel2 = namedButton(pageData, "btnCancel2", QStringLiteral("取消"));
    auto* dataPage = new QVBoxLayout(pageData);
    dataPage->addWidget(grpData, 1);
    dataPage->addLayout(dataExtras);
    dataPage->addLayout(buttonRow({btnPrior, btnImport, btnCancel2}));

    pages->addWidget(pageFields);
    pages->addWidget(pageData);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);

    onClicked(btnOpen, [this] { btnOpenClick(); });
    onClicked(btnNext, [this] { btnNextClick(); });
    onClicked(btnImport, [this] { btnImportClick(); });
    onClicked(btnPrior, [this] { pages->setCurrentWidget(pageFields); });
    for (QPushButton* b : {btnCancel, btnCancel2})
        onClicked(b, [this] { close(); });
    connect(cbAll, &QCheckBox::clicked, this, [this] { runGuarded([this] { cbAllClick(); }); });
}

void ImportWizard::showFieldsPage()
{
    pages->setCurrentWidget(pageFields);
    grpFields->setTitle(QStringLiteral("请选择要导入的字段"));
    bindGrid(gridFields, DataModule->Q_Importchk);
    bindGrid(gridData, DataModule->Q_ImportData);
    DataModule->Q_Importchk->close();
    DataModule->Q_ImportData->close();
    btnNext->setEnabled(false);
}

void ImportWizard::btnOpenClick()
{
    const QString path = openFileDialog(QStringLiteral("(*.xls)|*.xls"), QString(), this);
    if (path.isEmpty())
        return;
    fileName = path;
    const int columns = appendImportMapping(path, m_table);
    if (columns < 0) {
        msgInfo(importWorkbookMessage(), this);
        return;
    }
    grpFields->setTitle(QStringLiteral("请选择要导入的字段（共") + QString::number(columns) + QStringLiteral("个字段）"));
    DataModule->Q_Import->open(QStringLiteral("select * from jxc_import where i_tablename='%1' order by id").arg(m_table));
    DataModule->Q_Importchk->open();
    btnNext->setEnabled(true);
}

void ImportWizard::btnNextClick()
{
    const int count = buildPreview(cbAll->isChecked());
    if (count < 0) {
        msgInfo(importWorkbookMessage(), this);
        return;
    }
    pages->setCurrentWidget(pageData);
    grpData->setTitle(previewCaption() + QString::number(count) + QStringLiteral("条记录）"));
    btnImport->setEnabled(true);
    DataModule->Q_ImportData->open();
}

void ImportWizard::cbAllClick()
{
    setPreviewTicks(cbAll->isChecked());
    DataModule->Q_ImportData->open();
    btnImport->setEnabled(cbAll->isChecked());
}

void ImportWizard::btnImportClick()
{
    ImportRun run;
    // A database error rolls the run back; the preview then shows the rows as they were.
    const bool done = runGuarded([&] { run = runImport(); });
    DataModule->Q_ImportData->open();
    if (!done)
        return;
    if (!run.ok()) {
        msgInfo(run.refusal, this);
        return;
    }
    msgInfo(importSummaryText(run.summary), this);
    refreshList();
}

void ImportWizard::openTemplate()
{
    shellOpenOrSay(programDir() + QStringLiteral("/模板文件/") + importTemplateName(m_table), this);
}

QLabel* ImportWizard::makeTemplateLink(QWidget* parent)
{
    auto* link = new QLabel(QStringLiteral("<a href=\"template\">软件提供的Excel模板</a>"), parent);
    link->setObjectName(QStringLiteral("lblTemplate"));
    connect(link, &QLabel::linkActivated, this, [this] { openTemplate(); });
    return link;
}

void ImportWizard::FormClose()
{
    DataModule->Q_Import->close();
    DataModule->Q_Importchk->close();
    DataModule->Q_ImportData->close();
}
