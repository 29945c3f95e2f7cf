#pragma once
// JPEG XL over libjxl's decoder: the file fed to it in pieces, decoded whole (or its
// preview, when that covers) straight into the image shown, on Lumora's workers.

#include "imaging/PictureCodec.h"

const TPictureCodec& JxlCodec();
