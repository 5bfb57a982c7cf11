// The quick date presets of the list and query windows: a small menu button beside the two
// dates of a period whose items set both dates and run the window's search at once.
#pragma once

#include <QDate>
#include <QPair>
#include <QString>
#include <functional>

class QDateEdit;
class QMenu;
class QToolButton;

enum class DatePreset {
    Today,          // "今天(&T)"
    Yesterday,      // "昨天(&U)"
    DayBefore,      // "前天(&V)"
    LastSevenDays,  // "最近七天(&W)": today less 7 days to today (eight calendar days)
    LastMonth,      // "最近一月(&X)": the first day of the previous month to today
    ThisMonth,      // "本月(&Y)"
    PreviousMonth,  // "上月(&Z)": the whole previous month
    AllTime,        // "所有时间(&A)": 2010-01-01 to today
};

// First and last day of a preset seen from `today`.
QPair<QDate, QDate> datePresetRange(DatePreset preset, const QDate& today);

// Gives `button` the presets' menu (separators after "前天" and "最近一月"). Each item sets `from`
// and `to` to its range from the clock's today and then calls `search`. The items are named
// btnT<suffix>, btnU<suffix>, … btnZ<suffix> and btnAllTime (btnAllTime<suffix> when the
// suffix is not "1"), so a window with a period on each tab gives each its own suffix.
QMenu* addDatePresetMenu(QToolButton* button, QDateEdit* from, QDateEdit* to, std::function<void()> search,
                         const QString& suffix = QStringLiteral("1"));
