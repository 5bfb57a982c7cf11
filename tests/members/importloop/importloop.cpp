// Imports the workbook "会员.xls" beside the database, 10,000 members, in a loop until it is
// killed: the reliability test's victim.
// Usage: hyimport_postloop <data folder> <seed>.
#include "masterdata/importdata.h"
#include "members/memberdata.h"
#include "platform/xlsreader.h"
#include "support/postloop.h"

#include <QDir>

namespace {

constexpr int kRows = 10000;

QString workbookPath()
{
    return QDir(dataDir()).filePath(QStringLiteral("会员.xls"));
}

int importOnce(QRandomGenerator&, const postloop::Stock&)
{
    const MemberImportOptions o{.path = workbookPath(),
                                .levelSn = QStringLiteral("100001"),
                                .schemeSn = QStringLiteral("100001"),
                                .autoCard = true,
                                .uniqueNames = false};
    clearImportMapping();
    if (appendImportMapping(o.path, QStringLiteral("jxc_hyxx")) <= 0 || buildMemberPreview(o, true) != kRows)
        return 4;
    const ImportRun run = importMembers(o);
    return run.ok() && run.summary.success == kRows ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv)
{
    setWorkbookReader(readWorkbookSheet);
    return postloop::run(argc, argv, QStringLiteral("select hl_sn from jxc_hyfl order by id"),
                         importOnce);
}
