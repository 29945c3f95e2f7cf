#pragma once
// Photo-like pictures for the benchmark: sky and hill gradients, fine texture and a few
// hard edges, so the compressed size per pixel is that of a real photograph.

#include "toolkit/Bitmap.h"

TBitmap PhotoLikeBitmap(int width, int height);
