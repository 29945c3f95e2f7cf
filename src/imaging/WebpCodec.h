#pragma once
// WebP pictures over libwebp itself: a still picture is decoded straight into the 24-bit
// rows the viewer holds (or, reduced, to the board's size), so a large one is held once,
// and turned into sRGB by its ICCP chunk's profile; a moving one's frames come from Qt's
// reader, which composes them.

#include "imaging/PictureCodec.h"

const TPictureCodec& WebpCodec();
