// Fuzz target: arbitrary picked paths and an arbitrary album title through the album's
// name split and its pages. The input is the title, then the paths, each ended by a
// zero byte. Each path splits by the album window's rules; each page has the lines its
// format promises, and every line is the line of the same page made with plain
// stand-in names, with the stand-ins replaced by the names as page text.

#include "album/AlbumEntry.h"
#include "album/AlbumPages.h"
#include "text/AllTools.h"
#include "toolkit/Platform.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// More pictures only repeat pages already made.
constexpr std::size_t kMaxPictures = 40;

// The album window's split, as its users see it: the folder up to the last separator,
// the name after it split at its first dot; a part that copies nothing is "0", and a
// name without a dot, or with its only dot in front, is its own base name.
TAlbumEntry ExpectedSplit(const std::string& path)
{
    const std::size_t slash = path.rfind(PathDelim);
    if (slash == std::string::npos)
        return {"", "0", "0"};
    const auto orZero = [](const std::string& part) { return part.empty() ? std::string("0") : part; };
    const std::string name = orZero(path.substr(slash + 1));
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos)
        return {path.substr(0, slash + 1), name, name};
    return {path.substr(0, slash + 1), dot == 0 ? name : name.substr(0, dot), orZero(name.substr(dot + 1))};
}

void CheckSplit(TAllTools& tools, const std::string& path, TPickedFile& picked)
{
    picked = SplitPickedFile(tools, path);
    const TAlbumEntry& e = picked.entry;
    if (e != ExpectedSplit(path) || picked.skipped != (e.BaseName.back() == 't'))
        std::abort();
    // A name with a dot after its first byte and something after that dot is rebuilt whole.
    const std::size_t slash = path.rfind(PathDelim);
    const std::size_t dot = slash == std::string::npos ? slash : path.find('.', slash + 1);
    if (dot != std::string::npos && dot > slash + 1 && dot + 1 < path.size()
        && e.Folder + e.BaseName + "." + e.Extension != path)
        std::abort();
}

// A name as page text: markup and line ends as character references.
std::string Escaped(std::string_view name)
{
    static const std::map<char, std::string> references = {
        {'"', "&quot;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'\n', "&#10;"}, {'\r', "&#13;"}};
    std::string out;
    for (const char c : name) {
        const auto it = references.find(c);
        out += it != references.end() ? it->second : std::string(1, c);
    }
    return out;
}

std::vector<std::string> Lines(const std::string& text)
{
    if (text.empty() || text.back() != '\n')
        std::abort();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Stand-ins are "@" key "@": no template line holds an "@".
using TStandIns = std::map<std::string, std::string>;

std::string StandIn(TStandIns& standIns, const std::string& key, const std::string& pageText)
{
    standIns["@" + key + "@"] = pageText;
    return "@" + key + "@";
}

std::string Filled(const std::string& line, const TStandIns& standIns)
{
    std::string out;
    std::size_t at = 0;
    for (std::size_t open; (open = line.find('@', at)) != std::string::npos;) {
        const std::size_t close = line.find('@', open + 1);
        out += line.substr(at, open - at) + standIns.at(line.substr(open, close - open + 1));
        at = close + 1;
    }
    return out + line.substr(at);
}

// The page has the lines the format promises, each its reference line filled in.
void CheckPage(const std::string& page, const std::string& reference, std::size_t lines, const TStandIns& standIns)
{
    const std::vector<std::string> got = Lines(page);
    const std::vector<std::string> want = Lines(reference);
    if (got.size() != lines || want.size() != lines)
        std::abort();
    for (std::size_t i = 0; i < lines; ++i)
        if (got[i] != Filled(want[i], standIns))
            std::abort();
}

// The album run's pages: six pictures to a row fragment, three fragments to an index page.
void CheckPages(const std::string& title, const std::vector<std::string>& baseNames)
{
    const int count = static_cast<int>(baseNames.size());
    TStandIns standIns;
    std::vector<TRowPicture> pictures;
    std::vector<TRowPicture> references;
    for (int n = 1; n <= count; ++n) {
        const std::string& base = baseNames[static_cast<std::size_t>(n - 1)];
        const std::string key = std::to_string(n);
        const std::string name = StandIn(standIns, "b" + key, Escaped(base));
        const std::string file = StandIn(standIns, "f" + key, Escaped(base + ".jpg"));
        CheckPage(PicturePage(base, base + ".jpg", n, count), PicturePage(name, file, n, count), 36, standIns);
        pictures.push_back({n, base});
        references.push_back({n, name});
    }

    std::vector<std::vector<std::string>> fragments;
    std::vector<std::vector<std::string>> referenceFragments;
    for (int first = 0; first < count; first += 6) {
        const int last = std::min(first + 6, count);
        const std::vector<TRowPicture> row(pictures.begin() + first, pictures.begin() + last);
        const std::vector<TRowPicture> reference(references.begin() + first, references.begin() + last);
        const std::string fragment = RowFragment(row);
        const std::string referenceFragment = RowFragment(reference);
        CheckPage(fragment, referenceFragment, 8 + 2 * row.size(), standIns);
        fragments.push_back(Lines(fragment));
        referenceFragments.push_back(Lines(referenceFragment));
    }

    const std::string titleStandIn = StandIn(standIns, "t", Escaped(title));
    const int pages = (static_cast<int>(fragments.size()) + 2) / 3;
    for (int m = 1; m <= pages; ++m) {
        std::vector<std::string> lines;
        std::vector<std::string> referenceLines;
        for (std::size_t k = 3 * (m - 1); k < std::min<std::size_t>(3 * m, fragments.size()); ++k) {
            lines.insert(lines.end(), fragments[k].begin(), fragments[k].end());
            referenceLines.insert(referenceLines.end(), referenceFragments[k].begin(), referenceFragments[k].end());
        }
        CheckPage(IndexPage(title, lines, m, pages), IndexPage(titleStandIn, referenceLines, m, pages),
                  5 + lines.size() + 17, standIns);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = input.find('\0', start)) != std::string_view::npos; start = end + 1)
        fields.emplace_back(input.substr(start, end - start));
    if (fields.empty() || fields.size() > kMaxPictures + 1)
        return 0;

    // One instance for every path, as the album window keeps its own.
    TAllTools tools;
    std::vector<std::string> baseNames;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        TPickedFile picked;
        CheckSplit(tools, fields[i], picked);
        if (!picked.skipped)
            baseNames.push_back(picked.entry.BaseName);
    }
    CheckPages(fields[0], baseNames);
    return 0;
}
