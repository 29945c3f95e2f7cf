#pragma once
// Dialogs for tests: every text is recorded and answers come from queues. While an
// instance lives it is the program's dialogs; the ones before it come back after it.

#include "toolkit/Dialogs.h"

#include <deque>
#include <functional>

struct TDialogRecord {
    std::string kind;  // "message", "information", "error", "question", "open", "color"
    std::string text;
    bool operator==(const TDialogRecord&) const = default;
};

class TScriptedDialogs : public TDialogs {
public:
    TScriptedDialogs();
    ~TScriptedDialogs() override;

    void ShowMessage(const std::string& text, TMessageKind kind) override;
    bool AskYesNo(const std::string& text) override;
    std::vector<std::string> OpenFiles(const TOpenFileRequest& request) override;
    std::optional<TColor> PickColor(TColor initial) override;

    // The texts of the message boxes shown so far, all kinds together.
    std::vector<std::string> Messages() const;

    std::vector<TDialogRecord> log;
    std::deque<bool> yesNoAnswers;                       // empty: No
    std::deque<std::vector<std::string>> fileAnswers;    // empty: cancelled
    std::deque<std::optional<TColor>> colorAnswers;      // empty: cancelled
    std::vector<TOpenFileRequest> openRequests;
    std::vector<TColor> colorRequests;
    std::function<void()> onMessage;  // called as each message box would come up

private:
    TDialogs* previous_;
};
