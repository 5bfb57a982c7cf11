// The receipt's save prompt: the answer it leaves in saveChoice for each state and each way of
// closing, and the state kept from one opening to the next.
#include "data/globals.h"
#include "platform/msgbox.h"
#include "purchasing/cgjh_save.h"
#include "purchasing/purchasing.h"
#include "support/testdb.h"
#include "support/windowregistry.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kAuditedQuestion = QStringLiteral(
    "单据保存后不能再修改，是否确认保存！\r\n\r\n管理员可以在往来账目中整单删除错误的数据！\r\n\r\n或者在系统设置中启用单据审核功能！");

class CgjhSave : public ::testing::Test {
protected:
    CgjhSave() { MsgScript::reset(); }
    ~CgjhSave() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
        saveChoice = 2;
    }

    // Opens the prompt as the receipt window does and runs `script` on it; returns saveChoice.
    static int ask(int before, const std::function<void(TF_Cgjh_Save*)>& script)
    {
        saveChoice = before;
        TF_Form::scriptNextOpening(QStringLiteral("F_Cgjh_Save"),
                                   [script](TF_Form* f) { script(static_cast<TF_Cgjh_Save*>(f)); });
        EXPECT_TRUE(openWindow(QStringLiteral("TF_Cgjh_Save"), QString(), QStringLiteral("保存提示")));
        return saveChoice;
    }

    TestDb db;
    ScopedWindows windows{registerPurchasingWindows};
};

TEST_F(CgjhSave, AuditedStateAnswersOneOnlyWhenConfirmed)
{
    struct Case {
        bool byKey;
        MsgAnswer answer;
        int choice;
    };
    for (const Case c : {Case{true, MsgAnswer::Yes, 1}, Case{false, MsgAnswer::Yes, 1}, Case{true, MsgAnswer::No, 2},
                         Case{false, MsgAnswer::No, 2}}) {
        MsgScript::reset();
        MsgScript::answer(c.answer);
        const int choice = ask(0, [&](TF_Cgjh_Save* w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("保存提示"));
            EXPECT_TRUE(w->rbChecked->isChecked());
            if (c.byKey)
                QTest::keyClick(w, Qt::Key_F5);
            else
                w->btnOK->click();
            EXPECT_FALSE(w->isVisible());
        });
        EXPECT_EQ(choice, c.choice) << c.byKey;
        ASSERT_EQ(MsgScript::shown().size(), 1);
        EXPECT_EQ(MsgScript::last().kind, MsgKind::YesNo);
        EXPECT_EQ(MsgScript::last().title, QStringLiteral("信息提醒"));
        EXPECT_EQ(MsgScript::last().text, kAuditedQuestion);
    }
}

TEST_F(CgjhSave, ClosingWithoutConfirmingAnswersTwo)
{
    const std::function<void(TF_Cgjh_Save*)> ways[] = {
        [](TF_Cgjh_Save* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](TF_Cgjh_Save* w) { w->btnExit->click(); },
        [](TF_Cgjh_Save* w) { w->close(); },  // the title bar
    };
    for (const auto& way : ways)
        EXPECT_EQ(ask(1, way), 2);
    EXPECT_TRUE(MsgScript::shown().isEmpty());
}

TEST_F(CgjhSave, PendingStateAnswersZeroOnlyWhenConfirmedAndStays)
{
    for (const auto& [answer, choice] : {std::pair{MsgAnswer::No, 2}, std::pair{MsgAnswer::Yes, 0}}) {
        MsgScript::reset();
        MsgScript::answer(answer);
        EXPECT_EQ(ask(1, [](TF_Cgjh_Save* w) {
                      w->rbNoChecked->setChecked(true);
                      w->btnOK->click();
                  }),
                  choice);
        ASSERT_EQ(MsgScript::shown().size(), 1);
        EXPECT_EQ(MsgScript::last().kind, MsgKind::YesNo);
        EXPECT_EQ(MsgScript::last().title, QStringLiteral("信息提醒"));
        EXPECT_EQ(MsgScript::last().text,
                  QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的采购单，可以在"
                                 "“待审核采\r\n\r\n购单(订单)”面板中，进行修改及审核操作！"));
    }

    // The next opening shows the state left last time; going back to audited works again.
    MsgScript::answer(MsgAnswer::Yes);
    EXPECT_EQ(ask(2, [](TF_Cgjh_Save* w) {
                  EXPECT_TRUE(w->rbNoChecked->isChecked());
                  w->rbChecked->setChecked(true);
                  w->btnOK->click();
              }),
              1);
    EXPECT_EQ(ask(2, [](TF_Cgjh_Save* w) {
                  EXPECT_TRUE(w->rbChecked->isChecked());
                  w->btnExit->click();
              }),
              2);
}

}  // namespace
