// The line dialog: one goods item of a bill, its unit price and its quantities per size and
// colour, beside the goods' stock in the bill's warehouse in the same shape.
//
// The caller sets `curGoodsSn` (the goods) and `modeFlag` (the mode word) and describes the
// target in `lineDialogTarget` (the bill's number and warehouse, the line or scratch row a
// modifying mode edits), opens the dialog, and clears the globals when it closes. "确定" (F5)
// writes the line with its size and colour rows in one transaction and closes; Esc closes
// without writing. Each bill's dialog derives from TF_LineDialog, gives its texts and its
// offered price, and adds its modes; a mode word the dialog does not know writes nothing.
// Bills that sell at a discount show a discount rate box: the amount is then price × rate ×
// quantity, and a rate outside (0, 1] is refused before the quantity is checked.
#pragma once

#include "data/billtables.h"
#include "data/values.h"
#include "platform/form.h"

#include <QString>
#include <QVector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ResultSet;
class SizeColorGrid;
struct SizeColorAxes;

// What the dialog writes into, handed over by its caller.
struct LineDialogTarget {
    QString number;     // the bill's number: new lines are written under it
    QString warehouse;  // the bill's warehouse code: the stock shown
    qint64 lineId = 0;  // the line (or scratch row) that a modifying mode edits
};
extern LineDialogTarget lineDialogTarget;

// The axes a goods item is entered in: its size and colour groups, where a group without
// members gives way to the built-in group "100001" ("均码" / "统一").
SizeColorAxes lineAxesOfGoods(const QString& goodsSn);

class TF_LineDialog : public TF_Form {
    Q_OBJECT
public:
    // What "确定" writes.
    enum class Write {
        ScratchAdd,     // a new row of the goods picker's scratch list
        ScratchModify,  // the scratch row lineDialogTarget.lineId
        LineAdd,        // a new line of the bill lineDialogTarget.number
        LineModify,     // the line lineDialogTarget.lineId
    };
    // The price offered when the dialog opens.
    enum class Price {
        Offered,  // offeredPrice() of the goods
        Quoted,   // the price handed over in `choiceParam`
        Line,     // the modified line's own price (and its quantity)
    };
    struct Mode {
        QString word;
        Write write;
        const BillLineTables* lines;  // the line tables (Line* writes)
        Price price;
        // Runs after the write in the same transaction with lineDialogTarget.number (a pending
        // bill's payable); nullptr: nothing.
        void (*after)(const QString& number) = nullptr;
        // The line is stored with its sign turned (goods coming back in an exchange): it opens
        // with positive quantities, and quantity, amount and size and colour rows are written
        // negative.
        bool negated = false;
    };

    // The mode of the current opening; nullptr for a word the dialog does not know.
    const Mode* currentMode() const { return m_mode; }
    // The id of the line or scratch row the last "确定" wrote (0 when none was written).
    qint64 writtenId() const { return m_writtenId; }

    void btnOKClick();
    // The price box (the named-price list writes the chosen price into it).
    QLineEdit* priceBox() const { return m_price; }

protected:
    struct Texts {
        QString hint;           // "请在下面表格中输入您的进货数量"
        QString group;          // "商品进货信息"
        QString priceLabel;     // "参考进价："
        QString captionPrefix;  // "商品信息(采购进货)"
        bool lastPrice = true;  // shows "上次进价："
        int priceLength = 8;    // characters of the price box
        bool discount = false;  // "打折率：" box (lines with a discount rate)
        bool priceList = false; // a button beside the price opens the goods' named prices
        bool priceShown = true; // bills without money (transfers, loss and overflow) hide price and amount
        QString zeroQuantity = QStringLiteral("数量必须大于0，重新输入！");
    };
    explicit TF_LineDialog(const Texts& texts, QWidget* parent = nullptr);

    void addMode(const Mode& mode);
    // The price offered for a goods (the row of jxc_goods) in the modes that offer one.
    virtual Money offeredPrice(const ResultSet& goods) const = 0;
    // Checks run before writing, after the quantity check; a message refuses the write.
    virtual QString refuseWrite() { return {}; }
    // Warnings after the checks (yes/no questions); false keeps the dialog open unwritten.
    virtual bool confirmWrite() { return true; }
    // After the opening has filled the dialog (price, rate, quantities of the mode).
    virtual void lineOpened() {}
    // The price-list button (Texts::priceList).
    virtual void openPriceList() {}
    // Runs after the write of line or scratch row `id`, in the same transaction.
    virtual void lineWritten(const Mode& mode, qint64 id) { (void)mode; (void)id; }

    Money price() const;
    Money rate() const;  // 1 without a discount box
    Money quantity() const;
    // The stock shown ("当前库存：").
    Money stockNow() const;
    QPushButton* priceListButton() const { return m_priceList; }

    void FormActivate() override;
    void FormClose() override;

    SizeColorGrid* entryGrid() const { return m_entry; }
    SizeColorGrid* stockGrid() const { return m_stock; }

private:
    void loadLine(const Mode& mode, const QString& goods);
    void updateAmount();
    qint64 write(const Mode& mode, const QString& goods);

    Texts m_texts;
    QVector<Mode> m_modes;
    const Mode* m_mode = nullptr;
    qint64 m_writtenId = 0;

    QLabel* m_lastPrice = nullptr;
    QLineEdit* m_price = nullptr;
    QLineEdit* m_rate = nullptr;
    QPushButton* m_priceList = nullptr;
    QLineEdit* m_total = nullptr;
    QLineEdit* m_amount = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_spec = nullptr;
    QLabel* m_unit = nullptr;
    QLabel* m_maker = nullptr;
    QLabel* m_stockNow = nullptr;
    QLabel* m_note = nullptr;
    QTabWidget* m_pages = nullptr;
    QCheckBox* m_hideZero = nullptr;
    SizeColorGrid* m_stock = nullptr;
    SizeColorGrid* m_entry = nullptr;
};
