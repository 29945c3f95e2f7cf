#include "toolkit/RunTime.h"

#include <charconv>

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

std::int32_t StrToInt(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes a minus sign but not a plus sign.
    if (first != last && *first == '+' && (last - first) > 1 && first[1] != '-')
        ++first;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (first == last || error != std::errc() || end != last)
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

namespace {
unsigned char FoldUpper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
} // namespace

int CompareText(const std::string& a, const std::string& b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int d = FoldUpper(static_cast<unsigned char>(a[i])) - FoldUpper(static_cast<unsigned char>(b[i]));
        if (d != 0)
            return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

char ByteAt(const std::string& text, int pos)
{
    if (pos < 1 || static_cast<std::size_t>(pos) > text.size())
        throw ERangeError();
    return text[static_cast<std::size_t>(pos) - 1];
}
