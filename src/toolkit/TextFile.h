#pragma once
// Text files the C run-time way: "\n" is written as CR LF on every platform, and
// reading drops the CR of each CR LF. The settings file and album files use these.

#include <optional>
#include <string>
#include <string_view>

std::string ToCrLf(std::string_view text);
std::string FromCrLf(std::string_view bytes);

// What writing does about a folder of the path that does not exist.
enum class TMissingFolder {
    Make,  // the settings file's folder is Lumora's own
    Fail,  // a folder the user named is theirs to make
};

// Writes text with CR LF line ends through a temporary file in the same folder that
// replaces the old file only when complete.
// False when the file cannot be written, the old file then stays as it was; a file
// without its owner's write permission counts as one that cannot be written.
bool WriteTextFileAtomic(const std::string& path, std::string_view text,
                         TMissingFolder missing = TMissingFolder::Make);

// The file's text with CR LF turned into LF; nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);
