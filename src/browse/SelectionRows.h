#pragma once
// The rows of the selection list as data: the file a row stands for, and the order
// a header click puts them in.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TSelectionRow {
    std::string path;  // the folder, as the file list gave it
    std::string name;  // the file name
    std::string byte;  // the size text
    std::int64_t size = 0;  // the file's size in bytes
    bool operator==(const TSelectionRow&) const = default;
};

// The row for file name in folder, with the file's size and size text; nothing
// when the file cannot be opened to read its size (it went away, or may not be read).
std::optional<TSelectionRow> PictureRow(const std::string& folder, const std::string& name);

// Path + PathDelim + File Name: the one rule that turns a row into a file.
std::string RowFullPath(const TSelectionRow& row);

// The row's text in a column: 0 Path, 1 File Name, 2 Byte.
const std::string& RowText(const TSelectionRow& row, int column);

// The positions of rows in ascending CompareText order of a column's texts;
// equal rows keep their order.
std::vector<std::size_t> SortedOrder(const std::vector<TSelectionRow>& rows, int column);

// The selected-count text of the status bar.
std::string SelectedCountText(int rows);
