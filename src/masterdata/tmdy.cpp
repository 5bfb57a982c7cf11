#include "masterdata/tmdy.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "masterdata/barcodes.h"
#include "masterdata/sizecolorkit.h"
#include "masterdata/tmdy_modi.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportdesigner.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TF_Tmdy* F_Tmdy = nullptr;

TF_Tmdy::TF_Tmdy(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tmdy"));
    setWindowTitle(QStringLiteral("条码打印"));
    resize(760, 520);
    setEscCloses(true);
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    btnSet = namedButton(this, "btnSet", QStringLiteral("条码设置"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    edtKey = nameBox(this, "edtKey", 32);
    edtKey->setPlaceholderText(QStringLiteral("回车键开始查询"));
    btnPick = namedButton(this, "btnPick", QStringLiteral("…"));
    edtNum = new QLineEdit(this);
    edtNum->setObjectName(QStringLiteral("edtNum"));
    edtNum->setMaxLength(3);
    edtNum->setValidator(new QIntValidator(0, 999, edtNum));
    btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加(F4)"));
    gridTm = new DataGrid(this);
    gridTm->setObjectName(QStringLiteral("gridTm"));
    gridTm->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerCount(QStringLiteral("商品合计："));
    gridTm->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 180);
    gridTm->addColumn(QStringLiteral("sptm"), QStringLiteral("商品条码"), 130);
    gridTm->addColumn(QStringLiteral("g_sj"), QStringLiteral("零售价"), 80).setFormat(QStringLiteral("￥,0.00;-￥,0.00"));
    gridTm->addColumn(QStringLiteral("tm_sl"), QStringLiteral("数量"), 60).footerSum();
    gridGoods = new DataGrid(this);
    gridGoods->setObjectName(QStringLiteral("gridGoods"));
    gridGoods->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("商品合计:"));
    gridGoods->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 180).footerCount();
    gridGoods->addColumn(QStringLiteral("g_sptm"), QStringLiteral("商品条码"), 130);
    gridGoods->addColumn(QStringLiteral("g_sj"), QStringLiteral("零售价"), 80).setFormat(QStringLiteral("￥,0.00;-￥,0.00"));
    gridGoods->hide();

    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnModi, btnDel, btnPrint, btnSet, btnExit})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("输入要添加商品的相关信息进行查找(F2)："), this));
    entry->addWidget(edtKey, 1);
    entry->addWidget(btnPick);
    entry->addWidget(new QLabel(QStringLiteral("打印数量(F3)："), this));
    entry->addWidget(edtNum);
    entry->addWidget(btnAdd);
    auto* col = new QVBoxLayout(this);
    col->addLayout(bar);
    col->addLayout(entry);
    col->addWidget(gridGoods, 1);
    col->addWidget(gridTm, 2);

    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnSet, [this] { btnSetClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnPick, [this] {
        if (edtKey->text().isEmpty())
            gridGoods->show();
    });
    connect(edtKey, &QLineEdit::textEdited, this, [this] { runGuarded([this] { filterGoods(); }); });
    connect(gridGoods, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { pickGoods(); }); });
    edtNum->installEventFilter(this);
    gridTm->view()->installEventFilter(this);
}

void TF_Tmdy::FormActivate()
{
    bindGrid(gridTm, DataModule->Q_Tm);
    bindGrid(gridGoods, DataModule->Q_Goods8);
    edtKey->clear();
    edtNum->setText(QStringLiteral("1"));
    DataModule->Q_Tm->open(DataModule->Q_Tm->designSql());
    DataModule->Q_Goods8->open(DataModule->Q_Goods8->designSql());
}

void TF_Tmdy::FormClose()
{
    DataModule->Q_Tm->close();
    DataModule->Q_Goods8->close();
}

bool TF_Tmdy::eventFilter(QObject* watched, QEvent* event)
{
    // Entering the quantity or the print list hides the goods panel.
    if (event->type() == QEvent::FocusIn && (watched == edtNum || watched == gridTm->view()))
        gridGoods->hide();
    return TF_Form::eventFilter(watched, event);
}

bool TF_Tmdy::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F4:
        runGuarded([this] { btnAddClick(); });
        return true;
    case Qt::Key_F3:
        edtNum->setText(QStringLiteral("1"));
        edtNum->setFocus();
        edtNum->selectAll();
        return true;
    case Qt::Key_F2:
        edtKey->clear();
        edtKey->setFocus();
        return true;
    default:
        return false;
    }
}

void TF_Tmdy::filterGoods()
{
    gridGoods->show();
    gridGoods->setSearch(edtKey->text().trimmed(), {QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn")});
}

void TF_Tmdy::pickGoods()
{
    const int row = gridGoods->currentRow();
    if (row < 0)
        return;
    edtKey->setText(gridGoods->value(row, QStringLiteral("g_sn")));
    gridGoods->hide();
    edtNum->setFocus();
}

void TF_Tmdy::reloadList()
{
    DataModule->Q_Tm->refresh();
    edtKey->clear();
    edtKey->setFocus();
}

void TF_Tmdy::btnAddClick()
{
    gridGoods->hide();
    const QString code = sqlSafe(edtKey->text().trimmed());
    if (code.isEmpty()) {
        msgInfo(QStringLiteral("请输入商品编号！"), this);
        return;
    }
    if (!goodsExists(code)) {
        msgInfo(QStringLiteral("系统中没有所查询的商品，请核对后输入！"), this);
        return;
    }
    const int quantity = edtNum->text().trimmed().toInt();
    const bool accumulate = labelRowsExist(code);
    if (accumulate && !msgYesNo(QStringLiteral("商品编号已经存在，是否累加条码数量？"), this))
        return;
    addLabels(code, quantity, accumulate);
    reloadList();
}

void TF_Tmdy::btnModiClick()
{
    NamedQuery* list = DataModule->Q_Tm;
    if (list->isEmpty())
        return;
    TF_Tmdy_Modi* dialog = ensureForm(F_Tmdy_Modi);
    dialog->setRow(list->fieldByName(QStringLiteral("id")).toLongLong(), list->fieldByName(QStringLiteral("g_sn")),
                   list->fieldByName(QStringLiteral("tm_sl")));
    dialog->showModalForm();
    list->refresh();
}

void TF_Tmdy::btnDelClick()
{
    NamedQuery* list = DataModule->Q_Tm;
    if (list->isEmpty())
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除选中的商品条码吗？"), this))
        return;
    deleteLabelGoods(list->fieldByName(QStringLiteral("g_sn")));
    reloadList();
}

void TF_Tmdy::btnPrintClick()
{
    if (DataModule->Q_Tm->isEmpty())
        return;
    fillLabelRows();
    openQuery(DataModule->Q_GoodsPrin, QStringLiteral("select * from jxc_txm order by id"));
    Report report;
    report.loadTemplate(QStringLiteral("txm.fr3"));
    report.setDataset(QStringLiteral("frxDBDataset1"), DataModule->Q_GoodsPrin);
    report.preview(this);
    DataModule->Q_GoodsPrin->close();
}

void TF_Tmdy::btnSetClick()
{
    designReport(Report::templatePath(QStringLiteral("txm.fr3")), this,
                 {{QStringLiteral("frxDBDataset1"), {QStringLiteral("tm_code")}}});
}
