#pragma once
// Small helpers for the benchmark programs: wall time and the process's peak memory.
// (No <chrono>: libstdc++'s C++20 <chrono> does not compile with a GBK execution charset.)

#include <cstdint>

class Stopwatch {
public:
    Stopwatch();
    double Seconds() const;

private:
    double start_;
};

// Peak resident set of this process so far, in bytes (0 where the platform does not tell).
uint64_t PeakMemoryBytes();
