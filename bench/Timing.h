#pragma once
// Wall-clock time of a piece of work, for the benchmark programs.

#include <chrono>
#include <functional>

inline double Milliseconds(const std::function<void()>& work)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}
