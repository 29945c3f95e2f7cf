#pragma once
// The dialogs seam: every message box, Yes/No question, file-open dialog and colour
// picker goes through TDialogs, so tests can script the answers.

#include "toolkit/Color.h"

#include <optional>
#include <string>
#include <vector>

enum class TMessageKind {
    Plain,        // a plain box with OK
    Information,  // an information box with OK
    Error,        // the error box for an exception that escaped a handler
};

struct TOpenFileRequest {
    std::string title;
    std::string filter;         // "Caption|*.ext|Caption|*.*" pairs
    std::string initialFolder;
    bool multiSelect = false;
};

class TDialogs {
public:
    virtual ~TDialogs() = default;
    // Modal box with one OK button; returns when it is dismissed.
    virtual void ShowMessage(const std::string& text, TMessageKind kind = TMessageKind::Plain) = 0;
    // Modal question with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The chosen files, full paths; empty when the user cancels.
    virtual std::vector<std::string> OpenFiles(const TOpenFileRequest& request) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<TColor> PickColor(TColor initial) = 0;
};

// The dialogs in force: the application installs the Qt ones, tests their own. Throws
// std::logic_error while none are installed.
TDialogs& Dialogs();

// Installs dialogs (not owned) and returns the ones they replace, to put back later.
TDialogs* SetDialogs(TDialogs* dialogs);
