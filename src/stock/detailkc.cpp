#include "stock/detailkc.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "platform/sizecolorstore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_DetailKc* F_DetailKc = nullptr;

TF_DetailKc::TF_DetailKc(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_DetailKc"));
    setWindowTitle(QStringLiteral("详细数据"));
    setEscCloses(true);
    resize(640, 460);

    auto* box = new QGroupBox(QStringLiteral("商品信息"), this);
    auto label = [box](const char* name) {
        auto* l = new QLabel(box);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lSn = label("lSn");
    lName = label("lName");
    lDw = label("lDw");
    lGg = label("lGg");
    lKc = label("lKc");
    lSccs = label("lSccs");
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("商品编号："), lSn);
    form->addRow(QStringLiteral("商品名称："), lName);
    form->addRow(QStringLiteral("单位："), lDw);
    form->addRow(QStringLiteral("款型说明："), lGg);
    form->addRow(QStringLiteral("当前库存："), lKc);
    form->addRow(QStringLiteral("品牌厂商："), lSccs);

    StringGridKc = new SizeColorGrid(SizeColorGrid::Kind::Stock, this);
    chkHide = new QCheckBox(QStringLiteral("隐藏0库存的颜色尺码"), this);
    chkHide->setObjectName(QStringLiteral("chkHide"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addWidget(new QLabel(QStringLiteral("详细数量"), this));
    main->addWidget(StringGridKc, 1);
    main->addWidget(chkHide);
    main->addLayout(buttonRow({btnExit}));

    connect(chkHide, &QCheckBox::toggled, this, [this](bool on) { StringGridKc->setZeroStockHidden(on); });
    onClicked(btnExit, [this] { close(); });
}

void TF_DetailKc::FormActivate()
{
    const ResultSet goods = openSelect(QStringLiteral("select g_sn,g_name,dw_name,gg_name,g_kc,g_sccs from jxc_goods "
                                                      "where g_sn=?"),
                                       {{QString(), curGoodsSn}});
    const int n = goods.isEmpty() ? -1 : 0;
    auto field = [&](const char* name) { return n < 0 ? QString() : goods.text(n, QLatin1String(name)); };
    lSn->setText(field("g_sn"));
    lName->setText(field("g_name"));
    lDw->setText(field("dw_name"));
    lGg->setText(field("gg_name"));
    lKc->setText(field("g_kc"));
    lSccs->setText(field("g_sccs"));

    chkHide->setChecked(false);
    StringGridKc->setAxes(SizeColorAxes::ofStock(paramValue));
    SizeColorStock stock(curGoodsSn, paramValue);
    StringGridKc->load(stock);
    lKc->setText(StringGridKc->totalQuantity().toText());
}

void TF_DetailKc::FormClose()
{
    chkHide->setChecked(false);
}
