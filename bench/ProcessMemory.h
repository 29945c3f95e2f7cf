#pragma once
// Resident memory of the bench's own process and of child processes it forks to measure
// one piece of work in a process of its own.

#include <functional>

// Resident ("VmRSS:") or peak resident ("VmHWM:") memory of this process, in megabytes.
double StatusMegabytes(const char* field);
// Starts the peak resident memory anew from the resident memory.
void ResetPeakMemory();

struct TChildMemory {
    long beforeKiB = -1;  // resident when work starts
    long peakKiB = -1;    // peak resident; -1 when work fails
};

// The memory of a child process forked to run work. Fork it before any worker thread is
// started: the child has only the forking thread.
TChildMemory ChildMemory(const std::function<bool()>& work);

// Peak resident memory, in KiB, of a child process that runs work; -1 when work fails.
long ChildPeakKiB(const std::function<bool()>& work);
