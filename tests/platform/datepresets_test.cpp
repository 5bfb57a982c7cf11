#include "platform/datepresets.h"

#include "data/clock.h"

#include <QAction>
#include <QDateEdit>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(DatePresets, RangesAcrossMonthAndYearEnds)
{
    const auto d = [](const char* text) { return QDate::fromString(QLatin1String(text), Qt::ISODate); };
    const struct {
        DatePreset preset;
        const char* today;
        const char* from;
        const char* to;
    } cases[] = {
        {DatePreset::Today, "2013-03-01", "2013-03-01", "2013-03-01"},
        {DatePreset::Yesterday, "2013-03-01", "2013-02-28", "2013-02-28"},
        {DatePreset::DayBefore, "2012-03-01", "2012-02-28", "2012-02-28"},
        {DatePreset::LastSevenDays, "2013-01-03", "2012-12-27", "2013-01-03"},
        {DatePreset::LastMonth, "2013-01-15", "2012-12-01", "2013-01-15"},
        {DatePreset::ThisMonth, "2013-03-31", "2013-03-01", "2013-03-31"},
        {DatePreset::PreviousMonth, "2013-01-15", "2012-12-01", "2012-12-31"},
        {DatePreset::PreviousMonth, "2012-03-31", "2012-02-01", "2012-02-29"},
        {DatePreset::AllTime, "2013-05-28", "2010-01-01", "2013-05-28"},
    };
    for (const auto& c : cases) {
        const auto [from, to] = datePresetRange(c.preset, d(c.today));
        EXPECT_EQ(from, d(c.from)) << c.today << " " << int(c.preset);
        EXPECT_EQ(to, d(c.to)) << c.today << " " << int(c.preset);
    }
}

TEST(DatePresets, AnItemSetsBothDatesAndSearches)
{
    Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(10, 0)));
    QToolButton button;
    QDateEdit from, to;
    int searches = 0;
    QMenu* menu = addDatePresetMenu(&button, &from, &to, [&] { ++searches; }, QStringLiteral("2"));
    QStringList names;
    for (QAction* a : menu->actions())
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(names.join(QLatin1Char(',')), QStringLiteral("btnT2,btnU2,btnV2,-,btnW2,btnX2,-,btnY2,btnZ2,btnAllTime2"));
    menu->findChild<QAction*>(QStringLiteral("btnZ2"))->trigger();
    EXPECT_EQ(from.date(), QDate(2013, 4, 1));
    EXPECT_EQ(to.date(), QDate(2013, 4, 30));
    EXPECT_EQ(searches, 1);

    QToolButton first;
    QMenu* one = addDatePresetMenu(&first, &from, &to, {});
    EXPECT_NE(one->findChild<QAction*>(QStringLiteral("btnAllTime")), nullptr);
    one->findChild<QAction*>(QStringLiteral("btnT1"))->trigger();
    EXPECT_EQ(from.date(), QDate(2013, 5, 28));
    Clock::reset();
}
