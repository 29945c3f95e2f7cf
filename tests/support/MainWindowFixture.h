#pragma once
// Widget tests of the main window: the six windows are made as at start-up, with
// scripted dialogs, and destroyed after each test.

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <string>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Moves the folder tree, as a user would, and lets the window react.
    void GoToFolder(const std::string& folder);
    // Selects exactly the given file-list entries.
    void SelectFiles(std::initializer_list<int> entries);
    // The File Name texts of the selection list, top to bottom.
    std::vector<std::string> RowNames() const;

    TScriptedDialogs dialogs;
};
