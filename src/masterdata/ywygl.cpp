#include "masterdata/ywygl.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "masterdata/contacts.h"
#include "masterdata/salesman.h"
#include "masterdata/user.h"
#include "masterdata/ywyrz.h"
#include "platform/datagrid.h"
#include "platform/displayformat.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TF_Ywygl* F_Ywygl = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");

QString totalText(Money m)
{
    return formatNumber(QStringLiteral("#.##"), m.toDouble());
}

}  // namespace

TF_Ywygl::TF_Ywygl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ywygl"));
    setWindowTitle(QStringLiteral("业务员管理"));
    setEscCloses(true);
    resize(1000, 640);

    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    installKeyFilter(tKey);
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询"));
    btnUser = namedButton(this, "btnUser", QStringLiteral("业务员管理"));
    btnYj = namedButton(this, "btnYj", QStringLiteral("业务员业绩"));
    auto* yjMenu = new QMenu(btnYj);
    N_Cgyj = yjMenu->addAction(QStringLiteral("采购业绩 (&Y)"));
    N_Xsyj = yjMenu->addAction(QStringLiteral("销售业绩(&Z)"));
    btnYj->setMenu(yjMenu);
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("输入业务员姓名："), this));
    top->addWidget(tKey, 1);
    for (QPushButton* b : {btnQuery, btnUser, btnYj, btnExit})
        top->addWidget(b);

    auto* infoBox = new QGroupBox(QStringLiteral("供货商信息"), this);
    auto label = [infoBox](const char* name) {
        auto* l = new QLabel(infoBox);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblName = label("lblName");
    lblDuty = label("lblDuty");
    lblTele = label("lblTele");
    lblAddress = label("lblAddress");
    lblCgje = label("lblCgje");
    lblWfyf = label("lblWfyf");
    lblXsje = label("lblXsje");
    lblKhyf = label("lblKhyf");
    auto* infoLeft = new QFormLayout;
    infoLeft->addRow(QStringLiteral("员工姓名："), lblName);
    infoLeft->addRow(QStringLiteral("员工职务："), lblDuty);
    infoLeft->addRow(QStringLiteral("联系电话："), lblTele);
    infoLeft->addRow(QStringLiteral("联系地址："), lblAddress);
    auto* infoRight = new QFormLayout;
    infoRight->addRow(QStringLiteral("采购金额："), lblCgje);
    infoRight->addRow(QStringLiteral("我方已付："), lblWfyf);
    infoRight->addRow(QStringLiteral("销售金额："), lblXsje);
    infoRight->addRow(QStringLiteral("客户已付："), lblKhyf);
    auto* infoRow = new QHBoxLayout(infoBox);
    infoRow->addLayout(infoLeft, 1);
    infoRow->addLayout(infoRight, 1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* page1 = new QWidget(PageControl1);
    auto* page2 = new QWidget(PageControl1);
    PageControl1->addTab(page1, QStringLiteral("单据记录"));
    PageControl1->addTab(page2, QStringLiteral("备注/日志"));

    auto* billBox = new QGroupBox(QStringLiteral("采购/销售情况"), page1);
    cxGrid1 = new DataGrid(billBox);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 120).footerCount(QStringLiteral("记录数："));
    cxGrid1->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"));
    cxGrid1->addColumn(QStringLiteral("yfje"), QStringLiteral("应付金额")).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGrid1->addColumn(QStringLiteral("sfje"), QStringLiteral("实付金额")).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGrid1->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"));
    cxGrid1->addColumn(QStringLiteral("zflx"), QStringLiteral("单据类型"));
    cxGrid1->view()->setContextMenuPolicy(Qt::ActionsContextMenu);
    N_View = new QAction(QStringLiteral("查看单据(&Z)"), cxGrid1->view());
    cxGrid1->view()->addAction(N_View);
    cxGrid1->setQuery(DataModule ? DataModule->Q_Ywygl1 : nullptr);
    (new QVBoxLayout(billBox))->addWidget(cxGrid1);
    auto* lineBox = new QGroupBox(QStringLiteral("详细内容"), page1);
    cxGrid2 = new DataGrid(lineBox);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"));
    cxGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    cxGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid2->addColumn(QStringLiteral("dj"), QStringLiteral("单价")).setFormat(kMoney);
    cxGrid2->addColumn(QStringLiteral("sl"), QStringLiteral("数量")).footerSum();
    cxGrid2->addColumn(QStringLiteral("zje"), QStringLiteral("总金额")).setFormat(kMoney).footerSum(QString(), kMoney);
    cxGrid2->setQuery(DataModule ? DataModule->Q_Ywygl2 : nullptr);
    (new QVBoxLayout(lineBox))->addWidget(cxGrid2);
    auto* page1Row = new QHBoxLayout(page1);
    page1Row->addWidget(billBox, 1);
    page1Row->addWidget(lineBox, 1);

    auto* noteBox = new QGroupBox(QStringLiteral("备注"), page2);
    mNote = new QPlainTextEdit(noteBox);
    mNote->setObjectName(QStringLiteral("mNote"));
    btnSaveNote = namedButton(noteBox, "btnSaveNote", QStringLiteral("保存"));
    auto* noteCol = new QVBoxLayout(noteBox);
    noteCol->addWidget(mNote, 1);
    noteCol->addLayout(buttonRow({btnSaveNote}));
    auto* diaryBox = new QGroupBox(QStringLiteral("日志"), page2);
    cxGrid3 = new DataGrid(diaryBox);
    cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
    cxGrid3->addColumn(QStringLiteral("rz_rq"), QStringLiteral("日期"), 90).footerCount(QStringLiteral("记录数："));
    cxGrid3->addColumn(QStringLiteral("rz_note"), QStringLiteral("内容"), 300);
    cxGrid3->setQuery(DataModule ? DataModule->Q_Ywyrz : nullptr);
    btnRzAdd = namedButton(diaryBox, "btnRzAdd", QStringLiteral("增加"));
    btnRzModi = namedButton(diaryBox, "btnRzModi", QStringLiteral("修改"));
    btnRzDel = namedButton(diaryBox, "btnRzDel", QStringLiteral("删除"));
    auto* diaryCol = new QVBoxLayout(diaryBox);
    diaryCol->addWidget(cxGrid3, 1);
    diaryCol->addLayout(buttonRow({btnRzAdd, btnRzModi, btnRzDel}));
    auto* page2Row = new QHBoxLayout(page2);
    page2Row->addWidget(noteBox, 1);
    page2Row->addWidget(diaryBox, 1);

    pnlSearch = new QWidget(this);
    pnlSearch->setObjectName(QStringLiteral("pnlSearch"));
    cxGrid4 = new DataGrid(pnlSearch);
    cxGrid4->setObjectName(QStringLiteral("cxGrid4"));
    cxGrid4->addColumn(QStringLiteral("u_name"), QStringLiteral("员工姓名"));
    cxGrid4->addColumn(QStringLiteral("u_duty"), QStringLiteral("职务"));
    cxGrid4->addColumn(QStringLiteral("u_tele"), QStringLiteral("联系电话"));
    cxGrid4->addColumn(QStringLiteral("u_address"), QStringLiteral("联系地址"), 160);
    cxGrid4->setQuery(DataModule ? DataModule->Q_User : nullptr);
    btnChoose = namedButton(pnlSearch, "btnChoose", QStringLiteral("确定(F5)"));
    btnCloseSearch = namedButton(pnlSearch, "btnCloseSearch", QStringLiteral("退出(Esc)"));
    auto* searchCol = new QVBoxLayout(pnlSearch);
    searchCol->addWidget(cxGrid4, 1);
    searchCol->addLayout(buttonRow({btnChoose, btnCloseSearch}));

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(pnlSearch);
    main->addWidget(infoBox);
    main->addWidget(PageControl1, 1);

    connect(tKey, &QLineEdit::textEdited, this, [this] { runGuarded([this] { tKeyChanged(); }); });
    onClicked(btnQuery, [this] { pnlSearch->show(); });
    onClicked(btnUser, [this] { btnUserClick(); });
    connect(N_Cgyj, &QAction::triggered, this,
            [this] { runGuarded([this] { openStatistics(QStringLiteral("TF_Ywycgtj"), QStringLiteral("采购业绩")); }); });
    connect(N_Xsyj, &QAction::triggered, this,
            [this] { runGuarded([this] { openStatistics(QStringLiteral("TF_Ywyxstj"), QStringLiteral("销售业绩")); }); });
    onClicked(btnExit, [this] { close(); });
    connect(cxGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { showLines(); }); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { viewBill(); }); });
    connect(N_View, &QAction::triggered, this, [this] { runGuarded([this] { viewBill(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            runGuarded([this] {
                mNote->setPlainText(DataModule->Q_User->fieldByName(QStringLiteral("u_note")));
                openDiary();
            });
    });
    onClicked(btnSaveNote, [this] { btnSaveNoteClick(); });
    onClicked(btnRzAdd, [this] { btnRzAddClick(); });
    onClicked(btnRzModi, [this] { btnRzModiClick(); });
    onClicked(btnRzDel, [this] { btnRzDelClick(); });
    onClicked(btnChoose, [this] { chooseClick(); });
    connect(cxGrid4, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { chooseClick(); }); });
    onClicked(btnCloseSearch, [this] { pnlSearch->hide(); });
}

void TF_Ywygl::FormActivate()
{
    pnlSearch->hide();
    PageControl1->blockSignals(true);
    PageControl1->setCurrentIndex(0);
    PageControl1->blockSignals(false);
    tKey->clear();
    for (QLabel* l : {lblName, lblDuty, lblTele, lblAddress, lblCgje, lblWfyf, lblXsje, lblKhyf})
        l->clear();
    mNote->clear();
    m_uSn.clear();
    cxGrid4->clearFilter();
    NamedQuery* staff = DataModule->Q_User;
    openQuery(staff, staff->designSql());
    if (staff->isEmpty()) {
        DataModule->Q_Ywygl1->close();
        DataModule->Q_Ywygl2->close();
        return;
    }
    staff->setCurrentRow(0);
    chooseClick();
}

bool TF_Ywygl::FormKeyDown(QKeyEvent* event)
{
    if (!pnlSearch->isVisible())
        return false;
    if (event->key() == Qt::Key_Escape) {
        pnlSearch->hide();
        return true;
    }
    if (event->key() == Qt::Key_F5) {
        runGuarded([this] { chooseClick(); });
        return true;
    }
    return false;
}

void TF_Ywygl::FormClose()
{
    for (NamedQuery* q : {DataModule->Q_User, DataModule->Q_Ywygl1, DataModule->Q_Ywygl2, DataModule->Q_Ywyrz})
        q->close();
}

void TF_Ywygl::tKeyChanged()
{
    pnlSearch->show();
    cxGrid4->setSearch(tKey->text().trimmed(), {QStringLiteral("u_name"), QStringLiteral("u_jm"), QStringLiteral("u_sn")});
}

void TF_Ywygl::chooseClick()
{
    NamedQuery* staff = DataModule->Q_User;
    const int row = pnlSearch->isVisible() ? cxGrid4->currentRow() : staff->currentRow();
    if (row < 0 || staff->isEmpty())
        return;
    staff->setCurrentRow(row);
    PageControl1->setCurrentIndex(0);
    m_uSn = staff->fieldByName(QStringLiteral("u_sn"));
    lblName->setText(staff->fieldByName(QStringLiteral("u_name")));
    lblDuty->setText(staff->fieldByName(QStringLiteral("u_duty")));
    lblTele->setText(staff->fieldByName(QStringLiteral("u_tele")));
    lblAddress->setText(staff->fieldByName(QStringLiteral("u_address")));
    for (QLabel* l : {lblCgje, lblWfyf, lblXsje, lblKhyf})
        l->setText(QStringLiteral("0"));
    pnlSearch->hide();
    openQuery(DataModule->Q_Ywygl1, salesmanBillsSql(m_uSn));
    DataModule->Q_Ywygl2->close();
    if (cxGrid1->rowCount() == 0)
        return;
    cxGrid1->setCurrentRow(0);
    showLines();
    const SalesmanTotals t = salesmanTotals(m_uSn);
    lblCgje->setText(totalText(t.purchase));
    lblWfyf->setText(totalText(t.paid));
    lblXsje->setText(totalText(t.sales));
    lblKhyf->setText(totalText(t.received));
}

void TF_Ywygl::showLines()
{
    const int row = cxGrid1->currentRow();
    const QString sql = row < 0 ? QString() : salesmanLinesSql(cxGrid1->value(row, QStringLiteral("djh")));
    if (sql.isEmpty())
        DataModule->Q_Ywygl2->close();
    else
        openQuery(DataModule->Q_Ywygl2, sql);
}

void TF_Ywygl::viewBill()
{
    const int row = cxGrid1->currentRow();
    if (PageControl1->currentIndex() != 0 || row < 0)
        return;
    previewStoredBill(cxGrid1->value(row, QStringLiteral("djh")), this);
}

void TF_Ywygl::openStatistics(const QString& windowClass, const QString& caption)
{
    partyType = lblName->text();
    openWindow(windowClass, QString(), caption);
    partyType.clear();
    if (!DataModule->Q_User->isOpen())
        openQuery(DataModule->Q_User, DataModule->Q_User->designSql());
}

void TF_Ywygl::btnUserClick()
{
    showForm(F_User);
    openQuery(DataModule->Q_User, DataModule->Q_User->designSql());
}

void TF_Ywygl::btnSaveNoteClick()
{
    const QString code = DataModule->Q_User->fieldByName(QStringLiteral("u_sn"));
    if (code.isEmpty())
        return;
    saveStaffNote(code, mNote->toPlainText());
    const int row = DataModule->Q_User->currentRow();
    DataModule->Q_User->refresh();
    DataModule->Q_User->setCurrentRow(row);
}

void TF_Ywygl::openDiary()
{
    openQuery(DataModule->Q_Ywyrz, QStringLiteral("select * from jxc_ywyrz where u_sn='%1' order by id").arg(sqlSafe(m_uSn)));
}

void TF_Ywygl::btnRzAddClick()
{
    ensureForm(F_Ywyrz_Add)->uSn = m_uSn;
    F_Ywyrz_Add->showModalForm();
    openDiary();
}

void TF_Ywygl::btnRzModiClick()
{
    const int row = cxGrid3->currentRow();
    if (cxGrid3->rowCount() == 0 || row < 0)
        return;
    DataModule->Q_Ywyrz->setCurrentRow(row);
    showForm(F_Ywyrz_Modi);
    openDiary();
}

void TF_Ywygl::btnRzDelClick()
{
    const int row = cxGrid3->currentRow();
    if (cxGrid3->rowCount() == 0 || row < 0)
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除该日志信息吗！"), this))
        return;
    deleteDiaryEntry(cxGrid3->value(row, QStringLiteral("id")).toLongLong());
    openDiary();
}
