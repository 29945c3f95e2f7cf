#include "support/MainWindowFixture.h"
#include "browse/PictureSet.h"

#include "Forms.h"
#include "album/window/UnitGenHTML.h"
#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/UnitSlide.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

void Activate(QWidget* window)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
    QCoreApplication::processEvents();
}

void SwitchToAnotherProgram()
{
    QWindow elsewhere;
    elsewhere.show();
    elsewhere.requestActivate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == &elsewhere; }));
}

void MainWindowTest::SetUp()
{
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    CreateForms();
}

void MainWindowTest::Restart()
{
    DestroyForms();
    CreateForms();
}

std::string MainWindowTest::SettingsPath() const
{
    return config.File("lumora/InitShow.txt");
}

void MainWindowTest::TearDown()
{
    DestroyForms();
}

void MainWindowTest::GoToFolder(const std::string& folder)
{
    frmMain->CDirectoryOutline1->SetDirectory(folder);
    WaitForJobs();
}

void MainWindowTest::WaitForJobs()
{
    ASSERT_TRUE(QTest::qWaitFor([] { return !frmMain->Busy() && !frmGenHTML->Making(); }, 60'000));
}

void MainWindowTest::WaitForPictures()
{
    ASSERT_TRUE(QTest::qWaitFor([] { return !frmShow->Decoding() && !frmSlide->Decoding(); }, 60'000));
}

void MainWindowTest::SelectFiles(std::initializer_list<int> entries)
{
    frmMain->FileListBox1->clearSelection();
    for (int i : entries)
        frmMain->FileListBox1->Select(i);
}

void MainWindowTest::SelectRows(std::initializer_list<int> rows)
{
    QItemSelectionModel* selection = frmMain->ListView1->selectionModel();
    selection->clearSelection();
    for (int row : rows)
        selection->select(frmMain->Pictures().Model().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::vector<std::string> MainWindowTest::RowNames() const
{
    std::vector<std::string> names;
    for (const TSelectionRow& row : frmMain->Pictures().Model().Rows())
        names.push_back(row.name);
    return names;
}
