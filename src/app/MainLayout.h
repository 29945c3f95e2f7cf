#pragma once
// The sizes of the main window's work area in its two layouts, in pixels.

struct TLayoutSizes {
    int workAreaHeight;
    int treeWidth;  // the folder tree
};

constexpr TLayoutSizes kSelectShowSizes{305, 240};
constexpr TLayoutSizes kDirectoryShowSizes{660, 177};
constexpr int kFileListWidth = 186;
constexpr int kSelectionListWidth = 530;
