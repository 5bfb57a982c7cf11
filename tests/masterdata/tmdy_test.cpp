// Label printing: the print list with its accumulation, quantities and deletion, the labels
// printed through the template with their barcode, and the stored label layout.
#include "importtest.h"

#include "masterdata/barcodes.h"
#include "masterdata/masterdata.h"
#include "masterdata/tmdy.h"
#include "masterdata/tmdy_modi.h"
#include "masterdata/tmset.h"
#include "platform/datagrid.h"
#include "platform/report.h"
#include "support/windowregistry.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest/QTest>

namespace {

class Labels : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        windows = std::make_unique<ScopedWindows>(registerImportAndBarcodeWindows);
        // A shoe with three variant rows and a barcode; one without a barcode; one disabled.
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_sptm,g_sj,g_jy) values "
                               "('10001001','跑鞋','690001',99,0),('10001002','拖鞋','',10,0)"));
        execSql(QStringLiteral("insert into jxc_tm (g_sn,tm_sl,cm_sn,color_sn,tm_tm) values "
                               "('10001001',1,'100010','100002','6900011139'),('10001001',1,'100011','100002','6900011140'),"
                               "('10001001',0,'100010','100005','6900011439')"));
    }
    void TearDown() override
    {
        setReportInterceptor({});
        Report::setReportDir(QString());
        windows.reset();
        ImportTest::TearDown();
    }
    static QString list()
    {
        return column(QStringLiteral("select g_sn||'x'||cast(tm_sl as int) as v from jxc_tm order by id"));
    }

    std::unique_ptr<ScopedWindows> windows;
};

TEST_F(Labels, AddingAccumulatesModifyingRefusesZeroAndDeletingTakesTheVariants)
{
    TF_Form::scriptNextOpening(QStringLiteral("F_Tmdy"), [](TF_Form* f) {
        auto* w = static_cast<TF_Tmdy*>(f);
        EXPECT_EQ(w->gridTm->rowCount(), 3);
        EXPECT_EQ(w->edtNum->text(), "1");
        const auto add = [w](const QString& code, const QString& quantity) {
            w->edtKey->setText(code);
            w->edtNum->setText(quantity);
            QTest::keyClick(w->edtKey, Qt::Key_F4);
        };
        add(QStringLiteral(" "), QStringLiteral("1"));
        add(QStringLiteral("99999999"), QStringLiteral("1"));
        add(QStringLiteral("10001002"), QStringLiteral("3"));  // no barcode: accepted
        MsgScript::answer(MsgAnswer::No);
        add(QStringLiteral("10001001"), QStringLiteral("2"));
        MsgScript::answer(MsgAnswer::Yes);
        add(QStringLiteral("10001001"), QStringLiteral("2"));
        EXPECT_EQ(MsgScript::texts(), QStringList({"请输入商品编号！", "系统中没有所查询的商品，请核对后输入！",
                                                   "商品编号已经存在，是否累加条码数量？",
                                                   "商品编号已经存在，是否累加条码数量？"}));
        EXPECT_EQ(list(), "10001001x3|10001001x3|10001001x2|10001002x3");

        // The goods panel filters as the key is typed; a double click takes the code.
        w->edtKey->clear();
        QTest::keyClicks(w->edtKey, QStringLiteral("pao"));
        EXPECT_TRUE(w->gridGoods->isVisibleTo(w));
        EXPECT_EQ(w->gridGoods->rowCount(), 0);
        w->edtKey->setText(QStringLiteral("跑"));
        w->filterGoods();
        ASSERT_EQ(w->gridGoods->rowCount(), 1);
        w->pickGoods();
        EXPECT_EQ(w->edtKey->text(), "10001001");
        EXPECT_FALSE(w->gridGoods->isVisibleTo(w));

        // The last row ("拖鞋"): 0 is refused, 4 is written.
        w->gridTm->setCurrentRow(3);
        TF_Form::scriptNextOpening(QStringLiteral("F_Tmdy_Modi"), [](TF_Form* f) {
            auto* d = static_cast<TF_Tmdy_Modi*>(f);
            d->edtNum->setText(QStringLiteral("0"));
            QTest::keyClick(d->edtNum, Qt::Key_F5);
            EXPECT_EQ(MsgScript::last().text, "数量必须大于0！");
            d->edtNum->setText(QStringLiteral("4"));
            d->btnSave->click();
        });
        w->btnModi->click();
        EXPECT_EQ(list(), "10001001x3|10001001x3|10001001x2|10001002x4");

        // Deleting the shoe deletes its variant barcodes.
        w->gridTm->setCurrentRow(0);
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDel->click();
        EXPECT_EQ(w->gridTm->rowCount(), 1);
        w->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Tmdy"), QString(), QStringLiteral("条码打印")));
    EXPECT_EQ(list(), "10001002x4");
}

TEST_F(Labels, PrintingPutsOneLabelPerQuantityAndDrawsItsBarcode)
{
    execSql(QStringLiteral("insert into jxc_tm (g_sn,tm_sl) values ('10001002',2)"));
    execSql(QStringLiteral("insert into jxc_txm (tm_code) values ('old')"));
    Report::setReportDir(QStringLiteral(JXC_SOURCE_DIR "/report"));
    QStringList pages;
    QString pdf = QDir(files.path()).filePath(QStringLiteral("labels.pdf"));
    QString png = QDir(files.path()).filePath(QStringLiteral("label.png"));
    setReportInterceptor([&](ReportJob& job) {
        EXPECT_EQ(job.kind, ReportJob::Kind::Preview);
        const ReportDocument doc = job.report->prepare();
        for (int p = 0; p < doc.pageCount(); ++p)
            pages << doc.pageTexts(p).join(u',');
        job.report->renderPage(0, 300).save(png);
        EXPECT_TRUE(job.report->exportPdf(pdf));
        return true;
    });
    TF_Form::scriptNextOpening(QStringLiteral("F_Tmdy"), [](TF_Form* f) {
        static_cast<TF_Tmdy*>(f)->btnPrint->click();
        f->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Tmdy"), QString(), QStringLiteral("条码打印")));
    // Two labels of the shoe's goods barcode (its third row is at 0), two empty ones.
    EXPECT_EQ(column(QStringLiteral("select tm_code as v from jxc_txm order by id")), "690001|690001||");
    EXPECT_EQ(pages, QStringList({"690001", "690001", "", ""}));
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    // The first label's barcode reads back as the goods barcode.
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), png});
    ASSERT_TRUE(zbar.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), "CODE-128:690001");
}

TEST_F(Labels, TheLayoutIsOneRowAndItsDefaultsComeBackOnlyWhenSaved)
{
    execSql(QStringLiteral("delete from jxc_tmdy"));
    TF_Form::scriptNextOpening(QStringLiteral("F_Tmset"), [](TF_Form* f) {
        auto* w = static_cast<TF_Tmset*>(f);
        EXPECT_EQ(w->spnWidth->value(), 100);  // the defaults when nothing is stored
        w->spnWidth->setValue(60);
        QTest::keyClick(w, Qt::Key_F2);
        w->spnHeight->setValue(20);
        w->btnApply[3]->click();
        QTest::keyClick(w, Qt::Key_F3);
        EXPECT_EQ(w->spnWidth->value(), 100);
        w->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Tmset"), QString(), QStringLiteral("打印设置")));
    EXPECT_EQ(value("select count(*) from jxc_tmdy"), "1");
    const LabelLayout l = loadLabelLayout();
    EXPECT_EQ(QString::number(l.width) + u'x' + QString::number(l.height) + u'/' + l.title + u'/' +
                  QString::number(l.codeType),
              "60x20/禾岚软件标题/14");
}

}  // namespace
