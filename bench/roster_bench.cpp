// Times GenerateRoster on a typical roster and on the largest one the date
// pickers allow, against a baseline that only formats the same month.day texts
// into a preallocated buffer. The buffer is allocated, not touched, before the
// clock starts: both sides then write the same amount of fresh memory.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/roster.h"

namespace {

DateValue At(int64_t y, int m, int d) { return DateValueFromCalendar({y, m, d, 0, 0, 0}); }

// The same cursor walk and formatting as the roster, written into one buffer.
double BaselineSeconds(const RosterRequest& request, int32_t cycles) {
    const int32_t staff = static_cast<int32_t>(request.staff.size());
    const int32_t extra = static_cast<int32_t>(std::stod(request.stintText)) - 1;
    const std::size_t texts = static_cast<std::size_t>(cycles) * staff * 2;
    const std::unique_ptr<char[]> buffer(new char[texts * kMonthDayTextCapacity]);
    Stopwatch watch;
    char* out = buffer.get();
    DateValue cursor = AddDays(request.start, -1);
    for (std::size_t i = 0; i < texts; i += 2) {
        cursor = AddDays(cursor, 1);
        FormatMonthDayTo(out, cursor);
        out += kMonthDayTextCapacity;
        cursor = AddDays(cursor, extra);
        FormatMonthDayTo(out, cursor);
        out += kMonthDayTextCapacity;
    }
    const double seconds = watch.Seconds();
    // Read the buffer back so that the writes cannot be optimised away.
    volatile char sink = buffer[texts * kMonthDayTextCapacity - 1];
    (void)sink;
    return seconds;
}

int32_t Cycles(const RosterResult& r) { return std::get<RosterAcceptance>(r).cycleCount; }

void Typical() {
    RosterRequest request{At(2026, 1, 1), At(2026, 12, 31), "7", {}};
    for (int i = 0; i < 30; ++i) request.staff.push_back("值班员" + std::to_string(i + 1));
    constexpr int kRuns = 2000;
    int32_t cycles = 0;
    Stopwatch watch;
    for (int i = 0; i < kRuns; ++i) cycles = Cycles(GenerateRoster(request));
    const double perRun = watch.Seconds() / kRuns;
    double baseline = 0;
    for (int i = 0; i < kRuns; ++i) baseline += BaselineSeconds(request, cycles);
    baseline /= kRuns;
    std::printf("typical: 30 names, 2026-01-01..2026-12-31, stint 7: C=%d, %.1f us per roster "
                "(baseline %.1f us, ratio %.2f)\n",
                cycles, perRun * 1e6, baseline * 1e6, perRun / baseline);
}

void Largest() {
    const RosterRequest request{At(1601, 1, 1), At(9999, 12, 31), "1", {"甲"}};
    const uint64_t before = PeakMemoryBytes();
    Stopwatch watch;
    RosterResult result = GenerateRoster(request);
    const double seconds = watch.Seconds();
    const uint64_t peak = PeakMemoryBytes();
    const int32_t cycles = Cycles(result);
    const double texts = 2.0 * cycles;
    result = RosterResult{};  // free the table before the baseline runs
    const double baseline = BaselineSeconds(request, cycles);
    std::printf("largest: 1601-01-01..9999-12-31, one name, stint 1: C=%d, %.0f date texts\n", cycles, texts);
    std::printf("  GenerateRoster %.3f s (target <= 0.5 s)\n", seconds);
    std::printf("  peak memory %.1f MiB, %.1f bytes per date text (target <= 40)\n",
                peak / 1048576.0, (peak - before) / texts);
    std::printf("  baseline formatting into a buffer %.3f s, ratio %.2f (target <= 2)\n", baseline,
                seconds / baseline);
}

}  // namespace

int main() {
    Largest();
    Typical();
    return 0;
}
