#include "pos/posxs.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/winkeys.h"
#include "pos/posposting.h"
#include "pos/posxs_fk.h"
#include "pos/posxs_jg.h"
#include "pos/posxs_lock.h"
#include "pos/posxs_sele.h"
#include "pos/posxs_selehy.h"
#include "shell/commands.h"

#include <QFontDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

TF_Posxs* F_Posxs = nullptr;

namespace {

// The key help, in the order it is shown: the function and its caption.
const QStringList& helpFunctions()
{
    static const QStringList names = {
        QStringLiteral("付款结账"), QStringLiteral("修改折扣"), QStringLiteral("修改单价"), QStringLiteral("修改数量"),
        QStringLiteral("删除当前"), QStringLiteral("删除全部"), QStringLiteral("选择会员"), QStringLiteral("打开钱箱"),
        QStringLiteral("挂单"),     QStringLiteral("解挂"),     QStringLiteral("浏览图片"), QStringLiteral("锁定屏幕"),
        QStringLiteral("选择员工"), QStringLiteral("选择仓库")};
    return names;
}

QLabel* redBold(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setStyleSheet(QStringLiteral("color:red;font-weight:bold"));
    return l;
}

QLineEdit* numberBox(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}

QFrame* makePanel(TF_Posxs* w, const char* name, QLabel*& lblName, QLineEdit*& price, QLineEdit*& rate, QLabel*& oldQty,
                  QLineEdit*& newQty, QPushButton*& ok, QPushButton*& exit, int rateLength)
{
    auto* panel = new QFrame(w);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    const QString prefix = QString::fromLatin1(name).mid(5);  // "Sl" or "Dj"
    lblName = new QLabel(panel);
    lblName->setObjectName(QStringLiteral("lbl%1Name").arg(prefix));
    price = numberBox(panel, prefix == QLatin1String("Sl") ? "edtSlDj" : "edtDjDj", 8);
    rate = numberBox(panel, prefix == QLatin1String("Sl") ? "edtSlZk" : "edtDjZk", rateLength);
    oldQty = new QLabel(panel);
    oldQty->setObjectName(QStringLiteral("lbl%1Ysl").arg(prefix));
    newQty = numberBox(panel, prefix == QLatin1String("Sl") ? "edtSlXsl" : "edtDjXsl", 8);
    ok = namedButton(panel, prefix == QLatin1String("Sl") ? "btnSlOk" : "btnDjOk", QStringLiteral("确定(F5)"));
    exit = namedButton(panel, prefix == QLatin1String("Sl") ? "btnSlExit" : "btnDjExit", QStringLiteral("退出(Esc)"));
    auto* g = new QGridLayout(panel);
    g->addWidget(new QLabel(QStringLiteral("商品名称："), panel), 0, 0);
    g->addWidget(lblName, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("商品原价："), panel), 1, 0);
    g->addWidget(price, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("折  扣  率："), panel), 2, 0);
    g->addWidget(rate, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("原  数  量："), panel), 3, 0);
    g->addWidget(oldQty, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("新  数  量："), panel), 4, 0);
    g->addWidget(newQty, 4, 1);
    g->addLayout(buttonRow({ok, exit}), 5, 0, 1, 2);
    panel->hide();
    // A discount outside 0..1 becomes 1, a negative quantity 1, as soon as they are entered.
    QObject::connect(rate, &QLineEdit::editingFinished, rate, [rate] {
        const Money r = Money::fromText(rate->text());
        if (r > Money::fromUnits(10000) || r < Money())
            rate->setText(QStringLiteral("1"));
    });
    QObject::connect(newQty, &QLineEdit::editingFinished, newQty, [newQty] {
        if (Money::fromText(newQty->text()) < Money())
            newQty->setText(QStringLiteral("1"));
    });
    return panel;
}

}  // namespace

TF_Posxs::TF_Posxs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs"));
    setWindowTitle(QStringLiteral("POS终端"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);

    btnMenu = namedButton(this, "btnMenu", QStringLiteral("系统功能(&Z)"));
    btnMenu->setFlat(true);
    menuTill = new QMenu(this);
    menuTill->setObjectName(QStringLiteral("menuTill"));
    for (const char* item : {"商品列表字体设置(&W)", "打印当前收银员明细(&P)", "快捷键设置(&J)", "打印设置(&S)",
                             "客显设置(&K)", "修改密码(&M)", "补打小票(&B)", "顾客退货(&T)", "退出(&Q)"}) {
        const QString text = QString::fromUtf8(item);
        menuTill->addAction(text, this, [this, text] { runGuarded([&] { runMenu(text); }); });
    }
    onClicked(btnMenu, [this] { menuTill->popup(btnMenu->mapToGlobal(QPoint(0, 25))); });

    lblCompany = new QLabel(this);
    lblCompany->setObjectName(QStringLiteral("lblCompany"));
    lblDjh = redBold(this, "lblDjh");
    lblSyy = redBold(this, "lblSyy");
    cbxYg = new CodeComboBox(this);
    cbxYg->setObjectName(QStringLiteral("cbxYg"));
    cbxCk = new CodeComboBox(this);
    cbxCk->setObjectName(QStringLiteral("cbxCk"));
    auto* top = new QHBoxLayout;
    top->addWidget(lblCompany);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("单号："), this));
    top->addWidget(lblDjh);
    top->addWidget(new QLabel(QStringLiteral("收银员："), this));
    top->addWidget(lblSyy);
    top->addWidget(new QLabel(QStringLiteral("营业员："), this));
    top->addWidget(cbxYg);
    auto* ckCaption = new QLabel(QStringLiteral("仓    库："), this);
    ckCaption->setObjectName(QStringLiteral("lblCkCaption"));
    top->addWidget(ckCaption);
    top->addWidget(cbxCk);

    qLines = new NamedQuery(QStringLiteral("Q_PosLines"), QStringLiteral("select * from jxc_lsxssp where 1>2"),
                            NamedQuery::Source::Main, this);
    gridLines = new DataGrid(this);
    gridLines->setObjectName(QStringLiteral("gridLines"));
    gridLines->setQuery(qLines);
    gridLines->setLineNumbers(true);
    const QString money = QStringLiteral("0.00;-0.00");
    gridLines->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("记录数："));
    gridLines->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 160).footerCount();
    gridLines->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号")).setHidden();
    gridLines->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位")).setHidden();
    gridLines->addColumn(QStringLiteral("ls_dj"), QStringLiteral("原单价"), 70).setFormat(money);
    gridLines->addColumn(QStringLiteral("ls_dzl"), QStringLiteral("折扣"), 50);
    gridLines->addColumn(QStringLiteral("ls_dhdj"), QStringLiteral("折后单价"), 70).setFormat(money);
    gridLines->addColumn(QStringLiteral("ls_sl"), QStringLiteral("数量"), 60).footerSum().footerRed();
    gridLines->addColumn(QStringLiteral("ls_zje"), QStringLiteral("金额"), 80).setFormat(money).footerSum().footerRed();
    gridLines->addColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"), 60);
    gridLines->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    gridLines->addColumn(QStringLiteral("t_kc"), QStringLiteral("库存数量"), 70);
    connect(gridLines, &DataGrid::rowClicked, this, [this] { closePanels(); });

    gridGoods = new QTableWidget(this);
    gridGoods->setObjectName(QStringLiteral("gridGoods"));
    gridGoods->setColumnCount(6);
    gridGoods->setHorizontalHeaderLabels({QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("单位"),
                                          QStringLiteral("规格型号"), QStringLiteral("颜色"), QStringLiteral("特价")});
    gridGoods->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridGoods->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridGoods->setSelectionMode(QAbstractItemView::SingleSelection);
    gridGoods->hide();
    connect(gridGoods, &QTableWidget::cellDoubleClicked, this, [this] { runGuarded([this] { selectGoods(); }); });

    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    connect(edtSearch, &QLineEdit::returnPressed, this, [this] {
        const QString key = edtSearch->text().trimmed();
        if (!key.isEmpty())
            runGuarded([&] { setFilterGoods(key); });
    });
    lblHjsl = redBold(this, "lblHjsl");
    lblHjje = redBold(this, "lblHjje");
    btnHide = namedButton(this, "btnHide", QStringLiteral("▼"));
    btnShow = namedButton(this, "btnShow", QStringLiteral("▲"));
    onClicked(btnHide, [this] {
        panelBottom->hide();
        m_bottomHidden = true;
        btnHide->hide();
        btnShow->show();
    });
    onClicked(btnShow, [this] {
        panelBottom->show();
        m_bottomHidden = false;
        btnShow->hide();
        btnHide->setVisible(!memberFaceShown());
    });
    auto* middle = new QHBoxLayout;
    middle->addWidget(new QLabel(QStringLiteral("请输入商品编号/条码："), this));
    middle->addWidget(edtSearch, 1);
    middle->addWidget(new QLabel(QStringLiteral("合计数量："), this));
    middle->addWidget(lblHjsl);
    middle->addWidget(new QLabel(QStringLiteral("合计金额："), this));
    middle->addWidget(lblHjje);
    middle->addWidget(btnHide);
    middle->addWidget(btnShow);

    panelBottom = new QFrame(this);
    panelBottom->setObjectName(QStringLiteral("panelBottom"));
    bottomFaces = new QStackedWidget(panelBottom);
    auto* help = new QWidget(bottomFaces);
    auto* helpGrid = new QGridLayout(help);
    for (int i = 0; i < helpFunctions().size(); ++i) {
        auto* caption = new QLabel(helpFunctions().at(i) + QStringLiteral("："), help);
        auto* key = new QLabel(help);
        key->setObjectName(QStringLiteral("lblKey%1").arg(i));
        keyLabels << key;
        helpGrid->addWidget(caption, i / 7, (i % 7) * 2);
        helpGrid->addWidget(key, i / 7, (i % 7) * 2 + 1);
    }
    auto* memberFace = new QWidget(bottomFaces);
    auto* mg = new QGridLayout(memberFace);
    auto memberField = [&](const char* name, const char* caption, int col) {
        auto* l = redBold(memberFace, name);
        mg->addWidget(new QLabel(QString::fromUtf8(caption), memberFace), col / 3, (col % 3) * 2);
        mg->addWidget(l, col / 3, (col % 3) * 2 + 1);
        return l;
    };
    lblHyBh = memberField("lblHyBh", "会员编号：", 0);
    lblHyName = memberField("lblHyName", "会员名称：", 1);
    lblHyJb = memberField("lblHyJb", "会员级别：", 2);
    lblHyZk = memberField("lblHyZk", "会员折扣：", 3);
    lblHyJf = memberField("lblHyJf", "会员积分：", 4);
    lblHyYe = memberField("lblHyYe", "账户余额：", 5);
    btnHideHy = namedButton(memberFace, "btnHideHy", QStringLiteral("×"));
    btnHideHy->setToolTip(QStringLiteral("隐藏会员面板,并清空会员信息"));
    mg->addWidget(btnHideHy, 0, 6);
    onClicked(btnHideHy, [this] { hideMemberPanel(); });
    bottomFaces->addWidget(help);
    bottomFaces->addWidget(memberFace);
    (new QVBoxLayout(panelBottom))->addWidget(bottomFaces);

    lblProduct = new QLabel(this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    lblStatus = new QLabel(QStringLiteral("系统状态"), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblClock = new QLabel(this);
    lblClock->setObjectName(QStringLiteral("lblClock"));
    auto* status = new QHBoxLayout;
    status->addWidget(lblProduct);
    status->addWidget(lblStatus, 1);
    status->addWidget(lblClock);
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, [this] { lblClock->setText(Clock::now().toString(QStringLiteral("HH:mm:ss"))); });
    clock->start(1000);

    panelSl = makePanel(this, "panelSl", lblSlName, edtSlDj, edtSlZk, lblSlYsl, edtSlXsl, btnSlOk, btnSlExit, 8);
    panelDj = makePanel(this, "panelDj", lblDjName, edtDjDj, edtDjZk, lblDjYsl, edtDjXsl, btnDjOk, btnDjExit, 4);
    onClicked(btnSlOk, [this] { btnSaveClick(); });
    onClicked(btnDjOk, [this] { btnOKClick(); });
    onClicked(btnSlExit, [this] { closePanels(); });
    onClicked(btnDjExit, [this] { closePanels(); });

    auto* box = new QVBoxLayout(this);
    box->addWidget(btnMenu, 0, Qt::AlignLeft);
    box->addLayout(top);
    box->addWidget(gridLines, 3);
    box->addWidget(gridGoods, 2);
    box->addLayout(middle);
    box->addWidget(panelBottom);
    box->addLayout(status);
}

// ---- Opening and starting a sale ------------------------------------------------------------

void TF_Posxs::FormActivate()
{
    refreshKeyHelp();
    lblProduct->setText(QStringLiteral("禾岚软件"));
    lblCompany->setText(companyShortName);
    clearExpiredTj();
    clearOldPosHold();
    setInitValue(QString());
}

void TF_Posxs::refreshKeyHelp()
{
    for (int i = 0; i < helpFunctions().size(); ++i) {
        QString caption = getGnKey(helpFunctions().at(i));
        if (i == 0)
            caption = caption.isEmpty() ? QStringLiteral("F5") : caption + QStringLiteral("  F5");
        keyLabels.at(i)->setText(caption);
    }
}

void TF_Posxs::setInitValue(const QString& number)
{
    paramValue.clear();
    m_number = number.isEmpty() ? newTillNumber() : number;
    lblDjh->setText(m_number);
    lblHjje->setText(QStringLiteral("0"));
    lblHjsl->setText(QStringLiteral("0"));
    clearMemberPanel();
    showFace(false);
    panelBottom->show();
    m_bottomHidden = false;
    btnHide->show();
    btnShow->hide();
    cbxYg->clear();
    const ResultSet staff = openSelect(QStringLiteral("select u_name,u_sn from jxc_user where u_xs<>0 order by id"));
    for (int r = 0; r < staff.rowCount(); ++r)
        cbxYg->addItem(staff.text(r, 0), staff.text(r, 1));
    if (cbxYg->count() == 0) {
        msgInfo(QStringLiteral("请添加导购信息！"), this);
        return;
    }
    cbxYg->setCurrentIndex(0);
    cbxCk->clear();
    const ResultSet stores = openSelect(QStringLiteral("select ck_name,ck_sn from jxc_ckxx order by id"));
    for (int r = 0; r < stores.rowCount(); ++r)
        cbxCk->addItem(stores.text(r, 0), stores.text(r, 1));
    if (cbxCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    cbxCk->setEnabled(true);
    const QString own = selectValue(QStringLiteral("select ck_name from jxc_ckxx where ck_pos<>0 order by id"));
    if (own.isEmpty() || !cbxCk->selectText(own))
        cbxCk->setCurrentIndex(0);
    const QString size = selectValue(QStringLiteral("select font_size from jxc_posfont"));
    setFont(size.toInt() > 0 ? size.toInt() : 14);
    openLines();
    updateBottomHjje();
    lblSyy->setText(operatorName);
    gridGoods->hide();
    edtSearch->setFocus();
    loadKey();
}

void TF_Posxs::openLines()
{
    qLines->open(QStringLiteral("select a.*,b.g_name,b.gg_name,b.dw_name,b.g_sccs,c.cm_name,d.color_name,e.t_kc "
                                "from jxc_lsxssp a,jxc_goods b,jxc_cm c,jxc_color d,jxc_lsxsspmx e "
                                "where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn "
                                "and e.color_sn=d.color_sn and a.gl_djh='%1' order by a.id")
                     .arg(m_number));
}

void TF_Posxs::setFont(int size)
{
    QFont f = gridLines->view()->font();
    f.setPointSize(size);
    gridLines->view()->setFont(f);
}

void TF_Posxs::loadKey()
{
    m_keys.clear();
    for (const QString& fn : tillFunctions())
        m_keys.insert(fn, getKeyValue(fn));
}

QString TF_Posxs::totalText() const { return lblHjje->text(); }
QString TF_Posxs::warehouseCode() const { return cbxCk->currentCodeOrEmpty(); }
QString TF_Posxs::staffCode() const { return cbxYg->currentCodeOrEmpty(); }
QString TF_Posxs::memberBalance() const { return lblHyYe->text(); }
int TF_Posxs::lineCount() const { return qLines->rowCount(); }
bool TF_Posxs::memberFaceShown() const { return bottomFaces->currentIndex() == 1; }
bool TF_Posxs::bottomShown() const { return !m_bottomHidden; }
bool TF_Posxs::quantityPanelOpen() const { return panelSl->isVisible(); }
bool TF_Posxs::pricePanelOpen() const { return panelDj->isVisible(); }

void TF_Posxs::showFace(bool memberFace)
{
    bottomFaces->setCurrentIndex(memberFace ? 1 : 0);
}

void TF_Posxs::setMemberPanel(const TillMemberChoice& c)
{
    lblHyBh->setText(c.card);
    lblHyName->setText(c.name);
    lblHyJb->setText(c.levelName);
    lblHyZk->setText(c.discount);
    lblHyJf->setText(c.points);
    lblHyYe->setText(c.balance);
    m_member = {c.card, c.levelSn, c.discount};
}

void TF_Posxs::clearMemberPanel()
{
    for (QLabel* l : {lblHyBh, lblHyName, lblHyJb, lblHyZk, lblHyJf, lblHyYe})
        l->clear();
    m_member = {};
}

// ---- Goods ----------------------------------------------------------------------------------

void TF_Posxs::setFilterGoods(const QString& key)
{
    edtSearch->clear();
    if (cbxCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    const ResultSet rs = findPosGoods(key, warehouseCode());
    gridGoods->setRowCount(0);
    if (rs.rowCount() == 0) {
        msgInfo(QStringLiteral("仓库里没有所查询的商品信息，请重新输入！"), this);
        return;
    }
    gridGoods->setRowCount(rs.rowCount());
    const QStringList fields = {QStringLiteral("g_sn"), QStringLiteral("g_name"), QStringLiteral("dw_name"),
                                QStringLiteral("gg_name"), QStringLiteral("color_name")};
    for (int r = 0; r < rs.rowCount(); ++r) {
        for (int c = 0; c < fields.size(); ++c)
            gridGoods->setItem(r, c, new QTableWidgetItem(rs.text(r, fields.at(c))));
        auto* tick = new QTableWidgetItem;
        tick->setCheckState(settingOn(rs.text(r, QStringLiteral("g_tjsp"))) && !rs.text(r, QStringLiteral("g_tjsp")).isEmpty()
                                ? Qt::Checked
                                : Qt::Unchecked);
        gridGoods->setItem(r, 5, tick);
    }
    gridGoods->show();
    gridGoods->setCurrentCell(0, 0);
    gridGoods->setFocus();
    if (rs.rowCount() == 1)
        selectGoods();
}

void TF_Posxs::selectGoods()
{
    const int row = gridGoods->currentRow();
    if (row < 0 || !gridGoods->item(row, 0))
        return;
    const QString gSn = gridGoods->item(row, 0)->text();
    TF_Posxs_Sele* picker = ensureForm(F_Posxs_Sele);
    picker->setGoods(gSn, warehouseCode());
    picker->showModalForm();
    if (picker->wasChosen()) {
        addPickedLine(m_number, gSn, picker->sizeName(), picker->colorName(), picker->stock(), m_member);
        openLines();
        qLines->locate(QStringLiteral("g_sn"), gSn);
    }
    gridGoods->hide();
    updateBottomHjje();
    edtSearch->setFocus();
}

// ---- Totals ---------------------------------------------------------------------------------

void TF_Posxs::updateBottomHjje()
{
    lblHjje->setText(tillTotalText(m_number));
    lblHjsl->setText(tillQuantityText(m_number));
    const bool selling = lineCount() > 0;
    lblStatus->setText(selling ? QStringLiteral("销售状态") : QStringLiteral("待销售状态"));
    cbxCk->setEnabled(!selling);
}

void TF_Posxs::updateBottomJe()
{
    lblHjje->setText(selectValue(
        QStringLiteral("select sum(ls_zje) from jxc_lsxssp where g_sn<>'00000000' and gl_djh=?"), {{QString(), m_number}}));
    lblHjsl->setText(tillQuantityText(m_number));
}

// ---- Lines ----------------------------------------------------------------------------------

void TF_Posxs::delCurrRec()
{
    const QString id = qLines->fieldByName(QStringLiteral("id"));
    if (id.isEmpty())
        return;
    deleteTillLine(id.toLongLong());
    openLines();
    updateBottomHjje();
}

void TF_Posxs::delAllRec()
{
    if (!msgYesNo(QStringLiteral("您确定要删除所有信息吗！"), this))
        return;
    discardPosLines(m_number);
    openLines();
    updateBottomHjje();
}

void TF_Posxs::fillPanel(QLabel* name, QLineEdit* price, QLineEdit* rate, QLabel* oldQty, QLineEdit* newQty)
{
    name->setText(qLines->fieldByName(QStringLiteral("g_name")));
    price->setText(qLines->fieldByName(QStringLiteral("ls_dj")));
    rate->setText(qLines->fieldByName(QStringLiteral("ls_dzl")));
    oldQty->setText(qLines->fieldByName(QStringLiteral("ls_sl")));
    newQty->setText(qLines->fieldByName(QStringLiteral("ls_sl")));
}

void TF_Posxs::posYxsp()
{
    if (pricePanelOpen())
        return;
    fillPanel(lblSlName, edtSlDj, edtSlZk, lblSlYsl, edtSlXsl);
    const bool editable = settingOn(csPosdj);
    edtSlDj->setReadOnly(!editable);
    edtSlZk->setReadOnly(!editable);
    const QWidget* anchor = findChild<QLabel*>(QStringLiteral("lblCkCaption"));
    const int y = qMin(600, gridLines->view()->verticalHeader()->defaultSectionSize() + 60);
    panelSl->move(anchor ? anchor->x() : 0, y);
    panelSl->adjustSize();
    panelSl->raise();
    panelSl->show();
    edtSlXsl->setFocus();
    edtSlXsl->selectAll();
}

void TF_Posxs::posXgdj()
{
    if (quantityPanelOpen())
        return;
    fillPanel(lblDjName, edtDjDj, edtDjZk, lblDjYsl, edtDjXsl);
    const int y = qMin(600, gridLines->view()->verticalHeader()->defaultSectionSize() + 60);
    panelDj->move(cbxYg->x(), y);
    panelDj->adjustSize();
    panelDj->raise();
    panelDj->show();
    edtDjZk->setFocus();
    edtDjZk->selectAll();
}

void TF_Posxs::confirmPanel(QFrame* panel, QLineEdit* price, QLineEdit* rate, QLineEdit* newQty)
{
    // The field rules apply also when the value was typed and confirmed at once.
    Money r = Money::fromText(rate->text());
    if (r > Money::fromUnits(10000) || r < Money())
        r = Money::fromUnits(10000);
    Money q = Money::fromText(newQty->text());
    if (q < Money())
        q = Money::fromUnits(10000);
    const QString id = qLines->fieldByName(QStringLiteral("id"));
    if (id.isEmpty()) {
        closePanels();
        return;
    }
    const QString refusal = setTillLine(id.toLongLong(), Money::fromText(price->text()), r, q, !settingOn(csKc),
                                        warehouseCode());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    openLines();
    qLines->locate(QStringLiteral("id"), id);
    updateBottomHjje();
    panel->hide();
    edtSearch->setFocus();
}

void TF_Posxs::btnSaveClick() { confirmPanel(panelSl, edtSlDj, edtSlZk, edtSlXsl); }
void TF_Posxs::btnOKClick() { confirmPanel(panelDj, edtDjDj, edtDjZk, edtDjXsl); }

void TF_Posxs::closePanels()
{
    panelSl->hide();
    panelDj->hide();
    edtSearch->setFocus();
}

// ---- Member, payment, held sales, lock ------------------------------------------------------

void TF_Posxs::posHy()
{
    paramValue.clear();
    showForm(F_Posxs_SeleHy);
    showFace(!paramValue.isEmpty());
    panelBottom->show();
    m_bottomHidden = false;
    btnHide->setVisible(!memberFaceShown());
    btnShow->hide();
    openLines();
    updateBottomHjje();
}

void TF_Posxs::hideMemberPanel()
{
    if (lineCount() > 0) {
        msgInfo(QStringLiteral("正在销售商品，不能隐藏会员信息！"), this);
        return;
    }
    panelBottom->hide();
    m_bottomHidden = true;
    showFace(false);
    paramValue.clear();
    clearMemberPanel();
    btnHide->hide();
    btnShow->show();
}

void TF_Posxs::posFk()
{
    paramValue = memberBalance();
    TF_Posxs_Fk* pay = ensureForm(F_Posxs_Fk);
    pay->showModalForm();
    paramValue.clear();
    if (pay->posted()) {
        m_paid = true;
        setInitValue(QString());
    }
}

void TF_Posxs::posGD()
{
    if (!msgYesNo(QStringLiteral("您确定挂单吗！"), this))
        return;
    holdPosSale(m_number, m_member.card, staffCode(), warehouseCode(), totalText(), operatorName);
    openLines();
    msgInfo(QStringLiteral("挂单成功！"), this);
    setInitValue(QString());
}

void TF_Posxs::posJG()
{
    if (lineCount() > 0) {
        msgInfo(QStringLiteral("系统处于销售状态，不能解挂！"), this);
        return;
    }
    paramValue.clear();
    showForm(F_Posxs_Jg);
    openLines();
    updateBottomHjje();
    showFace(!paramValue.isEmpty());
    panelBottom->show();
    m_bottomHidden = false;
    btnHide->setVisible(!memberFaceShown());
    btnShow->hide();
}

void TF_Posxs::suoJi()
{
    showForm(F_PosXs_Lock);
}

// ---- Keys -----------------------------------------------------------------------------------

bool TF_Posxs::searchBoxKey(QKeyEvent* event)
{
    // The search box takes digits, Latin letters (as capitals), Backspace and characters above
    // code 128; everything else typed is dropped.
    if (focusWidget() != edtSearch)
        return false;
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter)
        return false;
    const QChar c = text.at(0);
    if (c.unicode() < 32)
        return false;
    if (c.isDigit() && c.unicode() < 128)
        return false;
    if (c.unicode() > 128)
        return false;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
        edtSearch->insert(QString(c.toUpper()));
        return true;
    }
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return false;
    return true;
}

bool TF_Posxs::FormKeyDown(QKeyEvent* event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (quantityPanelOpen()) {
        if (key == Qt::Key_Escape)
            closePanels();
        else if (key == Qt::Key_F5 || enter)
            btnSaveClick();
        return key == Qt::Key_Escape || key == Qt::Key_F5 || enter;
    }
    if (key == Qt::Key_F1) {
        if (!memberFaceShown()) {
            m_bottomHidden = !m_bottomHidden;
            panelBottom->setVisible(!m_bottomHidden);
        }
        return true;
    }
    if (pricePanelOpen()) {
        if (key == Qt::Key_Escape)
            closePanels();
        else if (key == Qt::Key_F5 || enter)
            btnOKClick();
        return key == Qt::Key_Escape || key == Qt::Key_F5 || enter;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    if (enter && focusWidget() == gridGoods) {
        selectGoods();
        return true;
    }
    const int code = winKeyCode(event);
    auto is = [&](const char* fn) {
        const int k = m_keys.value(QString::fromUtf8(fn));
        return code != 0 && k == code;
    };
    const bool lines = lineCount() > 0;
    bool acted = false;
    if (is("删除当前") && lines) {
        delCurrRec();
        updateBottomHjje();
    }
    if (is("删除全部") && lines) {
        delAllRec();
        updateBottomHjje();
    }
    if (is("挂单") && lineCount() > 0)
        posGD();
    if (is("解挂"))
        posJG();
    if (is("修改数量") && lineCount() > 0) {
        posYxsp();
        updateBottomJe();
    }
    if (is("修改单价")) {
        if (!settingOn(csPosdj)) {
            msgInfo(QStringLiteral("您不能修改商品单价！"), this);
            return true;
        }
        if (lineCount() > 0) {
            posXgdj();
            updateBottomHjje();
        }
    }
    if (is("修改折扣")) {
        if (!settingOn(csPosdj)) {
            msgInfo(QStringLiteral("您不能修改商品折扣！"), this);
            return true;
        }
        if (lineCount() > 0) {
            posXgdj();
            updateBottomHjje();
        }
    }
    if (is("选择会员"))
        posHy();
    if ((key == Qt::Key_F5 || is("付款结账")) && lineCount() > 0)
        posFk();
    if (is("选择员工"))
        cbxYg->setFocus();
    if (is("选择仓库") && cbxCk->isEnabled())
        cbxCk->setFocus();
    if (is("锁定屏幕"))
        suoJi();
    // A key that matched a function is used up here (the window would otherwise see it again
    // as it travels up from the focused control); other keys reach the control, and the search
    // box drops what it refuses.
    for (const QString& fn : tillFunctions())
        acted = acted || (code != 0 && m_keys.value(fn) == code);
    if (acted || key == Qt::Key_F5)
        return true;
    return searchBoxKey(event);
}

// ---- Menu and closing -----------------------------------------------------------------------

void TF_Posxs::runMenu(const QString& item)
{
    if (item.startsWith(QStringLiteral("商品列表字体设置"))) {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, gridLines->view()->font(), this);
        if (!ok)
            return;
        Transaction tx;
        execSql(QStringLiteral("delete from jxc_posfont"));
        execSql(QStringLiteral("insert into jxc_posfont (font_size) values (?)"), {{QString(), QString::number(f.pointSize())}});
        tx.commit();
        setFont(f.pointSize());
    } else if (item.startsWith(QStringLiteral("打印当前收银员明细"))) {
        openWindow(QStringLiteral("TF_Posxs_Syymx"), QString(), QStringLiteral("打印当前收银员明细"));
    } else if (item.startsWith(QStringLiteral("快捷键设置"))) {
        openWindow(QStringLiteral("TF_PosKey"), QString(), QStringLiteral("快捷键设置"));
        loadKey();
    } else if (item.startsWith(QStringLiteral("打印设置"))) {
        openWindow(QStringLiteral("TF_PosPrinSet"), QString(), QStringLiteral("打印设置"));
    } else if (item.startsWith(QStringLiteral("客显设置"))) {
        openWindow(QStringLiteral("TF_Posxs_Kx"), QString(), QStringLiteral("客显设置"));
    } else if (item.startsWith(QStringLiteral("修改密码"))) {
        openWindow(QStringLiteral("TF_PwdModi"), QString(), QStringLiteral("修改密码"));
    } else if (item.startsWith(QStringLiteral("补打小票"))) {
        openWindow(QStringLiteral("TF_Posxs_Dyxp"), QString(), QStringLiteral("补打小票"));
    } else if (item.startsWith(QStringLiteral("顾客退货"))) {
        authName.clear();
        authRoleCode.clear();
        openWindow(QStringLiteral("TF_Posxs_Login"), QStringLiteral("退货-柜长授权"), QStringLiteral("顾客退货"));
        if (!authName.isEmpty())
            openWindow(QStringLiteral("TF_Posxs_Th"), QString(), QStringLiteral("顾客退货"));
        authName.clear();
        authRoleCode.clear();
    } else if (item.startsWith(QStringLiteral("退出"))) {
        close();
    }
}

bool TF_Posxs::FormCloseQuery()
{
    if (lineCount() == 0)
        return true;
    switch (msgYesNoCancel(QStringLiteral("所选商品还未保存，是否保存？"), this)) {
    case MsgAnswer::Yes:
        // The till stays open with its lines unless the payment completed.
        m_paid = false;
        posFk();
        return m_paid;
    case MsgAnswer::No:
        discardPosLines(m_number);
        return true;
    default:
        return false;
    }
}

void TF_Posxs::FormClose()
{
    paramValue.clear();
    qLines->close();
    gridGoods->setRowCount(0);
    gridGoods->hide();
}
