#include "settings/SettingsFile.h"

#include "text/AllTools.h"
#include "toolkit/Dialogs.h"
#include "toolkit/RunTime.h"
#include "toolkit/TextFile.h"

#include <cstring>

namespace {

// Lines 14-24 in file order; exactly one of text and number is set. The section digit is
// the prefix's first byte and the key digit its byte before "=".
struct TSettingLine {
    const char* prefix;
    std::string TSettings::*text;
    std::int32_t TSettings::*number;
};

const TSettingLine kSettingLines[] = {
    {"3 [Show System Tray] 1=", &TSettings::ShowTray, nullptr},
    {"3 [Slide Show Path]  2=", &TSettings::SlideShowPath, nullptr},
    {"3 [Slide Show Dealy] 3=", &TSettings::SlideDelay, nullptr},
    {"3 [Image Tool]       4=", &TSettings::ImageTool, nullptr},
    {"3 [Image Tool Path]  5=", &TSettings::ImageToolPath, nullptr},
    {"4 [HTML Get File Path]              1=", &TSettings::HtmlGetFilePath, nullptr},
    {"4 [HTML Thumb Pixels or Percentage] 2=", nullptr, &TSettings::HtmlThumbMode},
    {"4 [HTML Thumb Pixels Width]         3=", &TSettings::HtmlThumbPixelsWidth, nullptr},
    {"4 [HTML Thumb Pixels Height]        4=", &TSettings::HtmlThumbPixelsHeight, nullptr},
    {"4 [HTML Thumb Percent Width]        5=", &TSettings::HtmlThumbPercentWidth, nullptr},
    {"4 [HTML Thumb Percent Height]       6=", &TSettings::HtmlThumbPercentHeight, nullptr},
};

const TSettingLine* FindSettingLine(char section, char key)
{
    for (const TSettingLine& line : kSettingLines) {
        const std::size_t n = std::strlen(line.prefix);
        if (line.prefix[0] == section && line.prefix[n - 2] == key)
            return &line;
    }
    return nullptr;
}

// A line feed inside a value would split its line and stop the next reading there,
// losing every line after it; such a value (a Linux folder name may hold one) is
// written empty instead.
void AddLine(std::string& out, std::string_view prefix, const std::string& value)
{
    out += prefix;
    if (value.find('\n') == std::string::npos)
        out += value;
    out += '\n';
}

// The state being read into.
struct TReading {
    TSettings& values;
    TBrowseSettings& browse;
    TColorsRead read;
};

// Section 1. False when reading stops.
bool ApplyColor(std::int32_t key, const std::string& value, TReading& into)
{
    switch (key) {
    case 1:
        into.browse.BrowseColor = StrToInt(value);
        into.read.BrowseColor = true;
        return true;
    case 2:
        into.browse.BrowseFontColor = StrToInt(value);
        into.read.BrowseFontColor = true;
        return true;
    case 3:
        // Line 3 was once accepted whatever it held; a value that is not a colour
        // leaves the backdrop alone and reading goes on.
        try {
            into.values.ViewerBackdrop = StrToInt(value);
        } catch (const EConvertError&) {
        }
        return true;
    default:
        return false;
    }
}

// One line. False when reading stops at it.
bool ApplyLine(const std::string& line, TReading& into, TAllTools& tools)
{
    try {
        const std::int32_t section = StrToInt(tools.Mid(line, 1, 1));
        if (section < 1 || section > 4)
            return false;
        const std::int32_t p = tools.PosFrom(1, line, "=");
        const std::string value = tools.Mid(line, p + 1, 0);
        const std::string keyChar = tools.Mid(line, p - 1, 1);  // no "=": a range error
        const std::int32_t key = StrToInt(keyChar);
        if (section == 1)
            return ApplyColor(key, value, into);
        if (section == 2) {
            into.browse.SavedPaths.push_back({"mPath" + keyChar, "&" + keyChar + "." + value});
            return true;
        }
        const TSettingLine* setting = FindSettingLine(static_cast<char>('0' + section), keyChar[0]);
        if (!setting)
            return false;
        if (setting->text)
            into.values.*setting->text = value;
        else
            into.values.*setting->number = StrToInt(value);
        return true;
    } catch (const ERangeError&) {
        return false;
    } catch (const EConvertError&) {
        return false;
    }
}

} // namespace

TSettings DefaultSettings(const TDefaultSettings& places)
{
    TSettings s;
    s.ShowTray = "True";
    s.SlideShowPath = "True";
    s.SlideDelay = "3";
    s.ImageTool = places.imageTool;
    s.ImageToolPath = places.imageToolPath;
    s.HtmlGetFilePath = places.htmlGetFilePath;
    s.HtmlThumbMode = 1;
    s.HtmlThumbPixelsWidth = "100";
    s.HtmlThumbPixelsHeight = "100";
    s.HtmlThumbPercentWidth = "20";
    s.HtmlThumbPercentHeight = "20";
    return s;
}

std::string SettingsText(const TSettings& values, const TBrowseSettings& browse, TAllTools& tools)
{
    std::string out;
    AddLine(out, "1 [Color] 1=", IntToStr(browse.BrowseColor));
    AddLine(out, "1 [Color] 2=", IntToStr(browse.BrowseFontColor));
    AddLine(out, "1 [Color] 3=", IntToStr(values.ViewerBackdrop));
    for (int k = 0; k < kSavedPathSlots; ++k) {
        const std::string prefix = "2 [Menu] " + IntToStr(k) + "=";
        const bool present = static_cast<std::size_t>(k) < browse.SavedPaths.size();
        AddLine(out, prefix, present ? tools.Mid(browse.SavedPaths[k].caption, 4, 0) : std::string());
    }
    for (const TSettingLine& line : kSettingLines)
        AddLine(out, line.prefix, line.text ? values.*line.text : IntToStr(values.*line.number));
    return out;
}

TColorsRead ParseSettings(std::string_view text, TSettings& values, TBrowseSettings& browse, TAllTools& tools)
{
    TReading into{values, browse, {}};
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find('\n', begin)) != std::string_view::npos; begin = end + 1) {
        if (!ApplyLine(std::string(text.substr(begin, end - begin)), into, tools))
            break;
    }
    return into.read;
}

std::optional<TColorsRead> LoadSettingsFile(const std::string& path, TSettings& values, TBrowseSettings& browse,
                                            TAllTools& tools)
{
    const std::optional<std::string> text = ReadTextFile(path);
    if (!text)
        return std::nullopt;
    return ParseSettings(*text, values, browse, tools);
}

bool SaveSettingsFile(const std::string& path, const TSettings& values, const TBrowseSettings& browse,
                      TAllTools& tools)
{
    return WriteTextFileAtomic(path, SettingsText(values, browse, tools));
}

void SaveSettingsReporting(const std::string& path, const TSettings& values, const TBrowseSettings& browse,
                           TAllTools& tools)
{
    if (!SaveSettingsFile(path, values, browse, tools))
        Dialogs().ShowMessage("Cannot open output file.");
}
