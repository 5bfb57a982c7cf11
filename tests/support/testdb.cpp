#include "support/testdb.h"

#include "data/schema/schema.h"

TestDb::TestDb(bool withSchema, const QDateTime& clock)
{
    Clock::setFixed(clock);
    m_oldDataDir = dataDir();
    m_oldModule = DataModule;
    setDataDir(m_dir.path());
    m_path = m_dir.filePath(QStringLiteral("jxc.mdb"));
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
    m_module.reset();
    DataModule = m_oldModule;
    setDataDir(m_oldDataDir);
    Clock::reset();
}
