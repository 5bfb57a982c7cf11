// Writes a fresh database with every table and default row: jxc-mkdb <file>
#include "data/database.h"
#include "data/schema/schema.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: jxc-mkdb <database file>\n");
        return 2;
    }
    try {
        createDatabaseFile(args.at(1));
    } catch (const DbError& e) {
        std::fprintf(stderr, "jxc-mkdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
