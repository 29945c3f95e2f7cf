#pragma once
// Facts about the platform that the Windows program took for granted.

#include <string>
#include <vector>

#ifdef _WIN32
constexpr char PathDelim = '\\';
#else
constexpr char PathDelim = '/';
#endif

// The drive box's entries: the root, the home folder, then the roots of the other
// mounted volumes that hold real file systems.
std::vector<std::string> DriveList();

// Where the settings file lives: $XDG_CONFIG_HOME/lumora/InitShow.txt, with
// ~/.config when the variable is unset.
std::string SettingsFilePath();

// The three default settings that name places on the machine.
struct TDefaultSettings {
    std::string imageTool;
    std::string imageToolPath;    // with a trailing separator
    std::string htmlGetFilePath;  // with a trailing separator
};

// The values Lumora has always written on Windows.
TDefaultSettings WindowsDefaultSettings();

// Their natural equivalents here.
TDefaultSettings PlatformDefaultSettings();

// A folder path for display and comparison: no trailing separator except for the root.
std::string NormalizeFolder(const std::string& folder);
