#pragma once
// A temporary folder for one test, with helpers to put files into it.

#include <QTemporaryDir>

#include <cstddef>
#include <string>

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The folder, without a trailing separator.
    std::string Path() const;
    // Path() + "/" + name.
    std::string File(const std::string& name) const;
    // Writes bytes to a file in the folder (folders on the way are made) and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // Writes a file of the given size filled with 'x'.
    std::string WriteSized(const std::string& name, std::size_t size) const;

private:
    QTemporaryDir dir_;
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
