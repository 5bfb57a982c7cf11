#include "stock/addjth.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

void addJth(const QString& gSn, const QString& word, const QString& question, QWidget* parent)
{
    const bool purchase = word == u"jadd";
    const QString letter = purchase ? QStringLiteral("j") : QStringLiteral("t");
    callerFlag = word;
    curGoodsSn = gSn;
    const bool listed = !selectValue(QStringLiteral("select g_sn from jxc_ckjth where g_sn=? and jt_flag=?"),
                                     {{QString(), gSn}, {QString(), letter}})
                             .isEmpty();
    bool open = true;
    if (listed) {
        open = msgYesNo(question, parent);
        callerFlag = purchase ? QStringLiteral("jmodi") : QStringLiteral("tmodi");
    }
    if (open)
        openWindow(QStringLiteral("TF_Kccx_Sele"), QString(), QStringLiteral("参考数量"));
    callerFlag.clear();
    curGoodsSn.clear();
}
