// The log viewer (period, key, clearing under its right) and the maintenance window's gates
// and template buttons.
#include "admintest.h"

#include "admin/adminrecords.h"
#include "admin/viewlog.h"
#include "admin/xtwh.h"
#include "masterdata/staffrecords.h"
#include "platform/datagrid.h"
#include "platform/report.h"
#include "shell/commands.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace admintest;

namespace {

class LogTest : public AdminTest {
protected:
    static void log(const QString& time, const QString& who, const QString& note)
    {
        execSql(QStringLiteral("insert into jxc_log (log_time,a_name,log_note) values (?,?,?)"),
                {{QString(), time}, {QString(), who}, {QString(), note}});
    }
    // A role holding every right but the ones given as (column, position).
    static QString roleWithout(const QList<QPair<QString, int>>& refused)
    {
        RoleInput in{QStringLiteral("职员"), {}};
        for (const RightsGroup& g : rightsLayout()) {
            QString s(int(g.rights.size()), QLatin1Char('1'));
            for (const auto& r : refused)
                if (r.first == QLatin1String(g.column))
                    s[r.second - 1] = QLatin1Char('0');
            in.rights << s;
        }
        return addRole(in).code;
    }
};

TEST_F(LogTest, ThePeriodRunsToTheLastSecondOfItsLastDayAndTheKeySearchesNoteAndName)
{
    log(QStringLiteral("2013-04-30 23:59:59"), QStringLiteral("admin"), QStringLiteral("上月"));
    log(QStringLiteral("2013-05-01 00:00:00"), QStringLiteral("张三"), QStringLiteral("登录系统"));
    log(QStringLiteral("2013-05-28 00:30:00"), QStringLiteral("admin"), QStringLiteral("删除单据 O'Neil"));
    openScripted<TF_ViewLog>(F_ViewLog, [](TF_ViewLog* w) {
        EXPECT_EQ(w->tdate11->date(), QDate(2013, 5, 1));
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("log_time")), "2013-05-28 00:30:00");  // newest first
        EXPECT_EQ(w->DBGrid1->footerText(QStringLiteral("log_time")), "记录数：2");
        const QList<std::pair<QString, int>> keys = {
            {QStringLiteral("张三"), 1}, {QStringLiteral("单据"), 1}, {QStringLiteral("O'Neil"), 0},
            {QStringLiteral("%"), 0},    {QStringLiteral("'--"), 0}, {QString(), 2}};
        for (const auto& [key, rows] : keys) {
            w->tname->setText(key);
            w->btnSearch->click();
            EXPECT_EQ(w->DBGrid1->rowCount(), rows) << key.toStdString();
        }
        w->tdate11->setDate(QDate(2013, 5, 28));
        w->btnSearch->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
    });
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(LogTest, ClearingNeedsItsRightAndEmptiesTheWholeLog)
{
    log(QStringLiteral("2012-01-01 08:00:00"), QStringLiteral("admin"), QStringLiteral("去年"));
    log(QStringLiteral("2013-05-28 08:00:00"), QStringLiteral("admin"), QStringLiteral("今天"));
    roleCode = roleWithout({{QStringLiteral("qtcz"), 12}});
    openScripted<TF_ViewLog>(F_ViewLog, [](TF_ViewLog* w) {
        EXPECT_FALSE(w->btnClear->isVisibleTo(w));
        w->btnClear->click();
    });
    EXPECT_EQ(boxes(), QStringList({"您没有权限进行清除日志！"}));
    MsgScript::reset();
    roleCode = QStringLiteral("100001");
    openScripted<TF_ViewLog>(F_ViewLog, [](TF_ViewLog* w) {
        EXPECT_TRUE(w->btnClear->isVisibleTo(w));
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
        MsgScript::answer(MsgAnswer::No);
        w->btnClear->click();
        MsgScript::answer(MsgAnswer::Yes);
        w->btnClear->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);
        w->btnClear->click();  // an empty list asks nothing
    });
    EXPECT_EQ(boxes(), QStringList({"将清除所有日志，并不能恢复，确认清除吗？", "将清除所有日志，并不能恢复，确认清除吗？"}));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_log")), "0");
}

TEST_F(LogTest, MaintenanceButtonsApplyTheirGates)
{
    ScopedWindows windows;
    QStringList opened;
    for (const char* w : {"TF_Backup", "TF_Sjql", "TF_PwdModi", "TF_Bbsj", "TF_ViewLog", "TF_Nzjs", "TF_Qcjz", "TF_Tmdy",
                          "TF_Fdsz", "TF_FdExport", "TF_Skin", "TF_Role"}) {
        const QString name = QString::fromLatin1(w);
        registerWindow(name, [&opened, name](const QString&) { opened << name; });
    }
    // A role with every right is still not the administrator; one right short is refused.
    roleCode = roleWithout({{QStringLiteral("qtcz"), 15}});
    openScripted<TF_Xtwh>(F_Xtwh, [](TF_Xtwh* w) {
        for (QPushButton* b : w->findChildren<QPushButton*>())
            b->click();
        for (QAction* a : w->btnFd->menu()->actions())
            a->trigger();
    });
    opened.sort();
    EXPECT_EQ(opened, QStringList({"TF_Backup", "TF_PwdModi", "TF_Qcjz", "TF_Skin", "TF_Tmdy", "TF_ViewLog"}));
    EXPECT_EQ(boxes().count("只有系统管理员才能使用此功能！"), 5);
    EXPECT_EQ(boxes().count("您没有权限进行报表设计！"), 1);
    opened.clear();
    MsgScript::reset();
    roleCode = QStringLiteral("100001");
    openScripted<TF_Xtwh>(F_Xtwh, [](TF_Xtwh* w) {
        for (QPushButton* b : w->findChildren<QPushButton*>())
            b->click();
        for (QAction* a : w->btnFd->menu()->actions())
            a->trigger();
    });
    EXPECT_EQ(opened.size(), 12);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(LogTest, TemplateButtonsOpenTheirFilesWithTheSharedDataset)
{
    QList<ReportJob> jobs;
    setReportInterceptor([&jobs](ReportJob& job) {
        jobs << job;
        return false;
    });
    openScripted<TF_Bbsj>(F_Bbsj, [](TF_Bbsj* w) {
        for (const char* b : {"btnCgjh", "btnBs", "btnBy", "btnKcspmxb"})
            w->findChild<QPushButton*>(QString::fromLatin1(b))->click();
    });
    setReportInterceptor({});
    ASSERT_EQ(jobs.size(), 4);
    QStringList files;
    for (const ReportJob& j : jobs) {
        EXPECT_EQ(j.kind, ReportJob::Kind::Design);
        EXPECT_EQ(j.datasets, QStringList({"frxDBDataset1"}));
        files << j.path.section(QLatin1Char('/'), -2);
    }
    EXPECT_EQ(files, QStringList({"report/cgjh.fr3", "report/bsby.fr3", "report/bsby.fr3", "report/kcspmxb.fr3"}));
    EXPECT_TRUE(boxes().isEmpty());
}

}  // namespace
