#include "toolkit/Errors.h"

#include "toolkit/Dialogs.h"

std::string ExceptionText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error.";
    }
}

void ShowHandlerException(std::exception_ptr error) noexcept
{
    try {
        Dialogs().ShowMessage(ExceptionText(error), TMessageKind::Error);
    } catch (...) {
        // Nothing is left to report the failure of the error box itself.
    }
}
