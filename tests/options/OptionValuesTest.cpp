#include "options/OptionValues.h"

#include <gtest/gtest.h>

namespace {

// What the dialog shows of the booleans and the thumb mode, and what Save makes of it
// again: only an exact "True" checks a box, and any mode but 1 comes back as 2.
TEST(OptionValues, BooleansAndThumbModeGoThroughTheDialogAsItShowsThem)
{
    const struct {
        const char* showTray;
        std::int32_t mode;
        bool checked;
        bool byPixels;
        const char* savedShowTray;
        std::int32_t savedMode;
    } cases[] = {
        {"True", 1, true, true, "True", 1},
        {"False", 2, false, false, "False", 2},
        {"true", 0, false, false, "False", 2},  // no settings read: mode 0
        {"True ", 7, false, false, "False", 2},
        {"", -1, false, false, "False", 2},
    };
    for (const auto& c : cases) {
        TSettings state;
        state.ShowTray = c.showTray;
        state.SlideShowPath = c.showTray;
        state.HtmlThumbMode = c.mode;
        const TOptionValues shown = OptionValuesOf(state, clInfoBk, clBlue);
        EXPECT_EQ(shown.ShowTray, c.checked) << c.showTray;
        EXPECT_EQ(shown.SlideShowPath, c.checked) << c.showTray;
        EXPECT_EQ(shown.ByPixels, c.byPixels) << c.mode;

        TSettings saved = state;
        ApplyOptionValues(shown, saved);
        EXPECT_EQ(saved.ShowTray, c.savedShowTray) << c.showTray;
        EXPECT_EQ(saved.SlideShowPath, c.savedShowTray) << c.showTray;
        EXPECT_EQ(saved.HtmlThumbMode, c.savedMode) << c.mode;
    }
}

} // namespace
