#pragma once
// Modal windows for widget tests: while an instance lives, ShowModal shows the window,
// runs the scripted step (if any) with the window on screen, then closes it and
// returns its result, instead of blocking in exec().

#include "toolkit/window/Form.h"

#include <functional>
#include <string>
#include <vector>

class TScriptedModal {
public:
    TScriptedModal();
    ~TScriptedModal();
    TScriptedModal(const TScriptedModal&) = delete;
    TScriptedModal& operator=(const TScriptedModal&) = delete;

    // What to do while the next windows are up, in turn; none left: close at once.
    std::vector<std::function<void(TForm&)>> steps;
    // The object names of the windows shown modally, in order.
    std::vector<std::string> shown;

private:
    TModalRunner previous_;
    std::size_t next_ = 0;
};
