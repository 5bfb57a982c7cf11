#include "stock/kccx_add.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "stock/addjth.h"
#include "stock/stocksql.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Kccx_Add* F_Kccx_Add = nullptr;

namespace {

// The head of the goods and supplier searches: sold quantity over the warehouse-stock rows.
const char* const kSoldHead = "select b.g_sn,a.xssl,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_kc,c.gc_name "
                              "from (select g_sn,sum(kc_xssl) as xssl from jxc_kcsp group by g_sn) a,";

}  // namespace

QString referenceBySalesSql(const QDate& from, const QDate& to, const QString& gcSn, qint64 soldOver, qint64 stockUnder)
{
    // Sales of the till carry a time: the last day ends at 23:59:59.
    const QString d1 = sqlText(from.toString(QStringLiteral("yyyy-MM-dd")));
    const QString d2 = sqlText(to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59"));
    return QStringLiteral("select *,sl2-thsl2 as xssl from (select a.*,coalesce(b.sl,0) as sl2,coalesce(c.thsl,0) as thsl2 "
                          "from (select x.g_sn,x.g_name,x.dw_name,x.gg_name,x.color_name,x.g_kc,y.gc_name,x.gc_sn "
                          "from jxc_goods x,jxc_goodsclass y where x.gc_sn=y.gc_sn and x.g_jy=0 and x.g_sn<>'00000000' "
                          "and y.gc_sn like %1) a "
                          "left outer join (select x.g_sn,sum(ls_sl) as sl from jxc_lsxssp x,jxc_lsxsd y where "
                          "x.gl_djh=y.gl_djh and y.ls_xsrq>=%2 and y.ls_xsrq<=%3 group by x.g_sn) b on a.g_sn=b.g_sn "
                          "left outer join (select w.g_sn,sum(th_sl) as thsl from jxc_xsthsp w,jxc_xsthd z where "
                          "w.gl_djh=z.gl_djh and z.th_xsrq>=%2 and z.th_xsrq<=%3 group by w.g_sn) c on a.g_sn=c.g_sn) "
                          "where sl2-thsl2<>0 and (sl2-thsl2>%4 or g_kc<%5) order by g_sn")
        .arg(prefixText(gcSn), d1, d2, sqlNum(soldOver), sqlNum(stockUnder));
}

QString referenceByGoodsSql(const QString& text, bool alarmOnly)
{
    const QString key = containsText(alarmOnly ? QString() : text);
    return QLatin1String(kSoldHead) +
           QStringLiteral("jxc_goods b,jxc_goodsclass c where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and b.g_jy=0 and "
                          "a.g_sn<>'00000000' and (b.g_sn like %1 or b.g_name like %1 or b.g_jm like %1) %2 order by b.g_sn")
               .arg(key, alarmOnly ? QStringLiteral(" and b.g_kc<b.g_zdkc ") : QString());
}

QString referenceBySupplierSql(const QString& text)
{
    return QLatin1String(kSoldHead) +
           QStringLiteral("jxc_goods b,jxc_goodsclass c,jxc_ghsxx d where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and "
                          "b.ghs_sn=d.ghs_sn and b.g_jy=0 and a.g_sn<>'00000000' and (d.ghs_sn like %1 or "
                          "d.ghs_name like %1 or d.ghs_jm like %1) order by b.g_sn")
               .arg(containsText(text));
}

TF_Kccx_Add::TF_Kccx_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccx_Add"));
    setWindowTitle(QStringLiteral("添加参考进货商品"));
    setEscCloses(true);
    resize(900, 600);

    auto radio = [this](const char* name, const QString& text) {
        auto* r = new QRadioButton(text, this);
        r->setObjectName(QString::fromLatin1(name));
        return r;
    };
    rbCond = radio("rbCond", QStringLiteral("按条件查询"));
    rbGoods = radio("rbGoods", QStringLiteral("按商品查询"));
    rbGhs = radio("rbGhs", QStringLiteral("按供货商查询"));
    auto* group = new QButtonGroup(this);
    group->addButton(rbCond, 0);
    group->addButton(rbGoods, 1);
    group->addButton(rbGhs, 2);
    panels = new QStackedWidget(this);

    // By condition
    auto* p1 = new QWidget(panels);
    date1 = new QDateEdit(p1);
    date1->setObjectName(QStringLiteral("date1"));
    date2 = new QDateEdit(p1);
    date2->setObjectName(QStringLiteral("date2"));
    for (QDateEdit* d : {date1, date2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    btnDates = new QToolButton(p1);
    btnDates->setObjectName(QStringLiteral("btnDates"));
    btnDates->setPopupMode(QToolButton::InstantPopup);
    tsplb = new QLineEdit(p1);
    tsplb->setObjectName(QStringLiteral("tsplb"));
    tsplb->setReadOnly(true);
    tsplb->installEventFilter(this);
    tXssl = new QSpinBox(p1);
    tXssl->setObjectName(QStringLiteral("tXssl"));
    tKcsl = new QSpinBox(p1);
    tKcsl->setObjectName(QStringLiteral("tKcsl"));
    for (QSpinBox* s : {tXssl, tKcsl})
        s->setRange(-9999999, 9999999);
    btnQuery1 = namedButton(p1, "btnQuery1", QStringLiteral("查询"));
    btnAdd1 = namedButton(p1, "btnAdd1", QStringLiteral("添加到进货参考(F2)"));
    auto* p1Row1 = new QHBoxLayout;
    p1Row1->addWidget(new QLabel(QStringLiteral("起始日期从"), p1));
    p1Row1->addWidget(date1);
    p1Row1->addWidget(new QLabel(QStringLiteral("至"), p1));
    p1Row1->addWidget(date2);
    p1Row1->addWidget(btnDates);
    p1Row1->addWidget(new QLabel(QStringLiteral("商品类别"), p1));
    p1Row1->addWidget(tsplb);
    auto* p1Row2 = new QHBoxLayout;
    p1Row2->addWidget(new QLabel(QStringLiteral("查询条件：销售量大于"), p1));
    p1Row2->addWidget(tXssl);
    p1Row2->addWidget(new QLabel(QStringLiteral("或库存小于"), p1));
    p1Row2->addWidget(tKcsl);
    p1Row2->addWidget(btnQuery1);
    p1Row2->addWidget(btnAdd1);
    auto* p1Col = new QVBoxLayout(p1);
    p1Col->addLayout(p1Row1);
    p1Col->addLayout(p1Row2);
    panels->addWidget(p1);

    // By goods
    auto* p2 = new QWidget(panels);
    tkey = nameBox(p2, "tkey", 64);
    chkAlarm = new QCheckBox(QStringLiteral("只显示库存报警商品"), p2);
    chkAlarm->setObjectName(QStringLiteral("chkAlarm"));
    btnQuery2 = namedButton(p2, "btnQuery2", QStringLiteral("查询"));
    btnAdd2 = namedButton(p2, "btnAdd2", QStringLiteral("添加到进货参考(F2)"));
    auto* p2Row = new QHBoxLayout(p2);
    p2Row->addWidget(new QLabel(QStringLiteral("输入商品编号或名称："), p2));
    p2Row->addWidget(tkey, 1);
    p2Row->addWidget(chkAlarm);
    p2Row->addWidget(btnQuery2);
    p2Row->addWidget(btnAdd2);
    panels->addWidget(p2);

    // By supplier
    auto* p3 = new QWidget(panels);
    tGhs = nameBox(p3, "tGhs", 64);
    tGhs->installEventFilter(this);
    btnQuery3 = namedButton(p3, "btnQuery3", QStringLiteral("查询"));
    btnAdd3 = namedButton(p3, "btnAdd3", QStringLiteral("添加到进货参考(F2)"));
    auto* p3Row = new QHBoxLayout(p3);
    p3Row->addWidget(new QLabel(QStringLiteral("输入供货商名称或简码："), p3));
    p3Row->addWidget(tGhs, 1);
    p3Row->addWidget(btnQuery3);
    p3Row->addWidget(btnAdd3);
    panels->addWidget(p3);

    PartnerPanel::Config config;
    config.codeField = QStringLiteral("ghs_sn");
    config.nameField = QStringLiteral("ghs_name");
    config.columns = {{QStringLiteral("ghs_sn"), QStringLiteral("编号")},
                      {QStringLiteral("ghs_name"), QStringLiteral("供货商名称")},
                      {QStringLiteral("ghs_lxr"), QStringLiteral("联系人")},
                      {QStringLiteral("ghs_tele"), QStringLiteral("联系电话")},
                      {QStringLiteral("ghs_address"), QStringLiteral("联系地址")}};
    config.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm")};
    config.all = DataModule ? DataModule->Q_Ghsxx : nullptr;
    config.allSql = QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0  order by id");
    config.allCaption = QStringLiteral("全部供货商信息");
    config.canModify = false;
    panelGhs = new PartnerPanel(config, this);
    panelGhs->setObjectName(QStringLiteral("panelGhs"));
    panelGhs->hide();

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("记录总数："));
    cxGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid1->addColumn(QStringLiteral("gc_name"), QStringLiteral("所属类别"));
    cxGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid1->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"));
    cxGrid1->addColumn(QStringLiteral("g_kc"), QStringLiteral("库存数量"));
    cxGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色")).setHidden();
    cxGrid1->setQuery(DataModule ? DataModule->Q_Ckjth2 : nullptr);

    // Category panel
    PanelClass = new QFrame(this);
    PanelClass->setObjectName(QStringLiteral("PanelClass"));
    PanelClass->setFrameShape(QFrame::Box);
    PanelClass->setAutoFillBackground(true);
    TreeView1 = new CategoryTree(PanelClass);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setQuery(DataModule ? DataModule->Q_GClass6 : nullptr);
    btnClassOk = namedButton(PanelClass, "btnClassOk", QStringLiteral("确定"));
    btnClassExit = namedButton(PanelClass, "btnClassExit", QStringLiteral("退出"));
    auto* panelCol = new QVBoxLayout(PanelClass);
    panelCol->addWidget(TreeView1, 1);
    panelCol->addLayout(buttonRow({btnClassOk, btnClassExit}));
    PanelClass->setGeometry(420, 40, 260, 340);
    PanelClass->hide();

    auto* modes = new QHBoxLayout;
    for (QRadioButton* r : {rbCond, rbGoods, rbGhs})
        modes->addWidget(r);
    modes->addStretch(1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(modes);
    main->addWidget(panels);
    main->addWidget(panelGhs);
    main->addWidget(cxGrid1, 1);

    connect(group, &QButtonGroup::idClicked, this, [this](int id) { runGuarded([this, id] { chooseMode(id); }); });
    onClicked(btnQuery1, [this] { search1(); });
    onClicked(btnQuery2, [this] { search2(); });
    onClicked(btnQuery3, [this] { panelGhs->showFiltered(tGhs->text()); });
    connect(chkAlarm, &QCheckBox::toggled, this, [this] {
        if (!m_loading)
            runGuarded([this] { search2(); });
    });
    for (QPushButton* b : {btnAdd1, btnAdd2, btnAdd3})
        onClicked(b, [this] { btnAddClick(); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnAddClick(); }); });
    addDatePresetMenu(btnDates, date1, date2, [this] { runGuarded([this] { search1(); }); });
    onClicked(btnClassOk, [this] {
        if (TreeView1->currentId() < 0)
            return;
        tsplb->setText(TreeView1->currentName());
        PanelClass->hide();
        search1();
    });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, btnClassOk, &QPushButton::click);
    onClicked(btnClassExit, [this] { PanelClass->hide(); });
    connect(panelGhs, &PartnerPanel::chosen, this, [this](const QString&, const QString& name) {
        runGuarded([this, name] {
            tGhs->setText(name);
            panelGhs->hide();
            search3();
        });
    });
}

bool TF_Kccx_Add::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tsplb && event->type() == QEvent::MouseButtonPress) {
        PanelClass->raise();
        PanelClass->show();
    } else if (watched == tGhs && event->type() == QEvent::KeyRelease) {
        panelGhs->showFiltered(tGhs->text());
    }
    return TF_Form::eventFilter(watched, event);
}

void TF_Kccx_Add::FormActivate()
{
    m_word = callerFlag == u"tadd" ? QStringLiteral("tadd") : QStringLiteral("jadd");
    const bool purchase = m_word == u"jadd";
    setWindowTitle(purchase ? QStringLiteral("添加参考进货商品") : QStringLiteral("添加参考退货商品"));
    for (QPushButton* b : {btnAdd1, btnAdd2, btnAdd3})
        b->setText(purchase ? QStringLiteral("添加到进货参考(F2)") : QStringLiteral("添加到退货参考(F2)"));
    m_loading = true;
    openQuery(DataModule->Q_GClass6, DataModule->Q_GClass6->designSql());
    if (QTreeWidgetItem* root = TreeView1->topLevelItem(0))
        TreeView1->selectById(TreeView1->idOf(root));
    panelGhs->reload();
    panelGhs->hide();
    PanelClass->hide();
    tsplb->clear();
    curGhsSn.clear();
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    tXssl->setValue(0);
    tKcsl->setValue(0);
    chkAlarm->setChecked(false);
    m_loading = false;
    rbCond->setChecked(true);
    chooseMode(0);
}

void TF_Kccx_Add::FormClose()
{
    DataModule->Q_GClass6->close();
    DataModule->Q_Ckjth2->close();
    DataModule->Q_Ghsxx->close();
}

void TF_Kccx_Add::chooseMode(int mode)
{
    panels->setCurrentIndex(mode);
    panelGhs->hide();
    PanelClass->hide();
    if (mode == 0)
        search1();
    else if (mode == 1)
        search2();
    else
        search3();
}

void TF_Kccx_Add::search1()
{
    openQuery(DataModule->Q_Ckjth2, referenceBySalesSql(date1->date(), date2->date(), TreeView1->currentCode(),
                                                         tXssl->value(), tKcsl->value()));
}

void TF_Kccx_Add::search2()
{
    if (chkAlarm->isChecked())
        tkey->clear();
    openQuery(DataModule->Q_Ckjth2, referenceByGoodsSql(tkey->text(), chkAlarm->isChecked()));
}

void TF_Kccx_Add::search3()
{
    openQuery(DataModule->Q_Ckjth2, referenceBySupplierSql(tGhs->text()));
}

void TF_Kccx_Add::btnAddClick()
{
    if (cxGrid1->rowCount() == 0 || cxGrid1->currentRow() < 0)
        return;
    addJth(cxGrid1->value(cxGrid1->currentRow(), QStringLiteral("g_sn")), m_word,
           QStringLiteral("参考进货中已存在该商品，是否修改数量？"), this);
}
