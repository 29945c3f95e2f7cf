// Fuzz target: arbitrary bytes as the settings file. Whatever reading them applies,
// saved and read again, comes back as it was, within the format's own rules: a text
// setting saved empty comes back "0", and the Path menu comes back as its ten entries
// (entry k for slot k, "0" for a slot without an entry, entries past the tenth lost).

#include "settings/SettingsFile.h"
#include "text/AllTools.h"
#include "RunFile.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string TSettings::*const kTextSettings[] = {
    &TSettings::ImageToolPath,         &TSettings::ImageTool,
    &TSettings::SlideDelay,            &TSettings::SlideShowPath,
    &TSettings::ShowTray,              &TSettings::HtmlGetFilePath,
    &TSettings::HtmlThumbPixelsHeight, &TSettings::HtmlThumbPixelsWidth,
    &TSettings::HtmlThumbPercentHeight, &TSettings::HtmlThumbPercentWidth,
};

struct TState {
    TSettings values;
    TBrowseSettings browse;
    bool operator==(const TState&) const = default;
};

// The settings file, in a folder of its own for the whole run.
const std::string& FilePath()
{
    static const std::string path = RunFilePath("InitShow.txt");
    return path;
}

// Reading the file into the state of a start before any settings were read.
TState Load(TAllTools& tools)
{
    TState state;
    if (!LoadSettingsFile(FilePath(), state.values, state.browse, tools))
        std::abort();
    return state;
}

// What a save of state reads back as.
TState SavedAndRead(TState state)
{
    for (const auto text : kTextSettings)
        if ((state.values.*text).empty())
            state.values.*text = "0";
    std::vector<TSavedPathEntry> entries;
    for (int k = 0; k < kSavedPathSlots; ++k) {
        const std::string key = std::to_string(k);
        // A caption read from the file is "&" key "." folder, the folder never empty.
        const bool present = static_cast<std::size_t>(k) < state.browse.SavedPaths.size();
        const std::string folder = present ? state.browse.SavedPaths[k].caption.substr(3) : "0";
        entries.push_back({"mPath" + key, "&" + key + "." + folder});
    }
    state.browse.SavedPaths = entries;
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile input(QFile::decodeName(FilePath().c_str()));
    if (!input.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || input.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
    input.close();

    TAllTools tools;
    const TState read = Load(tools);
    if (!SaveSettingsFile(FilePath(), read.values, read.browse, tools))
        std::abort();
    const TState again = Load(tools);
    if (again != SavedAndRead(read))
        std::abort();
    return 0;
}
