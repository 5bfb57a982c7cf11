#include "masterdata/spxxgl_import.h"

#include "data/datamodule.h"
#include "platform/categorytree.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TF_Spxxgl_Import* F_Spxxgl_Import = nullptr;

namespace {

const char* const kUsage =
    "1、选择导入类别：每次导入的商品都放在同一个商品类别中，只能选择没有下级的类别。\n\n"
    "2、选择要导入的字段：打开Excel文件，为表格的每一列选择对应的数据库字段，不需要导入的列取消勾选。\n\n"
    "3、选择要导入的商品资料：勾选要导入的商品，点击“导入”，每一行都会显示它的导入状态。\n\n"
    "4、Excel文件的格式必须与软件提供的Excel模板相同：第一行为标题，以后每一行为一个商品；"
    "工作表的名称与文件名相同。\n\n"
    "本功能用于初次使用本软件时快速录入商品资料。";

}  // namespace

TF_Spxxgl_Import::TF_Spxxgl_Import(QWidget* parent) : ImportWizard(QStringLiteral("jxc_goods"), QStringLiteral("商品编号"), parent)
{
    setObjectName(QStringLiteral("F_Spxxgl_Import"));
    setWindowTitle(QStringLiteral("导入商品信息"));

    pageStart = new QWidget;
    auto* usageBox = new QGroupBox(QStringLiteral("商品信息导入功能使用或明"), pageStart);
    auto* usage = new QLabel(QString::fromUtf8(kUsage), usageBox);
    usage->setWordWrap(true);
    auto* usageLayout = new QVBoxLayout(usageBox);
    usageLayout->addWidget(usage);
    usageLayout->addWidget(makeTemplateLink(usageBox));
    usageLayout->addStretch(1);
    btnStart = namedButton(pageStart, "btnStart", QStringLiteral("准备开始"));
    btnCancel0 = namedButton(pageStart, "btnCancel0", QStringLiteral("取消"));
    auto* startLayout = new QVBoxLayout(pageStart);
    startLayout->addWidget(usageBox, 1);
    startLayout->addLayout(buttonRow({btnStart, btnCancel0}));

    pageClass = new QWidget;
    auto* classBox = new QGroupBox(QStringLiteral("第一步：选择导入类别"), pageClass);
    TreeView1 = new CategoryTree(classBox);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    lblClass = new QLabel(classBox);
    lblClass->setObjectName(QStringLiteral("lblClass"));
    auto* chosen = new QHBoxLayout;
    chosen->addWidget(new QLabel(QStringLiteral("所选类别："), classBox));
    chosen->addWidget(lblClass, 1);
    auto* classLayout = new QVBoxLayout(classBox);
    classLayout->addWidget(TreeView1, 1);
    classLayout->addLayout(chosen);
    classLayout->addWidget(new QLabel(QStringLiteral("说明：每次只能导入一个类别的商品。"), classBox));
    btnPrior1 = namedButton(pageClass, "btnPrior1", QStringLiteral("上一步"));
    btnCancel1 = namedButton(pageClass, "btnCancel1", QStringLiteral("取消"));
    btnNext1 = namedButton(pageClass, "btnNext1", QStringLiteral("下一步"));
    auto* classPage = new QVBoxLayout(pageClass);
    classPage->addWidget(classBox, 1);
    classPage->addLayout(buttonRow({btnPrior1, btnCancel1, btnNext1}));

    pages->insertWidget(0, pageStart);
    pages->insertWidget(1, pageClass);

    cbAuto = new QCheckBox(QStringLiteral("自动编号"), pageFields);
    cbAuto->setObjectName(QStringLiteral("cbAuto"));
    cbAuto->setChecked(true);
    fieldsExtras->addWidget(cbAuto);
    btnPrior2 = namedButton(pageFields, "btnPrior2", QStringLiteral("上一步"));
    fieldsButtons->insertWidget(fieldsButtons->indexOf(btnNext), btnPrior2);
    cbUnique = new QCheckBox(QStringLiteral("商品名称不允许重复"), pageData);
    cbUnique->setObjectName(QStringLiteral("cbUnique"));
    dataExtras->addWidget(cbUnique);

    onClicked(btnStart, [this] { btnStartClick(); });
    onClicked(btnNext1, [this] { btnNext1Click(); });
    onClicked(btnPrior1, [this] { pages->setCurrentWidget(pageStart); });
    onClicked(btnPrior2, [this] { pages->setCurrentWidget(pageClass); });
    for (QPushButton* b : {btnCancel0, btnCancel1})
        onClicked(b, [this] { close(); });
    connect(TreeView1, &CategoryTree::nodeClicked, this, [this](int id) { runGuarded([this, id] { TreeView1Click(id); }); });
}

void TF_Spxxgl_Import::FormActivate()
{
    pages->setCurrentWidget(pageStart);
    DataModule->Q_Importchk->close();
    DataModule->Q_ImportData->close();
}

void TF_Spxxgl_Import::btnStartClick()
{
    pages->setCurrentWidget(pageClass);
    if (TreeView1->query() != DataModule->Q_GoodsClass)
        TreeView1->setQuery(DataModule->Q_GoodsClass);
    DataModule->Q_GoodsClass->open(DataModule->Q_GoodsClass->designSql());
    gcCid = 0;
    gcSn.clear();
    lblClass->clear();
    btnNext1->setEnabled(false);
    if (QTreeWidgetItem* leaf = TreeView1->firstLeaf()) {
        TreeView1->setCurrentItem(leaf);
        TreeView1Click(TreeView1->idOf(leaf));
    }
}

void TF_Spxxgl_Import::TreeView1Click(int id)
{
    QTreeWidgetItem* item = TreeView1->itemById(id);
    if (!TreeView1->isLeaf(item)) {
        btnNext1->setEnabled(false);
        return;
    }
    gcCid = id;
    gcSn = TreeView1->currentCode();
    lblClass->setText(TreeView1->currentName());
    btnNext1->setEnabled(true);
}

void TF_Spxxgl_Import::btnNext1Click()
{
    clearImportMapping();
    showFieldsPage();
    grpFields->setTitle(QStringLiteral("第二步：请选择要导入的字段"));
}

GoodsImportOptions TF_Spxxgl_Import::options() const
{
    GoodsImportOptions o;
    o.path = fileName;
    o.gcCid = gcCid;
    o.gcSn = gcSn;
    o.autoSn = cbAuto->isChecked();
    o.uniqueNames = cbUnique->isChecked();
    return o;
}

int TF_Spxxgl_Import::buildPreview(bool tick)
{
    return buildGoodsPreview(options(), tick);
}

ImportRun TF_Spxxgl_Import::runImport()
{
    return importGoods(options());
}

QString TF_Spxxgl_Import::previewCaption() const
{
    return QStringLiteral("选择要导入的 商品资料（共");
}

void TF_Spxxgl_Import::refreshList()
{
    if (DataModule->Q_Goods->isOpen())
        DataModule->Q_Goods->refresh();
}
