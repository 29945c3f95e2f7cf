#pragma once
// Files named by the bytes of their paths. A name here may hold any bytes but "/" and
// NUL, and a QString cannot hold one that is not UTF-8: files are opened, looked for and
// listed by the bytes themselves, and only what is shown becomes text.

#include <QFile>

#include <string>
#include <vector>

// A file opened for reading by its path's bytes, which it keeps to name itself in errors.
class TPathFile : public QFile {
public:
    // False when the file cannot be opened, with why in reason.
    bool OpenToRead(const std::string& path, std::string& reason, OpenMode extra = {});
    const std::string& Path() const;

private:
    std::string path_;
};

// Whether path names anything, links followed.
bool PathExists(const std::string& path);
// Whether path names a regular file, links followed.
bool IsRegularFile(const std::string& path);

// Whether path names a folder, links followed.
bool IsFolder(const std::string& path);
// The process's current folder, as its bytes; "" when it cannot be read.
std::string CurrentFolder();
// path made absolute against the current folder, "." and ".." and doubled separators
// taken out by their names alone.
std::string AbsoluteClean(const std::string& path);

// The names of the regular files in folder (links followed), hidden ones too, in no
// particular order; "" is the current folder. Nothing when the folder cannot be read.
std::vector<std::string> FileNamesIn(const std::string& folder);
// The same for the folders in folder.
std::vector<std::string> FolderNamesIn(const std::string& folder);
