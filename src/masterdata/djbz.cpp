#include "masterdata/djbz.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/djbz_add.h"
#include "masterdata/staffrecords.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TF_Djbz* F_Djbz = nullptr;

CallerWords<NoteTarget>& remarkCallers()
{
    static CallerWords<NoteTarget> words;
    return words;
}

TF_Djbz::TF_Djbz(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Djbz"));
    setWindowTitle(QStringLiteral("单据备注信息设置"));
    setEscCloses(true);
    resize(480, 380);

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Djbz);
    DBGrid1->addColumn(QStringLiteral("dj_sn"), QStringLiteral("编号"), 80);
    DBGrid1->addColumn(QStringLiteral("dj_name"), QStringLiteral("内容"), 300);
    DBGrid2 = new DataGrid(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setQuery(DataModule->Q_DjbzLs);
    DBGrid2->setLineNumbers(true);
    DBGrid2->addColumn(QStringLiteral("j_note"), QStringLiteral("内容"), 360);
    DBGrid2->view()->horizontalHeader()->setHighlightSections(true);
    RzPageControl1->addTab(DBGrid1, QStringLiteral("单据常用备注信息"));
    RzPageControl1->addTab(DBGrid2, QStringLiteral("单据备注录入历史"));

    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };
    btnAdd = button("btnAdd", QStringLiteral("新增"));
    btnModi = button("btnModi", QStringLiteral("修改"));
    btnDele = button("btnDele", QStringLiteral("删除"));
    btnOK = button("btnOK", QStringLiteral("确定"));
    btnCancel = button("btnCancel", QStringLiteral("取消"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDele})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* box = new QVBoxLayout(this);
    box->addWidget(RzPageControl1);
    box->addLayout(buttons);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnOKClick(); }); });
}

void TF_Djbz::FormActivate()
{
    RzPageControl1->setCurrentIndex(0);
    DataModule->Q_Djbz->open(DataModule->Q_Djbz->designSql());
    DataModule->Q_DjbzLs->open(DataModule->Q_DjbzLs->designSql());
}

void TF_Djbz::FormClose()
{
    DataModule->Q_Djbz->close();
    DataModule->Q_DjbzLs->close();
}

void TF_Djbz::btnAddClick()
{
    ensureForm(F_Djbz_Add)->btnFlag = QStringLiteral("1");
    F_Djbz_Add->showModalForm();
}

void TF_Djbz::btnModiClick()
{
    if (DBGrid1->rowCount() == 0)
        return;
    ensureForm(F_Djbz_Add)->btnFlag = QStringLiteral("2");
    F_Djbz_Add->showModalForm();
}

void TF_Djbz::btnDeleClick()
{
    if (DBGrid1->rowCount() == 0 || DataModule->Q_Djbz->currentRow() < 0)
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除当前备注信息吗！"), this))
        return;
    deleteRemark(DataModule->Q_Djbz->fieldByName(QStringLiteral("dj_sn")));
    DataModule->Q_Djbz->refresh();
}

void TF_Djbz::btnOKClick()
{
    const QString remark = RzPageControl1->currentIndex() == 0
                               ? DataModule->Q_Djbz->fieldByName(QStringLiteral("dj_name"))
                               : DataModule->Q_DjbzLs->fieldByName(QStringLiteral("j_note"));
    if (const NoteTarget* target = remarkCallers().find(callerFlag))
        (*target)(remark);
    accept();
}
