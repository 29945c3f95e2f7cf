#pragma once
// Camera RAW files over LibRaw: the camera's own JPEG preview where it covers what is
// shown, decoded by Lumora's JPEG path; otherwise the raw data developed as LibRaw's
// dcraw_emu develops it (camera white balance, sRGB, 8 bits), at half size when that
// still covers.

#include "imaging/PictureCodec.h"

const TPictureCodec& RawCodec();
