#include "album/AlbumEntry.h"

#include "text/AllTools.h"
#include "toolkit/Platform.h"
#include "toolkit/RunTime.h"

TPickedFile SplitPickedFile(TAllTools& tools, const std::string& path)
{
    const std::string delim(1, PathDelim);
    TPickedFile picked;
    TAlbumEntry& e = picked.entry;
    std::string name;
    for (std::int32_t p = tools.PosFrom(1, path, delim); p != 0; p = tools.PosFrom(p + 1, path, delim)) {
        e.Folder = tools.Mid(path, 1, p);
        name = tools.Mid(path, p + 1, 0);
    }
    const std::int32_t dot = tools.PosFrom(1, name, ".");
    e.Extension = tools.Mid(name, dot + 1, 0);
    e.BaseName = tools.Mid(name, 1, dot - 1);
    picked.skipped = tools.Right(e.BaseName, 1) == "t";
    return picked;
}

std::string GetCountText(int entries)
{
    return "Get " + IntToStr(entries) + " File(s).";
}
