#include "members/memberedit.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QLineEdit* box(QWidget* parent, const char* name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
}
QLineEdit* digitsBox(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* edit = box(parent, name, maxLength);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}
QDateEdit* dateBox(QWidget* parent, const char* name)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    return edit;
}
QCheckBox* check(QWidget* parent, const char* name, const QString& text)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}
const char* const kZdyNames[] = {"edtZdy1", "edtZdy2", "edtZdy3", "edtZdy4", "edtZdy5", "edtZdy6"};
}  // namespace

TF_MemberEdit::TF_MemberEdit(const QString& pageCaption, QWidget* parent) : TF_Form(parent)
{
    setMainAction([this] { saveClick(); });
    setEscCloses(true);

    auto* group = new QGroupBox(QStringLiteral("会员信息"), this);
    auto* form = new QFormLayout(group);
    edtBh = nameBox(group, "edtBh", 32);
    edtName = box(group, "edtName", 16);
    cbYh = new QComboBox(group);
    cbYh->setObjectName(QStringLiteral("cbYh"));
    cbFl = new QComboBox(group);
    cbFl->setObjectName(QStringLiteral("cbFl"));
    edtMm = box(group, "edtMm", 16);
    edtMm->setEchoMode(QLineEdit::Password);
    edtMm2 = box(group, "edtMm2", 16);
    edtMm2->setEchoMode(QLineEdit::Password);
    edtJf = digitsBox(group, "edtJf", 8);
    edtZhje = box(group, "edtZhje", 12);
    edtZhje->setValidator(new QDoubleValidator(-1e9, 1e9, 2, edtZhje));
    chkStatus = check(group, "chkStatus", QStringLiteral("启用该会员卡"));
    chkQx = check(group, "chkQx", QStringLiteral("该会员有失效日期"));
    dtDqrq = dateBox(group, "dtDqrq");
    chkSj = check(group, "chkSj", QStringLiteral("该会员卡按积分自动升级"));
    form->addRow(QStringLiteral("会员卡号："), edtBh);
    form->addRow(QStringLiteral("会员姓名："), edtName);
    form->addRow(QStringLiteral("优惠方式："), cbYh);
    form->addRow(QStringLiteral("会员等级："), cbFl);
    form->addRow(QStringLiteral("会员密码："), edtMm);
    form->addRow(QStringLiteral("确认密码："), edtMm2);
    form->addRow(QStringLiteral("会员积分："), edtJf);
    form->addRow(QStringLiteral("储值金额："), edtZhje);
    form->addRow(QStringLiteral("会员状态："), chkStatus);
    form->addRow(QString(), chkQx);
    form->addRow(QStringLiteral("失效日期："), dtDqrq);
    form->addRow(QString(), chkSj);

    auto* pages = new QTabWidget(this);
    auto* detail = new QWidget(pages);
    auto* detailForm = new QFormLayout(detail);
    cbSex = new QComboBox(detail);
    cbSex->setObjectName(QStringLiteral("cbSex"));
    cbSex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    chkSr = check(detail, "chkSr", QStringLiteral("会员生日："));
    dtSr = dateBox(detail, "dtSr");
    edtTele = digitsBox(detail, "edtTele", 32);
    edtMobile = digitsBox(detail, "edtMobile", 16);
    detailForm->addRow(QStringLiteral("会员性别："), cbSex);
    detailForm->addRow(chkSr, dtSr);
    detailForm->addRow(QStringLiteral("固定电话："), edtTele);
    detailForm->addRow(QStringLiteral("移动电话："), edtMobile);
    for (int i = 0; i < 6; ++i) {
        lblZdy[i] = new QLabel(detail);
        edtZdy[i] = box(detail, kZdyNames[i], 64);
        detailForm->addRow(lblZdy[i], edtZdy[i]);
    }
    edtNote = box(detail, "edtNote", 64);
    dtJrrq = dateBox(detail, "dtJrrq");
    detailForm->addRow(QStringLiteral("备注信息："), edtNote);
    detailForm->addRow(QStringLiteral("加入日期："), dtJrrq);
    auto* hint = new QLabel(QStringLiteral(
        "每张会员卡既是打折卡也是储值卡：卡内有钱时作为储值卡使用，同样享受折扣和按积分自动升级；"
        "卡内无钱时作为打折卡使用。\n优惠方式与会员等级可以组合使用。\n作为储值卡使用的会员卡应当设置密码。"), pages);
    hint->setWordWrap(true);
    pages->addTab(detail, QStringLiteral("详细信息(可选)"));
    pages->addTab(hint, QStringLiteral("操作提示"));

    auto* page = new QTabWidget(this);
    auto* main = new QWidget(page);
    auto* mainBox = new QVBoxLayout(main);
    mainBox->addWidget(group);
    mainBox->addWidget(pages);
    page->addTab(main, pageCaption);

    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addLayout(buttonRow({btnOK, btnExit}));

    onClicked(btnOK, [this] { saveClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(chkQx, &QCheckBox::toggled, dtDqrq, &QWidget::setEnabled);
    connect(chkSr, &QCheckBox::toggled, dtSr, &QWidget::setEnabled);
    connect(edtJf, &QLineEdit::editingFinished, this, [this] { runGuarded([this] { checkPoints(); }); });
    connect(chkSj, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            runGuarded([this] { checkPoints(); });
    });
}

void TF_MemberEdit::resetFields()
{
    m_filling = true;
    const QDate today = Clock::today();
    fillCodeCombo(cbYh, QStringLiteral("jxc_hyyh"), QStringLiteral("hh_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("hh_sn"));
    fillCodeCombo(cbFl, QStringLiteral("jxc_hyfl"), QStringLiteral("hl_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("hl_sn"));
    cbYh->setCurrentIndex(cbYh->count() > 0 ? 0 : -1);
    cbFl->setCurrentIndex(cbFl->count() > 0 ? 0 : -1);
    for (QLineEdit* e : {edtBh, edtName, edtMm, edtMm2, edtTele, edtMobile, edtNote})
        e->clear();
    for (QLineEdit* e : edtZdy)
        e->clear();
    edtJf->setText(QStringLiteral("0"));
    edtZhje->setText(QStringLiteral("0"));
    chkStatus->setChecked(true);
    chkQx->setChecked(false);
    dtDqrq->setDate(today.addMonths(12));
    dtDqrq->setEnabled(false);
    chkSj->setChecked(true);
    cbSex->setCurrentIndex(0);
    chkSr->setChecked(true);
    dtSr->setDate(today.addMonths(-360));
    dtJrrq->setDate(today);
    const ResultSet captions = openSelect(QStringLiteral("select hz_name from jxc_hyzdy order by hz_sn"));
    for (int i = 0; i < 6; ++i)
        lblZdy[i]->setText(captions.text(i, QStringLiteral("hz_name")));
    m_filling = false;
}

void TF_MemberEdit::selectCode(QComboBox* combo, const QString& code)
{
    for (int i = 0; i < combo->count(); ++i)
        if (getComboCode(combo, i) == code) {
            combo->setCurrentIndex(i);
            return;
        }
}

MemberFields TF_MemberEdit::fields() const
{
    MemberFields f;
    f.card = edtBh->text();
    f.name = edtName->text();
    f.schemeSn = getComboCode(cbYh, cbYh->currentIndex());
    f.levelSn = getComboCode(cbFl, cbFl->currentIndex());
    f.password = edtMm->text();
    f.password2 = edtMm2->text();
    f.points = Money::fromText(edtJf->text().trimmed());
    f.balance = Money::fromText(edtZhje->text().trimmed());
    f.status = chkStatus->isChecked();
    f.autoUpgrade = chkSj->isChecked();
    f.hasExpiry = chkQx->isChecked();
    f.expiry = dtDqrq->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.sex = cbSex->currentText();
    f.birthday = chkSr->isChecked() ? dtSr->date().toString(QStringLiteral("yyyy-MM-dd")) : QString();
    f.tele = edtTele->text();
    f.mobile = edtMobile->text();
    for (int i = 0; i < 6; ++i)
        f.custom[i] = edtZdy[i]->text();
    f.note = edtNote->text();
    f.joinDate = dtJrrq->date().toString(QStringLiteral("yyyy-MM-dd"));
    return f;
}

void TF_MemberEdit::checkPoints()
{
    if (m_filling || !chkSj->isChecked())
        return;
    const QString level = bandLevel(Money::fromText(edtJf->text().trimmed()));
    if (level.isEmpty()) {
        msgInfo(QStringLiteral("会员卡级别设置有误，会员卡升级没有成功！"), this);
        edtJf->setFocus();
        return;
    }
    if (m_levelFollowsBand)
        selectCode(cbFl, level);
}
