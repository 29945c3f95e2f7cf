#include "browse/PictureSet.h"
#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "browse/SelectionModel.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"

#include <QAction>

namespace {

class SavedPathsMenu : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (TTempDir& folder : folders)
            WriteTestJpeg(folder.File("p.jpg"), 16, 16);  // Directory Show puts it on the board
    }
    std::string Caption(int slot) const
    {
        return frmMain->EntryCaption(frmMain->SavedPathEntries().at(static_cast<std::size_t>(slot)));
    }
    void AddFrom(const TTempDir& folder)
    {
        GoToFolder(folder.Path());
        frmMain->sbAddAllClick();
    }
    TTempDir folders[2];
};

TEST_F(SavedPathsMenu, AddingRecordsTheFolderAndChoosingItGoesBackThere)
{
    AddFrom(folders[0]);
    EXPECT_EQ(Caption(0), "&0." + folders[0].Path());
    EXPECT_EQ(frmMain->SavedPathCount, 1);

    for (int layout : {1, 2}) {
        if (layout == 2)
            frmMain->ApplyDirectoryShowLayout();
        GoToFolder(folders[1].Path());
        frmMain->SavedPathEntries()[0]->trigger();
        WaitForJobs();
        EXPECT_EQ(frmMain->CDirectoryOutline1->Directory(), folders[0].Path()) << layout;
        EXPECT_EQ(frmMain->FileListBox1->Directory(), folders[0].Path()) << layout;
    }
    // Directory Show filled the selection with the saved folder's pictures.
    EXPECT_EQ(frmMain->Pictures().Row(0).path, folders[0].Path());

    // Empty entries and folders that are gone leave the tree where it is, silently.
    frmMain->SavedPathEntries()[1]->trigger();
    frmMain->RecordSavedPath("/no/such/folder");
    frmMain->SavedPathEntries()[1]->trigger();
    EXPECT_EQ(frmMain->CDirectoryOutline1->Directory(), folders[0].Path());
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(SavedPathsMenu, AddWithoutPicturesRecordsNothing)
{
    GoToFolder(folders[0].Path());
    frmMain->FileListBox1->clearSelection();
    frmMain->sbAddClick();
    EXPECT_EQ(Caption(0), "&0.0");
    EXPECT_EQ(frmMain->SavedPathCount, 0);
}

TEST_F(SavedPathsMenu, RecordingWrapsAfterTheTenthSlot)
{
    for (int i = 0; i < 11; ++i)
        frmMain->RecordSavedPath("/f" + std::to_string(i));
    EXPECT_EQ(Caption(0), "&0./f10");
    EXPECT_EQ(Caption(9), "&9./f9");
    EXPECT_EQ(frmMain->SavedPathCount, 1);
}

TEST_F(SavedPathsMenu, TenSlotsInUseCountTenAndTheNextAddTakesSlotZero)
{
    for (int i = 0; i < 10; ++i)
        frmMain->RecordSavedPath("/f" + std::to_string(i));
    frmMain->SavePathClick();
    Restart();
    EXPECT_EQ(frmMain->SavedPathCount, 10);
    EXPECT_EQ(Caption(9), "&9./f9");
    AddFrom(folders[0]);
    EXPECT_EQ(Caption(0), "&0." + folders[0].Path());
    EXPECT_EQ(Caption(1), "&1./f1");
}

TEST_F(SavedPathsMenu, CleanPathEmptiesTheMenuButNotTheFileOrTheCount)
{
    for (int i = 0; i < 4; ++i)
        frmMain->RecordSavedPath("/f" + std::to_string(i));
    frmMain->SavePathClick();
    frmMain->CleanPathClick();
    EXPECT_EQ(Caption(0), "&0.");
    EXPECT_EQ(frmMain->SavedPathCount, 4);
    frmMain->RecordSavedPath("/next");
    EXPECT_EQ(Caption(4), "&4./next");
    EXPECT_EQ(Caption(0), "&0.");

    // Without Save Path the old folders are back at the next start.
    Restart();
    EXPECT_EQ(Caption(0), "&0./f0");
    EXPECT_EQ(frmMain->SavedPathCount, 4);

    // Clean then Save writes "0" for every slot.
    frmMain->CleanPathClick();
    frmMain->SavePathClick();
    const std::string text = ReadBytes(SettingsPath());
    for (int k = 0; k < 10; ++k)
        EXPECT_NE(text.find("2 [Menu] " + std::to_string(k) + "=0\r\n"), std::string::npos) << k;
}

} // namespace
