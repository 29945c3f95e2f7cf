#pragma once
// The picture types Qt's own image plugins read: PNG, GIF, TIFF (its first page) and SVG,
// and the frames of a moving WebP picture; each by its format alone, so content of
// another type under its name is refused.

#include "imaging/PictureCodec.h"

const TPictureCodec& PngCodec();
const TPictureCodec& GifCodec();
// WebP as Qt reads it, for the frames of a moving picture (WebpCodec reads the rest).
const TPictureCodec& QtWebpCodec();
const TPictureCodec& TiffCodec();
const TPictureCodec& SvgCodec();
