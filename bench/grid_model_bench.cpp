// Times the whole generate path below the window (GenerateRoster, then the
// layout and the fill of a new grid) and measures its peak memory per grid
// cell. Run without arguments: every case runs in a process of its own, since
// the peak memory of a process only ever grows.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_util.h"
#include "ui/roster_layout.h"

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace {

DateValue At(int64_t y, int m, int d) { return DateValueFromCalendar({y, m, d, 0, 0, 0}); }

struct PathRun {
    double seconds = 0;
    int32_t cycles = 0;
    int64_t cells = 0;
};

PathRun RunPath(const RosterRequest& request) {
    Stopwatch watch;
    const RosterResult result = GenerateRoster(request);
    GridModel grid;
    int32_t storedCycleCount = 0;
    ShowAcceptedRoster(grid, std::get<RosterAcceptance>(result), storedCycleCount);
    return {watch.Seconds(), storedCycleCount, int64_t{grid.RowCount()} * grid.ColumnCount()};
}

// One name, stint 1, from 1601-01-01 (the first day the date pickers take).
RosterRequest OneNameUntil(DateValue end) { return {At(1601, 1, 1), end, "1", {"甲"}}; }

const RosterRequest kLargest = OneNameUntil(At(9999, 12, 31));
const RosterRequest kHalf = OneNameUntil(AddDays(At(1601, 1, 1), 3067670 / 2));

RosterRequest Typical() {
    RosterRequest request{At(2026, 1, 1), At(2026, 12, 31), "7", {}};
    for (int i = 0; i < 30; ++i) request.staff.push_back("值班员" + std::to_string(i + 1));
    return request;
}

// The first run's figures and peak memory, then the best of a few more runs.
int WideCase(const char* name, const RosterRequest& request) {
    const PathRun first = RunPath(request);
    const uint64_t peak = PeakMemoryBytes();
    double best = first.seconds;
    for (int i = 0; i < 2; ++i) best = std::min(best, RunPath(request).seconds);
    std::printf("%s: C=%d, %lld cells: first run %.3f s, best %.3f s; peak memory %.1f MiB, %.1f bytes per cell\n",
                name, first.cycles, static_cast<long long>(first.cells), first.seconds, best, peak / 1048576.0,
                static_cast<double>(peak) / static_cast<double>(first.cells));
    return 0;
}

int TypicalCase() {
    const RosterRequest request = Typical();
    constexpr int kRuns = 2000;
    PathRun run;
    double best = 1e9;
    Stopwatch watch;
    for (int i = 0; i < kRuns; ++i) {
        run = RunPath(request);
        best = std::min(best, run.seconds);
    }
    std::printf("typical: 30 names, 2026-01-01..2026-12-31, stint 7: C=%d, %lld cells: %.1f us mean, %.1f us best"
                " (target well under 1000 us)\n",
                run.cycles, static_cast<long long>(run.cells), watch.Seconds() / kRuns * 1e6, best * 1e6);
    return 0;
}

// Runs a case in a child process and returns its best time, read from its output.
double RunChild(const char* self, const char* name) {
    const std::string command = std::string("\"") + self + "\" " + name;
    std::fflush(stdout);
    FILE* child = popen(command.c_str(), "r");
    if (child == nullptr) return 0;
    char line[512];
    double best = 0;
    while (std::fgets(line, sizeof line, child) != nullptr) {
        std::fputs(line, stdout);
        if (const char* at = std::strstr(line, "best ")) best = std::atof(at + 5);
    }
    pclose(child);
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const std::string name = argv[1];
        if (name == "largest") return WideCase("largest (1601-01-01..9999-12-31, one name, stint 1)", kLargest);
        if (name == "half") return WideCase("half the range", kHalf);
        if (name == "typical") return TypicalCase();
        std::fprintf(stderr, "usage: %s [largest|half|typical]\n", argv[0]);
        return 2;
    }
    std::printf("targets: largest <= 1 s and <= 48 bytes per cell; time(2C) / time(C) <= 2\n");
    const double full = RunChild(argv[0], "largest");
    const double half = RunChild(argv[0], "half");
    if (half > 0) std::printf("time(2C) / time(C), best runs: %.2f\n", full / half);
    RunChild(argv[0], "typical");
    return 0;
}
