#include "app/window/UnitMain.h"
#include "settings/SharedSettings.h"
#include "browse/PictureSet.h"
#include "app/window/WorkArea.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "options/window/UnitOption.h"
#include "viewer/window/UnitShow.h"
#include "about/window/UnitAbout.h"
#include "album/window/UnitGenHTML.h"
#include "thumbs/window/ThumbBoard.h"
#include "viewer/window/UnitSlide.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/ScriptedModal.h"
#include "support/TempDir.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

struct ButtonState {
    const char* name;
    bool visible;
};

void ExpectButtons(std::initializer_list<ButtonState> states)
{
    for (const ButtonState& s : states) {
        auto* button = frmMain->findChild<QToolButton*>(s.name);
        ASSERT_NE(button, nullptr) << s.name;
        EXPECT_EQ(!button->isHidden(), s.visible) << s.name;
    }
}

using MainWindow = MainWindowTest;

TEST_F(MainWindow, StartsInSelectShowWithTheWorkButtonsOfAnEmptyList)
{
    EXPECT_EQ(frmMain->windowTitle(), "Lumora");
    EXPECT_EQ(frmMain->ViewMode, 1);
    EXPECT_EQ(frmMain->SortColumn, 0);
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 0);
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), "");
    ExpectButtons({{"sbAdd", true}, {"sbAddAll", true}, {"sbRemove", true}, {"sbRemoveAll", true},
                   {"sbThumb", true}, {"sbSlideShow", false}, {"sbImageTool", false}, {"sbGenHTML", false}});
    EXPECT_EQ(frmMain->GroupBox1->height(), 305);
    EXPECT_EQ(frmMain->GroupBox1->ControlWidth(frmMain->CDirectoryOutline1), 240);
    EXPECT_EQ(frmMain->GroupBox1->ControlWidth(frmMain->FileListBox1), 186);
    EXPECT_EQ(frmMain->GroupBox1->ControlWidth(frmMain->ListView1), 530);
    EXPECT_EQ(frmMain->ToolBar1->height(), 45);
    EXPECT_EQ(frmMain->sbAdd->size(), QSize(50, 40));
    EXPECT_EQ(frmMain->FileListBox1->Mask(), "*.jpg;*.bmp");
    EXPECT_EQ(frmMain->StatusText(0), "");
    EXPECT_EQ(frmMain->StatusText(1), "");
    EXPECT_NE(frmMain->StatusText(2), "");
    EXPECT_NE(frmMain->StatusText(3), "");
}

TEST_F(MainWindow, SelectionListHasItsThreeColumns)
{
    TSelectionList* list = frmMain->ListView1;
    ASSERT_EQ(list->model()->columnCount(), 3);
    const struct {
        const char* caption;
        int width;
        Qt::Alignment alignment;
    } columns[] = {{"Path", 200, Qt::AlignLeft}, {"File Name", 150, Qt::AlignRight}, {"Byte", 150, Qt::AlignRight}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->model()->headerData(i, Qt::Horizontal).toString(), columns[i].caption);
        EXPECT_EQ(list->columnWidth(i), columns[i].width);
        EXPECT_TRUE(list->model()->headerData(i, Qt::Horizontal, Qt::TextAlignmentRole).toInt()
                    & columns[i].alignment) << i;
    }
    // A table to screen readers, named by its hint.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(accessible->role(), QAccessible::Table);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Double click to show picture.");
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_TRUE(list->showGrid());
}

TEST_F(MainWindow, MenusAndButtonsCarryTheirNamesCaptionsAndHints)
{
    const struct {
        const char* name;
        const char* caption;
    } items[] = {{"SavePath", "&Save Path"},       {"CleanPath", "&Clean Path"},  {"SelectShow", "&Select Show"},
                 {"DirectoryShow", "&Directory Show"}, {"Properties", "Properties"}, {"Default", "&Default"},
                 {"AboutLumora", "&About Lumora"},  {"Exit", "&Exit"},           {"popRestore", "Restore"},
                 {"popExit", "Exit"}};
    for (const auto& item : items) {
        auto* action = frmMain->findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption);
    }
    const struct {
        const char* name;
        const char* hint;
    } buttons[] = {{"sbAdd", "Add Picture"},     {"sbAddAll", "Add All Pictures"}, {"sbRemove", "Remove Picture"},
                   {"sbRemoveAll", "Remove All Pictures"}, {"sbThumb", "Show Thumb"}, {"sbSlideShow", "Slide Show"},
                   {"sbImageTool", "Image Tool"}, {"sbGenHTML", "Generate HTML"}};
    for (const auto& b : buttons) {
        auto* button = frmMain->findChild<QToolButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->toolTip(), b.hint);
        EXPECT_EQ(button->accessibleName(), b.hint);
    }
    const QStringList menuTitles = {"&Path", "&Mode", "&Options", "&Help", "&Exit"};
    QStringList bar;
    for (QAction* a : frmMain->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, menuTitles);
}

TEST_F(MainWindow, ModeMenuSwitchesLayoutsAndBack)
{
    frmMain->ShowWorkButtons();
    frmMain->sbSlideShow->hide();
    frmMain->DirectoryShow->trigger();
    WaitForJobs();
    EXPECT_EQ(frmMain->ViewMode, 2);
    EXPECT_EQ(frmMain->GroupBox1->height(), 660);
    EXPECT_EQ(frmMain->GroupBox1->ControlWidth(frmMain->CDirectoryOutline1), 177);
    EXPECT_TRUE(frmMain->FileListBox1->isHidden());
    EXPECT_TRUE(frmMain->ListView1->isHidden());
    // Slide Show, Image Tool and Generate HTML keep their visibility.
    ExpectButtons({{"sbAdd", false}, {"sbAddAll", false}, {"sbRemove", false}, {"sbRemoveAll", false},
                   {"sbThumb", false}, {"sbSlideShow", false}, {"sbImageTool", true}, {"sbGenHTML", true}});

    frmMain->HideWorkButtons();
    frmMain->SelectShow->trigger();
    WaitForJobs();
    EXPECT_EQ(frmMain->ViewMode, 1);
    EXPECT_EQ(frmMain->GroupBox1->height(), 305);
    EXPECT_EQ(frmMain->GroupBox1->ControlWidth(frmMain->CDirectoryOutline1), 240);
    EXPECT_FALSE(frmMain->FileListBox1->isHidden());
    EXPECT_FALSE(frmMain->ListView1->isHidden());
    ExpectButtons({{"sbAdd", true}, {"sbAddAll", true}, {"sbRemove", true}, {"sbRemoveAll", true},
                   {"sbThumb", true}, {"sbSlideShow", false}, {"sbImageTool", false}, {"sbGenHTML", false}});
}

TEST_F(MainWindow, WorkAreaChainsItsControlsFromTheLeft)
{
    frmMain->resize(1200, 800);
    frmMain->show();
    const QWidget* chain[] = {frmMain->CDirectoryOutline1, frmMain->Splitter1, frmMain->FileListBox1,
                              frmMain->Splitter2, frmMain->ListView1, frmMain->Splitter3};
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(chain[i]->x(), chain[i - 1]->x() + chain[i - 1]->width()) << i;
    EXPECT_EQ(frmMain->Splitter1->width(), 5);
    EXPECT_EQ(frmMain->CDirectoryOutline1->height(), frmMain->GroupBox1->contentsRect().height());
    // A splitter widens the control on its left and never leaves less than 5 pixels.
    frmMain->GroupBox1->SplitterMoved(frmMain->Splitter2, 40);
    EXPECT_EQ(frmMain->FileListBox1->width(), 226);
    frmMain->GroupBox1->SplitterMoved(frmMain->Splitter2, -1000);
    EXPECT_EQ(frmMain->FileListBox1->width(), 5);
}

TEST_F(MainWindow, AWindowSmallerThanTheLayoutScrollsToEveryControl)
{
    TTempDir pictures;
    WriteTestJpeg(pictures.File("a.jpg"), 64, 48);
    frmMain->Pictures().Append({pictures.Path(), "a.jpg", ""});
    frmMain->resize(1366, 705);
    frmMain->show();
    auto* scroller = frmMain->findChild<QScrollArea*>("WorkScroller");
    ASSERT_NE(scroller, nullptr);
    for (QAction* layout : {frmMain->SelectShow, frmMain->DirectoryShow}) {
        SCOPED_TRACE(layout->text().toStdString());
        layout->trigger();
        WaitForJobs();
        QCoreApplication::processEvents();
        for (QScrollBar* bar : {scroller->horizontalScrollBar(), scroller->verticalScrollBar()})
            bar->setValue(bar->maximum());
        const QRect board(frmMain->Board()->mapTo(scroller->viewport(), QPoint(0, 0)), frmMain->Board()->size());
        EXPECT_TRUE(scroller->viewport()->rect().contains(board));
    }
}

TEST_F(MainWindow, SixWindowsExistWithTheirCaptions)
{
    EXPECT_EQ(frmShow->windowTitle(), "Show Picture");
    EXPECT_EQ(frmOption->windowTitle(), "Lumora Option");
    EXPECT_EQ(frmGenHTML->windowTitle(), "Generate HTML");
    EXPECT_NE(frmAbout, nullptr);
    EXPECT_NE(frmSlide, nullptr);
    EXPECT_FALSE(frmShow->isVisible());
}

TEST_F(MainWindow, PropertiesAndAboutShowTheirWindowsModally)
{
    const struct {
        QAction* item;
        TForm* window;
    } cases[] = {{frmMain->Properties, frmOption}, {frmMain->AboutLumora, frmAbout}};
    for (const auto& c : cases) {
        TScriptedModal modal;
        bool shownDuringStep = false;
        modal.steps.push_back([&](TForm& form) { shownDuringStep = form.isVisible(); });
        c.item->trigger();
        EXPECT_EQ(modal.shown, std::vector<std::string>{c.window->objectName().toStdString()});
        EXPECT_TRUE(shownDuringStep) << modal.shown.front();
        EXPECT_FALSE(c.window->isVisible()) << modal.shown.front();
    }
}

TEST_F(MainWindow, TrayStaysAwayWithoutTrueOrWithoutATray)
{
    // The first start asks for the tray, but the offscreen platform has none.
    EXPECT_EQ(frmMain->Settings().ShowTray, "True");
    EXPECT_FALSE(frmMain->TrayAnimating());
}

} // namespace
