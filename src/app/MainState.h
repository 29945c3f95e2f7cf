#pragma once
// MainState: the main window's own non-visual state. The picture set (the rows and the
// cursor) and the settings are objects of their own, handed to every window that uses them;
// the thumbnail board keeps its own state.

#include <cstdint>

class QAction;

// ViewMode's two layouts.
constexpr std::int32_t kSelectShow = 1;     // folder tree, file list and selection list
constexpr std::int32_t kDirectoryShow = 2;  // a large folder tree; a folder is taken whole

struct TMainState {
    QAction* NewPathEntry = nullptr;  // the saved-path entry the settings reader made last
    std::int32_t SortColumn = 0;      // selection-list column last clicked; 0 = Path
    std::int32_t ViewMode = kSelectShow;
    std::int32_t SavedPathCount = 0;  // next saved-path slot, 0-10 (10 stands for 0)
    int WorkRow = -1;                 // row last added to the selection list
};
