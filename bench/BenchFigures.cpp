#include "BenchFigures.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace BenchFigures {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianMs(int runs, const std::function<void()>& run, const std::function<void()>& prepare)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

double peakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024; // kilobytes on Linux
}

void print(const char* name, double value, double target, const char* unit)
{
    std::printf("%-40s %10.1f %s  target %8.1f %s  %s\n", name, value, unit, target, unit,
                value <= target ? "ok" : "over");
}

double peakSinceResetMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024;
    }
    return -1;
}

void resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

} // namespace BenchFigures
