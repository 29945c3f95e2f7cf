#include "browse/FolderListing.h"

#include "toolkit/Platform.h"

#include "toolkit/PathFile.h"
#include "toolkit/RunTime.h"

#include <algorithm>
#include <string_view>

namespace {

char Folded(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// "*" stands for any bytes, "?" for one; letters A-Z match without case.
bool WildcardMatches(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0, n = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || Folded(pattern[p]) == Folded(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool MaskMatches(std::string_view mask, std::string_view name)
{
    for (std::size_t start = 0; start <= mask.size();) {
        const std::size_t end = std::min(mask.find(';', start), mask.size());
        if (end > start && WildcardMatches(mask.substr(start, end - start), name))
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& mask)
{
    std::vector<std::string> names;
    for (std::string& name : FileNamesIn(folder))
        if (name.front() != '.' && MaskMatches(mask, name))
            names.push_back(std::move(name));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int byText = CompareText(a, b);
        return byText != 0 ? byText < 0 : a < b;
    });
    return names;
}

TFolderRows ReadFolder(const std::string& folder, const std::string& mask)
{
    TFolderRows read{NormalizeFolder(folder), {}, {}};
    read.names = ListMatchingFiles(read.folder, mask);
    for (const std::string& name : read.names)
        if (std::optional<TSelectionRow> row = PictureRow(read.folder, name))
            read.rows.push_back(std::move(*row));
    return read;
}

std::string FolderCountText(int files)
{
    return "Total " + IntToStr(files) + " File(s).";
}

std::string FolderCaption(const std::string& folder)
{
    return "Lumora   [ " + folder + " ]";
}
