// Goods event reminders and today's reminders window: the stored forms by mode, the dialogs,
// the three tabs with their counts, and the switch stored on closing.
#include "admintest.h"

#include "admin/admin.h"
#include "admin/reminderrecords.h"
#include "admin/sjtx.h"
#include "admin/sjtxgl_add.h"
#include "admin/sjtxgl_modi.h"
#include "platform/datagrid.h"
#include "shell/mainform.h"
#include "support/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

using namespace admintest;

namespace {

QAction* preset(TF_Sjtx* w, const char* name)
{
    for (QAction* a : w->btnDate2->menu()->actions())
        if (a->objectName() == QLatin1String(name))
            return a;
    ADD_FAILURE() << name;
    static QAction none;
    return &none;
}

class ReminderTest : public AdminTest {
protected:
    void SetUp() override
    {
        AdminTest::SetUp();
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,g_kc,g_zdkc) values "
                               "('G1','跑鞋','PX',10,5),('G2','凉鞋','LX',1,0)"));
    }
    void TearDown() override
    {
        curGoodsSn.clear();
        AdminTest::TearDown();
    }
    static qint64 remind(const QString& goods, int mode, const QString& to = QStringLiteral("全体人员"),
                         QList<int> weekdays = {}, int day = 1, QDate date = QDate(2013, 5, 28))
    {
        ReminderInput in;
        in.goodsSn = goods;
        in.mode = mode;
        in.addressee = to;
        in.weekdays = weekdays;
        in.day = day;
        in.date = date;
        qint64 id = 0;
        EXPECT_EQ(addReminder(in, &id), QString());
        return id;
    }
};

TEST(ReminderWhen, EachModeHasItsStoredForm)
{
    struct Case {
        int mode;
        QList<int> weekdays;
        int day;
        QString expected;
    };
    const QList<Case> cases = {
        {1, {}, 1, "2013-05-28"},     {2, {}, 1, "程序启动时"}, {3, {5, 1}, 1, "每周1,5"},
        {3, {}, 1, QString()},        {4, {}, 5, "每月05日"},    {4, {}, 31, "每月31日"},
    };
    for (const Case& c : cases) {
        ReminderInput in;
        in.mode = c.mode;
        in.weekdays = c.weekdays;
        in.day = c.day;
        in.date = QDate(2013, 5, 28);
        EXPECT_EQ(reminderWhen(in), c.expected) << c.mode;
    }
}

TEST_F(ReminderTest, TheAddDialogNeedsGoodsAndTheModifyDialogMakesTheReminderDueAgain)
{
    ensureForm(F_Sjtxgl_Add);
    onNextOpening<TF_Sjtxgl_Add>("F_Sjtxgl_Add", [](TF_Sjtxgl_Add* d) {
        d->btnOK->click();
        EXPECT_EQ(d->comTxfs->currentText(), "提醒一次");
        EXPECT_TRUE(d->rGq->isChecked());
        EXPECT_EQ(d->tts->value(), 10);
    });
    F_Sjtxgl_Add->showModalForm();
    EXPECT_EQ(boxes(), QStringList({"请选择商品！"}));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tx")), "0");

    curGoodsSn = QStringLiteral("G2");
    onNextOpening<TF_Sjtxgl_Add>("F_Sjtxgl_Add", [](TF_Sjtxgl_Add* d) {
        EXPECT_EQ(d->comGoods->currentData().toString(), "G2");
        d->comTxfs->setCurrentIndex(2);
        d->weekdays[0]->setChecked(true);
        d->weekdays[4]->setChecked(true);
        d->rKc->click();
        EXPECT_FALSE(d->tts->isEnabled());
        d->btnOK->click();
    });
    F_Sjtxgl_Add->showModalForm();
    const QString row = QStringLiteral("select tx_dx||'|'||tx_fs||'|'||tx_fstxt||'|'||tx_sj||'|'||tx_note||'|'||tx_flag||'|'||"
                                       "tx_ts||'|'||tx_zt||'|'||g_sn||'|'||tx_tjsj||'|'||a_name from jxc_tx");
    EXPECT_EQ(selectValue(row), "全体人员|3|每周提醒|每周1,5|库存报警提醒|1||0|G2|2013-05-28|admin");

    execSql(QStringLiteral("update jxc_tx set tx_zt='1'"));
    ensureForm(F_Sjtxgl_Modi)->reminderId = selectValue(QStringLiteral("select id from jxc_tx")).toLongLong();
    onNextOpening<TF_Sjtxgl_Modi>("F_Sjtxgl_Modi", [](TF_Sjtxgl_Modi* d) {
        EXPECT_TRUE(d->rKc->isChecked());
        EXPECT_EQ(d->comTxfs->currentIndex(), 2);
        EXPECT_TRUE(d->weekdays[0]->isChecked());
        EXPECT_FALSE(d->weekdays[1]->isChecked());
        d->weekdays[0]->setChecked(false);
        d->rGq->click();
        d->comAdmin->setCurrentIndex(1);
        d->btnOK->click();
    });
    F_Sjtxgl_Modi->showModalForm();
    EXPECT_EQ(selectValue(row), "admin|3|每周提醒|每周5|商品过期提醒|2|10|0|G2|2013-05-28|admin");
}

TEST_F(ReminderTest, EmptyListsCountZeroAndTheFirstTabWithRowsComesToTheFront)
{
    openScripted<TF_Sjtx>(F_Sjtx, [](TF_Sjtx* w) {
        EXPECT_EQ(w->cxPageControl->currentIndex(), 0);
        for (QLabel* l : {w->sktx, w->sptx, w->kctx})
            EXPECT_EQ(l->text(), "0 条");
    });
    // A stock alarm, then a reminder, then a bill due today.
    execSql(QStringLiteral("update jxc_goods set g_zdkc=5 where g_sn='G2'"));
    openScripted<TF_Sjtx>(F_Sjtx, [](TF_Sjtx* w) {
        EXPECT_EQ(w->cxPageControl->currentIndex(), 2);
        EXPECT_EQ(w->kctx->text(), "1 条");
        EXPECT_EQ(w->DBGrid3->value(0, QStringLiteral("g_sn")), "G2");
    });
    remind(QStringLiteral("G1"), 2);
    execSql(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_forbid) values ('100002','老王',0)"));
    execSql(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ls_xsrq,ls_yfje,ls_sfje,ls_yhje,ls_ckrq) values "
                           "('XS1','100002','2013-05-01',100,40,0,'2013-05-28'),"
                           "('XS2','100002','2013-05-01',100,100,0,'2013-05-28')"));  // paid: not listed
    openScripted<TF_Sjtx>(F_Sjtx, [](TF_Sjtx* w) {
        EXPECT_EQ(w->cxPageControl->currentIndex(), 0);
        EXPECT_EQ(w->sktx->text(), "1 条");
        EXPECT_EQ(w->sptx->text(), "1 条");
        EXPECT_EQ(w->kctx->text(), "1 条");
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("wfje")), "60");
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("kh_name")), "老王");
        // A warehouse lists all its goods, also those above their minimum.
        execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('G1','100001',10)"));
        w->cxPageControl->setCurrentIndex(2);
        w->comCk->setCurrentIndex(1);
        EXPECT_EQ(w->DBGrid3->rowCount(), 1);
        EXPECT_EQ(w->DBGrid3->value(0, QStringLiteral("g_sn")), "G1");
        w->chkTc->setChecked(true);
    });
    EXPECT_EQ(selectValue(QStringLiteral("select t_sjtx from jxc_txdisp")), "1");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ReminderTest, TheEventTabFiltersByAddresseeWeekdayAndPeriod)
{
    // 2013-05-28 is a Tuesday (2), the 28th.
    execSql(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn) values ('100002','张三','100001')"));
    remind(QStringLiteral("G1"), 3, QStringLiteral("张三"), {2});
    remind(QStringLiteral("G1"), 3, QStringLiteral("全体人员"), {3});
    remind(QStringLiteral("G2"), 4, QStringLiteral("全体人员"), {}, 28);
    remind(QStringLiteral("G2"), 4, QStringLiteral("全体人员"), {}, 5);
    remind(QStringLiteral("G2"), 1, QStringLiteral("全体人员"), {}, 1, QDate(2013, 5, 20));
    remind(QStringLiteral("G1"), 2, QStringLiteral("离职的人"));
    openScripted<TF_Sjtx>(F_Sjtx, [](TF_Sjtx* w) {
        w->cxPageControl->setCurrentIndex(1);
        auto sjs = [w] {
            QStringList s;
            for (int r = 0; r < w->DBGrid2->rowCount(); ++r)
                s << w->DBGrid2->value(w->DBGrid2->sourceRow(r), QStringLiteral("tx_sj"));
            s.sort();
            return s;
        };
        EXPECT_EQ(sjs(), QStringList({"每周2", "每月28日"}));
        EXPECT_EQ(w->DBGrid2->value(0, QStringLiteral("txdx")).isEmpty(), false);
        preset(w, "btnW2")->trigger();  // 05-21 to 05-28: every weekly reminder
        EXPECT_EQ(sjs(), QStringList({"每周2", "每周3", "每月28日"}));
        preset(w, "btnAllTime2")->trigger();
        EXPECT_EQ(sjs(), QStringList({"2013-05-20", "每周2", "每周3", "每月05日", "每月28日"}));
        w->tname2->setText(QStringLiteral("跑鞋"));
        w->btnQuery2->click();
        EXPECT_EQ(sjs(), QStringList({"每周2", "每周3"}));
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDele2->click();
        EXPECT_EQ(w->DBGrid2->rowCount(), 1);
    });
    EXPECT_EQ(boxes(), QStringList({"您确定要删除该提醒信息吗！"}));
}

TEST_F(ReminderTest, WhenOpenedForDueRemindersOnlyTheOneTimeReminderIsShownOnce)
{
    ScopedWindows windows(registerAdminWindows);
    remind(QStringLiteral("G1"), 1);
    execSql(QStringLiteral("update jxc_txdisp set t_sjtx='1',t_mryt='0'"));
    TF_MainForm main;
    onNextOpening<TF_Sjtx>("F_Sjtx", [](TF_Sjtx* w) { EXPECT_TRUE(w->chkTc->isChecked()); });
    main.Timer1Timer();
    EXPECT_EQ(selectValue(QStringLiteral("select tx_zt from jxc_tx")), "1");
    main.Timer1Timer();  // nothing due any more: no window
    EXPECT_EQ(TF_Form::pendingScripts(), 0);
    // Opened at every start, the window marks nothing.
    execSql(QStringLiteral("update jxc_tx set tx_zt='0'"));
    execSql(QStringLiteral("update jxc_txdisp set t_sjtx='0'"));
    onNextOpening<TF_Sjtx>("F_Sjtx", [](TF_Sjtx*) {});
    main.Timer1Timer();
    EXPECT_EQ(selectValue(QStringLiteral("select tx_zt from jxc_tx")), "0");
}

}  // namespace
