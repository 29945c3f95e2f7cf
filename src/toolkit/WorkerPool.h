#pragma once
// The threads Lumora's background work runs on: header reads, thumbnails, decoding
// ahead, the album run. Not Qt's global pool: Qt splits its own image conversions and
// smooth scaling on the user-interface thread over the global pool and waits for them,
// so jobs queued there would hold up painting until they were done.

class QThreadPool;

// As many threads as cores; made on first use.
QThreadPool& WorkerPool();
