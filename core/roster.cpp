#include "core/roster.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/number_reading.h"

namespace {

constexpr double kStintTolerance = 0.0000001;
constexpr double kCycleRounding = 0.9;
constexpr double kAlmostWhole = 0.999999999999;

RosterRejection Reject(RejectionReason reason, const char* message, bool focusStintBox = false) {
    return {reason, message, focusStintBox};
}

// x = D / P / n + 0.9, a fraction within 1e-12 of a whole number counted as
// that number, then floored; saturated to what a 32-bit count holds.
int32_t CycleCount(double days, int32_t staffCount, double stintLength) {
    double x = days / staffCount / stintLength + kCycleRounding;
    double whole = 0.0;
    const double fraction = std::modf(x, &whole);
    if (std::fabs(fraction) > kAlmostWhole) x = whole < 0.0 ? whole - 1.0 : whole + 1.0;
    // 2C + 1 columns must fit a 32-bit count.
    constexpr double kMaxCycles = (std::numeric_limits<int32_t>::max() - 1) / 2;
    if (!(x >= 0.0)) return 0;
    return static_cast<int32_t>(std::floor(std::min(x, kMaxCycles)));
}

// trunc(n - 1) as a 32-bit day count; n >= 1 - 1e-7 here, so it is >= 0.
int32_t ExtraStintDays(double stintLength) {
    const double extra = std::trunc(stintLength - 1.0);
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(extra, 0.0, kMax));
}

// Every month.day text, so that a date cell need hold only its month and day.
struct MonthDayTexts {
    char text[13][32][kMonthDayTextCapacity] = {};
    uint8_t length[13][32] = {};
    constexpr MonthDayTexts() {
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d) length[m][d] = static_cast<uint8_t>(WriteMonthDay(text[m][d], m, d));
    }
};
constexpr MonthDayTexts kMonthDayTexts;

}  // namespace

RosterTable::RosterTable(std::vector<std::string> names, int32_t cycles)
    : names_(std::move(names)), cycles_(cycles) {
    dates_.reserve(names_.size() * 2 * static_cast<std::size_t>(cycles));
}

std::string_view RosterTable::Text(int32_t row, int32_t column) const {
    if (row < 1 || row > RowCount() || column < 0 || column >= ColumnCount()) return {};
    if (column == 0) return names_[row - 1];
    const std::size_t cycle = static_cast<std::size_t>(column - 1) / 2;
    const std::size_t stint = cycle * names_.size() + static_cast<std::size_t>(row - 1);
    const std::size_t index = 2 * stint + static_cast<std::size_t>(column - 1) % 2;
    if (index >= dates_.size()) return {};
    const MonthDay date = dates_[index];
    return {kMonthDayTexts.text[date.month][date.day], kMonthDayTexts.length[date.month][date.day]};
}

void RosterTable::AppendDate(DateValue day) {
    const MonthAndDay date = MonthAndDayOf(day);
    dates_.push_back({static_cast<uint8_t>(date.month), static_cast<uint8_t>(date.day)});
}

void RosterTable::AppendStint(DateValue firstDay, DateValue lastDay) {
    if (dates_.size() >= names_.size() * 2 * static_cast<std::size_t>(cycles_)) return;
    AppendDate(firstDay);
    AppendDate(lastDay);
}

RosterResult GenerateRoster(const RosterRequest& request) {
    if (IsBefore(request.end, request.start))
        return Reject(RejectionReason::EndBeforeStart, "结束日期不能小于开始日期");

    const double stintLength = ReadNumber(request.stintText);
    if (stintLength - 1.0 < -kStintTolerance)
        return Reject(RejectionReason::NoStintLength, "请输入值班天数！", true);

    const auto staffCount = static_cast<int32_t>(
        std::min<std::size_t>(request.staff.size(), std::numeric_limits<int32_t>::max()));
    if (staffCount < 1) return Reject(RejectionReason::NoStaff, "请添加值班人员！");

    // Dates outside the valid range are taken at its nearest end, as the order
    // check takes them: the day count, and so the cycle count, stays finite and >= 0.
    const DateValue start = ClampToValidRange(request.start);
    const double days = DaysBetween(ClampToValidRange(request.end), start);
    const int32_t cycles = CycleCount(days, staffCount, stintLength);

    std::vector<std::string> names(request.staff.begin(), request.staff.begin() + staffCount);
    RosterAcceptance accepted{cycles, RosterTable(std::move(names), cycles)};
    RosterTable& table = accepted.table;

    const int32_t extraDays = ExtraStintDays(stintLength);
    DateValue cursor = AddDays(start, -1);
    for (int32_t j = 1; j <= cycles; ++j) {
        for (int32_t k = 1; k <= staffCount; ++k) {
            const DateValue firstDay = AddDays(cursor, 1);
            cursor = AddDays(firstDay, extraDays);
            table.AppendStint(firstDay, cursor);
        }
    }
    return accepted;
}
