#include "bills/querykit.h"

#include "data/clock.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "data/datamodule.h"
#include "data/namedquery.h"
#include "platform/categorytree.h"
#include "platform/charts.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"

#include <QAction>
#include <QBoxLayout>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtCharts/QChartView>
#include <QTableView>
#include <QVBoxLayout>
#include <QToolButton>

QString sqlLit(const QString& text)
{
    return QString(text).replace(u'\'', QStringLiteral("''"));
}

QString likeAnyOf(std::initializer_list<const char*> columns, const QString& typed)
{
    const QString safe = sqlSafe(typed.trimmed());
    if (safe.isEmpty())
        return {};
    QString key;
    for (QChar c : safe) {
        if (c == u'\\' || c == u'_' || c == u'%')
            key += u'\\';
        key += c;
    }
    QStringList parts;
    for (const char* column : columns)
        parts << QStringLiteral("%1 like '%%2%' escape '\\'").arg(QLatin1String(column), key);
    return QStringLiteral("(") + parts.join(QStringLiteral(" or ")) + QStringLiteral(")");
}

QString QueryPeriod::d1() const
{
    return dateText(date1->date());
}

QString QueryPeriod::d2() const
{
    return dateText(date2->date());
}

void QueryPeriod::fromPreviousMonth()
{
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1).addMonths(-1));
    date2->setDate(today);
}

void QueryPeriod::fromThisMonth()
{
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
}

void QueryPeriod::set(const QString& from, const QString& to)
{
    date1->setDate(QDate::fromString(from, QStringLiteral("yyyy-MM-dd")));
    date2->setDate(QDate::fromString(to, QStringLiteral("yyyy-MM-dd")));
}

QueryPeriod makeQueryPeriod(std::function<void()> search, const QString& suffix)
{
    const QString tail = suffix == QLatin1String("1") ? QString() : suffix;
    QueryPeriod p;
    p.date1 = new QDateEdit;
    p.date1->setObjectName(QStringLiteral("date1") + tail);
    p.date2 = new QDateEdit;
    p.date2->setObjectName(QStringLiteral("date2") + tail);
    for (QDateEdit* d : {p.date1, p.date2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    p.button = new QToolButton;
    p.button->setObjectName(QStringLiteral("btnDate") + tail);
    p.button->setText(QStringLiteral("▼"));
    addDatePresetMenu(p.button, p.date1, p.date2, [search = std::move(search)] {
        if (search)
            runGuarded(search);
    }, suffix);
    return p;
}

void addQueryPeriod(QBoxLayout* row, const QString& label, const QueryPeriod& period)
{
    row->addWidget(new QLabel(label));
    row->addWidget(period.date1);
    row->addWidget(new QLabel(QStringLiteral("至")));
    row->addWidget(period.date2);
    row->addWidget(period.button);
}

void QueryExtraFilters::clear()
{
    ckSn.clear();
    opName.clear();
}

void QueryExtraFilters::set(const QString& warehouseCode, const QString& operatorName)
{
    ckSn = warehouseCode == QLatin1String("-1") ? QString() : warehouseCode;
    opName = operatorName == QStringLiteral("所有操作员") ? QString() : operatorName;
}

QString QueryExtraFilters::sql(const QString& prefix) const
{
    QString s;
    if (!ckSn.isEmpty())
        s += QStringLiteral(" and %1ck_sn='%2'").arg(prefix, sqlLit(ckSn));
    if (!opName.isEmpty())
        s += QStringLiteral(" and %1a_name='%2'").arg(prefix, sqlLit(opName));
    return s;
}

void previewListRows(const ReportListSpec& spec, const ResultSet& rows, const QList<ListVariable>& variables,
                     QWidget* parent)
{
    Report report;
    report.setLayout(reportListLayout(spec));
    report.clearVariables();
    for (const auto& [name, text] : variables)
        report.setVariable(name, reportQuote(text));
    report.setDataset(spec.dataset, rows);
    report.preview(parent);
}

namespace {

QList<ListVariable> periodVariables(const QueryPeriod& period)
{
    return {{QStringLiteral("date1"), period.d1()}, {QStringLiteral("date2"), period.d2()}};
}

}  // namespace

void previewGridList(const ReportListSpec& spec, const DataGrid* grid, const QList<ListVariable>& variables,
                     QWidget* parent)
{
    previewListRows(spec, grid->shownResult(), variables, parent);
}

void previewQueryList(const ReportListSpec& spec, const DataGrid* grid, const QueryPeriod& period, QWidget* parent)
{
    previewGridList(spec, grid, periodVariables(period), parent);
}

void previewQueryList(const ReportListSpec& spec, const ResultSet& rows, const QueryPeriod& period, QWidget* parent)
{
    previewListRows(spec, rows, periodVariables(period), parent);
}

ReportListColumn listColumn(const char* caption, const char* field, double width)
{
    return ReportListColumn(QString::fromUtf8(caption), QLatin1String(field), width);
}

ReportListColumn listNumber(const char* caption, const char* field, double width, bool money, bool summed)
{
    return ReportListColumn(QString::fromUtf8(caption), QLatin1String(field), width, ReportHAlign::Right,
                            money ? QStringLiteral("0.00") : QString(), summed);
}

ReportListColumn listRowNumber(double width)
{
    return ReportListColumn(QStringLiteral("序号"), QStringLiteral("[LINE#]"), width, ReportHAlign::Center);
}

BarPieChart makeBarPieChart(std::function<void()> redraw)
{
    BarPieChart c;
    c.page = new QWidget;
    c.rbBar = new QRadioButton(QStringLiteral("柱状显示"), c.page);
    c.rbBar->setObjectName(QStringLiteral("rbBar"));
    c.rbPie = new QRadioButton(QStringLiteral("饼状显示"), c.page);
    c.rbPie->setObjectName(QStringLiteral("rbPie"));
    c.rbBar->setChecked(true);
    c.chart = new QChart;
    auto* view = new QChartView(c.chart, c.page);
    auto* col = new QVBoxLayout(c.page);
    auto* options = new QHBoxLayout;
    options->addWidget(c.rbBar);
    options->addWidget(c.rbPie);
    options->addStretch(1);
    col->addLayout(options);
    col->addWidget(view, 1);
    for (QRadioButton* rb : {c.rbBar, c.rbPie})
        QObject::connect(rb, &QRadioButton::clicked, c.page, [redraw] { runGuarded(redraw); });
    return c;
}

void BarPieChart::draw(const ChartData& data, const QString& title, const QString& axisTitle) const
{
    if (rbPie->isChecked())
        showPieChart(chart, data, title, PieMarks::LabelAndPercent);
    else
        showBarChart(chart, data, title, axisTitle);
    chart->legend()->hide();
}

void attachGridMenu(DataGrid* grid, QMenu* menu)
{
    grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid->view(), &QWidget::customContextMenuRequested, menu,
                     [grid, menu](const QPoint& pos) { menu->popup(grid->view()->viewport()->mapToGlobal(pos)); });
}

CategoryPanel::CategoryPanel(NamedQuery* categories, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelClass"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    tree = new CategoryTree(this);
    tree->setObjectName(QStringLiteral("TreeView1"));
    tree->setQuery(categories);
    btnOK = namedButton(this, "btnClassOk", QStringLiteral("确定"));
    btnExit = namedButton(this, "btnClassExit", QStringLiteral("退出"));
    auto* col = new QVBoxLayout(this);
    col->addWidget(tree, 1);
    col->addLayout(buttonRow({btnOK, btnExit}));
    setGeometry(300, 90, 260, 360);
    hide();
    onClicked(btnOK, [this] { confirm(); });
    onClicked(btnExit, [this] { hide(); });
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this] { runGuarded([this] { confirm(); }); });
}

void reloadCategoryTree(CategoryTree* tree)
{
    openQuery(tree->query(), tree->query()->sql());
    if (QTreeWidgetItem* leaf = tree->firstLeaf())
        tree->selectById(tree->idOf(leaf));
    if (QTreeWidgetItem* root = tree->topLevelItem(0))
        tree->selectById(tree->idOf(root));
}

void CategoryPanel::reload()
{
    reloadCategoryTree(tree);
}

void CategoryPanel::popUp()
{
    raise();
    show();
    tree->setFocus();
}

void CategoryPanel::confirm()
{
    if (tree->currentId() < 0)
        return;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    const bool isRoot = root && tree->currentId() == tree->idOf(root);
    hide();
    emit chosen(isRoot ? QString() : tree->currentCode(), tree->currentName());
}
