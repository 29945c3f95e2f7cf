#include "app/window/UnitMain.h"
#include "settings/SharedSettings.h"
#include "options/window/ColorPanel.h"
#include "options/window/UnitOption.h"
#include "toolkit/window/ControlColor.h"
#include "viewer/window/UnitShow.h"

#include "support/MainWindowFixture.h"
#include "support/ScriptedModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include <functional>

namespace {

class OptionDialog : public MainWindowTest {
protected:
    // Options > Properties, with step run while the dialog is up.
    void Open(const std::function<void(TfrmOption&)>& step)
    {
        TScriptedModal modal;
        modal.steps.push_back([&](TForm&) { step(*frmOption); });
        frmMain->Properties->trigger();
        ASSERT_EQ(modal.shown, std::vector<std::string>{"frmOption"});
        EXPECT_FALSE(frmOption->isVisible());
    }

    // Line n (from 1) of the settings file, without its line end.
    std::string Line(int n) const
    {
        const QList<QByteArray> lines = QByteArray::fromStdString(ReadBytes(SettingsPath())).split('\n');
        return lines.at(n - 1).chopped(1).toStdString();
    }
};

void ExpectBrowsingColors(TColor background, TColor font)
{
    for (const QWidget* control : frmMain->BrowsingControls()) {
        EXPECT_EQ(ControlColor(control, 0), background) << control->objectName().toStdString();
        EXPECT_EQ(ControlFontColor(control, 0), font) << control->objectName().toStdString();
    }
}

TEST_F(OptionDialog, ShowsEveryGroupAndControlWithItsCaption)
{
    const struct {
        const char* name;
        const char* caption;  // a group's title, a button's caption or an edit's label
        int width;            // 0: any
    } controls[] = {
        {"GroupThumb", "Thumb", 0},
        {"PanelTbBackColor", "Back Color", 150},
        {"PanelTbFontColor", "Font Color", 150},
        {"GroupPicture", "Picture", 0},
        {"PanelPtBackColor", "Back Color", 150},
        {"GroupSlideShow", "Slide Show", 0},
        {"chkShowTray", "Show System Tray Icon ", 0},
        {"chkSlideShowPath", "Slide Show Display Image Path", 0},
        {"txtSlideDelayTime", "Slide Show Dealy  Time :", 65},
        {"txtImageTool", "Image Tool :", 0},
        {"txtImageToolPath", "Image Tool Path :", 0},
        {"GroupGenerateHTML", "Generate HTML", 0},
        {"txtGetFilePath", "Get File Path :", 0},
        {"GroupThumbHtmlSize", "Thumb for HTML Size", 0},
        {"optHtmlPixels", "By Pixels", 0},
        {"txtTbHtmlY", "Height :", 70},
        {"txtTbHtmlX", "Width :", 70},
        {"optHtmlPercent", "By Percentage", 0},
        {"txtTbHtmlYp", "Height :", 70},
        {"txtTbHtmlXp", "Width :", 70},
        {"cmdSave", "&Save", 0},
        {"cmdExit", "&Exit", 0},
    };
    Open([&](TfrmOption& form) {
        EXPECT_EQ(form.windowTitle(), "Lumora Option");
        EXPECT_EQ(form.size(), QSize(707, 400));
        EXPECT_EQ(form.windowFlags() & (Qt::Tool | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
                  Qt::Tool | Qt::WindowCloseButtonHint);
        EXPECT_EQ(form.font().pixelSize(), 16);
        for (const auto& c : controls) {
            auto* control = form.findChild<QWidget*>(c.name);
            ASSERT_NE(control, nullptr) << c.name;
            EXPECT_TRUE(control->isVisible()) << c.name;
            EXPECT_TRUE(form.rect().contains(QRect(control->mapTo(&form, QPoint()), control->size()))) << c.name;
            if (auto* group = qobject_cast<QGroupBox*>(control))
                EXPECT_EQ(group->title(), c.caption);
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                EXPECT_EQ(button->text(), c.caption);
            else
                EXPECT_EQ(control->accessibleName(), c.caption) << c.name;
            if (c.width)
                EXPECT_EQ(control->width(), c.width) << c.name;
        }
        EXPECT_EQ(form.PanelTbBackColor->height(), 40);
        EXPECT_TRUE(form.optHtmlPixels->autoExclusive());
        EXPECT_EQ(form.optHtmlPixels->parent(), form.optHtmlPercent->parent());
    });
}

TEST_F(OptionDialog, TabOrderFollowsTheLayout)
{
    const QStringList expected = {"PanelTbBackColor", "PanelTbFontColor", "PanelPtBackColor", "chkShowTray",
                                  "chkSlideShowPath", "txtSlideDelayTime", "txtImageTool", "txtImageToolPath",
                                  "txtGetFilePath", "optHtmlPixels", "txtTbHtmlY", "txtTbHtmlX",
                                  "optHtmlPercent", "txtTbHtmlYp", "txtTbHtmlXp", "cmdSave", "cmdExit"};
    QStringList order;
    for (QWidget* w = frmOption->PanelTbBackColor; order.size() < expected.size(); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    EXPECT_EQ(order, expected);
}

TEST_F(OptionDialog, SaveStoresEveryTextAsTyped)
{
    const struct {
        QLineEdit* TfrmOption::*edit;
        std::string TSettings::*setting;
        int line;
        const char* prefix;
    } edits[] = {
        {&TfrmOption::txtSlideDelayTime, &TSettings::SlideDelay, 16, "3 [Slide Show Dealy] 3="},
        {&TfrmOption::txtImageTool, &TSettings::ImageTool, 17, "3 [Image Tool]       4="},
        {&TfrmOption::txtImageToolPath, &TSettings::ImageToolPath, 18, "3 [Image Tool Path]  5="},
        {&TfrmOption::txtGetFilePath, &TSettings::HtmlGetFilePath, 19, "4 [HTML Get File Path]              1="},
        {&TfrmOption::txtTbHtmlX, &TSettings::HtmlThumbPixelsWidth, 21, "4 [HTML Thumb Pixels Width]         3="},
        {&TfrmOption::txtTbHtmlY, &TSettings::HtmlThumbPixelsHeight, 22, "4 [HTML Thumb Pixels Height]        4="},
        {&TfrmOption::txtTbHtmlXp, &TSettings::HtmlThumbPercentWidth, 23, "4 [HTML Thumb Percent Width]        5="},
        {&TfrmOption::txtTbHtmlYp, &TSettings::HtmlThumbPercentHeight, 24, "4 [HTML Thumb Percent Height]       6="},
    };
    // Nothing is checked: no number, an empty text, blanks and "=" are kept as they are.
    const std::string typed[] = {"abc", "", " x=y ", "/p/é/", "-5", "0", "1.5", "%"};
    Open([&](TfrmOption& form) {
        for (std::size_t i = 0; i < std::size(edits); ++i)
            (form.*edits[i].edit)->setText(QString::fromStdString(typed[i]));
        form.cmdSave->click();
    });
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        EXPECT_EQ(frmMain->Settings().*edits[i].setting, typed[i]) << edits[i].prefix;
        EXPECT_EQ(Line(edits[i].line), edits[i].prefix + typed[i]);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(OptionDialog, SaveStoresTheCheckedButtonsAsTheirTexts)
{
    const struct {
        const char* stored;  // ShowTray and SlideShowPath before
        std::int32_t storedMode;
        bool check;
        QRadioButton* TfrmOption::*option;
        const char* saved;
        std::int32_t savedMode;
    } cases[] = {
        {"True", 1, false, &TfrmOption::optHtmlPercent, "False", 2},
        {"False", 2, true, &TfrmOption::optHtmlPixels, "True", 1},
    };
    for (const auto& c : cases) {
        frmMain->Settings().ShowTray = frmMain->Settings().SlideShowPath = c.stored;
        frmMain->Settings().HtmlThumbMode = c.storedMode;
        Open([&](TfrmOption& form) {
            form.chkShowTray->setChecked(c.check);
            form.chkSlideShowPath->setChecked(c.check);
            (form.*c.option)->click();
            EXPECT_FALSE((c.option == &TfrmOption::optHtmlPixels ? form.optHtmlPercent : form.optHtmlPixels)
                             ->isChecked());
            form.cmdSave->click();
        });
        EXPECT_EQ(frmMain->Settings().ShowTray, c.saved);
        EXPECT_EQ(frmMain->Settings().SlideShowPath, c.saved);
        EXPECT_EQ(frmMain->Settings().HtmlThumbMode, c.savedMode);
        EXPECT_EQ(Line(14), std::string("3 [Show System Tray] 1=") + c.saved);
        EXPECT_EQ(Line(15), std::string("3 [Slide Show Path]  2=") + c.saved);
        EXPECT_EQ(Line(20), "4 [HTML Thumb Pixels or Percentage] 2=" + std::to_string(c.savedMode));
    }
}

TEST_F(OptionDialog, SaveWithNothingChangedRewritesTheSameBytes)
{
    frmMain->Settings().ImageToolPath = "";
    frmMain->Settings().HtmlThumbPercentWidth = "";
    frmMain->Settings().SlideShowPath = "False";
    frmMain->Settings().HtmlThumbMode = 2;
    frmMain->RecordSavedPath("/pictures/summer");
    frmMain->SaveSettings();
    const std::string before = ReadBytes(SettingsPath());
    ASSERT_NE(before.find("5=\r\n"), std::string::npos);

    Open([](TfrmOption& form) { form.cmdSave->click(); });
    EXPECT_EQ(ReadBytes(SettingsPath()), before);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(OptionDialog, ExitAndEscapeApplyNothingAndReopeningShowsTheStoredState)
{
    const auto exitButton = [](TfrmOption& form) { form.cmdExit->click(); };
    const auto escape = [](TfrmOption& form) { QTest::keyClick(&form, Qt::Key_Escape); };
    const struct {
        const char* what;
        std::function<void(TfrmOption&)> change;
        std::function<void(TfrmOption&)> close;
        std::function<void(TfrmOption&)> expectStored;
    } cases[] = {
        {"tray box", [](TfrmOption& form) { form.chkShowTray->setChecked(true); }, exitButton,
         [](TfrmOption& form) { EXPECT_FALSE(form.chkShowTray->isChecked()); }},
        {"font colour",
         [this](TfrmOption& form) {
             dialogs.colorAnswers.push_back(clYellow);
             form.PanelTbFontColor->click();
         },
         exitButton,
         [](TfrmOption& form) { EXPECT_EQ(form.PanelTbFontColor->Color(), clBlue); }},
        {"delay", [](TfrmOption& form) { form.txtSlideDelayTime->setText("9"); }, escape,
         [](TfrmOption& form) { EXPECT_EQ(form.txtSlideDelayTime->text(), "3"); }},
    };
    frmMain->Settings().ShowTray = "False";
    frmMain->SaveSettings();
    const std::string before = ReadBytes(SettingsPath());
    for (const auto& c : cases) {
        Open([&](TfrmOption& form) {
            c.change(form);
            c.close(form);
            EXPECT_FALSE(form.isVisible()) << c.what;
        });
        EXPECT_EQ(frmMain->Settings().ShowTray, "False") << c.what;
        EXPECT_EQ(frmMain->Settings().SlideDelay, "3") << c.what;
        ExpectBrowsingColors(clInfoBk, clBlue);
        EXPECT_EQ(ReadBytes(SettingsPath()), before) << c.what;
        Open([&](TfrmOption& form) { c.expectStored(form); });
    }
}

TEST_F(OptionDialog, PickerStartsFromTheLastChosenColourAndCancelKeepsThePanel)
{
    const TColor red = RGBToColor(255, 0, 0);
    const TColor green = RGBToColor(0, 255, 0);
    dialogs.colorAnswers = {red, std::nullopt, green, std::nullopt};
    Open([&](TfrmOption& form) {
        QTest::mouseClick(form.PanelTbBackColor, Qt::LeftButton);
        // The dialog becoming active again as the picker closes does not refill it.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&form, &activate);
        EXPECT_EQ(form.PanelTbBackColor->Color(), red);
        form.PanelTbFontColor->setFocus();
        QTest::keyClick(form.PanelTbFontColor, Qt::Key_Space);
        EXPECT_EQ(form.PanelTbFontColor->Color(), clBlue);
        form.PanelPtBackColor->click();
        EXPECT_EQ(form.PanelPtBackColor->Color(), green);
    });
    // The picker remembers its colour from one opening to the next; the panels do not.
    Open([&](TfrmOption& form) {
        EXPECT_EQ(form.PanelTbBackColor->Color(), clInfoBk);
        form.PanelTbBackColor->click();
    });
    EXPECT_EQ(dialogs.colorRequests, (std::vector<TColor>{clBlack, red, red, green}));
}

TEST_F(OptionDialog, SaveAppliesTheThreeColoursAtOnceAndTheFileKeepsThem)
{
    const TColor back = RGBToColor(10, 20, 30);
    const TColor font = RGBToColor(250, 240, 230);
    const TColor picture = RGBToColor(1, 2, 3);
    dialogs.colorAnswers = {back, font, picture};
    Open([](TfrmOption& form) {
        form.PanelTbBackColor->click();
        form.PanelTbFontColor->click();
        form.PanelPtBackColor->click();
        form.cmdSave->click();
    });
    ExpectBrowsingColors(back, font);
    EXPECT_EQ(ControlColor(frmShow->ScrollBox1, 0), picture);
    EXPECT_EQ(frmMain->Settings().ViewerBackdrop, picture);
    EXPECT_EQ(Line(1), "1 [Color] 1=" + std::to_string(back));
    EXPECT_EQ(Line(2), "1 [Color] 2=" + std::to_string(font));
    EXPECT_EQ(Line(3), "1 [Color] 3=" + std::to_string(picture));

    Restart();
    Open([&](TfrmOption& form) {
        EXPECT_EQ(form.PanelTbBackColor->Color(), back);
        EXPECT_EQ(form.PanelTbFontColor->Color(), font);
        EXPECT_EQ(form.PanelPtBackColor->Color(), picture);
    });
}

TEST_F(OptionDialog, AFileThatCannotBeWrittenGivesTheMessageAndTheValuesStayApplied)
{
    const std::string before = ReadBytes(SettingsPath());
    QFile::setPermissions(QString::fromStdString(SettingsPath()), QFile::ReadOwner | QFile::ReadGroup);
    dialogs.colorAnswers = {clYellow};
    Open([](TfrmOption& form) {
        form.txtSlideDelayTime->setText("8");
        form.PanelTbBackColor->click();
        form.cmdSave->click();
    });
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Cannot open output file."});
    EXPECT_EQ(frmMain->Settings().SlideDelay, "8");
    ExpectBrowsingColors(clYellow, clBlue);
    EXPECT_EQ(ReadBytes(SettingsPath()), before);
}

} // namespace
