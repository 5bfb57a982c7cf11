#include "admin/sjtxgl_modi.h"

#include "admin/reminderrecords.h"
#include "data/clock.h"
#include "data/datamodule.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>

TF_Sjtxgl_Modi* F_Sjtxgl_Modi = nullptr;

TF_Sjtxgl_Modi::TF_Sjtxgl_Modi(QWidget* parent) : TF_Sjtxgl_Add(parent)
{
    setObjectName(QStringLiteral("F_Sjtxgl_Modi"));
    setWindowTitle(QStringLiteral("修改商品提醒"));
    // The goods of a stored reminder stay as they are.
    comGoods->setEnabled(false);
}

void TF_Sjtxgl_Modi::FormActivate()
{
    fillAddressees();
    tdate->setDate(Clock::today());
    const ResultSet rs = openSelect(QStringLiteral("select a.*,b.g_name from jxc_tx a left join jxc_goods b on "
                                                   "a.g_sn=b.g_sn where a.id=:id"),
                                    {{QStringLiteral(":id"), reminderId}});
    if (rs.rowCount() == 0)
        return;
    auto field = [&rs](const char* name) { return rs.text(0, QString::fromLatin1(name)); };
    comGoods->clear();
    comGoods->addItem(field("g_sn") + QLatin1Char(' ') + field("g_name"), field("g_sn"));
    const bool expiry = field("tx_flag") == QLatin1String("2");
    rGq->setChecked(expiry);
    rKc->setChecked(!expiry);
    tts->setEnabled(expiry);
    tts->setValue(expiry ? field("tx_ts").toInt() : 0);
    const int mode = field("tx_fs").toInt();
    comTxfs->setCurrentIndex(mode - 1);
    panels->setCurrentIndex(qMax(0, mode - 1));
    const QString when = field("tx_sj");
    if (mode == 1)
        tdate->setDate(QDate::fromString(when, QStringLiteral("yyyy-MM-dd")));
    for (int d = 0; d < weekdays.size(); ++d)
        weekdays[d]->setChecked(mode == 3 && when.contains(QString::number(d + 1)));
    if (mode == 4)
        comYue->setCurrentIndex(comYue->findText(when.mid(2, 2)));
    comAdmin->setCurrentIndex(comAdmin->findText(field("tx_dx")));
}

void TF_Sjtxgl_Modi::btnOKClick()
{
    modifyReminder(reminderId, input());
    accept();
}
