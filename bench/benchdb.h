// Benchmark support: a data module connected to an empty database in a temporary folder.
#pragma once

#include "data/datamodule.h"

#include <QTemporaryDir>

struct BenchDb {
    QTemporaryDir dir;
    TF_DataModule dm;

    BenchDb()
    {
        DataModule = &dm;
        setDataDir(dir.path());
        Database create;
        create.open(dir.filePath("jxc.mdb"), true);
        create.close();
        connectDb("jxc.mdb");
    }
};
