#include "stock/kcpd_sele.h"

#include "bills/linedialog.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "stock/kcpd_add.h"
#include "stock/kcpdposting.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Kcpd_Sele* F_Kcpd_Sele = nullptr;

namespace {

// Takes the grid's cells as they are handed to a store.
class CountedCells : public SizeColorStore {
public:
    QVector<SizeColorQuantity> load() override { return {}; }
    void save(const QVector<SizeColorQuantity>& cells) override { this->cells = cells; }
    QVector<SizeColorQuantity> cells;
};

}  // namespace

TF_Kcpd_Sele::TF_Kcpd_Sele(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcpd_Sele"));
    setWindowTitle(QStringLiteral("商品信息(库存盘点)"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    resize(720, 560);

    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lSn = label("lSn");
    lName = label("lName");
    lGg = label("lGg");
    lDw = label("lDw");
    lSccs = label("lSccs");
    lKc = label("lKc");
    lBz = label("lBz");
    auto* info = new QWidget;
    auto* form = new QFormLayout(info);
    form->addRow(QStringLiteral("商品编号："), lSn);
    form->addRow(QStringLiteral("商品名称："), lName);
    form->addRow(QStringLiteral("款型说明："), lGg);
    form->addRow(QStringLiteral("单位："), lDw);
    form->addRow(QStringLiteral("品牌厂商："), lSccs);
    form->addRow(QStringLiteral("当前库存："), lKc);
    form->addRow(QStringLiteral("备        注："), lBz);
    StringGridKc = new SizeColorGrid(SizeColorGrid::Kind::Stock);
    StringGridIn = new SizeColorGrid(SizeColorGrid::Kind::Entry, this);
    StringGridIn->linkStockGrid(StringGridKc);
    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    pages->addTab(info, QStringLiteral("商品信息"));
    pages->addTab(StringGridKc, QStringLiteral("库存详细信息"));
    tsl = new QLineEdit(this);
    tsl->setObjectName(QStringLiteral("tsl"));
    tsl->setReadOnly(true);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* total = new QFormLayout;
    total->addRow(QStringLiteral("总数量："), tsl);
    auto* main = new QVBoxLayout(this);
    main->addWidget(pages, 1);
    main->addWidget(new QLabel(QStringLiteral("请在下面表格中输入盘点数量"), this));
    main->addWidget(StringGridIn, 1);
    main->addLayout(total);
    main->addLayout(buttonRow({btnOK, btnExit}));

    connect(StringGridIn, &SizeColorGrid::totalsChanged, this,
            [this] { tsl->setText(StringGridIn->totalQuantity().toFixed(0)); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Kcpd_Sele::FormActivate()
{
    // The line edited and the warehouse of the stock shown, by the opener's word.
    m_lineId = 0;
    if (callerFlag == u"kcpd") {
        NamedQuery* lines = DataModule->Q_Kcpd1;
        m_lineId = lines->fieldByName(QStringLiteral("id")).toLongLong();
        m_warehouse = lines->fieldByName(QStringLiteral("ck_sn"));
    } else {
        m_warehouse = F_Kcpd_Add ? F_Kcpd_Add->sheet().ckSn : QString();
        if (callerFlag == u"kcpd_modi")
            m_lineId = DataModule->Q_KcpdLines->fieldByName(QStringLiteral("id")).toLongLong();
    }
    const ResultSet g = openSelect(QStringLiteral("select * from jxc_goods where g_sn=?"), {{QString(), curGoodsSn}});
    auto field = [&g](const char* name) { return g.isEmpty() ? QString() : g.text(0, QLatin1String(name)); };
    lSn->setText(field("g_sn"));
    lName->setText(field("g_name"));
    lGg->setText(field("gg_name"));
    lDw->setText(field("dw_name"));
    lSccs->setText(field("g_sccs"));
    lBz->setText(field("g_bz"));

    const SizeColorAxes axes = lineAxesOfGoods(curGoodsSn);
    StringGridKc->setAxes(axes);
    StringGridIn->setAxes(axes);
    SizeColorStock stock(curGoodsSn, m_warehouse);
    StringGridKc->load(stock);
    const QString stockNow = StringGridKc->grandTotal().isEmpty() ? QStringLiteral("0") : StringGridKc->grandTotal();
    lKc->setText(stockNow);
    setWindowTitle(QStringLiteral("商品信息(库存盘点)(商品编号:%1,商品名称:%2,当前库存:%3)")
                       .arg(field("g_sn"), field("g_name"), stockNow));
    if (m_lineId != 0) {
        SizeColorLineRows rows = SizeColorLineRows::billLine(QStringLiteral("jxc_kcpdmx"), QString(), curGoodsSn,
                                                             m_lineId, operatorName);
        StringGridIn->load(rows);
    } else {
        StringGridIn->load(stock);
    }
    tsl->setText(StringGridIn->totalQuantity().toFixed(0));
    pages->setCurrentIndex(1);
    StringGridIn->setFocus();
}

void TF_Kcpd_Sele::btnOKClick()
{
    CountedCells counted;
    StringGridIn->save(counted);
    if (callerFlag == u"kcpd_add") {
        addKcpdLine(F_Kcpd_Add->sheet(), curGoodsSn, counted.cells);
    } else if (callerFlag == u"kcpd_modi") {
        const QString note = F_Kcpd_Add->tnote->text();
        modifyKcpdLine(m_lineId, counted.cells, &note);
    } else if (callerFlag == u"kcpd") {
        modifyKcpdLine(m_lineId, counted.cells);
    } else {
        return;
    }
    close();
}
