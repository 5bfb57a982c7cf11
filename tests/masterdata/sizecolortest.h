// Fixture of the size, colour, unit and brand tests: a fresh database, scripted boxes and the
// windows registered, so that they open each other by class name.
#pragma once

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/masterdata.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "support/testdb.h"
#include "support/windowregistry.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

class SizeColorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        MsgScript::reset();
        TF_Form::clearScripts();
        modeFlag.clear();
        callerFlag.clear();
        windows = std::make_unique<ScopedWindows>(registerSizeColorWindows);
    }
    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
        callerFlag.clear();
        windows.reset();
        db.reset();
    }

    // Opens a kept window modally and runs `script` on it once it is activated.
    template <class T>
    static void openScripted(T*& global, const std::function<void(T*)>& script)
    {
        T* form = ensureForm(global);
        TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
        form->showModalForm();
    }
    // Runs `script` on the next opening of the window named `objectName` (opened by another).
    template <class T>
    static void onNextOpening(const QString& objectName, const std::function<void(T*)>& script)
    {
        TF_Form::scriptNextOpening(objectName, [script](TF_Form* f) { script(static_cast<T*>(f)); });
    }
    static QString value(const QString& sql, const SqlParams& params = {}) { return selectValue(sql, params); }

    std::unique_ptr<TestDb> db;
    std::unique_ptr<ScopedWindows> windows;
};
