#pragma once
// Widget tests of the main window: the six windows are made as at start-up, with
// scripted dialogs, and destroyed after each test.

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

class QWidget;

// Makes window the program's active window, as a click on it would, and lets it react.
void Activate(QWidget* window);
// Gives the focus to a window of another program, which then closes.
void SwitchToAnotherProgram();

class MainWindowTest : public ::testing::Test {
protected:
    // Every test starts the program with a settings folder of its own.
    void SetUp() override;
    void TearDown() override;
    // Ends the program's windows and starts them again, as a new run would.
    void Restart();
    // Where this test's settings file lives.
    std::string SettingsPath() const;

    // Moves the folder tree, as a user would, and lets the window react, jobs included.
    void GoToFolder(const std::string& folder);
    // Lets the event loop run until the board build and the album run have ended.
    static void WaitForJobs();
    // Lets the event loop run until the viewer and the slide show have every picture they
    // asked for, and those they decode ahead.
    static void WaitForPictures();
    // Selects exactly the given file-list entries.
    void SelectFiles(std::initializer_list<int> entries);
    // Selects exactly the given selection-list rows.
    void SelectRows(std::initializer_list<int> rows);
    // The File Name texts of the selection list, top to bottom.
    std::vector<std::string> RowNames() const;

    TTempDir config;
    TScriptedDialogs dialogs;
};
