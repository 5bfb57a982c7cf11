// The branch identity and its export: five sheets read back, the period compared as text,
// and no export without a branch row.
#include "admintest.h"

#include "admin/branch.h"
#include "admin/fdexport.h"
#include "admin/fdsz.h"
#include "platform/xlsreader.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

using namespace admintest;

namespace {

class BranchTest : public AdminTest {};

TEST_F(BranchTest, TheWorkbookHasFiveSheetsAndTheExportDateFollowsIt)
{
    EXPECT_EQ(saveBranch(QStringLiteral("  "), QStringLiteral("x")), "分店编号不能为空，请重新输入！");
    EXPECT_EQ(saveBranch(QStringLiteral("200001"), QStringLiteral(" ")), "分店名称不能为空，请重新输入！");
    EXPECT_EQ(saveBranch(QStringLiteral("200001"), QStringLiteral("东门店")), QString());
    execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_kc) values ('G1','跑鞋',3)"));
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('G1','100001',3,12.5)"));
    execSql(QStringLiteral("insert into jxc_lsxsd (gl_djh,ls_xsrq) values ('XS1','2013-05-28'),('XS2','2013-05-28 09:00:00')"));
    execSql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_sl,ls_zhje) values ('XS1','G1',20,1,20),"
                           "('XS2','G1',20,1,20)"));
    QString file;
    // A folder that does not exist: the failure is shown and the date stays.
    EXPECT_TRUE(exportBranch(QDir(db->dir()).filePath(QStringLiteral("no/where")), QDate(2013, 5, 1), QDate(2013, 5, 28))
                    .startsWith("导出失败："));
    EXPECT_EQ(selectValue(QStringLiteral("select fd_dcrq from jxc_fd")), "");
    EXPECT_EQ(exportBranch(db->dir(), QDate(2013, 5, 1), QDate(2013, 5, 28), &file), QString());
    EXPECT_EQ(file, QDir(db->dir()).filePath(QStringLiteral("系统数据库13_05_28_10_00_00.xls")));
    EXPECT_EQ(selectValue(QStringLiteral("select fd_dcrq from jxc_fd")), "2013-05-28");
    EXPECT_EQ(readWorkbookSheet(file, QStringLiteral("1")).rowCount(),
              selectValue(QStringLiteral("select count(*) from jxc_goods")).toInt());
    const ResultSet stock = readWorkbookSheet(file, QStringLiteral("2"));
    ASSERT_EQ(stock.rowCount(), 1);
    EXPECT_EQ(stock.text(0, "kc_cbj"), "12.5");
    const ResultSet sales = readWorkbookSheet(file, QStringLiteral("3"));
    ASSERT_EQ(sales.rowCount(), 1);  // the bill stamped with a time lies after the end date's text
    EXPECT_EQ(sales.text(0, "gl_djh"), "XS1");
    EXPECT_EQ(readWorkbookSheet(file, QStringLiteral("4")).rowCount(), 0);
    const ResultSet branch = readWorkbookSheet(file, QStringLiteral("5"));
    ASSERT_EQ(branch.rowCount(), 1);
    EXPECT_EQ(branch.text(0, "fd_name"), "东门店");
}

TEST_F(BranchTest, WithoutABranchRowTheExportIsOff)
{
    execSql(QStringLiteral("delete from jxc_fd"));
    openScripted<TF_FdExport>(F_FdExport, [](TF_FdExport* w) {
        EXPECT_FALSE(w->btnOK->isEnabled());
        EXPECT_FALSE(w->btnBrowse->isEnabled());
    });
    EXPECT_EQ(boxes(), QStringList({"分店信息不存在，不能导出！"}));
    openScripted<TF_Fdsz>(F_Fdsz, [](TF_Fdsz* w) {
        EXPECT_TRUE(w->tsn->text().isEmpty());
        w->tsn->setText(QStringLiteral("300001"));
        w->tname->setText(QStringLiteral("西门店"));
        w->btnOK->click();
    });
    EXPECT_EQ(selectValue(QStringLiteral("select fd_sn||fd_name from jxc_fd")), "300001西门店");
}

}  // namespace
