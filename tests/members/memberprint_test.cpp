// The register's printouts (the member list over the shipped "report/hyxx.fr3", the lists of the
// consumption, top-up and birthday tabs) and the export of every tab.
#include "data/datamodule.h"
#include "data/globals.h"
#include "members/hygl.h"
#include "members/hygl_print.h"
#include "members/memberdata.h"
#include "membertest.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/test_report_support.h"
#include "platform/xlsreader.h"
#include "support/shop.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
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

TEST(MemberPrint, TabsPrintAndExportTheirLists)
{
    Shop shop;
    MsgScript::reset();
    const QString goods = shop.goods(QStringLiteral("凉鞋"), {}, {});
    MemberFields f;
    f.card = QStringLiteral("3001");
    f.name = QStringLiteral("寿星");
    f.birthday = QStringLiteral("1980-06-01");  // four days after the fixed today, 2013-05-28
    f.tele = QStringLiteral("6201");
    const QString sn = shop.member(f, 80);
    shop.memberSale(sn, goods, 100, 3);
    shop.memberSale(sn, goods, 20, 1);
    addGift(gift(QStringLiteral("G1"), QStringLiteral("雨伞"), 5, 0));
    ASSERT_EQ(addExchangeLine(QStringLiteral("DH1"), QStringLiteral("3001"), QStringLiteral("G1"), operatorName), QString());
    ASSERT_EQ(saveExchange(QStringLiteral("DH1"), QStringLiteral("3001"), operatorName), QString());

    QTemporaryDir dir;
    QStringList pdfs;
    setReportInterceptor([&](ReportJob& job) {
        pdfs << dir.filePath(QStringLiteral("tab%1.pdf").arg(pdfs.size() + 2));
        job.report->exportPdf(pdfs.back());
        return true;
    });
    TF_Hygl* form = ensureForm(F_Hygl);
    TF_Form::scriptNextOpening(form->objectName(), [&](TF_Form* f) {
        auto* w = static_cast<TF_Hygl*>(f);
        for (int tab = 1; tab <= 4; ++tab) {
            w->PageControl1->setCurrentIndex(tab);
            if (tab < 4)
                w->btnPrints[tab - 1]->click();
            MsgScript::saveFile(dir.filePath(QStringLiteral("表%1.xls").arg(tab + 1)));
            w->btnExports[tab - 1]->click();
        }
        w->btnExits[3]->click();
    });
    EXPECT_EQ(form->showModalForm(), QDialog::Rejected);
    setReportInterceptor({});
    EXPECT_EQ(MsgScript::texts(), QStringList());
    MsgScript::reset();

    // Titles, the period, the rows and the totals of each print.
    const char* const expected[3][4] = {
        {"会员消费情况", "2013-05-28至2013-05-28", "会员消费总数量：4", "会员消费总金额：320"},
        {"会员续费情况表", "2013-05-01至2013-05-28", "续费金额：80", "实际存入：80"},
        {"还有10要过生日的会员名单", "1980-06-01", "6201", "记录数：1"},
    };
    ASSERT_EQ(pdfs.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString text = pdfText(pdfs[i]).remove(QRegularExpression(QStringLiteral("\\s+")));
        EXPECT_TRUE(text.contains(QStringLiteral("寿星"))) << text.toStdString();
        for (const char* e : expected[i])
            EXPECT_TRUE(text.contains(QString::fromUtf8(e))) << e << "\n" << text.toStdString();
    }
    // Each tab's grid goes to its own workbook, under the grid's captions.
    const struct {
        const char* caption;
        QStringList cells;
    } exported[] = {{"商品名称", {"凉鞋", "凉鞋"}}, {"续费类别", {"储值卡续费"}}, {"出生日期", {"1980-06-01"}}, {"赠品名称", {"雨伞"}}};
    for (int i = 0; i < 4; ++i) {
        const ResultSet sheet = readWorkbookSheet(dir.filePath(QStringLiteral("表%1.xls").arg(i + 2)),
                                                  QStringLiteral("表%1").arg(i + 2));
        QStringList cells;
        for (int r = 0; r < sheet.rowCount(); ++r)
            cells << sheet.text(r, QString::fromUtf8(exported[i].caption));
        EXPECT_EQ(cells.mid(0, exported[i].cells.size()), exported[i].cells) << exported[i].caption;
    }
}

}  // namespace
