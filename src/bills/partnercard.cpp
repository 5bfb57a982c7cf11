#include "bills/partnercard.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/ledger.h"
#include "platform/datagrid.h"
#include "platform/displayformat.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PartnerCardText readPartnerCard(bool customer, const QString& code)
{
    const ResultSet rs = openSelect(customer ? QStringLiteral("select * from jxc_khxx where kh_sn=?")
                                             : QStringLiteral("select * from jxc_ghsxx where ghs_sn=?"),
                                    {{QString(), code}});
    const QString prefix = customer ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    PartnerCardText card;
    card.name = rs.text(0, prefix + QStringLiteral("name"));
    card.lxr = rs.text(0, prefix + QStringLiteral("lxr"));
    card.tele = rs.text(0, prefix + QStringLiteral("tele"));
    card.address = rs.text(0, prefix + QStringLiteral("address"));
    card.note = rs.text(0, prefix + QStringLiteral("note"));
    // The summary leaves the figures alone for a partner it cannot find: never show another's.
    zwYfje = zwSfje = zwWfje = QStringLiteral("0");
    if (customer)
        getKhZw(code);
    else
        getGhsZw(code);
    card.due = zwYfje;
    card.paid = zwSfje;
    card.owed = zwWfje;
    return card;
}

TF_PartnerCard::TF_PartnerCard(const Kind& kind, QWidget* parent) : TF_Form(parent), m_kind(kind)
{
    setWindowTitle(QStringLiteral("往来单位管理"));
    setEscCloses(true);
    resize(760, 480);

    auto* info = new QGroupBox(QStringLiteral("基本信息"), this);
    auto* form = new QGridLayout(info);
    auto field = [&](const char* name, const QString& caption, int row, int col) {
        auto* e = new QLineEdit(info);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        form->addWidget(new QLabel(caption, info), row, col);
        form->addWidget(e, row, col + 1);
        return e;
    };
    auto figure = [&](const char* name, const QString& caption, int col) {
        auto* l = new QLabel(info);
        l->setObjectName(QString::fromLatin1(name));
        form->addWidget(new QLabel(caption, info), 3, col);
        form->addWidget(l, 3, col + 1);
        return l;
    };
    tname = field("tname", QStringLiteral("单位名称："), 0, 0);
    tlxr = field("tlxr", QStringLiteral("联  系  人："), 0, 2);
    ttele = field("ttele", QStringLiteral("联系电话："), 1, 0);
    taddress = field("taddress", QStringLiteral("联系地址："), 1, 2);
    tnote = field("tnote", QStringLiteral("备        注："), 2, 0);
    form->addWidget(tnote, 2, 1, 1, 3);
    lblYfje = figure("lblYfje", QStringLiteral("应  付  款："), 0);
    lblSfje = figure("lblSfje", QStringLiteral("实  付  款："), 2);
    lblWfje = figure("lblWfje", QStringLiteral("欠款："), 4);

    const QString p = QLatin1String(kind.quotePrefix);
    auto* quotes = new QGroupBox(QStringLiteral("报价信息"), this);
    DBGrid1 = new DataGrid(quotes);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(kind.quotes);
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(kind.footer);
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    DBGrid1->addColumn(p + QStringLiteral("_bjrq"), QStringLiteral("报价日期"), 80);
    DBGrid1->addColumn(p + QStringLiteral("_bj"), QStringLiteral("报价"), 70).setFormat(QStringLiteral("0.00"));
    DBGrid1->addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价"), 70);
    DBGrid1->addColumn(QStringLiteral("g_sj"), QStringLiteral("预设售价"), 70);
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 80);
    DBGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    DBGrid1->addColumn(p + QStringLiteral("_note"), QStringLiteral("备注"), 120);
    auto* quoteCol = new QVBoxLayout(quotes);
    quoteCol->addWidget(DBGrid1);
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this](int row) { runGuarded([&] { DBGrid1DblClick(row); }); });

    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnExit, [this] { reject(); });

    auto* col = new QVBoxLayout(this);
    col->addWidget(info);
    col->addWidget(quotes, 1);
    col->addLayout(buttonRow({btnExit}));
}

void TF_PartnerCard::FormActivate()
{
    const QString& partner = m_kind.customer ? curKhSn : curGhsSn;
    const PartnerCardText card = readPartnerCard(m_kind.customer, partner);
    tname->setText(card.name);
    tlxr->setText(card.lxr);
    ttele->setText(card.tele);
    taddress->setText(card.address);
    tnote->setText(card.note);
    auto figure = [this](const QString& amount) {
        return (m_kind.roundFigures ? formatNumber(QStringLiteral("0.00"), amount) : amount) + QStringLiteral(" 元");
    };
    lblYfje->setText(figure(card.due));
    lblSfje->setText(figure(card.paid));
    lblWfje->setText(figure(card.owed));

    // The code stands in a quoted literal: its quotes are doubled, so it matches exactly.
    QString code = partner;
    code.replace(QLatin1Char('\''), QStringLiteral("''"));
    const QString p = QLatin1String(m_kind.quotePrefix);
    const QString partnerColumn = m_kind.customer ? QStringLiteral("kh_sn") : QStringLiteral("ghs_sn");
    openQuery(m_kind.quotes,
              QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_jj,a.g_sj,b.%1_bjrq,b.%1_bj,"
                             "b.%1_note from jxc_goods a,%2 b where a.g_sn=b.g_sn and b.%3='%4' order by b.id")
                  .arg(p, QLatin1String(m_kind.quoteTable), partnerColumn, code));
}

void TF_PartnerCard::FormClose()
{
    m_kind.quotes->close();
}
