#include "stock/kcpd_mx.h"

#include "bills/querykit.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "stock/stocksql.h"

#include <QPushButton>
#include <QVBoxLayout>

TF_Kcpd_Mx* F_Kcpd_Mx = nullptr;

QString kcpdDetailSql(const QString& gSn, const QString& lineId)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,a.t_sl-a.t_oldsl as cysl,(a.t_sl-a.t_oldsl)*a.g_sj "
                          "as cyje,c.cm_name,d.color_name from jxc_kcpdmx a,jxc_goods b,jxc_cm c,jxc_color d where "
                          "a.g_sn=b.g_sn and a.cm_sn=c.cm_sn and a.color_sn=d.color_sn and a.g_sn=%1 and a.tid=%2 "
                          "order by a.id")
        .arg(sqlText(gSn), sqlNum(lineId.toLongLong()));
}

ReportListSpec kcpdDetailPrint()
{
    return {.title = QStringLiteral("商品盘盈盘亏明细表"),
            .columns = {listColumn("商品编号", "g_sn", 24), listColumn("商品名称", "g_name", 36),
                        listColumn("颜色", "color_name", 16), listColumn("尺码", "cm_name", 14),
                        listNumber("单价", "g_sj", 18, true, false), listNumber("库存数量", "t_oldsl", 18, false),
                        listNumber("盘点数量", "t_sl", 18, false), listNumber("盈亏数量", "cysl", 18, false),
                        listNumber("盈亏金额", "cyje", 22, true)},
            .headerLines = {QStringLiteral("打印时间：[DATE] [TIME]")},
            .summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")}};
}

TF_Kcpd_Mx::TF_Kcpd_Mx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcpd_Mx"));
    setWindowTitle(QStringLiteral("商品盘点明细"));
    setEscCloses(true);
    resize(860, 480);

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100).footerCount(QStringLiteral("记录数："));
    cxGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"));
    cxGrid1->addColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"));
    cxGrid1->addColumn(QStringLiteral("g_sj"), QStringLiteral("单价"));
    cxGrid1->addColumn(QStringLiteral("t_oldsl"), QStringLiteral("库存数量")).footerSum();
    cxGrid1->addColumn(QStringLiteral("t_sl"), QStringLiteral("盘点数量")).footerSum();
    cxGrid1->addColumn(QStringLiteral("cysl"), QStringLiteral("盈亏数量")).footerSum();
    cxGrid1->addColumn(QStringLiteral("cyje"), QStringLiteral("盈亏金额"))
        .setFormat(QStringLiteral("￥,0.00;-￥,0.00"))
        .footerSum();
    cxGrid1->setQuery(DataModule ? DataModule->Q_KcpdMx : nullptr);

    btnPrint = namedButton(this, "btnPrint", QStringLiteral("打印"));
    btnExport = namedButton(this, "btnExport", QStringLiteral("导出"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxGrid1, 1);
    layout->addLayout(buttonRow({btnPrint, btnExport, btnExit}));

    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Kcpd_Mx::FormActivate()
{
    openQuery(DataModule->Q_KcpdMx, kcpdDetailSql(curGoodsSn, paramValue));
}

void TF_Kcpd_Mx::btnPrintClick()
{
    previewGridList(kcpdDetailPrint(), cxGrid1, {}, this);
}

void TF_Kcpd_Mx::btnExportClick()
{
    if (cxGrid1->rowCount() > 0)
        cxGrid1->exportWithDialog();
}

void TF_Kcpd_Mx::FormClose()
{
    DataModule->Q_KcpdMx->close();
    curGoodsSn.clear();
    paramValue.clear();
    detailTable.clear();
}
