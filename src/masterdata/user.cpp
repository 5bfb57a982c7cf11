#include "masterdata/user.h"

#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "masterdata/user_add.h"
#include "masterdata/user_modi.h"
#include "masterdata/user_search.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

TF_User* F_User = nullptr;

void setupStaffGrid(DataGrid* grid)
{
    grid->setQuery(DataModule->Q_User);
    grid->addColumn(QStringLiteral("u_name"), QStringLiteral("员工姓名"), 90).footerCount(QStringLiteral("合计人数："));
    grid->addColumn(QStringLiteral("u_duty"), QStringLiteral("所任职务"), 80);
    grid->addColumn(QStringLiteral("u_tc"), QStringLiteral("提成比例"), 70).setFormat(QStringLiteral("0.00%"));
    grid->addColumn(QStringLiteral("u_tele"), QStringLiteral("联系电话"), 100);
    grid->addColumn(QStringLiteral("u_address"), QStringLiteral("联系地址"), 160);
    grid->addColumn(QStringLiteral("u_note"), QStringLiteral("备注"), 160);
    for (const char* hidden : {"u_sn", "u_jm", "u_cg", "u_xs", "u_kc", "u_cgpl", "u_xspl"})
        grid->addColumn(QString::fromLatin1(hidden)).setHidden();
}

void searchStaffKeys(DataGrid* grid, const QString& key)
{
    grid->setSearch(key, {QStringLiteral("u_name"), QStringLiteral("u_jm"), QStringLiteral("u_duty"),
                          QStringLiteral("u_tele"), QStringLiteral("u_address")});
}

TF_User::TF_User(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_User"));
    setWindowTitle(QStringLiteral("员工信息"));
    setEscCloses(true);
    resize(760, 480);

    btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDele = namedButton(this, "btnDele", QStringLiteral("删除"));
    btnSearch = namedButton(this, "btnSearch", QStringLiteral("查找"));
    btnAll = namedButton(this, "btnAll", QStringLiteral("全部"));
    btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDele, btnSearch, btnAll, btnPrint, btnExit})
        bar->addWidget(b);
    bar->addStretch();

    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    installKeyFilter(tKey);
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("请输入员工的相关信息进行查询："), this));
    searchRow->addWidget(tKey, 1);
    searchRow->addWidget(btnQuery);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    setupStaffGrid(DBGrid1);

    auto* grid = new QGridLayout(this);
    grid->addLayout(bar, 0, 0);
    grid->addLayout(searchRow, 1, 0);
    grid->addWidget(DBGrid1, 2, 0);

    // The grid's right-click menu carries the toolbar's commands.
    QTableView* view = DBGrid1->view();
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto addAction = [this, view](const QString& text, std::function<void()> handler) {
        auto* a = new QAction(text, view);
        connect(a, &QAction::triggered, this, [handler] { runGuarded(handler); });
        view->addAction(a);
    };
    addAction(QStringLiteral("增加(&U)"), [this] { btnAddClick(); });
    addAction(QStringLiteral("修改(&V)"), [this] { btnModiClick(); });
    addAction(QStringLiteral("删除(&W)"), [this] { btnDeleClick(); });
    auto* sep = new QAction(view);
    sep->setSeparator(true);
    view->addAction(sep);
    addAction(QStringLiteral("查找(&X)"), [this] { btnSearchClick(); });
    addAction(QStringLiteral("全部(&Y)"), [this] { btnAllClick(); });
    addAction(QStringLiteral("打印(&Z)"), [this] { btnPrintClick(); });

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnSearch, [this] { btnSearchClick(); });
    onClicked(btnAll, [this] { btnAllClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnQuery, [this] { searchKeys(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
}

void TF_User::FormActivate()
{
    DataModule->Q_User->open(DataModule->Q_User->designSql());
    tKey->setFocus();
}

void TF_User::FormClose()
{
    DataModule->Q_User->close();
}

bool TF_User::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { searchKeys(); });
        return true;
    }
    return false;
}

void TF_User::searchKeys()
{
    searchStaffKeys(DBGrid1, tKey->text());
}

void TF_User::btnAllClick()
{
    tKey->clear();
    searchKeys();
}

void TF_User::btnAddClick()
{
    showForm(F_User_Add);
}

void TF_User::btnModiClick()
{
    if (DBGrid1->rowCount() > 0)
        showForm(F_User_Modi);
}

void TF_User::btnSearchClick()
{
    TF_User_Search* dialog = ensureForm(F_User_Search);
    if (dialog->showModalForm() == QDialog::Accepted)
        filterData(dialog->tname->text().trimmed(), dialog->tduty->text().trimmed(), dialog->ttele->text().trimmed(),
                   dialog->taddress->text().trimmed());
}

void TF_User::filterData(const QString& name, const QString& duty, const QString& tele, const QString& address)
{
    if (name.isEmpty() && duty.isEmpty() && tele.isEmpty() && address.isEmpty()) {
        btnAllClick();
        return;
    }
    QList<GridFilter> conditions;
    auto like = [&conditions](const char* field, const QString& text) {
        if (!text.isEmpty())
            conditions.append({QString::fromLatin1(field), FilterOp::Like, text});
    };
    like("u_name", name);
    like("u_jm", name);
    like("u_duty", duty);
    like("u_tele", tele);
    like("u_address", address);
    DBGrid1->setFilter(conditions, FilterJoin::Or);
}

void TF_User::btnDeleClick()
{
    NamedQuery* q = DataModule->Q_User;
    if (DBGrid1->rowCount() == 0 || q->currentRow() < 0)
        return;
    const QString code = q->fieldByName(QStringLiteral("u_sn"));
    if (staffHasBusiness(code)) {
        msgInfo(QStringLiteral("该员工已发生过业务，不能删除！"), this);
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除当前员工吗！"), this))
        return;
    const QString refusal = deleteStaff(code);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    q->refresh();
}

void TF_User::btnPrintClick()
{
    if (DBGrid1->rowCount() == 0)
        return;
    const ResultSet rows = DBGrid1->shownResult();
    // After printing the grid shows every row again; the key box keeps its text.
    DBGrid1->clearFilter();
    ReportListSpec spec;
    spec.title = QStringLiteral("员工信息");
    spec.headerLines = {QStringLiteral("打印日期：[DATE]")};
    spec.columns = {
        {QStringLiteral("员工姓名"), QStringLiteral("u_name"), 25},
        {QStringLiteral("职务"), QStringLiteral("u_duty"), 25},
        {QStringLiteral("提成比例"), QStringLiteral("u_tc"), 20, ReportHAlign::Right, QStringLiteral("0.00")},
        {QStringLiteral("联系电话"), QStringLiteral("u_tele"), 30},
        {QStringLiteral("联系地址"), QStringLiteral("u_address"), 45},
        {QStringLiteral("备注"), QStringLiteral("u_note"), 45},
    };
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setDataset(spec.dataset, rows);
    report.preview(this);
}
