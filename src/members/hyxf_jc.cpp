#include "members/hyxf_jc.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "members/hycs_modi.h"
#include "members/hygl_sf.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Hyxf_Jc* F_Hyxf_Jc = nullptr;

namespace {

DataGrid* itemGrid(QWidget* parent, const char* name, NamedQuery* query)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setQuery(query);
    g->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    g->addColumn(QStringLiteral("g_name"), QStringLiteral("计次商品"), 140);
    g->addColumn(QStringLiteral("hc_rq"), QStringLiteral("添加日期"), 130);
    g->addColumn(QStringLiteral("hc_je"), QStringLiteral("续费金额"), 80).footerSum();
    g->addColumn(QStringLiteral("hc_cs"), QStringLiteral("使用次数"), 70).footerSum();
    g->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    g->addColumn(QStringLiteral("hc_note"), QStringLiteral("备注"), 160);
    return g;
}

}  // namespace

TF_Hyxf_Jc::TF_Hyxf_Jc(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hyxf_Jc"));
    setWindowTitle(QStringLiteral("计次卡续费"));
    setEscCloses(true);
    resize(760, 520);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    auto* page1 = new QWidget(PageControl1);
    auto* card = new QGroupBox(QStringLiteral("会员卡信息"), page1);
    auto label = [card](const char* name) {
        auto* l = new QLabel(card);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblBh = label("lblBh");
    lblName = label("lblName");
    lblZhje = label("lblZhje");
    auto* cardRow = new QHBoxLayout(card);
    for (auto [caption, value] : {std::pair{QStringLiteral("会员卡号"), lblBh}, std::pair{QStringLiteral("会员姓名"), lblName},
                                  std::pair{QStringLiteral("卡内余额"), lblZhje}}) {
        cardRow->addWidget(new QLabel(caption, card));
        cardRow->addWidget(value);
    }
    cardRow->addStretch();
    auto* items = new QGroupBox(QStringLiteral("该会员已存在的计次项目"), page1);
    DBGrid1 = itemGrid(items, "DBGrid1", DataModule->Q_Hycs);
    auto* itemsBox = new QVBoxLayout(items);
    itemsBox->addWidget(DBGrid1);
    btnNew = namedButton(page1, "btnNew", QStringLiteral("添加新的计次项目"));
    btnExit = namedButton(page1, "btnExit", QStringLiteral("退出"));
    auto* box1 = new QVBoxLayout(page1);
    box1->addWidget(card);
    box1->addWidget(items);
    box1->addLayout(buttonRow({btnNew, btnExit}));
    PageControl1->addTab(page1, QStringLiteral("该会员计次消费情况"));

    auto* page2 = new QWidget(PageControl1);
    DBGrid2 = itemGrid(page2, "DBGrid2", DataModule->Q_Hycstmp);
    btnAdd = namedButton(page2, "btnAdd", QStringLiteral("增加"));
    btnModi = namedButton(page2, "btnModi", QStringLiteral("修改"));
    btnDele = namedButton(page2, "btnDele", QStringLiteral("删除"));
    btnSave = namedButton(page2, "btnSave", QStringLiteral("保存"));
    auto* box2 = new QVBoxLayout(page2);
    box2->addWidget(DBGrid2);
    box2->addLayout(buttonRow({btnAdd, btnModi, btnDele, btnSave}));
    PageControl1->addTab(page2, QStringLiteral("添加新的计次项目"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);

    onClicked(btnNew, [this] { PageControl1->setCurrentIndex(1); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnSave, [this] { btnSaveClick(); });
    connect(DBGrid2, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
    // Showing the second page starts a fresh working list.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            runGuarded([this] {
                clearCountItems(operatorName);
                openWorkingList();
            });
    });
}

void TF_Hyxf_Jc::FormActivate()
{
    if (!paramValue.isEmpty())
        m_sn = paramValue;
    clearCountItems(operatorName);
    const ResultSet rs = openSelect(QStringLiteral("select hy_bh,hy_name,hy_zhje from jxc_hyxx where hy_sn=?"),
                                    {{QString(), m_sn}});
    lblBh->setText(rs.text(0, QStringLiteral("hy_bh")));
    lblName->setText(rs.text(0, QStringLiteral("hy_name")));
    lblZhje->setText(Money::fromText(rs.text(0, QStringLiteral("hy_zhje"))).toFixed(2));
    openItems();
    openWorkingList();
    const QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(0);
}

void TF_Hyxf_Jc::FormClose()
{
    clearCountItems(operatorName);
    DataModule->Q_Hycs->close();
    DataModule->Q_Hycstmp->close();
}

void TF_Hyxf_Jc::openItems()
{
    DataModule->Q_Hycs->open(QStringLiteral("select a.*,b.g_name from jxc_hycs a,jxc_goods b where a.g_sn=b.g_sn and "
                                            "a.hy_sn=%1 order by a.id desc")
                                 .arg(QLatin1Char('\'') + sqlSafeName(m_sn) + QLatin1Char('\'')));
}

void TF_Hyxf_Jc::openWorkingList()
{
    DataModule->Q_Hycstmp->open(QStringLiteral("select a.*,b.g_name from jxc_hycstmp a,jxc_goods b where "
                                               "a.g_sn=b.g_sn and a.a_name=%1 order by a.id")
                                    .arg(QLatin1Char('\'') + sqlSafeName(operatorName) + QLatin1Char('\'')));
}

void TF_Hyxf_Jc::btnAddClick()
{
    if (ensureForm(F_Hycs_Add)->showModalForm() == QDialog::Accepted) {
        DataModule->Q_Hycstmp->refresh();
        DataModule->Q_Hycstmp->setCurrentRow(DataModule->Q_Hycstmp->rowCount() - 1);
    }
}

void TF_Hyxf_Jc::btnModiClick()
{
    const int row = DBGrid2->currentRow();
    if (row < 0)
        return;
    TF_Hycs_Modi* form = ensureForm(F_Hycs_Modi);
    form->setItem(DBGrid2->value(row, QStringLiteral("id")).toLongLong());
    if (form->showModalForm() == QDialog::Accepted)
        DataModule->Q_Hycstmp->refresh();
}

void TF_Hyxf_Jc::btnDeleClick()
{
    const int row = DBGrid2->currentRow();
    if (row < 0 || !msgYesNo(QStringLiteral("您确定要删除该信息吗！"), this))
        return;
    deleteCountItem(DBGrid2->value(row, QStringLiteral("id")).toLongLong());
    DataModule->Q_Hycstmp->refresh();
}

void TF_Hyxf_Jc::btnSaveClick()
{
    const Money total = countItemsTotal(operatorName);
    ChargePayment payment;
    if (!total.isZero() && !chargeConfirmed(total, &payment))
        return;  // nothing written, the working list stays
    saveCountCard(m_sn, operatorName, total.isZero() ? nullptr : &payment);
    if (DataModule->Q_Hygl->isOpen())
        DataModule->Q_Hygl->refresh();
    openItems();
    const QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(0);
}
