#include "bills/billwindow.h"

#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/routineargs.h"
#include "platform/combofill.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// Shows the button while the focus is in one of its boxes, hides it when the focus leaves
// them (the button itself takes no focus, so clicking it keeps the focus where it was).
class PickerButtonWatch : public QObject {
public:
    PickerButtonWatch(QToolButton* button, QList<QWidget*> boxes)
        : QObject(button), m_button(button), m_boxes(std::move(boxes))
    {
        for (QWidget* box : m_boxes)
            box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            m_button->show();
        } else if (event->type() == QEvent::FocusOut) {
            const QWidget* now = QApplication::focusWidget();
            bool inside = false;
            for (const QWidget* box : std::as_const(m_boxes))
                inside = inside || (now && (now == box || box->isAncestorOf(now)));
            // A popup (the combo's list) takes the focus only for a moment.
            if (!inside && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                m_button->hide();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QToolButton* m_button;
    QList<QWidget*> m_boxes;
};

// Runs an action when one of the watched widgets takes the focus.
class FocusInWatch : public QObject {
public:
    FocusInWatch(QObject* parent, const QList<QWidget*>& widgets, std::function<void()> action)
        : QObject(parent), m_action(std::move(action))
    {
        for (QWidget* w : widgets)
            w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            runGuarded(m_action);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

}  // namespace

TF_BillWindow::TF_BillWindow(const BillKind& kind, QWidget* parent) : TF_Form(parent), m_kind(kind) {}

bool TF_BillWindow::hasLines() const
{
    return m_kind.lineQuery->rowCount() > 0;
}

qint64 TF_BillWindow::currentLineId() const
{
    return m_kind.lineQuery->fieldByName(QStringLiteral("id")).toLongLong();
}

QString TF_BillWindow::linesTotal() const
{
    const BillLineTables& t = *m_kind.lines;
    if (!t.amountColumn)
        return {};
    return selectValue(QStringLiteral("select sum(%1) as zje from %2 where g_sn<>? and %3=?")
                           .arg(sqlName(QLatin1String(t.amountColumn)), sqlName(QLatin1String(t.lineTable)),
                                sqlName(QLatin1String(t.numberColumn))),
                       {{QString(), QString::fromLatin1(m_kind.discountGoods)}, {QString(), m_number}});
}

void TF_BillWindow::drawNumber()
{
    m_number = getMaxDjh(QLatin1String(m_kind.headerTable), QLatin1String(m_kind.headerNumber),
                         QLatin1String(m_kind.prefix));
    if (m_numberLabel)
        m_numberLabel->setText(m_number);
    if (!m_kind.keepStrayLines)
        discardLines(*m_kind.lines, m_number);
    reopenLines();
}

bool TF_BillWindow::moveToDate(const QDate& date)
{
    // The move is one transaction: on an error nothing moved and the old number stands.
    bool moved = true;
    try {
        const QString to = getMaxDjhByDate(QLatin1String(m_kind.headerTable), QLatin1String(m_kind.headerNumber),
                                           QLatin1String(m_kind.prefix), dateText(date));
        moveLines(*m_kind.lines, m_number, to);
        m_number = to;
    } catch (const DbError&) {
        moved = false;
    }
    if (m_numberLabel)
        m_numberLabel->setText(m_number);
    reopenLines();
    return moved;
}

void TF_BillWindow::reopenLines(bool toLast)
{
    openQuery(m_kind.lineQuery, m_kind.lineSql(m_number));
    if (toLast && hasLines())
        m_kind.lineQuery->setCurrentRow(m_kind.lineQuery->rowCount() - 1);
    linesChanged();
}

void TF_BillWindow::linesChanged()
{
    showLineButtons(hasLines());
    updateBottomJe();
}

bool TF_BillWindow::deleteCurrentLine()
{
    if (!hasLines() || !msgYesNo(QStringLiteral("您确定要删除当前选中的商品吗！"), this))
        return false;
    deleteLine(*m_kind.lines, currentLineId());
    reopenLines();
    return true;
}

void TF_BillWindow::discardBill()
{
    discardLines(*m_kind.lines, m_number);
    reopenLines();
}

bool TF_BillWindow::runSave()
{
    if (!saveBill())
        return false;
    runGuarded([this] { afterSaved(); });
    resetBill();
    return true;
}

bool TF_BillWindow::FormCloseQuery()
{
    if (!hasLines())
        return true;
    switch (msgYesNoCancel(QStringLiteral("当前单据还未保存，是否保存？"), this)) {
    case MsgAnswer::Yes:
        return runSave();
    case MsgAnswer::No:
        discardBill();
        return true;
    default:
        return false;
    }
}

void TF_BillWindow::addKeyPanel(QWidget* panel, std::function<bool(QKeyEvent*)> keys)
{
    m_keyPanels.push_back({panel, std::move(keys)});
}

bool TF_BillWindow::FormKeyDown(QKeyEvent* event)
{
    for (const auto& [panel, keys] : std::as_const(m_keyPanels)) {
        if (panel->isVisible() && keys(event))
            return true;
    }
    return billKeyDown(event);
}

void TF_BillWindow::onFocusIn(const QList<QWidget*>& widgets, std::function<void()> action)
{
    new FocusInWatch(this, widgets, std::move(action));
}

QWidget* TF_BillWindow::withPickerButton(QWidget* box, const char* objectName, std::function<void()> open,
                                         const QList<QWidget*>& alsoBoxes)
{
    auto* holder = new QWidget;
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(objectName));
    button->setText(QStringLiteral("…"));
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    row->addWidget(box, 1);
    row->addWidget(button);
    onClicked(button, std::move(open));
    new PickerButtonWatch(button, QList<QWidget*>{box} + alsoBoxes);
    return holder;
}

bool TF_BillWindow::runGoodsPicker(const QString& word, const QString& warehouse, const std::function<void()>& open)
{
    const int before = m_kind.lineQuery->rowCount();
    paramValue = word;
    goodsPickerTarget = {.number = m_number, .warehouse = warehouse};
    open();
    paramValue.clear();
    goodsPickerTarget = {};
    reopenLines();
    return m_kind.lineQuery->rowCount() > before;
}

void TF_BillWindow::runLineDialog(const QString& mode, const QString& warehouse, const std::function<void()>& open)
{
    modeFlag = mode;
    curGoodsSn = m_kind.lineQuery->fieldByName(QStringLiteral("g_sn"));
    lineDialogTarget = {.number = m_number, .warehouse = warehouse, .lineId = currentLineId()};
    const int row = m_kind.lineQuery->currentRow();
    open();
    modeFlag.clear();
    curGoodsSn.clear();
    lineDialogTarget = {};
    reopenLines();
    m_kind.lineQuery->setCurrentRow(row);
}

void TF_BillWindow::enterBarcode(QLineEdit* box, const QString& columns,
                                 const std::function<Money(const ResultSet&)>& price, bool openAfter,
                                 const std::function<void()>& edit)
{
    const QString barcode = box->text().trimmed();
    if (barcode.isEmpty())
        return;
    const ResultSet goods = openSelect(
        QStringLiteral("select %1 from jxc_goods where g_sptm=? order by id limit 1").arg(columns), {{QString(), barcode}});
    if (goods.isEmpty()) {
        msgInfo(QStringLiteral("没有找到与该条码匹配的商品，请检查！"), this);
        return;
    }
    writeLine(*m_kind.lines, m_number,
              {.gSn = goods.text(0, 0), .price = price(goods), .rows = {}, .quantity = Money::fromDouble(1)});
    reopenLines(/*toLast=*/true);
    box->clear();
    if (openAfter)
        edit();
}

QString TF_BillWindow::showLinesTotal(QLabel* due, QLineEdit* paid)
{
    const QString total = linesTotal();
    due->setText(total);
    paid->setText(total.isEmpty() ? QStringLiteral("0") : total);
    return total;
}

bool TF_BillWindow::checkHead(const HeadCheck& check, Money* amount)
{
    QString refusal;
    if (!hasLines())
        refusal = check.noLines;
    else if (check.partner->text().trimmed().isEmpty())
        refusal = check.noPartner;
    else if (check.handler->currentText() == QStringView(kNewHandlerItem) || check.handler->currentText().isEmpty())
        refusal = QStringLiteral("请选择经办人！");
    else if (check.warehouse->currentText().isEmpty())
        refusal = QStringLiteral("请选择仓库！");
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return false;
    }
    bool ok = false;
    const Money value = Money::fromText(check.amount->text().trimmed(), &ok);
    if (!ok) {
        msgInfo(check.badAmount, this);
        return false;
    }
    if (amount)
        *amount = value;
    return true;
}
