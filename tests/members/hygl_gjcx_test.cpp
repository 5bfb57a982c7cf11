// The advanced member search: its criteria as conditions of the register's list, and the
// dialog's criteria staying in force for the register's searches until it is shown again.
#include "data/datamodule.h"
#include "members/hygl.h"
#include "members/hygl_gjcx.h"
#include "members/memberdata.h"
#include "members/memberqueries.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "support/shop.h"
#include "membertest.h"
#include "windowscript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class AdvancedSearch : public ::testing::Test {
protected:
    AdvancedSearch()
    {
        MsgScript::reset();
        saveScheme({}, scheme(QStringLiteral("充值送"), 0, 1.2));
        bonus = selectValue(QStringLiteral("select hh_sn from jxc_hyyh where hh_name='充值送'"));
        struct Row {
            const char* card;
            double points;
            const char* birthday;
            const char* expiry;
            const char* address;
            double spending;
        };
        const Row rows[] = {{"A", 100, "1980-01-01", "", "北京路1号", 0},
                            {"B", 101, "1989-12-31", "2013-05-30", "上海路", 500},
                            {"C", 99, "1990-01-01", "2100-12-31", "北京路9号", 500.5},
                            {"D", 0, "1979-12-31", "2013-06-01", "", 0}};
        for (const Row& r : rows) {
            MemberFields f;
            f.card = QString::fromLatin1(r.card);
            f.name = QStringLiteral("会员") + f.card;
            f.points = m(r.points);
            f.birthday = QString::fromLatin1(r.birthday);
            f.hasExpiry = *r.expiry != 0;
            f.expiry = QString::fromLatin1(r.expiry);
            f.custom[4] = QString::fromUtf8(r.address);
            f.schemeSn = f.card == u"B" ? bonus : QString();
            const QString sn = shop.member(f);
            execSql(QStringLiteral("update jxc_hyxx set hy_zje=? where hy_sn=?"), {{QString(), r.spending}, {QString(), sn}});
        }
    }
    ~AdvancedSearch() override { MsgScript::reset(); }

    QStringList cards(const MemberCriteria& c) const
    {
        return column(QStringLiteral("select hy_bh from (%1) order by hy_bh").arg(memberListSql({}, {}, 0, memberCriteriaSql(c))));
    }

    Shop shop;
    QString bonus;
};

MemberCriteria::Compare cmp(const char* op, const char* value)
{
    return {.on = true, .op = QString::fromLatin1(op), .value = QString::fromLatin1(value)};
}

MemberCriteria::Period between(QDate from, QDate to)
{
    return {.on = true, .from = from, .to = to};
}

TEST_F(AdvancedSearch, CriteriaNarrowTheList)
{
    EXPECT_EQ(memberCriteriaSql({}), QString());
    EXPECT_EQ(cards({}), QStringList({"A", "B", "C", "D"}));

    struct Case {
        const char* what;
        MemberCriteria criteria;
        QStringList cards;
    };
    std::vector<Case> cases;
    auto add = [&cases](const char* what, QStringList expected, const std::function<void(MemberCriteria&)>& set) {
        MemberCriteria c;
        set(c);
        cases.push_back({what, c, expected});
    };
    add("points above 100 leave out exactly 100", {"B"}, [](MemberCriteria& c) { c.points = cmp(">", "100"); });
    add("points equal", {"A"}, [](MemberCriteria& c) { c.points = cmp("=", "100"); });
    add("points below", {"C", "D"}, [](MemberCriteria& c) { c.points = cmp("<", "100"); });
    add("an operator not offered compares equal", {"A"}, [](MemberCriteria& c) { c.points = cmp("<>", "100"); });
    add("spending with decimals", {"C"}, [](MemberCriteria& c) { c.spending = cmp(">", "500"); });
    add("a value that is no number counts 0", {"A", "D"}, [](MemberCriteria& c) { c.spending = cmp("=", "1;drop"); });
    add("balance", {"A", "B", "C", "D"}, [](MemberCriteria& c) { c.balance = cmp("=", "0"); });
    add("scheme", {"B"}, [this](MemberCriteria& c) {
        c.byScheme = true;
        c.schemeSn = bonus;
    });
    add("births of the eighties in the stored form", {"A", "B"},
        [](MemberCriteria& c) { c.birthday = between(QDate(1980, 1, 1), QDate(1989, 12, 31)); });
    add("expiry within days: members without one never match", {"B", "D"},
        [](MemberCriteria& c) { c.expiry = between(QDate(2013, 5, 28), QDate(2013, 6, 1)); });
    add("the far expiry of imports only in a range holding it", {"C"},
        [](MemberCriteria& c) { c.expiry = between(QDate(2100, 12, 31), QDate(2100, 12, 31)); });
    add("joined today", {"A", "B", "C", "D"}, [](MemberCriteria& c) { c.joined = between(QDate(2013, 5, 28), QDate(2013, 5, 28)); });
    add("address contains", {"A", "C"}, [](MemberCriteria& c) {
        c.byAddress = true;
        c.address = QStringLiteral(" 北京 ");
    });
    add("hostile telephone text finds nothing and fails nothing", {}, [](MemberCriteria& c) {
        c.byTele = true;
        c.tele = QStringLiteral("x' or '1'='1");
    });
    add("criteria join with and", {"C"}, [](MemberCriteria& c) {
        c.byAddress = true;
        c.address = QStringLiteral("北京");
        c.points = cmp("<", "100");
    });
    for (const Case& c : cases)
        EXPECT_EQ(cards(c.criteria), c.cards) << c.what;
}

TEST_F(AdvancedSearch, CriteriaHoldUntilTheRegisterIsShownAgain)
{
    auto search = [](bool confirm, const std::function<void(TF_Hygl_Gjcx*)>& set) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Hygl_Gjcx"), [=](TF_Form* f) {
            auto* d = static_cast<TF_Hygl_Gjcx*>(f);
            EXPECT_FALSE(d->chkAmount[0]->isChecked());  // every showing starts unticked
            EXPECT_FALSE(d->edtAmount[0]->isEnabled());
            set(d);
            (confirm ? d->btnOK : d->btnCancel)->click();
        });
    };
    openScripted<TF_Hygl>(F_Hygl, [&](TF_Hygl* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 4);
        search(true, [](TF_Hygl_Gjcx* d) {
            d->chkAmount[0]->setChecked(true);
            EXPECT_TRUE(d->edtAmount[0]->isEnabled());
            d->cbOp[0]->setCurrentIndex(1);  // ">"
            d->edtAmount[0]->setText(QStringLiteral("99"));
        });
        w->btnGjcx->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
        w->searchClick();  // the register's own searches keep the criteria
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
        w->edtKey->setText(QStringLiteral("A"));
        w->searchClick();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
        w->edtKey->clear();
        search(false, [](TF_Hygl_Gjcx* d) { d->chkTele->setChecked(true); });
        w->btnGjcx->click();  // cancelled: the criteria in force stay
        w->searchClick();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
        search(true, [](TF_Hygl_Gjcx*) {});
        w->btnGjcx->click();  // nothing ticked: the plain list
        EXPECT_EQ(w->DBGrid1->rowCount(), 4);
        search(true, [](TF_Hygl_Gjcx* d) {
            d->chkYh->setChecked(true);
            d->cbYh->setCurrentIndex(1);
        });
        w->btnGjcx->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
    });
    openScripted<TF_Hygl>(F_Hygl, [](TF_Hygl* w) { EXPECT_EQ(w->DBGrid1->rowCount(), 4); });
    EXPECT_EQ(MsgScript::texts(), QStringList());
}

}  // namespace
