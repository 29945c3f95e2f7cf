#pragma once
// Command-line options the benchmark programs share: "--name WxH" and "--name N".

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Leaves width and height alone unless argv holds name followed by a size.
inline void ReadSizeOption(int argc, char** argv, const char* name, int& width, int& height)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            std::sscanf(argv[i + 1], "%dx%d", &width, &height);
}

// A count of at least 1.
inline void ReadCountOption(int argc, char** argv, const char* name, int& count)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            count = std::max(1, std::atoi(argv[i + 1]));
}
