#include "members/dhzp.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TF_Dhzp* F_Dhzp = nullptr;

TF_Dhzp::TF_Dhzp(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Dhzp"));
    setWindowTitle(QStringLiteral("兑换赠品"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    resize(640, 480);

    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblDjh = label("lblDjh");
    edtCard = nameBox(this, "edtCard", 32);
    lblBh = label("lblBh");
    lblName = label("lblName");
    lblLevel = label("lblLevel");
    lblJf = label("lblJf");
    edtGift = nameBox(this, "edtGift", 32);
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Dhzp);
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("赠品编号"), 90);
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("赠品名称"), 160);
    DBGrid1->addColumn(QStringLiteral("dh_zpjf"), QStringLiteral("兑换积分"), 80);
    DBGrid1->addColumn(QStringLiteral("dh_sl"), QStringLiteral("数量"), 70);
    DBGrid1->addColumn(QStringLiteral("dh_jf"), QStringLiteral("总积分"), 80);
    btnDele = namedButton(this, "btnDele", QStringLiteral("删除(F3)"));
    btnSl = namedButton(this, "btnSl", QStringLiteral("数量(F4)"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    pnlSl = new QWidget(this);
    pnlSl->setObjectName(QStringLiteral("pnlSl"));
    lblGoods = new QLabel(pnlSl);
    lblGoods->setObjectName(QStringLiteral("lblGoods"));
    lblOld = new QLabel(pnlSl);
    lblOld->setObjectName(QStringLiteral("lblOld"));
    edtNew = new QLineEdit(pnlSl);
    edtNew->setObjectName(QStringLiteral("edtNew"));
    edtNew->setMaxLength(6);
    edtNew->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*")), edtNew));
    btnSlOK = namedButton(pnlSl, "btnSlOK", QStringLiteral("确定"));
    btnSlExit = namedButton(pnlSl, "btnSlExit", QStringLiteral("退出"));
    auto* panelForm = new QFormLayout;
    panelForm->addRow(QStringLiteral("商品名称"), lblGoods);
    panelForm->addRow(QStringLiteral("原  数  量"), lblOld);
    panelForm->addRow(QStringLiteral("新  数  量"), edtNew);
    auto* panelBox = new QVBoxLayout(pnlSl);
    panelBox->addLayout(panelForm);
    panelBox->addLayout(buttonRow({btnSlOK, btnSlExit}));

    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("兑换单号："), this), 0, 0);
    head->addWidget(lblDjh, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("会员编号(F6)："), this), 1, 0);
    head->addWidget(edtCard, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("会员编号"), this), 2, 0);
    head->addWidget(lblBh, 2, 1);
    head->addWidget(new QLabel(QStringLiteral("会员名称"), this), 2, 2);
    head->addWidget(lblName, 2, 3);
    head->addWidget(new QLabel(QStringLiteral("会员级别"), this), 3, 0);
    head->addWidget(lblLevel, 3, 1);
    head->addWidget(new QLabel(QStringLiteral("会员积分"), this), 3, 2);
    head->addWidget(lblJf, 3, 3);
    head->addWidget(new QLabel(QStringLiteral("赠品编号(F2)："), this), 4, 0);
    head->addWidget(edtGift, 4, 1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(head);
    box->addWidget(DBGrid1, 1);
    box->addWidget(pnlSl);
    box->addLayout(buttonRow({btnDele, btnSl, btnOK, btnExit}));

    connect(edtCard, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { cardEnter(); }); });
    connect(edtGift, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { giftEnter(); }); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnSl, [this] { btnSlClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnSlOK, [this] { slOKClick(); });
    onClicked(btnSlExit, [this] { pnlSl->hide(); });
}

void TF_Dhzp::FormActivate()
{
    m_handed = paramValue;
    startExchange();
}

void TF_Dhzp::startExchange()
{
    m_djh = getMaxDjh(QStringLiteral("jxc_dhd"), QStringLiteral("gl_djh"), QStringLiteral("DH"));
    lblDjh->setText(m_djh);
    edtCard->clear();
    for (QLabel* l : {lblBh, lblName, lblLevel, lblJf})
        l->clear();
    edtGift->clear();
    if (!m_handed.isEmpty()) {
        edtCard->setText(m_handed);
        cardEnter();
    } else {
        edtCard->setFocus();
    }
    pnlSl->hide();
    listLines();
}

void TF_Dhzp::listLines()
{
    DataModule->Q_Dhzp->open(QStringLiteral("select a.*,b.zp_name as g_name from jxc_dhzp a,jxc_zpxx b where "
                                            "a.g_sn=b.zp_sn and a.gl_djh='%1' order by a.id")
                                 .arg(m_djh));
}

bool TF_Dhzp::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2: edtGift->setFocus(); return true;
    case Qt::Key_F3: runGuarded([this] { btnDeleClick(); }); return true;
    case Qt::Key_F4: runGuarded([this] { btnSlClick(); }); return true;
    case Qt::Key_F6: edtCard->setFocus(); return true;
    default: return false;
    }
}

void TF_Dhzp::cardEnter()
{
    const ResultSet rs = openSelect(QStringLiteral("select a.hy_bh,a.hy_name,a.hy_jf,b.hl_name from jxc_hyxx a,jxc_hyfl b "
                                                   "where a.hl_sn=b.hl_sn and a.hy_bh=?"),
                                    {{QString(), memberCardForm(edtCard->text())}});
    if (rs.isEmpty()) {
        msgInfo(QStringLiteral("该会员编号不存在！"), this);
        edtCard->clear();
        edtCard->setFocus();
        return;
    }
    lblBh->setText(rs.text(0, 0));
    lblName->setText(rs.text(0, 1));
    lblJf->setText(rs.text(0, 2));
    lblLevel->setText(rs.text(0, 3));
    edtGift->setFocus();
}

void TF_Dhzp::giftEnter()
{
    const QString refusal = addExchangeLine(m_djh, edtCard->text(), edtGift->text(), operatorName);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        if (edtCard->text().trimmed().isEmpty())
            edtGift->clear();
        return;
    }
    if (edtGift->text().trimmed().isEmpty())
        return;
    listLines();
    DataModule->Q_Dhzp->locate(QStringLiteral("id"), DataModule->Q_Dhzp->value(DataModule->Q_Dhzp->rowCount() - 1,
                                                                               QStringLiteral("id")));
    edtGift->clear();
}

void TF_Dhzp::btnDeleClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0 || !msgYesNo(QStringLiteral("您确定要删除赠品信息吗！"), this))
        return;
    deleteExchangeWorkLine(DBGrid1->value(row, QStringLiteral("id")).toLongLong());
    listLines();
}

void TF_Dhzp::btnSlClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    lblGoods->setText(DBGrid1->value(row, QStringLiteral("g_name")));
    lblOld->setText(DBGrid1->value(row, QStringLiteral("dh_sl")));
    edtNew->setText(lblOld->text());
    pnlSl->show();
    edtNew->setFocus();
    edtNew->selectAll();
}

void TF_Dhzp::slOKClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    const qint64 id = DBGrid1->value(row, QStringLiteral("id")).toLongLong();
    if (const QString refusal = setExchangeLineQty(id, Money::fromText(edtNew->text().trimmed()));
        !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    listLines();
    DataModule->Q_Dhzp->locate(QStringLiteral("id"), QString::number(id));
    pnlSl->hide();
}

bool TF_Dhzp::save()
{
    if (DataModule->Q_Dhzp->isEmpty())
        return false;
    if (const QString refusal = saveExchange(m_djh, edtCard->text(), operatorName); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    msgInfo(QStringLiteral("赠品兑换成功！"), this);
    return true;
}

void TF_Dhzp::btnOKClick()
{
    if (save())
        startExchange();
}

bool TF_Dhzp::FormCloseQuery()
{
    if (DataModule->Q_Dhzp->isEmpty())
        return true;
    bool close = false;
    runGuarded([&] {
        switch (msgYesNoCancel(QStringLiteral("当前单据还未保存，是否保存？"), this)) {
        case MsgAnswer::Yes: close = save(); break;
        case MsgAnswer::No:
            clearExchangeWorkLines(m_djh);
            close = true;
            break;
        default: break;
        }
    });
    if (close)
        DataModule->Q_Dhzp->close();
    return close;
}
