#include "app/CommandLine.h"

#include "browse/OpenedPaths.h"

namespace {

const char* const kUsage =
    "Usage: lumora [OPTION] [FOLDER | PICTURE]...\n"
    "Browse FOLDER, or add the PICTUREs to the selection list and show the first one.\n"
    "file:// addresses are taken as paths.\n"
    "\n"
    "  --help     show this help and end\n"
    "  --version  show the version and end\n";

}  // namespace

TCommandLine ReadCommandLine(const std::vector<std::string>& arguments)
{
    TCommandLine line;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
        } else if (options && argument == "--help") {
            return {{}, 0, kUsage, {}};
        } else if (options && argument == "--version") {
            return {{}, 0, "lumora " LUMORA_VERSION "\n", {}};
        } else if (options && argument.size() > 1 && argument.front() == '-') {
            return {{}, 2, {}, "lumora: unknown option " + argument + "\n" + kUsage};
        } else {
            line.paths.push_back(FileUriPath(argument).value_or(argument));
        }
    }
    return line;
}
