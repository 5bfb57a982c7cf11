#include "masterdata/partnerlist.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "masterdata/ghsgl_add.h"
#include "masterdata/ghsgl_copy.h"
#include "masterdata/ghsgl_modi.h"
#include "masterdata/ghsgl_search.h"
#include "masterdata/khgl_add.h"
#include "masterdata/khgl_copy.h"
#include "masterdata/khgl_modi.h"
#include "masterdata/khgl_search.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");

template <class Ghs, class Kh>
TF_Form* sideForm(PartnerKind kind, Ghs*& ghs, Kh*& kh)
{
    if (kind == PartnerKind::Ghs)
        return ensureForm(ghs);
    return ensureForm(kh);
}

}  // namespace

PartnerListForm::PartnerListForm(PartnerKind kind, QWidget* parent) : TF_Form(parent), m_side(partnerSide(kind))
{
    setWindowTitle(m_side.listCaption);
    setEscCloses(true);
    resize(900, 560);

    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };
    btnAdd = button("btnAdd", QStringLiteral("增加"));
    btnModi = button("btnModi", QStringLiteral("修改"));
    btnDel = button("btnDel", QStringLiteral("删除"));
    btnSearch = button("btnSearch", QStringLiteral("查找"));
    btnPrint = button("btnPrint", QStringLiteral("打印"));
    btnExport = button("btnExport", QStringLiteral("导出"));
    btnImport = button("btnImport", QStringLiteral("导入"));
    btnCopy = button("btnCopy", QStringLiteral("复制"));
    btnExit = button("btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDel, btnSearch, btnPrint, btnExport, btnImport, btnCopy, btnExit})
        bar->addWidget(b);
    bar->addStretch(1);

    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    installKeyFilter(tKey);
    btnQuery = button("btnQuery", QStringLiteral("查询(F2)"));
    auto* note = new QLabel(m_side.forbidNote, this);
    note->setStyleSheet(QStringLiteral("color: blue"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(m_side.searchLabel, this));
    searchRow->addWidget(tKey, 1);
    searchRow->addWidget(btnQuery);
    searchRow->addWidget(note);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(m_side.query());
    DBGrid1->addColumn(m_side.col("name"), m_side.nameCaption, 160).footerCount(m_side.footerText);
    DBGrid1->addColumn(m_side.col("lxr"), QStringLiteral("联系人"), 80);
    DBGrid1->addColumn(m_side.col("tele"), QStringLiteral("联系电话"), 100);
    DBGrid1->addColumn(m_side.typeColumn, m_side.typeCaption, 90);
    DBGrid1->addColumn(QStringLiteral("z_name"), QStringLiteral("所属地区"), 80);
    DBGrid1->addColumn(m_side.balanceShown, m_side.balanceCaption, 100).setFormat(kMoneyFormat);
    DBGrid1->addColumn(m_side.col("address"), QStringLiteral("联系地址"), 160);
    DBGrid1->addColumn(m_side.col("default"), m_side.defaultBox, 70).setCheck();
    DBGrid1->addColumn(m_side.col("forbid"), QStringLiteral("禁用"), 50).setCheck();
    DBGrid1->addColumn(m_side.col("note"), QStringLiteral("备注"), 160);

    auto* col = new QVBoxLayout(this);
    col->addLayout(bar);
    col->addLayout(searchRow);
    col->addWidget(DBGrid1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto action = [this](const char* name, const QString& text, void (PartnerListForm::*handler)()) {
        QAction* a = PopupMenu1->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
        return a;
    };
    mnuAdd = action("mnuAdd", QStringLiteral("增加(&T)"), &PartnerListForm::btnAddClick);
    mnuModi = action("mnuModi", QStringLiteral("修改(&U)"), &PartnerListForm::btnModiClick);
    mnuDel = action("mnuDel", QStringLiteral("删除(&V)"), &PartnerListForm::btnDelClick);
    mnuForbid = action("mnuForbid", QStringLiteral("禁用(&W)"), &PartnerListForm::mnuForbidClick);
    mnuForbid->setCheckable(true);
    PopupMenu1->addSeparator();
    mnuSearch = action("mnuSearch", QStringLiteral("查找(&X)"), &PartnerListForm::btnSearchClick);
    mnuAll = action("mnuAll", QStringLiteral("全部(&Y)"), &PartnerListForm::mnuAllClick);
    mnuPrint = action("mnuPrint", QStringLiteral("打印(&Z)"), &PartnerListForm::btnPrintClick);

    DBGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1->view(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        runGuarded([this] { preparePopup(); });
        PopupMenu1->popup(DBGrid1->view()->viewport()->mapToGlobal(pos));
    });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnSearch, [this] { btnSearchClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnImport, [this] { btnImportClick(); });
    onClicked(btnCopy, [this] { btnCopyClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
}

void PartnerListForm::FormActivate()
{
    if (m_side.kind == PartnerKind::Ghs)
        syncGhsBalanceCopy();
    openQuery(m_side.query(), QStringLiteral("select * from %1 order by id").arg(m_side.table));
}

void PartnerListForm::FormClose()
{
    m_side.query()->close();
}

bool PartnerListForm::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F2)
        return false;
    btnQueryClick();
    return true;
}

void PartnerListForm::btnQueryClick()
{
    DBGrid1->setSearch(sqlSafe(tKey->text().trimmed()),
                       {m_side.col("sn"), m_side.col("name"), m_side.col("jm"), m_side.col("lxr"),
                        m_side.col("tele"), m_side.col("address")});
}

void PartnerListForm::mnuAllClick()
{
    tKey->clear();
    btnQueryClick();
}

void PartnerListForm::applySearch(const QStringList& values)
{
    // Names, contacts and telephones are stored in their safe form, so the typed values are
    // compared in that form; the address is kept as typed when a partner is added.
    const QStringList fields = {m_side.col("name"), m_side.col("lxr"), m_side.col("tele"), m_side.col("address")};
    QList<GridFilter> conditions;
    for (int i = 0; i < fields.size() && i < values.size(); ++i) {
        const QString value = values.at(i).trimmed();
        if (!value.isEmpty())
            conditions.append({fields.at(i), FilterOp::Like, i < 3 ? sqlSafeName(value) : value});
    }
    if (conditions.isEmpty()) {
        mnuAllClick();
        return;
    }
    DBGrid1->setFilter(conditions, FilterJoin::And);
}

void PartnerListForm::btnAddClick()
{
    sideForm(m_side.kind, F_Ghsgl_Add, F_Khgl_Add)->showModalForm();
}

void PartnerListForm::btnModiClick()
{
    if (DBGrid1->currentRow() < 0)
        return;
    sideForm(m_side.kind, F_Ghsgl_Modi, F_Khgl_Modi)->showModalForm();
    NamedQuery* q = m_side.query();
    openQuery(q, q->sql());
}

void PartnerListForm::btnDelClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    const QString code = DBGrid1->value(row, m_side.col("sn"));
    QString refusal = partnerDeleteRefusal(m_side.kind, code);
    if (refusal.isEmpty()) {
        if (!msgYesNo(m_side.deleteQuestion, this))
            return;
        refusal = deletePartner(m_side.kind, code);
        m_side.query()->refresh();
    }
    if (!refusal.isEmpty())
        msgInfo(refusal, this);
}

void PartnerListForm::preparePopup()
{
    const int row = DBGrid1->currentRow();
    if (row >= 0)
        mnuForbid->setChecked(DBGrid1->value(row, m_side.col("forbid")) == u"True");
}

void PartnerListForm::mnuForbidClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    const bool forbid = DBGrid1->value(row, m_side.col("forbid")) != u"True";
    setPartnerForbid(m_side.kind, DBGrid1->value(row, m_side.col("sn")), forbid);
    m_side.query()->setLoadedValue(row, m_side.col("forbid"), forbid ? QStringLiteral("True") : QStringLiteral("False"));
    mnuForbid->setChecked(forbid);
}

void PartnerListForm::btnSearchClick()
{
    PartnerSearchForm* dialog = m_side.kind == PartnerKind::Ghs ? static_cast<PartnerSearchForm*>(ensureForm(F_Ghsgl_Search))
                                                                : ensureForm(F_Khgl_Search);
    if (dialog->showModalForm() == QDialog::Accepted)
        applySearch(dialog->values());
}

void PartnerListForm::btnPrintClick()
{
    if (DBGrid1->rowCount() == 0)
        return;
    ReportListSpec spec;
    spec.title = m_side.listCaption;
    spec.headerLines = {QStringLiteral("打印日期：[DATE]")};
    spec.columns = {{m_side.nameCaption, m_side.col("name"), 45},
                    {QStringLiteral("联系人"), m_side.col("lxr"), 25},
                    {QStringLiteral("联系电话"), m_side.col("tele"), 30},
                    {QStringLiteral("联系地址"), m_side.col("address"), 50},
                    {QStringLiteral("备注"), m_side.col("note"), 40}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setDataset(spec.dataset, DBGrid1->shownResult());
    report.preview(this);
}

void PartnerListForm::btnExportClick()
{
    if (DBGrid1->rowCount() > 0)
        DBGrid1->exportWithDialog();
}

void PartnerListForm::btnImportClick()
{
    if (m_side.kind == PartnerKind::Ghs)
        openWindow(QStringLiteral("TF_Ghsgl_Import"), QStringLiteral("导入供货商信息"), QStringLiteral("导入"));
    else
        openWindow(QStringLiteral("TF_Khgl_Import"), QStringLiteral("导入客户数据"), QStringLiteral("导入"));
}

void PartnerListForm::btnCopyClick()
{
    sideForm(m_side.kind, F_Ghsgl_Copy, F_Khgl_Copy)->showModalForm();
}
