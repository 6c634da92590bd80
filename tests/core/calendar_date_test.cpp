#include "core/calendar_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

DateValue At(int64_t y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
    return DateValueFromCalendar({y, m, d, hh, mm, ss});
}

// An independent day count: Julian Day Number of a proleptic Gregorian date
// (Fliegel and Van Flandern), moved so that 1899-12-30 is day 0.
int64_t SerialDayByJdn(int64_t y, int64_t m, int64_t d) {
    const int64_t a = (14 - m) / 12;
    const int64_t yy = y + 4800 - a;
    const int64_t mm = m + 12 * a - 3;
    const int64_t jdn = d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
    return jdn - 2415019;  // JDN of 1899-12-30
}

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysInMonth(int64_t y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

TEST(CalendarDate, KnownSerials) {
    struct Case {
        double serial;
        CalendarDateTime calendar;
    };
    const Case cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},
        {1.0, {1899, 12, 31, 0, 0, 0}},
        {0.5, {1899, 12, 30, 12, 0, 0}},
        {-1.0, {1899, 12, 29, 0, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0}},
        {-2.25, {1899, 12, 28, 6, 0, 0}},
        {41214.0, {2012, 11, 1, 0, 0, 0}},
        {kMinDateSerial, {100, 1, 1, 0, 0, 0}},
        {kMaxDateSerial, {9999, 12, 31, 0, 0, 0}},
        {-109205.0, {1601, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(CalendarFromDateValue({c.serial}), c.calendar);
        EXPECT_DOUBLE_EQ(DateValueFromCalendar(c.calendar).serial, c.serial);
    }
}

TEST(CalendarDate, EveryDayOfTheValidRangeMatchesAnIndependentCount) {
    int64_t expected = SerialDayByJdn(100, 1, 1);
    ASSERT_EQ(expected, static_cast<int64_t>(kMinDateSerial));
    for (int64_t y = 100; y <= 9999; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DaysInMonth(y, m); ++d, ++expected) {
                const DateValue v{static_cast<double>(expected)};
                ASSERT_EQ(SerialDayByJdn(y, m, d), expected);
                const CalendarDateTime c = CalendarFromDateValue(v);
                ASSERT_TRUE(c.year == y && c.month == m && c.day == d) << y << "-" << m << "-" << d;
                ASSERT_EQ(Month(v), m);
                ASSERT_EQ(Day(v), d);
            }
        }
    }
    EXPECT_EQ(expected - 1, static_cast<int64_t>(kMaxDateSerial));
}

TEST(CalendarDate, TimeOfDayRoundTripsOnBothSidesOfTheEpoch) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> day(-5, 5);
    std::uniform_int_distribution<int> second(0, 86399);
    for (int i = 0; i < 2000; ++i) {
        const int64_t serialDay = day(rng);
        const int s = second(rng);
        const DateValue v = FromLinearForm(serialDay + s / 86400.0);
        const CalendarDateTime c = CalendarFromDateValue(v);
        ASSERT_EQ(SerialDayByJdn(c.year, c.month, c.day), serialDay);
        ASSERT_EQ((c.hour * 60 + c.minute) * 60 + c.second, s);
        ASSERT_EQ(DateValueFromCalendar(c).serial, v.serial);
    }
}

TEST(CalendarDate, LinearFormIncreasesWithTime) {
    EXPECT_DOUBLE_EQ(LinearForm({-1.25}), -0.75);
    EXPECT_DOUBLE_EQ(LinearForm({-1.0}), -1.0);
    EXPECT_DOUBLE_EQ(LinearForm({2.75}), 2.75);
    EXPECT_DOUBLE_EQ(FromLinearForm(-1.75).serial, -2.25);
    EXPECT_DOUBLE_EQ(FromLinearForm(-0.75).serial, -1.25);
    // 1899-12-29 00:00 < 06:00 < 1899-12-30 00:00
    EXPECT_TRUE(IsBefore({-1.0}, {-1.25}));
    EXPECT_TRUE(IsBefore({-1.25}, {0.0}));
    EXPECT_FALSE(IsBefore({-1.25}, {-1.0}));
}

TEST(CalendarDate, OrderClampsToTheValidRange) {
    EXPECT_FALSE(IsBefore({kMaxDateSerial}, {kMaxDateSerial + 10.0}));
    EXPECT_FALSE(IsBefore({kMaxDateSerial + 10.0}, {kMaxDateSerial + 0.5}));
    EXPECT_FALSE(IsBefore({kMinDateSerial - 5.0}, {kMinDateSerial}));
    EXPECT_TRUE(IsBefore({kMinDateSerial - 5.0}, {kMinDateSerial + 1.0}));
    EXPECT_FALSE(IsBefore({41214.0}, {41214.0}));
}

TEST(CalendarDate, AddDays) {
    struct Case {
        DateValue from;
        int32_t days;
        DateValue to;
        const char* text;
    };
    const Case cases[] = {
        {At(2012, 12, 31), 1, At(2013, 1, 1), "1.1"},
        {At(2012, 2, 28), 1, At(2012, 2, 29), "2.29"},
        {At(2013, 2, 28), 1, At(2013, 3, 1), "3.1"},
        {At(2012, 11, 1, 10, 15), -1, At(2012, 10, 31, 10, 15), "10.31"},
        {{-1.25}, -1, {-2.25}, "12.28"},
        {{-1.25}, 1, {0.25}, "12.30"},
        {{0.25}, -1, {-1.25}, "12.29"},
        {At(9999, 12, 31), 1, At(10000, 1, 1), "1.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const DateValue moved = AddDays(c.from, c.days);
        EXPECT_DOUBLE_EQ(moved.serial, c.to.serial);
        EXPECT_EQ(FormatMonthDay(moved), c.text);
    }
    // Zero days returns the value untouched, even an encoding the linear form would rewrite.
    EXPECT_EQ(AddDays({-0.5}, 0).serial, -0.5);
}

TEST(CalendarDate, DaysBetween) {
    EXPECT_EQ(DaysBetween(At(2012, 11, 30, 9), At(2012, 11, 1, 9)), 29.0);
    EXPECT_DOUBLE_EQ(DaysBetween(At(2012, 11, 1, 10), At(2012, 11, 1, 4)), 0.25);
    EXPECT_DOUBLE_EQ(DaysBetween({0.0}, {-1.25}), 0.75);
    EXPECT_EQ(DaysBetween({-3.5}, {-3.5}), 0.0);
}

TEST(CalendarDate, FormatMonthDayHasNoPaddingAndNoTrailingZeroLoss) {
    EXPECT_EQ(FormatMonthDay(At(2012, 11, 5)), "11.5");
    EXPECT_EQ(FormatMonthDay(At(2012, 12, 31)), "12.31");
    EXPECT_EQ(FormatMonthDay(At(2013, 1, 10)), "1.10");
    EXPECT_EQ(FormatMonthDay(At(2013, 1, 1)), "1.1");
    EXPECT_EQ(FormatMonthDay(At(2013, 1, 20, 23, 59, 59)), "1.20");
    EXPECT_EQ(FormatMonthDay({-1.25}), "12.29");
}

TEST(CalendarDate, BeyondTheValidRangeKeepsTheProlepticCalendar) {
    // Year 12000 is a leap year (divisible by 400), 10100 is not.
    EXPECT_EQ(CalendarFromDateValue(At(12000, 2, 29)), (CalendarDateTime{12000, 2, 29, 0, 0, 0}));
    EXPECT_EQ(FormatMonthDay(AddDays(At(10100, 2, 28), 1)), "3.1");
    EXPECT_EQ(SerialDayByJdn(12345, 6, 7), DayNumber(At(12345, 6, 7)));
    // Absurd values give some calendar day and never undefined behaviour.
    for (double v : {1e300, -1e300, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        const int m = Month({v});
        EXPECT_TRUE(m >= 1 && m <= 12);
        const int d = Day({v});
        EXPECT_TRUE(d >= 1 && d <= 31);
        EXPECT_FALSE(FormatMonthDay({v}).empty());
    }
}
