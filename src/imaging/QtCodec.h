#pragma once
// The picture types Qt's own image plugins read: PNG, GIF, WebP, TIFF (its first page)
// and SVG, each by its format alone, so content of another type under its name is refused.

#include "imaging/PictureCodec.h"

const TPictureCodec& PngCodec();
const TPictureCodec& GifCodec();
const TPictureCodec& WebpCodec();
const TPictureCodec& TiffCodec();
const TPictureCodec& SvgCodec();
