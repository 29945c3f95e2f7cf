#pragma once
// The picture viewer's step and its memory as the viewer benches measure them: the clean
// copy a step asks for, decoded in the step or ahead, and a child process that loads a
// picture and paints part of it.

#include "ProcessMemory.h"
#include "imaging/DisplayCopy.h"
#include "toolkit/Bitmap.h"

#include <QSize>

#include <string>

// The clean copy the viewer asks for.
TDisplayRequest CleanRequest(const std::string& path);

// What a step does once it has the clean copy: the picture's own copy is set from it.
TBitmap SetPicture(const TDisplayCopy& copy);

struct TStep {
    double inStep = 0;  // the clean copy decoded in the step
    double ahead = 0;   // decoded ahead while the previous picture was up
};

// Medians of repeat steps to the picture at path: from the step to the picture being set,
// with the clean copy asked for and waited for until it lands, against the one decoded
// ahead while the previous picture was up (that wait is not timed). Needs an event loop.
TStep MeasureStep(const std::string& path, int repeat);

// The memory of a child that loads the picture and paints the middle of it into a view
// at the zoom, as the viewer's picture control does on paint.
TChildMemory PaintedMemory(const std::string& path, QSize view, int zoom);
