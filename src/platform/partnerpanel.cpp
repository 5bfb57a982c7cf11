#include "platform/partnerpanel.h"

#include "data/namedquery.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

PartnerPanel::PartnerPanel(const Config& config, QWidget* parent)
    : QFrame(parent)
    , m_config(config)
{
    setObjectName(QStringLiteral("PartnerPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto makeGrid = [this](const char* name, NamedQuery* query) {
        auto* grid = new DataGrid(this);
        grid->setObjectName(QString::fromLatin1(name));
        grid->setQuery(query);
        for (const auto& [field, caption] : m_config.columns) {
            GridColumn& col = grid->addColumn(field, caption);
            if (grid->columnCount() == 1)
                col.footerCount();
        }
        connect(grid, &DataGrid::rowDoubleClicked, this, [this, grid](int row) {
            if (row >= 0 && grid == activeGrid())
                confirm();
        });
        return grid;
    };

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabPartner"));
    tabs->setTabPosition(QTabWidget::South);
    gridAll = makeGrid("gridAll", m_config.all);
    tabs->addTab(gridAll, m_config.allCaption);
    if (m_config.recent) {
        gridRecent = makeGrid("gridRecent", m_config.recent);
        tabs->addTab(gridRecent, m_config.recentCaption);
    }
    // A panel of one list without a caption shows no tab strip.
    tabs->tabBar()->setVisible(m_config.recent || !m_config.allCaption.isEmpty());

    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setToolTip(m_config.keyHint);
    tkey->setPlaceholderText(m_config.keyHint);
    installKeyFilter(tkey);
    connect(tkey, &QLineEdit::textChanged, this, &PartnerPanel::filter);

    btnAdd = new QToolButton(this);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnAdd->setText(m_config.addCaption);
    btnAdd->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnAdd->setPopupMode(QToolButton::MenuButtonPopup);
    auto* addMenu = new QMenu(btnAdd);
    addMenu->setObjectName(QStringLiteral("mnuAdd"));
    QAction* addNew = addMenu->addAction(m_config.addNewCaption);
    addNew->setObjectName(QStringLiteral("mnuAddNew"));
    connect(addNew, &QAction::triggered, this, &PartnerPanel::addRequested);
    if (!m_config.addCopyCaption.isEmpty()) {
        addMenu->addSeparator();
        QAction* addCopy = addMenu->addAction(m_config.addCopyCaption);
        addCopy->setObjectName(QStringLiteral("mnuAddCopy"));
        connect(addCopy, &QAction::triggered, this, &PartnerPanel::copyRequested);
    }
    btnAdd->setMenu(addMenu);
    connect(btnAdd, &QToolButton::clicked, this, &PartnerPanel::addRequested);
    btnAdd->setVisible(!m_config.addCaption.isEmpty());

    btnModi = namedButton(this, "btnModi", QStringLiteral("修改(F9)"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    btnModi->setVisible(m_config.canModify);
    connect(btnModi, &QPushButton::clicked, this, &PartnerPanel::modify);
    connect(btnOK, &QPushButton::clicked, this, &PartnerPanel::confirm);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::hide);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(m_config.keyCaption, this));
    row->addWidget(tkey, 1);
    row->addWidget(btnAdd);
    row->addWidget(btnModi);
    row->addWidget(btnOK);
    row->addWidget(btnExit);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    col->addWidget(tabs, 1);
    col->addLayout(row);
}

void PartnerPanel::reload()
{
    if (m_config.all)
        m_config.all->open(m_config.allSql);
    if (m_config.recent)
        m_config.recent->open(m_config.recentSql);
}

void PartnerPanel::showFiltered(const QString& text)
{
    filter(text);
    show();
    raise();
}

void PartnerPanel::filter(const QString& text)
{
    // Both tabs carry the same search, so switching tabs shows the same selection.
    gridAll->setSearch(text, m_config.searchFields);
    if (gridRecent)
        gridRecent->setSearch(text, m_config.searchFields);
}

QString PartnerPanel::currentCode() const
{
    const int row = activeGrid()->currentRow();
    return row < 0 ? QString() : activeGrid()->value(row, m_config.codeField);
}

QString PartnerPanel::currentName() const
{
    const int row = activeGrid()->currentRow();
    return row < 0 ? QString() : activeGrid()->value(row, m_config.nameField);
}

bool PartnerPanel::keyPress(QKeyEvent* event)
{
    if (!isVisible() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_F2:
        filter(tkey->text());
        return true;
    case Qt::Key_F5:
        confirm();
        return true;
    case Qt::Key_F8:
        if (m_config.addCaption.isEmpty())
            return false;
        emit addRequested();
        return true;
    case Qt::Key_F9:
        if (!m_config.canModify)
            return false;
        modify();
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return false;
    }
}

DataGrid* PartnerPanel::activeGrid() const
{
    return gridRecent && tabs->currentWidget() == gridRecent ? gridRecent : gridAll;
}

void PartnerPanel::confirm()
{
    if (activeGrid()->currentRow() < 0)
        return;
    const QString code = currentCode();
    const QString name = currentName();
    hide();
    emit chosen(code, name);
}

void PartnerPanel::modify()
{
    if (gridAll->rowCount() > 0)
        emit modifyRequested();
}
