#include "bench_util.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>

namespace {
double NowSeconds() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}  // namespace

uint64_t PeakMemoryBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.PeakWorkingSetSize;
}
#else
#include <sys/resource.h>
#include <time.h>

namespace {
double NowSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}
}  // namespace

uint64_t PeakMemoryBytes() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) return 0;
    return static_cast<uint64_t>(usage.ru_maxrss) * 1024;  // Linux reports kilobytes
}
#endif

Stopwatch::Stopwatch() : start_(NowSeconds()) {}

double Stopwatch::Seconds() const { return NowSeconds() - start_; }
