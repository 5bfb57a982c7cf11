#include "admin/viewlog.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TF_ViewLog* F_ViewLog = nullptr;

QString logSql(const QString& from, const QString& to, const QString& key)
{
    // Times are stored as "yyyy-MM-dd hh:mm:ss" text: the last day runs to its last second.
    return QStringLiteral("select * from jxc_log where log_time>='") + from + QStringLiteral("' and log_time<='") + to
        + QStringLiteral(" 23:59:59' and (log_note like '%") + key + QStringLiteral("%'  or a_name like '%") + key
        + QStringLiteral("%')  order by id desc");
}

TF_ViewLog::TF_ViewLog(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_ViewLog"));
    setWindowTitle(QStringLiteral("查看日志"));
    setEscCloses(true);
    resize(760, 480);

    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    btnClear = namedButton(this, "btnClear", QStringLiteral("清空"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(btnExit);
    bar->addWidget(btnClear);
    bar->addStretch();

    auto dateBox = [this](const char* name) {
        auto* d = new QDateEdit(this);
        d->setObjectName(QString::fromLatin1(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    tdate11 = dateBox("tdate11");
    tdate12 = dateBox("tdate12");
    btnDate = new QToolButton(this);
    btnDate->setObjectName(QStringLiteral("btnDate"));
    btnSearch = namedButton(this, "btnSearch", QStringLiteral("查询"));
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    installKeyFilter(tname);
    addDatePresetMenu(btnDate, tdate11, tdate12, [this] { runGuarded([this] { searchLog(); }); });

    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(QStringLiteral("日志记录的时间段："), this));
    period->addWidget(tdate11);
    period->addWidget(new QLabel(QStringLiteral("至"), this));
    period->addWidget(tdate12);
    period->addWidget(btnDate);
    period->addWidget(btnSearch);
    period->addStretch();
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel(QStringLiteral("输入日志记录的相关内容进行查询："), this));
    keyRow->addWidget(tname, 1);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Log);
    DBGrid1->addColumn(QStringLiteral("log_time"), QStringLiteral("日志日期"), 150).footerCount(QStringLiteral("记录数："));
    DBGrid1->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 100);
    DBGrid1->addColumn(QStringLiteral("log_note"), QStringLiteral("日志内容"), 420);

    auto* grid = new QGridLayout(this);
    grid->addLayout(bar, 0, 0);
    grid->addLayout(period, 1, 0);
    grid->addLayout(keyRow, 2, 0);
    grid->addWidget(DBGrid1, 3, 0);

    onClicked(btnSearch, [this] { searchLog(); });
    onClicked(btnClear, [this] { btnClearClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_ViewLog::FormActivate()
{
    btnClear->setVisible(checkRight(QStringLiteral("qtcz"), 12));
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    tname->clear();
    searchLog();
}

void TF_ViewLog::FormClose()
{
    DataModule->Q_Log->close();
}

bool TF_ViewLog::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { searchLog(); });
        return true;
    }
    return false;
}

void TF_ViewLog::searchLog()
{
    openQuery(DataModule->Q_Log, logSql(tdate11->date().toString(QStringLiteral("yyyy-MM-dd")),
                                        tdate12->date().toString(QStringLiteral("yyyy-MM-dd")),
                                        sqlSafe(tname->text().trimmed())));
}

void TF_ViewLog::btnClearClick()
{
    if (!checkRight(QStringLiteral("qtcz"), 12)) {
        msgInfo(refusalText(QStringLiteral("清除日志")), this);
        return;
    }
    if (DBGrid1->rowCount() == 0)
        return;
    if (!msgYesNo(QStringLiteral("将清除所有日志，并不能恢复，确认清除吗？"), this))
        return;
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_log"));
    tx.commit();
    DataModule->Q_Log->refresh();
}
