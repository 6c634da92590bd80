#include "core/roster.h"

#include "core/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

DateValue At(int64_t y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
    return DateValueFromCalendar({y, m, d, hh, mm, ss});
}

RosterRequest Request(DateValue start, DateValue end, std::string stint, std::vector<std::string> staff) {
    return {start, end, std::move(stint), std::move(staff)};
}

RosterAcceptance Accepted(RosterResult r) {
    auto* a = std::get_if<RosterAcceptance>(&r);
    if (!a) {
        ADD_FAILURE() << "rejected: " << std::get<RosterRejection>(r).message;
        return {};
    }
    return std::move(*a);
}

// Every date cell of row k, in column order.
std::vector<std::string> DateRow(const RosterTable& t, int32_t k) {
    std::vector<std::string> out;
    for (int32_t c = 1; c < t.ColumnCount(); ++c) out.emplace_back(t.Text(k, c));
    return out;
}

}  // namespace

TEST(GenerateRoster, WorkedExample) {
    const RosterResult r = GenerateRoster(
        Request(At(2012, 11, 1, 9, 30), At(2012, 11, 30, 9, 30), "5", {"张三", "李四", "王五"}));
    const RosterAcceptance a = Accepted(r);
    EXPECT_EQ(a.cycleCount, 2);
    ASSERT_EQ(a.table.RowCount(), 3);
    ASSERT_EQ(a.table.ColumnCount(), 5);
    EXPECT_EQ(a.table.Text(1, 0), "张三");
    EXPECT_EQ(a.table.Text(2, 0), "李四");
    EXPECT_EQ(a.table.Text(3, 0), "王五");
    EXPECT_EQ(DateRow(a.table, 1), (std::vector<std::string>{"11.1", "11.5", "11.16", "11.20"}));
    EXPECT_EQ(DateRow(a.table, 2), (std::vector<std::string>{"11.6", "11.10", "11.21", "11.25"}));
    EXPECT_EQ(DateRow(a.table, 3), (std::vector<std::string>{"11.11", "11.15", "11.26", "11.30"}));
}

TEST(GenerateRoster, CycleCountFromTheDateRange) {
    struct Case {
        const char* name;
        DateValue start, end;
        const char* stint;
        int staff;
        int32_t cycles;
    };
    const Case cases[] = {
        {"same day", At(2012, 11, 1, 8), At(2012, 11, 1, 8), "5", 3, 0},
        {"D=30, x=2.9", At(2012, 11, 1), At(2012, 12, 1), "5", 3, 2},
        {"D=32, x=3.03", At(2012, 11, 1), At(2012, 12, 3), "5", 3, 3},
        {"one person, x=2.9", At(2012, 11, 1), At(2012, 11, 3), "1", 1, 2},
        {"stint 2.5 counts as real", At(2012, 11, 1), At(2012, 11, 11), "2.5", 1, 4},
        {"D/P/n just below 0.1", At(2012, 11, 1), At(2012, 11, 1, 2, 23), "1", 1, 0},
        {"D/P/n just above 0.1", At(2012, 11, 1), At(2012, 11, 1, 2, 25), "1", 1, 1},
        {"D/P/n = 2 exactly", At(2012, 11, 1), At(2012, 11, 11), "5", 1, 2},
        {"time of day counts", At(2012, 11, 1, 12), At(2012, 11, 3), "1", 1, 2},
        {"0.99999995 passes", At(2012, 11, 1), At(2012, 11, 2), "0.99999995", 1, 1},
        {"huge stint", At(2012, 11, 1), At(2012, 11, 30), "1e300", 2, 0},
        {"infinite stint", At(2012, 11, 1), At(2012, 11, 30), "1e999", 2, 0},
        {"largest picker range", At(1601, 1, 1), At(9999, 12, 31), "1", 1, 3067670},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RosterResult r =
            GenerateRoster(Request(c.start, c.end, c.stint, std::vector<std::string>(c.staff, "x")));
        const RosterAcceptance a = Accepted(r);
        EXPECT_EQ(a.cycleCount, c.cycles);
        EXPECT_EQ(a.table.RowCount(), c.staff);
        EXPECT_EQ(a.table.ColumnCount(), 2 * c.cycles + 1);
    }
}

TEST(GenerateRoster, AFractionWithinATrillionthOfWholeCountsAsWhole) {
    // x = D + 0.9 with D = 0.1 - 1e-13 days gives 0.9999999999999, counted as 1 cycle.
    // Near the epoch the day count carries that precision.
    const DateValue start{0.0};
    const DateValue end{0.1 - 1e-13};
    EXPECT_EQ(Accepted(GenerateRoster(Request(start, end, "1", {"a"}))).cycleCount, 1);
    const DateValue farEnd{0.1 - 1e-11};
    EXPECT_EQ(Accepted(GenerateRoster(Request(start, farEnd, "1", {"a"}))).cycleCount, 0);
}

TEST(GenerateRoster, StintsRunOnWithoutGaps) {
    const RosterAcceptance oneDay =
        Accepted(GenerateRoster(Request(At(2012, 11, 1), At(2012, 11, 3), "1", {"甲"})));
    EXPECT_EQ(DateRow(oneDay.table, 1), (std::vector<std::string>{"11.1", "11.1", "11.2", "11.2"}));

    const RosterAcceptance halves =
        Accepted(GenerateRoster(Request(At(2012, 11, 1), At(2012, 11, 11), "2.5", {"甲"})));
    EXPECT_EQ(DateRow(halves.table, 1),
              (std::vector<std::string>{"11.1", "11.2", "11.3", "11.4", "11.5", "11.6", "11.7", "11.8"}));

    const RosterAcceptance yearEnd =
        Accepted(GenerateRoster(Request(At(2012, 12, 29), At(2013, 1, 8), "3", {"甲", "乙"})));
    EXPECT_EQ(DateRow(yearEnd.table, 1), (std::vector<std::string>{"12.29", "12.31", "1.4", "1.6"}));
    EXPECT_EQ(DateRow(yearEnd.table, 2), (std::vector<std::string>{"1.1", "1.3", "1.7", "1.9"}));

    const RosterAcceptance fullWidth =
        Accepted(GenerateRoster(Request(At(2012, 11, 1), At(2012, 11, 5), "２天", {"甲"})));
    EXPECT_EQ(DateRow(fullWidth.table, 1), (std::vector<std::string>{"11.1", "11.2", "11.3", "11.4"}));
}

TEST(GenerateRoster, EmptyAndRepeatedNamesEachGetARow) {
    const RosterAcceptance a =
        Accepted(GenerateRoster(Request(At(2012, 11, 1), At(2012, 11, 7), "1", {"张三", "", "张三"})));
    ASSERT_EQ(a.cycleCount, 2);
    EXPECT_EQ(a.table.Text(1, 0), "张三");
    EXPECT_EQ(a.table.Text(2, 0), "");
    EXPECT_EQ(a.table.Text(3, 0), "张三");
    EXPECT_EQ(DateRow(a.table, 1), (std::vector<std::string>{"11.1", "11.1", "11.4", "11.4"}));
    EXPECT_EQ(DateRow(a.table, 2), (std::vector<std::string>{"11.2", "11.2", "11.5", "11.5"}));
    EXPECT_EQ(DateRow(a.table, 3), (std::vector<std::string>{"11.3", "11.3", "11.6", "11.6"}));
}

TEST(GenerateRoster, RejectionsComeInOrderWithTheirTexts) {
    struct Case {
        const char* name;
        DateValue start, end;
        const char* stint;
        std::vector<std::string> staff;
        RejectionReason reason;
        const char* message;
        bool focus;
    };
    const DateValue nov1 = At(2012, 11, 1, 10), nov30 = At(2012, 11, 30, 10);
    const Case cases[] = {
        {"end before start", nov30, nov1, "5", {"a"}, RejectionReason::EndBeforeStart, "结束日期不能小于开始日期", false},
        {"end a second early", At(2012, 11, 1, 10, 0, 1), nov1, "5", {"a"}, RejectionReason::EndBeforeStart,
         "结束日期不能小于开始日期", false},
        {"date check first", nov30, nov1, "abc", {}, RejectionReason::EndBeforeStart, "结束日期不能小于开始日期", false},
        {"stint 0.5", nov1, nov30, "0.5", {"a"}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"stint 0", nov1, nov30, "0", {"a"}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"stint -3", nov1, nov30, "-3", {"a"}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"stint abc", nov1, nov30, "abc", {"a"}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"stint empty", nov1, nov30, "", {"a"}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"stint 0.9999998", nov1, nov30, "0.9999998", {"a"}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"stint -inf", nov1, nov30, "-1e999", {"a"}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"stint before staff", nov1, nov30, "", {}, RejectionReason::NoStintLength, "请输入值班天数！", true},
        {"no staff", nov1, nov30, "5", {}, RejectionReason::NoStaff, "请添加值班人员！", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RosterResult r = GenerateRoster(Request(c.start, c.end, c.stint, c.staff));
        const auto* rejection = std::get_if<RosterRejection>(&r);
        ASSERT_NE(rejection, nullptr);
        EXPECT_EQ(rejection->reason, c.reason);
        EXPECT_EQ(rejection->message, c.message);
        EXPECT_EQ(rejection->focusStintBox, c.focus);
    }
}

TEST(GenerateRoster, LastDayFollowsFromTheCycleCount) {
    // The roster always holds C full cycles: its last day is start + C*P*(trunc(n-1)+1) - 1.
    struct Case {
        DateValue start, end;
        const char* stint;
        int staff;
    };
    const Case cases[] = {
        {At(2020, 2, 3, 23, 59, 59), At(2021, 7, 9), "4", 3},
        {At(1601, 1, 1), At(1700, 3, 1), "13.7", 7},
        {At(1899, 12, 25, 6), At(1900, 1, 9), "1", 2},  // across the epoch, with a time of day
        {At(2024, 2, 20), At(2024, 3, 20), "1.5", 5},
    };
    for (const Case& c : cases) {
        const RosterAcceptance a =
            Accepted(GenerateRoster(Request(c.start, c.end, c.stint, std::vector<std::string>(c.staff, "p"))));
        ASSERT_GT(a.cycleCount, 0);
        const int64_t stintDays = static_cast<int64_t>(std::trunc(std::atof(c.stint) - 1)) + 1;
        const int64_t lastDay = DayNumber(c.start) + a.cycleCount * c.staff * stintDays - 1;
        EXPECT_EQ(a.table.Text(c.staff, 2 * a.cycleCount), FormatMonthDay({static_cast<double>(lastDay)}));
    }
}

TEST(GenerateRoster, RunsOnPastTheLastValidDate) {
    // Year 10000 is a leap year on the proleptic calendar.
    const RosterAcceptance a =
        Accepted(GenerateRoster(Request(At(9999, 12, 1), At(9999, 12, 31), "20", {"甲"})));
    ASSERT_EQ(a.cycleCount, 2);
    EXPECT_EQ(DateRow(a.table, 1), (std::vector<std::string>{"12.1", "12.20", "12.21", "1.9"}));

    const RosterAcceptance leap =
        Accepted(GenerateRoster(Request(At(9999, 12, 1), At(9999, 12, 31), "91", {"甲"})));
    ASSERT_EQ(leap.cycleCount, 1);
    EXPECT_EQ(DateRow(leap.table, 1), (std::vector<std::string>{"12.1", "2.29"}));
}

TEST(GenerateRoster, DatesOutsideTheValidRangeAreTakenAtItsEnds) {
    // Both beyond the last day: equal after clamping, so a roster with no cycles
    // rather than a negative day count.
    const RosterAcceptance a = Accepted(
        GenerateRoster(Request({kMaxDateSerial + 1000.0}, {kMaxDateSerial + 10.0}, "1", {"a"})));
    EXPECT_EQ(a.cycleCount, 0);
    const RosterAcceptance b =
        Accepted(GenerateRoster(Request({-1e300}, {1e300}, "1", {"a"})));
    EXPECT_EQ(b.cycleCount, 3615899);  // 0100-01-01 to 9999-12-31: x = D + 0.9
    EXPECT_EQ(b.table.Text(1, 1), "1.1");
    // A date that is no number gives no day count and so no cycles.
    EXPECT_EQ(Accepted(GenerateRoster(Request({std::nan("")}, {41214.0}, "1", {"a"}))).cycleCount, 0);
}

namespace {

// An independent month.day of a serial day: the civil date by the Julian Day
// Number inversion (Richards), not the library's conversion.
std::string ReferenceMonthDay(int64_t serialDay) {
    const int64_t jdn = serialDay + 2415019;
    const int64_t f = jdn + 1401 + (((4 * jdn + 274277) / 146097) * 3) / 4 - 38;
    const int64_t e = 4 * f + 3;
    const int64_t h = 5 * ((e % 1461) / 4) + 2;
    const int64_t day = (h % 153) / 5 + 1;
    const int64_t month = ((h / 153 + 2) % 12) + 1;
    return std::to_string(month) + "." + std::to_string(day);
}

}  // namespace

TEST(GenerateRoster, RandomRequestsMatchADirectFormula) {
    // Person k's stint in cycle j starts ((j-1)*P + k-1) stints after the start day.
    std::mt19937_64 rng(2024);
    std::uniform_int_distribution<int> startDay(-100000, 100000);
    std::uniform_int_distribution<int> rangeDays(0, 400);
    std::uniform_int_distribution<int> staffCount(1, 9);
    std::uniform_int_distribution<int> seconds(0, 86399);
    const char* stints[] = {"1", "2", "3", "7", "2.5", "0.99999995", "10", "1.01", "４", "5天", "31"};
    for (int i = 0; i < 3000; ++i) {
        const int64_t first = startDay(rng);
        const DateValue start = FromLinearForm(first + seconds(rng) / 86400.0);
        const DateValue end = FromLinearForm(first + rangeDays(rng) + seconds(rng) / 86400.0);
        const char* stint = stints[rng() % std::size(stints)];
        const int staff = staffCount(rng);
        const RosterResult r = GenerateRoster(Request(start, end, stint, std::vector<std::string>(staff, "p")));
        if (IsBefore(end, start)) {
            ASSERT_TRUE(std::holds_alternative<RosterRejection>(r));
            continue;
        }
        const RosterAcceptance a = Accepted(r);
        const double n = ReadNumber(stint);
        const double x = (LinearForm(end) - LinearForm(start)) / staff / n + 0.9;
        ASSERT_EQ(a.cycleCount, static_cast<int32_t>(std::floor(x + 1e-12))) << i;
        const int64_t length = static_cast<int64_t>(std::trunc(n - 1)) + 1;
        for (int32_t j = 1; j <= a.cycleCount; ++j) {
            for (int32_t k = 1; k <= staff; ++k) {
                const int64_t begins = first + ((j - 1) * staff + (k - 1)) * length;
                ASSERT_EQ(a.table.Text(k, 2 * j - 1), ReferenceMonthDay(begins)) << i;
                ASSERT_EQ(a.table.Text(k, 2 * j), ReferenceMonthDay(begins + length - 1)) << i;
            }
        }
    }
}
