#include "bills/linedialog.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/routineargs.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

LineDialogTarget lineDialogTarget;

namespace {

const QString kBuiltInGroup = QStringLiteral("100001");

QLabel* infoRow(QGridLayout* grid, int row, const QString& caption, const QString& objectName)
{
    grid->addWidget(new QLabel(caption), row, 0);
    auto* value = new QLabel;
    value->setObjectName(objectName);
    grid->addWidget(value, row, 1);
    return value;
}

QLineEdit* readOnlyBox(const QString& objectName)
{
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    return box;
}

}  // namespace

SizeColorAxes lineAxesOfGoods(const QString& goodsSn)
{
    SizeColorAxes axes = SizeColorAxes::ofGoods(goodsSn);
    if (axes.sizes.isEmpty() || axes.colors.isEmpty()) {
        const SizeColorAxes builtIn = SizeColorAxes::ofGroups(kBuiltInGroup, kBuiltInGroup);
        if (axes.sizes.isEmpty())
            axes.sizes = builtIn.sizes;
        if (axes.colors.isEmpty())
            axes.colors = builtIn.colors;
    }
    return axes;
}

TF_LineDialog::TF_LineDialog(const Texts& texts, QWidget* parent) : TF_Form(parent), m_texts(texts)
{
    auto* hint = new QLabel(texts.hint);
    hint->setObjectName(QStringLiteral("Label1"));

    auto* group = new QGroupBox(texts.group);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* money = new QGridLayout(group);
    int row = 0;
    if (texts.lastPrice) {
        money->addWidget(new QLabel(QStringLiteral("上次进价：")), row, 0);
        m_lastPrice = new QLabel;
        m_lastPrice->setObjectName(QStringLiteral("lbScjj"));
        money->addWidget(m_lastPrice, row++, 1);
    }
    auto* priceCaption = new QLabel(texts.priceLabel);
    money->addWidget(priceCaption, row, 0);
    m_price = new QLineEdit;
    m_price->setObjectName(QStringLiteral("tDj"));
    m_price->setMaxLength(texts.priceLength);
    m_price->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*(\\.\\d{0,4})?")), m_price));
    m_price->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    if (texts.priceList) {
        m_priceList = new QPushButton(QStringLiteral("…"));
        m_priceList->setObjectName(QStringLiteral("btnPrice"));
        m_priceList->setFocusPolicy(Qt::NoFocus);
        auto* priceRow = new QHBoxLayout;
        priceRow->addWidget(m_price, 1);
        priceRow->addWidget(m_priceList);
        money->addLayout(priceRow, row++, 1);
        onClicked(m_priceList, [this] { openPriceList(); });
    } else {
        money->addWidget(m_price, row++, 1);
    }
    if (texts.discount) {
        money->addWidget(new QLabel(QStringLiteral("打折率：")), row, 0);
        m_rate = new QLineEdit;
        m_rate->setObjectName(QStringLiteral("tDzl"));
        m_rate->setMaxLength(4);
        m_rate->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*(\\.\\d{0,2})?")), m_rate));
        money->addWidget(m_rate, row++, 1);
        connect(m_rate, &QLineEdit::textChanged, this, [this] { updateAmount(); });
    }
    money->addWidget(new QLabel(QStringLiteral("总数量：")), row, 0);
    m_total = readOnlyBox(QStringLiteral("tSl"));
    money->addWidget(m_total, row++, 1);
    auto* amountCaption = new QLabel(QStringLiteral("总金额："));
    money->addWidget(amountCaption, row, 0);
    m_amount = readOnlyBox(QStringLiteral("tZje"));
    money->addWidget(m_amount, row, 1);
    if (!texts.priceShown) {
        for (QWidget* w : {static_cast<QWidget*>(priceCaption), static_cast<QWidget*>(m_price),
                           static_cast<QWidget*>(amountCaption), static_cast<QWidget*>(m_amount)})
            w->hide();
    }

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    auto* info = new QWidget;
    auto* infoGrid = new QGridLayout(info);
    m_code = infoRow(infoGrid, 0, QStringLiteral("商品编号："), QStringLiteral("lbGsn"));
    m_name = infoRow(infoGrid, 1, QStringLiteral("商品名称："), QStringLiteral("lbGname"));
    m_spec = infoRow(infoGrid, 2, QStringLiteral("款型说明："), QStringLiteral("lbGgname"));
    m_unit = infoRow(infoGrid, 3, QStringLiteral("单        位："), QStringLiteral("lbDwname"));
    m_maker = infoRow(infoGrid, 4, QStringLiteral("品牌厂商："), QStringLiteral("lbSccs"));
    m_stockNow = infoRow(infoGrid, 5, QStringLiteral("当前库存："), QStringLiteral("lbKc"));
    m_note = infoRow(infoGrid, 6, QStringLiteral("备        注："), QStringLiteral("lbBz"));
    m_pages->addTab(info, QStringLiteral("商品信息"));
    auto* stockPage = new QWidget;
    auto* stockLayout = new QVBoxLayout(stockPage);
    m_hideZero = new QCheckBox(QStringLiteral("隐藏0库存的颜色尺码"));
    m_hideZero->setObjectName(QStringLiteral("cbHideZero"));
    m_stock = new SizeColorGrid(SizeColorGrid::Kind::Stock);
    stockLayout->addWidget(m_hideZero);
    stockLayout->addWidget(m_stock);
    m_pages->addTab(stockPage, QStringLiteral("库存详细信息"));

    m_entry = new SizeColorGrid(SizeColorGrid::Kind::Entry);
    m_entry->linkStockGrid(m_stock);

    auto* ok = new QPushButton(QStringLiteral("确定(F5)"));
    ok->setObjectName(QStringLiteral("btnOK"));
    auto* quit = new QPushButton(QStringLiteral("退出(Esc)"));
    quit->setObjectName(QStringLiteral("btnExit"));
    auto* buttons = buttonRow({ok, quit});

    auto* top = new QHBoxLayout;
    top->addWidget(group);
    top->addWidget(m_pages, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(top);
    layout->addWidget(m_entry, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    onClicked(ok, [this] { btnOKClick(); });
    onClicked(quit, [this] { reject(); });
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    connect(m_entry, &SizeColorGrid::totalsChanged, this, [this] {
        m_total->setText(m_entry->totalQuantity().toFixed(2));
        updateAmount();
    });
    connect(m_price, &QLineEdit::textChanged, this, [this] { updateAmount(); });
    connect(m_price, &QLineEdit::editingFinished, this, [this] {
        if (m_price->text().trimmed().isEmpty())
            m_price->setText(QStringLiteral("0.00"));
    });
    connect(m_hideZero, &QCheckBox::toggled, this, [this](bool on) { m_stock->setZeroStockHidden(on); });
}

void TF_LineDialog::addMode(const Mode& mode)
{
    m_modes.push_back(mode);
}

Money TF_LineDialog::price() const
{
    return Money::fromText(m_price->text().trimmed());
}

Money TF_LineDialog::rate() const
{
    return m_rate ? Money::fromText(m_rate->text().trimmed()) : Money::fromUnits(10000);
}

Money TF_LineDialog::quantity() const
{
    return Money::fromText(m_total->text());
}

Money TF_LineDialog::stockNow() const
{
    return Money::fromText(m_stockNow->text());
}

void TF_LineDialog::updateAmount()
{
    m_amount->setText((m_rate ? price() * rate() * quantity() : quantity() * price()).toFixed(2));
}

void TF_LineDialog::FormActivate()
{
    m_mode = nullptr;
    m_writtenId = 0;
    for (const Mode& mode : std::as_const(m_modes)) {
        if (mode.word == modeFlag)
            m_mode = &mode;
    }
    const QString goods = curGoodsSn;
    const ResultSet g = openSelect(QStringLiteral("select * from jxc_goods where g_sn=?"), {{QString(), goods}});
    m_code->setText(g.text(0, QStringLiteral("g_sn")));
    m_name->setText(g.text(0, QStringLiteral("g_name")));
    m_spec->setText(g.text(0, QStringLiteral("gg_name")));
    m_unit->setText(g.text(0, QStringLiteral("dw_name")));
    m_maker->setText(g.text(0, QStringLiteral("g_sccs")));
    m_note->setText(g.text(0, QStringLiteral("g_bz")));
    if (m_lastPrice)
        m_lastPrice->setText(QStringLiteral("￥") + g.text(0, QStringLiteral("g_scjj")) + QStringLiteral("元"));
    m_price->setText(offeredPrice(g).toFixed(2));
    if (m_rate)
        m_rate->setText(QStringLiteral("1"));

    const SizeColorAxes axes = lineAxesOfGoods(goods);
    m_stock->setAxes(axes);
    m_entry->setAxes(axes);
    SizeColorStock stock(goods, lineDialogTarget.warehouse);
    m_stock->load(stock);
    const QString stockNow = m_stock->grandTotal().isEmpty() ? QStringLiteral("0") : m_stock->grandTotal();
    m_stockNow->setText(stockNow);
    setWindowTitle(m_texts.captionPrefix + QStringLiteral("(商品编号:") + g.text(0, QStringLiteral("g_sn")) +
                   QStringLiteral(",商品名称:") + g.text(0, QStringLiteral("g_name")) + QStringLiteral(",当前库存:") +
                   stockNow + QStringLiteral(")"));

    if (m_mode && m_mode->price == Price::Quoted)
        m_price->setText(Money::fromText(choiceParam).toFixed(2));
    else if (m_mode && m_mode->price == Price::Line)
        loadLine(*m_mode, goods);
    m_pages->setCurrentIndex(1);
    lineOpened();
    m_price->setFocus();
    m_price->selectAll();
}

void TF_LineDialog::loadLine(const Mode& mode, const QString& goods)
{
    const bool scratch = mode.write == Write::ScratchModify;
    const QString rateColumn = scratch ? QStringLiteral("ts_dzl")
                               : mode.lines->rateColumn ? sqlName(QLatin1String(mode.lines->rateColumn))
                                                        : QStringLiteral("1");
    const QString sql = scratch ? QStringLiteral("select ts_dj,ts_sl,ts_dzl from jxc_tempspxf where id=?")
                                : QStringLiteral("select %1,%2,%4 from %3 where id=?")
                                      .arg(mode.lines->priceColumn ? sqlName(QLatin1String(mode.lines->priceColumn))
                                                                   : QStringLiteral("0"),
                                           sqlName(QLatin1String(mode.lines->quantityColumn)),
                                           sqlName(QLatin1String(mode.lines->lineTable)), rateColumn);
    const ResultSet line = openSelect(sql, {{QString(), lineDialogTarget.lineId}});
    if (line.isEmpty())
        return;
    m_price->setText(Money::fromText(line.text(0, 0)).toFixed(2));
    if (m_rate)
        m_rate->setText(Money::fromText(line.text(0, 2)).toText());
    SizeColorLineRows rows = scratch ? SizeColorLineRows::scratchRow(goods, lineDialogTarget.lineId, operatorName)
                                     : SizeColorLineRows::billLine(QLatin1String(mode.lines->rowTable),
                                                                   lineDialogTarget.number, goods,
                                                                   lineDialogTarget.lineId, operatorName);
    m_entry->load(rows);
    if (mode.negated) {
        for (int r = 1; r + 1 < m_entry->rowCount(); ++r) {
            for (int c = 1; c + 1 < m_entry->columnCount(); ++c) {
                const QString text = m_entry->cell(r, c);
                if (!text.isEmpty())
                    m_entry->setCell(r, c, (-Money::fromText(text)).toText());
            }
        }
    }
    if (m_entry->grandTotal().isEmpty()) {  // a line without size and colour rows keeps its own quantity
        const Money qty = Money::fromText(line.text(0, 1));
        m_total->setText((mode.negated ? -qty : qty).toFixed(2));
        updateAmount();
    }
}

void TF_LineDialog::btnOKClick()
{
    if (m_rate && (rate() <= Money() || rate() > Money::fromUnits(10000))) {
        msgInfo(QStringLiteral("打折率错误，重新输入！"), this);
        return;
    }
    if (quantity() <= Money()) {
        msgInfo(m_texts.zeroQuantity, this);
        return;
    }
    const QString refusal = refuseWrite();
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!confirmWrite())
        return;
    if (m_mode)
        m_writtenId = write(*m_mode, curGoodsSn);
    accept();
}

qint64 TF_LineDialog::write(const Mode& mode, const QString& goods)
{
    const bool negated = mode.negated;
    WorkingLine line{.gSn = goods, .price = price(), .rows = {}, .quantity = negated ? -quantity() : quantity()};
    line.rate = rate();
    const SizeColorAxes& axes = m_entry->axes();
    for (int r = 0; r < axes.colors.size(); ++r) {
        for (int c = 0; c < axes.sizes.size(); ++c) {
            const Money qty = Money::fromText(m_entry->cell(r + 1, c + 1));
            if (!qty.isZero())
                line.rows.push_back({axes.sizes.at(c).code, axes.colors.at(r).code, negated ? -qty : qty});
        }
    }
    Transaction tx;
    qint64 id = 0;
    switch (mode.write) {
    case Write::ScratchAdd:
        id = writeScratchRow(line);
        break;
    case Write::ScratchModify:
        replaceScratchRow(lineDialogTarget.lineId, line);
        id = lineDialogTarget.lineId;
        break;
    case Write::LineAdd:
        id = writeLine(*mode.lines, lineDialogTarget.number, line);
        break;
    case Write::LineModify:
        replaceLine(*mode.lines, lineDialogTarget.lineId, line);
        id = lineDialogTarget.lineId;
        break;
    }
    if (mode.after)
        mode.after(lineDialogTarget.number);
    lineWritten(mode, id);
    tx.commit();
    return id;
}

void TF_LineDialog::FormClose()
{
    m_hideZero->setChecked(false);
    m_stock->setZeroStockHidden(false);
}
