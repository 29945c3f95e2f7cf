#include "browse/FolderListing.h"

#include "toolkit/RunTime.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>

std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& mask)
{
    const QStringList patterns = QString::fromStdString(mask).split(';', Qt::SkipEmptyParts);
    // Name filters of QDir match without regard to case unless told otherwise.
    const QDir dir(QFile::decodeName(folder.c_str()), QString(), QDir::NoSort, QDir::Files);
    std::vector<std::string> names;
    for (const QString& name : dir.entryList(patterns, QDir::Files, QDir::NoSort))
        names.push_back(QFile::encodeName(name).toStdString());
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int byText = CompareText(a, b);
        return byText != 0 ? byText < 0 : a < b;
    });
    return names;
}

std::string FolderCountText(int files)
{
    return "Total " + IntToStr(files) + " File(s).";
}

std::string FolderCaption(const std::string& folder)
{
    return "Lumora   [ " + folder + " ]";
}
