#include "stock/kcpd_pd.h"

#include "bills/querykit.h"
#include "data/datamodule.h"
#include "data/namedquery.h"
#include "data/values.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "stock/kcpd.h"
#include "stock/kcpdposting.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

TF_Kcpd_Pd* F_Kcpd_Pd = nullptr;

namespace {

void goodsColumns(DataGrid* grid)
{
    grid->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("记录数："));
    grid->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    grid->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    grid->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
}

QWidget* stepPage(const QString& title, QWidget* grid, std::initializer_list<QPushButton*> buttons)
{
    auto* page = new QWidget;
    auto* col = new QVBoxLayout(page);
    auto* caption = new QLabel(title, page);
    caption->setObjectName(QStringLiteral("lTitle"));
    col->addWidget(caption);
    col->addWidget(grid, 1);
    col->addLayout(buttonRow(buttons));
    return page;
}

}  // namespace

TF_Kcpd_Pd::TF_Kcpd_Pd(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcpd_Pd"));
    setWindowTitle(QStringLiteral("盘盈盘亏"));
    resize(900, 600);

    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询"));
    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(DataModule ? DataModule->Q_KcpdTemp : nullptr);
    cxGrid1->addColumn(QStringLiteral("pd_status"), QString(), 30).setCheck().setWriter(
        [this](int row, const QString&, const QString& value) {
            tickKcpdChoice(cxGrid1->value(row, QStringLiteral("gl_djh")), value == u"True" || value == u"1");
        });
    cxGrid1->addColumn(QStringLiteral("gl_djh"), QStringLiteral("盘点单号"), 120).footerText(QStringLiteral("单据合计："));
    cxGrid1->addColumn(QStringLiteral("pd_rq"), QStringLiteral("日期"), 90).footerCount();
    cxGrid1->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"));
    cxGrid1->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"));
    cxGrid1->addColumn(QStringLiteral("sp_sl"), QStringLiteral("商品条数")).footerSum();
    cxGrid1->addColumn(QStringLiteral("pd_sl"), QStringLiteral("商品数量")).footerSum();
    btnNext1 = namedButton(this, "btnNext1", QStringLiteral("下一步"));

    lStep2 = new QLabel(this);
    lStep2->setObjectName(QStringLiteral("lStep2"));
    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    goodsColumns(cxGrid2);
    cxGrid2->addColumn(QStringLiteral("pd_sl"), QStringLiteral("盘点数量")).footerSum();
    cxGrid2->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"));
    cxGrid2->setQuery(DataModule ? DataModule->Q_KcpdChosen : nullptr);
    btnPrev2 = namedButton(this, "btnPrev2", QStringLiteral("上一步"));
    btnWp = namedButton(this, "btnWp", QStringLiteral("未盘商品"));
    btnNext2 = namedButton(this, "btnNext2", QStringLiteral("下一步"));
    panelSl = new QGroupBox(this);
    panelSl->setObjectName(QStringLiteral("panelSl"));
    lSlGoods = new QLabel(panelSl);
    lSlName = new QLabel(panelSl);
    lSlDjh = new QLabel(panelSl);
    tsl = new QLineEdit(panelSl);
    tsl->setObjectName(QStringLiteral("tsl"));
    tsl->setMaxLength(10);
    btnSlOK = namedButton(panelSl, "btnSlOK", QStringLiteral("确定"));
    btnSlExit = namedButton(panelSl, "btnSlExit", QStringLiteral("退出"));
    auto* slForm = new QFormLayout(panelSl);
    slForm->addRow(QStringLiteral("商品编号："), lSlGoods);
    slForm->addRow(QStringLiteral("商品名称："), lSlName);
    slForm->addRow(QStringLiteral("盘点单号："), lSlDjh);
    slForm->addRow(QStringLiteral("盘点数量："), tsl);
    slForm->addRow(buttonRow({btnSlOK, btnSlExit}));
    panelSl->hide();

    cxGrid3 = new DataGrid(this);
    cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
    goodsColumns(cxGrid3);
    cxGrid3->addColumn(QStringLiteral("kc_sl"), QStringLiteral("库存数量")).footerSum();
    cxGrid3->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"));
    cxGrid3->setQuery(DataModule ? DataModule->Q_KcpdWp : nullptr);
    btnBack3 = namedButton(this, "btnBack3", QStringLiteral("返回"));
    btnPrint3 = namedButton(this, "btnPrint3", QStringLiteral("打印"));

    cxGrid4 = new DataGrid(this);
    cxGrid4->setObjectName(QStringLiteral("cxGrid4"));
    goodsColumns(cxGrid4);
    cxGrid4->addColumn(QStringLiteral("pd_sl"), QStringLiteral("盘点数量")).footerSum();
    cxGrid4->addColumn(QStringLiteral("kc_sl"), QStringLiteral("库存数量")).footerSum();
    cxGrid4->addColumn(QStringLiteral("cysl"), QStringLiteral("差异数量")).footerSum();
    cxGrid4->addColumn(QStringLiteral("ck_name"), QStringLiteral("所在仓库"));
    cxGrid4->setQuery(DataModule ? DataModule->Q_KcpdCy : nullptr);
    btnPrev4 = namedButton(this, "btnPrev4", QStringLiteral("上一步"));
    btnXz = namedButton(this, "btnXz", QStringLiteral("修正库存"));
    btnPrint4 = namedButton(this, "btnPrint4", QStringLiteral("打印"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));

    auto* page1 = new QWidget;
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("仓库名称："), page1));
    filter->addWidget(comCk);
    filter->addWidget(new QLabel(QStringLiteral("操作员："), page1));
    filter->addWidget(comUser);
    filter->addWidget(btnQuery);
    filter->addStretch(1);
    auto* col1 = new QVBoxLayout(page1);
    col1->addWidget(new QLabel(QStringLiteral("选择盘点单"), page1));
    col1->addLayout(filter);
    col1->addWidget(cxGrid1, 1);
    col1->addLayout(buttonRow({btnNext1}));
    auto* page2 = new QWidget;
    auto* col2 = new QVBoxLayout(page2);
    col2->addWidget(lStep2);
    col2->addWidget(cxGrid2, 1);
    col2->addWidget(panelSl);
    col2->addLayout(buttonRow({btnPrev2, btnWp, btnNext2}));
    steps = new QStackedWidget(this);
    steps->setObjectName(QStringLiteral("steps"));
    steps->addWidget(page1);
    steps->addWidget(page2);
    steps->addWidget(stepPage(QStringLiteral("未盘商品列表"), cxGrid3, {btnBack3, btnPrint3}));
    steps->addWidget(stepPage(QStringLiteral("盘点差异表"), cxGrid4, {btnPrev4, btnXz, btnPrint4}));
    auto* main = new QVBoxLayout(this);
    main->addWidget(steps, 1);
    main->addLayout(buttonRow({btnExit}));

    PopupMenu1 = new QMenu(this);
    connect(PopupMenu1->addAction(QStringLiteral("修改数量(&Y)")), &QAction::triggered, this,
            [this] { runGuarded([this] { modifyCountClick(); }); });
    connect(PopupMenu1->addAction(QStringLiteral("未盘数量(&Z)")), &QAction::triggered, this,
            [this] { runGuarded([this] { btnWpClick(); }); });
    for (DataGrid* grid : {cxGrid2, cxGrid3, cxGrid4}) {
        grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid->view(), &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& pos) {
            PopupMenu1->popup(grid->view()->viewport()->mapToGlobal(pos));
        });
    }

    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnNext1, [this] { btnNext1Click(); });
    onClicked(btnPrev2, [this] { btnPrev2Click(); });
    onClicked(btnWp, [this] { btnWpClick(); });
    onClicked(btnNext2, [this] { btnNext2Click(); });
    onClicked(btnSlOK, [this] { btnSlOKClick(); });
    onClicked(btnSlExit, [this] { panelSl->hide(); });
    onClicked(btnBack3, [this] { steps->setCurrentIndex(1); });
    onClicked(btnPrev4, [this] { steps->setCurrentIndex(1); });
    onClicked(btnXz, [this] { btnXzClick(); });
    onClicked(btnPrint3, [this] { btnPrint3Click(); });
    onClicked(btnPrint4, [this] { btnPrint4Click(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Kcpd_Pd::btnPrint3Click()
{
    previewGridList({.title = QStringLiteral("未盘商品信息"),
                     .columns = {listColumn("商品编号", "g_sn", 28), listColumn("商品名称", "g_name", 45),
                                 listColumn("单位", "dw_name", 14), listColumn("款型说明", "gg_name", 30),
                                 listNumber("库存数量", "kc_sl", 20, false), listColumn("仓库名称", "ck_name", 28)},
                     .headerLines = {QStringLiteral("打印时间：[DATE] [TIME]")},
                     .summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")}},
                    cxGrid3, {}, this);
}

void TF_Kcpd_Pd::btnPrint4Click()
{
    previewGridList({.title = QStringLiteral("库存盘点差异"),
                     .columns = {listColumn("商品编号", "g_sn", 26), listColumn("商品名称", "g_name", 40),
                                 listColumn("单位", "dw_name", 12), listColumn("款型说明", "gg_name", 26),
                                 listNumber("盘点数量", "pd_sl", 18, false), listNumber("库存数量", "kc_sl", 18, false),
                                 listNumber("差异数量", "cysl", 18, false), listColumn("所在仓库", "ck_name", 24)},
                     .headerLines = {QStringLiteral("打印时间：[DATE] [TIME]")},
                     .summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")}},
                    cxGrid4, {}, this);
}

void TF_Kcpd_Pd::FormActivate()
{
    releaseKcpdSheets();
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    fillOperatorCombo(comUser);
    panelSl->hide();
    btnXz->setEnabled(true);
    steps->setCurrentIndex(0);
    btnQueryClick();
}

void TF_Kcpd_Pd::btnQueryClick()
{
    fillKcpdChoice(comCk->currentIndex() >= 0 ? getComboCode(comCk, comCk->currentIndex()) : CodeComboBox::AllCode,
                   comUser->currentIndex() > 0 ? comUser->currentText() : QString());
    openQuery(DataModule->Q_KcpdTemp, QStringLiteral("select * from jxc_kcpdtemp order by gl_djh"));
}

void TF_Kcpd_Pd::openChosen()
{
    openQuery(DataModule->Q_KcpdChosen, kcpdChosenLinesSql());
}

void TF_Kcpd_Pd::btnNext1Click()
{
    const int ticked = tickedKcpdSheets();
    if (ticked == 0) {
        msgInfo(QStringLiteral("请选择盘点单！"), this);
        return;
    }
    lStep2->setText(QStringLiteral("所选盘点商品(共选中了%1个盘点单，下列为已选盘点单的汇总记录)").arg(ticked));
    markKcpdSheets();
    openChosen();
    panelSl->hide();
    steps->setCurrentIndex(1);
}

void TF_Kcpd_Pd::btnPrev2Click()
{
    releaseKcpdSheets();
    openQuery(DataModule->Q_KcpdTemp, QStringLiteral("select * from jxc_kcpdtemp order by gl_djh"));
    steps->setCurrentIndex(0);
}

void TF_Kcpd_Pd::btnWpClick()
{
    openQuery(DataModule->Q_KcpdWp, kcpdUncountedSql());
    steps->setCurrentIndex(2);
}

void TF_Kcpd_Pd::btnNext2Click()
{
    openQuery(DataModule->Q_KcpdCy, kcpdDifferenceSql());
    steps->setCurrentIndex(3);
}

void TF_Kcpd_Pd::modifyCountClick()
{
    NamedQuery* lines = DataModule->Q_KcpdChosen;
    if (steps->currentIndex() != 1 || !lines->isOpen() || lines->isEmpty())
        return;
    lSlGoods->setText(lines->fieldByName(QStringLiteral("g_sn")));
    lSlName->setText(lines->fieldByName(QStringLiteral("g_name")));
    lSlDjh->setText(lines->fieldByName(QStringLiteral("gl_djh")));
    tsl->setText(lines->fieldByName(QStringLiteral("pd_sl")));
    panelSl->show();
    tsl->setFocus();
    tsl->selectAll();
}

void TF_Kcpd_Pd::btnSlOKClick()
{
    NamedQuery* lines = DataModule->Q_KcpdChosen;
    if (lines->isEmpty())
        return;
    bool ok = false;
    const Money count = Money::fromText(tsl->text().trimmed(), &ok);
    if (!ok) {
        msgInfo(QStringLiteral("盘点数量必须是数字！"), this);
        return;
    }
    const int row = lines->currentRow();
    setKcpdCount(lines->fieldByName(QStringLiteral("id")).toLongLong(), count);
    openChosen();
    lines->setCurrentRow(row);
    panelSl->hide();
}

void TF_Kcpd_Pd::btnXzClick()
{
    if (!msgYesNo(QStringLiteral("建议在修正库存之前先备份数据库，以免数据丢失。\r\n\r\n现在就对库存进行修正吗？"), this))
        return;
    correctKcpd();
    openQuery(DataModule->Q_KcpdCy, kcpdDifferenceSql());
    msgInfo(QStringLiteral("库存修正完成！"), this);
    btnXz->setEnabled(false);
}
