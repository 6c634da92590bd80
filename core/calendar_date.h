#pragma once
// The date-time value of the whole program: an OLE Automation date, days since
// 1899-12-30 00:00 as a double. For negative values the integer part counts days
// backwards while the fraction still counts the time of day forwards
// (-1.25 is 1899-12-29 06:00), so arithmetic goes through the linear form.

#include <cstddef>
#include <cstdint>
#include <string>

struct DateValue {
    double serial = 0.0;
};

// The valid range: 0100-01-01 00:00 to the last second of 9999-12-31.
inline constexpr double kMinDateSerial = -657434.0;
inline constexpr double kMaxDateSerial = 2958465.0;

// A broken-down local date and time, whole seconds (what the date pickers hold).
struct CalendarDateTime {
    int64_t year = 1899;
    int month = 12;   // 1..12
    int day = 30;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const CalendarDateTime&) const = default;
};

// Days and time of day on one increasing axis: d itself for d >= 0,
// 2*trunc(d) - d for negative d.
double LinearForm(DateValue d);
// The inverse of LinearForm.
DateValue FromLinearForm(double linear);

// d moved to the nearest end of the valid range when it lies outside (NaN stays NaN).
DateValue ClampToValidRange(DateValue d);
// Whether a lies before b, both first clamped to the valid range.
bool IsBefore(DateValue a, DateValue b);
// d moved by n whole days, the time of day unchanged; n == 0 returns d as it was.
DateValue AddDays(DateValue d, int32_t n);
// t1 - t2 in days, fractions included.
double DaysBetween(DateValue t1, DateValue t2);

// The calendar day that d falls on, as days since 1899-12-30 (negative before it).
int64_t DayNumber(DateValue d);
int Month(DateValue d);
int Day(DateValue d);

struct MonthAndDay {
    int month;  // 1..12
    int day;    // 1..31
};
MonthAndDay MonthAndDayOf(DateValue d);

// "month.day" without leading zeros or year, e.g. "11.5", "1.10".
std::string FormatMonthDay(DateValue d);
// The same text written into out (at least kMonthDayTextCapacity bytes); returns its length.
inline constexpr std::size_t kMonthDayTextCapacity = 8;
std::size_t FormatMonthDayTo(char* out, DateValue d);
// The text of a month (1..12) and day (1..31) written into out; returns its length.
constexpr std::size_t WriteMonthDay(char* out, int month, int day) {
    std::size_t n = 0;
    if (month >= 10) out[n++] = static_cast<char>('0' + month / 10);
    out[n++] = static_cast<char>('0' + month % 10);
    out[n++] = '.';
    if (day >= 10) out[n++] = static_cast<char>('0' + day / 10);
    out[n++] = static_cast<char>('0' + day % 10);
    return n;
}

// Conversions between the serial and a calendar date on the proleptic Gregorian calendar.
// Defined for every year the 64-bit day count holds, not only the valid range.
DateValue DateValueFromCalendar(const CalendarDateTime& c);
CalendarDateTime CalendarFromDateValue(DateValue d);  // rounded to the nearest second
