#include "viewer/ViewerKeys.h"

#include <gtest/gtest.h>

#include <Qt>

namespace {

TEST(ViewerKeys, EachKeyGivesItsCommandAndTheKeypadsSignsNone)
{
    using C = TViewerCommand;
    const struct {
        int key;
        bool keypad;
        std::optional<C> command;
    } cases[] = {
        {Qt::Key_Return, false, C::MaximiseOriginal}, {Qt::Key_Enter, true, C::MaximiseOriginal},
        {Qt::Key_Equal, false, C::ZoomIn},            {Qt::Key_Plus, false, C::ZoomIn},
        {Qt::Key_Plus, true, std::nullopt},           {Qt::Key_Minus, false, C::ZoomOut},
        {Qt::Key_Underscore, false, C::ZoomOut},      {Qt::Key_Minus, true, std::nullopt},
        {Qt::Key_F5, false, C::ZoomOriginal},         {Qt::Key_F6, false, C::ZoomFix},
        {Qt::Key_F7, false, C::ZoomStretch},          {Qt::Key_Space, false, C::ShowNext},
        {Qt::Key_Backspace, false, C::ShowLast},      {Qt::Key_Escape, false, C::Close},
        {Qt::Key_F8, false, std::nullopt},            {Qt::Key_A, false, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ViewerCommandOfKey(c.key, c.keypad), c.command) << c.key << (c.keypad ? " on the keypad" : "");
}

}  // namespace
