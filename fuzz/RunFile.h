#pragma once
// The one file a fuzz target reads its input from, in a temporary folder that lasts the
// whole run: the code under test opens files by name.

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>

inline std::string RunFilePath(const char* name)
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    return QFile::encodeName(dir.filePath(QString::fromLatin1(name))).toStdString();
}
