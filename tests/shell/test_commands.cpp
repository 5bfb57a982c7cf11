// The command table: rights checks, refusals, captions and windows not yet in this version.
#include "shelltest.h"

#include "data/datamodule.h"
#include "shell/commands.h"
#include "shell/mainform.h"
#include "shell/shellwindows.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QToolButton>

namespace {

// Stands in for every window the table opens and records each opening with its caption.
struct FakeWindows {
    FakeWindows()
    {
        for (const CommandEntry& e : commandTable()) {
            const QString window = QString::fromLatin1(e.window);
            if (!window.isEmpty())
                registerWindow(window, [this, window](const QString& caption) { opened << window + "|" + caption; });
        }
    }
    ~FakeWindows()
    {
        for (const CommandEntry& e : commandTable())
            unregisterWindow(QString::fromLatin1(e.window));
        registerShellWindows();
    }
    QStringList opened;
};

class CommandTest : public ShellTest {};

TEST_F(CommandTest, TableIsConsistent)
{
    QSet<QString> controls;
    for (const CommandEntry& e : commandTable()) {
        SCOPED_TRACE(e.control);
        EXPECT_FALSE(controls.contains(QString::fromLatin1(e.control)));
        controls.insert(QString::fromLatin1(e.control));
        if (e.sameAs) {
            const CommandEntry* target = findCommand(QString::fromLatin1(e.sameAs));
            ASSERT_TRUE(target);
            EXPECT_FALSE(target->sameAs);
            EXPECT_EQ(resolveCommand(QString::fromLatin1(e.control)), target);
        }
        if (e.rightColumn) {
            EXPECT_GT(e.rightPosition, 0);
            EXPECT_FALSE(QString::fromLatin1(e.window).isEmpty());
        }
    }
    // Each right is checked by one function only (pictures and same-as entries share it).
    QHash<QString, QString> byRight;
    for (const CommandEntry& e : commandTable()) {
        if (!e.rightColumn)
            continue;
        const QString key = QStringLiteral("%1 %2").arg(QLatin1String(e.rightColumn)).arg(e.rightPosition);
        EXPECT_FALSE(byRight.contains(key)) << key.toStdString() << " " << e.control;
        byRight.insert(key, QString::fromLatin1(e.control));
    }
    EXPECT_EQ(resolveCommand(QStringLiteral("btn_Kcgl")), resolveCommand(QStringLiteral("btn_Menu4_BtnA")));
}

TEST_F(CommandTest, ARoleWithoutTheRightIsRefusedWithTheFunctionName)
{
    addRole(QStringLiteral("200001"), QStringLiteral("11111111111111111111"),
            {{QStringLiteral("xsgl"), QStringLiteral("11111000000000")}});
    addOperator(QStringLiteral("收银员"), QStringLiteral("1"), QStringLiteral("200001"));
    TF_MainForm form;
    FakeWindows windows;  // after the main window, which registers the shell's own windows
    form.setWindowState(Qt::WindowNoState);
    startAndLogin(form, QStringLiteral("收银员"), QStringLiteral("1"));

    form.showGroup(2);
    form.findChild<QToolButton*>(QStringLiteral("btn_Menu2_Btn1"))->click();
    EXPECT_EQ(windows.opened, QStringList({"TF_Spxs|"}));
    EXPECT_TRUE(boxes().isEmpty());

    form.findChild<QToolButton*>(QStringLiteral("btn_Menu2_Btn2"))->click();
    EXPECT_EQ(windows.opened.size(), 1);
    ASSERT_EQ(MsgScript::shown().size(), 1);
    EXPECT_EQ(MsgScript::last().text, "您没有权限进行前台收银！");
    EXPECT_EQ(MsgScript::last().title, "系统提示");
    EXPECT_EQ(MsgScript::last().kind, MsgKind::Info);

    // The till-report menu checks the same column.
    MsgScript::reset();
    form.runCommand(QStringLiteral("btn_Posxsph"));
    EXPECT_EQ(boxes(), QStringList({"您没有权限进行POS销售排行！"}));
}

TEST_F(CommandTest, TheAdministratorOpensEveryCommand)
{
    TF_MainForm form;
    FakeWindows windows;  // after the main window, which registers the shell's own windows
    startAndLogin(form, QStringLiteral("admin"), QString());
    int expected = 0;
    for (const CommandEntry& e : commandTable()) {
        const QString control = QString::fromLatin1(e.control);
        if (control == "btn_Hbgl" || control == "btn_Tcxt" || control == "btn_Menu2_Btn8")
            continue;
        form.runCommand(control);
        ++expected;
        EXPECT_EQ(windows.opened.size(), expected) << e.control;
    }
    EXPECT_TRUE(boxes().isEmpty());
    // The menu items open through their actions.
    windows.opened.clear();
    for (QAction* a : form.PopupMenu_Pos->actions())
        a->trigger();
    EXPECT_EQ(windows.opened, QStringList({"TF_Posxs_Lsz|", "TF_Posxs_Rj|", "TF_Posxs_Ph|", "TF_Posxs_Hy|",
                                           "TF_Posxs_Sytj|", "TF_Posxs_Crk|", "TF_Posxs_Tj|"}));
    EXPECT_EQ(form.PopupMenu_Pos->actions().first()->text(), "POS销售流水账(&T)");
}

TEST_F(CommandTest, SharedWindowsTakeTheCaptionOfTheirCommand)
{
    TF_MainForm form;
    FakeWindows windows;  // after the main window, which registers the shell's own windows
    startAndLogin(form, QStringLiteral("admin"), QString());
    for (const char* control : {"btn_Menu3_Btn5", "btn_Menu1_Btn5", "img_Menu8_Cangku", "img_Menu5_Cangku",
                                "btn_Menu4_Btn1", "btn_Menu1_Btn3", "btn_Menu4_Btn6", "btn_Menu2_Btn5", "btn_Kcgl"})
        form.runCommand(QString::fromLatin1(control));
    EXPECT_EQ(windows.opened,
              QStringList({"TF_Kccx|库存商品变动查询", "TF_Kccx|当前库存查询", "TF_Kccx|库存商品变动查询",
                           "TF_Kccx|当前库存查询", "TF_WlzwGhs|供货商供货统计", "TF_WlzwGhs|往来账务(供货商)",
                           "TF_WlzwKh|客户销售统计", "TF_WlzwKh|往来账务(客户)", "TF_Yyfx|"}));
}

TEST_F(CommandTest, PicturesAndSameAsButtonsCheckTheRightOfTheCommandTheyRun)
{
    // Everything granted but stock position 6 and statistics position 9.
    addRole(QStringLiteral("200002"), QStringLiteral("11111111111111111111"),
            {{QStringLiteral("kcgl"), QStringLiteral("11111011")}, {QStringLiteral("tjgl"), QStringLiteral("11111111011")}});
    addOperator(QStringLiteral("库管"), QString(), QStringLiteral("200002"));
    TF_MainForm form;
    FakeWindows windows;  // after the main window, which registers the shell's own windows
    startAndLogin(form, QStringLiteral("库管"), QString());
    for (const char* control : {"img_Menu8_Cangku", "img_Menu3_Cangku", "btn_Kcgl", "btn_Menu4_BtnA"})
        form.runCommand(QString::fromLatin1(control));
    EXPECT_TRUE(windows.opened.isEmpty());
    EXPECT_EQ(boxes(), QStringList({"您没有权限进行库存变动情况！", "您没有权限进行库存变动情况！",
                                    "您没有权限进行营业分析！", "您没有权限进行营业分析！"}));
    // The accounts group's other buttons run the daily-management commands.
    form.runCommand(QStringLiteral("btn_Menu8_Right2"));
    EXPECT_EQ(windows.opened, QStringList({"TF_Xjyh|"}));
}

TEST_F(CommandTest, WindowsNotInThisVersionSayTheFunctionIsNotAvailable)
{
    TF_MainForm form;
    startAndLogin(form, QStringLiteral("admin"), QString());
    unregisterWindow(QStringLiteral("TF_Cgjh"));
    form.runCommand(QStringLiteral("btn_Menu1_Btn1"));
    ASSERT_EQ(MsgScript::shown().size(), 1);
    EXPECT_EQ(MsgScript::last().text, notAvailableText(QStringLiteral("采购进货")));
    EXPECT_EQ(MsgScript::last().title, "系统提示");
}

}  // namespace
