#include "browse/PictureSet.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Five rows a.jpg .. e.jpg in /p, the cursor on row 2 (c.jpg) as a press leaves it.
void Fill(TPictureSet& set)
{
    for (const char* name : {"d.jpg", "a.jpg", "c.jpg", "e.jpg", "b.jpg"})
        set.Append(TSelectionRow{"/p", name, "1KB", 1024});
    set.Point(2);
}

TEST(PictureSet, EachMoveSetsTheCursorAsTheWindowsMoveItAndRowChangesLeaveItWhereItIs)
{
    struct Case {
        const char* what;
        std::function<bool(TPictureSet&)> move;  // what it answers, true when it has no answer
        bool answer;
        int index;
        std::string file;
        int cursorSignals;
        bool rowsChange = false;
    };
    const Case cases[] = {
        {"a press on row 4", [](TPictureSet& s) { s.Point(4); return true; }, true, 4, "/p/b.jpg", 1},
        {"a click names row 0 and keeps the index", [](TPictureSet& s) { s.Name(0); return true; }, true, 2,
         "/p/d.jpg", 1},
        {"a file named that is no row", [](TPictureSet& s) { s.NameFile("/q/x.jpg"); return true; }, true, 2,
         "/q/x.jpg", 1},
        {"the same press again moves nothing", [](TPictureSet& s) { s.Point(2); return true; }, true, 2, "/p/c.jpg", 0},
        {"a step on", [](TPictureSet& s) { return s.StepForward(); }, true, 3, "/p/e.jpg", 1},
        {"a step back", [](TPictureSet& s) { return s.StepBack(); }, true, 1, "/p/a.jpg", 1},
        {"no step on from the last row",
         [](TPictureSet& s) { s.Point(4); return s.StepForward(); }, false, 4, "/p/b.jpg", 1},
        {"no step back from the first row",
         [](TPictureSet& s) { s.Point(0); return s.StepBack(); }, false, 0, "/p/d.jpg", 1},
        {"a removal leaves the cursor, which may name another row",
         [](TPictureSet& s) { s.Remove({0, 1}); return true; }, true, 2, "/p/c.jpg", 0, true},
        {"a step back after the list was shortened behind the cursor goes from the new end",
         [](TPictureSet& s) { s.Point(4); s.Remove({1, 2, 3}); return s.StepBack(); }, true, 1, "/p/b.jpg", 2, true},
        {"no step on past a shortened list's end",
         [](TPictureSet& s) { s.Point(4); s.Remove({3, 4}); return s.StepForward(); }, false, 4, "/p/b.jpg", 1, true},
        {"no step back in an emptied list", [](TPictureSet& s) { s.Clear(); return s.StepBack(); }, false, 2,
         "/p/c.jpg", 0, true},
        {"a sort leaves the cursor", [](TPictureSet& s) { s.SortBy(1); return true; }, true, 2, "/p/c.jpg", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPictureSet set;
        Fill(set);
        int cursorSignals = 0;
        int rowSignals = 0;
        QObject::connect(&set, &TPictureSet::CursorMoved, [&] { ++cursorSignals; });
        QObject::connect(&set, &TPictureSet::RowsChanged, [&] { ++rowSignals; });
        EXPECT_EQ(c.move(set), c.answer);
        EXPECT_EQ(set.CurrentIndex(), c.index);
        EXPECT_EQ(set.CurrentFile(), c.file);
        EXPECT_EQ(cursorSignals, c.cursorSignals);
        EXPECT_EQ(rowSignals > 0, c.rowsChange);
    }
}

}  // namespace
