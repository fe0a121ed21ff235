#pragma once

#include <functional>
#include <vector>

// How every figure of corvanta_bench is measured and printed: the median of several
// runs, then one line with the name, the median, the target and "ok" or "over".
namespace BenchFigures {
double median(std::vector<double> values);
// The median time of run in milliseconds; prepare runs before each run, untimed.
double medianMs(int runs, const std::function<void()>& run, const std::function<void()>& prepare = {});
// The peak resident memory of the process so far.
double peakMemoryMb();
// The resident-memory peak (VmHWM) in MB since the last resetPeak(); -1 where the system
// does not tell it.
double peakSinceResetMb();
// Starts the peak again from the present size.
void resetPeak();
void print(const char* name, double value, double target, const char* unit);
} // namespace BenchFigures
