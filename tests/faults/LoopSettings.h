#pragma once
// The two settings the fault child saves by turns: after any kill the file must hold the
// bytes of one of them. The second is long, so a kill often lands inside its write.

#include "settings/SettingsFile.h"
#include "text/AllTools.h"
#include "toolkit/TextFile.h"

#include <string>

struct TLoopSettings {
    TSettings values;
    TBrowseSettings browse;
};

inline TLoopSettings LoopSettings(int which)
{
    TLoopSettings s{DefaultSettings({"photoed.exe", "/opt/photoed/", "/home/"}), {}};
    if (which == 1) {
        s.values.ImageTool = "gimp";
        s.values.SlideDelay = "7";
        for (int k = 0; k < kSavedPathSlots; ++k)
            s.browse.SavedPaths.push_back({"mPath" + std::to_string(k),
                                           "&" + std::to_string(k) + ".\\" + std::string(4000, char('a' + k))});
    }
    return s;
}

// The file's bytes as the program writes them.
inline std::string LoopSettingsBytes(int which)
{
    TAllTools tools;
    const TLoopSettings s = LoopSettings(which);
    return ToCrLf(SettingsText(s.values, s.browse, tools));
}
