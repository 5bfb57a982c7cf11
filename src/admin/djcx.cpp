#include "admin/djcx.h"

#include "admin/djcx_print.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TF_Djcx* F_Djcx = nullptr;

namespace {

// One kind of document: its header table and the expressions of the list's fields.
struct DocKind {
    int sort;
    const char* table;
    const char* djh;
    const char* rq;
    const char* yfje;
    const char* sfje;
    const char* zflx;
    const char* note;
    const char* partner;  // "ghs", "kh" or "" for none
    const char* warehouse;  // the header's warehouse column, "" for none
    const char* djh2;
};

const DocKind kKinds[] = {
    {1, "jxc_jhd", "a.j_sn", "a.j_jhrq", "a.j_yfje", "a.j_sfje", "'采购进货单'", "a.j_note", "ghs", "ck_sn", "a.j_sn2"},
    {2, "jxc_thd", "a.gl_djh", "a.th_thrq", "a.th_yfje", "a.th_sfje", "'采购退货单'", "a.th_note", "ghs", "ck_sn", "''"},
    {3, "jxc_ghsfk", "a.gf_sn", "a.gf_fkrq", "iif(a.gf_fkje<0,-a.gf_fkje,0)", "iif(a.gf_fkje>0,a.gf_fkje,0)", "a.gf_fkfs",
     "a.gf_note", "ghs", "", "'------'"},
    {4, "jxc_lsxsd", "a.gl_djh", "a.ls_xsrq", "a.ls_yfje", "a.ls_sfje", "'商品销售单'", "a.ls_note", "kh", "ck_sn",
     "a.gl_djh2"},
    {5, "jxc_xsthd", "a.gl_djh", "a.th_xsrq", "a.th_yfje", "a.th_sfje", "'顾客退货单'", "a.th_note", "kh", "ck_sn", "''"},
    {6, "jxc_khfk", "a.kf_sn", "a.kf_fkrq", "iif(a.kf_fkje<0,-a.kf_fkje,0)", "iif(a.kf_fkje>0,a.kf_fkje,0)", "a.kf_fkfs",
     "a.kf_note", "kh", "", "'------'"},
    {7, "jxc_kcdbd", "a.gl_djh", "a.db_dbrq", "0", "0", "'库存调拨单'", "a.db_note", "", "ck_out", "'------'"},
    {8, "jxc_bsd", "a.gl_djh", "a.bs_bsrq", "0", "0", "'商品报损单'", "a.bs_note", "", "ck_sn", "'------'"},
    {9, "jxc_byd", "a.gl_djh", "a.by_byrq", "0", "0", "'商品报溢单'", "a.by_note", "", "ck_sn", "'------'"},
};

QString kindSql(const DocKind& k)
{
    const QString partner = QString::fromLatin1(k.partner);
    const QString warehouse = QString::fromLatin1(k.warehouse);
    QString ghskh = QStringLiteral("'---------'");
    QString from = QString::fromLatin1(k.table) + QStringLiteral(" a inner join jxc_user u on a.u_sn=u.u_sn");
    if (partner == QLatin1String("ghs")) {
        ghskh = QStringLiteral("p.ghs_name");
        from += QStringLiteral(" inner join jxc_ghsxx p on a.ghs_sn=p.ghs_sn");
    } else if (partner == QLatin1String("kh")) {
        ghskh = QStringLiteral("p.kh_name");
        from += QStringLiteral(" inner join jxc_khxx p on a.kh_sn=p.kh_sn");
    }
    QString ckName = QStringLiteral("'------'");
    if (!warehouse.isEmpty()) {
        ckName = QStringLiteral("c.ck_name");
        from += QStringLiteral(" inner join jxc_ckxx c on a.") + warehouse + QStringLiteral("=c.ck_sn");
    }
    return QStringLiteral("select %1 as djh,%2 as rq,%3 as yfje,%4 as sfje,%5 as zflx,%6 as dnote,a.a_name,%7 as ghskh,"
                          "u.u_name,%8 as ck_name,%9 as djh2,%10 as dsort from ")
               .arg(QString::fromLatin1(k.djh), QString::fromLatin1(k.rq), QString::fromLatin1(k.yfje),
                    QString::fromLatin1(k.sfje), QString::fromLatin1(k.zflx), QString::fromLatin1(k.note), ghskh, ckName,
                    QString::fromLatin1(k.djh2), QString::number(k.sort))
        + from;
}

}  // namespace

QString djcxListSql()
{
    QStringList parts;
    for (const DocKind& k : kKinds)
        parts << kindSql(k);
    return QStringLiteral("select * from (") + parts.join(QStringLiteral(" union all ")) + QStringLiteral(") order by dsort,djh");
}

QString djcxLinesSql(const QString& djh)
{
    struct Lines {
        const char* prefix;
        const char* table;
        const char* quantity;
        const char* key;
    };
    static const Lines kLines[] = {
        {"CJ", "jxc_jhsp", "jh_sl", "j_sn"},   {"CT", "jxc_thsp", "th_sl", "gl_djh"}, {"XS", "jxc_lsxssp", "ls_sl", "gl_djh"},
        {"XT", "jxc_xsthsp", "th_sl", "gl_djh"}, {"DB", "jxc_dbsp", "db_sl", "gl_djh"}, {"BS", "jxc_bssp", "bs_sl", "gl_djh"},
        {"BY", "jxc_bysp", "by_sl", "gl_djh"},
    };
    const QString prefix = djh.left(2).toUpper();
    for (const Lines& l : kLines) {
        if (prefix == QLatin1String(l.prefix))
            return QStringLiteral("select a.%1 as sl,b.g_sn,b.g_name,b.dw_name,b.gg_name,b.color_name from %2 a,jxc_goods b "
                                  "where a.g_sn=b.g_sn and a.%3='%4' order by a.id")
                .arg(QString::fromLatin1(l.quantity), QString::fromLatin1(l.table), QString::fromLatin1(l.key),
                     QString(djh).replace(QLatin1Char('\''), QStringLiteral("''")));
    }
    return {};
}

TF_Djcx::TF_Djcx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Djcx"));
    setWindowTitle(QStringLiteral("单据查询"));
    setEscCloses(true);
    resize(960, 600);

    btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(btnView);
    bar->addWidget(btnExit);
    bar->addStretch();
    auto* note = new QLabel(QStringLiteral("说明：单据查询可以查询系统中的所有有关库存操作的单据，包括：\n"
                                           "采购进货单、采购退货单、销售单、销售退货单、库存调拨单、库存报损单、库存报溢单等。"),
                            this);
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setPlaceholderText(QStringLiteral("回车键开始查询"));
    installKeyFilter(tname);
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("输入单据号、原始单号或备注信息进行查询："), this));
    search->addWidget(tname, 1);
    search->addWidget(btnQuery);

    const QString money = QStringLiteral("￥,0.00;-￥,0.00");
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Djcx1);
    DBGrid1->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110).footerText(QStringLiteral("单据合计："));
    DBGrid1->addColumn(QStringLiteral("rq"), QStringLiteral("开单日期"), 130).footerCount();
    DBGrid1->addColumn(QStringLiteral("zflx"), QStringLiteral("单据类型"), 80);
    DBGrid1->addColumn(QStringLiteral("ghskh"), QStringLiteral("供货商/客户"), 120);
    DBGrid1->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 80);
    DBGrid1->addColumn(QStringLiteral("yfje"), QStringLiteral("应付金额"), 80).setFormat(money);
    DBGrid1->addColumn(QStringLiteral("sfje"), QStringLiteral("实付金额"), 80).setFormat(money);
    DBGrid1->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    DBGrid1->addColumn(QStringLiteral("djh2"), QStringLiteral("原始单号"), 90);
    DBGrid1->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 140);
    DBGrid1->addColumn(QStringLiteral("a_name")).setHidden();
    DBGrid1->addColumn(QStringLiteral("dsort")).setHidden();

    lblDetail = new QLabel(QStringLiteral("单据的详细内容："), this);
    lblDetail->setObjectName(QStringLiteral("lblDetail"));
    DBGrid2 = new DataGrid(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setQuery(DataModule->Q_Djcx2);
    DBGrid2->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerCount(QStringLiteral("记录数："));
    DBGrid2->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 160);
    DBGrid2->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid2->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 90);
    DBGrid2->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60).setHidden();
    DBGrid2->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 70).footerSum().footerRed();

    auto* grid = new QGridLayout(this);
    grid->addLayout(bar, 0, 0);
    grid->addWidget(note, 1, 0);
    grid->addLayout(search, 2, 0);
    grid->addWidget(DBGrid1, 3, 0);
    grid->addWidget(lblDetail, 4, 0);
    grid->addWidget(DBGrid2, 5, 0);
    grid->setRowStretch(3, 3);
    grid->setRowStretch(5, 2);

    onClicked(btnQuery, [this] { searchKeys(); });
    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(tname, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { searchKeys(); }); });
    connect(DataModule->Q_Djcx1, &NamedQuery::currentRowChanged, this, [this] { runGuarded([this] { setDjDetail(); }); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
}

void TF_Djcx::FormActivate()
{
    tname->clear();
    setInitValue();
}

void TF_Djcx::FormClose()
{
    DataModule->Q_Djcx1->close();
    DataModule->Q_Djcx2->close();
}

bool TF_Djcx::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { searchKeys(); });
        return true;
    }
    return false;
}

void TF_Djcx::setInitValue()
{
    DBGrid1->clearFilter();
    openQuery(DataModule->Q_Djcx1, djcxListSql());
    setDjDetail();
}

void TF_Djcx::setDjDetail()
{
    const int row = DBGrid1->currentRow();
    if (DBGrid1->rowCount() == 0 || row < 0) {
        DataModule->Q_Djcx2->close();
        lblDetail->clear();
        return;
    }
    const QString djh = DBGrid1->value(row, QStringLiteral("djh"));
    lblDetail->setText(QStringLiteral("单据") + djh + QStringLiteral("的详细内容："));
    const QString sql = djcxLinesSql(djh);
    if (sql.isEmpty())
        DataModule->Q_Djcx2->close();
    else
        openQuery(DataModule->Q_Djcx2, sql);
}

void TF_Djcx::searchKeys()
{
    // The loaded rows are filtered; the database is not asked again.
    const QString key = sqlSafe(tname->text().trimmed());
    if (key.isEmpty())
        DBGrid1->clearFilter();
    else
        DBGrid1->setFilter({{QStringLiteral("djh"), FilterOp::Like, key},
                            {QStringLiteral("djh2"), FilterOp::Like, key},
                            {QStringLiteral("dnote"), FilterOp::Like, key}});
    setDjDetail();
}

void TF_Djcx::btnViewClick()
{
    const int row = DBGrid1->currentRow();
    if (DBGrid1->rowCount() == 0 || row < 0)
        return;
    previewDocument(DBGrid1->value(row, QStringLiteral("djh")), this);
}
