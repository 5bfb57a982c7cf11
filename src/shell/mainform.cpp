#include "shell/mainform.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/shellopen.h"
#include "shell/backup.h"
#include "shell/commands.h"
#include "shell/icons.h"
#include "shell/login.h"
#include "shell/reminders.h"
#include "shell/shellwindows.h"
#include "shell/mryt.h"
#include "shell/skin.h"
#include "shell/tips.h"
#include "shell/xtsd.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <climits>

TF_MainForm* F_MainForm = nullptr;

namespace {

std::function<void()> g_endApplication;
QString g_programDir;

// The background tile: a quiet woven pattern, painted repeatedly across the window.
QPixmap makeTile()
{
    QPixmap tile(48, 48);
    tile.fill(QColor(0xe8, 0xef, 0xf5));
    QPainter p(&tile);
    p.setPen(QColor(0xd6, 0xe1, 0xeb));
    for (int i = 0; i < 48; i += 6) {
        p.drawLine(i, 0, 0, i);
        p.drawLine(48, i, i, 48);
    }
    return tile;
}

// The seven group panels, in the order of the group buttons on the left bar.
struct GroupInfo {
    int group;
    const char* button;
    const char* panel;
    const char* title;
    const char* picture;
    QColor tint;
};

const GroupInfo kGroups[] = {
    {1, "menu1_btn", "RzPanel_Menu1", "采购管理", "boxin", QColor(0x2f, 0x6f, 0xb3)},
    {2, "menu2_btn", "RzPanel_Menu2", "销售管理", "cart", QColor(0x2e, 0x9a, 0x5b)},
    {3, "menu3_btn", "RzPanel_Menu3", "库存管理", "boxes", QColor(0xd0, 0x7a, 0x1f)},
    {8, "menu8_btn", "RzPanel_Menu8", "往来帐款", "money", QColor(0x1f, 0x93, 0x96)},
    {4, "menu4_btn", "RzPanel_Menu4", "统计报表", "chart", QColor(0x7b, 0x4f, 0xb0)},
    {5, "menu5_btn", "RzPanel_Menu5", "日常管理", "note", QColor(0xa4, 0x5a, 0x3c)},
    {6, "menu6_btn", "RzPanel_Menu6", "系统管理", "gear", QColor(0x4b, 0x5d, 0x73)},
};

const QColor kTopTint(0x2e, 0x6c, 0xa4);

const GroupInfo* groupOfPanel(const QString& panel)
{
    for (const GroupInfo& g : kGroups)
        if (panel == QLatin1String(g.panel))
            return &g;
    return nullptr;
}

bool startsWith(const char* text, const QString& prefix)
{
    return QString::fromLatin1(text).startsWith(prefix);
}

}  // namespace

void endApplication()
{
    if (g_endApplication)
        g_endApplication();
    else
        QCoreApplication::exit(0);
}

void setEndApplicationHandler(std::function<void()> handler)
{
    g_endApplication = std::move(handler);
}

QString programDir()
{
    return g_programDir.isEmpty() ? QCoreApplication::applicationDirPath() : g_programDir;
}

void setProgramDir(const QString& dir)
{
    g_programDir = dir;
}

TF_MainForm::TF_MainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_MainForm"));
    F_MainForm = this;
    registerShellWindows();
    FormCreate();
}

TF_MainForm::~TF_MainForm()
{
    qApp->removeEventFilter(this);
    if (F_MainForm == this)
        F_MainForm = nullptr;
}

void TF_MainForm::FormCreate()
{
    m_tile = makeTile();
    setWindowTitle(QStringLiteral("禾岚鞋店销售管理系统"));
    resize(1024, 700);
    setWindowState(Qt::WindowMaximized);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    central->installEventFilter(this);
    setCentralWidget(central);

    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* topBar = new QWidget(central);
    buildTopBar(topBar);
    outer->addWidget(topBar);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(10, 10, 10, 10);
    body->setSpacing(10);
    body->addWidget(buildLeftBar());
    auto* panelArea = new QVBoxLayout;
    for (const GroupInfo& g : kGroups) {
        QFrame* panel = buildPanel(g.group);
        m_panels << panel;
        panelArea->addWidget(panel);
    }
    body->addLayout(panelArea, 1);
    outer->addLayout(body, 1);

    // Status bar: brand, operator, clock, lock hint, help.
    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("RzStatusBar1"));
    auto pane = [bar](const char* name, const QString& text, int stretch) {
        auto* l = new QLabel(text, bar);
        l->setObjectName(QString::fromLatin1(name));
        l->setContentsMargins(6, 0, 6, 0);
        bar->addWidget(l, stretch);
        return l;
    };
    RzStatusPane_Rj = pane("RzStatusPane_Rj", QStringLiteral("禾岚鞋店销售管理系统"), 0);
    RzStatusPane_Admin = pane("RzStatusPane_Admin", QStringLiteral("操作员："), 0);
    RzStatusPane_Clock = pane("RzStatusPane_Clock", QString(), 0);
    RzStatusPane_Btns = pane("RzStatusPane_Btns", QStringLiteral("按F2键锁定屏幕"), 0);
    RzStatusPane_Help = pane("RzStatusPane_Help", QStringLiteral("按F1键查看帮助文档  "), 1);
    RzStatusPane_Help->setCursor(Qt::PointingHandCursor);
    RzStatusPane_Help->installEventFilter(this);

    auto* clockTimer = new QTimer(this);
    clockTimer->setObjectName(QStringLiteral("ClockTimer"));
    connect(clockTimer, &QTimer::timeout, this, &TF_MainForm::updateClock);
    clockTimer->start(1000);
    updateClock();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { runGuarded([this] { Timer1Timer(); }); });
    TimerBackUp = new QTimer(this);
    TimerBackUp->setObjectName(QStringLiteral("TimerBackUp"));
    connect(TimerBackUp, &QTimer::timeout, this, [this] { runGuarded([this] { TimerBackUpTimer(); }); });

    // The till-report menu of the sales group.
    PopupMenu_Pos = new QMenu(this);
    PopupMenu_Pos->setObjectName(QStringLiteral("PopupMenu_Pos"));
    for (const CommandEntry& e : commandTable()) {
        if (QLatin1String(e.group) != QLatin1String("PopupMenu_Pos"))
            continue;
        QAction* a = PopupMenu_Pos->addAction(QString::fromUtf8(e.menuText));
        a->setObjectName(QString::fromLatin1(e.control));
        const QString control = a->objectName();
        connect(a, &QAction::triggered, this, [this, control] { runCommand(control); });
    }

    showGroup(1);
    // The window sees the keys before its controls.
    qApp->installEventFilter(this);
    setVisible(false);
}

void TF_MainForm::buildTopBar(QWidget* bar)
{
    bar->setObjectName(QStringLiteral("TopBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    // The bars and panels keep their own look under every skin (the skins style all widgets).
    bar->setStyleSheet(QStringLiteral(
        "#TopBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3f82bf, stop:1 #1f4e79); }"
        "#TopBar QLabel { background: transparent; color: white; }"
        "#TopBar QToolButton { background: transparent; color: white; border: none; padding: 2px; }"
        "#TopBar QToolButton:hover { background: rgba(255,255,255,40); border-radius: 6px; }"
        "#TopBar QToolButton:pressed { background: rgba(255,255,255,70); border-radius: 6px; }"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 6, 16, 6);
    row->setSpacing(6);

    homeUrl_Left = new QLabel(QStringLiteral("禾岚鞋店销售管理系统"), bar);
    homeUrl_Left->setObjectName(QStringLiteral("homeUrl_Left"));
    QFont brand(QStringLiteral("Noto Sans CJK SC"));
    brand.setPixelSize(26);
    brand.setBold(true);
    homeUrl_Left->setFont(brand);
    row->addWidget(homeUrl_Left);
    row->addStretch(1);

    for (const CommandEntry& e : commandTable())
        if (QLatin1String(e.group) == QLatin1String("TopBar"))
            row->addWidget(commandButton(e.control, bar, 36, true));

    homeUrl = new QLabel(QStringLiteral("禾岚软件"), bar);
    homeUrl->setObjectName(QStringLiteral("homeUrl"));
    row->addSpacing(12);
    row->addWidget(homeUrl, 0, Qt::AlignBottom);
    for (QLabel* l : {homeUrl, homeUrl_Left}) {
        l->setTextFormat(Qt::RichText);
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &QLabel::linkActivated, this, [this](const QString& url) { shellOpenOrSay(url, this); });
    }
}

QWidget* TF_MainForm::buildLeftBar()
{
    auto* bar = new QFrame;
    bar->setObjectName(QStringLiteral("LeftBar"));
    bar->setStyleSheet(QStringLiteral(
        "#LeftBar { background: rgba(255,255,255,170); border: 1px solid #9fb6cc; border-radius: 8px; }"
        "#LeftBar QToolButton { background: transparent; color: #1f2f40; border: none; border-radius: 6px;"
        " padding: 6px; }"
        "#LeftBar QToolButton:checked { background: #2f6fb3; color: white; }"
        "#LeftBar QToolButton:hover:!checked { background: #d6e4f2; }"));
    auto* col = new QVBoxLayout(bar);
    col->setContentsMargins(6, 10, 6, 10);
    col->setSpacing(6);
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(16);
    f.setBold(true);
    for (const GroupInfo& g : kGroups) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(g.button));
        b->setText(QString::fromUtf8(g.title));
        b->setIcon(shellIcon(QString::fromLatin1(g.picture), g.tint));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setFont(f);
        b->setMinimumWidth(120);
        const int group = g.group;
        connect(b, &QToolButton::clicked, this, [this, group] { showGroup(group); });
        col->addWidget(b);
    }
    col->addStretch(1);
    return bar;
}

QToolButton* TF_MainForm::commandButton(const char* control, QWidget* parent, int iconSize, bool large)
{
    const CommandEntry* e = findCommand(QString::fromLatin1(control));
    const GroupInfo* g = groupOfPanel(QString::fromLatin1(e->group));
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(control));
    b->setText(QString::fromUtf8(e->name));
    b->setIcon(shellIcon(QString::fromLatin1(e->picture), g ? g->tint : kTopTint));
    b->setIconSize(QSize(iconSize, iconSize));
    b->setAutoRaise(true);
    if (large) {
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFixedWidth(iconSize + 64);
    } else {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setMinimumWidth(140);
    }
    const QString name = b->objectName();
    connect(b, &QToolButton::clicked, this, [this, name] { runCommand(name); });
    return b;
}

QFrame* TF_MainForm::buildPanel(int group)
{
    const GroupInfo* info = nullptr;
    for (const GroupInfo& g : kGroups)
        if (g.group == group)
            info = &g;
    const QString panelName = QString::fromLatin1(info->panel);
    auto* panel = new QFrame;
    panel->setObjectName(panelName);
    panel->setStyleSheet(
        QStringLiteral("#%1 { background: rgba(255,255,255,190); border: 1px solid #9fb6cc; border-radius: 8px; }"
                       "#%1 QLabel { background: transparent; }"
                       "#%1 QToolButton { background: transparent; color: #1f2f40; border: 1px solid transparent;"
                       " border-radius: 6px; padding: 4px; }"
                       "#%1 QToolButton:hover { background: rgba(47,111,179,28); border-color: #9fb6cc; }"
                       "#%1 QToolButton:pressed { background: rgba(47,111,179,60); }")
            .arg(panelName));
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(14, 12, 14, 14);
    auto* title = new QLabel(QString::fromUtf8(info->title), panel);
    title->setObjectName(QStringLiteral("lTitle_Menu%1").arg(group));
    QFont tf(QStringLiteral("Noto Sans CJK SC"));
    tf.setPixelSize(22);
    tf.setBold(true);
    title->setFont(tf);
    title->setStyleSheet(QStringLiteral("color: %1;").arg(info->tint.darker(120).name()));
    col->addWidget(title);
    auto* line = new QFrame(panel);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: %1;").arg(info->tint.name()));
    col->addWidget(line);

    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    QToolButton* picture = nullptr;
    int n = 0;
    const QString mainPrefix = QStringLiteral("btn_Menu%1_Btn").arg(group);
    const QString rightPrefix = QStringLiteral("btn_Menu%1_Right").arg(group);
    for (const CommandEntry& e : commandTable()) {
        if (panelName != QLatin1String(e.group))
            continue;
        if (startsWith(e.control, mainPrefix)) {
            grid->addWidget(commandButton(e.control, panel, 48, true), n / 4, n % 4);
            ++n;
        } else if (startsWith(e.control, rightPrefix)) {
            right->addWidget(commandButton(e.control, panel, 28, false));
        } else if (startsWith(e.control, QStringLiteral("img_"))) {
            picture = new QToolButton(panel);
            picture->setObjectName(QString::fromLatin1(e.control));
            picture->setIcon(QIcon(warehousePicture(140, 105, info->tint)));
            picture->setIconSize(QSize(140, 105));
            picture->setAutoRaise(true);
            picture->setToolTip(QString::fromUtf8(e.name));
            const QString name = picture->objectName();
            connect(picture, &QToolButton::clicked, this, [this, name] { runCommand(name); });
        }
    }
    if (group == 6) {
        // The right column of the system group also holds four pictures that are never shown.
        for (int i = 1; i <= 4; ++i) {
            auto* hidden = new QToolButton(panel);
            hidden->setObjectName(QStringLiteral("btn_Menu6_Right%1").arg(i));
            hidden->setVisible(false);
        }
    }
    grid->setRowStretch(grid->rowCount(), 1);
    row->addLayout(grid);
    auto* centre = new QVBoxLayout;
    centre->addStretch(1);
    if (picture)
        centre->addWidget(picture, 0, Qt::AlignCenter);
    centre->addStretch(1);
    row->addLayout(centre, 1);
    auto* sep = new QFrame(panel);
    sep->setFrameShape(QFrame::VLine);
    sep->setStyleSheet(QStringLiteral("color: #9fb6cc;"));
    row->addWidget(sep);
    right->addStretch(1);
    row->addLayout(right);
    col->addLayout(row, 1);
    return panel;
}

void TF_MainForm::showGroup(int group)
{
    for (const GroupInfo& g : kGroups) {
        const bool on = g.group == group;
        if (auto* b = findChild<QToolButton*>(QString::fromLatin1(g.button)))
            b->setChecked(on);
    }
    const QString name = QStringLiteral("RzPanel_Menu%1").arg(group);
    for (QFrame* p : std::as_const(m_panels))
        p->setVisible(p->objectName() == name);
}

void TF_MainForm::updateClock()
{
    RzStatusPane_Clock->setText(Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

bool TF_MainForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
        if (watched == centralWidget()) {
            QPainter p(centralWidget());
            p.drawTiledPixmap(centralWidget()->rect(), m_tile);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == RzStatusPane_Help) {
            shellOpenOrSay(supportUrl, this);
            return true;
        }
        break;
    case QEvent::KeyPress: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this && isVisible())
            return keyDown(static_cast<QKeyEvent*>(event)->key());
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TF_MainForm::keyDown(int key)
{
    switch (key) {
    case Qt::Key_F2:
        runGuarded([] { showForm(F_Xtsd); });
        return true;
    case Qt::Key_F1:
        shellOpenOrSay(QDir(programDir()).filePath(QStringLiteral("readme.htm")), this);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TF_MainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // The login opens once the window is on the screen and the event loop runs.
        QTimer::singleShot(0, this, [this] { runGuarded([this] { FormShow(); }); });
    }
}

void TF_MainForm::FormShow()
{
    // A skin that cannot be read or applied leaves the look as it is; the login still opens.
    runGuarded([] { ensureForm(F_Skin)->ChangeSkin(selectValue(QStringLiteral("select skin_name from jxc_skin "))); });
    modeFlag.clear();
    if (showForm(F_Login) == QDialog::Accepted)
        runGuarded([this] { FormActivate(); });
}

bool TF_MainForm::event(QEvent* event)
{
    // Activation runs again when the focus comes back from another window of the program that
    // is not modal; not when a modal window it opened closes, nor when the user comes back from
    // another program.
    if (event->type() == QEvent::WindowDeactivate) {
        QWidget* now = QApplication::activeWindow();
        m_lostToOwnWindow = now && now != this && !QApplication::activeModalWidget();
    } else if (event->type() == QEvent::WindowActivate) {
        if (m_lostToOwnWindow && m_activateCount > 0)
            runGuarded([this] { FormActivate(); });
        m_lostToOwnWindow = false;
    }
    return QMainWindow::event(event);
}

void TF_MainForm::FormActivate()
{
    ++m_activateCount;
    // The program formats every date with its own explicit patterns ("yyyy-MM-dd"), so there is
    // no date setting of the desktop to pin here.
    loadSysParams();
    const QString link = QStringLiteral("<a href=\"%1\" style=\"color: white; text-decoration: none;\">%2</a>");
    homeUrl_Left->setText(link.arg(supportUrl.toHtmlEscaped(), QStringLiteral("禾岚鞋店销售管理系统")));
    homeUrl->setText(link.arg(supportUrl.toHtmlEscaped(), QStringLiteral("禾岚软件")));
    RzStatusPane_Help->setText(QStringLiteral("按F1键查看帮助文档  ") + supportUrl);
    ckNameParam.clear();
    djhParam.clear();
    checkYyfxDay(todayText());
    checkKcjsMonth(monthText());
    showCompanyName();
    if (backAuto == QLatin1String("1") && backSj > 0) {
        // The timer holds at most about 24 days; longer intervals back up at that pace.
        const qint64 ms = qint64(backSj) * 3600000;
        const int interval = int(qMin<qint64>(ms, INT_MAX));
        if (!TimerBackUp->isActive() || TimerBackUp->interval() != interval)
            TimerBackUp->start(interval);
    }
    // An older database lacks the party ledger's document number: bring its layout up to date.
    if (!mainDb().tableExists(QStringLiteral("jxc_ysyfk"))
        || !mainDb().columnExists(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh")))
        upgradeDb();
    ensureIndexes();
    setVisible(true);
}

void TF_MainForm::showCompanyName()
{
    const QString shortName = selectValue(QStringLiteral("select c_jc from jxc_company "));
    setWindowTitle(QStringLiteral("禾岚鞋店销售管理系统[") + shortName + QStringLiteral("] 2013Z1"));
}

void companyChanged()
{
    if (F_MainForm)
        F_MainForm->showCompanyName();
}

void TF_MainForm::loginDone()
{
    RzStatusPane_Admin->setText(QStringLiteral("操作员：") + operatorName);
    RzStatusPane_Rj->setText(QStringLiteral("禾岚软件"));
    Timer1->setSingleShot(true);
    Timer1->start(200);
}

void TF_MainForm::Timer1Timer()
{
    Timer1->stop();
    if (!selectValue(QStringLiteral("select t_mryt from jxc_txdisp where t_mryt='1'")).isEmpty())
        showForm(F_Mryt);
    // The reminder window comes with the administration functions; until then nothing opens.
    const QString reminders = QStringLiteral("TF_Sjtx");
    const QString title = QStringLiteral("今日事件提醒");
    bool opened = false;
    if (windowAvailable(reminders)
        && !selectValue(QStringLiteral("select t_sjtx from jxc_txdisp where t_sjtx='0'")).isEmpty()) {
        openWindow(reminders, QString(), title);
        opened = true;
    }
    if (!opened && windowAvailable(reminders) && hasDueReminder(operatorName, Clock::today())) {
        openWindow(reminders, QString(), title);
        markDueReminders(operatorName, Clock::today());
    }
}

QString TF_MainForm::backupDatabase()
{
    try {
        return copyDatabaseToBackupFolder();
    } catch (const DbError& e) {
        runGuarded([&] { writeLog((QStringLiteral("备份数据库失败：") + e.message()).left(200)); });
        throw;
    }
}

void TF_MainForm::TimerBackUpTimer()
{
    try {
        backupDatabase();
    } catch (const DbError& e) {
        showTips(QStringLiteral("自动备份数据库失败：") + e.message());
    }
}

void TF_MainForm::runCommand(const QString& control)
{
    runGuarded([&] {
        if (control == QLatin1String("btn_Hbgl"))
            btn_HbglClick();
        else if (control == QLatin1String("btn_Tcxt"))
            close();
        else if (control == QLatin1String("btn_Menu2_Btn8"))
            btn_Menu2_Btn8Click();
        else if (const CommandEntry* e = resolveCommand(control))
            runWindowCommand(*e);
    });
}

void TF_MainForm::btn_HbglClick()
{
    modeFlag = QStringLiteral("hb");
    showForm(F_Login);
    modeFlag.clear();
}

void TF_MainForm::btn_Menu2_Btn8Click()
{
    auto* b = findChild<QToolButton*>(QStringLiteral("btn_Menu2_Btn8"));
    PopupMenu_Pos->popup(b->mapToGlobal(QPoint(-35, 78)));
}

bool TF_MainForm::FormCloseQuery()
{
    if (!msgYesNo(QStringLiteral("是否要退出系统？"), this))
        return false;
    runGuarded([] { writeLog(QStringLiteral("退出系统")); });
    if (backExit == QLatin1String("1")) {
        try {
            backupDatabase();
        } catch (const DbError& e) {
            msgInfo(QStringLiteral("数据库备份失败：") + e.message(), this);
        }
    }
    return true;
}

void TF_MainForm::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
    endApplication();
}
