#include "members/hygl_gjcx.h"

#include "data/clock.h"
#include "members/memberqueries.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Hygl_Gjcx* F_Hygl_Gjcx = nullptr;

namespace {

QCheckBox* tick(QWidget* parent, const QString& name, const QString& caption)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

// The tick enables its editors.
void governs(QCheckBox* box, std::initializer_list<QWidget*> editors)
{
    for (QWidget* e : editors) {
        e->setEnabled(false);
        QObject::connect(box, &QCheckBox::toggled, e, &QWidget::setEnabled);
    }
}

}  // namespace

TF_Hygl_Gjcx::TF_Hygl_Gjcx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hygl_Gjcx"));
    setWindowTitle(QStringLiteral("高级查询"));
    setEscCloses(true);

    auto* grid = new QGridLayout;
    int row = 0;
    chkYh = tick(this, QStringLiteral("chkYh"), QStringLiteral("优惠方式"));
    cbYh = new QComboBox(this);
    cbYh->setObjectName(QStringLiteral("cbYh"));
    governs(chkYh, {cbYh});
    grid->addWidget(chkYh, row, 0);
    grid->addWidget(cbYh, row++, 1, 1, 3);

    const QString amountCaptions[] = {QStringLiteral("会员积分"), QStringLiteral("累计消费"), QStringLiteral("卡内金额")};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        chkAmount[i] = tick(this, QStringLiteral("chkAmount") + n, amountCaptions[i]);
        cbOp[i] = new QComboBox(this);
        cbOp[i]->setObjectName(QStringLiteral("cbOp") + n);
        cbOp[i]->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")});
        edtAmount[i] = new QLineEdit(this);
        edtAmount[i]->setObjectName(QStringLiteral("edtAmount") + n);
        if (i == 0) {
            edtAmount[i]->setMaxLength(5);
            edtAmount[i]->setValidator(new QIntValidator(0, 99999, edtAmount[i]));
        } else {
            edtAmount[i]->setMaxLength(7);
            auto* v = new QDoubleValidator(-999999, 9999999, 2, edtAmount[i]);
            v->setNotation(QDoubleValidator::StandardNotation);
            edtAmount[i]->setValidator(v);
        }
        governs(chkAmount[i], {cbOp[i], edtAmount[i]});
        grid->addWidget(chkAmount[i], row, 0);
        grid->addWidget(cbOp[i], row, 1);
        grid->addWidget(edtAmount[i], row++, 2, 1, 2);
    }

    const QString dateCaptions[] = {QStringLiteral("出生日期"), QStringLiteral("加入日期"), QStringLiteral("失效日期")};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        chkDate[i] = tick(this, QStringLiteral("chkDate") + n, dateCaptions[i]);
        for (auto [box, name] : {std::pair{&dtFrom[i], QStringLiteral("dtFrom")}, std::pair{&dtTo[i], QStringLiteral("dtTo")}}) {
            *box = new QDateEdit(this);
            (*box)->setObjectName(name + n);
            (*box)->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
            (*box)->setCalendarPopup(true);
        }
        governs(chkDate[i], {dtFrom[i], dtTo[i]});
        grid->addWidget(chkDate[i], row, 0);
        grid->addWidget(dtFrom[i], row, 1);
        grid->addWidget(new QLabel(QStringLiteral("至"), this), row, 2);
        grid->addWidget(dtTo[i], row++, 3);
    }

    chkTele = tick(this, QStringLiteral("chkTele"), QStringLiteral("联系电话"));
    edtTele = nameBox(this, "edtTele", 32);
    chkAddress = tick(this, QStringLiteral("chkAddress"), QStringLiteral("联系地址"));
    edtAddress = nameBox(this, "edtAddress", 64);
    governs(chkTele, {edtTele});
    governs(chkAddress, {edtAddress});
    grid->addWidget(chkTele, row, 0);
    grid->addWidget(edtTele, row++, 1, 1, 3);
    grid->addWidget(chkAddress, row, 0);
    grid->addWidget(edtAddress, row++, 1, 1, 3);

    btnOK = namedButton(this, "btnOK", QStringLiteral("确定"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消"));
    auto* box = new QVBoxLayout(this);
    box->addLayout(grid);
    box->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { accept(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Hygl_Gjcx::FormActivate()
{
    fillCodeCombo(cbYh, QStringLiteral("jxc_hyyh"), QStringLiteral("hh_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("hh_sn"));
    cbYh->setCurrentIndex(0);
    for (int i = 0; i < 3; ++i) {
        cbOp[i]->setCurrentIndex(0);
        edtAmount[i]->setText(QStringLiteral("0"));
    }
    const QDate today = Clock::today();
    dtFrom[0]->setDate(today.addMonths(-360));
    dtTo[0]->setDate(today);
    dtFrom[1]->setDate(today);
    dtTo[1]->setDate(today);
    dtFrom[2]->setDate(today);
    dtTo[2]->setDate(today.addDays(3));
    edtTele->clear();
    edtAddress->clear();
    for (QCheckBox* c : {chkYh, chkAmount[0], chkAmount[1], chkAmount[2], chkDate[0], chkDate[1], chkDate[2], chkTele,
                         chkAddress})
        c->setChecked(false);
    btnOK->setFocus();
}

QString TF_Hygl_Gjcx::condition() const
{
    MemberCriteria c;
    c.byScheme = chkYh->isChecked();
    c.schemeSn = getComboCode(cbYh, cbYh->currentIndex());
    for (auto [k, i] : {std::pair{&c.points, 0}, std::pair{&c.spending, 1}, std::pair{&c.balance, 2}})
        *k = {.on = chkAmount[i]->isChecked(), .op = cbOp[i]->currentText(), .value = edtAmount[i]->text()};
    for (auto [p, i] : {std::pair{&c.birthday, 0}, std::pair{&c.joined, 1}, std::pair{&c.expiry, 2}})
        *p = {.on = chkDate[i]->isChecked(), .from = dtFrom[i]->date(), .to = dtTo[i]->date()};
    c.byTele = chkTele->isChecked();
    c.tele = edtTele->text();
    c.byAddress = chkAddress->isChecked();
    c.address = edtAddress->text();
    return memberCriteriaSql(c);
}
