#include "masterdata/partnercopy.h"

#include "data/datamodule.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PartnerCopyForm::PartnerCopyForm(PartnerKind kind, QWidget* parent)
    : TF_Form(parent), m_side(partnerSide(kind)), m_from(m_side.other())
{
    setWindowTitle(m_side.copyCaption);
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    resize(720, 460);

    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    installKeyFilter(tKey);
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(m_from.query());
    DBGrid1->addColumn(m_from.col("name"), m_from.nameCaption, 160);
    DBGrid1->addColumn(m_from.col("lxr"), QStringLiteral("联系人"), 80);
    DBGrid1->addColumn(m_from.col("tele"), QStringLiteral("联系电话"), 100);
    DBGrid1->addColumn(m_from.col("address"), QStringLiteral("联系地址"), 160);
    DBGrid1->addColumn(m_from.typeColumn, m_from.typeCaption, 90);
    DBGrid1->addColumn(QStringLiteral("z_name"), QStringLiteral("所属地区"), 80);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel(m_side.copyLabel, this));
    keyRow->addWidget(tKey, 1);
    auto* buttons = buttonRow({btnOK, btnExit});
    auto* col = new QVBoxLayout(this);
    col->addLayout(keyRow);
    col->addWidget(DBGrid1, 1);
    col->addLayout(buttons);

    connect(tKey, &QLineEdit::textChanged, this, [this] { runGuarded([this] { tKeyChange(); }); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnOKClick(); }); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void PartnerCopyForm::FormActivate()
{
    NamedQuery* q = m_from.query();
    openQuery(q, QStringLiteral("select * from %1 where %2=0 order by id").arg(m_from.table, m_from.col("forbid")));
}

void PartnerCopyForm::FormClose()
{
    m_from.query()->close();
}

void PartnerCopyForm::tKeyChange()
{
    DBGrid1->setSearch(tKey->text(), {m_from.col("jm"), m_from.col("name"), m_from.col("lxr"), m_from.col("tele")});
}

void PartnerCopyForm::btnOKClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0) {
        reject();
        return;
    }
    const PartnerResult copied = copyPartner(m_side.kind, DBGrid1->value(row, m_from.col("sn")));
    if (!copied.ok()) {
        if (!copied.message.isEmpty())
            msgInfo(copied.message, this);
        return;
    }
    showPartnerInList(m_side.kind, copied.code);
    accept();
}
