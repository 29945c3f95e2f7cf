#pragma once
// libjxl's work split over a thread pool without waiting on it: the calling thread takes
// pieces itself, and pool threads that are free join in. The board decodes on every
// worker at once, so a decode that waited for a free worker would never finish.

#include <jxl/parallel_runner.h>

#include <cstdint>

// A JxlParallelRunner: runner is the QThreadPool to borrow threads from.
JxlParallelRetCode RunOnPool(void* runner, void* jxl, JxlParallelRunInit init, JxlParallelRunFunction run,
                             std::uint32_t start, std::uint32_t end);
