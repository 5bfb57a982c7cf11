#include "masterdata/fkfs.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/fkfs_add.h"
#include "masterdata/staffrecords.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TF_Fkfs* F_Fkfs = nullptr;

CallerWords<ComboTarget>& paymentMethodCallers()
{
    static CallerWords<ComboTarget> words;
    return words;
}

TF_Fkfs::TF_Fkfs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Fkfs"));
    setWindowTitle(QStringLiteral("付款方式"));
    setEscCloses(true);
    resize(360, 320);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Fkfs);
    DBGrid1->addColumn(QStringLiteral("fk_sn"), QStringLiteral("编号"), 80);
    DBGrid1->addColumn(QStringLiteral("fk_name"), QStringLiteral("付款方式"), 180);
    auto button = [this](const char* name, const QString& text) { return namedButton(this, name, text); };
    btnAdd = button("btnAdd", QStringLiteral("增加"));
    btnDele = button("btnDele", QStringLiteral("删除"));
    btnExit = button("btnExit", QStringLiteral("退出"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnDele);
    buttons->addWidget(btnExit);
    buttons->addStretch();
    auto* box = new QVBoxLayout(this);
    box->addLayout(buttons);
    box->addWidget(DBGrid1);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { chooseClick(); }); });
}

void TF_Fkfs::FormActivate()
{
    DataModule->Q_Fkfs->open(DataModule->Q_Fkfs->designSql());
}

void TF_Fkfs::FormClose()
{
    DataModule->Q_Fkfs->close();
}

void TF_Fkfs::btnAddClick()
{
    showForm(F_Fkfs_Add);
}

void TF_Fkfs::btnDeleClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除当前付款方式吗！"), this))
        return;
    deletePaymentMethod(DBGrid1->value(row, QStringLiteral("fk_sn")));
    DataModule->Q_Fkfs->refresh();
}

void TF_Fkfs::chooseClick()
{
    if (const ComboTarget* target = paymentMethodCallers().find(callerFlag)) {
        const QString name = DataModule->Q_Fkfs->fieldByName(QStringLiteral("fk_name"));
        if (QComboBox* combo = (*target)()) {
            fillCodeCombo(combo, QStringLiteral("jxc_fkfs"), QStringLiteral("fk_name"), QStringLiteral("新增付款方式....."),
                          QStringLiteral("id"), QStringLiteral("fk_sn"));
            combo->setCurrentIndex(name.isEmpty() ? -1 : combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    }
    accept();
}
