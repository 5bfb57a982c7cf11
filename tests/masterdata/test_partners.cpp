// Suppliers and customers: the add, modify, delete and copy sequences, the two lists and their
// dialogs.
#include "partnertest.h"

#include "data/settings.h"
#include "data/textrules.h"
#include "masterdata/ghsgl.h"
#include "masterdata/ghsgl_add.h"
#include "masterdata/ghsgl_copy.h"
#include "masterdata/ghsgl_modi.h"
#include "masterdata/ghsgl_search.h"
#include "masterdata/khgl.h"
#include "masterdata/khgl_add.h"
#include "masterdata/khgl_copy.h"
#include "masterdata/khgl_modi.h"
#include "masterdata/partners.h"
#include "platform/datagrid.h"
#include "platform/report.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString addGhs(const QString& name, bool isDefault = false)
{
    PartnerFields f;
    f.name = name;
    f.isDefault = isDefault;
    const PartnerResult r = addPartner(PartnerKind::Ghs, f);
    EXPECT_TRUE(r.ok()) << qPrintable(r.message);
    return r.code;
}

QString addKh(const QString& name)
{
    PartnerFields f;
    f.name = name;
    const PartnerResult r = addPartner(PartnerKind::Kh, f);
    EXPECT_TRUE(r.ok()) << qPrintable(r.message);
    return r.code;
}

int defaults(const QString& table, const QString& column)
{
    return selectValue(QStringLiteral("select count(*) from %1 where %2<>0").arg(table, column)).toInt();
}

using PartnerFunctions = PartnerTest;
using PartnerWindows = PartnerTest;

// ---- The sequences -------------------------------------------------------------------------

TEST_F(PartnerFunctions, AddRefusesEmptyAndDuplicateNamesComparedInTheirStoredForm)
{
    PartnerFields blank;
    blank.name = QStringLiteral("   ");
    EXPECT_EQ(addPartner(PartnerKind::Ghs, blank).message, "供货商名称必须填写！");
    EXPECT_EQ(addPartner(PartnerKind::Kh, blank).message, "客户名称必须填写！");

    PartnerFields builtIn;
    builtIn.name = QStringLiteral(" 普通供货商 ");
    EXPECT_EQ(addPartner(PartnerKind::Ghs, builtIn).message, "供货商已经存在！");
    builtIn.name = QStringLiteral("普通客户");
    EXPECT_EQ(addPartner(PartnerKind::Kh, builtIn).message, "客户已经存在！");

    // Names holding characters that safe text converts are stored converted; a second entry
    // of the same typed name is refused.
    for (const QString& name : {QStringLiteral("鞋.业"), QStringLiteral("O'Brien"), QStringLiteral("A&B 100%"),
                                QStringLiteral("x'; drop table jxc_ghsxx; --")}) {
        SCOPED_TRACE(qPrintable(name));
        const QString code = addGhs(name);
        EXPECT_EQ(field("jxc_ghsxx", "ghs_name", "ghs_sn='" + code + "'"), sqlSafeName(name));
        PartnerFields again;
        again.name = name;
        EXPECT_EQ(addPartner(PartnerKind::Ghs, again).message, "供货商已经存在！");
        EXPECT_EQ(selectValue("select count(*) from jxc_ghsxx where ghs_name=:n", {{":n", sqlSafeName(name)}}), "1");
    }
}

TEST_F(PartnerFunctions, TheDefaultMarkStaysOnOneRowAtMost)
{
    ASSERT_EQ(defaults("jxc_ghsxx", "ghs_default"), 1);  // the built-in supplier
    const QString code = addGhs(QStringLiteral("甲供货商"), true);
    EXPECT_EQ(defaults("jxc_ghsxx", "ghs_default"), 1);
    EXPECT_EQ(field("jxc_ghsxx", "ghs_default", "ghs_sn='" + code + "'"), "True");

    PartnerFields f;
    f.name = QStringLiteral("普通供货商");
    f.isDefault = true;
    EXPECT_EQ(modifyPartner(PartnerKind::Ghs, QStringLiteral("100001"), f), "");
    EXPECT_EQ(defaults("jxc_ghsxx", "ghs_default"), 1);
    EXPECT_EQ(field("jxc_ghsxx", "ghs_default", "ghs_sn='100001'"), "True");

    f.isDefault = false;
    EXPECT_EQ(modifyPartner(PartnerKind::Ghs, QStringLiteral("100001"), f), "");
    EXPECT_EQ(defaults("jxc_ghsxx", "ghs_default"), 0);
}

TEST_F(PartnerFunctions, ANoteIsKeptWholeExceptThatSuppliersKeepItsFirst64Characters)
{
    PartnerFields f;
    f.name = QStringLiteral("长备注");
    f.note = QStringLiteral("  ") + QString(255, QChar(u'备')) + QStringLiteral("  ");
    const QString ghs = addPartner(PartnerKind::Ghs, f).code;
    const QString kh = addPartner(PartnerKind::Kh, f).code;
    EXPECT_EQ(field("jxc_ghsxx", "ghs_note", "ghs_sn='" + ghs + "'"), QString(64, QChar(u'备')));
    EXPECT_EQ(field("jxc_khxx", "kh_note", "kh_sn='" + kh + "'"), QString(255, QChar(u'备')));
}

TEST_F(PartnerFunctions, AnyBusinessOfThePartnerRefusesItsDeletion)
{
    struct Case {
        PartnerKind kind;
        const char* insert;  // :sn is the partner's code
    };
    const Case cases[] = {
        {PartnerKind::Ghs, "insert into jxc_jhd (j_sn,ghs_sn) values ('CJ1',:sn)"},
        {PartnerKind::Ghs, "insert into jxc_thd (gl_djh,ghs_sn) values ('CT1',:sn)"},
        {PartnerKind::Ghs, "insert into jxc_ghsfk (gf_sn,ghs_sn) values ('GF1',:sn)"},
        {PartnerKind::Ghs, "insert into jxc_shdj (gl_djh,ghs_sn,sh_flag,sh_djzt) values ('CJ2',:sn,'cj',0)"},
        {PartnerKind::Ghs, "insert into jxc_ysyfk (gl_djh,k_type,k_ghskh) values ('YF1','ghs',:sn)"},
        {PartnerKind::Kh, "insert into jxc_lsxsd (gl_djh,kh_sn) values ('XS1',:sn)"},
        {PartnerKind::Kh, "insert into jxc_xsthd (gl_djh,kh_sn) values ('XT1',:sn)"},
        {PartnerKind::Kh, "insert into jxc_posxsd (gl_djh,kh_sn) values ('PS1',:sn)"},
        {PartnerKind::Kh, "insert into jxc_posthd (gl_djh,kh_sn) values ('PT1',:sn)"},
        {PartnerKind::Kh, "insert into jxc_jhgl (gl_djh,kh_sn) values ('JH1',:sn)"},
        {PartnerKind::Kh, "insert into jxc_shdj (gl_djh,ghs_sn,sh_flag,sh_djzt) values ('XS2',:sn,'xs',0)"},
        {PartnerKind::Kh, "insert into jxc_khfk (kf_sn,kh_sn) values ('KF1',:sn)"},
        {PartnerKind::Kh, "insert into jxc_ysyfk (gl_djh,k_type,k_ghskh) values ('YS1','kh',:sn)"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.insert);
        const QString name = QStringLiteral("伙伴%1").arg(++n);
        const QString code = c.kind == PartnerKind::Ghs ? addGhs(name) : addKh(name);
        execSql(QString::fromUtf8(c.insert), {{":sn", code}});
        const QString message = c.kind == PartnerKind::Ghs ? QStringLiteral("该供货商已发生过业务，不能删除！")
                                                           : QStringLiteral("该客户已发生过业务，不能删除！");
        EXPECT_EQ(deletePartner(c.kind, code), message);
        const PartnerSide& s = partnerSide(c.kind);
        EXPECT_EQ(selectValue(QStringLiteral("select count(*) from %1 where %2=:sn").arg(s.table, s.col("sn")),
                              {{":sn", code}}),
                  "1");
    }
}

TEST_F(PartnerFunctions, BusinessOfTheOtherSideUnderTheSameCodeAndTheBuiltInRow)
{
    const QString ghs = addGhs(QStringLiteral("乙供货商"));
    // A pending sales bill and a customer ledger row under the same code belong to a customer.
    execSql("insert into jxc_shdj (gl_djh,ghs_sn,sh_flag,sh_djzt) values ('XS9',:sn,'xs',0)", {{":sn", ghs}});
    execSql("insert into jxc_ysyfk (gl_djh,k_type,k_ghskh) values ('YS9','kh',:sn)", {{":sn", ghs}});
    EXPECT_EQ(deletePartner(PartnerKind::Ghs, ghs), "");
    EXPECT_EQ(field("jxc_ghsxx", "count(*)", "ghs_sn='" + ghs + "'"), "0");

    EXPECT_EQ(deletePartner(PartnerKind::Ghs, "100001"), "该供货商为系统内置供货商，不能删除！");
    EXPECT_EQ(deletePartner(PartnerKind::Kh, "100001"), "该客户为系统内置客户，不能删除！");
    execSql("insert into jxc_jhd (j_sn,ghs_sn) values ('CJ1','100001')");
    EXPECT_EQ(partnerDeleteRefusal(PartnerKind::Ghs, "100001"), "该供货商已发生过业务，不能删除！");
}

TEST_F(PartnerFunctions, CopyingMakesANewPartnerWithBalanceZero)
{
    execSql("update jxc_khxx set kh_lwje=50,kh_default=1,kt_name='A级客户',z_name='省会地区',kh_lxr='张三',"
            "kh_tele='123',kh_address='中山路',kh_note='老客户' where kh_sn='100001'");
    const PartnerResult copied = copyPartner(PartnerKind::Ghs, QStringLiteral("100001"));
    ASSERT_TRUE(copied.ok());
    EXPECT_EQ(copied.code, "100002");
    const ResultSet row = openSelect("select * from jxc_ghsxx where ghs_sn='100002'");
    EXPECT_EQ(row.text(0, "ghs_name"), "普通客户");
    EXPECT_EQ(row.text(0, "ghs_jm"), "PTKH");
    EXPECT_EQ(row.text(0, "ghs_lwje"), "0");
    EXPECT_EQ(row.text(0, "ghs_lwje2"), "0");
    EXPECT_EQ(row.text(0, "ghs_default"), "False");
    EXPECT_EQ(row.text(0, "gt_name"), "A级客户");
    EXPECT_EQ(row.text(0, "z_name"), "省会地区");
    EXPECT_EQ(row.text(0, "ghs_lxr") + row.text(0, "ghs_tele") + row.text(0, "ghs_address") + row.text(0, "ghs_note"),
              "张三123中山路老客户");
    EXPECT_EQ(defaults("jxc_ghsxx", "ghs_default"), 1);

    EXPECT_EQ(copyPartner(PartnerKind::Ghs, QStringLiteral("100001")).message, "供货商已经存在！");
    EXPECT_EQ(copyPartner(PartnerKind::Kh, QStringLiteral("100002")).message, "客户已经存在！");
    const PartnerResult back = copyPartner(PartnerKind::Kh, QStringLiteral("100001"));
    EXPECT_EQ(back.code, "100002");
    EXPECT_EQ(field("jxc_khxx", "kh_lwje", "kh_sn='100002'"), "0");
}

// ---- The windows ---------------------------------------------------------------------------

TEST_F(PartnerWindows, AddDialogSavesThroughF5AndRefusesTheSameNameAgain)
{
    openGhsList();
    openScripted<TF_Ghsgl_Add>(F_Ghsgl_Add, [](TF_Ghsgl_Add* w) {
        EXPECT_EQ(w->windowTitle(), "添加供货商");
        EXPECT_TRUE(w->tqcje->isReadOnly());
        EXPECT_EQ(w->tqcje->text(), "￥0.00");
        EXPECT_EQ(w->comType->count(), 4);  // the empty entry and three types
        EXPECT_EQ(w->comType->currentText(), "");
        w->tname->setText(QStringLiteral(" 鞋.业 "));
        w->ttele->setText(QStringLiteral("0571-888"));
        w->taddress->setText(QStringLiteral("路/1号"));
        w->comType->setCurrentIndex(2);
        w->comZone->setCurrentIndex(1);
        w->chkForbid->setChecked(true);
        QTest::keyClick(w->tname, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    const ResultSet row = openSelect("select * from jxc_ghsxx where ghs_sn='100002'");
    ASSERT_EQ(row.rowCount(), 1);
    EXPECT_EQ(row.text(0, "ghs_name"), sqlSafeName("鞋.业"));
    EXPECT_EQ(row.text(0, "ghs_jm"), "XY");
    EXPECT_EQ(row.text(0, "ghs_tele"), sqlSafeName("0571-888"));
    EXPECT_EQ(row.text(0, "ghs_address"), "路/1号");
    EXPECT_EQ(row.text(0, "gt_name"), "B级供货商");
    EXPECT_EQ(row.text(0, "z_name"), "省会地区");
    EXPECT_EQ(row.text(0, "ghs_forbid"), "True");
    EXPECT_EQ(row.text(0, "ghs_lwje") + row.text(0, "ghs_lwje2") + row.text(0, "ghs_pl"), "000");

    openScripted<TF_Ghsgl_Add>(F_Ghsgl_Add, [](TF_Ghsgl_Add* w) {
        EXPECT_EQ(w->tname->text(), "");  // every opening starts empty
        w->tname->setText(QStringLiteral("鞋.业"));
        w->btnOK->click();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->tname->text(), "鞋.业");
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{"供货商已经存在！"});
    EXPECT_EQ(MsgScript::last().title, "系统提示");
}

TEST_F(PartnerWindows, CustomerAddOpenedBySalesAnswersXs9WithTheCustomerCurrentInQKhxx)
{
    openKhList();
    detailTable = QStringLiteral("xs");
    openScripted<TF_Khgl_Add>(F_Khgl_Add, [](TF_Khgl_Add* w) {
        EXPECT_EQ(w->windowTitle(), "增加客户");
        EXPECT_TRUE(w->lblNote->isVisibleTo(w));
        w->tname->setText(QStringLiteral("新客户"));
        QTest::keyClick(w->tname, Qt::Key_F5);
    });
    EXPECT_EQ(detailTable, "xs9");
    EXPECT_EQ(DataModule->Q_Khxx->rowCount(), 2);
    EXPECT_EQ(DataModule->Q_Khxx->fieldByName("kh_name"), "新客户");
    EXPECT_EQ(DataModule->Q_Khxx->fieldByName("kh_sn"), "100002");

    // A refused save answers nothing; other callers get no answer.
    detailTable = QStringLiteral("xs");
    openScripted<TF_Khgl_Add>(F_Khgl_Add, [](TF_Khgl_Add* w) {
        w->tname->setText(QStringLiteral("新客户"));
        w->btnOK->click();
    });
    EXPECT_EQ(detailTable, "xs");
    // A disabled customer is saved but not handed to the bill, whose list leaves it out.
    openScripted<TF_Khgl_Add>(F_Khgl_Add, [](TF_Khgl_Add* w) {
        w->tname->setText(QStringLiteral("停用客户"));
        w->chkForbid->setChecked(true);
        w->btnOK->click();
    });
    EXPECT_EQ(detailTable, "xs");
    EXPECT_EQ(DataModule->Q_Khxx->fieldByName("kh_name"), "新客户");
    detailTable.clear();
    openScripted<TF_Khgl_Add>(F_Khgl_Add, [](TF_Khgl_Add* w) {
        w->tname->setText(QStringLiteral("另一客户"));
        w->btnOK->click();
    });
    EXPECT_EQ(detailTable, "");
    EXPECT_EQ(MsgScript::texts(), QStringList{"客户已经存在！"});
}

TEST_F(PartnerWindows, SupplierListShowsTheBalanceCopyAndModifyKeepsBothBalances)
{
    const QString code = addGhs(QStringLiteral("丙供货商"));
    execSql("update jxc_ghsxx set ghs_lwje=88.5,ghs_lwje2=0,gt_name='已改名类型',ghs_forbid=1 where ghs_sn=:sn",
            {{":sn", code}});
    execSql("insert into jxc_thd (gl_djh,ghs_sn) values ('CT1',:sn)", {{":sn", code}});
    openScripted<TF_Ghsgl>(F_Ghsgl, [&](TF_Ghsgl* w) {
        DataGrid* grid = w->DBGrid1;
        ASSERT_EQ(grid->rowCount(), 2);  // disabled suppliers are listed too
        focusRow(grid, "ghs_sn", code);
        EXPECT_EQ(grid->value(grid->currentRow(), "ghs_lwje2"), "88.5");
        EXPECT_EQ(grid->displayText(grid->currentRow(), "ghs_lwje2"), "￥88.50");
        EXPECT_EQ(grid->footerText("ghs_name"), "合计：  2");

        scriptNext<TF_Ghsgl_Modi>(F_Ghsgl_Modi, [](TF_Ghsgl_Modi* m) {
            EXPECT_EQ(m->windowTitle(), "修改供货商");
            EXPECT_TRUE(m->tqcje->isReadOnly());
            EXPECT_EQ(m->tqcje->text(), "￥88.50");
            EXPECT_TRUE(m->tname->isReadOnly());  // a purchase return fixes the name
            EXPECT_EQ(m->comType->currentIndex(), -1);  // a type no longer in the list
            EXPECT_TRUE(m->chkForbid->isChecked());
            EXPECT_FALSE(m->lblNote->isVisibleTo(m));
            m->ttele->setText(QStringLiteral("555"));
            m->chkForbid->setChecked(false);
            QTest::keyClick(m->ttele, Qt::Key_F5);
        });
        w->btnModi->click();
        EXPECT_EQ(grid->currentRow(), 0);  // the list is reopened on its first row
    });
    const ResultSet row = openSelect("select * from jxc_ghsxx where ghs_sn=:sn", {{":sn", code}});
    EXPECT_EQ(row.text(0, "ghs_lwje"), "88.5");
    EXPECT_EQ(row.text(0, "ghs_lwje2"), "88.5");
    EXPECT_EQ(row.text(0, "ghs_tele"), "555");
    EXPECT_EQ(row.text(0, "gt_name"), "");
    EXPECT_EQ(row.text(0, "ghs_forbid"), "False");
    EXPECT_EQ(row.text(0, "ghs_name"), "丙供货商");
    EXPECT_FALSE(DataModule->Q_Ghsxx->isOpen());  // closing the list closes its query
}

TEST_F(PartnerWindows, CustomerModifyFromAnAccountWindowSavesTheCurrentCustomer)
{
    const QString code = addKh(QStringLiteral("丁客户"));
    execSql("update jxc_khxx set kh_lwje=-20 where kh_sn=:sn", {{":sn", code}});
    openKhList();
    ASSERT_TRUE(DataModule->Q_Khxx->locate("kh_sn", code));
    openScripted<TF_Khgl_Modi>(F_Khgl_Modi, [](TF_Khgl_Modi* m) {
        EXPECT_EQ(m->tqcje->text(), "￥-20.00");
        EXPECT_FALSE(m->tname->isReadOnly());
        EXPECT_TRUE(m->lblNote->isVisibleTo(m));
        m->tname->setText(QStringLiteral("丁客户(新)"));
        m->tnote->setText(QString(100, QChar(u'注')));
        m->btnOK->click();
    });
    const ResultSet row = openSelect("select * from jxc_khxx where kh_sn=:sn", {{":sn", code}});
    EXPECT_EQ(row.text(0, "kh_name"), "丁客户(新)");
    EXPECT_EQ(row.text(0, "kh_jm"), "DKHX");
    EXPECT_EQ(row.text(0, "kh_note"), QString(100, QChar(u'注')));
    EXPECT_EQ(row.text(0, "kh_lwje"), "-20");
}

TEST_F(PartnerWindows, ListDeletesAfterTheQuestionAndRefusesTheBuiltInRow)
{
    const QString code = addGhs(QStringLiteral("戊供货商"));
    openScripted<TF_Ghsgl>(F_Ghsgl, [&](TF_Ghsgl* w) {
        focusRow(w->DBGrid1, "ghs_sn", "100001");
        w->btnDel->click();
        focusRow(w->DBGrid1, "ghs_sn", code);
        MsgScript::answer(MsgAnswer::No);
        w->btnDel->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
        MsgScript::answer(MsgAnswer::Yes);
        w->mnuDel->trigger();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{"该供货商为系统内置供货商，不能删除！", "您确定要删除当前供货商吗！",
                                               "您确定要删除当前供货商吗！"}));
    EXPECT_EQ(field("jxc_ghsxx", "count(*)", "1=1"), "1");
}

TEST_F(PartnerWindows, DisableTogglesTheMarkOfTheCurrentRow)
{
    openScripted<TF_Khgl>(F_Khgl, [](TF_Khgl* w) {
        EXPECT_EQ(w->windowTitle(), "客户信息");
        EXPECT_EQ(w->DBGrid1->footerText("kh_name"), "合计：1");
        w->preparePopup();
        EXPECT_FALSE(w->mnuForbid->isChecked());
        w->mnuForbid->trigger();
        EXPECT_EQ(field("jxc_khxx", "kh_forbid", "kh_sn='100001'"), "True");
        EXPECT_EQ(w->DBGrid1->value(0, "kh_forbid"), "True");
        w->preparePopup();
        EXPECT_TRUE(w->mnuForbid->isChecked());
        w->mnuForbid->trigger();
        EXPECT_EQ(field("jxc_khxx", "kh_forbid", "kh_sn='100001'"), "False");
    });
}

TEST_F(PartnerWindows, KeySearchAndSearchDialogFilterTheLoadedRowsWhateverIsTyped)
{
    addGhs(QStringLiteral("O'Brien 鞋业"));
    addGhs(QStringLiteral("东方.鞋城"));
    const QStringList hostile = {QStringLiteral("x'"), QStringLiteral("a' or '1'='1"), QStringLiteral("--"),
                                 QString(5000, QChar(u'长')), QStringLiteral("😀\u0301鞋"), QStringLiteral("%_[")};
    openScripted<TF_Ghsgl>(F_Ghsgl, [&](TF_Ghsgl* w) {
        for (const QString& text : hostile) {
            SCOPED_TRACE(qPrintable(text.left(10)));
            w->tKey->setText(text);
            QTest::keyClick(w->tKey, Qt::Key_F2);
            EXPECT_EQ(w->DBGrid1->rowCount(), 0);
            w->applySearch({text, text, text, text});
            EXPECT_EQ(w->DBGrid1->rowCount(), 0);
        }
        w->mnuAll->trigger();
        EXPECT_EQ(w->tKey->text(), "");
        EXPECT_EQ(w->DBGrid1->rowCount(), 3);

        w->tKey->setText(QStringLiteral(" brien "));
        w->btnQuery->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
        w->tKey->setText(QStringLiteral("DFXC"));  // the short code
        w->btnQuery->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);

        // The dialog's values are compared in the form names are stored in.
        scriptNext<TF_Ghsgl_Search>(F_Ghsgl_Search, [](TF_Ghsgl_Search* s) {
            EXPECT_EQ(s->tname->text(), "");
            s->tname->setText(QStringLiteral(" o'brien "));
            QTest::keyClick(s->tname, Qt::Key_F5);
        });
        w->btnSearch->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        EXPECT_EQ(w->DBGrid1->value(w->DBGrid1->sourceRow(0), "ghs_sn"), "100002");
        scriptNext<TF_Ghsgl_Search>(F_Ghsgl_Search, [](TF_Ghsgl_Search* s) {
            s->tname->setText(QStringLiteral("东方.鞋城"));
            s->ttele->setText(QStringLiteral("x"));  // every value must match
            s->btnOK->click();
        });
        w->btnSearch->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);
        scriptNext<TF_Ghsgl_Search>(F_Ghsgl_Search, [](TF_Ghsgl_Search* s) { s->btnOK->click(); });
        w->btnSearch->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 3);
    });
    EXPECT_TRUE(MsgScript::shown().isEmpty());
}

TEST_F(PartnerWindows, CopyWindowCopiesTheFocusedCustomerAndStaysOpenOnADuplicate)
{
    addKh(QStringLiteral("己客户"));
    execSql("update jxc_khxx set kh_forbid=1 where kh_sn='100001'");
    execSql("update jxc_khxx set kh_lwje=30 where kh_sn='100002'");
    openScripted<TF_Ghsgl>(F_Ghsgl, [](TF_Ghsgl* list) {
        scriptNext<TF_Ghsgl_Copy>(F_Ghsgl_Copy, [](TF_Ghsgl_Copy* w) {
            EXPECT_EQ(w->windowTitle(), "复制客户资料到供货商信息");
            ASSERT_EQ(w->DBGrid1->rowCount(), 1);  // disabled customers are not offered
            w->tKey->setText(QStringLiteral("x'--"));
            EXPECT_EQ(w->DBGrid1->rowCount(), 0);
            w->tKey->setText(QStringLiteral("JKH"));
            ASSERT_EQ(w->DBGrid1->rowCount(), 1);
            w->DBGrid1->setCurrentRow(w->DBGrid1->sourceRow(0));
            QTest::keyClick(w->tKey, Qt::Key_F5);
            EXPECT_FALSE(w->isVisible());
        });
        list->btnCopy->click();
        EXPECT_EQ(list->DBGrid1->rowCount(), 2);
        EXPECT_EQ(DataModule->Q_Ghsxx->fieldByName("ghs_name"), "己客户");

        scriptNext<TF_Ghsgl_Copy>(F_Ghsgl_Copy, [](TF_Ghsgl_Copy* w) {
            w->DBGrid1->setCurrentRow(0);
            w->btnOK->click();
            EXPECT_TRUE(w->isVisible());
        });
        list->btnCopy->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{"供货商已经存在！"});
    EXPECT_EQ(field("jxc_ghsxx", "ghs_lwje", "ghs_name='己客户'"), "0");
    EXPECT_EQ(field("jxc_ghsxx", "ghs_sn", "ghs_name='己客户'"), "100002");
    EXPECT_FALSE(DataModule->Q_Khxx->isOpen());
}

TEST_F(PartnerWindows, PrintShowsTheRowsTheGridShowsAndExportWritesAWorkbook)
{
    addKh(QStringLiteral("庚客户"));
    QStringList texts;
    int previews = 0;
    setReportInterceptor([&](ReportJob& job) {
        previews += job.kind == ReportJob::Kind::Preview;
        texts = job.report->prepare().pageTexts(0);
        return false;
    });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("客户"));
    openScripted<TF_Khgl>(F_Khgl, [&](TF_Khgl* w) {
        w->tKey->setText(QStringLiteral("庚"));
        w->btnQuery->click();
        w->btnPrint->click();
        MsgScript::saveFile(path);
        w->btnExport->click();
        w->tKey->setText(QStringLiteral("无此客户"));
        w->btnQuery->click();
        w->btnPrint->click();  // nothing shown, nothing printed or exported
        w->btnExport->click();
    });
    setReportInterceptor({});
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(texts.contains("客户信息"));
    EXPECT_TRUE(texts.contains("庚客户"));
    EXPECT_FALSE(texts.contains("普通客户"));
    EXPECT_TRUE(QFile::exists(path + ".xls"));
}

}  // namespace
