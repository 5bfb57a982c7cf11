#include "masterdata/spxxgl_tj.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/priceadjust.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimeEdit>
#include <QVBoxLayout>

TF_Spxxgl_Tj* F_Spxxgl_Tj = nullptr;

namespace {

QLineEdit* numberBox(QWidget* parent, const char* name, int maxLength, const QString& pattern)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), e));
    return e;
}

QString twoDecimals(const QString& stored)
{
    return Money::fromText(stored).toFixed(2);
}

}  // namespace

TF_Spxxgl_Tj::TF_Spxxgl_Tj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spxxgl_Tj"));
    setWindowTitle(QStringLiteral("调价管理"));
    setEscCloses(true);
    setMainAction([this] { btnSaveClick(); });

    const QString money = QStringLiteral("-?\\d{0,8}(\\.\\d{0,2})?");
    auto* info = new QGroupBox(QStringLiteral("商品信息"), this);
    tsn = new QLineEdit(info);
    tsn->setObjectName(QStringLiteral("tsn"));
    tsn->setReadOnly(true);
    tname = new QLineEdit(info);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setReadOnly(true);
    tjj = numberBox(info, "tjj", 9, money);
    tsj = numberBox(info, "tsj", 9, money);
    tdzll = numberBox(info, "tdzll", 4, QStringLiteral("\\d?(\\.\\d{0,2})?"));
    chkJy = new QCheckBox(QStringLiteral("该商品停止使用"), info);
    chkJy->setObjectName(QStringLiteral("chkJy"));
    auto* dzRow = new QHBoxLayout;
    dzRow->addWidget(tdzll);
    dzRow->addWidget(new QLabel(QStringLiteral("0.9为9折,1为不打折"), info));
    auto* infoForm = new QFormLayout(info);
    infoForm->addRow(QStringLiteral("商品编号："), tsn);
    infoForm->addRow(QStringLiteral("商品名称："), tname);
    infoForm->addRow(QStringLiteral("商品进价："), tjj);
    infoForm->addRow(QStringLiteral("商品售价："), tsj);
    infoForm->addRow(QStringLiteral("商品折扣："), dzRow);
    infoForm->addRow(chkJy);

    grpTj = new QGroupBox(QStringLiteral("该商品是特价商品"), this);
    grpTj->setObjectName(QStringLiteral("grpTj"));
    grpTj->setCheckable(true);
    ttj = numberBox(grpTj, "ttj", 9, money);
    thyj = numberBox(grpTj, "thyj", 9, money);
    chkTjqx = new QCheckBox(QStringLiteral("该商品有特价期限"), grpTj);
    chkTjqx->setObjectName(QStringLiteral("chkTjqx"));
    auto dateBox = [this](const char* name) {
        auto* d = new QDateEdit(grpTj);
        d->setObjectName(QString::fromLatin1(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    auto timeBox = [this](const char* name) {
        auto* t = new QTimeEdit(grpTj);
        t->setObjectName(QString::fromLatin1(name));
        t->setDisplayFormat(QStringLiteral("HH:mm"));
        return t;
    };
    dKs = dateBox("dKs");
    tKs = timeBox("tKs");
    dJs = dateBox("dJs");
    tJs = timeBox("tJs");
    auto* ksRow = new QHBoxLayout;
    ksRow->addWidget(dKs);
    ksRow->addWidget(tKs);
    auto* jsRow = new QHBoxLayout;
    jsRow->addWidget(dJs);
    jsRow->addWidget(tJs);
    auto* tjForm = new QFormLayout(grpTj);
    tjForm->addRow(QStringLiteral("商品特价："), ttj);
    tjForm->addRow(QStringLiteral("会员特价："), thyj);
    tjForm->addRow(chkTjqx);
    tjForm->addRow(QStringLiteral("期限从："), ksRow);
    tjForm->addRow(QStringLiteral("至："), jsRow);

    btnSave = namedButton(this, "btnSave", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* main = new QVBoxLayout(this);
    main->addWidget(info);
    main->addWidget(grpTj);
    main->addLayout(buttonRow({btnSave, btnExit}));

    connect(grpTj, &QGroupBox::toggled, this, [this] { enableSpecial(); });
    connect(chkTjqx, &QCheckBox::toggled, this, [this] { enableSpecial(); });
    onClicked(btnSave, [this] { btnSaveClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Spxxgl_Tj::enableSpecial()
{
    const bool special = grpTj->isChecked();
    const bool period = special && chkTjqx->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ttj, thyj, chkTjqx})
        w->setEnabled(special);
    for (QWidget* w : std::initializer_list<QWidget*>{dKs, tKs, dJs, tJs})
        w->setEnabled(period);
}

void TF_Spxxgl_Tj::FormActivate()
{
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_goods where g_sn=?"), {{QString(), curGoodsSn}});
    if (rs.isEmpty())
        return;
    auto field = [&rs](const char* name) { return rs.text(0, QString::fromLatin1(name)); };
    tname->setText(field("g_name"));
    tsn->setText(field("g_sn"));
    tjj->setText(twoDecimals(field("g_jj")));
    tsj->setText(twoDecimals(field("g_sj")));
    tdzll->setText(twoDecimals(field("g_dzll")));
    chkJy->setChecked(field("g_jy") == u"True");

    grpTj->setChecked(false);
    ttj->setText(QStringLiteral("0"));
    thyj->setText(QStringLiteral("0"));
    chkTjqx->setChecked(false);
    dKs->setDate(Clock::today());
    dJs->setDate(Clock::today());
    tKs->setTime(QTime(0, 0));
    tJs->setTime(QTime(23, 59));
    if (field("g_tjsp") == u"True") {
        grpTj->setChecked(true);
        ttj->setText(twoDecimals(field("g_tj")));
        thyj->setText(twoDecimals(field("g_hyj")));
        if (field("g_tjqx") == u"True") {
            chkTjqx->setChecked(true);
            const QDateTime ks = QDateTime::fromString(field("g_ks"), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            const QDateTime js = QDateTime::fromString(field("g_js"), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (ks.isValid()) {
                dKs->setDate(ks.date());
                tKs->setTime(ks.time());
            }
            if (js.isValid()) {
                dJs->setDate(js.date());
                tJs->setTime(js.time());
            }
        }
    }
    enableSpecial();
    tjj->setFocus();
}

PriceAdjustment TF_Spxxgl_Tj::adjustment() const
{
    PriceAdjustment a;
    a.gSn = tsn->text();
    a.purchasePrice = Money::fromText(tjj->text().trimmed());
    a.salePrice = Money::fromText(tsj->text().trimmed());
    a.discount = Money::fromText(tdzll->text().trimmed());
    a.disabled = chkJy->isChecked();
    a.special = grpTj->isChecked();
    a.specialPrice = Money::fromText(ttj->text().trimmed());
    a.memberPrice = Money::fromText(thyj->text().trimmed());
    a.hasPeriod = a.special && chkTjqx->isChecked();
    a.periodStart = QDateTime(dKs->date(), QTime(tKs->time().hour(), tKs->time().minute()));
    a.periodEnd = QDateTime(dJs->date(), QTime(tJs->time().hour(), tJs->time().minute()));
    return a;
}

void TF_Spxxgl_Tj::btnSaveClick()
{
    const QString refusal = adjustGoodsPrice(adjustment(), operatorName);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
