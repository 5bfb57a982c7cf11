#include "masterdata/reflistform.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

RefListForm::RefListForm(RefListKind kind, CallerWords<ComboTarget>& callers, QWidget* parent)
    : TF_Form(parent), m_side(refListSide(kind)), m_callers(callers)
{
    setWindowTitle(QStringLiteral("基本资料设置"));
    setEscCloses(true);
    resize(460, 380);

    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* page = new QWidget(PageControl1);
    PageControl1->addTab(page, m_side.pageCaption);
    DBGrid1 = new DataGrid(page);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(m_side.query());
    DBGrid1->addColumn(m_side.snColumn, QStringLiteral("编号"), 80);
    DBGrid1->addColumn(m_side.nameColumn, m_side.nameCaption, 160);
    DBGrid1->addColumn(m_side.defaultColumn, QStringLiteral("默认选择"), 70).setCheck();

    Panel1 = new QWidget(page);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    tname = new QLineEdit(Panel1);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(32);
    if (m_side.keyFilter)
        installKeyFilter(tname);
    chkDefault = new QCheckBox(QStringLiteral("默认选择"), Panel1);
    chkDefault->setObjectName(QStringLiteral("chkDefault"));
    btnOK = button("btnOK", QStringLiteral("确定"));
    btnBack = button("btnBack", QStringLiteral("退出"));
    auto* panelRow = new QHBoxLayout(Panel1);
    panelRow->addWidget(new QLabel(m_side.editLabel, Panel1));
    panelRow->addWidget(tname, 1);
    panelRow->addWidget(chkDefault);
    panelRow->addWidget(btnOK);
    panelRow->addWidget(btnBack);
    Panel1->hide();

    btnAdd = button("btnAdd", QStringLiteral("添加"));
    btnModi = button("btnModi", QStringLiteral("修改"));
    btnDel = button("btnDel", QStringLiteral("删除"));
    btnExit = button("btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    for (QPushButton* b : {btnAdd, btnModi, btnDel, btnExit})
        bar->addWidget(b);

    auto* pageCol = new QVBoxLayout(page);
    pageCol->addWidget(DBGrid1, 1);
    pageCol->addWidget(Panel1);
    auto* col = new QVBoxLayout(this);
    col->addWidget(PageControl1, 1);
    col->addLayout(bar);

    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnExit, [this] { btnExitClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnBack, [this] { btnBackClick(); });
}

void RefListForm::FormActivate()
{
    NamedQuery* q = m_side.query();
    openQuery(q, q->designSql());
}

void RefListForm::FormClose()
{
    m_side.query()->close();
}

bool RefListForm::isEditing() const
{
    return !Panel1->isHidden();
}

void RefListForm::setEditing(bool editing)
{
    btnAdd->setEnabled(!editing);
    btnModi->setEnabled(!editing);
    Panel1->setVisible(editing);
    if (editing)
        tname->setFocus();
}

void RefListForm::btnAddClick()
{
    m_mode = QStringLiteral("Add");
    m_editId = 0;
    tname->clear();
    chkDefault->setChecked(false);
    setEditing(true);
}

void RefListForm::btnModiClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    m_mode = QStringLiteral("Modi");
    m_editId = DBGrid1->value(row, QStringLiteral("id")).toLongLong();
    tname->setText(DBGrid1->value(row, m_side.nameColumn));
    chkDefault->setChecked(DBGrid1->value(row, m_side.defaultColumn) == u"True");
    setEditing(true);
}

void RefListForm::btnOKClick()
{
    const RefListResult saved =
        saveRefItem(m_side.kind, m_mode == u"Modi" ? m_editId : 0, tname->text(), chkDefault->isChecked());
    if (!saved.ok()) {
        msgInfo(saved.message, this);
        return;
    }
    NamedQuery* q = m_side.query();
    q->refresh();
    q->locate(m_side.snColumn, saved.code);
    setEditing(false);
}

void RefListForm::btnBackClick()
{
    setEditing(false);
}

void RefListForm::btnDelClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    QString refusal = refItemDeleteRefusal(m_side.kind, DBGrid1->value(row, m_side.nameColumn));
    if (refusal.isEmpty()) {
        if (!msgYesNo(m_side.deleteQuestion, this))
            return;
        refusal = deleteRefItem(m_side.kind, DBGrid1->value(row, QStringLiteral("id")).toLongLong());
        m_side.query()->refresh();
    }
    if (!refusal.isEmpty())
        msgInfo(refusal, this);
}

void RefListForm::btnExitClick()
{
    if (const ComboTarget* target = m_callers.find(callerFlag)) {
        if (QComboBox* combo = (*target)()) {
            const int row = DBGrid1->currentRow();
            const QString name = row < 0 ? QString() : DBGrid1->value(row, m_side.nameColumn);
            fillCxComboBox(combo, m_side.table, m_side.nameColumn, QString(), QStringLiteral("1"), QStringLiteral("id"));
            combo->setCurrentIndex(combo->findText(name));
        }
    }
    accept();
}
