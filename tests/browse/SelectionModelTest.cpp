#include "browse/SelectionModel.h"

#include "browse/SizeText.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TSelectionRow Row(const char* name, std::int64_t size)
{
    return {"/p", name, SizeText(size), size};
}

// File Name and Byte as shown, one "name byte" a row, top to bottom.
QStringList Shown(const TSelectionModel& model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, 1).data().toString() + " " + model.index(row, 2).data().toString();
    return shown;
}

TEST(SelectionModel, ShowsItsRowsAndKeepsViewsInStepThroughSortAndRemove)
{
    const QString bad = QString("a") + QChar(QChar::ReplacementCharacter) + ".jpg";
    struct Case {
        const char* what;
        std::function<void(TSelectionModel&)> change;
        QStringList shown;
        int followed;  // where a view's row first at position 1 is afterwards; -1 when lost
    };
    const Case cases[] = {
        {"as appended", [](TSelectionModel&) {},
         {"b.jpg 9KB", bad + " 10KB", "C.jpg 1KB", "c.jpg 512B", "a.jpg 1KB"}, 1},
        {"by Byte, as text, equal rows in their order", [](TSelectionModel& m) { m.SortBy(2); },
         {bad + " 10KB", "C.jpg 1KB", "a.jpg 1KB", "c.jpg 512B", "b.jpg 9KB"}, 0},
        {"by File Name, without case, other bytes by value", [](TSelectionModel& m) { m.SortBy(1); },
         {"a.jpg 1KB", bad + " 10KB", "b.jpg 9KB", "C.jpg 1KB", "c.jpg 512B"}, 1},
        {"neighbours removed: views keep their place", [](TSelectionModel& m) { m.Remove({3, 2, 5}); },
         {"b.jpg 9KB", bad + " 10KB", "a.jpg 1KB"}, 1},
        {"rows apart removed at once: views start over", [](TSelectionModel& m) { m.Remove({4, 0, 2, 4}); },
         {bad + " 10KB", "c.jpg 512B"}, -1},
        {"cleared", [](TSelectionModel& m) { m.Clear(); }, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSelectionModel model;
        for (const char* caption : {"Path", "File Name", "Byte"})
            model.AddColumn(caption, Qt::AlignRight);
        model.SetHint("hint");
        model.Append(Row("b.jpg", 9216));
        model.Append({Row("a\xff.jpg", 10240), Row("C.jpg", 1024), Row("c.jpg", 512), Row("a.jpg", 1024)});
        const QPersistentModelIndex followed = model.index(1, 2);
        c.change(model);
        EXPECT_EQ(Shown(model), c.shown);
        EXPECT_EQ(model.Count(), c.shown.size());
        EXPECT_EQ(followed.row(), c.followed);
        if (!c.shown.empty()) {
            const int row = c.shown.indexOf(bad + " 10KB");
            EXPECT_EQ(model.Row(row).name, "a\xff.jpg");  // the bytes stay
            EXPECT_EQ(model.Row(row).size, 10240);
            EXPECT_EQ(model.index(0, 2).data(Qt::ToolTipRole).toString(), "hint");
            EXPECT_EQ(model.index(0, 0).data(Qt::TextAlignmentRole).toInt(), Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

} // namespace
