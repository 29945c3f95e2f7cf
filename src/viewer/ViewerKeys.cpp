#include "viewer/ViewerKeys.h"

#include <Qt>

std::optional<TViewerCommand> ViewerCommandOfKey(int key, bool keypad)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TViewerCommand::MaximiseOriginal;
    // The "=" / "+" and "-" keys of the main keyboard, shifted or not.
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return keypad ? std::nullopt : std::optional(TViewerCommand::ZoomIn);
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return keypad ? std::nullopt : std::optional(TViewerCommand::ZoomOut);
    case Qt::Key_F5:
        return TViewerCommand::ZoomOriginal;
    case Qt::Key_F6:
        return TViewerCommand::ZoomFix;
    case Qt::Key_F7:
        return TViewerCommand::ZoomStretch;
    case Qt::Key_Space:
        return TViewerCommand::ShowNext;
    case Qt::Key_Backspace:
        return TViewerCommand::ShowLast;
    case Qt::Key_Escape:
        return TViewerCommand::Close;
    default:
        return std::nullopt;
    }
}
