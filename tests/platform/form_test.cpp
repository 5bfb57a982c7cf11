#include "platform/form.h"
#include "platform/msgbox.h"

#include "data/database.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class ProbeForm : public TF_Form {
public:
    explicit ProbeForm(const QString& name = QStringLiteral("TF_Probe"))
    {
        setObjectName(name);
        auto* layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("tkey"));
        button = new QPushButton(QStringLiteral("删除"), this);
        button->setObjectName(QStringLiteral("btnDel"));
        layout->addWidget(edit);
        layout->addWidget(button);
    }

    QLineEdit* edit;
    QPushButton* button;
    QList<int> keys;
    std::function<void()> onActivate;
    std::function<bool(QKeyEvent*)> onKey;
    std::function<bool()> onCloseQuery;
    int closes = 0;

protected:
    void FormActivate() override
    {
        if (onActivate)
            onActivate();
    }
    bool FormKeyDown(QKeyEvent* e) override
    {
        keys << e->key();
        return onKey && onKey(e);
    }
    bool FormCloseQuery() override { return !onCloseQuery || onCloseQuery(); }
    void FormClose() override { ++closes; }
};

// Lets the window system's activation events arrive.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QTest::qWait(5);
}

bool becomesActive(QWidget* w)
{
    const bool ok = QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, 2000);
    settle();
    return ok;
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgScript::reset();
        TF_Form::clearScripts();
    }
    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0);
        TF_Form::clearScripts();
        MsgScript::reset();
    }
};

TEST_F(FormTest, ActivatesOnEveryOpeningAndScriptsDriveTheModalWindow)
{
    ProbeForm form;
    int seen = -1;
    TF_Form::scriptNextOpening(QStringLiteral("TF_Probe"), [&](TF_Form* f) {
        seen = f->activateCount();
        EXPECT_TRUE(f->isVisible());
    });
    TF_Form::scriptNextOpening(QStringLiteral("TF_Probe"), [&](TF_Form* f) { seen = f->activateCount(); });
    form.showModalForm();
    EXPECT_EQ(seen, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.closes, 1);
    form.showModalForm();
    settle();
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(form.activateCount(), 2);
}

TEST_F(FormTest, ModalDialogsAndMessageBoxesDoNotReactivate)
{
    ProbeForm form;
    TF_Form::scriptNextOpening(QStringLiteral("TF_Probe"), [&](TF_Form* f) {
        ASSERT_TRUE(becomesActive(f));
        QDialog dialog(f);
        QTimer::singleShot(20, &dialog, &QDialog::accept);
        dialog.exec();
        f->activateWindow();  // what the window manager does when the dialog goes
        EXPECT_TRUE(becomesActive(f));
        settle();
        msgInfo(QStringLiteral("保存成功"));
        settle();
    });
    form.showModalForm();
    EXPECT_EQ(form.activateCount(), 1);
}

TEST_F(FormTest, ReturnFromANonModalWindowActivatesUnlessItIsAPreviewOrSkipped)
{
    ProbeForm form;
    form.show();
    ASSERT_TRUE(becomesActive(&form));
    ASSERT_EQ(form.activateCount(), 1);

    QWidget other(&form, Qt::Window);
    auto visit = [&](QWidget& w) {
        w.show();
        w.activateWindow();
        EXPECT_TRUE(becomesActive(&w));
        form.activateWindow();
        EXPECT_TRUE(becomesActive(&form));
        w.hide();
    };
    visit(other);
    EXPECT_EQ(form.activateCount(), 2);

    QWidget preview(&form, Qt::Window);
    markPrintPreview(&preview);
    visit(preview);
    EXPECT_EQ(form.activateCount(), 2);

    form.setSkipActivate(true);
    visit(other);
    EXPECT_EQ(form.activateCount(), 2);
    EXPECT_FALSE(form.skipActivate());  // used up by that return
    visit(other);
    EXPECT_EQ(form.activateCount(), 3);

    form.setSkipActivate(true);
    form.hide();  // never outlives the window's showing
    EXPECT_FALSE(form.skipActivate());
}

TEST_F(FormTest, TheWindowSeesKeysFirstEachOnce)
{
    ProbeForm form;
    int clicks = 0;
    QObject::connect(form.button, &QPushButton::clicked, [&] { ++clicks; });
    form.onKey = [](QKeyEvent* e) { return e->key() == Qt::Key_X; };
    form.show();
    ASSERT_TRUE(becomesActive(&form));
    form.edit->setFocus();

    QTest::keyClick(form.edit, Qt::Key_F5);  // ignored by the box: reaches the window once
    QTest::keyClicks(form.edit, QStringLiteral("axb"));
    EXPECT_EQ(form.keys, QList<int>({Qt::Key_F5, Qt::Key_A, Qt::Key_X, Qt::Key_B}));
    EXPECT_EQ(form.edit->text(), QStringLiteral("ab"));  // "x" consumed by the window

    // Esc and Enter do nothing unless the window handles them.
    QTest::keyClick(form.edit, Qt::Key_Return);
    QTest::keyClick(form.edit, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(clicks, 0);

    form.onKey = [&](QKeyEvent* e) {
        if (e->key() != Qt::Key_Escape)
            return false;
        form.close();
        return true;
    };
    QTest::keyClick(form.edit, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormTest, F5RunsTheMainActionAndEscClosesUnlessTheWindowTakesTheKey)
{
    ProbeForm form;
    int runs = 0;
    form.setMainAction([&] {
        ++runs;
        throw DbError(QStringLiteral("no such table: jxc_x"));  // reaches the error box, not the loop
    });
    form.setEscCloses(true);
    form.onKey = [](QKeyEvent* e) { return e->key() == Qt::Key_F5 && e->modifiers() == Qt::ShiftModifier; };
    form.show();
    ASSERT_TRUE(becomesActive(&form));
    form.edit->setFocus();

    QTest::keyClick(form.edit, Qt::Key_F5, Qt::ShiftModifier);  // the window's own handler wins
    EXPECT_EQ(runs, 0);
    QTest::keyClick(form.edit, Qt::Key_F5);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(MsgScript::last().kind, MsgKind::Error);
    EXPECT_TRUE(form.isVisible());
    QTest::keyClick(form.edit, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormTest, TheClosePromptCanKeepTheWindowOpen)
{
    ProbeForm form;
    form.onCloseQuery = [] { return msgYesNoCancel(QStringLiteral("当前单据还未保存，是否保存？")) != MsgAnswer::Cancel; };
    form.show();
    MsgScript::answer(MsgAnswer::Cancel);
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.closes, 0);
    MsgScript::answer(MsgAnswer::No);
    form.reject();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.closes, 1);
    EXPECT_EQ(MsgScript::shown().size(), 2);
}

TEST_F(FormTest, AFailingHandlerShowsTheErrorBoxAndTheWindowGoesOn)
{
    ProbeForm form;
    form.onActivate = [] { throw DbError(QStringLiteral("no such table: jxc_ckxx")); };
    form.onKey = [](QKeyEvent*) -> bool { throw DbError(QStringLiteral("disk I/O error")); };
    TF_Form::scriptNextOpening(QStringLiteral("TF_Probe"), [&](TF_Form*) {
        QTest::keyClick(form.edit, Qt::Key_F5);
        QTest::keyClicks(form.edit, QStringLiteral("a"));
    });
    form.showModalForm();
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("no such table: jxc_ckxx"), QStringLiteral("disk I/O error"),
                           QStringLiteral("disk I/O error")}));
    EXPECT_EQ(form.edit->text(), QString());  // the failed key went no further
}

TEST_F(FormTest, WindowsOpenedFromWindowsAreScriptedInTurn)
{
    ProbeForm parent(QStringLiteral("TF_Parent"));
    ProbeForm child(QStringLiteral("TF_Child"));
    onClicked(parent.button, [&] { child.showModalForm(); });
    bool childShown = false;
    TF_Form::scriptNextOpening(QStringLiteral("TF_Parent"), [&](TF_Form* f) {
        EXPECT_TRUE(becomesActive(f));
        parent.button->click();
        f->activateWindow();
        EXPECT_TRUE(becomesActive(f));
    });
    TF_Form::scriptNextOpening(QStringLiteral("TF_Child"), [&](TF_Form* f) { childShown = f->isVisible(); });
    parent.showModalForm();
    EXPECT_TRUE(childShown);
    EXPECT_EQ(parent.activateCount(), 1);  // not again when the modal child closed
    EXPECT_EQ(child.activateCount(), 1);
}

ProbeForm* g_probe = nullptr;

TEST_F(FormTest, KeptWindowsAreCreatedOnceAndForgottenWhenDeleted)
{
    ProbeForm* first = ensureForm(g_probe);
    EXPECT_EQ(ensureForm(g_probe), first);
    TF_Form::scriptNextOpening(QStringLiteral("TF_Probe"), [](TF_Form*) {});
    showForm(g_probe);
    EXPECT_EQ(g_probe, first);
    delete first;
    EXPECT_EQ(g_probe, nullptr);
}

}  // namespace
