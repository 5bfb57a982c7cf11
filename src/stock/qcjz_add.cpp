#include "stock/qcjz_add.h"

#include "bills/linedialog.h"
#include "data/datamodule.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "stock/qcjzposting.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TF_Qcjz_Add* F_Qcjz_Add = nullptr;

TF_Qcjz_Add::TF_Qcjz_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Qcjz_Add"));
    setWindowTitle(QStringLiteral("库存商品期初建帐"));
    auto label = [](const char* name) {
        auto* l = new QLabel;
        l->setObjectName(QLatin1String(name));
        return l;
    };
    lbGsn = label("lbGsn");
    lbGname = label("lbGname");
    lbDw = label("lbDw");
    lbCk = label("lbCk");
    auto* group = new QGroupBox(QStringLiteral("商品情况"));
    auto* info = new QGridLayout(group);
    info->addWidget(new QLabel(QStringLiteral("商品编号：")), 0, 0);
    info->addWidget(lbGsn, 0, 1);
    info->addWidget(new QLabel(QStringLiteral("商品名称：")), 0, 2);
    info->addWidget(lbGname, 0, 3);
    info->addWidget(new QLabel(QStringLiteral("单位：")), 1, 0);
    info->addWidget(lbDw, 1, 1);
    info->addWidget(new QLabel(QStringLiteral("存入仓库：")), 1, 2);
    info->addWidget(lbCk, 1, 3);
    tcbj = new QLineEdit;
    tcbj->setObjectName(QStringLiteral("tcbj"));
    tcbj->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}(\\.\\d{0,2})?")), tcbj));
    info->addWidget(new QLabel(QStringLiteral("成本价：")), 2, 0);
    info->addWidget(tcbj, 2, 1);
    info->addWidget(new QLabel(QStringLiteral("(元)")), 2, 2);
    info->addWidget(new QLabel(QStringLiteral("说明：成本价格在计算利润时会用到，建议您正确填写！")), 3, 0, 1, 4);

    StringGridIn = new SizeColorGrid(SizeColorGrid::Kind::Entry);
    tsl = new QLineEdit;
    tsl->setObjectName(QStringLiteral("tsl"));
    tsl->setReadOnly(true);
    auto* total = new QHBoxLayout;
    total->addWidget(new QLabel(QStringLiteral("总数量：")));
    total->addWidget(tsl);
    total->addStretch(1);
    auto* ok = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* quit = namedButton(this, "btnExit", QStringLiteral("取消(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(new QLabel(QStringLiteral("在下面表格中输入期初数量：")));
    layout->addWidget(StringGridIn, 1);
    layout->addLayout(total);
    layout->addLayout(buttonRow({ok, quit}));
    resize(640, 480);
    onClicked(ok, [this] { btnOKClick(); });
    onClicked(quit, [this] { reject(); });
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    connect(StringGridIn, &SizeColorGrid::totalsChanged, this,
            [this] { tsl->setText(StringGridIn->totalQuantity().toText()); });
}

void TF_Qcjz_Add::prepare(bool modify, const QString& gSn, const QString& ckSn, const QString& ckName)
{
    btnFlag = modify ? QStringLiteral("2") : QStringLiteral("1");
    m_ckSn = ckSn;
    const ResultSet g = openSelect(QStringLiteral("select g_sn,g_name,dw_name,g_jj from jxc_goods where g_sn=? order by id limit 1"),
                                   {{QString(), gSn}});
    lbGsn->setText(g.text(0, 0));
    lbGname->setText(g.text(0, 1));
    lbDw->setText(g.text(0, 2));
    lbCk->setText(ckName);
    tcbj->setText(Money::fromText(g.text(0, 3)).toFixed(2));
    // A new layout every time: no quantities or totals of the goods before stay behind.
    StringGridIn->setAxes(lineAxesOfGoods(gSn));
    if (modify) {
        SizeColorStock stock(gSn, ckSn);
        StringGridIn->load(stock);
    }
    tsl->setText(StringGridIn->totalQuantity().toText());
}

void TF_Qcjz_Add::btnOKClick()
{
    QcjzEntry e{lbGsn->text(), m_ckSn, lbCk->text(), Money::fromText(tcbj->text().trimmed()), {}};
    const SizeColorAxes& axes = StringGridIn->axes();
    for (int r = 0; r < axes.colors.size(); ++r)
        for (int c = 0; c < axes.sizes.size(); ++c)
            e.cells.push_back({axes.sizes.at(c).code, axes.colors.at(r).code,
                               Money::fromText(StringGridIn->cell(r + 1, c + 1))});
    saveQcjz(e, btnFlag == QLatin1String("2"));
    accept();
}
