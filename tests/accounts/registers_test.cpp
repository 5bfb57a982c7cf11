// The register and statement windows driven by their controls: partner pick, refusals that
// keep the dialog open, add, modify and delete, export and print.
#include "accountstest.h"

#include "accounts/partystatement.h"
#include "accounts/registers.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "platform/report.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// The text of the PDF that the next preview of a report would show.
class PrintedText {
public:
    PrintedText()
    {
        setReportInterceptor([this](ReportJob& job) {
            const QString pdf = m_dir.filePath(QStringLiteral("out.pdf"));
            if (job.report && job.report->exportPdf(pdf)) {
                QProcess p;
                p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
                p.waitForFinished(60000);
                m_text = QString::fromUtf8(p.readAllStandardOutput());
            }
            return false;
        });
    }
    ~PrintedText() { setReportInterceptor({}); }
    const QString& text() const { return m_text; }
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

private:
    QTemporaryDir m_dir;
    QString m_text;
};

class RegisterWindows : public AccountsTest {
protected:
    RegisterWindows() { MsgScript::reset(); }
    ~RegisterWindows() override { MsgScript::reset(); }
};

TEST_F(RegisterWindows, ReceivableRegisterPicksAddsRefusesAndDeletes)
{
    openScripted<TF_Yskdj>(F_Yskdj, [this](TF_Yskdj* w) {
        w->btn_Add->click();  // no customer picked
        EXPECT_EQ(MsgScript::texts(), QStringList{"请选择客户！"});

        // Typing shows the panel filtered on name and short code; F5 picks.
        w->tName->setText(QStringLiteral("甲"));
        emit w->tName->textEdited(w->tName->text());
        ASSERT_TRUE(w->panel->isVisible());
        w->panel->btnOK->click();
        EXPECT_EQ(curKhSn, kh);
        EXPECT_EQ(w->tName->text(), "客户甲");

        TF_Form::scriptNextOpening(QStringLiteral("F_Yskdj_Sele"), [this](TF_Form* f) {
            auto* d = static_cast<TF_Yskdj_Sele*>(f);
            EXPECT_EQ(d->windowTitle(), "增加应收款");
            EXPECT_EQ(d->balance->text(), "");
            EXPECT_EQ(d->gldjh->text(), "YS130528010001");
            d->btnOK->click();  // amount 0
            d->tgsj->setText(QStringLiteral("120.5"));
            d->tnote->setText(QStringLiteral("期初欠款"));
            d->btnOK->click();
        });
        w->btn_Add->click();
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->cxGrid1->value(0, QStringLiteral("k_yfje")), "120.5");

        TF_Form::scriptNextOpening(QStringLiteral("F_Yskdj_Sele"), [](TF_Form* f) {
            auto* d = static_cast<TF_Yskdj_Sele*>(f);
            EXPECT_EQ(d->windowTitle(), "修改应收款");
            EXPECT_EQ(d->tgsj->text(), "120.5");
            d->tgsj->setText(QStringLiteral("100"));
            d->btnOK->click();
        });
        w->btn_Modi->click();
        EXPECT_EQ(w->cxGrid1->value(0, QStringLiteral("k_yfje")), "100");

        MsgScript::answer(MsgAnswer::No);
        w->btn_Dele->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 1);
        MsgScript::answer(MsgAnswer::Yes);
        w->btn_Dele->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"请选择客户！", "应收款不能为0！", "您确定要删除该应收款信息吗！",
                                               "您确定要删除该应收款信息吗！"}));
    EXPECT_EQ(khBalance(), "0");
    EXPECT_EQ(curKhSn, kh);
}

TEST_F(RegisterWindows, PaymentRegisterMovesTheChosenAccountAndPrintsAndExports)
{
    PrintedText printed;
    openScripted<TF_Yfkfk>(F_Yfkfk, [&](TF_Yfkfk* w) {
        w->partnerChosen(ghs, QStringLiteral("供货商乙"));
        TF_Form::scriptNextOpening(QStringLiteral("F_Yfkfk_Sele"), [](TF_Form* f) {
            auto* d = static_cast<TF_Yfkfk_Sele*>(f);
            EXPECT_EQ(d->comYhzh->currentText(), "现金");  // the first account
            d->comYhzh->setCurrentIndex(d->comYhzh->findText(QStringLiteral("工行帐号")));
            d->tgsj->setText(QStringLiteral("80"));
            d->btnOK->click();
        });
        w->btn_Add->click();
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->cxGrid1->value(0, QStringLiteral("k_fkfs")), "工行帐号");

        w->btn_Prin->click();
        MsgScript::saveFile(printed.path("fk.xls"));
        w->btn_Export->click();
    });
    EXPECT_EQ(balance("工行帐号"), "-80");
    EXPECT_EQ(rows("select xj_dlx,xj_je from jxc_xjyh"), "付款单|-80");
    EXPECT_TRUE(printed.text().contains("付款登记表")) << printed.text().toStdString();
    EXPECT_TRUE(printed.text().contains("供货商乙"));
    EXPECT_TRUE(QFile::exists(printed.path("fk.xls")));
}

TEST_F(RegisterWindows, StatementShowsDetailAndSummaryAndPrintsBoth)
{
    addRegisterEntry(receivable("2013-04-20", 100));
    addSettlement(receipt(30));
    PrintedText printed;
    openScripted<TF_Yskgl>(F_Yskgl, [&](TF_Yskgl* w) {
        EXPECT_TRUE(w->rMxb->isChecked());
        ASSERT_EQ(w->cxGrid1->rowCount(), 2);
        EXPECT_EQ(w->cxGrid1->value(0, QStringLiteral("k_djtxt")), "期初应收");
        w->btn_Prin->click();
        EXPECT_TRUE(printed.text().contains("应收款明细表"));
        EXPECT_TRUE(printed.text().contains("本期已收合计："));

        w->rHzb->click();
        ASSERT_EQ(w->cxGrid2->rowCount(), 1);
        EXPECT_EQ(w->cxGrid2->value(0, QStringLiteral("wfje")), "-30");
        w->btn_Prin->click();
        EXPECT_TRUE(printed.text().contains("应收款汇总表"));
        MsgScript::saveFile(printed.path("hz.xls"));
        w->btn_Export->click();

        // A typed name that was never picked lists nothing.
        w->tName->setText(QStringLiteral("无此客户"));
        w->btnSearch1->click();
        EXPECT_EQ(w->cxGrid2->rowCount(), 0);
    });
    EXPECT_TRUE(QFile::exists(printed.path("hz.xls")));
}

}  // namespace
