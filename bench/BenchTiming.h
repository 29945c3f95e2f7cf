#pragma once
// Timing helpers the benchmark programs share.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// Wall-clock time of one run of work.
inline double Milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
