#include "masterdata/lxdialogs.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "masterdata/contacts.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TF_Ghslx_Add* F_Ghslx_Add = nullptr;
TF_Ghslx_Modi* F_Ghslx_Modi = nullptr;
TF_Khlx_Add* F_Khlx_Add = nullptr;
TF_Khlx_Modi* F_Khlx_Modi = nullptr;

namespace {

NamedQuery* entryQuery(PartnerKind kind)
{
    return kind == PartnerKind::Ghs ? DataModule->Q_Ghslx : DataModule->Q_Khlx;
}

}  // namespace

void fillStaffCombo(QComboBox* combo)
{
    fillCodeComboWhere(combo, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString(),
                       QStringLiteral("where u_name<>''"), QStringLiteral("id"), QStringLiteral("u_sn"));
}

TF_LxDialog::TF_LxDialog(PartnerKind kind, bool modify, QWidget* parent) : TF_Form(parent), m_kind(kind), m_modify(modify)
{
    const bool ghs = kind == PartnerKind::Ghs;
    setObjectName(QStringLiteral("F_%1lx_%2").arg(ghs ? QStringLiteral("Ghs") : QStringLiteral("Kh"),
                                                  modify ? QStringLiteral("Modi") : QStringLiteral("Add")));
    setWindowTitle(ghs ? QStringLiteral("供货商联系记录") : QStringLiteral("客户联系记录"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    dDate = new QDateEdit(this);
    dDate->setObjectName(QStringLiteral("dDate"));
    dDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dDate->setCalendarPopup(true);
    auto* noteBox = new QGroupBox(QStringLiteral("联系内容"), this);
    mNote = new QPlainTextEdit(noteBox);
    mNote->setObjectName(QStringLiteral("mNote"));
    (new QVBoxLayout(noteBox))->addWidget(mNote);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("联系人："), comUser);
    form->addRow(QStringLiteral("联系时间："), dDate);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addWidget(noteBox, 1);
    main->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_LxDialog::FormActivate()
{
    fillStaffCombo(comUser);
    if (!m_modify) {
        dDate->setDate(Clock::today());
        comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
        mNote->clear();
    } else {
        NamedQuery* q = entryQuery(m_kind);
        dDate->setDate(QDate::fromString(q->fieldByName(QStringLiteral("lx_rq")), QStringLiteral("yyyy-MM-dd")));
        mNote->setPlainText(q->fieldByName(QStringLiteral("lx_note")));
        comUser->setCurrentIndex(comUser->findText(q->fieldByName(QStringLiteral("u_name")), Qt::MatchExactly));
    }
    mNote->setFocus();
}

void TF_LxDialog::btnOKClick()
{
    const QString date = dDate->text();
    const QString uSn = comUser->currentCodeOrEmpty();
    const QString refusal =
        m_modify ? modifyContactLog(m_kind, entryQuery(m_kind)->fieldByName(QStringLiteral("id")).toLongLong(), date, uSn,
                                    mNote->toPlainText())
                 : addContactLog(m_kind, m_kind == PartnerKind::Ghs ? curGhsSn : curKhSn, date, uSn, mNote->toPlainText());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
