#pragma once
// The run-time library calls Lumora's code is written against: number texts,
// the case-blind comparison of list sorting, and byte access that checks its position.

#include <cstdint>
#include <stdexcept>
#include <string>

// Raised by StrToInt for text that is not a decimal integer.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when a 1-based byte position lies outside its text.
class ERangeError : public std::out_of_range {
public:
    ERangeError() : std::out_of_range("Range check error") {}
};

std::string IntToStr(std::int64_t value);

// Optional sign followed by decimal digits that fit 32 bits; anything else throws EConvertError.
std::int32_t StrToInt(const std::string& text);

// Compares with the letters a-z folded to A-Z and every other byte by its value.
// Negative, zero or positive like strcmp.
int CompareText(const std::string& a, const std::string& b);

// Byte at 1-based position pos; throws ERangeError outside 1..size.
char ByteAt(const std::string& text, int pos);
