#include "text/AllTools.h"

#include "toolkit/RunTime.h"

namespace {

// Appends bytes first..last of text one at a time, each through the range check.
// Positions are 64-bit so that no Start or Count can overflow the arithmetic; every
// position that reaches ByteAt lies between a 32-bit Start and the text's length.
void AppendBytes(std::string& to, const std::string& text, std::int64_t first, std::int64_t last)
{
    for (std::int64_t i = first; i <= last; ++i)
        to += ByteAt(text, static_cast<int>(i));
}

std::int32_t Length(const std::string& text)
{
    return static_cast<std::int32_t>(text.size());
}

} // namespace

std::int64_t TAllTools::Search(std::int64_t start, const std::string& text, const std::string& pattern)
{
    TextLen = Length(text);
    NotFound = true;
    const std::int64_t m = Length(pattern);
    // Stops at the last position where the whole pattern still fits: finding nothing
    // never reads past the end.
    for (std::int64_t i = start; i <= TextLen && i + m - 1 <= TextLen; ++i) {
        Work.clear();
        AppendBytes(Work, text, i, i + m - 1);
        if (Work == pattern) {
            NotFound = false;
            return i;
        }
    }
    return 0;
}

std::string TAllTools::ReplaceFirst(std::int32_t Start, std::string Text, std::string Old, std::string New)
{
    PatternSpan = Length(Old) - 1;
    Tail.clear();
    const std::int64_t p = Search(Start, Text, Old);
    if (NotFound)
        return "0";
    Work.clear();
    AppendBytes(Work, Text, 1, p - 1);
    AppendBytes(Tail, Text, p + Length(Old), TextLen);
    return Work + New + Tail;
}

std::string TAllTools::DeleteFirst(std::int32_t Start, std::string Text, std::string Pattern)
{
    PatternSpan = Length(Pattern) - 1;
    Tail.clear();
    const std::int64_t p = Search(Start, Text, Pattern);
    if (NotFound)
        return "0";
    Work.clear();
    AppendBytes(Work, Text, 1, p - 1);
    AppendBytes(Tail, Text, p + Length(Pattern), TextLen);
    return Work + Tail;
}

std::string TAllTools::BeforeFirst(std::int32_t Start, std::string Text, std::string Pattern)
{
    PatternSpan = Length(Pattern) - 1;
    const std::int64_t p = Search(Start, Text, Pattern);
    if (NotFound)
        return "0";
    Work.clear();
    AppendBytes(Work, Text, 1, p - 1);
    return Work;
}

std::string TAllTools::AfterFirst(std::int32_t Start, std::string Text, std::string Pattern)
{
    PatternSpan = Length(Pattern) - 1;
    Tail.clear();
    const std::int64_t p = Search(Start, Text, Pattern);
    if (NotFound)
        return "0";
    AppendBytes(Tail, Text, p + Length(Pattern), TextLen);
    return Tail;
}

std::string TAllTools::Mid(std::string Text, std::int32_t Start, std::int32_t Count)
{
    TextLen = Length(Text);
    NotFound = true;
    Work.clear();
    std::int32_t n = 0;
    // A Count of 0 or less never equals n, so the copy runs to the end.
    for (std::int64_t i = Start; i <= TextLen; ++i) {
        Work += ByteAt(Text, static_cast<int>(i));
        NotFound = false;
        if (++n == Count)
            break;
    }
    return NotFound ? std::string("0") : Work;
}

std::string TAllTools::Right(std::string Text, std::int32_t Count)
{
    TextLen = Length(Text);
    const std::int64_t first = std::int64_t{TextLen} - Count + 1;
    NotFound = true;
    Work.clear();
    for (std::int64_t i = first; i <= TextLen; ++i) {
        Work += ByteAt(Text, static_cast<int>(i));
        NotFound = false;
    }
    return NotFound ? std::string("0") : Work;
}

std::string TAllTools::PadDate(std::string Text)
{
    const std::string year = Mid(Text, 1, 4);
    const std::int32_t p = PosFrom(6, Text, "/");
    std::string month = Mid(Text, 6, p - 6);
    std::string day = Mid(Text, p + 1, 2);
    if (StrToInt(month) < 10)
        month = "0" + month;
    if (StrToInt(day) < 10)
        day = "0" + day;
    return year + "/" + month + "/" + day;
}

std::int32_t TAllTools::PosFrom(std::int32_t Start, std::string Text, std::string Pattern)
{
    PatternSpan = Length(Pattern);
    return static_cast<std::int32_t>(Search(Start, Text, Pattern));
}
