#pragma once
// A file written whole or not at all, named by the bytes of its path: what is written goes
// to a temporary file in the same folder, which replaces the file only when every byte
// reached the disk. A crash, a full disk or a failed write leaves the old file as it was.

#include <QFile>

#include <string>

class TSaveFile {
public:
    explicit TSaveFile(std::string path);
    // A file not committed is removed; the old one stays.
    ~TSaveFile();
    TSaveFile(const TSaveFile&) = delete;
    TSaveFile& operator=(const TSaveFile&) = delete;

    // Makes the temporary file; false when it cannot, or when the file exists and may
    // not be written.
    bool Open();
    QIODevice& Device();
    // Flushes and renames over the file when everything was written; false, the old file
    // as it was, when anything was not.
    bool Commit();
    // Why Open or Commit failed.
    const std::string& Reason() const;

private:
    void Fail(int error);
    void Discard();

    std::string path_;       // the file replaced, links followed
    std::string temporary_;  // "" when there is none
    QFile file_;
    std::string reason_;
};
