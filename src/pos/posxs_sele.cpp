#include "pos/posxs_sele.h"

#include "data/datamodule.h"
#include "data/settings.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "platform/sizecolorstore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Sele* F_Posxs_Sele = nullptr;

TF_Posxs_Sele::TF_Posxs_Sele(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Sele"));
    setWindowTitle(QStringLiteral("选择尺码和颜色"));
    setEscCloses(true);
    setMainAction([this] { grid->chooseCurrent(); });
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblGoodsSn = label("lblGoodsSn");
    lblGoodsName = label("lblGoodsName");
    lblSize = label("lblSize");
    lblColor = label("lblColor");
    grid = new SizeColorGrid(SizeColorGrid::Kind::Picker, this);
    chkHide = new QCheckBox(QStringLiteral("隐藏0库存的颜色尺码"), this);
    chkHide->setObjectName(QStringLiteral("chkHide"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("商品编号："), this), 0, 0);
    head->addWidget(lblGoodsSn, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("商品名称："), this), 0, 2);
    head->addWidget(lblGoodsName, 0, 3);
    head->addWidget(new QLabel(QStringLiteral("当前选择的尺码："), this), 1, 0);
    head->addWidget(lblSize, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("颜色："), this), 1, 2);
    head->addWidget(lblColor, 1, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkHide);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("说明：双击或回车选择"), this));
    bottom->addWidget(btnOK);
    bottom->addWidget(btnExit);
    auto* box = new QVBoxLayout(this);
    box->addLayout(head);
    box->addWidget(grid, 1);
    box->addLayout(bottom);
    connect(grid, &SizeColorGrid::currentCellMoved, this, [this] {
        lblSize->setText(grid->currentSizeName());
        lblColor->setText(grid->currentColorName());
    });
    connect(grid, &SizeColorGrid::chosen, this, [this](const QString& s, const QString& c, const QString& t) {
        runGuarded([&] { choose(s, c, t); });
    });
    connect(chkHide, &QCheckBox::toggled, this, [this](bool on) { grid->setZeroStockHidden(on); });
    onClicked(btnOK, [this] { grid->chooseCurrent(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Posxs_Sele::setGoods(const QString& gSn, const QString& ckSn)
{
    m_goods = gSn;
    m_warehouse = ckSn;
}

void TF_Posxs_Sele::FormActivate()
{
    m_chosen = false;
    m_size.clear();
    m_color.clear();
    m_stock.clear();
    lblSize->clear();
    lblColor->clear();
    const ResultSet rs = openSelect(QStringLiteral("select g_sn,g_name from jxc_goods where g_sn=?"), {{QString(), m_goods}});
    lblGoodsSn->setText(rs.text(0, 0));
    lblGoodsName->setText(rs.text(0, 1));
    grid->setAxes(SizeColorAxes::ofGoods(m_goods));
    SizeColorStock stock(m_goods, m_warehouse);
    grid->load(stock);
    if (grid->rowCount() > 2 && grid->columnCount() > 2)
        grid->setCurrentCell(1, 1);
    grid->setFocus();
    // What was handed in is used up: cancelling gives nothing back.
    m_goods.clear();
    m_warehouse.clear();
}

void TF_Posxs_Sele::choose(const QString& sizeName, const QString& colorName, const QString& text)
{
    if (!settingOn(csKc) && Money::fromText(text).isZero()) {
        msgInfo(QStringLiteral("库存为0不允许销售，重新输入！"), this);
        return;
    }
    m_chosen = true;
    m_size = sizeName;
    m_color = colorName;
    m_stock = text;
    accept();
}

void TF_Posxs_Sele::FormClose()
{
    chkHide->setChecked(false);
}
