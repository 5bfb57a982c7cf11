#include "shelltest.h"

#include "data/datamodule.h"
#include "data/password.h"
#include "data/textrules.h"
#include "shell/login.h"
#include "shell/mainform.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QToolButton>
#include <QDeadlineTimer>
#include <QLineEdit>

bool waitFor(const std::function<bool()>& done, int ms)
{
    return QTest::qWaitFor(done, ms);
}

void ShellTest::SetUp()
{
    db = std::make_unique<TestDb>();
    MsgScript::reset();
    TF_Form::clearScripts();
    setEndApplicationHandler([this] { ++ended; });
    setProgramDir(programFolder.path());
    operatorName.clear();
    roleCode.clear();
    modeFlag.clear();
}

void ShellTest::TearDown()
{
    EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
    EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
    TF_Form::clearScripts();
    MsgScript::reset();
    setEndApplicationHandler({});
    setProgramDir(QString());
    db.reset();
}

void ShellTest::addOperator(const QString& name, const QString& password, const QString& role)
{
    const int n = selectValue(QStringLiteral("select count(*) from jxc_admin")).toInt();
    appendRow(QStringLiteral("jxc_admin"), {{QStringLiteral("a_sn"), QString::number(200001 + n)},
                                            {QStringLiteral("a_name"), name},
                                            {QStringLiteral("r_sn"), role},
                                            {QStringLiteral("a_pwd"), hashPassword(sqlSafeName(password.trimmed()))}});
}

void ShellTest::addRole(const QString& code, const QString& rights, const QList<QPair<QString, QString>>& columns)
{
    SqlParams row = {{QStringLiteral("r_sn"), code}, {QStringLiteral("r_name"), QStringLiteral("角色") + code}};
    for (const char* c : {"cggl", "xsgl", "kcgl", "wlzk", "tjgl", "rcgl", "qtcz"}) {
        QString value = rights;
        for (const auto& [column, text] : columns)
            if (column == QLatin1String(c))
                value = text;
        row.push_back({QString::fromLatin1(c), value});
    }
    appendRow(QStringLiteral("jxc_role"), row);
}

void ShellTest::loginGlobals(const QString& name, const QString& role)
{
    operatorName = name;
    roleCode = role;
    accountSetName = QStringLiteral("系统默认帐套");
    dbFileName = QStringLiteral("jxc.mdb");
}

int ShellTest::logLines(const QString& note, const QString& name)
{
    QString sql = QStringLiteral("select count(*) from jxc_log where log_note=:n");
    SqlParams params = {{QStringLiteral(":n"), note}};
    if (!name.isEmpty()) {
        sql += QStringLiteral(" and a_name=:a");
        params.push_back({QStringLiteral(":a"), name});
    }
    return selectValue(sql, params).toInt();
}

void ShellTest::startAndLogin(TF_MainForm& form, const QString& name, const QString& password, bool keepTip)
{
    if (!keepTip)
        execSql(QStringLiteral("update jxc_txdisp set t_mryt='0'"));
    TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [name, password](TF_Form* f) {
        auto* login = static_cast<TF_Login*>(f);
        login->comAdmin->setCurrentIndex(login->comAdmin->findText(name));
        login->tpwd->setText(password);
        login->btnOKClick();
    });
    form.show();
    ASSERT_TRUE(waitFor([&] { return form.activateCount() > 0; })) << "the login did not finish";
}

QStringList layoutFaults(QWidget* window)
{
    QStringList faults;
    const QRect inside = window->rect();
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(window) || b->window() != window)
            continue;
        const QString name = b->objectName().isEmpty() ? b->text() : b->objectName();
        const QRect at(b->mapTo(window, QPoint(0, 0)), b->size());
        if (!inside.contains(at))
            faults << QStringLiteral("%1 lies outside the window (%2,%3 %4x%5 in %6x%7)")
                          .arg(name)
                          .arg(at.x())
                          .arg(at.y())
                          .arg(at.width())
                          .arg(at.height())
                          .arg(inside.width())
                          .arg(inside.height());
        QString caption = b->text();
        caption.remove(QLatin1Char('&'));
        if (caption.isEmpty())
            continue;
        int need = b->fontMetrics().horizontalAdvance(caption);
        auto* tool = qobject_cast<QToolButton*>(b);
        if (!b->icon().isNull() && (!tool || tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon))
            need += b->iconSize().width() + 4;
        if (need > b->width())
            faults << QStringLiteral("%1: caption \"%2\" needs %3 px, the button is %4 px wide")
                          .arg(name, caption)
                          .arg(need)
                          .arg(b->width());
    }
    return faults;
}
