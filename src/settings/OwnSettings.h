#pragma once
// Lumora's own settings, beside the settings file: lumora.conf, one "Name=value" a line.
// What the settings file's 24 lines have no room for lives here, so that file stays as
// it is. Lines this version does not know are kept as they were when the file is written.

#include <string>
#include <vector>

struct TOwnSettings {
    bool allPictureTypes = false;        // Mode > "All Picture Types"
    std::vector<std::string> unknown;    // lines of a later version, kept in their order
};

// lumora.conf in the settings file's folder.
std::string OwnSettingsPath(const std::string& settingsFilePath);

// A missing file gives the defaults; so does a line whose value cannot be read.
TOwnSettings ReadOwnSettings(const std::string& path);
// Written whole or not at all; false, the old file as it was, when it could not be, with
// why in reason.
bool WriteOwnSettings(const std::string& path, const TOwnSettings& settings, std::string& reason);
