// A seeded random walk through the real windows: actions a user can take, taken while
// jobs run, with the window's promises checked after each one.
//
//   lumora_stress [--seed=N] [--actions=N]   (or LUMORA_STRESS_SEED, LUMORA_STRESS_ACTIONS)
//
// The actions and every random choice they make are drawn from the seed alone, so a seed
// replays the same sequence; whether an action takes effect depends, as for a user, on
// what the windows allow at that moment.

#include "Forms.h"
#include "browse/PictureSet.h"
#include "album/window/UnitGenHTML.h"
#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "browse/SelectionRows.h"
#include "imaging/JPEGImage.h"
#include "options/window/UnitOption.h"
#include "thumbs/window/ThumbBoard.h"
#include "thumbs/window/ThumbImage.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/UnitSlide.h"

#include "support/PictureMakers.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedModal.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"
#include "toolkit/WorkerPool.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace fs = std::filesystem;

namespace {

// What a crash or a sanitizer report is told: the seed and the action it happened in.
char gWhere[256] = "setting up";

void SayWhere()
{
    const ssize_t ignored = write(2, gWhere, std::strlen(gWhere));
    (void)ignored;
}

void OnFatalSignal(int signal)
{
    SayWhere();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A user can reach a control only while it is shown and enabled.
bool Reachable(const QWidget* w)
{
    return w && w->isVisible() && w->isEnabled();
}

bool Reachable(QMenu* menu, QAction* item)
{
    return menu->menuAction()->isEnabled() && item->isEnabled();
}

// A click on a disabled button does nothing, as for a user.
void Click(QAbstractButton* button)
{
    if (button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton);
}

// An action's random choices, drawn before it looks at the windows.
struct TRoll {
    std::uint32_t a, b, c, d;
};

class TStress {
public:
    explicit TStress(std::uint64_t seed) : seed_(seed), random_(seed) { MakePictures(); }

    int Run(long actions);

private:
    struct TAction {
        const char* name;
        int weight;
        void (TStress::*run)(const TRoll&);
    };

    // The windows, as at start-up.
    void Start();
    // The main window's close box; no worker may outlive it.
    void Quit();

    void MakePictures();
    std::string FreshFolder(const TRoll& roll);
    void Slice(std::uint32_t roll);
    bool Idle() const;
    void Fail(const std::string& what);
    void Check();
    void NoteBoard();

    void GoTo(const std::string& folder);

    void SelectFiles(const TRoll&);
    void Add(const TRoll&);
    void AddAll(const TRoll&);
    void Remove(const TRoll&);
    void RemoveAll(const TRoll&);
    void SortByHeader(const TRoll&);
    void SwitchLayout(const TRoll&);
    void ChangeFolder(const TRoll&);
    void DeleteWhileBuilding(const TRoll&);
    void ShowThumb(const TRoll&);
    void PressThumb(const TRoll&);
    void OpenViewer(const TRoll&);
    void ViewerStep(const TRoll&);
    void ViewerZoom(const TRoll&);
    void ViewerMark(const TRoll&);
    void ViewerEsc(const TRoll&);
    void SlideStart(const TRoll&);
    void SlideTick(const TRoll&);
    void SlideEsc(const TRoll&);
    void Album(const TRoll&);
    void AlbumEsc(const TRoll&);
    void OptionsSave(const TRoll&);
    void Escape(const TRoll&);
    void QuitDuringJob(const TRoll&);

    static const TAction kActions[];

    std::uint64_t seed_;
    std::mt19937_64 random_;
    long number_ = 0;
    const char* action_ = "";
    TTempDir root_;
    TScriptedDialogs dialogs_;
    std::vector<std::string> folders_;      // where the folder tree is sent
    std::vector<std::string> albumFiles_;   // what GetFile picks from
    std::vector<std::string> fresh_;        // made to be deleted, not yet deleted
    int freshMade_ = 0;
    long quits_ = 0;
    long inJobs_ = 0;  // actions taken while a job or the board's decoding ran

    // The board of the latest build and the rows it was started with.
    QPointer<TThumbBoard> board_;
    std::vector<std::string> boardRows_;
    bool boardCut_ = false;  // Esc or a new folder change stopped its build
    // A Directory Show folder change rewrites the list and leaves the count as it was.
    bool countStale_ = true;
};

const TStress::TAction TStress::kActions[] = {
    {"select files", 6, &TStress::SelectFiles},
    {"add", 6, &TStress::Add},
    {"add all", 3, &TStress::AddAll},
    {"remove", 4, &TStress::Remove},
    {"remove all", 1, &TStress::RemoveAll},
    {"header sort", 3, &TStress::SortByHeader},
    {"switch layout", 3, &TStress::SwitchLayout},
    {"change folder", 5, &TStress::ChangeFolder},
    {"delete folder while building", 1, &TStress::DeleteWhileBuilding},
    {"show thumb", 4, &TStress::ShowThumb},
    {"press thumb", 3, &TStress::PressThumb},
    {"open viewer", 3, &TStress::OpenViewer},
    {"viewer step", 4, &TStress::ViewerStep},
    {"viewer zoom", 3, &TStress::ViewerZoom},
    {"viewer mark", 2, &TStress::ViewerMark},
    {"viewer esc", 1, &TStress::ViewerEsc},
    {"slide start", 2, &TStress::SlideStart},
    {"slide tick", 4, &TStress::SlideTick},
    {"slide esc", 1, &TStress::SlideEsc},
    {"album", 2, &TStress::Album},
    {"album esc", 1, &TStress::AlbumEsc},
    {"options save", 1, &TStress::OptionsSave},
    {"esc", 3, &TStress::Escape},
    {"quit", 1, &TStress::QuitDuringJob},
};

void TStress::MakePictures()
{
    const std::string pics = root_.File("pics");
    fs::create_directories(pics + "/sub");
    fs::create_directories(pics + "/many");
    fs::create_directories(root_.File("empty"));
    fs::create_directories(root_.File("album/src"));
    fs::create_directories(root_.File("album/out"));
    WriteTestJpeg(pics + "/a.jpg", 64, 48);
    WriteTestJpeg(pics + "/b.jpg", 320, 240, {.progressive = true});
    WriteTestJpeg(pics + "/c.jpg", 100, 80, {.color = TJpegColor::Grey});
    WriteTestJpeg(pics + "/d.jpg", 640, 480);
    WriteTestJpeg(pics + "/e.jpg", 200, 150, {.truncateTo = 700});
    WriteTestJpeg(pics + "/f.jpg", 1, 1);
    WriteTestJpeg(pics + "/g.jpg", 90, 300, {.color = TJpegColor::Cmyk});
    WriteTestBmp(pics + "/h.bmp", 40, 30);
    WriteFileBytes(pics + "/i.jpg", "not a picture");
    WriteFileBytes(pics + "/j.bmp", MakeTestBmp(8, 8, QSize(60000, 60000)));
    for (const char* name : {"k.jpg", "l.jpg", "m.jpg"})
        WriteTestJpeg(pics + "/sub/" + name, 120, 90);
    const QByteArray small = MakeTestJpeg(64, 48);
    for (int i = 0; i < 150; ++i)
        WriteFileBytes(pics + "/many/" + std::to_string(i) + ".jpg", small);
    for (const char* name : {"p.jpg", "q.jpg", "r.jpg", "t.jpg", "u.jpg", "v.jpg"}) {
        albumFiles_.push_back(root_.File("album/src/") + name);
        WriteTestJpeg(albumFiles_.back(), 400, 300);
    }
    albumFiles_.push_back(root_.File("album/src/s.bmp"));
    WriteTestBmp(albumFiles_.back(), 16, 16);
    folders_ = {pics, pics + "/sub", pics + "/many", root_.File("empty"), root_.Path()};
}

std::string TStress::FreshFolder(const TRoll& roll)
{
    const std::string folder = root_.File("fresh" + std::to_string(freshMade_++));
    fs::create_directories(folder);
    const QByteArray picture = MakeTestJpeg(240, 180);
    for (std::uint32_t i = 0; i < 4 + roll.c % 24; ++i)
        WriteFileBytes(folder + "/" + std::to_string(i) + ".jpg", picture);
    fresh_.push_back(folder);
    return folder;
}

void TStress::Start()
{
    CreateForms();
    frmMain->show();
    board_ = nullptr;
    boardRows_.clear();
    boardCut_ = false;
    countStale_ = true;
}

void TStress::Quit()
{
    frmMain->close();
    // At once: the window waited for every worker of its own before it went.
    if (const int running = WorkerPool().activeThreadCount())
        Fail(std::to_string(running) + " worker(s) still running after the main window closed");
    DestroyForms();
    ++quits_;
    Start();
}

bool TStress::Idle() const
{
    return !frmMain->Busy() && !frmGenHTML->Making() && (!frmMain->Board() || frmMain->Board()->Decoder().Idle()) &&
           !frmShow->Decoding() && !frmSlide->Decoding();
}

// Lets the event loop run a little, so that the next action often lands in a job.
void TStress::Slice(std::uint32_t roll)
{
    const std::uint32_t kind = roll % 16;
    if (kind < 6)
        QCoreApplication::processEvents();
    else if (kind < 14)
        QTest::qWait(static_cast<int>(roll % 5));
    else if (kind == 14)
        QTest::qWait(20);
    else
        (void)QTest::qWaitFor([this] { return Idle(); }, 5000);
}

void TStress::Fail(const std::string& what)
{
    std::fprintf(stderr, "FAILED: seed %llu, action %ld (%s): %s\n", static_cast<unsigned long long>(seed_), number_,
                 action_, what.c_str());
    std::fflush(stderr);
    fs::remove_all(root_.Path());
    std::_Exit(1);
}

// A new board means a new build: it was started from the rows the list holds now, since
// the list cannot change while a build runs except by a folder change, which starts the
// next build only once its listing is in.
void TStress::NoteBoard()
{
    TThumbBoard* board = frmMain->Board();
    if (!board || board == board_.data())
        return;
    board_ = board;
    boardCut_ = false;
    boardRows_.clear();
    for (const TSelectionRow& row : frmMain->Pictures().Model().Rows())
        boardRows_.push_back(row.name);
}

void TStress::Check()
{
    NoteBoard();
    if (!countStale_) {
        const std::string shown = frmMain->StatusText(kSelectedCountPanel);
        const std::string rows = SelectedCountText(frmMain->Pictures().Count());
        if (shown != rows)
            Fail("the status bar shows \"" + shown + "\" for \"" + rows + "\"");
    }
    if (!board_)
        return;
    const int count = board_->ThumbCount();
    const int built = static_cast<int>(boardRows_.size());
    if (count > built)
        Fail(std::to_string(count) + " thumbnails for " + std::to_string(built) + " rows");
    if (!frmMain->Busy() && !boardCut_ && count != built)
        Fail("the finished board holds " + std::to_string(count) + " thumbnails for " + std::to_string(built) + " rows");
    for (int row : {0, count / 2, count - 1}) {
        if (row < 0 || row >= count)
            continue;
        const QString hint = board_->Thumb(row)->toolTip().section('\n', 0, 0);
        if (hint != QFile::decodeName(boardRows_[static_cast<std::size_t>(row)].c_str()))
            Fail("thumbnail " + std::to_string(row) + " is hinted \"" + hint.toStdString() + "\" for row \""
                 + boardRows_[static_cast<std::size_t>(row)] + "\"");
    }
}

void TStress::GoTo(const std::string& folder)
{
    // In Directory Show the change stops the running listing and build.
    if (frmMain->State.ViewMode == kDirectoryShow) {
        if (frmMain->Busy())
            boardCut_ = true;
        countStale_ = true;
    }
    frmMain->CDirectoryOutline1->SetDirectory(folder);
}

void TStress::SelectFiles(const TRoll& roll)
{
    TFileListBox* files = frmMain->FileListBox1;
    if (!Reachable(files))
        return;
    files->clearSelection();
    for (int i = 0; i < files->Count(); ++i)
        if ((roll.b >> (i % 32)) & 1)
            files->Select(i);
}

void TStress::Add(const TRoll&)
{
    Click(frmMain->sbAdd);
    countStale_ = countStale_ && !Reachable(frmMain->sbAdd);
}

void TStress::AddAll(const TRoll&)
{
    const bool reachable = Reachable(frmMain->sbAddAll) && frmMain->FileListBox1->Count() > 0;
    Click(frmMain->sbAddAll);
    countStale_ = countStale_ && !reachable;
}

void TStress::Remove(const TRoll& roll)
{
    TSelectionList* list = frmMain->ListView1;
    if (!Reachable(list) || !Reachable(frmMain->sbRemove))
        return;
    QItemSelectionModel* selection = list->selectionModel();
    selection->clearSelection();
    for (int row = 0; row < frmMain->Pictures().Count(); ++row)
        if ((roll.b >> (row % 32)) & (roll.c >> (row % 29)) & 1)
            selection->select(frmMain->Pictures().Model().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // A finished board of exactly the list's rows loses the removed thumbnails in place
    // and must then stand for the rows left.
    std::vector<std::string> names;
    for (const TSelectionRow& row : frmMain->Pictures().Model().Rows())
        names.push_back(row.name);
    const bool inStep = board_ && board_ == frmMain->Board() && board_->isEnabled() && !frmMain->Busy()
                        && !boardCut_ && names == boardRows_;
    Click(frmMain->sbRemove);
    countStale_ = false;
    if (inStep && board_ == frmMain->Board() && frmMain->Pictures().Count() > 0) {
        boardRows_.clear();
        for (const TSelectionRow& row : frmMain->Pictures().Model().Rows())
            boardRows_.push_back(row.name);
    }
}

void TStress::RemoveAll(const TRoll&)
{
    if (!Reachable(frmMain->sbRemoveAll))
        return;
    Click(frmMain->sbRemoveAll);
    countStale_ = false;
}

void TStress::SortByHeader(const TRoll& roll)
{
    QHeaderView* header = frmMain->ListView1->horizontalHeader();
    if (!Reachable(header))
        return;
    const int column = static_cast<int>(roll.b % 3);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

void TStress::SwitchLayout(const TRoll& roll)
{
    QAction* layout = roll.b % 2 ? frmMain->DirectoryShow : frmMain->SelectShow;
    if (Reachable(frmMain->Mode, layout))
        layout->trigger();
}

void TStress::ChangeFolder(const TRoll& roll)
{
    GoTo(folders_[roll.b % folders_.size()]);
}

// A folder of pictures, gone from the disk while its board is built and decoded.
void TStress::DeleteWhileBuilding(const TRoll& roll)
{
    if (roll.d % 2 && Reachable(frmMain->Mode, frmMain->DirectoryShow))
        frmMain->DirectoryShow->trigger();
    GoTo(FreshFolder(roll));
    if (frmMain->State.ViewMode == kSelectShow && roll.d % 3 == 0)
        AddAll(roll);
    if (roll.d % 5 == 0)
        ShowThumb(roll);
    Slice(roll.b);
    for (const std::string& folder : fresh_)
        fs::remove_all(folder);
    fresh_.clear();
}

void TStress::ShowThumb(const TRoll&)
{
    Click(frmMain->sbThumb);
}

// The thumbnail of the roll's row, when the board takes presses.
TImage* ThumbToPress(const TRoll& roll)
{
    TThumbBoard* board = frmMain->Board();
    if (!Reachable(board) || board->ThumbCount() == 0)
        return nullptr;
    TImage* thumb = board->Thumb(static_cast<int>(roll.b % static_cast<std::uint32_t>(board->ThumbCount())));
    return thumb->isVisible() ? thumb : nullptr;
}

void TStress::PressThumb(const TRoll& roll)
{
    if (TImage* thumb = ThumbToPress(roll))
        QTest::mouseClick(thumb, Qt::LeftButton);
}

void TStress::OpenViewer(const TRoll& roll)
{
    if (roll.c % 2) {
        if (TImage* thumb = ThumbToPress(roll))
            QTest::mouseDClick(thumb, Qt::LeftButton);
    } else if (Reachable(frmMain->ListView1) && frmMain->Pictures().Count() > 0) {
        TSelectionList* list = frmMain->ListView1;
        const QModelIndex row = frmMain->Pictures().Model().index(
            static_cast<int>(roll.b % static_cast<std::uint32_t>(frmMain->Pictures().Count())), 0);
        list->scrollTo(row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    }
    if (frmShow->isVisible())
        frmShow->activateWindow();
}

void TStress::ViewerStep(const TRoll& roll)
{
    Click(roll.b % 2 ? frmShow->sbtNext : frmShow->sbtLast);
}

void TStress::ViewerZoom(const TRoll& roll)
{
    QToolButton* const zooms[] = {frmShow->sbtZoomIn, frmShow->sbtZoomOut, frmShow->sbtZoomOriginal, frmShow->sbtZoomFix,
                                  frmShow->sbtZoomStretch};
    Click(zooms[roll.b % 5]);
}

void TStress::ViewerMark(const TRoll& roll)
{
    QWidget* picture = frmShow->PaintBox1;
    if (!Reachable(picture) || picture->width() < 1 || picture->height() < 1)
        return;
    const auto at = [&](std::uint32_t r) {
        return QPoint(static_cast<int>(r % static_cast<std::uint32_t>(picture->width())),
                      static_cast<int>((r >> 16) % static_cast<std::uint32_t>(picture->height())));
    };
    const QPoint from = at(roll.b), to = at(roll.c);
    QTest::mousePress(picture, Qt::LeftButton, {}, from);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, to);
}

void TStress::ViewerEsc(const TRoll&)
{
    if (frmShow->isVisible())
        QTest::keyClick(frmShow, Qt::Key_Escape);
}

void TStress::SlideStart(const TRoll&)
{
    if (!Reachable(frmMain->sbSlideShow))
        return;
    Click(frmMain->sbSlideShow);
    // What the window system does for a window shown.
    if (frmSlide->isVisible()) {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(frmSlide, &activate);
    }
}

void TStress::SlideTick(const TRoll&)
{
    if (frmSlide->Timer1->isActive())
        frmSlide->Timer1Timer();
}

void TStress::SlideEsc(const TRoll&)
{
    if (frmSlide->isVisible())
        QTest::keyClick(frmSlide, Qt::Key_Escape);
}

// Generate HTML: pictures picked through the open dialog, then Make; the window is
// closed and the run goes on behind it.
void TStress::Album(const TRoll& roll)
{
    if (!Reachable(frmMain->sbGenHTML))
        return;
    std::vector<std::string> picked;
    for (std::size_t i = 0; i < albumFiles_.size(); ++i)
        if ((roll.b >> i) & 1)
            picked.push_back(albumFiles_[i]);
    dialogs_.fileAnswers = {picked};
    TScriptedModal modal;
    modal.steps.push_back([&](TForm&) {
        if (Reachable(frmGenHTML->cmdGetFile))
            Click(frmGenHTML->cmdGetFile);
        frmGenHTML->txtPath->setText(QFile::decodeName(root_.File("album/out/").c_str()));
        if (roll.c % 4 && Reachable(frmGenHTML->cmdMake))
            Click(frmGenHTML->cmdMake);
    });
    Click(frmMain->sbGenHTML);
    dialogs_.fileAnswers.clear();
}

void TStress::AlbumEsc(const TRoll&)
{
    if (!Reachable(frmMain->sbGenHTML))
        return;
    TScriptedModal modal;
    modal.steps.push_back([](TForm& form) { QTest::keyClick(&form, Qt::Key_Escape); });
    Click(frmMain->sbGenHTML);
}

void TStress::OptionsSave(const TRoll&)
{
    if (!Reachable(frmMain->Options, frmMain->Properties))
        return;
    TScriptedModal modal;
    modal.steps.push_back([](TForm&) { Click(frmOption->cmdSave); });
    frmMain->Properties->trigger();
}

void TStress::Escape(const TRoll&)
{
    if (frmMain->Busy())
        boardCut_ = true;
    QTest::keyClick(frmMain, Qt::Key_Escape);
}

// The main window closed while a job runs: a board build, a folder change or an album run.
void TStress::QuitDuringJob(const TRoll& roll)
{
    switch (roll.b % 4) {
    case 0:
        ShowThumb(roll);
        break;
    case 1:
        if (Reachable(frmMain->Mode, frmMain->DirectoryShow))
            frmMain->DirectoryShow->trigger();
        ChangeFolder(roll);
        break;
    case 2:
        Album(roll);
        break;
    default:
        break;
    }
    if (roll.c % 2)
        Slice(roll.d);
    Quit();
}

int TStress::Run(long actions)
{
    std::printf("lumora_stress: seed %llu, %ld actions\n", static_cast<unsigned long long>(seed_), actions);
    std::fflush(stdout);
    int total = 0;
    for (const TAction& action : kActions)
        total += action.weight;
    const auto started = std::chrono::steady_clock::now();
    Start();
    for (number_ = 1; number_ <= actions; ++number_) {
        // Every draw comes first, whatever the windows then allow.
        const std::uint64_t pick = random_(), ab = random_(), cd = random_(), slice = random_();
        const TRoll roll{static_cast<std::uint32_t>(ab), static_cast<std::uint32_t>(ab >> 32),
                         static_cast<std::uint32_t>(cd), static_cast<std::uint32_t>(cd >> 32)};
        int at = static_cast<int>(pick % static_cast<std::uint64_t>(total));
        const TAction* chosen = kActions;
        while (at >= chosen->weight)
            at -= (chosen++)->weight;
        action_ = chosen->name;
        std::snprintf(gWhere, sizeof gWhere, "lumora_stress: seed %llu, action %ld (%s)\n",
                      static_cast<unsigned long long>(seed_), number_, action_);
        if (!Idle())
            ++inJobs_;
        try {
            (this->*chosen->run)(roll);
            Slice(static_cast<std::uint32_t>(slice));
        } catch (const std::exception& e) {
            Fail(std::string("exception: ") + e.what());
        }
        Check();
        dialogs_.log.clear();
        dialogs_.openRequests.clear();
    }
    action_ = "end";
    Quit();
    DestroyForms();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("lumora_stress: seed %llu, %ld actions (%ld while work ran), %ld quits, %.1f s, no faults\n",
                static_cast<unsigned long long>(seed_), actions, inJobs_, quits_, seconds);
    return 0;
}

// --name=value on the command line, else the environment variable, else fallback.
std::string Option(int argc, char** argv, const std::string& name, const char* variable, const std::string& fallback)
{
    const std::string prefix = "--" + name + "=";
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind(prefix, 0) == 0)
            return argv[i] + prefix.size();
    const char* value = std::getenv(variable);
    return value && *value ? value : fallback;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::uint64_t seed = std::stoull(
        Option(argc, argv, "seed", "LUMORA_STRESS_SEED", std::to_string(std::random_device{}())));
    const long actions = std::stol(Option(argc, argv, "actions", "LUMORA_STRESS_ACTIONS", "2000"));
    for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, OnFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(SayWhere);
#endif
    const TTestEnvironment environment;
    QApplication app(argc, argv);
    RegisterJPEGImage();
    TStress stress(seed);
    return stress.Run(actions);
}
