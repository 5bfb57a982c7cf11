#include "members/zpgl2.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "members/memberdata.h"
#include "members/zpgl2_add.h"
#include "members/zpgl2_jh.h"
#include "members/zpgl2_modi.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Zpgl2* F_Zpgl2 = nullptr;

QString giftListSql(const QString& key)
{
    const QString t = sqlSafe(key.trimmed());
    return QStringLiteral("select * from jxc_zpxx where zp_sn like '%%1%' or zp_name like '%%1%' or zp_jm like "
                          "'%%1%' order by id desc")
        .arg(t);
}

QString giftMovementSql(qint64 giftId, const QDate& from, const QDate& to)
{
    const QString gift = QStringLiteral("(select zp_sn from jxc_zpxx where id=%1)").arg(sqlNum(giftId));
    const QString d1 = from.toString(QStringLiteral("yyyy-MM-dd"));
    const QString d2 = to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59");
    // The giveaway documents are read as well; nothing writes them.
    return QStringLiteral(
               "select * from ("
               "select 1 as part,a.id,a.zp_note as ywlx,a.zp_jhrq as ywrq,a.zp_sn,b.zp_name,a.zp_sl as sl,a.a_name "
               "from jxc_zpjh a left join jxc_zpxx b on a.zp_sn=b.zp_sn where a.zp_sn=%1 and a.zp_jhrq>='%2' and "
               "a.zp_jhrq<='%3' "
               "union all "
               "select 2,a.id,h.dh_note,h.dh_dhrq,a.g_sn,b.zp_name,-a.dh_sl,a.a_name from jxc_dhzp a join jxc_dhd h on "
               "a.gl_djh=h.gl_djh left join jxc_zpxx b on a.g_sn=b.zp_sn where a.g_sn=%1 and h.dh_dhrq>='%2' and "
               "h.dh_dhrq<='%3' "
               "union all "
               "select 3,a.id,h.zp_note,h.zp_zsrq,a.zp_sn,b.zp_name,-a.zp_sl,a.a_name from jxc_zszp a join jxc_zsd h "
               "on a.gl_djh=h.gl_djh left join jxc_zpxx b on a.zp_sn=b.zp_sn where a.zp_sn=%1 and h.zp_zsrq>='%2' "
               "and h.zp_zsrq<='%3') order by part,id desc")
        .arg(gift, d1, d2);
}

TF_Zpgl2::TF_Zpgl2(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Zpgl2"));
    setWindowTitle(QStringLiteral("赠品管理"));
    setEscCloses(true);
    resize(760, 600);

    edtKey = nameBox(this, "edtKey", 32);
    btnSearch = namedButton(this, "btnSearch", QStringLiteral("查询(F2)"));
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Zpxx);
    DBGrid1->addColumn(QStringLiteral("zp_sn"), QStringLiteral("赠品编号"), 90).footerText(QStringLiteral("记录数："));
    DBGrid1->addColumn(QStringLiteral("zp_name"), QStringLiteral("赠品名称"), 160).footerCount();
    DBGrid1->addColumn(QStringLiteral("zp_jm"), QStringLiteral("简码"), 90);
    DBGrid1->addColumn(QStringLiteral("zp_sl"), QStringLiteral("库存数量"), 80).footerSum();
    DBGrid1->addColumn(QStringLiteral("zp_jf"), QStringLiteral("兑换积分"), 80);
    btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDele = namedButton(this, "btnDele", QStringLiteral("删除"));
    btnJh = namedButton(this, "btnJh", QStringLiteral("进货"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));

    lblName = new QLabel(this);
    lblName->setObjectName(QStringLiteral("lblName"));
    dtFrom = new QDateEdit(this);
    dtFrom->setObjectName(QStringLiteral("dtFrom"));
    dtTo = new QDateEdit(this);
    dtTo->setObjectName(QStringLiteral("dtTo"));
    for (QDateEdit* d : {dtFrom, dtTo}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    auto* presets = new QToolButton(this);
    addDatePresetMenu(presets, dtFrom, dtTo, [this] { runGuarded([this] { movementClick(); }); });
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F3)"));
    DBGrid2 = new DataGrid(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setQuery(DataModule->Q_Zpmx);
    DBGrid2->addColumn(QStringLiteral("ywlx"), QStringLiteral("业务类型"), 70).footerText(QStringLiteral("记录数："));
    DBGrid2->addColumn(QStringLiteral("ywrq"), QStringLiteral("业务日期"), 140).footerCount();
    DBGrid2->addColumn(QStringLiteral("zp_sn"), QStringLiteral("赠品编号"), 80);
    DBGrid2->addColumn(QStringLiteral("zp_name"), QStringLiteral("赠品名称"), 140);
    DBGrid2->addColumn(QStringLiteral("sl"), QStringLiteral("业务数量"), 70).footerSum();
    DBGrid2->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);

    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("输入赠品相关信息进行查询赠品："), this));
    search->addWidget(edtKey);
    search->addWidget(btnSearch);
    search->addStretch();
    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(QStringLiteral("单据的详细信息："), this));
    period->addWidget(lblName);
    period->addStretch();
    period->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    period->addWidget(dtFrom);
    period->addWidget(new QLabel(QStringLiteral("至"), this));
    period->addWidget(dtTo);
    period->addWidget(presets);
    period->addWidget(btnQuery);
    auto* box = new QVBoxLayout(this);
    box->addLayout(search);
    box->addWidget(DBGrid1, 1);
    box->addLayout(buttonRow({btnAdd, btnModi, btnDele, btnJh, btnExit}));
    box->addLayout(period);
    box->addWidget(DBGrid2, 1);

    onClicked(btnSearch, [this] { searchClick(); });
    onClicked(btnQuery, [this] { movementClick(); });
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnJh, [this] { btnJhClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(DBGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { movementClick(); }); });
}

void TF_Zpgl2::FormActivate()
{
    edtKey->clear();
    lblName->clear();
    const QDate today = Clock::today();
    dtFrom->setDate(QDate(today.year(), today.month(), 1));
    dtTo->setDate(today);
    searchClick();
}

bool TF_Zpgl2::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { searchClick(); });
        return true;
    }
    if (event->key() == Qt::Key_F3) {
        runGuarded([this] { movementClick(); });
        return true;
    }
    return false;
}

qint64 TF_Zpgl2::currentGift() const
{
    const int row = DBGrid1->currentRow();
    return row < 0 ? 0 : DBGrid1->value(row, QStringLiteral("id")).toLongLong();
}

void TF_Zpgl2::searchClick()
{
    DataModule->Q_Zpxx->open(giftListSql(edtKey->text()));
    movementClick();
}

void TF_Zpgl2::movementClick()
{
    const qint64 id = currentGift();
    if (id == 0) {
        lblName->clear();
        DataModule->Q_Zpmx->open(QStringLiteral("select * from jxc_zpjh where 1>2"));
        return;
    }
    lblName->setText(DBGrid1->value(DBGrid1->currentRow(), QStringLiteral("zp_name")));
    DataModule->Q_Zpmx->open(giftMovementSql(id, dtFrom->date(), dtTo->date()));
}

void TF_Zpgl2::btnAddClick()
{
    if (showForm(F_Zpgl2_Add) == QDialog::Accepted)
        searchClick();
}

void TF_Zpgl2::btnModiClick()
{
    const qint64 id = currentGift();
    if (id == 0)
        return;
    ensureForm(F_Zpgl2_Modi)->setGift(id);
    if (F_Zpgl2_Modi->showModalForm() == QDialog::Accepted) {
        DataModule->Q_Zpxx->refresh();
        DataModule->Q_Zpxx->locate(QStringLiteral("id"), QString::number(id));
        movementClick();
    }
}

void TF_Zpgl2::btnDeleClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    const QString sn = DBGrid1->value(row, QStringLiteral("zp_sn"));
    if (const QString refusal = giftDeleteRefusal(sn); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除该赠品信息吗？"), this))
        return;
    deleteGift(sn);
    searchClick();
}

void TF_Zpgl2::btnJhClick()
{
    const qint64 id = currentGift();
    if (id == 0)
        return;
    ensureForm(F_Zpgl2_Jh)->setGift(id);
    if (F_Zpgl2_Jh->showModalForm() == QDialog::Accepted) {
        DataModule->Q_Zpxx->refresh();
        DataModule->Q_Zpxx->locate(QStringLiteral("id"), QString::number(id));
        movementClick();
    }
}
