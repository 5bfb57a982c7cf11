// Hostile texts in the entry dialogs and registers of the accounts: quotes, "--", texts far
// beyond their boxes and characters without a GBK form (outside the basic plane, so two UTF-16
// units each). A box keeps whole characters up to its length, the stored text is that text with
// the safe-text conversions of its field, and a refusal writes nothing and keeps the input.
#include "accountstest.h"

#include "accounts/fyjsr.h"
#include "accounts/partystatement.h"
#include "accounts/registers.h"
#include "accounts/xjyh.h"
#include "accounts/yhzh.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// Five characters with a quote, "--" and a double quote, then 2,000 times a character outside
// GBK and outside the basic plane. Every box length is even, so each box cuts it in the middle
// of such a character.
const QString kWide = QStringLiteral("𠮷");
const QString kHostile = QStringLiteral("客'--\"") + kWide.repeated(2000);

// What a box of `length` keeps of kHostile, with its first five characters as the field stores them.
QString kept(const QString& storedPrefix, int length)
{
    return storedPrefix + kWide.repeated((length - 6) / 2);
}
const QString kAsTyped = QStringLiteral("客'--\"");
const QString kAsName = QStringLiteral("客‘--“");  // sqlSafeName
const QString kAsText = QStringLiteral("客‘－－“");  // sqlSafe

class HostileTexts : public AccountsTest {
protected:
    HostileTexts()
    {
        MsgScript::reset();
        shop.staff(QStringLiteral("王出纳"));
    }
    ~HostileTexts() override { MsgScript::reset(); }
};

TEST_F(HostileTexts, RegisterAndReceiptNotesAreKeptWholeOrRefusedWithTheirInput)
{
    openScripted<TF_Yskdj>(F_Yskdj, [this](TF_Yskdj* w) {
        w->partnerChosen(kh, QStringLiteral("客户甲"));
        TF_Form::scriptNextOpening(QStringLiteral("F_Yskdj_Sele"), [](TF_Form* f) {
            auto* d = static_cast<TF_Yskdj_Sele*>(f);
            d->tnote->setText(kHostile);
            const QString before = snapshot();
            d->btnOK->click();  // amount 0: nothing written, the note stays
            EXPECT_EQ(snapshot(), before);
            EXPECT_EQ(d->tnote->text(), kept(kAsTyped, 64));
            d->tgsj->setText(QStringLiteral("100"));
            d->btnOK->click();
        });
        w->btn_Add->click();
    });
    openScripted<TF_Ysksk>(F_Ysksk, [this](TF_Ysksk* w) {
        w->partnerChosen(kh, QStringLiteral("客户甲"));
        TF_Form::scriptNextOpening(QStringLiteral("F_Ysksk_Sele"), [](TF_Form* f) {
            auto* d = static_cast<TF_Ysksk_Sele*>(f);
            d->tgsj->setText(QStringLiteral("30"));
            d->tnote->setText(kHostile);
            d->btnOK->click();
        });
        w->btn_Add->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{"应收款不能为0！"});
    EXPECT_EQ(rows("select k_djlx,k_note from jxc_ysyfk order by id"),
              "YS|" + kept(kAsTyped, 64) + " SK|" + kept(kAsTyped, 64));
    EXPECT_EQ(rows("select xj_dlx,xj_note from jxc_xjyh"), "收款单|" + kept(kAsTyped, 64));
    EXPECT_EQ(khBalance(), "70");
}

TEST_F(HostileTexts, PartnerBoxesOfRegistersAndStatementsFindNothingAndBreakNothing)
{
    addRegisterEntry(receivable("2013-05-20", 100));
    const auto search = [](TF_PartyRegister* w) {
        w->tName->setText(kHostile);
        emit w->tName->textEdited(w->tName->text());
        EXPECT_EQ(w->panel->gridAll->rowCount(), 0);
        w->btnSearch1->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
    };
    openScripted<TF_Yskdj>(F_Yskdj, search);
    openScripted<TF_Yfkfk>(F_Yfkfk, search);
    openScripted<TF_Yskgl>(F_Yskgl, [](TF_Yskgl* w) {
        w->tName->setText(kHostile);
        w->btnSearch1->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
    });
    EXPECT_EQ(MsgScript::texts(), QStringList());
}

TEST_F(HostileTexts, AccountDepositExpenseAndTypeStoreTheirSafeTexts)
{
    openScripted<TF_Yhzh>(F_Yhzh, [](TF_Yhzh* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Yhzh_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Yhzh_Add*>(f);
            d->ttype->setText(kHostile);
            d->tname->setText(kHostile);
            d->tnote->setText(kHostile);
            d->btnOk->click();
        });
        w->btnAddClick();
    });
    EXPECT_EQ(rows("select yh_type,yh_name,yh_note from jxc_yhzh where yh_sn='100004'"),
              kept(kAsName, 32) + u'|' + kept(kAsName, 16) + u'|' + kept(kAsName, 64));
    const QString account = kept(kAsName, 16);

    openScripted<TF_Xjyh>(F_Xjyh, [&](TF_Xjyh* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Xjyh_Jk"), [&](TF_Form* f) {
            auto* d = static_cast<TF_Xjyh_Jk*>(f);
            d->comYhzh->setCurrentIndex(d->comYhzh->findText(account));
            d->comUser->setCurrentIndex(d->comUser->findText(QStringLiteral("王出纳")));
            d->tnote->setText(kHostile);
            const QString before = snapshot();
            d->btnOK->click();  // no amount
            EXPECT_EQ(snapshot(), before);
            EXPECT_EQ(d->tnote->text(), kept(kAsTyped, 100));
            d->tfyje->setText(QStringLiteral("500"));
            d->btnOK->click();
        });
        w->btn_Rukuan->click();
    });
    EXPECT_EQ(rows("select xj_kmmc,xj_je,xj_note from jxc_xjyh"), account + "|500|" + kept(kAsName, 100));
    EXPECT_EQ(balance(account), "500");

    openScripted<TF_Fyjsr>(F_Fyjsr, [&](TF_Fyjsr* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Fyjsr_Add"), [&](TF_Form* f) {
            auto* d = static_cast<TF_Fyjsr_Add*>(f);
            TF_Form::scriptNextOpening(QStringLiteral("F_Fylx"), [](TF_Form* t) {
                auto* types = static_cast<TF_Fylx*>(t);
                types->tname->setText(QStringLiteral("^`"));  // nothing left once made safe: nothing added
                types->btnAdd->click();
                types->tname->setText(kHostile);
                types->tnote->setText(kHostile);
                types->btnAdd->click();
            });
            d->comFy->setCurrentIndex(0);
            EXPECT_EQ(d->comFy->currentText(), kept(kAsText, 64));
            d->tfyje->setText(QStringLiteral("20"));
            d->comUser->setCurrentIndex(d->comUser->findText(QStringLiteral("王出纳")));
            d->comYhzh->setCurrentIndex(d->comYhzh->findText(account));
            d->tnote->setText(kHostile);
            d->btnOK->click();
        });
        w->btn_Zjfy->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{"金额必须填写！"});
    EXPECT_EQ(rows("select fy_lx,fy_note from jxc_fylx"), kept(kAsText, 64) + u'|' + kept(kAsText, 128));
    EXPECT_EQ(rows("select fy_lx,fy_je,fy_note from jxc_yyfy"),
              kept(kAsText, 64) + "|-20|" + kept(kAsText, 50));
    EXPECT_EQ(value("select xj_note from jxc_xjyh where xj_dlx='费用付款'"),
              "[名目：" + kept(kAsText, 64) + "]" + kept(kAsText, 50));
    EXPECT_EQ(balance(account), "480");
}

}  // namespace
