#include "support/ScriptedDialogs.h"

TScriptedDialogs::TScriptedDialogs() : previous_(SetDialogs(this))
{
}

TScriptedDialogs::~TScriptedDialogs()
{
    SetDialogs(previous_);
}

void TScriptedDialogs::ShowMessage(const std::string& text, TMessageKind kind)
{
    const char* name = kind == TMessageKind::Plain ? "message"
                       : kind == TMessageKind::Information ? "information"
                                                           : "error";
    log.push_back({name, text});
    if (onMessage)
        onMessage();
}

bool TScriptedDialogs::AskYesNo(const std::string& text)
{
    log.push_back({"question", text});
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::vector<std::string> TScriptedDialogs::OpenFiles(const TOpenFileRequest& request)
{
    log.push_back({"open", request.title});
    openRequests.push_back(request);
    if (fileAnswers.empty())
        return {};
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<TColor> TScriptedDialogs::PickColor(TColor initial)
{
    log.push_back({"color", std::to_string(initial)});
    colorRequests.push_back(initial);
    if (colorAnswers.empty())
        return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

std::vector<std::string> TScriptedDialogs::Messages() const
{
    std::vector<std::string> texts;
    for (const TDialogRecord& r : log)
        if (r.kind == "message" || r.kind == "information" || r.kind == "error")
            texts.push_back(r.text);
    return texts;
}
