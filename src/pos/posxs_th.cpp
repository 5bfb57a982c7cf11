#include "pos/posxs_th.h"

#include "data/globals.h"
#include "data/settings.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "pos/posxs_thje.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Th* F_Posxs_Th = nullptr;

namespace {
// Characters the number and goods boxes drop as typed ("*" is kept).
bool droppedChar(const QString& text)
{
    if (text.isEmpty())
        return false;
    static const QString dropped = QStringLiteral("!\"#$%&'()+,-./?@");
    return dropped.contains(text.at(0));
}
}  // namespace

TF_Posxs_Th::TF_Posxs_Th(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Th"));
    setWindowTitle(QStringLiteral("顾客退货"));
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblThdh = label("lblThdh");
    lblXsrq = label("lblXsrq");
    lblHybh = label("lblHybh");
    edtXsdh = new QLineEdit(this);
    edtXsdh->setObjectName(QStringLiteral("edtXsdh"));
    edtGoods = new QLineEdit(this);
    edtGoods->setObjectName(QStringLiteral("edtGoods"));
    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("退货单号："), this), 0, 0);
    head->addWidget(lblThdh, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("销售单号(F6)："), this), 0, 2);
    head->addWidget(edtXsdh, 0, 3);
    head->addWidget(new QLabel(QStringLiteral("销售日期："), this), 1, 0);
    head->addWidget(lblXsrq, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("会员编号："), this), 1, 2);
    head->addWidget(lblHybh, 1, 3);
    head->addWidget(new QLabel(QStringLiteral("商品编号/条码(F2)："), this), 2, 0);
    head->addWidget(edtGoods, 2, 1, 1, 3);

    qLines = new NamedQuery(QStringLiteral("Q_PosReturnLines"), QStringLiteral("select * from jxc_posthsp where 1>2"),
                            NamedQuery::Source::Main, this);
    grid = new DataGrid(this);
    grid->setObjectName(QStringLiteral("gridReturn"));
    grid->setQuery(qLines);
    grid->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerCount(QStringLiteral("记录数："));
    grid->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    grid->addColumn(QStringLiteral("pos_dj"), QStringLiteral("原单价"), 70).setFormat(QStringLiteral("0.00"));
    grid->addColumn(QStringLiteral("pos_dzl"), QStringLiteral("打折率"), 60);
    grid->addColumn(QStringLiteral("pos_xssl"), QStringLiteral("销售数量"), 70).footerSum();
    grid->addColumn(QStringLiteral("pos_sl"), QStringLiteral("退货数量"), 70).footerSum();
    grid->addColumn(QStringLiteral("pos_zje"), QStringLiteral("金额"), 80).setFormat(QStringLiteral("0.00")).footerSum();

    btnDel = namedButton(this, "btnDel", QStringLiteral("删除(F3)"));
    btnSl = namedButton(this, "btnSl", QStringLiteral("数量(F4)"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    panelSl = new QFrame(this);
    panelSl->setObjectName(QStringLiteral("panelSl"));
    panelSl->setFrameShape(QFrame::Box);
    panelSl->setAutoFillBackground(true);
    lblSlName = new QLabel(panelSl);
    lblSlName->setObjectName(QStringLiteral("lblSlName"));
    lblSlOld = new QLabel(panelSl);
    lblSlOld->setObjectName(QStringLiteral("lblSlOld"));
    edtSlNew = new QLineEdit(panelSl);
    edtSlNew->setObjectName(QStringLiteral("edtSlNew"));
    btnSlOk = namedButton(panelSl, "btnSlOk", QStringLiteral("确定"));
    btnSlExit = namedButton(panelSl, "btnSlExit", QStringLiteral("退出"));
    auto* pg = new QGridLayout(panelSl);
    pg->addWidget(lblSlName, 0, 0, 1, 2);
    pg->addWidget(new QLabel(QStringLiteral("原  数  量："), panelSl), 1, 0);
    pg->addWidget(lblSlOld, 1, 1);
    pg->addWidget(new QLabel(QStringLiteral("新  数  量："), panelSl), 2, 0);
    pg->addWidget(edtSlNew, 2, 1);
    pg->addLayout(buttonRow({btnSlOk, btnSlExit}), 3, 0, 1, 2);
    panelSl->hide();

    auto* box = new QVBoxLayout(this);
    box->addLayout(head);
    box->addWidget(grid, 1);
    box->addWidget(panelSl);
    box->addLayout(buttonRow({btnDel, btnSl, btnOK, btnExit}));
    connect(edtXsdh, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { chooseSale(); }); });
    connect(edtGoods, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { addGoods(); }); });
    onClicked(btnDel, [this] { removeLine(); });
    onClicked(btnSl, [this] { showQuantity(); });
    onClicked(btnOK, [this] { btnSaveClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnSlOk, [this] { confirmQuantity(); });
    onClicked(btnSlExit, [this] { panelSl->hide(); });
}

int TF_Posxs_Th::lineCount() const { return qLines->rowCount(); }

void TF_Posxs_Th::FormActivate() { initReturn(); }

void TF_Posxs_Th::initReturn()
{
    m_sale.reset();
    m_number = posReturnNumber();
    lblThdh->setText(m_number);
    edtXsdh->clear();
    edtGoods->clear();
    lblXsrq->clear();
    lblHybh->clear();
    panelSl->hide();
    openLines();
    edtXsdh->setFocus();
}

void TF_Posxs_Th::openLines()
{
    qLines->open(QStringLiteral("select a.*,b.g_name from jxc_posthsp a left join jxc_goods b on a.g_sn=b.g_sn "
                                "where a.gl_djh='%1' order by a.id")
                     .arg(m_number));
}

void TF_Posxs_Th::chooseSale()
{
    m_sale = findPosSale(edtXsdh->text());
    if (!m_sale) {
        msgInfo(QStringLiteral("该销售单不存在！"), this);
        edtXsdh->clear();
        lblXsrq->clear();
        lblHybh->clear();
        edtXsdh->setFocus();
        return;
    }
    lblHybh->setText(m_sale->hyBh);
    lblXsrq->setText(m_sale->date);
    edtGoods->setFocus();
}

void TF_Posxs_Th::addGoods()
{
    if (edtXsdh->text().trimmed().isEmpty() || lblXsrq->text().isEmpty() || !m_sale) {
        msgInfo(QStringLiteral("请先选择销售单！"), this);
        edtGoods->clear();
        edtXsdh->setFocus();
        return;
    }
    if (edtGoods->text().trimmed().isEmpty())
        return;
    const QString refusal = addReturnGoods(m_number, m_sale->djh, edtGoods->text(), operatorName);
    edtGoods->clear();
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    openLines();
}

void TF_Posxs_Th::removeLine()
{
    const QString id = qLines->fieldByName(QStringLiteral("id"));
    if (id.isEmpty())
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除赠品信息吗！"), this))
        return;
    removeReturnLine(id.toLongLong());
    openLines();
}

void TF_Posxs_Th::showQuantity()
{
    if (qLines->fieldByName(QStringLiteral("id")).isEmpty())
        return;
    lblSlName->setText(qLines->fieldByName(QStringLiteral("g_name")));
    lblSlOld->setText(qLines->fieldByName(QStringLiteral("pos_sl")));
    edtSlNew->setText(qLines->fieldByName(QStringLiteral("pos_sl")));
    panelSl->show();
    edtSlNew->setFocus();
    edtSlNew->selectAll();
}

void TF_Posxs_Th::confirmQuantity()
{
    const QString id = qLines->fieldByName(QStringLiteral("id"));
    if (id.isEmpty())
        return;
    // The new quantity is a whole number.
    const Money qty = Money::fromUnits(Money::fromText(edtSlNew->text()).units() / 10000 * 10000);
    const QString refusal = setReturnQuantity(id.toLongLong(), qty);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    openLines();
    qLines->locate(QStringLiteral("id"), id);
    panelSl->hide();
}

bool TF_Posxs_Th::btnSaveClick()
{
    if (lineCount() == 0 || !m_sale)
        return false;
    paramValue.clear();
    const Money proposal = proposedRefund(returnGoodsTotal(m_number), csPosfkws);
    TF_Posxs_Thje* refund = ensureForm(F_Posxs_Thje);
    refund->setProposal(proposal);
    refund->showModalForm();
    if (!refund->confirmed())
        return false;
    const Money amount = Money::fromText(paramValue);
    paramValue.clear();
    if (const QString refusal = refundRefusal(amount, proposal); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    PosReturn ret;
    ret.djh = m_number;
    ret.sale = *m_sale;
    ret.refund = amount;
    ret.op = operatorName;
    postPosReturn(ret);
    initReturn();
    return true;
}

bool TF_Posxs_Th::FormKeyDown(QKeyEvent* event)
{
    if (panelSl->isVisible()) {
        if (event->key() == Qt::Key_Escape) {
            panelSl->hide();
            return true;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            confirmQuantity();
            return true;
        }
    }
    switch (event->key()) {
    case Qt::Key_F2: edtGoods->setFocus(); return true;
    case Qt::Key_F6: edtXsdh->setFocus(); return true;
    case Qt::Key_F3: if (lineCount() > 0) removeLine(); return true;
    case Qt::Key_F4: if (lineCount() > 0) showQuantity(); return true;
    case Qt::Key_F5: btnSaveClick(); return true;
    case Qt::Key_Escape: close(); return true;
    default: break;
    }
    const QWidget* f = focusWidget();
    return (f == edtXsdh || f == edtGoods) && droppedChar(event->text());
}

bool TF_Posxs_Th::FormCloseQuery()
{
    if (lineCount() == 0)
        return true;
    switch (msgYesNoCancel(QStringLiteral("列表中有退货商品，是否退货？"), this)) {
    case MsgAnswer::Yes: return btnSaveClick();
    case MsgAnswer::No: discardReturnLines(m_number); return true;
    default: return false;
    }
}

void TF_Posxs_Th::FormClose()
{
    paramValue.clear();
}
