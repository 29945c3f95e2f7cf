#include "about/window/UnitAbout.h"
#include "app/window/UnitMain.h"
#include "toolkit/OpenUrl.h"

#include "support/MainWindowFixture.h"
#include "support/ScriptedModal.h"

#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

using AboutBox = MainWindowTest;

// The box opens centred on the main window; its button asks the desktop for a new mail
// message to the project and closes it, and Esc closes it without one.
TEST_F(AboutBox, ButtonMailsTheProjectAndClosesAsEscDoesWithout)
{
    const struct {
        const char* how;
        std::function<void(TfrmAbout&)> close;
        std::vector<QUrl> opened;
    } cases[] = {
        {"button", [](TfrmAbout& box) { QTest::keyClick(box.cmdMail, Qt::Key_Space); }, {QUrl(kProjectMail)}},
        {"Esc", [](TfrmAbout& box) { QTest::keyClick(&box, Qt::Key_Escape); }, {}},
    };
    frmMain->setGeometry(120, 80, 900, 700);
    for (const auto& c : cases) {
        std::vector<QUrl> opened;
        const TUrlOpener previous = SetUrlOpener([&](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        TScriptedModal modal;
        modal.steps.push_back([&](TForm&) {
            EXPECT_TRUE(frmAbout->windowFlags() & Qt::FramelessWindowHint);
            EXPECT_LE((frmAbout->frameGeometry().center() - frmMain->frameGeometry().center()).manhattanLength(), 1);
            c.close(*frmAbout);
            EXPECT_FALSE(frmAbout->isVisible()) << c.how;
        });
        frmMain->AboutLumora->trigger();
        SetUrlOpener(previous);
        EXPECT_EQ(opened, c.opened) << c.how;
        ASSERT_EQ(modal.shown, std::vector<std::string>{"frmAbout"});
    }
    EXPECT_EQ(QUrl(kProjectMail).scheme(), "mailto");
}

} // namespace
