#include "sales/xsjth.h"

#include "admin/djcx_print.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "purchasing/purchasequery.h"
#include "sales/xsth_search.h"
#include "shell/commands.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Xsjth* F_Xsjth = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;-￥,0.00");

}  // namespace

QString xsjthBillsSql(const XsjthFilter& f)
{
    auto part = [](const char* head, const char* p, const QString& due, const QString& discount, const char* kind,
                   const char* sort) {
        return QStringLiteral("select a.gl_djh as djh,a.%1_xsrq as rq,b.kh_name,b.kh_jm,d.ck_name,%2 as yfje,a.%1_sfje as "
                              "sfje,a.%1_yfje-a.%1_sfje as wfje,%3 as yhje,'%4' as fktype,c.u_name,a.a_name,a.%1_note as "
                              "dnote,'%5' as dsort,a.kh_sn,a.ck_sn,a.u_sn from %6 a join jxc_khxx b on a.kh_sn=b.kh_sn "
                              "join jxc_user c on a.u_sn=c.u_sn join jxc_ckxx d on a.ck_sn=d.ck_sn")
            .arg(QLatin1String(p), due, discount, QString::fromUtf8(kind), QLatin1String(sort), QLatin1String(head));
    };
    QString s = QStringLiteral("select * from (") +
                part("jxc_lsxsd", "ls", QStringLiteral("a.ls_yfje+a.ls_yhje"), QStringLiteral("a.ls_yhje"), "商品销售", "1") +
                QStringLiteral(" union all ") +
                part("jxc_xsthd", "th", QStringLiteral("a.th_yfje"), QStringLiteral("0"), "销售退货", "2") +
                QStringLiteral(") where rq>='%1' and rq<='%2 23:59:59'").arg(sqlLit(f.d1), sqlLit(f.d2));
    const QString key = likeAnyOf({"kh_sn", "kh_jm", "kh_name", "djh"}, f.key);
    if (!key.isEmpty())
        s += QStringLiteral(" and ") + key;
    return s + f.extra.sql() + QStringLiteral(" order by rq desc,dsort,djh desc");
}

QString xsjthLinesSql(const QString& djh)
{
    return QStringLiteral("select *,iif(gl_flag='xt',-1*gl_sl,gl_sl) as sl,iif(gl_flag='xt',-1*gl_zje,gl_zje) as zje "
                          "from jxc_goodslist where gl_djh='%1' order by id")
        .arg(sqlLit(djh));
}

TF_Xsjth::TF_Xsjth(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Xsjth"));
    setWindowTitle(QStringLiteral("商品销售/退货查询"));
    setEscCloses(true);
    auto* btnView = namedButton(this, "btnView", QStringLiteral("查看单据"));
    auto* btnFind = namedButton(this, "btnFind", QStringLiteral("详细查找"));
    auto* btnQuick = new QToolButton(this);
    btnQuick->setObjectName(QStringLiteral("btnQuick"));
    btnQuick->setText(QStringLiteral("数据过滤"));
    btnQuick->setPopupMode(QToolButton::InstantPopup);
    auto* btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    period = makeQueryPeriod([this] { btnSearchClick(); });
    tKey = nameBox(this, "tKey", 50);
    installKeyFilter(tKey);
    auto* btnSearch = namedButton(this, "btnSearch", QStringLiteral("查询(F2)"));

    auto* quick = new QMenu(this);
    const std::pair<const char*, XsjthQuick> items[] = {{"所有单据(&V)", XsjthQuick::All},
                                                        {"销售单(&W)", XsjthQuick::Sales},
                                                        {"退货单(&X)", XsjthQuick::Returns},
                                                        {"欠款单据查询(&Y)", XsjthQuick::Owed},
                                                        {"优惠单据查询(&Z)", XsjthQuick::Discounted}};
    int n = 0;
    for (const auto& [caption, q] : items) {
        const QByteArray name = "N_Quick" + QByteArray::number(++n);
        addMenuItem(quick, QString::fromUtf8(caption), name.constData(), this, [this, q] { setQuick(q); });
        if (n == 3)
            quick->addSeparator();
    }
    btnQuick->setMenu(quick);

    gridBills = new DataGrid;
    gridBills->setObjectName(QStringLiteral("gridBills"));
    gridBills->setQuery(DataModule->Q_Xsjth);
    gridBills->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110).footerText(QStringLiteral("单据合计："));
    gridBills->addColumn(QStringLiteral("rq"), QStringLiteral("开单日期"), 90).footerCount();
    gridBills->addColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 120);
    gridBills->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"), 80);
    const std::pair<const char*, const char*> money[] = {
        {"yfje", "应收金额"}, {"sfje", "实收金额"}, {"wfje", "欠款金额"}, {"yhje", "优惠金额"}};
    for (const auto& [field, caption] : money)
        gridBills->addColumn(QLatin1String(field), QString::fromUtf8(caption), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridBills->addColumn(QStringLiteral("fktype"), QStringLiteral("单据类型"), 70);
    gridBills->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 60);
    gridBills->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 60);
    gridBills->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 120);
    attachGridMenu(gridBills, quick);

    lblLines = new QLabel(QStringLiteral("单据详细信息："), this);
    lblLines->setObjectName(QStringLiteral("lblLines"));
    auto* lnkDetail = new QLabel(QStringLiteral("<a href=\"#\">查看详细数量</a>"), this);
    lnkDetail->setObjectName(QStringLiteral("lnkDetail"));
    gridLines = new DataGrid;
    gridLines->setObjectName(QStringLiteral("gridLines"));
    gridLines->setQuery(DataModule->Q_Xsjth2);
    gridLines->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount();
    gridLines->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    gridLines->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    gridLines->addColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70).setFormat(kMoney);
    gridLines->addColumn(QStringLiteral("sl"), QStringLiteral("数量"), 60).footerSum();
    gridLines->addColumn(QStringLiteral("gl_dzl"), QStringLiteral("打折率"), 60).setFormat(QStringLiteral("0.00;-0.00"));
    gridLines->addColumn(QStringLiteral("zje"), QStringLiteral("总金额"), 90).setFormat(kMoney).footerSum(QString(), kMoney);
    gridLines->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);

    auto* toolbar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnView, btnFind, btnQuick, btnExport, btnExit})
        toolbar->addWidget(w);
    toolbar->addStretch(1);
    auto* filterRow = new QHBoxLayout;
    addQueryPeriod(filterRow, QStringLiteral("查询日期："), period);
    filterRow->addWidget(new QLabel(QStringLiteral("按客户/单据号查询：")));
    filterRow->addWidget(tKey, 1);
    filterRow->addWidget(btnSearch);
    auto* linesRow = new QHBoxLayout;
    linesRow->addWidget(lblLines, 1);
    linesRow->addWidget(lnkDetail);
    auto* main = new QVBoxLayout(this);
    main->addLayout(toolbar);
    main->addLayout(filterRow);
    main->addWidget(gridBills, 3);
    main->addLayout(linesRow);
    main->addWidget(gridLines, 2);
    resize(1000, 640);

    onClicked(btnView, [this] { btnViewClick(); });
    onClicked(btnFind, [this] { btnFindClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnSearch, [this] { btnSearchClick(); });
    connect(lnkDetail, &QLabel::linkActivated, this, [this] { runGuarded([this] { detailClick(); }); });
    connect(gridBills, &DataGrid::currentRowChanged, this, [this] { runGuarded([this] { billChanged(); }); });
    connect(gridBills, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnViewClick(); }); });
}

void TF_Xsjth::FormActivate()
{
    tKey->clear();
    period.fromPreviousMonth();
    btnSearchClick();
}

bool TF_Xsjth::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        btnSearchClick();
        return true;
    }
    return false;
}

void TF_Xsjth::btnSearchClick()
{
    openQuery(DataModule->Q_Xsjth, xsjthBillsSql({period.d1(), period.d2(), tKey->text(), m_extra}));
    setQuick(m_quick);
}

void TF_Xsjth::setQuick(XsjthQuick quick)
{
    m_quick = quick;
    switch (quick) {
    case XsjthQuick::All:
        gridBills->clearFilter();
        break;
    case XsjthQuick::Sales:
    case XsjthQuick::Returns:
        gridBills->setFilter({{QStringLiteral("djh"), FilterOp::Like,
                               quick == XsjthQuick::Sales ? QStringLiteral("XS") : QStringLiteral("XT")}});
        break;
    case XsjthQuick::Owed:
    case XsjthQuick::Discounted:
        gridBills->setFilter({{quick == XsjthQuick::Owed ? QStringLiteral("wfje") : QStringLiteral("yhje"),
                               FilterOp::NotEqual, QStringLiteral("0")}});
        break;
    }
    billChanged();
}

void TF_Xsjth::billChanged()
{
    const int row = gridBills->currentRow();
    if (row < 0) {
        lblLines->setText(QStringLiteral("单据详细信息："));
        DataModule->Q_Xsjth2->close();
        return;
    }
    const QString djh = gridBills->value(row, QStringLiteral("djh"));
    lblLines->setText(QStringLiteral("单据详细信息：") + djh + QStringLiteral("  ") +
                      gridBills->value(row, QStringLiteral("kh_name")));
    openQuery(DataModule->Q_Xsjth2, xsjthLinesSql(djh));
}

void TF_Xsjth::btnFindClick()
{
    const auto answer = runXsthSearch(QStringLiteral("xsdjcx"));
    if (!answer)
        return;
    applySearch({answer->d1, answer->d2, answer->partner, answer->ckSn, answer->opName});
}

void TF_Xsjth::applySearch(const XsjthSearch& answer)
{
    period.set(answer.d1, answer.d2);
    tKey->setText(answer.customer.trimmed());
    m_extra.set(answer.ckSn, answer.opName);
    btnSearchClick();
}

void TF_Xsjth::btnViewClick()
{
    const int row = gridBills->currentRow();
    if (row < 0)
        return;
    curKhSn = gridBills->value(row, QStringLiteral("kh_sn"));
    previewDocument(gridBills->value(row, QStringLiteral("djh")), this);
}

void TF_Xsjth::detailClick()
{
    const int row = gridLines->currentRow();
    if (gridBills->rowCount() == 0 || row < 0)
        return;
    showLineDetail(gridLines->value(row, QStringLiteral("gl_flag")), gridLines->value(row, QStringLiteral("g_sn")),
                   gridLines->value(row, QStringLiteral("tid")));
}

void TF_Xsjth::btnExportClick()
{
    if (gridBills->rowCount() > 0)
        gridBills->exportWithDialog();
}
