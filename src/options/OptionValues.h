#pragma once
// What the options dialog shows and edits, and how it is taken from and given back to
// MainState. Texts go both ways as typed: the dialog checks nothing.

#include "settings/SettingsFile.h"
#include "toolkit/Color.h"

#include <string>

struct TOptionValues {
    TColor BrowseColor = clBlack;      // the four browsing controls' background
    TColor BrowseFontColor = clBlack;  // and their font
    TColor ViewerBackdrop = clBlack;
    std::string ImageTool;
    std::string ImageToolPath;
    std::string SlideDelay;
    bool ShowTray = false;
    bool SlideShowPath = false;
    std::string HtmlGetFilePath;
    bool ByPixels = false;  // else By Percentage
    std::string PixelsWidth;
    std::string PixelsHeight;
    std::string PercentWidth;
    std::string PercentHeight;

    bool operator==(const TOptionValues&) const = default;
};

// The values of state and of the browsing controls' colours. A boolean setting is on
// only when it is exactly "True"; any thumb mode but 1 (0 when nothing was read) shows
// By Percentage.
TOptionValues OptionValuesOf(const TSettings& state, TColor browseColor, TColor browseFontColor);

// Writes values into state: booleans as "True"/"False", the thumb mode as 1 or 2. The
// browsing colours belong to the controls and are the caller's to apply.
void ApplyOptionValues(const TOptionValues& values, TSettings& state);

// The window whose controls show the browsing colours, as the options dialog sees it:
// what they are, and Save's values applied to them and saved, in one call.
class TOptionsTarget {
public:
    struct TBrowseColors {
        TColor back;
        TColor font;
    };
    virtual TBrowseColors BrowseColors() const = 0;
    // The settings hold values already; the colours go to the controls, then all is saved.
    virtual void ApplyOptions(const TOptionValues& values) = 0;

protected:
    ~TOptionsTarget() = default;
};
