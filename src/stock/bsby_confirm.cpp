#include "stock/bsby_confirm.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "stock/bsby.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Bsby_Confirm* F_Bsby_Confirm = nullptr;

QString fillBsbyConfirmation(const QString& djh)
{
    const bool loss = bsbyWindowKind() == BsbyKind::Loss;
    const QString p = loss ? QStringLiteral("bs") : QStringLiteral("by");
    const QString table = QLatin1String(bsbyLines().lineTable);
    const SqlParams byNumber{{QString(), djh}};
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_cfsptmp"));
    execSql(QStringLiteral("insert into jxc_cfsptmp (g_sn,g_name,tmp_cksl,tmp_ckje,tmp_currkc,tmp_kc) "
                           "select a.g_sn,b.g_name,a.%1_sl,a.%1_dj,b.g_kc,b.g_kc%3a.%1_sl from %2 a,jxc_goods b "
                           "where a.g_sn=b.g_sn and a.gl_djh=? order by a.id")
                .arg(p, table, loss ? QStringLiteral("-") : QStringLiteral("+")),
            byNumber);
    const QString amount = selectValue(QStringLiteral("select sum(%1_zje) as zje from %2 where gl_djh=?").arg(p, table), byNumber);
    tx.commit();
    return amount;
}

TF_Bsby_Confirm::TF_Bsby_Confirm(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Bsby_Confirm"));
    auto label = [](const char* name) {
        auto* l = new QLabel;
        l->setObjectName(QLatin1String(name));
        return l;
    };
    lbTitle = label("lbTitle");
    lbCkCaption = label("lbCkCaption");
    lbCk = label("lbCk");
    lbZje = label("lbZje");
    lbGoods = label("lbGoods");
    cxGrid1 = new DataGrid;
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(DataModule->Q_CfspTmp);
    cxGrid1->addColumn(QStringLiteral("g_name"), QString(), 160).footerCount(QStringLiteral("合计："));
    cxGrid1->addColumn(QStringLiteral("tmp_ckje"), QStringLiteral("成本价"), 80).setFormat(QStringLiteral("￥,0.00;-￥,0.00"));
    cxGrid1->addColumn(QStringLiteral("tmp_cksl"), QString(), 80);
    cxGrid1->addColumn(QStringLiteral("tmp_currkc"), QStringLiteral("当前库存数量"), 90);
    cxGrid1->addColumn(QStringLiteral("tmp_kc"), QString(), 100);

    auto* head = new QGridLayout;
    head->addWidget(lbTitle, 0, 0, 1, 2);
    head->addWidget(lbCkCaption, 1, 0);
    head->addWidget(lbCk, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("总金额：")), 2, 0);
    head->addWidget(lbZje, 2, 1);
    head->addWidget(lbGoods, 3, 0, 1, 2);
    auto* ok = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* quit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(cxGrid1, 1);
    layout->addLayout(buttonRow({ok, quit}));
    onClicked(ok, [this] { btnOKClick(); });
    onClicked(quit, [this] {
        modeFlag.clear();
        reject();
    });
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    resize(640, 420);
}

void TF_Bsby_Confirm::FormActivate()
{
    const bool loss = bsbyWindowKind() == BsbyKind::Loss;
    const QString kind = loss ? QStringLiteral("报损") : QStringLiteral("报溢");
    setWindowTitle(kind + QStringLiteral("确认"));
    lbTitle->setText(QStringLiteral("请确认您的") + kind + QStringLiteral("信息："));
    lbCkCaption->setText(kind + QStringLiteral("仓库："));
    lbCk->setText(bsbyWindowWarehouseName());
    lbGoods->setText(kind + QStringLiteral("商品信息："));
    cxGrid1->column(QStringLiteral("g_name"))->setCaption(kind + QStringLiteral("商品名称"));
    cxGrid1->column(QStringLiteral("tmp_cksl"))->setCaption(kind + QStringLiteral("数量"));
    cxGrid1->column(QStringLiteral("tmp_kc"))->setCaption(kind + QStringLiteral("后库存数量"));
    lbZje->setText(fillBsbyConfirmation(bsbyWindowNumber()));
    openQuery(DataModule->Q_CfspTmp, QStringLiteral("select * from jxc_cfsptmp order by id"));
}

void TF_Bsby_Confirm::FormClose()
{
    DataModule->Q_CfspTmp->close();
}

void TF_Bsby_Confirm::btnOKClick()
{
    modeFlag = QStringLiteral("OK");
    accept();
}
