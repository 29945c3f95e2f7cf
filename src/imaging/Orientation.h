#pragma once
// How a camera's picture lies in its file: the EXIF orientation (1 to 8) says which way
// the stored rows run, and the picture is turned or mirrored to stand upright.

#include "toolkit/Bitmap.h"

#include <cstddef>

// The orientation an EXIF block ("Exif\0\0" and its TIFF data, as an APP1 segment holds
// it) records for the main picture; 1, as stored, for a block that cannot be read or a
// value outside 1 to 8. Plain C underneath, so it may run between libjpeg's setjmp and
// its longjmp.
int ExifOrientation(const unsigned char* data, unsigned int length);

// Orientations 5 to 8 turn the picture a quarter: its width is shown as its height.
bool SwapsSides(int orientation);

// Turns and mirrors the stored pixels as the orientation says; 8-bit and 24-bit bitmaps
// keep their format and colour table.
void TurnUpright(TBitmap& bitmap, int orientation);

// Where the rows of a picture stored width x height go as they are decoded: count rows
// from stored row first, bytesPerPixel (1 or 3) bytes a pixel, written into the pixels of
// the upright picture (out, stride bytes a row). Turning while decoding spares a second
// picture's worth of memory and a pass over it.
struct TStoredRows {
    const unsigned char* const* rows;
    int count;
    int first;
};
void PlaceUpright(const TStoredRows& stored, int width, int height, int bytesPerPixel, int orientation,
                  unsigned char* out, std::ptrdiff_t stride);
