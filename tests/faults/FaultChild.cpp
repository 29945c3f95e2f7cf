// The child the fault tests kill, starve of disk and deny permission. It saves the
// settings file or runs an album as the program does and prints each message the
// program would show, one a line, on stdout.
//
//   lumora_fault_child loop FILE                      saves the two loop settings by turns until killed
//   lumora_fault_child save FILE LIMIT WHICH          saves loop settings WHICH (0 or 1) once
//   lumora_fault_child album PREFIX LIMIT PICTURE...  makes the album of the pictures
//
// LIMIT is the largest file, in bytes, the child may write (a full disk: RLIMIT_FSIZE,
// with SIGXFSZ ignored so a write fails instead of ending the child), "none", or
// "nobody": run as the user nobody when started as root, who may write anything.
// Exit status 77: the limit could not be put in place.

#include "album/AlbumEntry.h"
#include "album/AlbumRun.h"
#include "faults/LoopSettings.h"
#include "imaging/JPEGImage.h"
#include "toolkit/Dialogs.h"

#include <QGuiApplication>

#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

class TPrintedDialogs : public TDialogs {
public:
    void ShowMessage(const std::string& text, TMessageKind) override { std::cout << text << std::endl; }
    bool AskYesNo(const std::string& text) override
    {
        ShowMessage(text, TMessageKind::Plain);
        return false;
    }
    std::vector<std::string> OpenFiles(const TOpenFileRequest&) override { return {}; }
    std::optional<TColor> PickColor(TColor) override { return std::nullopt; }
};

[[noreturn]] void Refuse(const std::string& what)
{
    std::cerr << what << ": " << std::strerror(errno) << std::endl;
    std::exit(77);
}

void Restrict(const std::string& limit)
{
    if (limit == "none")
        return;
    if (limit == "nobody") {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            Refuse("cannot become the user nobody");
        return;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t bytes = std::stoull(limit);
    const rlimit fileSize{bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
        Refuse("cannot limit the file size");
}

int MakeAlbumOf(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    TAllTools tools;
    TAlbumInputs in{{}, argv[2], "Faults", {1, "100", "100", "20", "20"}, JPEGDefaults()};
    for (int i = 4; i < argc; ++i)
        in.entries.push_back(SplitPickedFile(tools, argv[i]).entry);
    TAlbumRun run;
    run.Start(in, {}, [] { QCoreApplication::quit(); });
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "loop") {
        TAllTools tools;
        const TLoopSettings settings[] = {LoopSettings(0), LoopSettings(1)};
        std::cout << "looping" << std::endl;
        for (unsigned n = 1;; ++n)
            SaveSettingsFile(argv[2], settings[n % 2].values, settings[n % 2].browse, tools);
    }
    if ((mode != "save" || argc != 5) && (mode != "album" || argc < 4)) {
        std::cerr << "usage: lumora_fault_child loop FILE | save FILE LIMIT WHICH | album PREFIX LIMIT PICTURE..."
                  << std::endl;
        return 2;
    }
    TPrintedDialogs printed;
    SetDialogs(&printed);
    Restrict(argv[3]);
    if (mode == "album")
        return MakeAlbumOf(argc, argv);
    TAllTools tools;
    const TLoopSettings settings = LoopSettings(std::atoi(argv[4]));
    SaveSettingsReporting(argv[2], settings.values, settings.browse, tools);
    return 0;
}
