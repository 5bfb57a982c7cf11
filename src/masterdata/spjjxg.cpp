#include "masterdata/spjjxg.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "masterdata/spjjxg_modi.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Spjjxg* F_Spjjxg = nullptr;

TF_Spjjxg::TF_Spjjxg(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spjjxg"));
    setWindowTitle(QStringLiteral("商品均价修改"));
    setEscCloses(true);
    resize(900, 560);

    auto tool = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    btnModi = tool("btnModi", QStringLiteral("修改均价"));
    btnExport = tool("btnExport", QStringLiteral("导出"));
    btnPrint = tool("btnPrint", QStringLiteral("打印"));
    btnExit = tool("btnExit", QStringLiteral("退出"));
    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    tKey->setPlaceholderText(QStringLiteral("回车键开始查询"));
    installKeyFilter(tKey);
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    chkZero = new QCheckBox(QStringLiteral("只显示成本均价为零的商品"), this);
    chkZero->setObjectName(QStringLiteral("chkZero"));
    btnQuery = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnQuery->setObjectName(QStringLiteral("btnQuery"));
    btnQuery->setAutoDefault(false);

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("记录数："));
    cxGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"));
    cxGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid1->addColumn(QStringLiteral("ck_name"), QStringLiteral("仓库名称"));
    cxGrid1->addColumn(QStringLiteral("kc_cbj"), QStringLiteral("本库成本均价")).setFormat(QStringLiteral("￥,0.00;-￥,0.00"));
    cxGrid1->addColumn(QStringLiteral("kc_sl"), QStringLiteral("本库存量")).footerSum();
    cxGrid1->setQuery(DataModule ? DataModule->Q_Spjj : nullptr);

    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {btnModi, btnExport, btnPrint, btnExit})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("输入商品编号/名称："), this));
    filters->addWidget(tKey, 1);
    filters->addWidget(new QLabel(QStringLiteral("请选择仓库："), this));
    filters->addWidget(comCk);
    filters->addWidget(chkZero);
    filters->addWidget(btnQuery);
    auto* main = new QVBoxLayout(this);
    main->addLayout(bar);
    main->addLayout(filters);
    main->addWidget(cxGrid1, 1);

    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnExport, [this] { cxGrid1->exportWithDialog(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnQuery, [this] { btnQueryClick(); });
    auto requery = [this] {
        if (!m_loading)
            runGuarded([this] { btnQueryClick(); });
    };
    connect(comCk, &QComboBox::currentIndexChanged, this, requery);
    connect(chkZero, &QCheckBox::clicked, this, requery);
}

void TF_Spjjxg::FormActivate()
{
    m_loading = true;
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    tKey->clear();
    chkZero->setChecked(false);
    m_loading = false;
    btnQueryClick();
}

bool TF_Spjjxg::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F2)
        return false;
    runGuarded([this] { btnQueryClick(); });
    return true;
}

void TF_Spjjxg::FormClose()
{
    DataModule->Q_Spjj->close();
}

void TF_Spjjxg::btnQueryClick()
{
    const QString key = sqlSafe(tKey->text().trimmed());
    QString sql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.ck_name from jxc_kcsp a,jxc_goods b,jxc_ckxx c "
                                 "where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn and b.g_jy=0 and b.g_sn<>'00000000' and "
                                 "(b.g_sn like '%%1%' or b.g_jm like '%%1%' or b.g_name like '%%1%')")
                      .arg(key);
    const QString code = comCk->currentCodeOrEmpty();
    if (!code.isEmpty() && code != CodeComboBox::AllCode)
        sql += QStringLiteral(" and a.ck_sn='%1' ").arg(sqlSafe(code));
    if (chkZero->isChecked())
        sql += QStringLiteral(" and a.kc_cbj=0 ");
    openQuery(DataModule->Q_Spjj, sql + QStringLiteral(" order by a.g_sn"));
}

void TF_Spjjxg::btnModiClick()
{
    const int row = cxGrid1->currentRow();
    if (cxGrid1->rowCount() == 0 || row < 0)
        return;
    DataModule->Q_Spjj->setCurrentRow(row);
    showForm(F_Spjjxg_Modi);
}

void TF_Spjjxg::btnPrintClick()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品均价信息");
    spec.headerLines = {QStringLiteral("操作员：[aName]    打印时间：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("序号"), QString(), 12, ReportHAlign::Center},
                    {QStringLiteral("商品编号"), QStringLiteral("g_sn"), 25},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("规格型号"), QStringLiteral("gg_name"), 25},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("仓库名称"), QStringLiteral("ck_name"), 25},
                    {QStringLiteral("库存数量"), QStringLiteral("kc_sl"), 20, ReportHAlign::Right},
                    {QStringLiteral("成本均价"), QStringLiteral("kc_cbj"), 20, ReportHAlign::Right, QStringLiteral("0.00")}};
    ReportTemplate layout = reportListLayout(spec);
    for (ReportBand& band : layout.bands)
        if (!band.dataset.isEmpty() && !band.objects.isEmpty())
            band.objects.first().text = QStringLiteral("[Line#]");  // the first column numbers the rows
    Report report;
    report.setLayout(layout);
    report.clearVariables();
    report.setVariable(QStringLiteral("aName"), reportQuote(operatorName));
    report.setDataset(spec.dataset, cxGrid1->shownResult());
    report.preview(this);
}
