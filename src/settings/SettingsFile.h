#pragma once
// The settings file InitShow.txt: 24 lines of the form section digit, blank, bracketed
// label, filler blanks, key digit, "=", value. The reader looks only at the section digit
// and the key digit before the first "="; labels and blanks are there for people.
// Everything here is window-free: the main window copies a TSettings to and from its
// state, its browsing controls and its Path menu.

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

struct TSettings {
    TColor BrowseColor = 0;      // line 1: background of the four browsing controls
    TColor BrowseFontColor = 0;  // line 2: their font colour
    TColor BackdropColor = 0;    // line 3: the viewer's backdrop
    // Lines 4-13, in menu order: slot k is entry k. A slot without an entry is written
    // with nothing after "=", which reads back as the empty entry "&k.0".
    std::vector<TSavedPathEntry> SavedPaths;
    std::string ShowTray;
    std::string SlideShowPath;
    std::string SlideDelay;
    std::string ImageTool;
    std::string ImageToolPath;
    std::string HtmlGetFilePath;
    std::int32_t HtmlThumbMode = 0;
    std::string HtmlThumbPixelsWidth;
    std::string HtmlThumbPixelsHeight;
    std::string HtmlThumbPercentWidth;
    std::string HtmlThumbPercentHeight;

    bool operator==(const TSettings&) const = default;
};

// Which colour lines reading applied; the window sets only those colours.
struct TColorsRead {
    bool BrowseColor = false;
    bool BrowseFontColor = false;
    bool BackdropColor = false;

    bool operator==(const TColorsRead&) const = default;
};

// The settings of a first start. They hold no saved-path entries, so the ten menu lines
// are written with nothing after "=".
TSettings DefaultSettings(const TDefaultSettings& places);

// The 24 lines, each ending in "\n" (the text-file writer makes that CR LF). Slot k's
// folder is tools.Mid(caption of entry k, 4, 0): "0" for an empty entry.
std::string SettingsText(const TSettings& settings, TAllTools& tools);

// Applies the file's text (CR LF already read as LF) to into, line by line; bytes after
// the last line feed are not a line. Reading stops, silently, at the first line with an
// unknown section or key or one that cannot be taken apart (no "=", a section, key,
// colour or mode that is not a number); what was applied before stays applied.
// Section-2 lines append entries to into.SavedPaths.
TColorsRead ParseSettings(std::string_view text, TSettings& into, TAllTools& tools);

// Reads the file at path into into; nothing when it cannot be read (into unchanged).
std::optional<TColorsRead> LoadSettingsFile(const std::string& path, TSettings& into, TAllTools& tools);

// Replaces the file at path with SettingsText (CR LF, atomically); false when it cannot
// be written, and the old file then stays as it was.
bool SaveSettingsFile(const std::string& path, const TSettings& settings, TAllTools& tools);
