// The supplier and customer account windows: the document list's rows, signs and order, the
// goods lines of a document, the filters, the reprint of a listed row and the keys.
#include "accountstest.h"

#include "accounts/accountdocs.h"
#include "accounts/partyaccount.h"
#include "accounts/wlzwghs_dele.h"
#include "data/ledger.h"
#include "data/textrules.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "purchasing/cgjhposting.h"
#include "sales/spxsposting.h"
#include "support/windowregistry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// The listed rows as "djh|yfje|sfje|wfje|yhje|kind".
QStringList listed(const ResultSet& rs, const char* kind)
{
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << QStringList{rs.text(r, "djh"), rs.text(r, "yfje"), rs.text(r, "sfje"), rs.text(r, "wfje"),
                           rs.text(r, "yhje"), rs.text(r, QString::fromLatin1(kind))}
                   .join(u'|');
    return out;
}

QString variable(const BillPrint& p, const char* name)
{
    for (const BillVariable& v : p.variables)
        if (v.first == QLatin1String(name))
            return v.second;
    return QStringLiteral("<none>");
}

class PartyAccounts : public AccountsTest {
protected:
    PartyAccounts()
    {
        MsgScript::reset();
        shoe = shop.goods(QStringLiteral("皮鞋"), {QStringLiteral("39"), QStringLiteral("40")}, {QStringLiteral("黑色")});
    }
    ~PartyAccounts() override { MsgScript::reset(); }

    // Stock for the sales: one receipt of 20 pairs on 05-01, paid in full.
    void stock() { shop.receipt().supplier(ghs).date("2013-05-01").line(shoe, 50, {{"39", "黑色", 10}, {"40", "黑色", 10}}).post(); }

    QString shoe;
};

TEST_F(PartyAccounts, SupplierListShowsSignsSettlementFormsAndOrder)
{
    const QString other = shop.supplier(QStringLiteral("乙方二号"));
    // Two receipts on one day: the larger number first; the return and the payment after them.
    const QString owing = shop.receipt().supplier(ghs).date("2013-05-20").line(shoe, 100, {{"39", "黑色", 10}})
                              .paid(400).mode(CgjhMode::RestOwed).post();
    const QString settled = shop.receipt().supplier(ghs).date("2013-05-20").line(shoe, 100, {{"40", "黑色", 10}})
                                .paid(900).mode(CgjhMode::PaidOnly).post();
    const QString ret = shop.purchaseReturn().supplier(ghs).line(shoe, 100, {{"39", "黑色", 3}}).received(300).post();
    saveGhsQcyf(ghs, QStringLiteral("-500"), QStringLiteral("期初"));
    const QString elsewhere = shop.receipt().supplier(other).date("2013-05-21").plainLine(shoe, 10, 1).post();
    const QString lastMonth = shop.receipt().supplier(ghs).date("2013-04-30").plainLine(shoe, 10, 1).post();
    const QString gf = value(QStringLiteral("select gf_sn from jxc_ghsfk"));

    const ResultSet rs = openSelect(accountDocumentsSql(PartySide::Supplier, "2013-05-01", "2013-05-28", "供货商乙"));
    // 05-28: the return, then the opening payable; 05-20: two receipts, the larger number first.
    EXPECT_EQ(listed(rs, "zflx"),
              (QStringList{ret + "|-300|-300|0|0|退货还款", gf + "|500|0|500|0|期初应付",
                           settled + "|900|900|0|100|进货支付", owing + "|1000|400|600|0|进货支付"}));
    EXPECT_GT(settled, owing);
    EXPECT_EQ(rs.text(0, "ck_name"), "主仓库");
    EXPECT_EQ(rs.text(1, "ck_name"), "");

    // Every partner: the empty key and both words; a key matching the code matches every code containing it.
    for (const char* key : {"", "全部供货商", "当前列表供货商"}) {
        const ResultSet all = openSelect(accountDocumentsSql(PartySide::Supplier, "2013-05-01", "2013-05-28", key));
        EXPECT_EQ(all.rowCount(), 5) << key;
    }
    // The last day is in, the day after is out; the previous month is out.
    const QStringList day = listed(openSelect(accountDocumentsSql(PartySide::Supplier, "2013-05-21", "2013-05-21", "")), "zflx");
    EXPECT_EQ(day, QStringList{elsewhere + "|10|10|0|0|进货支付"});
    EXPECT_TRUE(openSelect(accountDocumentsSql(PartySide::Supplier, "2013-05-22", "2013-05-27", "")).isEmpty());
    EXPECT_FALSE(listed(openSelect(accountDocumentsSql(PartySide::Supplier, "2010-01-01", "2013-05-28", "")), "zflx")
                     .filter(lastMonth)
                     .isEmpty());

    // By kind: the kind text first.
    const ResultSet byKind = openSelect(accountDocumentsSql(PartySide::Supplier, "2013-05-01", "2013-05-28", "供货商乙", true));
    EXPECT_EQ(byKind.text(0, "zflx"), "期初应付");
}

TEST_F(PartyAccounts, CustomerListShowsBillTotalsReturnsAndSettlementForms)
{
    stock();
    const QString paidOnly = shop.sale().customer(kh).date("2013-05-10").line(shoe, 100, {{"39", "黑色", 10}})
                                 .received(900).mode(SpxsMode::PaidOnly).post();
    const QString restOwed = shop.sale().customer(kh).date("2013-05-11").line(shoe, 100, {{"40", "黑色", 10}})
                                 .received(900).mode(SpxsMode::RestOwed).post();
    const QString ret = shop.customerReturn().customer(kh).date("2013-05-12").line(shoe, 100, {{"39", "黑色", 3}})
                            .refund(300).post();
    const ResultSet rs = openSelect(accountDocumentsSql(PartySide::Customer, "2013-05-01", "2013-05-28", "客户甲"));
    EXPECT_EQ(listed(rs, "fktype"), (QStringList{ret + "|-300|-300|0|0|销售退货支出", restOwed + "|1000|900|100|0|商品销售付款",
                                                 paidOnly + "|1000|900|0|100|商品销售付款"}));

    // The return's lines are positive; the sale's carry their discount rate.
    const ResultSet lines = openSelect(accountLinesSql(PartySide::Customer, ret));
    ASSERT_EQ(lines.rowCount(), 1);
    EXPECT_EQ(lines.text(0, "sl"), "3");
    EXPECT_EQ(lines.text(0, "zje"), "300");
    EXPECT_EQ(accountLinesSql(PartySide::Customer, QStringLiteral("KF201305280001")), "");
    EXPECT_EQ(accountLinesSql(PartySide::Supplier, ret), "");

    // Reprint from the row: a return prints its amounts positive, a discounted bill its total as due.
    const AccountDocumentPrint r = accountDocumentPrint(PartySide::Customer, rs, 0);
    EXPECT_EQ(r.print.templateFile, "xsth.fr3");
    EXPECT_EQ(variable(r.print, "yf"), moneyToDx("300"));
    EXPECT_EQ(variable(r.print, "sf"), moneyToDx("300"));
    EXPECT_EQ(curKhSn, kh);
    const AccountDocumentPrint s = accountDocumentPrint(PartySide::Customer, rs, 2);
    EXPECT_EQ(s.print.templateFile, "spxs.fr3");
    EXPECT_EQ(variable(s.print, "yf"), moneyToDx("1000"));
    EXPECT_EQ(variable(s.print, "sf"), moneyToDx("900"));
    EXPECT_EQ(variable(s.print, "khName"), "客户甲");
    EXPECT_EQ(openSelect(s.print.linesSql).rowCount(), 1);
}

TEST_F(PartyAccounts, PaymentRowReprintsItsPaidAmountOnTheVoucher)
{
    saveGhsQcyf(ghs, QStringLiteral("-500"), QString());
    const ResultSet rs = openSelect(accountDocumentsSql(PartySide::Supplier, "2013-05-01", "2013-05-28", ""));
    ASSERT_EQ(rs.rowCount(), 1);
    const AccountDocumentPrint p = accountDocumentPrint(PartySide::Supplier, rs, 0);
    // Listed as due: the paid amount, and so the voucher, is 0.
    EXPECT_TRUE(p.voucher);
    EXPECT_EQ(p.print.templateFile, "ghsfukuan.fr3");
    EXPECT_EQ(p.amount.toText(), "0");
    EXPECT_EQ(variable(p.print, "sf"), moneyToDx("0"));
    EXPECT_EQ(variable(p.print, "fkfs"), "期初应付");
    EXPECT_EQ(variable(p.print, "ghsName"), "供货商乙");
    // Another kind of number prints nothing.
    ResultSet other = rs;
    other.setText(0, other.columnIndex("djh"), QStringLiteral("XS201305280001"));
    EXPECT_TRUE(accountDocumentPrint(PartySide::Supplier, other, 0).print.templateFile.isEmpty());
}

TEST_F(PartyAccounts, SupplierWindowOpensOnTheCallersPartnerFiltersAndEmptiesLinesForPayments)
{
    const QString other = shop.supplier(QStringLiteral("丙厂"));
    const QString owing =
        shop.receipt().supplier(ghs).line(shoe, 100, {{"39", "黑色", 2}, {"40", "黑色", 1}}).paid(100).mode(CgjhMode::RestOwed).post();
    const QString paid = shop.receipt().supplier(ghs).plainLine(shoe, 10, 1).post();
    shop.receipt().supplier(other).plainLine(shoe, 10, 1).post();
    saveGhsQcyf(ghs, QStringLiteral("-50"), QString());

    callerFlag = QStringLiteral("cgjh1");
    detailTable = QStringLiteral("供货商乙");
    openScripted<TF_WlzwGhs>(F_WlzwGhs, [&](TF_WlzwGhs* w) {
        EXPECT_EQ(w->tName->text(), "供货商乙");
        ASSERT_EQ(w->cxGrid1->rowCount(), 3);
        EXPECT_EQ(w->cxGrid1->footerText("ghs_name"), "单据合计：3");
        EXPECT_EQ(w->cxGrid1->footerText("wfje"), "￥250.00");
        // The first row is the later receipt: its lines are shown with the warehouse.
        EXPECT_EQ(w->lMsg->text(), paid + " 供货商乙  出货仓库：主仓库");

        w->applyFilter(TF_PartyAccount::DocFilter::Owing);
        ASSERT_EQ(w->cxGrid1->rowCount(), 2);
        // A payment row: number and supplier, no lines.
        const int gfRow = w->cxGrid1->value(w->cxGrid1->sourceRow(0), "djh").startsWith(u"GF") ? 0 : 1;
        w->cxGrid1->setCurrentRow(w->cxGrid1->sourceRow(gfRow));
        w->showLines();
        EXPECT_EQ(w->cxGrid11->rowCount(), 0);
        EXPECT_FALSE(w->lMsg->text().contains(u"仓库"));
        w->cxGrid1->setCurrentRow(w->cxGrid1->sourceRow(1 - gfRow));
        w->showLines();
        EXPECT_EQ(w->lMsg->text(), owing + " 供货商乙  出货仓库：主仓库");
        EXPECT_EQ(w->cxGrid11->rowCount(), 1);
        EXPECT_EQ(w->cxGrid11->footerText("sl"), "3");

        // A new search drops the filter.
        w->btnSearch1->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 3);

        // Esc hides the panel first and keeps the window; F5 in the panel picks and searches.
        w->btnSele->click();
        ASSERT_TRUE(w->panel->isVisible());
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->panel->isVisible());
        EXPECT_TRUE(w->isVisible());
        w->tName->setText(QStringLiteral("丙"));
        emit w->tName->textEdited(w->tName->text());
        ASSERT_TRUE(w->panel->isVisible());
        QTest::keyClick(w, Qt::Key_F5);
        EXPECT_EQ(w->tName->text(), "丙厂");
        EXPECT_EQ(curGhsSn, other);
        EXPECT_EQ(w->cxGrid1->rowCount(), 1);
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    });
    callerFlag.clear();
    detailTable.clear();
}

TEST_F(PartyAccounts, CustomerWindowFromTheOverviewKeepsTheNameAndDeletesThroughItsDialog)
{
    stock();
    const QString sale = shop.sale().customer(kh).line(shoe, 100, {{"39", "黑色", 2}}).received(150).mode(SpxsMode::RestOwed).post();
    ScopedWindows windows;
    QString seen;
    partyType = QStringLiteral("客户甲");
    openScripted<TF_WlzwKh>(F_WlzwKh, [&](TF_WlzwKh* w) {
        EXPECT_TRUE(partyType.isEmpty());
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->lMsg->text(), sale + " 客户甲  出货仓库：主仓库");
        EXPECT_EQ(w->cxGrid11->value(0, "gl_dzl"), "1");
        // The dialog gets the focused row; after the deletion the list re-opens without it.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Wlzwkh_Dele"), [&](TF_Form* f) {
            auto* d = static_cast<TF_WlzwGhs_Dele*>(f);
            seen = d->ldjh->text() + u'|' + d->lghs->text() + u'|' + curKhSn;
            d->tnote->setPlainText(QStringLiteral("开错客户"));
            d->btnOK->click();
        });
        w->btn_Dele->click();
        EXPECT_EQ(seen, sale + "|客户甲|" + kh);
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
        EXPECT_TRUE(w->isVisible());
        seen.clear();
        w->btn_Dele->click();  // nothing on an empty list
        EXPECT_EQ(seen, "");
        w->reject();
    });
    // The box keeps the name for the next opening.
    openScripted<TF_WlzwKh>(F_WlzwKh, [](TF_WlzwKh* w) {
        EXPECT_EQ(w->tName->text(), "客户甲");
        w->reject();
    });
}

}  // namespace
