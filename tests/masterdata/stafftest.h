// Fixture of the staff, warehouse, payment-method and remark tests: a fresh database with the
// clock on 2013-05-28, scripted boxes, and the windows of these families deleted after each
// test (they are bound to the queries of that test's data module).
#pragma once

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/ckgl.h"
#include "masterdata/ckgl_add.h"
#include "masterdata/djbz.h"
#include "masterdata/djbz_add.h"
#include "masterdata/fkfs.h"
#include "masterdata/fkfs_add.h"
#include "masterdata/staffrecords.h"
#include "masterdata/user.h"
#include "masterdata/user2.h"
#include "masterdata/user_add.h"
#include "masterdata/user_search.h"
#include "platform/msgbox.h"
#include "support/testdb.h"

#include <QComboBox>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace stafftest {

class StaffTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        MsgScript::reset();
        callerFlag.clear();
    }
    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        callerFlag.clear();
        MsgScript::reset();
        // The windows are bound to the queries of this test's data module.
        delete F_User;
        delete F_User2;
        delete F_User_Add;
        delete F_Ckgl;
        delete F_Ckgl_Add;
        delete F_Fkfs;
        delete F_Fkfs_Add;
        delete F_Djbz;
        delete F_Djbz_Add;
        db.reset();
    }

    static QStringList boxes() { return MsgScript::texts(); }
    static QString staff(const QString& name, bool cg = true)
    {
        StaffInput in;
        in.name = name;
        in.cg = cg;
        const SaveOutcome out = addStaff(in);
        EXPECT_TRUE(out.ok()) << out.error.toStdString();
        return out.code;
    }
    static QStringList comboTexts(const QComboBox& combo)
    {
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i)
            texts << combo.itemText(i);
        return texts;
    }

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

}  // namespace stafftest
