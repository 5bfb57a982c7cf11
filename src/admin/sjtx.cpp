#include "admin/sjtx.h"

#include "admin/djcx_print.h"
#include "admin/sjtxgl_add.h"
#include "admin/sjtxgl_modi.h"
#include "admin/sjtxgl_modi1.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "platform/codecombo.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Sjtx* F_Sjtx = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");

QString dayText(const QDateEdit* d)
{
    return d->date().toString(QStringLiteral("yyyy-MM-dd"));
}

QDateEdit* dateBox(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

QLineEdit* keyBox(QWidget* parent, const char* name, const QString& hint)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setPlaceholderText(hint);
    installKeyFilter(e);
    return e;
}

// Right-click items of a grid: (text, handler) pairs.
void gridMenu(QObject* owner, DataGrid* grid, const QList<QPair<QString, std::function<void()>>>& items)
{
    QTableView* view = grid->view();
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto& [text, handler] : items) {
        auto* a = new QAction(text, view);
        QObject::connect(a, &QAction::triggered, owner, [handler] { runGuarded(handler); });
        view->addAction(a);
    }
}

QString countText(int rows)
{
    return QString::number(rows) + QStringLiteral(" 条");
}

}  // namespace

TF_Sjtx::TF_Sjtx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Sjtx"));
    setWindowTitle(QStringLiteral("今日事件提醒"));
    resize(900, 560);
    cxPageControl = new QTabWidget(this);
    cxPageControl->setObjectName(QStringLiteral("cxPageControl"));
    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };

    // ---- Tab 1 ----
    auto* tab1 = new QWidget;
    dtp1 = dateBox(tab1, "dtp1");
    dtp2 = dateBox(tab1, "dtp2");
    btnDate1 = new QToolButton(tab1);
    btnDate1->setObjectName(QStringLiteral("btnDate1"));
    tKhName = keyBox(tab1, "tKhName", QStringLiteral("回车键开始查询"));
    tKhName->setReadOnly(true);
    btnKh = button("btnKh", QStringLiteral("..."));
    btnQuery1 = button("btnQuery1", QStringLiteral("查询(F2)"));
    btnView = button("btnView", QStringLiteral("查看单据"));
    QPushButton* btnExit1 = button("btnExit1", QStringLiteral("退出"));
    btnPrint1 = button("btnPrint1", QStringLiteral("打印"));
    btnExport1 = button("btnExport1", QStringLiteral("导出"));
    btnModi1 = button("btnModi1", QStringLiteral("修改"));
    DBGrid1 = new DataGrid(tab1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Sjtx1);
    DBGrid1->addColumn(QStringLiteral("id")).setHidden();
    DBGrid1->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 120).footerCount(QStringLiteral("单据合计："));
    DBGrid1->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110);
    DBGrid1->addColumn(QStringLiteral("ls_xsrq"), QStringLiteral("开单日期"), 90);
    DBGrid1->addColumn(QStringLiteral("yfje"), QStringLiteral("应收金额"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    DBGrid1->addColumn(QStringLiteral("ls_sfje"), QStringLiteral("实收金额"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    DBGrid1->addColumn(QStringLiteral("ls_yhje"), QStringLiteral("优惠金额"), 80).setFormat(kMoney).footerSum(QString(), kMoney);
    DBGrid1->addColumn(QStringLiteral("wfje"), QStringLiteral("欠款金额"), 80)
        .setFormat(kMoney)
        .footerSum(QString(), kMoney)
        .footerRed();
    DBGrid1->setCellStyle([](int, const QString& field, CellStyle& style) {
        if (field == QLatin1String("wfje"))
            style.text = Qt::red;
    });
    DBGrid1->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    DBGrid1->addColumn(QStringLiteral("ls_ckrq"), QStringLiteral("提醒日期"), 90);
    DBGrid1->addColumn(QStringLiteral("ls_note"), QStringLiteral("备注"), 120);

    // The customer panel.
    RzPanel_Kh = new QWidget(tab1);
    RzPanel_Kh->setObjectName(QStringLiteral("RzPanel_Kh"));
    DBGridKh = new DataGrid(RzPanel_Kh);
    DBGridKh->setObjectName(QStringLiteral("DBGridKh"));
    DBGridKh->setQuery(DataModule->Q_Khxx);
    DBGridKh->addColumn(QStringLiteral("kh_sn"), QStringLiteral("编号"), 70);
    DBGridKh->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 140);
    DBGridKh->addColumn(QStringLiteral("kh_lxr"), QStringLiteral("联系人"), 70);
    DBGridKh->addColumn(QStringLiteral("kh_tele"), QStringLiteral("联系电话"), 90);
    DBGridKh->addColumn(QStringLiteral("kh_address"), QStringLiteral("联系地址"), 140);
    btnKhOK = namedButton(RzPanel_Kh, "btnKhOK", QStringLiteral("确定(F5)"));
    btnKhExit = namedButton(RzPanel_Kh, "btnKhExit", QStringLiteral("退出(Esc)"));
    chkAllKh = new QCheckBox(QStringLiteral("查询全部客户"), RzPanel_Kh);
    chkAllKh->setObjectName(QStringLiteral("chkAllKh"));
    auto* khLayout = new QVBoxLayout(RzPanel_Kh);
    khLayout->addWidget(DBGridKh);
    auto* khButtons = new QHBoxLayout;
    khButtons->addWidget(chkAllKh);
    khButtons->addStretch();
    khButtons->addWidget(btnKhOK);
    khButtons->addWidget(btnKhExit);
    khLayout->addLayout(khButtons);
    RzPanel_Kh->hide();

    auto* t1 = new QVBoxLayout(tab1);
    auto* t1bar = new QHBoxLayout;
    for (QPushButton* b : {btnView, btnExit1, btnPrint1, btnExport1, btnModi1})
        t1bar->addWidget(b);
    t1bar->addStretch();
    auto* t1search = new QHBoxLayout;
    t1search->addWidget(new QLabel(QStringLiteral("提醒时间："), tab1));
    t1search->addWidget(dtp1);
    t1search->addWidget(new QLabel(QStringLiteral("至"), tab1));
    t1search->addWidget(dtp2);
    t1search->addWidget(btnDate1);
    t1search->addWidget(new QLabel(QStringLiteral("客户名称："), tab1));
    t1search->addWidget(tKhName);
    t1search->addWidget(btnKh);
    t1search->addWidget(btnQuery1);
    t1search->addStretch();
    t1->addLayout(t1bar);
    t1->addLayout(t1search);
    t1->addWidget(RzPanel_Kh);
    t1->addWidget(DBGrid1, 1);
    cxPageControl->addTab(tab1, QStringLiteral("我方收款提醒"));

    // ---- Tab 2 ----
    auto* tab2 = new QWidget;
    dtp3 = dateBox(tab2, "dtp3");
    dtp4 = dateBox(tab2, "dtp4");
    btnDate2 = new QToolButton(tab2);
    btnDate2->setObjectName(QStringLiteral("btnDate2"));
    tname2 = keyBox(tab2, "tname2", QStringLiteral("回车键开始查询"));
    btnQuery2 = button("btnQuery2", QStringLiteral("查询(F2)"));
    QPushButton* btnExit2 = button("btnExit2", QStringLiteral("退出"));
    btnPrint2 = button("btnPrint2", QStringLiteral("打印"));
    btnExport2 = button("btnExport2", QStringLiteral("导出"));
    btnDele2 = button("btnDele2", QStringLiteral("删除"));
    btnModi2 = button("btnModi2", QStringLiteral("修改"));
    btnAdd2 = button("btnAdd2", QStringLiteral("增加"));
    DBGrid2 = new DataGrid(tab2);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setQuery(DataModule->Q_Sjtx3);
    DBGrid2->addColumn(QStringLiteral("id")).setHidden();
    DBGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("记录数："));
    DBGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    DBGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid2->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 80);
    DBGrid2->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    DBGrid2->addColumn(QStringLiteral("tx_sj"), QStringLiteral("提醒时间"), 100);
    DBGrid2->addColumn(QStringLiteral("txdx"), QStringLiteral("提醒对象"), 80);
    DBGrid2->addColumn(QStringLiteral("tx_note"), QStringLiteral("提醒内容"), 120);
    DBGrid2->addColumn(QStringLiteral("tx_tjsj")).setHidden();
    auto* t2 = new QVBoxLayout(tab2);
    auto* t2bar = new QHBoxLayout;
    for (QPushButton* b : {btnExit2, btnPrint2, btnExport2, btnDele2, btnModi2, btnAdd2})
        t2bar->addWidget(b);
    t2bar->addStretch();
    auto* t2search = new QHBoxLayout;
    t2search->addWidget(new QLabel(QStringLiteral("提醒时间："), tab2));
    t2search->addWidget(dtp3);
    t2search->addWidget(new QLabel(QStringLiteral("至"), tab2));
    t2search->addWidget(dtp4);
    t2search->addWidget(btnDate2);
    t2search->addWidget(new QLabel(QStringLiteral("输入商品或事件信息进行查询："), tab2));
    t2search->addWidget(tname2, 1);
    t2search->addWidget(btnQuery2);
    t2->addLayout(t2bar);
    t2->addLayout(t2search);
    t2->addWidget(DBGrid2, 1);
    cxPageControl->addTab(tab2, QStringLiteral("商品事件提醒"));

    // ---- Tab 3 ----
    auto* tab3 = new QWidget;
    comCk = new QComboBox(tab3);
    comCk->setObjectName(QStringLiteral("comCk"));
    tkey = keyBox(tab3, "tkey", QString());
    btnQuery3 = button("btnQuery3", QStringLiteral("查询(F2)"));
    QPushButton* btnExit3 = button("btnExit3", QStringLiteral("退出"));
    btnPrint3 = button("btnPrint3", QStringLiteral("打印"));
    btnExport3 = button("btnExport3", QStringLiteral("导出"));
    DBGrid3 = new DataGrid(tab3);
    DBGrid3->setObjectName(QStringLiteral("DBGrid3"));
    DBGrid3->setQuery(DataModule->Q_Sjtx2);
    DBGrid3->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("商品合计："));
    DBGrid3->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    DBGrid3->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid3->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 80);
    DBGrid3->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    DBGrid3->addColumn(QStringLiteral("kc"), QStringLiteral("当前库存"), 70).footerSum().footerRed();
    DBGrid3->addColumn(QStringLiteral("g_zdkc"), QStringLiteral("最低库存"), 70);
    auto* t3 = new QVBoxLayout(tab3);
    auto* t3bar = new QHBoxLayout;
    for (QPushButton* b : {btnExit3, btnPrint3, btnExport3})
        t3bar->addWidget(b);
    t3bar->addStretch();
    auto* t3search = new QHBoxLayout;
    t3search->addWidget(new QLabel(QStringLiteral("当前仓库："), tab3));
    t3search->addWidget(comCk);
    t3search->addWidget(new QLabel(QStringLiteral("输入商品相关信息进行查询："), tab3));
    t3search->addWidget(tkey, 1);
    t3search->addWidget(btnQuery3);
    t3->addLayout(t3bar);
    t3->addLayout(t3search);
    t3->addWidget(DBGrid3, 1);
    cxPageControl->addTab(tab3, QStringLiteral("商品库存量报警"));

    // ---- Footer ----
    auto footerLabel = [this](const char* name) {
        auto* l = new QLabel(QStringLiteral("0 条"), this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    sktx = footerLabel("sktx");
    sptx = footerLabel("sptx");
    kctx = footerLabel("kctx");
    chkTc = new QCheckBox(QStringLiteral("程序启动时不再弹出本窗口"), this);
    chkTc->setObjectName(QStringLiteral("chkTc"));
    auto* footer = new QHBoxLayout;
    footer->addWidget(new QLabel(QStringLiteral("收款提醒："), this));
    footer->addWidget(sktx);
    footer->addWidget(new QLabel(QStringLiteral("商品提醒："), this));
    footer->addWidget(sptx);
    footer->addWidget(new QLabel(QStringLiteral("库存提醒："), this));
    footer->addWidget(kctx);
    footer->addStretch();
    footer->addWidget(chkTc);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxPageControl, 1);
    layout->addLayout(footer);

    // ---- Commands ----
    addDatePresetMenu(btnDate1, dtp1, dtp2, [this] { runGuarded([this] { search1(); }); }, QStringLiteral("1"));
    addDatePresetMenu(btnDate2, dtp3, dtp4, [this] { runGuarded([this] { search2(); }); }, QStringLiteral("2"));
    for (QPushButton* b : {btnExit1, btnExit2, btnExit3})
        onClicked(b, [this] { reject(); });
    onClicked(btnQuery1, [this] { search1(); });
    onClicked(btnQuery2, [this] { search2(); });
    onClicked(btnQuery3, [this] { search3(); });
    connect(tname2, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { search2(); }); });
    connect(tkey, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { search3(); }); });
    onClicked(btnKh, [this] {
        chkAllKh->setChecked(false);
        RzPanel_Kh->show();
    });
    onClicked(btnKhOK, [this] { chooseCustomer(); });
    onClicked(btnKhExit, [this] { RzPanel_Kh->hide(); });
    connect(DBGridKh, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { chooseCustomer(); }); });
    connect(chkAllKh, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            runGuarded([this] { allCustomers(); });
    });
    onClicked(btnModi1, [this] { modi1Click(); });
    onClicked(btnAdd2, [this] { add2Click(); });
    onClicked(btnModi2, [this] { modi2Click(); });
    onClicked(btnDele2, [this] { dele2Click(); });
    onClicked(btnPrint1, [this] { printTab(0); });
    onClicked(btnPrint2, [this] { printTab(1); });
    onClicked(btnPrint3, [this] { printTab(2); });
    onClicked(btnExport1, [this] { DBGrid1->exportWithDialog(); });
    onClicked(btnExport2, [this] { DBGrid2->exportWithDialog(); });
    onClicked(btnExport3, [this] { DBGrid3->exportWithDialog(); });
    // "查看单据": the sales bill's reprint, its goods one row per line with a discount rate.
    onClicked(btnView, [this] {
        const int row = DBGrid1->currentRow();
        if (row < 0)
            return;
        const QString number = DBGrid1->value(row, QStringLiteral("gl_djh"));
        previewDocument(number, this,
                        QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,a.ls_dj*a.ls_dzl as sj from "
                                       "jxc_lsxssp a,jxc_goods b where a.ls_dzl>0 and a.g_sn=b.g_sn and a.gl_djh='")
                            + QString(number).replace(QLatin1Char('\''), QStringLiteral("''"))
                            + QStringLiteral("' order by a.id"));
    });
    gridMenu(this, DBGrid1,
             {{QStringLiteral("修改(&X)"), [this] { modi1Click(); }},
              {QStringLiteral("查看单据(&Y)"), [this] { btnView->click(); }},
              {QStringLiteral("导出到Excel(&E)"), [this] { DBGrid1->exportWithDialog(); }},
              {QStringLiteral("打印(&Z)"), [this] { printTab(0); }}});
    gridMenu(this, DBGrid2,
             {{QStringLiteral("增加(&W)"), [this] { add2Click(); }},
              {QStringLiteral("修改(&X)"), [this] { modi2Click(); }},
              {QStringLiteral("删除(&Y)"), [this] { dele2Click(); }},
              {QStringLiteral("导出到Excel(&E)"), [this] { DBGrid2->exportWithDialog(); }},
              {QStringLiteral("打印(&Z)"), [this] { printTab(1); }}});
    gridMenu(this, DBGrid3,
             {{QStringLiteral("导出到Excel(&E)"), [this] { DBGrid3->exportWithDialog(); }},
              {QStringLiteral("打印(&Z)"), [this] { printTab(2); }}});
    connect(cxPageControl, &QTabWidget::currentChanged, this, [this](int index) {
        runGuarded([this, index] {
            if (index == 1) {
                dtp3->setDate(Clock::today());
                dtp4->setDate(Clock::today());
                tname2->clear();
                search2();
            } else if (index == 2) {
                fillWarehouses();
                tkey->clear();
                search3();
            }
        });
    });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            runGuarded([this] { search3(); });
    });
}

void TF_Sjtx::fillWarehouses()
{
    m_filling = true;
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    m_filling = false;
}

void TF_Sjtx::FormActivate()
{
    chkTc->setChecked(selectValue(QStringLiteral("select t_sjtx from jxc_txdisp")) == QLatin1String("1"));
    const QSignalBlocker block(cxPageControl);
    cxPageControl->setCurrentIndex(0);
    const QDate today = Clock::today();
    dtp1->setDate(today);
    dtp2->setDate(today);
    tKhName->clear();
    curKhSn.clear();
    RzPanel_Kh->hide();
    openQuery(DataModule->Q_Khxx, QStringLiteral("select * from jxc_khxx where kh_forbid=0 order by id"));
    fillWarehouses();
    tkey->clear();
    dtp3->setDate(today);
    dtp4->setDate(today);
    tname2->clear();
    search1();
    search2();
    search3();
    sktx->setText(countText(0));
    sptx->setText(countText(0));
    kctx->setText(countText(0));
    // The first tab with rows comes to the front.
    const std::pair<DataGrid*, QLabel*> tabs[] = {{DBGrid3, kctx}, {DBGrid2, sptx}, {DBGrid1, sktx}};
    for (int i = 0; i < 3; ++i) {
        if (tabs[i].first->rowCount() > 0) {
            tabs[i].second->setText(countText(tabs[i].first->rowCount()));
            cxPageControl->setCurrentIndex(2 - i);
        }
    }
}

void TF_Sjtx::FormClose()
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_txdisp set t_sjtx=:v"),
            {{QStringLiteral(":v"), chkTc->isChecked() ? QStringLiteral("1") : QStringLiteral("0")}});
    tx.commit();
    for (NamedQuery* q : {DataModule->Q_Khxx, DataModule->Q_Sjtx1, DataModule->Q_Sjtx2, DataModule->Q_Sjtx3})
        q->close();
}

void TF_Sjtx::search1()
{
    QString sql = QStringLiteral(
        "select a.id,b.kh_name,a.gl_djh,a.ls_xsrq,a.ls_yfje+a.ls_yhje as yfje,a.ls_sfje,a.ls_yhje,"
        "a.ls_yfje-a.ls_sfje as wfje,c.u_name,a.ls_ckrq,a.ls_note,a.kh_sn,a.ls_yfje "
        "from jxc_lsxsd a left join jxc_khxx b on a.kh_sn=b.kh_sn left join jxc_user c on a.u_sn=c.u_sn "
        "where a.ls_ckrq<>'' and a.ls_yfje-a.ls_sfje<>0 and a.ls_ckrq>='%1' and a.ls_ckrq<='%2 23:59:59'")
                      .arg(dayText(dtp1), dayText(dtp2));
    if (!curKhSn.isEmpty())
        sql += QStringLiteral(" and a.kh_sn='") + sqlSafe(curKhSn) + QLatin1Char('\'');
    openQuery(DataModule->Q_Sjtx1, sql + QStringLiteral(" order by a.id desc"));
}

void TF_Sjtx::chooseCustomer()
{
    const int row = DBGridKh->currentRow();
    if (row < 0)
        return;
    tKhName->setText(DBGridKh->value(row, QStringLiteral("kh_name")));
    curKhSn = DBGridKh->value(row, QStringLiteral("kh_sn"));
    RzPanel_Kh->hide();
    search1();
}

void TF_Sjtx::allCustomers()
{
    tKhName->setText(QStringLiteral("全部客户"));
    curKhSn.clear();
    RzPanel_Kh->hide();
    search1();
}

void TF_Sjtx::search2()
{
    const QString key = sqlSafe(tname2->text().trimmed());
    const QDate today = Clock::today();
    const QString weekday = QString::number(today.dayOfWeek());
    const QString day = today.toString(QStringLiteral("dd"));
    const qint64 span = dtp3->date().daysTo(dtp4->date());
    const QString fields = QStringLiteral("a.id,a.g_sn,b.g_name,b.g_jm,b.dw_name,b.gg_name,b.color_name,a.tx_sj,%1 as txdx,"
                                          "a.tx_note,a.tx_tjsj,a.tx_fs,a.tx_dx");
    const QString sql =
        QStringLiteral("select * from (select ") + fields.arg(QStringLiteral("'全体人员'"))
        + QStringLiteral(" from jxc_tx a,jxc_goods b where a.g_sn=b.g_sn and a.tx_dx='全体人员' union select ")
        + fields.arg(QStringLiteral("c.a_name"))
        + QStringLiteral(" from jxc_tx a,jxc_goods b,jxc_admin c where a.g_sn=b.g_sn and a.tx_dx=c.a_name) "
                         "where (g_sn like '%1' or g_name like '%1' or g_jm like '%1' or tx_note like '%1') and "
                         "((tx_fs=1 and tx_sj>='%2' and tx_sj<='%3 23:59:59') or tx_fs=2 "
                         "or (tx_fs=3 and (tx_sj like '%%4%' or %5)) or (tx_fs=4 and (tx_sj like '%%6%' or %7))) "
                         "order by tx_tjsj")
              .arg(QLatin1Char('%') + key + QLatin1Char('%'), dayText(dtp3), dayText(dtp4), weekday,
                   span > 6 ? QStringLiteral("1=1") : QStringLiteral("1=0"), day,
                   span > 30 ? QStringLiteral("1=1") : QStringLiteral("1=0"));
    openQuery(DataModule->Q_Sjtx3, sql);
}

void TF_Sjtx::search3()
{
    const QString key = QLatin1Char('%') + sqlSafe(tkey->text().trimmed()) + QLatin1Char('%');
    const QString code = getComboCode(comCk, comCk->currentIndex());
    QString sql;
    if (code.isEmpty() || code == QLatin1String("-1"))
        sql = QStringLiteral("select g_sn,g_name,dw_name,gg_name,color_name,g_kc as kc,g_zdkc from jxc_goods "
                             "where g_kc<g_zdkc and (g_sn like '%1' or g_name like '%1' or g_jm like '%1') "
                             "order by g_kc")
                  .arg(key);
    else
        sql = QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,b.kc_sl as kc,a.g_zdkc "
                             "from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and b.ck_sn='%2' and "
                             "(a.g_sn like '%1' or a.g_name like '%1' or a.g_jm like '%1') order by b.kc_sl")
                  .arg(key, sqlSafe(code));
    openQuery(DataModule->Q_Sjtx2, sql);
}

void TF_Sjtx::modi1Click()
{
    if (DBGrid1->currentRow() < 0)
        return;
    showForm(F_Sjtxgl_Modi1);
}

void TF_Sjtx::add2Click()
{
    showForm(F_Sjtxgl_Add);
    DataModule->Q_Sjtx3->refresh();
}

void TF_Sjtx::modi2Click()
{
    const int row = DBGrid2->currentRow();
    if (row < 0)
        return;
    ensureForm(F_Sjtxgl_Modi)->reminderId = DBGrid2->value(row, QStringLiteral("id")).toLongLong();
    F_Sjtxgl_Modi->showModalForm();
    DataModule->Q_Sjtx3->refresh();
}

void TF_Sjtx::dele2Click()
{
    const int row = DBGrid2->currentRow();
    if (row < 0)
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除该提醒信息吗！"), this))
        return;
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_tx where id=:id"),
            {{QStringLiteral(":id"), DBGrid2->value(row, QStringLiteral("id")).toLongLong()}});
    tx.commit();
    DataModule->Q_Sjtx3->refresh();
}

void TF_Sjtx::printTab(int tab)
{
    ReportListSpec spec;
    DataGrid* grid = nullptr;
    const QString printed = QStringLiteral("打印日期：[DATE] [TIME]");
    const QString money = QStringLiteral("0.00");
    if (tab == 0) {
        grid = DBGrid1;
        spec.title = QStringLiteral("我方收款提醒");
        spec.headerLines = {QStringLiteral("提醒日期：[date1] 至 [date2]"), printed};
        spec.columns = {{QStringLiteral("序号"), QStringLiteral("[LINE#]"), 10},
                        {QStringLiteral("客户名称"), QStringLiteral("kh_name"), 30},
                        {QStringLiteral("单据号"), QStringLiteral("gl_djh"), 28},
                        {QStringLiteral("开单日期"), QStringLiteral("ls_xsrq"), 22},
                        {QStringLiteral("应收金额"), QStringLiteral("yfje"), 20, ReportHAlign::Right, money, true},
                        {QStringLiteral("实收金额"), QStringLiteral("ls_sfje"), 20, ReportHAlign::Right, money, true},
                        {QStringLiteral("优惠金额"), QStringLiteral("ls_yhje"), 20, ReportHAlign::Right, money, true},
                        {QStringLiteral("欠款金额"), QStringLiteral("wfje"), 20, ReportHAlign::Right, money, true},
                        {QStringLiteral("经办人"), QStringLiteral("u_name"), 16},
                        {QStringLiteral("提醒日期"), QStringLiteral("ls_ckrq"), 22}};
        spec.landscape = true;
    } else if (tab == 1) {
        grid = DBGrid2;
        spec.title = QStringLiteral("商品事件提醒记录");
        spec.headerLines = {QStringLiteral("提醒日期：[date1] 至 [date2]"), printed};
        spec.columns = {{QStringLiteral("序号"), QStringLiteral("[LINE#]"), 10},
                        {QStringLiteral("商品名称"), QStringLiteral("g_name"), 30},
                        {QStringLiteral("商品编号"), QStringLiteral("g_sn"), 22},
                        {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                        {QStringLiteral("规格型号"), QStringLiteral("gg_name"), 20},
                        {QStringLiteral("颜色"), QStringLiteral("color_name"), 14},
                        {QStringLiteral("提醒对象"), QStringLiteral("txdx"), 18},
                        {QStringLiteral("提醒时间"), QStringLiteral("tx_sj"), 22},
                        {QStringLiteral("提醒内容"), QStringLiteral("tx_note"), 24}};
    } else {
        grid = DBGrid3;
        spec.title = QStringLiteral("库存报警商品");
        spec.headerLines = {QStringLiteral("当前仓库：[ckName]"), printed};
        spec.columns = {{QStringLiteral("商品名称"), QStringLiteral("g_name"), 34},
                        {QStringLiteral("商品编号"), QStringLiteral("g_sn"), 24},
                        {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                        {QStringLiteral("规格型号"), QStringLiteral("gg_name"), 22},
                        {QStringLiteral("颜色"), QStringLiteral("color_name"), 16},
                        {QStringLiteral("库存下限"), QStringLiteral("g_zdkc"), 18, ReportHAlign::Right},
                        {QStringLiteral("当前库存"), QStringLiteral("kc"), 18, ReportHAlign::Right}};
    }
    Report report;
    report.setLayout(reportListLayout(spec));
    const QString shortDate = QStringLiteral("yyyy-MM-dd");
    const QDateEdit* from = tab == 1 ? dtp3 : dtp1;
    const QDateEdit* to = tab == 1 ? dtp4 : dtp2;
    report.setVariable(QStringLiteral("date1"), reportQuote(from->date().toString(shortDate)));
    report.setVariable(QStringLiteral("date2"), reportQuote(to->date().toString(shortDate)));
    report.setVariable(QStringLiteral("ckName"), reportQuote(comCk->currentText()));
    report.setDataset(spec.dataset, grid->shownResult());
    report.preview(this);
}
