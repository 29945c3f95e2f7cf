#pragma once

#include <cstdint>
#include <string>

// The Byte column's text: whole kilobytes with "KB", or bytes with "B" below 1 KB.
std::string SizeText(std::int64_t size);
