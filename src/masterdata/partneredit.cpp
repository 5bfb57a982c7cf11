#include "masterdata/partneredit.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/ghsgl_type.h"
#include "masterdata/khgl_type.h"
#include "masterdata/zone.h"
#include "platform/combofill.h"
#include "platform/displayformat.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kBalanceFormat = QStringLiteral("￥,0.00;￥-,0.00");

}  // namespace

PartnerEditForm::PartnerEditForm(PartnerKind kind, bool modify, QWidget* parent)
    : TF_Form(parent), m_side(partnerSide(kind)), m_modify(modify)
{
    setWindowTitle(modify ? m_side.modiCaption : m_side.addCaption);
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto edit = [this](const char* name, int maxLength) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        return e;
    };
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(false);
        return c;
    };
    auto pick = [this](const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QStringLiteral("..."));
        return b;
    };
    tname = edit("tname", 64);
    comType = combo("comType");
    btnType = pick("btnType");
    comZone = combo("comZone");
    btnZone = pick("btnZone");
    ttele = edit("ttele", 32);
    tlxr = edit("tlxr", 16);
    tqcje = edit("tqcje", 32);
    tqcje->setReadOnly(true);
    tqcje->setAlignment(Qt::AlignRight);
    taddress = edit("taddress", 64);
    tnote = edit("tnote", 255);
    chkDefault = new QCheckBox(m_side.defaultBox, this);
    chkDefault->setObjectName(QStringLiteral("chkDefault"));
    chkForbid = new QCheckBox(QStringLiteral("禁用"), this);
    chkForbid->setObjectName(QStringLiteral("chkForbid"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    lblNote = new QLabel(m_side.balanceNote, this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setVisible(!modify || m_side.balanceNoteInModi);

    auto* grid = new QGridLayout;
    auto row = [&](int r, const QString& label, QWidget* field, QWidget* button = nullptr) {
        grid->addWidget(new QLabel(label, this), r, 0);
        if (!button) {
            grid->addWidget(field, r, 1, 1, 2);
            return;
        }
        grid->addWidget(field, r, 1);
        grid->addWidget(button, r, 2);
    };
    row(0, m_side.nameLabel, tname);
    row(1, m_side.typeCaption + QStringLiteral("："), comType, btnType);
    row(2, QStringLiteral("所属地区："), comZone, btnZone);
    row(3, QStringLiteral("联系电话："), ttele);
    row(4, QStringLiteral("联系人："), tlxr);
    row(5, m_side.balanceLabel, tqcje);
    grid->addWidget(lblNote, 6, 1, 1, 2);
    row(7, QStringLiteral("联系地址："), taddress);
    row(8, QStringLiteral("备        注："), tnote);
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkDefault);
    checks->addWidget(chkForbid);
    checks->addStretch(1);
    auto* buttons = buttonRow({btnOK, btnCancel});
    auto* col = new QVBoxLayout(this);
    col->addLayout(grid);
    col->addLayout(checks);
    col->addLayout(buttons);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
    onClicked(btnType, [this] { btnTypeClick(); });
    onClicked(btnZone, [this] { btnZoneClick(); });
}

void PartnerEditForm::fillCombos()
{
    fillCxComboBox(comType, m_side.typeTable, m_side.typeColumn, QString(), QStringLiteral("1"), QStringLiteral("id"));
    fillCxComboBox(comZone, QStringLiteral("jxc_zone"), QStringLiteral("z_name"), QString(), QStringLiteral("1"),
                   QStringLiteral("id"));
}

void PartnerEditForm::FormActivate()
{
    fillCombos();
    if (!m_modify) {
        comType->setCurrentIndex(0);
        comZone->setCurrentIndex(0);
        for (QLineEdit* e : {tnote, tname, tlxr, ttele, taddress})
            e->clear();
        chkDefault->setChecked(false);
        chkForbid->setChecked(false);
        tqcje->setText(formatNumber(kBalanceFormat, 0.0));
        tname->setFocus();
        return;
    }
    // The partner at the current row of the shared list, read as it is stored now.
    m_code = m_side.query()->fieldByName(m_side.col("sn"));
    const bool locked = partnerNameLocked(m_side.kind, m_code);
    if (m_side.kind == PartnerKind::Ghs)
        syncGhsBalanceCopy();
    const ResultSet row = openSelect(QStringLiteral("select * from %1 where %2=:sn").arg(m_side.table, m_side.col("sn")),
                                     {{QStringLiteral(":sn"), m_code}});
    tname->setText(row.text(0, m_side.col("name")));
    tlxr->setText(row.text(0, m_side.col("lxr")));
    ttele->setText(row.text(0, m_side.col("tele")));
    tqcje->setText(formatNumber(kBalanceFormat, row.text(0, m_side.balanceShown)));
    taddress->setText(row.text(0, m_side.col("address")));
    tnote->setText(row.text(0, m_side.col("note")));
    comType->setCurrentIndex(comType->findText(row.text(0, m_side.typeColumn)));
    comZone->setCurrentIndex(comZone->findText(row.text(0, QStringLiteral("z_name"))));
    chkDefault->setChecked(row.text(0, m_side.col("default")) == u"True");
    chkForbid->setChecked(row.text(0, m_side.col("forbid")) == u"True");
    tname->setReadOnly(locked);
    tname->setFocus();
}

PartnerFields PartnerEditForm::fields() const
{
    PartnerFields f;
    f.name = tname->text();
    f.lxr = tlxr->text();
    f.tele = ttele->text();
    f.address = taddress->text();
    f.note = tnote->text();
    f.typeName = comType->currentText();
    f.zoneName = comZone->currentText();
    f.isDefault = chkDefault->isChecked();
    f.forbid = chkForbid->isChecked();
    return f;
}

void PartnerEditForm::btnOKClick()
{
    if (m_modify) {
        if (m_code.isEmpty()) {
            reject();
            return;
        }
        const QString refusal = modifyPartner(m_side.kind, m_code, fields());
        if (!refusal.isEmpty()) {
            msgInfo(refusal, this);
            return;
        }
        accept();
        return;
    }
    const PartnerResult added = addPartner(m_side.kind, fields());
    if (!added.ok()) {
        msgInfo(added.message, this);
        return;
    }
    // The shared list shows the new partner and stands on it; the sales bill takes it from there,
    // so it is told only when the list holds it (a disabled customer is not offered to a bill).
    const bool shown = showPartnerInList(m_side.kind, added.code);
    if (m_side.kind == PartnerKind::Kh && detailTable == u"xs" && shown)
        detailTable = QStringLiteral("xs9");
    accept();
}

void PartnerEditForm::openPicker(TF_Form* picker)
{
    callerFlag = m_modify ? m_side.modiWord : m_side.addWord;
    picker->showModalForm();
    callerFlag.clear();
}

void PartnerEditForm::btnTypeClick()
{
    if (m_side.kind == PartnerKind::Ghs)
        openPicker(ensureForm(F_Ghsgl_Type));
    else
        openPicker(ensureForm(F_Khgl_Type));
}

void PartnerEditForm::btnZoneClick()
{
    openPicker(ensureForm(F_Zone));
}
