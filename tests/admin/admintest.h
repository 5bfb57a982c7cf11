// Fixture of the administration tests: a fresh database with the clock on 2013-05-28 10:00,
// scripted boxes, the administrator logged in, and every kept window deleted afterwards.
#pragma once

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "support/testdb.h"

#include <gtest/gtest.h>
#include <memory>

namespace admintest {

class AdminTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        MsgScript::reset();
        operatorName = QStringLiteral("admin");
        roleCode = QStringLiteral("100001");
        accountSetName = QStringLiteral("系统默认帐套");
    }
    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
        operatorName.clear();
        roleCode.clear();
        db.reset();
    }

    static QStringList boxes() { return MsgScript::texts(); }

    std::unique_ptr<TestDb> db;
};

// Opens a kept window modally and runs `script` on it once it is activated.
template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// Runs `script` on the next opening of the window named `objectName`.
template <class T>
void onNextOpening(const char* objectName, const std::function<void(T*)>& script)
{
    TF_Form::scriptNextOpening(QString::fromLatin1(objectName), [script](TF_Form* f) { script(static_cast<T*>(f)); });
}

}  // namespace admintest
