#include "browse/SelectionRows.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Column(const std::vector<TSelectionRow>& rows, const std::vector<std::size_t>& order,
                                int column)
{
    std::vector<std::string> texts;
    for (std::size_t i : order)
        texts.push_back(RowText(rows[i], column));
    return texts;
}

TEST(SelectionRows, SortsAColumnAsTextWithoutCaseAndKeepsEqualRowsInOrder)
{
    const std::vector<TSelectionRow> rows = {
        {"/b", "z.jpg", "9KB"}, {"/A", "Y.jpg", "512B"}, {"/a", "x.jpg", "10KB"},
        {"/c", "y.JPG", "1KB"}, {"/B", "_.jpg", "1KB"},
    };
    struct Case {
        int column;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, {"/A", "/a", "/b", "/B", "/c"}},                     // equal without case: insertion order
        {1, {"x.jpg", "Y.jpg", "y.JPG", "z.jpg", "_.jpg"}},      // '_' sorts after the letters
        {2, {"10KB", "1KB", "1KB", "512B", "9KB"}},              // texts, not sizes
    };
    for (const Case& c : cases)
        EXPECT_EQ(Column(rows, SortedOrder(rows, c.column), c.column), c.expected) << c.column;
    // The two 1KB rows keep their order.
    EXPECT_EQ(SortedOrder(rows, 2), (std::vector<std::size_t>{2, 3, 4, 1, 0}));
}

TEST(SelectionRows, FullPathJoinsFolderAndName)
{
    EXPECT_EQ(RowFullPath({"/pics", "a.jpg", "1KB"}), "/pics/a.jpg");
    EXPECT_EQ(SelectedCountText(3), "Selected 3 File(s).");
}

TEST(SelectionRows, APictureRowHoldsTheFilesSizeOrIsNotMadeWithoutOne)
{
    TTempDir dir;
    dir.WriteSized("small.jpg", 1023);
    dir.WriteSized("big.jpg", 1535);
    const struct {
        const char* name;
        std::optional<TSelectionRow> expected;
    } cases[] = {
        {"small.jpg", TSelectionRow{dir.Path(), "small.jpg", "1023B", 1023}},
        {"big.jpg", TSelectionRow{dir.Path(), "big.jpg", "1KB", 1535}},
        {"gone.jpg", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureRow(dir.Path(), c.name), c.expected) << c.name;
}

} // namespace
