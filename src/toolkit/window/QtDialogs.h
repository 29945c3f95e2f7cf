#pragma once
// The real dialogs, shown with Qt's standard boxes over the active window.

#include "toolkit/Dialogs.h"

class TQtDialogs : public TDialogs {
public:
    void ShowMessage(const std::string& text, TMessageKind kind) override;
    bool AskYesNo(const std::string& text) override;
    std::vector<std::string> OpenFiles(const TOpenFileRequest& request) override;
    std::optional<TColor> PickColor(TColor initial) override;
};
