#include "admin/adminlist.h"

#include "admin/admin_add.h"
#include "admin/admin_modi.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "masterdata/staffrecords.h"
#include "platform/msgbox.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

TF_Admin* F_Admin = nullptr;

void reopenAdminList()
{
    openQuery(DataModule->Q_Admin, QStringLiteral("select a.*,b.r_name from jxc_admin a,jxc_role b "
                                                  "where a.r_sn=b.r_sn order by a.id"));
}

TF_Admin::TF_Admin(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Admin"));
    setWindowTitle(QStringLiteral("操作员设置"));
    setEscCloses(true);
    resize(620, 420);

    btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDele = namedButton(this, "btnDele", QStringLiteral("删除"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDele, btnExit})
        bar->addWidget(b);
    bar->addStretch();

    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    installKeyFilter(tkey);
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("请输入操作员的相关信息进行查询："), this));
    searchRow->addWidget(tkey, 1);
    searchRow->addWidget(btnQuery);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Admin);
    DBGrid1->addColumn(QStringLiteral("a_sn"), QStringLiteral("编号"), 80).footerCount(QStringLiteral("数量："));
    DBGrid1->addColumn(QStringLiteral("a_name"), QStringLiteral("用户名称"), 140);
    DBGrid1->addColumn(QStringLiteral("r_name"), QStringLiteral("所属角色"), 140);
    DBGrid1->addColumn(QStringLiteral("a_zreoje"), QStringLiteral("最多抹零金额"), 100)
        .setFormat(QStringLiteral("￥,0.00;￥-,0.00"));

    auto* grid = new QGridLayout(this);
    grid->addLayout(bar, 0, 0);
    grid->addLayout(searchRow, 1, 0);
    grid->addWidget(DBGrid1, 2, 0);

    QTableView* view = DBGrid1->view();
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto addAction = [this, view](const QString& text, std::function<void()> handler) {
        auto* a = new QAction(text, view);
        if (handler)
            connect(a, &QAction::triggered, this, [handler] { runGuarded(handler); });
        view->addAction(a);
        return a;
    };
    addAction(QStringLiteral("增加(&V)"), [this] { btnAddClick(); });
    addAction(QStringLiteral("修改(&W)"), [this] { btnModiClick(); });
    addAction(QStringLiteral("删除(&X)"), [this] { btnDeleClick(); });
    addAction(QString(), {})->setSeparator(true);
    actCopy = addAction(QStringLiteral("复制操作员(&Y)"), [this] { copyClick(); });
    actPaste = addAction(QStringLiteral("粘贴操作员(&Z)"), [this] { pasteClick(); });
    actCopy->setObjectName(QStringLiteral("N5"));
    actPaste->setObjectName(QStringLiteral("N6"));

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
}

void TF_Admin::FormActivate()
{
    reopenAdminList();
    m_copy = {};
    actPaste->setEnabled(false);
    tkey->setFocus();
}

void TF_Admin::FormClose()
{
    DataModule->Q_Admin->close();
}

bool TF_Admin::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { btnQueryClick(); });
        return true;
    }
    return false;
}

void TF_Admin::btnQueryClick()
{
    // The grid's own filter over the loaded rows; the database is not asked again.
    const QString k = sqlSafe(tkey->text().trimmed());
    if (k.isEmpty()) {
        DBGrid1->clearFilter();
        return;
    }
    DBGrid1->setFilter({{QStringLiteral("a_name"), FilterOp::Like, k}, {QStringLiteral("a_sn"), FilterOp::Like, k}});
}

void TF_Admin::btnAddClick()
{
    showForm(F_Admin_Add);
}

void TF_Admin::btnModiClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    if (DBGrid1->value(row, QStringLiteral("a_name")) == QLatin1String("admin")) {
        msgInfo(QStringLiteral("系统管理员不能修改！"), this);
        return;
    }
    ensureForm(F_Admin_Modi)->operatorId = DBGrid1->value(row, QStringLiteral("id")).toLongLong();
    F_Admin_Modi->showModalForm();
}

void TF_Admin::btnDeleClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    const QString refusal = operatorDeleteRefusal(DBGrid1->value(row, QStringLiteral("a_name")));
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除当前操作员吗！"), this))
        return;
    deleteOperator(DBGrid1->value(row, QStringLiteral("a_sn")));
    reopenAdminList();
}

void TF_Admin::copyClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    m_copy = copyOperator(DBGrid1->value(row, QStringLiteral("a_sn")));
    actPaste->setEnabled(!m_copy.name.isEmpty());
}

void TF_Admin::pasteClick()
{
    if (m_copy.name.isEmpty())
        return;
    pasteOperator(m_copy);
    reopenAdminList();
}
