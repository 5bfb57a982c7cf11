#include "sales/khjhgl_xs.h"

#include "bills/billparts.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "sales/khjhgl.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "sales/khjhposting.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Khjhgl_Xs* F_Khjhgl_Xs = nullptr;

TF_Khjhgl_Xs::TF_Khjhgl_Xs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Khjhgl_Xs"));
    setWindowTitle(QStringLiteral("新增借货转销售"));
    lbDjh = new QLabel;
    lbDjh->setObjectName(QStringLiteral("lbDjh"));
    dateXs = billDateBox();
    dateXs->setObjectName(QStringLiteral("dateXs"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    tnote = nameBox(this, "tnote", 100);
    installKeyFilter(tnote);
    tdj = billMoneyBox("tdj");
    tdj->setMaxLength(9);
    tyfje = billMoneyBox("tyfje");
    tyfje->setReadOnly(true);
    tsfje = billMoneyBox("tsfje");
    comJsfs = new CodeComboBox;
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    RzPanel_Yhzh = new AccountPanel("RzPanel_Yhzh", QStringLiteral("同时选择收款账户："));
    RzPanel_Yhzh->hide();

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("借货转销售")), 0, 0, 1, 2);
    grid->addWidget(numberCaption(), 0, 2);
    grid->addWidget(lbDjh, 0, 3);
    const char* captions[] = {"客户名称", "收货仓库", "商品编号", "商品名称", "借货日期", "借货数量", "借货单据"};
    const char* names[] = {"lkh", "lck", "lgsn", "lgname", "ljhrq", "ljhsl", "ljhdj"};
    for (int i = 0; i < 7; ++i) {
        auto* value = new QLabel;
        value->setObjectName(QLatin1String(names[i]));
        m_fields << value;
        grid->addWidget(new QLabel(QString::fromUtf8(captions[i]) + u'：'), 1 + i / 2, (i % 2) * 2);
        grid->addWidget(value, 1 + i / 2, (i % 2) * 2 + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("还货日期：")), 5, 0);
    grid->addWidget(dateXs, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("经  办  人：")), 5, 2);
    grid->addWidget(comUser, 5, 3);
    grid->addWidget(new QLabel(QStringLiteral("销售单价：")), 6, 0);
    grid->addWidget(tdj, 6, 1);
    grid->addWidget(new QLabel(QStringLiteral("应付金额：")), 6, 2);
    grid->addWidget(tyfje, 6, 3);
    grid->addWidget(new QLabel(QStringLiteral("实付金额：")), 7, 0);
    grid->addWidget(tsfje, 7, 1);
    grid->addWidget(comJsfs, 7, 2, 1, 2);
    grid->addWidget(RzPanel_Yhzh, 8, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("备        注：")), 9, 0);
    grid->addWidget(tnote, 9, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("转销售时当前的借货商品须全部\n销售，(销售数量等于借货数量)")), 10, 0, 1, 4);

    DBGrid1 = new DataGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(lendingQuery("Q_KhjhOpen"));
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount(QStringLiteral("记录数："));
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    DBGrid1->addColumn(QStringLiteral("jh_sl"), QStringLiteral("借货数量"), 70).footerSum();

    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("该客户尚未归还的商品l列表：")));
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    connect(dateXs, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateChange(); }); });
    connect(tdj, &QLineEdit::textEdited, this, [this] {
        RzPanel_Yhzh->hide();
        runGuarded([this] { priceChanged(); });
    });
    // Entering the paid amount shows the money accounts (with the cash-and-bank setting on);
    // the price and the note hide them.
    connect(tsfje, &QLineEdit::textEdited, this, [this] { RzPanel_Yhzh->setVisible(settingOn(csXjyh)); });
    connect(tnote, &QLineEdit::textEdited, this, [this] { RzPanel_Yhzh->hide(); });
    resize(640, 600);
}

void TF_Khjhgl_Xs::FormActivate()
{
    m_initialising = true;
    RzPanel_Yhzh->hide();
    dateXs->setDate(Clock::today());
    fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString(),
                       QStringLiteral("where u_name<>'' and u_name is not null"), QStringLiteral("id"),
                       QStringLiteral("u_sn"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    tnote->clear();
    lbDjh->setText(getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS")));
    m_line = focusedLendingLine();
    const QString values[] = {m_line.khName, m_line.ckName, m_line.gSn, m_line.gName, m_line.date, m_line.quantity, m_line.djh};
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(values[i]);
    tdj->setText(Money::fromText(m_line.salePrice).toFixed(2));
    priceChanged();
    openQuery(lendingQuery("Q_KhjhOpen"),
              QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name from jxc_jhgl a,jxc_goods b where a.g_sn=b.g_sn "
                             "and a.jh_flag='j' and a.jh_sl<>0 and a.kh_sn='%1' order by a.id")
                  .arg(sqlLit(curKhSn)));
    fillAccountCombo(RzPanel_Yhzh->combo());
    RzPanel_Yhzh->combo()->setCurrentIndex(RzPanel_Yhzh->combo()->count() > 0 ? 0 : -1);
    fillJsfsCombo(comJsfs, QStringLiteral("xs"));
    comJsfs->setCurrentIndex(0);
    m_initialising = false;
}

void TF_Khjhgl_Xs::priceChanged()
{
    const Money due = Money::fromText(m_line.quantity) * Money::fromText(tdj->text());
    tyfje->setText(due.toFixed(2));
    tsfje->setText(due.toFixed(2));
}

void TF_Khjhgl_Xs::dateChange()
{
    if (!m_initialising)
        lbDjh->setText(getMaxDjhByDate(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"),
                                       dateText(dateXs->date())));
}

void TF_Khjhgl_Xs::btnOKClick()
{
    if (m_line.id == 0)
        return;
    if (!msgYesNo(QStringLiteral("数据保存后不能再修改，是否确认保存！"), this))
        return;
    const KhjhSaleResult r = postKhjhSale({.lineId = m_line.id,
                                           .date = dateText(dateXs->date()),
                                           .uSn = comUser->currentCode(),
                                           .uName = comUser->currentText(),
                                           .khName = m_line.khName,
                                           .ckName = m_line.ckName,
                                           .price = Money::fromText(tdj->text()),
                                           .paid = Money::fromText(tsfje->text()),
                                           .mode = comJsfs->currentIndex() == 1 ? SpxsMode::RestOwed : SpxsMode::PaidOnly,
                                           .account = RzPanel_Yhzh->combo()->currentText(),
                                           .note = tnote->text(),
                                           .op = operatorName});
    lbDjh->setText(r.xs);
    close();
}

bool TF_Khjhgl_Xs::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5) {
        btnOKClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Khjhgl_Xs::FormClose()
{
    lendingQuery("Q_KhjhOpen")->close();
}
