// The shared fixture that builds a shop for the tests of the postings: master records, then
// bills entered through the real working-line functions and posted by the real postings.
//
//   Shop shop;
//   const QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"});
//   shop.receipt().line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}}).paid(300).post();
//   shop.sale().line(sandal, 150, {{"39", "黑色", 1}}).received(100).post();
//
// A Shop owns a fresh database (TestDb, clock on 2013-05-28 10:00) and logs an operator in.
// Defaults of a new database: supplier "100001", warehouse "100001", money account "现金";
// customer "100001"; the shop adds one handler, the default handler of its bills.
#pragma once

#include "bills/workinglines.h"
#include "masterdata/partners.h"
#include "members/memberdata.h"
#include "pos/posposting.h"
#include "purchasing/cgjhposting.h"
#include "sales/khjhposting.h"
#include "sales/spxsposting.h"
#include "purchasing/cgthposting.h"
#include "stock/bsbyposting.h"
#include "stock/kcdbposting.h"
#include "stock/kbposting.h"
#include "stock/kcpdposting.h"
#include "sales/xsthposting.h"
#include "support/testdb.h"

#include <QStringList>
#include <initializer_list>

class Shop;

// Quantity of one size and colour, by their names.
struct VariantQty {
    QString size;
    QString colour;
    double qty;
};

// A purchase receipt being entered: its lines are working lines under its number from the
// moment they are added; post() posts it like the window's audited save.
class ReceiptBuilder {
public:
    ReceiptBuilder& line(const QString& gSn, double price, std::initializer_list<VariantQty> rows);
    // A line without size and colour rows (as the barcode entry adds them).
    ReceiptBuilder& plainLine(const QString& gSn, double price, double qty);
    // Moves the bill to that day's next number, as a change of the bill date does.
    ReceiptBuilder& date(const QString& date);
    ReceiptBuilder& paid(double amount);  // default: the payable
    ReceiptBuilder& mode(CgjhMode mode);
    ReceiptBuilder& supplier(const QString& ghsSn);
    ReceiptBuilder& warehouse(const QString& ckSn);
    ReceiptBuilder& handler(const QString& uSn);
    ReceiptBuilder& account(const QString& name);
    ReceiptBuilder& note(const QString& note);

    const QString& number() const { return m_bill.djh; }
    // Ids of the lines written so far, in the order added.
    const QVector<qint64>& lineIds() const { return m_lines; }
    // The record the window would post (payable from the lines, paid as set).
    CgjhPosting record() const;
    // Posts the receipt; returns its number.
    QString post();
    // Holds the receipt as a pending one (the save prompt's "未审核状态"); returns its number.
    QString hold();

private:
    friend class Shop;
    explicit ReceiptBuilder(const Shop& shop);
    CgjhPosting m_bill;
    bool m_paidSet = false;
    QVector<qint64> m_lines;
};

// A sales bill being entered, like the receipt above: working lines under its number from
// the moment they are added; post() posts it like the window's audited save.
class SaleBuilder {
public:
    // `rate` is the line's discount rate (amount = price × rate × quantity).
    SaleBuilder& line(const QString& gSn, double price, std::initializer_list<VariantQty> rows, double rate = 1);
    // A line without size and colour rows (as the barcode box adds them).
    SaleBuilder& plainLine(const QString& gSn, double price, double qty);
    // Goods coming back in an exchange: a line with negative quantities, as the exchange's
    // goods-back picker writes it; post() then posts the bill as an exchange.
    SaleBuilder& backLine(const QString& gSn, double price, std::initializer_list<VariantQty> rows, double rate = 1);
    // Posts the bill as an exchange (also without goods coming back).
    SaleBuilder& exchange();
    // Moves the bill to that day's next number, as a change of the bill date does.
    SaleBuilder& date(const QString& date);
    SaleBuilder& received(double amount);  // default: the amount due
    SaleBuilder& mode(SpxsMode mode);
    SaleBuilder& customer(const QString& khSn);
    SaleBuilder& warehouse(const QString& ckSn);
    SaleBuilder& handler(const QString& uSn);
    SaleBuilder& account(const QString& name);
    SaleBuilder& note(const QString& note);

    const QString& number() const { return m_bill.djh; }
    const QVector<qint64>& lineIds() const { return m_lines; }
    // The record the window would post (amount due from the lines, received as set).
    SpxsPosting record() const;
    // Posts the bill; returns its number.
    QString post();

private:
    friend class Shop;
    explicit SaleBuilder(const Shop& shop);
    SpxsPosting m_bill;
    bool m_receivedSet = false;
    QVector<qint64> m_lines;
};

// A purchase return being entered, like the return window: working lines under its number,
// posted with the amount received back (default: the amount due).
class ReturnBuilder {
public:
    ReturnBuilder& line(const QString& gSn, double price, std::initializer_list<VariantQty> rows);
    ReturnBuilder& plainLine(const QString& gSn, double price, double qty);
    // Copies the whole receipt into the return (its supplier, warehouse and handler with it),
    // as the return from a receipt does; the posting then marks the receipt.
    ReturnBuilder& fromReceipt(const QString& jSn);
    ReturnBuilder& received(double amount);
    // Moves the return to that day's next number, as a change of the return date does.
    ReturnBuilder& date(const QString& date);
    ReturnBuilder& supplier(const QString& ghsSn);
    ReturnBuilder& warehouse(const QString& ckSn);
    ReturnBuilder& account(const QString& name);
    ReturnBuilder& note(const QString& note);

    const QString& number() const { return m_bill.djh; }
    CgthPosting record() const;
    QString post();

private:
    friend class Shop;
    explicit ReturnBuilder(const Shop& shop);
    CgthPosting m_bill;
    bool m_receivedSet = false;
};

// A stock transfer being entered, like the transfer window: working lines under its number,
// from the default warehouse to `to`, posted by the real posting.
class TransferBuilder {
public:
    TransferBuilder& line(const QString& gSn, std::initializer_list<VariantQty> rows);
    TransferBuilder& from(const QString& ckSn);
    TransferBuilder& date(const QString& date);
    TransferBuilder& note(const QString& note);
    const QString& number() const { return m_bill.djh; }
    QString post();

private:
    friend class Shop;
    TransferBuilder(const Shop& shop, const QString& to);
    KcdbPosting m_bill;
};

// A loss or overflow bill being entered, like the loss and overflow window: working lines
// priced at the goods' preset purchase price, in the default warehouse.
class BsbyBuilder {
public:
    BsbyBuilder& line(const QString& gSn, std::initializer_list<VariantQty> rows);
    BsbyBuilder& warehouse(const QString& ckSn);
    BsbyBuilder& date(const QString& date);
    BsbyBuilder& note(const QString& note);
    const QString& number() const { return m_bill.djh; }
    QString post();

private:
    friend class Shop;
    BsbyBuilder(const Shop& shop, BsbyKind kind);
    BsbyPosting m_bill;
};

// A count sheet being entered, like the count entry window: each line is written at once with
// its counted size and colour rows; correct() ticks the sheet alone and corrects the stock to it.
class CountBuilder {
public:
    CountBuilder& warehouse(const QString& ckSn);  // before the first line
    CountBuilder& date(const QString& date);       // before the first line
    // A line counting the goods' variants as given (the other variants as 0).
    CountBuilder& line(const QString& gSn, std::initializer_list<VariantQty> rows);
    // A line that takes the goods' size and colour stock as counted, as an untouched grid does.
    CountBuilder& asStock(const QString& gSn);

    const QString& number() const { return m_sheet.djh; }
    const QVector<qint64>& lineIds() const { return m_lines; }
    // Ticks this sheet alone, marks it and corrects the stock; returns the lines corrected.
    int correct();

private:
    friend class Shop;
    explicit CountBuilder(const Shop& shop);
    KcpdSheet m_sheet;
    QVector<qint64> m_lines;
};

// A bundle being entered, like the bundle window: components are working lines under its
// number from the moment they are added; post() posts it.
class BundleBuilder {
public:
    // A component leaving `ckSn` (default: the default warehouse) at `price` a pair.
    BundleBuilder& component(const QString& gSn, double price, std::initializer_list<VariantQty> rows,
                             const QString& ckSn = QStringLiteral("100001"));
    BundleBuilder& warehouse(const QString& ckSn);  // where the bundle goods enters
    BundleBuilder& date(const QString& date);       // moves the lines to that day's next number
    BundleBuilder& note(const QString& note);

    const QString& number() const { return m_kb.djh; }
    const KbPosting& record() const { return m_kb; }
    QString post();

private:
    friend class Shop;
    BundleBuilder(const Shop& shop, const QString& gSn, double qty);
    KbPosting m_kb;
};

// A customer return being entered, like the return window: working lines under its number,
// posted with the refund (default: the amount due).
class CustomerReturnBuilder {
public:
    CustomerReturnBuilder& line(const QString& gSn, double price, std::initializer_list<VariantQty> rows, double rate = 1);
    CustomerReturnBuilder& plainLine(const QString& gSn, double price, double qty);
    // Copies the whole sales bill into the return (its customer, warehouse, handler and amounts
    // with it), as the sales bill query does; the posting then marks the bill.
    CustomerReturnBuilder& fromSale(const QString& djh);
    CustomerReturnBuilder& refund(double amount);
    CustomerReturnBuilder& customer(const QString& khSn);
    CustomerReturnBuilder& warehouse(const QString& ckSn);
    // Dates the return "yyyy-MM-dd", moving its lines to that day's next number.
    CustomerReturnBuilder& date(const QString& date);
    CustomerReturnBuilder& handler(const QString& uSn);
    CustomerReturnBuilder& account(const QString& name);
    CustomerReturnBuilder& note(const QString& note);

    const QString& number() const { return m_bill.djh; }
    XsthPosting record() const;
    QString post();

private:
    friend class Shop;
    explicit CustomerReturnBuilder(const Shop& shop);
    XsthPosting m_bill;
    bool m_dueSet = false;
    bool m_refundSet = false;
};

// A till sale being rung up: each line a working line of one size and colour under the till's
// next number; post() pays it through the till's posting. The amount due is the lines' total
// cut as the payment dialog cuts it; cash covering it exactly unless told otherwise.
class TillSaleBuilder {
public:
    TillSaleBuilder& line(const QString& gSn, double price, const VariantQty& variant, double rate = 1);
    // The member of the card; the balance the dialog shows is the member's stored value.
    TillSaleBuilder& member(const QString& card);
    // One mode of the single panel with the amount tendered (default: due less round-off).
    TillSaleBuilder& pay(PosPayMode mode);
    TillSaleBuilder& pay(PosPayMode mode, double tendered);
    TillSaleBuilder& combined(double cash, double storedValue, double bankCard, double voucher);
    TillSaleBuilder& roundOff(double amount);
    TillSaleBuilder& warehouse(const QString& ckSn);
    TillSaleBuilder& note(const QString& note);

    const QString& number() const { return m_sale.djh; }
    const QVector<qint64>& lineIds() const { return m_lines; }
    // The record the payment dialog would post.
    PosSale record() const;
    PosSaleResult post();

private:
    friend class Shop;
    explicit TillSaleBuilder(const Shop& shop);
    PosSale m_sale;
    bool m_tenderedSet = false;
    QVector<qint64> m_lines;
};

// A till return being entered after a supervisor's authorisation: goods typed as the return
// window takes them, posted with the refund (default: the proposal).
class TillReturnBuilder {
public:
    // Adds the goods' sold lines (what remains of each); throws DbError with the refusal.
    TillReturnBuilder& goods(const QString& typed);
    TillReturnBuilder& refund(double amount);
    const QString& number() const { return m_return.djh; }
    int post();

private:
    friend class Shop;
    TillReturnBuilder(const Shop& shop, const QString& saleDjh);
    PosReturn m_return;
    bool m_refundSet = false;
};

// A loan being entered, like the lending window: working lines under its number, to the default
// customer from the default warehouse, posted by the real posting.
class LoanBuilder {
public:
    LoanBuilder& line(const QString& gSn, std::initializer_list<VariantQty> rows);
    LoanBuilder& customer(const QString& khSn);
    LoanBuilder& warehouse(const QString& ckSn);
    // Dates the loan "yyyy-MM-dd", moving its lines to that day's next number.
    LoanBuilder& date(const QString& date);
    LoanBuilder& note(const QString& note);

    const QString& number() const { return m_loan.djh; }
    const QVector<qint64>& lineIds() const { return m_lines; }
    QString post();

private:
    friend class Shop;
    explicit LoanBuilder(const Shop& shop);
    KhjhPosting m_loan;
    QVector<qint64> m_lines;
};

class Shop {
public:
    explicit Shop(const QDateTime& clock = QDateTime(QDate(2013, 5, 28), QTime(10, 0, 0)));
    ~Shop();
    Shop(const Shop&) = delete;
    Shop& operator=(const Shop&) = delete;

    // Master records; each returns the new record's code.
    QString supplier(const QString& name);
    QString supplier(const PartnerFields& fields);  // with contact data
    QString customer(const QString& name);
    QString warehouse(const QString& name);
    QString staff(const QString& name);
    // A category under the root; returns its node id (gc_cid).
    int category(const QString& name);
    // A goods item with a size group of `sizes` and a colour group of `colours` (named sizes
    // and colours are made when missing; empty lists take the built-in "均码" / "统一").
    QString goods(const QString& name, const QStringList& sizes, const QStringList& colours, double presetPrice = 0,
                  int category = 0, const QString& barcode = QString());

    // A member enrolled through the real enrolment (a deposit above 0 is paid in cash); the
    // fields not given keep the enrolment's defaults. Returns the member number.
    QString member(const QString& card, const QString& name, double points = 0, double deposit = 0);
    QString member(MemberFields fields, double deposit = 0);
    // A paid till sale of the member as the till stores it: a header of jxc_lsxsd naming the
    // member, with one line of `qty` × `price`; returns its number.
    QString memberSale(const QString& hySn, const QString& gSn, double price, double qty, int payMode = 1,
                       const QString& when = QString());

    // A new receipt under today's next number, from the default supplier into the default
    // warehouse, handled by the shop's handler.
    ReceiptBuilder receipt() const;
    // A new sales bill under today's next number, to the default customer from the default
    // warehouse, handled by the shop's handler.
    SaleBuilder sale() const;
    // A new purchase return under today's next number, like receipt().
    ReturnBuilder purchaseReturn() const;
    // A new till sale under today's next number from the default warehouse, handled by the
    // shop's handler, paid in cash.
    TillSaleBuilder tillSale() const;
    // A new till return of the posted till sale `saleDjh`.
    TillReturnBuilder tillReturn(const QString& saleDjh) const;
    // A new customer return under today's next number, from the default customer into the
    // default warehouse, handled by the shop's handler.
    CustomerReturnBuilder customerReturn() const;
    // A new count sheet of the default warehouse, dated today.
    CountBuilder count() const;
    // A new bundle of `qty` × `gSn` into the default warehouse under today's next number.
    BundleBuilder bundle(const QString& gSn, double qty) const;
    // A new stock transfer under today's next number, from the default warehouse to `to`.
    TransferBuilder transfer(const QString& to) const;
    // A new loss / overflow bill under today's next number in the default warehouse.
    BsbyBuilder loss() const;
    BsbyBuilder overflow() const;
    // A new loan under today's next number, to the default customer from the default warehouse.
    LoanBuilder loan() const;

    const QString& handlerSn() const { return m_handler; }
    TestDb& db() { return m_db; }

private:
    TestDb m_db;
    QString m_handler;
};
