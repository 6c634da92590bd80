#include "core/calendar_date.h"

#include <algorithm>
#include <cmath>

namespace {

// Day number of 1899-12-30 counted from 1970-01-01.
constexpr int64_t kSerialEpochFromUnix = -25569;
constexpr double kSecondsPerDay = 86400.0;
// Serials far beyond any calendar this program shows; keeps conversions to
// integers defined for any double.
constexpr double kSerialLimit = 1.0e15;

// Days since 1970-01-01 for a proleptic Gregorian date (era-based, exact for
// every year a 64-bit day count holds).
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;                                   // [0, 399]
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

struct Civil {
    int64_t year;
    int month;
    int day;
};

Civil CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;                                  // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);           // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                // [0, 11]
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2), month, day};
}

Civil CivilOf(DateValue d) {
    return CivilFromDays(DayNumber(d) + kSerialEpochFromUnix);
}

}  // namespace

double LinearForm(DateValue d) {
    return d.serial >= 0.0 ? d.serial : 2.0 * std::trunc(d.serial) - d.serial;
}

DateValue FromLinearForm(double linear) {
    return {linear >= 0.0 ? linear : 2.0 * std::floor(linear) - linear};
}

DateValue ClampToValidRange(DateValue d) { return {std::clamp(d.serial, kMinDateSerial, kMaxDateSerial)}; }

bool IsBefore(DateValue a, DateValue b) {
    return LinearForm(ClampToValidRange(a)) < LinearForm(ClampToValidRange(b));
}

DateValue AddDays(DateValue d, int32_t n) {
    if (n == 0) return d;
    return FromLinearForm(LinearForm(d) + n);
}

double DaysBetween(DateValue t1, DateValue t2) {
    if (t1.serial == t2.serial) return 0.0;
    return LinearForm(t1) - LinearForm(t2);
}

int64_t DayNumber(DateValue d) {
    const double linear = LinearForm(d);
    if (std::isnan(linear)) return 0;
    return static_cast<int64_t>(std::floor(std::clamp(linear, -kSerialLimit, kSerialLimit)));
}

int Month(DateValue d) { return CivilOf(d).month; }

int Day(DateValue d) { return CivilOf(d).day; }

MonthAndDay MonthAndDayOf(DateValue d) {
    const Civil c = CivilOf(d);
    return {c.month, c.day};
}

std::size_t FormatMonthDayTo(char* out, DateValue d) {
    const Civil c = CivilOf(d);
    return WriteMonthDay(out, c.month, c.day);
}

std::string FormatMonthDay(DateValue d) {
    char text[kMonthDayTextCapacity];
    return std::string(text, FormatMonthDayTo(text, d));
}

DateValue DateValueFromCalendar(const CalendarDateTime& c) {
    const int64_t days = DaysFromCivil(c.year, c.month, c.day) - kSerialEpochFromUnix;
    const int seconds = (c.hour * 60 + c.minute) * 60 + c.second;
    return FromLinearForm(static_cast<double>(days) + seconds / kSecondsPerDay);
}

CalendarDateTime CalendarFromDateValue(DateValue d) {
    int64_t days = DayNumber(d);
    const double fraction = LinearForm(d) - static_cast<double>(days);
    // Outside the day (NaN, or a serial clamped by DayNumber) there is no time of day.
    int64_t seconds =
        fraction >= 0.0 && fraction < 1.0 ? std::llround(fraction * kSecondsPerDay) : 0;
    if (seconds >= 86400) {  // rounding reached the next midnight
        seconds -= 86400;
        ++days;
    }
    const Civil c = CivilFromDays(days + kSerialEpochFromUnix);
    return {c.year, c.month, c.day, static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}
