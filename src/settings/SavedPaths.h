#pragma once
// The Path menu's ten saved-folder slots. The menu captions hold the folders while the
// program runs ("&" + slot digit + "." + folder); these are the rules the main window
// applies to them.

#include "settings/SettingsFile.h"

#include <cstdint>
#include <string>
#include <vector>

class TAllTools;

// The caption of slot 0-9 holding folder; an empty folder gives the cleaned caption "&k.".
std::string SavedPathCaption(int slot, const std::string& folder);

// Where recording a folder puts it, given SavedPathCount: the slot (SavedPathCount, or 0
// once it has reached 10), the slot's new caption, and SavedPathCount afterwards (slot + 1,
// so 10 after slot 9, which the next record takes as slot 0).
struct TSavedPathRecord {
    int slot;
    std::string caption;
    std::int32_t nextCount;
};
TSavedPathRecord RecordInSlot(std::int32_t savedPathCount, const std::string& folder);

// SavedPathCount at start-up: the first slot whose caption is the empty form "&k.0",
// 10 when all ten are in use, or the number of entries when fewer than ten are present
// and all in use.
std::int32_t CountSavedPaths(const std::vector<TSavedPathEntry>& entries);

// The folder of a caption: everything from its fourth byte on; "0" for an empty entry
// ("&k.0" or "&k.").
std::string SavedPathFolder(const std::string& caption, TAllTools& tools);
