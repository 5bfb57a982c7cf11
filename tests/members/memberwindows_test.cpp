// The member register and its dialogs driven by their controls, and the register's statements
// on members and member sales written by the shared fixture.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "members/hygl.h"
#include "members/hygl_add.h"
#include "members/hygl_modi.h"
#include "members/hygl_pwd.h"
#include "members/hygl_sf.h"
#include "members/hyxf.h"
#include "members/hyxf_pl.h"
#include "members/memberdata.h"
#include "members/memberqueries.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "support/shop.h"
#include "membertest.h"
#include "windowscript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString value(const QString& sql)
{
    return selectValue(sql);
}

class MemberWindows : public ::testing::Test {
protected:
    MemberWindows() { MsgScript::reset(); }
    ~MemberWindows() override { MsgScript::reset(); }
    Shop shop;
};

TEST_F(MemberWindows, EnrolmentDepositGoesThroughTheChargeWindow)
{
    auto enrol = [](const QString& card, const QString& deposit, std::function<void()> charge) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Hygl_Add"), [=](TF_Form* f) {
            auto* w = static_cast<TF_Hygl_Add*>(f);
            w->edtBh->setText(card);
            w->edtName->setText(QStringLiteral("张会员"));
            w->edtZhje->setText(deposit);
            charge();
            w->btnOK->click();
            if (w->isVisible()) {  // the cancelled charge leaves the window open with its entries
                EXPECT_EQ(w->edtBh->text(), card);
            }
        });
    };
    openScripted<TF_Hygl>(F_Hygl, [&](TF_Hygl* w) {
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);  // never the built-in member
        enrol(QStringLiteral("1001"), QStringLiteral("100"), [] { nextCharge(false); });
        w->btnAdd->click();
        EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hyxx")), QStringLiteral("1"));
        EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_xjyh")), QStringLiteral("0"));

        enrol(QStringLiteral("1001"), QStringLiteral("100"), [] {
            TF_Form::scriptNextOpening(QStringLiteral("F_Hygl_Sf"), [](TF_Form* f) {
                auto* c = static_cast<TF_Hygl_Sf*>(f);
                c->edtFkje->setText(QStringLiteral("50"));
                c->btnOK->click();  // too little: refused, the window stays
                c->edtFkje->setText(QStringLiteral("120"));
                EXPECT_EQ(c->edtZl->text(), QStringLiteral("20.00"));
                c->btnOK->click();
            });
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("hy_sn")), QStringLiteral("100002"));
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("hy_zhje")), QStringLiteral("100"));
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("付款金额不足，不能保存！")});
    EXPECT_EQ(value(QStringLiteral("select xf_xj||'|'||xf_note from jxc_hyxf")), QStringLiteral("120.0|会员开户时充值"));
    EXPECT_EQ(value(QStringLiteral("select xj_je from jxc_xjyh")), QStringLiteral("100"));
    EXPECT_EQ(cash(), QStringLiteral("100"));
}

TEST_F(MemberWindows, PointsOutsideEveryBandWarnWhileTyping)
{
    saveLevel({}, level(QStringLiteral("银卡"), QStringLiteral("0.9"), 100, 499));
    openScripted<TF_Hygl_Add>(F_Hygl_Add, [](TF_Hygl_Add* w) {
        w->edtBh->setText(QStringLiteral("1"));
        w->edtName->setText(QStringLiteral("甲"));
        w->edtJf->setText(QStringLiteral("600"));
        w->checkPoints();
        w->btnOK->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("会员卡级别设置有误，会员卡升级没有成功！")});
    EXPECT_EQ(value(QStringLiteral("select hl_sn||'|'||hy_jf from jxc_hyxx where hy_bh='1'")),
              QStringLiteral("100001|600.0"));

    // The modification moves the level box to the band of the typed points.
    const QString sn = findMemberByCard(QStringLiteral("1"));
    ensureForm(F_Hygl_Modi)->setMember(sn);
    openScripted<TF_Hygl_Modi>(F_Hygl_Modi, [](TF_Hygl_Modi* w) {
        EXPECT_FALSE(w->edtZhje->isEnabled() && !w->edtZhje->isReadOnly());
        w->edtJf->setText(QStringLiteral("150"));
        w->checkPoints();
        EXPECT_EQ(w->cbFl->currentText(), QStringLiteral("银卡"));
        w->btnOK->click();
    });
    EXPECT_EQ(value(QStringLiteral("select b.hl_name from jxc_hyxx a,jxc_hyfl b where a.hl_sn=b.hl_sn and a.hy_sn='%1'")
                        .arg(sn)),
              QStringLiteral("银卡"));
}

TEST_F(MemberWindows, RegisterCommandsOnTheCurrentMember)
{
    const QString goods = shop.goods(QStringLiteral("凉鞋"), {}, {});
    MemberFields f;
    f.card = QStringLiteral("2001");
    f.name = QStringLiteral("买过");
    f.password = f.password2 = QStringLiteral("111");
    const QString buyer = shop.member(f);
    const QString plain = shop.member(QStringLiteral("2002"), QStringLiteral("没买"));
    shop.memberSale(buyer, goods, 120, 2);
    openScripted<TF_Hygl>(F_Hygl, [&](TF_Hygl* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        EXPECT_EQ(w->DBGrid2->rowCount(), 1);  // today's consumption
        w->DBGrid1->setCurrentRow(1);          // newest first: the buyer is second
        ASSERT_EQ(w->currentMember(), buyer);
        w->btnDele->click();
        // Password: different boxes refused, then cleared.
        TF_Form::scriptNextOpening(QStringLiteral("F_Hygl_Pwd"), [](TF_Form* f) {
            auto* d = static_cast<TF_Hygl_Pwd*>(f);
            d->edtMm->setText(QStringLiteral("1"));
            d->btnOK->click();
            d->edtMm->clear();
            d->btnOK->click();
        });
        w->passwordClick();
        w->statusClick();
        EXPECT_EQ(w->DBGrid1->value(w->DBGrid1->currentRow(), QStringLiteral("status")), QStringLiteral("不可用"));
        w->cbStatus->setCurrentIndex(2);
        w->searchClick();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
        w->cbStatus->setCurrentIndex(0);
        w->searchClick();

        // A stored-value top-up; a cancelled charge writes nothing.
        w->DBGrid1->setCurrentRow(0);
        TF_Form::scriptNextOpening(QStringLiteral("F_Hyxf"), [](TF_Form* f) {
            auto* d = static_cast<TF_Hyxf*>(f);
            d->edtJe->clear();
            QTest::keyClicks(d->edtJe, QStringLiteral("50"));
            EXPECT_EQ(d->edtSjje->text(), QStringLiteral("50.00"));
            nextCharge(false);
            d->btnOK->click();
            nextCharge(true);
            d->btnOK->click();
        });
        w->btnCzClick();
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("hy_zhje")), QStringLiteral("50"));

        MsgScript::answer(MsgAnswer::Yes);
        w->btnDeleClick();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({QStringLiteral("该会员已发生过业务，不能删除！"),
                                               QStringLiteral("两次密码输入不一致！"), QStringLiteral("密码修改成功"),
                                               QStringLiteral("您确定要删除该会员信息吗！")}));
    EXPECT_EQ(value(QStringLiteral("select hy_mm from jxc_hyxx where hy_sn='%1'").arg(buyer)), QString());
    EXPECT_TRUE(value(QStringLiteral("select hy_sn from jxc_hyxx where hy_sn='%1'").arg(plain)).isEmpty());
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hyxf")), QStringLiteral("1"));  // its history stays
}

TEST_F(MemberWindows, BatchTopUpClearsOldTicksAndTopsUpTheTicked)
{
    const QString a = shop.member(QStringLiteral("1"), QStringLiteral("甲"));
    shop.member(QStringLiteral("2"), QStringLiteral("乙"));
    execSql(QStringLiteral("update jxc_hyxx set hy_chk=1"));  // ticks left from an earlier batch
    openScripted<TF_Hyxf_pl>(F_Hyxf_pl, [&](TF_Hyxf_pl* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hyxx where hy_chk<>0")), QStringLiteral("0"));
        w->chkAll->click();
        EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hyxx where hy_chk<>0")), QStringLiteral("3"));
        w->chkAll->click();
        setMemberTick(a, true);
        QTest::keyClicks(w->edtJe, QStringLiteral("5"));  // "0" + "5": the credit follows the amount
        EXPECT_EQ(w->edtSjje->text(), w->edtJe->text());
        w->edtJe->setText(QStringLiteral("-1"));
        w->btnOK->click();
        w->edtJe->setText(QStringLiteral("50"));
        w->edtSjje->setText(QStringLiteral("60"));
        w->btnOK->click();
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("储值金额不能为负数！"), QStringLiteral("共有1个会员卡续费成功！")}));
    EXPECT_EQ(value(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='%1'").arg(a)), QStringLiteral("60"));
    EXPECT_EQ(cash(), QStringLiteral("50"));
}

TEST_F(MemberWindows, HostileTextsAreStoredSafelyAndFoundAgain)
{
    const QString goods = shop.goods(QStringLiteral("凉鞋"), {}, {});
    const QString emoji = QStringLiteral("😀");
    // Boxes cut at their length, the name's just inside the character outside GBK.
    const QString card = QStringLiteral(" a'b(--)c") + emoji + QString(40, QChar(u'卡'));
    const QString name = QStringLiteral("O'Brien--鞋鞋鞋鞋鞋鞋") + emoji;  // 17 units in a box of 16
    const QString note = QStringLiteral("备注\"'; drop table jxc_hyxx; --") + emoji + QString(80, QChar(u'长'));
    openScripted<TF_Hygl>(F_Hygl, [&](TF_Hygl* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Hygl_Add"), [&](TF_Form* f) {
            auto* d = static_cast<TF_Hygl_Add*>(f);
            d->edtBh->setText(card);
            d->edtName->setText(name);
            d->edtNote->setText(note);
            d->edtZhje->setText(QStringLiteral("30"));
            nextCharge(true);
            d->btnOK->click();
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        const QString sn = w->currentMember();
        shop.memberSale(sn, goods, 100, 1);
        shop.member(QStringLiteral("other"), QStringLiteral("别人"));

        // Pasted keys (the typed filter would drop the punctuation) find the member in the list
        // and on the consumption and top-up tabs; hostile keys that match nothing fail nothing.
        struct Case {
            QString key;
            int members;
        } const cases[] = {
            {QStringLiteral("O'Brien--"), 1},
            {QStringLiteral("a'b(--)c") + emoji, 1},
            {QStringLiteral("' or 1=1 --"), 0},
            {QStringLiteral("%_\\"), 0},
            {QString(200, QChar(u'鞋')) + emoji, 0},
        };
        for (const Case& c : cases) {
            w->edtKey->setText(c.key);
            w->searchClick();
            EXPECT_EQ(w->DBGrid1->rowCount(), c.members) << c.key.toStdString();
            for (int tab = 0; tab < 3; ++tab)
                w->edtKeys[tab]->setText(c.key);
            QTest::keyClick(w, Qt::Key_F3);  // consumption
            EXPECT_EQ(w->DBGrid2->rowCount(), c.members) << c.key.toStdString();
            w->PageControl1->setCurrentIndex(2);  // top-ups
            EXPECT_EQ(w->DBGrid3->rowCount(), c.members) << c.key.toStdString();
            w->PageControl1->setCurrentIndex(4);  // exchanges: none made
            EXPECT_EQ(w->DBGrid5->rowCount(), 0);
            w->PageControl1->setCurrentIndex(0);
        }
    });
    EXPECT_EQ(MsgScript::texts(), QStringList());
    // Stored in the safe form, cut at the boxes' lengths, never half a character.
    const ResultSet m = openSelect(QStringLiteral("select hy_bh,hy_name,hy_note from jxc_hyxx where hy_bh<>'other' "
                                                  "and hy_sn<>'100001'"));
    ASSERT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.text(0, 0), QStringLiteral("a‘b(--)c") + emoji + QString(21, QChar(u'卡')));
    EXPECT_EQ(m.text(0, 1), QStringLiteral("O‘Brien--鞋鞋鞋鞋鞋鞋"));
    EXPECT_EQ(m.text(0, 2), sqlSafeName(note.left(64)));
    EXPECT_EQ(findMemberByCard(card.left(32)), findMemberByCard(m.text(0, 0)));
}

TEST(MemberQueries, BirthdayWindowCrossesTheYear)
{
    Shop shop(QDateTime(QDate(2013, 12, 28), QTime(9, 0)));
    // "1999/01/03" is compared on its characters 6 to 10 ("01/03"), which lie after "01-07".
    const char* const birthdays[] = {"1980-12-27", "1980-12-28", "1990-12-31", "1985-01-01", "1970-01-07",
                                     "1970-01-08", "1999/01/03"};
    for (const char* b : birthdays) {
        MemberFields f;
        f.card = QString::fromLatin1(b);
        f.name = QStringLiteral("寿星");
        f.birthday = QString::fromLatin1(b);
        shop.member(f);
    }
    EXPECT_EQ(column(QStringLiteral("select hy_sr from (%1)").arg(birthdaySql(QDate(2013, 12, 28), 10))),
              QStringList({"1980-12-28", "1990-12-31", "1985-01-01", "1970-01-07"}));
    EXPECT_EQ(column(QStringLiteral("select hy_sr from (%1)").arg(birthdaySql(QDate(2013, 12, 28), 0))).size(), 4);
    EXPECT_EQ(column(QStringLiteral("select hy_sr from (%1)").arg(birthdaySql(QDate(2013, 12, 28), 3))),
              QStringList({"1980-12-28", "1990-12-31"}));
}

TEST(MemberQueries, ListSearchAndConsumption)
{
    Shop shop;
    const QString goods = shop.goods(QStringLiteral("凉鞋"), {}, {});
    saveLevel({}, level(QStringLiteral("银卡"), QStringLiteral("0.9"), 100, 499));
    const QString a = shop.member(QStringLiteral("A100"), QStringLiteral("王小明"), 150);
    const QString b = shop.member(QStringLiteral("B200"), QStringLiteral("李四"));
    shop.memberSale(a, goods, 100, 2, 2);
    shop.memberSale(b, goods, 50, 1, 9, QStringLiteral("2013-05-01 10:00:00"));
    auto list = [](const QString& key, const QString& level, int status) {
        return column(QStringLiteral("select hy_bh from (%1)").arg(memberListSql(key, level, status)));
    };
    EXPECT_EQ(list(QString(), QStringLiteral("-1"), 0), QStringList({"B200", "A100"}));
    EXPECT_EQ(list(QStringLiteral("小明"), QString(), 0), QStringList({"A100"}));
    EXPECT_EQ(list(QStringLiteral("wxm"), QString(), 0), QStringList({"A100"}));  // short code
    EXPECT_EQ(list(QStringLiteral("x' or '1'='1"), QString(), 0), QStringList());
    EXPECT_EQ(list(QString(), QStringLiteral("100002"), 0), QStringList({"A100"}));
    EXPECT_EQ(list(QString(), QString(), 2), QStringList());

    // Clearing the points of a level's list leaves the other members alone.
    execSql(QStringLiteral("update jxc_hyxx set hy_jf=7 where hy_sn='%1'").arg(b));
    clearMemberPoints(column(QStringLiteral("select hy_sn from (%1)").arg(memberListSql({}, QStringLiteral("100002"), 0))));
    EXPECT_EQ(column(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn in ('%1','%2') order by id").arg(a, b)),
              QStringList({"0", "7"}));

    const ResultSet today = openSelect(consumptionSql(QDate(2013, 5, 28), QDate(2013, 5, 28), QString()));
    ASSERT_EQ(today.rowCount(), 1);
    EXPECT_EQ(today.text(0, QStringLiteral("hy_bh")), QStringLiteral("A100"));
    EXPECT_EQ(today.text(0, QStringLiteral("zje")), QStringLiteral("200"));
    EXPECT_EQ(today.text(0, QStringLiteral("zffs")), QStringLiteral("储值卡结账"));
    const ResultSet month = openSelect(consumptionSql(QDate(2013, 5, 1), QDate(2013, 5, 28), QStringLiteral("李")));
    ASSERT_EQ(month.rowCount(), 1);
    EXPECT_EQ(month.text(0, QStringLiteral("zffs")), QString());
}

}  // namespace
