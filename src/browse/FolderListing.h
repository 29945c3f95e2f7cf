#pragma once
// What the file list shows of a folder: the plain names of the files matching a mask
// such as "*.jpg;*.bmp", without regard to case, hidden files left out.

#include "browse/SelectionRows.h"

#include <string>
#include <vector>

// Names in case-insensitive order (CompareText, then bytes so the order is total).
// An unreadable or missing folder lists nothing.
std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& mask);

// A folder as Directory Show takes it whole: the file list's names, and a row for each
// of them whose size could be read. Plain data, read on any thread.
struct TFolderRows {
    std::string folder;  // as the file list gives it
    std::vector<std::string> names;
    std::vector<TSelectionRow> rows;
};
TFolderRows ReadFolder(const std::string& folder, const std::string& mask);

// Status bar text for a folder's picture count: "Total 12 File(s).".
std::string FolderCountText(int files);

// The main window's caption while it shows a folder.
std::string FolderCaption(const std::string& folder);
