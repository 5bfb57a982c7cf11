// The fixed-assets window with its dialogs, the financial statements window and the business
// analysis window, driven by their controls.
#include "accountstest.h"

#include "accounts/cwbb.h"
#include "accounts/gdzc.h"
#include "accounts/moneyentries.h"
#include "accounts/statements.h"
#include "accounts/yyfx.h"
#include "platform/charts.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/test_report_support.h"
#include "support/windowregistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtCharts/QLineSeries>

namespace {

QString squeeze(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s+")));
}

template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

class FinanceWindows : public AccountsTest {
protected:
    FinanceWindows() : handler(shop.staff(QStringLiteral("王出纳")))
    {
        MsgScript::reset();
        setReportInterceptor([this](ReportJob& job) {
            if (job.kind == ReportJob::Kind::Preview) {
                job.report->exportPdf(pdf);
                for (const QString& name : watched)
                    printed[name] = reportUnquote(job.report->variable(name));
            }
            return true;
        });
    }
    ~FinanceWindows() override
    {
        setReportInterceptor({});
        MsgScript::reset();
    }
    QString printedText() const { return squeeze(pdfText(pdf)); }
    void expense(const QString& type, double amount)
    {
        addFyEntry({.direction = FyDirection::Expense, .type = type, .amount = Money::fromDouble(amount),
                    .handlerSn = handler, .handlerName = QStringLiteral("王出纳"), .account = QStringLiteral("现金"),
                    .note = QString(), .op = operatorName});
    }

    QString handler;
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QStringList watched;
    QMap<QString, QString> printed;
};

TEST_F(FinanceWindows, FixedAssetsOpeningMovementsAndPrint)
{
    watched = {"date1", "gdzcze", "qcje"};
    openScripted<TF_Gdzc>(F_Gdzc, [](TF_Gdzc* w) {
        EXPECT_EQ(w->gdzcze->text(), "固定资产总额：0元");
        TF_Form::scriptNextOpening(QStringLiteral("F_Gdzc_Qc"), [](TF_Form* f) {
            auto* d = static_cast<TF_Gdzc_Qc*>(f);
            EXPECT_EQ(d->tje->text(), "0");
            d->tje->setText(QStringLiteral("5000"));
            d->btnOK->click();
        });
        w->btn_Zcjz->click();
        w->btn_Zcjz->click();  // refused
        TF_Form::scriptNextOpening(QStringLiteral("F_Gdzc_Zj"), [](TF_Form* f) {
            auto* d = static_cast<TF_Gdzc_Zj*>(f);
            d->btnOK->click();  // amount 0
            d->tje->setText(QStringLiteral("1200"));
            d->tnote->setText(QStringLiteral("电脑"));
            d->btnOK->click();
        });
        w->btn_Zczj->click();
        TF_Form::scriptNextOpening(QStringLiteral("F_Gdzc_Js"), [](TF_Form* f) {
            auto* d = static_cast<TF_Gdzc_Js*>(f);
            EXPECT_EQ(d->windowTitle(), "减少资产");
            d->tje->setText(QStringLiteral("200"));
            d->btnOK->click();
        });
        w->btn_Zcjs->click();
        EXPECT_EQ(w->gdzcze->text(), "固定资产总额：6000元");
        EXPECT_EQ(w->qcje->text(), "期初金额：5000元");
        ASSERT_EQ(w->cxGrid->rowCount(), 3);
        EXPECT_EQ(w->cxGrid->value(1, "u_name"), "李采购");  // the first named staff
        w->showKind(kAssetDecrease);
        EXPECT_EQ(w->cxGrid->rowCount(), 1);
        w->showKind(QString());
        EXPECT_EQ(w->cxGrid->rowCount(), 3);
        w->btn_Prin->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"保存成功！", "固定资产已经存在资产增加或减少或期初资产，不能再期初建账！",
                                               "金额必须填写！"}));
    EXPECT_EQ(printed["gdzcze"], "固定资产总额：6000元");
    EXPECT_EQ(printed["date1"], "2013-05-01");
    const QString t = printedText();
    EXPECT_TRUE(t.contains("固定资产明细表")) << t.toStdString();
    EXPECT_TRUE(t.contains("金额合计：")) << t.toStdString();
}

TEST_F(FinanceWindows, StatementTabsDetailAndCharts)
{
    expense(QStringLiteral("房租"), 100);
    const QString other = shop.customer(QStringLiteral("丙客户"));
    execSql("update jxc_khxx set kh_lwje=30 where kh_sn=?", {{QString(), other}});
    watched = {"date1", "date2"};
    openScripted<TF_Cwbb>(F_Cwbb, [this](TF_Cwbb* w) {
        EXPECT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->ysyfmx->text(), "丙客户");

        w->cxPage->setCurrentIndex(1);
        ASSERT_EQ(w->cxGrid3->rowCount(), 8);
        const int fy = w->cxGrid3->rowCount() - 2;  // 2021 房租
        EXPECT_EQ(w->cxGrid3->value(fy, "ts_note"), "    房租");
        w->cxGrid3->setCurrentRow(fy);
        w->statementDetail();
        ASSERT_EQ(w->cxGrid4->rowCount(), 1);
        w->cxGrid3->setCurrentRow(w->cxGrid3->rowCount() - 1);  // [总利润]
        EXPECT_EQ(w->cxGrid3->value(w->cxGrid3->rowCount() - 1, "ts_note"), "[总利润]");
        w->statementDetail();
        EXPECT_EQ(w->cxGrid4->rowCount(), 1);
        EXPECT_EQ(w->cxGrid4->value(0, "lx"), "房租");
        w->btn_Prin->click();
        const QString t = printedText();
        EXPECT_TRUE(t.contains("经营情况表")) << t.toStdString();
        EXPECT_TRUE(t.contains("[总利润]")) << t.toStdString();
        EXPECT_EQ(printed["date2"], "2013-05-28");

        w->cxPage->setCurrentIndex(2);
        EXPECT_EQ(w->zcfzr->text(), "2013-05-28");
        EXPECT_EQ(w->cxGrid5->rowCount(), 8);

        w->cxPage->setCurrentIndex(3);
        EXPECT_EQ(w->chartList->currentRow(), 0);
        EXPECT_EQ(chartMarks(w->pieChart), QStringList{"0"});
        w->chartList->setCurrentRow(1);
        EXPECT_EQ(chartMarks(w->pieChart), (QStringList{"0", "100"}));
        w->chartList->setCurrentRow(3);
        EXPECT_EQ(w->year1->value(), 2013);
        EXPECT_EQ(chartMarks(w->monthChart), QStringList{"100"});
        // Switching to a line redraws the data already read, even when the data has changed since.
        expense(QStringLiteral("房租"), 50);
        w->rbLine->setChecked(true);
        EXPECT_EQ(chartMarks(w->monthChart), QStringList{"100"});
        ASSERT_EQ(w->monthChart->series().size(), 1);
        EXPECT_TRUE(qobject_cast<QLineSeries*>(w->monthChart->series().at(0)));
        w->month1->setValue(6);
        w->month2->setValue(1);
        w->btnSearch5->click();
        EXPECT_TRUE(chartMarks(w->monthChart).isEmpty());
    });
    // Closing empties the scratch rows.
    EXPECT_EQ(value("select count(*) from jxc_tempspxf"), "0");
}

TEST_F(FinanceWindows, BusinessAnalysisLinksListsAndPrints)
{
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {}, {});
    shop.receipt().plainLine(sandal, 50, 10).post();
    shop.sale().plainLine(sandal, 80, 2).post();
    QStringList opened;
    ScopedWindows scoped([&opened] {
        for (const char* cls : {"TF_Spcgtj", "TF_Spxstj", "TF_Kcdb", "TF_Bsby", "TF_Kccx", "TF_Spxsph"}) {
            const QString name = QString::fromLatin1(cls);
            registerWindow(name, [&opened, name](const QString& caption) {
                opened << name + u'/' + caption + u'/' + callerFlag;
                callerFlag.clear();
            });
        }
    });
    watched = {"cgje", "xsmll", "date1", "date2", "aName", "week"};
    openScripted<TF_Yyfx>(F_Yyfx, [this](TF_Yyfx* w) {
        EXPECT_EQ(w->figures["cgje"]->text(), "500元");
        EXPECT_EQ(w->figures["xsje"]->text(), "160元");
        EXPECT_EQ(w->figures["xsmll"]->text(), "37.5%");
        EXPECT_EQ(w->figures["week"]->text(), "星期二 ");
        for (const char* link : {"lnkCg", "lnkXs", "lnkDb", "lnkBsby", "lnkKc", "lnkCwfx"})
            w->findChild<QPushButton*>(QString::fromLatin1(link))->click();
        w->btnPrin1->click();
        const QString t = printedText();
        EXPECT_TRUE(t.contains("营业(综合)分析")) << t.toStdString();
        EXPECT_TRUE(t.contains("调拨数量：0")) << t.toStdString();
        EXPECT_FALSE(t.contains("调入总量")) << t.toStdString();
        EXPECT_EQ(printed["aName"], operatorName);

        // A warehouse with nothing in it runs the summary at once.
        w->comCk->setCurrentIndex(w->comCk->count() - 1);

        w->cxPage->setCurrentIndex(1);
        ASSERT_EQ(w->cxGrid2->rowCount(), 1);
        EXPECT_EQ(w->cxGrid2->value(0, "yy_xsje"), "160");
        w->rbChart2->setChecked(true);
        EXPECT_EQ(chartMarks(w->chart2), QStringList{"160"});

        w->cxPage->setCurrentIndex(2);
        EXPECT_EQ(w->month1->value(), 1);
        w->btnSearch3->click();
        ASSERT_EQ(w->cxGrid3->rowCount(), 1);
        EXPECT_EQ(w->cxGrid3->value(0, "js_rq"), "2013-05");
        w->findChild<QPushButton*>("btnPrin3")->click();
        EXPECT_EQ(printed["date1"], "2013年 01月");
        EXPECT_EQ(printed["date2"], "2013年 12月");
        EXPECT_TRUE(printedText().contains("营业(每月)分析"));
    });
    EXPECT_EQ(opened, (QStringList{"TF_Spcgtj//", "TF_Spxstj//", "TF_Kcdb//yyfx", "TF_Bsby//yyfx",
                                   "TF_Kccx/库存商品变动查询/", "TF_Spxsph//"}));
    EXPECT_EQ(callerFlag, "");
}

}  // namespace
