// Fixture of the partner window tests: a fresh database, scripted boxes, the partner windows
// registered, and every kept partner window deleted afterwards (they bind to the data module
// of the test that created them).
#pragma once

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "support/testdb.h"
#include "support/windowregistry.h"

#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class PartnerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<TestDb> db;
    std::unique_ptr<ScopedWindows> windows;
};

// Opens a kept window modally and runs `script` on it once it is activated.
template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// Queues a script for the next opening of a window created by the window under test.
template <class T>
void scriptNext(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
}

class DataGrid;
// Focuses the grid row whose field reads `value`.
void focusRow(DataGrid* grid, const QString& field, const QString& value);

// A row of a table by a single condition, one field.
QString field(const QString& table, const QString& column, const QString& where);
