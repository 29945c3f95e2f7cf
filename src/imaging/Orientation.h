#pragma once
// How a camera's picture lies in its file: the EXIF orientation (1 to 8) says which way
// the stored rows run, and the picture is turned or mirrored to stand upright.

#include "toolkit/Bitmap.h"

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
