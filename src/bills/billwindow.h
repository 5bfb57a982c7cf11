// The base of the bill windows (receipts, returns, sales, exchanges, transfers, loss and
// overflow, lending, the till): a bill being entered as working lines under a provisional
// number, and what every bill window does with it.
//
// A bill kind describes itself once (BillKind). The window draws the provisional number of
// today at every activation and after every save, deleting the stray lines left under that
// number (and only those); a change of the bill date moves the lines to that day's next
// number; every change of the lines ends in the totals hook updateBottomJe. Closing a window
// that has lines asks "当前单据还未保存，是否保存？": yes saves (a refused or cancelled save
// keeps the window open with its lines), no deletes the lines, cancel stays.
//
// The save (runSave) is the window's saveBill; when it saved, afterSaved (printing) runs
// and then the reset resetBill, always: also when printing fails, and whatever the skip flag
// says, so that a saved bill never stays on screen to be saved twice. The skip flag
// (setSkipActivate, set after a confirmed print) swallows only a real activation.
//
// Keys: panels shown over the bill (a partner search panel) take the keys first
// (addKeyPanel), then billKeyDown.
#pragma once

#include "data/billtables.h"
#include "platform/form.h"

#include <QList>
#include <QString>
#include <functional>

class Money;
class NamedQuery;
class QComboBox;
class QDate;
class QLineEdit;
class ResultSet;
class QKeyEvent;
class QLabel;
class QToolButton;

struct BillKind {
    const BillLineTables* lines;  // the working line tables
    const char* headerTable;      // the posted headers the numbering reads, e.g. "jxc_jhd"
    const char* headerNumber;     // their number column, e.g. "j_sn"
    const char* prefix;           // the number's prefix, e.g. "CJ"
    NamedQuery* lineQuery;        // the line grid's query, e.g. Q_Jhsp
    // The line query's statement for a number (already safe for SQL).
    std::function<QString(const QString& number)> lineSql;
    // The goods that balances a discount: its lines are left out of the totals.
    const char* discountGoods = "00000000";
    // Lines found under the number drawn at activation join the new bill (else they are
    // deleted as strays): the sales bill and the return, whose callers write lines under
    // the number before they open the window.
    bool keepStrayLines = false;
};

class TF_BillWindow : public TF_Form {
    Q_OBJECT
public:
    const BillKind& billKind() const { return m_kind; }
    // The provisional number of the bill on screen.
    const QString& number() const { return m_number; }
    // Whether the bill has lines (the line query's rows).
    bool hasLines() const;
    // The id of the line query's current row (0 when none).
    qint64 currentLineId() const;
    // Sum of the lines' amounts without the discount goods, as text; "" for a bill without lines.
    QString linesTotal() const;

    // The save with what follows it: true when the bill was saved (and the window reset).
    bool runSave();

protected:
    TF_BillWindow(const BillKind& kind, QWidget* parent = nullptr);

    // Draws today's provisional number, deletes the stray lines under it (unless the kind keeps
    // them), shows it and opens the lines.
    void drawNumber();
    // Moves the lines to the next number of `date` in one step (stray lines under that number
    // are deleted first). On any error the bill keeps its number and lines; returns false.
    bool moveToDate(const QDate& date);
    // Reopens the line query for the number (on its last row when `toLast`), then
    // linesChanged.
    void reopenLines(bool toLast = false);
    // Deletes the current line with its size and colour rows after "您确定要删除当前选中的商品
    // 吗！"; returns true when it was deleted.
    bool deleteCurrentLine();
    // Deletes every line of the bill with their size and colour rows.
    void discardBill();

    // Opens the goods picker for the bill in `warehouse` (paramValue is `word` for the call), then
    // reopens the lines; returns whether lines were added.
    bool runGoodsPicker(const QString& word, const QString& warehouse, const std::function<void()>& open);
    // Opens the line dialog `open` on the current line in mode `mode`, then reopens the lines on
    // the same row.
    void runLineDialog(const QString& mode, const QString& warehouse, const std::function<void()>& open);
    // Adds one of the goods with `barcode` (the first of them) as a new line priced by `price`
    // from the goods' row of `columns`, goes to it and clears `box`; then `edit` when the line
    // dialog opens after a barcode. An unknown barcode says so and adds nothing.
    void enterBarcode(QLineEdit* box, const QString& columns, const std::function<Money(const ResultSet&)>& price,
                      bool openAfter, const std::function<void()>& edit);
    // The lines' total into `due` and `paid` ("0" when the bill has no lines); returns it.
    QString showLinesTotal(QLabel* due, QLineEdit* paid);
    // The checks of the bill's head before a save, in this order: lines, partner, handler,
    // warehouse, then the amount; shows the first refusal and returns false. `amount` receives
    // the amount when it is a number.
    struct HeadCheck {
        QString noLines;      // "单据中没有业务发生，不能保存！"
        QLineEdit* partner;
        QString noPartner;    // "请选择供货商！"
        QComboBox* handler;
        QComboBox* warehouse;
        QLineEdit* amount;
        QString badAmount;    // "实付金额不是有效的数字，请重新输入！"
    };
    bool checkHead(const HeadCheck& check, Money* amount = nullptr);

    // A window that enters two bill kinds (loss and overflow) switches between them; the caller
    // then draws a number of the new kind.
    void setBillKind(const BillKind& kind) { m_kind = kind; }
    // The label that shows the number.
    void setNumberLabel(QLabel* label) { m_numberLabel = label; }
    // After every change of the lines: the line buttons, then the totals.
    void linesChanged();
    virtual void showLineButtons(bool hasLines) { (void)hasLines; }
    virtual void updateBottomJe() {}

    // The kind's save: checks, prompt and posting. Returns true when the bill was saved.
    virtual bool saveBill() = 0;
    // What follows a save before the reset (printing); an error is shown and the reset runs.
    virtual void afterSaved() {}
    // Sets the window up for a new bill (the activation's work).
    virtual void resetBill() = 0;
    void FormActivate() override { resetBill(); }
    bool FormCloseQuery() override;

    // A panel laid over the bill that takes the keys first while it is shown.
    void addKeyPanel(QWidget* panel, std::function<bool(QKeyEvent*)> keys);
    virtual bool billKeyDown(QKeyEvent* event) { (void)event; return false; }
    bool FormKeyDown(QKeyEvent* event) override;

    // Runs `action` whenever one of `widgets` takes the focus (panels that open or close as
    // the operator moves through the bill's boxes).
    void onFocusIn(const QList<QWidget*>& widgets, std::function<void()> action);

    // A small button beside `box` (the handler combo, the note box) that shows while the box or
    // one of `alsoBoxes` has the focus and hides when they lose it; a click runs `open`, which
    // opens the picker with the bill's caller word (this library knows no picker). Returns the
    // box and the button laid out together.
    QWidget* withPickerButton(QWidget* box, const char* objectName, std::function<void()> open,
                              const QList<QWidget*>& alsoBoxes = {});

private:
    BillKind m_kind;
    QString m_number;
    QLabel* m_numberLabel = nullptr;
    QList<std::pair<QWidget*, std::function<bool(QKeyEvent*)>>> m_keyPanels;
};
