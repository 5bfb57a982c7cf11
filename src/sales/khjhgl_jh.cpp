#include "sales/khjhgl_jh.h"

#include "bills/billparts.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "sales/khjhgl.h"
#include "data/globals.h"
#include "data/ledger.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "sales/khjhgl_jh_add.h"
#include "sales/khjhgl_jh_sele.h"
#include "sales/khjhposting.h"
#include "shell/commands.h"
#include "shell/tips.h"
#include "stock/stockdocs.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Khjhgl_Jh* F_Khjhgl_Jh = nullptr;

namespace {

QString loanLinesSql(const QString& number)
{
    return QStringLiteral("select a.id,a.g_sn,a.gl_djh,a.jh_sl,b.g_name,b.dw_name,b.gg_name,b.color_name,a.a_name,b.g_jj,"
                          "a.t_scrq,b.g_sccs from jxc_jhgl a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh='%1' order by a.id")
        .arg(sqlLit(number));
}

BillKind loanKind()
{
    return {.lines = &kLendingLines,
            .headerTable = "jxc_jhgl",
            .headerNumber = "gl_djh",
            .prefix = "JH",
            .lineQuery = lendingQuery("Q_Khjh"),
            .lineSql = loanLinesSql,
            .discountGoods = "00000000",
            .keepStrayLines = true};
}

CodeComboBox* combo(const char* name)
{
    auto* c = new CodeComboBox;
    c->setObjectName(QLatin1String(name));
    return c;
}

}  // namespace

PartnerPanel::Config lendingCustomerPanel(bool canModify)
{
    PartnerPanel::Config config = customerPanelConfig();
    config.columns = {{QStringLiteral("kh_sn"), QStringLiteral("编号")},
                      {QStringLiteral("kh_name"), QStringLiteral("客户名称")},
                      {QStringLiteral("kh_lxr"), QStringLiteral("联系人")},
                      {QStringLiteral("kh_tele"), QStringLiteral("联系电话")},
                      {QStringLiteral("kh_address"), QStringLiteral("联系地址")}};
    config.searchFields = {QStringLiteral("kh_name"), QStringLiteral("kh_jm"), QStringLiteral("kh_sn")};
    config.recent = nullptr;
    config.addCaption.clear();
    config.addCopyCaption.clear();
    config.canModify = canModify;
    return config;
}

BillPrint khjhPrint(const QString& djh, const QString& khSn, const QString& khName, const QString& ckName,
                    const QString& date, const QString& note, const QString& uName)
{
    BillPrint p{.templateFile = QStringLiteral("khjh.fr3"), .variables = {}, .linesSql = {}, .layout = {}};
    p.variables << BillVariable{QStringLiteral("khName"), khName.trimmed()};
    p.variables << partnerContactVariables(true, partnerCardRow(true, khSn));
    p.variables << BillVariable{QStringLiteral("ckName"), ckName} << BillVariable{QStringLiteral("jhDate"), date}
                << BillVariable{QStringLiteral("Note"), note} << BillVariable{QStringLiteral("uName"), uName};
    p.linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl from jxc_jhgl a,"
                                "jxc_goods b,jxc_cm c,jxc_color d,jxc_jhglmx e where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh "
                                "and a.id=e.tid and e.cm_sn=c.cm_sn and e.color_sn=d.color_sn and a.gl_djh='%1' "
                                "order by a.id,e.id")
                     .arg(sqlLit(djh));
    return p;
}

TF_Khjhgl_Jh::TF_Khjhgl_Jh(QWidget* parent) : TF_BillWindow(loanKind(), parent)
{
    setObjectName(QStringLiteral("TF_Khjhgl_Jh"));
    setWindowTitle(QStringLiteral("新增借货"));

    gldjh = new QLabel;
    gldjh->setObjectName(QStringLiteral("gldjh"));
    setNumberLabel(gldjh);
    tkh = nameBox(this, "tkh", 32);
    tkh->setToolTip(kPartnerHint);
    tkh->setPlaceholderText(QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询"));
    auto* btnSeleKh = namedButton(this, "btnSeleKh", QStringLiteral("..."));
    comCk = combo("comCk");
    comUser = combo("comUser");
    dateCg = billDateBox();
    tnote = nameBox(this, "tnote", 32);
    installKeyFilter(tnote);

    auto* heading = new QLabel(QStringLiteral("客户借货"));
    heading->setObjectName(QStringLiteral("lbHeading"));
    auto* khRow = new QHBoxLayout;
    khRow->addWidget(tkh, 1);
    khRow->addWidget(btnSeleKh);
    auto* head = new QGridLayout;
    head->addWidget(heading, 0, 0, 1, 2);
    head->addWidget(numberCaption(), 0, 2);
    head->addWidget(gldjh, 0, 3);
    head->addWidget(new QLabel(QStringLiteral("客户名称：")), 1, 0);
    head->addLayout(khRow, 1, 1, 1, 3);
    head->addWidget(new QLabel(QStringLiteral("出货仓库：")), 2, 0);
    head->addWidget(comCk, 2, 1);
    head->addWidget(new QLabel(QStringLiteral("借货日期：")), 2, 2);
    head->addWidget(dateCg, 2, 3);
    head->addWidget(new QLabel(QStringLiteral("经办人：")), 3, 0);
    head->addWidget(comUser, 3, 1);
    head->addWidget(new QLabel(QStringLiteral("备注：")), 3, 2);
    head->addWidget(tnote, 3, 3);

    RzPanel_Kh1 = new PartnerAccountStrip("RzPanel_Kh1", {QStringLiteral("客户账目"), QStringLiteral("应收金额："),
                                                        QStringLiteral("实收金额："), QStringLiteral("未收金额：")});
    QMenu* zwMenu = RzPanel_Kh1->menu();
    const auto card = [this] {
        partyType = QStringLiteral("kh");
        curKhSn = m_khSn;
        openWindow(QStringLiteral("TF_Cgth_Ghs"), QString(), QStringLiteral("客户详细信息"));
        partyType.clear();
        openKhList();
        RzPanelKh->reload();
    };
    const auto accounts = [this] { openNeighbour(QStringLiteral("TF_WlzwKh"), QStringLiteral("spxs1"), QStringLiteral("客户往来帐务")); };
    addMenuItem(zwMenu, QStringLiteral("客户详细信息(&W)"), "actKhCard", this, card);
    addMenuItem(zwMenu, QStringLiteral("客户往来帐务(&X)"), "actKhWlzw", this, accounts);
    addMenuItem(zwMenu, QStringLiteral("消费信息查询(&Y)"), "actKhXs", this, [this] {
        openNeighbour(QStringLiteral("TF_Xsdjcx"), QStringLiteral("spxs"), QStringLiteral("销售单据查询"));
    });
    addMenuItem(zwMenu, QStringLiteral("退货信息查询(&Z)"), "actKhTh", this, [this] {
        openNeighbour(QStringLiteral("TF_Xsth"), QStringLiteral("spxs"), QStringLiteral("顾客退货"));
    });

    RzPanelKh = new PartnerPanel(lendingCustomerPanel(false));
    RzPanelKh->setObjectName(QStringLiteral("RzPanelKh"));
    RzPanelKh->hide();
    addKeyPanel(RzPanelKh, [this](QKeyEvent* e) { return RzPanelKh->keyPress(e); });
    connect(RzPanelKh, &PartnerPanel::chosen, this,
            [this](const QString& code, const QString& name) { runGuarded([&] { customerChosen(code, name); }); });
    connect(tkh, &QLineEdit::textEdited, this, [this](const QString& text) { RzPanelKh->showFiltered(text); });
    onClicked(btnSeleKh, [this] {
        RzPanelKh->show();
        RzPanelKh->raise();
    });

    DBGrid1 = docGrid("DBGrid1", lendingQuery("Q_Khjh"));
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200).footerCount(QStringLiteral("商品种类："));
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 120);
    DBGrid1->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 120);
    DBGrid1->addColumn(QStringLiteral("jh_sl"), QStringLiteral("数量"), 70).footerSum();
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });

    auto* menu = new QMenu(this);
    addMenuItem(menu, QStringLiteral("增加商品(&T)"), "actAdd", this, [this] { btnAddClick(); });
    QAction* actModi = addMenuItem(menu, QStringLiteral("修改商品(&U)"), "actModi", this, [this] { btnModiClick(); });
    QAction* actDel = addMenuItem(menu, QStringLiteral("删除商品(&V)"), "actDel", this, [this] { btnDelClick(); });
    QMenu* menuPrint = menu->addMenu(QStringLiteral("打印单据(&W)"));
    addMenuItem(menuPrint, QStringLiteral("打印单据(&X)"), "actPrint2", this, [this] { printClick(); });
    addMenuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", this, [this] { previewClick(); });
    QMenu* menuKh = menu->addMenu(QStringLiteral("客户信息(&Y)"));
    addMenuItem(menuKh, QStringLiteral("客户详细信息(&Y)"), "actKhCard2", this, card);
    addMenuItem(menuKh, QStringLiteral("客户往来账务(&Z)"), "actKhWlzw2", this, accounts);
    connect(menu, &QMenu::aboutToShow, this, [=, this] {
        const bool rows = hasLines();
        for (QAction* a : {actModi, actDel, menuPrint->menuAction(), menuKh->menuAction()})
            a->setEnabled(rows);
    });
    setGridMenu(DBGrid1, menu);

    auto* btnAdd = namedButton(this, "btnAdd", QStringLiteral("添加商品(F2)"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDel = namedButton(this, "btnDel", QStringLiteral("删除"));
    btnPrint = printMenuButton("btnPrint", this, [this] { printClick(); }, [this] { previewClick(); });
    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnAdd, btnModi, btnDel, btnPrint})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(RzPanel_Kh1);
    layout->addWidget(RzPanelKh, 2);
    layout->addWidget(DBGrid1, 3);
    layout->addLayout(buttons);
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateCgChange(); }); });
    resize(820, 560);
}

void TF_Khjhgl_Jh::resetBill()
{
    m_initialising = true;
    RzPanelKh->hide();
    RzPanel_Kh1->hide();
    m_khSn = getDefaultKhSn();
    tkh->setText(getDefaultKhName());
    tnote->clear();
    dateCg->setDate(Clock::today());
    drawNumber();
    fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString(),
                       QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                       QStringLiteral("u_sn"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    fillWarehouseCombo(comCk);
    RzPanelKh->reload();
    linesChanged();
    m_initialising = false;
}

void TF_Khjhgl_Jh::showLineButtons(bool lines)
{
    btnModi->setVisible(lines);
    btnDel->setVisible(lines);
    btnPrint->setVisible(lines);
}

void TF_Khjhgl_Jh::updateBottomJe()
{
    // The warehouse is the picker's and the stock check's: it stays while lines exist.
    comCk->setEnabled(!hasLines());
}

bool TF_Khjhgl_Jh::billKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        btnAddClick();
        return true;
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TF_Khjhgl_Jh::FormClose()
{
    for (NamedQuery* q : {lendingQuery("Q_Khjh"), DataModule->Q_GoodsPrin})
        q->close();
}

void TF_Khjhgl_Jh::customerChosen(const QString& code, const QString& name)
{
    tkh->setText(name);
    m_khSn = code;
    RzPanel_Kh1->showPartner(code, getDefaultKhSn(), getKhZw);
}

void TF_Khjhgl_Jh::openNeighbour(const QString& windowClass, const QString& caller, const QString& name)
{
    openPartnerQuery(windowClass, caller, tkh->text().trimmed(), name);
    openKhList();
    RzPanelKh->reload();
}

void TF_Khjhgl_Jh::btnAddClick()
{
    if (comCk->count() == 0) {
        msgInfo(QStringLiteral("请添加仓库信息！"), this);
        return;
    }
    if (runGoodsPicker(QStringLiteral("khjh"), comCk->currentCodeOrEmpty(), [] { showForm(F_Khjhgl_Jh_Add); }))
        comUser->setFocus();
}

void TF_Khjhgl_Jh::btnModiClick()
{
    if (hasLines())
        runLineDialog(QStringLiteral("khjh"), comCk->currentCodeOrEmpty(), [] { showForm(F_Khjhgl_Jh_Sele); });
}

void TF_Khjhgl_Jh::btnDelClick()
{
    deleteCurrentLine();
}

void TF_Khjhgl_Jh::dateCgChange()
{
    if (!m_initialising)
        moveToDate(dateCg->date());
}

void TF_Khjhgl_Jh::btnOKClick()
{
    runSave();
}

bool TF_Khjhgl_Jh::saveBill()
{
    QString refusal;
    if (!hasLines())
        refusal = QStringLiteral("还没有添加商品信息，不能保存！");
    else if (comUser->currentText().isEmpty())
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentText().isEmpty())
        refusal = QStringLiteral("请选择仓库！");
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    if (!msgYesNo(QStringLiteral("数据保存后不能再修改，是否确认保存！"), this))
        return false;
    postKhjh({.djh = number(),
              .khSn = m_khSn,
              .ckSn = comCk->currentCode(),
              .uSn = comUser->currentCode(),
              .date = dateText(dateCg->date()),
              .note = tnote->text(),
              .op = operatorName});
    showTips(QStringLiteral("信息保存成功！"));
    return true;
}

BillPrint TF_Khjhgl_Jh::currentPrint() const
{
    return khjhPrint(number(), m_khSn, tkh->text(), comCk->currentText(), dateText(dateCg->date()), tnote->text(),
                     comUser->currentText());
}

void TF_Khjhgl_Jh::printClick()
{
    if (hasLines())
        printBill(currentPrint(), 1, this);
}

void TF_Khjhgl_Jh::previewClick()
{
    if (hasLines())
        printGoodsDetail(currentPrint(), this);
}
