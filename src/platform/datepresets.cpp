#include "platform/datepresets.h"

#include "data/clock.h"

#include <QDateEdit>
#include <QMenu>
#include <QToolButton>

QPair<QDate, QDate> datePresetRange(DatePreset preset, const QDate& today)
{
    const QDate thisMonth(today.year(), today.month(), 1);
    const QDate previousMonth = thisMonth.addMonths(-1);
    switch (preset) {
    case DatePreset::Today:
        return {today, today};
    case DatePreset::Yesterday:
        return {today.addDays(-1), today.addDays(-1)};
    case DatePreset::DayBefore:
        return {today.addDays(-2), today.addDays(-2)};
    case DatePreset::LastSevenDays:
        return {today.addDays(-7), today};
    case DatePreset::LastMonth:
        return {previousMonth, today};
    case DatePreset::ThisMonth:
        return {thisMonth, today};
    case DatePreset::PreviousMonth:
        return {previousMonth, thisMonth.addDays(-1)};
    case DatePreset::AllTime:
        return {QDate(2010, 1, 1), today};
    }
    return {today, today};
}

QMenu* addDatePresetMenu(QToolButton* button, QDateEdit* from, QDateEdit* to, std::function<void()> search,
                         const QString& suffix)
{
    struct Item {
        DatePreset preset;
        const char* caption;
        const char* name;
        bool separatorAfter;
    };
    static const Item items[] = {
        {DatePreset::Today, "今天(&T)", "btnT", false},
        {DatePreset::Yesterday, "昨天(&U)", "btnU", false},
        {DatePreset::DayBefore, "前天(&V)", "btnV", true},
        {DatePreset::LastSevenDays, "最近七天(&W)", "btnW", false},
        {DatePreset::LastMonth, "最近一月(&X)", "btnX", true},
        {DatePreset::ThisMonth, "本月(&Y)", "btnY", false},
        {DatePreset::PreviousMonth, "上月(&Z)", "btnZ", false},
        {DatePreset::AllTime, "所有时间(&A)", "btnAllTime", false},
    };
    auto* menu = new QMenu(button);
    for (const Item& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        const bool allTime = item.preset == DatePreset::AllTime;
        action->setObjectName(QLatin1String(item.name)
                              + (allTime && suffix == QLatin1String("1") ? QString() : suffix));
        const DatePreset preset = item.preset;
        QObject::connect(action, &QAction::triggered, button, [=] {
            const auto [first, last] = datePresetRange(preset, Clock::today());
            from->setDate(first);
            to->setDate(last);
            if (search)
                search();
        });
        if (item.separatorAfter)
            menu->addSeparator();
    }
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    return menu;
}
