// The register's printout over the shipped "report/hyxx.fr3" and its export.
#include "data/datamodule.h"
#include "members/hygl.h"
#include "members/hygl_print.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/test_report_support.h"
#include "platform/xlsreader.h"
#include "support/shop.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(MemberShippedTemplate, MemberListIsTheLayout)
{
    const QString path = shippedReportDir() + QStringLiteral("/hyxx.fr3");
    if (qEnvironmentVariableIsSet("JXC_WRITE_TEMPLATES"))
        hyxxLayout().save(path);
    ReportTemplate t;
    ASSERT_TRUE(t.load(path));
    EXPECT_TRUE(t == hyxxLayout());
}

TEST(MemberPrint, RegisterPrintsAndExportsItsList)
{
    Shop shop;
    MsgScript::reset();
    const QString a = shop.member(QStringLiteral("1001"), QStringLiteral("张会员"));
    shop.member(QStringLiteral("1002"), QStringLiteral("李会员"));
    execSql(QStringLiteral("update jxc_hyxx set hy_zje=120.5 where hy_sn=?"), {{QString(), a}});
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("hyxx.pdf"));
    const QString xls = dir.filePath(QStringLiteral("会员.xls"));
    Report::setReportDir(shippedReportDir());
    int previews = 0;
    setReportInterceptor([&](ReportJob& job) {
        ++previews;
        job.report->exportPdf(pdf);
        return true;
    });
    TF_Hygl* form = ensureForm(F_Hygl);
    TF_Form::scriptNextOpening(form->objectName(), [&](TF_Form* f) {
        auto* w = static_cast<TF_Hygl*>(f);
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        w->btnPrint->click();
        MsgScript::saveFile(xls);
        w->btnExport->click();
        // An empty list prints nothing.
        w->edtKey->setText(QStringLiteral("没有这个人"));
        w->searchClick();
        w->btnPrint->click();
    });
    form->showModalForm();
    setReportInterceptor({});
    Report::setReportDir(QString());
    EXPECT_EQ(previews, 1);
    const QString text = pdfText(pdf).remove(QRegularExpression(QStringLiteral("\\s+")));
    for (const char* expected : {"会员信息", "张会员", "李会员", "会员数量：2", "会员消费总金额：120.5"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    const ResultSet sheet = readWorkbookSheet(xls, QStringLiteral("会员"));
    QStringList names;
    for (int r = 0; r < sheet.rowCount(); ++r)
        names << sheet.text(r, QStringLiteral("会员姓名"));
    EXPECT_TRUE(names.contains(QStringLiteral("张会员")) && names.contains(QStringLiteral("李会员"))) << names.join(u',').toStdString();
    MsgScript::reset();
}

}  // namespace
