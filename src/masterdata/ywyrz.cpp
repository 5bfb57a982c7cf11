#include "masterdata/ywyrz.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/namedquery.h"
#include "masterdata/contacts.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TF_Ywyrz_Add* F_Ywyrz_Add = nullptr;
TF_Ywyrz_Modi* F_Ywyrz_Modi = nullptr;

TF_Ywyrz_Add::TF_Ywyrz_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ywyrz_Add"));
    setWindowTitle(QStringLiteral("业务员日志"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    dDate = new QDateEdit(this);
    dDate->setObjectName(QStringLiteral("dDate"));
    dDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dDate->setCalendarPopup(true);
    auto* noteBox = new QGroupBox(QStringLiteral("日志内容"), this);
    mNote = new QPlainTextEdit(noteBox);
    mNote->setObjectName(QStringLiteral("mNote"));
    (new QVBoxLayout(noteBox))->addWidget(mNote);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("日志日期："), dDate);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addWidget(noteBox, 1);
    main->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Ywyrz_Add::FormActivate()
{
    dDate->setDate(Clock::today());
    mNote->clear();
    mNote->setFocus();
}

void TF_Ywyrz_Add::btnOKClick()
{
    const QString refusal = addDiaryEntry(uSn, dDate->text(), mNote->toPlainText());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}

TF_Ywyrz_Modi::TF_Ywyrz_Modi(QWidget* parent) : TF_Ywyrz_Add(parent)
{
    setObjectName(QStringLiteral("F_Ywyrz_Modi"));
}

void TF_Ywyrz_Modi::FormActivate()
{
    NamedQuery* q = DataModule->Q_Ywyrz;
    dDate->setDate(QDate::fromString(q->fieldByName(QStringLiteral("rz_rq")), QStringLiteral("yyyy-MM-dd")));
    mNote->setPlainText(q->fieldByName(QStringLiteral("rz_note")));
    mNote->setFocus();
}

void TF_Ywyrz_Modi::btnOKClick()
{
    const QString refusal =
        modifyDiaryEntry(DataModule->Q_Ywyrz->fieldByName(QStringLiteral("id")).toLongLong(), dDate->text(), mNote->toPlainText());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
