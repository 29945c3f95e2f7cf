#pragma once
// TAllTools: Lumora's text operations on byte strings with 1-based byte positions.
// Operations that find nothing answer the one-byte text "0" (PosFrom: the position 0);
// an empty text is a real result. Lengths, the found flag and partial results live in
// the members, so an instance is also a scratch pad: each unit keeps its own instance
// and never shares it between two calls at a time.
//
// A byte position below 1 raises ERangeError and a non-numeric date part in PadDate
// raises EConvertError (toolkit/RunTime.h); both reach the caller.

#include <cstdint>
#include <string>

class TAllTools {
public:
    TAllTools() = default;
    virtual ~TAllTools() = default;

    // Texts are taken by value: a caller may pass one of the members (Work, Tail),
    // which the call itself overwrites.

    // Text with the first Old at or after Start replaced by New; "0" if none.
    virtual std::string ReplaceFirst(std::int32_t Start, std::string Text, std::string Old, std::string New);
    // Text with the first Pattern at or after Start removed; "0" if none.
    virtual std::string DeleteFirst(std::int32_t Start, std::string Text, std::string Pattern);
    // The bytes of Text before the first Pattern at or after Start; "0" if none.
    virtual std::string BeforeFirst(std::int32_t Start, std::string Text, std::string Pattern);
    // The bytes of Text after the first Pattern at or after Start; "0" if none.
    virtual std::string AfterFirst(std::int32_t Start, std::string Text, std::string Pattern);
    // Up to Count bytes from Start (Count 0 or less: to the end); "0" if no byte was copied.
    virtual std::string Mid(std::string Text, std::int32_t Start, std::int32_t Count);
    // The last Count bytes; "0" if Count is 0 or less.
    virtual std::string Right(std::string Text, std::int32_t Count);
    // "yyyy/m/d" with a two-digit month and day; anything after the day's two bytes is dropped.
    virtual std::string PadDate(std::string Text);
    // Position of the first Pattern at or after Start; 0 if none.
    virtual std::int32_t PosFrom(std::int32_t Start, std::string Text, std::string Pattern);

    std::int32_t TextLen = 0;      // length of the text argument of the last call
    std::int32_t PatternSpan = 0;  // PosFrom: pattern length; the other searches: length - 1
    bool NotFound = false;         // true until a match is found or a first byte copied
    std::string Work;              // the search window; afterwards the text before the match or the copy
    std::string Tail;              // the text after the match
    std::string Spare;             // kept for the class's layout; no operation uses it

private:
    // The shared search: sets TextLen and NotFound, builds each window in Work byte by
    // byte and returns the match position (0 when NotFound).
    std::int64_t Search(std::int64_t start, const std::string& text, const std::string& pattern);
};
