#include "toolkit/Errors.h"
#include "toolkit/Hourglass.h"
#include "toolkit/RunTime.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QAction>

namespace {

struct Handler : QObject {
    int calls = 0;
    void Tick()
    {
        ++calls;
        StrToInt("not a number");
    }
};

TEST(Errors, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    TScriptedDialogs dialogs;
    Handler handler;
    QAction action;
    Connect(&action, &QAction::triggered, &handler, &Handler::Tick);
    action.trigger();
    action.trigger();
    EXPECT_EQ(handler.calls, 2);
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0], (TDialogRecord{"error", "'not a number' is not a valid integer value"}));

    Guarded([] { throw 42; });
    EXPECT_EQ(dialogs.log.back(), (TDialogRecord{"error", "Unknown error."}));
}

TEST(Errors, TheHourglassIsRestoredHoweverTheWorkEnds)
{
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        THourglass busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("stopped");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
