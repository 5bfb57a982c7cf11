// The cash and bank window with its dialogs and the opening-balance window, and the expenses
// and income window with its type list, driven by their controls.
#include "accountstest.h"

#include "accounts/fyjsr.h"
#include "accounts/moneyvoucher.h"
#include "accounts/xjyh.h"
#include "accounts/yhzh.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"

#include <QComboBox>
#include <QLabel>
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

class MoneyWindows : public AccountsTest {
protected:
    MoneyWindows()
    {
        MsgScript::reset();
        handler = shop.staff(QStringLiteral("王出纳"));
    }
    ~MoneyWindows() override { MsgScript::reset(); }
    QString handler;
};

TEST_F(MoneyWindows, DepositTransferAndTheAccountJournal)
{
    openScripted<TF_Xjyh>(F_Xjyh, [](TF_Xjyh* w) {
        ASSERT_EQ(w->cxGrid1->rowCount(), 3);
        TF_Form::scriptNextOpening(QStringLiteral("F_Xjyh_Jk"), [](TF_Form* f) {
            auto* d = static_cast<TF_Xjyh_Jk*>(f);
            d->btnOK->click();  // amount 0: refused, the dialog stays
            d->comYhzh->setCurrentIndex(d->comYhzh->findText(QStringLiteral("工行帐号")));
            d->comUser->setCurrentIndex(d->comUser->findText(QStringLiteral("王出纳")));
            d->tfyje->setText(QStringLiteral("100"));
            d->tnote->setText(QStringLiteral("还款"));
            d->btnOK->click();
        });
        w->btn_Rukuan->click();
        EXPECT_EQ(w->cxGrid1->value(1, QStringLiteral("yh_zje")), "100");  // the list shows it at once

        TF_Form::scriptNextOpening(QStringLiteral("F_Xjyh_Zz"), [](TF_Form* f) {
            auto* d = static_cast<TF_Xjyh_Zz*>(f);
            d->btnOK->click();  // the same account on both sides
            d->comYhzh->setCurrentIndex(d->comYhzh->findText(QStringLiteral("工行帐号")));
            d->comUser->setCurrentIndex(d->comUser->findText(QStringLiteral("王出纳")));
            d->tfyje->setText(QStringLiteral("100.01"));
            d->btnOK->click();
            d->tfyje->setText(QStringLiteral("100"));
            d->btnOK->click();
        });
        w->btn_Yhzz->click();

        // The journal of the bank account: the deposit and the transfer out.
        w->cxGrid1->setCurrentRow(1);
        w->btnSearch1Click();
        EXPECT_EQ(w->fymx->text(), "[工行帐号]明细");
        ASSERT_EQ(w->cxGrid2->rowCount(), 2);
        EXPECT_EQ(w->cxGrid2->value(1, QStringLiteral("xj_je")), "-100");
        w->comUser->setCurrentIndex(w->comUser->findText(QStringLiteral("王出纳")));
        w->btnSearch1Click();
        EXPECT_EQ(w->cxGrid2->rowCount(), 2);
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"金额必须填写！", "出款、入款不能为同一个账户！",
                                               "转出的金额不能大于出款账户中的金额！"}));
    EXPECT_EQ(balance("工行帐号"), "0");
    EXPECT_EQ(balance("现金"), "100");
    EXPECT_EQ(rows("select u_name from jxc_xjyh group by u_name"), "王出纳");
}

TEST_F(MoneyWindows, OpeningBalanceWindowKeepsCashAndRefusesAUsedAccount)
{
    deposit({.account = "建行帐号", .amount = Money::fromDouble(5), .handlerName = "王出纳", .note = "", .op = ""});
    openScripted<TF_Yhzh>(F_Yhzh, [](TF_Yhzh* w) {
        w->cxGrid->setCurrentRow(0);
        w->btnModiClick();
        w->btnDeleClick();
        w->cxGrid->setCurrentRow(2);
        w->btnQcjeClick();
        w->cxGrid->setCurrentRow(1);
        TF_Form::scriptNextOpening(QStringLiteral("F_Yhzh_Qcjz"), [](TF_Form* f) {
            auto* d = static_cast<TF_Yhzh_Qcjz*>(f);
            EXPECT_EQ(d->yhzh->text(), "工行帐号");
            d->tfyje->setText(QStringLiteral("500"));
            d->btnOk->click();
        });
        w->btnQcjeClick();
        EXPECT_EQ(w->cxGrid->value(1, QStringLiteral("yh_zje")), "500");
        TF_Form::scriptNextOpening(QStringLiteral("F_Yhzh_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Yhzh_Add*>(f);
            d->tname->setText(QStringLiteral("农行"));
            d->btnOk->click();  // no type
            d->ttype->setText(QStringLiteral("银行"));
            d->btnOk->click();
        });
        w->btnAddClick();
        EXPECT_EQ(w->cxGrid->rowCount(), 4);
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"“现金”不能修改！", "“现金”不能删除！",
                                               "该银行账户已有业务发生，不能建立期初帐！", "账户类型必须填写！"}));
}

TEST_F(MoneyWindows, ExpenseDialogWithANewTypeAndTheTotals)
{
    openScripted<TF_Fyjsr>(F_Fyjsr, [this](TF_Fyjsr* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Fyjsr_Add"), [this](TF_Form* f) {
            auto* d = static_cast<TF_Fyjsr_Add*>(f);
            EXPECT_EQ(d->comFy->count(), 1);  // only "增加新类型"
            d->tfyje->setText(QStringLiteral("100"));
            d->btnOK->click();  // no type
            TF_Form::scriptNextOpening(QStringLiteral("F_Fylx"), [](TF_Form* t) {
                auto* types = static_cast<TF_Fylx*>(t);
                types->tname->setText(QStringLiteral("房租"));
                types->btnAdd->click();
                types->tname->setText(QStringLiteral("房租"));
                types->btnAdd->click();  // exists
            });
            d->comFy->setCurrentIndex(0);
            EXPECT_EQ(d->comFy->currentText(), "房租");
            d->comUser->setCurrentIndex(d->comUser->findText(QStringLiteral("王出纳")));
            d->tnote->setText(QStringLiteral("五月"));
            d->btnOK->click();
        });
        w->btn_Zjfy->click();
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->cxGrid1->value(0, QStringLiteral("fyje")), "-100");
        EXPECT_EQ(w->fymx->text(), "[房租]明细");
        ASSERT_EQ(w->cxGrid2->rowCount(), 1);
        EXPECT_EQ(w->cxGrid2->value(0, QStringLiteral("u_name")), "王出纳");
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"请选择费用类型！", "类型已经存在，不能加入！"}));
    EXPECT_EQ(rows("select xj_dlx,xj_je,xj_note from jxc_xjyh"), "费用付款|-100|[名目：房租]五月");
    EXPECT_EQ(balance("现金"), "-100");
}

TEST(MoneyVoucherVariables, FilledFromTheEntry)
{
    Report rpt;
    fillMoneyVoucher(rpt, {.title = "松岩付款单", .fymc = "房租", .fkfs = "现金", .pnote = "五月", .uname = "王",
                           .aname = "张三", .amount = Money::fromDouble(1234.5)});
    EXPECT_EQ(reportUnquote(rpt.variable("bTitle")), "松岩付款单");
    EXPECT_EQ(reportUnquote(rpt.variable("sf")), "壹仟贰佰叁拾肆元伍角");
    EXPECT_EQ(reportUnquote(rpt.variable("fen")), "0");
    EXPECT_EQ(reportUnquote(rpt.variable("wan")), "￥");
    EXPECT_EQ(reportUnquote(rpt.variable("fymc")), "房租");
}

}  // namespace
