#include "bills/billparts.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/values.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>

const QString kPartnerHint = QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询");

void openCallerPicker(const QString& callerWord, const QString& windowClass, const QString& name)
{
    callerFlag = callerWord;
    openWindow(windowClass, QString(), name);
    callerFlag.clear();
}

void openHandlerPicker(const QString& callerWord)
{
    openCallerPicker(callerWord, QStringLiteral("TF_User2"), QStringLiteral("选择经办人"));
}

void openRemarkPicker(const QString& callerWord)
{
    openCallerPicker(callerWord, QStringLiteral("TF_Djbz"), QStringLiteral("单据备注信息设置"));
}

void handlerComboChanged(CodeComboBox* combo, const QString& callerWord)
{
    if (combo->currentText() != QStringView(kNewHandlerItem))
        return;
    combo->setCurrentIndex(-1);
    openHandlerPicker(callerWord);
}

void fillHandlerCombo(CodeComboBox* combo, const QString& where)
{
    fillCodeComboWhere(combo, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString::fromUtf16(kNewHandlerItem), where,
                       QStringLiteral("id"), QStringLiteral("u_sn"));
    combo->setCurrentIndex(0);
}

void fillWarehouseCombo(CodeComboBox* combo)
{
    fillCodeCombo(combo, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    combo->selectText(getDefaultCkName());
}

QAction* addMenuItem(QMenu* menu, const QString& text, const char* objectName, QObject* context,
                     std::function<void()> fn)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(objectName));
    QObject::connect(action, &QAction::triggered, context, [fn = std::move(fn)] { runGuarded(fn); });
    return action;
}

QDateEdit* billDateBox()
{
    auto* box = new QDateEdit;
    box->setObjectName(QStringLiteral("dateCg"));
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    return box;
}

QLineEdit* billMoneyBox(const char* objectName)
{
    auto* box = new QLineEdit;
    box->setObjectName(QLatin1String(objectName));
    box->setMaxLength(10);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*(\\.\\d{0,2})?")), box));
    QObject::connect(box, &QLineEdit::editingFinished, box, [box] {
        bool ok = false;
        Money::fromText(box->text().trimmed(), &ok);
        if (!ok || box->text().trimmed().isEmpty())  // never empty, never half a number ("-", ".")
            box->setText(QStringLiteral("0"));
    });
    return box;
}

QToolButton* printMenuButton(const char* objectName, QObject* context, std::function<void()> print,
                             std::function<void()> preview)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(objectName));
    button->setText(QStringLiteral("打印"));
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    addMenuItem(menu, QStringLiteral("打印单据(&W)"), "actPrint", context, std::move(print));
    addMenuItem(menu, QStringLiteral("预览单据(&X)"), "actPreview", context, std::move(preview));
    button->setMenu(menu);
    return button;
}

void setGridMenu(DataGrid* grid, QMenu* menu)
{
    grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid->view(), &QWidget::customContextMenuRequested, menu,
                     [grid, menu](const QPoint& pos) { menu->popup(grid->view()->viewport()->mapToGlobal(pos)); });
}

QLabel* numberCaption()
{
    auto* label = new QLabel(QStringLiteral("单号"));
    label->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    return label;
}

void openPartnerQuery(const QString& windowClass, const QString& caller, const QString& partner, const QString& name,
                      const QString* mode)
{
    callerFlag = caller;
    if (mode)
        modeFlag = *mode;
    detailTable = partner;
    openWindow(windowClass, QString(), name);
    callerFlag.clear();
    if (mode)
        modeFlag.clear();
    detailTable.clear();
}

PartnerPanel::Config supplierPanelConfig(bool full)
{
    PartnerPanel::Config config;
    config.codeField = QStringLiteral("ghs_sn");
    config.nameField = QStringLiteral("ghs_name");
    config.columns = {{QStringLiteral("ghs_name"), QStringLiteral("供货商名称")},
                      {QStringLiteral("ghs_lxr"), QStringLiteral("联系人")},
                      {QStringLiteral("ghs_tele"), QStringLiteral("联系电话")},
                      {QStringLiteral("ghs_address"), QStringLiteral("联系地址")},
                      {QStringLiteral("gt_name"), QStringLiteral("供货商类型")}};
    config.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm"), QStringLiteral("ghs_sn"),
                           QStringLiteral("ghs_tele"), QStringLiteral("ghs_address")};
    config.all = DataModule->Q_Ghsxx;
    config.allSql = QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0 order by id");
    config.allCaption = QStringLiteral("全部供货商信息");
    config.keyCaption = QStringLiteral("查找供货商(F2)：");
    config.keyHint = kPartnerHint;
    if (full) {
        // The ten most recent suppliers with posted receipts that are not disabled, newest
        // first: each supplier's latest receipt number is one seek in the journal's partner index.
        config.recent = DataModule->Q_GhsxxLs;
        config.recentSql = QStringLiteral(
            "select * from (select a.*,(select max(g.gl_djh) from jxc_goodslist g where g.ghs_sn=a.ghs_sn and "
            "g.gl_flag='cj' and g.gl_djh<>'') as djh from jxc_ghsxx a where a.ghs_forbid=0) "
            "where djh is not null order by djh desc limit 10");
        config.recentCaption = QStringLiteral("最近往来供货商");
        config.addCaption = QStringLiteral("添加供货商(F8)");
        config.addNewCaption = QStringLiteral("新增加供货商(&Y)");
        config.addCopyCaption = QStringLiteral("从客户资料中复制(&Z)");
    }
    return config;
}

PartnerPanel::Config customerPanelConfig()
{
    PartnerPanel::Config config;
    config.codeField = QStringLiteral("kh_sn");
    config.nameField = QStringLiteral("kh_name");
    config.columns = {{QStringLiteral("kh_name"), QStringLiteral("客户名称")},
                      {QStringLiteral("kh_lxr"), QStringLiteral("联系人")},
                      {QStringLiteral("kh_tele"), QStringLiteral("联系电话")},
                      {QStringLiteral("kh_address"), QStringLiteral("联系地址")},
                      {QStringLiteral("kt_name"), QStringLiteral("客户类型")},
                      {QStringLiteral("z_name"), QStringLiteral("所属地区")}};
    config.searchFields = {QStringLiteral("kh_name"), QStringLiteral("kh_jm"), QStringLiteral("kh_sn"),
                           QStringLiteral("kh_tele"), QStringLiteral("kh_address")};
    config.all = DataModule->Q_Khxx;
    config.allSql = QStringLiteral("select * from jxc_khxx where kh_forbid=0 order by id");
    config.allCaption = QStringLiteral("全部客户信息");
    // The ten customers with the latest sales that are not disabled, newest first: each
    // customer's latest sales number is one seek in the journal's partner index.
    config.recent = DataModule->Q_KhxxLs;
    config.recentSql = QStringLiteral(
        "select * from (select a.*,(select max(g.gl_djh) from jxc_goodslist g where g.ghs_sn=a.kh_sn and "
        "g.gl_flag='xs' and g.gl_djh<>'') as djh from jxc_khxx a where a.kh_forbid=0) "
        "where djh is not null order by djh desc limit 10");
    config.recentCaption = QStringLiteral("最近往来客户");
    config.keyCaption = QStringLiteral("查找客户(F2)：");
    config.keyHint = kPartnerHint;
    config.addCaption = QStringLiteral("添加客户(F8)");
    config.addNewCaption = QStringLiteral("新增加客户(&Y)");
    config.addCopyCaption = QStringLiteral("从供货商资料中复制(&Z)");
    return config;
}

namespace {

QHBoxLayout* stripRow(QFrame* frame)
{
    frame->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(4, 2, 4, 2);
    return row;
}

QLabel* namedLabel(const char* objectName)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(objectName));
    return label;
}

}  // namespace

AccountPanel::AccountPanel(const char* objectName, const QString& caption)
{
    setObjectName(QLatin1String(objectName));
    m_combo = new CodeComboBox;
    m_combo->setObjectName(QStringLiteral("comYhzh"));
    auto* close = namedButton(this, "btnYhzhClose", QStringLiteral("X"));
    QHBoxLayout* row = stripRow(this);
    row->addWidget(new QLabel(caption));
    row->addWidget(m_combo, 1);
    row->addWidget(close);
    onClicked(close, [this] { hide(); });
}

PartnerAccountStrip::PartnerAccountStrip(const char* objectName, const Captions& captions)
{
    setObjectName(QLatin1String(objectName));
    m_due = namedLabel("lbZwYf");
    m_paid = namedLabel("lbZwSf");
    m_owed = namedLabel("lbZwWf");
    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("btnZw"));
    button->setText(QStringLiteral("详细信息"));
    button->setPopupMode(QToolButton::InstantPopup);
    m_menu = new QMenu(button);
    button->setMenu(m_menu);
    QHBoxLayout* row = stripRow(this);
    row->addWidget(new QLabel(captions.title));
    row->addWidget(new QLabel(captions.due));
    row->addWidget(m_due);
    row->addWidget(new QLabel(captions.paid));
    row->addWidget(m_paid);
    row->addWidget(new QLabel(captions.owed));
    row->addWidget(m_owed);
    row->addStretch(1);
    row->addWidget(button);
}

void PartnerAccountStrip::showPartner(const QString& code, const QString& defaultCode,
                                      void (*summary)(const QString&))
{
    if (code == defaultCode) {
        hide();
        return;
    }
    summary(code);
    m_due->setText(zwYfje + QStringLiteral(" 元"));
    m_paid->setText(zwSfje + QStringLiteral(" 元"));
    m_owed->setText(zwWfje + QStringLiteral(" 元"));
    show();
}

BarcodePanel::BarcodePanel(const Names& names, bool& openAfter, std::function<void()> entered)
    : m_openAfter(openAfter)
{
    setObjectName(QLatin1String(names.panel));
    m_box = new QLineEdit;
    m_box->setObjectName(QStringLiteral("tSptm"));
    m_box->setMaxLength(64);
    auto* close = namedButton(this, names.close, QStringLiteral("X"));
    auto* menuButton = new QToolButton;
    menuButton->setObjectName(QLatin1String(names.menuButton));
    menuButton->setText(QStringLiteral("▼"));
    menuButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(menuButton);
    addMenuItem(menu, QStringLiteral("隐藏条码输入面板(&Y)"), names.hide, this, [this] { showPanel(false); });
    QAction* after = menu->addAction(QStringLiteral("添加完商品后打开修改窗口(&Z)"));
    after->setObjectName(QStringLiteral("actOpenAfter"));
    after->setCheckable(true);
    after->setChecked(m_openAfter);
    connect(after, &QAction::triggered, this, [this, after] { m_openAfter = after->isChecked(); });
    menuButton->setMenu(menu);
    QHBoxLayout* row = stripRow(this);
    row->addWidget(new QLabel(QStringLiteral("条码：")));
    row->addWidget(m_box, 1);
    row->addWidget(menuButton);
    row->addWidget(close);
    connect(m_box, &QLineEdit::returnPressed, this, [entered = std::move(entered)] { runGuarded(entered); });
    onClicked(close, [this] { showPanel(false); });
}

void BarcodePanel::showPanel(bool on)
{
    setVisible(on);
    if (on)
        m_box->setFocus();
}
