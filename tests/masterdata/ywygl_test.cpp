// The salesman window (bills, lines, totals, note and diary, the statistics it opens) and the
// reprint of stored bills and vouchers.
#include "adjusttest.h"

#include "data/textrules.h"
#include "masterdata/contacts.h"
#include "masterdata/salesman.h"
#include "masterdata/ywygl.h"
#include "masterdata/ywyrz.h"
#include "platform/datagrid.h"
#include "platform/report.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace adjusttest;

namespace {

class Salesman : public AdjustTest {
protected:
    void SetUp() override
    {
        AdjustTest::SetUp();
        busy = staff(QStringLiteral("王五"));
        idle = staff(QStringLiteral("赵六"));
    }
    void TearDown() override
    {
        setReportInterceptor({});
        AdjustTest::TearDown();
    }
    // The bills and payments of `busy`: a receipt with one line, a return (stored negative), two
    // payments, a sale from a warehouse that is gone and a customer return (stored negative).
    void seedBills()
    {
        const SqlParams u{{QString(), busy}};
        execSql(QStringLiteral("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,u_sn,j_yfje,j_sfje,j_jhrq) values "
                               "('CJ130528010001','100001','100001',?,100,80,'2013-05-28')"), u);
        execSql(QStringLiteral("insert into jxc_jhsp (j_sn,g_sn,jh_sl,jh_dj,jh_zje) values ('CJ130528010001','00000000',2,50,100)"));
        execSql(QStringLiteral("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,u_sn,th_yfje,th_sfje) values "
                               "('CT130528010001','100001','100001',?,-30,-30)"), u);
        execSql(QStringLiteral("insert into jxc_ghsfk (gf_sn,ghs_sn,u_sn,gf_fkje,gf_je,gf_fkfs) values "
                               "('GF130528010001','100001',?,-50,0,'期初应付'),('GF130528010002','100001',?,1234.5,1234.5,'现金')"),
                {{QString(), busy}, {QString(), busy}});
        execSql(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,u_sn,ls_yfje,ls_sfje) values "
                               "('XS130528010001','100001','999999',?,70,70)"), u);
        execSql(QStringLiteral("insert into jxc_xsthd (gl_djh,kh_sn,ck_sn,u_sn,th_yfje,th_sfje,th_xsrq,th_note) values "
                               "('XT130528010001','100001','100001',?,-10,-4,'2013-05-28','退回')"), u);
    }

    QString busy, idle;
};

TEST_F(Salesman, ListsTheMembersBillsWithLinesAndTotals)
{
    seedBills();
    QString seenName;
    ScopedWindows stats;
    registerWindow(QStringLiteral("TF_Ywyxstj"), [&seenName](const QString&) { seenName = partyType; });
    openScripted<TF_Ywygl>(F_Ywygl, [&](TF_Ywygl* w) {
        // The first named member is shown on activation.
        EXPECT_EQ(w->lblName->text(), "王五");
        QStringList rows;
        for (int r = 0; r < w->cxGrid1->rowCount(); ++r)
            rows << w->cxGrid1->value(r, "djh") + u' ' + w->cxGrid1->value(r, "yfje") + u' ' + w->cxGrid1->value(r, "sfje") +
                        u' ' + w->cxGrid1->value(r, "zflx");
        // The sale from a deleted warehouse is not listed but still counted in the totals.
        EXPECT_EQ(rows, QStringList({"CJ130528010001 100 80 采购进货", "CT130528010001 -30 -30 采购退货",
                                     "GF130528010001 50 0 期初应付", "GF130528010002 0 1234.5 现金",
                                     "XT130528010001 -10 -4 销售退货"}));
        EXPECT_EQ(w->cxGrid2->rowCount(), 1);  // the lines of the first bill
        EXPECT_EQ(w->lblCgje->text(), "120");
        EXPECT_EQ(w->lblWfyf->text(), "1284.5");
        EXPECT_EQ(w->lblXsje->text(), "60");
        EXPECT_EQ(w->lblKhyf->text(), "66");

        w->cxGrid1->setCurrentRow(2);
        w->showLines();  // a payment has no lines
        EXPECT_EQ(w->cxGrid2->rowCount(), 0);

        w->N_Xsyj->trigger();
        EXPECT_EQ(seenName, "王五");
        EXPECT_EQ(partyType, "");

        // A member who handled nothing: empty lists and the totals "0".
        w->tKey->setText(QStringLiteral("赵"));
        w->tKeyChanged();
        ASSERT_EQ(w->cxGrid4->rowCount(), 1);
        w->cxGrid4->setCurrentRow(w->cxGrid4->sourceRow(0));
        QTest::keyClick(w->tKey, Qt::Key_F5);
        EXPECT_EQ(w->uSn(), idle);
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
        EXPECT_EQ(w->lblCgje->text(), "0");
    });
}

TEST_F(Salesman, TotalsThatAddUpToZeroShowNothing)
{
    execSql(QStringLiteral("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,u_sn,j_yfje,j_sfje) values ('CJ1','100001','100001',?,10,10)"),
            {{QString(), busy}});
    execSql(QStringLiteral("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,u_sn,th_yfje,th_sfje) values "
                           "('CT1','100001','100001',?,-10,-10)"),
            {{QString(), busy}});
    openScripted<TF_Ywygl>(F_Ywygl, [](TF_Ywygl* w) {
        EXPECT_EQ(w->cxGrid1->rowCount(), 2);
        EXPECT_EQ(w->lblCgje->text(), "");
        EXPECT_EQ(w->lblWfyf->text(), "");
        EXPECT_EQ(w->lblXsje->text(), "");
    });
}

TEST_F(Salesman, NoteAndDiary)
{
    openScripted<TF_Ywygl>(F_Ywygl, [this](TF_Ywygl* w) {
        w->PageControl1->setCurrentIndex(1);
        w->mNote->setPlainText(QStringLiteral("  重点客户 "));
        w->btnSaveNote->click();
        onNextOpening<TF_Ywyrz_Add>("F_Ywyrz_Add", [](TF_Ywyrz_Add* d) {
            QTest::keyClick(d->mNote, Qt::Key_F5);
            d->mNote->setPlainText(QStringLiteral("拜访'老王'"));
            QTest::keyClick(d->mNote, Qt::Key_F5);
        });
        w->btnRzAdd->click();
        ASSERT_EQ(w->cxGrid3->rowCount(), 1);
        EXPECT_EQ(w->cxGrid3->value(0, "rz_note"), "拜访‘老王‘");
        EXPECT_EQ(w->cxGrid3->value(0, "rz_rq"), "2013-05-28");
        EXPECT_EQ(w->cxGrid3->value(0, "u_sn"), busy);
        onNextOpening<TF_Ywyrz_Modi>("F_Ywyrz_Modi", [](TF_Ywyrz_Modi* d) {
            EXPECT_EQ(d->mNote->toPlainText(), "拜访‘老王‘");
            d->mNote->setPlainText(QStringLiteral("再访"));
            QTest::keyClick(d->mNote, Qt::Key_F5);
        });
        w->btnRzModi->click();
        EXPECT_EQ(w->cxGrid3->value(0, "rz_note"), "再访");
        MsgScript::answer(MsgAnswer::Yes);
        w->btnRzDel->click();
        EXPECT_EQ(w->cxGrid3->rowCount(), 0);
    });
    EXPECT_EQ(boxes(), QStringList({"日志内容必须填写！", "您确定要删除该日志信息吗！"}));
    EXPECT_EQ(value(QStringLiteral("select u_note from jxc_user where u_sn=?"), {{QString(), busy}}), "重点客户");
}

// ---- Reprint --------------------------------------------------------------------------------------

TEST_F(Salesman, ReprintSignsFollowTheKindAndVouchersFillTheirDigitPlaces)
{
    seedBills();
    // Bills: a customer return prints its stored amounts negated, a purchase return as stored.
    const struct {
        const char* djh;
        const char* yf;
        const char* sf;
        const char* partnerVariable;
    } bills[] = {
        {"XT130528010001", "10", "4", "khName"},
        {"CT130528010001", "-30", "-30", "ghsName"},
        {"CJ130528010001", "100", "80", "ghsName"},
    };
    for (const auto& b : bills) {
        const BillPrint p = reprintBill(QString::fromLatin1(b.djh));
        QHash<QString, QString> vars;
        for (const BillVariable& v : p.variables)
            vars.insert(v.first, v.second);
        EXPECT_EQ(vars.value("yf"), moneyToDx(QString::fromLatin1(b.yf))) << b.djh;
        EXPECT_EQ(vars.value("sf"), moneyToDx(QString::fromLatin1(b.sf))) << b.djh;
        EXPECT_TRUE(vars.contains(QString::fromLatin1(b.partnerVariable))) << b.djh;
        EXPECT_FALSE(p.linesSql.isEmpty());
    }
    EXPECT_EQ(reprintBill(QStringLiteral("GF130528010002")).templateFile, "");

    // The voucher through the preview: its template and the digit places of 1234.50.
    QStringList seen;
    setReportInterceptor([&seen](ReportJob& job) {
        const Report& r = *job.report;
        for (const char* v : {"fen", "jiao", "yuan", "shi", "bai", "qian", "wan", "shiwan", "shiyi", "fkfs", "djh"})
            seen << reportUnquote(r.variable(QString::fromLatin1(v)));
        return false;
    });
    previewStoredBill(QStringLiteral("GF130528010002"));
    EXPECT_EQ(seen, QStringList({"0", "5", "4", "3", "2", "1", "￥", "", "", "现金", "GF130528010002"}));
    seen.clear();
    previewStoredBill(QStringLiteral("ZZ1"));  // another prefix prints nothing
    EXPECT_TRUE(seen.isEmpty());
}

}  // namespace
