#include "partnertest.h"

#include "masterdata/ghsgl.h"
#include "masterdata/ghsgl_add.h"
#include "masterdata/ghsgl_copy.h"
#include "masterdata/ghsgl_modi.h"
#include "masterdata/ghsgl_search.h"
#include "masterdata/ghsgl_type.h"
#include "masterdata/khgl.h"
#include "masterdata/khgl_add.h"
#include "masterdata/khgl_copy.h"
#include "masterdata/khgl_modi.h"
#include "masterdata/khgl_search.h"
#include "masterdata/khgl_type.h"
#include "masterdata/masterdata.h"
#include "masterdata/zone.h"
#include "platform/datagrid.h"

void PartnerTest::SetUp()
{
    db = std::make_unique<TestDb>();
    MsgScript::reset();
    TF_Form::clearScripts();
    windows = std::make_unique<ScopedWindows>(registerPartnerWindows);
    callerFlag.clear();
    detailTable.clear();
}

void PartnerTest::TearDown()
{
    EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
    EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
    TF_Form::clearScripts();
    MsgScript::reset();
    delete F_Ghsgl;
    delete F_Ghsgl_Add;
    delete F_Ghsgl_Modi;
    delete F_Ghsgl_Search;
    delete F_Ghsgl_Copy;
    delete F_Khgl;
    delete F_Khgl_Add;
    delete F_Khgl_Modi;
    delete F_Khgl_Search;
    delete F_Khgl_Copy;
    delete F_Ghsgl_Type;
    delete F_Khgl_Type;
    delete F_Zone;
    callerFlag.clear();
    detailTable.clear();
    windows.reset();
    db.reset();
}

QString field(const QString& table, const QString& column, const QString& where)
{
    return selectValue(QStringLiteral("select %1 from %2 where %3").arg(column, table, where));
}

void focusRow(DataGrid* grid, const QString& field, const QString& value)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->value(grid->sourceRow(r), field) == value) {
            grid->setCurrentRow(grid->sourceRow(r));
            return;
        }
    ADD_FAILURE() << "no row " << qPrintable(value);
}
