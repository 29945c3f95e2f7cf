#include "browse/ImageTool.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QTimer>

#include <cstdlib>

namespace {

// A tool that writes its argument count, its arguments and its folder to record, all at once.
std::string RecordingTool(const std::string& record)
{
    return "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" \"$PWD\" > '" + record + ".part' && mv '" + record + ".part' '" +
           record + "'\n";
}

// Waits for the detached tool's record through the folder watcher, for at most ten seconds.
std::string AwaitRecord(const TTempDir& dir, const std::string& record)
{
    QEventLoop loop;
    QFileSystemWatcher watcher({QString::fromStdString(dir.Path())});
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, [&] {
        if (QFile::exists(QString::fromStdString(record)))
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!QFile::exists(QString::fromStdString(record)))
        loop.exec();
    return ReadBytes(record);
}

TEST(ImageTool, StartsTheToolDetachedOnThePictureInItsFolder)
{
    TTempDir records, tools, elsewhere;
    // A name that is not UTF-8 reaches the tool as its bytes.
    const std::string picture = "/my pictures/a b\xe9.jpg";
    const std::string savedPath = std::getenv("PATH");
    setenv("PATH", (tools.Path() + ":" + savedPath).c_str(), 1);
    struct Case {
        const char* name;
        std::string tool;
        std::string folder;  // the setting, with its trailing separator
        bool started;
    };
    const Case cases[] = {
        {"the tool in its folder", "photo tool", tools.Path() + "/", true},
        {"not in its folder: looked up on PATH", "lumora-path-tool", elsewhere.Path() + "/", true},
        {"missing", "no-such-lumora-tool", elsewhere.Path() + "/", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string record = records.File(c.tool);
        if (c.started) {
            tools.Write(c.tool, RecordingTool(record));
            QFile::setPermissions(QString::fromStdString(tools.File(c.tool)), QFile::ReadOwner | QFile::ExeOwner);
        }
        // No early return: PATH is put back below.
        const bool started = StartImageTool(c.tool, c.folder, picture);
        EXPECT_EQ(started, c.started);
        if (started && c.started)
            EXPECT_EQ(AwaitRecord(records, record), "1\n" + picture + "\n" + c.folder.substr(0, c.folder.size() - 1) + "\n");
    }
    setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
