// Fixture of the price adjustment, cost correction, contact, contract and salesman tests: a
// fresh database with the clock on 2013-05-28 10:00, scripted boxes, an operator, and the kept
// windows deleted after each test (they are bound to that test's data module).
#pragma once

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/staffrecords.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "support/testdb.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace adjusttest {

class AdjustTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        MsgScript::reset();
        TF_Form::clearScripts();
        operatorName = QStringLiteral("管理员");
    }
    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
        destroyKeptForms();
        operatorName.clear();
        db.reset();
    }

    static QStringList boxes() { return MsgScript::texts(); }
    static QString staff(const QString& name)
    {
        StaffInput in;
        in.name = name;
        const SaveOutcome out = addStaff(in);
        EXPECT_TRUE(out.ok()) << out.error.toStdString();
        return out.code;
    }
    // A goods item of the category 男鞋 (seedShoeCatalogue) with the given prices.
    static void goods(const QString& sn, const QString& name, double jj, double sj, double dzll = 1)
    {
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,g_jj,g_scjj,g_pjjj,g_sj,g_dzll,g_jy,g_tjsp,"
                               "g_tj,g_hyj,g_tjqx) values (?,?,'','1000',?,?,?,?,?,0,0,0,0,0)"),
                {{QString(), sn}, {QString(), name}, {QString(), jj}, {QString(), jj}, {QString(), jj}, {QString(), sj},
                 {QString(), dzll}});
    }
    static QString value(const QString& sql, const SqlParams& params = {}) { return selectValue(sql, params); }

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

// Runs `script` on the next opening of the dialog named `objectName`.
template <class T>
void onNextOpening(const char* objectName, const std::function<void(T*)>& script)
{
    TF_Form::scriptNextOpening(QString::fromLatin1(objectName), [script](TF_Form* f) { script(static_cast<T*>(f)); });
}

}  // namespace adjusttest
