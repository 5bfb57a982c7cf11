// Test fixture support: a data module on a fresh database in a temporary shop folder
// (<dir>/data/jxc.mdb), with the clock fixed on a known day.
#pragma once

#include "data/clock.h"
#include "data/datamodule.h"

#include <QTemporaryDir>
#include <memory>

class TestDb {
public:
    // withSchema: every table and default row; otherwise an empty database.
    explicit TestDb(bool withSchema = true,
                    const QDateTime& clock = QDateTime(QDate(2013, 5, 28), QTime(10, 0, 0)));
    ~TestDb();
    // The database file, and the shop folder that holds its data/ folder.
    QString path() const { return m_path; }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_oldShopDir;
    QString m_oldDataDir;
    TF_DataModule* m_oldModule = nullptr;
    std::unique_ptr<TF_DataModule> m_module;
};
