#include "browse/SelectionRows.h"

#include "browse/SizeText.h"
#include "toolkit/PathFile.h"
#include "toolkit/Platform.h"
#include "toolkit/RunTime.h"

#include <algorithm>

std::optional<TSelectionRow> PictureRow(const std::string& folder, const std::string& name)
{
    const std::string path = folder + PathDelim + name;
    TPathFile file;
    std::string reason;
    if (!file.OpenToRead(path, reason))
        return std::nullopt;
    const std::int64_t size = file.size();
    return TSelectionRow{folder, name, SizeText(size), size};
}

std::string RowFullPath(const TSelectionRow& row)
{
    return row.path + PathDelim + row.name;
}

const std::string& RowText(const TSelectionRow& row, int column)
{
    switch (column) {
    case 1: return row.name;
    case 2: return row.byte;
    default: return row.path;
    }
}

std::vector<std::size_t> SortedOrder(const std::vector<TSelectionRow>& rows, int column)
{
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CompareText(RowText(rows[a], column), RowText(rows[b], column)) < 0;
    });
    return order;
}

std::string SelectedCountText(int rows)
{
    return "Selected " + IntToStr(rows) + " File(s).";
}
