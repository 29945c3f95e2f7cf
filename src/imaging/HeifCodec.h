#pragma once
// HEIC/HEIF and AVIF pictures, over libheif: the primary image as the file shows it
// (turned and mirrored as its container says), or an embedded thumbnail where one is
// large enough for the board. Both read any file of the family libheif knows; the name
// only says which type a message speaks of.

#include "imaging/PictureCodec.h"

const TPictureCodec& HeifCodec();
const TPictureCodec& AvifCodec();
