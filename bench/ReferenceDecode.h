#pragma once
// The library's own decode of a picture file, as the types bench holds the viewer's decode
// to: Qt's QImageReader in this process, or the library's command-line decoder as a child
// process writing its cheapest raw format into /dev/null, so neither side pays for a disk.
// A child's time includes starting the program; the same program on a tiny file of the
// type gives that cost, which the bound takes off.

#include "TypeCorpus.h"

#include <string>

struct TReferenceTime {
    double decode = 0;  // median milliseconds on the file; < 0 when the program failed
    double start = 0;   // median milliseconds on the tiny file; 0 in this process
    std::string how;    // what was timed, as the bench prints it
};

// The medians of repeat runs on path and on tiny (unused for Qt's reader).
TReferenceTime ReferenceDecode(const TBenchType& type, const std::string& path, const std::string& tiny, int repeat);
