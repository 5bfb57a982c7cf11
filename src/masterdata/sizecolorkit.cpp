#include "masterdata/sizecolorkit.h"

#include "data/datamodule.h"
#include "platform/datagrid.h"
#include "shell/commands.h"

const SizeColorKit& sizeKit()
{
    static const SizeColorKit kit{sizeFamily(), "Q_Cmz",     "Q_Cmz1",    "Q_Cmz2",    "Q_Cmz3",
                                  "TF_Cmz",     "TF_Cmz_Add", "TF_Cmz_Zl", "TF_Cm_Add", "TF_Cm_Modi"};
    return kit;
}

const SizeColorKit& colorKit()
{
    static const SizeColorKit kit{colorFamily(), "Q_Colorz",      "Q_Colorz1",    "Q_Colorz2",    "Q_Colorz3",
                                  "TF_Colorz",   "TF_Colorz_Add", "TF_Colorz_Zl", "TF_Color_Add", "TF_Color_Modi"};
    return kit;
}

void SizeColorKit::open(const char* windowClass)
{
    openWindow(QString::fromLatin1(windowClass), QString(), QString::fromLatin1(windowClass));
}

NamedQuery* SizeColorKit::query(const char* name)
{
    return DataModule->query(QString::fromLatin1(name));
}

void bindGrid(DataGrid* grid, NamedQuery* query)
{
    if (grid->query() != query)
        grid->setQuery(query);
}
