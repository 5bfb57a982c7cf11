// Document query: the nine kinds in kind order, the voucher amounts split by sign, the
// transfer's out-warehouse, the key over number, outside number and note, and the lines.
#include "admintest.h"

#include "admin/djcx.h"
#include "admin/djcx_print.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/report.h"
#include "platform/datagrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace admintest;

namespace {

class DjcxTest : public AdminTest {
protected:
    void SetUp() override
    {
        AdminTest::SetUp();
        execSql(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name) values ('100002','二号仓')"));
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name) values ('G1','跑鞋')"));
        const QString h = QStringLiteral("'100001','2013-05-28'");
        execSql(QStringLiteral("insert into jxc_byd (gl_djh,ck_sn,u_sn,by_byrq,by_note) values ('BY1','100001',%1,'')").arg(h));
        execSql(QStringLiteral("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,u_sn,j_jhrq,j_yfje,j_sfje,j_sn2,j_note) values "
                               "('CJ1','100001','100001',%1,100,60,'W-77','到货*急')").arg(h));
        execSql(QStringLiteral("insert into jxc_jhsp (j_sn,g_sn,jh_sl) values ('CJ1','G1',3),('CJ1','G1',2)"));
        execSql(QStringLiteral("insert into jxc_ghsfk (gf_sn,ghs_sn,u_sn,gf_fkrq,gf_fkje,gf_fkfs) values "
                               "('GF1','100001',%1,-50,'期初应付'),('GF2','100001',%1,50,'付款')").arg(h));
        execSql(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,u_sn,ls_xsrq,ls_yfje,ls_sfje) values "
                               "('XS1','100001','100001',%1,80,80)").arg(h));
        execSql(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,u_sn,db_dbrq) values ('DB1','100002','100001',%1)")
                    .arg(h));
        execSql(QStringLiteral("insert into jxc_khfk (kf_sn,kh_sn,u_sn,kf_fkrq,kf_fkje,kf_fkfs) values "
                               "('KF1','100001',%1,20,'收款')").arg(h));
        execSql(QStringLiteral("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,u_sn,th_thrq) values ('CT1','100001','100001',%1)")
                    .arg(h));
        execSql(QStringLiteral("insert into jxc_xsthd (gl_djh,kh_sn,ck_sn,u_sn,th_xsrq) values ('XT1','100001','100001',%1)")
                    .arg(h));
        execSql(QStringLiteral("insert into jxc_bsd (gl_djh,ck_sn,u_sn,bs_bsrq) values ('BS1','100001',%1)").arg(h));
        // Its warehouse is gone: the inner join drops it.
        execSql(QStringLiteral("insert into jxc_bsd (gl_djh,ck_sn,u_sn,bs_bsrq) values ('BS2','999999',%1)").arg(h));
    }
    static QStringList column(DataGrid* g, const QString& field)
    {
        QStringList values;
        for (int r = 0; r < g->rowCount(); ++r)
            values << g->value(g->sourceRow(r), field);
        return values;
    }
};

TEST_F(DjcxTest, NineKindsInKindOrderWithSplitVoucherAmountsAndTheTransfersOutWarehouse)
{
    openScripted<TF_Djcx>(F_Djcx, [](TF_Djcx* w) {
        QStringList djh = column(w->DBGrid1, QStringLiteral("djh"));
        ASSERT_EQ(djh.size(), 10);
        EXPECT_EQ(djh[0], "CJ1");
        EXPECT_EQ(djh[1], "CT1");
        QStringList vouchers = djh.mid(2, 2);
        vouchers.sort();
        EXPECT_EQ(vouchers, QStringList({"GF1", "GF2"}));
        EXPECT_EQ(QStringList(djh.mid(4)), QStringList({"XS1", "XT1", "KF1", "DB1", "BS1", "BY1"}));
        EXPECT_EQ(w->DBGrid1->footerText(QStringLiteral("rq")), "10");
        auto rowOf = [w](const QString& number) {
            for (int r = 0; r < w->DBGrid1->loadedRowCount(); ++r)
                if (w->DBGrid1->value(r, QStringLiteral("djh")) == number)
                    return r;
            return -1;
        };
        auto field = [w, rowOf](const QString& number, const char* name) {
            return w->DBGrid1->value(rowOf(number), QString::fromLatin1(name));
        };
        EXPECT_EQ(field("GF1", "yfje") + "|" + field("GF1", "sfje") + "|" + field("GF1", "zflx"), "50|0|期初应付");
        EXPECT_EQ(field("GF2", "yfje") + "|" + field("GF2", "sfje"), "0|50");
        EXPECT_EQ(field("DB1", "ck_name") + "|" + field("DB1", "ghskh") + "|" + field("DB1", "djh2"), "二号仓|---------|------");
        EXPECT_EQ(field("KF1", "ck_name") + "|" + field("KF1", "ghskh"), "------|普通客户");
        // The first document's lines; a voucher has none.
        EXPECT_EQ(w->lblDetail->text(), "单据CJ1的详细内容：");
        EXPECT_EQ(w->DBGrid2->rowCount(), 2);
        EXPECT_EQ(w->DBGrid2->footerText(QStringLiteral("sl")), "5");
        ASSERT_TRUE(w->DBGrid1->setCurrentRow(rowOf("GF1")));
        EXPECT_EQ(w->lblDetail->text(), "单据GF1的详细内容：");
        EXPECT_EQ(w->DBGrid2->rowCount(), 0);
    });
}

TEST_F(DjcxTest, TheKeySearchesNumberOutsideNumberAndNoteLiterally)
{
    openScripted<TF_Djcx>(F_Djcx, [](TF_Djcx* w) {
        const QList<std::pair<QString, QStringList>> cases = {
            {QStringLiteral("w"), {"CJ1"}},      // the outside number, any case
            {QStringLiteral("*"), {"CJ1"}},      // a literal asterisk of the note
            {QStringLiteral("xs"), {"XS1"}},
            {QStringLiteral("nothing"), {}},
            {QStringLiteral("y"), {"BY1"}},
        };
        for (const auto& [key, expected] : cases) {
            w->tname->setText(key);
            w->btnQuery->click();
            EXPECT_EQ(column(w->DBGrid1, QStringLiteral("djh")), expected) << key.toStdString();
            if (expected.isEmpty()) {
                EXPECT_TRUE(w->lblDetail->text().isEmpty());
                EXPECT_EQ(w->DBGrid2->rowCount(), 0);
            }
        }
        // Typed, "%" and "?" are dropped.
        w->tname->clear();
        w->tname->setFocus();
        QTest::keyClicks(w->tname, QStringLiteral("C%J?1"));
        EXPECT_EQ(w->tname->text(), "CJ1");
    });
}

// ---- Reprints ----------------------------------------------------------------------------

TEST_F(DjcxTest, VoucherDigitCellsAndNamesFollowTheAmount)
{
    struct Case {
        QString amount;
        QHash<QString, QString> cells;  // the cells that are not empty
    };
    const QList<Case> cases = {
        {"1234.5", {{"fen", "0"}, {"jiao", "5"}, {"yuan", "4"}, {"shi", "3"}, {"bai", "2"}, {"qian", "1"}, {"wan", "￥"}}},
        {"0.5", {{"fen", "0"}, {"jiao", "5"}}},
        {"-12.5", {{"fen", "0"}, {"jiao", "5"}, {"yuan", "2"}, {"shi", "1"}, {"bai", "-"}, {"qian", "￥"}}},
    };
    companyShortName = QStringLiteral("禾岚");
    for (const Case& c : cases) {
        execSql(QStringLiteral("update jxc_ghsfk set gf_je=? where gf_sn='GF1'"), {{QString(), c.amount.toDouble()}});
        Report rpt;
        rpt.setVariable(QStringLiteral("stale"), reportQuote(QStringLiteral("x")));
        setPrinPara(rpt, QStringLiteral("GF1"));
        for (const char* cell : {"fen", "jiao", "yuan", "shi", "bai", "qian", "wan", "shiwan", "baiwan", "qianwan", "yi", "shiyi"})
            EXPECT_EQ(rpt.variable(QString::fromLatin1(cell)), c.cells.value(QString::fromLatin1(cell)))
                << c.amount.toStdString() << ' ' << cell;
        EXPECT_EQ(rpt.variable(QStringLiteral("bTitle")), QStringLiteral("禾岚付款单"));
        EXPECT_EQ(rpt.variable(QStringLiteral("fkfs")), QStringLiteral("期初应付"));
        EXPECT_EQ(rpt.variable(QStringLiteral("ghsName")), QStringLiteral("普通供货商"));
        EXPECT_TRUE(rpt.variable(QStringLiteral("stale")).isEmpty());
    }
    companyShortName.clear();
}

TEST_F(DjcxTest, BillsSetTheirVariablesAndLossAndOverflowShareOneTemplate)
{
    execSql(QStringLiteral("update jxc_xsthd set th_yfje=-200 where gl_djh='XT1'"));
    Report xt;
    setPrinPara(xt, QStringLiteral("XT1"));
    EXPECT_EQ(xt.variable(QStringLiteral("yf")), moneyToDx(QStringLiteral("200")));
    EXPECT_EQ(xt.variable(QStringLiteral("khName")), QStringLiteral("普通客户"));
    EXPECT_EQ(xt.variable(QStringLiteral("jhDate")), QStringLiteral("2013-05-28"));
    EXPECT_EQ(xt.variable(QStringLiteral("ckName")), QStringLiteral("主仓库"));

    EXPECT_EQ(documentTemplate(QStringLiteral("BS1")), documentTemplate(QStringLiteral("BY1")));
    EXPECT_EQ(documentTemplate(QStringLiteral("BS1")), "bsby.fr3");
    Report bs, by;
    setPrinPara(bs, QStringLiteral("BS1"));
    setPrinPara(by, QStringLiteral("BY1"));
    EXPECT_EQ(bs.variable(QStringLiteral("title")), QStringLiteral("商品报损单"));
    EXPECT_EQ(by.variable(QStringLiteral("title")), QStringLiteral("商品报溢单"));

    // A transfer's value is its quantities at the preset sale price.
    execSql(QStringLiteral("update jxc_goods set g_sj=30 where g_sn='G1'"));
    execSql(QStringLiteral("insert into jxc_dbsp (gl_djh,g_sn,db_sl) values ('DB1','G1',2)"));
    Report db;
    setPrinPara(db, QStringLiteral("DB1"));
    EXPECT_EQ(db.variable(QStringLiteral("yf")), moneyToDx(QStringLiteral("60")));
    EXPECT_EQ(db.variable(QStringLiteral("ckOut")), QStringLiteral("二号仓"));

    // The view previews the current document with its rows in the shared dataset.
    QList<QString> previews;
    setReportInterceptor([&previews](ReportJob& job) {
        previews << job.report->variable(QStringLiteral("title"));
        return false;
    });
    openScripted<TF_Djcx>(F_Djcx, [](TF_Djcx* w) {
        w->tname->setText(QStringLiteral("BS1"));
        w->btnQuery->click();
        w->btnView->click();
    });
    setReportInterceptor({});
    EXPECT_EQ(previews, QList<QString>({QStringLiteral("商品报损单")}));
}

}  // namespace
