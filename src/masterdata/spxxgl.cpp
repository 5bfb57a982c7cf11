#include "masterdata/spxxgl.h"

#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/settings.h"
#include "data/values.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Spxxgl* F_Spxxgl = nullptr;

namespace {

// The goods with the name of their category; goods whose category code matches no category
// are not listed.
constexpr auto kGoodsBase = u"select a.*,b.gc_name from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn";

QString goodsSql(const QString& tail)
{
    return QString::fromUtf16(kGoodsBase) + tail;
}

// A "like" pattern for text that begins with `text`: its own % and _ match themselves.
QString likePrefix(const QString& text)
{
    QString out;
    out.reserve(text.size() + 1);
    for (QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            out += u'\\';
        out += c;
    }
    return out + u'%';
}

// A text as an SQL string literal.
QString sqlLiteral(const QString& text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

const QStringList kKeyFields{QStringLiteral("g_jm"), QStringLiteral("g_name"), QStringLiteral("g_sn"),
                             QStringLiteral("gg_name")};

}  // namespace

// ---- Catalogue changes -----------------------------------------------------------------------------

bool goodsInBusiness(const QString& gSn)
{
    return !selectValue(QStringLiteral("select g_sn from jxc_jhsp where g_sn=? union select g_sn from jxc_lsxssp "
                                       "where g_sn=? union select g_sn from jxc_kcsp where g_sn=? limit 1"),
                        {{QString(), gSn}, {QString(), gSn}, {QString(), gSn}})
                .isEmpty();
}

QString deleteGoods(const QString& gSn)
{
    Transaction tx;
    if (goodsInBusiness(gSn))
        return QString::fromUtf16(kGoodsInBusiness);
    for (const char* table : {"jxc_goods", "jxc_tkc", "jxc_tm"})
        execSql(QStringLiteral("delete from %1 where g_sn=?").arg(QLatin1String(table)), {{QString(), gSn}});
    tx.commit();
    return QString();
}

bool goodsClassHasGoods(const QString& gcSn)
{
    return !selectValue(QStringLiteral("select g_sn from jxc_goods where gc_sn like ? escape '\\' limit 1"),
                        {{QString(), likePrefix(gcSn)}})
                .isEmpty();
}

int addGoodsClass(NamedQuery& categories, int parentCid)
{
    try {
        Transaction tx;
        const int cid = selectValue(QStringLiteral("select max(gc_cid) from jxc_goodsclass")).toInt() + 1;
        appendRow(QStringLiteral("jxc_goodsclass"), {{QStringLiteral("gc_name"), QStringLiteral("新类别")},
                                                     {QStringLiteral("gc_pid"), parentCid},
                                                     {QStringLiteral("gc_cid"), cid}});
        categories.open();
        categories.locate(QStringLiteral("gc_cid"), QString::number(cid));
        setGoodsClassCode(categories);
        tx.commit();
        return cid;
    } catch (...) {
        categories.open();  // drop the row that was rolled back
        throw;
    }
}

QString deleteGoodsClass(int gcCid)
{
    Transaction tx;
    const ResultSet row = openSelect(QStringLiteral("select gc_sn,gc_pid from jxc_goodsclass where gc_cid=?"),
                                     {{QString(), gcCid}});
    if (row.isEmpty())
        return QString();
    if (goodsClassHasGoods(row.text(0, QStringLiteral("gc_sn"))))
        return QString::fromUtf16(kGoodsClassHasGoods);
    if (row.text(0, QStringLiteral("gc_pid")) == u"0")
        return QString();
    execSql(QStringLiteral("with recursive branch(cid) as (select ? union select c.gc_cid from jxc_goodsclass c, "
                           "branch where c.gc_pid=branch.cid) "
                           "delete from jxc_goodsclass where gc_cid in (select cid from branch)"),
            {{QString(), gcCid}});
    tx.commit();
    return QString();
}

// ---- The window ----------------------------------------------------------------------------------

TF_Spxxgl::TF_Spxxgl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spxxgl"));
    setWindowTitle(QStringLiteral("商品信息管理"));
    setEscCloses(true);
    resize(1000, 640);

    // Categories
    auto* classBox = new QGroupBox(QStringLiteral("商品类别"), this);
    tClassName = new QLineEdit(classBox);
    tClassName->setObjectName(QStringLiteral("tClassName"));
    installKeyFilter(tClassName);
    btnClassFind = new QPushButton(QStringLiteral("查找"), classBox);
    btnClassFind->setObjectName(QStringLiteral("btnClassFind"));
    btnClassFind->setAutoDefault(false);
    TreeView1 = new CategoryTree(classBox);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    TreeView1->setQuery(DataModule ? DataModule->ADOQueryGoodsClass : nullptr);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(new QLabel(QStringLiteral("类别名称："), classBox));
    findRow->addWidget(tClassName, 1);
    findRow->addWidget(btnClassFind);
    auto* classCol = new QVBoxLayout(classBox);
    classCol->addLayout(findRow);
    classCol->addWidget(TreeView1, 1);
    for (const QString& line : {QStringLiteral("单击右键,在弹出菜单中选择不同"), QStringLiteral("菜单项进行类别的添加,删除,修改,"),
                                QStringLiteral("移动等操作")}) {
        auto* label = new QLabel(line, classBox);
        label->setStyleSheet(QStringLiteral("color: red"));
        classCol->addWidget(label);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N_CreateClass = PopupMenu1->addAction(QStringLiteral("创建类别(&X)"));
    N_RenameClass = PopupMenu1->addAction(QStringLiteral("重命名(&Y)"));
    N_DeleteClass = PopupMenu1->addAction(QStringLiteral("删除类别(&Z)"));

    // Goods
    auto* goodsBox = new QGroupBox(QStringLiteral("商品列表"), this);
    auto tool = [goodsBox](const char* name, const QString& text) {
        auto* b = new QToolButton(goodsBox);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    btnAdd = tool("btnAdd", QStringLiteral("增加"));
    btnModi = tool("btnModi", QStringLiteral("修改"));
    btnDel = tool("btnDel", QStringLiteral("删除"));
    btnExport = tool("btnExport", QStringLiteral("导出"));
    btnImport = tool("btnImport", QStringLiteral("导入"));
    btnTm = tool("btnTm", QStringLiteral("条码"));
    btnPrint = tool("btnPrint", QStringLiteral("打印"));
    btnExit = tool("btnExit", QStringLiteral("退出"));
    tKey = new QLineEdit(goodsBox);
    tKey->setObjectName(QStringLiteral("tKey"));
    tKey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    tKey->setToolTip(tKey->placeholderText());
    installKeyFilter(tKey);
    btnFind = new QPushButton(QStringLiteral("查询"), goodsBox);
    btnFind->setObjectName(QStringLiteral("btnFind"));
    btnFind->setAutoDefault(false);
    chkJy = new QCheckBox(QStringLiteral("显示禁用商品"), goodsBox);
    chkJy->setObjectName(QStringLiteral("chkJy"));

    cxGrid1 = new DataGrid(goodsBox);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setToolTip(QStringLiteral("在右键菜单中禁用商品信息，打印商品信息"));
    const QString money = QStringLiteral("￥,0.00;￥-,0.00");
    cxGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90).footerText(QStringLiteral("商品合计:"));
    cxGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount();
    cxGrid1->addColumn(QStringLiteral("gc_name"), QStringLiteral("商品类别"));
    cxGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"));
    cxGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"));
    cxGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色组"));
    cxGrid1->addColumn(QStringLiteral("cmz_name"), QStringLiteral("尺码组"));
    cxGrid1->addColumn(QStringLiteral("g_zdkc"), QStringLiteral("最低库存"));
    cxGrid1->addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存")).footerSum().footerRed();
    cxGrid1->addColumn(QStringLiteral("g_jy"), QStringLiteral("禁用")).setCheck();
    cxGrid1->addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价")).setFormat(money);
    cxGrid1->addColumn(QStringLiteral("g_sj"), QStringLiteral("预设售价")).setFormat(money);
    cxGrid1->addColumn(QStringLiteral("g_jm"), QStringLiteral("名称简码"));
    cxGrid1->addColumn(QStringLiteral("g_sptm"), QStringLiteral("商品条码"));
    cxGrid1->addColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"));
    cxGrid1->addColumn(QStringLiteral("g_bz"), QStringLiteral("备注"));
    cxGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    cxGrid1->setQuery(DataModule ? DataModule->Q_Goods : nullptr);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    N_Add = PopupMenu2->addAction(QStringLiteral("增加(&R)"));
    N_Modi = PopupMenu2->addAction(QStringLiteral("修改(&S)"));
    N_Del = PopupMenu2->addAction(QStringLiteral("删除(&T)"));
    PopupMenu2->addSeparator();
    N_Jy = PopupMenu2->addAction(QStringLiteral("禁用(&U)"));
    N_Jy->setCheckable(true);
    N_JmModi = PopupMenu2->addAction(QStringLiteral("修改简码(&V)"));
    N_ShowClass = PopupMenu2->addAction(QStringLiteral("显示该类别商品(&W)"));
    PopupMenu2->addSeparator();
    N_PrintSelLabel = PopupMenu2->addAction(QStringLiteral("打印被选择商品的标价签(&X)"));
    N_PrintAllLabels = PopupMenu2->addAction(QStringLiteral("打印所有商品的标价签(&Y)"));
    N_PrintList = PopupMenu2->addAction(QStringLiteral("打印商品信息(&Z)"));

    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {btnAdd, btnModi, btnDel, btnExport, btnImport, btnTm, btnPrint, btnExit})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel(QStringLiteral("输入商品相关信息进行查询(F6)："), goodsBox));
    keyRow->addWidget(tKey, 1);
    keyRow->addWidget(btnFind);
    keyRow->addWidget(chkJy);
    auto* goodsCol = new QVBoxLayout(goodsBox);
    goodsCol->addLayout(bar);
    goodsCol->addLayout(keyRow);
    goodsCol->addWidget(cxGrid1, 1);

    auto* split = new QSplitter(this);
    split->addWidget(classBox);
    split->addWidget(goodsBox);
    split->setStretchFactor(1, 1);
    split->setSizes({230, 770});
    auto* main = new QVBoxLayout(this);
    main->addWidget(split);

    // Wiring
    auto guarded = [](auto handler) { return [handler] { runGuarded(handler); }; };
    auto act = [this, guarded](QAction* a, void (TF_Spxxgl::*handler)()) {
        connect(a, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    };
    connect(tClassName, &QLineEdit::textEdited, this,
            [this](const QString& text) { runGuarded([this, text] { tClassNameEdited(text); }); });
    onClicked(btnClassFind, [this] { btnClassFindClick(); });
    connect(TreeView1, &CategoryTree::nodeClicked, this, [this](int id) { runGuarded([this, id] { TreeView1Click(id); }); });
    connect(TreeView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const bool root = TreeView1->currentField(QStringLiteral("gc_pid")) == u"0";
        N_RenameClass->setEnabled(!root);
        N_DeleteClass->setEnabled(!root);
        PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(pos));
    });
    TreeView1->setRenameHandler([this](int id, const QString& name) {
        NamedQuery* categories = DataModule->ADOQueryGoodsClass;
        if (!categories->locate(QStringLiteral("gc_cid"), QString::number(id)))
            return;
        if (name.trimmed().isEmpty())
            throw DbError(QStringLiteral("类别名称不能为空！"));
        renameGoodsClass(*categories, name);
        openGoods(false);
    });
    act(N_CreateClass, &TF_Spxxgl::N_CreateClassClick);
    act(N_RenameClass, &TF_Spxxgl::N_RenameClassClick);
    act(N_DeleteClass, &TF_Spxxgl::N_DeleteClassClick);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnExport, [this] { btnExportClick(); });
    onClicked(btnImport, [this] { btnImportClick(); });
    onClicked(btnTm, [this] { btnTmClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnFind, [this] { tKeyChanged(); });
    connect(tKey, &QLineEdit::textChanged, this, [this] { runGuarded([this] { tKeyChanged(); }); });
    connect(chkJy, &QCheckBox::toggled, this, [this] { runGuarded([this] { chkJyClick(); }); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
    connect(cxGrid1->view(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenu2Popup();
        PopupMenu2->popup(cxGrid1->view()->viewport()->mapToGlobal(pos));
    });
    act(N_Add, &TF_Spxxgl::btnAddClick);
    act(N_Modi, &TF_Spxxgl::btnModiClick);
    act(N_Del, &TF_Spxxgl::btnDelClick);
    connect(N_Jy, &QAction::triggered, this, [this](bool checked) { runGuarded([this, checked] { N_JyClick(checked); }); });
    act(N_JmModi, &TF_Spxxgl::N_JmModiClick);
    act(N_ShowClass, &TF_Spxxgl::N_ShowClassClick);
    connect(N_PrintSelLabel, &QAction::triggered, this, guarded([this] { printLabels(false); }));
    connect(N_PrintAllLabels, &QAction::triggered, this, guarded([this] { printLabels(true); }));
    act(N_PrintList, &TF_Spxxgl::btnPrintClick);
}

void TF_Spxxgl::FormActivate()
{
    openQuery(DataModule->ADOQueryGoodsClass, DataModule->ADOQueryGoodsClass->designSql());
    openQuery(DataModule->ADOQueryGoodsClass2, DataModule->ADOQueryGoodsClass2->designSql());
    if (QTreeWidgetItem* root = TreeView1->topLevelItem(0))
        TreeView1->selectById(TreeView1->idOf(root));
    tKey->blockSignals(true);
    tKey->clear();
    tKey->blockSignals(false);
    if (cxGrid1->isFiltered())
        cxGrid1->clearFilter();
    openQuery(DataModule->Q_Goods, goodsSql(QStringLiteral(" and a.g_jy=0 and a.g_sn<>'00000000' order by a.id")));
}

bool TF_Spxxgl::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F6) {
        tKey->setFocus();
        return true;
    }
    return false;
}

void TF_Spxxgl::FormClose()
{
    DataModule->ADOQueryGoodsClass->close();
    DataModule->ADOQueryGoodsClass2->close();
    DataModule->Q_Goods->close();
}

void TF_Spxxgl::openGoods(bool withDisabled)
{
    // A reload drops the filter and with it the search text.
    tKey->blockSignals(true);
    tKey->clear();
    tKey->blockSignals(false);
    if (cxGrid1->isFiltered())
        cxGrid1->clearFilter();
    openQuery(DataModule->Q_Goods, goodsSql(withDisabled ? QStringLiteral(" order by a.id")
                                                         : QStringLiteral(" and a.g_jy=0 order by a.id")));
}

bool TF_Spxxgl::hasRows() const
{
    return cxGrid1->rowCount() > 0 && cxGrid1->currentRow() >= 0;
}

QString TF_Spxxgl::focused(const QString& field) const
{
    return cxGrid1->value(cxGrid1->currentRow(), field);
}

// ---- Categories ----------------------------------------------------------------------------------

QString goodsClassStartingWith(const QString& typed)
{
    const QString pattern = likePrefix(typed);
    return selectValue(QStringLiteral("select gc_name from jxc_goodsclass where (gc_jm like ? escape '\\' "
                                      "or gc_name like ? escape '\\') and gc_pid<>0 order by id limit 1"),
                       {{QString(), pattern}, {QString(), pattern}});
}

void filterGoodsByCategory(DataGrid* grid, CategoryTree* tree, int gcCid)
{
    const QString code = tree->query()->value(tree->rowOf(tree->itemById(gcCid)), QStringLiteral("gc_sn"));
    if (code.isEmpty())
        grid->clearFilter();
    else
        grid->setFilter({{QStringLiteral("gc_sn"), FilterOp::Prefix, code}});
}

void TF_Spxxgl::tClassNameEdited(const QString& text)
{
    const QString name = goodsClassStartingWith(text);
    if (!name.isEmpty())
        TreeView1->selectByText(name);
}

void TF_Spxxgl::btnClassFindClick()
{
    const QString pattern = likePrefix(tClassName->text());
    const QString name = selectValue(QStringLiteral("select gc_name from jxc_goodsclass where gc_jm like ? escape '\\' "
                                                    "or gc_name like ? escape '\\' and gc_pid<>0 order by id limit 1"),
                                     {{QString(), pattern}, {QString(), pattern}});
    if (name.isEmpty() || !TreeView1->selectByText(name)) {
        if (QTreeWidgetItem* root = TreeView1->topLevelItem(0))
            TreeView1->selectById(TreeView1->idOf(root));
    }
}

void TF_Spxxgl::TreeView1Click(int gcCid)
{
    filterGoodsByCategory(cxGrid1, TreeView1, gcCid);
}

void TF_Spxxgl::N_CreateClassClick()
{
    const int parentCid = TreeView1->currentId();
    if (parentCid < 0)
        return;
    TreeView1->selectById(addGoodsClass(*DataModule->ADOQueryGoodsClass, parentCid));
}

void TF_Spxxgl::N_RenameClassClick()
{
    if (TreeView1->currentId() < 0 || TreeView1->currentField(QStringLiteral("gc_pid")) == u"0")
        return;
    TreeView1->startRename();
}

void TF_Spxxgl::N_DeleteClassClick()
{
    const int id = TreeView1->currentId();
    if (id < 0)
        return;
    if (goodsClassHasGoods(TreeView1->currentCode())) {
        msgInfo(QString::fromUtf16(kGoodsClassHasGoods), this);
        return;
    }
    if (TreeView1->currentField(QStringLiteral("gc_pid")) == u"0")
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除当前类别吗?"), this))
        return;
    const QString refusal = deleteGoodsClass(id);
    DataModule->ADOQueryGoodsClass->refresh();
    openQuery(DataModule->ADOQueryGoodsClass2, DataModule->ADOQueryGoodsClass2->designSql());
    if (!refusal.isEmpty())
        msgInfo(refusal, this);
}

// ---- Goods ---------------------------------------------------------------------------------------

void TF_Spxxgl::btnAddClick()
{
    if (selectValue(QStringLiteral("select ck_sn from jxc_ckxx limit 1")).isEmpty()) {
        msgInfo(QStringLiteral("请先添加仓库信息！"), this);
        return;
    }
    if (openWindow(QStringLiteral("TF_Spxxgl_Add"), QString(), QStringLiteral("增加")))
        openGoods(false);
}

void TF_Spxxgl::btnModiClick()
{
    if (!hasRows())
        return;
    modeFlag = focused(QStringLiteral("g_sn"));
    if (openWindow(QStringLiteral("TF_Spxxgl_Modi"), QString(), QStringLiteral("修改"))) {
        openGoods(false);
        if (DataModule->Q_Goods->locate(QStringLiteral("g_sn"), modeFlag))
            cxGrid1->setCurrentRow(DataModule->Q_Goods->currentRow());
    }
    modeFlag.clear();
}

void TF_Spxxgl::btnDelClick()
{
    if (!hasRows())
        return;
    const QString gSn = focused(QStringLiteral("g_sn"));
    if (goodsInBusiness(gSn)) {
        msgInfo(QString::fromUtf16(kGoodsInBusiness), this);
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除该商品信息吗！"), this))
        return;
    const QString refusal = deleteGoods(gSn);
    DataModule->Q_Goods->open();
    if (!refusal.isEmpty())
        msgInfo(refusal, this);
}

void TF_Spxxgl::btnExportClick()
{
    if (hasRows())
        cxGrid1->exportWithDialog();
}

void TF_Spxxgl::btnImportClick()
{
    openWindow(QStringLiteral("TF_Spxxgl_Import"), QString(), QStringLiteral("导入"));
}

void TF_Spxxgl::btnTmClick()
{
    openWindow(QStringLiteral("TF_Tmgl"), QString(), QStringLiteral("条码"));
}

void TF_Spxxgl::tKeyChanged()
{
    cxGrid1->setSearch(tKey->text(), kKeyFields);
}

void TF_Spxxgl::chkJyClick()
{
    openGoods(chkJy->isChecked());
}

void TF_Spxxgl::PopupMenu2Popup()
{
    const QString jy = hasRows() ? focused(QStringLiteral("g_jy")) : QString();
    N_Jy->setChecked(jy == u"True" || jy == u"1");
}

void TF_Spxxgl::N_JyClick(bool checked)
{
    if (!hasRows())
        return;
    const QString id = focused(QStringLiteral("id"));
    execSql(QStringLiteral("update jxc_goods set g_jy=? where id=?"), {{QString(), checked ? 1 : 0}, {QString(), id}});
    if (chkJy->isChecked())
        openGoods(true);
    else
        chkJy->setChecked(true);  // reloads with every goods item
    if (DataModule->Q_Goods->locate(QStringLiteral("id"), id))
        cxGrid1->setCurrentRow(DataModule->Q_Goods->currentRow());
}

void TF_Spxxgl::N_JmModiClick()
{
    if (hasRows())
        openWindow(QStringLiteral("TF_Spxxgl_JmModi"), QString(), QStringLiteral("修改简码"));
}

void TF_Spxxgl::N_ShowClassClick()
{
    if (hasRows())
        cxGrid1->setFilter({{QStringLiteral("gc_sn"), FilterOp::Prefix, focused(QStringLiteral("gc_sn"))}});
}

// ---- Printouts -----------------------------------------------------------------------------------

ReportTemplate TF_Spxxgl::goodsListLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品基本信息");
    spec.headerLines = {QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 22},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 34},
                    {QStringLiteral("商品类别"), QStringLiteral("gc_name"), 20},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("颜色组"), QStringLiteral("color_name"), 18},
                    {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 20},
                    {QStringLiteral("品牌厂商"), QStringLiteral("g_sccs"), 22},
                    {QStringLiteral("备注"), QStringLiteral("g_bz"), 24},
                    {QStringLiteral("尺码组"), QStringLiteral("cmz_name"), 18}};
    return reportListLayout(spec);
}

ReportTemplate TF_Spxxgl::priceLabelLayout()
{
    ReportTemplate t;
    t.page.columns = 2;
    t.page.columnGap = 6;
    const double w = t.page.columnWidth() - 4;  // a little room between two labels of a row
    constexpr double kTitle = 9;
    constexpr double kRow = 7;
    const QString ds = QStringLiteral("frxDBDataset1");
    auto field = [&ds](const char* name) { return QStringLiteral("[%1.\"%2\"]").arg(ds, QLatin1String(name)); };

    ReportBand& label = t.addBand(ReportBandKind::MasterData, kTitle * 2 + kRow * 7 + 5, ds);
    ReportObject title = reportText(QRectF(0, 0, w, kTitle), field("company"), 12, true, ReportHAlign::Center, QStringLiteral("ltrb"));
    title.fill = QColor(0xd9, 0xd9, 0xd9);
    label.objects << title;
    label.objects << reportText(QRectF(0, kTitle, w, kTitle), QStringLiteral("标价签"), 14, true, ReportHAlign::Center,
                                QStringLiteral("lrb"));
    const QList<QPair<QString, QString>> rows{{QStringLiteral("品名："), field("g_name")},
                                              {QStringLiteral("货号："), field("g_sn")},
                                              {QStringLiteral("规格："), field("gg_name")},
                                              {QStringLiteral("单位："), field("dw_name")},
                                              {QStringLiteral("等级："), QString()},
                                              {QStringLiteral("产地："), QString()},
                                              {QStringLiteral("单价："), field("g_sj")}};
    const double captionWidth = 18;
    for (int i = 0; i < rows.size(); ++i) {
        const double y = kTitle * 2 + i * kRow;
        label.objects << reportText(QRectF(0, y, captionWidth, kRow), rows[i].first, 10, false, ReportHAlign::Left,
                                    QStringLiteral("lb"));
        ReportObject value = reportText(QRectF(captionWidth, y, w - captionWidth, kRow), rows[i].second, 10,
                                        i == rows.size() - 1, ReportHAlign::Left, QStringLiteral("rb"));
        if (i == rows.size() - 1)
            value.format = QStringLiteral("0.00");
        label.objects << value;
    }

    ReportBand& footer = t.addBand(ReportBandKind::PageFooter, 8);
    footer.objects << reportText(QRectF(0, 1, t.page.contentWidth(), 6),
                                 QStringLiteral("第 [PAGE#] 页  共  [TOTALPAGES#]  页"), 9, false, ReportHAlign::Center);
    return t;
}

void TF_Spxxgl::btnPrintClick()
{
    if (!hasRows())
        return;
    Report rpt;
    rpt.setLayout(goodsListLayout());
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("goodsclass"), reportQuote(TreeView1->currentName()));
    rpt.setDataset(QStringLiteral("frxDBDataset1"), cxGrid1->shownResult());
    rpt.preview(this);
}

void TF_Spxxgl::printLabels(bool all)
{
    if (!hasRows())
        return;
    const QString head = QStringLiteral("select a.*,b.gc_name,%1 as company from jxc_goods a,jxc_goodsclass b "
                                        "where a.gc_sn=b.gc_sn")
                             .arg(sqlLiteral(companyShortName));
    openQuery(DataModule->Q_GoodsPrin,
              all ? head + QStringLiteral(" order by a.id")
                  : head + QStringLiteral(" and a.id=") + sqlNum(focused(QStringLiteral("id")).toLongLong()));
    Report rpt;
    rpt.setLayout(priceLabelLayout());
    rpt.clearVariables();
    rpt.setDataset(QStringLiteral("frxDBDataset1"), DataModule->Q_GoodsPrin);
    rpt.preview(this);
}
