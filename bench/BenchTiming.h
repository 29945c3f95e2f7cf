#pragma once
// Timing helpers the benchmark programs share.

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <vector>

// Wall-clock time of one run of work.
inline double Milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The processor time the whole process spent on one run of work: a decode split over the
// cores counts every core it took.
inline double CpuMilliseconds(const std::function<void()>& work)
{
    timespec start{}, end{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    work();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
