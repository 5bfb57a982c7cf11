#include "sales/spxs_kh.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/ledger.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxs_Kh* F_Spxs_Kh = nullptr;

TF_Spxs_Kh::TF_Spxs_Kh(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxs_Kh"));
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
    DBGrid1->setQuery(DataModule->Q_Khbj);
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("品种合计:"));
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140).footerCount();
    DBGrid1->addColumn(QStringLiteral("kb_bjrq"), QStringLiteral("报价日期"), 80);
    DBGrid1->addColumn(QStringLiteral("kb_bj"), QStringLiteral("报价"), 70).setFormat(QStringLiteral("0.00"));
    DBGrid1->addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价"), 70);
    DBGrid1->addColumn(QStringLiteral("g_sj"), QStringLiteral("预设售价"), 70);
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 80);
    DBGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    DBGrid1->addColumn(QStringLiteral("kb_note"), QStringLiteral("备注"), 120);
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

void TF_Spxs_Kh::FormActivate()
{
    const ResultSet kh = openSelect(QStringLiteral("select * from jxc_khxx where kh_sn=?"), {{QString(), curKhSn}});
    tname->setText(kh.text(0, QStringLiteral("kh_name")));
    tlxr->setText(kh.text(0, QStringLiteral("kh_lxr")));
    ttele->setText(kh.text(0, QStringLiteral("kh_tele")));
    taddress->setText(kh.text(0, QStringLiteral("kh_address")));
    tnote->setText(kh.text(0, QStringLiteral("kh_note")));

    // The summary leaves the figures alone for a customer it cannot find: never show another's.
    zwYfje = zwSfje = zwWfje = QStringLiteral("0");
    getKhZw(curKhSn);
    lblYfje->setText(zwYfje + QStringLiteral(" 元"));
    lblSfje->setText(zwSfje + QStringLiteral(" 元"));
    lblWfje->setText(zwWfje + QStringLiteral(" 元"));

    // The code stands in a quoted literal: its quotes are doubled, so it matches exactly.
    QString code = curKhSn;
    code.replace(QLatin1Char('\''), QStringLiteral("''"));
    openQuery(DataModule->Q_Khbj,
              QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_jj,a.g_sj,b.kb_bjrq,b.kb_bj,"
                             "b.kb_note from jxc_goods a,jxc_khbj b where a.g_sn=b.g_sn and b.kh_sn='%1' order by b.id")
                  .arg(code));
}

void TF_Spxs_Kh::DBGrid1DblClick(int row)
{
    if (row < 0 || DataModule->Q_Khbj->isEmpty())
        return;
    // Nothing in the sales window acts on a chosen quote: the card hands nothing back.
    modeFlag.clear();
    curGoodsSn.clear();
    choiceParam.clear();
    accept();
}

void TF_Spxs_Kh::FormClose()
{
    DataModule->Q_Khbj->close();
}
