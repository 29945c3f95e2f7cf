#pragma once
// The viewer's key map: which command a key of the keyboard gives. Ctrl and Shift do
// not matter ("=" with Ctrl takes one step); the keypad's plus and minus are not bound.

#include <optional>

enum class TViewerCommand {
    MaximiseOriginal,  // maximise the window, then Zoom Original
    ZoomIn,
    ZoomOut,
    ZoomOriginal,
    ZoomFix,
    ZoomStretch,
    ShowNext,
    ShowLast,
    Close,
};

// key is a Qt::Key; keypad tells whether it came from the numeric keypad.
std::optional<TViewerCommand> ViewerCommandOfKey(int key, bool keypad);
