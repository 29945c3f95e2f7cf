#pragma once
// Shared thumbnails written behind the board: a decode hands its thumbnail over and goes
// on to the next picture, and one thread of the lowest priority encodes and writes them
// while the cores have nothing else to do. On a board of small pictures, encoding a
// thumbnail and making its file cost more than decoding the picture.
//
// What waits is bounded in bytes, kept small since the board's own copies are what its
// memory is for: past that bound a decode writes its thumbnail itself, as before, so every
// thumbnail is kept. Any thread.

#include "thumbs/SharedThumbnails.h"

#include <QImage>
#include <QSize>

#include <cstddef>

// Room for some 110 thumbnails of the normal size waiting to be written: a folder of small
// pictures is decoded whole before its thumbnails are written.
constexpr std::size_t kSharedWriteBytes = std::size_t{4} << 20;

// Writes thumbnail (of a picture of size picture) as entry's, later; now when too many wait.
void WriteSharedBehind(const TSharedThumbnail& entry, const QImage& thumbnail, QSize picture);
// Returns once every thumbnail handed over is written: where a test or a bench looks at the
// cache. The application object calls it as it goes, so a program ends with all written.
void FinishSharedWrites();
