#pragma once
// The album list as data: an entry per picked file, how a picked path becomes one, and
// the status text that counts them.

#include <string>

class TAllTools;

struct TAlbumEntry {
    std::string Folder;     // with its trailing separator
    std::string BaseName;   // the file name up to its first "."
    std::string Extension;  // the file name after its first "."
    bool operator==(const TAlbumEntry&) const = default;
};

struct TPickedFile {
    TAlbumEntry entry;
    // Base names ending in a lower-case "t" are taken for the album's own thumbnails.
    bool skipped = false;
};

// Splits a picked path at its last PathDelim and the name at its first ".", the way
// the album window always has: a name without "." is its own base name and extension,
// and a part that copies nothing is the tools' "0".
TPickedFile SplitPickedFile(TAllTools& tools, const std::string& path);

// "Get " N " File(s)."
std::string GetCountText(int entries);
