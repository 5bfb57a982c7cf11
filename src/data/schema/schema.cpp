#include "data/schema/schema.h"

#include "data/datamodule.h"

#include <QFile>

void createAllTables() {}
void clearBusinessData() {}
void clearDataKeepGoods() {}
void upgradeDb() {}

void createDatabaseFile(const QString& path)
{
    if (QFile::exists(path))
        throw DbError(QStringLiteral("文件已存在：%1").arg(path));
    Database db;
    db.open(path, /*create=*/true);
    db.close();
}
