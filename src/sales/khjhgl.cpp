#include "sales/khjhgl.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "purchasing/purchasequery.h"
#include "sales/khjhgl_cx.h"
#include "sales/khjhgl_hh.h"
#include "sales/khjhgl_jh.h"
#include "sales/khjhgl_xs.h"
#include "shell/commands.h"
#include "stock/stockdocs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Khjhgl* F_Khjhgl = nullptr;

namespace {

const QString kAllCustomers = QStringLiteral("全部客户");

// The conditions every list shares: borrowing lines of the period, the filters in force and,
// unless settled lines are shown, only lines still out.
QString commonSql(const KhjhglFilter& f)
{
    QString sql = QStringLiteral(" and a.jh_flag='j' and a.jh_rq>='%1' and a.jh_rq<='%2'").arg(sqlLit(f.d1), sqlLit(f.d2));
    if (!f.ckSn.isEmpty())
        sql += QStringLiteral(" and a.ck_sn='%1'").arg(sqlLit(f.ckSn));
    if (!f.uSn.isEmpty())
        sql += QStringLiteral(" and a.u_sn='%1'").arg(sqlLit(f.uSn));
    if (!f.showSettled)
        sql += QStringLiteral(" and a.jh_sl<>0");
    return sql;
}

QString typedKey(const QString& key)
{
    const QString k = key.trimmed();
    return k == kAllCustomers ? QString() : k;
}

QString customerSql(const KhjhglFilter& f)
{
    if (!f.khSn.isEmpty())
        return QStringLiteral(" and a.kh_sn='%1'").arg(sqlLit(f.khSn));
    const QString like = likeAnyOf({"c.kh_sn", "c.kh_jm", "c.kh_name"}, typedKey(f.key));
    return like.isEmpty() ? QString() : QStringLiteral(" and ") + like;
}

DataGrid* listGrid(const char* name, NamedQuery* query)
{
    auto* g = new DataGrid;
    g->setObjectName(QLatin1String(name));
    g->setQuery(query);
    return g;
}

const QString kMoney = QStringLiteral("￥,0.00");

// The columns of a list of borrowing lines (tab 1's upper list, the lower lists of tabs 2 and 3).
void lineColumns(DataGrid* g, bool customerFirst)
{
    if (customerFirst)
        g->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 100).footerCount(QStringLiteral("记录数："));
    g->addColumn(QStringLiteral("jh_rq"), customerFirst ? QStringLiteral("借出日期") : QStringLiteral("借货日期"), 80);
    g->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120);
    g->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    g->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 130);
    if (customerFirst)
        g->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    g->addColumn(QStringLiteral("kc_cbj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    g->addColumn(QStringLiteral("jh_sl"), customerFirst ? QStringLiteral("借出数量") : QStringLiteral("数量"), 70).footerSum();
    g->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    g->addColumn(QStringLiteral("ck_name"), QStringLiteral("出货仓库"), 80);
    g->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    g->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    g->addColumn(QStringLiteral("jh_note"), QStringLiteral("备注"), 120);
}

ReportListSpec linesReport()
{
    return {.title = QStringLiteral("客户借货统计"),
            .columns = {listColumn("单据号", "gl_djh", 30), listColumn("客户名称", "kh_name", 25),
                        listColumn("商品编号", "g_sn", 22), listColumn("借出时间", "jh_rq", 20),
                        listColumn("商品名称", "g_name", 30), listColumn("款型说明", "gg_name", 20),
                        listNumber("单价", "kc_cbj", 15, true, false), listNumber("借出数量", "jh_sl", 15, false),
                        listNumber("总金额", "zje", 20, true), listColumn("经办人", "u_name", 15),
                        listColumn("操作员", "a_name", 15), listColumn("备注", "jh_note", 25)},
            .headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]    打印时间：[DATE] [TIME]")},
            .summaryLines = {},
            .landscape = true};
}

}  // namespace

NamedQuery* lendingQuery(const char* name)
{
    const QString n = QLatin1String(name);
    if (auto* q = DataModule->findChild<NamedQuery*>(n, Qt::FindDirectChildrenOnly))
        return q;
    return new NamedQuery(n, QStringLiteral("select * from jxc_jhgl where 1>2"), NamedQuery::Source::Main, DataModule);
}

QString khjhglLinesSql(const KhjhglFilter& f, const QString& gSn)
{
    QString sql = QStringLiteral(
        "select distinct a.*,b.g_name,b.gg_name,b.dw_name,b.g_sj,b.g_jj,c.kh_name,d.ck_name,e.kc_cbj,"
        "a.jh_sl*e.kc_cbj as zje,f.u_name from jxc_jhgl a,jxc_goods b,jxc_khxx c,jxc_ckxx d,jxc_kcsp e,jxc_user f "
        "where a.g_sn=b.g_sn and a.kh_sn=c.kh_sn and a.ck_sn=d.ck_sn and e.g_sn=a.g_sn and e.ck_sn=a.ck_sn "
        "and a.u_sn=f.u_sn");
    sql += commonSql(f) + customerSql(f);
    if (!gSn.isEmpty())
        sql += QStringLiteral(" and a.g_sn='%1'").arg(sqlLit(gSn));
    return sql + QStringLiteral(" order by a.id desc");
}

QString khjhglBackSql(const QString& gSn)
{
    return QStringLiteral("select a.*,-a.jh_sl as sl,-a.jh_sl*a.jh_dj as zje,b.g_name,b.dw_name,c.u_name "
                          "from jxc_jhgl a,jxc_goods b,jxc_user c where a.g_sn=b.g_sn and a.u_sn=c.u_sn "
                          "and a.jh_flag='h' and a.g_sn='%1' order by a.id")
        .arg(sqlLit(gSn));
}

QString khjhglCustomersSql(const KhjhglFilter& f)
{
    return QStringLiteral("select c.kh_sn,c.kh_name,c.kh_lxr,c.kh_lwje,sum(a.jh_sl) as jhsl,sum(a.jh_sl*e.kc_cbj) as jhje "
                          "from jxc_jhgl a,jxc_kcsp e,jxc_khxx c where a.g_sn=e.g_sn and a.ck_sn=e.ck_sn "
                          "and a.kh_sn=c.kh_sn") +
           commonSql(f) + customerSql(f) +
           QStringLiteral(" group by c.kh_sn,c.kh_name,c.kh_lxr,c.kh_lwje order by c.kh_sn");
}

QString khjhglGoodsSql(const KhjhglFilter& f)
{
    QString sql = QStringLiteral("select b.g_sn,b.g_name,b.dw_name,b.gg_name,sum(a.jh_sl) as jhsl from jxc_jhgl a,"
                                 "jxc_kcsp e,jxc_goods b where a.g_sn=e.g_sn and a.ck_sn=e.ck_sn and a.g_sn=b.g_sn") +
                  commonSql(f);
    if (!f.khSn.isEmpty())
        sql += QStringLiteral(" and a.kh_sn='%1'").arg(sqlLit(f.khSn));
    const QString like = likeAnyOf({"b.g_sn", "b.g_name", "b.g_jm", "b.gg_name"}, f.key.trimmed());
    if (!like.isEmpty())
        sql += QStringLiteral(" and ") + like;
    return sql + QStringLiteral(" group by b.g_sn,b.g_name,b.dw_name,b.gg_name order by b.g_sn");
}

TF_Khjhgl::TF_Khjhgl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Khjhgl"));
    setWindowTitle(QStringLiteral("客户借货管理"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    NamedQuery* uppers[] = {lendingQuery("Q_Khjhgl1"), lendingQuery("Q_Khjhkh"), lendingQuery("Q_Khjhsp")};
    NamedQuery* lowers[] = {lendingQuery("Q_Khjhgl2"), lendingQuery("Q_Khjhkh1"), lendingQuery("Q_Khjhsp1")};
    const char* upperNames[] = {"DBGrid1", "DBGrid2", "DBGrid3"};
    const char* lowerNames[] = {"DBGrid1b", "DBGrid2b", "DBGrid3b"};
    const char* keyNames[] = {"tkh1", "tkh2", "tsp3"};
    const QString tabCaptions[] = {QStringLiteral("借货列表"), QStringLiteral("按客户显示"), QStringLiteral("按商品显示")};
    const QString keyCaptions[] = {QStringLiteral("客户名称："), QStringLiteral("客户名称："), QStringLiteral("商品名称或编号：")};
    const QString headingCaptions[] = {QStringLiteral("商品还货明细："), QStringLiteral("客户借货明细："),
                                       QStringLiteral("商品借明细：")};

    RzPanelKh = new PartnerPanel(lendingCustomerPanel(true));
    RzPanelKh->setObjectName(QStringLiteral("RzPanelKh"));
    RzPanelKh->hide();
    connect(RzPanelKh, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { customerChosen(code, name); }); });
    connect(RzPanelKh, &PartnerPanel::modifyRequested, this, [this] {
        runGuarded([this] {
            DataModule->Q_Khxx->locate(QStringLiteral("kh_sn"), RzPanelKh->currentCode());
            openWindow(QStringLiteral("TF_Khgl_Modi"), QString(), QStringLiteral("修改客户"));
            RzPanelKh->reload();
        });
    });

    for (int t = 0; t < 3; ++t) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("cxTab%1").arg(t + 1));
        periods[t] = makeQueryPeriod([this] { searchClick(); }, QString::number(t + 1));
        keys[t] = new QLineEdit;
        keys[t]->setObjectName(QLatin1String(keyNames[t]));
        keys[t]->setPlaceholderText(QStringLiteral("回车键开始查询"));
        installKeyFilter(keys[t]);
        connect(keys[t], &QLineEdit::returnPressed, this, [this] { runGuarded([this] { searchClick(); }); });
        auto* top = new QHBoxLayout;
        addQueryPeriod(top, QStringLiteral("查询时间："), periods[t]);
        top->addWidget(new QLabel(keyCaptions[t]));
        top->addWidget(keys[t], 1);
        if (t < 2) {
            auto* pick = namedButton(this, t == 0 ? "btnKh1" : "btnKh2", QStringLiteral("..."));
            onClicked(pick, [this, t] {
                allCustomers[t]->setChecked(false);
                RzPanelKh->show();
                RzPanelKh->raise();
            });
            allCustomers[t] = new QCheckBox(QStringLiteral("查询全部客户"));
            allCustomers[t]->setObjectName(t == 0 ? QStringLiteral("chkAll1") : QStringLiteral("chkAll2"));
            connect(allCustomers[t], &QCheckBox::clicked, this, [this] { runGuarded([this] { allCustomersClick(); }); });
            top->addWidget(pick);
            top->addWidget(allCustomers[t]);
        }
        if (t == 0)
            connect(keys[0], &QLineEdit::textEdited, this, [this](const QString& text) { RzPanelKh->showFiltered(text); });
        upper[t] = listGrid(upperNames[t], uppers[t]);
        lower[t] = listGrid(lowerNames[t], lowers[t]);
        headings[t] = new QLabel(headingCaptions[t]);
        headings[t]->setObjectName(QStringLiteral("lbHeading%1").arg(t + 1));
        auto* detail = namedButton(this, t == 0 ? "btnDetail1" : t == 1 ? "btnDetail2" : "btnDetail3",
                                   QStringLiteral("查看详细数量"));
        detail->setFlat(true);
        onClicked(detail, [this] { detailClick(); });
        auto* headingRow = new QHBoxLayout;
        headingRow->addWidget(headings[t], 1);
        headingRow->addWidget(detail);
        auto* layout = new QVBoxLayout(page);
        layout->addLayout(top);
        layout->addWidget(upper[t], 3);
        layout->addLayout(headingRow);
        layout->addWidget(lower[t], 2);
        PageControl1->addTab(page, tabCaptions[t]);
    }

    lineColumns(upper[0], true);
    lower[0]->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120).footerCount(QStringLiteral("记录数："));
    lower[0]->addColumn(QStringLiteral("jh_rq"), QStringLiteral("还货日期"), 80);
    lower[0]->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    lower[0]->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 130);
    lower[0]->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    lower[0]->addColumn(QStringLiteral("jh_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    lower[0]->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 70).footerSum();
    lower[0]->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    lower[0]->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    lower[0]->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    lower[0]->addColumn(QStringLiteral("jh_note"), QStringLiteral("备注"), 120);

    upper[1]->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 140).footerCount(QStringLiteral("记录数："));
    upper[1]->addColumn(QStringLiteral("kh_lxr"), QStringLiteral("联系人"), 80);
    upper[1]->addColumn(QStringLiteral("jhsl"), QStringLiteral("借货数量"), 80).footerSum();
    upper[1]->addColumn(QStringLiteral("jhje"), QStringLiteral("借货金额"), 100).setFormat(kMoney).footerSum(QString(), kMoney);
    upper[1]->addColumn(QStringLiteral("kh_lwje"), QStringLiteral("往来金额"), 100).setFormat(kMoney);
    lineColumns(lower[1], false);

    upper[2]->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerCount(QStringLiteral("记录数："));
    upper[2]->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 160);
    upper[2]->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    upper[2]->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 100);
    upper[2]->addColumn(QStringLiteral("jhsl"), QStringLiteral("借货数量"), 80).footerSum();
    lower[2]->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 100).footerCount(QStringLiteral("记录数："));
    lineColumns(lower[2], false);

    connect(upper[0], &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { fillBackList(); }); });
    connect(upper[0], &DataGrid::rowDoubleClicked, this, [this] {
        runGuarded([this] {
            NamedQuery* q = lendingQuery("Q_Khjhgl1");
            if (!q->isEmpty())
                showLineDetail(QStringLiteral("jh"), q->fieldByName(QStringLiteral("g_sn")), q->fieldByName(QStringLiteral("tid")));
        });
    });
    for (int t : {1, 2})
        connect(upper[t], &DataGrid::currentRowChanged, this, [this, t] { runGuarded([this, t] { fillLower(t); }); });

    auto* btnJh = namedButton(this, "btnJh", QStringLiteral("客户借货"));
    btnHh = namedButton(this, "btnHh", QStringLiteral("客户还货"));
    btnXs = namedButton(this, "btnXs", QStringLiteral("借转销售"));
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnPrint = new QToolButton;
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnPrint->setText(QStringLiteral("打印"));
    btnPrint->setPopupMode(QToolButton::InstantPopup);
    auto* printMenu = new QMenu(this);
    QAction* printUpper = addMenuItem(printMenu, QString(), "actPrintUpper", this, [this] { printList(0); });
    QAction* printLower = addMenuItem(printMenu, QString(), "actPrintLower", this, [this] { printList(1); });
    connect(printMenu, &QMenu::aboutToShow, this, [=, this] {
        const int t = PageControl1->currentIndex();
        printUpper->setText(t == 1 ? QStringLiteral("客户借货列表(&Y)") : t == 2 ? QStringLiteral("商品借货列表(&Y)") : QStringLiteral("打印(&Y)"));
        printLower->setText(t == 1 ? QStringLiteral("客户借货明细(&Z)") : QStringLiteral("商品借货明细(&Z)"));
        printLower->setVisible(t != 0);
    });
    btnPrint->setMenu(printMenu);
    auto* btnCx = namedButton(this, "btnCx", QStringLiteral("高级查询"));
    auto* btnSearch = namedButton(this, "btnSearch", QStringLiteral("查询(F2)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    onClicked(btnJh, [this] { loanClick(); });
    onClicked(btnHh, [this] { giveBackClick(); });
    onClicked(btnXs, [this] { saleClick(); });
    onClicked(btnView, [this] { viewClick(); });
    onClicked(btnCx, [this] { filterClick(); });
    onClicked(btnSearch, [this] { searchClick(); });
    onClicked(btnExit, [this] { close(); });
    auto* rowMenu = new QMenu(this);
    addMenuItem(rowMenu, QStringLiteral("还货(&Y)"), "actHh", this, [this] { giveBackClick(); });
    addMenuItem(rowMenu, QStringLiteral("销售(&Z)"), "actXs", this, [this] { saleClick(); });
    attachGridMenu(upper[0], rowMenu);

    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnJh, btnHh, btnXs, btnView, btnPrint, btnCx, btnSearch})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(RzPanelKh);
    layout->addWidget(PageControl1, 1);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int t) { runGuarded([this, t] { tabChanged(t); }); });
    resize(1000, 640);
}

KhjhglFilter TF_Khjhgl::filterOf(int tab) const
{
    return {.d1 = periods[tab].d1(),
            .d2 = periods[tab].d2(),
            .key = keys[tab]->text(),
            .khSn = curKhSn,
            .ckSn = ckFilter,
            .uSn = uFilter,
            .showSettled = showSettled};
}

void TF_Khjhgl::FormActivate()
{
    m_initialising = true;
    PageControl1->setCurrentIndex(0);
    headings[0]->setText(QStringLiteral("商品还货明细："));
    periods[0].fromThisMonth();
    keys[0]->clear();
    RzPanelKh->hide();
    RzPanelKh->reload();
    ckFilter.clear();
    uFilter.clear();
    curKhSn.clear();
    showSettled = false;
    m_initialising = false;
    searchClick();
}

void TF_Khjhgl::tabChanged(int tab)
{
    RzPanelKh->hide();
    btnHh->setEnabled(tab == 0);
    btnXs->setEnabled(tab == 0);
    if (m_initialising || tab == 0)
        return;
    periods[tab].fromThisMonth();
    keys[tab]->clear();
    ckFilter.clear();
    uFilter.clear();
    curKhSn.clear();
    showSettled = false;
    searchClick();
}

void TF_Khjhgl::searchClick()
{
    const int tab = PageControl1->currentIndex();
    const KhjhglFilter f = filterOf(tab);
    if (tab == 0) {
        openQuery(lendingQuery("Q_Khjhgl1"), khjhglLinesSql(f));
        fillBackList();
        // A search of the line list uses the dialog's warehouse and handler once.
        ckFilter.clear();
        uFilter.clear();
    } else if (tab == 1) {
        openQuery(lendingQuery("Q_Khjhkh"), khjhglCustomersSql(f));
        fillLower(1);
    } else {
        openQuery(lendingQuery("Q_Khjhsp"), khjhglGoodsSql(f));
        fillLower(2);
    }
}

void TF_Khjhgl::fillBackList()
{
    NamedQuery* q = lendingQuery("Q_Khjhgl1");
    if (q->isEmpty()) {
        lendingQuery("Q_Khjhgl2")->close();
        headings[0]->setText(QStringLiteral("商品还货明细："));
        return;
    }
    headings[0]->setText(QStringLiteral("商品还货明细：") + q->fieldByName(QStringLiteral("kh_name")) + QStringLiteral("  ") +
                         q->fieldByName(QStringLiteral("g_name")));
    openQuery(lendingQuery("Q_Khjhgl2"), khjhglBackSql(q->fieldByName(QStringLiteral("g_sn"))));
}

void TF_Khjhgl::fillLower(int tab)
{
    NamedQuery* q = tab == 1 ? lendingQuery("Q_Khjhkh") : lendingQuery("Q_Khjhsp");
    NamedQuery* target = tab == 1 ? lendingQuery("Q_Khjhkh1") : lendingQuery("Q_Khjhsp1");
    if (q->isEmpty()) {
        target->close();
        headings[tab]->setText(tab == 1 ? QStringLiteral("客户借货明细：") : QStringLiteral("商品借明细："));
        return;
    }
    KhjhglFilter f = filterOf(tab);
    f.key.clear();
    if (tab == 1) {
        f.khSn = q->fieldByName(QStringLiteral("kh_sn"));
        headings[1]->setText(QStringLiteral("客户借货明细：") + q->fieldByName(QStringLiteral("kh_name")));
        openQuery(target, khjhglLinesSql(f));
    } else {
        headings[2]->setText(QStringLiteral("商品借明细：") + q->fieldByName(QStringLiteral("g_name")));
        openQuery(target, khjhglLinesSql(f, q->fieldByName(QStringLiteral("g_sn"))));
    }
}

void TF_Khjhgl::customerChosen(const QString& code, const QString& name)
{
    const int tab = PageControl1->currentIndex();
    curKhSn = code;
    if (tab < 2)
        keys[tab]->setText(name);
    searchClick();
}

void TF_Khjhgl::allCustomersClick()
{
    const int tab = PageControl1->currentIndex();
    if (tab > 1)
        return;
    keys[tab]->setText(kAllCustomers);
    curKhSn.clear();
    RzPanelKh->hide();
    searchClick();
}

void TF_Khjhgl::loanClick()
{
    openWindow(QStringLiteral("TF_Khjhgl_Jh"), QString(), QStringLiteral("新增借货"));
    lendingQuery("Q_Khjhgl1")->refresh();
    fillBackList();
    openKhList();
    RzPanelKh->reload();
}

void TF_Khjhgl::giveBackClick()
{
    NamedQuery* q = lendingQuery("Q_Khjhgl1");
    if (PageControl1->currentIndex() != 0 || q->isEmpty())
        return;
    curKhSn = q->fieldByName(QStringLiteral("kh_sn"));
    openWindow(QStringLiteral("TF_Khjhgl_Hh"), QString(), QStringLiteral("新增还货"));
    searchClick();
}

void TF_Khjhgl::saleClick()
{
    NamedQuery* q = lendingQuery("Q_Khjhgl1");
    if (PageControl1->currentIndex() != 0 || q->isEmpty())
        return;
    curKhSn = q->fieldByName(QStringLiteral("kh_sn"));
    openWindow(QStringLiteral("TF_Khjhgl_Xs"), QString(), QStringLiteral("新增借货转销售"));
    q->refresh();
    fillBackList();
}

void TF_Khjhgl::viewClick()
{
    const int tab = PageControl1->currentIndex();
    NamedQuery* q = tab == 0 ? lendingQuery("Q_Khjhgl1") : tab == 1 ? lendingQuery("Q_Khjhkh1") : lendingQuery("Q_Khjhsp1");
    if (q->isEmpty())
        return;
    const QString djh = q->fieldByName(QStringLiteral("gl_djh"));
    const ResultSet head = openSelect(
        QStringLiteral("select a.kh_sn,c.kh_name,d.ck_name,a.jh_rq,a.jh_note,f.u_name from jxc_jhgl a "
                       "left join jxc_khxx c on c.kh_sn=a.kh_sn left join jxc_ckxx d on d.ck_sn=a.ck_sn "
                       "left join jxc_user f on f.u_sn=a.u_sn where a.gl_djh=? order by a.id limit 1"),
        {{QString(), djh}});
    if (head.isEmpty())
        return;
    printGoodsDetail(khjhPrint(djh, head.text(0, 0), head.text(0, 1), head.text(0, 2), head.text(0, 3), head.text(0, 4),
                               head.text(0, 5)),
                     this);
}

void TF_Khjhgl::detailClick()
{
    const int tab = PageControl1->currentIndex();
    NamedQuery* q = lower[tab]->query();
    if (q->isEmpty())
        return;
    showLineDetail(q->fieldByName(QStringLiteral("gl_djh")), q->fieldByName(QStringLiteral("g_sn")),
                   q->fieldByName(QStringLiteral("tid")));
}

void TF_Khjhgl::printList(int which)
{
    const int tab = PageControl1->currentIndex();
    DataGrid* grid = which == 0 ? upper[tab] : lower[tab];
    if (grid->query()->isEmpty())
        return;
    ReportListSpec spec = linesReport();
    if (which == 0 && tab == 1) {
        spec.title = QStringLiteral("借货客户统计");
        spec.columns = {listColumn("客户名称", "kh_name", 50), listColumn("联系人", "kh_lxr", 30),
                        listNumber("借出数量", "jhsl", 25, false), listNumber("总金额", "jhje", 30, true),
                        listNumber("往来金额", "kh_lwje", 30, true, false)};
        spec.landscape = false;
    } else if (which == 0 && tab == 2) {
        spec.title = QStringLiteral("借货商品统计");
        spec.columns = {listColumn("商品编号", "g_sn", 35), listColumn("商品名称", "g_name", 50),
                        listColumn("单位", "dw_name", 15), listColumn("规格序号", "gg_name", 35),
                        listNumber("借货数量", "jhsl", 25, false)};
        spec.summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")};
        spec.landscape = false;
    }
    previewQueryList(spec, grid, periods[tab], this);
}

void TF_Khjhgl::filterClick()
{
    choiceParam.clear();
    openWindow(QStringLiteral("TF_Khjhgl_Cx"), QString(), QStringLiteral("借货高级查询"));
    if (choiceParam != QLatin1String("1"))
        return;
    choiceParam.clear();
    TF_Khjhgl_Cx* cx = F_Khjhgl_Cx;
    showSettled = cx->chkSettled->isChecked();
    ckFilter = filterCode(cx->comCk);
    uFilter = filterCode(cx->comUser);
    const int tab = PageControl1->currentIndex();
    periods[tab].set(dateText(cx->date1->date()), dateText(cx->date2->date()));
    if (tab < 2)
        keys[tab]->setText(cx->tkh->text());
    searchClick();
}

bool TF_Khjhgl::FormKeyDown(QKeyEvent* event)
{
    if (RzPanelKh->isVisible() && RzPanelKh->keyPress(event))
        return true;
    if (event->key() == Qt::Key_F2) {
        searchClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Khjhgl::FormClose()
{
    for (NamedQuery* q : {lendingQuery("Q_Khjhgl1"), lendingQuery("Q_Khjhgl2"), lendingQuery("Q_Khjhkh"), lendingQuery("Q_Khjhkh1"),
                          lendingQuery("Q_Khjhsp"), lendingQuery("Q_Khjhsp1"), DataModule->Q_GoodsPrin})
        q->close();
}
