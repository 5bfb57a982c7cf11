// Fixture of the import and barcode tests: a fresh database with the shoe catalogue, scripted
// boxes, and workbooks written into a temporary folder.
#pragma once

#include "data/datamodule.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/xlswriter.h"
#include "support/catalogue.h"
#include "support/testdb.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        seedShoeCatalogue();
        MsgScript::reset();
        TF_Form::clearScripts();
    }
    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
        db.reset();
    }

    // A workbook "<name>.xls" whose sheet is named after the file: headings, then the rows.
    QString workbook(const QString& name, const QStringList& headings, const QList<QStringList>& rows,
                     const QString& sheetName = QString())
    {
        XlsWorkbook book;
        XlsSheet& sheet = book.addSheet(sheetName.isEmpty() ? name : sheetName);
        for (int c = 0; c < headings.size(); ++c)
            sheet.setText(0, c, headings.at(c));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows.at(r).size(); ++c)
                sheet.setText(r + 1, c, rows.at(r).at(c));
        const QString path = QDir(files.path()).filePath(name + QStringLiteral(".xls"));
        book.save(path);
        return path;
    }
    static QString value(const QString& sql, const SqlParams& params = {}) { return selectValue(sql, params); }
    // Every row of a one-column query, joined by "|".
    static QString column(const QString& sql)
    {
        return value(QStringLiteral("select group_concat(v,'|') from (") + sql + QStringLiteral(")"));
    }

    std::unique_ptr<TestDb> db;
    QTemporaryDir files;
};
