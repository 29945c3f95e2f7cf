// Faults the program's writes must survive: a save killed at any moment, a full disk, a
// prefix folder it may not write. Each happens to lumora_fault_child, which the test
// kills, limits or starts without rights, and then reads what it left.

#include "faults/LoopSettings.h"

#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <map>
#include <random>
#include <thread>

namespace {

using Texts = std::vector<std::string>;
using Files = std::map<std::string, std::string>;  // path below a folder -> bytes

constexpr int kChildMs = 60'000;

QString Q(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

struct TChildEnd {
    int status = -1;  // exit status; -1 when it did not end by itself
    Texts messages;
    std::string errors;
};

// Runs the child to its end and returns what it printed; one that hangs is killed.
TChildEnd RunChild(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(LUMORA_FAULT_CHILD, arguments);
    TChildEnd end;
    if (!child.waitForFinished(kChildMs)) {
        child.kill();
        child.waitForFinished();
    } else if (child.exitStatus() == QProcess::NormalExit) {
        end.status = child.exitCode();
    }
    for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            end.messages.push_back(line.toStdString());
    end.errors = child.readAllStandardError().toStdString();
    return end;
}

TChildEnd RunChild(const QStringList& arguments)
{
    return RunChild(arguments, QProcessEnvironment::systemEnvironment());
}

Files FilesBelow(const std::string& folder)
{
    Files files;
    const QDir root(Q(folder));
    for (QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[root.relativeFilePath(path).toStdString()] = ReadBytes(QFile::encodeName(path).toStdString());
    }
    return files;
}

// The files only one of them holds, or that both hold with other bytes.
Texts Differences(const Files& now, const Files& before)
{
    Texts names;
    for (const auto& [name, bytes] : now)
        if (!before.contains(name) || before.at(name) != bytes)
            names.push_back(name);
    for (const auto& [name, bytes] : before)
        if (!now.contains(name))
            names.push_back(name);
    return names;
}

// Seven pictures pics/P1.jpg ... in dir and the album's arguments for them: pages to out/.
QStringList AlbumArguments(const TTempDir& dir, const std::string& limit)
{
    QDir().mkpath(Q(dir.File("out")));
    QDir().mkpath(Q(dir.File("pics")));
    QStringList arguments = {"album", Q(dir.File("out/")), Q(limit)};
    for (int n = 1; n <= 7; ++n) {
        const std::string picture = dir.File("pics/P" + std::to_string(n) + ".jpg");
        WriteTestJpeg(picture, 64 + n, 48);
        arguments << Q(picture);
    }
    return arguments;
}

// Whether the stopped process holds a file of folder open: a save caught inside its write.
bool HoldsFileIn(qint64 pid, const std::string& folder)
{
    const QDir fds("/proc/" + QString::number(pid) + "/fd");
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (QFile::symLinkTarget(fds.filePath(fd)).startsWith(Q(folder) + "/"))
            return true;
    return false;
}

TEST(Faults, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    constexpr int kKills = 200;
    TTempDir dir;
    const std::string file = dir.File("InitShow.txt");
    const std::string whole[] = {LoopSettingsBytes(0), LoopSettingsBytes(1)};
    dir.Write("InitShow.txt", whole[0]);
    const unsigned seed = qEnvironmentVariableIsSet("LUMORA_FAULT_SEED")
                              ? qEnvironmentVariableIntValue("LUMORA_FAULT_SEED")
                              : std::random_device{}();
    std::cout << "seed " << seed << " (set LUMORA_FAULT_SEED to repeat)" << std::endl;
    std::mt19937 random(seed);
    // A save takes well under a millisecond: the kills fall across many saves and all their steps.
    std::uniform_int_distribution<int> delayUs(0, 20'000);

    int insideWrite = 0;
    for (int n = 0; n < kKills; ++n) {
        SCOPED_TRACE("kill " + std::to_string(n));
        QProcess child;
        child.start(LUMORA_FAULT_CHILD, {"loop", Q(file)});
        ASSERT_TRUE(child.waitForReadyRead(kChildMs)) << child.readAllStandardError().toStdString();
        ASSERT_EQ(child.readLine(), "looping\n");
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        // Stopped first, so what it holds open is what the kill interrupts.
        ::kill(static_cast<pid_t>(child.processId()), SIGSTOP);
        insideWrite += HoldsFileIn(child.processId(), dir.Path());
        child.kill();
        ASSERT_TRUE(child.waitForFinished(kChildMs));
        const std::string bytes = ReadBytes(file);
        ASSERT_TRUE(bytes == whole[0] || bytes == whole[1]) << bytes.size() << " bytes";
    }
    const std::size_t leftBehind = FilesBelow(dir.Path()).size() - 1;
    std::cout << insideWrite << " of " << kKills << " kills caught a save inside its write; " << leftBehind
              << " temporary files were left behind" << std::endl;
    // Else the kills never met a write and the test showed nothing.
    EXPECT_GT(insideWrite, 0);
}

TEST(Faults, AFullDiskFailsTheSettingsSaveAndKeepsTheOldFile)
{
    struct Case {
        const char* what;
        int old, saved;  // loop settings
    };
    const Case cases[] = {
        {"a short file, whose bytes wait in the write buffer", 1, 0},
        {"a long one, written straight through", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TTempDir dir;
        const std::string old = LoopSettingsBytes(c.old);
        dir.Write("InitShow.txt", old);
        // The write fails part way.
        const std::size_t limit = LoopSettingsBytes(c.saved).size() / 2;
        const TChildEnd end =
            RunChild({"save", Q(dir.File("InitShow.txt")), QString::number(limit), QString::number(c.saved)});
        EXPECT_EQ(end.status, 0) << end.errors;
        EXPECT_EQ(end.messages, Texts{"Cannot open output file."});
        EXPECT_EQ(Differences(FilesBelow(dir.Path()), {{"InitShow.txt", old}}), Texts{});
    }
}

TEST(Faults, AFullDiskEndsTheAlbumRunWithItsMessagesAndLeavesEarlierFilesWhole)
{
    TTempDir dir;
    const QStringList unlimited = AlbumArguments(dir, "none");
    const TChildEnd earlier = RunChild(unlimited);
    ASSERT_EQ(earlier.messages, Texts{"Write down."}) << earlier.errors;
    const Files before = FilesBelow(dir.Path());
    // Seven pictures, their thumbnails and pages.
    ASSERT_EQ(before.size(), 7u + 7u + 7u + 1u);

    struct Case {
        std::size_t limit;  // the largest file in bytes
        Texts messages;
    };
    const Case cases[] = {
        // Below every file: no row file is made, so no index page is tried.
        {200, {"Cannot open output file.1.txt", "Cannot open output file.1.htm", "Could not load or alter JPEG Files",
               "Write down."}},
        // Above the row files and picture pages, below the index page and the thumbnails.
        {1200, {"Cannot open output file.1.htm", "Could not load or alter JPEG Files", "Write down."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        QStringList limited = unlimited;
        limited[2] = QString::number(c.limit);
        const TChildEnd end = RunChild(limited);
        EXPECT_EQ(end.status, 0) << end.errors;
        EXPECT_EQ(end.messages, c.messages);
        // Byte for byte, and no half-written file beside them.
        EXPECT_EQ(Differences(FilesBelow(dir.Path()), before), Texts{});
    }
}

TEST(Faults, APrefixFolderWithoutWritePermissionGetsNoFileAndEveryMessage)
{
    TTempDir dir;
    const QStringList arguments = AlbumArguments(dir, "nobody");
    // The child, nobody when the test is root, must reach the pictures and write beside
    // them; its row files go there too.
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup |
                     QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enterable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(Q(dir.Path()), enterable | QFile::WriteOwner);
    QFile::setPermissions(Q(dir.File("pics")), all);
    for (qsizetype i = 3; i < arguments.size(); ++i)
        QFile::setPermissions(arguments[i], readable | QFile::WriteOwner);
    QFile::setPermissions(Q(dir.File("out")), enterable);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", Q(dir.File("pics")));

    std::cout << (geteuid() == 0 ? "run as root: the album is made as the user nobody"
                                 : "run as user " + std::to_string(geteuid()))
              << std::endl;
    const TChildEnd end = RunChild(arguments, environment);
    if (end.status == 77)
        GTEST_SKIP() << "no user without the permission to run as: " << end.errors;
    EXPECT_EQ(end.status, 0) << end.errors;
    EXPECT_EQ(end.messages, (Texts{"Cannot open output file.1.htm", "Cannot open output file.1.htm", "Write down."}));
    EXPECT_EQ(FilesBelow(dir.File("out")), Files{});
    // The thumbnails are made beside the pictures, and the row files are gone.
    EXPECT_EQ(FilesBelow(dir.File("pics")).size(), 14u);
}

} // namespace
