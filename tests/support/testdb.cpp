#include "support/testdb.h"

#include "data/schema/schema.h"
#include "platform/form.h"

#include <QDir>

TestDb::TestDb(bool withSchema, const QDateTime& clock)
{
    Clock::setFixed(clock);
    m_oldShopDir = shopDir();
    m_oldDataDir = dataDir();
    m_oldModule = DataModule;
    setShopDir(m_dir.path());
    setDataDir(QString());
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    m_path = m_dir.filePath(QStringLiteral("data/jxc.mdb"));
    if (withSchema) {
        createDatabaseFile(m_path);
    } else {
        Database db;
        db.open(m_path, true);
    }
    m_module = std::make_unique<TF_DataModule>();
    DataModule = m_module.get();
    connectDb(QStringLiteral("jxc.mdb"));
}

TestDb::~TestDb()
{
    // Kept windows are bound to this data module's queries: they go with it.
    destroyKeptForms();
    m_module.reset();
    DataModule = m_oldModule;
    setShopDir(m_oldShopDir);
    setDataDir(m_oldDataDir);
    Clock::reset();
}
