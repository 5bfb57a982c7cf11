#include "stock/qcjz.h"

#include "bills/billparts.h"
#include "bills/querykit.h"
#include "data/datamodule.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "shell/commands.h"
#include "stock/qcjz_add.h"
#include "stock/qcjzposting.h"
#include "stock/stock.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

TF_Qcjz* F_Qcjz = nullptr;

namespace {

const QStringList kKeyFields{QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn")};

}  // namespace

QString qcjzLeftSql(const QString& ckSn)
{
    return QStringLiteral("select * from jxc_goods where g_jy=0 and g_sn<>'00000000' and g_sn not in "
                          "(select g_sn from jxc_kcsp where ck_sn='%1') order by id")
        .arg(sqlLit(ckSn));
}

QString qcjzRightSql(const QString& ckSn)
{
    return QStringLiteral("select distinct a.*,b.g_sn as ggsn from (select m.id,n.gc_sn,m.g_sn,m.g_name,n.gc_name,"
                          "m.dw_name,m.gg_name,m.color_name,p.kc_sl,p.kc_cbj,m.g_jm,m.g_bzq,m.g_sccs,m.g_jj,m.cmz_name,"
                          "m.colorz_sn,m.cmz_sn from jxc_goods m,jxc_goodsclass n,jxc_kcsp p where m.gc_sn=n.gc_sn and "
                          "m.g_sn=p.g_sn and m.g_jy=0 and p.ck_sn='%1') a left outer join (select distinct g_sn from "
                          "jxc_goodslist where gl_djh<>'' and ck_sn='%1') b on a.g_sn=b.g_sn order by a.gc_sn,a.id")
        .arg(sqlLit(ckSn));
}

TF_Qcjz::TF_Qcjz(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Qcjz"));
    setWindowTitle(QStringLiteral("库存商品期初建帐"));
    comCkxx = new CodeComboBox;
    comCkxx->setObjectName(QStringLiteral("comCkxx"));
    tKey = nameBox(this, "tKey", 32);
    installKeyFilter(tKey);
    tkey2 = nameBox(this, "tkey2", 32);
    installKeyFilter(tkey2);

    DBGrid1 = new DataGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Goods1);
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("商品合计："));
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    DBGrid1->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 90);
    DBGrid2 = new DataGrid;
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setQuery(DataModule->Q_Kcsp);
    DBGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("合计："));
    DBGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    DBGrid2->addColumn(QStringLiteral("gc_name"), QStringLiteral("类别"), 80);
    DBGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid2->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    DBGrid2->addColumn(QStringLiteral("kc_sl"), QStringLiteral("库存数量"), 70);
    DBGrid2->addColumn(QStringLiteral("kc_cbj"), QStringLiteral("成本价"), 70).setFormat(QStringLiteral("￥,0.00;￥-,0.00"));
    DBGrid2->setCellStyle([](int row, const QString&, CellStyle& style) {
        if (!DataModule->Q_Kcsp->value(row, QStringLiteral("ggsn")).isEmpty())
            style.text = Qt::darkGreen;
    });
    DBGrid2->setToolTip(QStringLiteral("文字为绿色的商品，表示已经发生过业务。"));

    auto* btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加到仓库(F2)"));
    auto* btnModi = namedButton(this, "btnModi", QStringLiteral("修改数量或成本价(F3)"));
    auto* btnQuery = namedButton(this, "btnQuery", QStringLiteral("商品查询(F4)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* menu = new QMenu(this);
    addMenuItem(menu, QStringLiteral("修改数量或成本价(&W)"), "actModi", this, [this] { btnModiClick(); });
    addMenuItem(menu, QStringLiteral("显示该类别商品(&X)"), "actClass", this, [this] { sameCategoryClick(); });
    addMenuItem(menu, QStringLiteral("删除该商品(&Y)"), "actDel", this, [this] { deleteClick(); });
    addMenuItem(menu, QStringLiteral("显示所有商品(&Z)"), "actAll", this, [this] { allGoodsClick(); });
    attachGridMenu(DBGrid2, menu);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("选择仓库：")));
    top->addWidget(comCkxx);
    top->addStretch(1);
    auto* left = new QVBoxLayout;
    auto* leftKey = new QHBoxLayout;
    leftKey->addWidget(new QLabel(QStringLiteral("商品编号或名称：")));
    leftKey->addWidget(tKey, 1);
    left->addWidget(new QLabel(QStringLiteral("未建账商品信息")));
    left->addLayout(leftKey);
    left->addWidget(DBGrid1, 1);
    left->addWidget(btnAdd);
    auto* right = new QVBoxLayout;
    auto* rightKey = new QHBoxLayout;
    rightKey->addWidget(new QLabel(QStringLiteral("商品相关信息：")));
    rightKey->addWidget(tkey2, 1);
    rightKey->addWidget(btnQuery);
    right->addWidget(new QLabel(QStringLiteral("库存商品")));
    right->addLayout(rightKey);
    right->addWidget(DBGrid2, 1);
    auto* rightButtons = new QHBoxLayout;
    rightButtons->addWidget(btnModi);
    rightButtons->addStretch(1);
    rightButtons->addWidget(btnExit);
    right->addLayout(rightButtons);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 2);
    lists->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    resize(1000, 600);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnExit, [this] { close(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnAddClick(); }); });
    connect(DBGrid2, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
    connect(tKey, &QLineEdit::textChanged, this, [this](const QString& text) { DBGrid1->setSearch(text, kKeyFields); });
    connect(comCkxx, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            runGuarded([this] {
                loadLeft();
                loadRight();
            });
    });
    setEscCloses(true);
}

void TF_Qcjz::FormActivate()
{
    m_filling = true;
    fillCodeCombo(comCkxx, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    comCkxx->setCurrentIndex(comCkxx->count() > 0 ? 0 : -1);
    m_filling = false;
    if (comCkxx->count() == 0) {
        msgInfo(QStringLiteral("没有仓库信息，需要先添加仓库信息！"), this);
        openWindow(QStringLiteral("TF_Ckgl"), QString(), QStringLiteral("仓库设置"));
        QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
        return;
    }
    loadLeft();
    loadRight();
}

bool TF_Qcjz::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        btnAddClick();
        return true;
    case Qt::Key_F3:
        btnModiClick();
        return true;
    case Qt::Key_F4:
        btnQueryClick();
        return true;
    default:
        return false;
    }
}

void TF_Qcjz::FormClose()
{
    DataModule->Q_Goods1->close();
    DataModule->Q_Kcsp->close();
}

void TF_Qcjz::loadLeft()
{
    openQuery(DataModule->Q_Goods1, qcjzLeftSql(comCkxx->currentCode()));
}

void TF_Qcjz::loadRight()
{
    openQuery(DataModule->Q_Kcsp, qcjzRightSql(comCkxx->currentCode()));
}

void TF_Qcjz::btnAddClick()
{
    if (DataModule->Q_Goods1->isEmpty())
        return;
    TF_Qcjz_Add* dialog = ensureForm(F_Qcjz_Add);
    dialog->prepare(false, DataModule->Q_Goods1->fieldByName(QStringLiteral("g_sn")), comCkxx->currentCode(),
                    comCkxx->currentText());
    dialog->showModalForm();
    loadLeft();
    loadRight();
}

void TF_Qcjz::btnModiClick()
{
    if (DataModule->Q_Kcsp->isEmpty())
        return;
    const QString goods = DataModule->Q_Kcsp->fieldByName(QStringLiteral("g_sn"));
    if (qcjzHasBusiness(goods, comCkxx->currentCode())) {
        msgInfo(QStringLiteral("该商品发生过业务，不能修改建账信息！"), this);
        return;
    }
    TF_Qcjz_Add* dialog = ensureForm(F_Qcjz_Add);
    dialog->prepare(true, goods, comCkxx->currentCode(), comCkxx->currentText());
    const int row = DataModule->Q_Kcsp->currentRow();
    dialog->showModalForm();
    loadRight();
    DataModule->Q_Kcsp->setCurrentRow(row);
}

void TF_Qcjz::btnQueryClick()
{
    DBGrid2->setSearch(tkey2->text(), kKeyFields);
}

void TF_Qcjz::sameCategoryClick()
{
    if (DataModule->Q_Kcsp->isEmpty())
        return;
    tkey2->clear();
    DBGrid2->setFilter({{QStringLiteral("gc_sn"), FilterOp::Like, DataModule->Q_Kcsp->fieldByName(QStringLiteral("gc_sn"))}});
}

void TF_Qcjz::allGoodsClick()
{
    tkey2->clear();
    btnQueryClick();
}

void TF_Qcjz::deleteClick()
{
    if (DataModule->Q_Kcsp->isEmpty())
        return;
    if (!msgYesNo(QStringLiteral("您在删除之前请确认该商品没有发生过：\r\n\r\n进货、销售、拆分捆绑、报损报溢、调拨、等任何业务，"
                                 "\r\n\r\n否则将会导致数据不准确！\r\n\r\n请您慎重使用！"),
                  this))
        return;
    deleteQcjz(DataModule->Q_Kcsp->fieldByName(QStringLiteral("g_sn")), comCkxx->currentCode());
    loadRight();
}

void registerOpeningStock()
{
    registerForm(QStringLiteral("TF_Qcjz"), F_Qcjz);
    registerForm(QStringLiteral("TF_Qcjz_Add"), F_Qcjz_Add);
}
