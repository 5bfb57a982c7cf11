#include "masterdata/dwgl.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/pickers.h"
#include "masterdata/sizecolorkit.h"
#include "masterdata/unitbranddata.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TF_Dwgl* F_Dwgl = nullptr;

namespace {
const QString kDwSql = QStringLiteral("select * from jxc_dw order by id desc");
}

TF_Dwgl::TF_Dwgl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Dwgl"));
    setWindowTitle(QStringLiteral("单位管理"));
    resize(360, 400);
    auto button = [this](const char* objectName, const QString& text) { return namedButton(this, objectName, text); };
    btnAdd = button("btnAdd", QStringLiteral("增加"));
    btnDel = button("btnDel", QStringLiteral("删除"));
    btnOK = button("btnOK", QStringLiteral("确定"));
    btnExit = button("btnExit", QStringLiteral("退出"));
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->addColumn(QStringLiteral("dw_sn"), QStringLiteral("编号"), 80);
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位名称"), 160);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnDel, btnOK, btnExit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(buttons);
    col->addWidget(DBGrid1, 1);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnOKClick(); }); });
}

void TF_Dwgl::FormActivate()
{
    bindGrid(DBGrid1, DataModule->Q_Dw);
    DataModule->Q_Dw->open(kDwSql);
}

void TF_Dwgl::FormClose()
{
    DataModule->Q_Dw->close();
}

void TF_Dwgl::setComValue()
{
    const ComboTarget* target = unitCallers().find(callerFlag);
    QComboBox* combo = target && *target ? (*target)() : nullptr;
    if (!combo)
        return;
    fillComboBox(combo, QStringLiteral("jxc_dw"), QStringLiteral("dw_name"), QStringLiteral("增加新单位..."),
                 QStringLiteral("0"), QStringLiteral("id"));
    // The first entry of that name (names may repeat); "增加新单位..." itself is never chosen.
    const QString unit = DataModule->Q_Dw->fieldByName(QStringLiteral("dw_name"));
    for (int i = 1; i < combo->count(); ++i) {
        if (combo->itemText(i) == unit) {
            combo->setCurrentIndex(i);
            break;
        }
    }
}

void TF_Dwgl::btnAddClick()
{
    openWindow(QStringLiteral("TF_Dwgl_Add"), QString(), QStringLiteral("增加单位"));
}

void TF_Dwgl::btnDelClick()
{
    NamedQuery* q = DataModule->Q_Dw;
    if (q->isEmpty())
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除该单位信息吗！"), this))
        return;
    deleteUnit(q->fieldByName(QStringLiteral("dw_sn")));
    q->open(kDwSql);
    setComValue();
}

void TF_Dwgl::btnOKClick()
{
    setComValue();
    close();
}
