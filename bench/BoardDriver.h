#pragma once
// The main window's thumbnail board driven as a user drives it, for the benchmarks that
// measure it end to end: hard-linked corpora, new windows, the Directory Show layout,
// whether the rows in view have their pixels, and the 1/8-scale yardstick.

#include "ProcessMemory.h"

#include <string>
#include <utility>
#include <vector>

class TThumbBoard;

struct TCorpus {
    std::string folder;
    std::vector<std::string> names;
    std::vector<int> source;  // the distinct picture each name links to
};

// rows names in folder ("p00000.jpg", ...; extension says which), hard-linked to the
// distinct files in turn, so a large corpus costs the disk only its distinct pictures.
TCorpus MakeCorpus(const std::string& folder, int rows, const std::vector<std::string>& distinct,
                   const std::string& extension = ".jpg");

// The median of three single-thread 1/8-scale decodes of the JPEG file, with the
// decoding settings the board uses.
double EighthDecodeMilliseconds(const std::string& path);
// The same at 1/denominator scale.
double ScaledDecodeMilliseconds(const std::string& path, int denominator);

// The sum of eighth (per distinct picture) over the corpus's first rows, over the cores.
double DecodeBound(const TCorpus& corpus, int rows, const std::vector<double>& eighth, int cores);

// New windows, so nothing is cached from a run before; shown, as the board's view needs,
// and painted once, as a user sees them before the first click.
// Empties the bench's shared thumbnail cache, so the next build is a first visit.
void ForgetSharedThumbnails();
void OpenWindows();

// Switches to Directory Show and lets the new layout be laid out and painted, as it is
// long before a user's folder change.
void ShowDirectoryLayout();

TThumbBoard* Board();

// The rows of the board's view, its last row cut to the board's rows.
std::pair<int, int> RowsOfView(int rows);
int RowsShown(int rows);

// Every thumbnail in the board's view is placed and has its pixels.
bool ViewHasPixels(int rows);

struct TRun {
    double firstScreen = 0;  // the thumbnails of the first screen placed
    double build = 0;  // every thumbnail placed
    double view = 0;   // from its return until the view is painted
    double all = 0;    // from its return until every wanted thumbnail is decoded
};

// Starts a build and lets the event loop run until its last thumbnail is placed; the
// time until the first screen of them was placed goes to firstScreen.
void BuildAndPlace(double* firstScreen = nullptr);

// Lets the event loop run until every thumbnail has its pixels.
void DecodeAll();

// The corpus's rows put in the selection, the board built and its view painted, and with
// waitForAll until every thumbnail is decoded too.
TRun RunBoard(const TCorpus& corpus, bool waitForAll);
