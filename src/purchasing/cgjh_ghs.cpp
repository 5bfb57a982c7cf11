#include "purchasing/cgjh_ghs.h"

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

TF_Cgjh_Ghs* F_Cgjh_Ghs = nullptr;

namespace {

QString amountText(const QString& amount)
{
    return formatNumber(QStringLiteral("0.00"), amount) + QStringLiteral(" 元");
}

}  // namespace

TF_Cgjh_Ghs::TF_Cgjh_Ghs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Cgjh_Ghs"));
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

    auto* quotes = new QGroupBox(QStringLiteral("报价信息"), this);
    DBGrid1 = new DataGrid(quotes);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Zjbj);
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("合计："));
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    DBGrid1->addColumn(QStringLiteral("gb_bjrq"), QStringLiteral("报价日期"), 80);
    DBGrid1->addColumn(QStringLiteral("gb_bj"), QStringLiteral("报价"), 70).setFormat(QStringLiteral("0.00"));
    DBGrid1->addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价"), 70);
    DBGrid1->addColumn(QStringLiteral("g_sj"), QStringLiteral("预设售价"), 70);
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 80);
    DBGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    DBGrid1->addColumn(QStringLiteral("gb_note"), QStringLiteral("备注"), 120);
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

void TF_Cgjh_Ghs::FormActivate()
{
    const ResultSet ghs = openSelect(QStringLiteral("select * from jxc_ghsxx where ghs_sn=?"), {{QString(), curGhsSn}});
    tname->setText(ghs.text(0, QStringLiteral("ghs_name")));
    tlxr->setText(ghs.text(0, QStringLiteral("ghs_lxr")));
    ttele->setText(ghs.text(0, QStringLiteral("ghs_tele")));
    taddress->setText(ghs.text(0, QStringLiteral("ghs_address")));
    tnote->setText(ghs.text(0, QStringLiteral("ghs_note")));

    // The summary leaves the figures alone for a supplier it cannot find: never show another's.
    zwYfje = zwSfje = zwWfje = QStringLiteral("0");
    getGhsZw(curGhsSn);
    lblYfje->setText(amountText(zwYfje));
    lblSfje->setText(amountText(zwSfje));
    lblWfje->setText(amountText(zwWfje));

    // The code stands in a quoted literal: its quotes are doubled, so it matches exactly.
    QString code = curGhsSn;
    code.replace(QLatin1Char('\''), QStringLiteral("''"));
    openQuery(DataModule->Q_Zjbj,
              QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_jj,a.g_sj,b.gb_bjrq,b.gb_bj,"
                             "b.gb_note from jxc_goods a,jxc_ghsbj b where a.g_sn=b.g_sn and b.ghs_sn='")
                  + code + QStringLiteral("' order by b.id"));
}

void TF_Cgjh_Ghs::DBGrid1DblClick(int row)
{
    if (row < 0 || DataModule->Q_Zjbj->isEmpty())
        return;
    modeFlag = QStringLiteral("cgjh_ghs");
    curGoodsSn = DataModule->Q_Zjbj->value(row, QStringLiteral("g_sn"));
    choiceParam = DataModule->Q_Zjbj->value(row, QStringLiteral("gb_bj"));
    accept();
}

void TF_Cgjh_Ghs::FormClose()
{
    DataModule->Q_Zjbj->close();
}
