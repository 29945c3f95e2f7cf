#pragma once
// MainState: the main window's non-visual state. The other windows read and write it
// through frmMain; the settings file's reader and writer work on its settings directly.

#include "settings/SettingsFile.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>
#include <string>

class QAction;
class QImage;
class TImage;
class TThumbBoard;

// ViewMode's two layouts.
constexpr std::int32_t kSelectShow = 1;     // folder tree, file list and selection list
constexpr std::int32_t kDirectoryShow = 2;  // a large folder tree; a folder is taken whole

struct TMainState : TSettings {
    // The thumbnail board: none until the first build.
    TThumbBoard* ScrollBoxTb = nullptr;
    TImage* LastThumb = nullptr;          // the thumbnail the latest build made last
    TImage* ThumbFrame = nullptr;         // the highlight frame
    std::array<QPoint, 4> FramePoints{};  // its corners, clockwise from the top left
    QImage* FrameCanvas = nullptr;        // its drawing surface
    QRect FrameRect;                      // its outline
    QAction* NewPathEntry = nullptr;  // the saved-path entry the settings reader made last
    std::int32_t SortColumn = 0;      // selection-list column last clicked; 0 = Path
    std::int32_t ViewMode = kSelectShow;
    std::int32_t SavedPathCount = 0;  // next saved-path slot, 0-10 (10 stands for 0)
    int WorkRow = -1;                 // row last added to the selection list
    std::string CurrentFile;          // full path of the picture shown or selected
    std::int32_t CurrentIndex = 0;    // its zero-based row in the selection list
};
