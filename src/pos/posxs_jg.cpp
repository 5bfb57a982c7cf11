#include "pos/posxs_jg.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "pos/posposting.h"
#include "pos/posxs.h"
#include "pos/tilllines.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Jg* F_Posxs_Jg = nullptr;

TF_Posxs_Jg::TF_Posxs_Jg(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Jg"));
    setWindowTitle(QStringLiteral("解挂"));
    period = makeQueryPeriod([this] { search(); });
    edtKey = new QLineEdit(this);
    edtKey->setObjectName(QStringLiteral("edtKey"));
    btnSearch = namedButton(this, "btnSearch", QStringLiteral("查询(F2)"));
    auto* filter = new QHBoxLayout;
    addQueryPeriod(filter, QStringLiteral("查询时间："), period);
    filter->addWidget(new QLabel(QStringLiteral("按会员编号或姓名查询："), this));
    filter->addWidget(edtKey);
    filter->addWidget(btnSearch);

    const QString money = QStringLiteral("￥,0.00;-￥,0.00");
    qHeld = new NamedQuery(QStringLiteral("Q_PosHeld"), QStringLiteral("select * from jxc_posxsd where 1>2"),
                           NamedQuery::Source::Main, this);
    gridHeld = new DataGrid(this);
    gridHeld->setObjectName(QStringLiteral("gridHeld"));
    gridHeld->setQuery(qHeld);
    gridHeld->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据编号"), 120).footerCount(QStringLiteral("记录数："));
    gridHeld->addColumn(QStringLiteral("pos_xsrq"), QStringLiteral("挂单日期"), 140);
    gridHeld->addColumn(QStringLiteral("hybh"), QStringLiteral("会员编号"), 90);
    gridHeld->addColumn(QStringLiteral("hyname"), QStringLiteral("会员姓名"), 90);
    gridHeld->addColumn(QStringLiteral("pos_yfje"), QStringLiteral("应付金额"), 90).setFormat(money).footerSum();
    gridHeld->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 80);
    connect(gridHeld, &DataGrid::rowClicked, this, [this] { runGuarded([this] { showLines(); }); });

    lblDetail = new QLabel(QStringLiteral("单据的详细信息"), this);
    lblDetail->setObjectName(QStringLiteral("lblDetail"));
    qLines = new NamedQuery(QStringLiteral("Q_PosHeldLines"), QStringLiteral("select * from jxc_posxssp where 1>2"),
                            NamedQuery::Source::Main, this);
    gridLines = new DataGrid(this);
    gridLines->setObjectName(QStringLiteral("gridHeldLines"));
    gridLines->setQuery(qLines);
    gridLines->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("记录数："));
    gridLines->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    gridLines->addColumn(QStringLiteral("pos_dj"), QStringLiteral("单价"), 80).setFormat(money);
    gridLines->addColumn(QStringLiteral("pos_dzl"), QStringLiteral("折扣"), 60).setFormat(QStringLiteral("0.00;0.00"));
    gridLines->addColumn(QStringLiteral("dhdj"), QStringLiteral("折后单价"), 80).setFormat(money);
    gridLines->addColumn(QStringLiteral("pos_sl"), QStringLiteral("数量"), 60).footerSum();
    gridLines->addColumn(QStringLiteral("pos_zje"), QStringLiteral("金额"), 90).setFormat(money).footerSum();

    btnResume = namedButton(this, "btnResume", QStringLiteral("解挂F5"));
    btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    auto* menu = new QMenu(btnPrint);
    menu->addAction(QStringLiteral("汇总表(&Y)"), this, [this] { runGuarded([this] { printList(false); }); });
    menu->addAction(QStringLiteral("明细表(&Z)"), this, [this] { runGuarded([this] { printList(true); }); });
    btnPrint->setMenu(menu);
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除F3"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出Esc"));
    auto* box = new QVBoxLayout(this);
    box->addLayout(filter);
    box->addWidget(gridHeld, 1);
    box->addWidget(lblDetail);
    box->addWidget(gridLines, 1);
    box->addLayout(buttonRow({btnResume, btnPrint, btnDel, btnExit}));
    onClicked(btnSearch, [this] { search(); });
    onClicked(btnResume, [this] { btnSaveClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnExit, [this] { reject(); });
    setEscCloses(true);
}

void TF_Posxs_Jg::FormActivate()
{
    period.set(todayText(), todayText());
    search();
}

void TF_Posxs_Jg::search()
{
    const QString like = likeAnyOf({"hyname", "hybh"}, edtKey->text());
    qHeld->open(QStringLiteral("select * from (select a.*,iif(b.hy_name is null,'',b.hy_name) as hyname,"
                               "iif(b.hy_bh is null,'',b.hy_bh) as hybh from jxc_posxsd a left outer join jxc_hyxx b "
                               "on a.hy_sn=b.hy_sn) where pos_note='gd' and pos_xsrq>='%1 00:00:00' and "
                               "pos_xsrq<='%2 23:59:59' and (%3) order by id")
                    .arg(sqlLit(period.d1()), sqlLit(period.d2()), like.isEmpty() ? QStringLiteral("1=1") : like));
    showLines();
}

void TF_Posxs_Jg::showLines()
{
    const QString djh = qHeld->fieldByName(QStringLiteral("gl_djh"));
    if (djh.isEmpty()) {
        qLines->close();
        lblDetail->setText(QStringLiteral("单据的详细信息"));
        return;
    }
    lblDetail->setText(QStringLiteral("单据 ") + djh + QStringLiteral(" 的详细信息"));
    qLines->open(QStringLiteral("select a.*,b.g_name,a.pos_dj*a.pos_dzl as dhdj from jxc_posxssp a,jxc_goods b "
                                "where a.g_sn=b.g_sn and gl_djh='%1' order by a.id")
                     .arg(sqlLit(djh)));
}

void TF_Posxs_Jg::btnSaveClick()
{
    const QString djh = qHeld->fieldByName(QStringLiteral("gl_djh"));
    if (djh.isEmpty())
        return;
    TF_Posxs* till = ensureForm(F_Posxs);
    const QString hySn = resumePosSale(djh);
    till->setInitValue(djh);
    if (!hySn.isEmpty()) {
        const TillMemberChoice m = tillMemberBySn(hySn);
        till->setMemberPanel(m);
        paramValue = m.balance.isEmpty() ? QStringLiteral("0") : m.balance;
    }
    msgInfo(QStringLiteral("解挂成功！"), this);
    accept();
}

void TF_Posxs_Jg::btnDelClick()
{
    const QString djh = qHeld->fieldByName(QStringLiteral("gl_djh"));
    if (djh.isEmpty())
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除单据信息吗！"), this))
        return;
    deleteHeldSale(djh);
    qHeld->refresh();
    showLines();
}

void TF_Posxs_Jg::printList(bool detail)
{
    Report rpt;
    rpt.loadTemplate(detail ? QStringLiteral("posjgmxb.fr3") : QStringLiteral("posjghzb.fr3"));
    rpt.setVariable(QStringLiteral("date1"), reportQuote(period.d1()));
    rpt.setVariable(QStringLiteral("date2"), reportQuote(period.d2()));
    rpt.setDataset(QStringLiteral("frxDBDataset1"), detail ? qLines : qHeld);
    rpt.preview(this);
}

bool TF_Posxs_Jg::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2: search(); return true;
    case Qt::Key_F3: btnDelClick(); return true;
    case Qt::Key_F5: btnSaveClick(); return true;
    default: break;
    }
    // Punctuation from "!" to "/" is dropped as typed in the key box, except "*".
    if (focusWidget() == edtKey && !event->text().isEmpty()) {
        const ushort c = event->text().at(0).unicode();
        if (c >= 33 && c <= 47 && c != '*')
            return true;
    }
    return false;
}
