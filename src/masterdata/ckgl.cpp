#include "masterdata/ckgl.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "masterdata/ckgl_add.h"
#include "masterdata/ckgl_modi.h"
#include "masterdata/ckgl_search.h"
#include "masterdata/staffrecords.h"
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

TF_Ckgl* F_Ckgl = nullptr;

QString ckxxListSql(const QString& condition)
{
    return QStringLiteral("select * from jxc_ckxx where ") + condition + QStringLiteral(" order by id desc");
}

TF_Ckgl::TF_Ckgl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ckgl"));
    setWindowTitle(QStringLiteral("仓库管理"));
    setEscCloses(true);
    resize(760, 460);

    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };
    btnAdd = button("btnAdd", QStringLiteral("增加"));
    btnModi = button("btnModi", QStringLiteral("修改"));
    btnDele = button("btnDele", QStringLiteral("删除"));
    btnSearch = button("btnSearch", QStringLiteral("查找"));
    btnPrint = button("btnPrint", QStringLiteral("打印"));
    btnExit = button("btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDele, btnSearch, btnPrint, btnExit})
        bar->addWidget(b);
    bar->addStretch();

    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    installKeyFilter(tKey);
    btnQuery = button("btnQuery", QStringLiteral("查询(F2)"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("请输入仓库的相关信息进行查询："), this));
    searchRow->addWidget(tKey, 1);
    searchRow->addWidget(btnQuery);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Ckxx);
    DBGrid1->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 120).footerCount(QStringLiteral("合计:"));
    DBGrid1->addColumn(QStringLiteral("ck_fzr"), QStringLiteral("负责人"), 70);
    DBGrid1->addColumn(QStringLiteral("ck_tele"), QStringLiteral("联系电话"), 100);
    DBGrid1->addColumn(QStringLiteral("ck_address"), QStringLiteral("仓库地址"), 140);
    DBGrid1->addColumn(QStringLiteral("ck_default"), QStringLiteral("默认仓库"), 60).setCheck();
    DBGrid1->addColumn(QStringLiteral("ck_pos"), QStringLiteral("默认POS仓库"), 80).setCheck();
    DBGrid1->addColumn(QStringLiteral("ck_note"), QStringLiteral("备注"), 160);

    auto* grid = new QGridLayout(this);
    grid->addLayout(bar, 0, 0);
    grid->addLayout(searchRow, 1, 0);
    grid->addWidget(DBGrid1, 2, 0);

    // The grid's right-click menu.
    QTableView* view = DBGrid1->view();
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto addAction = [this, view](const QString& text, std::function<void()> handler) {
        auto* a = new QAction(text, view);
        connect(a, &QAction::triggered, this, [handler] { runGuarded(handler); });
        view->addAction(a);
    };
    addAction(QStringLiteral("增加(&T)"), [this] { btnAddClick(); });
    addAction(QStringLiteral("修改(&V)"), [this] { btnModiClick(); });
    addAction(QStringLiteral("删除(&W)"), [this] { btnDeleClick(); });
    addAction(QStringLiteral("查找(&X)"), [this] { btnSearchClick(); });
    addAction(QStringLiteral("全部(&Y)"), [this] { btnAllClick(); });
    addAction(QStringLiteral("打印(&Z)"), [this] { btnPrintClick(); });

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnSearch, [this] { btnSearchClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnQuery, [this] { searchKeys(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
}

void TF_Ckgl::FormActivate()
{
    openQuery(DataModule->Q_Ckxx, ckxxListSql());
    tKey->setFocus();
}

void TF_Ckgl::FormClose()
{
    DataModule->Q_Ckxx->close();
}

bool TF_Ckgl::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { searchKeys(); });
        return true;
    }
    return false;
}

void TF_Ckgl::searchKeys()
{
    // Safe text: the key cannot end the quoted literal it stands in.
    const QString k = sqlSafe(tKey->text().trimmed());
    QString condition = QStringLiteral("1=1 ");
    if (!k.isEmpty())
        condition += QStringLiteral("and (ck_name like '%1' or ck_jm like '%1' or ck_fzr like '%1' or ck_tele like '%1' "
                                    "or ck_address like '%1')")
                         .arg(QLatin1Char('%') + k + QLatin1Char('%'));
    openQuery(DataModule->Q_Ckxx, ckxxListSql(condition));
}

void TF_Ckgl::btnAllClick()
{
    tKey->clear();
    searchKeys();
}

void TF_Ckgl::btnAddClick()
{
    showForm(F_Ckgl_Add);
}

void TF_Ckgl::btnModiClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    ensureForm(F_Ckgl_Modi)->ckSn = DBGrid1->value(row, QStringLiteral("ck_sn"));
    F_Ckgl_Modi->showModalForm();
}

void TF_Ckgl::btnSearchClick()
{
    showForm(F_Ckgl_Search);
    tKey->clear();
}

void TF_Ckgl::btnDeleClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除该仓库信息吗！"), this))
        return;
    const QString refusal = deleteWarehouse(DBGrid1->value(row, QStringLiteral("ck_sn")));
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    DataModule->Q_Ckxx->refresh();
}

void TF_Ckgl::btnPrintClick()
{
    if (DBGrid1->rowCount() == 0)
        return;
    ReportListSpec spec;
    spec.title = QStringLiteral("仓库信息");
    spec.headerLines = {QStringLiteral("报表日期：[DATE]")};
    spec.columns = {
        {QStringLiteral("仓库名称"), QStringLiteral("ck_name"), 35},
        {QStringLiteral("负责人"), QStringLiteral("ck_fzr"), 25},
        {QStringLiteral("联系电话"), QStringLiteral("ck_tele"), 30},
        {QStringLiteral("仓库地址"), QStringLiteral("ck_address"), 45},
        {QStringLiteral("备注"), QStringLiteral("ck_note"), 45},
    };
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setDataset(spec.dataset, DBGrid1->shownResult());
    report.preview(this);
}
