#pragma once
// The command line: lumora [--help | --version] [FOLDER | PICTURE | file://ADDRESS]...
// Read before anything else is made, so the options answer without a display.

#include <optional>
#include <string>
#include <vector>

struct TCommandLine {
    std::vector<std::string> paths;  // to open, file:// addresses made paths
    // Set when the program ends at once: its exit status and what it prints.
    std::optional<int> status;
    std::string out;
    std::string err;
};

// The arguments after the program's name. "--" ends the options.
TCommandLine ReadCommandLine(const std::vector<std::string>& arguments);
