#include "settings/SavedPaths.h"

#include "text/AllTools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The ten entries a default settings file gives: "&0.0" ... "&9.0".
std::vector<TSavedPathEntry> FirstStartEntries()
{
    TSettings values;
    TBrowseSettings read;
    TAllTools tools;
    ParseSettings(SettingsText(DefaultSettings(WindowsDefaultSettings()), TBrowseSettings{}, tools), values, read,
                  tools);
    return read.SavedPaths;
}

// Records folder as the main window does when pictures are added from it.
void Record(std::vector<TSavedPathEntry>& entries, std::int32_t& count, const std::string& folder)
{
    const TSavedPathRecord record = RecordInSlot(count, folder);
    entries.at(static_cast<std::size_t>(record.slot)).caption = record.caption;
    count = record.nextCount;
}

std::vector<std::string> Folders(const std::vector<TSavedPathEntry>& entries)
{
    TAllTools tools;
    std::vector<std::string> folders;
    for (const TSavedPathEntry& e : entries)
        folders.push_back(SavedPathFolder(e.caption, tools));
    return folders;
}

TEST(SavedPaths, FirstStartHasTenEmptySlotsAndCountZero)
{
    const std::vector<TSavedPathEntry> entries = FirstStartEntries();
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[0].caption, "&0.0");
    EXPECT_EQ(entries[9].name, "mPath9");
    EXPECT_EQ(CountSavedPaths(entries), 0);
    EXPECT_EQ(Folders(entries), std::vector<std::string>(10, "0"));
}

TEST(SavedPaths, RecordsFillTheSlotsInTurnAndWrapToSlotZero)
{
    std::vector<TSavedPathEntry> entries = FirstStartEntries();
    std::int32_t count = CountSavedPaths(entries);
    Record(entries, count, "/pics/f");
    EXPECT_EQ(entries[0].caption, "&0./pics/f");
    EXPECT_EQ(count, 1);
    for (int i = 1; i <= 9; ++i)
        Record(entries, count, "/f" + std::to_string(i));
    EXPECT_EQ(count, 10);
    EXPECT_EQ(entries[9].caption, "&9./f9");

    // A restart with all ten in use counts 10, and the next record writes slot 0.
    EXPECT_EQ(CountSavedPaths(entries), 10);
    Record(entries, count, "/eleventh");
    EXPECT_EQ(entries[0].caption, "&0./eleventh");
    EXPECT_EQ(entries[1].caption, "&1./f1");
    EXPECT_EQ(count, 1);
}

TEST(SavedPaths, CleanEmptiesTheSlotsButKeepsTheCount)
{
    std::vector<TSavedPathEntry> entries = FirstStartEntries();
    std::int32_t count = 0;
    for (int i = 0; i < 4; ++i)
        Record(entries, count, "/f" + std::to_string(i));
    for (int k = 0; k < 10; ++k)
        entries[static_cast<std::size_t>(k)].caption = SavedPathCaption(k, "");
    EXPECT_EQ(entries[3].caption, "&3.");
    EXPECT_EQ(Folders(entries), std::vector<std::string>(10, "0"));

    const TBrowseSettings browse{clInfoBk, clBlue, entries};
    TAllTools tools;
    const std::string text = SettingsText(DefaultSettings(WindowsDefaultSettings()), browse, tools);
    for (int k = 0; k < 10; ++k)
        EXPECT_NE(text.find("2 [Menu] " + std::to_string(k) + "=0\n"), std::string::npos) << k;

    Record(entries, count, "/next");
    EXPECT_EQ(entries[4].caption, "&4./next");
}

TEST(SavedPaths, StartUpCountStopsAtTheFirstEmptySlotOrTheLastEntry)
{
    const auto entries = [](std::vector<std::string> captions) {
        std::vector<TSavedPathEntry> out;
        for (std::string& c : captions)
            out.push_back({"mPath" + c.substr(1, 1), c});
        return out;
    };
    EXPECT_EQ(CountSavedPaths(entries({"&0./a", "&1./b", "&2.0", "&3./d"})), 2);
    EXPECT_EQ(CountSavedPaths(entries({"&0./a", "&1./b", "&2./c"})), 3);
    // A cleaned caption is 3 bytes, not the empty form the count looks for.
    EXPECT_EQ(CountSavedPaths(entries({"&0.", "&1.0"})), 1);
    // The root folder makes a 4-byte caption too, but its slot is in use.
    EXPECT_EQ(CountSavedPaths(entries({"&0./", "&1.0"})), 1);
    EXPECT_EQ(CountSavedPaths({}), 0);
}

} // namespace
