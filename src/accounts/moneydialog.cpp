#include "accounts/moneydialog.h"

#include "accounts/moneyvoucher.h"
#include "accounts/partyregister.h"  // moneyBox
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CodeComboBox* namedCodeCombo(QWidget* parent, const char* name)
{
    auto* combo = new CodeComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

TF_MoneyDialog::TF_MoneyDialog(int noteLength, QWidget* parent) : TF_Form(parent)
{
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    comYhzh = namedCodeCombo(this, "comYhzh");
    tfyje = moneyBox(this, "tfyje", 10);
    comUser = namedCodeCombo(this, "comUser");
    tnote = nameBox(this, "tnote", noteLength);
    btnOK = namedButton(this, "btnOK", QStringLiteral("增加(F5)"));
    btnPrin = namedButton(this, "btnPrin", QStringLiteral("打印(F4)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnPrin, [this] { btnPrinClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_MoneyDialog::layOut(QFormLayout* form)
{
    // The Tab key follows the rows, then the buttons.
    QList<QWidget*> chain;
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem* item = form->itemAt(row, QFormLayout::FieldRole);
        if (item && item->widget() && item->widget()->focusPolicy() != Qt::NoFocus)
            chain << item->widget();
    }
    chain << btnOK << btnPrin << btnExit;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnOK, btnPrin, btnExit}));
}

void TF_MoneyDialog::previewVoucher(bool receipt, const QString& fymc)
{
    previewMoneyVoucher({.title = companyShortName + (receipt ? QStringLiteral("收款单") : QStringLiteral("付款单")),
                         .fymc = fymc,
                         .fkfs = comYhzh->currentText(),
                         .pnote = tnote->text().trimmed(),
                         .uname = comUser->currentText(),
                         .aname = operatorName,
                         .amount = Money::fromText(tfyje->text())},
                        this);
}

void TF_MoneyDialog::FormActivate()
{
    fillAccountCombo(comYhzh);
    fillNamedStaffCombo(comUser);
    tnote->clear();
    tfyje->setText(QStringLiteral("0"));
    tfyje->setFocus();
    tfyje->selectAll();
}

bool TF_MoneyDialog::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4) {
        runGuarded([this] { btnPrinClick(); });
        return true;
    }
    return false;
}
