#include "stock/kcpd_add.h"

#include "bills/categorytab.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "stock/kcpd_sele.h"
#include "stock/stocksql.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Kcpd_Add* F_Kcpd_Add = nullptr;

QString kcpdGoodsSql(const QString& djh, const QString& ckSn, const QString* gcSn)
{
    const QString category = gcSn ? QStringLiteral(" and gc_sn=") + sqlText(*gcSn) : QString();
    return QStringLiteral("select b.kc_sl,c.* from jxc_kcsp b,(select * from (select g_sn,g_name,g_jm,dw_name,gg_name "
                          "from jxc_goods where g_jy=0 and g_sn<>'00000000'%3) a left outer join (select distinct g_sn "
                          "as gsn from jxc_kcpd where gl_djh=%1) d on a.g_sn=d.gsn) c where b.g_sn=c.g_sn and "
                          "b.ck_sn=%2 order by b.g_sn")
        .arg(sqlText(djh), sqlText(ckSn), category);
}

QString kcpdCountedSql(const QString& djh)
{
    return QStringLiteral("select a.id,a.g_sn,a.kc_sl,a.pd_sl,b.g_name,b.dw_name from jxc_kcpd a,jxc_goods b "
                          "where a.g_sn=b.g_sn and b.g_jy=0 and b.g_sn<>'00000000' and a.gl_djh=%1 order by a.id")
        .arg(sqlText(djh));
}

TF_Kcpd_Add::TF_Kcpd_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcpd_Add"));
    setWindowTitle(QStringLiteral("录入盘点商品"));
    resize(900, 600);

    gldjh = new QLabel(this);
    gldjh->setObjectName(QStringLiteral("gldjh"));
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    datePd = new QDateEdit(this);
    datePd->setObjectName(QStringLiteral("datePd"));
    datePd->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    datePd->setCalendarPopup(true);
    aname = new QLabel(this);
    aname->setObjectName(QStringLiteral("aname"));
    tnote = new QLineEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaxLength(100);
    installKeyFilter(tnote);
    tkey = nameBox(this, "tkey", 64);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定"));
    btnReturn = namedButton(this, "btnReturn", QStringLiteral("返回"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));

    // Both goods lists show the one goods query, loaded for the tab shown; goods already
    // counted on the sheet are drawn red.
    auto goodsGrid = [this](const char* name) {
        auto* grid = new DataGrid;
        grid->setObjectName(QLatin1String(name));
        grid->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
        grid->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
        grid->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
        grid->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
        grid->addColumn(QStringLiteral("kc_sl"), QStringLiteral("库存数量"));
        grid->setQuery(DataModule ? DataModule->Q_KcpdGoods : nullptr);
        grid->setCellStyle([grid](int row, const QString&, CellStyle& style) {
            if (!grid->value(row, QStringLiteral("gsn")).isEmpty())
                style.text = Qt::red;
        });
        connect(grid, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnOKClick(); }); });
        return grid;
    };
    cxGrid1 = goodsGrid("cxGrid1");
    cxGrid3 = goodsGrid("cxGrid3");
    categoryTab = new GoodsCategoryTab(DataModule ? DataModule->Q_GClass : nullptr, cxGrid3);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(cxGrid1, QStringLiteral("商品清单"));
    PageControl1->addTab(categoryTab, QStringLiteral("商品列表"));
    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerText(QStringLiteral("合计："));
    cxGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid2->addColumn(QStringLiteral("kc_sl"), QStringLiteral("库存数量")).footerSum();
    cxGrid2->addColumn(QStringLiteral("pd_sl"), QStringLiteral("盘点数量")).footerSum();
    cxGrid2->setQuery(DataModule ? DataModule->Q_KcpdLines : nullptr);

    auto* head = new QFormLayout;
    head->addRow(QStringLiteral("盘点单号："), gldjh);
    head->addRow(QStringLiteral("盘点仓库："), comCk);
    head->addRow(QStringLiteral("盘点日期："), datePd);
    head->addRow(QStringLiteral("操作员："), aname);
    head->addRow(QStringLiteral("备        注："), tnote);
    auto* notice = new QLabel(QStringLiteral("提示：盘点前请选择仓库，盘点中不能更换仓库和日期，在没有修正库存之前请勿有采购进货、"
                                             "销售等能改变库存数量的操作，不然会造成库存数量不准。"),
                              this);
    notice->setWordWrap(true);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("商品编号："), this));
    search->addWidget(tkey, 1);
    search->addWidget(btnOK);
    auto* left = new QVBoxLayout;
    left->addLayout(head);
    left->addWidget(notice);
    left->addLayout(search);
    left->addWidget(PageControl1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("已盘商品"), this));
    right->addWidget(cxGrid2, 1);
    right->addLayout(buttonRow({btnReturn, btnModi, btnDel}));
    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(right, 1);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnReturn, [this] { close(); });
    connect(cxGrid2, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
    connect(tkey, &QLineEdit::textChanged, this, [this] { applyKey(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { openGoods(); });
    });
    connect(categoryTab, &GoodsCategoryTab::categoryChosen, this, [this] { runGuarded([this] { openGoods(); }); });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { openGoods(); });
    });
}

KcpdSheet TF_Kcpd_Add::sheet() const
{
    return {.djh = gldjh->text(),
            .ckSn = comCk->currentIndex() >= 0 ? getComboCode(comCk, comCk->currentIndex()) : QString(),
            .date = datePd->date().toString(QStringLiteral("yyyy-MM-dd")),
            .note = tnote->text(),
            .op = aname->text()};
}

void TF_Kcpd_Add::FormActivate()
{
    m_loading = true;
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    NamedQuery* sheets = DataModule->Q_Kcpd;
    if (modeFlag == u"modi" && !sheets->isEmpty()) {
        datePd->setDate(QDate::fromString(sheets->fieldByName(QStringLiteral("rq")), QStringLiteral("yyyy-MM-dd")));
        gldjh->setText(sheets->fieldByName(QStringLiteral("gl_djh")));
        aname->setText(sheets->fieldByName(QStringLiteral("aname")));
        tnote->setText(sheets->fieldByName(QStringLiteral("dnote")));
        comCk->setCurrentIndex(comCk->findText(sheets->fieldByName(QStringLiteral("ckname"))));
    } else {
        datePd->setDate(Clock::today());
        gldjh->setText(newKcpdNumber());
        aname->setText(operatorName);
        comCk->setCurrentIndex(comCk->count() > 0 ? 0 : -1);
    }
    tkey->clear();
    PageControl1->setCurrentIndex(0);
    categoryTab->PageControl2->setCurrentIndex(0);
    categoryTab->reload();
    m_loading = false;
    openGoods();
    openCounted();
}

DataGrid* TF_Kcpd_Add::shownGoods() const
{
    return PageControl1->currentIndex() == 0 ? cxGrid1 : cxGrid3;
}

void TF_Kcpd_Add::openGoods()
{
    const KcpdSheet s = sheet();
    if (PageControl1->currentIndex() == 0) {
        openQuery(DataModule->Q_KcpdGoods, kcpdGoodsSql(s.djh, s.ckSn));
    } else {
        const QString category = categoryTab->currentCode();
        openQuery(DataModule->Q_KcpdGoods, kcpdGoodsSql(s.djh, s.ckSn, &category));
    }
    applyKey();
}

void TF_Kcpd_Add::applyKey()
{
    shownGoods()->setSearch(tkey->text(), {QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn"),
                                           QStringLiteral("gg_name")});
}

void TF_Kcpd_Add::openCounted()
{
    openQuery(DataModule->Q_KcpdLines, kcpdCountedSql(gldjh->text()));
    // A sheet with lines keeps its warehouse and date.
    const bool open = DataModule->Q_KcpdLines->isEmpty();
    comCk->setEnabled(open);
    datePd->setEnabled(open);
}

void TF_Kcpd_Add::btnOKClick()
{
    const DataGrid* grid = shownGoods();
    if (grid->rowCount() == 0 || grid->currentRow() < 0)
        return;
    const QString goods = grid->value(grid->currentRow(), QStringLiteral("g_sn"));
    if (findKcpdLine(gldjh->text(), goods) != 0) {
        if (!msgYesNo(QStringLiteral("\"%1\"在仓库\"%2\"中已经存在，是否要修改盘点数量?").arg(goods, comCk->currentText()), this))
            return;
        DataModule->Q_KcpdLines->locate(QStringLiteral("g_sn"), goods);
        btnModiClick();
        return;
    }
    curGoodsSn = goods;
    callerFlag = QStringLiteral("kcpd_add");
    showForm(F_Kcpd_Sele);
    curGoodsSn.clear();
    callerFlag.clear();
    openCounted();
    openGoods();
}

void TF_Kcpd_Add::btnModiClick()
{
    NamedQuery* lines = DataModule->Q_KcpdLines;
    if (lines->isEmpty())
        return;
    const int row = lines->currentRow();
    curGoodsSn = lines->fieldByName(QStringLiteral("g_sn"));
    callerFlag = QStringLiteral("kcpd_modi");
    showForm(F_Kcpd_Sele);
    curGoodsSn.clear();
    callerFlag.clear();
    openCounted();
    lines->setCurrentRow(row);
}

void TF_Kcpd_Add::btnDelClick()
{
    NamedQuery* lines = DataModule->Q_KcpdLines;
    if (lines->isEmpty() || !msgYesNo(QStringLiteral("您确定要删除当前选中的商品吗！"), this))
        return;
    deleteKcpdLine(lines->fieldByName(QStringLiteral("id")).toLongLong());
    openCounted();
    openGoods();
}

void TF_Kcpd_Add::FormClose()
{
    DataModule->Q_KcpdGoods->close();
    DataModule->Q_GClass->close();
    DataModule->Q_KcpdLines->close();
}
