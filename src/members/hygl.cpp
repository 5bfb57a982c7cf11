#include "members/hygl.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "bills/querykit.h"
#include "data/globals.h"
#include "members/hygl_add.h"
#include "members/hygl_gjcx.h"
#include "members/hygl_modi.h"
#include "members/hygl_print.h"
#include "members/hygl_pwd.h"
#include "members/hyxf.h"
#include "members/memberdata.h"
#include "members/memberqueries.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Hygl* F_Hygl = nullptr;

namespace {

const char* const kCustomFields[] = {"hy_email", "hy_zjlx", "hy_zjhm", "hy_dwzy", "hy_address", "hy_qtxx"};

DataGrid* grid(QWidget* parent, const char* name, NamedQuery* query)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setQuery(query);
    return g;
}

QDateEdit* dateBox(QWidget* parent, const QString& name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

}  // namespace

TF_Hygl::TF_Hygl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hygl"));
    setWindowTitle(QStringLiteral("会员管理"));
    setEscCloses(true);
    resize(1000, 640);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // Tab 1: members
    auto* tab1 = new QWidget(PageControl1);
    auto button = [](QWidget* p, const char* name, const QString& text) { return namedButton(p, name, text); };
    btnAdd = button(tab1, "btnAdd", QStringLiteral("增加会员"));
    btnModi = button(tab1, "btnModi", QStringLiteral("修改会员"));
    btnDele = button(tab1, "btnDele", QStringLiteral("删除会员"));
    btnSet = button(tab1, "btnSet", QStringLiteral("会员设置"));
    btnCz = button(tab1, "btnCz", QStringLiteral("储值续费"));
    btnGjcx = button(tab1, "btnGjcx", QStringLiteral("高级查询"));
    btnDh = button(tab1, "btnDh", QStringLiteral("兑换赠品"));
    btnImport = button(tab1, "btnImport", QStringLiteral("导入会员"));
    btnExport = button(tab1, "btnExport", QStringLiteral("导出会员"));
    btnPrint = button(tab1, "btnPrint", QStringLiteral("打印"));
    btnExit = button(tab1, "btnExit", QStringLiteral("退出"));
    edtKey = nameBox(tab1, "edtKey", 32);
    cbLevel = new QComboBox(tab1);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    cbStatus = new QComboBox(tab1);
    cbStatus->setObjectName(QStringLiteral("cbStatus"));
    cbStatus->addItems({QStringLiteral("所有状态"), QStringLiteral("可用状态"), QStringLiteral("不可用状态")});
    btnSearch = button(tab1, "btnSearch", QStringLiteral("查询(F2)"));
    DBGrid1 = grid(tab1, "DBGrid1", DataModule->Q_Hygl);
    DBGrid1->addColumn(QStringLiteral("hy_bh"), QStringLiteral("会员编号"), 90).footerText(QStringLiteral("记录数："));
    DBGrid1->addColumn(QStringLiteral("hy_name"), QStringLiteral("会员姓名"), 80).footerCount();
    DBGrid1->addColumn(QStringLiteral("status"), QStringLiteral("会员状态"), 60);
    DBGrid1->addColumn(QStringLiteral("hy_sex"), QStringLiteral("性别"), 40);
    DBGrid1->addColumn(QStringLiteral("hy_jrrq"), QStringLiteral("加入日期"), 80);
    DBGrid1->addColumn(QStringLiteral("hh_name"), QStringLiteral("优惠方式"), 80);
    DBGrid1->addColumn(QStringLiteral("hl_name"), QStringLiteral("会员级别"), 80);
    DBGrid1->addColumn(QStringLiteral("hy_jf"), QStringLiteral("会员积分"), 70);
    DBGrid1->addColumn(QStringLiteral("hy_zje"), QStringLiteral("累计消费"), 80).footerSum();
    DBGrid1->addColumn(QStringLiteral("hy_zhje"), QStringLiteral("卡内金额"), 80);
    DBGrid1->addColumn(QStringLiteral("jfsj"), QStringLiteral("按积分升级"), 70);
    DBGrid1->addColumn(QStringLiteral("hy_cs"), QStringLiteral("剩余次数"), 60);
    DBGrid1->addColumn(QStringLiteral("qx"), QStringLiteral("使用期限"), 60);
    DBGrid1->addColumn(QStringLiteral("hy_dqrq"), QStringLiteral("失效日期"), 80);
    DBGrid1->addColumn(QStringLiteral("hy_sr"), QStringLiteral("会员生日"), 80);
    DBGrid1->addColumn(QStringLiteral("hy_tele"), QStringLiteral("固定电话"), 90);
    DBGrid1->addColumn(QStringLiteral("hy_mobile"), QStringLiteral("移动电话"), 90);
    for (const char* field : kCustomFields)
        DBGrid1->addColumn(QString::fromLatin1(field), QString(), 90);
    DBGrid1->addColumn(QStringLiteral("hy_note"), QStringLiteral("备注"), 120);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDele, btnSet, btnCz, btnGjcx, btnDh, btnImport, btnExport, btnPrint, btnExit})
        tools->addWidget(b);
    tools->addStretch();
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("会员卡号或姓名："), tab1));
    search->addWidget(edtKey);
    search->addWidget(new QLabel(QStringLiteral("会员等级："), tab1));
    search->addWidget(cbLevel);
    search->addWidget(new QLabel(QStringLiteral("会员状态："), tab1));
    search->addWidget(cbStatus);
    search->addWidget(btnSearch);
    search->addStretch();
    auto* box1 = new QVBoxLayout(tab1);
    box1->addLayout(tools);
    box1->addLayout(search);
    box1->addWidget(DBGrid1);
    PageControl1->addTab(tab1, QStringLiteral("会员基本信息"));

    // Print, export and exit of tabs 2 to 5.
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 2);
        if (i < 3)
            btnPrints[i] = namedButton(this, QByteArray("btnPrint" + n).constData(), QStringLiteral("打印"));
        btnExports[i] = namedButton(this, QByteArray("btnExport" + n).constData(), QStringLiteral("导出"));
        btnExits[i] = namedButton(this, QByteArray("btnExit" + n).constData(), QStringLiteral("退出"));
    }

    // Tabs 2, 3 and 5 share the period row.
    auto periodTab = [this](int index, const QString& caption, DataGrid* g, std::function<void()> run,
                            std::initializer_list<QPushButton*> extra) {
        auto* tab = new QWidget(PageControl1);
        g->setParent(tab);
        const QString n = QString::number(index + 2);
        dtFrom[index] = dateBox(tab, QStringLiteral("dtFrom") + n);
        dtTo[index] = dateBox(tab, QStringLiteral("dtTo") + n);
        edtKeys[index] = nameBox(tab, "edtKey", 32);
        edtKeys[index]->setObjectName(QStringLiteral("edtKey") + n);
        auto* presets = new QToolButton(tab);
        addDatePresetMenu(presets, dtFrom[index], dtTo[index], run, n);
        auto* query = namedButton(tab, "btnQuery", QStringLiteral("查询(F3)"));
        query->setObjectName(QStringLiteral("btnQuery") + n);
        onClicked(query, run);
        auto* row = new QHBoxLayout;
        row->addWidget(dtFrom[index]);
        row->addWidget(new QLabel(QStringLiteral("至"), tab));
        row->addWidget(dtTo[index]);
        row->addWidget(presets);
        row->addWidget(new QLabel(QStringLiteral("会员卡号或姓名："), tab));
        row->addWidget(edtKeys[index]);
        row->addWidget(query);
        for (QPushButton* b : extra) {
            b->setParent(tab);
            row->addWidget(b);
        }
        row->addStretch();
        auto* box = new QVBoxLayout(tab);
        box->addLayout(row);
        box->addWidget(g);
        PageControl1->addTab(tab, caption);
    };

    DBGrid2 = grid(this, "DBGrid2", DataModule->Q_Hyxf);
    DBGrid2->addColumn(QStringLiteral("xsrq"), QStringLiteral("消费日期"), 130).footerText(QStringLiteral("记录数："));
    DBGrid2->addColumn(QStringLiteral("hy_bh"), QStringLiteral("会员卡号"), 90).footerCount();
    DBGrid2->addColumn(QStringLiteral("hy_name"), QStringLiteral("会员姓名"), 80);
    DBGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 80);
    DBGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 120);
    DBGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    DBGrid2->addColumn(QStringLiteral("dj"), QStringLiteral("单价"), 60);
    DBGrid2->addColumn(QStringLiteral("dzl"), QStringLiteral("折扣率"), 50);
    DBGrid2->addColumn(QStringLiteral("zhj"), QStringLiteral("折后价"), 60);
    DBGrid2->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 50).footerSum();
    DBGrid2->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 70).footerSum();
    DBGrid2->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    DBGrid2->addColumn(QStringLiteral("zffs"), QStringLiteral("付款方式"), 80);
    periodTab(0, QStringLiteral("会员消费情况"), DBGrid2, [this] { runGuarded([this] { consumptionSearch(); }); },
              {btnPrints[0], btnExports[0], btnExits[0]});

    DBGrid3 = grid(this, "DBGrid3", DataModule->Q_Hycz);
    DBGrid3->addColumn(QStringLiteral("xf_rq"), QStringLiteral("交费日期"), 130).footerText(QStringLiteral("记录数："));
    DBGrid3->addColumn(QStringLiteral("hy_bh"), QStringLiteral("会员卡号"), 90).footerCount();
    DBGrid3->addColumn(QStringLiteral("hy_name"), QStringLiteral("会员姓名"), 80);
    DBGrid3->addColumn(QStringLiteral("xf_je"), QStringLiteral("续费金额"), 80).footerSum();
    DBGrid3->addColumn(QStringLiteral("sjje"), QStringLiteral("实际存入"), 80).footerSum();
    DBGrid3->addColumn(QStringLiteral("xf_zt"), QStringLiteral("续费类别"), 80);
    DBGrid3->addColumn(QStringLiteral("xf_note"), QStringLiteral("备注"), 160);
    periodTab(1, QStringLiteral("会员续费情况"), DBGrid3, [this] { runGuarded([this] { topUpSearch(); }); },
              {btnPrints[1], btnExports[1], btnExits[1]});

    auto* tab4 = new QWidget(PageControl1);
    edtDays = new QLineEdit(tab4);
    edtDays->setObjectName(QStringLiteral("edtDays"));
    edtDays->setMaxLength(3);
    edtDays->setValidator(new QIntValidator(0, 999, edtDays));
    auto* query4 = namedButton(tab4, "btnQuery4", QStringLiteral("查询(F3)"));
    onClicked(query4, [this] { birthdaySearch(); });
    DBGrid4 = grid(tab4, "DBGrid4", DataModule->Q_Hysr);
    DBGrid4->addColumn(QStringLiteral("hy_bh"), QStringLiteral("会员编号"), 90).footerText(QStringLiteral("记录数："));
    DBGrid4->addColumn(QStringLiteral("hy_name"), QStringLiteral("会员姓名"), 80).footerCount();
    DBGrid4->addColumn(QStringLiteral("hy_sr"), QStringLiteral("出生日期"), 80);
    DBGrid4->addColumn(QStringLiteral("hy_sex"), QStringLiteral("性别"), 40);
    DBGrid4->addColumn(QStringLiteral("hy_tele"), QStringLiteral("联系电话"), 90);
    DBGrid4->addColumn(QStringLiteral("hy_mobile"), QStringLiteral("手机"), 90);
    DBGrid4->addColumn(QStringLiteral("hy_email"), QStringLiteral("Email"), 100);
    DBGrid4->addColumn(QStringLiteral("hy_address"), QStringLiteral("联系地址"), 120);
    DBGrid4->addColumn(QStringLiteral("hy_note"), QStringLiteral("备注"), 120);
    auto* row4 = new QHBoxLayout;
    row4->addWidget(new QLabel(QStringLiteral("查询还有"), tab4));
    row4->addWidget(edtDays);
    row4->addWidget(new QLabel(QStringLiteral("天过生日的会员"), tab4));
    row4->addWidget(query4);
    for (QPushButton* b : {btnPrints[2], btnExports[2], btnExits[2]}) {
        b->setParent(tab4);
        row4->addWidget(b);
    }
    row4->addStretch();
    auto* box4 = new QVBoxLayout(tab4);
    box4->addLayout(row4);
    box4->addWidget(DBGrid4);
    PageControl1->addTab(tab4, QStringLiteral("会员生日提醒"));

    DBGrid5 = grid(this, "DBGrid5", DataModule->Q_Hydh);
    DBGrid5->addColumn(QStringLiteral("gl_djh"), QStringLiteral("兑换单据号"), 120).footerText(QStringLiteral("记录数："));
    DBGrid5->addColumn(QStringLiteral("hy_bh"), QStringLiteral("会员编号"), 90).footerCount();
    DBGrid5->addColumn(QStringLiteral("hy_name"), QStringLiteral("会员姓名"), 80);
    DBGrid5->addColumn(QStringLiteral("g_sn"), QStringLiteral("赠品编号"), 80);
    DBGrid5->addColumn(QStringLiteral("zp_name"), QStringLiteral("赠品名称"), 120);
    DBGrid5->addColumn(QStringLiteral("dh_sl"), QStringLiteral("数量"), 60).footerSum();
    DBGrid5->addColumn(QStringLiteral("dh_jf"), QStringLiteral("兑换积分"), 70).footerSum();
    DBGrid5->addColumn(QStringLiteral("dh_dhrq"), QStringLiteral("兑换日期"), 80);
    DBGrid5->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    auto* btnZpsz = namedButton(this, "btnZpsz", QStringLiteral("赠品设置"));
    btnDhDele = namedButton(this, "btnDhDele", QStringLiteral("删除"));
    periodTab(2, QStringLiteral("积分换商品"), DBGrid5, [this] { runGuarded([this] { exchangeSearch(); }); },
              {btnZpsz, btnDhDele, btnExports[3], btnExits[3]});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);

    onClicked(btnSearch, [this] { searchClick(); });
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnSet, [this] { openWindow(QStringLiteral("TF_Hyksz"), QString(), QStringLiteral("会员设置")); });
    onClicked(btnCz, [this] { btnCzClick(); });
    onClicked(btnGjcx, [this] {
        TF_Hygl_Gjcx* form = ensureForm(F_Hygl_Gjcx);
        if (form->showModalForm() != QDialog::Accepted)
            return;
        m_extra = form->condition();
        searchClick();
    });
    onClicked(btnDh, [this] { btnDhClick(); });
    onClicked(btnImport, [this] {
        openWindow(QStringLiteral("TF_Hygl_Import"), QString(), QStringLiteral("导入会员"));
        DataModule->Q_Hygl->refresh();
    });
    onClicked(btnExport, [this] { DBGrid1->exportWithDialog(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnZpsz, [this] { openWindow(QStringLiteral("TF_Zpgl2"), QString(), QStringLiteral("赠品设置")); });
    onClicked(btnDhDele, [this] { exchangeDeleteClick(); });
    const std::array<DataGrid*, 4> tabGrids = {DBGrid2, DBGrid3, DBGrid4, DBGrid5};
    for (int i = 0; i < 4; ++i) {
        if (i < 3)
            onClicked(btnPrints[i], [this, i] { printTab(i + 1); });
        onClicked(btnExports[i], [g = tabGrids[i]] { g->exportWithDialog(); });
        onClicked(btnExits[i], [this] { reject(); });
    }
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
    connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) { popup(p); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        runGuarded([this, index] {
            if (index == 2)
                topUpSearch();
            else if (index == 3) {
                edtDays->setText(QStringLiteral("10"));
                birthdaySearch();
            } else if (index == 4)
                exchangeSearch();
        });
    });
}

void TF_Hygl::FormActivate()
{
    m_extra.clear();
    PageControl1->blockSignals(true);
    PageControl1->setCurrentIndex(0);
    PageControl1->blockSignals(false);
    const QDate today = Clock::today();
    const QDate first(today.year(), today.month(), 1);
    dtFrom[0]->setDate(today);
    dtTo[0]->setDate(today);
    for (int i = 1; i < 3; ++i) {
        dtFrom[i]->setDate(first);
        dtTo[i]->setDate(today);
    }
    edtKey->clear();
    for (QLineEdit* k : edtKeys)
        k->clear();
    fillCodeCombo(cbLevel, QStringLiteral("jxc_hyfl"), QStringLiteral("hl_name"), QStringLiteral("所有等级"),
                  QStringLiteral("id"), QStringLiteral("hl_sn"));
    cbLevel->setCurrentIndex(0);
    cbStatus->setCurrentIndex(0);
    readCaptions();
    searchClick();
}

void TF_Hygl::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_Hygl, DataModule->Q_Hyxf, DataModule->Q_Hycz, DataModule->Q_Hysr,
                          DataModule->Q_Hydh})
        q->close();
}

bool TF_Hygl::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { searchClick(); });
        return true;
    }
    if (event->key() == Qt::Key_F3) {
        runGuarded([this] {
            switch (PageControl1->currentIndex()) {
            case 2: topUpSearch(); break;
            case 3: birthdaySearch(); break;
            case 4: exchangeSearch(); break;
            default: consumptionSearch(); break;
            }
        });
        return true;
    }
    return false;
}

void TF_Hygl::readCaptions()
{
    const ResultSet captions = openSelect(QStringLiteral("select hz_name from jxc_hyzdy order by hz_sn"));
    for (int i = 0; i < 6; ++i)
        if (GridColumn* c = DBGrid1->column(QString::fromLatin1(kCustomFields[i])))
            c->setCaption(captions.text(i, QStringLiteral("hz_name")));
}

QString TF_Hygl::currentMember() const
{
    const int row = DBGrid1->currentRow();
    return row < 0 ? QString() : DBGrid1->value(row, QStringLiteral("hy_sn"));
}

void TF_Hygl::searchClick()
{
    DataModule->Q_Hygl->open(memberListSql(edtKey->text(), getComboCode(cbLevel, cbLevel->currentIndex()),
                                           cbStatus->currentIndex(), m_extra));
    consumptionSearch();
}

void TF_Hygl::consumptionSearch()
{
    DataModule->Q_Hyxf->open(consumptionSql(dtFrom[0]->date(), dtTo[0]->date(), edtKeys[0]->text()));
}

void TF_Hygl::topUpSearch()
{
    DataModule->Q_Hycz->open(topUpHistorySql(dtFrom[1]->date(), dtTo[1]->date(), edtKeys[1]->text()));
}

int TF_Hygl::birthdayDays() const
{
    const int days = edtDays->text().toInt();
    return days > 0 ? days : 10;
}

void TF_Hygl::birthdaySearch()
{
    DataModule->Q_Hysr->open(birthdaySql(Clock::today(), birthdayDays()));
}

void TF_Hygl::exchangeSearch()
{
    DataModule->Q_Hydh->open(exchangeSql(dtFrom[2]->date(), dtTo[2]->date(), edtKeys[2]->text()));
}

void TF_Hygl::btnAddClick()
{
    TF_Hygl_Add* form = ensureForm(F_Hygl_Add);
    if (form->showModalForm() != QDialog::Accepted)
        return;
    readCaptions();
    DataModule->Q_Hygl->refresh();
    DataModule->Q_Hygl->locate(QStringLiteral("hy_sn"), form->lastMember());
}

void TF_Hygl::btnModiClick()
{
    const QString sn = currentMember();
    if (sn.isEmpty())
        return;
    if (sn == QLatin1String(kBuiltInMember)) {
        msgInfo(QStringLiteral("该会员为系统默认会员，不能修改！"), this);
        return;
    }
    TF_Hygl_Modi* form = ensureForm(F_Hygl_Modi);
    form->setMember(sn);
    if (form->showModalForm() == QDialog::Accepted)
        DataModule->Q_Hygl->refresh();
}

void TF_Hygl::btnDeleClick()
{
    const QString sn = currentMember();
    if (sn.isEmpty())
        return;
    if (memberHasSales(sn)) {
        msgInfo(QStringLiteral("该会员已发生过业务，不能删除！"), this);
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除该会员信息吗！"), this))
        return;
    if (const QString refusal = deleteMember(sn); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::btnCzClick()
{
    const QString sn = currentMember();
    if (sn.isEmpty())
        return;
    if (sn == QLatin1String(kBuiltInMember)) {
        msgInfo(QStringLiteral("默认会员不能续费！"), this);
        return;
    }
    TF_Hyxf* form = ensureForm(F_Hyxf);
    form->setMember(sn);
    if (form->showModalForm() == QDialog::Accepted)
        DataModule->Q_Hygl->refresh();
}

void TF_Hygl::countCardClick()
{
    const QString sn = currentMember();
    if (sn.isEmpty())
        return;
    if (sn == QLatin1String(kBuiltInMember)) {
        msgInfo(QStringLiteral("默认会员不能续费！"), this);
        return;
    }
    paramValue = sn;
    openWindow(QStringLiteral("TF_Hyxf_Jc"), QString(), QStringLiteral("计次续费"));
    paramValue.clear();
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::batchClick()
{
    if (DataModule->Q_Hygl->isEmpty())
        return;
    openWindow(QStringLiteral("TF_Hyxf_pl"), QString(), QStringLiteral("批量续费"));
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::btnDhClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    paramValue = DBGrid1->value(row, QStringLiteral("hy_bh"));
    openWindow(QStringLiteral("TF_Dhzp"), QString(), QStringLiteral("兑换赠品"));
    paramValue.clear();
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::statusClick()
{
    const QString sn = currentMember();
    if (sn.isEmpty())
        return;
    toggleMemberStatus(sn);
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::passwordClick()
{
    const QString sn = currentMember();
    if (sn.isEmpty())
        return;
    TF_Hygl_Pwd* form = ensureForm(F_Hygl_Pwd);
    form->setMember(sn);
    form->showModalForm();
}

void TF_Hygl::clearCurrentClick()
{
    const QString sn = currentMember();
    if (sn.isEmpty() || !msgYesNo(QStringLiteral("您确定要清除该会员的积分吗？"), this))
        return;
    clearMemberPoints({sn});
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::clearAllClick()
{
    const ResultSet& rows = DataModule->Q_Hygl->result();
    if (!msgYesNo(QStringLiteral("您确定要清除当前%1会员的积分吗？").arg(rows.rowCount()), this))
        return;
    QStringList sns;
    for (int r = 0; r < rows.rowCount(); ++r)
        sns << rows.text(r, QStringLiteral("hy_sn"));
    clearMemberPoints(sns);
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::exchangeDeleteClick()
{
    const int row = DBGrid5->currentRow();
    if (row < 0 || !msgYesNo(QStringLiteral("您确定要删除该兑换商品信息吗！"), this))
        return;
    deleteExchangeLine(DBGrid5->value(row, QStringLiteral("id")).toLongLong());
    exchangeSearch();
    DataModule->Q_Hygl->refresh();
}

void TF_Hygl::popup(const QPoint& pos)
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    const bool usable = DBGrid1->value(row, QStringLiteral("hy_status")) != u"False";
    QMenu menu(this);
    auto act = [this](QMenu* m, const QString& text, void (TF_Hygl::*handler)()) {
        connect(m->addAction(text), &QAction::triggered, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    };
    act(&menu, usable ? QStringLiteral("设置会员状态为“不可用”(&U)") : QStringLiteral("设置会员状态为“可用”(&U)"),
        &TF_Hygl::statusClick);
    act(&menu, QStringLiteral("修改会员密码(&V)"), &TF_Hygl::passwordClick);
    QMenu* topUps = menu.addMenu(QStringLiteral("会员续费(&W)"));
    act(topUps, QStringLiteral("储值续费(&X)"), &TF_Hygl::btnCzClick);
    act(topUps, QStringLiteral("计次续费(&Y)"), &TF_Hygl::countCardClick);
    act(topUps, QStringLiteral("批量续费(&Z)"), &TF_Hygl::batchClick);
    QMenu* clear = menu.addMenu(QStringLiteral("清除会员积分(&X)"));
    act(clear, QStringLiteral("清除当前会员积分(&Y)"), &TF_Hygl::clearCurrentClick);
    act(clear, QStringLiteral("清除所有会员积分(&Z)"), &TF_Hygl::clearAllClick);
    menu.addSeparator();
    act(&menu, QStringLiteral("修改会员信息(&Y)"), &TF_Hygl::btnModiClick);
    act(&menu, QStringLiteral("删除会员信息(&Z)"), &TF_Hygl::btnDeleClick);
    menu.exec(DBGrid1->mapToGlobal(pos));
}

void TF_Hygl::btnPrintClick()
{
    if (DataModule->Q_Hygl->isEmpty())
        return;
    previewMemberList(DBGrid1->shownResult(), this);
}

void TF_Hygl::printTab(int index)
{
    const QString count = QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]");
    const QString printedAt = QStringLiteral("打印时间：[DATE] [TIME]");
    const QString period = QStringLiteral("统计日期：[date1] 至 [date2]");
    ReportListSpec spec;
    if (index == 1) {
        spec.title = QStringLiteral("会员消费情况");
        spec.landscape = true;
        spec.headerLines = {period, QStringLiteral("打印日期：[DATE]")};
        spec.columns = {listColumn("消费日期", "xsrq", 34),
                        listColumn("会员卡号", "hy_bh", 22),
                        listColumn("会员姓名", "hy_name", 20),
                        listColumn("商品编号", "g_sn", 20),
                        listColumn("商品名称", "g_name", 30),
                        listColumn("单位", "dw_name", 10),
                        listNumber("单价", "dj", 16, true, false),
                        listNumber("折扣率", "dzl", 14, false, false),
                        listNumber("折后价", "zhj", 16, true, false),
                        listNumber("数量", "sl", 14, false, false),
                        listNumber("总金额", "zje", 18, true, false),
                        listColumn("操作员", "a_name", 16),
                        listColumn("付款方式", "zffs", 20)};
        spec.summaryLines = {QStringLiteral("会员消费总数量：[SUM(<frxDBDataset1.\"sl\">)]"),
                             QStringLiteral("会员消费总金额：[SUM(<frxDBDataset1.\"zje\">)]")};
        const QueryPeriod shown{dtFrom[0], dtTo[0], nullptr};
        previewQueryList(spec, DBGrid2, shown, this);
    } else if (index == 2) {
        spec.title = QStringLiteral("会员续费情况表");
        spec.headerLines = {period, printedAt};
        spec.columns = {listColumn("续费日期", "xf_rq", 34),
                        listColumn("会员卡号", "hy_bh", 26),
                        listColumn("会员姓名", "hy_name", 24),
                        listNumber("续费金额", "xf_je", 22, true, false),
                        listNumber("实际存入", "sjje", 22, true, false),
                        listColumn("备注", "xf_note", 44)};
        spec.summaryLines = {count, QStringLiteral("续费金额：[SUM(<frxDBDataset1.\"xf_je\">)]"),
                             QStringLiteral("实际存入：[SUM(<frxDBDataset1.\"sjje\">)]")};
        const QueryPeriod shown{dtFrom[1], dtTo[1], nullptr};
        previewQueryList(spec, DBGrid3, shown, this);
    } else {
        spec.title = QStringLiteral("[title]");
        spec.headerLines = {printedAt};
        spec.columns = {listColumn("会员生日", "hy_sr", 24),
                        listColumn("会员卡号", "hy_bh", 26),
                        listColumn("会员姓名", "hy_name", 24),
                        listColumn("联系电话", "hy_tele", 26),
                        listColumn("联系地址", "hy_address", 40),
                        listColumn("备注", "hy_note", 40)};
        spec.summaryLines = {count};
        previewGridList(spec, DBGrid4,
                        {{QStringLiteral("title"), QStringLiteral("还有%1要过生日的会员名单").arg(birthdayDays())}}, this);
    }
}
