#pragma once
// A whole album run for tests, the fault child and nothing else: starts the run and lets
// the event loop go until it has said "Write down.".

#include "album/AlbumRun.h"

void MakeAlbumAndWait(const TAlbumInputs& inputs, const TProgressStart& startProgress = {},
                      QThreadPool* pool = nullptr);
