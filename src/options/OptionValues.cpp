#include "options/OptionValues.h"

namespace {

constexpr std::int32_t kByPixels = 1;
constexpr std::int32_t kByPercentage = 2;

const char* BooleanText(bool on)
{
    return on ? "True" : "False";
}

} // namespace

TOptionValues OptionValuesOf(const TSettings& state, TColor browseColor, TColor browseFontColor)
{
    TOptionValues v;
    v.BrowseColor = browseColor;
    v.BrowseFontColor = browseFontColor;
    v.ViewerBackdrop = state.ViewerBackdrop;
    v.ImageTool = state.ImageTool;
    v.ImageToolPath = state.ImageToolPath;
    v.SlideDelay = state.SlideDelay;
    v.ShowTray = state.ShowTray == "True";
    v.SlideShowPath = state.SlideShowPath == "True";
    v.HtmlGetFilePath = state.HtmlGetFilePath;
    v.PixelsWidth = state.HtmlThumbPixelsWidth;
    v.PixelsHeight = state.HtmlThumbPixelsHeight;
    v.ByPixels = state.HtmlThumbMode == kByPixels;
    v.PercentWidth = state.HtmlThumbPercentWidth;
    v.PercentHeight = state.HtmlThumbPercentHeight;
    return v;
}

void ApplyOptionValues(const TOptionValues& values, TSettings& state)
{
    state.ViewerBackdrop = values.ViewerBackdrop;
    state.ImageTool = values.ImageTool;
    state.ImageToolPath = values.ImageToolPath;
    state.SlideDelay = values.SlideDelay;
    state.ShowTray = BooleanText(values.ShowTray);
    state.SlideShowPath = BooleanText(values.SlideShowPath);
    state.HtmlGetFilePath = values.HtmlGetFilePath;
    state.HtmlThumbMode = values.ByPixels ? kByPixels : kByPercentage;
    state.HtmlThumbPixelsWidth = values.PixelsWidth;
    state.HtmlThumbPixelsHeight = values.PixelsHeight;
    state.HtmlThumbPercentWidth = values.PercentWidth;
    state.HtmlThumbPercentHeight = values.PercentHeight;
}
