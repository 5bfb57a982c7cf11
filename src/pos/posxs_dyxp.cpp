#include "pos/posxs_dyxp.h"

#include "bills/querykit.h"
#include "data/clock.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "pos/posposting.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Dyxp* F_Posxs_Dyxp = nullptr;

TF_Posxs_Dyxp::TF_Posxs_Dyxp(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Dyxp"));
    setWindowTitle(QStringLiteral("补打当天小票"));
    setMainAction([this] { btnPrintClick(); });
    setEscCloses(true);
    const QString money = QStringLiteral("￥,0.00;-￥,0.00");
    qSales = new NamedQuery(QStringLiteral("Q_PosReprint"), QStringLiteral("select * from jxc_posxsd where 1>2"),
                            NamedQuery::Source::Main, this);
    gridSales = new DataGrid(this);
    gridSales->setObjectName(QStringLiteral("gridSales"));
    gridSales->setQuery(qSales);
    gridSales->addColumn(QStringLiteral("gl_djh"), QStringLiteral("销售单号"), 120);
    gridSales->addColumn(QStringLiteral("pos_xsrq"), QStringLiteral("销售时间"), 140);
    gridSales->addColumn(QStringLiteral("hy_bh"), QStringLiteral("会员编号"), 90);
    gridSales->addColumn(QStringLiteral("hy_name"), QStringLiteral("会员姓名"), 90);
    gridSales->addColumn(QStringLiteral("pos_yfje"), QStringLiteral("应付金额"), 90).setFormat(money);
    gridSales->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 80);
    connect(gridSales, &DataGrid::rowClicked, this, [this] { runGuarded([this] { showLines(); }); });
    lblDetail = new QLabel(this);
    lblDetail->setObjectName(QStringLiteral("lblDetail"));
    qLines = new NamedQuery(QStringLiteral("Q_PosReprintLines"), QStringLiteral("select * from jxc_posxssp where 1>2"),
                            NamedQuery::Source::Main, this);
    gridLines = new DataGrid(this);
    gridLines->setObjectName(QStringLiteral("gridLines"));
    gridLines->setQuery(qLines);
    gridLines->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    gridLines->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    gridLines->addColumn(QStringLiteral("pos_dj"), QStringLiteral("单价"), 80).setFormat(money);
    gridLines->addColumn(QStringLiteral("pos_dzl"), QStringLiteral("折扣"), 60);
    gridLines->addColumn(QStringLiteral("dhdj"), QStringLiteral("折后单价"), 80).setFormat(money);
    gridLines->addColumn(QStringLiteral("pos_sl"), QStringLiteral("数量"), 60);
    gridLines->addColumn(QStringLiteral("pos_zje"), QStringLiteral("金额"), 90).setFormat(money);
    btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印F5"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出Esc"));
    auto* box = new QVBoxLayout(this);
    box->addWidget(gridSales, 1);
    box->addWidget(lblDetail);
    box->addWidget(gridLines, 1);
    box->addLayout(buttonRow({btnPrint, btnExit}));
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Posxs_Dyxp::FormActivate()
{
    const QString today = sqlLit(todayText());
    qSales->open(QStringLiteral("select a.*,b.hy_name,b.hy_bh from jxc_posxsd a left outer join jxc_hyxx b "
                                "on a.hy_sn=b.hy_sn where a.pos_xsrq>='%1 00:00:00' and a.pos_xsrq<='%1 23:59:59' "
                                "and (a.pos_note<>'gd' or a.pos_note is null) order by a.id desc")
                     .arg(today));
    showLines();
}

void TF_Posxs_Dyxp::showLines()
{
    const QString djh = qSales->fieldByName(QStringLiteral("gl_djh"));
    if (djh.isEmpty()) {
        qLines->close();
        lblDetail->clear();
        return;
    }
    lblDetail->setText(QStringLiteral("单据 ") + djh + QStringLiteral(" 的详细信息"));
    qLines->open(QStringLiteral("select a.*,b.g_name,a.pos_dj*a.pos_dzl as dhdj from jxc_posxssp a,jxc_goods b "
                                "where a.g_sn=b.g_sn and gl_djh='%1' order by a.id")
                     .arg(sqlLit(djh)));
}

void TF_Posxs_Dyxp::btnPrintClick()
{
    const QString djh = qSales->fieldByName(QStringLiteral("gl_djh"));
    if (!djh.isEmpty())
        printXp(djh, this);
}
