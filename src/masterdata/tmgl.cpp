#include "masterdata/tmgl.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "masterdata/barcodes.h"
#include "masterdata/sizecolorkit.h"
#include "masterdata/tmgl_add.h"
#include "masterdata/tmgl_cs.h"
#include "masterdata/tmgl_set.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Tmgl* F_Tmgl = nullptr;

namespace {

QString keyCondition(const QLineEdit* box, const QString& alias)
{
    const QString key = sqlSafe(box->text().trimmed());
    return QStringLiteral("(%1g_sn like '%%2%' or %1g_name like '%%2%' or %1g_jm like '%%2%')").arg(alias, key);
}

QHBoxLayout* searchRow(QWidget* parent, QLineEdit* box, QPushButton* button, QWidget* extra = nullptr)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("商品编号或名称："), parent));
    row->addWidget(box, 1);
    row->addWidget(button);
    if (extra)
        row->addWidget(extra);
    row->addStretch(1);
    return row;
}

}  // namespace

TF_Tmgl::TF_Tmgl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tmgl"));
    setWindowTitle(QStringLiteral("商品条码管理"));
    resize(900, 560);
    setEscCloses(true);
    tabs = new QTabWidget(this);

    auto* page1 = new QWidget;
    btnMake = namedButton(page1, "btnMake", QStringLiteral("条码生成"));
    btnSet = namedButton(page1, "btnSet", QStringLiteral("条码设置"));
    btnTest = namedButton(page1, "btnTest", QStringLiteral("条码测试"));
    btnExit = namedButton(page1, "btnExit", QStringLiteral("退出"));
    edtKey1 = nameBox(page1, "edtKey1", 32);
    btnSearch1 = namedButton(page1, "btnSearch1", QStringLiteral("查询(F2)"));
    gridGoods = new DataGrid(page1);
    gridGoods->setObjectName(QStringLiteral("gridGoods"));
    gridGoods->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("记录数："));
    gridGoods->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 160).footerCount();
    gridGoods->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    lblBand = new QLabel(page1);
    lblBand->setObjectName(QStringLiteral("lblBand"));
    gridTm = new DataGrid(page1);
    gridTm->setObjectName(QStringLiteral("gridTm"));
    gridTm->addColumn(QStringLiteral("g_sptm"), QStringLiteral("商品条码"), 110).footerCount(QStringLiteral("记录数："));
    gridTm->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 70);
    gridTm->addColumn(QStringLiteral("color_tm"), QStringLiteral("颜色条码"), 70);
    gridTm->addColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"), 60);
    gridTm->addColumn(QStringLiteral("cm_tm"), QStringLiteral("尺码条码"), 70);
    gridTm->addColumn(QStringLiteral("tm_tm"), QStringLiteral("条码标签"), 140);
    auto* bar1 = new QHBoxLayout;
    for (QPushButton* b : {btnMake, btnSet, btnTest, btnExit})
        bar1->addWidget(b);
    bar1->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("所有商品信息"), page1));
    left->addWidget(gridGoods, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(lblBand);
    right->addWidget(gridTm, 1);
    auto* grids = new QHBoxLayout;
    grids->addLayout(left, 2);
    grids->addLayout(right, 3);
    auto* col1 = new QVBoxLayout(page1);
    col1->addLayout(bar1);
    col1->addLayout(searchRow(page1, edtKey1, btnSearch1));
    col1->addLayout(grids, 1);

    auto* page2 = new QWidget;
    btnExport = namedButton(page2, "btnExport", QStringLiteral("导出"));
    btnAddPrint = namedButton(page2, "btnAddPrint", QStringLiteral("增加打印"));
    btnTest2 = namedButton(page2, "btnTest2", QStringLiteral("条码测试"));
    btnPrintSet = namedButton(page2, "btnPrintSet", QStringLiteral("打印设置"));
    btnExit2 = namedButton(page2, "btnExit2", QStringLiteral("退出"));
    edtKey2 = nameBox(page2, "edtKey2", 32);
    btnSearch2 = namedButton(page2, "btnSearch2", QStringLiteral("查询(F2)"));
    cbStock = new QCheckBox(QStringLiteral("只显示有库存的商品"), page2);
    cbStock->setObjectName(QStringLiteral("cbStock"));
    gridVariants = new DataGrid(page2);
    gridVariants->setObjectName(QStringLiteral("gridVariants"));
    gridVariants->setMultiSelect(true);
    gridVariants->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("记录数："));
    gridVariants->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    gridVariants->addColumn(QStringLiteral("g_sptm"), QStringLiteral("商品条码"), 100);
    gridVariants->addColumn(QStringLiteral("g_sj"), QStringLiteral("商品售价"), 80).setFormat(QStringLiteral("￥,0.00;-￥,0.00"));
    gridVariants->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    gridVariants->addColumn(QStringLiteral("color_tm"), QStringLiteral("颜色代码"), 60);
    gridVariants->addColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"), 50);
    gridVariants->addColumn(QStringLiteral("cm_tm"), QStringLiteral("尺码代码"), 60);
    gridVariants->addColumn(QStringLiteral("tm_tm"), QStringLiteral("条码标签"), 130);
    gridVariants->addColumn(QStringLiteral("tm_sl"), QStringLiteral("打印数量"), 60);
    gridVariants->addColumn(QStringLiteral("kcsl"), QStringLiteral("库存数量"), 60);
    auto* bar2 = new QHBoxLayout;
    for (QPushButton* b : {btnExport, btnAddPrint, btnTest2, btnPrintSet, btnExit2})
        bar2->addWidget(b);
    bar2->addStretch(1);
    auto* col2 = new QVBoxLayout(page2);
    col2->addLayout(bar2);
    col2->addLayout(searchRow(page2, edtKey2, btnSearch2, cbStock));
    col2->addWidget(gridVariants, 1);

    tabs->addTab(page1, QStringLiteral("商品条码设置"));
    tabs->addTab(page2, QStringLiteral("商品条码信息"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);

    popup = new QMenu(this);
    connect(popup->addAction(QStringLiteral("增加打印条码(&V)")), &QAction::triggered, this,
            [this] { runGuarded([this] { btnAddPrintClick(); }); });
    connect(popup->addAction(QStringLiteral("条码测试(&W)")), &QAction::triggered, this,
            [this] { runGuarded([this] { btnTestClick(); }); });
    popup->addSeparator();
    connect(popup->addAction(QStringLiteral("打印设置(&Z)")), &QAction::triggered, this,
            [this] { runGuarded([this] { btnPrintSetClick(); }); });
    gridVariants->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(gridVariants, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popup->popup(gridVariants->mapToGlobal(pos)); });

    onClicked(btnMake, [this] { btnMakeClick(); });
    onClicked(btnSet, [this] { btnSetClick(); });
    for (QPushButton* b : {btnTest, btnTest2})
        onClicked(b, [this] { btnTestClick(); });
    for (QPushButton* b : {btnExit, btnExit2})
        onClicked(b, [this] { close(); });
    onClicked(btnSearch1, [this] { searchGoods(); });
    onClicked(btnSearch2, [this] { searchVariants(); });
    onClicked(btnAddPrint, [this] { btnAddPrintClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnPrintSet, [this] { btnPrintSetClick(); });
    connect(cbStock, &QCheckBox::clicked, this, [this] { runGuarded([this] { searchVariants(); }); });
    connect(gridGoods, &DataGrid::rowClicked, this, [this] { runGuarded([this] { showGoodsTm(); }); });
    connect(gridGoods, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { showGoodsTm(); }); });
    connect(gridGoods, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnSetClick(); }); });
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            runGuarded([this] {
                edtKey2->clear();
                searchVariants();
            });
    });
}

void TF_Tmgl::FormActivate()
{
    bindGrid(gridGoods, DataModule->Q_Tmgl1);
    bindGrid(gridTm, DataModule->Q_Tmgl2);
    bindGrid(gridVariants, DataModule->Q_Tmgl3);
    tabs->setCurrentIndex(0);
    edtKey1->clear();
    searchGoods();
}

bool TF_Tmgl::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { searchGoods(); });
        return true;
    }
    return false;
}

void TF_Tmgl::FormClose()
{
    DataModule->Q_Tmgl1->close();
    DataModule->Q_Tmgl2->close();
    DataModule->Q_Tmgl3->close();
}

void TF_Tmgl::searchGoods()
{
    openQuery(DataModule->Q_Tmgl1, QStringLiteral("select * from jxc_goods where g_jy=0 and g_sn<>'00000000' and ")
                                       + keyCondition(edtKey1, QString()) + QStringLiteral(" order by g_sn"));
    showGoodsTm();
}

void TF_Tmgl::showGoodsTm()
{
    NamedQuery* goods = DataModule->Q_Tmgl1;
    if (goods->isEmpty()) {
        DataModule->Q_Tmgl2->close();
        lblBand->clear();
        return;
    }
    lblBand->setText(QLatin1Char('[') + goods->fieldByName(QStringLiteral("g_name")) + QStringLiteral("]对应的条码"));
    openQuery(DataModule->Q_Tmgl2,
              QStringLiteral("select a.g_sn,a.g_sptm,b.color_name,b.color_tm,c.cm_name,c.cm_tm,d.tm_tm from jxc_goods a,"
                             "jxc_color b,jxc_cm c,jxc_tm d where a.g_sn=d.g_sn and b.color_sn=d.color_sn and "
                             "c.cm_sn=d.cm_sn and a.g_sn='%1' order by d.id")
                  .arg(sqlSafe(goods->fieldByName(QStringLiteral("g_sn")))));
}

void TF_Tmgl::btnMakeClick()
{
    NamedQuery* goods = DataModule->Q_Tmgl1;
    if (goods->isEmpty())
        return;
    if (!msgYesNo(QStringLiteral("条码自动生成：会根据商品信息，重新生成所有商品的条码。\r\n\r\n确定要生成所有商品的条码吗？"), this))
        return;
    QStringList codes;
    for (int r = 0; r < goods->rowCount(); ++r)
        codes << goods->value(r, QStringLiteral("g_sn"));
    regenerateGoodsTm(codes);
    showGoodsTm();
}

void TF_Tmgl::btnSetClick()
{
    NamedQuery* goods = DataModule->Q_Tmgl1;
    if (goods->isEmpty())
        return;
    TF_Tmgl_Set* dialog = ensureForm(F_Tmgl_Set);
    dialog->gSn = goods->fieldByName(QStringLiteral("g_sn"));
    dialog->showModalForm();
    showGoodsTm();
}

void TF_Tmgl::btnTestClick()
{
    showForm(F_Tmgl_Cs);
}

void TF_Tmgl::searchVariants()
{
    openQuery(DataModule->Q_Tmgl3,
              QStringLiteral("select a.g_sn,a.g_sptm,b.color_name,b.color_tm,c.cm_name,c.cm_tm,d.tm_tm,d.tm_sl,d.id,a.g_name,"
                             "a.g_sj,e.kcsl from jxc_goods a,jxc_color b,jxc_cm c,jxc_tm d,(select g_sn,color_sn,cm_sn,"
                             "sum(t_sl) as kcsl from jxc_tkc group by g_sn,color_sn,cm_sn) e where a.g_sn=d.g_sn and "
                             "b.color_sn=d.color_sn and c.cm_sn=d.cm_sn and a.g_sn=e.g_sn and b.color_sn=e.color_sn and "
                             "c.cm_sn=e.cm_sn and ")
                  + keyCondition(edtKey2, QStringLiteral("a."))
                  + (cbStock->isChecked() ? QStringLiteral(" and e.kcsl>0 ") : QStringLiteral(" "))
                  + QStringLiteral("order by a.g_sn"));
}

void TF_Tmgl::btnAddPrintClick()
{
    NamedQuery* variants = DataModule->Q_Tmgl3;
    if (variants->isEmpty())
        return;
    const QList<int> rows = gridVariants->selectedRows();
    if (rows.isEmpty()) {
        msgInfo(QStringLiteral("请选择商品！"), this);
        return;
    }
    gridVariants->setCurrentRow(rows.first());
    TF_Tmgl_Add* dialog = ensureForm(F_Tmgl_Add);
    dialog->setGoods(rows.size() == 1 ? variants->value(rows.first(), QStringLiteral("g_name"))
                                      : QStringLiteral("共 ") + QString::number(rows.size()) + QStringLiteral(" 个"),
                     variants->value(rows.first(), QStringLiteral("tm_sl")));
    dialog->showModalForm();
    if (dialog->answer.isEmpty())
        return;
    QList<qint64> ids;
    for (int row : rows)
        ids << variants->value(row, QStringLiteral("id")).toLongLong();
    setTmQuantity(ids, dialog->answer.toInt());
    variants->refresh();
}

void TF_Tmgl::btnExportClick()
{
    if (!DataModule->Q_Tmgl3->isEmpty())
        gridVariants->exportWithDialog();
}

void TF_Tmgl::btnPrintSetClick()
{
    if (!DataModule->Q_Tmgl1->isEmpty())
        openWindow(QStringLiteral("TF_Tmset"), QString(), QStringLiteral("打印设置"));
}
