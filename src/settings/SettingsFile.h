#pragma once
// The settings file InitShow.txt: 24 lines of the form section digit, blank, bracketed
// label, filler blanks, key digit, "=", value. The reader looks only at the section digit
// and the key digit before the first "="; labels and blanks are there for people.
// Everything here is window-free: the main window reads and writes its own state, and
// hands over what its browsing controls and its Path menu hold.

#include "toolkit/Color.h"
#include "toolkit/Platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TAllTools;

// One saved-path entry of the Path menu: name "mPath" + key, caption "&" + key + "." + folder.
struct TSavedPathEntry {
    std::string name;
    std::string caption;

    bool operator==(const TSavedPathEntry&) const = default;
};

// The ten saved-folder slots of the Path menu, lines 4-13 of the file.
constexpr int kSavedPathSlots = 10;

// The values of the file that the program keeps in MainState, in MainState's order. The
// main window's state is derived from this struct, so reading and writing work on that
// state itself.
struct TSettings {
    std::string ImageToolPath;
    std::string ImageTool;
    std::string SlideDelay;
    std::string SlideShowPath;
    std::string ShowTray;
    std::string HtmlGetFilePath;
    std::string HtmlThumbPixelsHeight;
    std::string HtmlThumbPixelsWidth;
    std::string HtmlThumbPercentHeight;
    std::string HtmlThumbPercentWidth;
    std::int32_t HtmlThumbMode = 0;
    // The viewer's backdrop, carried by the third colour line.
    TColor ViewerBackdrop = clInfoBk;

    bool operator==(const TSettings&) const = default;
};

// What the file holds beside them, kept by the main window's controls: the browsing
// colours of lines 1 and 2 (the four browsing controls share them) and the saved-path
// entries (the Path menu's captions). The start values are those of a first start.
struct TBrowseSettings {
    TColor BrowseColor = clInfoBk;
    TColor BrowseFontColor = clBlue;
    // In menu order: slot k is entry k. A slot without an entry is written with nothing
    // after "=", which reads back as the empty entry "&k.0".
    std::vector<TSavedPathEntry> SavedPaths;

    bool operator==(const TBrowseSettings&) const = default;
};

// Which browsing colour lines reading applied; the window sets only those colours.
struct TColorsRead {
    bool BrowseColor = false;
    bool BrowseFontColor = false;

    bool operator==(const TColorsRead&) const = default;
};

// The values of a first start; with them go a default TBrowseSettings, whose missing
// saved-path entries write the ten menu lines with nothing after "=".
TSettings DefaultSettings(const TDefaultSettings& places);

// The 24 lines, each ending in "\n" (the text-file writer makes that CR LF). Slot k's
// folder is tools.Mid(caption of entry k, 4, 0): "0" for an empty entry.
std::string SettingsText(const TSettings& values, const TBrowseSettings& browse, TAllTools& tools);

// Applies the file's text (CR LF already read as LF) to into, line by line; bytes after
// the last line feed are not a line. Reading stops, silently, at the first line with an
// unknown section or key or one that cannot be taken apart (no "=", a section, key,
// colour or mode that is not a number); what was applied before stays applied.
// Section-2 lines append entries to browse.SavedPaths.
TColorsRead ParseSettings(std::string_view text, TSettings& values, TBrowseSettings& browse, TAllTools& tools);

// Reads the file at path; nothing when it cannot be read (values and browse unchanged).
std::optional<TColorsRead> LoadSettingsFile(const std::string& path, TSettings& values, TBrowseSettings& browse,
                                            TAllTools& tools);

// Replaces the file at path with SettingsText (CR LF, atomically); false when it cannot
// be written, and the old file then stays as it was.
bool SaveSettingsFile(const std::string& path, const TSettings& values, const TBrowseSettings& browse,
                      TAllTools& tools);

// What both writers of the file do: SaveSettingsFile, and the message "Cannot open output
// file." when the file could not be written, a write that failed part way included.
void SaveSettingsReporting(const std::string& path, const TSettings& values, const TBrowseSettings& browse,
                           TAllTools& tools);
