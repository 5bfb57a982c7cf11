#include "bills/goodspicker.h"

#include "bills/categorytab.h"
#include "bills/linedialog.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/summaries.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

GoodsPickerTarget goodsPickerTarget;

namespace {

const QStringList kKeyFields{QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn"),
                             QStringLiteral("gg_name")};
// The recent list is searched without the style.
const QStringList kRecentKeyFields{QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn")};

void addColumns(DataGrid* grid, const QVector<TF_GoodsPicker::Column>& columns)
{
    for (const TF_GoodsPicker::Column& c : columns) {
        GridColumn& col = grid->addColumn(c.field, c.caption, c.width);
        if (!c.format.isEmpty())
            col.setFormat(c.format);
    }
}

// The two goods lists: footer text under the code, the count under the name.
DataGrid* goodsGrid(const char* objectName, NamedQuery* query, const QVector<TF_GoodsPicker::Column>& columns,
                    const QString& footer)
{
    auto* grid = new DataGrid;
    grid->setObjectName(QLatin1String(objectName));
    grid->setQuery(query);
    addColumns(grid, columns);
    if (GridColumn* code = grid->column(QStringLiteral("g_sn")))
        code->footerText(footer);
    if (GridColumn* name = grid->column(QStringLiteral("g_name")))
        name->footerCount();
    return grid;
}

void popupOn(DataGrid* grid, QMenu* menu)
{
    grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid->view(), &QWidget::customContextMenuRequested, menu,
                     [grid, menu](const QPoint& at) { menu->popup(grid->view()->viewport()->mapToGlobal(at)); });
}

}  // namespace

TF_GoodsPicker::TF_GoodsPicker(const Texts& texts, const Queries& queries, QWidget* parent)
    : TF_Form(parent), m_texts(texts), m_queries(queries)
{
    setWindowTitle(texts.caption);

    // Left: finding goods.
    auto* findBox = new QGroupBox(QStringLiteral("查询商品列表"));
    findBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* find = new QVBoxLayout(findBox);
    if (texts.newGoods) {
        auto* steps = new QGridLayout;
        steps->addWidget(new QLabel(QStringLiteral("步骤一：")), 0, 0);
        steps->addWidget(new QLabel(QStringLiteral("请输入商品编号或名称查询商品,查询到商品后添加到右边所选商品")), 0, 1, 1, 2);
        steps->addWidget(new QLabel(QStringLiteral("步骤二：")), 1, 0);
        steps->addWidget(new QLabel(QStringLiteral("如果是新的商品项目,即商品名称不在列表中,请点")), 1, 1);
        btnNewGoods = namedButton(findBox, "btnNewGoods", QStringLiteral("添加新商品"));
        steps->addWidget(btnNewGoods, 1, 2);
        steps->setColumnStretch(3, 1);
        find->addLayout(steps);
    }
    auto* keyRow = new QHBoxLayout;
    auto* mark = new QLabel(QStringLiteral("◆"));
    mark->setAttribute(Qt::WA_Hover);
    mark->setStyleSheet(QStringLiteral("QLabel { color: blue; } QLabel:hover { color: red; }"));
    keyRow->addWidget(mark);
    keyRow->addWidget(new QLabel(texts.keyLabel));
    tKey = new QLineEdit;
    tKey->setObjectName(QStringLiteral("tKey"));
    tKey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    tKey->setToolTip(tKey->placeholderText());
    installKeyFilter(tKey);
    keyRow->addWidget(tKey, 1);
    QPushButton* btnAdd = namedButton(findBox, "btnAdd", QStringLiteral("加入所选商品"));
    btnAdd->setToolTip(texts.addHint);
    keyRow->addWidget(btnAdd);
    find->addLayout(keyRow);
    m_keyRow = keyRow;

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    DBGridGoods = goodsGrid("DBGridGoods", queries.allGoods, texts.goodsColumns, texts.allFooter);
    PageControl1->addTab(DBGridGoods, QStringLiteral("商品清单"));
    DBGridGoods2 = goodsGrid("DBGridGoods2", queries.categoryGoods, texts.goodsColumns, texts.categoryFooter);
    m_categoryTab = new GoodsCategoryTab(queries.categories, DBGridGoods2);
    TreeView1 = m_categoryTab->TreeView1;
    ListHistory = m_categoryTab->ListHistory;
    PageControl2 = m_categoryTab->PageControl2;
    PageControl1->addTab(m_categoryTab, QStringLiteral("商品列表"));
    if (!texts.recentColumns.isEmpty()) {
        auto* recent = new QWidget;
        recent->setObjectName(QStringLiteral("TabRecent"));
        RadioButtonJh = new QRadioButton(QStringLiteral("最近进货商品"));
        RadioButtonJh->setObjectName(QStringLiteral("RadioButtonJh"));
        RadioButtonJh->setChecked(true);
        RadioButtonXs = new QRadioButton(QStringLiteral("最近销售商品"));
        RadioButtonXs->setObjectName(QStringLiteral("RadioButtonXs"));
        DBGridRecent = goodsGrid("DBGridRecent", queries.recentGoods, texts.recentColumns, texts.recentFooter);
        auto* radios = new QHBoxLayout;
        radios->addWidget(RadioButtonJh);
        radios->addWidget(RadioButtonXs);
        radios->addStretch(1);
        auto* recentLayout = new QVBoxLayout(recent);
        recentLayout->setContentsMargins(0, 0, 0, 0);
        recentLayout->addLayout(radios);
        recentLayout->addWidget(DBGridRecent, 1);
        PageControl1->addTab(recent, QStringLiteral("最近商品"));
    }
    find->addWidget(PageControl1, 1);

    // Right: the picked goods.
    auto* pickedBox = new QGroupBox(QStringLiteral("所选商品"));
    pickedBox->setObjectName(QStringLiteral("GroupBox2"));
    DBGridSele = new DataGrid;
    DBGridSele->setObjectName(QStringLiteral("DBGridSele"));
    DBGridSele->setQuery(queries.picked);
    addColumns(DBGridSele, texts.pickedColumns);
    if (GridColumn* qty = DBGridSele->column(QStringLiteral("ts_sl")))
        qty->footerSum().footerRed();
    if (GridColumn* amount = DBGridSele->column(QStringLiteral("ts_zje")))
        amount->footerSum().footerRed();
    QPushButton* btnCancel = namedButton(pickedBox, "btnCancel", QStringLiteral("取消(Esc)"));
    QPushButton* btnOK = namedButton(pickedBox, "btnOK", QStringLiteral("确定(F5)"));
    QPushButton* btnModi = namedButton(pickedBox, "btnModi", QStringLiteral("修改(F9)"));
    QPushButton* btnDel = namedButton(pickedBox, "btnDel", QStringLiteral("删除(Del)"));
    auto* picked = new QVBoxLayout(pickedBox);
    picked->addWidget(DBGridSele, 1);
    picked->addLayout(buttonRow({btnCancel, btnOK, btnModi, btnDel}));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(findBox, 3);
    layout->addWidget(pickedBox, 2);
    resize(1000, 600);

    // Menus.
    if (!texts.frequencyItem.isEmpty()) {
        PopupMenuGoods = new QMenu(this);
        PopupMenuGoods->setObjectName(QStringLiteral("PopupMenuGoods"));
        QAction* select = PopupMenuGoods->addAction(QStringLiteral("选中此商品(&V)"));
        select->setObjectName(QStringLiteral("N_Select"));
        connect(select, &QAction::triggered, this, [this] { runGuarded([this] { btnAddClick(); }); });
        if (texts.newGoods) {
            QAction* create = PopupMenuGoods->addAction(QStringLiteral("添加新商品(&W)"));
            create->setObjectName(QStringLiteral("N_NewGoods"));
            connect(create, &QAction::triggered, this, [this] { runGuarded([this] { btnNewGoodsClick(); }); });
        }
        N_Frequency = PopupMenuGoods->addAction(texts.frequencyItem);
        N_Frequency->setObjectName(QStringLiteral("N_Frequency"));
        N_Frequency->setCheckable(true);
        N_Frequency->setChecked(true);
        connect(N_Frequency, &QAction::triggered, this, [this](bool on) { runGuarded([this, on] { setByFrequency(on); }); });
        if (texts.bundleMenu) {
            QMenu* bundle = PopupMenuGoods->addMenu(QStringLiteral("拆分捆绑商品(&Z)"));
            struct BundleItem {
                const char* name;
                const char* text;
                const char* mode;
            };
            for (const BundleItem& b : {BundleItem{"N_Split", "拆分(&Y)", "cf"}, BundleItem{"N_Bundle", "捆绑(&Z)", "kb"}}) {
                QAction* item = bundle->addAction(QString::fromUtf8(b.text));
                item->setObjectName(QLatin1String(b.name));
                const QString word = QLatin1String(b.mode);
                connect(item, &QAction::triggered, this, [this, word] { runGuarded([this, word] { handToBundle(word); }); });
            }
        }
        for (DataGrid* grid : {DBGridGoods, DBGridGoods2, DBGridRecent})
            if (grid)
                popupOn(grid, PopupMenuGoods);
    }
    PopupMenuSele = new QMenu(this);
    PopupMenuSele->setObjectName(QStringLiteral("PopupMenuSele"));
    const std::pair<const char*, void (TF_GoodsPicker::*)()> pickedItems[] = {
        {"修改(&X)", &TF_GoodsPicker::btnModiClick},
        {"删除(&Y)", &TF_GoodsPicker::btnDelClick},
        {"删除全部(&Z)", &TF_GoodsPicker::btnDelAllClick},
    };
    for (const auto& [text, handler] : pickedItems) {
        QAction* item = PopupMenuSele->addAction(QString::fromUtf8(text));
        connect(item, &QAction::triggered, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    }
    popupOn(DBGridSele, PopupMenuSele);

    // Commands.
    onClicked(btnAdd, [this] { btnAddClick(); });
    if (btnNewGoods)
        onClicked(btnNewGoods, [this] { btnNewGoodsClick(); });
    onClicked(btnCancel, [this] { reject(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    for (DataGrid* grid : {DBGridGoods, DBGridGoods2, DBGridRecent})
        if (grid)
            connect(grid, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnAddClick(); }); });
    connect(DBGridSele, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
    connect(tKey, &QLineEdit::textChanged, this, [this] { applyKey(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        runGuarded([this] { reloadShownGoods(); });
        applyKey();
    });
    connect(m_categoryTab, &GoodsCategoryTab::categoryChosen, this, [this] { runGuarded([this] { reloadShownGoods(); }); });
    if (RadioButtonJh)
        connect(RadioButtonJh, &QRadioButton::toggled, this, [this] {
            if (recentShown())
                runGuarded([this] { reloadRecent(); });
        });
}

QString TF_GoodsPicker::pickRefusal(const DataGrid& /*grid*/, int /*row*/) const
{
    return {};
}

QString TF_GoodsPicker::pickedSql() const
{
    return QStringLiteral("select b.g_name,b.dw_name,a.*,a.ts_dj*a.ts_dzl as g_sj from jxc_tempspxf a,jxc_goods b "
                          "where a.g_sn=b.g_sn and a_name=") +
           quoted(operatorName) + QStringLiteral(" order by a.id");
}

QString TF_GoodsPicker::quoted(const QString& text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString TF_GoodsPicker::recentGoodsSql(bool sales) const
{
    const QString frequency = sales ? QStringLiteral("g_xspl") : QStringLiteral("g_cgpl");
    return QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,a.%1 as pl,a.g_jm,b.kdrq as gl_kdrq,"
                          "a.g_kc,c.kc_sl from jxc_goods a,(select g_sn,max(gl_kdrq) as kdrq from (select g_sn,gl_kdrq "
                          "from jxc_goodslist where gl_flag='%2' and g_sn<>'00000000' order by id desc limit 20) "
                          "group by g_sn) b,jxc_kcsp c where a.g_sn=b.g_sn and a.g_sn=c.g_sn and c.ck_sn=%3 "
                          "order by a.%1 desc")
        .arg(frequency, sales ? QStringLiteral("xs") : QStringLiteral("cj"), quoted(goodsPickerTarget.warehouse));
}

QString TF_GoodsPicker::bundleWarehouseName() const
{
    return selectValue(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=?"),
                       {{QString(), goodsPickerTarget.warehouse}});
}

bool TF_GoodsPicker::recentShown() const
{
    return DBGridRecent && PageControl1->currentIndex() == 2;
}

DataGrid* TF_GoodsPicker::shownGoods() const
{
    if (recentShown())
        return DBGridRecent;
    return PageControl1->currentIndex() == 0 ? DBGridGoods : DBGridGoods2;
}

// ---- Lists ---------------------------------------------------------------------------------

void TF_GoodsPicker::FormActivate()
{
    {
        const QSignalBlocker quiet(PageControl1);  // the first tab is loaded below, once
        PageControl1->setCurrentIndex(0);
    }
    tKey->clear();
    DBGridGoods2->clearFilter();
    if (DBGridRecent)
        DBGridRecent->clearFilter();
    openQuery(m_queries.allGoods, allGoodsSql(m_byFrequency));
    m_categoryTab->reload();
    if (m_texts.clearScratchOnOpen)
        clearTempSpxf();
    reloadPicked(false);
    tKey->setFocus();
}

void TF_GoodsPicker::reloadShownGoods()
{
    if (recentShown()) {
        {
            const QSignalBlocker quiet(RadioButtonJh);  // listed once, below
            RadioButtonJh->setChecked(true);
        }
        reloadRecent();
    } else if (PageControl1->currentIndex() == 0)
        openQuery(m_queries.allGoods, allGoodsSql(m_byFrequency));
    else
        reloadCategoryGoods();
}

void TF_GoodsPicker::reloadCategoryGoods()
{
    openQuery(m_queries.categoryGoods, categoryGoodsSql(m_categoryTab->currentCode(), m_byFrequency));
}

void TF_GoodsPicker::reloadRecent()
{
    openQuery(m_queries.recentGoods, recentGoodsSql(RadioButtonXs->isChecked()));
}

void TF_GoodsPicker::reloadPicked(bool toLast)
{
    openQuery(m_queries.picked, pickedSql());
    if (toLast && !m_queries.picked->isEmpty())
        m_queries.picked->setCurrentRow(m_queries.picked->rowCount() - 1);
}

void TF_GoodsPicker::applyKey()
{
    shownGoods()->setSearch(tKey->text(), recentShown() ? kRecentKeyFields : kKeyFields);
}

void TF_GoodsPicker::setByFrequency(bool on)
{
    m_byFrequency = on;
    if (N_Frequency)
        N_Frequency->setChecked(on);
    if (!recentShown())
        reloadShownGoods();
}

// ---- Commands ------------------------------------------------------------------------------

void TF_GoodsPicker::openLineDialog(const QString& goods, const QString& mode, qint64 rowId)
{
    curGoodsSn = goods;
    modeFlag = mode;
    lineDialogTarget = {.number = goodsPickerTarget.number, .warehouse = goodsPickerTarget.warehouse, .lineId = rowId};
    struct Clear {
        ~Clear()
        {
            curGoodsSn.clear();
            modeFlag.clear();
        }
    } clear;
    lineDialog()->showModalForm();
}

void TF_GoodsPicker::btnAddClick()
{
    const DataGrid* grid = shownGoods();
    const int row = grid->currentRow();
    if (row < 0)
        return;
    const QString refusal = pickRefusal(*grid, row);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    openLineDialog(grid->value(row, QStringLiteral("g_sn")), addMode(), 0);
    reloadPicked(true);
}

void TF_GoodsPicker::btnModiClick()
{
    const int row = DBGridSele->currentRow();
    if (row < 0)
        return;
    openLineDialog(DBGridSele->value(row, QStringLiteral("g_sn")), modifyMode(),
                   DBGridSele->value(row, QStringLiteral("id")).toLongLong());
    m_queries.picked->refresh();
}

void TF_GoodsPicker::btnDelClick()
{
    const int row = DBGridSele->currentRow();
    if (row < 0 || !msgYesNo(QStringLiteral("您确定要删除当前选中的商品吗！"), this))
        return;
    deleteScratchRow(DBGridSele->value(row, QStringLiteral("id")).toLongLong());
    m_queries.picked->refresh();
}

void TF_GoodsPicker::btnDelAllClick()
{
    if (!msgYesNo(QStringLiteral("您确定要删除当前全部商品吗！"), this))
        return;
    clearTempSpxf();
    reloadPicked(false);
}

void TF_GoodsPicker::btnNewGoodsClick()
{
    if (!m_texts.newGoods)
        return;
    curGoodsSn.clear();
    openNewGoodsDialog();
    const QString created = curGoodsSn;
    curGoodsSn.clear();
    modeFlag.clear();
    if (!created.isEmpty()) {
        openLineDialog(created, addMode(), 0);
        reloadPicked(true);
    }
    // The new goods (and any category made with it) is listed.
    openQuery(m_queries.categories, m_queries.categories->designSql());
    openQuery(m_queries.allGoods, allGoodsSql(m_byFrequency));
    if (TreeView1->currentId() >= 0)
        reloadCategoryGoods();
}

void TF_GoodsPicker::handToBundle(const QString& mode)
{
    const DataGrid* grid = shownGoods();
    const int row = grid->currentRow();
    if (row < 0)
        return;
    struct Clear {
        ~Clear()
        {
            curGoodsSn.clear();
            modeFlag.clear();
            ckNameParam.clear();
        }
    } clear;
    curGoodsSn = grid->value(row, QStringLiteral("g_sn"));
    modeFlag = mode;
    ckNameParam = bundleWarehouseName();
    openBundleWindow();
}

void TF_GoodsPicker::transfer()
{
    const Transfer target = transferTarget();
    if (target.transfer && !target.number.isEmpty())
        transferScratch(*target.transfer, target.number);
    else
        clearTempSpxf();
    reloadPicked(false);
}

void TF_GoodsPicker::btnOKClick()
{
    transfer();
    accept();
}

// ---- Keys and closing ----------------------------------------------------------------------

bool TF_GoodsPicker::FormKeyDown(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_F8:
        runGuarded([this] { btnAddClick(); });
        return true;
    case Qt::Key_F9:
        runGuarded([this] { btnModiClick(); });
        return true;
    case Qt::Key_Delete:
        runGuarded([this] { btnDelClick(); });
        return true;
    default:
        return false;
    }
}

bool TF_GoodsPicker::FormCloseQuery()
{
    if (!m_queries.picked->isOpen() || m_queries.picked->isEmpty())
        return true;
    switch (msgYesNoCancel(m_texts.closePrompt, this)) {
    case MsgAnswer::Yes:
        return runGuarded([this] { transfer(); });
    case MsgAnswer::No:
        return runGuarded([this] {
            clearTempSpxf();
            reloadPicked(false);
        });
    default:
        return false;
    }
}

void TF_GoodsPicker::FormClose()
{
    for (NamedQuery* q : {m_queries.allGoods, m_queries.picked, m_queries.categories, m_queries.categoryGoods,
                          m_queries.recentGoods})
        if (q)
            q->close();
}
