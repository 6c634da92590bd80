#pragma once
// Roster generation: from the staff list, two dates and the stint text, either a
// rejection with the message to show or the cycle count and the roster body.
// Pure: it keeps nothing and touches no window.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/calendar_date.h"

struct RosterRequest {
    DateValue start;
    DateValue end;
    std::string stintText;            // GBK
    std::vector<std::string> staff;   // GBK, in list order; may be empty texts or repeat
};

enum class RejectionReason { EndBeforeStart, NoStintLength, NoStaff };

struct RosterRejection {
    RejectionReason reason;
    std::string message;        // GBK, the text to show
    bool focusStintBox = false; // move the input focus to the stint box afterwards
};

// The roster body: P rows (numbered 1..P, the grid rows they go to) and 2*C + 1
// columns. Column 0 holds the names, column 2j-1 and 2j the first and last day of
// cycle j as month.day texts. A date cell keeps only its month and day, in
// duty order (cycle by cycle, person by person), and its text is one of the
// 372 month.day texts built once: the largest roster has six million dates,
// written in one sequential pass.
class RosterTable {
public:
    RosterTable() = default;
    RosterTable(std::vector<std::string> names, int32_t cycles);

    int32_t RowCount() const { return static_cast<int32_t>(names_.size()); }
    int32_t ColumnCount() const { return 2 * cycles_ + 1; }
    // row 1..RowCount(), column 0..ColumnCount()-1; the empty text outside.
    std::string_view Text(int32_t row, int32_t column) const;
    // Appends the next stint in duty order: the first and the last day of the
    // next person's stint; ignored once every stint of every cycle is there.
    void AppendStint(DateValue firstDay, DateValue lastDay);

private:
    struct MonthDay {
        uint8_t month;
        uint8_t day;
    };
    void AppendDate(DateValue day);

    std::vector<std::string> names_;
    int32_t cycles_ = 0;
    std::vector<MonthDay> dates_;  // per stint its first and last day, in duty order
};

struct RosterAcceptance {
    int32_t cycleCount = 0;
    RosterTable table;
};

using RosterResult = std::variant<RosterRejection, RosterAcceptance>;

RosterResult GenerateRoster(const RosterRequest& request);
